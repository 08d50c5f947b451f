#pragma once
// Scripted prompts for tests, as MensagensRoteiro scripts message boxes:
// answers are queued with the label the prompt must show, every prompt is
// recorded, and a prompt nobody expected fails the test.
#include "base/Digitacao.h"

#include <QList>
#include <QStringList>
#include <optional>

class DigitacoesRoteiro {
public:
    DigitacoesRoteiro();
    ~DigitacoesRoteiro();

    // The next prompt must show this label (empty: any label) and is answered
    // with `resposta` as if typed and confirmed.
    DigitacoesRoteiro &esperar(const QString &rotulo, const QString &resposta);
    // The next prompt must show this label and is cancelled.
    DigitacoesRoteiro &cancelar(const QString &rotulo);

    const QList<Digitacao::Pedido> &mostrados() const { return m_mostrados; }
    // Answers queued but never used.
    int pendentes() const { return int(m_fila.size()); }

private:
    struct Resposta {
        QString rotulo;
        std::optional<QString> texto;
    };
    QList<Resposta> m_fila;
    QList<Digitacao::Pedido> m_mostrados;
};
