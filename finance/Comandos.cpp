#include "finance/Comandos.h"
#include "base/Telas.h"
#include "base/Comandos.h"
#include "finance/UnitCaixa.h"
#include "finance/UnitCheques.h"
#include "finance/UnitDespesasAvulsas.h"
#include "finance/UnitGrafFinanceiro.h"
#include "finance/UnitMovimentoFinanceiro.h"
#include "finance/UnitNotas.h"
#include "finance/UnitRelMovFinanceiro.h"
#include "finance/UnitRelOsMaisMais.h"
#include "finance/UnitRetiraDinheiro.h"
#include "rooms/UnitUH.h"

namespace Financas {

void registrarComandos(RegistroComandos &principal)
{
    principal.registrarComando(QStringLiteral("dxBarLargeButton12Click"), [] { abrirCaixa(); });
    principal.registrarComando(QStringLiteral("dxBarLargeButton14Click"), [] { abrirCheques(); });
    TFrmRetiraDinheiro::abrirNotas = [] { Telas::abrir<TFrmNotas>(FrmNotas, FrmRetiraDinheiro); };
    registrarGanchosDespesasAvulsas();
    principal.registrarComando(QStringLiteral("btnMovimentoFinanceiroClick"), [] { abrirMovimentoFinanceiro(); });
    principal.registrarComando(QStringLiteral("btnRelMovFinanceiroClick"), [] { abrirRelMovFinanceiro(); });
    principal.registrarComando(QStringLiteral("btnGrafFinanceiroClick"), [] { abrirGrafFinanceiro(); });
    principal.registrarComando(QStringLiteral("btnRelOsMaisMaisClick"), [] { abrirRelOsMaisMais(); });
}

void registrarGanchosDespesasAvulsas()
{
    // The room map's "Despesas Avulsas".
    MapaUH::ganchos().despesasAvulsas = [] { abrirDespesasAvulsas(); };
}

} // namespace Financas
