#include "rooms/Comandos.h"
#include "base/Telas.h"
#include "core/UnitQuintara.h"
#include "rooms/UnitCadReservas.h"
#include "rooms/UnitCadUH.h"
#include "rooms/UnitCaracUH.h"
#include "rooms/UnitReservas.h"
#include "rooms/UnitTiposUH.h"
#include "rooms/UnitUH.h"

namespace Quartos {

void registrarComandos(TFrmQuintara &principal)
{
    principal.registrarComando(QStringLiteral("btnCaracUHClick"), [] { abrirCaracUH(); });
    principal.registrarComando(QStringLiteral("btnTiposUHClick"), [] { abrirTiposUH(); });
    // The room edit screen from the room map (its mode and current room); the
    // type list from the reservation form.
    MapaUH::ganchos().cadastroUH = [] { abrirCadUHDoMapa(); };
    CadReservas::abrirTiposUH = [] { abrirTiposUH(); };
    // The room map: ribbon "Central de UH's" and the window's background.
    principal.abrirCentralUH = [] { abrirCentralUH(); };
    principal.registrarComando(QStringLiteral("btnCentralUHClick"), [] { abrirCentralUH(); });
    principal.registrarComando(QStringLiteral("btnReservasClick"), [] { Telas::abrir<TFrmReservas>(FrmReservas); });

    // Screens the room map and the reservation form open.
    MapaUH::Ganchos &mapa = MapaUH::ganchos();
    mapa.novaReserva = [] { Reservas::efetuarReserva(); };
    mapa.listaReservas = [] { Telas::abrir<TFrmReservas>(FrmReservas); };
}

} // namespace Quartos
