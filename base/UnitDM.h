#pragma once
// The data module: the connection to the system's database and, opened only
// when a screen first needs them, the connections to the companion programs'
// databases. Every statement binds its values; a write outside an explicit
// transaction runs in a transaction of its own.
#include "base/Dinheiro.h"
#include "base/Erros.h"

#include <QDate>
#include <QDateTime>
#include <QList>
#include <QObject>
#include <QSqlDatabase>
#include <QSqlRecord>
#include <QTime>
#include <QVariant>
#include <QVector>
#include <functional>
#include <memory>
#include <type_traits>

// One row of a result, read by column name. An absent row or column and a
// NULL value read as empty text, zero, zero money and an invalid date.
class Linha {
public:
    Linha() = default;
    // CHAR columns arrive padded to their byte width; the padding is removed.
    explicit Linha(const QSqlRecord &r);

    bool vazia() const { return !m_existe; }
    bool contem(const QString &coluna) const { return m_registro.indexOf(coluna) >= 0; }
    QVariant valor(const QString &coluna) const;
    QVariant valor(int indice) const;
    bool nulo(const QString &coluna) const;
    QString texto(const QString &coluna) const;
    qint64 inteiro(const QString &coluna) const;
    Dinheiro dinheiro(const QString &coluna) const;
    QDate data(const QString &coluna) const;
    QTime hora(const QString &coluna) const;
    QDateTime momento(const QString &coluna) const;
    const QSqlRecord &registro() const { return m_registro; }

private:
    QSqlRecord m_registro;
    bool m_existe = false;
};

// A value as screens show it: dates dd/MM/yyyy, times HH:mm:ss, null empty.
QString textoDeValor(const QVariant &v);

// Positional values for "?" markers, or named values for ":NOME" markers
// (keys without the colon).
using Valores = QVariantList;
using ValoresNomeados = QVariantMap;

class ConexaoBanco;

// A result read a batch at a time (grids over large tables). It runs in a
// read-only transaction of its own that holds no lock and keeps no old record
// versions alive, so it may stay open while the screen waits for the user.
// A reconnect of its connection ends it (fim() turns true).
class CursorBanco {
public:
    ~CursorBanco();
    CursorBanco(const CursorBanco &) = delete;
    CursorBanco &operator=(const CursorBanco &) = delete;

    const QSqlRecord &colunas() const { return m_colunas; }
    // Up to `maximo` further rows (fewer at the end of the result).
    QList<QVector<QVariant>> buscar(int maximo);
    bool fim() const { return m_fim && m_pendentes.isEmpty(); }
    void fechar();

private:
    friend class ConexaoBanco;
    CursorBanco() = default;
    ConexaoBanco *m_conexao = nullptr;
    QList<QVector<QVariant>> m_pendentes; // rows already read (inside a transaction)
    struct Estado;
    std::unique_ptr<Estado> m_estado;
    QSqlRecord m_colunas;
    bool m_fim = false;
};

class ConexaoBanco {
public:
    ConexaoBanco(const QString &nomeConexao, const QString &caminhoPadrao);
    ~ConexaoBanco();
    ConexaoBanco(const ConexaoBanco &) = delete;
    ConexaoBanco &operator=(const ConexaoBanco &) = delete;

    // The database as Firebird expects it: a file path (embedded engine) or
    // host:/path (server). Passed to the client unchanged.
    QString caminho() const { return m_caminho; }
    void definirCaminho(const QString &caminho);
    // Connects; a failure raises ErroBanco with the engine's message.
    void conectar();
    // Connects when not yet connected (companion databases open this way).
    void garantirConectada();
    void desconectar();
    bool conectada() const;
    QSqlDatabase banco() const;

    // Runs a statement without result; returns the rows it changed.
    int executar(const QString &sql, const Valores &v = {});
    int executar(const QString &sql, const ValoresNomeados &v);
    // The first row of a result (empty Linha when none).
    Linha ler(const QString &sql, const Valores &v = {});
    Linha ler(const QString &sql, const ValoresNomeados &v);
    // All rows of a result.
    QList<Linha> lerTodas(const QString &sql, const Valores &v = {});
    QList<Linha> lerTodas(const QString &sql, const ValoresNomeados &v);
    // All rows plus the description of the result's columns (also when empty).
    struct Consulta {
        QSqlRecord colunas;
        QList<Linha> linhas;
    };
    Consulta consultar(const QString &sql, const Valores &v = {});
    // The first column of the first row; an invalid QVariant when no row.
    QVariant valor(const QString &sql, const Valores &v = {});
    // GEN_ID(gerador, incremento). The name must come from the code, never from input.
    qint64 gerador(const QString &nomeGerador, int incremento);
    // A result read on demand (see CursorBanco). Inside an open transaction
    // the rows are read at once in that transaction instead.
    std::unique_ptr<CursorBanco> abrirCursor(const QString &sql, const Valores &v = {});

    // Statements are prepared once per connection and kept, keyed by their
    // text, up to kComandosGuardados (the least recently used one is dropped
    // first); a reconnect drops them all.
    static constexpr int kComandosGuardados = 128;
    int comandosGuardados() const;
    // How many statements this connection has prepared since it was created.
    qint64 preparacoes() const;

    // How long a statement waits for a row another workstation holds before
    // the operation is undone and the user told the record is in use
    // (seconds, from param.ini [BD] ESPERA_BLOQUEIO; 0 or less: the default).
    static constexpr int kEsperaBloqueioPadrao = 10;
    void definirEsperaBloqueio(int segundos);
    int esperaBloqueio() const { return m_esperaBloqueio; }

    // Called just before an operation that wrote or locked rows commits,
    // while its transaction still holds them. Test agents use it to keep
    // one workstation's operation open while another one runs.
    void definirAntesDeConfirmar(std::function<void()> gancho) { m_antesDeConfirmar = std::move(gancho); }

    // Explicit transactions (prefer Transacao or emTransacao).
    void iniciarTransacao();
    void confirmarTransacao();
    void desfazerTransacao();
    bool emTransacao() const { return m_profundidade > 0; }

    // Runs one user operation in one transaction: commits when it returns,
    // rolls back when it throws. On an update conflict with another
    // workstation the whole operation runs again, a few times, before the
    // user is told. Nested calls join the outer transaction.
    template <class F>
    auto emTransacao(F &&operacao) -> std::invoke_result_t<F>;

    // An update conflict is retried with short random pauses for about this
    // long before the user is told.
    static constexpr int kTempoConflitoMs = 2000;
    static constexpr int kTentativas = 4; // at least this many tries

    // Waits a short random time before a retry; false once the retries of an
    // operation started at `inicioMs` (relogioMonotonicoMs) are used up.
    static bool esperarNovaTentativa(int tentativa, qint64 inicioMs);
    static qint64 relogioMonotonicoMs();
    static QString textoConflito();
    // What the user reads when the wait for a held row ran out.
    static QString textoEmUso();

private:
    friend class CursorBanco;
    struct Comando;
    struct Bruto;
    QList<Linha> rodar(const QString &sql, const QVariantList &posicionais, const ValoresNomeados *nomeados,
                       bool comLinhas, int *afetadas, bool soPrimeira, QSqlRecord *colunas = nullptr);
    [[noreturn]] void falhar(const class QSqlError &e, const QString &sql);
    [[noreturn]] void falharBruto(const void *status, const QString &sql);
    Comando &comando(const QString &sql);
    void descartarComandos();
    void encerrarCursores();

    QString m_nome;
    QString m_caminho;
    int m_profundidade = 0;
    bool m_desfeita = false;
    int m_esperaBloqueio = kEsperaBloqueioPadrao;
    std::function<void()> m_antesDeConfirmar;
    std::unique_ptr<Bruto> m_bruto;
};

// Scoped transaction: commits on confirmar(), rolls back if destroyed first.
class Transacao {
public:
    explicit Transacao(ConexaoBanco &c) : m_c(c) { m_c.iniciarTransacao(); }
    ~Transacao()
    {
        if (!m_fim)
            m_c.desfazerTransacao();
    }
    void confirmar()
    {
        m_fim = true;
        m_c.confirmarTransacao();
    }
    Transacao(const Transacao &) = delete;
    Transacao &operator=(const Transacao &) = delete;

private:
    ConexaoBanco &m_c;
    bool m_fim = false;
};

template <class F>
auto ConexaoBanco::emTransacao(F &&operacao) -> std::invoke_result_t<F>
{
    if (emTransacao())
        return operacao();
    const qint64 inicio = relogioMonotonicoMs();
    for (int tentativa = 1;; ++tentativa) {
        try {
            Transacao t(*this);
            if constexpr (std::is_void_v<std::invoke_result_t<F>>) {
                operacao();
                t.confirmar();
                return;
            } else {
                auto r = operacao();
                t.confirmar();
                return r;
            }
        } catch (const ErroBanco &e) {
            // A row held past the lock wait: undone, the user told at once
            // (waiting again would only hold this desk longer).
            if (e.bloqueioExpirado()) {
                ErroBanco emUso(textoEmUso(), e.codigo(), e.texto());
                emUso.marcarBloqueioExpirado();
                throw emUso;
            }
            if (!e.conflito())
                throw;
            if (!esperarNovaTentativa(tentativa, inicio))
                throw ErroBanco(textoConflito(), e.codigo(), e.texto());
        }
    }
}

class TDM : public QObject {
    Q_OBJECT
public:
    explicit TDM(QObject *parent = nullptr);
    ~TDM() override;

    // The system's database (path from param.ini).
    ConexaoBanco Conexao;
    // Companion point of sale: main and front-end databases; companion control
    // program. Connected only by the screens that write them.
    ConexaoBanco ConexaoPDV;
    ConexaoBanco ConexaoPDVFrente;
    ConexaoBanco ConexaoZentroControle;

    static QString usuario();
    static QString senha();
};

// The one data module, created at start-up.
extern TDM *DM;
