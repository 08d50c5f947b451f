#pragma once
// The main window's commands (ribbon buttons, hub entries) that open the
// screens of guest stays.
class TFrmQuintara;

namespace Estadias {
void registrarComandos(TFrmQuintara &principal);
}
