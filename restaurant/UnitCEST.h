#pragma once
// The CEST lookup of the product record (table TAB_CEST).
#include "restaurant/UnitConsultaFiscal.h"

class TFrmCEST : public TFrmConsultaFiscal {
public:
    explicit TFrmCEST(QWidget *parent = nullptr);

    // The table's definition (columns, order) of this lookup.
    static const ConsultaFiscal::Definicao &definicao();
};

extern TFrmCEST *FrmCEST;
