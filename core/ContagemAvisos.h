#pragma once
// The counts behind the reminder and chat notices of the main window.
#include <QDateTime>
#include <QString>

class ConexaoBanco;

namespace Notificacoes {

// Open reminders whose day and hour together are not later than `agora`.
int lembretesVencidos(ConexaoBanco &conexao, const QDateTime &agora);
// Unread chat messages addressed to `login`.
int mensagensNaoLidas(ConexaoBanco &conexao, const QString &login);

} // namespace Notificacoes
