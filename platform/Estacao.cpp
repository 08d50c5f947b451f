#include "platform/Estacao.h"
#include "platform/Processos.h"

#include <QHostAddress>
#include <QLocale>
#include <QNetworkInterface>
#include <QStandardPaths>

namespace Estacao {

QString formatoDataCurta() { return QLocale::system().dateFormat(QLocale::ShortFormat); }

bool abrirConfiguracaoRegional()
{
    // The regional settings of the desktops found on Debian workstations.
    const struct {
        const char *programa;
        const char *argumento;
    } ferramentas[] = {
        {"gnome-control-center", "region"},
        {"systemsettings", "kcm_regionandlang"},
        {"xfce4-settings-manager", nullptr},
        {"lxqt-config-locale", nullptr},
    };
    for (const auto &f : ferramentas) {
        const QString caminho = QStandardPaths::findExecutable(QString::fromLatin1(f.programa));
        if (caminho.isEmpty())
            continue;
        QStringList args;
        if (f.argumento)
            args << QString::fromLatin1(f.argumento);
        if (Plataforma::processos().iniciar(caminho, args))
            return true;
    }
    return false;
}

QString ipLocal()
{
    QString loopback;
    const auto interfaces = QNetworkInterface::allInterfaces();
    for (const QNetworkInterface &i : interfaces) {
        if (!(i.flags() & QNetworkInterface::IsUp))
            continue;
        for (const QNetworkAddressEntry &e : i.addressEntries()) {
            const QHostAddress a = e.ip();
            if (a.protocol() != QAbstractSocket::IPv4Protocol)
                continue;
            if (a.isLoopback()) {
                loopback = a.toString();
                continue;
            }
            return a.toString().left(15);
        }
    }
    return loopback.isEmpty() ? QStringLiteral("127.0.0.1") : loopback;
}

} // namespace Estacao
