#include "base/Caminhos.h"

#include <QCoreApplication>
#include <QDir>
#include <QRegularExpression>

namespace Caminhos {
namespace {
QString &pasta()
{
    static QString p;
    return p;
}
QString &raiz()
{
    static QString r;
    return r;
}
QString juntar(const QString &base, QString relativo)
{
    relativo.replace(QLatin1Char('\\'), QLatin1Char('/'));
    while (relativo.startsWith(QLatin1Char('/')))
        relativo.remove(0, 1);
    if (relativo.isEmpty())
        return QDir::cleanPath(base);
    return QDir::cleanPath(base + QLatin1Char('/') + relativo);
}
} // namespace

QString pastaInstalacao()
{
    if (pasta().isEmpty()) {
        if (QCoreApplication::instance())
            return QCoreApplication::applicationDirPath();
        return QDir::currentPath();
    }
    return pasta();
}

void definirPastaInstalacao(const QString &p) { pasta() = p; }

QString raizExterna()
{
    if (!raiz().isEmpty())
        return raiz();
    const QByteArray env = qgetenv("ZV_RAIZ_C");
    return env.isEmpty() ? QStringLiteral("/opt/zentro/C") : QString::fromLocal8Bit(env);
}

void definirRaizExterna(const QString &r) { raiz() = r; }

QString naInstalacao(const QString &relativo) { return juntar(pastaInstalacao(), relativo); }

QString mapearWindows(const QString &caminhoWindows)
{
    static const QRegularExpression drive(QStringLiteral("^[A-Za-z]:[\\\\/]"));
    if (!drive.match(caminhoWindows).hasMatch())
        return caminhoWindows;
    QString resto = caminhoWindows.mid(3);
    resto.replace(QLatin1Char('\\'), QLatin1Char('/'));
    static const QRegularExpression quintara(QStringLiteral("^quintara(/|$)"),
                                             QRegularExpression::CaseInsensitiveOption);
    const auto m = quintara.match(resto);
    if (m.hasMatch())
        return juntar(pastaInstalacao(), resto.mid(m.capturedLength()));
    return juntar(raizExterna(), resto);
}

} // namespace Caminhos
