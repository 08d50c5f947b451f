#include "finance/Cheques.h"
#include "base/Anulacao.h"
#include "base/Rotinas.h"
#include "base/UnitLog.h"

#include <limits>

namespace Cheques {

namespace {

// A cheque is live while no ANULACAO row names it.
const QString kVivo = QStringLiteral(
    "NOT EXISTS (SELECT 1 FROM ANULACAO A WHERE A.COD_GERAL_CHEQUE = CH.COD_GERAL_CHEQUE)");

QString pedacoLog(const Dados &d, const Dinheiro &valor)
{
    return d.numero.trimmed() + QStringLiteral(" de Conta N.º -> ") + d.conta.trimmed() + QStringLiteral(" (")
           + nomeTipo(d.tipo) + QStringLiteral(") de Valor -> R$ ") + valor.formatado() + QStringLiteral(" (")
           + d.historico + QStringLiteral(")");
}

QVariant parteParaBanco(qint64 parte) { return parte > 0 ? QVariant(QString::number(parte)) : QVariant(); }

} // namespace

QString nomeTipo(const QString &tipo)
{
    if (tipo == QLatin1String("E"))
        return QStringLiteral("Emitido");
    if (tipo == QLatin1String("R"))
        return QStringLiteral("Recebido");
    return {};
}

std::optional<qint64> numeroCheque(const QString &texto)
{
    const QString t = texto.trimmed();
    if (t.isEmpty() || t.size() > kTamNumero)
        return std::nullopt;
    for (const QChar ch : t)
        if (!ch.isDigit() || ch.unicode() > 127)
            return std::nullopt;
    const qint64 n = t.toLongLong();
    if (n < 1 || n > std::numeric_limits<qint32>::max())
        return std::nullopt;
    return n;
}

Resultado confirmar(ConexaoBanco &c, ModoEdicao modo, qint64 chave, const Dados &d)
{
    Resultado r;
    auto recusa = [&r](const QString &m, Campo f) {
        r.mensagem = m;
        r.foco = f;
        return r;
    };
    if (d.tipo != QLatin1String("E") && d.tipo != QLatin1String("R"))
        return recusa(kMsgTipo, Campo::Tipo);
    const std::optional<qint64> numero = numeroCheque(d.numero);
    if (!numero)
        return recusa(kMsgNumero, Campo::Numero);
    if (d.conta.trimmed().isEmpty())
        return recusa(kMsgConta, Campo::Conta);
    if (d.banco.trimmed().isEmpty())
        return recusa(kMsgBanco, Campo::Banco);
    const LeituraDinheiro valor = Dinheiro::digitado(d.valor, SinalDigitado::Positivo, VazioDigitado::Recusado);
    if (!valor)
        return recusa(kMsgValor, Campo::Valor);
    if (modo == ModoEdicao::Ver)
        return r;

    const Valores v{d.conta.trimmed(), *numero, d.banco.trimmed(), parteParaBanco(d.parte), valor.valor->paraBanco(),
                    d.emissao, d.predatado, d.historico, d.titular, d.tipo};
    const QString log = pedacoLog(d, *valor.valor);
    if (modo == ModoEdicao::Incluir) {
        r.chave = c.emTransacao([&] {
            const qint64 k = c.valor(QStringLiteral("INSERT INTO CHEQUE (ID_CONTA, ID_CHEQUE, BANCO, ID_FORNECEDOR_CLIENTE, "
                                                    "VALOR, DATA_EMISSAO, PREDATADO, HISTORICO, TITULAR, TIPO_CHEQUE) "
                                                    "VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?) RETURNING COD_GERAL_CHEQUE"),
                                     v)
                                 .toLongLong();
            RegistrarLog(QStringLiteral("Incluiu Cheque de N.º -> ") + log);
            return k;
        });
        r.salvo = true;
        r.mensagem = kMsgCadastrado;
        return r;
    }
    // An alteration keeps the clearing date and the recipient; a cheque voided
    // meanwhile on another workstation is not written.
    Valores va = v;
    va << chave;
    const bool gravou = c.emTransacao([&] {
        const int n = c.executar(QStringLiteral("UPDATE CHEQUE CH SET ID_CONTA = ?, ID_CHEQUE = ?, BANCO = ?, "
                                                "ID_FORNECEDOR_CLIENTE = ?, VALOR = ?, DATA_EMISSAO = ?, PREDATADO = ?, "
                                                "HISTORICO = ?, TITULAR = ?, TIPO_CHEQUE = ? WHERE COD_GERAL_CHEQUE = ? AND ")
                                     + kVivo,
                                 va);
        if (n != 1)
            return false;
        RegistrarLog(QStringLiteral("Alterou Cheque de N.º -> ") + log);
        return true;
    });
    if (!gravou)
        return recusa(kMsgAlteradoOutraEstacao, Campo::Nenhum);
    r.salvo = true;
    r.chave = chave;
    r.mensagem = kMsgAlterado;
    return r;
}

bool anular(ConexaoBanco &c, qint64 chave, const QString &historico)
{
    return c.emTransacao([&] {
        // The cheque row is locked first: two workstations voiding it at once
        // give one register row.
        if (c.ler(QStringLiteral("SELECT COD_GERAL_CHEQUE FROM CHEQUE WHERE COD_GERAL_CHEQUE = ? WITH LOCK"), {chave})
                .vazia())
            return false;
        if (Anulacao::anulado(c, QStringLiteral("COD_GERAL_CHEQUE"), chave))
            return false;
        Anulacao::registrar(c, QStringLiteral("COD_GERAL_CHEQUE"), chave);
        RegistrarLog(QStringLiteral("Excluiu Cheque de Código -> ") + QString::number(chave) + QStringLiteral(" (")
                     + historico + QStringLiteral(")"));
        return true;
    });
}

bool compensar(ConexaoBanco &c, qint64 chave, const QDate &data, const QString &banco)
{
    return c.emTransacao([&] {
        const int n = c.executar(QStringLiteral("UPDATE CHEQUE CH SET DATA_COMPENSACAO = ? WHERE COD_GERAL_CHEQUE = ? "
                                                "AND DATA_COMPENSACAO IS NULL AND ")
                                     + kVivo,
                                 {data, chave});
        if (n != 1)
            return false;
        RegistrarLog(QStringLiteral("Registrou Compensação de Cheque de Código -> ") + QString::number(chave)
                     + QStringLiteral("(") + banco + QStringLiteral(")"));
        return true;
    });
}

bool repassar(ConexaoBanco &c, qint64 chave, const QDate &data, const QString &para)
{
    return c.emTransacao([&] {
        return c.executar(QStringLiteral("UPDATE CHEQUE CH SET REPASSADO = ?, DATA_COMPENSACAO = ? "
                                         "WHERE COD_GERAL_CHEQUE = ? AND DATA_COMPENSACAO IS NULL AND ")
                              + kVivo,
                          {para.trimmed(), data, chave})
               == 1;
    });
}

// ---------------------------------------------------------------- the list

namespace {

// Every live cheque with its type's and party's names; %1 is the condition,
// %2 the order.
const QString kModelo = QStringLiteral(
    "SELECT CH.*, CASE CH.TIPO_CHEQUE WHEN 'E' THEN 'Emitido' WHEN 'R' THEN 'Recebido' END AS TIPO, "
    "CL.NOME AS CLIENTE, F.NOME AS FORNECEDOR FROM CHEQUE CH "
    "LEFT JOIN CLIENTE CL ON CH.TIPO_CHEQUE = 'R' AND CL.ID_CLIENTE = CH.ID_FORNECEDOR_CLIENTE "
    "LEFT JOIN FORNECEDOR F ON CH.TIPO_CHEQUE = 'E' AND F.ID_FORNECEDOR = CH.ID_FORNECEDOR_CLIENTE "
    "WHERE %1%2");
const QString kOrdem = QStringLiteral(" ORDER BY CH.DATA_EMISSAO");

QString montar(const QString &condicao, bool ordenar)
{
    return kModelo.arg(condicao.isEmpty() ? kVivo : kVivo + QStringLiteral(" AND ") + condicao,
                       ordenar ? kOrdem : QString());
}

} // namespace

QString sqlLista() { return montar(QString(), true); }

ConsultaFiltro consultaFiltro(Filtro f, const QString &texto, const QDate &data, qint64 parte)
{
    ConsultaFiltro q;
    const QString t = texto.trimmed();
    auto todos = [&q] {
        q.sql = sqlLista();
        return q;
    };
    auto porData = [&](const char *coluna) {
        if (!data.isValid()) {
            q.erro = kMsgDataFiltro;
            return q;
        }
        q.sql = montar(QStringLiteral("CH.%1 = ?").arg(QLatin1String(coluna)), false);
        q.valores = {data};
        return q;
    };
    switch (f) {
    case Filtro::Valor: {
        if (t.isEmpty())
            return todos();
        const LeituraDinheiro v = Dinheiro::digitado(t, SinalDigitado::ZeroOuPositivo, VazioDigitado::Recusado);
        if (!v) {
            q.erro = kMsgValor;
            return q;
        }
        q.sql = montar(QStringLiteral("CH.VALOR = ?"), true);
        q.valores = {v.valor->paraBanco()};
        return q;
    }
    case Filtro::Numero: {
        if (t.isEmpty())
            return todos();
        const std::optional<qint64> n = numeroCheque(t);
        if (!n) {
            q.erro = kMsgNumero;
            return q;
        }
        q.sql = montar(QStringLiteral("CH.ID_CHEQUE = ?"), true);
        q.valores = {*n};
        return q;
    }
    case Filtro::Conta:
        if (t.isEmpty())
            return todos();
        q.sql = montar(sqlIgual(QStringLiteral("CH.ID_CONTA")), true);
        q.valores = {valorIgual(t)};
        return q;
    case Filtro::Banco:
        if (t.isEmpty())
            return todos();
        q.sql = montar(sqlContem(QStringLiteral("CH.BANCO")), false);
        q.valores = {valorContem(t)};
        return q;
    case Filtro::Titular:
        q.sql = montar(sqlContem(QStringLiteral("CH.TITULAR")), false);
        q.valores = {valorContem(t)};
        return q;
    case Filtro::Compensacao:
        return porData("DATA_COMPENSACAO");
    case Filtro::Emissao:
        return porData("DATA_EMISSAO");
    case Filtro::Predatado:
        return porData("PREDATADO");
    case Filtro::Cliente:
    case Filtro::Fornecedor:
        // A customer's and a supplier's keys may be equal: the party's kind
        // is part of the condition.
        q.sql = montar(QStringLiteral("CH.TIPO_CHEQUE = ? AND CH.ID_FORNECEDOR_CLIENTE = ?"), true);
        q.valores = {f == Filtro::Cliente ? QStringLiteral("R") : QStringLiteral("E"), QString::number(parte)};
        return q;
    }
    return todos();
}

} // namespace Cheques
