#pragma once
// The notices of the main window's one-second tick: due reminders slide in
// the reminders notice (with a beep), unread chat messages slide in the
// new-message notice (with its sound) and switch the chat icons.
#include <QString>
#include <functional>

class QWidget;
class RegistroComandos;

namespace Notificacoes {

inline constexpr const char *kSomMensagem = "snd/entrou.wav";

// What one tick did.
struct Passo {
    bool avisoCriado = false;  // a reminders notice slid in
    bool alertaCriado = false; // a new-message notice slid in
    bool mensagens = false;    // unread messages for the logged user
};

// The reminders, chat notice and chat icons steps, in this order; the notices
// are owned by `dono` (the main window; may be null). Uses the session's
// login and the flags mostrouaviso / mostroualerta.
Passo tick(QWidget *dono);

// The stay list shows its new-message icon (true) or its plain one; set by
// the stay list while it is open.
extern std::function<void(bool novas)> iconeChatListaEstadias;
// The main window's chat icons; by default through the shell service.
extern std::function<void(bool novas)> iconeChatPrincipal;

} // namespace Notificacoes

// Registers the notices' steps on the main window's one-second timer; the
// notices are owned by `dono`.
void instalarNotificacoes(RegistroComandos &registro, QWidget *dono);
