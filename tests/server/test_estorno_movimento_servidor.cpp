// Reversals of the financial movement from several workstations through the
// Firebird server: two desks reversing the same cash addition or withdrawal
// at once move the cash once and the other desk is told; also with one
// side's transaction held open while the other runs, in both orders.
#include "base/UnitDM.h"
#include "finance/MovimentoFinanceiro.h"
#include "EstacoesServidor.h"

#include <QDateTime>
#include <QProcess>
#include <QThread>
#include <gtest/gtest.h>

#include <memory>

using namespace MovimentoFinanceiro;

namespace {

class EstornoServidor : public EstacoesServidor {
protected:
    void SetUp() override
    {
        EstacoesServidor::SetUp();
        if (semServidor())
            return;
        banco().executar(QStringLiteral("INSERT INTO CAIXA (DATA_ABERT, HORA_ABERT, USUARIO, ATUAL) "
                                        "VALUES (CURRENT_DATE, '08:00', 'ADMIN', 100)"));
    }

    QString caixa() { return banco().ler(QStringLiteral("SELECT ATUAL FROM CAIXA")).dinheiro(QStringLiteral("ATUAL")).formatado(); }

    // A cash addition (R) or withdrawal (S) of 30,00 and the movement row of it.
    Movimento lancamento(bool reposicao)
    {
        Movimento m;
        m.origem = reposicao ? Origem::Reposicao : Origem::Retirada;
        m.formaPag = QStringLiteral("Dinheiro");
        m.identificador = banco()
                              .valor(reposicao ? QStringLiteral("INSERT INTO ADIC_CAIXA (DATA_ADIC, HORA_ADIC, VALOR, "
                                                                "DESCRICAO, TIPO, USUARIO) VALUES (CURRENT_DATE, "
                                                                "'09:00', 30, 'TROCO', 'Dinheiro', 'ADMIN') "
                                                                "RETURNING ID_ADIC_CAIXA")
                                               : QStringLiteral("INSERT INTO RET_CAIXA (DATA_RET, HORA_RET, VALOR, "
                                                                "DESCRICAO, TIPO, USUARIO) VALUES (CURRENT_DATE, "
                                                                "'09:00', 30, 'SANGRIA', 'Dinheiro', 'ADMIN') "
                                                                "RETURNING ID_RET_CAIXA"))
                              .toString();
        m.tipo = reposicao ? QStringLiteral("Reposição de Caixa -> TROCO (Dinheiro)")
                           : QStringLiteral("Retirada de Caixa - SANGRIA - (Dinheiro)");
        return m;
    }
    qint64 linhas(bool reposicao)
    {
        return contar(reposicao ? QStringLiteral("SELECT COUNT(*) FROM ADIC_CAIXA") : QStringLiteral("SELECT COUNT(*) FROM RET_CAIXA"));
    }
    qint64 logs() { return contar(QStringLiteral("SELECT COUNT(*) FROM LOG WHERE OPERACAO STARTING WITH 'Estornou'")); }

    std::unique_ptr<QProcess> agente(const QString &argumento, qint64 inicio)
    {
        auto p = std::make_unique<QProcess>();
        p->setStandardInputFile(QProcess::nullDevice());
        p->start(qEnvironmentVariable("ZV_AGENTE"),
                 {m_banco, QString::number(inicio), QStringLiteral("estorno"), QStringLiteral("1"), argumento});
        return p;
    }
    QString saidaDe(QProcess &p)
    {
        EXPECT_TRUE(p.waitForFinished(120000));
        EXPECT_EQ(p.exitCode(), 0) << p.readAllStandardError().toStdString();
        return QString::fromUtf8(p.readAllStandardOutput()).trimmed();
    }
};

} // namespace

TEST_F(EstornoServidor, DuasEstacoesEstornamOMesmoLancamentoUmaVez)
{
    struct Caso {
        bool reposicao;
        QString caixaDepois, jaEstornado;
    };
    // An addition reversed takes its 30,00 out of the cash; a withdrawal puts it back.
    const Caso casos[] = {{true, QStringLiteral("70,00"), kMsgReposicaoJaEstornada},
                          {false, QStringLiteral("100,00"), kMsgRetiradaJaEstornada}};
    for (const Caso &c : casos) {
        SCOPED_TRACE(c.reposicao ? "reposição" : "retirada");
        const Movimento m = lancamento(c.reposicao);
        QStringList saidas = linhasDosAgentes(2, QStringLiteral("estorno"), 1,
                                              QStringLiteral("%1,%2,0").arg(c.reposicao ? "R" : "S", m.identificador));
        saidas.sort();
        EXPECT_EQ(saidas, (QStringList{c.jaEstornado, QStringLiteral("feito")}));
        EXPECT_EQ(caixa(), c.caixaDepois);
        EXPECT_EQ(linhas(c.reposicao), 0);
    }
    EXPECT_EQ(logs(), 2);
}

TEST_F(EstornoServidor, UmLadoSeguraEOOutroEAvisadoNasDuasOrdens)
{
    // The other desk reverses first and holds its transaction; this one
    // reverses meanwhile, waits for the lock and is told.
    {
        const Movimento m = lancamento(true);
        const qint64 inicio = QDateTime::currentMSecsSinceEpoch() + 1500;
        auto outra = agente(QStringLiteral("R,%1,2500").arg(m.identificador), inicio);
        QThread::msleep(static_cast<unsigned long>(inicio + 800 - QDateTime::currentMSecsSinceEpoch()));
        const Estorno aqui = estornar(banco(), m);
        EXPECT_EQ(aqui.situacao, Estorno::Situacao::JaEstornado);
        EXPECT_EQ(aqui.mensagem, kMsgReposicaoJaEstornada);
        EXPECT_EQ(saidaDe(*outra), QStringLiteral("feito"));
        EXPECT_EQ(caixa(), QStringLiteral("70,00"));
    }
    // This desk reverses first and holds; the other one meets the lock.
    {
        const Movimento m = lancamento(false);
        std::unique_ptr<QProcess> outra;
        Estorno aqui;
        banco().emTransacao([&] {
            aqui = estornar(banco(), m);
            outra = agente(QStringLiteral("S,%1,0").arg(m.identificador), QDateTime::currentMSecsSinceEpoch() + 300);
            QThread::msleep(3000);
        });
        EXPECT_TRUE(aqui.feito());
        EXPECT_EQ(saidaDe(*outra), kMsgRetiradaJaEstornada);
        EXPECT_EQ(caixa(), QStringLiteral("100,00"));
    }
    EXPECT_EQ(logs(), 2);
    EXPECT_EQ(linhas(true) + linhas(false), 0);
}
