#pragma once
// The check-out of a stay: what it still owes (computed from the database,
// never from the form's labels), the lent items the guest must give back, the
// question that starts the check-out, and its confirmation.
//
// The confirmation is one transaction that begins by closing the stay with a
// conditional update (BAIXA 'N' -> 'S'): a stay closed meanwhile on another
// workstation changes nothing and books nothing. Inside it the amount due is
// computed again; when consumption, nights or advances changed since the
// clerk saw it, nothing is booked and the new amount is returned. Then the
// money is booked per means (Pagamentos::lancar), a bank deposit or a boleto
// is recorded as a withdrawal without passing through cash, an on-account
// part becomes a NOTA bill, the guests, vehicles and exactly the consumption
// lines counted in the amount are closed, the room goes to cleaning and the
// log line is written. Messages are the caller's, after the commit.
#include "base/Dinheiro.h"
#include "finance/ControleCaixa.h"
#include "stays/Pagamentos.h"

#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>
#include <array>

class ConexaoBanco;

namespace Saida {

namespace Textos {
inline const QString Total = QStringLiteral("---TOTAL---");
inline const QString ValorTotal = QStringLiteral("Valor Total da Estadia: R$ ");
inline const QString Adiantado = QStringLiteral("Pagamento Adiantado: R$ ");
inline const QString ConsumosPagos = QStringLiteral("Despesas e Consumos Pagos: R$");
inline const QString Confirmar = QStringLiteral("Confirmar Saída de Hóspede?");
inline const QString Restante = QStringLiteral("Valor Restante a ser Recebido é de ::: R$ ");
inline const QString Devolver = QStringLiteral("Obs.: O Hóspede terá que devolver os Itens Abaixo:");
inline const QString ValorMaior = QStringLiteral("Valor Pago está Maior que a Estadia! Adicione Despesas!");
inline const QString ValorDiferente = QStringLiteral("Valor Informado Diferente do Valor Restante!");
inline const QString ValorInvalido = QStringLiteral("Valor Inválido! Informe os Valores em Reais, como 1.234,56.");
inline const QString AjusteEfetuado = QStringLiteral("Acrescimo / Desconto Efetuado com Sucesso!");
inline const QString RetiradaDeposito = QStringLiteral("Retirada Automática de Deposito Realizada com Sucesso!");
inline const QString RetiradaBoleto = QStringLiteral("Retirada Automática de Boleto Realizada com Sucesso!");
inline const QString DescricaoBoleto = QStringLiteral("Pagamento de Hospedagem - Boleto Bancário");
inline const QString NotasPendentes = QStringLiteral("AVISO!\r\r O Cliente Possui Notas Pendentes em Aberto!");
inline const QString PerguntaNF = QStringLiteral("Deseja Registrar a Emissão da Nota Fiscal Manual?");
inline const QString PerguntaExtrato =
    QStringLiteral("Saída de Hóspede Realizada com Sucesso! Deseja Imprimir o Extrato de Conta ou o Cupom Fiscal?");
inline const QString Log = QStringLiteral("Registrou Saída de Hóspede -> Código ");
// The stay was closed (or cancelled) on another workstation.
inline const QString JaFechada =
    QStringLiteral("Esta Entrada já foi Fechada em Outra Estação! Nenhum Valor foi Lançado.");
// Consumption, nights or advances changed after the amount was shown.
inline const QString ValorAlterado =
    QStringLiteral("Os Valores desta Entrada foram Alterados em Outra Estação! Nenhum Valor foi Lançado.\r\r"
                   "Novo Valor Restante: R$ ");
} // namespace Textos

// What a stay owes at the departure moment.
struct Conta {
    qint64 idEntrada = 0;
    bool existe = false;
    bool aberta = false;        // BAIXA 'N' and EXCLUIDO 'N'
    bool motel = false;
    qint64 idUH = 0;
    qint64 idCliente = 0;
    int pessoas = 0;
    QDateTime chegada;
    QDateTime saida;
    Dinheiro diaria;            // VALOR_DIARIA
    int noites = 0;             // hotel: night rows
    int horasAdicionais = 0;    // motel
    Dinheiro totalDiarias;      // hotel: the nights; motel: the additional hours
    Dinheiro cobranca;          // the stay without consumption
    Dinheiro consumo;           // every consumption line, paid or not
    Dinheiro consumoPago;       // lines paid at once (already in the advance)
    Dinheiro total;             // cobranca + consumo
    Dinheiro adiantado;         // WALK_IN.ADIANTADO
    Dinheiro restante;          // total - adiantado (negative: paid more than it costs)
    QList<qint64> despesasAbertas; // keys of the lines not yet paid, settled by the check-out
    // The stay's means columns before the check-out (order of MeioCaixa).
    std::array<Dinheiro, kMeiosCaixa> pagos{};
};

// Reads and computes; writes nothing. The motel charge is computed up to
// `saida` from the stay's rate and its room type's rates.
Conta calcular(ConexaoBanco &c, qint64 idEntrada, const QDateTime &saida);

// A lent item the guest must give back.
struct ItemDevolver {
    QString descricao;
    qint64 qtd = 0;
};
// Items of the room (ITEM_ENTRADA) above the room's standard (VW_CONFERENCIA
// for its type or the room itself); an item without a standard counts whole.
QList<ItemDevolver> itensDevolver(ConexaoBanco &c, qint64 idEntrada);
// "\r\rObs.: O Hóspede terá que devolver os Itens Abaixo:\r- TOALHA (1)\r"...;
// empty when there is nothing to give back.
QString textoItens(const QList<ItemDevolver> &itens);
// The question of the check-out start.
QString pergunta(const Conta &conta, const QString &itens);

// The check-out start: the account, the items and the question.
struct Inicio {
    Conta conta;
    QList<ItemDevolver> itens;
    QString pergunta;
};
Inicio iniciar(ConexaoBanco &c, qint64 idEntrada, const QDateTime &saida);

// ------------------------------------------------------------ confirmation

// The ten boxes of the payment screen: eight means and the deposit (booked
// through Pagamentos) and the boleto.
struct Pagamento {
    Pagamentos::Valores valores;
    Dinheiro boleto;
    Dinheiro total() const { return valores.total() + boleto; }
    bool negativo() const { return valores.negativo() || boleto < Dinheiro(); }
};

struct Fechamento {
    qint64 idEntrada = 0;
    Dinheiro restante;          // the amount due handed to the payment screen
    Dinheiro desconto;
    Dinheiro acrescimo;
    Pagamento pagamento;
    QDateTime saida;            // departure written into the stay
    QString obs;
    QString cliente;            // selector texts, for the log line
    QString uh;
    QString usuario;            // login written as USUARIO and into the log
    // The amount the boxes must add up to.
    Dinheiro devido() const { return restante - desconto + acrescimo; }
};

struct Resultado {
    enum class Situacao {
        Fechada,        // done
        ValorMaior,     // the advance exceeds the stay
        ValorDiferente, // the boxes do not add up to the amount due
        ValorInvalido,  // a negative amount
        JaFechada,      // closed or cancelled elsewhere
        ValorAlterado,  // the stay's amount changed since it was shown
        SemCaixa,       // the register refused (no single open shift)
    };
    Situacao situacao = Situacao::ValorInvalido;
    bool fechada() const { return situacao == Situacao::Fechada; }
    QString mensagem;           // the refusal's text
    Mensagem::Tipo tipo = Mensagem::Tipo::Aviso;
    Conta conta;                // as computed in the transaction (ValorAlterado: the new amount)
    qint64 idNota = 0;          // the on-account bill created
    bool notasPendentes = false;
    QStringList avisos;         // information after the commit: deposit, boleto withdrawals
};

// The whole confirmation in one transaction on `c` (see the top of this file).
Resultado confirmar(ConexaoBanco &c, const Fechamento &f);

// FORMA_PAG of a closed stay: the name of the only means it was paid with,
// "Diversas" for more than one, empty for none.
QString formaPagamento(const std::array<Dinheiro, kMeiosCaixa> &meios, Dinheiro deposito, Dinheiro boleto);

// The discount or addition of the payment screen, kept only while the stay
// is open; false when it is no longer open.
bool gravarAjuste(ConexaoBanco &c, qint64 idEntrada, Dinheiro desconto, Dinheiro acrescimo);
Dinheiro lerDesconto(ConexaoBanco &c, qint64 idEntrada);
Dinheiro lerAcrescimo(ConexaoBanco &c, qint64 idEntrada);
// The manual invoice flag (hotel mode, after the check-out).
void marcarNF(ConexaoBanco &c, qint64 idEntrada);

} // namespace Saida
