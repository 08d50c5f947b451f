#pragma once
// Scripted message boxes for tests: answers are queued, every box shown is
// recorded, and a box nobody expected fails the test.
#include "base/Mensagem.h"

#include <QList>
#include <QStringList>

class MensagensRoteiro {
public:
    MensagensRoteiro();
    ~MensagensRoteiro();

    // The next box must have this text (empty: any text) and is answered with `resposta`.
    MensagensRoteiro &esperar(const QString &texto, Mensagem::Botao resposta = Mensagem::Ok);
    // Any number of boxes are accepted and answered with Ok / the default.
    void permitirQualquer(bool sim = true) { m_qualquer = sim; }

    const QList<Mensagem::Pedido> &mostradas() const { return m_mostradas; }
    QStringList textos() const;
    // Answers queued but never used.
    int pendentes() const { return int(m_fila.size()); }

private:
    struct Resposta {
        QString texto;
        Mensagem::Botao botao;
    };
    QList<Resposta> m_fila;
    QList<Mensagem::Pedido> m_mostradas;
    bool m_qualquer = false;
};
