// Corrections of one stay from several workstations through the Firebird
// server: agent processes (tests/agente) correct the same stay at the same
// moment; each correction lands whole or its workstation is told the stay
// changed, and the shift's balances always equal what the stays hold.
#include "base/UnitDM.h"
#include "finance/ControleCaixa.h"
#include "stays/Correcoes.h"
#include "stays/Pagamentos.h"
#include "support/BancoTeste.h"
#include "EstacoesServidor.h"

#include <QDateTime>
#include <QFile>
#include <QMap>
#include <QProcess>
#include <gtest/gtest.h>

#include <memory>

namespace {

class CorrecoesEstacoes : public EstacoesServidor {
protected:
    void SetUp() override
    {
        EstacoesServidor::SetUp();
        if (semServidor())
            return;
        banco().executar(QStringLiteral("INSERT INTO CAIXA (DATA_ABERT, USUARIO) VALUES (CURRENT_DATE, 'ADMIN')"));
    }

    QStringList rodarAgentes(int quantos, const QString &operacao, int vezes, const QString &argumento)
    {
        return linhasDosAgentes(quantos, operacao, vezes, argumento);
    }

    qint64 estadia()
    {
        return banco()
            .valor(QStringLiteral("INSERT INTO WALK_IN (ID_CLIENTE, ID_UH, QTD_ADULTOS, DATA_ENTRADA, HORA_ENTRADA, "
                                  "DATA_SAIDA, HORA_SAIDA) VALUES (1, 1, 1, CURRENT_DATE, '08:00', CURRENT_DATE, "
                                  "'09:00') RETURNING ID_WALK_IN"))
            .toLongLong();
    }
    void pagar(qint64 id, MeioCaixa meio, qint64 reais, bool adiantado)
    {
        Pagamentos::Valores v;
        v[meio] = Dinheiro::deReais(reais);
        Pagamentos::lancar(banco(), id, v, adiantado);
    }
    // Every balance of the open shift equals what the stays hold in that means.
    void caixaIgualEstadias()
    {
        const Linha cx = banco().ler(QStringLiteral("SELECT * FROM CAIXA WHERE DATA_FECHA IS NULL"));
        for (const DadosMeioCaixa &m : meiosCaixa()) {
            const Dinheiro estadias =
                banco()
                    .ler(QStringLiteral("SELECT SUM(%1) AS V FROM WALK_IN").arg(Pagamentos::colunaEstadia(m.meio)))
                    .dinheiro(QStringLiteral("V"));
            EXPECT_EQ(cx.dinheiro(m.coluna).formatado().toStdString(), estadias.formatado().toStdString())
                << m.coluna.toStdString();
        }
    }

};

} // namespace

TEST_F(CorrecoesEstacoes, QuatroEstacoesRedistribuemOMesmoPagamento)
{
    const qint64 id = estadia();
    pagar(id, MeioCaixa::Dinheiro, 300, false);
    banco().executar(QStringLiteral("UPDATE WALK_IN SET BAIXA = 'S' WHERE ID_WALK_IN = ?"), {id});
    const QStringList linhas = rodarAgentes(4, QStringLiteral("forma"), 10, QString::number(id));
    ASSERT_EQ(linhas.size(), 40);
    int feitas = 0;
    for (const QString &l : linhas) {
        if (l == QLatin1String("feito"))
            ++feitas;
        else
            EXPECT_EQ(l, Correcoes::kMsgEntradaMudou);
    }
    EXPECT_GE(feitas, 10); // at least every run of one agent
    const Linha w = banco().ler(QStringLiteral("SELECT * FROM WALK_IN WHERE ID_WALK_IN = ?"), {id});
    EXPECT_EQ((w.dinheiro(QStringLiteral("DINHEIRO")) + w.dinheiro(QStringLiteral("VISA"))).formatado(),
              QStringLiteral("300,00"));
    caixaIgualEstadias();
}

TEST_F(CorrecoesEstacoes, QuatroEstacoesCancelamAMesmaEntradaUmaVez)
{
    const qint64 id = estadia();
    const qint64 cerveja = banco()
                               .valor(QStringLiteral("INSERT INTO PRODUTOS_SERVICOS (DESCRICAO, ESTOQUE, FAB_PROPRIA) "
                                                     "VALUES ('CERVEJA', 7, 'N') RETURNING ID_P_S"))
                               .toLongLong();
    banco().executar(QStringLiteral("INSERT INTO DESPESA_UH (ID_ENTRADA, ID_P_S, QTD) VALUES (?, ?, 3)"), {id, cerveja});
    pagar(id, MeioCaixa::Dinheiro, 100, true);
    pagar(id, MeioCaixa::CreditoVisa, 50, true);
    const qint64 outra = estadia();
    pagar(outra, MeioCaixa::Dinheiro, 40, true);
    QStringList linhas = rodarAgentes(4, QStringLiteral("cancelar"), 1, QString::number(id));
    linhas.sort();
    EXPECT_EQ(linhas, (QStringList{Correcoes::kMsgEntradaMudou, Correcoes::kMsgEntradaMudou, Correcoes::kMsgEntradaMudou,
                                   QStringLiteral("feito")}));
    EXPECT_EQ(banco().valor(QStringLiteral("SELECT ESTOQUE FROM PRODUTOS_SERVICOS WHERE ID_P_S = ?"), {cerveja}).toInt(), 10);
    const Linha cx = banco().ler(QStringLiteral("SELECT * FROM CAIXA"));
    EXPECT_EQ(cx.dinheiro(QStringLiteral("ATUAL")).formatado(), QStringLiteral("40,00"));
    EXPECT_TRUE(cx.dinheiro(QStringLiteral("ATUAL_CARTAO")).zero());
    EXPECT_EQ(banco().valor(QStringLiteral("SELECT COUNT(*) FROM LOG WHERE OPERACAO STARTING WITH 'Excluiu Entrada'")).toInt(), 1);
    caixaIgualEstadias();
}
