#include "finance/ControleCaixa.h"
#include "base/Erros.h"
#include "base/Rotinas.h"
#include "base/Relogio.h"
#include "base/Sessao.h"
#include "base/UnitLog.h"
#include "base/UnitDM.h"

#include <array>

void ResultadoCaixa::mostrar() const
{
    if (mensagem.isEmpty())
        return;
    Mensagem::mostrar(tipo, mensagem, Mensagem::Ok, Mensagem::Ok);
}

const QList<DadosMeioCaixa> &meiosCaixa()
{
    static const QList<DadosMeioCaixa> meios{
        {MeioCaixa::Dinheiro, QStringLiteral("Dinheiro"), QStringLiteral("ATUAL"), QStringLiteral("Dinheiro"), false,
         QStringLiteral("Valor Inexistente em Dinheiro!")},
        {MeioCaixa::CreditoVisa, QStringLiteral("Crédito - Visa"), QStringLiteral("ATUAL_CARTAO"),
         QStringLiteral("Cartão de Crédito - Visa"), true, QStringLiteral("Valor Inexistente em Crédito - Visa!")},
        {MeioCaixa::DebitoVisa, QStringLiteral("Débito - Visa"), QStringLiteral("ATUAL_DEBVISA"),
         QStringLiteral("Cartão de Débito - Visa"), true, QStringLiteral("Valor Inexistente em Débito - Visa!")},
        {MeioCaixa::CreditoMaster, QStringLiteral("Crédito - Mastercard"), QStringLiteral("ATUAL_MASTER"),
         QStringLiteral("Cartão de Crédito - Mastercard"), true,
         QStringLiteral("Valor Inexistente em Crédito - Mastercard!")},
        {MeioCaixa::DebitoMaster, QStringLiteral("Débito - Mastercard"), QStringLiteral("ATUAL_DEBMASTER"),
         QStringLiteral("Cartão de Débito - Mastercard"), true,
         QStringLiteral("Valor Inexistente em Débito - Mastercard!")},
        {MeioCaixa::Hipercard, QStringLiteral("Crédito - Hipercard"), QStringLiteral("ATUAL_HIPER"),
         QStringLiteral("Cartão de Crédito - Hipercard"), true,
         QStringLiteral("Valor Inexistente em Crédito - Hipercard!")},
        {MeioCaixa::PixChq, QStringLiteral("Pix / Chq"), QStringLiteral("ATUAL_CHEQUE"), QStringLiteral("Pix / Chq"),
         false, QStringLiteral("Valor Inexistente em Pix / Chq!")},
        {MeioCaixa::APrazo, QStringLiteral("A Prazo"), QStringLiteral("ATUAL_NOTAS"), QStringLiteral("A Prazo"), false,
         QStringLiteral("Valor Inexistente em A Prazo!")},
    };
    return meios;
}

const DadosMeioCaixa &dadosMeio(MeioCaixa meio) { return meiosCaixa()[int(meio)]; }

namespace {

ResultadoCaixa recusa(const QString &texto, ResultadoCaixa::Falha falha)
{
    return {false, Mensagem::Tipo::Aviso, texto, falha};
}

// The statements of each balance column, built once from the fixed list of
// columns: only the single open shift changes, a withdrawal only while its
// balance covers it.
struct Comandos {
    QString entrada;
    QString saida;
};

const Comandos &comandos(MeioCaixa meio)
{
    static const std::array<Comandos, kMeiosCaixa> todos = [] {
        std::array<Comandos, kMeiosCaixa> c;
        const QString unico = QStringLiteral(
            " WHERE DATA_FECHA IS NULL AND (SELECT COUNT(*) FROM CAIXA C2 WHERE C2.DATA_FECHA IS NULL) = 1");
        for (const DadosMeioCaixa &m : meiosCaixa()) {
            const QString &col = m.coluna;
            c[int(m.meio)].entrada = QStringLiteral("UPDATE CAIXA SET %1 = %1 + ?").arg(col) + unico;
            c[int(m.meio)].saida =
                QStringLiteral("UPDATE CAIXA SET %1 = %1 - ?").arg(col) + unico + QStringLiteral(" AND %1 >= ?").arg(col);
        }
        return c;
    }();
    return todos[int(meio)];
}

qint64 turnosAbertos(ConexaoBanco &conexao)
{
    return conexao.valor(QStringLiteral("SELECT COUNT(*) FROM CAIXA WHERE DATA_FECHA IS NULL")).toLongLong();
}

void exigirPositivo(Dinheiro valor)
{
    if (valor.centavos() < 0)
        throw ErroConversao(QStringLiteral("'%1' não é um valor válido.").arg(valor.formatado()));
}

} // namespace

int AtualizarSaldoCaixa(ConexaoBanco &conexao, MeioCaixa meio, bool entrada, Dinheiro valor)
{
    exigirPositivo(valor);
    const Comandos &c = comandos(meio);
    if (entrada)
        return conexao.executar(c.entrada, {valor.paraBanco()});
    return conexao.executar(c.saida, {valor.paraBanco(), valor.paraBanco()});
}

ResultadoCaixa ControleCaixa(ConexaoBanco &conexao, const QString &tipo, const QString &valor, const QString &mostraSucesso)
{
    Sessao::atual().CaixaSucesso = false;
    // The amount as the screens type it: thousands dots, decimal comma.
    const auto lido = Dinheiro::deTexto(valor);
    if (!lido && !valor.trimmed().isEmpty())
        throw ErroConversao(QStringLiteral("'%1' não é um valor válido.").arg(valor));
    return ControleCaixa(conexao, tipo, lido.value_or(Dinheiro()), mostraSucesso);
}

ResultadoCaixa ControleCaixa(ConexaoBanco &conexao, const QString &tipo, Dinheiro valor, const QString &mostraSucesso)
{
    Sessao &s = Sessao::atual();
    s.CaixaSucesso = false;
    s.SaldoCaixa = false;
    exigirPositivo(valor);
    const bool entrada = tipo == QLatin1String("+");
    const bool saida = tipo == QLatin1String("-");
    if (!entrada && !saida)
        return recusa(TextosCaixa::SaldoInsuficiente, ResultadoCaixa::Falha::SaldoInsuficiente);

    ResultadoCaixa r = conexao.emTransacao([&]() -> ResultadoCaixa {
        const int alteradas = AtualizarSaldoCaixa(conexao, MeioCaixa::Dinheiro, entrada, valor);
        if (saida)
            s.SaldoCaixa = alteradas == 1;
        if (alteradas == 1)
            return {true, Mensagem::Tipo::Informacao,
                    mostraSucesso == QLatin1String("S") ? TextosCaixa::Sucesso : QString(),
                    ResultadoCaixa::Falha::Nenhuma};
        const qint64 abertos = turnosAbertos(conexao);
        if (abertos > 1 || (abertos == 0 && entrada))
            return recusa(TextosCaixa::SemCaixaUnico, ResultadoCaixa::Falha::SemTurno);
        // No shift (a balance of nothing) or a balance below the amount.
        return recusa(TextosCaixa::SaldoInsuficiente, abertos == 0 ? ResultadoCaixa::Falha::SemTurno
                                                                   : ResultadoCaixa::Falha::SaldoInsuficiente);
    });
    s.SaldoCaixa = false;
    s.CaixaSucesso = r.sucesso;
    return r;
}

ResultadoCaixa MovimentarCaixa(ConexaoBanco &conexao, MeioCaixa meio, const QString &tipo, Dinheiro valor, const QString &mostraSucesso)
{
    if (meio == MeioCaixa::Dinheiro)
        return ControleCaixa(conexao, tipo, valor, mostraSucesso);
    exigirPositivo(valor);
    const QString &recusaSaldo = dadosMeio(meio).recusa;
    const bool entrada = tipo == QLatin1String("+");
    if (!entrada && tipo != QLatin1String("-"))
        return recusa(recusaSaldo, ResultadoCaixa::Falha::SaldoInsuficiente);
    return conexao.emTransacao([&]() -> ResultadoCaixa {
        if (AtualizarSaldoCaixa(conexao, meio, entrada, valor) == 1)
            return {true, Mensagem::Tipo::Informacao,
                    mostraSucesso == QLatin1String("S") ? TextosCaixa::Sucesso : QString(),
                    ResultadoCaixa::Falha::Nenhuma};
        if (turnosAbertos(conexao) != 1)
            return recusa(TextosCaixa::SemCaixaUnico, ResultadoCaixa::Falha::SemTurno);
        return recusa(recusaSaldo, ResultadoCaixa::Falha::SaldoInsuficiente);
    });
}

void RegistrarDeposito(ConexaoBanco &conexao, Dinheiro valor, const QString &descricao)
{
    exigirPositivo(valor);
    const QDateTime agora = Relogio::agora();
    conexao.executar(QStringLiteral("INSERT INTO RET_CAIXA (DATA_RET, HORA_RET, VALOR, DESCRICAO, TIPO, USUARIO) "
                                    "VALUES (?, ?, ?, ?, ?, ?)"),
                     {agora.date(), agora.time(), valor.paraBanco(), descricao, QStringLiteral("Dinheiro"),
                      Sessao::atual().login.left(10)});
    RegistrarLog(QStringLiteral("Retirou ") + valor.formatado() + QStringLiteral(" do Caixa em Dinheiro! (") + descricao
                 + QLatin1Char(')'));
}
