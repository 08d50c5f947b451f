#pragma once
// Money that reaches a stay: one amount per means of payment, booked into the
// open cash-register shift and into the stay's column of that means (WALK_IN:
// DINHEIRO, VISA, DEBVISA, MASTER, DEBMASTER, HIPER, CHEQUE, NOTA). Advances,
// consumption paid at once and the check-out all book through here.
//
// Every call runs in the caller's transaction (a transaction of its own when
// there is none). A refusal of the register throws RecusaCaixa, so the
// caller's whole operation rolls back; the caller shows its message after the
// rollback:
//
//     try {
//         DM->Conexao.emTransacao([&] {
//             Pagamentos::lancar(DM->Conexao, idEntrada, valores, true);
//             ... the rest of the operation ...
//         });
//     } catch (const Pagamentos::RecusaCaixa &r) {
//         r.caixa.mostrar();
//     }
#include "base/Dinheiro.h"
#include "finance/ControleCaixa.h"

#include <QList>
#include <QString>
#include <array>

class ConexaoBanco;

namespace Pagamentos {

// The stay's column of a means ("NOTA" for A Prazo).
QString colunaEstadia(MeioCaixa meio);

// The amounts of one payment, per means in the order of MeioCaixa, and a
// bank deposit (booked apart: it never stays in the register's cash).
struct Valores {
    std::array<Dinheiro, kMeiosCaixa> meio{};
    Dinheiro deposito;

    Dinheiro &operator[](MeioCaixa m) { return meio[size_t(m)]; }
    Dinheiro operator[](MeioCaixa m) const { return meio[size_t(m)]; }
    // All means and the deposit.
    Dinheiro total() const;
    // True when some amount is negative.
    bool negativo() const;
};

// The register refused a booking; nothing of the operation was written.
struct RecusaCaixa {
    ResultadoCaixa caixa;
    bool estadia = false; // estornar: the stay's paid columns did not cover it (the register did)
};

// The description of a deposit's withdrawal row and log line.
inline const QString DescricaoDeposito = QStringLiteral("Pagamento de Hospedagem - Depósito em Conta");

// Books every non-zero means into the open shift (MovimentarCaixa "+") and
// into the stay's column; A Prazo goes to the shift's on-account balance and
// the stay's NOTA. A deposit never reaches the register's cash: it is
// recorded by RegistrarDeposito (a RET_CAIXA row and its log line) and needs
// an open shift like any booking. When `adiantado`, the stay's ADIANTADO grows
// by the total of the means and the deposit. Throws RecusaCaixa when the
// register refuses (no open shift), ErroConversao for a negative amount.
void lancar(ConexaoBanco &c, qint64 idEntrada, const Valores &v, bool adiantado);

// The reverse of lancar for some means (a consumption line paid at once that
// is removed, a payment redistributed): each amount leaves the shift and the
// stay's column (and ADIANTADO when `adiantado`), only while they cover it.
// A deposit already went to the bank: it is not taken back, and `v.deposito`
// is ignored. Throws RecusaCaixa when the register or the stay does not cover
// it.
void estornar(ConexaoBanco &c, qint64 idEntrada, const Valores &v, bool adiantado);

} // namespace Pagamentos
