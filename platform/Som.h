#pragma once
// Sounds of the notices: a wave file from the installation folder and the
// system beep. Tests replace the player to see what was played.
#include <QString>
#include <functional>

namespace Som {

// Plays a wave file once (nothing when the file or the audio device is missing).
void tocar(const QString &arquivo);
// The short warning sound of the system.
void bip();

// What a player does with a file; an empty text stands for the beep.
using Tocador = std::function<void(const QString &arquivo)>;
void definirTocador(Tocador t);
void restaurarTocador();

} // namespace Som
