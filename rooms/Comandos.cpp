#include "rooms/Comandos.h"
#include "base/Telas.h"
#include "base/Comandos.h"
#include "base/Janela.h"
#include "rooms/UnitCadReservas.h"
#include "rooms/UnitGrafOcupacao.h"
#include "rooms/UnitHospedes.h"
#include "rooms/UnitRelReservas.h"
#include "rooms/UnitRelUH.h"
#include "rooms/UnitCadUH.h"
#include "rooms/UnitCaracUH.h"
#include "rooms/UnitReservas.h"
#include "rooms/UnitTiposUH.h"
#include "rooms/UnitUH.h"
#include "rooms/UnitClientes.h"
#include "rooms/UnitAniversariantes.h"
#include "rooms/UnitRelAniversariantes.h"
#include "rooms/UnitRelClientes.h"

namespace Quartos {

void registrarComandos(RegistroComandos &principal)
{
    principal.registrarComando(QStringLiteral("btnCaracUHClick"), [] { abrirCaracUH(); });
    principal.registrarComando(QStringLiteral("btnTiposUHClick"), [] { abrirTiposUH(); });
    // The room edit screen from the room map (its mode and current room); the
    // type list from the reservation form.
    MapaUH::ganchos().cadastroUH = [] { abrirCadUHDoMapa(); };
    CadReservas::abrirTiposUH = [] { abrirTiposUH(); };
    // The room map: ribbon "Central de UH's" and the window's background.
    principal.definirAbertura(RegistroComandos::Abertura::CentralUH, [] { abrirCentralUH(); });
    principal.registrarComando(QStringLiteral("btnCentralUHClick"), [] { abrirCentralUH(); });
    principal.registrarComando(QStringLiteral("btnReservasClick"), [] { Telas::abrir<TFrmReservas>(FrmReservas); });

    // Screens the room map and the reservation form open.
    MapaUH::Ganchos &mapa = MapaUH::ganchos();
    mapa.novaReserva = [] { Reservas::efetuarReserva(); };
    mapa.listaReservas = [] { Telas::abrir<TFrmReservas>(FrmReservas); };

    // Customers: the list (closing it refreshes the alerts).
    principal.registrarComando(QStringLiteral("btnClientesClick"), [] {
        abrirClientes();
        Janela::atualizarAlertas(false);
    });
    // The room map's check-in picks its customer in the list (express mode is
    // set by the map); the reservation form opens the list as it is.
    mapa.escolherCliente = [] { Telas::abrir<TFrmClientes>(FrmClientes); };
    CadReservas::abrirClientes = [] { abrirClientes(); };
    principal.registrarComando(QStringLiteral("btnRelClientesClick"), [] { abrirRelClientes(); });
    principal.registrarComando(QStringLiteral("btnRelAniversariantesClick"), [] { abrirRelAniversariantes(); });
    // Guests, the room and reservation reports and the occupancy chart.
    principal.registrarComando(QStringLiteral("btnHospedesClick"), [] { abrirHospedes(); });
    principal.registrarComando(QStringLiteral("btnRelUHClick"), [] { abrirRelUH(); });
    principal.registrarComando(QStringLiteral("btnRelReservasClick"), [] { abrirRelReservas(); });
    principal.registrarComando(QStringLiteral("btnGrafOcupacaoClick"), [] { abrirGrafOcupacao(); });
    principal.registrarComando(QStringLiteral("btnAniversariantesClick"), [] { abrirAniversariantes(); });
}

} // namespace Quartos
