#pragma once
// The main window's commands (ribbon buttons, hub entries) that open the
// screens of the staff: employees and their report.
class RegistroComandos;

namespace Pessoal {
void registrarComandos(RegistroComandos &principal);
}
