#pragma once
// Who is logged in on which workstation and what each is doing, from the
// presence table ONLINE, read again every second.
#include <QDialog>

class QPushButton;
class QTableView;
class QTimer;
class ModeloConsulta;

class TFrmOnline : public QDialog {
    Q_OBJECT
public:
    explicit TFrmOnline(QWidget *parent = nullptr);

    QTableView *grdOnline;
    ModeloConsulta *modelo;
    QPushButton *btnMonitor; // "Monitor de Aplicativos (Alpha)"
    QPushButton *btnSair;
    QTimer *tmrAtualizar;

public slots:
    void FormShow();
    void tmrAtualizarTimer();
    void btnMonitorClick();

protected:
    void showEvent(QShowEvent *e) override;
};

extern TFrmOnline *FrmOnline;

// The online-users screen, modal.
void abrirUsuariosOnline();
