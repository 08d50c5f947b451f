#pragma once
// The application monitor: while active, lists every change of the
// foreground window of this workstation with the time of day.
#include <QDialog>
#include <functional>

class QPlainTextEdit;
class QPushButton;
class QTimer;

namespace Monitor {

// Title of the window in the foreground now (empty when it has none).
// Tests replace it.
extern std::function<QString()> tituloJanelaAtiva;
// The title as the desktop reports it, on X11 through xprop when present,
// otherwise the active window of this program.
QString tituloPadrao();

} // namespace Monitor

class TFrmMonitor : public QDialog {
    Q_OBJECT
public:
    explicit TFrmMonitor(QWidget *parent = nullptr);

    QPlainTextEdit *memAplicativos;
    QPushButton *btnAtivar;
    QPushButton *btnDesativar;
    QPushButton *btnFechar;
    QTimer *tmrMonitor;
    // The last window title listed.
    QString WindowOld;

public slots:
    void btnAtivarClick();
    void btnDesativarClick();
    void tmrMonitorTimer();

private:
    void adicionar(const QString &texto);
};

extern TFrmMonitor *FrmMonitor;

void abrirMonitorAplicativos();
