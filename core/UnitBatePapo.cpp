#include "core/UnitBatePapo.h"
#include "base/Rotinas.h"

#include "base/Caminhos.h"
#include "base/Grade.h"
#include "core/Inicializacao.h"
#include "base/Mensagem.h"
#include "base/Relogio.h"
#include "base/Sessao.h"
#include "base/TelaEdicao.h"
#include "base/Telas.h"
#include "base/UnitLog.h"

#include <QComboBox>
#include <QDateEdit>
#include <QDesktopServices>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>
#include <QTimer>
#include <QUrl>
#include <QVBoxLayout>

TFrmBatePapo *FrmBatePapo = nullptr;
TFrmChat *FrmChat = nullptr;

// ---------------------------------------------------------------- chat window

TFrmBatePapo::TFrmBatePapo(QWidget *parent) : QDialog(parent)
{
    setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint);
    auto *lay = new QVBoxLayout(this);
    lay->addWidget(new QLabel(QStringLiteral("Enviar para:")));
    cbFiltroUsuario = new QComboBox;
    cbFiltroUsuario->setObjectName(QStringLiteral("cbFiltroUsuario"));
    lay->addWidget(cbFiltroUsuario);
    lay->addWidget(new QLabel(QStringLiteral("Mensagens:")));
    Memo1 = new QPlainTextEdit;
    Memo1->setReadOnly(true);
    lay->addWidget(Memo1, 3);
    Memo2 = new QPlainTextEdit;
    lay->addWidget(Memo2, 1);
    auto *botoes = new QHBoxLayout;
    Button3 = new QPushButton(QStringLiteral("Enviar Mensagem"));
    Button5 = new QPushButton(QStringLiteral("Enviar Online"));
    Button2 = new QPushButton(QStringLiteral("Esconder e Limpar Recebidas"));
    Button4 = new QPushButton(QStringLiteral("Ver Histórico"));
    for (auto *b : {Button3, Button5, Button2, Button4}) {
        b->setAutoDefault(false);
        botoes->addWidget(b);
    }
    Button5->hide();
    lay->addLayout(botoes);
    tmrMensagens = new QTimer(this);
    tmrMensagens->setInterval(1000);

    cbFiltroUsuario->installEventFilter(this);
    Memo2->installEventFilter(this);
    connect(tmrMensagens, &QTimer::timeout, this, &TFrmBatePapo::tmrMensagensTimer);
    connect(cbFiltroUsuario, &QComboBox::currentTextChanged, this, &TFrmBatePapo::cbFiltroUsuarioChange);
    connect(Button3, &QPushButton::clicked, this, &TFrmBatePapo::Button3Click);
    connect(Button5, &QPushButton::clicked, this, &TFrmBatePapo::Button5Click);
    connect(Button2, &QPushButton::clicked, this, &TFrmBatePapo::Button2Click);
    connect(Button4, &QPushButton::clicked, this, &TFrmBatePapo::Button4Click);
    resize(520, 480);
}

void TFrmBatePapo::showEvent(QShowEvent *e)
{
    QDialog::showEvent(e);
    FormShow();
}

void TFrmBatePapo::FormShow()
{
    tmrMensagensTimer();
    cbFiltroUsuario->blockSignals(true);
    cbFiltroUsuario->clear();
    cbFiltroUsuario->addItems(BatePapo::usuariosAtivos(DM->Conexao));
    cbFiltroUsuario->setCurrentIndex(-1);
    cbFiltroUsuario->blockSignals(false);
    cbFiltroUsuarioChange();
    cbFiltroUsuario->setFocus();
    tmrMensagens->start();
}

void TFrmBatePapo::tmrMensagensTimer()
{
    const QString texto = BatePapo::conversa(Sessao::atual().login, BatePapo::naoLidas(DM->Conexao));
    if (Memo1->toPlainText() != texto)
        Memo1->setPlainText(texto);
}

void TFrmBatePapo::cbFiltroUsuarioChange()
{
    const bool suporte = cbFiltroUsuario->currentText() == QLatin1String(BatePapo::kSuporte);
    Button5->setVisible(suporte);
    Button3->setVisible(!suporte);
}

void TFrmBatePapo::Button3Click()
{
    switch (BatePapo::enviar(DM->Conexao, Sessao::atual().login, cbFiltroUsuario->currentText(), Memo2->toPlainText())) {
    case BatePapo::Envio::SemDestinatario:
        Mensagem::aviso(QString::fromUtf8(BatePapo::kMsgSemDestinatario));
        cbFiltroUsuario->setFocus();
        return;
    case BatePapo::Envio::SemMensagem:
        Mensagem::aviso(QString::fromUtf8(BatePapo::kMsgSemMensagem));
        Memo2->setFocus();
        return;
    case BatePapo::Envio::Longa:
        Mensagem::aviso(QString::fromUtf8(BatePapo::kMsgMensagemLonga));
        Memo2->setFocus();
        return;
    case BatePapo::Envio::Enviada:
        break;
    }
    tmrMensagensTimer();
    Memo2->clear();
    Memo2->setFocus();
}

void TFrmBatePapo::Button5Click()
{
    const QString url = BatePapo::enderecoSuporte();
    if (!url.isEmpty())
        BatePapo::abrirPagina(url);
    reject();
}

void TFrmBatePapo::Button2Click()
{
    Sessao &s = Sessao::atual();
    BatePapo::limparRecebidas(DM->Conexao, s.login);
    Memo1->clear();
    Memo2->clear();
    cbFiltroUsuario->setCurrentIndex(-1);
    s.mostroualerta = false;
    accept();
}

void TFrmBatePapo::Button4Click()
{
    abrirHistoricoChat();
}

bool TFrmBatePapo::eventFilter(QObject *o, QEvent *e)
{
    if (e->type() == QEvent::KeyPress) {
        const int tecla = static_cast<QKeyEvent *>(e)->key();
        const bool enter = tecla == Qt::Key_Return || tecla == Qt::Key_Enter;
        if (enter && o == cbFiltroUsuario) {
            Memo2->setFocus();
            return true;
        }
        if (enter && o == Memo2) {
            Button3Click();
            return true;
        }
    } else if (e->type() == QEvent::FocusIn || e->type() == QEvent::FocusOut) {
        if (o == cbFiltroUsuario || o == Memo2)
            ColorirControle(static_cast<QWidget *>(o), e->type() == QEvent::FocusIn);
    }
    return QDialog::eventFilter(o, e);
}

// ---------------------------------------------------------------- history

TFrmChat::TFrmChat(QWidget *parent) : QDialog(parent)
{
    setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint);
    setWindowTitle(QStringLiteral("Histórico de Chat"));
    resize(1024, 744);
    auto *lay = new QVBoxLayout(this);
    auto *menu = new QMenuBar(this);
    QAction *sair = menu->addAction(QStringLiteral("|| Sair - (Ctrl + X) ||"));
    sair->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_X));
    addAction(sair);
    connect(sair, &QAction::triggered, this, &QDialog::reject);
    lay->setMenuBar(menu);
    atalhosEmTodoCampo(this);
    auto *titulo = new QLabel(QStringLiteral("Histórico de Chat"));
    QFont f = titulo->font();
    f.setBold(true);
    f.setPointSize(f.pointSize() + 4);
    titulo->setFont(f);
    lay->addWidget(titulo);

    pnlFiltro = new QGroupBox(QStringLiteral("Filtros"));
    auto *lf = new QHBoxLayout(pnlFiltro);
    rbUsuario = new QRadioButton(QStringLiteral("Usuário"));
    rbData = new QRadioButton(QStringLiteral("Data"));
    cbUsuario = new QComboBox;
    dtData = new QDateEdit;
    dtData->setDisplayFormat(QStringLiteral("dd/MM/yyyy"));
    dtData->setCalendarPopup(true);
    btnPesquisar = new QPushButton(QStringLiteral("Pesquisar"));
    btnFecharConsulta = new QPushButton(QStringLiteral("x"));
    btnFecharConsulta->setToolTip(QStringLiteral("Fechar Consulta"));
    for (QWidget *w : std::initializer_list<QWidget *>{rbUsuario, rbData, cbUsuario, dtData, btnPesquisar, btnFecharConsulta})
        lf->addWidget(w);
    pnlFiltro->hide();
    lay->addWidget(pnlFiltro);

    modelo = new ModeloConsulta(this);
    modelo->definirColunas({{QStringLiteral("DATA"), QStringLiteral("Data")},
                            {QStringLiteral("HORA"), QStringLiteral("Hora")},
                            {QStringLiteral("ID_USUARIO_ENVIO"), QStringLiteral("Enviado de")},
                            {QStringLiteral("ID_USUARIO_RECEB"), QStringLiteral("Enviado Para")},
                            {QStringLiteral("MENSAGEM"), QStringLiteral("Mensagem"), FormatoColuna::Texto, 500},
                            {QStringLiteral("LIDA"), QStringLiteral("Recebida?")}});
    grdMensagens = new QTableView;
    grdMensagens->setModel(modelo);
    prepararGrade(grdMensagens);
    lay->addWidget(grdMensagens, 1);

    auto *rodape = new QHBoxLayout;
    btnFiltros = new QPushButton(QStringLiteral("Filtros"));
    btnSair = new QPushButton(QStringLiteral("Sair"));
    rodape->addWidget(btnFiltros);
    rodape->addStretch();
    rodape->addWidget(btnSair);
    lay->addLayout(rodape);

    cbUsuario->installEventFilter(this);
    dtData->installEventFilter(this);
    connect(btnSair, &QPushButton::clicked, this, &QDialog::reject);
    connect(btnFiltros, &QPushButton::clicked, this, &TFrmChat::btnFiltrosClick);
    connect(rbUsuario, &QRadioButton::clicked, this, &TFrmChat::rbUsuarioClick);
    connect(rbData, &QRadioButton::clicked, this, &TFrmChat::rbDataClick);
    connect(btnPesquisar, &QPushButton::clicked, this, &TFrmChat::btnPesquisarClick);
    connect(btnFecharConsulta, &QPushButton::clicked, pnlFiltro, &QWidget::hide);
}

void TFrmChat::showEvent(QShowEvent *e)
{
    QDialog::showEvent(e);
    FormShow();
}

void TFrmChat::FormShow()
{
    AcaoAtual(QStringLiteral("Chat"));
    const Sessao &s = Sessao::atual();
    btnFiltros->setVisible(s.direitos.ACESSO_TOTAL);
    abrirConsulta(BatePapo::historico(s.direitos.ACESSO_TOTAL, s.login));
}

void TFrmChat::abrirConsulta(const BatePapo::ConsultaHistorico &c)
{
    modelo->definirConsulta(c.sql, c.valores);
    modelo->abrir();
    if (!modelo->vazia()) {
        modelo->buscarTodas(); // always on the last message
        grdMensagens->selectRow(modelo->total() - 1);
    }
}

void TFrmChat::btnFiltrosClick()
{
    if (!Sessao::atual().direitos.ACESSO_TOTAL)
        return;
    pnlFiltro->show();
    rbUsuario->setChecked(true);
    rbUsuarioClick();
}

void TFrmChat::rbUsuarioClick()
{
    rbUsuario->setChecked(true);
    dtData->hide();
    cbUsuario->clear();
    cbUsuario->addItems(BatePapo::todosUsuarios(DM->Conexao));
    cbUsuario->setCurrentIndex(-1);
    cbUsuario->show();
    cbUsuario->setFocus();
}

void TFrmChat::rbDataClick()
{
    rbData->setChecked(true);
    cbUsuario->hide();
    dtData->setDate(Relogio::hoje());
    dtData->show();
    dtData->setFocus();
}

void TFrmChat::btnPesquisarClick()
{
    abrirConsulta(rbData->isChecked() ? BatePapo::historicoDoDia(dtData->date())
                                      : BatePapo::historicoDoUsuario(cbUsuario->currentText()));
    pnlFiltro->hide();
}

bool TFrmChat::eventFilter(QObject *o, QEvent *e)
{
    if (e->type() == QEvent::KeyPress) {
        const int tecla = static_cast<QKeyEvent *>(e)->key();
        if (o == cbUsuario && tecla == Qt::Key_Down) {
            rbDataClick();
            return true;
        }
        if (o == dtData && tecla == Qt::Key_Up) {
            rbUsuarioClick();
            return true;
        }
    } else if (e->type() == QEvent::FocusIn || e->type() == QEvent::FocusOut) {
        if (o == cbUsuario || o == dtData)
            ColorirControle(static_cast<QWidget *>(o), e->type() == QEvent::FocusIn);
    }
    return QDialog::eventFilter(o, e);
}

void abrirBatePapo() { Telas::abrir<TFrmBatePapo>(FrmBatePapo); }
void abrirHistoricoChat() { Telas::abrir<TFrmChat>(FrmChat); }
