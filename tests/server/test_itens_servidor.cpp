// Stock movements from several workstations through the Firebird server:
// agents (tests/agente) moving one item at the same moment are all counted
// in the stock and in the history, also when one side holds its transaction
// open while the other moves, in both orders.
#include "base/Sessao.h"
#include "base/UnitDM.h"
#include "restaurant/Itens.h"
#include "EstacoesServidor.h"

#include <QDateTime>
#include <QProcess>
#include <QThread>
#include <gtest/gtest.h>

#include <memory>

namespace {

class ItensServidor : public EstacoesServidor {
protected:
    void SetUp() override
    {
        EstacoesServidor::SetUp();
        if (semServidor())
            return;
        Sessao::atual().login = QStringLiteral("ADMIN");
        toalha = banco()
                     .valor(QStringLiteral("INSERT INTO ITEM (DESCRICAO, ESTOQUE, VALOR) VALUES ('TOALHA', 100, 5) "
                                           "RETURNING ID_ITEM"))
                     .toLongLong();
    }

    qint64 estoque() { return contar(QStringLiteral("SELECT ESTOQUE FROM ITEM WHERE ID_ITEM = ?"), {toalha}); }
    qint64 historicos(const char *tipo)
    {
        return contar(QStringLiteral("SELECT COUNT(*) FROM ITEM_HISTORICO WHERE ID_ITEM = ? AND TIPO = ?"),
                      {toalha, QString::fromLatin1(tipo)});
    }
    // A movement made here, as the list's panel makes it.
    bool mover(Itens::TipoMovimento tipo, const QString &qtd)
    {
        Itens::Movimento m;
        m.chave = toalha;
        m.itemPainel = Itens::textoItem(toalha, QStringLiteral("TOALHA"), estoque());
        m.tipo = tipo;
        m.quantidade = qtd;
        m.justificativa = QStringLiteral("AQUI");
        return Itens::movimentar(banco(), m).salvo;
    }
    std::unique_ptr<QProcess> agente(const QString &argumento, qint64 inicio)
    {
        auto p = std::make_unique<QProcess>();
        p->setStandardInputFile(QProcess::nullDevice());
        p->start(qEnvironmentVariable("ZV_AGENTE"),
                 {m_banco, QString::number(inicio), QStringLiteral("movitem"), QStringLiteral("1"), argumento});
        return p;
    }
    QString saidaDe(QProcess &p)
    {
        EXPECT_TRUE(p.waitForFinished(120000));
        EXPECT_EQ(p.exitCode(), 0) << p.readAllStandardError().toStdString();
        return QString::fromUtf8(p.readAllStandardOutput()).trimmed();
    }

    qint64 toalha = 0;
};

} // namespace

TEST_F(ItensServidor, QuatroEstacoesMovemOMesmoItemTodasContam)
{
    // Two add 3 at a time, two withdraw 2 at a time, ten times each.
    {
        const QString agenteBin = qEnvironmentVariable("ZV_AGENTE");
        const qint64 inicio = QDateTime::currentMSecsSinceEpoch() + 2500;
        std::vector<std::unique_ptr<QProcess>> ps;
        for (const char *arg : {"A,3", "A,3", "B,2", "B,2"}) {
            auto p = std::make_unique<QProcess>();
            p->setStandardInputFile(QProcess::nullDevice());
            p->start(agenteBin, {m_banco, QString::number(inicio), QStringLiteral("movitem"), QStringLiteral("10"),
                                 QStringLiteral("%1,%2,0,0").arg(toalha).arg(QString::fromLatin1(arg))});
            ps.push_back(std::move(p));
        }
        for (auto &p : ps) {
            ASSERT_TRUE(p->waitForFinished(180000));
            EXPECT_EQ(p->exitCode(), 0) << p->readAllStandardError().toStdString();
            const QStringList linhas = QString::fromUtf8(p->readAllStandardOutput()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
            EXPECT_EQ(linhas, QStringList(10, QStringLiteral("movido")));
        }
    }
    EXPECT_EQ(estoque(), 100 + 20 * 3 - 20 * 2);
    EXPECT_EQ(historicos("+"), 20);
    EXPECT_EQ(historicos("-"), 20);
    EXPECT_EQ(contar(QStringLiteral("SELECT COUNT(*) FROM LOG WHERE OPERACAO STARTING WITH 'Realizou Movimenta'")), 40);
}

TEST_F(ItensServidor, TransacaoSeguraNumLadoOutroEsperaEContaNasDuasOrdens)
{
    // The other desk withdraws 5 first and holds its transaction; this one adds 3 meanwhile.
    {
        const qint64 inicio = QDateTime::currentMSecsSinceEpoch() + 1500;
        auto outra = agente(QStringLiteral("%1,B,5,2500,0").arg(toalha), inicio);
        QThread::msleep(static_cast<unsigned long>(qMax<qint64>(0, inicio + 800 - QDateTime::currentMSecsSinceEpoch())));
        EXPECT_TRUE(mover(Itens::TipoMovimento::Adicao, QStringLiteral("3")));
        EXPECT_EQ(saidaDe(*outra), QStringLiteral("movido"));
        EXPECT_EQ(estoque(), 98);
        EXPECT_EQ(historicos("-"), 1);
        EXPECT_EQ(historicos("+"), 1);
    }
    // This desk withdraws 7 first and holds; the other one adds 4 meanwhile.
    {
        std::unique_ptr<QProcess> outra;
        banco().emTransacao([&] {
            EXPECT_TRUE(mover(Itens::TipoMovimento::Baixa, QStringLiteral("7")));
            outra = agente(QStringLiteral("%1,A,4,0,0").arg(toalha), QDateTime::currentMSecsSinceEpoch() + 300);
            QThread::msleep(3000);
        });
        EXPECT_EQ(saidaDe(*outra), QStringLiteral("movido"));
        EXPECT_EQ(estoque(), 95);
        EXPECT_EQ(historicos("-"), 2);
        EXPECT_EQ(historicos("+"), 2);
    }
}
