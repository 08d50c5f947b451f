#include "restaurant/UnitProdutosServicos.h"
#include "base/FluxoLista.h"
#include "base/CabecalhoTela.h"
#include "base/Mensagem.h"
#include "base/Sessao.h"
#include "base/Telas.h"
#include "base/CamposEdicao.h"
#include "restaurant/Produtos.h"
#include "restaurant/UnitCadProdutosServicos.h"

#include <QAction>
#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>
#include <QToolButton>
#include <QVBoxLayout>

TFrmProdutosServicos *FrmProdutosServicos = nullptr;

TFrmProdutosServicos::TFrmProdutosServicos(QWidget *parent) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Produtos e Serviços"));
    resize(980, 620);
    auto *layout = new QVBoxLayout(this);
    imgCabecalho = criarCabecalhoTela(this);
    layout->addWidget(imgCabecalho);

    lista = new TelaLista(this);
    dbgPS = lista->grade();
    dbgPS->setObjectName(QStringLiteral("dbgPS"));
    lista->definirConsulta(Produtos::kSqlLista + Produtos::kOrdemDescricao);
    lista->definirColunas(
        {{QStringLiteral("ID_P_S"), QStringLiteral("Código"), FormatoColuna::Texto, 65},
         {QStringLiteral("DESC_PS"), QStringLiteral("Produto / Serviço"), FormatoColuna::Texto, 280},
         {QStringLiteral("DESC_PDV"), QStringLiteral("Ponto de Venda (PDV)"), FormatoColuna::Texto, 170},
         {QStringLiteral("VALOR"), QStringLiteral("Valor (R$)"), FormatoColuna::Dinheiro, 90},
         {QStringLiteral("ESTOQUE"), QStringLiteral("Estoque Atual"), FormatoColuna::Texto, 110},
         {QStringLiteral("MINIMO"), QStringLiteral("Estoque Mínimo"), FormatoColuna::Texto, 120},
         {QStringLiteral("ULTIMA_COMPRA"), QStringLiteral("Última Compra"), FormatoColuna::Data, 100}});
    lista->definirChave(QStringLiteral("ID_P_S"));
    lista->definirAcaoAtual(QStringLiteral("Produtos e Serviços"));

    // The panel's choices; the search itself is ours (it is not logged).
    QList<OpcaoFiltro> opcoes;
    for (const QString &l : Produtos::legendasCriterios())
        opcoes.append({l, QStringLiteral("PS.ID_P_S")});
    QGroupBox *filtro = lista->configurarFiltro({{}, opcoes, {}, 90, true, {}});
    btnBuscar = new QToolButton(filtro);
    btnBuscar->setText(QStringLiteral("Buscar"));
    btnFecharFiltro = new QToolButton(filtro);
    btnFecharFiltro->setText(QStringLiteral("x"));
    filtro->layout()->addWidget(btnBuscar);
    filtro->layout()->addWidget(btnFecharFiltro);
    connect(btnBuscar, &QToolButton::clicked, this, &TFrmProdutosServicos::buscar);
    connect(btnFecharFiltro, &QToolButton::clicked, lista, &TelaLista::esconderFiltro);
    lista->edtFiltro()->installEventFilter(this); // after the list's own: runs first
    layout->addWidget(filtro);
    layout->addWidget(dbgPS, 1);
    dbgPS->installEventFilter(this);

    pnlCompra = new QGroupBox(QStringLiteral("Informe o Produto Comprado e a Quantidade"), this);
    pnlCompra->setObjectName(QStringLiteral("pnlCompra"));
    auto *compra = new QHBoxLayout(pnlCompra);
    cbProduto = new QComboBox(pnlCompra);
    cbProduto->setObjectName(QStringLiteral("cbProduto"));
    cbProduto->setMinimumWidth(380);
    edtQuantidade = new QLineEdit(QStringLiteral("0"), pnlCompra);
    edtQuantidade->setObjectName(QStringLiteral("edtQuantidade"));
    edtQuantidade->setMaxLength(9);
    edtQuantidade->setMaximumWidth(90);
    edtQuantidade->setAlignment(Qt::AlignRight);
    edtQuantidade->installEventFilter(this);
    CamposEdicao::zeroQuandoVazio(edtQuantidade);
    btnConfirmarCompra = new QPushButton(QStringLiteral("Confirmar"), pnlCompra);
    btnCancelarCompra = new QPushButton(QStringLiteral("Cancelar"), pnlCompra);
    compra->addWidget(new QLabel(QStringLiteral("Produto:"), pnlCompra));
    compra->addWidget(cbProduto, 1);
    compra->addWidget(new QLabel(QStringLiteral("Quantidade:"), pnlCompra));
    compra->addWidget(edtQuantidade);
    compra->addWidget(btnConfirmarCompra);
    compra->addWidget(btnCancelarCompra);
    layout->addWidget(pnlCompra);
    pnlCompra->hide();

    auto *botoes = new QHBoxLayout;
    btnNovo = new QPushButton(QStringLiteral("Novo Produto/Serviço"), this);
    btnAlterar = new QPushButton(QStringLiteral("Alterar Produto/Serviço"), this);
    btnExcluir = new QPushButton(QStringLiteral("Excluir Produto/Serviço"), this);
    btnCompra = new QPushButton(QStringLiteral("Compra de Produtos"), this);
    btnFiltros = new QPushButton(QStringLiteral("Filtros"), this);
    btnSair = new QPushButton(QStringLiteral("Sair"), this);
    for (QPushButton *b : {btnNovo, btnAlterar, btnExcluir, btnCompra, btnFiltros})
        botoes->addWidget(b);
    botoes->addStretch();
    botoes->addWidget(btnSair);
    for (QPushButton *b : {btnNovo, btnAlterar, btnExcluir, btnCompra, btnFiltros, btnSair, btnConfirmarCompra,
                           btnCancelarCompra})
        b->setAutoDefault(false);
    layout->addLayout(botoes);
    lista->definirBotoesPermissao(btnNovo, btnAlterar, btnExcluir);

    lista->criarAtalhos({
        {QStringLiteral("|| Novo P/S  - (F2) ||"), QKeySequence(Qt::Key_F2), {}, btnNovo},
        {QStringLiteral("|| Filtros - (F3) ||"), QKeySequence(Qt::Key_F3), [this] { btnFiltrosClick(); }},
        {QStringLiteral("|| Alterar P/S - (Insert) ||"), QKeySequence(Qt::Key_Insert), {}, btnAlterar},
        {QStringLiteral("|| Excluir P/S - (Delete) ||"), QKeySequence(Qt::Key_Delete), {}, btnExcluir},
        {QStringLiteral("|| Sair - (Ctrl + X) ||"), QKeySequence(Qt::CTRL | Qt::Key_X), {}, btnSair},
    });
    lista->adicionarOrdenacao(QStringLiteral("Mostrar Todos  - Organizar Por Código"),
                              Produtos::kSqlLista + Produtos::kOrdemCodigo);
    lista->adicionarOrdenacao(QStringLiteral("Mostrar Todos  - Organizar Por Ordem Alfabética"),
                              Produtos::kSqlLista + Produtos::kOrdemDescricao);

    const bool movimentos = Sessao::atual().direitos.MOVIMENTOS;
    for (QPushButton *b : {btnNovo, btnAlterar, btnExcluir, btnCompra})
        b->setVisible(movimentos);
    for (const char *legenda : {"|| Novo P/S  - (F2) ||", "|| Alterar P/S - (Insert) ||",
                                "|| Excluir P/S - (Delete) ||"})
        if (QAction *a = acaoAtalho(lista->menuAtalhos(), QString::fromUtf8(legenda)))
            a->setVisible(movimentos);

    connect(btnNovo, &QPushButton::clicked, this, &TFrmProdutosServicos::btnNovoClick);
    connect(btnAlterar, &QPushButton::clicked, this, &TFrmProdutosServicos::btnAlterarClick);
    connect(btnExcluir, &QPushButton::clicked, this, &TFrmProdutosServicos::btnExcluirClick);
    connect(btnCompra, &QPushButton::clicked, this, &TFrmProdutosServicos::btnCompraClick);
    connect(btnConfirmarCompra, &QPushButton::clicked, this, &TFrmProdutosServicos::btnConfirmarCompraClick);
    connect(btnCancelarCompra, &QPushButton::clicked, this, &TFrmProdutosServicos::btnCancelarCompraClick);
    connect(btnFiltros, &QPushButton::clicked, this, &TFrmProdutosServicos::btnFiltrosClick);
    connect(btnSair, &QPushButton::clicked, this, &TFrmProdutosServicos::btnSairClick);
    connect(lista, &TelaLista::ativada, this, &TFrmProdutosServicos::dbgPSDblClick);
}

void TFrmProdutosServicos::showEvent(QShowEvent *e)
{
    QDialog::showEvent(e);
    if (m_mostrada)
        return;
    m_mostrada = true;
    imgCabecalho->setPixmap(imagemPadrao());
    lista->reabrir();
    dbgPS->setFocus();
}

bool TFrmProdutosServicos::valorEscolhido() const
{
    const QList<QRadioButton *> &o = lista->opcoesFiltro();
    return o.size() == 4 && o[3]->isChecked();
}

bool TFrmProdutosServicos::eventFilter(QObject *o, QEvent *e)
{
    if (o == lista->edtFiltro()) {
        if (e->type() == QEvent::KeyPress) {
            const int k = static_cast<QKeyEvent *>(e)->key();
            if (k == Qt::Key_Return || k == Qt::Key_Enter) {
                buscar();
                return true;
            }
        } else if (valorEscolhido()) {
            // "Valor (R$)": a money text, thousands dots off while typing.
            if (e->type() == QEvent::FocusIn)
                lista->edtFiltro()->setText(lista->edtFiltro()->text().remove(QLatin1Char('.')));
            else if (e->type() == QEvent::FocusOut)
                lista->edtFiltro()->setText(CamposEdicao::formatarDinheiro(lista->edtFiltro()->text()));
        }
        return false;
    }
    if (o == edtQuantidade && e->type() == QEvent::KeyPress) {
        const int k = static_cast<QKeyEvent *>(e)->key();
        if (k == Qt::Key_Return || k == Qt::Key_Enter) {
            btnConfirmarCompraClick();
            return true;
        }
        if (k == Qt::Key_Escape) {
            btnCancelarCompraClick();
            return true;
        }
        return false;
    }
    if (o == dbgPS && e->type() == QEvent::KeyPress) {
        // A letter or digit typed on the list starts a new product.
        auto *k = static_cast<QKeyEvent *>(e);
        const QString t = k->text();
        if (!t.isEmpty() && t.at(0).isPrint() && !(k->modifiers() & (Qt::ControlModifier | Qt::AltModifier))
            && btnNovo->isVisible() && btnNovo->isEnabled()) {
            btnNovoClick();
            return true;
        }
    }
    return QDialog::eventFilter(o, e);
}

void TFrmProdutosServicos::buscar()
{
    int escolhida = 1;
    const QList<QRadioButton *> &o = lista->opcoesFiltro();
    for (int i = 0; i < o.size(); ++i)
        if (o[i]->isChecked())
            escolhida = i;
    if (valorEscolhido())
        lista->edtFiltro()->setText(CamposEdicao::formatarDinheiro(lista->edtFiltro()->text()));
    QString condicao, mensagem;
    Valores valores;
    if (!Produtos::condicaoBusca(static_cast<Produtos::Criterio>(escolhida), lista->edtFiltro()->text(), &condicao,
                                 &valores, &mensagem)) {
        Mensagem::info(mensagem);
        lista->edtFiltro()->setFocus();
        return;
    }
    lista->modelo()->definirConsulta(Produtos::kSqlLista + QStringLiteral(" AND ") + condicao
                                         + Produtos::kOrdemDescricao,
                                     valores);
    lista->reabrir();
    lista->esconderFiltro();
}

void TFrmProdutosServicos::btnFiltrosClick()
{
    // "Produto / Serviço" is the choice when the panel opens.
    if (lista->opcoesFiltro().size() > 1)
        lista->opcoesFiltro()[1]->setChecked(true);
    lista->edtFiltro()->clear();
    lista->mostrarFiltro();
}

int TFrmProdutosServicos::abrirCadastro()
{
    return Telas::abrir<TFrmCadProdutosServicos>(FrmCadProdutosServicos, this);
}

void TFrmProdutosServicos::btnNovoClick()
{
    FluxoLista::editar(lista, OP, FluxoLista::Acao::Novo, [this] { return abrirCadastro(); });
}

void TFrmProdutosServicos::btnAlterarClick()
{
    // The standard night service is not edited here.
    if (!lista->vazia()
        && Produtos::servicoPadrao(lista->inteiro(QStringLiteral("ID_P_S")), lista->texto(QStringLiteral("DESC_PS")))) {
        OP.clear();
        Mensagem::info(Produtos::kMsgImpossivelAlterar);
        return;
    }
    FluxoLista::editar(lista, OP, FluxoLista::Acao::Alterar, [this] { return abrirCadastro(); });
}

void TFrmProdutosServicos::btnExcluirClick()
{
    if (lista->vazia())
        return;
    const qint64 chave = lista->inteiro(QStringLiteral("ID_P_S"));
    const QString descricao = lista->texto(QStringLiteral("DESC_PS"));
    if (Produtos::servicoPadrao(chave, descricao)) {
        Mensagem::info(Produtos::kMsgImpossivelExcluir);
        return;
    }
    Produtos::Resultado r;
    if (FluxoLista::excluir(lista, Produtos::kMsgConfirmaExclusao, [&] { r = Produtos::excluir(DM->Conexao, chave, descricao); })) {
        if (!r.erroEspelho.isEmpty())
            Mensagem::erro(r.erroEspelho);
        Mensagem::info(r.mensagem);
    }
}

void TFrmProdutosServicos::carregarProdutosCompra()
{
    cbProduto->clear();
    for (const Linha &l : DM->Conexao.lerTodas(Produtos::kSqlEscolhaProduto))
        cbProduto->addItem(l.texto(QStringLiteral("ID_P_S")) + QStringLiteral(" / ")
                               + l.texto(QStringLiteral("DESCRICAO")),
                           l.inteiro(QStringLiteral("ID_P_S")));
}

void TFrmProdutosServicos::btnCompraClick()
{
    carregarProdutosCompra();
    const int i = lista->vazia() ? -1 : cbProduto->findData(lista->inteiro(QStringLiteral("ID_P_S")));
    cbProduto->setCurrentIndex(i);
    cbProduto->setEnabled(false);
    edtQuantidade->setText(QStringLiteral("0"));
    pnlCompra->show();
    dbgPS->setEnabled(false);
    edtQuantidade->setFocus();
    edtQuantidade->selectAll();
}

void TFrmProdutosServicos::fecharCompra()
{
    pnlCompra->hide();
    dbgPS->setEnabled(true);
    cbProduto->setEnabled(true);
    dbgPS->setFocus();
}

void TFrmProdutosServicos::btnConfirmarCompraClick()
{
    const qint64 chave = cbProduto->currentIndex() < 0 ? 0 : cbProduto->currentData().toLongLong();
    QString descricao = cbProduto->currentText();
    descricao = descricao.mid(descricao.indexOf(QStringLiteral(" / ")) + 3);
    const Produtos::Resultado r = Produtos::comprar(DM->Conexao, chave, descricao, edtQuantidade->text());
    if (!r.salvo) {
        Mensagem::info(r.mensagem);
        if (r.foco == Produtos::Campo::Pdv) {
            cbProduto->setEnabled(true);
            cbProduto->setFocus();
        } else {
            edtQuantidade->setFocus();
            edtQuantidade->selectAll();
        }
        return;
    }
    lista->reabrir();
    if (!r.erroEspelho.isEmpty())
        Mensagem::erro(r.erroEspelho);
    Mensagem::info(r.mensagem);
    fecharCompra();
}

void TFrmProdutosServicos::btnCancelarCompraClick() { fecharCompra(); }

void TFrmProdutosServicos::btnSairClick() { reject(); }

void TFrmProdutosServicos::dbgPSDblClick()
{
    if (lista->vazia() || !dbgPS->isEnabled())
        return;
    OP = QStringLiteral("V");
    btnAlterarClick();
}

void abrirProdutosServicos() { Telas::abrir<TFrmProdutosServicos>(FrmProdutosServicos); }
