#pragma once
// "Operações Financeiras": money taken out of the open shift ("Retirar") or
// put into it outside any sale ("Adicionar"), one means of payment at a time,
// with the reason of the operation. Reached from the shift list, which it
// reloads after each booking; "A Prazo" opens the on-account bills.
#include "finance/ControleCaixa.h"

#include <QDialog>
#include <QList>
#include <functional>
#include <optional>

class QButtonGroup;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;

class TFrmRetiraDinheiro : public QDialog {
    Q_OBJECT
public:
    explicit TFrmRetiraDinheiro(QWidget *parent = nullptr);

    // The on-account bills screen, set by the subsystem that has it; while it
    // is not set "A Prazo" is disabled.
    static std::function<void()> abrirNotas;
    // The cash list reloads after an operation, set by the list.
    static std::function<void()> recarregarLista;

    QLabel *lblOp;               // "Adicionar " / "Retirar " and the means chosen
    QPushButton *btnAPrazo;
    QPushButton *btnAdicionar;
    QPushButton *btnRetirar;
    QGroupBox *rgMeios;
    QList<QRadioButton *> rbMeios; // the seven means in the order of meiosCaixa()
    QLineEdit *edtValor;         // "Valor:"
    QPlainTextEdit *mmObs;       // "Observações:"
    QPushButton *btnConfirmar;
    QPushButton *btnCancelar;

    // The means chosen; nullopt when none.
    std::optional<MeioCaixa> meioEscolhido() const;

public slots:
    void btnAPrazoClick();
    void btnAdicionarClick();
    void btnRetirarClick();
    void rgMeiosClick();
    void btnConfirmarClick();
    void btnCancelarClick();

protected:
    bool event(QEvent *e) override;
    bool eventFilter(QObject *o, QEvent *e) override;

private:
    void escolherOperacao(const QString &palavra);
    QButtonGroup *m_grupo;
    bool m_confirmando = false;
    bool m_concluida = false;
};

extern TFrmRetiraDinheiro *FrmRetiraDinheiro;
