#pragma once
// The new-message notice of the chat: slides in once while unread messages
// wait; a click opens the chat window.
#include <QDialog>

class QLabel;

class TFrmAlerta : public QDialog {
    Q_OBJECT
public:
    explicit TFrmAlerta(QWidget *parent = nullptr);

    QLabel *imgAlerta;
    QLabel *lblRecebeu; // "Você Recebeu uma nova"
    QLabel *lblMensagem; // "Mensagem"

public slots:
    // The picture: the chat window opens, the notice closes after it.
    void imgAlertaClick();
    // The text: the notice closes, then the chat window opens.
    void lblRecebeuClick();

protected:
    bool eventFilter(QObject *o, QEvent *e) override;
};

extern TFrmAlerta *FrmAlerta;
