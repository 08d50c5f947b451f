#pragma once
// The splash screen: a picture with the version, a status line and a gauge
// that orders the start-up steps. Its timer moves the gauge one step per tick
// and runs the step of each position; a step that ends the program shows its
// message and closes the splash with Rejected.
#include "core/Inicializacao.h"

#include <QDialog>

class QLabel;
class QProgressBar;
class QTimer;
class QToolButton;

class TFrmSplash : public QDialog {
    Q_OBJECT
public:
    explicit TFrmSplash(Inicio::SequenciaInicio &sequencia, QWidget *parent = nullptr);

    // Runs the creation step and, when it passes, shows the splash until the
    // gauge reaches 100. Accepted: start-up goes on.
    int executar();

    QLabel *lblVersao;
    QLabel *lblData;
    QLabel *lblStatus;
    QProgressBar *Gauge1;
    QToolButton *imgFechar;
    QTimer *tmrInicio;

    // Pause after each action, in milliseconds.
    int pausaAcao = 100;

public slots:
    // One tick: acts on the gauge's position, then moves it one step forward.
    void tmrInicioTimer();
    void imgFecharClick();

protected:
    void showEvent(QShowEvent *e) override;

private:
    bool agir(int posicao);

    Inicio::SequenciaInicio &m_sequencia;
    bool m_exibido = false;
};

extern TFrmSplash *FrmSplash;
