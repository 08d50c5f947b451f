#pragma once
// Money that reaches an open stay before its check-out: an advance payment
// over up to seven means plus a bank deposit, and a consumption line paid at
// once over seven means. Each payment is one transaction: the open shift's
// balances, the stay's per-means columns and ADIANTADO (Pagamentos::lancar),
// and for a line paid at once the line itself, its stock and how it was paid
// (so that its removal can give the money back).
#include "base/Dinheiro.h"
#include "finance/ControleCaixa.h"
#include "stays/Consumo.h"
#include "stays/Pagamentos.h"

class ConexaoBanco;

#include <QString>
#include <optional>

namespace Adiantamento {

namespace Textos {
inline const QString Sucesso = QStringLiteral("Operação Concluída com Sucesso! Valores Adicionados ao CAIXA!");
inline const QString PerguntaRecibo = QStringLiteral("Deseja imprimir o Recibo?");
inline const QString ValorDiferente = QStringLiteral("Valor Informado Diferente do Valor Consumido!");
inline const QString SemValor = QStringLiteral("Informe o Valor do Adiantamento!");
inline const QString ValorInvalido = QStringLiteral("Valor Inválido! Informe os valores no formato 0,00.");
// "Pago?" on a stay not yet saved: its payment would have no stay to go to.
inline const QString PagoAntesDaEntrada =
    QStringLiteral("Consumo Pago só pode ser lançado depois de Confirmar a Entrada! "
                   "Confirme a Entrada ou lance o consumo sem marcar \"Pago?\".");
inline const QString OperacaoLog = QStringLiteral("Registrou Pagamento Antecipado");
} // namespace Textos

// The amounts of a payment panel as typed ("1.234,56"; empty counts as 0).
// nullopt when one of them is not a number or is negative.
struct Digitado {
    QString meio[kMeiosCaixa - 1]; // the seven means of MeioCaixa but A Prazo
    QString deposito;              // advance only
};
std::optional<Pagamentos::Valores> ler(const Digitado &d);

// The before-text of the log row: "Entrada Nº <stay> (<customer> - UH <room>)"
// and one line per means with its amount (the deposit is not listed).
QString textoLog(qint64 idEntrada, const QString &cliente, const QString &numeroUH, const Pagamentos::Valores &v);
// What the receipt offers: the seven means without the deposit.
Dinheiro valorRecibo(const Pagamentos::Valores &v);
QString referenteRecibo(qint64 idEntrada, const QString &numeroUH);

struct Resultado {
    bool gravado = false;
    // Why nothing was written: a message and its box.
    std::optional<QString> mensagem;
    Mensagem::Tipo tipo = Mensagem::Tipo::Aviso;
    // The stay was closed or cancelled on another workstation meanwhile
    // (the check-out's "already closed" text): the form shows it anew.
    bool fechada = false;
};

// "Adicionar Adiantamento": books every means into the open shift and the
// stay's columns, the deposit in and out at once (RET_CAIXA), ADIANTADO by the
// whole, and the log row; all or nothing, and only while the stay is open.
Resultado registrar(ConexaoBanco &conexao, qint64 idEntrada, const Pagamentos::Valores &v, const QString &cliente, const QString &numeroUH);

// The worth of a consumption line as typed (quantity × unit price plus the
// product's point-of-sale fee, rounded to the cent).
Dinheiro valorLinha(ConexaoBanco &conexao, const Consumo::LinhaNova &l);

// A consumption line paid at once: the amounts must add up to the line's
// worth; then the line (PAGO "S", dated today, stock lowered), how it was paid
// (Consumo::registrarPagamento), the shift, the stay's columns, ADIANTADO and
// the log "Incluiu Despesa ou Consumo -> ..." in one transaction.
struct Pagamento : Resultado {
    qint64 idDespesa = 0;
};
Pagamento pagarConsumo(ConexaoBanco &conexao, qint64 idEntrada, const QString &numeroUH, const Consumo::LinhaNova &l,
                       const Pagamentos::Valores &v);

} // namespace Adiantamento
