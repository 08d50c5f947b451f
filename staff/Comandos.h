#pragma once
// The main window's commands (ribbon buttons, hub entries) that open the
// screens of the staff: employees and their report, the time-clock book and
// its report.
class RegistroComandos;

namespace Pessoal {
void registrarComandos(RegistroComandos &principal);
}
