#pragma once
// "Fornecedores": the supplier list with its filters, orders and deletion.
#include "base/TelaLista.h"

#include <QDialog>

class QLabel;
class QPushButton;
class QTableView;

class TFrmFornecedores : public QDialog {
    Q_OBJECT
public:
    explicit TFrmFornecedores(QWidget *parent = nullptr);

    // The mode handed to the record screen: "I" new, "A" alter, "V" view.
    QString OP;

    QLabel *imgCabecalho;
    TelaLista *lista;
    QTableView *dbgFornecedores;
    QPushButton *btnNovo;
    QPushButton *btnAlterar;
    QPushButton *btnExcluir;
    QPushButton *btnFiltros;
    QPushButton *btnSair;

public slots:
    void btnNovoClick();
    void btnAlterarClick();
    void btnExcluirClick();
    void btnFiltrosClick();
    void btnSairClick();
    void dbgFornecedoresDblClick();

private:
    int abrirCadastro();
    void aplicarBotoes();
};

extern TFrmFornecedores *FrmFornecedores;

// Opens the supplier list (ribbon and the registry hub).
void abrirFornecedores();
