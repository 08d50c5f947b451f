#pragma once
// The main window's commands (ribbon buttons, hub entries) that open the
// screens of rooms, reservations and customers.
class RegistroComandos;

namespace Quartos {
void registrarComandos(RegistroComandos &principal);
}
