#pragma once
// "Pontos de Venda (PDV's)": the list of live points of sale with its filter
// panel, orders, deletion through the deletion register and the record
// screen for new, altered and viewed points of sale. New, alter and delete
// are offered only to users with the right MOVIMENTOS.
#include "base/TelaLista.h"

#include <QDialog>

class QLabel;
class QPushButton;
class QTableView;
class QToolButton;

class TFrmPDV : public QDialog, public ListaCadastro {
    Q_OBJECT
public:
    explicit TFrmPDV(QWidget *parent = nullptr);

    QLabel *imgCabecalho;
    QTableView *dbgPDV;
    QPushButton *btnNovo;
    QPushButton *btnAlterar;
    QPushButton *btnExcluir;
    QPushButton *btnFiltros;
    QPushButton *btnSair;
    QToolButton *btnBuscar;     // the filter panel's search button
    QToolButton *btnFecharFiltro; // "x"

    // The list's statement for the record screen's current row.
    ModeloConsulta *tPDV() const { return lista->modelo(); }

public slots:
    void btnNovoClick();
    void btnAlterarClick();
    void btnExcluirClick();
    void btnFiltrosClick();
    void btnSairClick();
    void dbgPDVDblClick();

protected:
    void showEvent(QShowEvent *e) override;
    int abrirCadastro();

private:
    bool m_mostrada = false;
};

extern TFrmPDV *FrmPDV;

// Opens the points-of-sale list (ribbon, registry hub, product record).
void abrirPDV();
