#include "rooms/UnitTiposUH.h"
#include "base/CabecalhoTela.h"
#include "base/Mensagem.h"
#include "base/Parametros.h"
#include "base/Sessao.h"
#include "base/FluxoLista.h"
#include "base/Telas.h"
#include "rooms/TiposUH.h"
#include "rooms/UnitCadTiposUH.h"

#include <QAction>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

TFrmTiposUH *FrmTiposUH = nullptr;

TFrmTiposUH::TFrmTiposUH(QWidget *parent) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Tipos das Unidades Habitacionais"));
    resize(980, 540);
    auto *layout = new QVBoxLayout(this);
    imgCabecalho = criarCabecalhoTela(this);
    layout->addWidget(imgCabecalho);

    lista = new TelaLista(this);
    dbgTipoUH = lista->grade();
    dbgTipoUH->setObjectName(QStringLiteral("dbgTipoUH"));
    dbgTipoUH->setToolTip(QStringLiteral("Mais Opções -> Botão Direito do Mouse"));
    const bool motel = tParametros().sim(QStringLiteral("MODO_MOTEL"));
    lista->definirConsulta(TiposUH::kSqlLista);
    lista->definirColunas({
        {QStringLiteral("ID_TIPO_UH"), QStringLiteral("Código"), FormatoColuna::Texto, 60},
        {QStringLiteral("DESCRICAO"), QStringLiteral("Descrição"), FormatoColuna::Texto, 190},
        {QStringLiteral("ABREV"), QStringLiteral("Abreviação"), FormatoColuna::Texto, 90},
        {QStringLiteral("P1"), motel ? QStringLiteral("Inicial") : QStringLiteral("Diária 01 Pessoa"),
         FormatoColuna::Dinheiro, 130},
        {QStringLiteral("P2"), motel ? QStringLiteral("Excedente") : QStringLiteral("Diária 02 Pessoas"),
         FormatoColuna::Dinheiro, 130},
        {QStringLiteral("P3"), motel ? QStringLiteral("Pernoite") : QStringLiteral("Diária 03 Pessoas"),
         FormatoColuna::Dinheiro, 130},
        {QStringLiteral("P4"), QStringLiteral("Diária 04 Pessoas"), FormatoColuna::Dinheiro, 130},
        {QStringLiteral("QTD"), QStringLiteral("Quantidade"), FormatoColuna::Texto, 80},
    });
    dbgTipoUH->setColumnHidden(6, motel);
    lista->definirChave(QStringLiteral("ID_TIPO_UH"));
    lista->definirAcaoAtual(QStringLiteral("Tipos de UH"));
    lista->adicionarOrdenacao(QStringLiteral("Mostrar Todos  - Organizar Por Código"), TiposUH::kSqlLista);
    lista->adicionarOrdenacao(QStringLiteral("Mostrar Todos  - Organizar Por Ordem Alfabética"),
                              TiposUH::kSqlListaAlfabetica);
    FiltroLista filtro;
    filtro.modelo = TiposUH::kSqlFiltro;
    filtro.opcoes = {{QStringLiteral("Código"), QStringLiteral("T.ID_TIPO_UH"), true, true},
                     {QStringLiteral("Descrição"), QStringLiteral("CAST(T.DESCRICAO AS VARCHAR(200))")}};
    filtro.prefixoLog = QStringLiteral("Tentou Localizar Tipo de UH de ");
    filtro.maximo = 20;
    layout->addWidget(lista->configurarFiltro(filtro));
    layout->addWidget(dbgTipoUH, 1);

    auto *botoes = new QHBoxLayout;
    btnNovo = new QPushButton(QStringLiteral("Novo Tipo"), this);
    btnAlterar = new QPushButton(QStringLiteral("Alterar Tipo"), this);
    btnExcluir = new QPushButton(QStringLiteral("Excluir Tipo"), this);
    btnFiltros = new QPushButton(QStringLiteral("Filtros"), this);
    btnSair = new QPushButton(QStringLiteral("Sair"), this);
    for (QPushButton *b : {btnNovo, btnAlterar, btnExcluir, btnFiltros, btnSair}) {
        b->setAutoDefault(false);
        botoes->addWidget(b);
    }
    layout->addLayout(botoes);
    lista->definirBotoesPermissao(btnNovo, btnAlterar, btnExcluir);
    QMenuBar *menu = lista->criarAtalhos({
        {QStringLiteral("|| Novo Tipo  - (F2) ||"), QKeySequence(Qt::Key_F2), {}, btnNovo},
        {QStringLiteral("|| Filtros - (F3) ||"), QKeySequence(Qt::Key_F3), {}, btnFiltros},
        {QStringLiteral("|| Alterar Tipo - (Insert) ||"), QKeySequence(Qt::Key_Insert), {}, btnAlterar},
        {QStringLiteral("|| Excluir Tipo - (Delete) ||"), QKeySequence(Qt::Key_Delete), {}, btnExcluir},
        {QStringLiteral("|| Sair - (Ctrl + X) ||"), QKeySequence(Qt::CTRL | Qt::Key_X), {}, btnSair},
    });

    // without MOVIMENTOS the list only shows
    if (!Sessao::atual().direitos.MOVIMENTOS) {
        for (QPushButton *b : {btnNovo, btnAlterar, btnExcluir})
            b->hide();
        const QList<QAction *> itens = menu->actions();
        for (int i : {1, 3, 4})
            if (i < itens.size())
                itens[i]->setVisible(false);
    }

    connect(btnNovo, &QPushButton::clicked, this, &TFrmTiposUH::btnNovoClick);
    connect(btnAlterar, &QPushButton::clicked, this, &TFrmTiposUH::btnAlterarClick);
    connect(btnExcluir, &QPushButton::clicked, this, &TFrmTiposUH::btnExcluirClick);
    connect(btnFiltros, &QPushButton::clicked, this, &TFrmTiposUH::btnFiltrosClick);
    connect(btnSair, &QPushButton::clicked, this, &TFrmTiposUH::btnSairClick);
    connect(lista, &TelaLista::ativada, this, &TFrmTiposUH::dbgTipoUHDblClick);
    FluxoLista::abrirAoMostrar(lista);
}

int TFrmTiposUH::abrirCadastro()
{
    const qint64 id = OP == QLatin1String("I") ? 0 : lista->inteiro(QStringLiteral("ID_TIPO_UH"));
    return Telas::abrir<TFrmCadTiposUH>(FrmCadTiposUH, OP, id, nullptr);
}

void TFrmTiposUH::btnNovoClick()
{
    FluxoLista::editar(lista, OP, FluxoLista::Acao::Novo, [this] { return abrirCadastro(); });
}

void TFrmTiposUH::btnAlterarClick()
{
    FluxoLista::editar(lista, OP, FluxoLista::Acao::Alterar, [this] { return abrirCadastro(); });
}

void TFrmTiposUH::dbgTipoUHDblClick()
{
    FluxoLista::editar(lista, OP, FluxoLista::Acao::Ver, [this] { return abrirCadastro(); });
}

void TFrmTiposUH::btnExcluirClick()
{
    if (FluxoLista::excluir(lista, TiposUH::kMsgConfirmaExclusao, [this] {
            TiposUH::excluir(DM->Conexao, lista->inteiro(QStringLiteral("ID_TIPO_UH")), lista->texto(QStringLiteral("DESCRICAO")));
        }))
        Mensagem::info(TiposUH::kMsgExcluido);
}

void TFrmTiposUH::btnFiltrosClick() { lista->mostrarFiltro(); }

void TFrmTiposUH::btnSairClick() { reject(); }

void abrirTiposUH() { Telas::abrir<TFrmTiposUH>(FrmTiposUH); }
