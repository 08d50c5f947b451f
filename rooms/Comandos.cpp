#include "rooms/Comandos.h"
#include "core/UnitQuintara.h"
#include "rooms/UnitClientes.h"

namespace Quartos {

void registrarComandos(TFrmQuintara &principal)
{
    principal.registrarComando(QStringLiteral("btnClientesClick"), [&principal] {
        abrirClientes(&principal);
        principal.AtualizarAlertas(false);
    });
}

} // namespace Quartos
