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
#include "stays/UnitRelExtratoConta.h"
#include "stays/UnitWalkIn.h"

namespace Financas {

void registrarComandos(RegistroComandos &principal)
{
    principal.registrarComando(QStringLiteral("dxBarLargeButton12Click"), [] { abrirCaixa(); });
    principal.registrarComando(QStringLiteral("dxBarLargeButton14Click"), [] { abrirCheques(); });
    TFrmRetiraDinheiro::abrirNotas = [] { Telas::abrir<TFrmNotas>(FrmNotas, FrmRetiraDinheiro); };
    registrarGanchosDespesasAvulsas();
    registrarGanchosMovimento();
    principal.registrarComando(QStringLiteral("btnMovimentoFinanceiroClick"), [] { abrirMovimentoFinanceiro(); });
    principal.registrarComando(QStringLiteral("btnRelMovFinanceiroClick"), [] { abrirRelMovFinanceiro(); });
    principal.registrarComando(QStringLiteral("btnGrafFinanceiroClick"), [] { abrirGrafFinanceiro(); });
    principal.registrarComando(QStringLiteral("btnRelOsMaisMaisClick"), [] { abrirRelOsMaisMais(); });
}

void registrarGanchosMovimento()
{
    // A closed stay's statement on the preview, as the statement screen prints it hidden.
    TFrmMovimentoFinanceiro::extratoConta = [](qint64 idEntrada) { ExtratoConta::imprimirOculto(idEntrada, false); };
}

void registrarGanchosDespesasAvulsas()
{
    // The room map's and the stay list's "Despesas Avulsas".
    MapaUH::ganchos().despesasAvulsas = [] { abrirDespesasAvulsas(); };
    ListaEstadias::despesasAvulsas = [] { abrirDespesasAvulsas(); };
}

} // namespace Financas
