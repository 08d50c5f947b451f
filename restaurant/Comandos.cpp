#include "restaurant/Comandos.h"
#include "base/Comandos.h"
#include "finance/DespesasAvulsas.h"
#include "restaurant/AberturaRotinasFiscais.h"
#include "restaurant/UnitConsumos.h"
#include "restaurant/UnitFornecedores.h"
#include "restaurant/UnitItens.h"
#include "restaurant/UnitNotasFiscais.h"
#include "restaurant/UnitRelNF.h"
#include "restaurant/UnitRelItensEstoque.h"
#include "restaurant/UnitRelProdutosServicos.h"
#include "restaurant/UnitRelFornecedores.h"
#include "restaurant/UnitMesas.h"
#include "rooms/UnitCentralCadastros.h"
#include "restaurant/UnitPDV.h"
#include "restaurant/UnitProdutosServicos.h"
#include "stays/EntregaFiscal.h"

namespace Restaurante {

void registrarComandos(RegistroComandos &principal)
{
    principal.registrarComando(QStringLiteral("btnPDVClick"), [] { abrirPDV(); });
    principal.registrarComando(QStringLiteral("btnProdutosServicosClick"), [] { abrirProdutosServicos(); });
    CentralCadastros::ganchos().pdv = [] { abrirPDV(); };
    CentralCadastros::ganchos().produtosServicos = [] { abrirProdutosServicos(); };
    principal.registrarComando(QStringLiteral("dxBarLargeButton45Click"), [] { abrirMesas(); });
    // The board's account items open the table account.
    ligarContaMesa();
    // Suppliers: the ribbon and the registry hub.
    principal.registrarComando(QStringLiteral("btnFornecedoresClick"), [] { abrirFornecedores(); });
    CentralCadastros::ganchos().fornecedores = [] { abrirFornecedores(); };
    principal.registrarComando(QStringLiteral("btnRelFornecedoresClick"), [] { abrirRelFornecedores(); });
    // Stock items: the ribbon and the registry hub.
    principal.registrarComando(QStringLiteral("btnItensClick"), [] { abrirItens(); });
    CentralCadastros::ganchos().itens = [] { abrirItens(); };
    principal.registrarComando(QStringLiteral("btnRelProdutosServicosClick"), [] { abrirRelProdutosServicos(); });
    principal.registrarComando(QStringLiteral("btnRelItensEstoqueClick"), [] { abrirRelItensEstoque(); });
    // Invoices: the register and its report.
    principal.registrarComando(QStringLiteral("btnNotasFiscaisClick"), [] { abrirNotasFiscais(); });
    principal.registrarComando(QStringLiteral("btnRelNFClick"), [] { abrirRelNF(); });
    // "Impressora Fiscal" without UTILIZA_FISCAL, and the statement's "Cupom Fiscal".
    principal.definirAbertura(RegistroComandos::Abertura::RotinasFiscais, [] { RotinasFiscais::abrir(); });
    EntregaFiscal::abrirRotinasFiscais = [](qint64 idEntrada) { RotinasFiscais::abrirHospedagem(idEntrada); };
    // The counter sales' "Cupom Fiscal": the routines with the sale given.
    DespesasAvulsas::abrirCupomFiscal = [](DespesasAvulsas::Tipo tipo, qint64 id) {
        RotinasFiscais::abrirDespesaAvulsa(tipo == DespesasAvulsas::Tipo::Varias
                                               ? RotinasFiscais::TipoDespesaAvulsa::VariosItens
                                               : RotinasFiscais::TipoDespesaAvulsa::Individual,
                                           id);
    };
}

} // namespace Restaurante
