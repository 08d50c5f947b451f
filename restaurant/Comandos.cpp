#include "restaurant/Comandos.h"
#include "core/UnitQuintara.h"
#include "restaurant/UnitMesas.h"
#include "restaurant/UnitPDV.h"
#include "restaurant/UnitProdutosServicos.h"

namespace Restaurante {

void registrarComandos(TFrmQuintara &principal)
{
    principal.registrarComando(QStringLiteral("btnPDVClick"), [] { abrirPDV(); });
    principal.registrarComando(QStringLiteral("btnProdutosServicosClick"), [] { abrirProdutosServicos(); });
    principal.registrarComando(QStringLiteral("dxBarLargeButton45Click"), [] { abrirMesas(); });
    TFrmMesas::encerrarPrograma = [] {
        if (FrmQuintara)
            FrmQuintara->encerrarPrograma();
    };
}

} // namespace Restaurante
