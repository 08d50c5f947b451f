#pragma once
// The reminders notice: a small red window that slides in while reminders
// are due. The user cannot close it; a click opens the reminders screen and
// the notice goes when that screen closes.
#include <QDialog>

class QLabel;

class TFrmAviso : public QDialog {
    Q_OBJECT
public:
    explicit TFrmAviso(QWidget *parent = nullptr);

    QLabel *imgAviso;
    QLabel *lblVerificar; // "VERIFICAR"
    QLabel *lblLembretes; // "LEMBRETES"

    bool podeFechar() const { return Fecha; }

public slots:
    // A click anywhere on the notice.
    void imgAvisoClick();

protected:
    void showEvent(QShowEvent *e) override;
    void closeEvent(QCloseEvent *e) override;
    void mousePressEvent(QMouseEvent *e) override;
    void reject() override;

private:
    bool Fecha = false;
};

// The notice on screen, or null.
extern TFrmAviso *FrmAviso;
