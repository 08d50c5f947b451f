#pragma once
// The NCM lookup of the product record (table TIPI, about 10,000 codes).
#include "restaurant/UnitConsultaFiscal.h"

class TFrmNCM : public TFrmConsultaFiscal {
public:
    explicit TFrmNCM(QWidget *parent = nullptr);

    // The table's definition (columns, order) of this lookup.
    static const ConsultaFiscal::Definicao &definicao();
};

extern TFrmNCM *FrmNCM;
