#pragma once
// "Extrato de UH": the period's takings room by room (rules in ExtratoUH).
#include <QDialog>

class QDateEdit;
class QGroupBox;
class QLabel;
class QPushButton;

class TFrmRelExtratoUH : public QDialog {
    Q_OBJECT
public:
    explicit TFrmRelExtratoUH(QWidget *parent = nullptr);

    QLabel *imgCabecalho;
    QGroupBox *grpOpcoes;
    QDateEdit *edtData1;
    QDateEdit *edtData2;
    QLabel *lblNota;
    QPushButton *btnImprimir;
    QPushButton *btnSair;

public slots:
    void btnImprimirClick();
    void btnSairClick();
};

extern TFrmRelExtratoUH *FrmRelExtratoUH;

void abrirRelExtratoUH(QWidget *parent = nullptr);
