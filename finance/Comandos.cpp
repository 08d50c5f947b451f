#include "finance/Comandos.h"
#include "core/UnitQuintara.h"
#include "finance/UnitCaixa.h"

namespace Financas {

void registrarComandos(TFrmQuintara &principal)
{
    principal.registrarComando(QStringLiteral("dxBarLargeButton12Click"), [] { abrirCaixa(); });
}

} // namespace Financas
