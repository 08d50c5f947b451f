#pragma once
// The main window's commands (ribbon buttons, hub entries) that open the
// screens of finance.
class RegistroComandos;

namespace Financas {
void registrarComandos(RegistroComandos &principal);
// The screens of finance that other subsystems' screens open (part of registrarComandos).
void registrarGanchosDespesasAvulsas();
// The closed stay's statement behind the movement's double-click (part of registrarComandos).
void registrarGanchosMovimento();
}
