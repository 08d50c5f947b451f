#pragma once
// The CST / CSOSN lookup of the product record (table CST).
#include "restaurant/UnitConsultaFiscal.h"

class TFrmCST : public TFrmConsultaFiscal {
public:
    explicit TFrmCST(QWidget *parent = nullptr);

    // The table's definition (columns, order) of this lookup.
    static const ConsultaFiscal::Definicao &definicao();
};

extern TFrmCST *FrmCST;
