#pragma once
// "Central de Unidades Habitacionais": the room map, the front desk's home.
// Every live room with its state, the guest of an occupied room and the
// customer of a room reserved for today; the start of check-in, stay work,
// reservations, maintenance and room edits.
//
// The room list is read with a fixed number of statements whatever the
// number of rooms (rooms, open stays, today's reserved days, state counts);
// the tabs and the type choice only filter what was read. The room states
// change through the shared rules of EstadoUH.
#include "base/Dinheiro.h"

#include <QAbstractTableModel>
#include <QColor>
#include <QDate>
#include <QDialog>
#include <QHash>
#include <QSortFilterProxyModel>
#include <QStyledItemDelegate>
#include <functional>
#include <optional>

class QAction;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListView;
class QMenu;
class QMenuBar;
class QPushButton;
class QRadioButton;
class QStackedWidget;
class QTabBar;
class QTableView;
class QWidget;

namespace MapaUH {

// One room of the map with its calculated fields.
struct Quarto {
    qint64 idUH = 0;
    qint64 idTipoUH = 0;
    QString descUH;     // DESC_UH
    QString numero;     // as stored (shown as it is when not digits)
    QString ramal;
    QString descTipo;   // DESC_TIPO
    QString situacao;
    QString excluido;
    QString manutencao;
    QString auditorio;
    // calculated
    QString disp;         // state text
    QString descQuarto;   // the type description
    QString descramal;    // "Ramal " + extension
    QString cliente;      // "O": "(" + stay + ") " + name; "R": the reservation's customer
    qint64 idcliente = 0; // "R": the reservation's customer
    qint64 entrada = 0;   // "O": the open stay's key
    QString entradaMotel; // "O": "Entrada: " + stay key
    QString dataHoraEnt;  // "O": arrival date and time
    std::optional<Dinheiro> diaria; // "O": the stay's daily rate
    qint64 idReserva = 0; // "R": the reservation with a day today
};

// Live rooms per state; the four are always present.
struct Contagem {
    int livre = 0;
    int manutencao = 0;
    int ocupada = 0;
    int reservada = 0;
};

enum class Ordem { Numero, Descricao, Tipo };
// Columns of the filter panel: "Código", "Número ID", "Descrição", "Tipo",
// "Ramal Telefônico".
enum class Campo { Codigo, Numero, Descricao, Tipo, Ramal };
struct Pesquisa {
    Campo campo = Campo::Codigo;
    QString texto;
};

// Today's reserved day of a room.
struct ReservaDia {
    qint64 idReserva = 0;
    qint64 idCliente = 0;
    QString nome;
};

struct Carga {
    QList<Quarto> quartos;
    Contagem contagem;
    QHash<qint64, ReservaDia> reservasHoje; // by room
    int consultas = 0;                      // statements run
};

// State texts and colours.
QString textoSituacao(const QString &situacao); // "Livre", "Ocupada", "Em Manutenção", "Reserva"; "" otherwise
QColor corLegenda(const QString &situacao);     // grid rows, selection panel, selected card
QColor corCartao(const QString &situacao);      // a card not selected
QColor corTextoCartao(const QString &situacao); // black on "L" and "M", white on "O" and "R"

// Room numbers in order: numbers by value, then any other text by text.
bool antesPorNumero(const Quarto &a, const Quarto &b);

// Today's reserved days (one statement).
QHash<qint64, ReservaDia> lerReservasHoje(const QDate &hoje);
// The live rooms with their calculated fields (three statements).
Carga carregar(const QDate &hoje, Ordem ordem, const std::optional<Pesquisa> &pesquisa);
// The state counts (one statement).
Contagem contar();
// One refresh of the map: the rooms and the counts, read in one transaction
// (four statements, whatever the number of rooms).
Carga atualizar(const QDate &hoje, Ordem ordem, const std::optional<Pesquisa> &pesquisa);

// What the map hands to the stay screens.
struct EntradaExpressa {
    qint64 idUH = 0;
    qint64 idCliente = 0; // 0 when the reservation brings the customer
    qint64 idReserva = 0; // 0: not a reserved room
    bool motel = false;   // one guest
};
struct AcaoEstadia {
    QString op;           // "Saída", "Despesas", "Itens"
    qint64 idEntrada = 0; // the room's open stay
    qint64 idUH = 0;
    bool mostrarLista = false; // the stay list shown (otherwise the stay form)
};

// Screens of other subsystems opened from the map, set by them (tests set
// them too). An entry whose screen is not set is disabled.
struct Ganchos {
    std::function<void(const EntradaExpressa &)> entradaHospede;
    std::function<void(const AcaoEstadia &)> estadia;
    std::function<void(qint64 idEntrada, bool impressora)> extratoConta;
    std::function<void()> novaReserva;   // reservation form, new
    std::function<void()> listaReservas; // reservation list
    std::function<void()> cadastroUH;    // room edit; reads FrmUH->OP and the current room
    std::function<void()> despesasAvulsas;
    // The customer list in express mode: a customer picked there is left in
    // Sessao::WalkInExpressoCLIENTE.
    std::function<void()> escolherCliente;
};
Ganchos &ganchos();

extern const char *const kTitulo;           // "Central de Unidades Habitacionais"
extern const char *const kNenhumFuncionario; // "N E N H U M   F U N C I O N Á R I O"
extern const char *const kMsgMotivo;
extern const char *const kMsgFuncionarioInvalido;
extern const char *const kMsgResponsavelInvalido;
extern const char *const kMsgNaoLivre;
extern const char *const kMsgSemCliente;
extern const char *const kMsgIrPara;

} // namespace MapaUH

// The rooms as the grid shows them.
class ModeloMapaUH : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Papel { SituacaoRole = Qt::UserRole + 1, TipoRole, IdRole };
    enum Coluna { ColUH, ColDescricao, ColTipo, ColRamal, ColDisp, ColDiaria, ColHospede, NColunas };

    using QAbstractTableModel::QAbstractTableModel;
    void definir(QList<MapaUH::Quarto> quartos);
    const QList<MapaUH::Quarto> &quartos() const { return m_quartos; }
    const MapaUH::Quarto *quarto(int linha) const;
    int linhaDe(qint64 idUH) const;

    int rowCount(const QModelIndex &pai = {}) const override;
    int columnCount(const QModelIndex &pai = {}) const override;
    QVariant data(const QModelIndex &i, int papel = Qt::DisplayRole) const override;
    QVariant headerData(int secao, Qt::Orientation o, int papel = Qt::DisplayRole) const override;

private:
    QList<MapaUH::Quarto> m_quartos;
};

// The tab's state and the chosen type over the rooms read.
class FiltroMapaUH : public QSortFilterProxyModel {
    Q_OBJECT
public:
    using QSortFilterProxyModel::QSortFilterProxyModel;
    void definir(const QString &situacao, qint64 idTipo);

protected:
    bool filterAcceptsRow(int linha, const QModelIndex &pai) const override;

private:
    QString m_situacao;
    qint64 m_tipo = 0;
};

// Grid rows in their state's colour; cards of the two card views.
class DelegateMapaUH : public QStyledItemDelegate {
public:
    enum class Vista { Grade, Resumo, Touch };
    DelegateMapaUH(Vista v, QObject *pai) : QStyledItemDelegate(pai), m_vista(v) {}
    void paint(QPainter *p, const QStyleOptionViewItem &o, const QModelIndex &i) const override;
    QSize sizeHint(const QStyleOptionViewItem &o, const QModelIndex &i) const override;

protected:
    void initStyleOption(QStyleOptionViewItem *o, const QModelIndex &i) const override;

private:
    Vista m_vista;
};

class TFrmUH : public QDialog {
    Q_OBJECT
public:
    explicit TFrmUH(QWidget *parent = nullptr);
    ~TFrmUH() override;

    // Mode handed to the room edit screen: "I", "A" or "V" (emptied by it).
    QString OP;

    // The current room (nullptr when the list shows none).
    const MapaUH::Quarto *atual() const;
    // Reopens the room list (open stays, today's reservations, counts).
    void reabrirLista();
    // Reopens the type choice (keeping the type chosen when it still exists).
    void reabrirTipos();
    // Statements run by the last reopen of the room list.
    int consultasUltimaAtualizacao() const { return m_consultas; }
    const MapaUH::Contagem &contagem() const { return m_contagem; }
    // Selects the room (in the rows the tab shows); false when not shown.
    bool selecionar(qint64 idUH);
    // Rooms the active tab and type show, in order.
    QList<qint64> visiveis() const;
    // Enables the popup items by the current room's state (as when it opens).
    void atualizarPopup();
    // The reservation key the selection panel keeps (0 when none).
    qint64 reservaDoPainel() const { return m_idReservaPainel; }

    ModeloMapaUH *tUH;
    FiltroMapaUH *filtro;
    QMenuBar *menuAtalhos;
    QAction *mnNovaUH;
    QAction *mnFiltros;
    QAction *mnAlterarUH;
    QAction *mnExcluirUH;
    QAction *mnSair;
    QLabel *imgCabecalho;
    QLabel *lblLivre;
    QLabel *lblManutencao;
    QLabel *lblOcupada;
    QLabel *lblReserva;
    QLabel *lblFiltrarTipo;
    QComboBox *cbTipos;
    QCheckBox *chkResumida;
    QLabel *lblIrPara;
    QLineEdit *edtIrPara;
    QGroupBox *pnlFiltros;
    QList<QRadioButton *> rbFiltros; // "Código", "Número ID", "Descrição", "Tipo", "Ramal Telefônico"
    QLineEdit *edtFiltro;
    QPushButton *btnPesquisar;
    QLabel *lblFecharFiltro;
    QTabBar *pgcUH;
    QStackedWidget *pilha;
    QTableView *dbgUH;
    QListView *cvResumo;
    QListView *cvTouch;
    QWidget *pnlSelecao;
    QLabel *lblSelecao;
    QPushButton *btnSelecao;
    QGroupBox *pnlManutencao;
    QLineEdit *edtMotivo;
    QPushButton *btnConfirmarManutencao;
    QPushButton *btnCancelarManutencao;
    QGroupBox *pnlResponsavel;
    QRadioButton *rbFuncionario;
    QRadioButton *rbOutro;
    QComboBox *cbFuncionarios;
    QLineEdit *edtResponsavel;
    QPushButton *btnConfirmarResponsavel;
    QPushButton *btnCancelarResponsavel;
    QWidget *pnlTouch;
    QLabel *lblTouchEmpresa;
    QLabel *lblTouchUH;
    QLabel *lblTouchOpcao;
    QPushButton *btnTouchEntrada;
    QPushButton *btnTouchExtrato;
    QPushButton *btnTouchConsumos;
    QPushButton *btnTouchItens;
    QPushButton *btnTouchSaida;
    QPushButton *btnTouchLiberar;
    QPushButton *btnTouchVoltar;
    QPushButton *btnNovaUH;
    QPushButton *btnAlterarUH;
    QPushButton *btnExcluirUH;
    QPushButton *btnFiltros;
    QPushButton *btnReservas;
    QPushButton *btnDespesasAvulsas;
    QPushButton *btnSair;

    QMenu *PopupMenu1;
    QAction *mnEntrada;
    QAction *mnPagamento;
    QAction *mnSaida;
    QAction *sepReserva;
    QAction *mnReserva;
    QAction *mnCancelarReserva;
    QAction *mnDespesas;
    QAction *mnItens;
    QAction *mnQtdHospedes;
    QAction *mnValorDiaria;
    QAction *mnTransferir;
    QAction *mnExtrato;
    QAction *mnLiberar;
    QAction *mnManutencao;
    QAction *mnDespesasAvulsas;
    QAction *mnLembretes;
    QAction *mnChat;
    QAction *mnSMS;
    QAction *mnOrdemNumero;
    QAction *mnOrdemDescricao;
    QAction *mnOrdemTipo;

public slots:
    void btnNovaUHClick();
    void btnAlterarUHClick();
    void btnExcluirUHClick();
    void btnFiltrosClick();
    void btnReservasClick();
    void btnDespesasAvulsasClick();
    void dbgUHDblClick();
    void pgcUHChange();
    void cbTiposChange();
    void chkResumidaClick();
    void btnPesquisarClick();
    void edtIrParaEnter();
    void btnSelecaoClick();
    void RealizarEntradaClick();
    void PagamentoClick();
    void SaidaClick();
    void EfetuarReservaClick();
    void DespesasClick();
    void ItensClick();
    void QtdHospedesClick();
    void ValorDiariaClick();
    void TransferirClick();
    void ExtratoClick();
    void EfetuarManutencaoClick();
    void btnConfirmarManutencaoClick();
    void btnCancelarManutencaoClick();
    void rbFuncionarioClick();
    void rbOutroClick();
    void btnConfirmarResponsavelClick();
    void btnCancelarResponsavelClick();
    void btnTouchVoltarClick();

protected:
    void showEvent(QShowEvent *e) override;
    bool event(QEvent *e) override;
    bool eventFilter(QObject *o, QEvent *e) override;
    void done(int r) override;

private:
    void montar();
    void montarPopup();
    void montarTouch();
    void atualizarLegendas();
    void aplicarFiltro();
    void cursorMudou();
    void mostrarTouch(const QModelIndex &i);
    void habilitarVistas(bool sim);
    void abrirEstadia(const QString &op, bool mostrarLista);
    void concluirManutencao();
    void cancelarReserva();
    void ordenar(MapaUH::Ordem ordem);
    // A refusal because the room changed elsewhere: the message, then the list again.
    void situacaoMudou(const QString &numero);
    QAbstractItemView *vistaAtiva() const;

    MapaUH::Ordem m_ordem = MapaUH::Ordem::Numero;
    std::optional<MapaUH::Pesquisa> m_pesquisa;
    QHash<qint64, MapaUH::ReservaDia> m_reservasHoje;
    MapaUH::Contagem m_contagem;
    int m_consultas = 0;
    bool m_montada = false;
    bool m_mostrada = false;
    bool m_touch = false;
    bool m_motel = false;
    enum class AcaoPainel { Nenhuma, Concluir, Cancelar };
    AcaoPainel m_acaoPainel = AcaoPainel::Nenhuma;
    qint64 m_idReservaPainel = 0;
    // The room the maintenance panels work on.
    qint64 m_idOperacao = 0;
    QString m_numeroOperacao;
    QString m_situacaoOperacao;
};

extern TFrmUH *FrmUH;

// Opens the room map (ribbon "Central de UH's", the main window's background).
void abrirCentralUH();
