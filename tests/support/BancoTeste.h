#pragma once
// Test fixture with a fresh copy of the template database for each test,
// a data module connected to it, scripted messages and a frozen clock.
#include "base/UnitDM.h"
#include "support/MensagensRoteiro.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>

// Ends a connection from the engine's side, as a server restart or a network
// failure would: a second attachment deletes its MON$ATTACHMENTS row. The
// connection itself learns of it at its next statement.
void cortarConexao(ConexaoBanco &c);

// Copies a template database (modelo.fdb or companion-<nome>.fdb) into `pasta`.
QString copiarBancoModelo(const QString &pasta, const QString &nomeModelo = QStringLiteral("modelo.fdb"));

class BancoTeste : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Connects DM.ConexaoPDV / ConexaoPDVFrente / ConexaoZentroControle paths to
    // fresh copies of the companion templates (not connected yet: lazily).
    void prepararCompanheiros();

    ConexaoBanco &banco() { return m_dm->Conexao; }
    QString pasta() const { return m_pasta.path(); }

    std::unique_ptr<TDM> m_dm;
    QTemporaryDir m_pasta;
    std::unique_ptr<MensagensRoteiro> msg;
};
