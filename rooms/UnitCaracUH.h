#pragma once
// "Características das Unidades Habitacionais": the list of room-type
// characteristics with their symbols, filters, orders and deletion.
#include "base/TelaLista.h"

#include <QDialog>

class QLabel;
class QPushButton;
class QTableView;

class TFrmCaracUH : public QDialog {
    Q_OBJECT
public:
    explicit TFrmCaracUH(QWidget *parent = nullptr);

    // The mode handed to the edit screen: "I" new, "A" alter, "V" view;
    // emptied when an edit is cancelled.
    QString OP;

    QLabel *imgCabecalho;
    TelaLista *lista;
    QTableView *dbgCarac;
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
    void dbgCaracDblClick();

protected:

private:
    int abrirCadastro();
};

extern TFrmCaracUH *FrmCaracUH;

// Opens the characteristic list (ribbon and the type edit screen).
void abrirCaracUH();
