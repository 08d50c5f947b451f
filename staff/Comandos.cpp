#include "staff/Comandos.h"
#include "base/Comandos.h"
#include "rooms/UnitCentralCadastros.h"
#include "staff/UnitFuncionarios.h"
#include "staff/UnitRelFuncionarios.h"

namespace Pessoal {

void registrarComandos(RegistroComandos &principal)
{
    principal.registrarComando(QStringLiteral("dxBarLargeButton4Click"), [] { abrirFuncionarios(); });
    principal.registrarComando(QStringLiteral("dxBarButton6Click"), [] { abrirRelFuncionarios(); });
    CentralCadastros::ganchos().funcionarios = [] { abrirFuncionarios(); };
}

} // namespace Pessoal
