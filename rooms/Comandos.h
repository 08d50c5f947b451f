#pragma once
// The main window's commands (ribbon buttons, hub entries) that open the
// screens of rooms, reservations and customers.
class TFrmQuintara;

namespace Quartos {
void registrarComandos(TFrmQuintara &principal);
}
