#pragma once
// The settings record: the single PARAMETROS row, read by every screen.
// Reloaded after login and after the settings are saved; whoever depends on
// a setting beyond reading it at the moment (the main window's labels,
// pictures and status bar) asks to be told after each reload.
#include "base/UnitDM.h"

#include <functional>
#include <map>

class TParametros {
public:
    // Reads the row again from the database, then tells every listener.
    void recarregar();
    bool carregado() const { return !m_linha.vazia(); }

    QString texto(const QString &coluna) const { return m_linha.texto(coluna); }
    qint64 inteiro(const QString &coluna) const { return m_linha.inteiro(coluna); }
    Dinheiro dinheiro(const QString &coluna) const { return m_linha.dinheiro(coluna); }
    QTime hora(const QString &coluna) const { return m_linha.hora(coluna); }
    QDate data(const QString &coluna) const { return m_linha.data(coluna); }
    QVariant valor(const QString &coluna) const { return m_linha.valor(coluna); }
    // True when the flag column holds "S".
    bool sim(const QString &coluna) const { return texto(coluna) == QLatin1String("S"); }
    const Linha &linha() const { return m_linha; }

    // Tests and the settings screen may set the record directly (no listener runs).
    void definir(const Linha &l) { m_linha = l; }

    // Runs `f` after every reload, in the order the listeners were added.
    // Returns a handle for removerAoRecarregar.
    int aoRecarregar(std::function<void()> f);
    void removerAoRecarregar(int handle);

private:
    Linha m_linha;
    std::map<int, std::function<void()>> m_ouvintes;
    int m_proximo = 1;
};

// The one settings record of this process.
TParametros &tParametros();
