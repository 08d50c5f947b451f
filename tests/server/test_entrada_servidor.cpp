// Two workstations checking a guest into the same free room at the same
// moment, through the Firebird server: agent processes (tests/agente, op
// "entrada") run the stay form's check-in together; the room gets one stay
// and the other workstation is told the room is taken, with nothing of its
// own left behind.
#include "base/UnitDM.h"
#include "stays/Entrada.h"
#include "support/BancoTeste.h"
#include "EstacoesServidor.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QMap>
#include <QProcess>
#include <QProcessEnvironment>
#include <gtest/gtest.h>

#include <memory>

namespace {

class EntradaServidor : public EstacoesServidor {};

} // namespace

TEST_F(EntradaServidor, DuasEstacoesNaMesmaUHLivreFicamComUmaEntrada)
{
    const qint64 tipo = banco()
                            .valor(QStringLiteral("INSERT INTO TIPO_UH (DESCRICAO, ABREV, P1, P2) VALUES ('LUXO', 'LX', "
                                                  "100, 150) RETURNING ID_TIPO_UH"))
                            .toLongLong();
    const qint64 uh = banco()
                          .valor(QStringLiteral("INSERT INTO UH (ID_TIPO_UH, NUMERO, SITUACAO) VALUES (?, '101', 'L') "
                                                "RETURNING ID_UH"),
                                 {tipo})
                          .toLongLong();
    const qint64 cliente = banco()
                               .valor(QStringLiteral("INSERT INTO CLIENTE (NOME, TIPO_PESSOA, CNPJ_CPF) VALUES "
                                                     "('ANA D''ÁVILA', 'F', '') RETURNING ID_CLIENTE"))
                               .toLongLong();
    for (int rodada = 0; rodada < 3; ++rodada) {
        SCOPED_TRACE(rodada);
        const auto saidas = rodarAgentes(2, QStringLiteral("entrada"), 1, QStringLiteral("%1,%2").arg(uh).arg(cliente));
        ASSERT_EQ(saidas.size(), 2);
        QStringList resultados;
        for (const auto &s : saidas)
            resultados << s.linhas;
        ASSERT_EQ(resultados.size(), 2) << resultados.join(QLatin1Char('\n')).toStdString();
        resultados.sort();
        const qint64 estadia = contar(QStringLiteral("SELECT ID_WALK_IN FROM WALK_IN WHERE BAIXA = 'N'"));
        EXPECT_EQ(resultados, (QStringList{QStringLiteral("entrada=%1").arg(estadia),
                                           QStringLiteral("recusa|") + Entrada::textoUHIndisponivel(QStringLiteral("101"))}));
        EXPECT_EQ(contar(QStringLiteral("SELECT COUNT(*) FROM WALK_IN WHERE BAIXA = 'N'")), 1);
        EXPECT_EQ(contar(QStringLiteral("SELECT COUNT(*) FROM OCUPACAO WHERE ID_ENTRADA = ?"), {estadia}), 1);
        EXPECT_EQ(contar(QStringLiteral("SELECT COUNT(*) FROM HOSPEDE")), 1);
        EXPECT_EQ(contar(QStringLiteral("SELECT COUNT(*) FROM LOG WHERE OPERACAO STARTING WITH 'Incluiu Entrada'")),
                  rodada + 1);
        EXPECT_EQ(banco().valor(QStringLiteral("SELECT SITUACAO FROM UH WHERE ID_UH = ?"), {uh}).toString(),
                  QStringLiteral("O"));
        // The guest leaves; the room is free for the next round.
        banco().emTransacao([&] {
            banco().executar(QStringLiteral("UPDATE WALK_IN SET BAIXA = 'S'"));
            banco().executar(QStringLiteral("DELETE FROM HOSPEDE"));
            banco().executar(QStringLiteral("UPDATE UH SET SITUACAO = 'L'"));
        });
    }
}
