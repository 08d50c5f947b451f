#pragma once
// The usual road of a list screen around its edit screen, by the list's OP:
// new ("I"), alter ("A", kept "V" after a view), view ("V"); the list opens
// again afterwards (also when an error escapes) and a screen left without
// saving empties OP. Deleting the current row: the question, the list
// landing on the next row, the list opened again. The list's first show
// opens it and gives the grid the focus.
#include "base/TelaLista.h"

#include <functional>

namespace FluxoLista {

enum class Acao { Novo, Alterar, Ver };

// Sets OP for `acao` and runs `abrir` (the edit screen; returns its modal
// result). Alter and view do nothing on an empty list; returns false then.
bool editar(TelaLista *lista, QString &op, Acao acao, const std::function<int()> &abrir);

// Asks `pergunta` ("Deseja Realmente ..."); on Yes runs `apagar` for the
// current row and opens the list again. False when nothing was deleted.
bool excluir(TelaLista *lista, const QString &pergunta, const std::function<void()> &apagar);

// On the screen's first show the list opens and its grid takes the focus.
void abrirAoMostrar(TelaLista *lista);

} // namespace FluxoLista
