#include "rooms/Comandos.h"
#include "base/Telas.h"
#include "core/UnitQuintara.h"
#include "rooms/UnitCaracUH.h"
#include "rooms/UnitTiposUH.h"
#include "rooms/UnitUH.h"
#include "rooms/UnitReservas.h"

namespace Quartos {

void registrarComandos(TFrmQuintara &principal)
{
    principal.registrarComando(QStringLiteral("btnCaracUHClick"), [] { abrirCaracUH(); });
    principal.registrarComando(QStringLiteral("btnTiposUHClick"), [] { abrirTiposUH(); });
    // The room map: ribbon "Central de UH's" and the window's background.
    principal.abrirCentralUH = [] { abrirCentralUH(); };
    principal.registrarComando(QStringLiteral("btnCentralUHClick"), [] { abrirCentralUH(); });
    principal.registrarComando(QStringLiteral("btnReservasClick"), [] { Telas::abrir<TFrmReservas>(FrmReservas); });
}

} // namespace Quartos
