#include "stays/Comandos.h"
#include "base/Telas.h"
#include "base/Comandos.h"
#include "base/Janela.h"
#include "rooms/Clientes.h"
#include "rooms/UnitCadReservas.h"
#include "rooms/UnitUH.h"
#include "finance/UnitDespesasAvulsas.h"
#include "finance/UnitMovimentoFinanceiro.h"
#include "finance/UnitNotas.h"
#include "stays/UnitCadWalkIn.h"
#include "stays/UnitFormaPag.h"
#include "stays/UnitRelCafe.h"
#include "stays/UnitRelExtratoConta.h"
#include "stays/UnitRelExtratoUH.h"
#include "stays/UnitRelVeiculos.h"
#include "stays/UnitRelWalkIn.h"
#include "stays/UnitVeiculos.h"
#include "stays/UnitWalkIn.h"

namespace Estadias {

void registrarComandos(RegistroComandos &principal)
{
    // Ribbon "Entrada de Hóspedes": the plain stay list.
    principal.registrarComando(QStringLiteral("btnWalkInClick"),
                               [] { ListaEstadias::abrir({QString(), QString(), 0, 0, true}); });
    // A restaurant terminal works on the consumption of open stays.
    principal.definirAbertura(RegistroComandos::Abertura::ConsumoRestaurante,
                              [] { ListaEstadias::abrir({QStringLiteral("Despesas"), QString(), 0, 0, true}); });
    ListaEstadias::fecharPrincipal = [] { Janela::fechar(); };

    MapaUH::Ganchos &mapa = MapaUH::ganchos();
    // "-- Realizar Entrada de Hóspede": the list only carries the new stay.
    mapa.entradaHospede = [](const MapaUH::EntradaExpressa &e) {
        ListaEstadias::abrir({QStringLiteral("I"), QString(), 0, 0, false}, [&e](TFrmWalkIn &lista) {
            CadWalkIn::Predefinicao p;
            p.idUH = e.idUH;
            p.idCliente = e.idCliente;
            p.idReserva = e.idReserva;
            p.pessoas = e.motel ? QStringLiteral("1") : QString();
            p.travarSelecoes = true;
            Telas::abrir<TFrmCadWalkIn>(FrmCadWalkIn, &lista, p);
        });
    };
    // The occupied room's stay: shown list (movements) or the stay form.
    mapa.estadia = [](const MapaUH::AcaoEstadia &a) {
        ListaEstadias::abrir({a.op, QStringLiteral("SIM"), a.idEntrada, 0, a.mostrarLista},
                             [](TFrmWalkIn &lista) { ListaEstadias::abrirFormulario(lista); });
    };
    // The reservation form's "Histórico do Cliente".
    CadReservas::abrirHistorico = [](qint64 cliente) { ListaEstadias::abrirHistorico(cliente); };
    Clientes::definirAberturaHistorico([](qint64 cliente) { ListaEstadias::abrirHistorico(cliente); });

    // Check-out: the stay form's "Fechar Conta (Walk-Out)" asks the question
    // and opens the payment screen.
    CadWalkIn::fecharConta = [](TFrmCadWalkIn &form) { FormaPag::fecharConta(form); };
    // --- Account statement: the ribbon, the stay form's statements, and the
    // hidden print of the room map and the bills screen.
    principal.registrarComando(QStringLiteral("btnRelExtratoContaClick"), [] { ExtratoConta::abrir(); });
    CadWalkIn::abrirExtrato = [](qint64 idEntrada, CadWalkIn::Extrato tipo) {
        ExtratoConta::abrir(idEntrada, tipo == CadWalkIn::Extrato::Entrada       ? ExtratoConta::Tipo::Entrada
                                       : tipo == CadWalkIn::Extrato::Conferencia ? ExtratoConta::Tipo::Conferencia
                                                                                 : ExtratoConta::Tipo::Saida);
    };
    mapa.extratoConta = [](qint64 idEntrada, bool impressora) { ExtratoConta::imprimirOculto(idEntrada, impressora); };
    registrarGanchosFinancas();
    // --- end of the account statement
    // Stay reports, the breakfast list and the vehicles.
    principal.registrarComando(QStringLiteral("btnVeiculosClick"), [] { abrirVeiculos(); });
    principal.registrarComando(QStringLiteral("btnRelWalkInClick"), [] { abrirRelWalkIn(); });
    principal.registrarComando(QStringLiteral("btnRelCafeClick"), [] { abrirRelCafe(); });
    principal.registrarComando(QStringLiteral("btnRelVeiculosClick"), [] { abrirRelVeiculos(); });
    principal.registrarComando(QStringLiteral("btnRelExtratoUHClick"), [] { abrirRelExtratoUH(); });
}

void registrarGanchosFinancas()
{
    // A closed stay's statement on the preview, as the statement screen
    // prints it hidden: the notes' and the movement's double-click.
    TFrmNotas::abrirExtrato = [](qint64 idEntrada) { ExtratoConta::imprimirOculto(idEntrada, false); };
    TFrmMovimentoFinanceiro::extratoConta = [](qint64 idEntrada) { ExtratoConta::imprimirOculto(idEntrada, false); };
    // The stay list's "Despesas Avulsas".
    ListaEstadias::despesasAvulsas = [] { abrirDespesasAvulsas(); };
}

} // namespace Estadias
