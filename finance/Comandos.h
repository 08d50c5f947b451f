#pragma once
// The main window's commands (ribbon buttons, hub entries) that open the
// screens of finance.
class TFrmQuintara;

namespace Financas {
void registrarComandos(TFrmQuintara &principal);
// The screens of finance that other subsystems' screens open (part of registrarComandos).
void registrarGanchosDespesasAvulsas();
}
