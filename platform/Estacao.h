#pragma once
// What the program asks of the workstation itself: its regional short date
// format, the regional settings tool, its local network address and whether
// the desktop offers a notification area.
#include <QString>

namespace Estacao {

// The short date format of the workstation's regional settings (the time
// locale of the session), as Qt writes it ("dd/MM/yyyy").
QString formatoDataCurta();
// Opens the desktop's regional settings, when it has a tool for them.
// False when none could be started.
bool abrirConfiguracaoRegional();
// One of the workstation's IPv4 addresses (not the loopback one when another
// exists), at most 15 characters.
QString ipLocal();

} // namespace Estacao
