#include "support/MensagensRoteiro.h"

#include <gtest/gtest.h>

MensagensRoteiro::MensagensRoteiro()
{
    Mensagem::definirManipulador([this](const Mensagem::Pedido &p) {
        m_mostradas.append(p);
        if (!m_fila.isEmpty()) {
            const Resposta r = m_fila.takeFirst();
            if (!r.texto.isEmpty())
                EXPECT_EQ(p.texto.toStdString(), r.texto.toStdString()) << "mensagem diferente da esperada";
            return r.botao;
        }
        if (!m_qualquer)
            ADD_FAILURE() << "mensagem inesperada: [" << p.titulo.toStdString() << "] " << p.texto.toStdString();
        if (p.padrao != Mensagem::Nenhum)
            return p.padrao;
        return (p.botoes & Mensagem::Ok) ? Mensagem::Ok : Mensagem::Nao;
    });
}

MensagensRoteiro::~MensagensRoteiro()
{
    Mensagem::restaurarManipulador();
    if (!m_fila.isEmpty() && !::testing::Test::HasFailure())
        ADD_FAILURE() << m_fila.size() << " mensagem(ns) esperada(s) não mostrada(s), a primeira: "
                      << m_fila.first().texto.toStdString();
}

MensagensRoteiro &MensagensRoteiro::esperar(const QString &texto, Mensagem::Botao resposta)
{
    m_fila.append({texto, resposta});
    return *this;
}

QStringList MensagensRoteiro::textos() const
{
    QStringList l;
    for (const auto &p : m_mostradas)
        l.append(p.texto);
    return l;
}
