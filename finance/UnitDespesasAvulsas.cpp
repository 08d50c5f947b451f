#include "finance/UnitDespesasAvulsas.h"
#include "base/CabecalhoTela.h"
#include "base/Grade.h"
#include "base/Mensagem.h"
#include "base/Parametros.h"
#include "base/Relogio.h"
#include "base/Sessao.h"
#include "base/TelaEdicao.h"
#include "base/Telas.h"
#include "base/UnitDM.h"
#include "base/UnitLog.h"
#include "finance/UnitRelRecibo.h"
#include "platform/ProgramaCompanheiro.h"

#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTableView>
#include <QTableWidget>
#include <QVBoxLayout>

TFrmDespesasAvulsas *FrmDespesasAvulsas = nullptr;

using namespace DespesasAvulsas;

namespace {

QPushButton *botao(const QString &legenda, QWidget *pai, const char *nome)
{
    auto *b = new QPushButton(legenda, pai);
    b->setObjectName(QString::fromLatin1(nome));
    b->setAutoDefault(false);
    return b;
}

QPushButton *botaoFechar(QWidget *pai, const char *nome)
{
    QPushButton *b = botao(QStringLiteral("x"), pai, nome);
    b->setStyleSheet(QStringLiteral("color: red; font-weight: bold;"));
    b->setFixedWidth(28);
    return b;
}

QLineEdit *campo(QWidget *pai, const char *nome, const QString &inicial, int maximo)
{
    auto *e = new QLineEdit(inicial, pai);
    e->setObjectName(QString::fromLatin1(nome));
    e->setMaxLength(maximo);
    return e;
}

// Thousands dots and the other marks leave a money text while it is typed.
QString semMarcas(QString t)
{
    for (QChar c : {u'.', u'-', u':', u'/', u'(', u')'})
        t.remove(c);
    return t;
}

QString formatarDinheiro(const QString &t)
{
    if (t.trimmed().isEmpty())
        return QStringLiteral("0,00");
    const std::optional<Dinheiro> d = Dinheiro::deTexto(t);
    return d ? d->formatado() : t;
}

const char *const kNomesMeios[kMeios] = {"edtDinheiro", "edtVisa",  "edtDebVisa", "edtMaster",
                                         "edtDebMaster", "edtHiper", "edtCheque"};

bool podeEditarPreco()
{
    const Sessao &s = Sessao::atual();
    return s.direitos.MOVIMENTOS || !s.Permitido.isEmpty();
}

} // namespace

TFrmDespesasAvulsas::TFrmDespesasAvulsas(QWidget *parent) : QDialog(parent)
{
    setWindowTitle(kTitulo);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(criarCabecalhoTela(this));

    auto *topo = new QHBoxLayout;
    btnNovaDespesa = botao(QStringLiteral("Nova Despesa"), this, "btnNovaDespesa");
    btnExcluirDespesa = botao(QStringLiteral("Excluir Despesa"), this, "btnExcluirDespesa");
    btnRecibo = botao(QStringLiteral("Recibo"), this, "btnRecibo");
    btnCupomFiscal = botao(QStringLiteral("Cupom Fiscal"), this, "btnCupomFiscal");
    btnSair = botao(QStringLiteral("Sair"), this, "btnSair");
    for (QPushButton *b : {btnNovaDespesa, btnExcluirDespesa, btnRecibo, btnCupomFiscal})
        topo->addWidget(b);
    topo->addStretch();
    topo->addWidget(btnSair);
    layout->addLayout(topo);

    // --- the two lists
    pgDespesas = new QTabWidget(this);
    pgDespesas->setObjectName(QStringLiteral("pgDespesas"));
    tDespesa = new ModeloConsulta(this);
    tDespesa->definirColunas({
        {QStringLiteral("ID_DESPESA_AVULSA"), QStringLiteral("Código"), FormatoColuna::Texto, 60},
        {QStringLiteral("PS"), QStringLiteral("Produto / Serviço"), FormatoColuna::Texto, 220},
        {QStringLiteral("QTD"), QStringLiteral("Qtd."), FormatoColuna::Texto, 45},
        {QStringLiteral("VALOR_UNIT"), QStringLiteral("Valor Unit.(R$)"), FormatoColuna::Dinheiro, 95},
        {QStringLiteral("TAXA"), QStringLiteral("Taxa(%)"), FormatoColuna::Dinheiro, 60},
        {QStringLiteral("QTDXUNIT"), QStringLiteral("Qtd. X Unit. + Taxa(R$)"), FormatoColuna::Dinheiro, 140},
        {QStringLiteral("DESCONTO"), QStringLiteral("Desconto"), FormatoColuna::Dinheiro, 75},
        {QStringLiteral("ACRESCIMO"), QStringLiteral("Acréscimo"), FormatoColuna::Dinheiro, 75},
        {QStringLiteral("VALORFINAL"), QStringLiteral("Valor Final R$"), FormatoColuna::Dinheiro, 95},
        {QStringLiteral("COMANDA"), QStringLiteral("Comanda"), FormatoColuna::Texto, 65},
        {QStringLiteral("DATA"), QStringLiteral("Data"), FormatoColuna::Data, 80},
        {QStringLiteral("HORA"), QStringLiteral("Hora"), FormatoColuna::Hora, 65},
        {QStringLiteral("USUARIO"), QStringLiteral("Usuário"), FormatoColuna::Texto, 80},
        {QStringLiteral("FUNCIONARIO"), QStringLiteral("Funcionário"), FormatoColuna::Texto, 160},
    });
    grdItemUnico = new QTableView(pgDespesas);
    grdItemUnico->setObjectName(QStringLiteral("grdItemUnico"));
    grdItemUnico->setModel(tDespesa);
    prepararGrade(grdItemUnico);
    m_larguras1 = {60, 220, 45, 95, 60, 140, 75, 75, 95, 65, 80, 65, 80, 160};
    pgDespesas->addTab(grdItemUnico, QStringLiteral("Individual"));

    tDespesaVarias = new ModeloConsulta(this);
    tDespesaVarias->definirColunas({
        {QStringLiteral("ID_V_DESPESA_AVULSA"), QStringLiteral("Código"), FormatoColuna::Texto, 60},
        {QStringLiteral("ITENS"), QStringLiteral("Qtd. de Itens"), FormatoColuna::Texto, 85},
        {QStringLiteral("TOTAL"), QStringLiteral("Valor Total R$"), FormatoColuna::Dinheiro, 100},
        {QStringLiteral("DESCONTO"), QStringLiteral("Desconto"), FormatoColuna::Dinheiro, 75},
        {QStringLiteral("ACRESCIMO"), QStringLiteral("Acréscimo"), FormatoColuna::Dinheiro, 75},
        {QStringLiteral("VALORFINAL"), QStringLiteral("Valor Final R$"), FormatoColuna::Dinheiro, 95},
        {QStringLiteral("DATA"), QStringLiteral("Data"), FormatoColuna::Data, 80},
        {QStringLiteral("HORA"), QStringLiteral("Hora"), FormatoColuna::Hora, 65},
        {QStringLiteral("USUARIO"), QStringLiteral("Usuário"), FormatoColuna::Texto, 80},
        {QStringLiteral("FUNCIONARIO"), QStringLiteral("Funcionário"), FormatoColuna::Texto, 160},
    });
    grdVariosItens = new QTableView(pgDespesas);
    grdVariosItens->setObjectName(QStringLiteral("grdVariosItens"));
    grdVariosItens->setModel(tDespesaVarias);
    prepararGrade(grdVariosItens);
    m_larguras2 = {60, 85, 100, 75, 75, 95, 80, 65, 80, 160};
    pgDespesas->addTab(grdVariosItens, QStringLiteral("Várias"));
    layout->addWidget(pgDespesas, 1);

    // --- entry panel
    pnlIncluir = new QGroupBox(QStringLiteral("Incluir Despesa Avulsa:"), this);
    pnlIncluir->setObjectName(QStringLiteral("pnlIncluir"));
    auto *gi = new QGridLayout(pnlIncluir);
    edtCodBarras = campo(pnlIncluir, "edtCodBarras", QString(), 20);
    emMaiusculas(edtCodBarras, 20);
    cbPS = new QComboBox(pnlIncluir);
    cbPS->setObjectName(QStringLiteral("cbPS"));
    cbPS->setMinimumWidth(280);
    edtQtd = campo(pnlIncluir, "edtQtd", QStringLiteral("1"), 20);
    edtValorUnit = campo(pnlIncluir, "edtValorUnit", QStringLiteral("0,00"), 20);
    edtValorUnit->setAlignment(Qt::AlignRight);
    edtComanda = campo(pnlIncluir, "edtComanda", QStringLiteral("0"), 20);
    btnFinalizar = botao(QStringLiteral("Finalizar"), pnlIncluir, "btnFinalizar");
    btnFecharIncluir = botaoFechar(pnlIncluir, "btnFecharIncluir");
    btnMais = botao(QStringLiteral("+"), pnlIncluir, "btnMais");
    btnMais->setToolTip(QStringLiteral("Adicionar Item"));
    btnMenos = botao(QStringLiteral("-"), pnlIncluir, "btnMenos");
    btnMenos->setToolTip(QStringLiteral("Remover Item"));
    btnMenos->setFocusPolicy(Qt::ClickFocus); // Tab skips it
    gi->addWidget(new QLabel(QStringLiteral("Código de Barras:"), pnlIncluir), 0, 0);
    gi->addWidget(new QLabel(QStringLiteral("P / S:"), pnlIncluir), 0, 1);
    gi->addWidget(new QLabel(QStringLiteral("Qtd.:"), pnlIncluir), 0, 2);
    gi->addWidget(new QLabel(QStringLiteral("Valor Unit. R$"), pnlIncluir), 0, 3);
    gi->addWidget(new QLabel(QStringLiteral("Comanda:"), pnlIncluir), 0, 4);
    gi->addWidget(btnFecharIncluir, 0, 7, Qt::AlignRight);
    gi->addWidget(edtCodBarras, 1, 0);
    gi->addWidget(cbPS, 1, 1);
    gi->addWidget(edtQtd, 1, 2);
    gi->addWidget(edtValorUnit, 1, 3);
    gi->addWidget(edtComanda, 1, 4);
    gi->addWidget(btnMais, 1, 5);
    gi->addWidget(btnMenos, 1, 6);
    gi->addWidget(btnFinalizar, 1, 7);
    gridItens = new QTableWidget(0, 6, pnlIncluir);
    gridItens->setObjectName(QStringLiteral("gridItens"));
    gridItens->setHorizontalHeaderLabels({QStringLiteral("Código"), QStringLiteral("Produto"), QStringLiteral("Qtd."),
                                          QStringLiteral("Valor Unit."), QStringLiteral("Qtd. x Unit. R$"),
                                          QStringLiteral("Comanda")});
    prepararGrade(gridItens);
    gridItens->setMaximumHeight(130);
    gi->addWidget(gridItens, 2, 0, 1, 8);
    lblTotalVariasDespesas = new QLabel(QStringLiteral("0,00"), pnlIncluir);
    lblTotalVariasDespesas->setObjectName(QStringLiteral("lblTotalVariasDespesas"));
    auto *rotTotal = new QLabel(QStringLiteral("Valor Total: R$"), pnlIncluir);
    gi->addWidget(rotTotal, 3, 5, 1, 2, Qt::AlignRight);
    gi->addWidget(lblTotalVariasDespesas, 3, 7);
    // The several-item parts show on the "Várias" tab only.
    for (QWidget *w : {static_cast<QWidget *>(btnMais), static_cast<QWidget *>(btnMenos),
                       static_cast<QWidget *>(gridItens), static_cast<QWidget *>(rotTotal),
                       static_cast<QWidget *>(lblTotalVariasDespesas)})
        w->setProperty("soVarias", true);
    pnlIncluir->hide();
    layout->addWidget(pnlIncluir);

    // --- payment panel
    pnlPagamento = new QGroupBox(QStringLiteral("Forma de Pagamento"), this);
    pnlPagamento->setObjectName(QStringLiteral("pnlPagamento"));
    auto *gp = new QGridLayout(pnlPagamento);
    lblRestante = new QLabel(QStringLiteral("R$ 0,00"), pnlPagamento);
    lblRestante->setObjectName(QStringLiteral("lblRestante"));
    QFont grande = lblRestante->font();
    grande.setBold(true);
    grande.setPointSize(grande.pointSize() + 3);
    lblRestante->setFont(grande);
    rbCliente = new QRadioButton(QStringLiteral("Cliente"), pnlPagamento);
    rbFuncionario = new QRadioButton(QStringLiteral("Funcionário"), pnlPagamento);
    rbCliente->setChecked(true);
    cbFuncionario = new QComboBox(pnlPagamento);
    cbFuncionario->setObjectName(QStringLiteral("cbFuncionario"));
    cbFuncionario->setMinimumWidth(260);
    cbFuncionario->hide();
    gp->addWidget(lblRestante, 0, 0, 1, 2);
    gp->addWidget(rbCliente, 0, 2);
    gp->addWidget(rbFuncionario, 0, 3);
    gp->addWidget(cbFuncionario, 0, 4, 1, 3);
    for (int i = 0; i < kMeios; ++i) {
        auto *rot = new QLabel(dadosMeio(meioCaixa(i)).escolha, pnlPagamento);
        auto *e = campo(pnlPagamento, kNomesMeios[i], QStringLiteral("0,00"), 20);
        e->setAlignment(Qt::AlignRight);
        e->installEventFilter(this);
        connect(e, &QLineEdit::textChanged, this, [this](const QString &t) {
            if (!t.isEmpty())
                mostrarTotalMeios();
        });
        rot->setProperty("meio", true);
        edtMeios[size_t(i)] = e;
        gp->addWidget(rot, 1, i);
        gp->addWidget(e, 2, i);
    }
    lblTotal = new QLabel(QStringLiteral("Total  ->  R$ 0,00"), pnlPagamento);
    lblTotal->setObjectName(QStringLiteral("lblTotal"));
    btnDescontoAcrescimo = botao(QStringLiteral("Descontos / Acréscimos"), pnlPagamento, "btnDescontoAcrescimo");
    btnConfirmar = botao(QStringLiteral("Confirmar"), pnlPagamento, "btnConfirmar");
    btnCancelar = botao(QStringLiteral("Cancelar"), pnlPagamento, "btnCancelar");
    gp->addWidget(lblTotal, 3, 0, 1, 2);
    gp->addWidget(btnDescontoAcrescimo, 3, 2, 1, 2);
    gp->addWidget(btnConfirmar, 3, 5);
    gp->addWidget(btnCancelar, 3, 6);

    pnlDesconto = new QGroupBox(pnlPagamento);
    pnlDesconto->setObjectName(QStringLiteral("pnlDesconto"));
    auto *ld = new QHBoxLayout(pnlDesconto);
    rbDesconto = new QRadioButton(QStringLiteral("Desconto"), pnlDesconto);
    rbAcrescimo = new QRadioButton(QStringLiteral("Acréscimo"), pnlDesconto);
    rbDesconto->setChecked(true);
    edtDescontoAcrescimo = campo(pnlDesconto, "edtDescontoAcrescimo", QStringLiteral("0,00"), 90);
    edtDescontoAcrescimo->setAlignment(Qt::AlignRight);
    edtDescontoAcrescimo->installEventFilter(this);
    btnAplicar = botao(QStringLiteral("Aplicar"), pnlDesconto, "btnAplicar");
    btnFecharDesconto = botaoFechar(pnlDesconto, "btnFecharDesconto");
    for (QWidget *w : {static_cast<QWidget *>(rbDesconto), static_cast<QWidget *>(rbAcrescimo),
                       static_cast<QWidget *>(edtDescontoAcrescimo), static_cast<QWidget *>(btnAplicar),
                       static_cast<QWidget *>(btnFecharDesconto)})
        ld->addWidget(w);
    pnlDesconto->hide();
    gp->addWidget(pnlDesconto, 4, 0, 1, 7);
    pnlPagamento->hide();
    layout->addWidget(pnlPagamento);

    menuAtalhos = criarMenuAtalhos(this, {
        {QStringLiteral("|| Novo Despesa  - (F2) ||"), QKeySequence(Qt::Key_F2), {}, btnNovaDespesa},
        {QStringLiteral("|| Excluir Despesa - F12) ||"), QKeySequence(Qt::Key_F12), {}, btnExcluirDespesa},
        {QStringLiteral("|| Sair - (Ctrl + X) ||"), QKeySequence(Qt::CTRL | Qt::Key_X), {}, btnSair},
    });
    m_acNova = menuAtalhos->actions().value(1);
    m_acExcluir = menuAtalhos->actions().value(2);

    // Enter moves on across the screen; buttons and the barcode act on it.
    instalarComportamentoEdicao(this, {});
    edtCodBarras->installEventFilter(this);
    edtValorUnit->installEventFilter(this);
    for (QPushButton *b : findChildren<QPushButton *>())
        b->installEventFilter(this);

    connect(btnNovaDespesa, &QPushButton::clicked, this, &TFrmDespesasAvulsas::btnNovaDespesaClick);
    connect(btnExcluirDespesa, &QPushButton::clicked, this, &TFrmDespesasAvulsas::btnExcluirDespesaClick);
    connect(btnRecibo, &QPushButton::clicked, this, &TFrmDespesasAvulsas::btnReciboClick);
    connect(btnCupomFiscal, &QPushButton::clicked, this, &TFrmDespesasAvulsas::btnCupomFiscalClick);
    connect(btnSair, &QPushButton::clicked, this, &QDialog::reject);
    connect(cbPS, &QComboBox::currentIndexChanged, this, &TFrmDespesasAvulsas::cbPSChange);
    connect(btnFinalizar, &QPushButton::clicked, this, &TFrmDespesasAvulsas::btnFinalizarClick);
    connect(btnFecharIncluir, &QPushButton::clicked, this, &TFrmDespesasAvulsas::btnFecharIncluirClick);
    connect(btnMais, &QPushButton::clicked, this, &TFrmDespesasAvulsas::btnMaisClick);
    connect(btnMenos, &QPushButton::clicked, this, &TFrmDespesasAvulsas::btnMenosClick);
    connect(rbCliente, &QRadioButton::clicked, this, &TFrmDespesasAvulsas::rbClienteClick);
    connect(rbFuncionario, &QRadioButton::clicked, this, &TFrmDespesasAvulsas::rbFuncionarioClick);
    connect(btnDescontoAcrescimo, &QPushButton::clicked, this, &TFrmDespesasAvulsas::btnDescontoAcrescimoClick);
    connect(rbDesconto, &QRadioButton::clicked, this, [this] {
        edtDescontoAcrescimo->setText(QStringLiteral("0,00"));
        edtDescontoAcrescimo->setFocus();
    });
    connect(rbAcrescimo, &QRadioButton::clicked, this, [this] {
        edtDescontoAcrescimo->setText(QStringLiteral("0,00"));
        edtDescontoAcrescimo->setFocus();
    });
    connect(btnAplicar, &QPushButton::clicked, this, &TFrmDespesasAvulsas::btnAplicarClick);
    connect(btnFecharDesconto, &QPushButton::clicked, pnlDesconto, &QWidget::hide);
    connect(btnConfirmar, &QPushButton::clicked, this, &TFrmDespesasAvulsas::btnConfirmarClick);
    connect(btnCancelar, &QPushButton::clicked, this, &TFrmDespesasAvulsas::btnCancelarClick);
    connect(grdVariosItens, &QTableView::doubleClicked, this, &TFrmDespesasAvulsas::grdVariosItensDblClick);
    connect(pgDespesas, &QTabWidget::currentChanged, this, &TFrmDespesasAvulsas::atualizarBotoes);
    resize(1100, 680);
}

// ---------------------------------------------------------------- lists

void TFrmDespesasAvulsas::showEvent(QShowEvent *e)
{
    QDialog::showEvent(e);
    abrirListas();
}

void TFrmDespesasAvulsas::changeEvent(QEvent *e)
{
    QDialog::changeEvent(e);
    if (e->type() == QEvent::ActivationChange && isActiveWindow())
        AcaoAtual(kTitulo);
}

void TFrmDespesasAvulsas::abrirListas()
{
    // Without MOVIMENTOS only today's single-item sales.
    const Consulta q = consultaIndividual(!Sessao::atual().direitos.MOVIMENTOS, Relogio::hoje());
    ReapontarGrid(grdItemUnico, QStringLiteral("ID_DESPESA_AVULSA"), QStringLiteral("AntesAbrir"));
    tDespesa->definirConsulta(q.sql, q.valores);
    tDespesa->abrir();
    // The newest sale is the first row; a remembered one is found again.
    if (!tDespesa->vazia())
        grdItemUnico->selectRow(0);
    ReapontarGrid(grdItemUnico, QStringLiteral("ID_DESPESA_AVULSA"), QStringLiteral("DepoisAbrir"));

    const Consulta v = consultaVarias();
    tDespesaVarias->definirConsulta(v.sql, v.valores);
    tDespesaVarias->abrir();
    if (!tDespesaVarias->vazia())
        grdVariosItens->selectRow(0);
    for (int i = 0; i < m_larguras1.size(); ++i)
        grdItemUnico->setColumnWidth(i, m_larguras1[i]);
    for (int i = 0; i < m_larguras2.size(); ++i)
        grdVariosItens->setColumnWidth(i, m_larguras2[i]);
    atualizarBotoes();
}

void TFrmDespesasAvulsas::atualizarBotoes()
{
    // The rights on the active list: a tab without sales has nothing to delete.
    const bool temLinhas = !(tipoAtivo() == Tipo::Varias ? tDespesaVarias : tDespesa)->vazia();
    PermissaoTela(btnNovaDespesa, nullptr, btnExcluirDespesa, m_acNova, nullptr, m_acExcluir, temLinhas);
    const bool movimentos = Sessao::atual().direitos.MOVIMENTOS;
    if (temLinhas)
        btnExcluirDespesa->setEnabled(movimentos);
    if (m_acExcluir)
        m_acExcluir->setEnabled(btnExcluirDespesa->isEnabled());
    // Receipt and coupon work on the active list's current sale.
    const bool temVenda = vendaAtual() != 0;
    btnRecibo->setEnabled(temVenda);
    btnCupomFiscal->setEnabled(temVenda
                               && (tParametros().sim(QStringLiteral("UTILIZA_FISCAL")) || bool(abrirCupomFiscal)));
}

Tipo TFrmDespesasAvulsas::tipoAtivo() const
{
    return pgDespesas->currentIndex() == 1 ? Tipo::Varias : Tipo::Individual;
}

qint64 TFrmDespesasAvulsas::vendaAtual() const
{
    const bool varias = tipoAtivo() == Tipo::Varias;
    const QTableView *g = varias ? grdVariosItens : grdItemUnico;
    const ModeloConsulta *m = varias ? tDespesaVarias : tDespesa;
    if (m->vazia())
        return 0;
    const int linha = g->currentIndex().isValid() ? g->currentIndex().row() : 0;
    return m->inteiro(linha, varias ? QStringLiteral("ID_V_DESPESA_AVULSA") : QStringLiteral("ID_DESPESA_AVULSA"));
}

// ---------------------------------------------------------------- entry

void TFrmDespesasAvulsas::carregarProdutos()
{
    const QSignalBlocker bloqueio(cbPS);
    cbPS->clear();
    cbPS->addItem(QString(), qint64(0));
    for (const Linha &l : DM->Conexao.lerTodas(QStringLiteral("SELECT ID_P_S, DESCRICAO FROM PRODUTOS_SERVICOS "
                                                              "WHERE EXCLUIDO = 'N' ORDER BY DESCRICAO")))
        cbPS->addItem(l.texto(QStringLiteral("ID_P_S")) + QStringLiteral(" / ") + l.texto(QStringLiteral("DESCRICAO")),
                      l.inteiro(QStringLiteral("ID_P_S")));
    cbPS->setCurrentIndex(0);
}

qint64 TFrmDespesasAvulsas::produtoEscolhido() const { return cbPS->currentData().toLongLong(); }

QString TFrmDespesasAvulsas::descricaoEscolhida() const
{
    return cbPS->currentText().section(QStringLiteral(" / "), 1);
}

void TFrmDespesasAvulsas::escolherProduto(qint64 id)
{
    const int i = cbPS->findData(id);
    cbPS->setCurrentIndex(i < 0 ? 0 : i);
}

void TFrmDespesasAvulsas::escolherFuncionario(qint64 id)
{
    const int i = cbFuncionario->findData(id);
    cbFuncionario->setCurrentIndex(i < 0 ? 0 : i);
}

Leitura TFrmDespesasAvulsas::lerEntrada() const
{
    return lerItem(produtoEscolhido(), descricaoEscolhida(), edtQtd->text(), edtValorUnit->text(), edtComanda->text());
}

void TFrmDespesasAvulsas::limparEntrada()
{
    carregarProdutos();
    edtCodBarras->clear();
    edtQtd->setText(QStringLiteral("1"));
    edtValorUnit->setText(QStringLiteral("0,00"));
    edtComanda->setText(QStringLiteral("0"));
    m_taxa = Dinheiro();
}

void TFrmDespesasAvulsas::btnNovaDespesaClick()
{
    if (!btnNovaDespesa->isEnabled() || !btnNovaDespesa->isVisible())
        return;
    btnNovaDespesa->hide();
    btnExcluirDespesa->hide();
    limparEntrada();
    const bool varias = tipoAtivo() == Tipo::Varias;
    for (QWidget *w : pnlIncluir->findChildren<QWidget *>())
        if (w->property("soVarias").toBool())
            w->setVisible(varias);
    m_itens.clear();
    mostrarTotalItens();
    pnlIncluir->show();
    edtCodBarras->setFocus();
}

void TFrmDespesasAvulsas::edtCodBarrasEnter()
{
    const QString codigo = edtCodBarras->text().trimmed();
    if (codigo.isEmpty()) {
        cbPS->setFocus();
        return;
    }
    const qint64 id = produtoDoCodigoBarras(DM->Conexao, codigo);
    edtCodBarras->clear();
    if (id > 0 && cbPS->findData(id) >= 0) {
        escolherProduto(id);
        edtQtd->setFocus();
    } else {
        cbPS->setFocus();
    }
}

void TFrmDespesasAvulsas::edtCodBarrasAsterisco()
{
    if (const std::optional<QString> q = quantidadeDoAsterisco(edtCodBarras->text()))
        edtQtd->setText(*q);
    edtCodBarras->clear();
}

void TFrmDespesasAvulsas::cbPSChange()
{
    const qint64 id = produtoEscolhido();
    m_taxa = Dinheiro();
    if (id <= 0) {
        edtValorUnit->setText(QStringLiteral("0,00"));
        return;
    }
    if (const std::optional<Produto> p = lerProduto(DM->Conexao, id)) {
        edtValorUnit->setText(p->valor.formatado());
        m_taxa = p->taxa;
    }
    if (edtQtd->text().trimmed().isEmpty())
        edtQtd->setText(QStringLiteral("1"));
}

void TFrmDespesasAvulsas::focarCampo(Campo c)
{
    switch (c) {
    case Campo::Produto: cbPS->setFocus(); break;
    case Campo::Quantidade: edtQtd->setFocus(); break;
    case Campo::ValorUnit: edtValorUnit->setFocus(); break;
    case Campo::Comanda: edtComanda->setFocus(); break;
    case Campo::Desconto: edtDescontoAcrescimo->setFocus(); break;
    case Campo::Pagamento:
        if (rbFuncionario->isChecked())
            cbFuncionario->setFocus();
        else
            edtMeios[0]->setFocus();
        break;
    case Campo::Nenhum: break;
    }
}

void TFrmDespesasAvulsas::recusar(const Recusa &r)
{
    Mensagem::mostrar(r.tipo, r.mensagem, Mensagem::Ok, Mensagem::Ok);
    focarCampo(r.foco);
}

void TFrmDespesasAvulsas::mostrarTotalItens()
{
    gridItens->setRowCount(int(m_itens.size()));
    for (int i = 0; i < m_itens.size(); ++i) {
        const Item &it = m_itens[i];
        const QStringList valores{QString::number(it.produto), it.descricao, QString::number(it.qtd),
                                  it.valorUnit.formatado(), it.total().formatado(), QString::number(it.comanda)};
        for (int c = 0; c < valores.size(); ++c)
            gridItens->setItem(i, c, new QTableWidgetItem(valores[c]));
    }
    lblTotalVariasDespesas->setText(bruto(m_itens).formatado());
}

void TFrmDespesasAvulsas::btnMaisClick()
{
    const Leitura l = lerEntrada();
    if (l.recusa) {
        recusar(*l.recusa);
    } else {
        m_itens.append(*l.item);
        limparEntrada();
        mostrarTotalItens();
        gridItens->selectRow(int(m_itens.size()) - 1);
    }
    edtCodBarras->setFocus();
}

void TFrmDespesasAvulsas::btnMenosClick()
{
    if (!m_itens.isEmpty()) {
        const int linha = gridItens->currentRow();
        m_itens.removeAt(linha >= 0 && linha < m_itens.size() ? linha : int(m_itens.size()) - 1);
        mostrarTotalItens();
    }
    edtCodBarras->setFocus();
}

void TFrmDespesasAvulsas::btnFinalizarClick()
{
    if (tipoAtivo() == Tipo::Individual) {
        const Leitura l = lerEntrada();
        if (l.recusa) {
            recusar(*l.recusa);
            return;
        }
        m_devido = bruto(*l.item, m_taxa);
        btnDescontoAcrescimo->show();
    } else {
        if (m_itens.isEmpty()) {
            recusar(Recusa{kMsgSemItens, Campo::Produto});
            return;
        }
        m_devido = bruto(m_itens);
        btnDescontoAcrescimo->hide();
    }
    pnlDesconto->hide();
    pnlPagamento->show();
    rbCliente->setChecked(true);
    rbClienteClick();
    for (QLineEdit *e : edtMeios)
        e->setText(QStringLiteral("0,00"));
    lblRestante->setText(QStringLiteral("R$ ") + m_devido.formatado());
    edtMeios[0]->setText(m_devido.formatado());
    mostrarTotalMeios();
    edtMeios[0]->setFocus();
    edtMeios[0]->selectAll();
    grdItemUnico->setEnabled(false);
}

void TFrmDespesasAvulsas::btnFecharIncluirClick()
{
    pnlIncluir->hide();
    terminarPagamento();
}

// ---------------------------------------------------------------- payment

void TFrmDespesasAvulsas::mostrarTotalMeios()
{
    std::array<QString, kMeios> t;
    for (int i = 0; i < kMeios; ++i)
        t[size_t(i)] = edtMeios[size_t(i)]->text();
    Dinheiro soma;
    // Fields not (yet) readable count as nothing while typing.
    for (const QString &s : t)
        if (const auto d = Dinheiro::deTexto(s))
            soma += *d;
    lblTotal->setText(QStringLiteral("Total -> R$ ") + soma.formatado());
}

void TFrmDespesasAvulsas::rbClienteClick()
{
    for (QLineEdit *e : edtMeios)
        e->show();
    for (QLabel *l : pnlPagamento->findChildren<QLabel *>())
        if (l->property("meio").toBool())
            l->show();
    lblTotal->show();
    cbFuncionario->hide();
    cbFuncionario->clear();
    edtMeios[0]->setFocus();
    edtMeios[0]->selectAll();
}

void TFrmDespesasAvulsas::rbFuncionarioClick()
{
    for (QLineEdit *e : edtMeios)
        e->hide();
    for (QLabel *l : pnlPagamento->findChildren<QLabel *>())
        if (l->property("meio").toBool())
            l->hide();
    lblTotal->hide();
    cbFuncionario->clear();
    cbFuncionario->addItem(kSelecioneFuncionario, qint64(0));
    for (const Linha &l : DM->Conexao.lerTodas(QStringLiteral(
             "SELECT ID_FUNCIONARIO, NOME FROM FUNCIONARIO WHERE ID_FUNCIONARIO NOT IN "
             "(SELECT ID_FUNCIONARIO FROM ANULACAO) ORDER BY NOME")))
        cbFuncionario->addItem(l.texto(QStringLiteral("ID_FUNCIONARIO")) + QStringLiteral(" / ")
                                   + l.texto(QStringLiteral("NOME")),
                               l.inteiro(QStringLiteral("ID_FUNCIONARIO")));
    cbFuncionario->setCurrentIndex(0);
    cbFuncionario->show();
    cbFuncionario->setFocus();
}

void TFrmDespesasAvulsas::btnDescontoAcrescimoClick()
{
    pnlDesconto->show();
    rbDesconto->setChecked(true);
    edtDescontoAcrescimo->setText(QStringLiteral("0,00"));
    edtDescontoAcrescimo->setFocus();
    edtDescontoAcrescimo->selectAll();
}

void TFrmDespesasAvulsas::btnAplicarClick()
{
    // Always from the gross: discounts never pile up.
    const Leitura l = lerEntrada();
    if (l.recusa) {
        recusar(*l.recusa);
        return;
    }
    const std::optional<Dinheiro> valor = edtDescontoAcrescimo->text().trimmed().isEmpty()
                                              ? std::optional<Dinheiro>(Dinheiro())
                                              : Dinheiro::deTexto(edtDescontoAcrescimo->text());
    if (!valor || valor->centavos() < 0) {
        recusar(Recusa{kMsgValorPagoInvalido, Campo::Desconto});
        return;
    }
    const std::optional<Dinheiro> devido =
        aplicarDescontoAcrescimo(bruto(*l.item, m_taxa), *valor, rbDesconto->isChecked());
    if (!devido) {
        recusar(Recusa{kMsgDescontoMaior, Campo::Desconto});
        return;
    }
    m_devido = *devido;
    lblRestante->setText(QStringLiteral("R$ ") + m_devido.formatado());
    Mensagem::info(kMsgDescontoAcrescimo);
    pnlDesconto->hide();
}

void TFrmDespesasAvulsas::btnCancelarClick() { terminarPagamento(); }

void TFrmDespesasAvulsas::terminarPagamento()
{
    pnlDesconto->hide();
    pnlPagamento->hide();
    if (!pnlIncluir->isVisible()) {
        btnNovaDespesa->show();
        btnExcluirDespesa->show();
    }
    grdItemUnico->setEnabled(true);
}

void TFrmDespesasAvulsas::btnConfirmarClick()
{
    std::array<QString, kMeios> textos;
    for (int i = 0; i < kMeios; ++i)
        textos[size_t(i)] = edtMeios[size_t(i)]->text();
    Pagamento p;
    const bool funcionario = rbFuncionario->isChecked();
    if (funcionario) {
        p.funcionario = cbFuncionario->currentData().toLongLong();
    } else {
        const auto meios = lerMeios(textos);
        if (!meios) {
            recusar(Recusa{kMsgValorPagoInvalido, Campo::Pagamento});
            return;
        }
        p.meios = *meios;
    }
    if (const auto r = aceitar(m_devido, p, funcionario)) {
        recusar(*r);
        return;
    }
    Gravacao g;
    if (tipoAtivo() == Tipo::Individual) {
        const Leitura l = lerEntrada();
        if (l.recusa) {
            recusar(*l.recusa);
            return;
        }
        g = gravarIndividual(DM->Conexao, *l.item, m_devido, p);
    } else {
        g = gravarVarias(DM->Conexao, m_itens, m_devido, p);
    }
    if (g.recusa) {
        recusar(*g.recusa);
        return;
    }
    for (QLineEdit *e : edtMeios)
        e->setText(QStringLiteral("0,00"));
    m_itens.clear();
    pnlIncluir->hide();
    terminarPagamento();
    abrirListas();
    btnNovaDespesa->setFocus();
}

// ---------------------------------------------------------------- list actions

void TFrmDespesasAvulsas::btnExcluirDespesaClick()
{
    if (!btnExcluirDespesa->isEnabled() || !btnExcluirDespesa->isVisible())
        return;
    const Tipo tipo = tipoAtivo();
    const qint64 id = vendaAtual();
    if (id == 0) // an empty list: nothing to delete
        return;
    const bool varias = tipo == Tipo::Varias;
    if (!Mensagem::pergunta(varias ? kPerguntaExcluirVarias : kPerguntaExcluir, {}, Mensagem::Nao))
        return;
    QTableView *grade = varias ? grdVariosItens : grdItemUnico;
    ReapontarGrid(grade, varias ? QStringLiteral("ID_V_DESPESA_AVULSA") : QStringLiteral("ID_DESPESA_AVULSA"),
                  QStringLiteral("Exclusao"));
    const Exclusao e = varias ? excluirVarias(DM->Conexao, id) : excluirIndividual(DM->Conexao, id);
    abrirListas();
    if (e.excluida)
        Mensagem::info(varias ? kMsgExcluidaVarias : kMsgExcluida);
    else if (e.recusa)
        Mensagem::mostrar(e.recusa->tipo, e.recusa->mensagem, Mensagem::Ok, Mensagem::Ok);
}

void TFrmDespesasAvulsas::btnReciboClick()
{
    const qint64 id = vendaAtual();
    if (id == 0)
        return;
    const std::optional<DadosRecibo> d = dadosRecibo(DM->Conexao, tipoAtivo(), id);
    if (!d) {
        Mensagem::aviso(kMsgJaExcluida);
        abrirListas();
        return;
    }
    std::unique_ptr<TFrmRelRecibo> recibo(new TFrmRelRecibo(this));
    FrmRelRecibo = recibo.get();
    struct Limpa {
        ~Limpa() { FrmRelRecibo = nullptr; }
    } limpa;
    recibo->edtRecebemos->clear();
    recibo->edtImportancia->setText(d->valor.formatado());
    recibo->edtReferente->setText(d->referente);
    Telas::executar(recibo.get(), std::type_index(typeid(TFrmRelRecibo)));
}

void TFrmDespesasAvulsas::btnCupomFiscalClick()
{
    if (!btnCupomFiscal->isEnabled())
        return;
    if (tParametros().sim(QStringLiteral("UTILIZA_FISCAL"))) {
        // The clerk rings the sale up in the companion point of sale.
        ProgramaCompanheiro::abrirZentroPDV();
        return;
    }
    const qint64 id = vendaAtual();
    if (id != 0 && abrirCupomFiscal)
        abrirCupomFiscal(tipoAtivo(), id);
}

void TFrmDespesasAvulsas::grdVariosItensDblClick()
{
    const int linha = grdVariosItens->currentIndex().isValid() ? grdVariosItens->currentIndex().row() : -1;
    if (linha < 0 || tDespesaVarias->vazia())
        return;
    Mensagem::info(textoDetalhe(DM->Conexao, tDespesaVarias->inteiro(linha, QStringLiteral("ID_V_DESPESA_AVULSA"))));
}

// ---------------------------------------------------------------- keys and fields

bool TFrmDespesasAvulsas::eventFilter(QObject *o, QEvent *e)
{
    if (o == edtCodBarras && e->type() == QEvent::KeyPress) {
        auto *k = static_cast<QKeyEvent *>(e);
        if (k->key() == Qt::Key_Return || k->key() == Qt::Key_Enter) {
            edtCodBarrasEnter();
            return true;
        }
        if (k->text() == QLatin1String("*") || k->key() == Qt::Key_Asterisk) {
            edtCodBarrasAsterisco();
            return true;
        }
    }
    if (auto *b = qobject_cast<QPushButton *>(o); b && e->type() == QEvent::KeyPress) {
        const int k = static_cast<QKeyEvent *>(e)->key();
        if (k == Qt::Key_Return || k == Qt::Key_Enter) {
            b->click();
            return true;
        }
    }
    auto *edit = qobject_cast<QLineEdit *>(o);
    const bool dinheiro = edit && (edit == edtValorUnit || edit == edtDescontoAcrescimo
                                   || std::find(edtMeios.begin(), edtMeios.end(), edit) != edtMeios.end());
    if (dinheiro && e->type() == QEvent::FocusIn) {
        edit->setText(semMarcas(edit->text()));
        if (edit == edtValorUnit)
            edit->setReadOnly(!podeEditarPreco());
    } else if (dinheiro && e->type() == QEvent::FocusOut) {
        edit->setText(formatarDinheiro(edit->text()));
        if (edit == edtValorUnit)
            edit->setReadOnly(false);
    }
    return QDialog::eventFilter(o, e);
}

void abrirDespesasAvulsas() { Telas::abrir<TFrmDespesasAvulsas>(FrmDespesasAvulsas); }
