#include "finance/Comandos.h"
#include "base/Telas.h"
#include "base/Comandos.h"
#include "finance/UnitCaixa.h"
#include "finance/UnitCheques.h"
#include "finance/UnitDespesasAvulsas.h"
#include "finance/UnitNotas.h"
#include "finance/UnitRetiraDinheiro.h"
#include "rooms/UnitUH.h"
#include "stays/UnitWalkIn.h"

namespace Financas {

void registrarComandos(RegistroComandos &principal)
{
    principal.registrarComando(QStringLiteral("dxBarLargeButton12Click"), [] { abrirCaixa(); });
    principal.registrarComando(QStringLiteral("dxBarLargeButton14Click"), [] { abrirCheques(); });
    TFrmRetiraDinheiro::abrirNotas = [] { Telas::abrir<TFrmNotas>(FrmNotas, FrmRetiraDinheiro); };
    registrarGanchosDespesasAvulsas();
}

void registrarGanchosDespesasAvulsas()
{
    // The room map's and the stay list's "Despesas Avulsas".
    MapaUH::ganchos().despesasAvulsas = [] { abrirDespesasAvulsas(); };
    ListaEstadias::despesasAvulsas = [] { abrirDespesasAvulsas(); };
}

} // namespace Financas
