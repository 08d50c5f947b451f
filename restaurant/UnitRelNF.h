#pragma once
// "Relatório - Notas Fiscais": the invoices whose departure lies in a
// period, with their count and the total of the nights.
#include <QDialog>

class QDateEdit;
class QLabel;
class QPushButton;

class TFrmRelNF : public QDialog {
    Q_OBJECT
public:
    explicit TFrmRelNF(QWidget *parent = nullptr);

    QLabel *imgCabecalho;
    QDateEdit *dtDe;
    QDateEdit *dtAte;
    QPushButton *btnImprimir;
    QPushButton *btnSair;

public slots:
    void btnImprimirClick();
    void btnSairClick();

protected:
    void showEvent(QShowEvent *e) override;

private:
    bool m_mostrada = false;
};

extern TFrmRelNF *FrmRelNF;

void abrirRelNF();
