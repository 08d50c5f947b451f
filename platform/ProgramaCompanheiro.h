#pragma once
// Starting the companion point of sale "Zentro PDV" ("C:\Zentro\Zentro PDV\ZentroPDV.exe",
// mapped under the external root on this workstation).
// A running copy is brought to the front when the desktop allows it, and
// never started twice; otherwise the program is started detached in its own
// folder with the logged user's key and password on its command line. The
// system waits for nothing and reads nothing back.
//
// The process handling is small and Linux-specific: running programs are found
// through /proc (the executable's link, or argv[0], or argv[1] for a script
// run by its interpreter), and a window is raised with wmctrl when installed.
#include <QList>
#include <QString>
#include <QStringList>

namespace ProgramaCompanheiro {

// Processes (ids) running the program given by its full path.
QList<qint64> emExecucao(const QString &programa);
// Starts the program detached in `pasta`; false when it could not start.
bool iniciar(const QString &programa, const QStringList &argumentos, const QString &pasta, qint64 *pid = nullptr);
// Raises a top-level window by title; false when the desktop offers no way.
bool trazerParaFrente(const QString &tituloJanela);

enum class Resultado { JaEmExecucao, Iniciado, NaoEncontrado, FalhaAoIniciar };

// The program file and its folder on this workstation.
QString caminhoZentroPDV();
QString pastaZentroPDV();
// The command line: the user's key and the password (Sessao::AuxUsu).
QStringList argumentosZentroPDV();

// Brings the running copy forward or starts it. A missing program file or a
// failure to start is reported to the user (and returned).
Resultado abrirZentroPDV(qint64 *pid = nullptr);

} // namespace ProgramaCompanheiro

// Ribbon entry that shows the companion point of sale.
void abrirZentroPDV();
