#include "rooms/Comandos.h"
#include "core/UnitQuintara.h"
#include "rooms/UnitCaracUH.h"
#include "rooms/UnitTiposUH.h"
#include "rooms/UnitUH.h"

namespace Quartos {

void registrarComandos(TFrmQuintara &principal)
{
    principal.registrarComando(QStringLiteral("btnCaracUHClick"), [] { abrirCaracUH(); });
    principal.registrarComando(QStringLiteral("btnTiposUHClick"), [] { abrirTiposUH(); });
    // The room map: ribbon "Central de UH's" and the window's background.
    principal.abrirCentralUH = [] { abrirCentralUH(); };
    principal.registrarComando(QStringLiteral("btnCentralUHClick"), [] { abrirCentralUH(); });
}

} // namespace Quartos
