#pragma once
// Integration and maintenance: the ribbon's exports to the companion
// programs, the ninth-digit update and the support console.
class RegistroComandos;

namespace Integracao {
void registrarComandos(RegistroComandos &principal);
} // namespace Integracao
