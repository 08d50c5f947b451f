#include "app/UnitQuintara.h"
#include "finance/Comandos.h"
#include "restaurant/Comandos.h"
#include "rooms/Comandos.h"
#include "rooms/EstadoUH.h"
#include "stays/Comandos.h"
#include "integration/Comandos.h"
#include "staff/Comandos.h"

#include "base/CabecalhoTela.h"
#include "base/Aplicacao.h"
#include "base/Caminhos.h"
#include "base/Erros.h"
#include "base/Mensagem.h"
#include "base/Parametros.h"
#include "base/Relogio.h"
#include "base/Rotinas.h"
#include "base/Sessao.h"
#include "base/Telas.h"
#include "core/Alertas.h"
#include "core/Notificacoes.h"
#include "core/Pesquisa.h"
#include "core/UnitBackup.h"
#include "core/UnitSobre.h"
#include "core/UnitAlerta.h"
#include "core/UnitBatePapo.h"
#include "core/UnitLembretes.h"
#include "core/UnitOnline.h"
#include "core/UnitAcesso.h"
#include "core/UnitAnulacoes.h"
#include "core/UnitParametros.h"
#include "core/UnitUsuarios.h"
#include "base/UnitDM.h"
#include "core/PainelNoticias.h"
#include "core/PainelSuporte.h"
#include "platform/AcessoRemoto.h"
#include "platform/ProgramaCompanheiro.h"
#include "base/UnitLog.h"
#include "core/UnitLogViewer.h"
#include "finance/UnitCaixa.h"
#include "platform/Processos.h"

#include <QAction>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QCursor>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QLinearGradient>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QProgressBar>
#include <QRegularExpression>
#include <QPushButton>
#include <QStandardPaths>
#include <QStatusBar>
#include <QStyle>
#include <QSystemTrayIcon>
#include <QTimer>
#include <QTreeWidget>
#include <QVBoxLayout>

TFrmQuintara *FrmQuintara = nullptr;

namespace Principal {

const char *const kTitulo = "Zentro Vedez 4 - Sistema de Gestão Hoteleira";
const char *const kMsgSairSistema = "Deseja Realmente Sair do Sistema?";
const char *const kMsgBancoDesatualizado =
    "Versão do Banco de Dados desatualizado, para atualização, Entre em contato com a calvori!";
const char *const kMsgCaixaNecessario = "Necessário Abrir o Caixa para Funcionamento do Sistema!";
const char *const kDicaBandeja = "Zentro Vedez 5 - Em Execução...";

QString mensagemCaixaAberto(const QString &usuario)
{
    return QStringLiteral("AVISO!!!  O Caixa se Encontra Aberto para o Usuário:     ") + usuario
        + QStringLiteral("     Se não for você, Favor Registrar o Fechamento do Caixa!");
}

Inicio::Resultado CarregarParametros()
{
    Inicio::registrarVersao(DM->Conexao);
    tParametros().recarregar();
    if (tParametros().inteiro(QStringLiteral("SCRIPT")) < VersaoBDEXE)
        return Inicio::Resultado::encerrar(QString::fromUtf8(kMsgBancoDesatualizado), Mensagem::Tipo::Erro);
    return Inicio::Resultado::ok();
}

QList<MudancaUH> AtualizacaoAutomaticaUH()
{
    // The shared room-state rule; each change is conditional on the state
    // read, so a check-in made meanwhile on another workstation is never
    // overwritten.
    QList<MudancaUH> mudancas;
    for (const EstadoUH::Mudanca &m : EstadoUH::atualizarReservasDoDia(DM->Conexao, Relogio::hoje()))
        mudancas.append({m.idUH, m.numero, m.situacao});
    return mudancas;
}

PortaoCaixa::Acao PortaoCaixa::verificar()
{
    if (Abriu == 2)
        return {};
    const QList<Linha> abertos = DM->Conexao.lerTodas(
        QStringLiteral("SELECT USUARIO FROM CAIXA WHERE DATA_ABERT IS NOT NULL AND DATA_FECHA IS NULL"));
    if (abertos.size() == 1) {
        Acao a;
        if (Abriu == 0)
            a.mensagem = mensagemCaixaAberto(abertos.first().texto(QStringLiteral("USUARIO")));
        Abriu = 2;
        return a;
    }
    Abriu = 1;
    return {QString::fromUtf8(kMsgCaixaNecessario), true};
}

void registrarSaida() { RegistrarSaida(); }


const char *const kDicaAcessoRemoto = "Iniciar o Acesso Remoto Calvori";
const char *const kDicaSite = "Acesse o site da Calvori Zurerodi";
const char *const kDicaChat = "Abrir Chat, Você não possui novas mensagens";
const char *const kDicaChatNovas = "Você Recebeu Novas Mensagens";
const char *const kDicaCompromissos = "Existem Compromissos para Hoje";

void ImpressoraFiscal(const std::function<void()> &abrirRotinasFiscais)
{
    if (!tParametros().sim(QStringLiteral("UTILIZA_FISCAL"))) {
        if (abrirRotinasFiscais)
            abrirRotinasFiscais();
        return;
    }
    // The fiscal work belongs to the companion point of sale: never a second
    // copy; a missing program gives no message.
    using namespace ProgramaCompanheiro;
    const QString programa = caminhoZentroPDV();
    if (!emExecucao(programa).isEmpty()) {
        trazerParaFrente(QStringLiteral("Zentro PDV"));
        return;
    }
    if (QFileInfo(programa).isFile())
        iniciar(programa, argumentosZentroPDV(), pastaZentroPDV());
}


} // namespace Principal

namespace {

// The download's progress panel of the main window; every change repaints
// it at once (the transfer holds the user-interface thread).
class PainelProgressoJanela : public AcessoRemoto::PainelProgresso {
public:
    explicit PainelProgressoJanela(TFrmQuintara *j) : m_j(j) {}
    void mostrar() override
    {
        m_j->Gauge1->setRange(0, 100);
        m_j->Gauge1->setValue(0);
        m_j->lblStatusFtp->setText(QStringLiteral("Status"));
        m_j->lblTaxaFtp->setText(QStringLiteral("."));
        m_j->pnlProgresso->show();
        m_j->pnlProgresso->raise();
        pintar();
    }
    void esconder() override { m_j->pnlProgresso->hide(); }
    void status(const QString &texto) override
    {
        m_j->lblStatusFtp->setText(texto);
        pintar();
    }
    // The gauge counts in KB so that archives beyond 2 GB still fit.
    void maximo(qint64 m) override { m_j->Gauge1->setMaximum(int(qMin<qint64>(m, INT_MAX))); }
    void posicao(qint64 p) override
    {
        m_j->Gauge1->setValue(int(qMin<qint64>(p, m_j->Gauge1->maximum())));
        pintar();
    }
    void taxa(const QString &texto) override
    {
        m_j->lblTaxaFtp->setText(texto);
        pintar();
    }

private:
    void pintar()
    {
        if (m_j->pnlProgresso->isVisible())
            m_j->pnlProgresso->repaint();
    }
    TFrmQuintara *m_j;
};

QLabel *figura(QWidget *pai, QStyle::StandardPixmap p, const QString &dica)
{
    auto *l = new QLabel(pai);
    l->setPixmap(pai->style()->standardIcon(p).pixmap(32, 32));
    l->setToolTip(dica);
    l->setCursor(Qt::PointingHandCursor);
    return l;
}

QLabel *rotulo(QWidget *pai, const QString &texto)
{
    auto *l = new QLabel(texto, pai);
    l->setStyleSheet(QStringLiteral("QLabel { color: white; font: bold 12pt; } QLabel:disabled { color: #C0C0C0; }"));
    l->setCursor(Qt::PointingHandCursor);
    return l;
}

// The shell service as this window serves it.
class ServicoJanelaPrincipal : public Janela::Servico {
public:
    explicit ServicoJanelaPrincipal(TFrmQuintara &j) : m_j(j) {}
    void atualizarAlertas(bool clicou) override { m_j.AtualizarAlertas(clicou); }
    void controleMouse() override
    {
        if (!m_j.encerrado())
            m_j.ControleMouse(m_j.Image1);
    }
    QString painel(int i) const override { return m_j.painel(i) ? m_j.painel(i)->text() : QString(); }
    QString nomeEmpresa() const override { return m_j.JvLabel4->text(); }
    void mostrarIconeChat(bool novas) override { m_j.mostrarIconeChat(novas); }
    void fechar() override { m_j.close(); }
    void encerrarPrograma() override { m_j.encerrarPrograma(); }
    bool encerrado() const override { return m_j.encerrado(); }
    bool abrirTela(const QString &nomeHandler) override { return m_j.executarComando(nomeHandler); }
    void progressoMostrar(int maximo) override { m_j.progressoMostrar(maximo); }
    void progressoMaximo(int maximo) override { m_j.progressoMaximo(maximo); }
    void progressoAvancar(int passos) override { m_j.progressoAvancar(passos); }
    void progressoEsconder() override { m_j.progressoEsconder(); }

private:
    TFrmQuintara &m_j;
};

} // namespace

// ---------------------------------------------------------------- the window

TFrmQuintara::TFrmQuintara(QWidget *parent)
    : QMainWindow(parent)
{
    FrmQuintara = this;
    m_servico = std::make_unique<ServicoJanelaPrincipal>(*this);
    Janela::instalar(m_servico.get());
    setObjectName(QStringLiteral("FrmQuintara"));
    setWindowTitle(QString::fromUtf8(Principal::kTitulo));
    resize(1180, 760);

    auto *central = new QWidget(this);
    auto *layout = new QVBoxLayout(central);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);

    dxRibbon1 = new TRibbon(central);
    dxRibbon1->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    layout->addWidget(dxRibbon1);

    // Company and user above the background, the logo at the right.
    auto *faixa = new QWidget(central);
    faixa->setObjectName(QStringLiteral("faixaUsuario"));
    faixa->setStyleSheet(QStringLiteral("#faixaUsuario { background: #1F3C88; } QLabel { color: white; }"));
    auto *lf = new QHBoxLayout(faixa);
    lf->setContentsMargins(8, 2, 8, 2);
    JvLabel4 = new QLabel(faixa);
    QFont fe = JvLabel4->font();
    fe.setBold(true);
    fe.setPointSize(fe.pointSize() + 2);
    JvLabel4->setFont(fe);
    JvLabel5 = new QLabel(QStringLiteral("Usuário"), faixa);
    imgLogoTela = new QLabel(faixa);
    imgLogoTela->setFixedHeight(40);
    lf->addWidget(JvLabel4);
    lf->addStretch();
    lf->addWidget(new QLabel(QStringLiteral("Usuário:"), faixa));
    lf->addWidget(JvLabel5);
    lf->addSpacing(12);
    lf->addWidget(imgLogoTela);
    layout->addWidget(faixa);

    auto *corpo = new QHBoxLayout;
    corpo->setSpacing(0);
    Image1 = new QLabel(central);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setAlignment(Qt::AlignCenter);
    Image1->setMinimumSize(400, 300);
    Image1->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Ignored);
    Image1->setScaledContents(true);
    Image1->setPixmap(Principal::figuraEmbutida(QSize(1180, 560), QStringLiteral("Zentro Vedez 4")));
    Image1->setMouseTracking(true);
    Image1->installEventFilter(this);
    corpo->addWidget(Image1, 1);

    // The alerts panel (filled by the alerts subsystem), hidden until asked for.
    pnlAlertas = new QWidget(central);
    pnlAlertas->setFixedWidth(360);
    auto *la = new QVBoxLayout(pnlAlertas);
    la->setContentsMargins(2, 2, 2, 2);
    TreeView1 = new QTreeWidget(pnlAlertas);
    TreeView1->setHeaderHidden(true);
    la->addWidget(TreeView1);
    auto *btnEsconder = new QPushButton(QStringLiteral("Esconder"), pnlAlertas);
    connect(btnEsconder, &QPushButton::clicked, this, [this] {
        pnlAlertas->hide();
        AtualizarAlertas(false);
    });
    la->addWidget(btnEsconder);
    pnlAlertas->hide();
    corpo->addWidget(pnlAlertas);
    layout->addLayout(corpo, 1);
    Progresso = new QProgressBar(central);
    Progresso->setStyleSheet(QStringLiteral("QProgressBar { font: bold; } QProgressBar::chunk { background: #800000; }"));
    Progresso->hide();
    layout->addWidget(Progresso);
    setCentralWidget(central);

    definirImagemPadrao(QPixmap());

    montarFundo();
    montarBarraStatus();
    montarBandeja();
    registrarComandosProprios();
    registrarTarefasDoDia();
    instalarNotificacoes(*this, this);
    atualizarFundo();

    Timer1 = new QTimer(this);
    Timer1->setInterval(1000);
    connect(Timer1, &QTimer::timeout, this, &TFrmQuintara::Timer1Timer);
    Timer2 = new QTimer(this);
    Timer2->setInterval(60000);
    connect(Timer2, &QTimer::timeout, this, &TFrmQuintara::Timer2Timer);
    Timer1->start();
    Timer2->start();
    Timer1Timer();

    // Each reload of the settings (after login, after the settings screen
    // saves) shows the company, pictures and status bar again.
    m_ouvinteParametros = tParametros().aoRecarregar([this] { aplicarParametros(); });
}

TFrmQuintara::~TFrmQuintara()
{
    tParametros().removerAoRecarregar(m_ouvinteParametros);
    if (FrmQuintara == this)
        FrmQuintara = nullptr;
    if (&Janela::servico() == m_servico.get())
        Janela::instalar(nullptr);
}

void TFrmQuintara::montarFundo()
{
    // Top left: alerts, chat and the room map; bottom: remote access and
    // the maker's site at the left, the posting warning at the right.
    auto *fundo = new QVBoxLayout(Image1);
    fundo->setContentsMargins(12, 12, 12, 12);
    auto *topo = new QHBoxLayout;
    topo->setSpacing(6);
    imgAvisos = figura(Image1, QStyle::SP_MessageBoxWarning, QStringLiteral("Avisos"));
    lblAvisos = rotulo(Image1, QStringLiteral("Avisos"));
    lblAvisos->setToolTip(QStringLiteral("Avisos"));
    imgChat = figura(Image1, QStyle::SP_MessageBoxInformation, QString::fromUtf8(Principal::kDicaChat));
    imgChatNovas = figura(Image1, QStyle::SP_MessageBoxCritical, QString::fromUtf8(Principal::kDicaChatNovas));
    imgChatNovas->hide();
    lblChat = rotulo(Image1, QStringLiteral("Chat"));
    imgCompromissos = figura(Image1, QStyle::SP_FileDialogDetailedView, QString::fromUtf8(Principal::kDicaCompromissos));
    lblCentralUH = rotulo(Image1, QStringLiteral("Central de UHs"));
    for (QWidget *w : {static_cast<QWidget *>(imgAvisos), static_cast<QWidget *>(lblAvisos),
                       static_cast<QWidget *>(imgChat), static_cast<QWidget *>(imgChatNovas),
                       static_cast<QWidget *>(lblChat), static_cast<QWidget *>(imgCompromissos),
                       static_cast<QWidget *>(lblCentralUH)})
        topo->addWidget(w);
    topo->addStretch();
    fundo->addLayout(topo);
    fundo->addStretch();

    auto *base = new QHBoxLayout;
    imgAcessoRemoto = figura(Image1, QStyle::SP_ComputerIcon, QString::fromUtf8(Principal::kDicaAcessoRemoto));
    lblAcessoRemoto = rotulo(Image1, QStringLiteral("Suporte\nremoto"));
    imgSite = figura(Image1, QStyle::SP_DriveNetIcon, QString::fromUtf8(Principal::kDicaSite));
    QString site = Fabricante::site();
    site.remove(QRegularExpression(QStringLiteral("^[a-z]+://")));
    lblSite = rotulo(Image1, site);
    for (QLabel *l : {imgAcessoRemoto, lblAcessoRemoto, imgSite, lblSite})
        base->addWidget(l, 0, Qt::AlignBottom);
    base->addStretch();
    pnlServidorDesatualizado = new QLabel(QStringLiteral("Servidor desatualizado!"), Image1);
    pnlServidorDesatualizado->setStyleSheet(
        QStringLiteral("QLabel { color: white; background: #C00000; font: bold 12pt; padding: 6px; }"));
    pnlServidorDesatualizado->hide();
    base->addWidget(pnlServidorDesatualizado, 0, Qt::AlignRight | Qt::AlignBottom);
    fundo->addLayout(base);

    for (QLabel *l : {imgAvisos, lblAvisos, imgChat, imgChatNovas, lblChat, imgCompromissos, lblCentralUH,
                      imgAcessoRemoto, lblAcessoRemoto, imgSite, lblSite})
        l->installEventFilter(this);

    // Panels over the background, hidden (or closed) until asked for.
    pnlNoticias = new TPainelNoticias(Image1);
    pnlSuporte = new TPainelSuporte(Image1);
    pnlSuporte->resize(560, 320);

    pnlProgresso = new QFrame(Image1);
    pnlProgresso->setObjectName(QStringLiteral("pnlProgresso"));
    pnlProgresso->setFrameShape(QFrame::StyledPanel);
    pnlProgresso->setAutoFillBackground(true);
    pnlProgresso->resize(460, 96);
    auto *lp = new QVBoxLayout(pnlProgresso);
    Gauge1 = new QProgressBar(pnlProgresso);
    lblStatusFtp = new QLabel(QStringLiteral("Status"), pnlProgresso);
    lblTaxaFtp = new QLabel(QStringLiteral("."), pnlProgresso);
    lp->addWidget(Gauge1);
    lp->addWidget(lblStatusFtp);
    lp->addWidget(lblTaxaFtp);
    pnlProgresso->hide();
    posicionarPaineis();
    atualizarFundo();
}

void TFrmQuintara::posicionarPaineis()
{
    const int largura = Image1->width();
    const int altura = Image1->height();
    const int direita = largura - PainelNoticias::kFechado.width() - 10;
    pnlNoticias->move(direita - (pnlNoticias->aberto() ? PainelNoticias::kDeslocamento : 0), 10);
    pnlSuporte->move(qMax(0, (largura - pnlSuporte->width()) / 2), qMax(0, (altura - pnlSuporte->height()) / 2));
    pnlProgresso->move(qMax(0, (largura - pnlProgresso->width()) / 2), qMax(0, altura - pnlProgresso->height() - 60));
}

void TFrmQuintara::atualizarFundo()
{
    for (QLabel *l : {imgChat, imgChatNovas, lblChat})
        l->setEnabled(bool(abrirChat));
    for (QLabel *l : {imgCompromissos, lblCentralUH})
        l->setEnabled(bool(abrirCentralUH));
}

void TFrmQuintara::AcessoRemotoClick()
{
    PainelProgressoJanela painel(this);
    AcessoRemoto::iniciar(painel);
}

void TFrmQuintara::SiteClick()
{
    Plataforma::processos().abrirDocumento(Fabricante::site());
}

void TFrmQuintara::ChatClick()
{
    if (abrirChat)
        abrirChat();
}

void TFrmQuintara::CentralUHClick()
{
    if (abrirCentralUH)
        abrirCentralUH();
}

void TFrmQuintara::NoticiasClick() { pnlNoticias->alternar(); }

void TFrmQuintara::mostrarSuporte()
{
    posicionarPaineis();
    pnlSuporte->mostrar();
}

void TFrmQuintara::progressoMostrar(int maximo)
{
    Progresso->setRange(0, qMax(0, maximo));
    Progresso->setValue(0);
    Progresso->show();
    Progresso->repaint();
}

void TFrmQuintara::progressoMaximo(int maximo) { Progresso->setMaximum(qMax(0, maximo)); }

void TFrmQuintara::progressoAvancar(int passos)
{
    Progresso->setValue(qMin(Progresso->maximum(), Progresso->value() + passos));
    Progresso->repaint();
}

void TFrmQuintara::progressoEsconder() { Progresso->hide(); }

void TFrmQuintara::montarBarraStatus()
{
    dxStatusBar1 = statusBar();
    dxStatusBar1->setObjectName(QStringLiteral("dxStatusBar1"));
    const int larguras[] = {80, 60, 250, 120, 100, 200, 60};
    for (int i = 0; i < 7; ++i) {
        auto *p = new QLabel(dxStatusBar1);
        p->setMinimumWidth(larguras[i]);
        p->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        dxStatusBar1->addWidget(p, i == 5 ? 1 : 0);
        m_paineis.append(p);
    }
}

QLabel *TFrmQuintara::painel(int i) const { return m_paineis.value(i); }

void TFrmQuintara::montarBandeja()
{
    if (!QSystemTrayIcon::isSystemTrayAvailable())
        return;
    RxTrayIcon1 = new QSystemTrayIcon(windowIcon().isNull() ? style()->standardIcon(QStyle::SP_ComputerIcon)
                                                             : windowIcon(),
                                      this);
    RxTrayIcon1->setToolTip(QString::fromUtf8(Principal::kDicaBandeja));
    auto *menu = new QMenu(this);
    menu->addAction(QStringLiteral("----- Maximizar -----"), this, &QWidget::showMaximized);
    menu->addSeparator();
    menu->addAction(QStringLiteral("------- Fechar -------"));
    menu->addAction(QStringLiteral("---- Quintara ----"))->setEnabled(false);
    RxTrayIcon1->setContextMenu(menu);
    connect(RxTrayIcon1, &QSystemTrayIcon::activated, this, [this](QSystemTrayIcon::ActivationReason r) {
        if (r != QSystemTrayIcon::DoubleClick)
            return;
        if (isMinimized())
            showMaximized();
        else if (isMaximized())
            showMinimized();
    });
}

void TFrmQuintara::registrarComandosProprios()
{
    registrarComando(QStringLiteral("btnLogClick"), [] { Telas::abrir<TFrmLog>(FrmLog); });
    registrarComando(QStringLiteral("btnParametrosClick"), [] { abrirParametros(); });
    registrarComando(QStringLiteral("btnUsuariosClick"), [] { abrirUsuarios(); });
    registrarComando(QStringLiteral("btnAnulacoesClick"), [] { abrirAnulacoes(); });
    registrarComando(QStringLiteral("btnChatClick"), [] { abrirHistoricoChat(); });
    registrarComando(QStringLiteral("dxBarLargeButton27Click"), [] { abrirBackup(); });
    registrarComando(QStringLiteral("btnSobreClick"), [] { abrirSobre(); });
    Pesquisa::instalarAcoesParametros();
    registrarComando(QStringLiteral("btnLembreteClick"), [] { abrirLembretes(); });
    registrarComando(QStringLiteral("btnOnlineClick"), [] { abrirUsuariosOnline(); });
    abrirChat = [] {
        if (FrmAlerta)
            FrmAlerta->close();
        abrirBatePapo();
    };
    registrarComando(QStringLiteral("btnCalculadoraClick"), [] {
        // The desktop's calculator; a workstation without one just gets nothing.
        for (const char *nome : {"gnome-calculator", "kcalc", "mate-calc", "galculator", "qalculate-gtk", "xcalc"}) {
            const QString programa = QStandardPaths::findExecutable(QString::fromLatin1(nome));
            if (!programa.isEmpty() && Plataforma::processos().iniciar(programa))
                return;
        }
    });
    registrarComando(QStringLiteral("btnSuporteClick"), [this] { mostrarSuporte(); });
    registrarComando(QStringLiteral("dxBarLargeButton23Click"),
                     [this] { Principal::ImpressoraFiscal(abrirRotinasFiscais); });
    registrarComando(QStringLiteral("btnVerificarAtualizacoesClick"), [] {
        const QString atualizador = Caminhos::naInstalacao(QStringLiteral("Atualizador/PAtualizador"));
        if (QFileInfo(atualizador).isExecutable())
            Plataforma::processos().iniciar(atualizador, {}, QFileInfo(atualizador).path());
    });
    Quartos::registrarComandos(*this);
    Estadias::registrarComandos(*this);
    Financas::registrarComandos(*this);
    Restaurante::registrarComandos(*this);
    Pessoal::registrarComandos(*this);
    Integracao::registrarComandos(*this);
}

void TFrmQuintara::registrarComando(const QString &nomeHandler, std::function<void()> acao)
{
    dxRibbon1->registrarComando(nomeHandler, std::move(acao));
}

bool TFrmQuintara::executarComando(const QString &nomeHandler) { return dxRibbon1->executar(nomeHandler); }

void TFrmQuintara::registrarTarefasDoDia()
{
    preencherAlertas = [](QTreeWidget *arvore) {
        for (const Alertas::Grupo &g : Alertas::montar(DM->Conexao, Relogio::hoje(), Sessao::atual().direitos.MOVIMENTOS)) {
            auto *no = new QTreeWidgetItem({g.legenda()});
            for (const QString &l : g.linhas)
                no->addChild(new QTreeWidgetItem({l}));
            arvore->addTopLevelItem(no);
        }
    };
    // The nights of the open stays, posted once a day by the server workstation.
    adicionarTarefaDoDia([this] { pnlServidorDesatualizado->setVisible(m_postagem.tick(Relogio::hoje())); });
}

void TFrmQuintara::mostrarIconeChat(bool novas)
{
    m_iconeChatNovas = novas;
    imgChat->setVisible(!novas);
    imgChatNovas->setVisible(novas);
}

void TFrmQuintara::mostrarAlertas()
{
    pnlAlertas->show();
    AtualizarAlertas(true);
    Alertas = false;
}

void TFrmQuintara::adicionarTarefaTimer1(std::function<void()> tarefa) { m_tarefasTimer1.append(std::move(tarefa)); }
void TFrmQuintara::adicionarTarefaTimer2(std::function<void()> tarefa) { m_tarefasTimer2.append(std::move(tarefa)); }

void TFrmQuintara::adicionarTarefaDoDia(std::function<void()> tarefa)
{
    adicionarTarefaTimer1([this, tarefa = std::move(tarefa)] {
        if (m_logado)
            tarefa();
    });
}

void TFrmQuintara::definirAbertura(Abertura qual, std::function<void()> acao)
{
    switch (qual) {
    case Abertura::ConsumoRestaurante:
        abrirConsumoRestaurante = std::move(acao);
        break;
    case Abertura::CentralUH:
        abrirCentralUH = std::move(acao);
        break;
    case Abertura::RotinasFiscais:
        abrirRotinasFiscais = std::move(acao);
        break;
    case Abertura::Chat:
        abrirChat = std::move(acao);
        break;
    }
    atualizarFundo();
}

void TFrmQuintara::showEvent(QShowEvent *e)
{
    QMainWindow::showEvent(e);
    if (m_exibida)
        return;
    m_exibida = true;
    // The login runs once the window is on screen.
    QTimer::singleShot(0, this, [this] { iniciarSessao(); });
}

bool TFrmQuintara::iniciarSessao()
{
    Sessao &s = Sessao::atual();
    s.mostroualerta = false;
    s.mostrouaviso = false;
    m_portao = {};
    m_telaPrincipalGravada = false;

    int login = QDialog::Rejected;
    try {
        login = Telas::abrir<TFrmAcesso>(FrmAcesso, this);
    } catch (...) {
        // Nobody may use the system without a login: an error that ends the
        // login dialog is shown and the program ends, as when it is closed.
        TAplicacao::mostrarErro(std::current_exception());
        login = QDialog::Rejected;
    }
    if (login != QDialog::Accepted) {
        encerrarPrograma();
        return false;
    }
    // From here the user is logged in, even when a later step fails: the
    // cash-register gate and the leaving question keep working.
    m_logado = true;
    JvLabel5->setText(s.login);
    atualizarFundo();
    if (RxTrayIcon1)
        RxTrayIcon1->show();
    CarregaPermissoes();
    if (!tParametrosAfterOpen())
        return false;

    ControleMouse(Image1);
    s.WalkInExpresso = false;
    s.WalkInExpressoCLIENTE.clear();
    s.WalkInExpressoUH.clear();

    Principal::AtualizacaoAutomaticaUH();
    // The ribbon again, now with the settings row loaded (ZENTROCONTROLE).
    CarregaPermissoes();
    return true;
}

void TFrmQuintara::CarregaPermissoes()
{
    dxRibbon1->aplicarDireitos(Sessao::atual().direitos, tParametros().sim(QStringLiteral("ZENTROCONTROLE")));
}

bool TFrmQuintara::tParametrosAfterOpen()
{
    // Reloading the row runs aplicarParametros (the window listens to it).
    const Inicio::Resultado r = Principal::CarregarParametros();
    if (!r.seguir) {
        Inicio::mostrar(r);
        encerrarPrograma();
        return false;
    }
    aplicarParametros();
    return true;
}

void TFrmQuintara::aplicarParametros()
{
    const TParametros &p = tParametros();
    JvLabel4->setText(p.texto(QStringLiteral("NOME_FANTASIA")));

    const QString modelo = p.texto(QStringLiteral("MODELO_IMG"));
    if (modelo == QLatin1String("0")) {
        definirImagemPadrao(QPixmap());
    } else if (modelo == QLatin1String("1") || modelo == QLatin1String("2")) {
        const QString base = modelo == QLatin1String("1") ? QStringLiteral("img/Quintara3")
                                                          : QStringLiteral("img/Modelo_Exclusivo");
        const QPixmap cabecalho(Caminhos::naInstalacao(base + QStringLiteral("_Tela.jpg")));
        if (!cabecalho.isNull())
            definirImagemPadrao(cabecalho);
    }

    painel(2)->setText(QStringLiteral("EMPRESA: ") + p.texto(QStringLiteral("NOME_FANTASIA")));
    painel(3)->setText(QStringLiteral("USUÁRIO: ") + Sessao::atual().login);
    painel(4)->setText(QStringLiteral("Versão: ") + GetVersaoArq());
    painel(6)->setText(QStringLiteral("BD: Script ") + p.texto(QStringLiteral("SCRIPT")));

    // A logo that cannot be read leaves the previous one.
    const QString logo = p.texto(QStringLiteral("LOGO"));
    if (!logo.isEmpty()) {
        const QPixmap l(Caminhos::mapearWindows(logo));
        if (!l.isNull()) {
            imgLogo = l;
            imgLogoTela->setPixmap(l.scaledToHeight(40, Qt::SmoothTransformation));
        }
    }
    if (m_logado)
        CarregaPermissoes();
}

void TFrmQuintara::ControleMouse(QWidget *controle)
{
    if (controle && controle->isVisible()) {
        m_posicaoColocada = controle->mapToGlobal(controle->rect().center());
        QCursor::setPos(m_posicaoColocada);
    }
    Sessao &s = Sessao::atual();
    s.Data_Abertura = Relogio::hoje();
    s.Ponto_Vazio = DM->Conexao
                        .ler(QStringLiteral("SELECT FIRST 1 ID_PONTO FROM PONTO WHERE DATA_DEFINIDA = ?"),
                             {Relogio::hoje()})
                        .vazia();
    AtualizarAlertas(false);
    if (controle == Image1)
        Image1MouseMove();
}

void TFrmQuintara::AtualizarAlertas(bool clicou)
{
    TreeView1->clear();
    TreeView1->addTopLevelItem(new QTreeWidgetItem({Alertas::cabecalho(Relogio::hoje())}));
    if (clicou && preencherAlertas) {
        preencherAlertas(TreeView1);
        TreeView1->expandAll();
    }
}

void TFrmQuintara::Image1MouseMove()
{
    if (!m_logado || m_noPortao || m_encerrando)
        return;
    // Written again only when another screen has reported itself meanwhile.
    if (!m_telaPrincipalGravada || AcaoAtualRegistrada() != QLatin1String("Tela Principal")) {
        AcaoAtual(QStringLiteral("Tela Principal"));
        m_telaPrincipalGravada = true;
    }

    const Principal::PortaoCaixa::Acao a = m_portao.verificar();
    if (!a.mensagem.isEmpty())
        Mensagem::info(a.mensagem);
    if (a.abrirCaixa) {
        m_noPortao = true;
        struct Fim {
            bool &f;
            ~Fim() { f = false; }
        } fim{m_noPortao};
        executarComando(QStringLiteral("dxBarLargeButton12Click"));
    }

    Sessao &s = Sessao::atual();
    if (s.direitos.ACESSO_TOTAL)
        s.AuxTipoPC = QStringLiteral("NORMA");
    // A restaurant terminal goes back to the consumption screen at once.
    if (s.AuxTipoPC == QLatin1String("RESTA") && abrirConsumoRestaurante && !m_noPortao) {
        m_noPortao = true;
        struct Fim {
            bool &f;
            ~Fim() { f = false; }
        } fim{m_noPortao};
        abrirConsumoRestaurante();
    }
}

bool TFrmQuintara::eventFilter(QObject *o, QEvent *e)
{
    if (e->type() == QEvent::MouseButtonRelease) {
        if (o == lblAvisos || o == imgAvisos) {
            mostrarAlertas();
            return true;
        }
        if (o == imgAcessoRemoto || o == lblAcessoRemoto) {
            AcessoRemotoClick();
            return true;
        }
        if (o == imgSite || o == lblSite) {
            SiteClick();
            return true;
        }
        if (o == imgChat || o == imgChatNovas || o == lblChat) {
            ChatClick();
            return true;
        }
        if (o == imgCompromissos || o == lblCentralUH) {
            CentralUHClick();
            return true;
        }
    }
    if (o == Image1 && e->type() == QEvent::Resize)
        posicionarPaineis();
    if (o == Image1 && e->type() == QEvent::MouseMove) {
        const QPoint global = static_cast<QMouseEvent *>(e)->globalPosition().toPoint();
        // The move caused by placing the pointer ourselves was already handled.
        if (global == m_posicaoColocada) {
            m_posicaoColocada = QPoint(-1, -1);
            return false;
        }
        Image1MouseMove();
    }
    return QMainWindow::eventFilter(o, e);
}

bool TFrmQuintara::event(QEvent *e)
{
    if ((e->type() == QEvent::WindowActivate || e->type() == QEvent::Enter) && m_logado && !m_encerrando) {
        // Only the presence report: a failure here must not raise an error box,
        // whose closing would activate the window and fail again.
        try {
            AcaoAtual(QStringLiteral("Tela Principal"));
            m_telaPrincipalGravada = true;
        } catch (const ErroBanco &erro) {
            qWarning("Tela atual não registrada: %s", qPrintable(erro.texto()));
        }
    }
    return QMainWindow::event(e);
}

bool TFrmQuintara::FormClose()
{
    if (!m_logado)
        return true;
    if (!Mensagem::pergunta(QString::fromUtf8(Principal::kMsgSairSistema)))
        return false;
    Principal::registrarSaida();
    return true;
}

void TFrmQuintara::closeEvent(QCloseEvent *e)
{
    if (m_encerrando || FormClose()) {
        m_encerrando = true;
        Timer1->stop();
        Timer2->stop();
        if (RxTrayIcon1)
            RxTrayIcon1->hide();
        e->accept();
        QCoreApplication::exit(0);
        return;
    }
    e->ignore();
}

void TFrmQuintara::encerrarPrograma()
{
    m_encerrando = true;
    close();
    QCoreApplication::exit(0);
}

void TFrmQuintara::Timer1Timer()
{
    // A message box shown by a tick (a database error) runs its own event
    // loop; the ticks that fire meanwhile wait for it instead of piling up.
    if (m_noTimer1)
        return;
    m_noTimer1 = true;
    struct Fim {
        bool &f;
        ~Fim() { f = false; }
    } fim{m_noTimer1};
    for (const auto &t : std::as_const(m_tarefasTimer1))
        t();
    // The clock of the status bar.
    const QDateTime agora = Relogio::agora();
    painel(0)->setText(agora.date().toString(QStringLiteral("dd/MM/yyyy")));
    painel(1)->setText(agora.time().toString(QStringLiteral("HH:mm:ss")));
}

void TFrmQuintara::Timer2Timer()
{
    Sessao &s = Sessao::atual();
    if (!m_logado || Relogio::hoje() == s.Data_Abertura)
        return;
    // A new day: the server's posting is looked up again and the rooms follow
    // the reservations of the day.
    s.ServidorAtualizado = Inicio::servidorAtualizado(DM->Conexao);
    Principal::AtualizacaoAutomaticaUH();
    for (const auto &t : std::as_const(m_tarefasTimer2))
        t();
    s.Data_Abertura = Relogio::hoje();
}
