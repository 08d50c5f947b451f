#pragma once
// The counts behind the reminder and chat notices of the main window.
#include <QDateTime>
#include <QString>

namespace Notificacoes {

// Open reminders whose day and hour together are not later than `agora`.
int lembretesVencidos(const QDateTime &agora);
// Unread chat messages addressed to `login`.
int mensagensNaoLidas(const QString &login);

} // namespace Notificacoes
