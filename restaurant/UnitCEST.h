#pragma once
// The CEST lookup of the product record (table TAB_CEST).
#include "restaurant/ConsultaFiscal.h"

#include <QDialog>

class TFrmCEST : public QDialog {
    Q_OBJECT
public:
    explicit TFrmCEST(QWidget *parent = nullptr);

    ConsultaFiscal::Corpo *consulta;

    // The table's definition (columns, order) of this lookup.
    static const ConsultaFiscal::Definicao &definicao();

public slots:
    // Double click or Enter on a row: with the product record open, its
    // CEST field receives the row's code and the lookup closes; otherwise
    // nothing happens.
    void dbgEscolher();

protected:
    void showEvent(QShowEvent *e) override;

private:
    bool m_mostrada = false;
};

extern TFrmCEST *FrmCEST;
