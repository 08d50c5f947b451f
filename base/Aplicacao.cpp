#include "base/Aplicacao.h"
#include "base/Erros.h"
#include "base/Mensagem.h"

#include "base/Sessao.h"
#include "base/UnitDM.h"
#include "base/UnitLog.h"

#include <QSocketNotifier>
#include <exception>
#include <csignal>
#include <fcntl.h>
#include <sys/socket.h>
#include <unistd.h>

TAplicacao::TAplicacao(int &argc, char **argv)
    : QApplication(argc, argv)
{
    setApplicationName(QStringLiteral("Zentro Vedez 4"));
    setApplicationDisplayName(QStringLiteral("Zentro Vedez 4"));
}

bool TAplicacao::notify(QObject *receptor, QEvent *evento)
{
    try {
        return QApplication::notify(receptor, evento);
    } catch (...) {
        mostrarErro(std::current_exception());
    }
    return false;
}

void TAplicacao::mostrarErro(const std::exception_ptr &erro)
{
    try {
        std::rethrow_exception(erro);
    } catch (const ErroBanco &e) {
        Mensagem::erro(textoParaUsuario(e));
    } catch (const ErroSistema &e) {
        Mensagem::erro(e.texto());
    } catch (const std::exception &e) {
        Mensagem::erro(QString::fromUtf8(e.what()));
    } catch (...) {
        Mensagem::erro(QStringLiteral("Erro inesperado."));
    }
}

// ---------------------------------------------------------------- signals

namespace {
int g_par[2] = {-1, -1};
struct sigaction g_anteriorTerm, g_anteriorInt;
bool g_instalado = false;
QSocketNotifier *g_aviso = nullptr;
std::function<void(int)> g_aoEncerrar;

void aoSinal(int sinal)
{
    // Only async-signal-safe work here: the main thread does the rest.
    const char c = char(sinal);
    [[maybe_unused]] const auto n = ::write(g_par[0], &c, 1);
}
} // namespace

bool TAplicacao::tratarSinaisDeEncerramento(std::function<void(int)> aoEncerrar)
{
    restaurarSinais();
    if (::socketpair(AF_UNIX, SOCK_STREAM, 0, g_par) != 0)
        return false;
    for (int fd : g_par)
        ::fcntl(fd, F_SETFD, FD_CLOEXEC);
    ::fcntl(g_par[0], F_SETFL, O_NONBLOCK);
    g_aoEncerrar = std::move(aoEncerrar);
    g_aviso = new QSocketNotifier(g_par[1], QSocketNotifier::Read);
    QObject::connect(g_aviso, &QSocketNotifier::activated, [] {
        char c = 0;
        if (::read(g_par[1], &c, 1) != 1)
            return;
        if (g_aoEncerrar)
            g_aoEncerrar(int(c));
    });
    struct sigaction sa {};
    sa.sa_handler = aoSinal;
    sigemptyset(&sa.sa_mask);
    sa.sa_flags = SA_RESTART;
    ::sigaction(SIGTERM, &sa, &g_anteriorTerm);
    ::sigaction(SIGINT, &sa, &g_anteriorInt);
    g_instalado = true;
    return true;
}

void TAplicacao::restaurarSinais()
{
    if (!g_instalado)
        return;
    ::sigaction(SIGTERM, &g_anteriorTerm, nullptr);
    ::sigaction(SIGINT, &g_anteriorInt, nullptr);
    delete g_aviso;
    g_aviso = nullptr;
    for (int &fd : g_par) {
        ::close(fd);
        fd = -1;
    }
    g_aoEncerrar = nullptr;
    g_instalado = false;
}

void encerrarPorSinal(int sinal)
{
    Q_UNUSED(sinal);
    static bool encerrando = false;
    if (encerrando)
        return;
    encerrando = true;
    registrarSaidaPorSinal();
    QCoreApplication::exit(0);
}

void registrarSaidaPorSinal()
{
    if (DM && !Sessao::atual().login.isEmpty()) {
        try {
            DM->Conexao.emTransacao([] {
                RemoverPresenca();
                RegistrarLog(QStringLiteral("Saiu do Sistema"));
            });
        } catch (const ErroSistema &e) {
            qWarning("Saída não registrada: %s", qPrintable(e.texto()));
        }
    }
}
