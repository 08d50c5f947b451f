#include "rooms/Comandos.h"
#include "base/Telas.h"
#include "core/UnitQuintara.h"
#include "rooms/UnitReservas.h"

namespace Quartos {

void registrarComandos(TFrmQuintara &principal)
{
    principal.registrarComando(QStringLiteral("btnReservasClick"), [] { Telas::abrir<TFrmReservas>(FrmReservas); });
}

} // namespace Quartos
