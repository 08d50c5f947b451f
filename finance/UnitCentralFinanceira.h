#pragma once
// "Central Financeira": a small launcher of the front desk's money screens
// (check-outs and statements, the cash register, the rooms' consumption,
// the employee payments).
// A bottom panel describes the button under the mouse.
#include <QDialog>
#include <QList>
#include <QString>
#include <functional>

class QLabel;
class QPushButton;

class TFrmCentralFinanceira : public QDialog {
    Q_OBJECT
public:
    explicit TFrmCentralFinanceira(QWidget *parent = nullptr);

    // The stay list in a mode ("Saída" check-out and statements, "Despesas"
    // consumption and changes), set by the subsystem that has it; while it
    // is not set the two buttons are disabled.
    static std::function<void(const QString &op)> abrirEstadias;
    // The employee payments screen, set by the staff subsystem; while it is
    // not set its button is disabled.
    static std::function<void()> abrirPagFuncionarios;

    QLabel *imgCabecalho;
    QLabel *lblEmpresa;      // the company name ("EMPRESA" until shown)
    QPushButton *btnSaidas;  // "Saídas (Walk-Out)"
    QPushButton *btnCaixa;
    QPushButton *btnDespesas; // "Despesas de UH"
    QPushButton *btnFechar;
    QPushButton *btnPagFuncionarios;
    // Kept hidden.
    QPushButton *btnCompras;
    QPushButton *btnCheques;
    QPushButton *btnContasPagar;
    QPushButton *btnContasReceber;
    QLabel *lblDescricao;    // "Selecione uma Opção" or the button's description

    // The description shown while the mouse is on a button.
    QString descricao(QPushButton *botao) const;

public slots:
    void btnSaidasClick();
    void btnCaixaClick();
    void btnDespesasClick();
    void btnFecharClick();
    void btnPagFuncionariosClick();

protected:
    void showEvent(QShowEvent *e) override;
    bool eventFilter(QObject *o, QEvent *e) override;

private:
    QList<QPair<QPushButton *, QString>> m_descricoes;
};

extern TFrmCentralFinanceira *FrmCentralFinanceira;

// The main window's operation that opens the launcher (no ribbon entry is
// bound to it).
void CentralFinanceira1Click();
