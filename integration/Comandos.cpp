#include "integration/Comandos.h"
#include "base/Comandos.h"
#include "base/Erros.h"
#include "base/Mensagem.h"
#include "core/PainelSuporte.h"
#include "integration/ExportacaoControle.h"
#include "integration/ExportacaoPDV.h"
#include "integration/UnitNonoDigito.h"
#include "integration/UnitSuporte.h"

namespace Integracao {

namespace {

// An export's error in a box: nothing of it was written.
void semFalhar(void (*exportacao)())
{
    try {
        exportacao();
    } catch (const ErroSistema &e) {
        Mensagem::erro(e.texto());
    }
}

} // namespace

void registrarComandos(RegistroComandos &principal)
{
    principal.registrarComando(QStringLiteral("dxBarLargeButton39Click"), [] { semFalhar(&ExportacaoPDV::executar); });
    principal.registrarComando(QStringLiteral("dxBarLargeButton47Click"),
                               [] { semFalhar(&ExportacaoControle::executar); });
    principal.registrarComando(QStringLiteral("btnNonoDigitoClick"), [] { NonoDigito::abrirNonoDigito(); });
    PainelSuporte::abrirSuporte = [] { Suporte::abrirSuporte(); };
}

} // namespace Integracao
