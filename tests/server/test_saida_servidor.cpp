// Two workstations check out the same stays at the same moment through the
// Firebird server (two agent processes, tests/agente): each stay is closed
// once and its money booked once.
#include "base/UnitDM.h"
#include "support/BancoTeste.h"
#include "EstacoesServidor.h"

#include <QDateTime>
#include <QFile>
#include <QMap>
#include <QProcess>
#include <gtest/gtest.h>

#include <memory>

namespace {

class SaidaServidor : public EstacoesServidor {
protected:
    // The output lines of each agent.
    QList<QStringList> rodarAgentes(int quantos, const QString &operacao, int vezes, const QString &argumento)
    {
        QList<QStringList> r;
        for (const SaidaAgente &s : EstacoesServidor::rodarAgentes(quantos, operacao, vezes, argumento))
            r << s.linhas;
        return r;
    }
};

} // namespace

TEST_F(SaidaServidor, DuasEstacoesFechamAMesmaEstadiaUmaVez)
{
    const qint64 turno = banco()
                             .valor(QStringLiteral("INSERT INTO CAIXA (DATA_ABERT, HORA_ABERT, USUARIO, ATUAL, "
                                                   "VALOR_ABERT) VALUES (CURRENT_DATE, CURRENT_TIME, 'ADMIN', 0, 0) "
                                                   "RETURNING ID_CAIXA"))
                             .toLongLong();
    const qint64 uh = banco().valor(QStringLiteral("INSERT INTO UH (NUMERO, SITUACAO) VALUES ('101', 'O') "
                                                   "RETURNING ID_UH"))
                          .toLongLong();
    // Ten open stays of two nights of 150,00 and 33,00 of consumption each.
    constexpr int kEstadias = 10;
    QStringList ids;
    banco().emTransacao([&] {
        for (int i = 0; i < kEstadias; ++i) {
            const qint64 id =
                banco()
                    .valor(QStringLiteral("INSERT INTO WALK_IN (DATA_ENTRADA, HORA_ENTRADA, ID_CLIENTE, ID_UH, "
                                          "QTD_ADULTOS, VALOR_DIARIA) VALUES (CURRENT_DATE - 2, '14:00', 1, ?, 2, 150) "
                                          "RETURNING ID_WALK_IN"),
                           {uh})
                    .toLongLong();
            for (int n = 2; n >= 1; --n)
                banco().executar(QStringLiteral("INSERT INTO OCUPACAO (ID_ENTRADA, DATA, VALOR, QTD) "
                                                "VALUES (?, ?, 150, 2)"),
                                 {id, QDate::currentDate().addDays(-n)});
            banco().executar(QStringLiteral("INSERT INTO DESPESA_UH (ID_ENTRADA, ID_P_S, QTD, VALOR_UNIT, DATA) "
                                            "VALUES (?, 0, 1, 33, CURRENT_DATE)"),
                             {id});
            ids << QString::number(id);
        }
    });

    const auto saidas = rodarAgentes(2, QStringLiteral("saida"), kEstadias, ids.join(QLatin1Char(',')));
    ASSERT_EQ(saidas.size(), 2);
    for (int i = 0; i < kEstadias; ++i) {
        QStringList par{saidas[0].value(i), saidas[1].value(i)};
        par.sort();
        // 0: closed; 4: already closed on the other workstation.
        EXPECT_EQ(par, (QStringList{QStringLiteral("0|"),
                                    QStringLiteral("4|Esta Entrada já foi Fechada em Outra Estação! Nenhum Valor "
                                                   "foi Lançado.")}))
            << "estadia " << i;
    }
    // Each stay's 333,00 booked once.
    EXPECT_EQ(banco()
                  .ler(QStringLiteral("SELECT ATUAL FROM CAIXA WHERE ID_CAIXA = ?"), {turno})
                  .dinheiro(QStringLiteral("ATUAL"))
                  .formatado(),
              QStringLiteral("3.330,00"));
    EXPECT_EQ(banco()
                  .valor(QStringLiteral("SELECT COUNT(*) FROM WALK_IN WHERE BAIXA = 'S' AND DINHEIRO = 333"))
                  .toInt(),
              kEstadias);
    EXPECT_EQ(banco()
                  .valor(QStringLiteral("SELECT COUNT(*) FROM LOG WHERE OPERACAO STARTING WITH "
                                        "'Registrou Saída de Hóspede'"))
                  .toInt(),
              kEstadias);
    EXPECT_EQ(banco().valor(QStringLiteral("SELECT COUNT(*) FROM DESPESA_UH WHERE PAGO = 'N'")).toInt(), 0);
}
