#pragma once
// Folders of the installation. The installation folder is the folder of the
// executable (a test or a second installation can point elsewhere). The
// fixed Windows folder "C:\Quintara\" is that folder; other fixed Windows
// paths of the companion programs are mapped under one configurable root.
#include <QString>

namespace Caminhos {

QString pastaInstalacao();
void definirPastaInstalacao(const QString &pasta);

// Root under which "C:\Zentro\...", "C:\Tevra\..." and other fixed drive
// paths live on this workstation. Default: the ZV_RAIZ_C environment
// variable, else /opt/zentro/C.
QString raizExterna();
void definirRaizExterna(const QString &raiz);

// A path relative to the installation folder, with "\" or "/" separators
// ("img\cli" -> <instalação>/img/cli).
QString naInstalacao(const QString &relativo);

// Maps a Windows path of the system to this workstation: "C:\Quintara\x"
// goes into the installation folder, any other "X:\..." under raizExterna();
// a path that is not a Windows drive path is returned unchanged.
QString mapearWindows(const QString &caminhoWindows);

} // namespace Caminhos
