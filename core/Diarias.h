#pragma once
// The nightly posting of the open stays, driven by the main window's one-second timer.
#include "base/Erros.h"

#include <QDate>
#include <QString>

class ConexaoBanco;

namespace Diarias {

// The day's row already stands: another workstation registered it first
// (the unique constraint on ATUALIZACAO.DATA).
bool diaJaRegistrado(const ErroBanco &e);

// True when the nights of `hoje` were already posted (a row of today in ATUALIZACAO).
bool postadas(ConexaoBanco &c, const QDate &hoje);

struct Postagem {
    bool registrada = false; // this run wrote today's ATUALIZACAO row
    int estadias = 0;        // stays that received nights
    int noites = 0;          // OCUPACAO rows written
};

// Posts the nights of the open stays and records today in ATUALIZACAO, all
// in one transaction. Today's row is written first: it is the lock on the
// day (ATUALIZACAO.DATA is unique), so a second workstation posting the same
// day waits for the first and then posts nothing (registrada false).
//
// For every open, not cancelled stay, one night for each date from the last
// posted day before today up to yesterday, only after the arrival day (the
// check-in charges the arrival night) and only where the stay has no night
// of that date yet, at the stay's daily rate and number of guests. Without
// any posted day before today (the first day) there is nothing to post. A
// failure leaves nothing half posted.
Postagem lancar(ConexaoBanco &c, const QDate &hoje);

// The posting as the one-second timer drives it, on every workstation: the
// server workstation posts once a day (hotel mode only); the others only
// notice when the server has posted.
class Controle {
public:
    // One tick; true while the "Servidor desatualizado!" panel must show.
    // Reads and sets Sessao::atual().ServidorAtualizado.
    bool tick(ConexaoBanco &c, const QDate &hoje);
    // The same on the main connection.
    bool tick(const QDate &hoje);
    // The server has started today's posting. After an error it stays set:
    // the server does not try again that day until the program restarts.
    bool atualizando = false;
};

} // namespace Diarias
