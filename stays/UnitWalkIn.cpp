#include "stays/UnitWalkIn.h"
#include "base/Janela.h"

#include "base/CabecalhoTela.h"
#include "base/Mensagem.h"
#include "base/Parametros.h"
#include "base/Sessao.h"
#include "base/TelaEdicao.h"
#include "base/Telas.h"
#include "base/UnitLog.h"
#include "core/Notificacoes.h"
#include "core/UnitAlerta.h"
#include "core/UnitBatePapo.h"
#include "stays/UnitCadWalkIn.h"
#include "stays/UnitCorrecoesWalkIn.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QShortcut>
#include <QStyle>
#include <QTableView>
#include <QVBoxLayout>

TFrmWalkIn *FrmWalkIn = nullptr;

using namespace Estadias;

namespace ListaEstadias {
const char *const kPerguntaSairRestaurante =
    "Tem Certeza que deseja sair do modo \"Restaurante\"?! AVISO: O SISTEMA SERÁ FINALIZADO!";
const char *const kMsgRestauranteEncerrado = "Modo \"Restaurante\" Encerrado! O Sistema será Finalizado!";
} // namespace ListaEstadias

// ---------------------------------------------------------------- model

QString ModeloEstadias::status(int linha) const
{
    return Estadias::status(texto(linha, QStringLiteral("BAIXA")), texto(linha, QStringLiteral("EXCLUIDO")));
}

QVariant ModeloEstadias::data(const QModelIndex &index, int role) const
{
    if (!index.isValid())
        return {};
    if (campoDaColuna(index.column()) == QLatin1String("DISP") && (role == Qt::DisplayRole || role == Qt::EditRole))
        return status(index.row());
    if (role == Qt::BackgroundRole) {
        if (const auto cor = corStatus(status(index.row())))
            return *cor;
        return {};
    }
    if (role == Qt::ForegroundRole && corStatus(status(index.row())))
        return QColor(Qt::black);
    return ModeloConsulta::data(index, role);
}

namespace {

// Rows in their status colour; a selected or focused cell white on black.
class DelegateEstadias : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

protected:
    void initStyleOption(QStyleOptionViewItem *o, const QModelIndex &i) const override
    {
        QStyledItemDelegate::initStyleOption(o, i);
        const bool selecionada = o->state & (QStyle::State_Selected | QStyle::State_HasFocus);
        if (selecionada) {
            o->palette.setColor(QPalette::Highlight, Qt::black);
            o->palette.setColor(QPalette::HighlightedText, Qt::white);
            o->backgroundBrush = QColor(Qt::black);
            o->state |= QStyle::State_Selected;
            return;
        }
        const QVariant fundo = i.data(Qt::BackgroundRole);
        if (fundo.isValid()) {
            o->backgroundBrush = fundo.value<QColor>();
            o->palette.setColor(QPalette::Text, Qt::black);
        }
    }
};

const QList<ColunaGrade> &colunasGrade()
{
    static const QList<ColunaGrade> c = {
        {QStringLiteral("NF"), QStringLiteral("NF"), FormatoColuna::Texto, 30},
        {QStringLiteral("DISP"), QStringLiteral("Status"), FormatoColuna::Texto, 80},
        {QStringLiteral("ID_WALK_IN"), QStringLiteral("Código"), FormatoColuna::Texto, 60},
        {QStringLiteral("ID_RESERVA"), QStringLiteral("Reserva"), FormatoColuna::Texto, 60},
        {QStringLiteral("NOME"), QStringLiteral("Cliente"), FormatoColuna::Texto, 200},
        {QStringLiteral("NUMERO"), QStringLiteral("UH"), FormatoColuna::Texto, 50},
        {QStringLiteral("DATA_ENTRADA"), QStringLiteral("Data Chegada"), FormatoColuna::Data, 90},
        {QStringLiteral("HORA_ENTRADA"), QStringLiteral("Hora Chegada"), FormatoColuna::Hora, 90},
        {QStringLiteral("DATA_SAIDA"), QStringLiteral("Data Saída"), FormatoColuna::Data, 90},
        {QStringLiteral("HORA_SAIDA"), QStringLiteral("Hora Saída"), FormatoColuna::Hora, 80},
        {QStringLiteral("QTD_ADULTOS"), QStringLiteral("Qtd. Pessoas"), FormatoColuna::Texto, 80},
        {QStringLiteral("VALOR_DIARIA"), QStringLiteral("Valor da Diária (R$)"), FormatoColuna::Dinheiro, 130},
        {QStringLiteral("OBS"), QStringLiteral("Observação"), FormatoColuna::Texto, 200},
        {QStringLiteral("BAIXA"), QStringLiteral("Baixa?"), FormatoColuna::Texto, 50},
    };
    return c;
}

// The list's statement with the calculated status column.
Consulta comStatus(Consulta c)
{
    c.sql.replace(QStringLiteral("SELECT W.ID_WALK_IN,"),
                  QStringLiteral("SELECT W.ID_WALK_IN, CAST('' AS VARCHAR(10)) AS DISP,"));
    return c;
}

bool restaurante()
{
    const Sessao &s = Sessao::atual();
    return s.AuxTipoPC == QLatin1String("RESTA") && !s.direitos.ACESSO_TOTAL;
}

QPushButton *botao(QWidget *pai, const QString &texto)
{
    auto *b = new QPushButton(texto, pai);
    b->setMinimumHeight(30);
    return b;
}

} // namespace

// ---------------------------------------------------------------- screen

TFrmWalkIn::TFrmWalkIn(QWidget *parent) : QDialog(parent)
{
    montar();
}

TFrmWalkIn::~TFrmWalkIn()
{
    if (m_iconeChatInstalado)
        Notificacoes::iconeChatListaEstadias = m_iconeChatAnterior;
}

void TFrmWalkIn::montar()
{
    setWindowTitle(QStringLiteral("Entrada de Hóspedes (Walk-In)"));
    setWindowFlag(Qt::FramelessWindowHint, true);
    resize(1024, 700);

    auto *raiz = new QVBoxLayout(this);
    raiz->setContentsMargins(6, 0, 6, 6);
    imgFundo = criarCabecalhoTela(this);
    raiz->addWidget(imgFundo);

    auto *topo = new QHBoxLayout;
    lblTitulo = new QLabel(QStringLiteral("Entrada de Hóspedes (Walk-In)"), this);
    QFont f = lblTitulo->font();
    f.setPointSize(f.pointSize() + 6);
    f.setBold(true);
    lblTitulo->setFont(f);
    topo->addWidget(lblTitulo, 1);
    const auto legenda = [this](const QString &texto, const QString &st) {
        auto *l = new QLabel(texto, this);
        l->setAlignment(Qt::AlignCenter);
        l->setMinimumWidth(90);
        l->setStyleSheet(QStringLiteral("QLabel { background: %1; border: 1px solid gray; border-radius: 8px; "
                                        "padding: 3px; color: black; }")
                             .arg(corStatus(st)->name()));
        return l;
    };
    lblAberto = legenda(QStringLiteral("Em Aberto"), QStringLiteral("Em Aberto"));
    lblFechada = legenda(QStringLiteral("Fechada"), QStringLiteral("Fechada"));
    lblCancelada = legenda(QStringLiteral("Cancelada"), QStringLiteral("Cancelada"));
    topo->addWidget(lblAberto);
    topo->addWidget(lblFechada);
    topo->addWidget(lblCancelada);
    const auto iconeChat = [this](QStyle::StandardPixmap figura, const QString &dica) {
        auto *l = new QLabel(this);
        l->setPixmap(style()->standardIcon(figura).pixmap(32, 32));
        l->setToolTip(dica);
        l->setCursor(Qt::PointingHandCursor);
        return l;
    };
    Image2 = iconeChat(QStyle::SP_MessageBoxCritical, QStringLiteral("Chegou mensagem para você"));
    Image2->hide();
    Image7 = iconeChat(QStyle::SP_MessageBoxInformation, QStringLiteral("Abrir Chat, Você não possui novas mensagens"));
    Image2->installEventFilter(this);
    Image7->installEventFilter(this);
    topo->addWidget(Image2);
    topo->addWidget(Image7);
    raiz->addLayout(topo);

    // Filter panel "Filtros:".
    pnlFiltros = new QGroupBox(QStringLiteral("Filtros:"), this);
    auto *gf = new QHBoxLayout(pnlFiltros);
    rbCodigo = new QRadioButton(QStringLiteral("Código de Entrada"), pnlFiltros);
    rbCliente = new QRadioButton(QStringLiteral("Cliente"), pnlFiltros);
    rbUH = new QRadioButton(QStringLiteral("UH"), pnlFiltros);
    rbData = new QRadioButton(QStringLiteral("Data de Entrada"), pnlFiltros);
    for (QRadioButton *r : {rbCodigo, rbCliente, rbUH, rbData}) {
        gf->addWidget(r);
        connect(r, &QRadioButton::toggled, this, [this](bool on) {
            if (on)
                escolhaFiltro();
        });
    }
    cbCliente = new QComboBox(pnlFiltros);
    cbCliente->setMinimumWidth(260);
    Edit1 = new QLineEdit(pnlFiltros);
    emMaiusculas(Edit1, 90);
    Edit1->setMinimumWidth(220);
    Edit1->installEventFilter(this);
    cbCliente->installEventFilter(this);
    gf->addWidget(cbCliente);
    gf->addWidget(Edit1);
    btnFecharFiltro = new QPushButton(QStringLiteral("x"), pnlFiltros);
    btnFecharFiltro->setToolTip(QStringLiteral("Fechar Consulta"));
    btnFecharFiltro->setFixedWidth(26);
    gf->addWidget(btnFecharFiltro);
    connect(btnFecharFiltro, &QPushButton::clicked, this, &TFrmWalkIn::fecharFiltro);
    connect(cbCliente, qOverload<int>(&QComboBox::activated), this, [this] { aplicarFiltro(); });
    pnlFiltros->hide();
    raiz->addWidget(pnlFiltros);

    tEntrada = new ModeloEstadias(this);
    tEntrada->definirColunas(colunasGrade());
    DBGrid1 = new QTableView(this);
    DBGrid1->setModel(tEntrada);
    prepararGrade(DBGrid1);
    DBGrid1->setItemDelegate(new DelegateEstadias(DBGrid1));
    DBGrid1->setToolTip(QStringLiteral("Mais Opções -> Botão Direito do Mouse"));
    QFont fh = DBGrid1->horizontalHeader()->font();
    fh.setBold(true);
    DBGrid1->horizontalHeader()->setFont(fh);
    DBGrid1->installEventFilter(this);
    for (int i = 0; i < colunasGrade().size(); ++i)
        if (colunasGrade()[i].largura > 0)
            DBGrid1->setColumnWidth(i, colunasGrade()[i].largura);
    raiz->addWidget(DBGrid1, 1);
    connect(DBGrid1, &QTableView::doubleClicked, this, &TFrmWalkIn::DBGrid1DblClick);

    PopupMenu1 = new QMenu(this);
    mnTodosCodigo = PopupMenu1->addAction(QStringLiteral("Mostrar Todos  - Organizar Por Código"));
    mnTodosData = PopupMenu1->addAction(QStringLiteral("Mostrar Todos  - Organizar Por Data de Chegada"));
    mnClienteResponsavel = PopupMenu1->addAction(QStringLiteral("Alterar Cliente Responsável"));
    connect(mnTodosCodigo, &QAction::triggered, this, [this] { mostrarTodos(OrdemLista::Codigo); });
    connect(mnTodosData, &QAction::triggered, this, [this] { mostrarTodos(OrdemLista::DataChegada); });
    connect(mnClienteResponsavel, &QAction::triggered, this, [this] {
        if (!vazia())
            correcoes->acao(QStringLiteral("Alterar Cliente Responsável"));
    });
    DBGrid1->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(DBGrid1, &QWidget::customContextMenuRequested, this,
            [this](const QPoint &p) { PopupMenu1->popup(DBGrid1->viewport()->mapToGlobal(p)); });

    lblMotivo = new QLabel(this);
    lblMotivo->setStyleSheet(QStringLiteral("QLabel { background: #FFFFC0; border: 1px solid gray; padding: 3px; }"));
    lblMotivo->hide();
    raiz->addWidget(lblMotivo);

    auto *botoes = new QGridLayout;
    btnNovaEntrada = botao(this, QStringLiteral("Nova Entrada"));
    btnAlterarEntrada = botao(this, QStringLiteral("Alterar Entrada"));
    btnDespesas = botao(this, QStringLiteral("Despesas e Consumos do Hóspede "));
    btnItens = botao(this, QStringLiteral("Movimentar Itens de Estoque"));
    btnDespesasAvulsas = botao(this, QStringLiteral("Despesas Avulsas"));
    btnFiltros = botao(this, QStringLiteral("Filtros"));
    btnAlterarUH = botao(this, QStringLiteral("Alterar UH"));
    btnAlterarDiaria = botao(this, QStringLiteral("Alterar Valor da Diária"));
    btnAlterarHospedes = botao(this, QStringLiteral("Alterar Hóspedes"));
    btnDiariasCobradas = botao(this, QStringLiteral("Alterar Diárias Cobradas"));
    btnFormaPag = botao(this, QStringLiteral("Alterar Forma de Pagamento"));
    btnExcluirEntrada = botao(this, QStringLiteral("Excluir Entrada"));
    btnEmissaoNF = botao(this, QStringLiteral("Emissão de NF"));
    btnSair = botao(this, QStringLiteral("Sair"));
    const QList<QPushButton *> ordem = {btnNovaEntrada, btnAlterarEntrada, btnDespesas,       btnItens,
                                        btnDespesasAvulsas, btnFiltros, btnAlterarUH,      btnAlterarDiaria,
                                        btnAlterarHospedes, btnDiariasCobradas, btnFormaPag, btnExcluirEntrada,
                                        btnEmissaoNF, btnSair};
    for (int i = 0; i < ordem.size(); ++i)
        botoes->addWidget(ordem[i], i / 7, i % 7);
    raiz->addLayout(botoes);
    // The correction panels, laid over the grid.
    correcoes = new CorrecoesWalkIn(this);

    connect(btnNovaEntrada, &QPushButton::clicked, this, &TFrmWalkIn::btnNovaEntradaClick);
    connect(btnAlterarEntrada, &QPushButton::clicked, this, &TFrmWalkIn::btnAlterarEntradaClick);
    connect(btnDespesas, &QPushButton::clicked, this, &TFrmWalkIn::btnDespesasClick);
    connect(btnItens, &QPushButton::clicked, this, &TFrmWalkIn::btnItensClick);
    connect(btnDespesasAvulsas, &QPushButton::clicked, this, &TFrmWalkIn::btnDespesasAvulsasClick);
    connect(btnFiltros, &QPushButton::clicked, this, &TFrmWalkIn::btnFiltrosClick);
    connect(btnSair, &QPushButton::clicked, this, &TFrmWalkIn::btnSairClick);
    for (QPushButton *b : {btnAlterarUH, btnAlterarDiaria, btnAlterarHospedes, btnDiariasCobradas, btnFormaPag,
                           btnExcluirEntrada, btnEmissaoNF}) {
        connect(b, &QPushButton::clicked, this, [this, b] {
            if (!vazia())
                correcoes->acao(b->text());
        });
    }

    // "ATALHOS:" — the entries show the keys; the keys act through their own
    // shortcuts, whether or not the entry is shown.
    menuAtalhos = criarMenuAtalhos(this, {
                                             {QStringLiteral("|| Nova Entrada  - (F2) ||"), {}, {}, btnNovaEntrada},
                                             {QStringLiteral("|| Filtros - (F3) ||"), {}, [this] { btnFiltrosClick(); }},
                                             {QStringLiteral("|| Alterar Entrada - (Insert) ||"), {}, [] {}},
                                             {QStringLiteral("|| Excluir Entrada - (Delete) ||"), {}, {}, btnExcluirEntrada},
                                             {QStringLiteral("|| Sair - (Ctrl + X) ||"), {}, {}, btnSair},
                                         });
    const QList<QAction *> itens = menuAtalhos->actions();
    mnNova = itens.value(1);
    mnFiltros = itens.value(2);
    mnAlterar = itens.value(3);
    mnExcluir = itens.value(4);
    mnSair = itens.value(5);
    const auto atalho = [this](const QKeySequence &k, std::function<void()> f) {
        auto *s = new QShortcut(k, this);
        s->setContext(Qt::WindowShortcut);
        connect(s, &QShortcut::activated, this, f);
    };
    const auto pressionar = [this](QPushButton *b) {
        if (b->isEnabled() && b->isVisibleTo(this))
            b->click();
    };
    atalho(QKeySequence(Qt::Key_F2), [=, this] { pressionar(btnNovaEntrada); });
    atalho(QKeySequence(Qt::Key_F3), [this] { btnFiltrosClick(); });
    atalho(QKeySequence(Qt::Key_Delete), [=, this] { pressionar(btnExcluirEntrada); });
    atalho(QKeySequence(Qt::CTRL | Qt::Key_X), [=, this] { pressionar(btnSair); });
    // Insert does nothing on this list.
    atalho(QKeySequence(Qt::Key_Insert), [] {});

    aplicarLayout();
}

void TFrmWalkIn::aplicarLayout()
{
    m_layout = layoutLista(OP, restaurante(), tParametros().sim(QStringLiteral("ALTERA_DIARIA")),
                           Sessao::atual().direitos.MOVIMENTOS);
    const LayoutLista &l = m_layout;
    lblTitulo->setText(l.titulo);
    btnNovaEntrada->setVisible(l.novaEntrada);
    btnAlterarEntrada->setVisible(l.alterarEntrada);
    btnFiltros->setVisible(l.filtros);
    btnExcluirEntrada->setVisible(l.excluir);
    btnDespesas->setVisible(l.despesas);
    btnItens->setVisible(l.itens);
    btnAlterarUH->setVisible(l.alterarUH);
    btnAlterarHospedes->setVisible(l.alterarHospedes);
    btnDespesasAvulsas->setVisible(l.despesasAvulsas);
    btnAlterarDiaria->setVisible(l.alterarDiaria);
    btnFormaPag->setVisible(l.formaPag);
    btnDiariasCobradas->setVisible(l.diariasCobradas);
    btnEmissaoNF->setVisible(l.emissaoNF);
    btnDespesasAvulsas->setEnabled(bool(ListaEstadias::despesasAvulsas));
    mnNova->setVisible(l.menuF2);
    mnAlterar->setVisible(l.menuInsert);
    mnFiltros->setVisible(l.menuF3);
    mnExcluir->setVisible(l.menuDelete);
    for (int i = 0; i < colunasGrade().size(); ++i)
        DBGrid1->setColumnHidden(i, l.colunasOcultas.contains(colunasGrade()[i].titulo));
}

void TFrmWalkIn::showEvent(QShowEvent *e)
{
    QDialog::showEvent(e);
    if (m_mostrada)
        return;
    m_mostrada = true;
    // While the list is open the one-second tick switches its chat icons;
    // a list opened over another one gives them back when it closes.
    m_iconeChatAnterior = Notificacoes::iconeChatListaEstadias;
    Notificacoes::iconeChatListaEstadias = [this](bool novas) { mostrarIconeChat(novas); };
    m_iconeChatInstalado = true;
    AcaoAtual(QStringLiteral("Entrada de Hóspedes"));
    aplicarLayout();
    imgFundo->setPixmap(imagemPadrao());
    const Consulta c = m_layout.historico ? consultaHistorico(clienteHistorico, m_layout.somenteAbertas)
                                          : consultaLista(m_layout.somenteAbertas);
    abrirConsulta(c, true);
    if (UH == QLatin1String("SIM") && OP == QLatin1String("Despesas") && !restaurante())
        localizar(entradaMapa);
}

void TFrmWalkIn::abrirConsulta(const Consulta &c, bool irParaUltima)
{
    m_consulta = c;
    ReapontarGrid(DBGrid1, QStringLiteral("ID_WALK_IN"), QStringLiteral("AntesAbrir"));
    const Consulta comDisp = comStatus(c);
    tEntrada->definirConsulta(comDisp.sql, comDisp.valores);
    tEntrada->abrir();
    depoisAbrir();
    if (irParaUltima && !tEntrada->vazia()) {
        ReapontarGridEsquecer();
        DBGrid1->selectRow(tEntrada->total() - 1);
        DBGrid1->scrollToBottom();
    } else {
        ReapontarGrid(DBGrid1, QStringLiteral("ID_WALK_IN"), QStringLiteral("DepoisAbrir"));
    }
    linhaMudou();
}

void TFrmWalkIn::depoisAbrir()
{
    PermissaoTela(btnNovaEntrada, btnAlterarEntrada, btnExcluirEntrada, mnNova, mnAlterar, mnExcluir,
                  !tEntrada->vazia());
    if (OP == QLatin1String("Despesas") && tEntrada->vazia()) {
        for (QPushButton *b : {btnDespesas, btnAlterarUH, btnAlterarHospedes, btnAlterarDiaria})
            b->hide();
    }
    if (DBGrid1->selectionModel())
        connect(DBGrid1->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
                &TFrmWalkIn::linhaMudou, Qt::UniqueConnection);
}

void TFrmWalkIn::linhaMudou()
{
    // The commands on the current stay wait for one: on an empty list they
    // are disabled instead of doing nothing.
    const bool comLinha = !vazia();
    for (QPushButton *b : {btnDespesas, btnItens, btnAlterarUH, btnAlterarDiaria, btnAlterarHospedes, btnDiariasCobradas,
                           btnFormaPag, btnEmissaoNF})
        b->setEnabled(comLinha);
    mnClienteResponsavel->setEnabled(comLinha);
    if (!comLinha) {
        lblMotivo->hide();
        return;
    }
    const EstadoLinha e = estadoLinha(texto(QStringLiteral("BAIXA")), texto(QStringLiteral("EXCLUIDO")));
    if (e.excluir)
        btnExcluirEntrada->setEnabled(*e.excluir && Sessao::atual().direitos.EXCLUI);
    if (e.formaPag)
        btnFormaPag->setEnabled(*e.formaPag);
    if (e.diariasCobradas)
        btnDiariasCobradas->setEnabled(*e.diariasCobradas);
    if (e.motivo) {
        lblMotivo->setVisible(*e.motivo);
        lblMotivo->setText(QStringLiteral("Motivo: ") + texto(QStringLiteral("MOTIVO")));
    }
}

QWidget *TFrmWalkIn::grade() { return DBGrid1; }
QWidget *TFrmWalkIn::botaoSair() { return btnSair; }

void TFrmWalkIn::reabrir()
{
    abrirConsulta(m_consulta, false);
}

void TFrmWalkIn::carregarEstadia(qint64 idEntrada)
{
    Consulta c = consultaLista(false);
    c.sql.replace(QStringLiteral(" WHERE 1 = 1"), QStringLiteral(" WHERE W.ID_WALK_IN = ?"));
    c.valores = {idEntrada};
    m_consulta = c;
    const Consulta comDisp = comStatus(c);
    tEntrada->definirConsulta(comDisp.sql, comDisp.valores);
    tEntrada->abrir();
    if (!tEntrada->vazia())
        DBGrid1->selectRow(0);
}

bool TFrmWalkIn::localizar(qint64 idEntrada)
{
    const int linha = tEntrada->localizar(QStringLiteral("ID_WALK_IN"), QString::number(idEntrada));
    if (linha < 0)
        return false;
    DBGrid1->selectRow(linha);
    DBGrid1->scrollTo(tEntrada->index(linha, 0));
    linhaMudou();
    return true;
}

bool TFrmWalkIn::vazia() const
{
    return !tEntrada->aberta() || tEntrada->vazia();
}

QVariant TFrmWalkIn::campo(const QString &coluna) const
{
    if (vazia())
        return {};
    int linha = DBGrid1->currentIndex().isValid() ? DBGrid1->currentIndex().row() : 0;
    if (linha < 0 || linha >= tEntrada->total())
        linha = 0;
    return tEntrada->valor(linha, coluna);
}

QString TFrmWalkIn::texto(const QString &coluna) const
{
    if (vazia())
        return {};
    int linha = DBGrid1->currentIndex().isValid() ? DBGrid1->currentIndex().row() : 0;
    if (linha < 0 || linha >= tEntrada->total())
        linha = 0;
    return tEntrada->texto(linha, coluna);
}

qint64 TFrmWalkIn::idEntrada() const
{
    return campo(QStringLiteral("ID_WALK_IN")).toLongLong();
}

// ---------------------------------------------------------------- actions

void TFrmWalkIn::abrirFormulario(const QString &opAntes, const QString &opDepois)
{
    if (!opAntes.isNull())
        OP = opAntes;
    ListaEstadias::abrirFormulario(*this);
    (void)opDepois;
}

void TFrmWalkIn::btnNovaEntradaClick()
{
    abrirFormulario(QStringLiteral("I"), {});
}

void TFrmWalkIn::btnAlterarEntradaClick()
{
    if (vazia())
        return;
    if (OP != QLatin1String("V"))
        OP = QStringLiteral("A");
    ListaEstadias::abrirFormulario(*this);
}

void TFrmWalkIn::DBGrid1DblClick()
{
    if (OP == QLatin1String("Despesas")) {
        if (!vazia())
            btnDespesasClick();
        return;
    }
    if (vazia())
        return;
    OP = QStringLiteral("V");
    btnAlterarEntradaClick();
}

void TFrmWalkIn::btnDespesasClick()
{
    if (vazia())
        return;
    OP = QStringLiteral("Despesas");
    ListaEstadias::abrirFormulario(*this);
}

void TFrmWalkIn::btnItensClick()
{
    if (vazia())
        return;
    OP = QStringLiteral("Itens");
    ListaEstadias::abrirFormulario(*this);
}

void TFrmWalkIn::btnDespesasAvulsasClick()
{
    if (ListaEstadias::despesasAvulsas)
        ListaEstadias::despesasAvulsas();
}

void TFrmWalkIn::mostrarIconeChat(bool novas)
{
    Image2->setVisible(novas);
    Image7->setVisible(!novas);
}

void TFrmWalkIn::abrirChat(bool novas)
{
    // From the new-message icon the slid-in notice goes away first.
    if (novas && FrmAlerta)
        FrmAlerta->close();
    abrirBatePapo();
}

void TFrmWalkIn::btnFiltrosClick()
{
    pnlFiltros->show();
    rbCodigo->setChecked(true);
    escolhaFiltro();
}

void TFrmWalkIn::escolhaFiltro()
{
    const bool cliente = rbCliente->isChecked();
    cbCliente->setVisible(cliente);
    Edit1->setVisible(!cliente);
    Edit1->clear();
    if (cliente) {
        // The customers that have stays, by name.
        cbCliente->clear();
        cbCliente->addItem(QString(), 0);
        for (const Linha &l : DM->Conexao.lerTodas(
                 QStringLiteral("SELECT C.ID_CLIENTE, C.NOME FROM CLIENTE C WHERE EXISTS (SELECT 1 FROM WALK_IN W "
                                "WHERE W.ID_CLIENTE = C.ID_CLIENTE) ORDER BY C.NOME")))
            cbCliente->addItem(l.texto(QStringLiteral("NOME")), l.inteiro(QStringLiteral("ID_CLIENTE")));
        cbCliente->setCurrentIndex(0);
        cbCliente->setFocus();
    } else {
        Edit1->setFocus();
    }
}

void TFrmWalkIn::aplicarFiltro()
{
    CriterioFiltro c = CriterioFiltro::Codigo;
    if (rbCliente->isChecked())
        c = CriterioFiltro::Cliente;
    else if (rbUH->isChecked())
        c = CriterioFiltro::UH;
    else if (rbData->isChecked())
        c = CriterioFiltro::DataEntrada;
    QString erro;
    const auto consulta = consultaFiltro(c, Edit1->text(), cbCliente->currentData().toLongLong(),
                                         m_layout.somenteAbertas, &erro);
    if (!consulta) {
        Mensagem::aviso(erro);
        Edit1->setFocus();
        return;
    }
    abrirConsulta(*consulta, true);
    pnlFiltros->hide();
    DBGrid1->setFocus();
}

void TFrmWalkIn::fecharFiltro()
{
    pnlFiltros->hide();
    DBGrid1->setFocus();
}

void TFrmWalkIn::mostrarTodos(OrdemLista ordem)
{
    abrirConsulta(consultaLista(m_layout.somenteAbertas, ordem), false);
}

void TFrmWalkIn::btnSairClick()
{
    if (restaurante()) {
        if (!Mensagem::pergunta(QString::fromUtf8(ListaEstadias::kPerguntaSairRestaurante), {}, Mensagem::Nao))
            return;
        Mensagem::info(QString::fromUtf8(ListaEstadias::kMsgRestauranteEncerrado));
        reject();
        if (ListaEstadias::fecharPrincipal)
            ListaEstadias::fecharPrincipal();
        return;
    }
    reject();
}

void TFrmWalkIn::keyPressEvent(QKeyEvent *e)
{
    // F4 in every combination is swallowed (Alt+F4 never closes the list);
    // Esc does not close it either.
    if (e->key() == Qt::Key_F4 || e->key() == Qt::Key_Escape) {
        e->accept();
        return;
    }
    QDialog::keyPressEvent(e);
}

bool TFrmWalkIn::eventFilter(QObject *o, QEvent *e)
{
    if (e->type() == QEvent::KeyPress) {
        auto *k = static_cast<QKeyEvent *>(e);
        if (k->key() == Qt::Key_F4)
            return true;
        if (o == Edit1 || o == cbCliente) {
            if (k->key() == Qt::Key_Return || k->key() == Qt::Key_Enter) {
                aplicarFiltro();
                return true;
            }
            if (k->key() == Qt::Key_Escape) {
                fecharFiltro();
                return true;
            }
        }
        if (o == DBGrid1 && k->modifiers() == Qt::NoModifier && !k->text().isEmpty() && k->text().at(0).isPrint()
            && k->key() != Qt::Key_Space) {
            // A character typed into the grid starts a check-in only where
            // "Nova Entrada" is offered.
            if (btnNovaEntrada->isVisibleTo(this) && btnNovaEntrada->isEnabled())
                btnNovaEntradaClick();
            return true;
        }
        if (o == DBGrid1 && (k->key() == Qt::Key_Return || k->key() == Qt::Key_Enter)) {
            DBGrid1DblClick();
            return true;
        }
    }
    if (e->type() == QEvent::FocusIn && (o == Edit1))
        ColorirEdit(Edit1, true);
    if (e->type() == QEvent::FocusOut && (o == Edit1))
        ColorirEdit(Edit1, false);
    if (e->type() == QEvent::MouseButtonRelease && (o == Image2 || o == Image7)) {
        abrirChat(o == Image2);
        return true;
    }
    return QDialog::eventFilter(o, e);
}

// ---------------------------------------------------------------- carrier

namespace ListaEstadias {

void abrir(const Abertura &a, const std::function<void(TFrmWalkIn &)> &comLista)
{
    TFrmWalkIn *const anterior = FrmWalkIn;
    struct Devolve {
        TFrmWalkIn *anterior;
        ~Devolve() { FrmWalkIn = anterior; }
    };
    std::unique_ptr<TFrmWalkIn> lista(new TFrmWalkIn);
    Devolve devolve{anterior};
    FrmWalkIn = lista.get();
    lista->OP = a.op;
    lista->UH = a.uh;
    lista->entradaMapa = a.entradaMapa;
    lista->clienteHistorico = a.cliente;
    if (a.mostrar)
        Telas::executar(lista.get(), std::type_index(typeid(TFrmWalkIn)));
    else if (comLista)
        comLista(*lista);
}

void abrirFormulario(TFrmWalkIn &lista)
{
    TFrmWalkIn *const anterior = FrmWalkIn;
    FrmWalkIn = &lista;
    struct Devolve {
        TFrmWalkIn *anterior;
        ~Devolve() { FrmWalkIn = anterior; }
    } devolve{anterior};
    Telas::abrir<TFrmCadWalkIn>(FrmCadWalkIn, &lista);
}

void abrirHistorico(qint64 cliente)
{
    abrir({QStringLiteral("HIST"), {}, 0, cliente, true});
}

} // namespace ListaEstadias

void TFrmWalkIn::done(int r)
{
    QDialog::done(r);
    // Back at the main window: the pointer on its background (the cash
    // register's gate runs again) and the day's alerts refreshed.
    Janela::controleMouse();
}
