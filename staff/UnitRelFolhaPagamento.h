#pragma once
// "Folha de Pagamento": the monthly payroll sheet of every live employee, or
// the payslips ("Holerites") of the ticked employees for a month or a
// period, one or two copies, or two employees per preview ("2 a 2").
#include <QDialog>

class QCheckBox;
class QDateEdit;
class QGroupBox;
class QLabel;
class QListWidget;
class QPushButton;
class QRadioButton;
class QToolButton;

class TFrmRelFolhaPagamento : public QDialog {
    Q_OBJECT
public:
    explicit TFrmRelFolhaPagamento(QWidget *parent = nullptr);

    // The selected month: "1".."12" and four digits.
    QString Mes;
    QString Ano;

    QLabel *imgCabecalho;
    QLabel *lblMes;
    QToolButton *btnMesAnterior;
    QToolButton *btnMesSeguinte;
    QRadioButton *rbFuncionarios;
    QRadioButton *rbHolerites;
    QRadioButton *rbMensal;
    QRadioButton *rbPeriodo;
    QGroupBox *grpPeriodo;
    QDateEdit *dtpDe;
    QDateEdit *dtpAte;
    QCheckBox *chkMesAnterior;
    QCheckBox *chkDuasVias;
    QListWidget *lstFuncionarios; // checkable; each item carries the employee's key
    QPushButton *btnMarcar;       // "Desmarcar Todos" / "Marcar Todos"
    QPushButton *btnDoisADois;    // "Enviar para Impressora 2 a 2"
    QPushButton *btnImprimir;
    QPushButton *btnSair;

public slots:
    void btnImprimirClick();
    void btnDoisADoisClick();
    void btnMarcarClick();
    void btnSairClick();
    void btnMesAnteriorClick();
    void btnMesSeguinteClick();
    void opcaoMudou();
    void periodoMudou();

protected:
    void showEvent(QShowEvent *e) override;

private:
    void mostrarMes();
    void imprimirHolerites();
    bool m_mostrada = false;
};

extern TFrmRelFolhaPagamento *FrmRelFolhaPagamento;

void abrirRelFolhaPagamento();
