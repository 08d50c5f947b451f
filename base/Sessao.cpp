#include "base/Sessao.h"

Sessao &Sessao::atual()
{
    static Sessao s;
    return s;
}

void Sessao::reiniciar() { atual() = Sessao(); }
