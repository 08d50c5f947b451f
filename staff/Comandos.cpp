#include "staff/Comandos.h"
#include "base/Comandos.h"
#include "rooms/UnitCentralCadastros.h"
#include "staff/UnitFuncionarios.h"
#include "staff/UnitPonto.h"
#include "staff/UnitRelPonto.h"
#include "staff/UnitRelFuncionarios.h"

namespace Pessoal {

void registrarComandos(RegistroComandos &principal)
{
    principal.registrarComando(QStringLiteral("dxBarLargeButton4Click"), [] { abrirFuncionarios(); });
    principal.registrarComando(QStringLiteral("dxBarButton6Click"), [] { abrirRelFuncionarios(); });
    CentralCadastros::ganchos().funcionarios = [] { abrirFuncionarios(); };

    // time clock: the book (the only way into the punch screen) and its report
    principal.registrarComando(QStringLiteral("dxBarLargeButton1Click"), [] { abrirLivroPonto(); });
    principal.registrarComando(QStringLiteral("dxBarButton9Click"), [] { abrirRelPonto(); });
}

} // namespace Pessoal
