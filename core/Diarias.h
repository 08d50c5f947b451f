#pragma once
// The nightly posting of the open stays, driven by the main window's one-second timer.
#include <QDate>
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
