#pragma once
// The new-message notice of the chat: slides in once while unread messages
// wait; a click opens the chat window.
#include <QDialog>

class QLabel;

class TFrmAlerta : public QDialog {
    Q_OBJECT
public:
    explicit TFrmAlerta(QWidget *parent = nullptr);

    QLabel *Image1;
    QLabel *Label1; // "Você Recebeu uma nova"
    QLabel *Label2; // "Mensagem"

public slots:
    // The picture: the chat window opens, the notice closes after it.
    void Image1Click();
    // The text: the notice closes, then the chat window opens.
    void Label1Click();

protected:
    bool eventFilter(QObject *o, QEvent *e) override;
};

extern TFrmAlerta *FrmAlerta;
