#include "rooms/UnitCaracUH.h"
#include "base/CabecalhoTela.h"
#include "base/Mensagem.h"
#include "base/FluxoLista.h"
#include "base/Telas.h"
#include "rooms/CaracUH.h"
#include "rooms/UnitCadCaracUH.h"

#include <QDialog>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

TFrmCaracUH *FrmCaracUH = nullptr;

TFrmCaracUH::TFrmCaracUH(QWidget *parent) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Características das Unidades Habitacionais"));
    resize(980, 520);
    auto *layout = new QVBoxLayout(this);
    imgCabecalho = criarCabecalhoTela(this);
    layout->addWidget(imgCabecalho);

    lista = new TelaLista(this);
    dbgCarac = lista->grade();
    dbgCarac->setObjectName(QStringLiteral("dbgCarac"));
    dbgCarac->setToolTip(QStringLiteral("Mais Opções -> Botão Direito do Mouse"));
    lista->definirConsulta(CaracUH::kSqlLista);
    lista->definirColunas({{QStringLiteral("ID_CARAC_UH"), QStringLiteral("Código"), FormatoColuna::Texto, 70},
                           {QStringLiteral("DESCRICAO"), QStringLiteral("Descrição"), FormatoColuna::Texto, 300},
                           {QStringLiteral("SIGLA"), QStringLiteral("Sigla"), FormatoColuna::Texto, 80},
                           {QStringLiteral("SIMBOLO"), QStringLiteral("Símbolo"), FormatoColuna::Texto, 80}});
    dbgCarac->setItemDelegateForColumn(3, new DelegateSimbolo(true, dbgCarac));
    lista->definirChave(QStringLiteral("ID_CARAC_UH"));
    lista->definirAcaoAtual(QStringLiteral("Características de UHs"));
    lista->adicionarOrdenacao(QStringLiteral("Mostrar Todos  - Organizar Por Código"), CaracUH::kSqlListaPorCodigo);
    lista->adicionarOrdenacao(QStringLiteral("Mostrar Todos  - Organizar Por Ordem Alfabética"), CaracUH::kSqlLista);
    FiltroLista filtro;
    filtro.modelo = CaracUH::kSqlFiltro;
    // the search text goes through a wide cast: a text longer than the column finds nothing
    filtro.opcoes = {{QStringLiteral("Código"), QStringLiteral("ID_CARAC_UH"), true, true},
                     {QStringLiteral("Descrição"), QStringLiteral("CAST(DESCRICAO AS VARCHAR(200))")},
                     {QStringLiteral("Sigla"), QStringLiteral("CAST(SIGLA AS VARCHAR(200))")}};
    filtro.prefixoLog = QStringLiteral("Tentou Localizar Característica de ");
    filtro.maximo = 50;
    layout->addWidget(lista->configurarFiltro(filtro));
    layout->addWidget(dbgCarac, 1);

    auto *botoes = new QHBoxLayout;
    btnNovo = new QPushButton(QStringLiteral("Nova Característica"), this);
    btnAlterar = new QPushButton(QStringLiteral("Alterar Característica"), this);
    btnExcluir = new QPushButton(QStringLiteral("Excluir Característica"), this);
    btnFiltros = new QPushButton(QStringLiteral("Filtros"), this);
    btnSair = new QPushButton(QStringLiteral("Sair"), this);
    for (QPushButton *b : {btnNovo, btnAlterar, btnExcluir, btnFiltros, btnSair}) {
        b->setAutoDefault(false);
        botoes->addWidget(b);
    }
    layout->addLayout(botoes);
    lista->definirBotoesPermissao(btnNovo, btnAlterar, btnExcluir);
    lista->criarAtalhos({
        {QStringLiteral("|| Nova Característica  - (F2) ||"), QKeySequence(Qt::Key_F2), {}, btnNovo},
        {QStringLiteral("|| Filtros - (F3) ||"), QKeySequence(Qt::Key_F3), {}, btnFiltros},
        {QStringLiteral("|| Alterar Característica - (Insert) ||"), QKeySequence(Qt::Key_Insert), {}, btnAlterar},
        {QStringLiteral("|| Excluir Característica - (Delete) ||"), QKeySequence(Qt::Key_Delete), {}, btnExcluir},
        {QStringLiteral("|| Sair - (Ctrl + X) ||"), QKeySequence(Qt::CTRL | Qt::Key_X), {}, btnSair},
    });

    connect(btnNovo, &QPushButton::clicked, this, &TFrmCaracUH::btnNovoClick);
    connect(btnAlterar, &QPushButton::clicked, this, &TFrmCaracUH::btnAlterarClick);
    connect(btnExcluir, &QPushButton::clicked, this, &TFrmCaracUH::btnExcluirClick);
    connect(btnFiltros, &QPushButton::clicked, this, &TFrmCaracUH::btnFiltrosClick);
    connect(btnSair, &QPushButton::clicked, this, &TFrmCaracUH::btnSairClick);
    connect(lista, &TelaLista::ativada, this, &TFrmCaracUH::dbgCaracDblClick);
    FluxoLista::abrirAoMostrar(lista);
}

int TFrmCaracUH::abrirCadastro()
{
    const qint64 id = OP == QLatin1String("I") ? 0 : lista->inteiro(QStringLiteral("ID_CARAC_UH"));
    return Telas::abrir<TFrmCadCaracUH>(FrmCadCaracUH, OP, id, nullptr);
}

void TFrmCaracUH::btnNovoClick()
{
    FluxoLista::editar(lista, OP, FluxoLista::Acao::Novo, [this] { return abrirCadastro(); });
}

void TFrmCaracUH::btnAlterarClick()
{
    FluxoLista::editar(lista, OP, FluxoLista::Acao::Alterar, [this] { return abrirCadastro(); });
}

void TFrmCaracUH::dbgCaracDblClick()
{
    FluxoLista::editar(lista, OP, FluxoLista::Acao::Ver, [this] { return abrirCadastro(); });
}

void TFrmCaracUH::btnExcluirClick()
{
    if (FluxoLista::excluir(lista, CaracUH::kMsgConfirmaExclusao, [this] {
            CaracUH::excluir(DM->Conexao, lista->inteiro(QStringLiteral("ID_CARAC_UH")), lista->texto(QStringLiteral("DESCRICAO")));
        }))
        Mensagem::info(CaracUH::kMsgExcluida);
}

void TFrmCaracUH::btnFiltrosClick() { lista->mostrarFiltro(); }

void TFrmCaracUH::btnSairClick() { reject(); }

void abrirCaracUH() { Telas::abrir<TFrmCaracUH>(FrmCaracUH); }
