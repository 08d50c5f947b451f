#pragma once
// The database locator, shown when the workstation file is missing: it asks
// for the database file, writes its path as the only line of the workstation
// file and ends the program, which must then be started again. However the
// dialog closes, the program ends after it.
#include <QDialog>

class QLineEdit;
class QPushButton;
class QToolButton;

class TFrmLocalizaBD : public QDialog {
    Q_OBJECT
public:
    explicit TFrmLocalizaBD(QWidget *parent = nullptr);

    QLineEdit *edtCaminho;
    QToolButton *btnProcurar;
    QPushButton *btnConfirmar;
    QPushButton *btnCancelar;

    // Where the workstation file is written (beside the executable).
    QString arquivoParam;

public slots:
    void edtCaminhoExit();
    void btnProcurarClick();
    void btnConfirmarClick();
    void btnCancelarClick();

protected:
    bool eventFilter(QObject *o, QEvent *e) override;
};

extern TFrmLocalizaBD *FrmLocalizaBD;
