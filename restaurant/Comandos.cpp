#include "restaurant/Comandos.h"
#include "core/UnitQuintara.h"

namespace Restaurante {

void registrarComandos(TFrmQuintara &principal)
{
    (void)principal;
}

} // namespace Restaurante
