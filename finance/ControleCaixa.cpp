#include "finance/ControleCaixa.h"
#include "base/Erros.h"
#include "base/Rotinas.h"
#include "base/Sessao.h"
#include "base/UnitDM.h"

void ResultadoCaixa::mostrar() const
{
    if (mensagem.isEmpty())
        return;
    Mensagem::mostrar(tipo, mensagem, Mensagem::Ok, Mensagem::Ok);
}

namespace {

ResultadoCaixa recusa(const QString &texto)
{
    return {false, Mensagem::Tipo::Aviso, texto};
}

} // namespace

ResultadoCaixa ControleCaixa(const QString &tipo, const QString &valor, const QString &mostraSucesso)
{
    Sessao::atual().CaixaSucesso = false;
    // The amount as the screens type it: thousands dots, decimal comma.
    const auto lido = Dinheiro::deTexto(valor);
    if (!lido && !valor.trimmed().isEmpty())
        throw ErroConversao(QStringLiteral("'%1' não é um valor válido.").arg(valor));
    return ControleCaixa(tipo, lido.value_or(Dinheiro()), mostraSucesso);
}

ResultadoCaixa ControleCaixa(const QString &tipo, Dinheiro valor, const QString &mostraSucesso)
{
    Sessao &s = Sessao::atual();
    s.CaixaSucesso = false;
    s.SaldoCaixa = false;
    if (valor.centavos() < 0)
        throw ErroConversao(QStringLiteral("'%1' não é um valor válido.").arg(valor.formatado()));
    const bool entrada = tipo == QLatin1String("+");
    const bool saida = tipo == QLatin1String("-");
    if (!entrada && !saida)
        return recusa(TextosCaixa::SaldoInsuficiente);

    // Only the single open shift: with none or several the statement changes nothing.
    static const QString kUnico = QStringLiteral(
        " WHERE DATA_FECHA IS NULL AND (SELECT COUNT(*) FROM CAIXA C2 WHERE C2.DATA_FECHA IS NULL) = 1");
    ResultadoCaixa r = DM->Conexao.emTransacao([&]() -> ResultadoCaixa {
        int alteradas = 0;
        if (entrada) {
            alteradas = DM->Conexao.executar(QStringLiteral("UPDATE CAIXA SET ATUAL = ATUAL + ?") + kUnico,
                                             {valor.paraBanco()});
        } else {
            alteradas = DM->Conexao.executar(QStringLiteral("UPDATE CAIXA SET ATUAL = ATUAL - ?") + kUnico
                                                 + QStringLiteral(" AND ATUAL >= ?"),
                                             {valor.paraBanco(), valor.paraBanco()});
            s.SaldoCaixa = alteradas == 1;
        }
        if (alteradas == 1)
            return {true, Mensagem::Tipo::Informacao,
                    mostraSucesso == QLatin1String("S") ? TextosCaixa::Sucesso : QString()};
        const qint64 abertos =
            DM->Conexao.valor(QStringLiteral("SELECT COUNT(*) FROM CAIXA WHERE DATA_FECHA IS NULL")).toLongLong();
        if (abertos > 1 || (abertos == 0 && entrada))
            return recusa(TextosCaixa::SemCaixaUnico);
        // No shift (a balance of nothing) or a balance below the amount.
        return recusa(TextosCaixa::SaldoInsuficiente);
    });
    s.SaldoCaixa = false;
    s.CaixaSucesso = r.sucesso;
    return r;
}
