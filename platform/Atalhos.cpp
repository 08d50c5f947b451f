#include "platform/Atalhos.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>
#include <QStandardPaths>

namespace Atalhos {
namespace {
QString &programasDefinida()
{
    static QString p;
    return p;
}
QString &inicializacaoDefinida()
{
    static QString p;
    return p;
}

// Values of the Exec key: arguments with blanks or special characters are
// quoted and the characters the format reserves are escaped.
QString argumentoExec(const QString &a)
{
    static const QString especiais = QStringLiteral(" \t\n\"'\\><~|&;$*?#()`");
    bool precisaAspas = a.isEmpty();
    for (QChar c : a)
        if (especiais.contains(c))
            precisaAspas = true;
    QString r = a;
    r.replace(QLatin1Char('%'), QStringLiteral("%%"));
    if (!precisaAspas)
        return r;
    r.replace(QLatin1Char('\\'), QStringLiteral("\\\\"));
    r.replace(QLatin1Char('"'), QStringLiteral("\\\""));
    r.replace(QLatin1Char('`'), QStringLiteral("\\`"));
    r.replace(QLatin1Char('$'), QStringLiteral("\\$"));
    return QLatin1Char('"') + r + QLatin1Char('"');
}

// String values may not hold line breaks.
QString valorTexto(QString v)
{
    v.replace(QLatin1Char('\\'), QStringLiteral("\\\\"));
    v.replace(QLatin1Char('\n'), QStringLiteral("\\n"));
    return v;
}
} // namespace

QString pastaProgramas()
{
    if (!programasDefinida().isEmpty())
        return programasDefinida();
    return QStandardPaths::writableLocation(QStandardPaths::ApplicationsLocation);
}

QString pastaInicializacao()
{
    if (!inicializacaoDefinida().isEmpty())
        return inicializacaoDefinida();
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + QStringLiteral("/autostart");
}

void definirPastas(const QString &programas, const QString &inicializacao)
{
    programasDefinida() = programas;
    inicializacaoDefinida() = inicializacao;
}

QString gravarAtalho(const QString &pasta, const QString &alvo, const QStringList &argumentos,
                     const QString &pastaTrabalho, const QString &nome)
{
    if (pasta.isEmpty() || nome.isEmpty() || !QDir().mkpath(pasta))
        return {};
    QStringList exec{argumentoExec(QDir::cleanPath(alvo))};
    for (const QString &a : argumentos)
        exec.append(argumentoExec(a));
    QString texto = QStringLiteral("[Desktop Entry]\nType=Application\nVersion=1.0\n");
    texto += QStringLiteral("Name=%1\n").arg(valorTexto(nome));
    texto += QStringLiteral("Exec=%1\n").arg(exec.join(QLatin1Char(' ')));
    if (!pastaTrabalho.isEmpty())
        texto += QStringLiteral("Path=%1\n").arg(valorTexto(QDir::cleanPath(pastaTrabalho)));
    texto += QStringLiteral("Terminal=false\n");
    // A name made only of path separators would leave the folder.
    QString arquivo = nome;
    arquivo.replace(QLatin1Char('/'), QLatin1Char('-'));
    const QString caminho = pasta + QLatin1Char('/') + arquivo + QStringLiteral(".desktop");
    QSaveFile f(caminho);
    if (!f.open(QIODevice::WriteOnly))
        return {};
    f.write(texto.toUtf8());
    if (!f.commit())
        return {};
    QFile::setPermissions(caminho, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner | QFile::ReadGroup
                                       | QFile::ReadOther);
    return caminho;
}

} // namespace Atalhos

QString CriarAtalho(const QString &alvo, const QStringList &argumentos, const QString &pastaTrabalho,
                    const QString &subpasta, const QString &nomeAtalho)
{
    const QString base = Atalhos::pastaProgramas();
    if (base.isEmpty())
        return {};
    return Atalhos::gravarAtalho(subpasta.isEmpty() ? base : base + QLatin1Char('/') + subpasta, alvo, argumentos,
                                 pastaTrabalho, nomeAtalho);
}

QString CriarAtalhoInicializacao(const QString &alvo, const QStringList &argumentos, const QString &pastaTrabalho,
                                 const QString &nomeAtalho)
{
    return Atalhos::gravarAtalho(Atalhos::pastaInicializacao(), alvo, argumentos, pastaTrabalho, nomeAtalho);
}
