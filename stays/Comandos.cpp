#include "stays/Comandos.h"
#include "core/UnitQuintara.h"

namespace Estadias {

void registrarComandos(TFrmQuintara &principal)
{
    (void)principal;
}

} // namespace Estadias
