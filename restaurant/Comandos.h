#pragma once
// The main window's commands (ribbon buttons, hub entries) that open the
// screens of restaurant, products, stock and fiscal data.
class RegistroComandos;

namespace Restaurante {
void registrarComandos(RegistroComandos &principal);
}
