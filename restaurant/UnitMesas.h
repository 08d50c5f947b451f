#pragma once
// "Mesas / Cartões": the restaurant board. Every table (or consumption card)
// as a card coloured by its state; opening a table for an attendant, the
// order panel with the weighing scale, the kitchen queue, moving and merging
// tables, cancelling an opening without orders, and the way into the table
// account. On a "MESAS" terminal leaving the board ends the program.
#include "restaurant/UnitCardapio.h"
#include "restaurant/UnitCadMesa.h"
#include "restaurant/Mesas.h"
#include "restaurant/Pedidos.h"

#include <QDialog>
#include <functional>

class QAction;
class QCheckBox;
class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QListWidget;
class QListWidgetItem;
class QMenu;
class QPlainTextEdit;
class QPushButton;
class QTableWidget;
class QTimer;
class QToolButton;

class TFrmMesas : public QDialog, public QuadroMesas, public PainelPedido {
    Q_OBJECT
public:
    explicit TFrmMesas(QWidget *parent = nullptr);

    // The table account (another screen): opened on the current card with OP
    // "FECHAR" or "EXTRATO". Its menu items stay disabled while unset.
    static std::function<void(TFrmMesas &)> abrirConta;

    // What other screens read: the current card and the attendants.
    std::optional<Mesas::Mesa> mesaAtual() const override;
    const QList<Mesas::Atendente> &atendentes() const { return m_atendentes; }
    // The attendant chosen in the list, if any.
    std::optional<Mesas::Atendente> atendenteEscolhido() const;
    // The product chosen in the order panel's list, if any.
    std::optional<Pedidos::Produto> produtoEscolhido() const;
    // Puts a product in the order panel as the menu hands it over: its key in
    // the code field and the product chosen.
    void receberProduto(qint64 idProduto) override;
    void focarProduto() override;
    QWidget *tela() override { return this; }

    // Header
    QLabel *lblTitulo;
    QPushButton *btnNovaMesa;
    QPushButton *btnAlterarMesa;
    QLabel *lblMesa;
    QLineEdit *edtMesa;
    QLabel *lblLivre, *lblOcupada, *lblAguardando;
    // Cards and their menu
    QListWidget *cvMesas;
    QMenu *pmMesas;
    QAction *mnuAbrirMesa, *mnuTransferirMesa, *mnuFecharConta, *mnuIncluirConsumos, *mnuAlterarConsumos,
        *mnuExtratoConta, *mnuCancelarMesa;
    // Kitchen queue
    QLabel *lblOrdemPedidos;
    QLabel *lblAtualizacao;
    QTableWidget *grdFila;
    QLabel *lblRodapeFila;
    QLabel *lblCliqueDuplo;
    QMenu *pmFila;
    QAction *mnuConcluir, *mnuCancelarPedido;
    QTimer *tmrAtualizar;
    // Opening panel
    QFrame *pnlAbrir;
    QLabel *lblTituloAbrir;
    QLineEdit *edtCodAtendente;
    QComboBox *cbAtendente;
    QLabel *lblCliente;
    QLineEdit *edtCliente;
    QPushButton *btnConfirmarAbrir;
    QPushButton *btnCancelarAbrir;
    // Transfer panel
    QFrame *pnlTransferir;
    QLabel *lblAtual;
    QComboBox *cbNovo;
    QPushButton *btnConfirmarTransferir;
    QToolButton *btnFecharTransferir;
    // Order panel
    QFrame *pnlConsumo;
    QLabel *lblTituloConsumo;
    QLineEdit *edtProduto;
    QComboBox *cbProduto;
    QLineEdit *edtQtd;
    QLineEdit *edtObs;
    QLineEdit *edtValorUnit;
    QCheckBox *cbViagem;
    QLineEdit *edtGarcon;
    QLabel *lblTotal;
    QPlainTextEdit *memoCozinha;
    QPushButton *btnConfirmarConsumo;
    QToolButton *btnFecharConsumo;

public slots:
    void btnNovaMesaClick();
    void btnAlterarMesaClick();
    void edtMesaEnter();
    void pmMesasPopup();          // enables the items for the current card
    void mnuAbrirMesaClick();
    void mnuTransferirMesaClick();
    void mnuFecharContaClick();
    void mnuIncluirConsumosClick();
    void mnuAlterarConsumosClick();
    void mnuExtratoContaClick();
    void mnuCancelarMesaClick();
    // Opening
    void edtCodAtendenteEnter();
    void btnConfirmarAbrirClick();
    void btnCancelarAbrirClick();
    // Transfer
    void btnConfirmarTransferirClick();
    void btnFecharTransferirClick();
    // Orders
    void edtProdutoEnter();       // the code rules
    void cbProdutoChange();
    void edtQtdChange();
    void balancaSelfService();    // F1
    void cardapio();              // F2
    void balancaSobremesa();      // F3
    void btnConfirmarConsumoClick();
    void btnFecharConsumoClick();
    // Queue
    void mnuConcluirClick();
    void mnuCancelarPedidoClick();
    void tmrAtualizarTimer();
    // Re-reads the cards and the queue unless the queue has the focus.
    void atualizar() override;

    void reject() override;

protected:
    void showEvent(QShowEvent *e) override;
    bool eventFilter(QObject *o, QEvent *e) override;

private:
    void montar();
    void aplicarModo();
    void carregarCartoes();
    void carregarFila();
    void selecionarMesa(qint64 id);
    void carregarAtendentes();
    void escolherAtendente(const QString &id);
    void limparAtendente();
    void mostrarConsumo(const Mesas::Mesa &m, const QString &garcon);
    void escolherProduto(std::optional<qint64> id);
    void pesarPorParametro(const QString &coluna, const QString &msgSemCodigo);
    void focarNumero();
    void habilitarCartoes(bool sim);
    bool pedirSenha(const Mesas::Atendente &a);
    void fecharConta(const QString &op);
    void enterComum(QWidget *w);

    QList<Mesas::Mesa> m_mesas;
    QList<Mesas::Atendente> m_atendentes;
    QList<Pedidos::Produto> m_produtos;
    QList<qint64> m_fila; // ID_CONSUMO of each queue row
    bool m_filaFocada = false;
    bool m_carregandoPeso = false;
    bool m_mostrada = false;
    QString m_senhaConferida;        // attendant whose password was typed on this opening
    std::optional<Mesas::Mesa> m_mesaConsumo; // the table of the order panel
};

extern TFrmMesas *FrmMesas;

// The ribbon's "Mesas / Cartões".
void abrirMesas();
