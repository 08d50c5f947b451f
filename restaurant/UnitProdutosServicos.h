#pragma once
// "Produtos e Serviços": the list of live products and services with its
// filter panel, orders, soft deletion, stock purchase entry and the record
// screen for new, altered and viewed products. New, alter, delete and
// purchase are offered only to users with the right MOVIMENTOS. The standard
// nightly-rate service (key 1, "DIARIA") is never altered or deleted.
#include "base/TelaLista.h"

#include <QDialog>

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableView;
class QToolButton;

class TFrmProdutosServicos : public QDialog, public ListaCadastro {
    Q_OBJECT
public:
    explicit TFrmProdutosServicos(QWidget *parent = nullptr);

    QLabel *imgCabecalho;
    QTableView *dbgPS;
    QPushButton *btnNovo;
    QPushButton *btnAlterar;
    QPushButton *btnExcluir;
    QPushButton *btnCompra;
    QPushButton *btnFiltros;
    QPushButton *btnSair;
    QToolButton *btnBuscar;       // the filter panel's search button
    QToolButton *btnFecharFiltro; // "x"
    // Purchase panel
    QGroupBox *pnlCompra;
    QComboBox *cbProduto;
    QLineEdit *edtQuantidade;
    QPushButton *btnConfirmarCompra;
    QPushButton *btnCancelarCompra;

    ModeloConsulta *tPS() const { return lista->modelo(); }

    // Runs the filter panel's search (Enter in its text, the search button).
    void buscar();

public slots:
    void btnNovoClick();
    void btnAlterarClick();
    void btnExcluirClick();
    void btnCompraClick();
    void btnConfirmarCompraClick();
    void btnCancelarCompraClick();
    void btnFiltrosClick();
    void btnSairClick();
    void dbgPSDblClick();

protected:
    void showEvent(QShowEvent *e) override;
    int abrirCadastro();
    bool eventFilter(QObject *o, QEvent *e) override;

private:
    void carregarProdutosCompra();
    void fecharCompra();
    bool valorEscolhido() const;

    bool m_mostrada = false;
};

extern TFrmProdutosServicos *FrmProdutosServicos;

// Opens the product list (ribbon, registry hub).
void abrirProdutosServicos();
