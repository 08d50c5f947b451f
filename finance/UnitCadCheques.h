#pragma once
// "Novo Cheque" / "Alterar Cheque" / "Ver Cheque": one cheque of the
// register, opened by the cheque list in the list's mode.
#include "base/TelaEdicao.h"
#include "finance/Cheques.h"

#include <QDialog>

class QComboBox;
class QDateEdit;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

// The cheque the list is on, as the edit screen shows it for alter and view.
struct ChequeAtual {
    qint64 chave = 0;
    Cheques::Dados dados;
    QDate compensacao;
};

class TFrmCadCheques : public QDialog {
    Q_OBJECT
public:
    // `op`: "I" new, "A" alter, "V" view (the list's OP, emptied by
    // "Cancelar"); `atual`: the list's current cheque (alter and view).
    TFrmCadCheques(QString &op, const ChequeAtual &atual = {}, QWidget *parent = nullptr);

    QLabel *imgCabecalho;
    QLabel *lblTitulo;
    QRadioButton *rbEmitido;
    QRadioButton *rbRecebido;
    QDateEdit *edtEmissao;
    QDateEdit *edtPredatado;
    QLineEdit *edtConta;
    QLineEdit *edtNumero;
    QLineEdit *edtBanco;
    QComboBox *cbCliente;
    QComboBox *cbFornecedor;
    QLineEdit *edtTitular;
    QLineEdit *edtValor;
    QLineEdit *edtHistorico;
    QLabel *lblCompensacao;
    QDateEdit *edtCompensacao;
    QPushButton *btnConfirmar;
    QPushButton *btnCancelar;

    // The key of the last cheque stored by this screen (0: none).
    qint64 chaveGravada() const { return m_gravada; }

public slots:
    void btnConfirmarClick();
    void btnCancelarClick();
    void rbEmitidoClick();
    void rbRecebidoClick();

protected:
    void showEvent(QShowEvent *e) override;
    bool eventFilter(QObject *o, QEvent *e) override;

private:
    void carregarPartes();
    void escolher(QComboBox *cb, qint64 chave);
    qint64 parteEscolhida() const;
    void limpar();

    QString &m_op;
    ModoEdicao m_modo;
    ChequeAtual m_atual;
    qint64 m_gravada = 0;
};

extern TFrmCadCheques *FrmCadCheques;
