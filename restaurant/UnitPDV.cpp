#include "restaurant/UnitPDV.h"
#include "base/FluxoLista.h"
#include "base/CabecalhoTela.h"
#include "base/Mensagem.h"
#include "base/Sessao.h"
#include "base/Telas.h"
#include "restaurant/PontosVenda.h"
#include "restaurant/UnitCadPDV.h"

#include <QAction>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpressionValidator>
#include <QTableView>
#include <QToolButton>
#include <QVBoxLayout>

TFrmPDV *FrmPDV = nullptr;

TFrmPDV::TFrmPDV(QWidget *parent) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Pontos de Venda (PDV's)"));
    resize(860, 560);
    auto *layout = new QVBoxLayout(this);
    imgCabecalho = criarCabecalhoTela(this);
    layout->addWidget(imgCabecalho);

    lista = new TelaLista(this);
    dbgPDV = lista->grade();
    dbgPDV->setObjectName(QStringLiteral("dbgPDV"));
    lista->definirConsulta(PontosVenda::kSqlLista);
    lista->definirColunas({{QStringLiteral("ID_PDV"), QStringLiteral("Código"), FormatoColuna::Texto, 70},
                           {QStringLiteral("DESCRICAO"), QStringLiteral("Descrição"), FormatoColuna::Texto, 340},
                           {QStringLiteral("ABREV"), QStringLiteral("Sigla"), FormatoColuna::Texto, 80},
                           {QStringLiteral("TAXA"), QStringLiteral("Taxa de Serviço (%)"), FormatoColuna::Dinheiro,
                            140}});
    lista->definirChave(QStringLiteral("ID_PDV"));
    lista->definirAcaoAtual(QStringLiteral("Pontos de Venda"));

    QGroupBox *filtro = lista->configurarFiltro(
        {PontosVenda::kSqlFiltro,
         {{QStringLiteral("Código"), QStringLiteral("ID_PDV"), true, true},
          {QStringLiteral("Descrição"), QStringLiteral("DESCRICAO")},
          // the short name's column is 5 wide: the search text is wider
          {QStringLiteral("Sigla"), QStringLiteral("CAST(ABREV AS VARCHAR(60))")}},
         QStringLiteral("Tentou Localizar Característica de "),
         50,
         true,
         {}});
    btnBuscar = new QToolButton(filtro);
    btnBuscar->setText(QStringLiteral("Buscar"));
    btnFecharFiltro = new QToolButton(filtro);
    btnFecharFiltro->setText(QStringLiteral("x"));
    filtro->layout()->addWidget(btnBuscar);
    filtro->layout()->addWidget(btnFecharFiltro);
    connect(btnBuscar, &QToolButton::clicked, lista, &TelaLista::buscar);
    connect(btnFecharFiltro, &QToolButton::clicked, lista, &TelaLista::esconderFiltro);
    // A key is searched as a number: the search text takes digits only.
    auto *soDigitos = new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), this);
    QRadioButton *rbCodigo = lista->opcoesFiltro().first();
    const QValidator *maiusculas = lista->edtFiltro()->validator();
    auto validar = [this, rbCodigo, soDigitos, maiusculas] {
        lista->edtFiltro()->setValidator(rbCodigo->isChecked() ? soDigitos : maiusculas);
    };
    for (QRadioButton *rb : lista->opcoesFiltro())
        connect(rb, &QRadioButton::toggled, this, validar);
    validar();
    layout->addWidget(filtro);
    layout->addWidget(dbgPDV, 1);

    auto *botoes = new QHBoxLayout;
    btnNovo = new QPushButton(QStringLiteral("Novo PDV"), this);
    btnAlterar = new QPushButton(QStringLiteral("Alterar PDV"), this);
    btnExcluir = new QPushButton(QStringLiteral("Excluir PDV"), this);
    btnFiltros = new QPushButton(QStringLiteral("Filtros"), this);
    btnSair = new QPushButton(QStringLiteral("Sair"), this);
    for (QPushButton *b : {btnNovo, btnAlterar, btnExcluir, btnFiltros})
        botoes->addWidget(b);
    botoes->addStretch();
    botoes->addWidget(btnSair);
    for (QPushButton *b : {btnNovo, btnAlterar, btnExcluir, btnFiltros, btnSair})
        b->setAutoDefault(false);
    layout->addLayout(botoes);
    lista->definirBotoesPermissao(btnNovo, btnAlterar, btnExcluir);

    lista->criarAtalhos({
        {QStringLiteral("|| Novo PDV  - (F2) ||"), QKeySequence(Qt::Key_F2), {}, btnNovo},
        {QStringLiteral("|| Filtros - (F3) ||"), QKeySequence(Qt::Key_F3), [this] { btnFiltrosClick(); }},
        {QStringLiteral("|| Alterar PDV - (Insert) ||"), QKeySequence(Qt::Key_Insert), {}, btnAlterar},
        {QStringLiteral("|| Excluir PDV - (Delete) ||"), QKeySequence(Qt::Key_Delete), {}, btnExcluir},
        {QStringLiteral("|| Sair - (Ctrl + X) ||"), QKeySequence(Qt::CTRL | Qt::Key_X), {}, btnSair},
    });
    lista->adicionarOrdenacao(QStringLiteral("Mostrar Todos  - Organizar Por Código"), PontosVenda::kSqlListaCodigo);
    lista->adicionarOrdenacao(QStringLiteral("Mostrar Todos  - Organizar Por Ordem Alfabética"),
                              PontosVenda::kSqlLista);

    // New, alter and delete only for users with MOVIMENTOS.
    const bool movimentos = Sessao::atual().direitos.MOVIMENTOS;
    for (QPushButton *b : {btnNovo, btnAlterar, btnExcluir})
        b->setVisible(movimentos);
    for (const char *legenda : {"|| Novo PDV  - (F2) ||", "|| Alterar PDV - (Insert) ||",
                                "|| Excluir PDV - (Delete) ||"})
        if (QAction *a = acaoAtalho(lista->menuAtalhos(), QString::fromUtf8(legenda)))
            a->setVisible(movimentos);

    connect(btnNovo, &QPushButton::clicked, this, &TFrmPDV::btnNovoClick);
    connect(btnAlterar, &QPushButton::clicked, this, &TFrmPDV::btnAlterarClick);
    connect(btnExcluir, &QPushButton::clicked, this, &TFrmPDV::btnExcluirClick);
    connect(btnFiltros, &QPushButton::clicked, this, &TFrmPDV::btnFiltrosClick);
    connect(btnSair, &QPushButton::clicked, this, &TFrmPDV::btnSairClick);
    connect(lista, &TelaLista::ativada, this, &TFrmPDV::dbgPDVDblClick);
}

void TFrmPDV::showEvent(QShowEvent *e)
{
    QDialog::showEvent(e);
    if (m_mostrada)
        return;
    m_mostrada = true;
    imgCabecalho->setPixmap(imagemPadrao());
    lista->reabrir();
    dbgPDV->setFocus();
}

int TFrmPDV::abrirCadastro() { return Telas::abrir<TFrmCadPDV>(FrmCadPDV, this); }

void TFrmPDV::btnNovoClick()
{
    FluxoLista::editar(lista, OP, FluxoLista::Acao::Novo, [this] { return abrirCadastro(); });
}

void TFrmPDV::btnAlterarClick()
{
    FluxoLista::editar(lista, OP, FluxoLista::Acao::Alterar, [this] { return abrirCadastro(); });
}

void TFrmPDV::btnExcluirClick()
{
    PontosVenda::Resultado r;
    if (FluxoLista::excluir(lista, PontosVenda::kMsgConfirmaExclusao, [&] {
            r = PontosVenda::excluir(DM->Conexao, lista->inteiro(QStringLiteral("ID_PDV")), lista->texto(QStringLiteral("DESCRICAO")));
        }))
        Mensagem::info(r.mensagem);
}

void TFrmPDV::btnFiltrosClick() { lista->mostrarFiltro(); }

void TFrmPDV::btnSairClick() { reject(); }

void TFrmPDV::dbgPDVDblClick()
{
    FluxoLista::editar(lista, OP, FluxoLista::Acao::Ver, [this] { return abrirCadastro(); });
}

void abrirPDV() { Telas::abrir<TFrmPDV>(FrmPDV); }
