#pragma once
// "Marcação de Ponto": the punch screen, opened only by the book in one of
// four modes set by the book's OP: the kiosk ("AUTO": a badge reader types
// the badge code and Enter; a panel tells the result for five seconds), a
// manual punch ("I": the employee chosen by name types the time-clock
// password), and alter ("A") and view ("V") of the book's selected row,
// which store nothing. A stored punch may take the employee's photo.
#include "base/UnitDM.h"

#include <QDialog>
#include <QList>
#include <QVariantMap>

class QCheckBox;
class QComboBox;
class QDateEdit;
class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenuBar;
class QPushButton;
class QTimeEdit;
class QTimer;

// What the punch screen reads and writes of the book that opened it: the
// mode ("AUTO", "I", "A", "V" or ""), the selected row and a reload.
class LivroPonto {
public:
    QString OP;
    virtual QVariantMap linhaAtual() const = 0;
    virtual void reabrir() = 0;

protected:
    ~LivroPonto() = default;
};

class TFrmCadPonto : public QDialog {
    Q_OBJECT
public:
    TFrmCadPonto(LivroPonto *livro, QWidget *parent = nullptr);
    ~TFrmCadPonto() override;

    // The kind of the punch being stored: "Entrada" or "Saída" (empty between punches).
    QString Tipo;

    QLabel *imgCabecalho;
    QLabel *lblTitulo;
    QLabel *lblCodPonto;          // after "CÓDIGO DA MARCAÇÃO:"
    QLineEdit *edtCracha;         // the badge field (kiosk only)
    QGroupBox *pnlDados;
    QComboBox *cbFuncionario;     // "Funcionário:" (CPF / name; the name shown)
    QLineEdit *edtSenha;          // "Senha:"
    QLineEdit *edtObs;            // "Observações:"
    QDateEdit *dtData;            // "Data no Sistema:"
    QTimeEdit *dtHora;            // "Hora no Sistema:"
    QCheckBox *chkAtualizar;      // "Atualizar Data e Hora Automáticamente"
    QPushButton *btnConfirmar;
    QPushButton *btnCancelar;
    QMenuBar *menuAtalhos;
    QLabel *lblFaixa;             // the black band with the reader's instruction
    QGroupBox *grpFotos;          // view mode: the two photos
    QLabel *imgFotoFuncionario;   // "Foto do Funcionário"
    QLabel *imgFotoCapturada;     // "Foto Capturada"

    // the kiosk's panels
    QFrame *pnlSucesso;
    QLabel *imgFotoKiosk;
    QLabel *lblSucesso;
    QFrame *pnlErro;
    QLabel *lblErro;
    QTimer *Timer1;               // the panels (tag: what the next tick does)
    QTimer *Timer2;               // the clock
    int tagTimer1() const { return m_tag; }

    // The chosen employee's key (0: none).
    qint64 funcionarioAtual() const;
    // Chooses an employee by key (0: none).
    void escolherFuncionario(qint64 chave);
    bool quiosque() const { return m_quiosque; }

public slots:
    void btnConfirmarClick();
    void btnCancelarClick();
    void edtCrachaEnter();
    void Timer1Timer();
    void Timer2Timer();
    void chkAtualizarClick();

protected:
    void showEvent(QShowEvent *e) override;
    bool eventFilter(QObject *o, QEvent *e) override;
    void done(int r) override;
    void resizeEvent(QResizeEvent *e) override;

private:
    void carregarFuncionarios();
    void funcionarioEscolhido();
    void mostrarCodigoPrevisto();
    void iniciarTimer1(int tag);
    const Linha *funcionario() const;
    void tirarFoto(qint64 chave);

    LivroPonto *m_livro;
    QList<Linha> m_func;          // tFunc: the live employees by name
    QWidget *m_conteudo;
    bool m_quiosque = false;
    bool m_mostrada = false;
    int m_tag = 0;
    QString m_nomeSucesso;
};

extern TFrmCadPonto *FrmCadPonto;
