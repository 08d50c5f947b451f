#pragma once
// The work of the main window's timers that needs no window: the nightly
// posting of the open stays, the day's expected time-clock entries and the
// absences, and the counts behind the reminder and chat notices.
#include <QDate>
#include <QDateTime>
#include <QString>

namespace Diarias {

// True when the nights of `hoje` were already posted (a row of today in ATUALIZACAO).
bool postadas(const QDate &hoje);

struct Postagem {
    int estadias = 0; // stays that received nights
    int noites = 0;   // OCUPACAO rows written
};

// Posts, for every open stay that did not begin yesterday, one night per day
// from the last posted day up to yesterday (at least one), at the stay's
// daily rate and number of guests, and records today in ATUALIZACAO. The
// whole posting is one transaction: a failure leaves nothing half posted, so
// the next attempt cannot post a stay twice.
Postagem lancar(const QDate &hoje);

// The posting as the one-second timer drives it, on every workstation: the
// server workstation posts once a day (hotel mode only); the others only
// notice when the server has posted.
class Controle {
public:
    // One tick; true while the "Servidor desatualizado!" panel must show.
    // Reads and sets Sessao::atual().ServidorAtualizado.
    bool tick(const QDate &hoje);
    // The server has started today's posting. After an error it stays set:
    // the server does not try again that day until the program restarts.
    bool atualizando = false;
};

} // namespace Diarias

namespace PontoAutomatico {

inline constexpr const char *kObsFalta = "MARCAÇÃO NÃO EFETUADA - (FALTA)";

struct Resultado {
    int faltas = 0;    // unpunched entries of other days closed as absences
    int previstas = 0; // expected entries written for today
};

// Closes unpunched entries of other days as absences and, when today has no
// expected entry yet, writes the expected entries of every employee who
// punches the clock (Saturdays and Sundays only for those who work them),
// two per turn that has a time. One transaction.
Resultado preparar(const QDate &hoje, const QString &login);

// Whether the one-second tick must do the housekeeping: with expected entries
// switched on and a new day, or while today has no expected entry.
bool devePreparar(const QDate &hoje);

} // namespace PontoAutomatico

namespace Notificacoes {

// Open reminders whose day and hour together are not later than `agora`.
int lembretesVencidos(const QDateTime &agora);
// Unread chat messages addressed to `login`.
int mensagensNaoLidas(const QString &login);

} // namespace Notificacoes
