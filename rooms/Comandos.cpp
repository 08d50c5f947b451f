#include "rooms/Comandos.h"
#include "core/UnitQuintara.h"
#include "rooms/UnitCaracUH.h"
#include "rooms/UnitTiposUH.h"

namespace Quartos {

void registrarComandos(TFrmQuintara &principal)
{
    principal.registrarComando(QStringLiteral("btnCaracUHClick"), [] { abrirCaracUH(); });
    principal.registrarComando(QStringLiteral("btnTiposUHClick"), [] { abrirTiposUH(); });
}

} // namespace Quartos
