#pragma once
// The shift form: "Nova Abertura" opens a shift dated today with the balances
// carried over from the newest shift (shown, not typed); "Alterar Caixa"
// shows the current shift and only checks its date; "Ver Caixa" shows a
// shift, with its closing date and total when it is closed.
#include <QDate>
#include <QDialog>
#include <QList>
#include <QString>
#include <functional>

class QDateEdit;
class QLabel;
class QLineEdit;
class QMenuBar;
class QPushButton;
class QWidget;

class TFrmCadCaixa : public QDialog {
    Q_OBJECT
public:
    // op: the list's OP ("I", "A" or "V"); idCaixa: the shift shown in "A" and "V".
    explicit TFrmCadCaixa(const QString &op, qint64 idCaixa = 0, QWidget *parent = nullptr);

    // What the cash list does for this form, set by the list: show every
    // shift again, and forget the operation chosen when the form is cancelled.
    static std::function<void()> mostrarTodosNaLista;
    static std::function<void()> cancelarNaLista;

    QLabel *lblTitulo;          // "Nova Abertura", "Alterar Caixa", "Ver Caixa"
    QLabel *lblCodigo;          // "O Código será Atribuído Automáticamente"
    QWidget *pnlDados;
    QDateEdit *edtDataAbert;    // "Data de Abertura:"
    QLineEdit *edtValorDinheiro;
    QLineEdit *edtValorVisa;
    QLineEdit *edtValorDebVisa;
    QLineEdit *edtValorMaster;
    QLineEdit *edtValorDebMaster;
    QLineEdit *edtValorHiper;
    QLineEdit *edtValorCheque;
    QLineEdit *edtValorNotas;
    QLabel *lblDataFecha;
    QDateEdit *edtDataFecha;    // "Data de Fechamento:"
    QLabel *lblValor2;
    QLineEdit *edtValor2;       // "Saldo no Fechamento:  R$"
    QPushButton *btnConfirmar;
    QPushButton *btnCancelar;
    QMenuBar *menuAtalhos;

    const QString &op() const { return m_op; }

public slots:
    void btnConfirmarClick();
    void btnCancelarClick();

protected:
    void showEvent(QShowEvent *e) override;
    bool event(QEvent *e) override;

private:
    void preencher();
    QString m_op;
    qint64 m_id;
    QDate m_dataAtual; // the shown shift's opening date ("A", "V")
    bool m_confirmando = false;
    bool m_aberto = false;
};

extern TFrmCadCaixa *FrmCadCaixa;
