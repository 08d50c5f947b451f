// The front desk on the database of a large, old hotel (scripts/gerar-banco-
// grande): each main screen opened and each main operation run as a clerk
// would, timed, with the statements it ran counted, beside the raw Firebird
// client doing the same reads (or writes) in one statement. One table:
//
//   bench_escala [--hoje AAAA-MM-DD] [--vezes N] [--comparar BANCO_PEQUENO] [BANCO]
//
// BANCO defaults to $ZV_BANCO_GRANDE, else build/banco-grande/grande.fdb.
// With --comparar the times and statement counts are also taken on a smaller
// database of the same generator: a screen whose count grows with the data
// shows it. Writes run inside a transaction that is rolled back afterwards,
// so the database is the same after every run. ZV_BENCH_SQL=1 prints the
// statements each row ran (the first time); ZV_BENCH_LINHA=text runs only the
// rows whose name contains it.
#include "ClienteBruto.h"
#include "base/Parametros.h"
#include "base/Relogio.h"
#include "base/Sessao.h"
#include "base/Telas.h"
#include "base/UnitDM.h"
#include "core/Diarias.h"
#include "core/UnitAcesso.h"
#include "core/UnitLogViewer.h"
#include "app/UnitQuintara.h"
#include "base/Mensagem.h"
#include "finance/UnitCaixa.h"
#include "finance/UnitDespesasAvulsas.h"
#include "base/Relatorio.h"
#include "finance/GrafFinanceiro.h"
#include "finance/OsMaisMais.h"
#include "finance/UnitGrafFinanceiro.h"
#include "finance/UnitMovimentoFinanceiro.h"
#include "rooms/GrafOcupacao.h"
#include "rooms/UnitClientes.h"
#include "rooms/UnitGrafOcupacao.h"
#include "rooms/UnitReservas.h"
#include "rooms/UnitUH.h"
#include "stays/Consumo.h"
#include "stays/Entrada.h"
#include "stays/ExtratoUH.h"
#include "stays/Estadias.h"
#include "stays/Saida.h"
#include "stays/UnitWalkIn.h"
#include "finance/Cheques.h"
#include "finance/UnitCheques.h"
#include "platform/Balanca.h"
#include "restaurant/Mesas.h"
#include "restaurant/UnitMesas.h"
#include "restaurant/Itens.h"
#include "restaurant/NotasFiscais.h"
#include "restaurant/UnitHistoricoMov.h"
#include "restaurant/UnitNotasFiscais.h"
#include "tests/support/BalancaFalsa.h"
#include "staff/Funcionarios.h"
#include "staff/UnitFuncionarios.h"
#include "staff/PontoRelatorio.h"
#include "staff/UnitPonto.h"
#include "staff/FolhaPagamento.h"

#include <QApplication>
#include <QDateEdit>
#include <QRadioButton>
#include <QSpinBox>
#include <QLineEdit>
#include <QListWidget>
#include <QFile>
#include <QPixmap>
#include <QRadioButton>
#include <QTableView>
#include <ibase.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <dlfcn.h>
#include <functional>
#include <iostream>
#include <map>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

// ---------------------------------------------------------------- statement count
//
// Every statement the program runs passes through one of these client calls;
// the benchmark's own definitions count them and hand them on to the client
// library (the executable exports them, so the Qt driver's calls come here
// too).

namespace contagem {
std::atomic<long> comandos{0};
// The client library's own calls between these functions come back here
// too: only the outermost call of a thread counts.
thread_local int profundidade = 0;
struct Dentro {
    Dentro() { ++profundidade; }
    ~Dentro() { --profundidade; }
};
bool rastrear = false;
std::mutex mutex;
std::map<isc_stmt_handle, std::string> textos;

template <class F>
F real(const char *nome)
{
    static std::map<std::string, void *> cache;
    std::lock_guard<std::mutex> g(mutex);
    void *&p = cache[nome];
    if (!p)
        p = dlsym(RTLD_NEXT, nome);
    if (!p) {
        std::cerr << "função do cliente Firebird não encontrada: " << nome << "\n";
        std::abort();
    }
    return reinterpret_cast<F>(p);
}

void executado(const std::string &sql)
{
    if (profundidade > 1)
        return;
    ++comandos;
    if (rastrear)
        std::printf("      | %s\n", sql.substr(0, 220).c_str());
}
void executado(isc_stmt_handle *h)
{
    if (profundidade > 1)
        return;
    std::string sql;
    if (rastrear && h) {
        std::lock_guard<std::mutex> g(mutex);
        sql = textos[*h];
    }
    executado(sql);
}
} // namespace contagem

extern "C" {

ISC_STATUS ISC_EXPORT isc_dsql_prepare(ISC_STATUS *st, isc_tr_handle *tr, isc_stmt_handle *h, unsigned short n,
                                       const ISC_SCHAR *sql, unsigned short dialeto, XSQLDA *da)
{
    using F = ISC_STATUS (*)(ISC_STATUS *, isc_tr_handle *, isc_stmt_handle *, unsigned short, const ISC_SCHAR *,
                             unsigned short, XSQLDA *);
    const ISC_STATUS r = contagem::real<F>("isc_dsql_prepare")(st, tr, h, n, sql, dialeto, da);
    if (h && sql) {
        std::lock_guard<std::mutex> g(contagem::mutex);
        contagem::textos[*h] = n ? std::string(sql, n) : std::string(sql);
    }
    return r;
}

ISC_STATUS ISC_EXPORT isc_dsql_execute(ISC_STATUS *st, isc_tr_handle *tr, isc_stmt_handle *h, unsigned short d,
                                       const XSQLDA *in)
{
    using F = ISC_STATUS (*)(ISC_STATUS *, isc_tr_handle *, isc_stmt_handle *, unsigned short, const XSQLDA *);
    contagem::Dentro dentro;
    contagem::executado(h);
    return contagem::real<F>("isc_dsql_execute")(st, tr, h, d, in);
}

ISC_STATUS ISC_EXPORT isc_dsql_execute2(ISC_STATUS *st, isc_tr_handle *tr, isc_stmt_handle *h, unsigned short d,
                                        const XSQLDA *in, const XSQLDA *out)
{
    using F = ISC_STATUS (*)(ISC_STATUS *, isc_tr_handle *, isc_stmt_handle *, unsigned short, const XSQLDA *,
                             const XSQLDA *);
    contagem::Dentro dentro;
    contagem::executado(h);
    return contagem::real<F>("isc_dsql_execute2")(st, tr, h, d, in, out);
}

ISC_STATUS ISC_EXPORT isc_dsql_execute_immediate(ISC_STATUS *st, isc_db_handle *db, isc_tr_handle *tr,
                                                 unsigned short n, const ISC_SCHAR *sql, unsigned short d,
                                                 const XSQLDA *in)
{
    using F = ISC_STATUS (*)(ISC_STATUS *, isc_db_handle *, isc_tr_handle *, unsigned short, const ISC_SCHAR *,
                             unsigned short, const XSQLDA *);
    contagem::Dentro dentro;
    contagem::executado(sql ? std::string(sql, n ? n : std::strlen(sql)) : std::string());
    return contagem::real<F>("isc_dsql_execute_immediate")(st, db, tr, n, sql, d, in);
}

ISC_STATUS ISC_EXPORT isc_dsql_exec_immed2(ISC_STATUS *st, isc_db_handle *db, isc_tr_handle *tr, unsigned short n,
                                           const ISC_SCHAR *sql, unsigned short d, const XSQLDA *in,
                                           const XSQLDA *out)
{
    using F = ISC_STATUS (*)(ISC_STATUS *, isc_db_handle *, isc_tr_handle *, unsigned short, const ISC_SCHAR *,
                             unsigned short, const XSQLDA *, const XSQLDA *);
    contagem::Dentro dentro;
    contagem::executado(sql ? std::string(sql, n ? n : std::strlen(sql)) : std::string());
    return contagem::real<F>("isc_dsql_exec_immed2")(st, db, tr, n, sql, d, in, out);
}

} // extern "C"

namespace {

// ---------------------------------------------------------------- raw client

using Bruto = ClienteBruto;

// A statement of the system with its "?" replaced by literals (the values
// are the benchmark's own fixed ones).
std::string comLiterais(const QString &sql, const QVariantList &valores)
{
    QString r;
    int k = 0;
    bool aspas = false;
    for (const QChar ch : sql) {
        if (ch == QLatin1Char('\''))
            aspas = !aspas;
        if (ch == QLatin1Char('?') && !aspas && k < valores.size()) {
            const QVariant &v = valores[k++];
            if (v.metaType().id() == QMetaType::QDate)
                r += QStringLiteral("DATE '%1'").arg(v.toDate().toString(Qt::ISODate));
            else if (v.metaType().id() == QMetaType::QDateTime)
                r += QStringLiteral("TIMESTAMP '%1'").arg(v.toDateTime().toString(QStringLiteral("yyyy-MM-dd hh:mm:ss")));
            else if (v.metaType().id() == QMetaType::QString)
                r += QLatin1Char('\'') + v.toString().replace(QLatin1Char('\''), QStringLiteral("''")) + QLatin1Char('\'');
            else
                r += v.toString();
        } else {
            r += ch;
        }
    }
    return r.toStdString();
}

std::string data(const QDate &d) { return "DATE '" + d.toString(Qt::ISODate).toStdString() + "'"; }

// ---------------------------------------------------------------- measuring

struct Medida {
    double ms = 0;
    long comandos = 0;
};

Medida medir(int vezes, const std::function<void()> &antes, const std::function<void()> &operacao,
             const std::function<void()> &depois, bool mostrarSql = false)
{
    std::vector<double> tempos;
    long comandos = 0;
    for (int i = 0; i <= vezes; ++i) { // the first run warms the caches and is not counted
        if (antes)
            antes();
        contagem::rastrear = mostrarSql && i == 0;
        const long c0 = contagem::comandos;
        const auto t0 = std::chrono::steady_clock::now();
        operacao();
        const double ms = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - t0).count();
        comandos = contagem::comandos - c0;
        contagem::rastrear = false;
        if (depois)
            depois();
        if (i > 0)
            tempos.push_back(ms);
    }
    std::sort(tempos.begin(), tempos.end());
    return {tempos.empty() ? 0 : tempos[tempos.size() / 2], comandos};
}

// A screen: created, shown and painted (the list fills on show), then closed.
template <class T>
void abrirTela(const std::function<void(T &)> &preparar = {}, const std::function<void(T &)> &depois = {})
{
    T tela;
    if (preparar)
        preparar(tela);
    tela.show();
    QCoreApplication::processEvents();
    if (depois)
        depois(tela);
    const QPixmap p = tela.grab();
    if (p.isNull())
        std::cerr << "tela sem pintura\n";
    tela.hide();
}

// Runs `f` inside a transaction that is rolled back: the nested operation
// joins it, so its writes are measured and then undone.
void desfazendo(const std::function<void()> &f)
{
    DM->Conexao.iniciarTransacao();
    try {
        f();
    } catch (...) {
        DM->Conexao.desfazerTransacao();
        throw;
    }
    DM->Conexao.desfazerTransacao();
}

struct LinhaTabela {
    std::string nome;
    std::function<void()> sistema;
    std::function<void(Bruto &)> bruto;
    bool escrita = false;
};

struct Resultado {
    Medida sistema, bruto;
    long comandosPequeno = -1;
};

// ---------------------------------------------------------------- the rows

// The main window of the timer's row, logged in once per database.
std::unique_ptr<TFrmQuintara> g_janela;
// The restaurant board of the refresh row, shown once per database.
std::unique_ptr<TFrmMesas> g_mesas;

// A scale on a socat pseudo-terminal, and the program's side of the line
// opened raw for the round trip without the scale layer.
struct EscalaPty {
    BalancaFalsa escala;
    int fd = -1;
    EscalaPty()
    {
        escala.definir(BalancaFalsa::Modo::Peso, 456);
        if (escala.pronta())
            fd = ::open(QFile::encodeName(escala.porta()).constData(), O_RDWR | O_NOCTTY);
    }
    ~EscalaPty()
    {
        if (fd >= 0)
            ::close(fd);
    }
    // ENQ written, the answer read up to its ETX.
    void idaEVolta()
    {
        const char enq = 0x05;
        (void)!::write(fd, &enq, 1);
        char buf[32];
        for (;;) {
            pollfd p{fd, POLLIN, 0};
            if (::poll(&p, 1, 2000) <= 0)
                return;
            const ssize_t n = ::read(fd, buf, sizeof buf);
            if (n <= 0 || std::memchr(buf, 0x03, size_t(n)))
                return;
        }
    }
};
EscalaPty &escalaPty()
{
    static EscalaPty e;
    return e;
}

struct Contexto {
    QDate hoje;
    qint64 uhLivre = 0, tipoLivre = 0, cliente = 0;
    QString numeroLivre, nomeCliente;
    qint64 estadiaAberta = 0;
    QString numeroAberta;
    qint64 produto = 0;
    QString descricaoProduto;
    QDate diaLog;
};

Contexto lerContexto(const QDate &hoje)
{
    Contexto c;
    c.hoje = hoje;
    ConexaoBanco &b = DM->Conexao;
    // A free room without a reservation in the next three days.
    const ::Linha uh = b.ler(QStringLiteral(
                                 "SELECT FIRST 1 U.ID_UH, U.NUMERO, U.ID_TIPO_UH FROM UH U WHERE U.SITUACAO = 'L' AND "
                                 "U.EXCLUIDO = 'N' AND NOT EXISTS (SELECT 1 FROM RESERVA_UH R WHERE R.ID_UH = U.ID_UH "
                                 "AND R.DATA_ENTRADA BETWEEN ? AND ?) ORDER BY U.ID_UH"),
                             {hoje, hoje.addDays(3)});
    c.uhLivre = uh.inteiro(QStringLiteral("ID_UH"));
    c.numeroLivre = uh.texto(QStringLiteral("NUMERO"));
    c.tipoLivre = uh.inteiro(QStringLiteral("ID_TIPO_UH"));
    const ::Linha cli = b.ler(QStringLiteral("SELECT ID_CLIENTE, NOME FROM CLIENTE WHERE ID_CLIENTE = ?"),
                              {b.valor(QStringLiteral("SELECT MAX(ID_CLIENTE) / 2 FROM CLIENTE"))});
    c.cliente = cli.inteiro(QStringLiteral("ID_CLIENTE"));
    c.nomeCliente = cli.texto(QStringLiteral("NOME"));
    const ::Linha ab = b.ler(QStringLiteral("SELECT FIRST 1 W.ID_WALK_IN, U.NUMERO FROM WALK_IN W JOIN UH U ON "
                                            "U.ID_UH = W.ID_UH WHERE W.BAIXA = 'N' AND W.EXCLUIDO = 'N' "
                                            "ORDER BY W.ID_WALK_IN"));
    c.estadiaAberta = ab.inteiro(QStringLiteral("ID_WALK_IN"));
    c.numeroAberta = ab.texto(QStringLiteral("NUMERO"));
    const ::Linha p = b.ler(QStringLiteral("SELECT FIRST 1 ID_P_S, DESCRICAO FROM PRODUTOS_SERVICOS WHERE "
                                           "FAB_PROPRIA = 'N' AND EXCLUIDO = 'N' AND ESTOQUE > 10 ORDER BY ID_P_S"));
    c.produto = p.inteiro(QStringLiteral("ID_P_S"));
    c.descricaoProduto = p.texto(QStringLiteral("DESCRICAO"));
    c.diaLog = hoje.addDays(-2);
    if (c.uhLivre == 0 || c.cliente == 0 || c.estadiaAberta == 0 || c.produto == 0) {
        std::cerr << "o banco não parece gerado por gerar_banco (faltam UH livre, cliente, estadia aberta ou produto)\n";
        std::exit(1);
    }
    return c;
}

Entrada::Dados dadosEntrada(const Contexto &c)
{
    Entrada::Dados d;
    d.cliente = c.cliente;
    d.nomeCliente = c.nomeCliente;
    d.uh = c.uhLivre;
    d.numeroUH = c.numeroLivre;
    d.tipoUH = c.tipoLivre;
    d.pessoas = QStringLiteral("2");
    d.dataEntrada = c.hoje;
    d.horaEntrada = QTime(14, 0);
    d.dataSaida = c.hoje.addDays(2);
    d.horaSaida = QTime(12, 0);
    const ::Linha t = DM->Conexao.ler(QStringLiteral("SELECT P2, P2MIN FROM TIPO_UH WHERE ID_TIPO_UH = ?"), {c.tipoLivre});
    d.valorDiariaPadrao = t.dinheiro(QStringLiteral("P2"));
    d.valorMin = t.dinheiro(QStringLiteral("P2MIN"));
    d.diaria = d.valorDiariaPadrao.formatado();
    d.hospedes = {QStringLiteral("=") + c.nomeCliente, QStringLiteral("MARIA D'ÁVILA")};
    d.veiculos = {{QStringLiteral("GOL"), QStringLiteral("ABC1D23")}};
    return d;
}

std::vector<LinhaTabela> linhas(const Contexto &c)
{
    std::vector<LinhaTabela> r;
    const std::string hoje = data(c.hoje);

    r.push_back({"mapa de UHs (rooms/UnitUH)", [] { abrirTela<TFrmUH>(); },
                 [hoje](Bruto &b) {
                     b.consultar(
                         "SELECT UH.ID_UH, UH.ID_TIPO_UH, UH.DESCRICAO, UH.NUMERO, UH.RAMAL, T.DESCRICAO, UH.SITUACAO, "
                         "UH.EXCLUIDO, UH.MANUTENCAO, UH.AUDITORIO, W.ID_WALK_IN, C.NOME, W.VALOR_DIARIA, "
                         "W.DATA_ENTRADA, W.HORA_ENTRADA, RUH.ID_RESERVA, R.ID_CLIENTE, CR.NOME FROM UH "
                         "LEFT JOIN TIPO_UH T ON T.ID_TIPO_UH = UH.ID_TIPO_UH "
                         "LEFT JOIN WALK_IN W ON W.ID_UH = UH.ID_UH AND W.EXCLUIDO = 'N' AND W.BAIXA = 'N' "
                         "LEFT JOIN CLIENTE C ON C.ID_CLIENTE = W.ID_CLIENTE "
                         "LEFT JOIN RESERVA_UH RUH ON RUH.ID_UH = UH.ID_UH AND RUH.DATA_ENTRADA = " +
                         hoje +
                         " LEFT JOIN RESERVA R ON R.ID_RESERVA = RUH.ID_RESERVA AND R.EXCLUIDO = 'N' AND "
                         "R.CONFIRMADA = 'N' LEFT JOIN CLIENTE CR ON CR.ID_CLIENTE = R.ID_CLIENTE "
                         "WHERE UH.EXCLUIDO = 'N' ORDER BY UH.ID_UH");
                 }});

    // The map's refresh alone (the timer and every return to the map run it).
    r.push_back({"mapa de UHs: atualização (MapaUH::atualizar)",
                 [c] {
                     MapaUH::Carga carga = MapaUH::atualizar(c.hoje, MapaUH::Ordem::Numero, std::nullopt);
                     if (carga.quartos.size() != 500)
                         std::cerr << "mapa com " << carga.quartos.size() << " UHs\n";
                 },
                 [mapa = r.back().bruto](Bruto &b) { mapa(b); }});

    r.push_back({"estadias abertas (stays/UnitWalkIn, Movimentações)",
                 [] { abrirTela<TFrmWalkIn>([](TFrmWalkIn &t) { t.OP = QStringLiteral("Despesas"); }); },
                 [](Bruto &b) { b.consultar(Estadias::consultaLista(true).sql.toStdString()); }});

    r.push_back({"lista de estadias, todas (stays/UnitWalkIn)", [] { abrirTela<TFrmWalkIn>(); },
                 [](Bruto &b) { b.consultar(Estadias::consultaLista(false).sql.toStdString(), 200); }});

    r.push_back({"clientes: abrir e buscar nome (rooms/UnitClientes)",
                 [] {
                     abrirTela<TFrmClientes>({}, [](TFrmClientes &t) { t.edtNome->setText(QStringLiteral("SILVA PRADO")); });
                 },
                 [](Bruto &b) {
                     b.consultar(Clientes::kSqlLista.toStdString(), 200);
                     b.consultar((Clientes::kSqlSelecao + QStringLiteral(" WHERE NOME LIKE '%SILVA PRADO%' ORDER BY NOME"))
                                     .toStdString(),
                                 200);
                 }});

    // The first screen of 100.000 cheques with their parties' names.
    r.push_back({"cheques: abrir a lista (finance/UnitCheques)", [] { abrirTela<TFrmCheques>(); },
                 [](Bruto &b) { b.consultar(Cheques::sqlLista().toStdString(), 200); }});

    r.push_back({"reservas de um mês (rooms/UnitReservas)",
                 [c] {
                     abrirTela<TFrmReservas>({}, [c](TFrmReservas &t) {
                         t.dtInicio->setDate(c.hoje);
                         t.dtFim->setDate(c.hoje.addDays(30));
                         t.mostrarPeriodo();
                     });
                 },
                 [c](Bruto &b) {
                     const Reservas::Consulta q = Reservas::consultaPeriodo(c.hoje, c.hoje.addDays(30),
                                                                            Reservas::OrdemLista::Codigo);
                     b.consultar(comLiterais(q.sql, q.valores));
                 }});

    r.push_back({"visor de log de um dia (core/UnitLogViewer)",
                 [c] {
                     Relogio::definir(QDateTime(c.diaLog, QTime(23, 0)));
                     abrirTela<TFrmLog>();
                     Relogio::definir(QDateTime(c.hoje, QTime(10, 0)));
                 },
                 [c](Bruto &b) {
                     const VisorLog::Consulta q = VisorLog::consultaDoDia(c.diaLog);
                     b.consultar(comLiterais(q.sql, q.valores));
                 }});

    // The employees in their status colours: the first rows with the status
    // worked out by the same statement (the raw client reads as many rows).
    r.push_back({"funcionários: lista com status (staff/UnitFuncionarios)", [] { abrirTela<TFrmFuncionarios>(); },
                 [c](Bruto &b) {
                     b.consultar(comLiterais(Funcionarios::kSqlLista, Funcionarios::valoresLista(c.hoje)), 200);
                 }});

    // The time-clock book of today (every employee's rows of the day, with
    // their status colours) and one employee's report of last month; the raw
    // client reads the grid's first batch, and the report's two statements.
    r.push_back({"livro de ponto: um dia (staff/UnitPonto)", [] { abrirTela<TFrmPonto>(); },
                 [c](Bruto &b) {
                     const Ponto::Consulta q = Ponto::consultaDia(c.hoje);
                     b.consultar(comLiterais(q.sql, q.valores), 200);
                 }});
    {
        // The first employee with rows, looked up on the database being measured.
        // (once per database: the warm-up run looks it up, the measured runs reuse it)
        auto funcionario = [] {
            static std::map<QString, qint64> porBanco;
            auto [it, novo] = porBanco.try_emplace(DM->Conexao.caminho(), 0);
            if (novo)
                it->second =
                    DM->Conexao.valor(QStringLiteral("SELECT MIN(CAST(ID_FUNCIONARIO AS INTEGER)) FROM PONTO"))
                        .toLongLong();
            return it->second;
        };
        const QDate mes = c.hoje.addMonths(-1);
        const PontoRelatorio::Opcoes o{QDate(mes.year(), mes.month(), 1),
                                       QDate(mes.year(), mes.month(), mes.daysInMonth()), false, false};
        r.push_back({"relatório de ponto de um mês (staff/PontoRelatorio)",
                     [funcionario, o] {
                         const Relatorio rel = PontoRelatorio::relatorio(PontoRelatorio::ler(funcionario(), o.de, o.ate),
                                                                         o, Ponto::tolerancias());
                         if (rel.totalLinhas() < 20)
                             std::cerr << "relatório de ponto com " << rel.totalLinhas() << " linhas\n";
                     },
                     [funcionario, o](Bruto &b) {
                         const std::string func = std::to_string(funcionario());
                         b.consultar("SELECT NOME, CARGA_HORARIA_SAB, CARGA_HORARIA_DOM, CARGA_HORARIA_DIA FROM "
                                     "FUNCIONARIO WHERE ID_FUNCIONARIO = " + func);
                         b.consultar("SELECT * FROM PONTO WHERE ID_FUNCIONARIO = '" + func + "' AND DATA >= " +
                                     data(o.de) + " AND DATA <= " + data(o.ate) + " ORDER BY ID_PONTO");
                     }});
    }

    // The counter sales: both lists open on show, newest first, with the
    // product and employee names; the raw client reads the first batch of
    // each (the rows the grids show).
    r.push_back({"despesas avulsas: as duas listas (finance/UnitDespesasAvulsas)",
                 [] { abrirTela<TFrmDespesasAvulsas>(); },
                 [c](Bruto &b) {
                     const DespesasAvulsas::Consulta i = DespesasAvulsas::consultaIndividual(false, c.hoje);
                     const DespesasAvulsas::Consulta v = DespesasAvulsas::consultaVarias();
                     b.consultar(comLiterais(i.sql, i.valores), 200);
                     b.consultar(comLiterais(v.sql, v.valores), 200);
                 }});
    r.push_back({"despesa avulsa de dois itens (finance/DespesasAvulsas)",
                 [c] {
                     desfazendo([&] {
                         DespesasAvulsas::Item a;
                         a.produto = c.produto;
                         a.qtd = 2;
                         a.valorUnit = Dinheiro::deCentavos(300);
                         DespesasAvulsas::Item d = a;
                         d.qtd = 1;
                         DespesasAvulsas::Pagamento p;
                         p.meios[0] = Dinheiro::deCentavos(900);
                         const DespesasAvulsas::Gravacao g =
                             DespesasAvulsas::gravarVarias(DM->Conexao, {a, d}, Dinheiro::deCentavos(900), p);
                         if (g.recusa)
                             std::cerr << "despesa recusada: " << g.recusa->mensagem.toStdString() << "\n";
                     });
                 },
                 [c, hoje](Bruto &b) {
                     const std::string p = std::to_string(c.produto);
                     b.executarDesfazendo(
                         "EXECUTE BLOCK AS DECLARE ID INTEGER; BEGIN "
                         "INSERT INTO V_DESPESA_AVULSA (USUARIO, DATA, HORA, DINHEIRO) VALUES ('ADMIN', " + hoje +
                         ", '10:00', 9) RETURNING ID_V_DESPESA_AVULSA INTO :ID; "
                         "UPDATE PRODUTOS_SERVICOS SET ESTOQUE = ESTOQUE - 2 WHERE ID_P_S = " + p + "; "
                         "INSERT INTO V_I_DESPESA_AVULSA (ID_V_DESPESA_AVULSA, ID_P_S, QTD, VALOR_UNIT) VALUES (:ID, " + p +
                         ", 2, 3); "
                         "UPDATE PRODUTOS_SERVICOS SET ESTOQUE = ESTOQUE - 1 WHERE ID_P_S = " + p + "; "
                         "INSERT INTO V_I_DESPESA_AVULSA (ID_V_DESPESA_AVULSA, ID_P_S, QTD, VALOR_UNIT) VALUES (:ID, " + p +
                         ", 1, 3); "
                         "INSERT INTO LOG (USUARIO, OPERACAO, DATA, HORA) VALUES ('ADMIN', 'A', " + hoje + ", '10:00'); "
                         "INSERT INTO LOG (USUARIO, OPERACAO, DATA, HORA) VALUES ('ADMIN', 'B', " + hoje + ", '10:00'); "
                         "UPDATE CAIXA SET ATUAL = ATUAL + 9 WHERE DATA_FECHA IS NULL; END");
                 },
                 true});

    // The monthly payroll of next month for every live employee (rolled
    // back), against the raw client inserting the same rows in one
    // transaction; and the payroll sheet of last month against one raw
    // aggregate query.
    {
        const QDate proximo = c.hoje.addMonths(1);
        const int mes = proximo.month(), ano = proximo.year();
        auto insercoes = std::make_shared<std::vector<std::string>>();
        // (the table's names are listed again without a database)
        const QDate venc = DM ? FolhaPagamento::vencimento(int(DM->Conexao.valor(QStringLiteral(
                                                               "SELECT DATAFOLHAPAG FROM PARAMETROS")).toLongLong()),
                                                           mes, ano)
                              : QDate();
        if (DM)
        for (const ::Linha &f : DM->Conexao.lerTodas(QStringLiteral(
                 "SELECT ID_FUNCIONARIO, SALARIO_BASE, INSS FROM FUNCIONARIO WHERE ID_FUNCIONARIO NOT IN "
                 "(SELECT ID_FUNCIONARIO FROM ANULACAO) ORDER BY NOME, ID_FUNCIONARIO"))) {
            const std::string chave = std::to_string(f.inteiro(QStringLiteral("ID_FUNCIONARIO")));
            const Dinheiro sal = f.dinheiro(QStringLiteral("SALARIO_BASE"));
            const Dinheiro inss = FolhaPagamento::contribuicao(sal, f.dinheiro(QStringLiteral("INSS")));
            const std::string ins = "INSERT INTO FUNCIONARIO_PAGAMENTO (ID_FUNCIONARIO_PAGAMENTO, DATA_VENC, TIPO, "
                                    "DESCRICAO, VALOR) VALUES (" + chave + ", " + data(venc) + ", ";
            insercoes->push_back(ins + "'+', 'SALARIO CONTRATUAL', " + sal.sql().toStdString() + ")");
            if (!inss.zero())
                insercoes->push_back(ins + "'-', 'I.N.S.S.', " + inss.sql().toStdString() + ")");
        }
        r.push_back({"folha: gerar o mês de todos os funcionários (staff/FolhaPagamento)",
                     [mes, ano] {
                         desfazendo([&] {
                             const FolhaPagamento::Geracao g = FolhaPagamento::gerar(DM->Conexao, mes, ano);
                             if (g.situacao != FolhaPagamento::Geracao::Situacao::Gerada)
                                 std::cerr << "folha não gerada: " << g.mensagem.toStdString() << "\n";
                         });
                     },
                     [insercoes](Bruto &b) { b.executarTodosDesfazendo(*insercoes); }, true});
        const QDate anterior = c.hoje.addMonths(-1);
        const QDate de(anterior.year(), anterior.month(), 1);
        const std::string sqlFolha =
            "SELECT F.ID_FUNCIONARIO, F.NOME, "
            "SUM(CASE WHEN P.TIPO = '+' AND P.DESCRICAO IN ('SALARIO CONTRATUAL', 'FOLHA DE PAGAMENTO MENSAL') "
            "THEN P.VALOR ELSE 0 END), "
            "SUM(CASE WHEN P.TIPO = '+' AND P.DESCRICAO NOT IN ('SALARIO CONTRATUAL', 'FOLHA DE PAGAMENTO MENSAL') "
            "THEN P.VALOR ELSE 0 END), "
            "SUM(CASE WHEN P.TIPO = '-' AND P.DESCRICAO NOT IN ('I.N.S.S.', 'DESCONTO MENSAL INSS') "
            "THEN P.VALOR ELSE 0 END), "
            "SUM(CASE WHEN P.TIPO = '-' AND P.DESCRICAO IN ('I.N.S.S.', 'DESCONTO MENSAL INSS') "
            "THEN P.VALOR ELSE 0 END) "
            "FROM FUNCIONARIO F LEFT JOIN FUNCIONARIO_PAGAMENTO P ON P.ID_FUNCIONARIO_PAGAMENTO = F.ID_FUNCIONARIO "
            "AND P.EXCLUIDO = 'N' AND P.DATA_VENC BETWEEN " + data(de) + " AND " + data(de.addMonths(1).addDays(-1)) +
            " WHERE F.ID_FUNCIONARIO NOT IN (SELECT ID_FUNCIONARIO FROM ANULACAO) "
            "GROUP BY F.NOME, F.ID_FUNCIONARIO ORDER BY F.NOME, F.ID_FUNCIONARIO";
        r.push_back({"folha de pagamento do mês (staff/FolhaPagamento, modelo e páginas)",
                     [de] {
                         const Relatorio rel = FolhaPagamento::relatorioFolha(DM->Conexao, de.month(), de.year());
                         if (rel.paginas().isEmpty())
                             std::cerr << "folha vazia\n";
                     },
                     [sqlFolha](Bruto &b) { b.consultar(sqlFolha); }});
    }

    r.push_back({"caixa: lista de turnos (finance/UnitCaixa)", [] { abrirTela<TFrmCaixa>(); },
                 [](Bruto &b) { b.consultar("SELECT * FROM CAIXA ORDER BY ID_CAIXA"); }});

    r.push_back({"entrada (stays/Entrada: verificar + incluir)",
                 [c] {
                     desfazendo([&] {
                         const Entrada::Dados d = dadosEntrada(c);
                         const Entrada::Verificacao v =
                             Entrada::verificar(DM->Conexao, d, Entrada::Regras::atuais(), Relogio::agora(), [](const QString &) { return true; });
                         if (!v.ok()) {
                             std::cerr << "entrada recusada: " << (v.recusa ? v.recusa->mensagem.toStdString() : "") << "\n";
                             return;
                         }
                         const Entrada::Gravacao g = Entrada::incluir(DM->Conexao, d, Sessao::atual().login, c.hoje);
                         if (g.recusa)
                             std::cerr << "entrada recusada: " << g.recusa->mensagem.toStdString() << "\n";
                     });
                 },
                 [c, hoje](Bruto &b) {
                     const std::string uh = std::to_string(c.uhLivre), cli = std::to_string(c.cliente);
                     b.executarDesfazendo(
                         "EXECUTE BLOCK AS DECLARE ID INTEGER; BEGIN "
                         "UPDATE UH SET SITUACAO = 'O' WHERE ID_UH = " + uh + " AND SITUACAO IN ('L', 'R'); "
                         "INSERT INTO WALK_IN (DATA_ENTRADA, HORA_ENTRADA, DATA_SAIDA, HORA_SAIDA, ID_CLIENTE, ID_UH, "
                         "QTD_ADULTOS, VALOR_DIARIA, BAIXA, USUARIO_ENTRADA) VALUES (" + hoje + ", '14:00', " +
                         data(c.hoje.addDays(2)) + ", '12:00', " + cli + ", " + uh +
                         ", 2, 200, 'N', 'ADMIN') RETURNING ID_WALK_IN INTO :ID; "
                         "INSERT INTO HOSPEDE (ID_ENTRADA, NOME) VALUES (:ID, 'A'); "
                         "INSERT INTO HOSPEDE (ID_ENTRADA, NOME) VALUES (:ID, 'B'); "
                         "INSERT INTO VEICULO (ID_ENTRADA, MODELO, PLACA) VALUES (:ID, 'GOL', 'ABC1D23'); "
                         "INSERT INTO OCUPACAO (ID_ENTRADA, DATA, VALOR, QTD) VALUES (:ID, " + hoje + ", 200, 2); "
                         "INSERT INTO LOG (USUARIO, OPERACAO, DATA, HORA) VALUES ('ADMIN', 'A', " + hoje + ", '14:00'); "
                         "INSERT INTO LOG (USUARIO, OPERACAO, DATA, HORA) VALUES ('ADMIN', 'B', " + hoje + ", '14:00'); "
                         "INSERT INTO LOG (USUARIO, OPERACAO, DATA, HORA) VALUES ('ADMIN', 'C', " + hoje + ", '14:00'); "
                         "END");
                 },
                 true});

    r.push_back({"consumo (stays/Consumo::incluir)",
                 [c] {
                     desfazendo([&] {
                         Consumo::LinhaNova l;
                         l.produto = c.produto;
                         l.descricao = c.descricaoProduto;
                         l.qtd = QStringLiteral("2");
                         l.valorUnit = QStringLiteral("7,50");
                         l.data = c.hoje;
                         const Consumo::Inclusao i = Consumo::incluir(DM->Conexao, c.estadiaAberta, c.numeroAberta, l);
                         if (i.recusa)
                             std::cerr << "consumo recusado: " << i.recusa->mensagem.toStdString() << "\n";
                     });
                 },
                 [c, hoje](Bruto &b) {
                     b.executarDesfazendo(
                         "EXECUTE BLOCK AS BEGIN "
                         "UPDATE PRODUTOS_SERVICOS SET ESTOQUE = ESTOQUE - 2 WHERE ID_P_S = " + std::to_string(c.produto) +
                         "; INSERT INTO DESPESA_UH (ID_ENTRADA, ID_P_S, QTD, VALOR_UNIT, USUARIO, DATA, HORA) VALUES (" +
                         std::to_string(c.estadiaAberta) + ", " + std::to_string(c.produto) + ", 2, 7.5, 'ADMIN', " + hoje +
                         ", '10:00'); INSERT INTO LOG (USUARIO, OPERACAO, DATA, HORA) VALUES ('ADMIN', 'A', " + hoje +
                         ", '10:00'); END");
                 },
                 true});

    r.push_back({"saída em dois meios (stays/Saida::confirmar)",
                 [c] {
                     desfazendo([&] {
                         const QDateTime agora = Relogio::agora();
                         Saida::Fechamento f;
                         f.idEntrada = c.estadiaAberta;
                         f.restante = Saida::calcular(DM->Conexao, c.estadiaAberta, agora).restante;
                         const Dinheiro metade = Dinheiro::deCentavos(f.restante.centavos() / 2);
                         f.pagamento.valores[MeioCaixa::CreditoVisa] = metade;
                         f.pagamento.valores[MeioCaixa::Dinheiro] = f.restante - metade;
                         f.saida = agora;
                         f.cliente = QStringLiteral("CLIENTE");
                         f.uh = c.numeroAberta;
                         f.usuario = Sessao::atual().login;
                         const Saida::Resultado r = Saida::confirmar(DM->Conexao, f);
                         if (!r.fechada())
                             std::cerr << "saída recusada: " << r.mensagem.toStdString() << "\n";
                     });
                 },
                 [c, hoje](Bruto &b) {
                     const std::string id = std::to_string(c.estadiaAberta);
                     b.executarDesfazendo(
                         "EXECUTE BLOCK AS DECLARE T NUMERIC(15,2); BEGIN "
                         "SELECT (SELECT COALESCE(SUM(VALOR), 0) FROM OCUPACAO WHERE ID_ENTRADA = " + id + ") + "
                         "(SELECT COALESCE(SUM(QTD * VALOR_UNIT * (100 + TAXA) / 100), 0) FROM DESPESA_UH WHERE "
                         "ID_ENTRADA = " + id + ") - ADIANTADO FROM WALK_IN WHERE ID_WALK_IN = " + id + " INTO :T; "
                         "UPDATE WALK_IN SET BAIXA = 'S', DATA_SAIDA = " + hoje + ", HORA_SAIDA = '10:00', DINHEIRO = "
                         "DINHEIRO + :T / 2, VISA = VISA + :T / 2, USUARIO = 'ADMIN' WHERE ID_WALK_IN = " + id +
                         " AND BAIXA = 'N'; UPDATE CAIXA SET ATUAL = ATUAL + :T / 2, ATUAL_CARTAO = ATUAL_CARTAO + :T / 2 "
                         "WHERE DATA_FECHA IS NULL; UPDATE HOSPEDE SET BAIXA = 'S' WHERE ID_ENTRADA = " + id +
                         "; UPDATE VEICULO SET BAIXA = 'S' WHERE ID_ENTRADA = " + id +
                         "; UPDATE DESPESA_UH SET PAGO = 'S' WHERE ID_ENTRADA = " + id + " AND PAGO = 'N'; "
                         "UPDATE UH SET SITUACAO = 'M' WHERE ID_UH = (SELECT ID_UH FROM WALK_IN WHERE ID_WALK_IN = " + id +
                         "); INSERT INTO LOG (USUARIO, OPERACAO, DATA, HORA) VALUES ('ADMIN', 'S', " + hoje +
                         ", '10:00'); END");
                 },
                 true});

    r.push_back({"postagem das diárias das estadias abertas (core/Diarias)",
                 [c] {
                     desfazendo([&] {
                         const Diarias::Postagem p = Diarias::lancar(DM->Conexao, c.hoje);
                         if (!p.registrada || p.noites == 0)
                             std::cerr << "postagem sem noites\n";
                     });
                 },
                 [hoje, c](Bruto &b) {
                     b.executarDesfazendo("EXECUTE BLOCK AS BEGIN INSERT INTO ATUALIZACAO (DATA) VALUES (" + hoje +
                                          "); INSERT INTO OCUPACAO (ID_ENTRADA, DATA, VALOR, QTD) SELECT ID_WALK_IN, " +
                                          data(c.hoje.addDays(-1)) +
                                          ", VALOR_DIARIA, QTD_ADULTOS FROM WALK_IN WHERE BAIXA = 'N' AND EXCLUIDO = 'N' "
                                          "AND DATA_ENTRADA < " + data(c.hoje.addDays(-1)) + "; END");
                 },
                 true});
    // "Extrato de UH" of the last month: the stays closed in it and the open
    // ones with their nights and consumption, the advances and the counter
    // sales, built into the report and paged. The raw client reads the stays
    // with their lines in one statement.
    r.push_back({"extrato de UH de um mês (stays/ExtratoUH)",
                 [c] {
                     const Relatorio rel = ExtratoUH::relatorio(ExtratoUH::ler(DM->Conexao, c.hoje.addDays(-30), c.hoje));
                     if (rel.paginas().size() < 2)
                         std::cerr << "extrato de UH sem páginas\n";
                 },
                 [c, hoje](Bruto &b) {
                     const std::string estadias =
                         "(SELECT W.ID_WALK_IN FROM WALK_IN W WHERE W.DATA_SAIDA >= " + data(c.hoje.addDays(-30)) +
                         " AND W.DATA_SAIDA <= " + hoje + " AND W.BAIXA <> 'N' AND W.EXCLUIDO = 'N' UNION ALL "
                         "SELECT W.ID_WALK_IN FROM WALK_IN W WHERE W.BAIXA = 'N' AND W.EXCLUIDO = 'N') S "
                         "JOIN WALK_IN W ON W.ID_WALK_IN = S.ID_WALK_IN LEFT JOIN UH U ON U.ID_UH = W.ID_UH "
                         "LEFT JOIN CLIENTE C ON C.ID_CLIENTE = W.ID_CLIENTE ";
                     const std::string cols = "W.ID_WALK_IN, U.NUMERO, C.NOME, W.DATA_ENTRADA, W.HORA_ENTRADA, "
                                              "W.DATA_SAIDA, W.HORA_SAIDA, W.QTD_ADULTOS, W.OBS, W.BAIXA, W.USUARIO, "
                                              "W.DINHEIRO, W.VISA, W.DEBVISA, W.MASTER, W.DEBMASTER, W.HIPER, "
                                              "W.CHEQUE, W.NOTA, ";
                     b.consultar("SELECT " + cols + "O.DATA, 1, O.VALOR, 0, O.QTD FROM " + estadias +
                                 "JOIN OCUPACAO O ON O.ID_ENTRADA = W.ID_WALK_IN UNION ALL SELECT " + cols +
                                 "D.DATA, D.QTD, D.VALOR_UNIT, D.TAXA, D.ID_P_S FROM " + estadias +
                                 "JOIN DESPESA_UH D ON D.ID_ENTRADA = W.ID_WALK_IN ORDER BY 2, 1");
                 }});

    // The occupancy chart of the year: read, drawn on the screen (its log
    // line rolled back).
    r.push_back({"gráfico de ocupação anual (rooms/UnitGrafOcupacao)",
                 [] {
                     desfazendo([] {
                         abrirTela<TFrmGrafOcupacao>({}, [](TFrmGrafOcupacao &t) {
                             t.rbAnual->click();
                             t.btnVisualizarClick();
                         });
                     });
                 },
                 [c](Bruto &b) {
                     b.consultar("SELECT EXTRACT(MONTH FROM O.DATA), COUNT(O.ID_ENTRADA) FROM OCUPACAO O JOIN WALK_IN W "
                                 "ON W.ID_WALK_IN = O.ID_ENTRADA WHERE O.DATA >= " + data(QDate(c.hoje.year(), 1, 1)) +
                                 " AND O.DATA <= " + data(QDate(c.hoje.year(), 12, 31)) +
                                 " AND W.EXCLUIDO = 'N' GROUP BY 1");
                 }});
    r.push_back({"gráfico de ocupação mensal (rooms/GrafOcupacao)",
                 [c] {
                     const GrafOcupacao::Grafico g = GrafOcupacao::ler(DM->Conexao, GrafOcupacao::Periodo::Mensal,
                                                                       GrafOcupacao::Tipo::Leitos, c.hoje.month(),
                                                                       c.hoje.year());
                     if (g.entradas.size() != GrafOcupacao::kEntradas)
                         std::cerr << "gráfico sem entradas\n";
                 },
                 [c](Bruto &b) {
                     const QDate ini(c.hoje.year(), c.hoje.month(), 1);
                     b.consultar("SELECT O.DATA, SUM(O.QTD) FROM OCUPACAO O JOIN WALK_IN W ON W.ID_WALK_IN = "
                                 "O.ID_ENTRADA WHERE O.DATA >= " + data(ini) + " AND O.DATA <= " +
                                 data(ini.addMonths(1).addDays(-1)) + " AND W.EXCLUIDO = 'N' GROUP BY O.DATA "
                                 "ORDER BY O.DATA");
                 }});

    // The restaurant board's refresh (every 30 s, and after every order):
    // its cards and its kitchen queue re-read and shown.
    r.push_back({"quadro de mesas: atualização (restaurant/UnitMesas)",
                 [] {
                     if (!g_mesas) {
                         g_mesas = std::make_unique<TFrmMesas>();
                         g_mesas->show();
                         QCoreApplication::processEvents();
                     }
                     g_mesas->atualizar();
                     if (g_mesas->cvMesas->count() != 300)
                         std::cerr << "quadro com " << g_mesas->cvMesas->count() << " mesas\n";
                 },
                 [](Bruto &b) {
                     b.consultar(Mesas::kSqlMesas.toStdString());
                     b.consultar(Mesas::kSqlFila.toStdString());
                 }});
    r.push_back({"quadro de mesas: abrir (restaurant/UnitMesas)", [] { abrirTela<TFrmMesas>(); },
                 [](Bruto &b) {
                     b.consultar(Mesas::kSqlMesas.toStdString());
                     b.consultar(Mesas::kSqlFila.toStdString());
                 }});
    // The movement history of the stock items (100.000 rows with their
    // items' descriptions, by date): the first batch the grid shows.
    r.push_back({"histórico de movimentação de itens (restaurant/UnitHistoricoMov)",
                 [] { abrirTela<TFrmHistoricoMov>(); },
                 [](Bruto &b) { b.consultar(Itens::sqlHistorico().toStdString(), 200); }});
    // The invoices: the stays marked for one (10.000, each with the sum of
    // its nights) and the hand-typed ones; the screen stands on the last row,
    // so every row is read.
    r.push_back({"notas fiscais: lista (restaurant/UnitNotasFiscais)", [] { abrirTela<TFrmNotasFiscais>(); },
                 [](Bruto &b) { b.consultar(NotasFiscais::sqlLista().toStdString()); }});
    // One weighing on the Toledo scale at the far end of a pseudo-terminal,
    // against the bare round trip of a request and its answer on that line.
    r.push_back({"balança: uma leitura (platform/Balanca; bruto: ida e volta no pty)",
                 [] {
                     EscalaPty &e = escalaPty();
                     if (!e.escala.pronta()) {
                         std::cerr << "sem socat: " << e.escala.motivo().toStdString() << "\n";
                         return;
                     }
                     if (Balanca::ler(e.escala.porta()) != 456)
                         std::cerr << "leitura errada da balança\n";
                 },
                 [](Bruto &) {
                     EscalaPty &e = escalaPty();
                     if (e.fd >= 0)
                         e.idaEVolta();
                 }});

    // The main window's one-second timer on an ordinary desk, logged in,
    // after the server has posted the day (its ordinary tick).
    r.push_back({"tick de 1 s da janela principal (core/UnitQuintara)",
                 [] {
                     if (!g_janela) {
                         g_janela = std::make_unique<TFrmQuintara>();
                         Telas::interceptar<TFrmAcesso>([](TFrmAcesso *) { return int(QDialog::Accepted); });
                         g_janela->iniciarSessao();
                         QCoreApplication::processEvents();
                     }
                     g_janela->Timer1Timer();
                 },
                 [hoje](Bruto &b) {
                     b.consultar("SELECT (SELECT COUNT(*) FROM ATUALIZACAO WHERE DATA = " + hoje +
                                 "), (SELECT COUNT(*) FROM CHAT WHERE LIDA = 'N' AND ID_USUARIO_RECEB = 'ADMIN'), "
                                 "(SELECT COUNT(*) FROM LEMBRETE WHERE CONCLUIDO = 'N' AND DATA <= " + hoje +
                                 ") FROM RDB$DATABASE");
                 }});

    // The owner's view of a year: the financial movement calculated on its
    // screen, the guests ranking and the annual entries chart.
    const QDate anoAtras = c.hoje.addYears(-1).addDays(1);
    const MovimentoFinanceiro::Periodo ano{QDateTime(anoAtras, QTime(0, 0)), QDateTime(c.hoje, QTime(23, 59, 59))};
    r.push_back({"movimento financeiro de um ano (finance/UnitMovimentoFinanceiro)",
                 [ano] {
                     abrirTela<TFrmMovimentoFinanceiro>({}, [ano](TFrmMovimentoFinanceiro &t) {
                         t.edtData1->setDate(ano.de.date());
                         t.edtData2->setDate(ano.ate.date());
                         t.btnCalcularClick();
                         if (t.entradas().isEmpty())
                             std::cerr << "movimento vazio\n";
                     });
                 },
                 [ano](Bruto &b) {
                     b.consultar(comLiterais(MovimentoFinanceiro::sqlEntradas(), MovimentoFinanceiro::valoresEntradas(ano)));
                     b.consultar(comLiterais(MovimentoFinanceiro::sqlSaidas(), MovimentoFinanceiro::valoresSaidas(ano)));
                 }});
    r.push_back({"melhores hóspedes de um ano (finance/OsMaisMais)",
                 [ano] {
                     const auto l = OsMaisMais::ranking(DM->Conexao, OsMaisMais::Opcao::Hospedes, ano.de.date(), ano.ate.date());
                     const Relatorio rel = OsMaisMais::relatorioRanking(OsMaisMais::Opcao::Hospedes, l, ano.de.date(),
                                                                        ano.ate.date(), true);
                     if (rel.vazio())
                         std::cerr << "ranking vazio\n";
                 },
                 [ano](Bruto &b) {
                     b.consultar(comLiterais(OsMaisMais::sqlRanking(OsMaisMais::Opcao::Hospedes),
                                             OsMaisMais::valoresRanking(OsMaisMais::Opcao::Hospedes, ano.de.date(),
                                                                        ano.ate.date())));
                 }});
    r.push_back({"gráfico anual de entradas (finance/UnitGrafFinanceiro)",
                 [c] {
                     abrirTela<TFrmGrafFinanceiro>({}, [c](TFrmGrafFinanceiro &t) {
                         t.edtAno->setValue(c.hoje.year());
                         t.rbAnual->setChecked(true);
                         t.btnVisualizarClick();
                     });
                 },
                 [c](Bruto &b) {
                     b.consultar(comLiterais(GrafFinanceiro::sqlAnual(GrafFinanceiro::Tipo::Entradas),
                                             {QDate(c.hoje.year(), 1, 1), QDate(c.hoje.year(), 12, 31)}));
                 }});
    return r;
}

int uso()
{
    std::cerr << "uso: bench_escala [--hoje AAAA-MM-DD] [--vezes N] [--comparar BANCO_PEQUENO] [BANCO]\n";
    return 2;
}

std::map<std::string, Resultado> rodar(const QString &caminho, const QDate &hoje, int vezes, bool comBruto,
                                       const std::vector<std::string> &ordem = {})
{
    std::map<std::string, Resultado> r;
    TDM dm;
    DM = &dm;
    dm.Conexao.definirCaminho(caminho);
    dm.Conexao.conectar();
    Relogio::definir(QDateTime(hoje, QTime(10, 0)));
    Sessao::reiniciar();
    Sessao &s = Sessao::atual();
    s.login = QStringLiteral("ADMIN");
    s.idUsuario = 1;
    s.AuxNomePC = QStringLiteral("RECEPCAO");
    s.AuxTipoPC = QStringLiteral("NORMA");
    s.direitos = {true, true, true, true, true, true, true, true, true, true};
    // The clerk of the open shift, as on the desk that opened it.
    const QString turno = dm.Conexao.ler(QStringLiteral("SELECT USUARIO FROM CAIXA WHERE DATA_FECHA IS NULL"))
                              .texto(QStringLiteral("USUARIO"));
    if (!turno.isEmpty())
        s.login = turno;
    tParametros().recarregar();
    const Contexto c = lerContexto(hoje);
    std::unique_ptr<Bruto> bruto;
    if (comBruto)
        bruto = std::make_unique<Bruto>(caminho);
    const bool mostrarSql = qEnvironmentVariableIntValue("ZV_BENCH_SQL") != 0;
    for (const LinhaTabela &l : linhas(c)) {
        if (!ordem.empty() && std::find(ordem.begin(), ordem.end(), l.nome) == ordem.end())
            continue;
        const QByteArray so = qgetenv("ZV_BENCH_LINHA");
        if (!so.isEmpty() && l.nome.find(so.toStdString()) == std::string::npos)
            continue;
        if (mostrarSql)
            std::printf("  %s\n", l.nome.c_str());
        Resultado &x = r[l.nome];
        x.sistema = medir(vezes, {}, l.sistema, {}, mostrarSql);
        if (bruto)
            x.bruto = medir(vezes, {}, [&] { l.bruto(*bruto); }, {});
        std::fflush(stdout);
    }
    bruto.reset();
    g_janela.reset();
    g_mesas.reset();
    Telas::liberarTodas();
    tParametros().definir(::Linha());
    dm.Conexao.desconectar();
    DM = nullptr;
    return r;
}

} // namespace

void semAvisosDoPlugin(QtMsgType tipo, const QMessageLogContext &, const QString &m)
{
    if (m.contains(QLatin1String("propagateSizeHints")) || tipo == QtDebugMsg)
        return;
    std::fprintf(stderr, "%s\n", m.toLocal8Bit().constData());
}

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler(semAvisosDoPlugin);
    QApplication app(argc, argv);
    QString caminho = qEnvironmentVariable("ZV_BANCO_GRANDE");
    if (caminho.isEmpty())
        caminho = QStringLiteral(ZV_BANCO_GRANDE_PADRAO);
    QString pequeno;
    QDate hoje(2026, 12, 10);
    int vezes = 5;
    const QStringList a = app.arguments();
    for (int i = 1; i < a.size(); ++i) {
        if (a[i] == QLatin1String("--hoje") && i + 1 < a.size())
            hoje = QDate::fromString(a[++i], Qt::ISODate);
        else if (a[i] == QLatin1String("--vezes") && i + 1 < a.size())
            vezes = std::max(1, a[++i].toInt());
        else if (a[i] == QLatin1String("--comparar") && i + 1 < a.size())
            pequeno = a[++i];
        else if (!a[i].startsWith(QLatin1Char('-')))
            caminho = a[i];
        else
            return uso();
    }
    if (!hoje.isValid())
        return uso();
    if (!QFile::exists(caminho)) {
        std::cerr << "banco não encontrado: " << caminho.toStdString() << " (rode scripts/gerar-banco-grande)\n";
        return 1;
    }
    // Nobody answers here: a message box or a screen nobody expected is
    // reported and refused instead of waiting.
    Mensagem::definirManipulador([](const Mensagem::Pedido &p) {
        std::cerr << "mensagem mostrada: " << p.texto.toStdString() << "\n";
        return p.padrao;
    });
    Telas::definirSemInterceptador([](const char *tipo) { std::cerr << "tela inesperada: " << tipo << "\n"; });
    auto medidas = rodar(caminho, hoje, vezes, true);
    std::map<std::string, Resultado> pequenas;
    if (!pequeno.isEmpty())
        pequenas = rodar(pequeno, hoje, std::min(vezes, 3), false);

    std::printf("\n%-58s %10s %10s %7s %9s", "tela / operação", "ms", "bruto ms", "razão", "comandos");
    if (!pequeno.isEmpty())
        std::printf(" %10s %16s", "ms (peq.)", "comandos (peq.)");
    std::printf("\n");
    Contexto nada;
    for (const LinhaTabela &l : linhas(nada)) {
        const auto it = medidas.find(l.nome);
        if (it == medidas.end())
            continue;
        const Resultado &x = it->second;
        std::printf("%-58s %10.1f %10.1f %7.1f %9ld", l.nome.c_str(), x.sistema.ms, x.bruto.ms,
                    x.bruto.ms > 0 ? x.sistema.ms / x.bruto.ms : 0.0, x.sistema.comandos);
        if (!pequeno.isEmpty()) {
            const auto p = pequenas.find(l.nome);
            std::printf(" %10.1f %16ld", p == pequenas.end() ? -1.0 : p->second.sistema.ms,
                        p == pequenas.end() ? -1L : p->second.sistema.comandos);
        }
        std::printf("%s\n", x.sistema.ms > 100 ? "  acima de 100 ms" : "");
    }
    return 0;
}
