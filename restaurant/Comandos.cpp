#include "restaurant/Comandos.h"
#include "base/Comandos.h"
#include "restaurant/UnitMesas.h"
#include "restaurant/UnitPDV.h"
#include "restaurant/UnitProdutosServicos.h"

namespace Restaurante {

void registrarComandos(RegistroComandos &principal)
{
    principal.registrarComando(QStringLiteral("btnPDVClick"), [] { abrirPDV(); });
    principal.registrarComando(QStringLiteral("btnProdutosServicosClick"), [] { abrirProdutosServicos(); });
    principal.registrarComando(QStringLiteral("dxBarLargeButton45Click"), [] { abrirMesas(); });
}

} // namespace Restaurante
