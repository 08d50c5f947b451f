#pragma once
// "Clientes": every customer with its state (OK, restricted, blacklisted),
// search by name as it is typed and by eleven columns in the filter panel,
// the record form to register, alter or view, restriction / blacklisting
// with a reason and recovery, and the customer's stay history.
//
// It is also the pick dialog of an express check-in: opened in pick mode
// (modoEscolha, set from Sessao::WalkInExpresso when created), Enter or a
// double click on a row applies the state rules of Clientes::
// aceitarEntradaExpressa and, when the customer is taken, leaves its key in
// clienteEscolhido and in Sessao::WalkInExpressoCLIENTE and closes.
#include "base/TelaLista.h"

#include <QDialog>

class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QTableView;

namespace Clientes {
// The list's columns: the state text and every column of CLIENTE.
extern const QString kSqlSelecao;
// The standard statement (by name).
extern const QString kSqlLista;
} // namespace Clientes

class TFrmClientes : public QDialog {
    Q_OBJECT
public:
    explicit TFrmClientes(QWidget *parent = nullptr);

    // The record form's mode: "I" new, "A" alter, "V" view; the form's
    // Cancel empties it.
    QString OP;
    // Express check-in pick (see above).
    bool modoEscolha = false;
    qint64 clienteEscolhido = 0;

    QLabel *imgCabecalho;
    TelaLista *lista;
    QTableView *dbgClientes;
    QLineEdit *edtNome; // "Nome do Cliente:"
    QPushButton *btnNovo;
    QPushButton *btnAlterar;
    QPushButton *btnExcluir; // "Restringir /Negativar"
    QPushButton *btnFiltros;
    QPushButton *btnHistorico;
    QPushButton *btnRecuperar;
    QPushButton *btnSair;
    // the reason of a restricted or blacklisted row
    QGroupBox *pnlMotivo;
    QPlainTextEdit *memMotivo;
    // restriction / blacklisting
    QGroupBox *pnlExcluir;
    QLineEdit *edtMotivo;
    QRadioButton *rbRestricao;
    QRadioButton *rbNegativacao;
    QPushButton *btnOK;
    QPushButton *btnFecharExcluir;

    // The current row (empty map when the list is empty).
    QVariantMap linhaAtual() const;

public slots:
    void btnNovoClick();
    void btnAlterarClick();
    void btnExcluirClick();
    void btnFiltrosClick();
    void btnHistoricoClick();
    void btnRecuperarClick();
    void btnSairClick();
    void btnOKClick();
    void btnFecharExcluirClick();
    void dbgClientesDblClick();
    void edtNomeChange(const QString &texto);
    void tClientesAfterScroll();

protected:
    void showEvent(QShowEvent *e) override;
    bool eventFilter(QObject *o, QEvent *e) override;

private:
    void abrirCadastro();
    void listaAberta();

    bool m_mostrada = false;
};

extern TFrmClientes *FrmClientes;

// Opens the list (ribbon "Clientes").
void abrirClientes(QWidget *parent = nullptr);
// Express check-in: opens the list in pick mode; the key of the customer
// taken, or 0 when none was (the list was left, or the customer refused).
qint64 escolherClienteEntrada(QWidget *parent = nullptr);
