#include "base/UnitDM.h"
#include "base/Caminhos.h"

#include <QAtomicInt>
#include <QHash>
#include <QRandomGenerator>
#include <QSet>
#include <QSqlDriver>
#include <QSqlError>
#include <QSqlField>
#include <QThread>
#include <ibase.h>

#include <chrono>
#include <cstring>
#include <limits>
#include <optional>
#include <unordered_map>
#include <cmath>
#include <list>
#include <vector>

TDM *DM = nullptr;

bool ErroBanco::bloqueioExpirado() const
{
    return m_expirado
        || (texto() + QLatin1Char(' ') + detalhe()).contains(QLatin1String("lock time-out"), Qt::CaseInsensitive);
}

bool ErroBanco::conflito() const
{
    if (bloqueioExpirado())
        return false;
    const QString t = (texto() + QLatin1Char(' ') + detalhe()).toLower();
    // "cannot update erased record": another workstation deleted the row this
    // statement was changing; run again, the operation finds it gone.
    return m_codigo == QLatin1String("-913") || t.contains(QLatin1String("update conflicts with concurrent update"))
        || t.contains(QLatin1String("deadlock")) || t.contains(QLatin1String("erased record"));
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
        if ((tipo & ~1) == kSqlText && !v.isNull() && v.typeId() == QMetaType::QString) { // low bit: nullable
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

// ---------------------------------------------------------------- statements
//
// Statements run through the Firebird client directly on the attachment that
// Qt's driver opened: Qt's driver ties a prepared statement to the transaction
// it was prepared in, so it cannot be kept across operations, and it reads the
// column catalogue again for every row of a NUMERIC result. Values are read
// and bound exactly as the driver does (NUMERIC as its shortest decimal text,
// BLOBs as bytes, CHAR padded), so the rows look the same to every caller.

namespace {

constexpr unsigned short kDialeto = SQL_DIALECT_V6;

struct StatusFb {
    ISC_STATUS v[20] = {};
    bool erro() const { return v[0] == 1 && v[1] > 0; }
};

QString textoFb(const ISC_STATUS *status)
{
    QString msg;
    char buf[512];
    const ISC_STATUS *p = status;
    while (fb_interpret(buf, sizeof buf, &p)) {
        if (!msg.isEmpty())
            msg += QLatin1String(" - ");
        msg += QString::fromUtf8(buf);
    }
    return msg;
}

bool perdaFb(const ISC_STATUS *status)
{
    static const ISC_STATUS codigos[] = {isc_network_error, isc_net_read_err,   isc_net_write_err,
                                         isc_lost_db_connection, isc_conn_lost, isc_att_shutdown,
                                         isc_shutdown,      isc_bad_db_handle};
    for (int i = 0; i < 18 && status[i] != isc_arg_end;) {
        if (status[i] == isc_arg_gds) {
            for (ISC_STATUS c : codigos)
                if (status[i + 1] == c)
                    return true;
        }
        i += status[i] == isc_arg_cstring ? 3 : 2;
    }
    return false;
}

// The engine's error as an ErroBanco (engine text, SQL code), marked when the
// connection is gone.
ErroBanco erroFb(const StatusFb &st)
{
    const ISC_LONG codigo = isc_sqlcode(st.v);
    ErroBanco e(textoFb(st.v), codigo != -1 ? QString::number(codigo) : QString());
    if (perdaFb(st.v))
        e.marcarConexaoPerdida();
    return e;
}

void verificar(const StatusFb &st)
{
    if (st.erro())
        throw erroFb(st);
}

XSQLDA *novoDA(int n)
{
    auto *da = static_cast<XSQLDA *>(std::calloc(1, XSQLDA_LENGTH(qMax(1, n))));
    da->version = SQLDA_VERSION1;
    da->sqln = short(qMax(1, n));
    return da;
}

QMetaType::Type tipoQt(short sqltype, bool escala)
{
    switch (sqltype & ~1) {
    case SQL_VARYING:
    case SQL_TEXT:
        return QMetaType::QString;
    case SQL_LONG:
    case SQL_SHORT:
        return escala ? QMetaType::Double : QMetaType::Int;
    case SQL_INT64:
        return escala ? QMetaType::Double : QMetaType::LongLong;
    case SQL_FLOAT:
    case SQL_DOUBLE:
        return QMetaType::Double;
    case SQL_TIMESTAMP:
        return QMetaType::QDateTime;
    case SQL_TYPE_TIME:
        return QMetaType::QTime;
    case SQL_TYPE_DATE:
        return QMetaType::QDate;
    case SQL_ARRAY:
        return QMetaType::QVariantList;
    case SQL_BLOB:
        return QMetaType::QByteArray;
    case SQL_BOOLEAN:
        return QMetaType::Bool;
    default:
        return QMetaType::UnknownType;
    }
}

const QDate kDataBase(1858, 11, 17);

ISC_TIMESTAMP paraTimestamp(const QDateTime &dt)
{
    ISC_TIMESTAMP ts;
    ts.timestamp_time = ISC_TIME(QTime(0, 0).msecsTo(dt.time()) * 10);
    ts.timestamp_date = ISC_DATE(kDataBase.daysTo(dt.date()));
    return ts;
}

// A decimal text ("-12.345") as an integer scaled by 10^casas, rounded half
// away from zero; nullopt when it is not a plain decimal.
std::optional<qint64> decimalEscalado(const QString &texto, int casas)
{
    const QString t = texto.trimmed();
    if (t.isEmpty())
        return std::nullopt;
    int i = 0;
    bool negativo = false;
    if (t[0] == u'-' || t[0] == u'+') {
        negativo = t[0] == u'-';
        ++i;
    }
    qint64 n = 0;
    int depois = -1;
    bool digitos = false;
    bool arredondaCima = false;
    for (; i < t.size(); ++i) {
        const QChar c = t[i];
        if (c == u'.' && depois < 0) {
            depois = 0;
            continue;
        }
        if (!c.isDigit() || c.unicode() > 127)
            return std::nullopt;
        digitos = true;
        if (depois >= 0 && depois >= casas) {
            if (depois == casas)
                arredondaCima = c.unicode() >= u'5';
            ++depois;
            continue;
        }
        if (n > (std::numeric_limits<qint64>::max() - 9) / 10)
            return std::nullopt;
        n = n * 10 + (c.unicode() - u'0');
        if (depois >= 0)
            ++depois;
    }
    if (!digitos)
        return std::nullopt;
    for (int k = qMax(depois, 0); k < casas; ++k)
        n *= 10;
    if (arredondaCima)
        ++n;
    return negativo ? -n : n;
}

// A scaled integer of the engine (NUMERIC/DECIMAL) as its exact decimal
// text: 1234 with 2 places reads "12.34", -5 reads "-0.05".
QString textoEscalado(qint64 n, int casas)
{
    const bool negativo = n < 0;
    QString t = QString::number(negativo ? quint64(0) - quint64(n) : quint64(n));
    if (t.size() <= casas)
        t.prepend(QString(casas - t.size() + 1, QLatin1Char('0')));
    t.insert(t.size() - casas, QLatin1Char('.'));
    if (negativo)
        t.prepend(QLatin1Char('-'));
    return t;
}

qint64 inteiroEscalado(const QVariant &v, int casas)
{
    if (casas <= 0)
        return v.toLongLong();
    if (v.typeId() == QMetaType::QString)
        if (auto n = decimalEscalado(v.toString(), casas))
            return *n;
    return qint64(std::floor(0.5 + v.toDouble() * std::pow(10.0, casas)));
}

} // namespace

struct ConexaoBanco::Comando {
    isc_stmt_handle stmt = 0;
    XSQLDA *entrada = nullptr;
    XSQLDA *saida = nullptr;
    std::vector<XSQLVAR> descricao;   // the parameters as the engine described them
    std::vector<QByteArray> bufEntrada;
    std::vector<short> indEntrada;
    std::vector<QByteArray> bufSaida;
    std::vector<short> indSaida;
    int tipo = 0;                      // isc_info_sql_stmt_*
    QStringList nomes;                 // ":NOME" markers in their order
    QSqlRecord colunas;
    bool cursorAberto = false;
    bool linhaPendente = false;        // the one row of EXECUTE PROCEDURE / RETURNING
    bool umaLinha = false;             // INSERT ... VALUES: always one row
    std::list<QString>::iterator posicao;

    ~Comando()
    {
        if (stmt) {
            StatusFb st;
            isc_dsql_free_statement(st.v, &stmt, DSQL_drop);
        }
        std::free(entrada);
        std::free(saida);
    }

    bool devolveLinhas() const
    {
        return tipo == isc_info_sql_stmt_select || tipo == isc_info_sql_stmt_select_for_upd
            || (tipo == isc_info_sql_stmt_exec_procedure && saida->sqld > 0);
    }

    void preparar(isc_db_handle *db, isc_tr_handle *tr, const QString &sql)
    {
        StatusFb st;
        isc_dsql_allocate_statement(st.v, db, &stmt);
        verificar(st);
        saida = novoDA(1);
        const QByteArray texto = sql.toUtf8();
        isc_dsql_prepare(st.v, tr, &stmt, 0, texto.constData(), kDialeto, saida);
        verificar(st);
        if (saida->sqld > saida->sqln) {
            const int n = saida->sqld;
            std::free(saida);
            saida = novoDA(n);
            isc_dsql_describe(st.v, &stmt, kDialeto, saida);
            verificar(st);
        }
        entrada = novoDA(1);
        isc_dsql_describe_bind(st.v, &stmt, kDialeto, entrada);
        verificar(st);
        if (entrada->sqld > entrada->sqln) {
            const int n = entrada->sqld;
            std::free(entrada);
            entrada = novoDA(n);
            isc_dsql_describe_bind(st.v, &stmt, kDialeto, entrada);
            verificar(st);
        }
        char pedido = isc_info_sql_stmt_type;
        char resposta[16] = {};
        isc_dsql_sql_info(st.v, &stmt, 1, &pedido, sizeof resposta, resposta);
        verificar(st);
        if (resposta[0] == isc_info_sql_stmt_type) {
            const short n = short(isc_vax_integer(resposta + 1, 2));
            tipo = int(isc_vax_integer(resposta + 3, n));
        }

        umaLinha = tipo == isc_info_sql_stmt_insert && !sql.contains(QLatin1String("SELECT"), Qt::CaseInsensitive);
        descricao.assign(entrada->sqlvar, entrada->sqlvar + entrada->sqld);
        bufEntrada.assign(entrada->sqld, QByteArray());
        indEntrada.assign(entrada->sqld, 0);
        for (int i = 0; i < entrada->sqld; ++i) {
            bufEntrada[i].resize(qMax<int>(8, entrada->sqlvar[i].sqllen + 2));
            entrada->sqlvar[i].sqlind = &indEntrada[i];
        }

        bufSaida.assign(saida->sqld, QByteArray());
        indSaida.assign(saida->sqld, 0);
        for (int i = 0; i < saida->sqld; ++i) {
            XSQLVAR &v = saida->sqlvar[i];
            bufSaida[i].resize(qMax<int>(8, v.sqllen + 2));
            v.sqldata = bufSaida[i].data();
            v.sqlind = &indSaida[i];
            QSqlField f(QString::fromUtf8(v.aliasname, v.aliasname_length).simplified(),
                        QMetaType(tipoQt(v.sqltype, v.sqlscale < 0)),
                        QString::fromUtf8(v.relname, v.relname_length));
            f.setLength(v.sqllen);
            f.setPrecision(qAbs(v.sqlscale));
            f.setRequiredStatus((v.sqltype & 1) == 0 ? QSqlField::Required : QSqlField::Optional);
            QT_WARNING_PUSH
            QT_WARNING_DISABLE_DEPRECATED
            f.setSqlType(v.sqltype);
            QT_WARNING_POP
            colunas.append(f);
        }
    }

    void fecharCursor()
    {
        if (cursorAberto) {
            StatusFb st;
            isc_dsql_free_statement(st.v, &stmt, DSQL_close);
            cursorAberto = false;
        }
        linhaPendente = false;
    }

    void vincular(isc_db_handle *db, isc_tr_handle *tr, const QVariantList &valores)
    {
        if (valores.size() > entrada->sqld)
            throw ErroBanco(QStringLiteral("A instrução espera %1 valor(es) e recebeu %2.")
                                .arg(entrada->sqld)
                                .arg(valores.size()));
        for (int i = 0; i < entrada->sqld; ++i) {
            XSQLVAR &v = entrada->sqlvar[i];
            const XSQLVAR &d = descricao[i];
            v.sqltype = short(d.sqltype | 1);
            v.sqllen = d.sqllen;
            v.sqlscale = d.sqlscale;
            v.sqlsubtype = d.sqlsubtype;
            QByteArray &buf = bufEntrada[i];
            v.sqldata = buf.data();
            const QVariant val = i < valores.size() ? valores[i] : QVariant();
            if (val.isNull()) {
                indEntrada[i] = -1;
                continue;
            }
            indEntrada[i] = 0;
            char *p = buf.data();
            switch (d.sqltype & ~1) {
            case SQL_INT64: {
                const qint64 n = inteiroEscalado(val, -d.sqlscale);
                std::memcpy(p, &n, 8);
                break;
            }
            case SQL_LONG: {
                const qint64 n = inteiroEscalado(val, -d.sqlscale);
                if (d.sqllen == 8) {
                    std::memcpy(p, &n, 8);
                } else {
                    const qint32 m = qint32(n);
                    std::memcpy(p, &m, 4);
                }
                break;
            }
            case SQL_SHORT: {
                const short m = short(inteiroEscalado(val, -d.sqlscale));
                std::memcpy(p, &m, 2);
                break;
            }
            case SQL_FLOAT: {
                const float f = float(val.toDouble());
                std::memcpy(p, &f, 4);
                break;
            }
            case SQL_DOUBLE: {
                const double f = val.toDouble();
                std::memcpy(p, &f, 8);
                break;
            }
            case SQL_TIMESTAMP: {
                const ISC_TIMESTAMP ts = paraTimestamp(val.toDateTime());
                std::memcpy(p, &ts, sizeof ts);
                break;
            }
            case SQL_TYPE_TIME: {
                const ISC_TIME t = ISC_TIME(QTime(0, 0).msecsTo(val.toTime()) * 10);
                std::memcpy(p, &t, sizeof t);
                break;
            }
            case SQL_TYPE_DATE: {
                const ISC_DATE t = ISC_DATE(kDataBase.daysTo(val.toDate()));
                std::memcpy(p, &t, sizeof t);
                break;
            }
            case SQL_VARYING:
            case SQL_TEXT: {
                // Sent with its own length: the engine converts it to the
                // parameter's type and refuses a value longer than that.
                const QByteArray u = val.toString().toUtf8();
                if (u.size() > 32765)
                    throw ErroBanco(QStringLiteral("arithmetic exception, numeric overflow, or string truncation - "
                                                   "string right truncation"),
                                    QStringLiteral("-802"));
                if (buf.size() < u.size() + 2)
                    buf.resize(u.size() + 2);
                p = buf.data();
                v.sqldata = p;
                const short n = short(u.size());
                std::memcpy(p, &n, 2);
                std::memcpy(p + 2, u.constData(), u.size());
                v.sqltype = SQL_VARYING | 1;
                v.sqllen = n;
                break;
            }
            case SQL_BLOB: {
                const QByteArray dados = val.toByteArray();
                StatusFb st;
                isc_blob_handle blob = 0;
                ISC_QUAD id{};
                isc_create_blob2(st.v, db, tr, &blob, &id, 0, nullptr);
                verificar(st);
                for (qsizetype k = 0; k < dados.size(); k += 16384) {
                    const unsigned short n = ushort(qMin<qsizetype>(16384, dados.size() - k));
                    isc_put_segment(st.v, &blob, n, dados.constData() + k);
                    if (st.erro()) {
                        StatusFb st2;
                        isc_cancel_blob(st2.v, &blob);
                        throw erroFb(st);
                    }
                }
                isc_close_blob(st.v, &blob);
                verificar(st);
                std::memcpy(p, &id, sizeof id);
                break;
            }
            case SQL_BOOLEAN:
                p[0] = val.toBool() ? 1 : 0;
                break;
            default:
                indEntrada[i] = -1;
                break;
            }
        }
    }

    void executar(isc_db_handle *db, isc_tr_handle *tr, const QVariantList &valores)
    {
        fecharCursor();
        vincular(db, tr, valores);
        StatusFb st;
        if (tipo == isc_info_sql_stmt_exec_procedure) {
            isc_dsql_execute2(st.v, tr, &stmt, kDialeto, entrada, saida->sqld > 0 ? saida : nullptr);
            verificar(st);
            linhaPendente = saida->sqld > 0;
        } else {
            isc_dsql_execute(st.v, tr, &stmt, kDialeto, entrada);
            verificar(st);
            cursorAberto = tipo == isc_info_sql_stmt_select || tipo == isc_info_sql_stmt_select_for_upd;
        }
    }

    QVariant lerBlob(isc_db_handle *db, isc_tr_handle *tr, ISC_QUAD *id)
    {
        StatusFb st;
        isc_blob_handle blob = 0;
        isc_open_blob2(st.v, db, tr, &blob, id, 0, nullptr);
        verificar(st);
        QByteArray dados;
        char pedaco[16384];
        for (;;) {
            unsigned short n = 0;
            const ISC_STATUS r = isc_get_segment(st.v, &blob, &n, sizeof pedaco, pedaco);
            if (r == 0 || st.v[1] == isc_segment) {
                dados.append(pedaco, n);
                continue;
            }
            break;
        }
        const bool erro = st.v[1] != isc_segstr_eof && st.erro();
        const StatusFb falha = st;
        StatusFb st2;
        isc_close_blob(st2.v, &blob);
        if (erro)
            throw erroFb(falha);
        return dados;
    }

    // The next row into `linha`; false at the end of the result.
    bool proxima(isc_db_handle *db, isc_tr_handle *tr, QVector<QVariant> &linha)
    {
        if (tipo == isc_info_sql_stmt_exec_procedure) {
            if (!linhaPendente)
                return false;
            linhaPendente = false;
        } else {
            if (!cursorAberto)
                return false;
            StatusFb st;
            const ISC_STATUS r = isc_dsql_fetch(st.v, &stmt, kDialeto, saida);
            if (r == 100) {
                fecharCursor();
                return false;
            }
            verificar(st);
        }
        linha.resize(saida->sqld);
        for (int i = 0; i < saida->sqld; ++i) {
            const XSQLVAR &v = saida->sqlvar[i];
            const char *buf = v.sqldata;
            const bool escala = v.sqlscale < 0;
            QVariant r;
            if ((v.sqltype & 1) && *v.sqlind) {
                r.convert(QMetaType(tipoQt(v.sqltype, escala)));
                if (r.userType() == QMetaType::Double)
                    r.convert(QMetaType(QMetaType::QString));
                linha[i] = r;
                continue;
            }
            switch (v.sqltype & ~1) {
            case SQL_VARYING: {
                short n;
                std::memcpy(&n, buf, 2);
                r = QString::fromUtf8(buf + 2, n);
                break;
            }
            case SQL_TEXT:
                r = QString::fromUtf8(buf, v.sqllen);
                break;
            case SQL_INT64: {
                qint64 n;
                std::memcpy(&n, buf, 8);
                r = escala ? QVariant(textoEscalado(n, -v.sqlscale)) : QVariant(n);
                break;
            }
            case SQL_LONG: {
                if (v.sqllen == 4) {
                    qint32 n;
                    std::memcpy(&n, buf, 4);
                    r = escala ? QVariant(textoEscalado(n, -v.sqlscale)) : QVariant(n);
                } else {
                    qint64 n;
                    std::memcpy(&n, buf, 8);
                    r = QVariant(n);
                }
                break;
            }
            case SQL_SHORT: {
                short n;
                std::memcpy(&n, buf, 2);
                r = escala ? QVariant(textoEscalado(n, -v.sqlscale)) : QVariant(int(n));
                break;
            }
            case SQL_FLOAT: {
                float f;
                std::memcpy(&f, buf, 4);
                r = double(f);
                break;
            }
            case SQL_DOUBLE: {
                double f;
                std::memcpy(&f, buf, 8);
                r = f;
                break;
            }
            case SQL_TIMESTAMP: {
                ISC_TIMESTAMP ts;
                std::memcpy(&ts, buf, sizeof ts);
                r = QDateTime(kDataBase.addDays(ts.timestamp_date), QTime(0, 0).addMSecs(int(ts.timestamp_time / 10)));
                break;
            }
            case SQL_TYPE_TIME: {
                ISC_TIME t;
                std::memcpy(&t, buf, sizeof t);
                r = QTime(0, 0).addMSecs(int(t / 10));
                break;
            }
            case SQL_TYPE_DATE: {
                ISC_DATE d;
                std::memcpy(&d, buf, sizeof d);
                r = kDataBase.addDays(d);
                break;
            }
            case SQL_BLOB: {
                ISC_QUAD id;
                std::memcpy(&id, buf, sizeof id);
                r = lerBlob(db, tr, &id);
                break;
            }
            case SQL_BOOLEAN:
                r = QVariant(bool(buf[0]));
                break;
            default:
                break;
            }
            if (escala && r.userType() != QMetaType::QString)
                r.convert(QMetaType(QMetaType::QString)); // read exactly as text
            linha[i] = r;
        }
        return true;
    }

    int afetadas()
    {
        if (umaLinha)
            return 1; // INSERT ... VALUES that ran: one row, no need to ask the engine

        char pedido = isc_info_sql_records;
        char buf[64] = {};
        char tipoContagem = 0;
        bool procedimento = false;
        switch (tipo) {
        case isc_info_sql_stmt_select:
            tipoContagem = isc_info_req_select_count;
            break;
        case isc_info_sql_stmt_update:
            tipoContagem = isc_info_req_update_count;
            break;
        case isc_info_sql_stmt_delete:
            tipoContagem = isc_info_req_delete_count;
            break;
        case isc_info_sql_stmt_insert:
            tipoContagem = isc_info_req_insert_count;
            break;
        case isc_info_sql_stmt_exec_procedure:
            procedimento = true;
            break;
        default:
            return -1;
        }
        StatusFb st;
        isc_dsql_sql_info(st.v, &stmt, 1, &pedido, sizeof buf, buf);
        if (st.erro())
            return -1;
        int resultado = -1;
        for (char *p = buf + 3; p < buf + sizeof buf && *p != isc_info_end;) {
            const char t = *p++;
            const short n = short(isc_vax_integer(p, 2));
            p += 2;
            const int valor = int(isc_vax_integer(p, n));
            p += n;
            if (procedimento) {
                if (t == isc_info_req_insert_count || t == isc_info_req_update_count || t == isc_info_req_delete_count)
                    resultado = qMax(resultado, 0) + valor;
            } else if (t == tipoContagem) {
                return valor;
            }
        }
        return resultado;
    }
};

// ":NOME" markers become "?" outside quotes and comments ("::" is left alone).
namespace {
QString posicionalDe(const QString &sql, QStringList &nomes)
{
    QString r;
    r.reserve(sql.size());
    const qsizetype n = sql.size();
    for (qsizetype i = 0; i < n; ++i) {
        const QChar c = sql[i];
        if (c == u'\'' || c == u'"') {
            const qsizetype fim = sql.indexOf(c, i + 1);
            const qsizetype ate = fim < 0 ? n : fim + 1;
            r += QStringView(sql).mid(i, ate - i);
            i = ate - 1;
            continue;
        }
        if (c == u'-' && i + 1 < n && sql[i + 1] == u'-') {
            const qsizetype fim = sql.indexOf(u'\n', i);
            const qsizetype ate = fim < 0 ? n : fim;
            r += QStringView(sql).mid(i, ate - i);
            i = ate - 1;
            continue;
        }
        if (c == u'/' && i + 1 < n && sql[i + 1] == u'*') {
            const qsizetype fim = sql.indexOf(QLatin1String("*/"), i + 2);
            const qsizetype ate = fim < 0 ? n : fim + 2;
            r += QStringView(sql).mid(i, ate - i);
            i = ate - 1;
            continue;
        }
        if (c == u':' && i + 1 < n && sql[i + 1] == u':') {
            r += QLatin1String("::");
            ++i;
            continue;
        }
        if (c == u':' && i + 1 < n && (sql[i + 1].isLetterOrNumber() || sql[i + 1] == u'_')) {
            qsizetype j = i + 1;
            while (j < n && (sql[j].isLetterOrNumber() || sql[j] == u'_'))
                ++j;
            nomes.append(sql.mid(i + 1, j - i - 1));
            r += QLatin1Char('?');
            i = j - 1;
            continue;
        }
        r += c;
    }
    return r;
}
} // namespace

struct ConexaoBanco::Bruto {
    isc_db_handle db = 0;
    isc_tr_handle tr = 0;
    std::list<QString> recentes; // most recently used first
    std::unordered_map<QString, std::unique_ptr<Comando>> comandos;
    QSet<CursorBanco *> cursores;
    qint64 preparacoes = 0;
    bool escreveu = false; // the open transaction wrote or locked a row
};

// ---------------------------------------------------------------- CursorBanco

struct CursorBanco::Estado {
    isc_tr_handle tr = 0;
    ConexaoBanco::Comando *comando = nullptr; // owned here
    ~Estado() { delete comando; }
};

CursorBanco::~CursorBanco() { fechar(); }

void CursorBanco::fechar()
{
    m_fim = true;
    if (!m_estado)
        return;
    if (m_conexao && m_conexao->m_bruto)
        m_conexao->m_bruto->cursores.remove(this);
    if (m_estado->comando)
        m_estado->comando->fecharCursor();
    if (m_estado->tr) {
        StatusFb st;
        isc_commit_transaction(st.v, &m_estado->tr);
        if (st.erro()) {
            StatusFb st2;
            isc_rollback_transaction(st2.v, &m_estado->tr);
        }
    }
    m_estado.reset();
    m_conexao = nullptr;
}

namespace {
// Fixed-length text comes back padded to the column's byte length; the
// blanks at the end of a CHAR value are padding (as Linha removes them).
void tirarPreenchimento(const QSqlRecord &colunas, QVector<QVariant> &linha)
{
    constexpr int kSqlText = 452;
    for (int i = 0; i < linha.size() && i < colunas.count(); ++i) {
        QT_WARNING_PUSH
        QT_WARNING_DISABLE_DEPRECATED
        const int tipo = colunas.field(i).typeID();
        QT_WARNING_POP
        if ((tipo & ~1) != kSqlText || linha[i].typeId() != QMetaType::QString)
            continue;
        QString t = linha[i].toString();
        qsizetype n = t.size();
        while (n > 0 && t.at(n - 1) == QLatin1Char(' '))
            --n;
        t.truncate(n);
        linha[i] = t;
    }
}
} // namespace

QList<QVector<QVariant>> CursorBanco::buscar(int maximo)
{
    QList<QVector<QVariant>> linhas;
    while (!m_pendentes.isEmpty() && linhas.size() < maximo)
        linhas.append(m_pendentes.takeFirst());
    if (m_fim || !m_estado || !m_conexao)
        return linhas;
    try {
        QVector<QVariant> linha;
        while (linhas.size() < maximo) {
            if (!m_estado->comando->proxima(&m_conexao->m_bruto->db, &m_estado->tr, linha)) {
                fechar();
                break;
            }
            tirarPreenchimento(m_colunas, linha);
            linhas.append(linha);
        }
    } catch (const ErroBanco &e) {
        ConexaoBanco *c = m_conexao;
        fechar();
        if (e.conexaoPerdida() && c)
            c->desconectar();
        throw;
    }
    return linhas;
}

// ---------------------------------------------------------------- ConexaoBanco

ConexaoBanco::ConexaoBanco(const QString &nomeConexao, const QString &caminhoPadrao)
    : m_caminho(caminhoPadrao)
    , m_bruto(std::make_unique<Bruto>())
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
    desconectar();
    QSqlDatabase::removeDatabase(m_nome);
}

void ConexaoBanco::definirCaminho(const QString &caminho)
{
    m_caminho = caminho;
}

QSqlDatabase ConexaoBanco::banco() const { return QSqlDatabase::database(m_nome, false); }

bool ConexaoBanco::conectada() const { return banco().isOpen() && m_bruto->db; }

int ConexaoBanco::comandosGuardados() const { return int(m_bruto->comandos.size()); }

qint64 ConexaoBanco::preparacoes() const { return m_bruto->preparacoes; }

void ConexaoBanco::encerrarCursores()
{
    const auto cursores = m_bruto->cursores;
    for (CursorBanco *c : cursores)
        c->fechar();
    m_bruto->cursores.clear();
}

void ConexaoBanco::descartarComandos()
{
    m_bruto->comandos.clear();
    m_bruto->recentes.clear();
}

void ConexaoBanco::conectar()
{
    desconectar();
    QSqlDatabase db = banco();
    db.setDatabaseName(m_caminho);
    if (!db.open())
        throw ErroBanco(mensagemDe(db.lastError()), db.lastError().nativeErrorCode());
    const QVariant h = db.driver()->handle();
    m_bruto->db = h.isValid() ? *static_cast<const isc_db_handle *>(h.constData()) : 0;
    if (!m_bruto->db) {
        db.close();
        throw ErroBanco(QStringLiteral("O driver do banco de dados não entregou a conexão."));
    }
}

void ConexaoBanco::garantirConectada()
{
    // The attachment handle alone: asking Qt for the connection by name on
    // every statement costs a lock and a copy.
    if (!m_bruto->db)
        conectar();
}

void ConexaoBanco::desconectar()
{
    encerrarCursores();
    if (m_bruto->tr) {
        StatusFb st;
        isc_rollback_transaction(st.v, &m_bruto->tr);
        m_bruto->tr = 0;
    }
    descartarComandos();
    m_bruto->db = 0;
    QSqlDatabase db = banco();
    if (db.isOpen())
        db.close();
    m_profundidade = 0;
    m_desfeita = false;
}

void ConexaoBanco::falhar(const QSqlError &e, const QString &sql)
{
    Q_UNUSED(sql);
    if (conexaoPerdida(e)) {
        desconectar();
        ErroBanco erro(QStringLiteral("A conexão com o banco de dados foi perdida.\n\n%1").arg(mensagemDe(e)),
                       e.nativeErrorCode(), mensagemDe(e));
        erro.marcarConexaoPerdida();
        throw erro;
    }
    throw ErroBanco(mensagemDe(e), e.nativeErrorCode());
}

void ConexaoBanco::falharBruto(const void *status, const QString &sql)
{
    Q_UNUSED(sql);
    StatusFb st;
    std::memcpy(st.v, status, sizeof st.v);
    ErroBanco e = erroFb(st);
    if (e.conexaoPerdida()) {
        // The driver's transaction state ends with the connection: the next
        // statement connects again, also inside what was a transaction.
        desconectar();
        ErroBanco erro(QStringLiteral("A conexão com o banco de dados foi perdida.\n\n%1").arg(e.texto()),
                       e.codigo(), e.texto());
        erro.marcarConexaoPerdida();
        throw erro;
    }
    throw e;
}

void ConexaoBanco::iniciarTransacao()
{
    if (m_profundidade == 0) {
        garantirConectada();
        // Read committed, waiting on locks a bounded time, as every workstation works.
        const ISC_LONG espera = m_esperaBloqueio;
        const char tpb[] = {isc_tpb_version3,
                            isc_tpb_write,
                            isc_tpb_read_committed,
                            isc_tpb_rec_version,
                            isc_tpb_wait,
                            isc_tpb_lock_timeout,
                            char(sizeof espera),
                            char(espera & 0xff),
                            char((espera >> 8) & 0xff),
                            char((espera >> 16) & 0xff),
                            char((espera >> 24) & 0xff)};
        StatusFb st;
        m_bruto->tr = 0;
        isc_start_transaction(st.v, &m_bruto->tr, 1, &m_bruto->db, short(sizeof tpb), tpb);
        if (st.erro() && perdaFb(st.v)) {
            // Lost between operations: nothing of this one ran yet, so it
            // simply runs on a new connection.
            m_bruto->tr = 0;
            conectar();
            st = StatusFb();
            isc_start_transaction(st.v, &m_bruto->tr, 1, &m_bruto->db, short(sizeof tpb), tpb);
        }
        if (st.erro())
            falharBruto(st.v, QStringLiteral("START TRANSACTION"));
        m_desfeita = false;
        m_bruto->escreveu = false;
    }
    ++m_profundidade;
}

void ConexaoBanco::confirmarTransacao()
{
    if (m_profundidade <= 0)
        return;
    if (--m_profundidade > 0)
        return;
    for (auto &[texto, c] : m_bruto->comandos)
        c->fecharCursor();
    if (m_desfeita) {
        // An inner part failed and rolled back: the operation cannot commit half.
        StatusFb st;
        isc_rollback_transaction(st.v, &m_bruto->tr);
        m_bruto->tr = 0;
        throw ErroBanco(QStringLiteral("A operação foi desfeita."));
    }
    if (m_bruto->escreveu && m_antesDeConfirmar) {
        try {
            m_antesDeConfirmar();
        } catch (...) {
            StatusFb st;
            isc_rollback_transaction(st.v, &m_bruto->tr);
            m_bruto->tr = 0;
            throw;
        }
    }
    StatusFb st;
    isc_commit_transaction(st.v, &m_bruto->tr);
    if (st.erro()) {
        StatusFb st2;
        isc_rollback_transaction(st2.v, &m_bruto->tr);
        m_bruto->tr = 0;
        falharBruto(st.v, QStringLiteral("COMMIT"));
    }
    m_bruto->tr = 0;
}

void ConexaoBanco::desfazerTransacao()
{
    if (m_profundidade <= 0)
        return;
    if (--m_profundidade > 0) {
        m_desfeita = true;
        return;
    }
    for (auto &[texto, c] : m_bruto->comandos)
        c->fecharCursor();
    if (m_bruto->tr) {
        StatusFb st;
        isc_rollback_transaction(st.v, &m_bruto->tr);
        m_bruto->tr = 0;
    }
}

ConexaoBanco::Comando &ConexaoBanco::comando(const QString &sql)
{
    Bruto &b = *m_bruto;
    auto it = b.comandos.find(sql);
    if (it != b.comandos.end()) {
        b.recentes.splice(b.recentes.begin(), b.recentes, it->second->posicao);
        return *it->second;
    }
    auto c = std::make_unique<Comando>();
    QStringList nomes;
    const QString posicional = posicionalDe(sql, nomes);
    try {
        c->preparar(&b.db, &b.tr, posicional);
    } catch (const ErroBanco &e) {
        if (e.conexaoPerdida()) {
            desconectar();
            ErroBanco erro(QStringLiteral("A conexão com o banco de dados foi perdida.\n\n%1").arg(e.texto()),
                           e.codigo(), e.texto());
            erro.marcarConexaoPerdida();
            throw erro;
        }
        throw;
    }
    c->nomes = nomes;
    ++b.preparacoes;
    while (int(b.comandos.size()) >= kComandosGuardados && !b.recentes.empty()) {
        b.comandos.erase(b.recentes.back());
        b.recentes.pop_back();
    }
    b.recentes.push_front(sql);
    c->posicao = b.recentes.begin();
    Comando &r = *c;
    b.comandos.emplace(sql, std::move(c));
    return r;
}

QList<Linha> ConexaoBanco::rodar(const QString &sql, const QVariantList &posicionais,
                                 const ValoresNomeados *nomeados, bool comLinhas, int *afetadas, bool soPrimeira,
                                 QSqlRecord *colunas)
{
    garantirConectada();
    const bool propria = m_profundidade == 0;
    if (propria)
        iniciarTransacao();
    QList<Linha> linhas;
    const qint64 inicio = relogioMonotonicoMs();
    try {
        try {
            Comando &c = comando(sql);
            QVariantList valores = posicionais;
            if (nomeados) {
                valores.clear();
                for (const QString &n : std::as_const(c.nomes))
                    valores.append(nomeados->value(n));
            }
            if (c.tipo != isc_info_sql_stmt_select)
                m_bruto->escreveu = true;
            c.executar(&m_bruto->db, &m_bruto->tr, valores);
            if (afetadas)
                *afetadas = c.afetadas();
            if (colunas)
                *colunas = c.colunas;
            if (comLinhas && c.devolveLinhas()) {
                QVector<QVariant> linha;
                while (c.proxima(&m_bruto->db, &m_bruto->tr, linha)) {
                    QSqlRecord r = c.colunas;
                    for (int i = 0; i < linha.size(); ++i)
                        r.setValue(i, linha[i]);
                    linhas.append(Linha(r));
                    if (soPrimeira)
                        break;
                }
            }
            c.fecharCursor();
        } catch (const ErroBanco &e) {
            // The engine reports a wait that ran out with the same codes as
            // an update conflict; only the time spent waiting tells them apart.
            // It counts the wait in whole seconds, so it may end up to one
            // second early.
            const qint64 limite = qMax<qint64>(200, qint64(m_esperaBloqueio - 1) * 1000 - 100);
            if (e.conflito() && relogioMonotonicoMs() - inicio >= limite) {
                ErroBanco expirado(e);
                expirado.marcarBloqueioExpirado();
                throw expirado;
            }
            if (e.conexaoPerdida() && conectada()) {
                desconectar();
                ErroBanco erro(QStringLiteral("A conexão com o banco de dados foi perdida.\n\n%1").arg(e.texto()),
                               e.codigo(), e.texto());
                erro.marcarConexaoPerdida();
                throw erro;
            }
            throw;
        }
    } catch (...) {
        if (propria && m_profundidade > 0)
            desfazerTransacao();
        throw;
    }
    if (propria)
        confirmarTransacao();
    return linhas;
}

int ConexaoBanco::executar(const QString &sql, const Valores &v)
{
    int n = 0;
    rodar(sql, v, nullptr, false, &n, false);
    return n;
}

int ConexaoBanco::executar(const QString &sql, const ValoresNomeados &v)
{
    int n = 0;
    rodar(sql, {}, &v, false, &n, false);
    return n;
}

Linha ConexaoBanco::ler(const QString &sql, const Valores &v)
{
    const auto l = rodar(sql, v, nullptr, true, nullptr, true);
    return l.isEmpty() ? Linha() : l.first();
}

Linha ConexaoBanco::ler(const QString &sql, const ValoresNomeados &v)
{
    const auto l = rodar(sql, {}, &v, true, nullptr, true);
    return l.isEmpty() ? Linha() : l.first();
}

QList<Linha> ConexaoBanco::lerTodas(const QString &sql, const Valores &v)
{
    return rodar(sql, v, nullptr, true, nullptr, false);
}

QList<Linha> ConexaoBanco::lerTodas(const QString &sql, const ValoresNomeados &v)
{
    return rodar(sql, {}, &v, true, nullptr, false);
}

ConexaoBanco::Consulta ConexaoBanco::consultar(const QString &sql, const Valores &v)
{
    Consulta c;
    c.linhas = rodar(sql, v, nullptr, true, nullptr, false, &c.colunas);
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

std::unique_ptr<CursorBanco> ConexaoBanco::abrirCursor(const QString &sql, const Valores &v)
{
    std::unique_ptr<CursorBanco> cursor(new CursorBanco);
    if (emTransacao()) {
        // Inside an operation the rows belong to its transaction: read them now.
        const Consulta c = consultar(sql, v);
        cursor->m_colunas = c.colunas;
        cursor->m_fim = true;
        cursor->m_pendentes.reserve(c.linhas.size());
        for (const Linha &l : c.linhas) {
            QVector<QVariant> linha(c.colunas.count());
            for (int i = 0; i < linha.size(); ++i)
                linha[i] = l.valor(i);
            cursor->m_pendentes.append(std::move(linha));
        }
        return cursor;
    }
    garantirConectada();
    auto estado = std::make_unique<CursorBanco::Estado>();
    // Read only, read committed: holds no lock and no old record versions.
    static const char tpb[] = {isc_tpb_version3, isc_tpb_read, isc_tpb_read_committed, isc_tpb_rec_version,
                               isc_tpb_nowait};
    StatusFb st;
    isc_start_transaction(st.v, &estado->tr, 1, &m_bruto->db, short(sizeof tpb), tpb);
    if (st.erro())
        falharBruto(st.v, sql);
    try {
        QStringList nomes;
        estado->comando = new Comando;
        estado->comando->preparar(&m_bruto->db, &estado->tr, posicionalDe(sql, nomes));
        ++m_bruto->preparacoes;
        estado->comando->executar(&m_bruto->db, &estado->tr, v);
    } catch (const ErroBanco &e) {
        delete estado->comando;
        estado->comando = nullptr;
        StatusFb st2;
        isc_rollback_transaction(st2.v, &estado->tr);
        if (e.conexaoPerdida()) {
            desconectar();
            ErroBanco erro(QStringLiteral("A conexão com o banco de dados foi perdida.\n\n%1").arg(e.texto()),
                           e.codigo(), e.texto());
            erro.marcarConexaoPerdida();
            throw erro;
        }
        throw;
    }
    cursor->m_colunas = estado->comando->colunas;
    cursor->m_conexao = this;
    cursor->m_estado = std::move(estado);
    m_bruto->cursores.insert(cursor.get());
    return cursor;
}

qint64 ConexaoBanco::relogioMonotonicoMs()
{
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

void ConexaoBanco::definirEsperaBloqueio(int segundos)
{
    // Takes effect from the next transaction.
    m_esperaBloqueio = segundos > 0 ? qMin(segundos, 3600) : kEsperaBloqueioPadrao;
}

QString ConexaoBanco::textoEmUso()
{
    return QStringLiteral("Este registro está sendo usado em outra estação. A operação foi desfeita; aguarde um "
                          "instante e tente novamente.");
}

QString ConexaoBanco::textoConflito()
{
    return QStringLiteral("O registro está sendo alterado em outra estação. Aguarde um instante e tente novamente.");
}

bool ConexaoBanco::esperarNovaTentativa(int tentativa, qint64 inicioMs)
{
    const qint64 passado = relogioMonotonicoMs() - inicioMs;
    if (tentativa >= kTentativas && passado >= kTempoConflitoMs)
        return false;
    // Random pauses growing from a few milliseconds, so the workstations that
    // collided do not collide again in step.
    const int teto = qMin(100, 10 << qMin(tentativa, 5));
    const int pausa = int(QRandomGenerator::global()->bounded(teto / 2, teto + 1));
    QThread::msleep(ulong(qMin<qint64>(pausa, qMax<qint64>(0, kTempoConflitoMs - passado))));
    return true;
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
