#pragma once
// "Cheques": the register of cheques written and received, with the ten
// filters, clearing, passing on and voiding.
#include "base/TelaLista.h"
#include "finance/Cheques.h"

#include <QDialog>

class QComboBox;
class QDateEdit;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QTableView;
class QToolButton;

class TFrmCheques : public QDialog {
    Q_OBJECT
public:
    explicit TFrmCheques(QWidget *parent = nullptr);

    // The mode handed to the edit screen: "I" new, "A" alter, "V" view.
    QString OP;

    QLabel *imgCabecalho;
    TelaLista *lista;
    QTableView *grdCheques;
    QPushButton *btnNovo;
    QPushButton *btnAlterar;
    QPushButton *btnExcluir;
    QPushButton *btnLocalizar;
    QPushButton *btnCompensar;
    QPushButton *btnRepassar;
    QPushButton *btnSair;
    // Filters.
    QGroupBox *pnlFiltros;
    QList<QRadioButton *> rbFiltros; // in the order of Cheques::Filtro
    QLineEdit *edtFiltro;
    QDateEdit *dtpFiltro;
    QComboBox *cbFiltroCliente;
    QComboBox *cbFiltroFornecedor;
    QToolButton *btnAplicar;
    QToolButton *btnFecharFiltro;
    // Clearing and passing on.
    QGroupBox *pnlData;
    QDateEdit *dtpData;
    QPushButton *btnDataOK;
    QGroupBox *pnlRepasse;
    QLineEdit *edtRepassar;
    QPushButton *btnRepasseOK;

    Cheques::Filtro filtroAtual() const;

public slots:
    void btnNovoClick();
    void btnAlterarClick();
    void btnExcluirClick();
    void btnLocalizarClick();
    void btnCompensarClick();
    void btnRepassarClick();
    void btnSairClick();
    void grdChequesDblClick();
    void btnDataOKClick();
    void btnRepasseOKClick();
    void btnAplicarClick();
    void escolherFiltro(Cheques::Filtro f);

protected:
    bool eventFilter(QObject *o, QEvent *e) override;

private:
    int abrirCadastro();
    void linhaMudou();
    void moverFiltro(int passo);
    void esconderPaineis();
};

extern TFrmCheques *FrmCheques;

// Opens the cheque list (ribbon "Cheques").
void abrirCheques();
