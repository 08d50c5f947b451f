#pragma once
// What a job did with its gauge, in order: "mostrar N", "avancar", "rotulo X",
// "esconder".
#include "integration/Andamento.h"

#include <QStringList>

class GaugeGravado : public Integracao::Andamento {
public:
    void mostrar(int maximo) override
    {
        eventos << QStringLiteral("mostrar %1").arg(maximo);
        visivel = true;
    }
    void avancar() override { ++avancos; }
    void rotulo(const QString &t) override { eventos << QStringLiteral("rotulo ") + t; }
    void esconder() override
    {
        eventos << QStringLiteral("esconder");
        visivel = false;
    }
    QStringList eventos;
    int avancos = 0;
    bool visivel = false;
};
