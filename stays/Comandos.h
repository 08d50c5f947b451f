#pragma once
// The main window's commands (ribbon buttons, hub entries) that open the
// screens of guest stays.
class RegistroComandos;

namespace Estadias {
void registrarComandos(RegistroComandos &principal);
// What finance's screens open of the stays, and what the stay list opens of
// finance (part of registrarComandos).
void registrarGanchosFinancas();
}
