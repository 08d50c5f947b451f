#include "base/UnitDM.h"
#include "base/Caminhos.h"

#include <QAtomicInt>
#include <QSqlError>
#include <QSqlField>
#include <QSqlQuery>

TDM *DM = nullptr;

bool ErroBanco::conflito() const
{
    const QString t = texto().toLower();
    return m_codigo == QLatin1String("-913") || t.contains(QLatin1String("update conflicts with concurrent update"))
        || t.contains(QLatin1String("deadlock"));
}

namespace {

bool conexaoPerdida(const QSqlError &e)
{
    const QString t = e.databaseText().toLower() + QLatin1Char(' ') + e.driverText().toLower();
    return t.contains(QLatin1String("connection lost")) || t.contains(QLatin1String("connection shutdown"))
        || t.contains(QLatin1String("error writing data to the connection"))
        || t.contains(QLatin1String("error reading data from the connection"))
        || t.contains(QLatin1String("connection rejected"));
}

QString mensagemDe(const QSqlError &e)
{
    QString texto = e.databaseText().trimmed();
    if (texto.isEmpty())
        texto = e.driverText().trimmed();
    if (texto.isEmpty())
        texto = e.text().trimmed();
    return texto;
}

} // namespace

// ---------------------------------------------------------------- Linha

Linha::Linha(const QSqlRecord &r)
    : m_registro(r)
    , m_existe(true)
{
    // Fixed-length text (SQL_TEXT) comes back padded to the column's byte
    // length, so a CHAR(1) flag "S" reads "S   " in UTF-8. Blanks at the end
    // of a CHAR value are padding by definition.
    constexpr int kSqlText = 452;
    for (int i = 0; i < m_registro.count(); ++i) {
        QT_WARNING_PUSH
        QT_WARNING_DISABLE_DEPRECATED
        const int tipo = m_registro.field(i).typeID();
        QT_WARNING_POP
        const QVariant v = m_registro.value(i);
        if ((tipo & ~1) == kSqlText && v.typeId() == QMetaType::QString) { // low bit: nullable
            QString t = v.toString();
            qsizetype n = t.size();
            while (n > 0 && t.at(n - 1) == QLatin1Char(' '))
                --n;
            t.truncate(n);
            m_registro.setValue(i, t);
        }
    }
}

QVariant Linha::valor(const QString &coluna) const
{
    if (!m_existe)
        return {};
    const int i = m_registro.indexOf(coluna);
    return i < 0 ? QVariant() : m_registro.value(i);
}

QVariant Linha::valor(int indice) const
{
    if (!m_existe || indice < 0 || indice >= m_registro.count())
        return {};
    return m_registro.value(indice);
}

bool Linha::nulo(const QString &coluna) const
{
    const QVariant v = valor(coluna);
    return !v.isValid() || v.isNull();
}

QString Linha::texto(const QString &coluna) const { return textoDeValor(valor(coluna)); }

QString textoDeValor(const QVariant &v)
{
    if (v.isNull())
        return {};
    switch (v.typeId()) {
    case QMetaType::QDate:
        return v.toDate().toString(QStringLiteral("dd/MM/yyyy"));
    case QMetaType::QTime:
        return v.toTime().toString(QStringLiteral("HH:mm:ss"));
    case QMetaType::QDateTime:
        return v.toDateTime().toString(QStringLiteral("dd/MM/yyyy HH:mm:ss"));
    default:
        return v.toString();
    }
}

qint64 Linha::inteiro(const QString &coluna) const
{
    const QVariant v = valor(coluna);
    if (v.isNull())
        return 0;
    bool ok = false;
    const qint64 n = v.toLongLong(&ok);
    if (ok)
        return n;
    // High-precision NUMERIC text such as "12.00"
    const auto d = Dinheiro::deSql(v.toString());
    return d ? d->centavos() / 100 : 0;
}

Dinheiro Linha::dinheiro(const QString &coluna) const { return Dinheiro::deVariant(valor(coluna)); }

QDate Linha::data(const QString &coluna) const
{
    const QVariant v = valor(coluna);
    if (v.typeId() == QMetaType::QDateTime)
        return v.toDateTime().date();
    return v.toDate();
}

QTime Linha::hora(const QString &coluna) const
{
    const QVariant v = valor(coluna);
    if (v.typeId() == QMetaType::QDateTime)
        return v.toDateTime().time();
    return v.toTime();
}

QDateTime Linha::momento(const QString &coluna) const { return valor(coluna).toDateTime(); }

// ---------------------------------------------------------------- ConexaoBanco

ConexaoBanco::ConexaoBanco(const QString &nomeConexao, const QString &caminhoPadrao)
    : m_caminho(caminhoPadrao)
{
    static QAtomicInt contador;
    m_nome = QStringLiteral("%1#%2").arg(nomeConexao).arg(contador.fetchAndAddRelaxed(1));
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QIBASE"), m_nome);
    db.setUserName(TDM::usuario());
    db.setPassword(TDM::senha());
    db.setConnectOptions(QStringLiteral("ISC_DPB_LC_CTYPE=UTF8"));
}

ConexaoBanco::~ConexaoBanco()
{
    {
        QSqlDatabase db = QSqlDatabase::database(m_nome, false);
        if (db.isOpen()) {
            if (m_profundidade > 0)
                db.rollback();
            db.close();
        }
    }
    QSqlDatabase::removeDatabase(m_nome);
}

void ConexaoBanco::definirCaminho(const QString &caminho)
{
    m_caminho = caminho;
}

QSqlDatabase ConexaoBanco::banco() const { return QSqlDatabase::database(m_nome, false); }

bool ConexaoBanco::conectada() const { return banco().isOpen(); }

void ConexaoBanco::conectar()
{
    QSqlDatabase db = banco();
    if (db.isOpen())
        db.close();
    m_profundidade = 0;
    db.setDatabaseName(m_caminho);
    if (!db.open())
        throw ErroBanco(mensagemDe(db.lastError()), db.lastError().nativeErrorCode());
}

void ConexaoBanco::garantirConectada()
{
    if (!conectada())
        conectar();
}

void ConexaoBanco::desconectar()
{
    QSqlDatabase db = banco();
    if (db.isOpen()) {
        if (m_profundidade > 0)
            db.rollback();
        db.close();
    }
    m_profundidade = 0;
}

void ConexaoBanco::falhar(const QSqlError &e, const QString &sql)
{
    Q_UNUSED(sql);
    if (conexaoPerdida(e)) {
        // The next statement connects again.
        QSqlDatabase db = banco();
        db.close();
        m_profundidade = 0;
        throw ErroBanco(QStringLiteral("A conexão com o banco de dados foi perdida.\n\n%1").arg(mensagemDe(e)),
                        e.nativeErrorCode());
    }
    throw ErroBanco(mensagemDe(e), e.nativeErrorCode());
}

void ConexaoBanco::iniciarTransacao()
{
    if (m_profundidade == 0) {
        garantirConectada();
        QSqlDatabase db = banco();
        if (!db.transaction())
            falhar(db.lastError(), QStringLiteral("START TRANSACTION"));
        m_desfeita = false;
    }
    ++m_profundidade;
}

void ConexaoBanco::confirmarTransacao()
{
    if (m_profundidade <= 0)
        return;
    if (--m_profundidade > 0)
        return;
    QSqlDatabase db = banco();
    if (m_desfeita) {
        // An inner part failed and rolled back: the operation cannot commit half.
        db.rollback();
        throw ErroBanco(QStringLiteral("A operação foi desfeita."));
    }
    if (!db.commit()) {
        const QSqlError e = db.lastError();
        db.rollback();
        falhar(e, QStringLiteral("COMMIT"));
    }
}

void ConexaoBanco::desfazerTransacao()
{
    if (m_profundidade <= 0)
        return;
    if (--m_profundidade > 0) {
        m_desfeita = true;
        return;
    }
    QSqlDatabase db = banco();
    if (db.isOpen())
        db.rollback();
}

QList<Linha> ConexaoBanco::rodar(const QString &sql, const std::function<void(QSqlQuery &)> &vincular,
                                 bool comLinhas, int *afetadas, bool soPrimeira, QSqlRecord *colunas)
{
    garantirConectada();
    const bool propria = m_profundidade == 0;
    if (propria)
        iniciarTransacao();
    QList<Linha> linhas;
    try {
        QSqlQuery q(banco());
        q.setNumericalPrecisionPolicy(QSql::HighPrecision);
        q.setForwardOnly(true);
        if (!q.prepare(sql))
            falhar(q.lastError(), sql);
        vincular(q);
        if (!q.exec())
            falhar(q.lastError(), sql);
        if (afetadas)
            *afetadas = q.numRowsAffected();
        if (colunas)
            *colunas = q.record();
        if (comLinhas && q.isSelect()) {
            while (q.next()) {
                linhas.append(Linha(q.record()));
                if (soPrimeira)
                    break;
            }
            if (q.lastError().isValid())
                falhar(q.lastError(), sql);
        }
        q.finish();
    } catch (...) {
        if (propria && m_profundidade > 0)
            desfazerTransacao();
        throw;
    }
    if (propria)
        confirmarTransacao();
    return linhas;
}

namespace {
std::function<void(QSqlQuery &)> posicionais(const Valores &v)
{
    return [&v](QSqlQuery &q) {
        for (const QVariant &x : v)
            q.addBindValue(x);
    };
}
std::function<void(QSqlQuery &)> nomeados(const ValoresNomeados &v)
{
    return [&v](QSqlQuery &q) {
        for (auto it = v.cbegin(); it != v.cend(); ++it)
            q.bindValue(QLatin1Char(':') + it.key(), it.value());
    };
}
} // namespace

int ConexaoBanco::executar(const QString &sql, const Valores &v)
{
    int n = 0;
    rodar(sql, posicionais(v), false, &n, false);
    return n;
}

int ConexaoBanco::executar(const QString &sql, const ValoresNomeados &v)
{
    int n = 0;
    rodar(sql, nomeados(v), false, &n, false);
    return n;
}

Linha ConexaoBanco::ler(const QString &sql, const Valores &v)
{
    const auto l = rodar(sql, posicionais(v), true, nullptr, true);
    return l.isEmpty() ? Linha() : l.first();
}

Linha ConexaoBanco::ler(const QString &sql, const ValoresNomeados &v)
{
    const auto l = rodar(sql, nomeados(v), true, nullptr, true);
    return l.isEmpty() ? Linha() : l.first();
}

QList<Linha> ConexaoBanco::lerTodas(const QString &sql, const Valores &v)
{
    return rodar(sql, posicionais(v), true, nullptr, false);
}

QList<Linha> ConexaoBanco::lerTodas(const QString &sql, const ValoresNomeados &v)
{
    return rodar(sql, nomeados(v), true, nullptr, false);
}

ConexaoBanco::Consulta ConexaoBanco::consultar(const QString &sql, const Valores &v)
{
    Consulta c;
    c.linhas = rodar(sql, posicionais(v), true, nullptr, false, &c.colunas);
    return c;
}

QVariant ConexaoBanco::valor(const QString &sql, const Valores &v)
{
    return ler(sql, v).valor(0);
}

qint64 ConexaoBanco::gerador(const QString &nomeGerador, int incremento)
{
    for (QChar c : nomeGerador)
        if (!(c.isLetterOrNumber() || c == u'_') || c.unicode() > 127)
            throw ErroBanco(QStringLiteral("Nome de gerador inválido: %1").arg(nomeGerador));
    return ler(QStringLiteral("SELECT GEN_ID(%1, %2) FROM RDB$DATABASE").arg(nomeGerador).arg(incremento))
        .valor(0)
        .toLongLong();
}

// ---------------------------------------------------------------- TDM

TDM::TDM(QObject *parent)
    : QObject(parent)
    , Conexao(QStringLiteral("Conexao"), Caminhos::mapearWindows(QStringLiteral("C:\\Quintara\\BANCO DE DADOS\\Quintara.FDB")))
    , ConexaoPDV(QStringLiteral("ConexaoPDV"), Caminhos::mapearWindows(QStringLiteral("C:\\Zentro\\Zentro PDV\\BD\\BANCO.FDB")))
    , ConexaoPDVFrente(QStringLiteral("ConexaoPDVFrente"), Caminhos::mapearWindows(QStringLiteral("C:\\Zentro\\Zentro PDV\\BD\\FRENTE.FDB")))
    , ConexaoZentroControle(QStringLiteral("ConexaoZentroControle"),
                            Caminhos::mapearWindows(QStringLiteral("C:\\Tevra\\BANCO DE DADOS\\Tevra.FDB")))
{
}

TDM::~TDM()
{
    if (DM == this)
        DM = nullptr;
}

QString TDM::usuario()
{
    const QByteArray u = qgetenv("ISC_USER");
    return u.isEmpty() ? QStringLiteral("SYSDBA") : QString::fromLocal8Bit(u);
}

QString TDM::senha()
{
    const QByteArray s = qgetenv("ISC_PASSWORD");
    return s.isEmpty() ? QStringLiteral("plovenrid") : QString::fromLocal8Bit(s);
}
