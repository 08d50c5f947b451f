#include "base/Parametros.h"

#include <vector>

void TParametros::recarregar()
{
    m_linha = DM->Conexao.ler(QStringLiteral("SELECT * FROM PARAMETROS"));
    // A listener may add or remove listeners: run over a copy.
    std::vector<std::function<void()>> ouvintes;
    for (const auto &[handle, f] : m_ouvintes)
        ouvintes.push_back(f);
    for (const auto &f : ouvintes)
        f();
}

int TParametros::aoRecarregar(std::function<void()> f)
{
    const int h = m_proximo++;
    m_ouvintes.emplace(h, std::move(f));
    return h;
}

void TParametros::removerAoRecarregar(int handle) { m_ouvintes.erase(handle); }

TParametros &tParametros()
{
    static TParametros p;
    return p;
}
