#pragma once
// "Funcionários": the live employees in their financial status colours, with
// the filter panel, the order by code, the record screen for new, altered
// and viewed employees, deletion through the deletion register and the
// employee report preset to the current employee. New, alter and delete are
// offered only to users with MOVIMENTOS or on a workstation with Permitido.
#include "base/TelaLista.h"

#include <QDialog>

class QLabel;
class QPushButton;
class QTableView;
class QToolButton;

class TFrmFuncionarios : public QDialog {
    Q_OBJECT
public:
    explicit TFrmFuncionarios(QWidget *parent = nullptr);

    // Mode for the record screen: "I" new, "A" alter, "V" view.
    QString OP;

    QLabel *imgCabecalho;
    TelaLista *lista;
    QTableView *dbgFuncionarios;
    QPushButton *btnIncluir;
    QPushButton *btnFiltros;
    QPushButton *btnAlterar;
    QPushButton *btnExcluir;
    QPushButton *btnImprimir;
    QPushButton *btnFechar;
    QToolButton *btnBuscar;       // the filter panel's search button
    QLabel *lblFecharFiltro;      // "x"
    QLabel *lblAtrasado;          // legend
    QLabel *lblOk;
    QLabel *lblAVencer;

    ModeloConsulta *tFuncionarios() const { return lista->modelo(); }

public slots:
    void btnIncluirClick();
    void btnAlterarClick();
    void btnExcluirClick();
    void btnFiltrosClick();
    void btnImprimirClick();
    void btnFecharClick();
    void dbgFuncionariosDblClick();

protected:
    void showEvent(QShowEvent *e) override;
    bool eventFilter(QObject *o, QEvent *e) override;

private:
    int abrirCadastro();
    bool m_mostrada = false;
};

extern TFrmFuncionarios *FrmFuncionarios;

// Opens the employee list (ribbon, registry hub, employee payments).
void abrirFuncionarios(QWidget *parent = nullptr);
