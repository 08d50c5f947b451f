// Counter sales from several workstations through the Firebird server:
// agent processes (tests/agente) save several-item sales at the same moment
// (each gets its own key and every one is counted in the shift) and delete
// the same sale together (it is reversed once, the other desk is told),
// also with one side's transaction held open while the other runs, in both
// orders.
#include "base/UnitDM.h"
#include "finance/DespesasAvulsas.h"
#include "support/BancoTeste.h"
#include "EstacoesServidor.h"

#include <QDateTime>
#include <QProcess>
#include <QSet>
#include <QThread>
#include <gtest/gtest.h>

#include <memory>

using namespace DespesasAvulsas;

namespace {

class DespesasServidor : public EstacoesServidor {
protected:
    void SetUp() override
    {
        EstacoesServidor::SetUp();
        if (semServidor())
            return;
        banco().executar(QStringLiteral("INSERT INTO CAIXA (DATA_ABERT, HORA_ABERT, USUARIO, ATUAL) "
                                        "VALUES (CURRENT_DATE, '08:00', 'ADMIN', 100)"));
        agua = banco()
                   .valor(QStringLiteral("INSERT INTO PRODUTOS_SERVICOS (DESCRICAO, VALOR, ESTOQUE, FAB_PROPRIA) "
                                         "VALUES ('ÁGUA', 3, 1000, 'N') RETURNING ID_P_S"))
                   .toLongLong();
    }

    QString caixa() { return banco().ler(QStringLiteral("SELECT ATUAL FROM CAIXA")).dinheiro(QStringLiteral("ATUAL")).formatado(); }
    int estoque() { return int(contar(QStringLiteral("SELECT ESTOQUE FROM PRODUTOS_SERVICOS WHERE ID_P_S = ?"), {agua})); }

    // A sale of 2 × 5,00 paid in cash, saved here.
    qint64 venda(bool varias)
    {
        Item i;
        i.produto = agua;
        i.qtd = 2;
        i.valorUnit = Dinheiro::deReais(5);
        Pagamento p;
        p.meios[0] = Dinheiro::deReais(10);
        const Gravacao g = varias ? gravarVarias(DM->Conexao, {i}, Dinheiro::deReais(10), p)
                                  : gravarIndividual(DM->Conexao, i, Dinheiro::deReais(10), p);
        EXPECT_TRUE(g.gravada());
        return g.id;
    }

    // One agent started now, released at `inicio`.
    std::unique_ptr<QProcess> agente(const QString &operacao, const QString &argumento, qint64 inicio)
    {
        auto p = std::make_unique<QProcess>();
        p->setStandardInputFile(QProcess::nullDevice());
        p->start(qEnvironmentVariable("ZV_AGENTE"), {m_banco, QString::number(inicio), operacao, QStringLiteral("1"),
                                                     argumento});
        return p;
    }
    QString saidaDe(QProcess &p)
    {
        EXPECT_TRUE(p.waitForFinished(120000));
        EXPECT_EQ(p.exitCode(), 0) << p.readAllStandardError().toStdString();
        return QString::fromUtf8(p.readAllStandardOutput()).trimmed();
    }

    qint64 agua = 0;
};

} // namespace

TEST_F(DespesasServidor, QuatroEstacoesVendemVariosItensComChavesDistintas)
{
    const QStringList linhas = linhasDosAgentes(4, QStringLiteral("despesa-varias"), 8, QString::number(agua));
    ASSERT_EQ(linhas.size(), 32);
    QSet<QString> chaves;
    for (const QString &l : linhas) {
        ASSERT_TRUE(l.startsWith(QLatin1String("venda="))) << l.toStdString();
        chaves.insert(l);
    }
    EXPECT_EQ(chaves.size(), 32);
    EXPECT_EQ(contar(QStringLiteral("SELECT COUNT(*) FROM V_DESPESA_AVULSA")), 32);
    EXPECT_EQ(contar(QStringLiteral("SELECT COUNT(*) FROM V_I_DESPESA_AVULSA")), 64);
    // Every line carries its own header's key.
    EXPECT_EQ(contar(QStringLiteral("SELECT COUNT(*) FROM V_I_DESPESA_AVULSA I WHERE NOT EXISTS (SELECT 1 FROM "
                                    "V_DESPESA_AVULSA V WHERE V.ID_V_DESPESA_AVULSA = I.ID_V_DESPESA_AVULSA)")),
              0);
    EXPECT_EQ(caixa(), Dinheiro::deCentavos(10000 + 32 * 1050).formatado());
    EXPECT_EQ(estoque(), 1000 - 32 * 3);
}

TEST_F(DespesasServidor, DuasEstacoesExcluemAMesmaVendaUmaVez)
{
    for (const bool varias : {false, true}) {
        SCOPED_TRACE(varias ? "várias" : "individual");
        const qint64 id = venda(varias);
        EXPECT_EQ(caixa(), QStringLiteral("110,00"));
        QStringList linhas = linhasDosAgentes(2, QStringLiteral("excluir-despesa"), 1,
                                              QStringLiteral("%1,%2").arg(varias ? "V" : "I").arg(id));
        linhas.sort();
        EXPECT_EQ(linhas, (QStringList{kMsgJaExcluida, QStringLiteral("excluida")}));
        EXPECT_EQ(caixa(), QStringLiteral("100,00"));
        EXPECT_EQ(estoque(), 1000);
    }
    EXPECT_EQ(caixa(), QStringLiteral("100,00"));
    EXPECT_EQ(contar(QStringLiteral("SELECT COUNT(*) FROM LOG WHERE OPERACAO STARTING WITH 'Excluiu Despesa Avulsa'")), 2);
}

TEST_F(DespesasServidor, ExclusaoSeguraNumLadoEoOutroEAvisadoNasDuasOrdens)
{
    // The other desk deletes first and holds its transaction; this one
    // deletes meanwhile, waits for the lock and is told.
    {
        const qint64 id = venda(false);
        const qint64 inicio = QDateTime::currentMSecsSinceEpoch() + 1500;
        auto outra = agente(QStringLiteral("excluir-despesa"), QStringLiteral("I,%1,2500").arg(id), inicio);
        QThread::msleep(static_cast<unsigned long>(inicio + 800 - QDateTime::currentMSecsSinceEpoch()));
        const Exclusao aqui = excluirIndividual(DM->Conexao, id);
        EXPECT_FALSE(aqui.excluida);
        ASSERT_TRUE(aqui.recusa);
        EXPECT_EQ(aqui.recusa->mensagem, kMsgJaExcluida);
        EXPECT_EQ(saidaDe(*outra), QStringLiteral("excluida"));
        EXPECT_EQ(caixa(), QStringLiteral("100,00"));
        EXPECT_EQ(estoque(), 1000);
    }
    // This desk deletes first and holds; the other one meets the lock.
    {
        const qint64 id = venda(true);
        std::unique_ptr<QProcess> outra;
        Exclusao aqui;
        banco().emTransacao([&] {
            aqui = excluirVarias(DM->Conexao, id);
            outra = agente(QStringLiteral("excluir-despesa"), QStringLiteral("V,%1").arg(id),
                           QDateTime::currentMSecsSinceEpoch() + 300);
            QThread::msleep(3000);
        });
        EXPECT_TRUE(aqui.excluida);
        EXPECT_EQ(saidaDe(*outra), kMsgJaExcluida);
        EXPECT_EQ(caixa(), QStringLiteral("100,00"));
        EXPECT_EQ(estoque(), 1000);
        EXPECT_EQ(contar(QStringLiteral("SELECT COUNT(*) FROM V_I_DESPESA_AVULSA")), 0);
    }
}
