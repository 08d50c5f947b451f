#include "restaurant/Comandos.h"
#include "base/Comandos.h"
#include "restaurant/AberturaRotinasFiscais.h"
#include "restaurant/UnitMesas.h"
#include "restaurant/UnitPDV.h"
#include "restaurant/UnitProdutosServicos.h"
#include "stays/EntregaFiscal.h"

namespace Restaurante {

void registrarComandos(RegistroComandos &principal)
{
    principal.registrarComando(QStringLiteral("btnPDVClick"), [] { abrirPDV(); });
    principal.registrarComando(QStringLiteral("btnProdutosServicosClick"), [] { abrirProdutosServicos(); });
    principal.registrarComando(QStringLiteral("dxBarLargeButton45Click"), [] { abrirMesas(); });
    // "Impressora Fiscal" without UTILIZA_FISCAL, and the statement's "Cupom Fiscal".
    principal.definirAbertura(RegistroComandos::Abertura::RotinasFiscais, [] { RotinasFiscais::abrir(); });
    EntregaFiscal::abrirRotinasFiscais = [](qint64 idEntrada) { RotinasFiscais::abrirHospedagem(idEntrada); };
}

} // namespace Restaurante
