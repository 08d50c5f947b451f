#include "base/Telas.h"

namespace Telas {
namespace {
std::map<std::type_index, Interceptador> &mapa()
{
    static std::map<std::type_index, Interceptador> m;
    return m;
}
} // namespace

void interceptar(std::type_index tipo, Interceptador f) { mapa()[tipo] = std::move(f); }
void liberar(std::type_index tipo) { mapa().erase(tipo); }
void liberarTodas() { mapa().clear(); }

const Interceptador *interceptadorDe(std::type_index tipo)
{
    auto it = mapa().find(tipo);
    return it == mapa().end() ? nullptr : &it->second;
}

int executar(QDialog *tela, std::type_index tipo)
{
    if (const Interceptador *f = interceptadorDe(tipo)) {
        // The test sees the screen as shown, acts on it and gives the result.
        tela->setAttribute(Qt::WA_DontShowOnScreen, true);
        tela->show();
        const int r = (*f)(tela);
        tela->hide();
        return r;
    }
    return tela->exec();
}

} // namespace Telas
