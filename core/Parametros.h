#pragma once
// The settings record: the single PARAMETROS row, read by every screen.
// Reloaded after login and after the settings are saved.
#include "core/UnitDM.h"

class TParametros {
public:
    // Reads the row again from the database.
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

    // Tests and the settings screen may set the record directly.
    void definir(const Linha &l) { m_linha = l; }

private:
    Linha m_linha;
};

// The one settings record of this process.
TParametros &tParametros();
