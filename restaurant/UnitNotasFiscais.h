#pragma once
// "Notas Fiscais": the invoices of the stays marked for one and those typed
// by hand, with the entry panel of a new hand-typed invoice and its deletion.
#include "base/TelaLista.h"

#include <QDialog>

class QComboBox;
class QDateEdit;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableView;

class TFrmNotasFiscais : public QDialog {
    Q_OBJECT
public:
    explicit TFrmNotasFiscais(QWidget *parent = nullptr);

    QLabel *imgCabecalho;
    TelaLista *lista;
    QTableView *dbgNF;
    QPushButton *btnNovo;    // "Nova Nota Fiscal"
    QPushButton *btnExcluir; // "Excluir Nota Fiscal"
    QPushButton *btnSair;
    // The entry panel "Informe os dados da Nota Fiscal".
    QGroupBox *pnlNota;
    QComboBox *cbCliente;
    QLineEdit *edtHospedes;
    QDateEdit *dtEntrada;
    QDateEdit *dtSaida;
    QComboBox *cbUH;
    QLineEdit *edtValor;
    QPushButton *btnConfirmar;
    QPushButton *btnCancelar;

    ModeloConsulta *tWalkIn() const { return lista->modelo(); }

public slots:
    void btnNovoClick();
    void btnExcluirClick();
    void btnConfirmarClick();
    void btnCancelarClick();
    void btnSairClick();

protected:
    void showEvent(QShowEvent *e) override;
    bool eventFilter(QObject *o, QEvent *e) override;

private:
    // Opens the list again with the last row current.
    void reabrir();

    bool m_mostrada = false;
};

extern TFrmNotasFiscais *FrmNotasFiscais;

void abrirNotasFiscais();
