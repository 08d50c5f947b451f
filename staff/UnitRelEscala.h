#pragma once
// "Relatório - Escala de Trabalho": the choice of a schedule and its printed
// periods, grouped by start date.
#include <QDialog>

class QComboBox;
class QLabel;
class QPushButton;

class TFrmRelEscala : public QDialog {
    Q_OBJECT
public:
    explicit TFrmRelEscala(QWidget *parent = nullptr);

    QLabel *imgCabecalho;
    QComboBox *cbEscala;
    QPushButton *btnImprimir;
    QPushButton *btnSair;

    // The chosen schedule's key (0: none) and the lookup's text ("12/NOITE").
    qint64 chaveEscolhida() const;
    QString textoEscolha() const;

public slots:
    void btnImprimirClick();
    void btnSairClick();

protected:
    void showEvent(QShowEvent *e) override;
    void changeEvent(QEvent *e) override;
};

extern TFrmRelEscala *FrmRelEscala;

void abrirRelEscala();
