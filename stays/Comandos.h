#pragma once
// The main window's commands (ribbon buttons, hub entries) that open the
// screens of guest stays.
class RegistroComandos;

namespace Estadias {
void registrarComandos(RegistroComandos &principal);
}
