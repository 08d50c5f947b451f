// The payroll from several workstations through the Firebird server: agent
// processes (tests/agente) generate one month at the same moment (each
// employee gets one salary and one contribution entry) and delete one paid
// entry together (its money goes back into the cash once), also with one
// side's transaction held open while the other runs, in both orders.
#include "base/UnitDM.h"
#include "staff/FolhaPagamento.h"
#include "staff/PagamentoFuncionarios.h"
#include "EstacoesServidor.h"

#include <QDateTime>
#include <QProcess>
#include <QThread>

#include <memory>

namespace {

class FolhaServidor : public EstacoesServidor {
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

    void funcionarios(int n)
    {
        banco().emTransacao([&] {
            for (int i = 0; i < n; ++i)
                banco().executar(QStringLiteral("INSERT INTO FUNCIONARIO (NOME, CPF, SALARIO_BASE, INSS) "
                                                "VALUES (?, '111.111.111-11', ?, 9)"),
                                 {QStringLiteral("FUNCIONARIO %1").arg(i, 4, 10, QLatin1Char('0')), 1000 + i});
        });
    }

    // Employees with other than one salary and one contribution entry in the month.
    qint64 foraDoPadrao(int mes, int ano)
    {
        return contar(QStringLiteral(
                          "SELECT COUNT(*) FROM FUNCIONARIO F WHERE "
                          "(SELECT COUNT(*) FROM FUNCIONARIO_PAGAMENTO P WHERE P.ID_FUNCIONARIO_PAGAMENTO = "
                          "F.ID_FUNCIONARIO AND P.DESCRICAO = 'SALARIO CONTRATUAL' AND EXTRACT(MONTH FROM P.DATA_VENC) "
                          "= ? AND EXTRACT(YEAR FROM P.DATA_VENC) = ?) <> 1 OR "
                          "(SELECT COUNT(*) FROM FUNCIONARIO_PAGAMENTO P WHERE P.ID_FUNCIONARIO_PAGAMENTO = "
                          "F.ID_FUNCIONARIO AND P.DESCRICAO = 'I.N.S.S.' AND EXTRACT(MONTH FROM P.DATA_VENC) "
                          "= ? AND EXTRACT(YEAR FROM P.DATA_VENC) = ?) <> 1"),
                      {mes, ano, mes, ano});
    }

    // A paid entry of 30,00 whose money already left the cash.
    qint64 pago()
    {
        const qint64 f = banco()
                             .valor(QStringLiteral("INSERT INTO FUNCIONARIO (NOME, CPF) VALUES ('PAGO', "
                                                   "'111.111.111-11') RETURNING ID_FUNCIONARIO"))
                             .toLongLong();
        return banco()
            .valor(QStringLiteral("INSERT INTO FUNCIONARIO_PAGAMENTO (ID_FUNCIONARIO_PAGAMENTO, DATA_VENC, TIPO, "
                                  "DESCRICAO, VALOR, DATA_PAG) VALUES (?, CURRENT_DATE, '-', 'VALE', 30, "
                                  "CURRENT_DATE) RETURNING COD_GERAL_F_P"),
                   {f})
            .toLongLong();
    }

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
};

} // namespace

TEST_F(FolhaServidor, DuasEstacoesGerandoOMesmoMesDaoUmConjunto)
{
    if (semServidor())
        GTEST_SKIP();
    funcionarios(150);
    for (int mes : {3, 4, 5}) {
        SCOPED_TRACE(mes);
        QStringList linhas = linhasDosAgentes(2, QStringLiteral("gerar-folha"), 1, QStringLiteral("%1/2025").arg(mes, 2, 10, QLatin1Char('0')));
        linhas.sort();
        EXPECT_EQ(linhas, (QStringList{QStringLiteral("gerada=150"), QStringLiteral("ja-gerada")}));
        EXPECT_EQ(foraDoPadrao(mes, 2025), 0);
    }
}

TEST_F(FolhaServidor, GeracaoSeguraNumLadoEaOutraEncontraOMesGerado)
{
    if (semServidor())
        GTEST_SKIP();
    funcionarios(20);
    // This workstation generates and holds its transaction; the other waits.
    std::unique_ptr<QProcess> outra;
    banco().emTransacao([&] {
        EXPECT_EQ(FolhaPagamento::gerar(DM->Conexao, 6, 2025).funcionarios, 20);
        outra = agente(QStringLiteral("gerar-folha"), QStringLiteral("06/2025"), QDateTime::currentMSecsSinceEpoch() + 300);
        QThread::msleep(3000);
    });
    EXPECT_EQ(saidaDe(*outra), QStringLiteral("ja-gerada"));
    // The other one first, held open; this one waits and finds it done.
    const qint64 inicio = QDateTime::currentMSecsSinceEpoch() + 1500;
    outra = agente(QStringLiteral("gerar-folha"), QStringLiteral("07/2025,2500"), inicio);
    QThread::msleep(static_cast<unsigned long>(inicio + 800 - QDateTime::currentMSecsSinceEpoch()));
    EXPECT_EQ(FolhaPagamento::gerar(DM->Conexao, 7, 2025).situacao, FolhaPagamento::Geracao::Situacao::JaGerada);
    EXPECT_EQ(saidaDe(*outra), QStringLiteral("gerada=20"));
    EXPECT_EQ(foraDoPadrao(6, 2025), 0);
    EXPECT_EQ(foraDoPadrao(7, 2025), 0);
}

TEST_F(FolhaServidor, DuasEstacoesExcluemOPagoEOCaixaVoltaUmaVez)
{
    if (semServidor())
        GTEST_SKIP();
    for (int rodada = 0; rodada < 3; ++rodada) {
        SCOPED_TRACE(rodada);
        const qint64 k = pago();
        const QStringList linhas = linhasDosAgentes(2, QStringLiteral("excluir-pagamento"), 1, QString::number(k));
        EXPECT_EQ(linhas.count(QStringLiteral("excluido")), 1) << linhas.join(QLatin1Char('|')).toStdString();
        for (const QString &l : linhas)
            EXPECT_TRUE(l == QLatin1String("excluido") || l == PagamentoFuncionarios::kMsgMudouEmOutraEstacao
                        || l == QLatin1String("sem lancamento"))
                << l.toStdString();
        EXPECT_EQ(caixa(), QStringLiteral("%1,00").arg(130 + 30 * rodada));
    }
}

TEST_F(FolhaServidor, ExclusaoSeguraNumLadoEaOutraEAvisadaNasDuasOrdens)
{
    if (semServidor())
        GTEST_SKIP();
    // The other desk deletes first and holds; this one meets its lock.
    {
        const qint64 k = pago();
        const PagamentoFuncionarios::Lancamento mostrado = *PagamentoFuncionarios::ler(DM->Conexao, k);
        const qint64 inicio = QDateTime::currentMSecsSinceEpoch() + 1500;
        auto outra = agente(QStringLiteral("excluir-pagamento"), QStringLiteral("%1,2500").arg(k), inicio);
        QThread::msleep(static_cast<unsigned long>(inicio + 800 - QDateTime::currentMSecsSinceEpoch()));
        const PagamentoFuncionarios::Resultado aqui = PagamentoFuncionarios::excluir(DM->Conexao, mostrado, QStringLiteral("PAGO"));
        EXPECT_FALSE(aqui.feito);
        EXPECT_EQ(aqui.mensagem, PagamentoFuncionarios::kMsgMudouEmOutraEstacao);
        EXPECT_EQ(saidaDe(*outra), QStringLiteral("excluido"));
        EXPECT_EQ(caixa(), QStringLiteral("130,00"));
    }
    // This desk deletes first and holds; the other one is told.
    {
        const qint64 k = pago();
        const PagamentoFuncionarios::Lancamento mostrado = *PagamentoFuncionarios::ler(DM->Conexao, k);
        std::unique_ptr<QProcess> outra;
        PagamentoFuncionarios::Resultado aqui;
        banco().emTransacao([&] {
            aqui = PagamentoFuncionarios::excluir(DM->Conexao, mostrado, QStringLiteral("PAGO"));
            outra = agente(QStringLiteral("excluir-pagamento"), QString::number(k),
                           QDateTime::currentMSecsSinceEpoch() + 300);
            QThread::msleep(3000);
        });
        EXPECT_TRUE(aqui.feito);
        const QString dela = saidaDe(*outra);
        EXPECT_TRUE(dela == PagamentoFuncionarios::kMsgMudouEmOutraEstacao || dela == QLatin1String("sem lancamento"))
            << dela.toStdString();
        EXPECT_EQ(caixa(), QStringLiteral("160,00"));
    }
}
