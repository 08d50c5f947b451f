#include "core/UnitUsuarios.h"
#include "base/CabecalhoTela.h"
#include "base/Anulacao.h"
#include "base/Mensagem.h"
#include "base/Parametros.h"
#include "base/Telas.h"
#include "core/UnitCadUsu.h"
#include "base/UnitLog.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

TFrmUsuarios *FrmUsuarios = nullptr;

// ---------------------------------------------------------------- screen

TFrmUsuarios::TFrmUsuarios(QWidget *parent) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Usuários e Permissões"));
    resize(640, 520);
    auto *layout = new QVBoxLayout(this);
    imgCabecalho = criarCabecalhoTela(this);
    layout->addWidget(imgCabecalho);

    lista = new TelaLista(this);
    dbgUsuarios = lista->grade();
    dbgUsuarios->setObjectName(QStringLiteral("dbgUsuarios"));
    const QString dica = QStringLiteral("**Duplo Clique no Usuário Edita as Permissões");
    dbgUsuarios->setToolTip(dica);
    lista->definirConsulta(Usuarios::kSqlLista);
    lista->definirColunas({{QStringLiteral("ID_USUARIO"), QStringLiteral("Código"), FormatoColuna::Texto, 80},
                           {QStringLiteral("LOGIN"), QStringLiteral("Usuário")}});
    lista->definirChave(QStringLiteral("ID_USUARIO"));
    lista->definirAcaoAtual(QStringLiteral("Usuários e Permissões"));
    layout->addWidget(dbgUsuarios, 1);
    lblDica = new QLabel(dica, this);
    layout->addWidget(lblDica);

    // The record buttons hide while the rights are edited; "Fechar" stays,
    // so the screen can always be left (discarding unconfirmed boxes).
    auto *rodape = new QHBoxLayout;
    pnlBotoes = new QWidget(this);
    auto *botoes = new QHBoxLayout(pnlBotoes);
    botoes->setContentsMargins(0, 0, 0, 0);
    btnNovo = new QPushButton(QStringLiteral("Novo Usuário"), pnlBotoes);
    btnAlterar = new QPushButton(QStringLiteral("Alterar Usuário"), pnlBotoes);
    btnAlterarSenha = new QPushButton(QStringLiteral("Alterar Senha"), pnlBotoes);
    btnExcluir = new QPushButton(QStringLiteral("Excluir Usuário"), pnlBotoes);
    for (QPushButton *b : {btnNovo, btnAlterar, btnAlterarSenha, btnExcluir}) {
        b->setAutoDefault(false);
        botoes->addWidget(b);
    }
    btnFechar = new QPushButton(QStringLiteral("Fechar"), this);
    btnFechar->setAutoDefault(false);
    rodape->addWidget(pnlBotoes);
    rodape->addStretch();
    rodape->addWidget(btnFechar);

    pnlPermissoes = new QGroupBox(QStringLiteral("Permissões"), this);
    auto *grade = new QGridLayout(pnlPermissoes);
    const QStringList &legendas = Usuarios::legendasDireitos();
    for (int i = 0; i < legendas.size(); ++i) {
        auto *c = new QCheckBox(legendas[i], pnlPermissoes);
        c->setObjectName(QStringLiteral("chk") + Usuarios::colunasDireitos()[i]);
        chkDireitos.append(c);
        if (i < 9)
            grade->addWidget(c, i / 3, i % 3);
        else
            grade->addWidget(c, 3, 0, 1, 3);
    }
    btnConfirmarPermissoes = new QPushButton(QStringLiteral("Confirmar Permissões"), pnlPermissoes);
    btnConfirmarPermissoes->setAutoDefault(false);
    grade->addWidget(btnConfirmarPermissoes, 4, 2);
    layout->addWidget(pnlPermissoes);
    pnlPermissoes->hide();
    layout->addLayout(rodape);

    lista->criarAtalhos({
        {QStringLiteral("|| Novo Usuário  - (F2) ||"), QKeySequence(Qt::Key_F2), {}, btnNovo},
        {QStringLiteral("|| Alterar Usuário - (Insert) ||"), QKeySequence(Qt::Key_Insert), {}, btnAlterar},
        {QStringLiteral("|| Excluir Usuário - (Delete) ||"), QKeySequence(Qt::Key_Delete), {}, btnExcluir},
        {QStringLiteral("|| Fechar - (Ctrl + X) ||"), QKeySequence(Qt::CTRL | Qt::Key_X), {}, btnFechar},
    });

    connect(btnNovo, &QPushButton::clicked, this, &TFrmUsuarios::btnNovoClick);
    connect(btnAlterar, &QPushButton::clicked, this, &TFrmUsuarios::btnAlterarClick);
    connect(btnAlterarSenha, &QPushButton::clicked, this, &TFrmUsuarios::btnAlterarSenhaClick);
    connect(btnExcluir, &QPushButton::clicked, this, &TFrmUsuarios::btnExcluirClick);
    connect(btnFechar, &QPushButton::clicked, this, &TFrmUsuarios::btnFecharClick);
    connect(btnConfirmarPermissoes, &QPushButton::clicked, this, &TFrmUsuarios::btnConfirmarPermissoesClick);
    connect(lista, &TelaLista::ativada, this, &TFrmUsuarios::dbgUsuariosDblClick);
    connect(lista, &TelaLista::aberta, this, &TFrmUsuarios::listaAberta);
}

void TFrmUsuarios::showEvent(QShowEvent *e)
{
    QDialog::showEvent(e);
    if (m_mostrada)
        return;
    m_mostrada = true;
    imgCabecalho->setPixmap(imagemPadrao());
    dbgUsuarios->setEnabled(true);
    pnlPermissoes->hide();
    pnlBotoes->show();
    reabrirLista();
    btnFechar->setFocus();
}

void TFrmUsuarios::reabrirLista() { lista->reabrir(); }

void TFrmUsuarios::listaAberta()
{
    // Every box but the full-access one starts unticked.
    for (int i = 0; i < chkDireitos.size() - 1; ++i)
        chkDireitos[i]->setChecked(false);
    const bool temLinhas = !lista->vazia();
    btnExcluir->setEnabled(temLinhas);
    btnAlterarSenha->setEnabled(temLinhas);
    btnAlterar->setEnabled(temLinhas);
}

void TFrmUsuarios::abrirCadastro(const QString &tipo)
{
    if (tipo != QLatin1String("N_U") && lista->vazia())
        return;
    Tipo = tipo;
    if (tipo == QLatin1String("N_U"))
        Telas::abrir<TFrmCadUsu>(FrmCadUsu, tipo, qint64(0), QString(), QString(), nullptr);
    else
        Telas::abrir<TFrmCadUsu>(FrmCadUsu, tipo, lista->inteiro(QStringLiteral("ID_USUARIO")),
                                 lista->texto(QStringLiteral("LOGIN")), lista->texto(QStringLiteral("SENHA")),
                                 nullptr);
    reabrirLista();
}

void TFrmUsuarios::btnNovoClick() { abrirCadastro(QStringLiteral("N_U")); }
void TFrmUsuarios::btnAlterarClick() { abrirCadastro(QStringLiteral("A_U")); }
void TFrmUsuarios::btnAlterarSenhaClick() { abrirCadastro(QStringLiteral("A_S")); }

void TFrmUsuarios::btnExcluirClick()
{
    if (lista->vazia())
        return;
    if (!TelaLista::confirmar(QStringLiteral("Deseja Realmente Excluir Esse Usuário?")))
        return;
    lista->prepararExclusao();
    try {
        Usuarios::excluir(DM->Conexao, lista->inteiro(QStringLiteral("ID_USUARIO")), lista->texto(QStringLiteral("LOGIN")));
    } catch (...) {
        ReapontarGridEsquecer();
        throw;
    }
    reabrirLista();
    Usuarios::espelharUsuariosPDV(DM->Conexao);
    Mensagem::info(QStringLiteral("Usuário Excluído com Sucesso!"));
}

void TFrmUsuarios::btnFecharClick() { reject(); }

void TFrmUsuarios::dbgUsuariosDblClick()
{
    if (lista->vazia() || !dbgUsuarios->isEnabled())
        return;
    const QString login = lista->texto(QStringLiteral("LOGIN"));
    if (!Mensagem::pergunta(QStringLiteral("Deseja Editar as Permissões de '") + login + QStringLiteral("'")
                            + QStringLiteral(" ?")))
        return;
    m_idPermissoes = lista->inteiro(QStringLiteral("ID_USUARIO"));
    m_loginPermissoes = login;
    dbgUsuarios->setEnabled(false);
    pnlPermissoes->show();
    pnlBotoes->hide();
    const QStringList &colunas = Usuarios::colunasDireitos();
    for (int i = 0; i < colunas.size(); ++i)
        chkDireitos[i]->setChecked(lista->texto(colunas[i]) == QLatin1String("S"));
    chkDireitos.first()->setFocus();
}

void TFrmUsuarios::btnConfirmarPermissoesClick()
{
    if (m_idPermissoes <= 0)
        return;
    QList<bool> direitos;
    for (QCheckBox *c : chkDireitos)
        direitos.append(c->isChecked());
    Usuarios::salvarPermissoes(DM->Conexao, m_idPermissoes, m_loginPermissoes, direitos);
    m_idPermissoes = 0;
    reabrirLista();
    dbgUsuarios->setEnabled(true);
    pnlPermissoes->hide();
    pnlBotoes->show();
    Usuarios::espelharUsuariosPDV(DM->Conexao);
}

void abrirUsuarios() { Telas::abrir<TFrmUsuarios>(FrmUsuarios); }
