#include "finance/UnitCaixa.h"
#include "base/Aplicacao.h"
#include "base/CabecalhoTela.h"
#include "base/Mensagem.h"
#include "base/Sessao.h"
#include "base/Telas.h"
#include "base/UnitLog.h"
#include "core/UnitBackup.h"
#include "base/Janela.h"
#include "finance/Caixa.h"
#include "finance/UnitCadCaixa.h"
#include "finance/UnitRetiraDinheiro.h"
#include "platform/Estacao.h"

#include <QAction>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QItemSelectionModel>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QShortcut>
#include <QShowEvent>
#include <QTableView>
#include <QVBoxLayout>

TFrmCaixa *FrmCaixa = nullptr;

namespace {

const QString kSqlTodos = QStringLiteral("SELECT * FROM CAIXA ORDER BY ID_CAIXA");
// Without MOVIMENTOS only the newest shift is listed.
const QString kSqlUltimo =
    QStringLiteral("SELECT * FROM CAIXA WHERE ID_CAIXA = (SELECT MAX(C2.ID_CAIXA) FROM CAIXA C2) ORDER BY ID_CAIXA");

QPushButton *botao(const QString &legenda, QWidget *pai)
{
    auto *b = new QPushButton(legenda, pai);
    b->setAutoDefault(false);
    return b;
}

} // namespace

TFrmCaixa::TFrmCaixa(QWidget *parent) : QDialog(parent)
{
    // What the cash forms ask of the open list.
    TFrmCadCaixa::mostrarTodosNaLista = [] {
        if (FrmCaixa)
            FrmCaixa->MostrarTodos();
    };
    TFrmCadCaixa::cancelarNaLista = [] {
        if (FrmCaixa)
            FrmCaixa->OP.clear();
    };
    TFrmRetiraDinheiro::recarregarLista = [] {
        if (FrmCaixa)
            FrmCaixa->reabrir();
    };
    setObjectName(QStringLiteral("FrmCaixa"));
    setWindowTitle(QStringLiteral("Caixa"));
    resize(1010, 620);
    auto *layout = new QVBoxLayout(this);
    imgCabecalho = criarCabecalhoTela(this);
    layout->addWidget(imgCabecalho);

    lblStatus = new QLabel(this);
    lblStatus->setObjectName(QStringLiteral("lblStatus"));
    QFont grande = lblStatus->font();
    grande.setBold(true);
    grande.setPointSize(grande.pointSize() + 4);
    lblStatus->setFont(grande);
    lblStatus->setAlignment(Qt::AlignCenter);
    layout->addWidget(lblStatus);

    lista = new TelaLista(this);
    DBGrid1 = lista->grade();
    DBGrid1->setObjectName(QStringLiteral("DBGrid1"));
    DBGrid1->setToolTip(QStringLiteral("Mais Opções -> Botão Direito do Mouse"));
    lista->definirConsulta(sqlLista());
    lista->definirColunas({
        {QStringLiteral("DATA_ABERT"), QStringLiteral("Data de Abertura"), FormatoColuna::Data, 122},
        {QStringLiteral("HORA_ABERT"), QStringLiteral("Hora de Abertura"), FormatoColuna::Hora, 122},
        {QStringLiteral("TURNO"), QStringLiteral("Turno"), FormatoColuna::Texto, 52},
        {QStringLiteral("DATA_FECHA"), QStringLiteral("Data de Fechamento"), FormatoColuna::Data, 142},
        {QStringLiteral("HORA_FECHA"), QStringLiteral("Hora de Fechamento"), FormatoColuna::Hora, 142},
        {QStringLiteral("VALOR_ABERT"), QStringLiteral("Saldo na Abertura"), FormatoColuna::Dinheiro, 130},
        {QStringLiteral("VALOR_FECHA"), QStringLiteral("Saldo no Fechamento"), FormatoColuna::Dinheiro, 148},
        {QStringLiteral("USUARIO"), QStringLiteral("Responsável"), FormatoColuna::Texto, 112},
    });
    lista->definirAcaoAtual(QStringLiteral("Caixa"));
    lista->adicionarOrdenacao(QStringLiteral("Mostrar Todos  - Organizar Por Código"), sqlLista());
    layout->addWidget(DBGrid1, 1);

    grpSaldoDetalhado = new QGroupBox(QStringLiteral("Saldo Detalhado do Caixa"), this);
    auto *detalhe = new QGridLayout(grpSaldoDetalhado);
    auto rotulo = [this](const char *nome) {
        auto *l = new QLabel(grpSaldoDetalhado);
        l->setObjectName(QString::fromLatin1(nome));
        return l;
    };
    lblStatusDinheiro = rotulo("lblStatusDinheiro");
    lblStatusCartao = rotulo("lblStatusCartao");
    lblStatusCheque = rotulo("lblStatusCheque");
    lblStatusVisa = rotulo("lblStatusVisa");
    lblStatusDebVisa = rotulo("lblStatusDebVisa");
    lblStatusNotas = rotulo("lblStatusNotas");
    lblStatusMaster = rotulo("lblStatusMaster");
    lblStatusDebMaster = rotulo("lblStatusDebMaster");
    lblStatusHiper = rotulo("lblStatusHiper");
    QFont negrito = lblStatusDinheiro->font();
    negrito.setBold(true);
    for (QLabel *l : {lblStatusDinheiro, lblStatusCartao, lblStatusCheque, lblStatusNotas})
        l->setFont(negrito);
    // Cash, cards in total, Pix / cheque and on account first; the cards one by one below.
    detalhe->addWidget(lblStatusDinheiro, 0, 0);
    detalhe->addWidget(lblStatusCartao, 0, 1);
    detalhe->addWidget(lblStatusCheque, 0, 2);
    detalhe->addWidget(lblStatusNotas, 0, 3);
    detalhe->addWidget(lblStatusVisa, 1, 0);
    detalhe->addWidget(lblStatusDebVisa, 1, 1);
    detalhe->addWidget(lblStatusMaster, 1, 2);
    detalhe->addWidget(lblStatusDebMaster, 1, 3);
    detalhe->addWidget(lblStatusHiper, 2, 0);
    layout->addWidget(grpSaldoDetalhado);

    auto *botoes = new QHBoxLayout;
    btnAbrir = botao(QStringLiteral("Abrir"), this);
    JvXPButton7 = botao(QStringLiteral("Registrar Fechamento"), this);
    btnOperacoes = botao(QStringLiteral("Operações Financeiras"), this);
    btnDetalhe = botao(QStringLiteral("+"), this);
    btnDetalhe->setToolTip(QStringLiteral("Detalhes dos Saldos de Abertura e Fechamento"));
    btnDetalhe->setFixedWidth(40);
    btnAlterar = botao(QStringLiteral("Alterar"), this);
    btnExcluir = botao(QStringLiteral("Excluir"), this);
    btnSair = botao(QStringLiteral("Sair"), this);
    btnAbrir->setObjectName(QStringLiteral("btnAbrir"));
    JvXPButton7->setObjectName(QStringLiteral("JvXPButton7"));
    btnOperacoes->setObjectName(QStringLiteral("btnOperacoes"));
    btnDetalhe->setObjectName(QStringLiteral("btnDetalhe"));
    btnAlterar->setObjectName(QStringLiteral("btnAlterar"));
    btnExcluir->setObjectName(QStringLiteral("btnExcluir"));
    btnSair->setObjectName(QStringLiteral("btnSair"));
    for (QPushButton *b : {btnAbrir, JvXPButton7, btnOperacoes, btnDetalhe, btnAlterar, btnExcluir})
        botoes->addWidget(b);
    botoes->addStretch();
    botoes->addWidget(btnSair);
    btnAlterar->hide();
    btnExcluir->hide();
    layout->addLayout(botoes);

    lista->definirBotoesPermissao(btnAbrir, btnAlterar, btnExcluir);
    QMenuBar *atalhos = lista->criarAtalhos({
        {QStringLiteral("|| Abrir  - (F2) ||"), QKeySequence(Qt::Key_F2), {}, btnAbrir},
        {QStringLiteral("|| Alterar - (Insert) ||"), QKeySequence(), [this] { btnAlterarClick(); }},
        {QStringLiteral("|| Excluir - (Delete) ||"), QKeySequence(), [this] { btnExcluirClick(); }},
        {QStringLiteral("|| Sair - (Ctrl + X) ||"), QKeySequence(Qt::CTRL | Qt::Key_X), {}, btnSair},
    });
    // Alter and delete have no button or entry on screen; their keys act for
    // the users with the right, while the list has rows.
    for (const QString &legenda : {QStringLiteral("|| Alterar - (Insert) ||"), QStringLiteral("|| Excluir - (Delete) ||")})
        if (QAction *a = acaoAtalho(atalhos, legenda))
            a->setVisible(false);
    auto *insert = new QShortcut(QKeySequence(Qt::Key_Insert), this);
    insert->setContext(Qt::WindowShortcut);
    connect(insert, &QShortcut::activated, this, [this] {
        if (btnAlterar->isEnabled())
            btnAlterarClick();
    });
    auto *del = new QShortcut(QKeySequence(Qt::Key_Delete), this);
    del->setContext(Qt::WindowShortcut);
    connect(del, &QShortcut::activated, this, [this] {
        if (btnExcluir->isEnabled())
            btnExcluirClick();
    });

    connect(btnAbrir, &QPushButton::clicked, this, &TFrmCaixa::btnAbrirClick);
    connect(JvXPButton7, &QPushButton::clicked, this, &TFrmCaixa::JvXPButton7Click);
    connect(btnOperacoes, &QPushButton::clicked, this, &TFrmCaixa::btnOperacoesClick);
    connect(btnDetalhe, &QPushButton::clicked, this, &TFrmCaixa::btnDetalheClick);
    connect(btnSair, &QPushButton::clicked, this, &TFrmCaixa::btnSairClick);
    connect(lista, &TelaLista::aberta, this, &TFrmCaixa::tCaixaAfterOpen);
    connect(DBGrid1->selectionModel(), &QItemSelectionModel::currentRowChanged, this, &TFrmCaixa::tCaixaAfterScroll);
}

QString TFrmCaixa::sqlLista() const { return Sessao::atual().direitos.MOVIMENTOS ? kSqlTodos : kSqlUltimo; }

void TFrmCaixa::showEvent(QShowEvent *e)
{
    QDialog::showEvent(e);
    if (m_mostrada)
        return;
    m_mostrada = true;
    imgCabecalho->setPixmap(imagemPadrao());
    reabrir();
}

void TFrmCaixa::reabrir() { lista->reabrir(); }

void TFrmCaixa::MostrarTodos()
{
    lista->definirConsulta(sqlLista());
    lista->reabrir();
}

qint64 TFrmCaixa::caixaAtual() const { return lista->vazia() ? 0 : lista->inteiro(QStringLiteral("ID_CAIXA")); }

void TFrmCaixa::tCaixaAfterOpen()
{
    const bool temLinhas = !lista->vazia();
    if (temLinhas)
        lista->irParaLinha(lista->modelo()->total() - 1);
    JvXPButton7->setEnabled(temLinhas);
    // The balances' detail is a shift's: nothing to show before the first one.
    btnDetalhe->setEnabled(temLinhas);
    tCaixaAfterScroll();

    const Caixa::Status s = Caixa::status(DM->Conexao);
    lblStatus->setText(s.textoTotal());
    lblStatusDinheiro->setText(s.textoMeio(MeioCaixa::Dinheiro));
    lblStatusCartao->setText(s.textoCartoes());
    lblStatusVisa->setText(s.textoMeio(MeioCaixa::CreditoVisa));
    lblStatusDebVisa->setText(s.textoMeio(MeioCaixa::DebitoVisa));
    lblStatusMaster->setText(s.textoMeio(MeioCaixa::CreditoMaster));
    lblStatusDebMaster->setText(s.textoMeio(MeioCaixa::DebitoMaster));
    lblStatusHiper->setText(s.textoMeio(MeioCaixa::Hipercard));
    lblStatusCheque->setText(s.textoMeio(MeioCaixa::PixChq));
    lblStatusNotas->setText(s.textoMeio(MeioCaixa::APrazo));

    // Bookings only while the newest shift is open (or before the first one).
    btnOperacoes->setVisible(Sessao::atual().direitos.MOVIMENTOS && !JvXPButton7->isHidden());
}

void TFrmCaixa::tCaixaAfterScroll()
{
    if (lista->vazia()) {
        JvXPButton7->show();
        return;
    }
    JvXPButton7->setVisible(!lista->valor(QStringLiteral("DATA_FECHA")).toDate().isValid());
}

void TFrmCaixa::btnAbrirClick()
{
    if (Caixa::existeTurnoAberto(DM->Conexao)) {
        Mensagem::info(Caixa::kMsgCaixaJaAberto);
        return;
    }
    OP = QStringLiteral("I");
    Telas::abrir<TFrmCadCaixa>(FrmCadCaixa, OP, qint64(0), nullptr);
    MostrarTodos();
}

void TFrmCaixa::btnAlterarClick()
{
    if (lista->vazia())
        return;
    OP = QStringLiteral("A");
    Telas::abrir<TFrmCadCaixa>(FrmCadCaixa, OP, caixaAtual(), nullptr);
    MostrarTodos();
}

void TFrmCaixa::JvXPButton7Click()
{
    if (lista->vazia())
        return;
    if (!Mensagem::pergunta(Caixa::kMsgConfirmaFechamento))
        return;
    const Caixa::Fechamento f = Caixa::fechar(DM->Conexao, Estacao::ipLocal());
    reabrir();
    if (f.situacao != Caixa::Fechamento::Situacao::Fechado) {
        Mensagem::info(f.mensagem);
        return;
    }
    Mensagem::info(Caixa::kMsgCaixaFechado);
    // The list closes with the program, without further questions.
    reject();
    if (Caixa::finalizarEstacao().backup) {
        Sessao &s = Sessao::atual();
        s.RealizarBackup = QStringLiteral("S");
        try {
            abrirBackup();
        } catch (...) {
            // The shift is closed: the workstation ends even when its backup failed.
            TAplicacao::mostrarErro(std::current_exception());
        }
        s.RealizarBackup.clear();
        // Gone already after a backup; a failed one leaves it to us.
        RemoverPresenca();
    }
    Caixa::encerrarPrograma();
}

void TFrmCaixa::btnOperacoesClick() { Telas::abrir<TFrmRetiraDinheiro>(FrmRetiraDinheiro, nullptr); }

void TFrmCaixa::btnDetalheClick()
{
    const qint64 id = caixaAtual();
    if (id == 0)
        return;
    Mensagem::info(Caixa::detalhe(DM->Conexao, id));
}

void TFrmCaixa::btnExcluirClick()
{
    const qint64 id = caixaAtual();
    if (id == 0)
        return;
    if (!TelaLista::confirmar(Caixa::kMsgConfirmaExclusao))
        return;
    const Caixa::Exclusao e = Caixa::excluir(DM->Conexao, id);
    reabrir();
    Mensagem::info(e.mensagem);
}

void TFrmCaixa::btnSairClick() { reject(); }

void abrirCaixa()
{
    Telas::abrir<TFrmCaixa>(FrmCaixa);
    // The pointer goes back to the main window's background, whose
    // cash-register gate checks again.
    Janela::controleMouse();
}
