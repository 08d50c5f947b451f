#pragma once
// Pictures of the commands and of the screens' common buttons, from the
// Oxygen icon theme (freedesktop names). The icons the program uses are
// copied beside it at build time (icones/<tamanho>/<nome>.png in the
// installation folder); where a copy is missing the system's Oxygen theme is
// used, and failing that the style's own picture, so a button never goes
// without one.
#include <QIcon>
#include <QString>
#include <QStringList>

class QAbstractButton;

namespace Icones {

// Sizes shipped, in pixels.
inline const QList<int> kTamanhos{16, 22, 32, 48};

// The icon of a freedesktop name ("document-print"). Null when no copy,
// theme or fallback has it.
QIcon icone(const QString &nome);
// The file of a name at a size, shipped copy first ("" when none).
QString arquivo(const QString &nome, int tamanho);

// The freedesktop name of a ribbon command by its handler name
// ("btnClientesClick" -> "system-users"); "" for an unknown handler.
QString nomeDoComando(const QString &manipulador);
QIcon doComando(const QString &manipulador);

// The screens' common buttons, known by their caption ("&Confirmar",
// "Sair") or their name (btnConfirmar, btnSair...): "" when not one of them.
QString nomeDoBotao(const QString &legenda, const QString &nomeObjeto = {});
// Gives a common button its picture (a button with an icon of its own keeps it).
void aplicar(QAbstractButton *botao);
// From now on every common button of every screen gets its picture when
// first shown.
void instalarNosBotoes();

// Every name the program uses (what the build copies beside it).
QStringList nomesUsados();

} // namespace Icones
