#pragma once
// The tax-code lookup screen of the product record: one screen over one
// official code table, given by its definition (ConsultaFiscal::Definicao:
// table, columns, captions, order, what a pick hands over). TFrmCST, TFrmNCM
// and TFrmCEST, declared below, are this screen with their own tables.
#include "restaurant/ConsultaFiscal.h"

#include <QDialog>
#include <functional>

class QLineEdit;

namespace ConsultaFiscal {
// The product record's fields a pick fills.
enum class Campo { CST, NCM, CEST };
// The open product record's field, or nullptr while no record is open; set
// by the product record.
extern std::function<QLineEdit *(Campo)> campoDoRegistro;
} // namespace ConsultaFiscal

class TFrmConsultaFiscal : public QDialog {
    Q_OBJECT
public:
    // `campo`: the product record's edit a pick fills.
    TFrmConsultaFiscal(const ConsultaFiscal::Definicao &definicao, ConsultaFiscal::Campo campo,
                       QWidget *parent = nullptr);

    ConsultaFiscal::Corpo *consulta;

public slots:
    // Double click or Enter on a row: with the product record open, its
    // field receives the row's code and the lookup closes; otherwise nothing
    // happens.
    void dbgEscolher();

protected:
    void showEvent(QShowEvent *e) override;

private:
    const ConsultaFiscal::Definicao &m_def;
    ConsultaFiscal::Campo m_campo;
    bool m_mostrada = false;
};

// The CST / CSOSN lookup of the product record (table CST).
class TFrmCST : public TFrmConsultaFiscal {
public:
    explicit TFrmCST(QWidget *parent = nullptr);

    // The table's definition (columns, order) of this lookup.
    static const ConsultaFiscal::Definicao &definicao();
};

extern TFrmCST *FrmCST;

// The NCM lookup of the product record (table TIPI, about 10,000 codes).
class TFrmNCM : public TFrmConsultaFiscal {
public:
    explicit TFrmNCM(QWidget *parent = nullptr);

    // The table's definition (columns, order) of this lookup.
    static const ConsultaFiscal::Definicao &definicao();
};

extern TFrmNCM *FrmNCM;

// The CEST lookup of the product record (table TAB_CEST).
class TFrmCEST : public TFrmConsultaFiscal {
public:
    explicit TFrmCEST(QWidget *parent = nullptr);

    // The table's definition (columns, order) of this lookup.
    static const ConsultaFiscal::Definicao &definicao();
};

extern TFrmCEST *FrmCEST;
