#pragma once
// Every prompt that asks the user to type a value (a stay key, a password, a
// number) goes through here, as every message box goes through Mensagem.
// Tests install their own handler to script the answers and check the
// titles and labels shown.
#include <QString>
#include <functional>
#include <optional>

namespace Digitacao {

struct Pedido {
    QString titulo;
    QString rotulo;
    QString padrao;       // text the edit starts with
    bool senha = false;   // the edit shows "*" for each character
    int maximo = 0;       // most characters the edit takes (0: no limit)
};

// The typed text, or nothing when the user cancelled.
using Manipulador = std::function<std::optional<QString>(const Pedido &)>;

void definirManipulador(Manipulador m);
void restaurarManipulador();
// What restaurarManipulador goes back to (the input box unless a test
// runner, where nobody types, sets its own).
void definirManipuladorPadrao(Manipulador m);

std::optional<QString> pedir(const Pedido &p);
// A plain text prompt.
std::optional<QString> texto(const QString &titulo, const QString &rotulo, const QString &padrao = {});
// A masked prompt for a password.
std::optional<QString> senha(const QString &titulo, const QString &rotulo);

} // namespace Digitacao
