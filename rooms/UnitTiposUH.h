#pragma once
// "Tipos das Unidades Habitacionais": the room types with their rates and
// their count of live rooms, filters, orders and deletion. In motel mode the
// rate columns are "Inicial", "Excedente" and "Pernoite" and the fourth rate
// is hidden. Without the right MOVIMENTOS the list only shows (a double click
// still opens a type to view).
#include "base/TelaLista.h"

#include <QDialog>

class QLabel;
class QPushButton;
class QTableView;

class TFrmTiposUH : public QDialog {
    Q_OBJECT
public:
    explicit TFrmTiposUH(QWidget *parent = nullptr);

    // The mode handed to the edit screen: "I" new, "A" alter, "V" view;
    // emptied when an edit is cancelled.
    QString OP;

    QLabel *imgCabecalho;
    TelaLista *lista;
    QTableView *dbgTipoUH;
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
    void dbgTipoUHDblClick();

protected:

private:
    int abrirCadastro();
};

extern TFrmTiposUH *FrmTiposUH;

// Opens the type list (ribbon, room edit screen, reservation and stay forms).
void abrirTiposUH();
