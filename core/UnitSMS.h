#pragma once
// Sending one SMS to a customer's mobile phone: a reservation confirmation
// (reservation list), a welcome or farewell (account statement) or a free
// message to the guest of a room (room map). The screen proposes the text
// and the numbers, counts the characters left and posts the request.
#include "core/SmsGateway.h"

#include <QDialog>
#include <QStringList>
#include <functional>
#include "core/EnvioSms.h"

class QLabel;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QPushButton;
class QGroupBox;

class TFrmEnvioSMS : public QDialog {
    Q_OBJECT
public:
    explicit TFrmEnvioSMS(const Sms::Contexto &contexto, QWidget *parent = nullptr);

    QLineEdit *edtDe;
    QLineEdit *edtPara;
    QPlainTextEdit *MemoMensagem;
    QLabel *Label9;        // characters left
    QListWidget *ListBox1; // the customer's numbers
    QLabel *Label4;        // "Mensagem já enviada a esse Cliente"
    QGroupBox *grpObservacao;
    QPlainTextEdit *MemoObs;
    QPushButton *btnConfirmar;
    QString AuxNome;

public slots:
    void FormShow();
    void atualizarContador();
    void ListBox1DblClick();
    void btnConfirmarClick();

protected:
    void showEvent(QShowEvent *e) override;

private:
    Sms::Contexto m_contexto;
    bool m_mostrada = false;
};

extern TFrmEnvioSMS *FrmEnvioSMS;

// The SMS screen, modal, for the given context.
void abrirEnvioSMS(const Sms::Contexto &contexto);
