#include "staff/UnitEscala.h"
#include "base/CabecalhoTela.h"
#include "base/FluxoLista.h"
#include "base/Mensagem.h"
#include "base/Telas.h"
#include "staff/Escala.h"
#include "staff/UnitCadEscala.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpressionValidator>
#include <QTableView>
#include <QToolButton>
#include <QVBoxLayout>

TFrmEscala *FrmEscala = nullptr;

TFrmEscala::TFrmEscala(QWidget *parent) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Escala de Trabalho"));
    resize(900, 560);
    auto *layout = new QVBoxLayout(this);
    imgCabecalho = criarCabecalhoTela(this);
    layout->addWidget(imgCabecalho);

    lista = new TelaLista(this);
    dbgEscala = lista->grade();
    dbgEscala->setObjectName(QStringLiteral("dbgEscala"));
    lista->definirConsulta(Escala::kSqlLista);
    lista->definirColunas({{QStringLiteral("ID_ESCALA"), QStringLiteral("Código"), FormatoColuna::Texto, 70},
                           {QStringLiteral("DESCRICAO"), QStringLiteral("Descrição da Escala"), FormatoColuna::Texto, 300},
                           {QStringLiteral("DATA_INICIO"), QStringLiteral("Data de Início"), FormatoColuna::Data, 100},
                           {QStringLiteral("HORA_INICIO"), QStringLiteral("Hora de Início"), FormatoColuna::Hora, 100},
                           {QStringLiteral("DATA_TERMINO"), QStringLiteral("Data do Término"), FormatoColuna::Data, 100},
                           {QStringLiteral("HORA_TERMINO"), QStringLiteral("Hora do Término"), FormatoColuna::Hora, 100}});
    lista->definirChave(QStringLiteral("ID_ESCALA"));
    lista->definirAcaoAtual(QStringLiteral("Escala de Trabalho"));

    QGroupBox *filtro = lista->configurarFiltro({Escala::kSqlFiltro,
                                                 {{QStringLiteral("Código"), QStringLiteral("ID_ESCALA"), true, true},
                                                  {QStringLiteral("Descrição"), QStringLiteral("DESCRICAO")}},
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
    layout->addWidget(dbgEscala, 1);

    auto *botoes = new QHBoxLayout;
    btnNovo = new QPushButton(QStringLiteral("Nova Escala"), this);
    btnAlterar = new QPushButton(QStringLiteral("Alterar Escala"), this);
    btnExcluir = new QPushButton(QStringLiteral("Excluir Escala"), this);
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
        {QStringLiteral("|| Nova Escala  - (F2) ||"), QKeySequence(Qt::Key_F2), {}, btnNovo},
        {QStringLiteral("|| Filtros - (F3) ||"), QKeySequence(Qt::Key_F3), [this] { btnFiltrosClick(); }},
        {QStringLiteral("|| Alterar Escala - (Insert) ||"), QKeySequence(Qt::Key_Insert), {}, btnAlterar},
        {QStringLiteral("|| Excluir Escala - (Delete) ||"), QKeySequence(Qt::Key_Delete), {}, btnExcluir},
        {QStringLiteral("|| Sair - (Ctrl + X) ||"), QKeySequence(Qt::CTRL | Qt::Key_X), {}, btnSair},
    });
    lista->adicionarOrdenacao(QStringLiteral("Mostrar Todos  - Organizar Por Código"), Escala::kSqlLista);
    lista->adicionarOrdenacao(QStringLiteral("Mostrar Todos  - Organizar Por Ordem Alfabética"),
                              Escala::kSqlListaDescricao);

    connect(btnNovo, &QPushButton::clicked, this, &TFrmEscala::btnNovoClick);
    connect(btnAlterar, &QPushButton::clicked, this, &TFrmEscala::btnAlterarClick);
    connect(btnExcluir, &QPushButton::clicked, this, &TFrmEscala::btnExcluirClick);
    connect(btnFiltros, &QPushButton::clicked, this, &TFrmEscala::btnFiltrosClick);
    connect(btnSair, &QPushButton::clicked, this, &TFrmEscala::btnSairClick);
    connect(lista, &TelaLista::ativada, this, &TFrmEscala::dbgEscalaDblClick);
}

void TFrmEscala::showEvent(QShowEvent *e)
{
    QDialog::showEvent(e);
    if (m_mostrada)
        return;
    m_mostrada = true;
    imgCabecalho->setPixmap(imagemPadrao());
    lista->reabrir();
    dbgEscala->setFocus();
}

int TFrmEscala::abrirCadastro() { return Telas::abrir<TFrmCadEscala>(FrmCadEscala, this); }

void TFrmEscala::btnNovoClick()
{
    FluxoLista::editar(lista, OP, FluxoLista::Acao::Novo, [this] { return abrirCadastro(); });
}

void TFrmEscala::btnAlterarClick()
{
    FluxoLista::editar(lista, OP, FluxoLista::Acao::Alterar, [this] { return abrirCadastro(); });
}

void TFrmEscala::btnExcluirClick()
{
    Escala::Resultado r;
    if (FluxoLista::excluir(lista, Escala::kMsgConfirmaExclusao, [&] {
            r = Escala::excluir(DM->Conexao, lista->inteiro(QStringLiteral("ID_ESCALA")), lista->texto(QStringLiteral("DESCRICAO")));
        }))
        Mensagem::info(r.mensagem);
}

void TFrmEscala::btnFiltrosClick() { lista->mostrarFiltro(); }

void TFrmEscala::btnSairClick() { reject(); }

void TFrmEscala::dbgEscalaDblClick()
{
    FluxoLista::editar(lista, OP, FluxoLista::Acao::Ver, [this] { return abrirCadastro(); });
}

void abrirEscala() { Telas::abrir<TFrmEscala>(FrmEscala); }
