#pragma once
// The one place where cash comes into or goes out of the open cash-register
// shift (CAIXA.ATUAL of the single row whose DATA_FECHA is NULL).
//
// The change is one conditional UPDATE whose changed-row count is checked:
// it applies only when exactly one shift is open and, for a withdrawal, when
// the balance covers the amount; otherwise nothing changes. It runs in the
// caller's transaction when there is one (so the booking and the cash move
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

#include <QString>

struct ResultadoCaixa {
    bool sucesso = false;
    Mensagem::Tipo tipo = Mensagem::Tipo::Informacao;
    QString mensagem; // empty: nothing to show
    // Shows the message, if any.
    void mostrar() const;
};

namespace TextosCaixa {
inline const QString Sucesso = QStringLiteral("Operação Realizada com Sucesso, Saldo do CAIXA Atualizado!");
inline const QString SaldoInsuficiente = QStringLiteral("Saldo Insuficiente no CAIXA!");
// No open shift, or more than one: the cash has nowhere to go.
inline const QString SemCaixaUnico = QStringLiteral("Necessário Abrir o Caixa para Funcionamento do Sistema!");
} // namespace TextosCaixa

// tipo "+" (cash comes in) or "-" (cash goes out); valor as typed on screen
// in Brazilian notation ("1.234,56"); mostraSucesso "S" adds the success
// message. A tipo other than "+" or "-" is refused like an uncovered
// withdrawal. An unreadable or negative amount raises ErroConversao and
// changes nothing.
ResultadoCaixa ControleCaixa(const QString &tipo, const QString &valor, const QString &mostraSucesso);
ResultadoCaixa ControleCaixa(const QString &tipo, Dinheiro valor, const QString &mostraSucesso);
