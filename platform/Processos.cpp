#include "platform/Processos.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QUrl>

#include <csignal>
#include <sys/types.h>
#include <unistd.h>

bool ProcessosLinux::iniciar(const QString &programa, const QStringList &argumentos, const QString &pastaTrabalho)
{
    if (programa.isEmpty())
        return false;
    return QProcess::startDetached(programa, argumentos, pastaTrabalho);
}

int ProcessosLinux::executarEAguardar(const QString &programa, const QStringList &argumentos,
                                      const QString &pastaTrabalho)
{
    QProcess p;
    if (!pastaTrabalho.isEmpty())
        p.setWorkingDirectory(pastaTrabalho);
    p.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    p.setStandardOutputFile(QProcess::nullDevice());
    p.start(programa, argumentos);
    if (!p.waitForStarted(-1))
        return -1;
    p.waitForFinished(-1);
    if (p.exitStatus() != QProcess::NormalExit)
        return -1;
    return p.exitCode();
}

bool ProcessosLinux::encerrarProcesso(const QString &nome)
{
    if (nome.isEmpty())
        return true;
    const QString alvo = QDir::fromNativeSeparators(nome);
    const bool caminhoCompleto = alvo.contains(QLatin1Char('/'));
    const uid_t eu = getuid();
    const qint64 esteProcesso = QCoreApplication::applicationPid();
    bool ultimo = true;
    const QDir proc(QStringLiteral("/proc"));
    const QStringList entradas = proc.entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    for (const QString &e : entradas) {
        bool numero = false;
        const qint64 pid = e.toLongLong(&numero);
        if (!numero || pid == esteProcesso)
            continue;
        // Only processes of this user: the folder of a process belongs to its user.
        if (QFileInfo(QStringLiteral("/proc/%1").arg(e)).ownerId() != eu)
            continue;
        QString caminho = QFileInfo(QStringLiteral("/proc/%1/exe").arg(e)).symLinkTarget();
        if (caminho.isEmpty())
            continue;
        caminho.remove(QStringLiteral(" (deleted)"));
        const QString comparado = caminhoCompleto ? caminho : QFileInfo(caminho).fileName();
        if (comparado.compare(alvo, Qt::CaseInsensitive) != 0)
            continue;
        ultimo = ::kill(pid_t(pid), SIGTERM) == 0;
    }
    return ultimo;
}

bool ProcessosLinux::abrirDocumento(const QString &caminhoOuEndereco)
{
    const QUrl url = caminhoOuEndereco.contains(QStringLiteral("://"))
        ? QUrl(caminhoOuEndereco)
        : QUrl::fromLocalFile(caminhoOuEndereco);
    return QDesktopServices::openUrl(url);
}

namespace Plataforma {
namespace {
Processos *&atual()
{
    static Processos *p = nullptr;
    return p;
}
} // namespace

Processos &processos()
{
    static ProcessosLinux padrao;
    return atual() ? *atual() : padrao;
}

void definirProcessos(Processos *p) { atual() = p; }
} // namespace Plataforma

bool EncerrarProcesso(const QString &nome) { return Plataforma::processos().encerrarProcesso(nome); }

int ExecutarEAguardar(const QString &programa, const QStringList &argumentos, const QString &pastaTrabalho)
{
    return Plataforma::processos().executarEAguardar(programa, argumentos, pastaTrabalho);
}
