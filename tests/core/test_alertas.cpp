// The day's alerts.
#include "core/Alertas.h"
#include "support/BancoTeste.h"

namespace {

class AlertasTeste : public BancoTeste {
protected:
    const QDate hoje{2026, 12, 10};

    Alertas::Grupo grupo(const QList<Alertas::Grupo> &gs, const char *titulo)
    {
        for (const auto &g : gs)
            if (g.titulo == QString::fromUtf8(titulo))
                return g;
        ADD_FAILURE() << "grupo ausente: " << titulo;
        return {};
    }
};

} // namespace

TEST_F(AlertasTeste, GruposDoDiaNaOrdemComSuasLinhas)
{
    ConexaoBanco &b = banco();
    b.executar(QStringLiteral("INSERT INTO CLIENTE (ID_CLIENTE, NOME, DATA_NASC, EXCLUIDO, LEMBRETE) VALUES (10, 'ANA SOUZA', ?, 'N', 'Prefere andar alto')"),
               {QDate(1980, 12, 10)});
    b.executar(QStringLiteral("INSERT INTO CLIENTE (ID_CLIENTE, NOME, DATA_NASC, EXCLUIDO) VALUES (11, 'BLOQUEADO', ?, 'S')"),
               {QDate(1990, 12, 10)});
    b.executar(QStringLiteral("INSERT INTO UH (ID_UH, NUMERO, ID_TIPO_UH) VALUES (5, '105', 1)"));
    // three reserved days, today the second one: listed with its whole period
    b.executar(QStringLiteral("INSERT INTO RESERVA (ID_RESERVA, ID_CLIENTE, ID_UH, DATA_ENTRADA, DATA_SAIDA, QTD_PESSOAS) "
                              "VALUES (1, 10, 5, ?, ?, 2)"),
               {hoje.addDays(-1), hoje.addDays(1)});
    for (int d = -1; d <= 1; ++d)
        b.executar(QStringLiteral("INSERT INTO RESERVA_UH (ID_RESERVA, ID_UH, DATA_ENTRADA) VALUES (1, 5, ?)"), {hoje.addDays(d)});
    b.executar(QStringLiteral("INSERT INTO FUNCIONARIO (ID_FUNCIONARIO, NOME, CPF, NASCIMENTO) VALUES (3, 'CARLOS', 'x', ?)"),
               {QDate(2000, 12, 10)});
    b.executar(QStringLiteral("INSERT INTO FUNCIONARIO (ID_FUNCIONARIO, NOME, CPF, NASCIMENTO) VALUES (4, 'DEMITIDO', 'x', ?)"),
               {QDate(2001, 12, 10)});
    b.executar(QStringLiteral("INSERT INTO ANULACAO (ID_FUNCIONARIO) VALUES (4)"));
    b.executar(QStringLiteral("INSERT INTO PRODUTOS_SERVICOS (DESCRICAO, VALOR, ID_PDV, ESTOQUE, MINIMO, FAB_PROPRIA) VALUES ('AGUA', 3, 1, 2, 5, 'N')"));
    b.executar(QStringLiteral("INSERT INTO PRODUTOS_SERVICOS (DESCRICAO, VALOR, ID_PDV, ESTOQUE, MINIMO, FAB_PROPRIA) VALUES ('SUCO DA CASA', 3, 1, 0, 5, 'S')"));
    b.executar(QStringLiteral("INSERT INTO ITEM (DESCRICAO, ESTOQUE, AVISAR) VALUES ('TOALHA', 3, 3)"));
    b.executar(QStringLiteral("INSERT INTO WALK_IN (ID_WALK_IN, ID_CLIENTE, ID_UH, DATA_ENTRADA, DATA_SAIDA, BAIXA) VALUES (7, 10, 5, ?, ?, 'S')"),
               {hoje.addDays(-5), hoje.addDays(-2)});
    b.executar(QStringLiteral("INSERT INTO NOTA (ID_ENTRADA, VALOR) VALUES (7, 1234.5)"));

    const auto gs = Alertas::montar(DM->Conexao, hoje, true);
    QStringList titulos;
    for (const auto &g : gs)
        titulos << g.titulo;
    EXPECT_EQ(titulos, (QStringList{QStringLiteral("Reservas Programadas ("), QStringLiteral("Clientes Aniversariantes ("),
                                    QStringLiteral("Funcionários Aniversariantes ("), QStringLiteral("Produtos em Final de Estoque ("),
                                    QStringLiteral("Itens de Estoque em Final de Estoque ("),
                                    QStringLiteral("Notas Pendentes a Receber ("), QStringLiteral("Lembretes para Clientes (")}));
    EXPECT_EQ(grupo(gs, "Reservas Programadas (").linhas,
              QStringList{QStringLiteral("UH 105 - ANA SOUZA (De: 09/12/2026 a 11/12/2026)")});
    EXPECT_EQ(grupo(gs, "Clientes Aniversariantes (").linhas, QStringList{QStringLiteral("ANA SOUZA (46 anos)")});
    EXPECT_EQ(grupo(gs, "Funcionários Aniversariantes (").linhas, QStringList{QStringLiteral("CARLOS (26 anos)")});
    EXPECT_EQ(grupo(gs, "Produtos em Final de Estoque (").linhas, QStringList{QStringLiteral("AGUA (HOSPEDAGEM) -> (2)")});
    EXPECT_EQ(grupo(gs, "Itens de Estoque em Final de Estoque (").linhas, QStringList{QStringLiteral("TOALHA -> (3)")});
    EXPECT_EQ(grupo(gs, "Notas Pendentes a Receber (").linhas,
              QStringList{QStringLiteral("ANA SOUZA (R$ 1.234,50) -> (Desde: 08/12/2026)")});
    EXPECT_EQ(grupo(gs, "Lembretes para Clientes (").linhas, QStringList{QStringLiteral("ANA SOUZA (Prefere andar alto)")});
    EXPECT_EQ(grupo(gs, "Reservas Programadas (").legenda(), QStringLiteral("Reservas Programadas (1)"));

    // Without MOVIMENTOS the bills group is missing.
    EXPECT_EQ(Alertas::montar(DM->Conexao, hoje, false).size(), 6);
}

TEST_F(AlertasTeste, VinteENoveDeFevereiroSoEmAnoBissexto)
{
    banco().executar(QStringLiteral("INSERT INTO CLIENTE (NOME, DATA_NASC) VALUES ('BISSEXTO', ?)"), {QDate(2000, 2, 29)});
    EXPECT_EQ(Alertas::montar(DM->Conexao, QDate(2027, 2, 28), false)[1].linhas.size(), 0);
    EXPECT_EQ(Alertas::montar(DM->Conexao, QDate(2027, 3, 1), false)[1].linhas.size(), 0);
    EXPECT_EQ(Alertas::montar(DM->Conexao, QDate(2028, 2, 29), false)[1].linhas, QStringList{QStringLiteral("BISSEXTO (28 anos)")});
    // the customer seeded without a birth date (01/01/1900) is never listed
    EXPECT_EQ(Alertas::montar(DM->Conexao, QDate(2027, 1, 1), false)[1].linhas.size(), 0);
    EXPECT_EQ(Alertas::cabecalho(QDate(2027, 1, 1)),
              QStringLiteral("------------------------- Alertas para Hoje (01/01/2027) -------------------------"));
}
