#include "restaurant/UnitItens.h"
#include "base/CabecalhoTela.h"
#include "base/FluxoLista.h"
#include "base/Mensagem.h"
#include "base/Relogio.h"
#include "base/Sessao.h"
#include "base/Telas.h"
#include "restaurant/Itens.h"
#include "restaurant/UnitCadItens.h"
#include "restaurant/UnitHistoricoMov.h"

#include <QAction>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTableView>
#include <QToolButton>
#include <QVBoxLayout>

TFrmItens *FrmItens = nullptr;

namespace {
const char *const kAtalhoAlterar = "|| Alterar Item - (Insert) ||";
const char *const kAtalhoExcluir = "|| Excluir Item - (Delete) ||";
} // namespace

TFrmItens::TFrmItens(QWidget *parent) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Itens de Estoque"));
    resize(960, 600);
    auto *layout = new QVBoxLayout(this);
    imgCabecalho = criarCabecalhoTela(this);
    layout->addWidget(imgCabecalho);

    const bool movimentos = Sessao::atual().direitos.MOVIMENTOS;
    lista = new TelaLista(this);
    dbgItens = lista->grade();
    dbgItens->setObjectName(QStringLiteral("dbgItens"));
    lista->definirConsulta(Itens::sqlLista());
    QList<ColunaGrade> colunas{{QStringLiteral("ID_ITEM"), QStringLiteral("Código"), FormatoColuna::Texto, 70},
                               {QStringLiteral("DESCRICAO"), QStringLiteral("Descrição"), FormatoColuna::Texto, 330},
                               {QStringLiteral("ESTOQUE"), QStringLiteral("Estoque Atual"), FormatoColuna::Texto, 100}};
    // Values only for users with MOVIMENTOS.
    if (movimentos)
        colunas << ColunaGrade{QStringLiteral("VALOR"), QStringLiteral("Valor Unitário R$"), FormatoColuna::Dinheiro, 120}
                << ColunaGrade{QStringLiteral("VALOR_TOTAL"), QStringLiteral("Valor Total R$"), FormatoColuna::Dinheiro, 120};
    colunas << ColunaGrade{QStringLiteral("ULTIMA_MOVIMENTACAO"), QStringLiteral("Última Movimentação"),
                           FormatoColuna::Data, 130};
    lista->definirColunas(colunas);
    lista->definirChave(QStringLiteral("ID_ITEM"));
    lista->definirAcaoAtual(QStringLiteral("Itens de Estoque"));

    QGroupBox *filtro = lista->configurarFiltro(Itens::filtro());
    btnBuscar = new QToolButton(filtro);
    btnBuscar->setText(QStringLiteral("Buscar"));
    btnFecharFiltro = new QToolButton(filtro);
    btnFecharFiltro->setText(QStringLiteral("x"));
    filtro->layout()->addWidget(btnBuscar);
    filtro->layout()->addWidget(btnFecharFiltro);
    connect(btnBuscar, &QToolButton::clicked, this, &TFrmItens::buscar);
    connect(btnFecharFiltro, &QToolButton::clicked, lista, &TelaLista::esconderFiltro);
    lista->edtFiltro()->installEventFilter(this); // after the list's own: runs first
    layout->addWidget(filtro);
    layout->addWidget(dbgItens, 1);

    pnlMovimentacao = new QGroupBox(QStringLiteral("Movimentação de Estoque"), this);
    pnlMovimentacao->setObjectName(QStringLiteral("pnlMovimentacao"));
    auto *mov = new QVBoxLayout(pnlMovimentacao);
    auto *topoMov = new QHBoxLayout;
    topoMov->addStretch();
    btnFecharMov = new QToolButton(pnlMovimentacao);
    btnFecharMov->setText(QStringLiteral("x"));
    topoMov->addWidget(btnFecharMov);
    mov->addLayout(topoMov);
    auto *campos = new QFormLayout;
    lblData = new QLabel(pnlMovimentacao);
    lblUsuario = new QLabel(pnlMovimentacao);
    lblTipo = new QLabel(pnlMovimentacao);
    lblItem = new QLabel(pnlMovimentacao);
    edtQuantidade = new QLineEdit(pnlMovimentacao);
    edtQuantidade->setObjectName(QStringLiteral("edtQuantidade"));
    edtQuantidade->setMaxLength(20);
    edtQuantidade->setMaximumWidth(140);
    edtJustificativa = new QLineEdit(pnlMovimentacao);
    edtJustificativa->setObjectName(QStringLiteral("edtJustificativa"));
    emMaiusculas(edtJustificativa, 90);
    campos->addRow(QStringLiteral("Data:"), lblData);
    campos->addRow(QStringLiteral("Usuário:"), lblUsuario);
    campos->addRow(QStringLiteral("Tipo:"), lblTipo);
    campos->addRow(QStringLiteral("Item:"), lblItem);
    campos->addRow(QStringLiteral("Quantidade:"), edtQuantidade);
    campos->addRow(QStringLiteral("Justificativa:"), edtJustificativa);
    mov->addLayout(campos);
    btnConfirmarMov = new QPushButton(QStringLiteral("Confirmar"), pnlMovimentacao);
    auto *rodapeMov = new QHBoxLayout;
    rodapeMov->addStretch();
    rodapeMov->addWidget(btnConfirmarMov);
    mov->addLayout(rodapeMov);
    for (QLineEdit *e : {edtQuantidade, edtJustificativa})
        e->installEventFilter(this);
    layout->addWidget(pnlMovimentacao);
    pnlMovimentacao->hide();

    auto *botoes = new QHBoxLayout;
    btnNovo = new QPushButton(QStringLiteral("Novo Item"), this);
    btnAlterar = new QPushButton(QStringLiteral("Alterar Item"), this);
    btnExcluir = new QPushButton(QStringLiteral("Excluir Item"), this);
    btnAdicao = new QPushButton(QStringLiteral("Efetuar Adição"), this);
    btnBaixa = new QPushButton(QStringLiteral("Efetuar Baixa"), this);
    btnHistorico = new QPushButton(QStringLiteral("Histórico de Movimentação"), this);
    btnFiltros = new QPushButton(QStringLiteral("Filtros"), this);
    btnSair = new QPushButton(QStringLiteral("Sair"), this);
    for (QPushButton *b : {btnNovo, btnAlterar, btnExcluir, btnAdicao, btnBaixa, btnHistorico, btnFiltros})
        botoes->addWidget(b);
    botoes->addStretch();
    botoes->addWidget(btnSair);
    for (QPushButton *b :
         {btnNovo, btnAlterar, btnExcluir, btnAdicao, btnBaixa, btnHistorico, btnFiltros, btnSair, btnConfirmarMov})
        b->setAutoDefault(false);
    layout->addLayout(botoes);
    lista->definirBotoesPermissao(btnNovo, btnAlterar, btnExcluir);

    lista->criarAtalhos({
        {QStringLiteral("|| Novo Item - (F2) ||"), QKeySequence(Qt::Key_F2), {}, btnNovo},
        {QStringLiteral("|| Filtros - (F3) ||"), QKeySequence(Qt::Key_F3), [this] { btnFiltrosClick(); }},
        {QString::fromUtf8(kAtalhoAlterar), QKeySequence(Qt::Key_Insert), {}, btnAlterar},
        {QString::fromUtf8(kAtalhoExcluir), QKeySequence(Qt::Key_Delete), {}, btnExcluir},
        {QStringLiteral("|| Sair - (Ctrl + X) ||"), QKeySequence(Qt::CTRL | Qt::Key_X), {}, btnSair},
    });
    lista->adicionarOrdenacao(QStringLiteral("Mostrar Todos  - Organizar Por Código"), Itens::sqlListaPorCodigo());
    lista->adicionarOrdenacao(QStringLiteral("Mostrar Todos  - Organizar Por Ordem Alfabética"), Itens::sqlLista());

    // Without MOVIMENTOS: no alter, no delete (new, the movements and the history stay).
    for (QPushButton *b : {btnAlterar, btnExcluir})
        b->setVisible(movimentos);
    for (const char *legenda : {kAtalhoAlterar, kAtalhoExcluir})
        if (QAction *a = acaoAtalho(lista->menuAtalhos(), QString::fromUtf8(legenda)))
            a->setVisible(movimentos);

    connect(btnNovo, &QPushButton::clicked, this, &TFrmItens::btnNovoClick);
    connect(btnAlterar, &QPushButton::clicked, this, &TFrmItens::btnAlterarClick);
    connect(btnExcluir, &QPushButton::clicked, this, &TFrmItens::btnExcluirClick);
    connect(btnAdicao, &QPushButton::clicked, this, &TFrmItens::btnAdicaoClick);
    connect(btnBaixa, &QPushButton::clicked, this, &TFrmItens::btnBaixaClick);
    connect(btnConfirmarMov, &QPushButton::clicked, this, &TFrmItens::btnConfirmarMovClick);
    connect(btnFecharMov, &QToolButton::clicked, this, &TFrmItens::btnFecharMovClick);
    connect(btnHistorico, &QPushButton::clicked, this, &TFrmItens::btnHistoricoClick);
    connect(btnFiltros, &QPushButton::clicked, this, &TFrmItens::btnFiltrosClick);
    connect(btnSair, &QPushButton::clicked, this, &TFrmItens::btnSairClick);
    connect(lista, &TelaLista::ativada, this, &TFrmItens::dbgItensDblClick);
    connect(lista, &TelaLista::aberta, this, &TFrmItens::aplicarMovimentos);
}

void TFrmItens::showEvent(QShowEvent *e)
{
    QDialog::showEvent(e);
    if (m_mostrada)
        return;
    m_mostrada = true;
    imgCabecalho->setPixmap(imagemPadrao());
    lista->reabrir();
    dbgItens->setFocus();
}

// The movements need a row to move.
void TFrmItens::aplicarMovimentos()
{
    btnAdicao->setEnabled(!lista->vazia());
    btnBaixa->setEnabled(!lista->vazia());
}

bool TFrmItens::eventFilter(QObject *o, QEvent *e)
{
    if (e->type() != QEvent::KeyPress)
        return QDialog::eventFilter(o, e);
    const int k = static_cast<QKeyEvent *>(e)->key();
    const bool enter = k == Qt::Key_Return || k == Qt::Key_Enter;
    if (o == lista->edtFiltro() && enter) {
        buscar();
        return true;
    }
    if (o == edtQuantidade || o == edtJustificativa) {
        if (enter) {
            if (o == edtQuantidade)
                edtJustificativa->setFocus();
            else
                btnConfirmarMovClick();
            return true;
        }
        if (k == Qt::Key_Escape) {
            btnFecharMovClick();
            return true;
        }
    }
    return QDialog::eventFilter(o, e);
}

void TFrmItens::buscar()
{
    const QList<QRadioButton *> &o = lista->opcoesFiltro();
    const bool numerica = (o.value(0) && o[0]->isChecked()) || (o.value(2) && o[2]->isChecked());
    const QString texto = lista->edtFiltro()->text().trimmed();
    static const QRegularExpression numero(QStringLiteral("^-?[0-9]{1,9}$"));
    if (numerica && !texto.isEmpty() && !numero.match(texto).hasMatch()) {
        Mensagem::info(Itens::kMsgBuscaNumero);
        lista->edtFiltro()->setFocus();
        lista->edtFiltro()->selectAll();
        return;
    }
    lista->buscar();
}

void TFrmItens::btnFiltrosClick()
{
    // "Descrição" is the choice when the panel opens.
    if (lista->opcoesFiltro().size() > 1)
        lista->opcoesFiltro()[1]->setChecked(true);
    lista->edtFiltro()->clear();
    lista->mostrarFiltro();
}

int TFrmItens::abrirCadastro() { return Telas::abrir<TFrmCadItens>(FrmCadItens, this); }

void TFrmItens::btnNovoClick()
{
    FluxoLista::editar(lista, OP, FluxoLista::Acao::Novo, [this] { return abrirCadastro(); });
}

void TFrmItens::btnAlterarClick()
{
    FluxoLista::editar(lista, OP, FluxoLista::Acao::Alterar, [this] { return abrirCadastro(); });
}

void TFrmItens::dbgItensDblClick()
{
    if (!dbgItens->isEnabled())
        return;
    FluxoLista::editar(lista, OP, FluxoLista::Acao::Ver, [this] { return abrirCadastro(); });
}

void TFrmItens::btnExcluirClick()
{
    if (lista->vazia())
        return;
    const qint64 chave = lista->inteiro(QStringLiteral("ID_ITEM"));
    const QString descricao = lista->texto(QStringLiteral("DESCRICAO"));
    bool excluido = false;
    FluxoLista::excluir(lista, Itens::kMsgConfirmaExclusao,
                        [&] { excluido = Itens::excluir(DM->Conexao, chave, descricao); });
    if (excluido)
        Mensagem::info(Itens::kMsgExcluido);
}

void TFrmItens::abrirMovimentacao(bool adicao)
{
    if (lista->vazia())
        return;
    m_itemMov = lista->inteiro(QStringLiteral("ID_ITEM"));
    lblData->setText(Relogio::hoje().toString(QStringLiteral("dd/MM/yyyy")));
    lblUsuario->setText(Sessao::atual().login);
    lblTipo->setText(Itens::legenda(adicao ? Itens::TipoMovimento::Adicao : Itens::TipoMovimento::Baixa));
    lblItem->setText(Itens::textoItem(m_itemMov, lista->texto(QStringLiteral("DESCRICAO")),
                                      lista->inteiro(QStringLiteral("ESTOQUE"))));
    edtQuantidade->clear();
    edtJustificativa->clear();
    pnlMovimentacao->show();
    dbgItens->setEnabled(false);
    edtQuantidade->setFocus();
}

void TFrmItens::btnAdicaoClick() { abrirMovimentacao(true); }
void TFrmItens::btnBaixaClick() { abrirMovimentacao(false); }

void TFrmItens::btnConfirmarMovClick()
{
    if (!pnlMovimentacao->isVisible() || m_itemMov <= 0)
        return;
    Itens::Movimento m;
    m.chave = m_itemMov;
    m.itemPainel = lblItem->text();
    m.tipo = lblTipo->text() == Itens::legenda(Itens::TipoMovimento::Adicao) ? Itens::TipoMovimento::Adicao
                                                                              : Itens::TipoMovimento::Baixa;
    m.quantidade = edtQuantidade->text();
    m.justificativa = edtJustificativa->text();
    m.data = QDate::fromString(lblData->text(), QStringLiteral("dd/MM/yyyy"));
    const Itens::Resultado r = Itens::movimentar(DM->Conexao, m);
    if (!r.salvo) {
        Mensagem::info(r.mensagem);
        QLineEdit *foco = r.foco == Itens::Campo::Justificativa ? edtJustificativa : edtQuantidade;
        foco->setFocus();
        foco->selectAll();
        if (r.foco == Itens::Campo::Nenhum) {
            btnFecharMovClick();
            lista->reabrir();
        }
        return;
    }
    Mensagem::info(r.mensagem);
    lista->reabrir();
    btnFecharMovClick();
}

void TFrmItens::btnFecharMovClick()
{
    pnlMovimentacao->hide();
    m_itemMov = 0;
    dbgItens->setEnabled(true);
    dbgItens->setFocus();
}

void TFrmItens::btnHistoricoClick() { Telas::abrir<TFrmHistoricoMov>(FrmHistoricoMov); }

void TFrmItens::btnSairClick() { reject(); }

void abrirItens() { Telas::abrir<TFrmItens>(FrmItens); }
