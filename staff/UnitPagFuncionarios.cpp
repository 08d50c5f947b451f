#include "staff/UnitPagFuncionarios.h"
#include "base/CabecalhoTela.h"
#include "base/Mensagem.h"
#include "base/Relogio.h"
#include "base/Rotinas.h"
#include "base/Sessao.h"
#include "base/Telas.h"
#include "base/UnitLog.h"
#include "base/CamposEdicao.h"
#include "staff/FolhaPagamento.h"
#include "staff/UnitCadPagFuncionarios.h"

#include <QAction>
#include <QDateEdit>
#include <QFont>
#include <QGridLayout>
#include <QItemSelectionModel>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QTabBar>
#include <QTableView>
#include <QToolButton>
#include <QVBoxLayout>

using namespace PagamentoFuncionarios;

TFrmPagFuncionarios *FrmPagFuncionarios = nullptr;

namespace {

constexpr quint32 kCorPago = 0xFF8000;
constexpr quint32 kCorCredito = 0x9FFF9F;
constexpr quint32 kCorDesconto = 0x2222FF;

const Filtro kFiltros[] = {Filtro::Funcionario, Filtro::Cpf, Filtro::MesAno, Filtro::Descricao, Filtro::Valor};

QLabel *amostra(QWidget *pai, quint32 cor)
{
    auto *l = new QLabel(pai);
    l->setFixedSize(18, 14);
    l->setAutoFillBackground(true);
    QPalette p = l->palette();
    p.setColor(QPalette::Window, corBGR(cor));
    l->setPalette(p);
    return l;
}

// The search restricted to one employee (the ORDER BY stays last).
Consulta doFuncionario(const Consulta &c, qint64 funcionario)
{
    Consulta r = c;
    const int ordem = r.sql.lastIndexOf(QStringLiteral(" ORDER BY "));
    r.sql.insert(ordem < 0 ? r.sql.size() : ordem, QStringLiteral(" AND FP.ID_FUNCIONARIO_PAGAMENTO = ?"));
    r.valores.append(funcionario);
    return r;
}

} // namespace

TFrmPagFuncionarios::TFrmPagFuncionarios(QWidget *parent) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Pagamento de Funcionários"));
    resize(1100, 680);
    auto *layout = new QVBoxLayout(this);
    imgCabecalho = criarCabecalhoTela(this);
    layout->addWidget(imgCabecalho);

    lista = new TelaLista(this);
    dbgPagamentos = lista->grade();
    dbgPagamentos->setObjectName(QStringLiteral("dbgPagamentos"));
    dbgPagamentos->setToolTip(QStringLiteral("Mais Opções -> Botão Direito do Mouse"));
    lista->definirColunas({{QStringLiteral("COD_GERAL_F_P"), QStringLiteral("Cód. Pag."), FormatoColuna::Texto, 80},
                           {QStringLiteral("DESCRICAO"), QStringLiteral("Descrição"), FormatoColuna::Texto, 330},
                           {QStringLiteral("DATA_VENC"), QStringLiteral("Vencimento"), FormatoColuna::Data, 95},
                           {QStringLiteral("VENCIMENTOS"), QStringLiteral("Vencimentos R$"), FormatoColuna::Dinheiro, 120},
                           {QStringLiteral("DESCONTOS"), QStringLiteral("Descontos R$"), FormatoColuna::Dinheiro, 120},
                           {QStringLiteral("DATA_PAG"), QStringLiteral("Pagamento"), FormatoColuna::Data, 0}});
    lista->definirChave(QStringLiteral("COD_GERAL_F_P"));
    ModeloConsulta *modelo = lista->modelo();
    dbgPagamentos->setItemDelegate(new DelegateCorLinha(
        [modelo](int linha) -> std::optional<QColor> {
            if (!modelo->valor(linha, QStringLiteral("DATA_PAG")).isNull())
                return corBGR(kCorPago);
            const QString tipo = modelo->texto(linha, QStringLiteral("TIPO"));
            if (tipo == QLatin1String("+"))
                return corBGR(kCorCredito);
            if (tipo == QLatin1String("-"))
                return corBGR(kCorDesconto);
            return std::nullopt;
        },
        dbgPagamentos));

    // ---------------------------------------------------------- filter panels
    pnlFiltro = new QGroupBox(QStringLiteral("Filtros:"), this);
    auto *lf = new QHBoxLayout(pnlFiltro);
    for (Filtro f : kFiltros) {
        auto *rb = new QRadioButton(legendaFiltro(f), pnlFiltro);
        rbFiltros << rb;
        lf->addWidget(rb);
        connect(rb, &QRadioButton::clicked, this, [this, f] { escolherFiltro(f); });
    }
    edtFiltro = new QLineEdit(pnlFiltro);
    edtFiltro->setObjectName(QStringLiteral("edtFiltro"));
    emMaiusculas(edtFiltro, 90);
    edtFiltro->installEventFilter(this);
    lf->addWidget(edtFiltro, 1);
    btnBuscar = new QToolButton(pnlFiltro);
    btnBuscar->setText(QStringLiteral("Buscar"));
    btnFecharFiltro = new QToolButton(pnlFiltro);
    btnFecharFiltro->setText(QStringLiteral("x"));
    btnFecharFiltro->setToolTip(QStringLiteral("Fechar Consulta"));
    lf->addWidget(btnBuscar);
    lf->addWidget(btnFecharFiltro);
    pnlFiltro->hide();
    connect(btnBuscar, &QToolButton::clicked, this, &TFrmPagFuncionarios::btnBuscarClick);
    connect(btnFecharFiltro, &QToolButton::clicked, pnlFiltro, &QWidget::hide);

    pnlPeriodo = new QGroupBox(QStringLiteral("  Período:  "), this);
    auto *lp = new QHBoxLayout(pnlPeriodo);
    dtpDe = new QDateEdit(pnlPeriodo);
    dtpAte = new QDateEdit(pnlPeriodo);
    for (QDateEdit *d : {dtpDe, dtpAte}) {
        d->setDisplayFormat(QStringLiteral("dd/MM/yyyy"));
        d->setCalendarPopup(true);
    }
    btnPesquisar = new QPushButton(QStringLiteral("Pesquisar"), pnlPeriodo);
    btnPesquisar->setAutoDefault(false);
    btnFecharPeriodo = new QToolButton(pnlPeriodo);
    btnFecharPeriodo->setText(QStringLiteral("x"));
    lp->addWidget(new QLabel(QStringLiteral("De"), pnlPeriodo));
    lp->addWidget(dtpDe);
    lp->addWidget(new QLabel(QStringLiteral("Até"), pnlPeriodo));
    lp->addWidget(dtpAte);
    lp->addWidget(btnPesquisar);
    lp->addWidget(btnFecharPeriodo);
    lp->addStretch();
    pnlPeriodo->hide();
    connect(btnPesquisar, &QPushButton::clicked, this, &TFrmPagFuncionarios::btnPesquisarClick);
    connect(btnFecharPeriodo, &QToolButton::clicked, pnlPeriodo, &QWidget::hide);
    layout->addWidget(pnlFiltro);
    layout->addWidget(pnlPeriodo);

    // ---------------------------------------------------------- pages
    auto *centro = new QHBoxLayout;
    lstFuncionarios = new QListWidget(this);
    lstFuncionarios->setObjectName(QStringLiteral("lstFuncionarios"));
    lstFuncionarios->setMaximumWidth(260);
    QFont negrito = lstFuncionarios->font();
    negrito.setBold(true);
    lstFuncionarios->setFont(negrito);
    centro->addWidget(lstFuncionarios);
    auto *pagina = new QVBoxLayout;
    tabFuncionarios = new QTabBar(this);
    tabFuncionarios->setObjectName(QStringLiteral("tabFuncionarios"));
    tabFuncionarios->setUsesScrollButtons(true);
    tabFuncionarios->setExpanding(false);
    pagina->addWidget(tabFuncionarios);
    auto *cab = new QGridLayout;
    auto *capFunc = new QLabel(QStringLiteral("FUNCIONÁRIO"), this);
    lblFuncionario = new QLabel(this);
    lblFuncionario->setObjectName(QStringLiteral("lblFuncionario"));
    auto *capMes = new QLabel(QStringLiteral("MÊS"), this);
    btnMesAnterior = new QToolButton(this);
    btnMesAnterior->setText(QStringLiteral("<"));
    btnMesSeguinte = new QToolButton(this);
    btnMesSeguinte->setText(QStringLiteral(">"));
    lblMes = new QLabel(this);
    lblMes->setObjectName(QStringLiteral("lblMes"));
    lblMes->setAlignment(Qt::AlignCenter);
    lblMes->setMinimumWidth(170);
    for (QLabel *l : {capFunc, lblFuncionario, capMes, lblMes}) {
        QFont f = l->font();
        f.setBold(true);
        l->setFont(f);
    }
    cab->addWidget(capFunc, 0, 0);
    cab->addWidget(lblFuncionario, 1, 0);
    cab->addWidget(capMes, 0, 2, 1, 3, Qt::AlignCenter);
    cab->addWidget(btnMesAnterior, 1, 2);
    cab->addWidget(lblMes, 1, 3);
    cab->addWidget(btnMesSeguinte, 1, 4);
    cab->setColumnStretch(1, 1);
    pagina->addLayout(cab);
    pagina->addWidget(dbgPagamentos, 1);

    auto *rodape = new QHBoxLayout;
    auto total = [this, rodape](const QString &rotulo, const QString &nome) {
        rodape->addWidget(new QLabel(rotulo, this));
        auto *l = new QLabel(QStringLiteral("0,00"), this);
        l->setObjectName(nome);
        QFont f = l->font();
        f.setBold(true);
        l->setFont(f);
        l->setMinimumWidth(90);
        rodape->addWidget(l);
        return l;
    };
    lblVencimentos = total(QStringLiteral("Vencimentos: R$"), QStringLiteral("lblVencimentos"));
    lblDescontos = total(QStringLiteral("Descontos: R$"), QStringLiteral("lblDescontos"));
    lblLiquido = total(QStringLiteral("LÍQUIDO: R$"), QStringLiteral("lblLiquido"));
    rodape->addStretch();
    rodape->addWidget(amostra(this, kCorCredito));
    rodape->addWidget(new QLabel(QStringLiteral("Vencimentos"), this));
    rodape->addWidget(amostra(this, kCorDesconto));
    rodape->addWidget(new QLabel(QStringLiteral("Descontos"), this));
    rodape->addWidget(amostra(this, kCorPago));
    rodape->addWidget(new QLabel(QStringLiteral("Pagos"), this));
    pagina->addLayout(rodape);
    centro->addLayout(pagina, 1);
    layout->addLayout(centro, 1);

    // ---------------------------------------------------------- buttons
    auto *botoes = new QHBoxLayout;
    btnNovo = new QPushButton(QStringLiteral("Novo Pagamento"), this);
    btnAlterar = new QPushButton(QStringLiteral("Alterar Pagamento"), this);
    btnExcluir = new QPushButton(QStringLiteral("Excluir Pagamento"), this);
    btnPagar = new QPushButton(QStringLiteral("Efetuar Pagamento"), this);
    btnGerarFolha = new QPushButton(QStringLiteral("Gerar Folha de Pagamento"), this);
    btnFiltros = new QPushButton(QStringLiteral("Filtros"), this);
    btnPeriodo = new QPushButton(QStringLiteral("Pesquisar por Período"), this);
    btnSair = new QPushButton(QStringLiteral("Sair"), this);
    for (QPushButton *b : {btnNovo, btnAlterar, btnExcluir, btnPagar, btnGerarFolha, btnFiltros, btnPeriodo})
        botoes->addWidget(b);
    botoes->addStretch();
    botoes->addWidget(btnSair);
    for (QPushButton *b : {btnNovo, btnAlterar, btnExcluir, btnPagar, btnGerarFolha, btnFiltros, btnPeriodo, btnSair})
        b->setAutoDefault(false);
    layout->addLayout(botoes);
    lista->definirBotoesPermissao(btnNovo, btnAlterar, btnExcluir);

    lista->criarAtalhos({
        {QStringLiteral("|| Novo Pag.  - (F2) ||"), QKeySequence(Qt::Key_F2), {}, btnNovo},
        {QStringLiteral("|| Filtros - (F3) ||"), QKeySequence(Qt::Key_F3), [this] { btnFiltrosClick(); }},
        {QStringLiteral("|| Alterar Pag. - (Insert) ||"), QKeySequence(Qt::Key_Insert), {}, btnAlterar},
        {QStringLiteral("|| Excluir Pag. - (Delete) ||"), QKeySequence(Qt::Key_Delete), {}, btnExcluir},
        {QStringLiteral("|| Sair - (Ctrl + X) ||"), QKeySequence(Qt::CTRL | Qt::Key_X), {}, btnSair},
    });
    // The two orders show every entry (of the page's employee).
    lista->adicionarOrdenacao(QStringLiteral("Mostrar Todos  - Organizar Por Data de Vencimento"), QString());
    lista->menuContexto()->clear();
    connect(lista->menuContexto()->addAction(QStringLiteral("Mostrar Todos  - Organizar Por Data de Vencimento")),
            &QAction::triggered, this, [this] { aplicar(consultaTodos(false)); });
    connect(lista->menuContexto()->addAction(QStringLiteral("Mostrar Todos  - Organizar Por Ordem Alfabética")),
            &QAction::triggered, this, [this] { aplicar(consultaTodos(true)); });

    connect(btnNovo, &QPushButton::clicked, this, &TFrmPagFuncionarios::btnNovoClick);
    connect(btnAlterar, &QPushButton::clicked, this, &TFrmPagFuncionarios::btnAlterarClick);
    connect(btnExcluir, &QPushButton::clicked, this, &TFrmPagFuncionarios::btnExcluirClick);
    connect(btnPagar, &QPushButton::clicked, this, &TFrmPagFuncionarios::btnPagarClick);
    connect(btnGerarFolha, &QPushButton::clicked, this, &TFrmPagFuncionarios::btnGerarFolhaClick);
    connect(btnFiltros, &QPushButton::clicked, this, &TFrmPagFuncionarios::btnFiltrosClick);
    connect(btnPeriodo, &QPushButton::clicked, this, &TFrmPagFuncionarios::btnPeriodoClick);
    connect(btnSair, &QPushButton::clicked, this, &TFrmPagFuncionarios::btnSairClick);
    connect(btnMesAnterior, &QToolButton::clicked, this, &TFrmPagFuncionarios::btnMesAnteriorClick);
    connect(btnMesSeguinte, &QToolButton::clicked, this, &TFrmPagFuncionarios::btnMesSeguinteClick);
    connect(lista, &TelaLista::ativada, this, &TFrmPagFuncionarios::dbgPagamentosDblClick);
    connect(lista, &TelaLista::aberta, this, &TFrmPagFuncionarios::atualizarTotais);
    // The payment date column is kept but not shown.
    connect(lista, &TelaLista::aberta, this, [this] { dbgPagamentos->setColumnHidden(5, true); });
    // "Efetuar Pagamento" follows the current row (paid or not).
    connect(dbgPagamentos->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this] { atualizarPagar(); });
    connect(tabFuncionarios, &QTabBar::currentChanged, this, [this](int i) { mostrarPagina(i); });
    connect(lstFuncionarios, &QListWidget::currentRowChanged, this, [this](int i) { mostrarPagina(i); });
}

void TFrmPagFuncionarios::showEvent(QShowEvent *e)
{
    QDialog::showEvent(e);
    if (m_mostrada)
        return;
    m_mostrada = true;
    imgCabecalho->setPixmap(imagemPadrao());
    dtpDe->setDate(Relogio::hoje());
    dtpAte->setDate(Relogio::hoje());
    // One page per live employee, carrying the key.
    {
        const QSignalBlocker b1(tabFuncionarios), b2(lstFuncionarios);
        int n = 0;
        for (const Pagina &p : paginas(DM->Conexao)) {
            const int i = tabFuncionarios->addTab(p.nome);
            tabFuncionarios->setTabData(i, p.funcionario);
            tabFuncionarios->setTabToolTip(i, QStringLiteral("TS%1").arg(++n));
            auto *item = new QListWidgetItem(p.nome, lstFuncionarios);
            item->setData(Qt::UserRole, p.funcionario);
        }
    }
    // The month filter on the current month.
    escolherFiltro(Filtro::MesAno);
    edtFiltro->setText(textoMes(Relogio::hoje().month(), Relogio::hoje().year()));
    btnBuscarClick();
    mostrarPagina(0);
    dbgPagamentos->setFocus();
}

qint64 TFrmPagFuncionarios::funcionarioAtual() const
{
    const int i = tabFuncionarios->currentIndex();
    return i < 0 ? 0 : tabFuncionarios->tabData(i).toLongLong();
}

Lancamento TFrmPagFuncionarios::lancamentoAtual() const
{
    if (lista->vazia() || lista->linhaAtual() < 0)
        return {};
    Lancamento l;
    l.chave = lista->inteiro(QStringLiteral("COD_GERAL_F_P"));
    l.funcionario = lista->inteiro(QStringLiteral("ID_FUNCIONARIO_PAGAMENTO"));
    l.vencimento = lista->valor(QStringLiteral("DATA_VENC")).toDate();
    l.tipo = lista->texto(QStringLiteral("TIPO"));
    l.descricao = lista->texto(QStringLiteral("DESCRICAO"));
    l.valor = Dinheiro::deVariant(lista->valor(QStringLiteral("VALOR")));
    l.pagamento = lista->valor(QStringLiteral("DATA_PAG")).toDate();
    return l;
}

void TFrmPagFuncionarios::mostrarPagina(int i)
{
    if (m_mudandoPagina)
        return;
    m_mudandoPagina = true;
    if (i >= 0 && i < tabFuncionarios->count()) {
        tabFuncionarios->setCurrentIndex(i);
        lstFuncionarios->setCurrentRow(i);
        lblFuncionario->setText(tabFuncionarios->tabData(i).toString() + QStringLiteral(" - ")
                                + tabFuncionarios->tabText(i));
    } else {
        lblFuncionario->clear();
    }
    m_mudandoPagina = false;
    reabrir();
}

void TFrmPagFuncionarios::reabrir()
{
    if (m_consulta.sql.isEmpty())
        return;
    const Consulta c = doFuncionario(m_consulta, funcionarioAtual());
    lista->definirConsulta(c.sql, c.valores);
    lista->reabrir();
}

void TFrmPagFuncionarios::aplicar(const Consulta &c)
{
    m_consulta = c;
    reabrir();
}

void TFrmPagFuncionarios::atualizarTotais()
{
    const Dinheiro v = lista->modelo()->somarEmSql(QStringLiteral("VENCIMENTOS"));
    const Dinheiro d = lista->modelo()->somarEmSql(QStringLiteral("DESCONTOS"));
    lblVencimentos->setText(v.formatado());
    lblDescontos->setText(d.formatado());
    lblLiquido->setText((v - d).formatado());
    atualizarPagar();
}

void TFrmPagFuncionarios::atualizarPagar()
{
    const Lancamento atual = lancamentoAtual();
    btnPagar->setEnabled(atual.chave > 0 && !atual.pago() && Sessao::atual().direitos.ALTERA);
}

// ------------------------------------------------------------------ searching

Filtro TFrmPagFuncionarios::filtroEscolhido() const
{
    for (int i = 0; i < rbFiltros.size(); ++i)
        if (rbFiltros[i]->isChecked())
            return kFiltros[i];
    return Filtro::MesAno;
}

void TFrmPagFuncionarios::escolherFiltro(Filtro f)
{
    for (int i = 0; i < rbFiltros.size(); ++i)
        rbFiltros[i]->setChecked(kFiltros[i] == f);
    pnlFiltro->show();
    edtFiltro->clear();
    edtFiltro->setProperty("dinheiro", f == Filtro::Valor);
    edtFiltro->setFocus();
}

bool TFrmPagFuncionarios::eventFilter(QObject *o, QEvent *e)
{
    if (o == edtFiltro && e->type() == QEvent::KeyPress) {
        const int k = static_cast<QKeyEvent *>(e)->key();
        if (k == Qt::Key_Return || k == Qt::Key_Enter) {
            btnBuscarClick();
            return true;
        }
        if (k == Qt::Key_Escape) {
            pnlFiltro->hide();
            return true;
        }
        if (k == Qt::Key_Up || k == Qt::Key_Down) {
            int i = 0;
            while (i < rbFiltros.size() && !rbFiltros[i]->isChecked())
                ++i;
            const int j = qBound(0, i + (k == Qt::Key_Down ? 1 : -1), int(rbFiltros.size()) - 1);
            if (j != i)
                escolherFiltro(kFiltros[j]);
            return true;
        }
    }
    // A value choice: plain digits while typing, "#,##0.00" when left.
    if (o == edtFiltro && edtFiltro->property("dinheiro").toBool()) {
        if (e->type() == QEvent::FocusIn)
            edtFiltro->setText(TiraPontoTracoBarra(edtFiltro->text()));
        else if (e->type() == QEvent::FocusOut)
            edtFiltro->setText(CamposEdicao::formatarDinheiro(edtFiltro->text()));
    }
    return QDialog::eventFilter(o, e);
}

void TFrmPagFuncionarios::btnBuscarClick()
{
    const Filtro f = filtroEscolhido();
    const QString texto = edtFiltro->text();
    const Consulta c = consulta(f, texto);
    if (!c.recusa.isEmpty()) {
        Mensagem::info(c.recusa);
        edtFiltro->setFocus();
        return;
    }
    pnlFiltro->hide();
    RegistrarLog(QStringLiteral("Tentou Localizar Pagamento de Funcionário de ") + legendaFiltro(f)
                 + QStringLiteral(" -> ") + texto);
    if (c.mes > 0) {
        Mes = QStringLiteral("%1").arg(c.mes, 2, 10, QLatin1Char('0'));
        Ano = QString::number(c.ano);
        lblMes->setText(ConverterMes(c.mes) + QStringLiteral(" - ") + Ano);
        btnGerarFolha->setText(QStringLiteral("Calcular Folha de Pagamento (") + lblMes->text() + QLatin1Char(')'));
    }
    aplicar(c);
}

void TFrmPagFuncionarios::passoMes(int passo)
{
    int mes = Mes.toInt(), ano = Ano.toInt();
    if (mes < 1) {
        mes = Relogio::hoje().month();
        ano = Relogio::hoje().year();
    }
    PagamentoFuncionarios::passoMes(mes, ano, passo);
    escolherFiltro(Filtro::MesAno);
    edtFiltro->setText(textoMes(mes, ano));
    btnBuscarClick();
}

void TFrmPagFuncionarios::btnMesAnteriorClick() { passoMes(-1); }
void TFrmPagFuncionarios::btnMesSeguinteClick() { passoMes(1); }

void TFrmPagFuncionarios::btnFiltrosClick() { escolherFiltro(Filtro::MesAno); }

void TFrmPagFuncionarios::btnPeriodoClick()
{
    pnlPeriodo->show();
    dtpDe->setFocus();
}

void TFrmPagFuncionarios::btnPesquisarClick()
{
    aplicar(consultaPeriodo(dtpDe->date(), dtpAte->date()));
    pnlPeriodo->hide();
    dbgPagamentos->setFocus();
}

// ------------------------------------------------------------------ entries

int TFrmPagFuncionarios::abrirCadastro() { return Telas::abrir<TFrmCadPagFuncionarios>(FrmCadPagFuncionarios, this); }

void TFrmPagFuncionarios::btnNovoClick()
{
    OP = QStringLiteral("I");
    struct Reabre {
        TFrmPagFuncionarios *t;
        ~Reabre() { t->reabrir(); }
    } reabre{this};
    abrirCadastro();
    OP.clear();
}

void TFrmPagFuncionarios::btnAlterarClick()
{
    if (lancamentoAtual().chave == 0)
        return;
    OP = QStringLiteral("A");
    struct Reabre {
        TFrmPagFuncionarios *t;
        ~Reabre() { t->reabrir(); }
    } reabre{this};
    abrirCadastro();
    OP.clear();
}

void TFrmPagFuncionarios::dbgPagamentosDblClick()
{
    if (lancamentoAtual().chave == 0)
        return;
    OP = QStringLiteral("V");
    abrirCadastro();
    OP.clear();
}

void TFrmPagFuncionarios::btnExcluirClick()
{
    const Lancamento l = lancamentoAtual();
    if (l.chave == 0 || !Mensagem::pergunta(kMsgConfirmaExclusao))
        return;
    lista->prepararExclusao();
    const Resultado r = excluir(DM->Conexao, l, tabFuncionarios->tabText(tabFuncionarios->currentIndex()));
    reabrir();
    if (!r.feito)
        Mensagem::info(r.mensagem);
    else if (r.comCaixa)
        r.caixa.mostrar();
}

void TFrmPagFuncionarios::btnPagarClick()
{
    const Lancamento l = lancamentoAtual();
    if (l.chave == 0)
        return;
    if (l.pago()) {
        Mensagem::info(kMsgJaPago);
        return;
    }
    if (!Mensagem::pergunta(perguntaPagamento(l.valor, l.descricao)))
        return;
    const Resultado r = pagar(DM->Conexao, l);
    reabrir();
    if (!r.feito)
        Mensagem::info(r.mensagem);
    else
        r.caixa.mostrar();
}

void TFrmPagFuncionarios::btnGerarFolhaClick()
{
    int mes = Mes.toInt(), ano = Ano.toInt();
    if (mes < 1) {
        mes = Relogio::hoje().month();
        ano = Relogio::hoje().year();
    }
    FolhaPagamento::Geracao g = FolhaPagamento::gerar(DM->Conexao, mes, ano);
    if (g.situacao == FolhaPagamento::Geracao::Situacao::JaGerada) {
        if (!Mensagem::pergunta(g.mensagem))
            return;
        g = FolhaPagamento::gerar(DM->Conexao, mes, ano, true);
    }
    reabrir();
    Mensagem::info(g.mensagem);
}

void TFrmPagFuncionarios::btnSairClick() { reject(); }

void abrirPagFuncionarios() { Telas::abrir<TFrmPagFuncionarios>(FrmPagFuncionarios); }
