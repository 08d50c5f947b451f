#pragma once
// The one place where money comes into or goes out of the open cash-register
// shift (the balances of the single CAIXA row whose DATA_FECHA is NULL).
//
// The change is one conditional UPDATE whose changed-row count is checked:
// it applies only when exactly one shift is open and, for a withdrawal, when
// the balance covers the amount; otherwise nothing changes. It runs in the
// caller's transaction when there is one (so the booking and the money move
// commit or roll back together), else in a transaction of its own.
//
// Messages are never shown from inside: the call returns its result with the
// message to show, and the caller shows it with mostrar() after its commit:
//
//     ResultadoCaixa caixa;
//     DM->Conexao.emTransacao([&] {
//         caixa = ControleCaixa("-", valor, "S");
//         if (!caixa.sucesso)
//             return;               // nothing was changed
//         ... the rest of the operation ...
//     });
//     caixa.mostrar();
//
// Session::CaixaSucesso receives the result of the last call; SaldoCaixa is
// true only inside a call, so it is always false afterwards.
#include "base/Dinheiro.h"
#include "base/Mensagem.h"

#include <QList>
#include <QString>

class ConexaoBanco;

struct ResultadoCaixa {
    // Why nothing changed.
    enum class Falha {
        Nenhuma,
        SemTurno,          // no open shift, or more than one
        SaldoInsuficiente, // a withdrawal above the balance
    };
    bool sucesso = false;
    Mensagem::Tipo tipo = Mensagem::Tipo::Informacao;
    QString mensagem; // empty: nothing to show
    Falha falha = Falha::Nenhuma;
    // Shows the message, if any.
    void mostrar() const;
};

namespace TextosCaixa {
inline const QString Sucesso = QStringLiteral("Operação Realizada com Sucesso, Saldo do CAIXA Atualizado!");
inline const QString SaldoInsuficiente = QStringLiteral("Saldo Insuficiente no CAIXA!");
// No open shift, or more than one: the money has nowhere to go.
inline const QString SemCaixaUnico = QStringLiteral("Necessário Abrir o Caixa para Funcionamento do Sistema!");
} // namespace TextosCaixa

// tipo "+" (cash comes in) or "-" (cash goes out); valor as typed on screen
// in Brazilian notation ("1.234,56"); mostraSucesso "S" adds the success
// message. A tipo other than "+" or "-" is refused like an uncovered
// withdrawal. An unreadable or negative amount raises ErroConversao and
// changes nothing.
ResultadoCaixa ControleCaixa(ConexaoBanco &conexao, const QString &tipo, const QString &valor, const QString &mostraSucesso);
ResultadoCaixa ControleCaixa(ConexaoBanco &conexao, const QString &tipo, Dinheiro valor, const QString &mostraSucesso);

// ---------------------------------------------------------------- every means

// The balances a shift keeps, one per means of payment, in the order of the
// finance screens; the amounts left on account ("A Prazo") come last.
enum class MeioCaixa { Dinheiro, CreditoVisa, DebitoVisa, CreditoMaster, DebitoMaster, Hipercard, PixChq, APrazo };
constexpr int kMeiosCaixa = 8;

struct DadosMeioCaixa {
    MeioCaixa meio;
    QString escolha; // caption on the screens: "Crédito - Visa"
    QString coluna;  // balance column of CAIXA: "ATUAL_CARTAO"
    QString tipo;    // TIPO of a withdrawal or addition, and its name in the log: "Cartão de Crédito - Visa"
    bool cartao;     // counted in "Total em Cartões"
    QString recusa;  // a withdrawal above the balance: "Valor Inexistente em Crédito - Visa!"
};

// The eight means in order (index = the enum's value).
const QList<DadosMeioCaixa> &meiosCaixa();
const DadosMeioCaixa &dadosMeio(MeioCaixa meio);

// The statement itself, on a given connection: adds to (entrada) or takes
// from the balance of `meio` of the single open shift; a withdrawal applies
// only while the balance covers it. Returns the rows changed (0 or 1).
int AtualizarSaldoCaixa(ConexaoBanco &conexao, MeioCaixa meio, bool entrada, Dinheiro valor);

// Any means, as ControleCaixa does for cash (cash goes through it): tipo "+"
// or "-", a positive amount. A refused withdrawal says "Valor Inexistente em "
// + the means' caption + "!" (cash: "Saldo Insuficiente no CAIXA!"); with no
// single open shift "Necessário Abrir o Caixa para Funcionamento do Sistema!".
// A negative amount raises ErroConversao and changes nothing.
ResultadoCaixa MovimentarCaixa(ConexaoBanco &conexao, MeioCaixa meio, const QString &tipo, Dinheiro valor,
                               const QString &mostraSucesso = QStringLiteral("N"));

// A bank deposit taken as payment: the money never passes through the
// register's cash; one RET_CAIXA row (type "Dinheiro", `descricao`, the logged
// login, now) and the log line "Retirou <valor> do Caixa em Dinheiro!
// (<descricao>)", in the caller's transaction.
void RegistrarDeposito(ConexaoBanco &conexao, Dinheiro valor, const QString &descricao);
// What the deposit's withdrawal says to the clerk.
inline const QString kMsgRetiradaDeposito = QStringLiteral("Retirada Automática de Deposito Realizada com Sucesso!");
