#pragma once
// The slide-in of the small notices (reminders, chat): a notice rises from
// below the bottom of the screen to 20 pixels above the taskbar, 20 pixels
// from the right edge. The taskbar is what the screen's available area
// leaves free at the bottom.
#include <QRect>
#include <QSize>

class QWidget;

namespace Notificacao {

struct Trajeto {
    int esquerda = 0;
    int topoInicial = 0; // below the screen
    int topoFinal = 0;   // 20 pixels above the taskbar
};

// The path of a notice of `tamanho` on a screen of `tela` whose available
// area is `disponivel`.
Trajeto trajeto(const QRect &tela, const QRect &disponivel, const QSize &tamanho);

// Height of the taskbar: the strip below the available area, 30 when the
// desktop reports none (an auto-hidden taskbar).
int alturaBarraTarefas(const QRect &tela, const QRect &disponivel);

// Shows the notice and slides it up one pixel at a time, repainting and
// processing pending events after each step. Returns the final position.
QPoint deslizar(QWidget *aviso);

} // namespace Notificacao
