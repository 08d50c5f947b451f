#pragma once
// The one source of "now". Tests set it; nothing else reads the system clock.
#include <QDateTime>

namespace Relogio {

QDateTime agora();
QDate hoje();
QTime horaAtual();

// Freezes the clock at a moment (tests).
void definir(const QDateTime &momento);
// Moves a frozen clock forward.
void avancar(qint64 segundos);
// Back to the system clock.
void liberar();

} // namespace Relogio
