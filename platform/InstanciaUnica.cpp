#include "platform/InstanciaUnica.h"

#include <QDir>
#include <QLockFile>
#include <QStandardPaths>

#include <unistd.h>

namespace {
QString pastaDaSessao()
{
    const QString runtime = QString::fromLocal8Bit(qgetenv("XDG_RUNTIME_DIR"));
    if (!runtime.isEmpty() && QDir(runtime).exists())
        return runtime;
    const QString pasta = QDir::tempPath() + QStringLiteral("/zentro-vedez-%1").arg(getuid());
    QDir().mkpath(pasta);
    return pasta;
}
} // namespace

InstanciaUnica::InstanciaUnica(const QString &nome, const QString &pasta)
    : m_arquivo((pasta.isEmpty() ? pastaDaSessao() : pasta) + QLatin1Char('/') + nome + QStringLiteral(".lock"))
    , m_trava(std::make_unique<QLockFile>(m_arquivo))
{
    // A lock whose process is gone is taken over at once.
    m_trava->setStaleLockTime(0);
}

InstanciaUnica::~InstanciaUnica() { liberar(); }

bool InstanciaUnica::tomar()
{
    if (m_tomada)
        return true;
    m_tomada = m_trava->tryLock(0);
    return m_tomada;
}

void InstanciaUnica::liberar()
{
    if (m_tomada)
        m_trava->unlock();
    m_tomada = false;
}
