#pragma once
// The main window's commands (ribbon buttons, hub entries) that open the
// screens of finance.
class RegistroComandos;

namespace Financas {
void registrarComandos(RegistroComandos &principal);
// The room map's "Despesas Avulsas" (part of registrarComandos); the stay
// list's is set by the stays.
void registrarGanchosDespesasAvulsas();
}
