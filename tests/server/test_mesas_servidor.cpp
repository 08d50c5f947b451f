// The restaurant board on several terminals through the Firebird server:
// agent processes (tests/agente) open the same table, or merge a table while
// another terminal orders on it, at the same moment or with one side's
// transaction held open while the other runs.
#include "base/UnitDM.h"
#include "restaurant/Mesas.h"
#include "EstacoesServidor.h"

#include <QProcess>
#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace {

class MesasServidor : public EstacoesServidor {
protected:
    void SetUp() override
    {
        EstacoesServidor::SetUp();
        if (semServidor())
            return;
        for (int i = 1; i <= 8; ++i)
            banco().executar(QStringLiteral("INSERT INTO MESA (DESCRICAO) VALUES (?)"), {QStringLiteral("MESA %1").arg(i)});
    }

    struct Agente {
        QString operacao, argumento;
        int vezes = 1;
    };
    // Agents with their own operations, released at the same moment; the
    // lines each printed.
    QList<QStringList> rodar(const QList<Agente> &agentes)
    {
        const QString programa = qEnvironmentVariable("ZV_AGENTE");
        EXPECT_FALSE(programa.isEmpty()) << "ZV_AGENTE não definido";
        const qint64 inicio = QDateTime::currentMSecsSinceEpoch() + 2500;
        std::vector<std::unique_ptr<QProcess>> ps;
        for (const Agente &a : agentes) {
            auto p = std::make_unique<QProcess>();
            p->setStandardInputFile(QProcess::nullDevice());
            p->start(programa, {m_banco, QString::number(inicio), a.operacao, QString::number(a.vezes), a.argumento});
            ps.push_back(std::move(p));
        }
        QList<QStringList> saidas;
        for (auto &p : ps) {
            const bool fim = p->waitForFinished(120000);
            if (!fim)
                p->kill();
            QStringList linhas;
            for (const QByteArray &l : p->readAllStandardOutput().split('\n'))
                if (!l.isEmpty())
                    linhas << QString::fromUtf8(l);
            EXPECT_TRUE(fim && p->exitCode() == 0) << linhas.join(QLatin1Char('\n')).toStdString()
                                                    << p->readAllStandardError().toStdString();
            saidas << linhas;
        }
        return saidas;
    }

    qint64 ocupar(qint64 mesa)
    {
        const Mesas::Resultado r = Mesas::abrir(DM->Conexao, mesa, QStringLiteral("1"), QStringLiteral("TESTE"), QDateTime::currentDateTime());
        EXPECT_TRUE(r.feito);
        return r.chave;
    }
    void linha(qint64 abertura)
    {
        banco().executar(QStringLiteral("INSERT INTO CONSUMO (ID_PRODUTO, ID_CHECK_IN, QTD, VALOR_UNIT, DATA, HORA) "
                                        "VALUES (10, ?, 1, 49.9, CURRENT_DATE, CURRENT_TIME)"),
                         {abertura});
    }
    // Lines whose opening no occupied table holds.
    qint64 linhasPerdidas()
    {
        return contar(QStringLiteral("SELECT COUNT(*) FROM CONSUMO C WHERE NOT EXISTS (SELECT 1 FROM MESA M WHERE "
                                     "M.ID_CHECK_IN = C.ID_CHECK_IN AND M.STATUS = 'O')"));
    }
    const Mesas::Textos t = Mesas::Textos::de(false);
};

} // namespace

TEST_F(MesasServidor, DuasEstacoesAbremAMesmaMesa)
{
    // Five tables, each opened by both agents at the same moment.
    const QList<QStringList> s = rodar({{QStringLiteral("abrirmesa"), QStringLiteral("1,0,0"), 5},
                                        {QStringLiteral("abrirmesa"), QStringLiteral("1,0,0"), 5}});
    ASSERT_EQ(s.size(), 2);
    for (int i = 0; i < 5; ++i) {
        const QString a = s[0].value(i), b = s[1].value(i);
        const int abertas = int(a.startsWith(QLatin1String("aberta="))) + int(b.startsWith(QLatin1String("aberta=")));
        EXPECT_EQ(abertas, 1) << a.toStdString() << " / " << b.toStdString();
        EXPECT_TRUE(a.startsWith(QLatin1String("aberta=")) ? b == QStringLiteral("recusa|") + Mesas::msgJaAberta(t, i + 1)
                                                           : a == QStringLiteral("recusa|") + Mesas::msgJaAberta(t, i + 1))
            << a.toStdString() << " / " << b.toStdString();
        // the table holds the opening the winner was told
        const QString vencedor = a.startsWith(QLatin1String("aberta=")) ? a : b;
        EXPECT_EQ(QStringLiteral("aberta=%1").arg(contar(QStringLiteral("SELECT ID_CHECK_IN FROM MESA WHERE ID_MESA = ?"), {i + 1})),
                  vencedor);
    }
    EXPECT_EQ(contar(QStringLiteral("SELECT COUNT(*) FROM CHECK_IN")), 5);
}

TEST_F(MesasServidor, AberturaEsperaATransacaoDaOutraEstacao)
{
    // Both orders: agent 0 holds its opening while agent 1 tries, then the other way.
    for (int primeiro = 0; primeiro < 2; ++primeiro) {
        const qint64 mesa = 6 + primeiro;
        const QString segura = QStringLiteral("%1,1200,0").arg(mesa), espera = QStringLiteral("%1,0,300").arg(mesa);
        QList<Agente> ag{{QStringLiteral("abrirmesa"), primeiro == 0 ? segura : espera},
                         {QStringLiteral("abrirmesa"), primeiro == 0 ? espera : segura}};
        const QList<QStringList> s = rodar(ag);
        ASSERT_EQ(s.size(), 2);
        const QString quemSegura = s[primeiro].value(0), quemEspera = s[1 - primeiro].value(0);
        EXPECT_TRUE(quemSegura.startsWith(QLatin1String("aberta="))) << quemSegura.toStdString();
        EXPECT_EQ(quemEspera, QStringLiteral("recusa|") + Mesas::msgJaAberta(t, mesa));
        EXPECT_EQ(contar(QStringLiteral("SELECT COUNT(*) FROM CHECK_IN C JOIN MESA M ON M.ID_CHECK_IN = C.ID_CHECK_IN "
                                        "WHERE M.ID_MESA = ?"),
                         {mesa}),
                  1);
    }
    EXPECT_EQ(contar(QStringLiteral("SELECT COUNT(*) FROM CHECK_IN")), 2);
}

TEST_F(MesasServidor, JuntarEnquantoOutraEstacaoPede)
{
    struct Caso {
        const char *nome;
        QString pedido, juntar;
        bool pedidoGravado;
    };
    // The order's transaction held while the merge runs: the merge waits
    // and takes the new line along. The merge's held while the order runs:
    // the order finds table 3 no longer open and stores nothing.
    const Caso casos[] = {
        {"pedido segura", QStringLiteral("3,4,1200,0"), QStringLiteral("3,7,0,300"), true},
        {"junção segura", QStringLiteral("3,4,0,300"), QStringLiteral("3,7,1200,0"), false},
    };
    for (const Caso &c : casos) {
        SCOPED_TRACE(c.nome);
        banco().executar(QStringLiteral("DELETE FROM CONSUMO"));
        banco().executar(QStringLiteral("UPDATE MESA SET STATUS = 'L'"));
        const qint64 de = ocupar(3), para = ocupar(7);
        linha(de);
        linha(de);
        linha(para);
        const QList<QStringList> s = rodar({{QStringLiteral("pedido"), c.pedido}, {QStringLiteral("juntar"), c.juntar}});
        ASSERT_EQ(s.size(), 2);
        EXPECT_EQ(s[1].value(0), QStringLiteral("feito"));
        EXPECT_EQ(s[0].value(0), c.pedidoGravado ? QStringLiteral("gravado")
                                                 : QStringLiteral("recusa|") + Mesas::msgMesaMudou(t, 3));
        EXPECT_EQ(contar(QStringLiteral("SELECT COUNT(*) FROM CONSUMO WHERE ID_CHECK_IN = ?"), {para}),
                  c.pedidoGravado ? 4 : 3);
        EXPECT_EQ(contar(QStringLiteral("SELECT COUNT(*) FROM CONSUMO WHERE ID_CHECK_IN = ?"), {de}), 0);
        EXPECT_EQ(linhasPerdidas(), 0);
    }
}

TEST_F(MesasServidor, PedidosEmRajadaDuranteAJuncao)
{
    const qint64 de = ocupar(3), para = ocupar(7);
    linha(para);
    // Twenty orders on table 3 while, a moment later, table 3 merges into 7.
    const QList<QStringList> s = rodar({{QStringLiteral("pedido"), QStringLiteral("3,4,0,0"), 20},
                                        {QStringLiteral("juntar"), QStringLiteral("3,7,0,150")}});
    ASSERT_EQ(s.size(), 2);
    ASSERT_EQ(s[0].size(), 20);
    EXPECT_EQ(s[1].value(0), QStringLiteral("feito"));
    const qint64 gravados = s[0].count(QStringLiteral("gravado"));
    for (const QString &l : s[0])
        if (l != QLatin1String("gravado"))
            EXPECT_EQ(l, QStringLiteral("recusa|") + Mesas::msgMesaMudou(t, 3));
    // every stored line counted once, on the opening of table 7
    EXPECT_EQ(contar(QStringLiteral("SELECT COUNT(*) FROM CONSUMO")), gravados + 1);
    EXPECT_EQ(contar(QStringLiteral("SELECT COUNT(*) FROM CONSUMO WHERE ID_CHECK_IN = ?"), {para}), gravados + 1);
    EXPECT_EQ(contar(QStringLiteral("SELECT COUNT(*) FROM CONSUMO WHERE ID_CHECK_IN = ?"), {de}), 0);
    EXPECT_EQ(linhasPerdidas(), 0);
}
