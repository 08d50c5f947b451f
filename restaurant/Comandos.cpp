#include "restaurant/Comandos.h"
#include "core/UnitQuintara.h"
#include "restaurant/UnitPDV.h"
#include "restaurant/UnitProdutosServicos.h"

namespace Restaurante {

void registrarComandos(TFrmQuintara &principal)
{
    principal.registrarComando(QStringLiteral("btnPDVClick"), [] { abrirPDV(); });
    principal.registrarComando(QStringLiteral("btnProdutosServicosClick"), [] { abrirProdutosServicos(); });
}

} // namespace Restaurante
