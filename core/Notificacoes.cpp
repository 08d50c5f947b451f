#include "core/Notificacoes.h"

#include "base/Caminhos.h"
#include "base/Comandos.h"
#include "base/Relogio.h"
#include "base/Sessao.h"
#include "core/Diarias.h"
#include "core/ContagemAvisos.h"
#include "core/UnitAlerta.h"
#include "core/UnitAviso.h"
#include "core/UnitBatePapo.h"
#include "base/Janela.h"
#include "platform/Notificacao.h"
#include "platform/Som.h"

namespace Notificacoes {

std::function<void(bool)> iconeChatListaEstadias;
std::function<void(bool)> iconeChatPrincipal = [](bool novas) { Janela::mostrarIconeChat(novas); };

Passo tick(QWidget *dono)
{
    Passo p;
    Sessao &s = Sessao::atual();
    const bool logado = s.login != QStringLiteral("Usuário") && !s.login.isEmpty();

    // Due reminders: one notice until the user has opened the reminders.
    if (logado && !s.mostrouaviso && lembretesVencidos(DM->Conexao, Relogio::agora()) > 0) {
        s.mostrouaviso = true;
        auto *aviso = new TFrmAviso(dono);
        Notificacao::deslizar(aviso);
        Som::bip();
        p.avisoCriado = true;
    }

    // Unread messages while the chat window is closed.
    p.mensagens = mensagensNaoLidas(DM->Conexao, s.login) > 0;
    if (p.mensagens && !FrmBatePapo) {
        if (iconeChatListaEstadias)
            iconeChatListaEstadias(true);
        if (!s.mostroualerta) {
            s.mostroualerta = true;
            auto *alerta = new TFrmAlerta(dono);
            Notificacao::deslizar(alerta);
            Som::tocar(Caminhos::naInstalacao(QString::fromLatin1(kSomMensagem)));
            p.alertaCriado = true;
        }
    } else if (iconeChatListaEstadias) {
        iconeChatListaEstadias(false);
    }

    // The main window's chat icons.
    if (iconeChatPrincipal)
        iconeChatPrincipal(p.mensagens);
    return p;
}

} // namespace Notificacoes

void instalarNotificacoes(RegistroComandos &registro, QWidget *dono)
{
    registro.adicionarTarefaTimer1([dono] { Notificacoes::tick(dono); });
}
