#pragma once
// The main window: the ribbon with every command, the background that guards
// the cash register, the status bar, the tray icon and the start of the
// working day after login (settings, room states). Its shared state lives in
// Sessao and its settings record in tParametros(); what can be stated without
// widgets lives in namespace Principal, beside the window.
#include "base/CabecalhoTela.h"
#include "base/Comandos.h"
#include "base/Janela.h"
#include "core/Inicializacao.h"
#include "app/Ribbon.h"
#include "core/Diarias.h"
#include "core/ContagemAvisos.h"

#include <QMainWindow>
#include <QPixmap>
#include <functional>
#include <memory>

class QFrame;
class QLabel;
class QMenu;
class TPainelNoticias;
class TPainelSuporte;
class QProgressBar;
class QStatusBar;
class QSystemTrayIcon;
class QTimer;
class QTreeWidget;

namespace Principal {

// The lowest schema version this program works with.
constexpr int VersaoBDEXE = 113;

extern const char *const kTitulo;                // the window's caption
extern const char *const kMsgSairSistema;        // "Deseja Realmente Sair do Sistema?"
extern const char *const kMsgBancoDesatualizado;
extern const char *const kMsgCaixaNecessario;    // no open shift, or several
extern const char *const kDicaBandeja;

// The message of exactly one open shift, naming its user.
QString mensagemCaixaAberto(const QString &usuario);

// The settings record opened: records the running version, reloads the row
// and refuses a schema below VersaoBDEXE (the outcome ends the program).
Inicio::Resultado CarregarParametros();

// One change of a room made by the automatic refresh.
struct MudancaUH {
    qint64 idUH = 0;
    QString numero;
    QString situacao; // the new state: "R" or "L"
};
// Free rooms that a pending, live reservation holds today become "R"; reserved
// rooms that no live reservation holds today become "L". Each change is
// logged with the room's number.
QList<MudancaUH> AtualizacaoAutomaticaUH();

// The cash-register gate run by mouse moves over the background: with no
// open shift, or several, it asks for the cash-register screen on every move;
// with exactly one it names its user once and is done.
class PortaoCaixa {
public:
    struct Acao {
        QString mensagem;       // empty: nothing to show
        bool abrirCaixa = false;
    };
    Acao verificar();
    // 0 not tested yet, 1 waiting for one open shift, 2 done.
    int Abriu = 0;
};

// Leaving the program: the presence of this user on this workstation goes
// and "Saiu do Sistema" is logged.
void registrarSaida();

// A picture drawn by the program itself (the built-in header and background).
using ::figuraEmbutida;

// Texts of the background's pictures.
extern const char *const kDicaAcessoRemoto;  // "Iniciar o Acesso Remoto Calvori"
extern const char *const kDicaSite;          // "Acesse o site da Calvori Zurerodi"
extern const char *const kDicaChat;          // no unread message
extern const char *const kDicaChatNovas;     // unread messages
extern const char *const kDicaCompromissos;  // "Existem Compromissos para Hoje"

// The fiscal command: with UTILIZA_FISCAL "S" the companion point of sale
// does the fiscal work (a running copy is brought forward, otherwise it is
// started, silently when it is missing); otherwise the fiscal routines
// screen opens through `abrirRotinasFiscais` (nothing when it is not set).
void ImpressoraFiscal(const std::function<void()> &abrirRotinasFiscais);

// The ribbon's progress gauge (the shell service's).
using ProgressoExportacao = Janela::Progresso;

} // namespace Principal

class TFrmQuintara : public QMainWindow, public RegistroComandos {
    Q_OBJECT
public:
    explicit TFrmQuintara(QWidget *parent = nullptr);
    ~TFrmQuintara() override;

    TRibbon *dxRibbon1;
    QLabel *Image1;      // the background picture (the cash-register gate)
    QLabel *JvLabel4;    // company's trade name
    QLabel *JvLabel5;    // the logged login ("Usuário" before the login)
    QLabel *imgLogoTela; // the company logo shown on the window
    QStatusBar *dxStatusBar1;
    QWidget *pnlAlertas;
    QTreeWidget *TreeView1;
    QTimer *Timer1;      // one second
    QTimer *Timer2;      // one minute
    QSystemTrayIcon *RxTrayIcon1 = nullptr; // only where the desktop has a tray
    QProgressBar *Progresso; // shown by long exports, hidden otherwise
    QLabel *lblAvisos;       // "Avisos": opens the alerts panel
    QLabel *pnlServidorDesatualizado; // "Servidor desatualizado!"
    // Pictures and labels on the background.
    QLabel *imgAcessoRemoto;  // starts the remote-access tool
    QLabel *lblAcessoRemoto;  // "Suporte" / "remoto"
    QLabel *imgSite;          // opens the maker's site
    QLabel *lblSite;          // the maker's site
    QLabel *lblChat;          // "Chat"
    QLabel *imgChat;          // no unread message
    QLabel *imgChatNovas;     // unread messages
    QLabel *lblCentralUH;     // "Central de UHs"
    QLabel *imgCompromissos;  // "Existem Compromissos para Hoje"
    QLabel *imgAvisos;        // "Avisos"
    TPainelSuporte *pnlSuporte;
    TPainelNoticias *pnlNoticias;
    // The download's progress panel.
    QFrame *pnlProgresso;
    QProgressBar *Gauge1;
    QLabel *lblStatusFtp;     // "Status"
    QLabel *lblTaxaFtp;       // "."

    QPixmap imgLogo;     // company logo of the reports

    // The status-bar panel i (0 date, 1 time, 2 company, 3 user, 4 version,
    // 5 empty, 6 schema version).
    QLabel *painel(int i) const;

    // Connects a ribbon command by its handler's name and enables its button
    // (rights permitting). An unknown name raises ErroSistema.
    void registrarComando(const QString &nomeHandler, std::function<void()> acao) override;
    // Runs a registered command from code (the cash-register screen runs
    // "dxBarLargeButton27Click", the backup); false when none is registered.
    bool executarComando(const QString &nomeHandler);
    // Opens the stays' consumption screen on a restaurant terminal ("RESTA");
    // set by the stays subsystem.
    std::function<void()> abrirConsumoRestaurante;
    // Work of the one-second and one-minute timers added by other subsystems.
    void adicionarTarefaTimer1(std::function<void()> tarefa) override;
    void adicionarTarefaTimer2(std::function<void()> tarefa) override;
    void adicionarTarefaDoDia(std::function<void()> tarefa) override;
    // Sets one of the openers below.
    void definirAbertura(Abertura qual, std::function<void()> acao) override;
    // The chat picture of the window: the new-message one while there are
    // unread messages for this user, the plain one otherwise.
    void mostrarIconeChat(bool novas);
    bool iconeChatNovas() const { return m_iconeChatNovas; }
    // Fills the alerts tree below its header (set by the alerts subsystem).
    std::function<void(QTreeWidget *)> preencherAlertas;
    // Screens of other subsystems opened from the background and the ribbon;
    // while one is not set its control does nothing (and is disabled).
    std::function<void()> abrirChat;           // closes the new-message notice, opens the chat
    std::function<void()> abrirCentralUH;      // the room map
    std::function<void()> abrirRotinasFiscais; // fiscal routines (UTILIZA_FISCAL not "S")
    // Enables the background's controls whose screens are set.
    void atualizarFundo();

    // Commands of the background.
    void AcessoRemotoClick();
    void SiteClick();
    void ChatClick();
    void CentralUHClick();
    void NoticiasClick();
    // "Suporte" of the ribbon: the support panel.
    void mostrarSuporte();
    // The ribbon's progress gauge (see Principal::ProgressoExportacao).
    void progressoMostrar(int maximo);
    void progressoMaximo(int maximo);
    void progressoAvancar(int passos);
    void progressoEsconder();

    // The show sequence: login, settings, status bar, cash-register gate, room
    // states. False when the program ends in it.
    bool iniciarSessao();
    // Applies the session's rights (and the ZENTROCONTROLE setting) to the ribbon.
    void CarregaPermissoes();
    // The settings record opened; false when the program ends.
    bool tParametrosAfterOpen();
    // Company, header picture, status bar and logo from the settings record.
    void aplicarParametros();
    // One mouse move over the background.
    void Image1MouseMove();
    // Puts the pointer on the control, records the day's check and empties the
    // alerts; on the background this runs the cash-register gate at once.
    void ControleMouse(QWidget *controle);
    void AtualizarAlertas(bool clicou);
    // The close question; true when the window may close.
    bool FormClose();
    // Ends the program without the question (failed login, old schema).
    void encerrarPrograma();
    bool encerrado() const { return m_encerrando; }
    bool logado() const { return m_logado; }
    int Abriu() const { return m_portao.Abriu; }

public slots:
    void Timer1Timer();
    void Timer2Timer();

protected:
    void showEvent(QShowEvent *e) override;
    void closeEvent(QCloseEvent *e) override;
    bool event(QEvent *e) override;
    bool eventFilter(QObject *o, QEvent *e) override;

private:
    void montarBarraStatus();
    void registrarTarefasDoDia();
    void mostrarAlertas();
    void montarBandeja();
    void registrarComandosProprios();
    void montarFundo();
    void posicionarPaineis();

    QList<QLabel *> m_paineis;
    Principal::PortaoCaixa m_portao;
    QList<std::function<void()>> m_tarefasTimer1;
    QList<std::function<void()>> m_tarefasTimer2;
    Diarias::Controle m_postagem;
    bool m_noTimer1 = false;
    bool Alertas = false;
    bool m_iconeChatNovas = false;
    bool m_exibida = false;
    bool m_logado = false;
    bool m_encerrando = false;
    bool m_noPortao = false;
    bool m_telaPrincipalGravada = false;
    QPoint m_posicaoColocada{-1, -1};
    std::unique_ptr<Janela::Servico> m_servico; // installed while the window lives
    int m_ouvinteParametros = 0;
};

// The one main window of this process (null when there is none, as in tests
// of single screens).
extern TFrmQuintara *FrmQuintara;

