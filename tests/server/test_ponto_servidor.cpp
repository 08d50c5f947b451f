// Two workstations punching the time clock for one employee at the same
// moment, through the Firebird server (agent op "marcar"): each punch fills
// its own expected row and neither overwrites the other; free punches still
// alternate entry and exit.
#include "staff/Ponto.h"
#include "EstacoesServidor.h"

#include <QSet>
#include <QThread>

namespace {

class PontoServidor : public EstacoesServidor {
protected:
    void SetUp() override
    {
        EstacoesServidor::SetUp();
        if (semServidor())
            return;
        funcionario = banco()
                          .valor(QStringLiteral("INSERT INTO FUNCIONARIO (NOME, CPF) VALUES ('ANA PONTO', "
                                                "'529.982.247-25') RETURNING ID_FUNCIONARIO"))
                          .toLongLong();
    }
    // Today's expected rows of the employee: entry and exit of two turns.
    QList<qint64> previstas()
    {
        QList<qint64> ids;
        const QDate hoje = QDate::currentDate();
        for (const auto &[hora, tipo] : {std::pair{QTime(8, 0), "E"}, std::pair{QTime(12, 0), "S"},
                                         std::pair{QTime(13, 0), "E"}, std::pair{QTime(17, 0), "S"}})
            ids << banco()
                       .valor(QStringLiteral("INSERT INTO PONTO (ID_FUNCIONARIO, HORA_DEFINIDA, DATA_DEFINIDA, TIPO) "
                                             "VALUES (?, ?, ?, ?) RETURNING ID_PONTO"),
                              {QString::number(funcionario), hora, hoje, QString::fromLatin1(tipo)})
                       .toLongLong();
        return ids;
    }
    std::unique_ptr<QProcess> agente(const QString &argumento, qint64 inicio)
    {
        auto p = std::make_unique<QProcess>();
        p->setStandardInputFile(QProcess::nullDevice());
        p->start(qEnvironmentVariable("ZV_AGENTE"),
                 {m_banco, QString::number(inicio), QStringLiteral("marcar"), QStringLiteral("1"), argumento});
        return p;
    }
    QString saidaDe(QProcess &p)
    {
        EXPECT_TRUE(p.waitForFinished(120000));
        EXPECT_EQ(p.exitCode(), 0) << p.readAllStandardError().toStdString();
        return QString::fromUtf8(p.readAllStandardOutput()).trimmed();
    }
    // The punch of this workstation.
    Ponto::Registro marcarAqui(Ponto::Modo modo = Ponto::Modo::Previsto)
    {
        Ponto::Pedido p;
        p.funcionario = funcionario;
        p.nome = QStringLiteral("ANA PONTO");
        p.data = p.hoje = QDate::currentDate();
        p.hora = QTime::currentTime();
        p.modo = modo;
        return Ponto::marcar(p);
    }
    qint64 preenchidas()
    {
        return contar(QStringLiteral("SELECT COUNT(*) FROM PONTO WHERE ID_FUNCIONARIO = ? AND DATA IS NOT NULL"),
                      {QString::number(funcionario)});
    }

    qint64 funcionario = 0;
};

} // namespace

TEST_F(PontoServidor, DuasEstacoesMarcamOMesmoFuncionarioEPreenchemDuasLinhas)
{
    const QList<qint64> ids = previstas();
    // Two rounds of two agents at once: the four expected rows, one each.
    QStringList linhas = linhasDosAgentes(2, QStringLiteral("marcar"), 2, QStringLiteral("%1,P").arg(funcionario));
    linhas.sort();
    QStringList esperadas;
    for (int i = 0; i < 4; ++i)
        esperadas << QStringLiteral("chave=%1 tipo=%2").arg(ids[i]).arg(i % 2 ? QStringLiteral("Saída")
                                                                              : QStringLiteral("Entrada"));
    esperadas.sort();
    EXPECT_EQ(linhas, esperadas);
    EXPECT_EQ(preenchidas(), 4);
    EXPECT_EQ(contar(QStringLiteral("SELECT COUNT(*) FROM LOG WHERE OPERACAO STARTING WITH 'Registrou Ponto de '")), 4);
    // Nothing left: both are told the day is done and nothing is written.
    EXPECT_EQ(linhasDosAgentes(2, QStringLiteral("marcar"), 1, QStringLiteral("%1,P").arg(funcionario)),
              (QStringList{QStringLiteral("cumpriu"), QStringLiteral("cumpriu")}));
}

TEST_F(PontoServidor, UmaEstacaoSeguraAMarcacaoEAOutraPreencheALinhaSeguinteNasDuasOrdens)
{
    const QList<qint64> ids = previstas();
    // The other workstation fills the first row and holds its transaction;
    // this one punches meanwhile, waits, and fills the second row.
    {
        const qint64 inicio = QDateTime::currentMSecsSinceEpoch() + 1500;
        auto outra = agente(QStringLiteral("%1,P,2500").arg(funcionario), inicio);
        QThread::msleep(static_cast<unsigned long>(inicio + 800 - QDateTime::currentMSecsSinceEpoch()));
        const Ponto::Registro aqui = marcarAqui();
        EXPECT_EQ(saidaDe(*outra), QStringLiteral("chave=%1 tipo=Entrada").arg(ids[0]));
        EXPECT_EQ(aqui.chave, ids[1]);
        EXPECT_EQ(aqui.tipo, QStringLiteral("Saída"));
    }
    // This workstation fills the third row and holds; the other one waits
    // and fills the fourth.
    {
        std::unique_ptr<QProcess> outra;
        Ponto::Registro aqui;
        banco().emTransacao([&] {
            aqui = marcarAqui();
            outra = agente(QStringLiteral("%1,P").arg(funcionario), QDateTime::currentMSecsSinceEpoch() + 300);
            QThread::msleep(3000);
        });
        EXPECT_EQ(aqui.chave, ids[2]);
        EXPECT_EQ(saidaDe(*outra), QStringLiteral("chave=%1 tipo=Saída").arg(ids[3]));
    }
    EXPECT_EQ(preenchidas(), 4);
    EXPECT_EQ(contar(QStringLiteral("SELECT COUNT(DISTINCT USUARIO) FROM PONTO WHERE DATA IS NOT NULL")), 2);
}

TEST_F(PontoServidor, MarcacoesLivresAoMesmoTempoAlternamEntradaESaida)
{
    QStringList linhas = linhasDosAgentes(2, QStringLiteral("marcar"), 2, QStringLiteral("%1,L").arg(funcionario));
    ASSERT_EQ(linhas.size(), 4);
    const QList<Linha> gravadas = banco().lerTodas(
        QStringLiteral("SELECT TIPO FROM PONTO WHERE ID_FUNCIONARIO = ? ORDER BY ID_PONTO"), {QString::number(funcionario)});
    QString tipos;
    for (const Linha &l : gravadas)
        tipos += l.texto(QStringLiteral("TIPO"));
    EXPECT_EQ(tipos, QStringLiteral("ESES"));
}
