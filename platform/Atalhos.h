#pragma once
// Start-menu shortcuts as desktop entries: <menu folder>/<subpasta>/<nome>.desktop
// under the user's applications folder ($XDG_DATA_HOME/applications, by
// default ~/.local/share/applications); the programs started with the session
// go to the autostart folder ($XDG_CONFIG_HOME/autostart).
#include <QString>
#include <QStringList>

namespace Atalhos {

QString pastaProgramas();
QString pastaInicializacao();
// Other folders in place of the two above (tests); empty gives the defaults back.
void definirPastas(const QString &programas, const QString &inicializacao);

// Writes the desktop entry of `alvo` into `pasta` (created when missing).
// Returns the file written, or an empty text when it could not be written.
QString gravarAtalho(const QString &pasta, const QString &alvo, const QStringList &argumentos,
                     const QString &pastaTrabalho, const QString &nome);

} // namespace Atalhos

// A shortcut to `alvo` named `nomeAtalho` in the subfolder `subpasta` of the
// start menu. Returns the file written, or empty on failure.
QString CriarAtalho(const QString &alvo, const QStringList &argumentos, const QString &pastaTrabalho,
                    const QString &subpasta, const QString &nomeAtalho);
// The same in the folder of the programs started with the session.
QString CriarAtalhoInicializacao(const QString &alvo, const QStringList &argumentos, const QString &pastaTrabalho,
                                 const QString &nomeAtalho);
