#pragma once
// The ways into the fiscal-printer routines screen (TFrmRotinasFiscais), for
// the screens of other subsystems: the main window's "Impressora Fiscal", the
// statement's "Cupom Fiscal" and the counter sales' "Cupom Fiscal". Each
// opens the screen modally through base/Telas and frees it afterwards.
#include "restaurant/RotinasFiscais.h"

namespace RotinasFiscais {

// The daily routines only: no coupon panel, no lines.
void abrir();
// The coupon panel with the stay listed in "Hospedagens".
void abrirHospedagem(qint64 idEntrada);
// The coupon panel for one counter sale: `idVenda` is ID_DESPESA_AVULSA for
// a single-item sale, ID_V_DESPESA_AVULSA for a several-item sale.
void abrirDespesaAvulsa(TipoDespesaAvulsa tipo, qint64 idVenda);

} // namespace RotinasFiscais
