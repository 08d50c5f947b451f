#include "support/DigitacoesRoteiro.h"

#include <gtest/gtest.h>

DigitacoesRoteiro::DigitacoesRoteiro()
{
    Digitacao::definirManipulador([this](const Digitacao::Pedido &p) -> std::optional<QString> {
        m_mostrados.append(p);
        if (m_fila.isEmpty()) {
            ADD_FAILURE() << "digitação inesperada: [" << p.titulo.toStdString() << "] " << p.rotulo.toStdString();
            return std::nullopt;
        }
        const Resposta r = m_fila.takeFirst();
        if (!r.rotulo.isEmpty())
            EXPECT_EQ(p.rotulo.toStdString(), r.rotulo.toStdString()) << "pedido diferente do esperado";
        return r.texto;
    });
}

DigitacoesRoteiro::~DigitacoesRoteiro()
{
    Digitacao::restaurarManipulador();
    if (!m_fila.isEmpty() && !::testing::Test::HasFailure())
        ADD_FAILURE() << m_fila.size() << " digitação(ões) esperada(s) não pedida(s), a primeira: "
                      << m_fila.first().rotulo.toStdString();
}

DigitacoesRoteiro &DigitacoesRoteiro::esperar(const QString &rotulo, const QString &resposta)
{
    m_fila.append({rotulo, resposta});
    return *this;
}

DigitacoesRoteiro &DigitacoesRoteiro::cancelar(const QString &rotulo)
{
    m_fila.append({rotulo, std::nullopt});
    return *this;
}
