#pragma once
// "Despesas Avulsas": the counter sales, single-item ("Individual") and
// several-item ("Várias") on two tabs, the entry and payment panels of a
// new sale, its deletion, the receipt and the fiscal coupon. Opened from the
// room map and from the stay list.
#include "finance/DespesasAvulsas.h"

#include <QDialog>
#include <QList>
#include <array>

class QAction;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenuBar;
class QPushButton;
class QRadioButton;
class QTabWidget;
class QTableView;
class QTableWidget;
class ModeloConsulta;

class TFrmDespesasAvulsas : public QDialog {
    Q_OBJECT
public:
    explicit TFrmDespesasAvulsas(QWidget *parent = nullptr);

    QMenuBar *menuAtalhos;
    QPushButton *btnNovaDespesa;
    QPushButton *btnExcluirDespesa;
    QPushButton *btnRecibo;
    QPushButton *btnCupomFiscal;
    QPushButton *btnSair;

    QTabWidget *pgDespesas;       // "Individual", "Várias"
    QTableView *grdItemUnico;          // single-item sales
    QTableView *grdVariosItens;          // several-item sales
    ModeloConsulta *tDespesa;
    ModeloConsulta *tDespesaVarias;

    // Entry panel "Incluir Despesa Avulsa:"
    QGroupBox *pnlIncluir;
    QLineEdit *edtCodBarras;
    QComboBox *cbPS;              // key 0: nothing chosen
    QLineEdit *edtQtd;
    QLineEdit *edtValorUnit;
    QLineEdit *edtComanda;
    QPushButton *btnFinalizar;
    QPushButton *btnFecharIncluir; // red "x"
    QPushButton *btnMais;
    QPushButton *btnMenos;
    QTableWidget *gridItens;      // the lines of a several-item sale
    QLabel *lblTotalVariasDespesas;

    // Payment panel "Forma de Pagamento"
    QGroupBox *pnlPagamento;
    QLabel *lblRestante;          // "R$ " + the amount due
    QRadioButton *rbCliente;
    QRadioButton *rbFuncionario;
    QComboBox *cbFuncionario;     // key 0: "SELECIONE O FUNCIONÁRIO"
    std::array<QLineEdit *, DespesasAvulsas::kMeios> edtMeios; // Dinheiro .. Pix / Chq
    QLabel *lblTotal;             // "Total -> R$ " + the sum of the means
    QPushButton *btnDescontoAcrescimo;
    QGroupBox *pnlDesconto;
    QRadioButton *rbDesconto;
    QRadioButton *rbAcrescimo;
    QLineEdit *edtDescontoAcrescimo;
    QPushButton *btnAplicar;
    QPushButton *btnFecharDesconto;
    QPushButton *btnConfirmar;
    QPushButton *btnCancelar;

    // The active tab's kind and the key of its current sale (0: none).
    DespesasAvulsas::Tipo tipoAtivo() const;
    qint64 vendaAtual() const;
    // The amount due of the sale being paid.
    Dinheiro devido() const { return m_devido; }
    const QList<DespesasAvulsas::Item> &itens() const { return m_itens; }

    void abrirListas();
    // Chooses a product as the lookup would.
    void escolherProduto(qint64 id);
    void escolherFuncionario(qint64 id);

public slots:
    void btnNovaDespesaClick();
    void btnExcluirDespesaClick();
    void btnReciboClick();
    void btnCupomFiscalClick();
    void edtCodBarrasEnter();
    void edtCodBarrasAsterisco();
    void cbPSChange();
    void btnFinalizarClick();
    void btnFecharIncluirClick();
    void btnMaisClick();
    void btnMenosClick();
    void rbClienteClick();
    void rbFuncionarioClick();
    void btnDescontoAcrescimoClick();
    void btnAplicarClick();
    void btnConfirmarClick();
    void btnCancelarClick();
    void grdVariosItensDblClick();

protected:
    bool eventFilter(QObject *o, QEvent *e) override;
    void showEvent(QShowEvent *e) override;
    void changeEvent(QEvent *e) override;

private:
    void atualizarBotoes();
    void mostrarTotalMeios();
    void mostrarTotalItens();
    void limparEntrada();
    void terminarPagamento();
    void focarCampo(DespesasAvulsas::Campo c);
    void recusar(const DespesasAvulsas::Recusa &r);
    void carregarProdutos();
    qint64 produtoEscolhido() const;
    QString descricaoEscolhida() const;
    DespesasAvulsas::Leitura lerEntrada() const;

    Dinheiro m_devido;
    Dinheiro m_taxa;
    QList<DespesasAvulsas::Item> m_itens;
    QList<int> m_larguras1, m_larguras2;
    QAction *m_acNova = nullptr;
    QAction *m_acExcluir = nullptr;
};

extern TFrmDespesasAvulsas *FrmDespesasAvulsas;

// Opens the screen modally (room map, stay list).
void abrirDespesasAvulsas();
