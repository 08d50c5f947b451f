#pragma once
// "Relatório - Os Mais Mais": the seven ranking reports of a period, the
// guests ranking with phones, and the phone lines exported into a text box
// (rules in OsMaisMais).
#include "finance/OsMaisMais.h"

#include <QDialog>

class QCheckBox;
class QDateEdit;
class QPlainTextEdit;
class QProgressBar;
class QPushButton;
class QRadioButton;

class TFrmRelOsMaisMais : public QDialog {
    Q_OBJECT
public:
    explicit TFrmRelOsMaisMais(QWidget *parent = nullptr);

    QDateEdit *edtData1;
    QDateEdit *edtData2;
    QList<QRadioButton *> rbOpcoes;   // in the order of OsMaisMais::Opcao
    QCheckBox *chkTelefones;
    QPushButton *btnExportar;
    QPushButton *btnImprimir;
    QPushButton *btnSair;
    QProgressBar *pbExportar;
    QPlainTextEdit *mmTelefones;

    OsMaisMais::Opcao opcao() const;
    void escolher(OsMaisMais::Opcao o);

public slots:
    void btnImprimirClick();
    void btnExportarClick();

};

extern TFrmRelOsMaisMais *FrmRelOsMaisMais;

void abrirRelOsMaisMais();
