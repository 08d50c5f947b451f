#include "rooms/Comandos.h"
#include "core/UnitQuintara.h"

namespace Quartos {

void registrarComandos(TFrmQuintara &principal)
{
    (void)principal;
}

} // namespace Quartos
