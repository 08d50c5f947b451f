#pragma once
// The stay form in its six modes, driven by the stay list's OP: "I" new stay
// (check-in), "A" alter, "V" view, "Despesas" consumption, "Itens" room items,
// "Saída" check-out. A new stay's key is reserved from the generator when the
// form opens; its guests, vehicles, consumption, room items and minibar
// products stay in memory until the check-in is confirmed (Entrada::incluir
// writes them with the stay, in one transaction), so a cancel leaves nothing
// behind. An existing stay's lists are written at once through Consumo; its
// advances and consumption paid at once through Adiantamento. The charge
// figures come from CalculoEstadia, as on every other screen.
#include "stays/Entrada.h"
#include "stays/Estadias.h"

#include <QDialog>
#include <functional>

class QCheckBox;
class QComboBox;
class QDateEdit;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenuBar;
class QPushButton;
class QTableWidget;
class QTimeEdit;
class ContextoListaEstadias;
class TFrmCadWalkIn;

namespace CadWalkIn {
// What the opener presets for a new stay (the room map's check-in).
struct Predefinicao {
    qint64 idCliente = 0;
    qint64 idUH = 0;
    qint64 idReserva = 0;
    QString pessoas;       // "1" in motel mode
    bool travarSelecoes = false; // customer, room and reservation locked
};

// Screens of other parts opened from the form.
// "Fechar Conta (Walk-Out)": the check-out of the stay shown (check-out mode).
inline std::function<void(TFrmCadWalkIn &form)> fecharConta;
// The statements of a stay: "Extrato de Conta", "Extrato de Conferência" and,
// after a hotel check-in, the entry statement.
enum class Extrato { Saida, Conferencia, Entrada };
inline std::function<void(qint64 idEntrada, Extrato tipo)> abrirExtrato;

extern const char *const kMsgObsAtualizada;
} // namespace CadWalkIn

// The reason asked before a consumption line is removed ("Remover Consumo").
class TFrmMotivo : public QDialog {
    Q_OBJECT
public:
    TFrmMotivo(const QString &titulo, const QString &pergunta, QWidget *parent = nullptr);
    QLineEdit *edtMotivo;
    QString motivo() const;
};
extern TFrmMotivo *FrmMotivo;

class TFrmCadWalkIn : public QDialog {
    Q_OBJECT
public:
    explicit TFrmCadWalkIn(ContextoListaEstadias *lista, const CadWalkIn::Predefinicao &pre = {}, QWidget *parent = nullptr);
    ~TFrmCadWalkIn() override;

    ContextoListaEstadias *lista() const { return m_lista; }
    // The stay's key shown on the form (reserved in "I").
    qint64 chave() const { return m_chave; }
    // What the form holds for a new stay.
    const Entrada::Dados &nova() const { return m_nova; }
    // The inputs of the form gathered for the check-in.
    Entrada::Dados reunir() const;
    QString ValorRestante;

    QLabel *imgFundo;
    QLabel *Label1;
    QLabel *lblCodEntrada;
    QLabel *lblStatus;
    QMenuBar *menuAtalhos;
    QComboBox *cbReserva;
    QComboBox *cbCliente;
    QLabel *lblCpf;
    QComboBox *cbUH;
    QLineEdit *edtNumPessoas;
    QDateEdit *edtData1;
    QTimeEdit *edtHora1;
    QDateEdit *edtData2;
    QTimeEdit *edtHora2;
    QLineEdit *edtDiaria;
    QCheckBox *chkPernoite;
    QLineEdit *edtObs;
    QPushButton *btnSalvarObs;
    QLabel *lblQtdDiarias;
    QLabel *lblTotalDiarias;
    QLabel *lblValor;
    QLabel *lblValorDividido;
    QLabel *lblValorAdiantado;
    QPushButton *btnAdiantamento;
    QPushButton *btnVeiculos;
    QGroupBox *pnlItens;
    QTableWidget *dbgItens;
    QPushButton *btnIncluirItem;
    QPushButton *btnRemoverItem;
    QGroupBox *pnlFrigobar;
    QTableWidget *dbgFrigobar;
    QPushButton *btnIncluirFrigobar;
    QPushButton *btnRemoverFrigobar;
    QGroupBox *pnlHospedes;
    QTableWidget *dbgHospedes;
    QPushButton *btnIncluirHospede;
    QPushButton *btnRemoverHospede;
    QGroupBox *pnlDespesas;
    QTableWidget *dbgDespesas;
    QPushButton *btnIncluirDespesa;
    QPushButton *btnRemoverDespesa;
    QPushButton *btnConfirmar;
    QPushButton *btnCancelar;
    QPushButton *btnTiposUH;
    QPushButton *btnFecharConta;
    QPushButton *btnExtratoConta;
    QPushButton *btnExtratoConferencia;
    QWidget *pnlPrincipal;
    // "Incluir Novo Hóspede"
    QGroupBox *pnlNovoHospede;
    QLineEdit *edtNomeHospede;
    QPushButton *btnConfirmarHospede;
    // "Veículos" and "Incluir Novo Veículo"
    QGroupBox *pnlVeiculos;
    QTableWidget *dbgVeiculos;
    QPushButton *btnIncluirVeiculo;
    QPushButton *btnRemoverVeiculo;
    QGroupBox *pnlNovoVeiculo;
    QLineEdit *edtModelo;
    QLineEdit *edtPlaca;
    QPushButton *btnBuscar;
    QPushButton *btnConfirmarVeiculo;
    // "Incluir Despesa:"
    QGroupBox *pnlNovaDespesa;
    QLineEdit *edtCodBarras;
    QLabel *lblCodBarras;
    QComboBox *cbProduto;
    QLineEdit *edtQtd;
    QLineEdit *edtValorUnit;
    QDateEdit *edtDataDespesa;
    QCheckBox *chkPago;
    QLineEdit *edtComanda;
    QLineEdit *edtResponsavel;
    QPushButton *btnConfirmarDespesa;
    // "Incluir Item de Estoque:"
    QGroupBox *pnlNovoItem;
    QComboBox *cbItem;
    QLineEdit *edtQtdItem;
    QPushButton *btnConfirmarItem;
    // "Incluir Produto / Serviço:" (minibar)
    QGroupBox *pnlNovoFrigobar;
    QComboBox *cbProdutoFrigobar;
    QLineEdit *edtQtdFrigobar;
    QLineEdit *edtValorFrigobar;
    QPushButton *btnConfirmarFrigobar;
    // "Forma de Adiantamento"
    QGroupBox *pnlAdiantamento;
    QLineEdit *edtDinheiro2, *edtVisa2, *edtDebVisa2, *edtMaster2, *edtDebMaster2, *edtHiper2, *edtCheque2,
        *edtDeposito;
    QLabel *lblTotal2;
    QPushButton *btnConfirmarAdiantamento;
    QPushButton *btnCancelarAdiantamento;
    // "Forma de Pagamento" (a consumption line paid at once)
    QGroupBox *pnlPagamento;
    QLineEdit *edtDinheiro, *edtVisa, *edtDebVisa, *edtMaster, *edtDebMaster, *edtHiper, *edtCheque;
    QLabel *lblRestante;
    QLabel *lblTotal;
    QPushButton *btnConfirmarPagamento;
    QPushButton *btnCancelarPagamento;

public slots:
    void btnConfirmarClick();
    void btnCancelarClick();
    void btnSalvarObsClick();
    void cbUHChange();
    void cbClienteChange();
    void cbReservaChange();
    void edtNumPessoasChange();
    void btnIncluirHospedeClick();
    void btnConfirmarHospedeClick();
    void btnRemoverHospedeClick();
    void btnVeiculosClick();
    void btnIncluirVeiculoClick();
    void btnConfirmarVeiculoClick();
    void btnRemoverVeiculoClick();
    void btnBuscarClick();
    void edtDiariaChange();
    void edtDataChange();
    void chkPernoiteClick();
    void btnIncluirDespesaClick();
    void edtCodBarrasEnter();
    void cbProdutoChange();
    void btnConfirmarDespesaClick();
    void btnRemoverDespesaClick();
    void btnIncluirItemClick();
    void btnConfirmarItemClick();
    void btnRemoverItemClick();
    void btnIncluirFrigobarClick();
    void cbProdutoFrigobarChange();
    void btnConfirmarFrigobarClick();
    void btnRemoverFrigobarClick();
    void btnAdiantamentoClick();
    void btnConfirmarAdiantamentoClick();
    void btnConfirmarPagamentoClick();
    void btnCancelarPagamentoClick();

protected:
    void done(int r) override;
    void showEvent(QShowEvent *e) override;
    bool eventFilter(QObject *o, QEvent *e) override;
    void reject() override;

private:
    void montar();
    void montarPaineis();
    void mostrar();
    void carregarListas();
    void carregarEstadia();
    void travarEstadia();
    void definirChave(QComboBox *c, qint64 chave);
    qint64 chaveDe(QComboBox *c) const;
    void lerTarifa();
    void oferecer(bool porUH, qint64 chave);
    void recarregarHospedes();
    void recarregarVeiculos();
    void recarregarItens();
    void recarregarDespesas();
    void recalcular();
    void recarregarAdiantado();
    // The stay was closed on another workstation while the form was open:
    // its lines and amounts shown as they are now, the writes disabled.
    void mostrarFechadaEmOutraEstacao();
    void mostrarFlutuante(QWidget *painel);
    void despesaAmpliada(bool ampliada);
    void habilitarRemoverDespesa();
    void somarPainel(QGroupBox *painel);
    void carregarProdutos(QComboBox *c);
    bool motel() const;
    Consumo::LinhaNova linhaDigitada() const;
    QString textoUH() const;
    QString op() const;

    ContextoListaEstadias *m_lista;
    CadWalkIn::Predefinicao m_pre;
    qint64 m_chave = 0;
    Entrada::Dados m_nova;
    bool m_carregouPernoite = false;
    bool m_despesaAmpliada = false;
    bool m_despesasLiberadas = false; // the mode lets consumption be added and removed
    QList<QWidget *> m_visiveisAntes; // hidden while the consumption panel is enlarged
    Dinheiro m_taxaProduto;    // the chosen product's point-of-sale fee
    Dinheiro m_totalPagamento; // the line paid at once
    QLabel *m_rotDiaria = nullptr, *m_rotQtdDiarias = nullptr, *m_rotTotalDiarias = nullptr,
           *m_rotDividido = nullptr;
    QString m_baixa;
    bool m_carregando = false;
    bool m_mostrado = false;
    Dinheiro m_valorDiariaPadrao;
    Dinheiro m_valorMin;
};

extern TFrmCadWalkIn *FrmCadWalkIn;
