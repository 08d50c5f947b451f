#include "staff/Comandos.h"
#include "base/Comandos.h"
#include "base/Relogio.h"
#include "base/Sessao.h"
#include "base/UnitDM.h"
#include "staff/PontoAutomatico.h"
#include "rooms/UnitCentralCadastros.h"
#include "staff/UnitFuncionarios.h"
#include "staff/UnitPonto.h"
#include "staff/UnitRelPonto.h"
#include "staff/UnitRelFuncionarios.h"
// schedules, payments and payroll
#include "finance/UnitCentralFinanceira.h"
#include "staff/UnitEscala.h"
#include "staff/UnitPagFuncionarios.h"
#include "staff/UnitRelEscala.h"
#include "staff/UnitRelFolhaPagamento.h"

#include <memory>

namespace Pessoal {

namespace {

// Work schedules, employee payments and the payroll reports.
void registrarEscalaEFolha(RegistroComandos &principal)
{
    principal.registrarComando(QStringLiteral("btnEscalaClick"), [] { abrirEscala(); });
    principal.registrarComando(QStringLiteral("btnRelEscalaClick"), [] { abrirRelEscala(); });
    principal.registrarComando(QStringLiteral("btnPagFuncionariosClick"), [] { abrirPagFuncionarios(); });
    principal.registrarComando(QStringLiteral("btnRelFolhaPagamentoClick"), [] { abrirRelFolhaPagamento(); });
    TFrmCentralFinanceira::abrirPagFuncionarios = [] { abrirPagFuncionarios(); };
}

} // namespace

void registrarComandos(RegistroComandos &principal)
{
    principal.registrarComando(QStringLiteral("dxBarLargeButton4Click"), [] { abrirFuncionarios(); });
    principal.registrarComando(QStringLiteral("dxBarButton6Click"), [] { abrirRelFuncionarios(); });
    CentralCadastros::ganchos().funcionarios = [] { abrirFuncionarios(); };
    registrarEscalaEFolha(principal);

    // time clock: the book (the only way into the punch screen) and its report
    principal.registrarComando(QStringLiteral("dxBarLargeButton1Click"), [] { abrirLivroPonto(); });
    principal.registrarComando(QStringLiteral("dxBarButton9Click"), [] { abrirRelPonto(); });

    // The day's expected time-clock entries and the absences of other days,
    // once a day on each workstation.
    principal.adicionarTarefaDoDia([ponto = std::make_shared<PontoAutomatico::Controle>()] {
        ponto->tick(DM->Conexao, Relogio::hoje(), Sessao::atual().login);
    });
}

} // namespace Pessoal
