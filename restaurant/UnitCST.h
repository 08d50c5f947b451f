#pragma once
// The CST / CSOSN lookup of the product record (table CST).
#include "restaurant/ConsultaFiscal.h"

#include <QDialog>

class TFrmCST : public QDialog {
    Q_OBJECT
public:
    explicit TFrmCST(QWidget *parent = nullptr);

    ConsultaFiscal::Corpo *consulta;

    // The table's definition (columns, order) of this lookup.
    static const ConsultaFiscal::Definicao &definicao();

public slots:
    // Double click or Enter on a row: with the product record open, its
    // CST/CSOSN field receives the row's code and the lookup closes; otherwise
    // nothing happens.
    void dbgEscolher();

protected:
    void showEvent(QShowEvent *e) override;

private:
    bool m_mostrada = false;
};

extern TFrmCST *FrmCST;
