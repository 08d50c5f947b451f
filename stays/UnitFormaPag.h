#pragma once
// "Forma de Pagamento": the last step of a check-out. The clerk splits the
// amount due over up to ten means (eight booked into the shift and the stay,
// a bank deposit and a boleto recorded as withdrawals), may give a discount or
// an addition, and confirms; the check-out itself is Saida::confirmar.
//
// Opened by the stay form's "Fechar Conta (Walk-Out)" through
// FormaPag::fecharConta, which asks the check-out question first and, after
// a confirmed payment, offers the statement (hotel mode) and closes the form.
#include "base/Dinheiro.h"
#include "stays/Saida.h"

#include <QDateTime>
#include <QDialog>
#include <QList>

class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class TFrmCadWalkIn;
class ContextoListaEstadias;

namespace FormaPag {

// What the stay form hands to the payment screen.
struct Contexto {
    qint64 idEntrada = 0;
    Dinheiro restante;     // ValorRestante: total minus advance, with its sign
    QDateTime saida;       // the departure boxes
    QString obs;
    QString cliente;       // selector texts (log line)
    QString uh;
    ContextoListaEstadias *lista = nullptr; // reloaded after the check-out
};

// "Fechar Conta (Walk-Out)" of the stay form: the question, the payment
// screen and, when the check-out is done, the statement and the form closed.
void fecharConta(TFrmCadWalkIn &form);

} // namespace FormaPag

class TFrmFormaPag : public QDialog {
    Q_OBJECT
public:
    explicit TFrmFormaPag(const FormaPag::Contexto &contexto, QWidget *parent = nullptr);

    // The amount the boxes must add up to (after discount or addition).
    Dinheiro devido() const { return m_devido; }
    // The outcome of the last confirmation.
    const Saida::Resultado &resultado() const { return m_resultado; }

    QLabel *lblTitulo;
    QLabel *lblRestante;
    QFrame *pnlMeios;
    QList<QFrame *> faixas;     // the five bands
    QLineEdit *edtDinheiro;
    QLineEdit *edtVisa;
    QLineEdit *edtDebVisa;
    QLineEdit *edtMaster;
    QLineEdit *edtDebMaster;
    QLineEdit *edtHiper;
    QLineEdit *edtCheque;
    QLineEdit *edtNota;
    QLineEdit *edtDeposito;
    QLineEdit *edtBoleto;
    QList<QLineEdit *> edtMeios; // the ten boxes in screen order
    QList<QLabel *> lblMeios;    // their captions
    QLabel *lblTroco;
    QLabel *lblTotal;
    QPushButton *btnConfirmar;
    QPushButton *btnCancelar;
    QPushButton *btnDescontos;
    QFrame *pnlDescontos;
    QRadioButton *rbDesconto;
    QRadioButton *rbAcrescimo;
    QLineEdit *edtDesconto;
    QPushButton *btnConfirmarDesconto;
    QPushButton *btnFecharDesconto;

public slots:
    void btnConfirmarClick();
    void btnCancelarClick();
    void btnDescontosClick();
    void rbDescontoClick();
    void rbAcrescimoClick();
    void btnConfirmarDescontoClick();
    void edtDinheiroChange();
    void mostrarTotal();

protected:
    void showEvent(QShowEvent *e) override;
    bool eventFilter(QObject *o, QEvent *e) override;
    void reject() override;

private:
    void montar();
    void mostrarRestante();
    FormaPag::Contexto m_ctx;
    Dinheiro m_devido;
    Dinheiro m_desconto;
    Dinheiro m_acrescimo;
    Dinheiro m_troco;
    bool m_fechando = false;
    Saida::Resultado m_resultado;
};

extern TFrmFormaPag *FrmFormaPag;
