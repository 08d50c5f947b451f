#pragma once
// The record form of one employee entry: new, altered or viewed, with the
// checks of the entry and, for a paid entry, the cash of the open shift.
#include "staff/PagamentoFuncionarios.h"

#include <QDialog>

class QComboBox;
class QDateEdit;
class QLabel;
class QLineEdit;
class QMenuBar;
class QPushButton;
class QWidget;

// What the entry form reads of the list that opened it: the mode ("I", "A",
// "V") and the current entry.
class ListaPagamentos {
public:
    QString OP;
    virtual PagamentoFuncionarios::Lancamento lancamentoAtual() const = 0;

protected:
    ~ListaPagamentos() = default;
};

class TFrmCadPagFuncionarios : public QDialog {
    Q_OBJECT
public:
    explicit TFrmCadPagFuncionarios(ListaPagamentos *lista, QWidget *parent = nullptr);

    QLabel *imgCabecalho;
    QLabel *lblTitulo;
    QWidget *pnlCampos;
    QDateEdit *dtpVencimento;
    QLabel *lblPagamento;
    QDateEdit *dtpPagamento;
    QComboBox *cbTipo;          // "Desconto", "Crédito"
    QComboBox *cbFuncionario;   // "<key>/<name>"
    QLineEdit *edtDescricao;
    QLineEdit *edtValor;
    QPushButton *btnConfirmar;
    QPushButton *btnCancelar;
    QPushButton *btnFuncionarios;
    QMenuBar *menuAtalhos;

    // Chooses the employee by key in the lookup (0: none).
    void escolherFuncionario(qint64 chave);
    qint64 funcionarioEscolhido() const;

public slots:
    void btnConfirmarClick();
    void btnCancelarClick();
    void btnFuncionariosClick();

protected:
    void showEvent(QShowEvent *e) override;

private:
    void carregarFuncionarios();
    ListaPagamentos *m_lista;
    PagamentoFuncionarios::Lancamento m_original;
    QString m_modo;
    bool m_mostrada = false;
};

extern TFrmCadPagFuncionarios *FrmCadPagFuncionarios;
