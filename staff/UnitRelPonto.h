#pragma once
// "Relatório de Livro de Ponto": one employee's punched days of a period
// with the turns, the hours worked and owed and the balance of each day, and
// the period's totals with the employee's signature line; optionally only
// the totals, or every row counted at its expected time ("Completo").
#include "staff/PontoRelatorio.h"

#include <QDialog>

class QCheckBox;
class QComboBox;
class QDateEdit;
class QLabel;
class QPushButton;

class TFrmRelPonto : public QDialog {
    Q_OBJECT
public:
    explicit TFrmRelPonto(QWidget *parent = nullptr);

    QLabel *imgCabecalho;
    QComboBox *cbFuncionario;        // "Funcionário:" ("SELECIONE UM FUNCIONÁRIO" while empty)
    QDateEdit *dtInicio;             // "De:"
    QDateEdit *dtFim;                // "Até:"
    QCheckBox *chkTotalizadores;     // "Mostrar Apenas Totalizadores"
    QCheckBox *chkCompleto;          // "Completo"
    QPushButton *btnImprimir;

    // The chosen employee's key (0: none) and the printing choices.
    qint64 funcionarioEscolhido() const;
    void escolherFuncionario(qint64 chave);
    PontoRelatorio::Opcoes opcoes() const;

public slots:
    void btnImprimirClick();

protected:
    void showEvent(QShowEvent *e) override;
    bool event(QEvent *e) override;
};

extern TFrmRelPonto *FrmRelPonto;

// Opens the report (the ribbon's report entry "Livro de Ponto").
void abrirRelPonto(QWidget *parent = nullptr);
