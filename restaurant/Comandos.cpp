#include "restaurant/Comandos.h"
#include "base/Comandos.h"
#include "restaurant/UnitPDV.h"
#include "restaurant/UnitProdutosServicos.h"

namespace Restaurante {

void registrarComandos(RegistroComandos &principal)
{
    principal.registrarComando(QStringLiteral("btnPDVClick"), [] { abrirPDV(); });
    principal.registrarComando(QStringLiteral("btnProdutosServicosClick"), [] { abrirProdutosServicos(); });
}

} // namespace Restaurante
