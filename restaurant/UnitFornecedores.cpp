#include "restaurant/UnitFornecedores.h"
#include "base/CabecalhoTela.h"
#include "base/FluxoLista.h"
#include "base/Mensagem.h"
#include "base/Telas.h"
#include "restaurant/Fornecedores.h"
#include "restaurant/UnitCadFornecedores.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

TFrmFornecedores *FrmFornecedores = nullptr;

TFrmFornecedores::TFrmFornecedores(QWidget *parent) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Fornecedores"));
    resize(1100, 560);
    auto *layout = new QVBoxLayout(this);
    imgCabecalho = criarCabecalhoTela(this);
    layout->addWidget(imgCabecalho);

    lista = new TelaLista(this);
    dbgFornecedores = lista->grade();
    dbgFornecedores->setObjectName(QStringLiteral("dbgFornecedores"));
    dbgFornecedores->setToolTip(QStringLiteral("Mais Opções -> Botão Direito do Mouse"));
    lista->definirConsulta(Fornecedores::sqlLista());
    const FormatoColuna T = FormatoColuna::Texto;
    lista->definirColunas({{QStringLiteral("ID_FORNECEDOR"), QStringLiteral("Código"), T, 60},
                           {QStringLiteral("NOME"), QStringLiteral("Fornecedor"), T, 220},
                           {QStringLiteral("FORNECEDOR_DE"), QStringLiteral("Fornecedor De:"), T, 150},
                           {QStringLiteral("CONTATO"), QStringLiteral("Contato"), T, 120},
                           {QStringLiteral("CNPJ_CPF"), QStringLiteral("CNPJ / CPF"), T, 130},
                           {QStringLiteral("RG_INSC_EST"), QStringLiteral("RG / Inscrição Estadual"), T, 140},
                           {QStringLiteral("ENDERECO"), QStringLiteral("Endereço"), T, 200},
                           {QStringLiteral("BAIRRO"), QStringLiteral("Bairro"), T, 120},
                           {QStringLiteral("CIDADE"), QStringLiteral("Cidade"), T, 120},
                           {QStringLiteral("ESTADO"), QStringLiteral("UF"), T, 40},
                           {QStringLiteral("FONE_1"), QStringLiteral("Fone"), T, 100},
                           {QStringLiteral("FAX"), QStringLiteral("Fax"), T, 100},
                           {QStringLiteral("CEP"), QStringLiteral("CEP"), T, 80},
                           {QStringLiteral("EMAIL"), QStringLiteral("Email"), T, 180},
                           {QStringLiteral("OBSERVACAO"), QStringLiteral("Observação"), T, 200}});
    lista->definirChave(QStringLiteral("ID_FORNECEDOR"));
    lista->definirAcaoAtual(QStringLiteral("Fornecedores"));
    lista->adicionarOrdenacao(QStringLiteral("Mostrar Todos  - Organizar Por Código"), Fornecedores::sqlListaPorCodigo());
    lista->adicionarOrdenacao(QStringLiteral("Mostrar Todos  - Organizar Por Ordem Alfabética"), Fornecedores::sqlLista());
    lista->adicionarOrdenacao(QStringLiteral("Mostra Somente Pessoas Físicas"), Fornecedores::sqlListaTipo(QStringLiteral("F")));
    lista->adicionarOrdenacao(QStringLiteral("Mostrar Somente Pessoas Jurídicas"),
                              Fornecedores::sqlListaTipo(QStringLiteral("J")));
    layout->addWidget(lista->configurarFiltro(Fornecedores::filtro()));
    layout->addWidget(dbgFornecedores, 1);

    auto *botoes = new QHBoxLayout;
    btnNovo = new QPushButton(QStringLiteral("Novo Fornecedor"), this);
    btnAlterar = new QPushButton(QStringLiteral("Alterar Fornecedor"), this);
    btnExcluir = new QPushButton(QStringLiteral("Excluir Fornecedor"), this);
    btnFiltros = new QPushButton(QStringLiteral("Filtros"), this);
    btnSair = new QPushButton(QStringLiteral("Sair"), this);
    for (QPushButton *b : {btnNovo, btnAlterar, btnExcluir, btnFiltros, btnSair}) {
        b->setAutoDefault(false);
        botoes->addWidget(b);
    }
    layout->addLayout(botoes);
    lista->criarAtalhos({
        {QStringLiteral("|| Novo Cliente  - (F2) ||"), QKeySequence(Qt::Key_F2), {}, btnNovo},
        {QStringLiteral("|| Filtros - (F3) ||"), QKeySequence(Qt::Key_F3), {}, btnFiltros},
        {QStringLiteral("|| Alterar Cliente - (Insert) ||"), QKeySequence(Qt::Key_Insert), {}, btnAlterar},
        {QStringLiteral("|| Excluir Cliente - (Delete) ||"), QKeySequence(Qt::Key_Delete), {}, btnExcluir},
        {QStringLiteral("|| Sair - (Ctrl + X) ||"), QKeySequence(Qt::CTRL | Qt::Key_X), {}, btnSair},
    });

    connect(btnNovo, &QPushButton::clicked, this, &TFrmFornecedores::btnNovoClick);
    connect(btnAlterar, &QPushButton::clicked, this, &TFrmFornecedores::btnAlterarClick);
    connect(btnExcluir, &QPushButton::clicked, this, &TFrmFornecedores::btnExcluirClick);
    connect(btnFiltros, &QPushButton::clicked, this, &TFrmFornecedores::btnFiltrosClick);
    connect(btnSair, &QPushButton::clicked, this, &TFrmFornecedores::btnSairClick);
    connect(lista, &TelaLista::ativada, this, &TFrmFornecedores::dbgFornecedoresDblClick);
    // The list applies no user rights: alter and delete follow its rows.
    connect(lista, &TelaLista::aberta, this, &TFrmFornecedores::aplicarBotoes);
    FluxoLista::abrirAoMostrar(lista);
}

void TFrmFornecedores::aplicarBotoes()
{
    btnAlterar->setEnabled(!lista->vazia());
    btnExcluir->setEnabled(!lista->vazia());
}

int TFrmFornecedores::abrirCadastro()
{
    const qint64 id = OP == QLatin1String("I") || lista->vazia() ? 0 : lista->inteiro(QStringLiteral("ID_FORNECEDOR"));
    return Telas::abrir<TFrmCadFornecedores>(FrmCadFornecedores, OP, id, nullptr);
}

void TFrmFornecedores::btnNovoClick()
{
    FluxoLista::editar(lista, OP, FluxoLista::Acao::Novo, [this] { return abrirCadastro(); });
}

void TFrmFornecedores::btnAlterarClick()
{
    FluxoLista::editar(lista, OP, FluxoLista::Acao::Alterar, [this] { return abrirCadastro(); });
}

void TFrmFornecedores::dbgFornecedoresDblClick()
{
    FluxoLista::editar(lista, OP, FluxoLista::Acao::Ver, [this] { return abrirCadastro(); });
}

void TFrmFornecedores::btnExcluirClick()
{
    if (lista->vazia())
        return;
    const qint64 id = lista->inteiro(QStringLiteral("ID_FORNECEDOR"));
    const QString nome = lista->texto(QStringLiteral("NOME"));
    bool excluido = false;
    FluxoLista::excluir(lista, Fornecedores::kMsgConfirmaExclusao,
                        [&] { excluido = Fornecedores::excluir(DM->Conexao, id, nome); });
    if (excluido)
        Mensagem::info(Fornecedores::kMsgExcluido);
}

void TFrmFornecedores::btnFiltrosClick() { lista->mostrarFiltro(); }
void TFrmFornecedores::btnSairClick() { reject(); }

void abrirFornecedores() { Telas::abrir<TFrmFornecedores>(FrmFornecedores); }
