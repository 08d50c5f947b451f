// A table's account on several terminals through the Firebird server: agent
// processes (tests/agente, ops "dav", "pedido", "parcial") hand one table over
// together, order on it while it is handed over, and take partial payments
// on it, at the same moment or with one side's transaction held open while
// the other runs, in both orders.
#include "EstacoesServidor.h"
#include "restaurant/Consumos.h"
#include "restaurant/Mesas.h"

#include <QDir>

namespace {

class ConsumosServidor : public EstacoesServidor {
protected:
    void SetUp() override
    {
        EstacoesServidor::SetUp();
        if (semServidor())
            return;
        const QString pasta = m_pasta->path() + QStringLiteral("/pdv");
        QDir().mkpath(pasta);
        QFile::setPermissions(pasta, QFileDevice::Permissions(0x7777));
        const QString arquivo = copiarBancoModelo(pasta, QStringLiteral("companion-pdv.fdb"));
        QFile::setPermissions(arquivo, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::WriteGroup
                                           | QFile::ReadOther | QFile::WriteOther);
        m_pdv = m_servidor.endereco + QLatin1Char(':') + arquivo;
        m_dm->ConexaoPDV.definirCaminho(m_pdv);
        for (int i = 1; i <= 4; ++i)
            banco().executar(QStringLiteral("INSERT INTO MESA (DESCRICAO) VALUES (?)"), {QStringLiteral("MESA %1").arg(i)});
        banco().executar(QStringLiteral("INSERT INTO PRODUTO (ID_PRODUTO, REFERENCIA, DESCRICAO, VALOR_VENDA, "
                                        "ID_GRUPO_PRODUTO, EMBALAGEM, UN_MEDIDA, SIT_TRIBUT) "
                                        "VALUES (103, '103', 'REFRIGERANTE', 10, 1, 'N', 'UN', '17')"));
        banco().executar(QStringLiteral("UPDATE PARAMETROS SET TAXA_ATEND = 10, UTILIZA_FISCAL = 'S'"));
    }
    void TearDown() override
    {
        if (m_dm)
            m_dm->ConexaoPDV.desconectar();
        EstacoesServidor::TearDown();
    }
    ConexaoBanco &pdv()
    {
        m_dm->ConexaoPDV.garantirConectada();
        return m_dm->ConexaoPDV;
    }

    // Table `mesa` opened with `linhas` lines of 1 × 10,00.
    qint64 ocupar(qint64 mesa, int linhas)
    {
        const Mesas::Resultado r = Mesas::abrir(DM->Conexao, mesa, QStringLiteral("1"), QStringLiteral("CLIENTE"), QDateTime::currentDateTime());
        EXPECT_TRUE(r.feito) << r.mensagem.toStdString();
        for (int i = 0; i < linhas; ++i)
            banco().executar(QStringLiteral("INSERT INTO CONSUMO (ID_PRODUTO, ID_CHECK_IN, QTD, VALOR_UNIT, DATA, HORA, "
                                            "VIAGEM, TAXA_EMBALAGEM) VALUES (103, ?, 1, 10, CURRENT_DATE, CURRENT_TIME, "
                                            "'N', 0)"),
                             {r.chave});
        return r.chave;
    }

    struct Agente {
        QString operacao, argumento;
        int vezes = 1;
    };
    // Agents with their own operations released at the same moment; the
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
    // "dav" argument: table, hold, delay, the point of sale's database.
    QString dav(qint64 mesa, int segura, int atraso) const
    {
        return QStringLiteral("%1,%2,%3,%4").arg(mesa).arg(segura).arg(atraso).arg(m_pdv);
    }
    qint64 documentos(qint64 chk)
    {
        return pdv()
            .valor(QStringLiteral("SELECT COUNT(*) FROM ORCAMENTO WHERE OBS LIKE CAST(? AS VARCHAR(200))"),
                   {QStringLiteral("%- CHK ") + QString::number(chk)})
            .toLongLong();
    }

    QString m_pdv;
};

} // namespace

TEST_F(ConsumosServidor, DuasEstacoesEntregamAMesmaMesaUmDocumento)
{
    struct Caso {
        const char *nome;
        int seguraA, atrasoA, seguraB, atrasoB;
        int vencedor; // -1: either
    };
    // Together; A holds its hand-over while B tries; B holds while A tries.
    const Caso casos[] = {{"juntas", 0, 0, 0, 0, -1}, {"A segura", 1200, 0, 0, 300, 0}, {"B segura", 0, 300, 1200, 0, 1}};
    qint64 mesa = 0;
    for (const Caso &c : casos) {
        SCOPED_TRACE(c.nome);
        ++mesa;
        const qint64 chk = ocupar(mesa, 2);
        const QList<QStringList> s = rodar({{QStringLiteral("dav"), dav(mesa, c.seguraA, c.atrasoA)},
                                            {QStringLiteral("dav"), dav(mesa, c.seguraB, c.atrasoB)}});
        ASSERT_EQ(s.size(), 2);
        const QString a = s[0].value(0), b = s[1].value(0);
        const int feitos = int(a.startsWith(QLatin1String("dav="))) + int(b.startsWith(QLatin1String("dav=")));
        ASSERT_EQ(feitos, 1) << a.toStdString() << " / " << b.toStdString();
        const QString vencedor = a.startsWith(QLatin1String("dav=")) ? a : b;
        const QString perdedor = a.startsWith(QLatin1String("dav=")) ? b : a;
        if (c.vencedor >= 0)
            EXPECT_EQ(vencedor, s[c.vencedor].value(0));
        EXPECT_EQ(perdedor, QStringLiteral("recusa|") + Consumos::kMsgContaEncerrada);
        EXPECT_EQ(documentos(chk), 1);
        const qint64 doc = vencedor.mid(4).toLongLong();
        EXPECT_EQ(pdv().valor(QStringLiteral("SELECT COUNT(*) FROM ITEMORCAMENTO WHERE CODIGO = ?"), {doc}).toLongLong(), 2);
        EXPECT_EQ(pdv().valor(QStringLiteral("SELECT CAST(VALOR AS VARCHAR(20)) FROM ORCAMENTO WHERE CODIGO = ?"), {doc})
                      .toString(),
                  QStringLiteral("22.00"));
        EXPECT_EQ(Mesas::lerMesa(DM->Conexao, mesa)->status, QStringLiteral("L"));
    }
}

TEST_F(ConsumosServidor, PedidoDuranteAEntregaFicaNoDocumentoOuERecusado)
{
    struct Caso {
        const char *nome;
        QString pedido;
        int seguraDav, atrasoDav;
        bool pedidoGravado;
    };
    // The order's transaction held while the hand-over runs: the hand-over
    // waits and sends the new line, in VALOR and in the items. The
    // hand-over's held while the order runs: the order finds the table free.
    const Caso casos[] = {
        {"pedido segura", QStringLiteral("%1,103,1200,0"), 0, 300, true},
        {"entrega segura", QStringLiteral("%1,103,0,300"), 1200, 0, false},
    };
    const Mesas::Textos t = Mesas::Textos::de(false);
    qint64 mesa = 0;
    for (const Caso &c : casos) {
        SCOPED_TRACE(c.nome);
        ++mesa;
        const qint64 chk = ocupar(mesa, 2);
        const QList<QStringList> s = rodar({{QStringLiteral("pedido"), c.pedido.arg(mesa)},
                                            {QStringLiteral("dav"), dav(mesa, c.seguraDav, c.atrasoDav)}});
        ASSERT_EQ(s.size(), 2);
        EXPECT_EQ(s[0].value(0), c.pedidoGravado ? QStringLiteral("gravado")
                                                 : QStringLiteral("recusa|") + Mesas::msgMesaMudou(t, mesa));
        ASSERT_TRUE(s[1].value(0).startsWith(QLatin1String("dav="))) << s[1].value(0).toStdString();
        const qint64 doc = s[1].value(0).mid(4).toLongLong();
        const int linhas = c.pedidoGravado ? 3 : 2;
        EXPECT_EQ(contar(QStringLiteral("SELECT COUNT(*) FROM CONSUMO WHERE ID_CHECK_IN = ?"), {chk}), linhas);
        EXPECT_EQ(pdv().valor(QStringLiteral("SELECT COUNT(*) FROM ITEMORCAMENTO WHERE CODIGO = ?"), {doc}).toLongLong(),
                  linhas);
        // VALOR: the lines sent, with the 10 % fee.
        EXPECT_EQ(pdv().valor(QStringLiteral("SELECT CAST(VALOR AS VARCHAR(20)) FROM ORCAMENTO WHERE CODIGO = ?"), {doc})
                      .toString(),
                  c.pedidoGravado ? QStringLiteral("33.00") : QStringLiteral("22.00"));
        EXPECT_EQ(documentos(chk), 1);
    }
}

TEST_F(ConsumosServidor, PagamentosParciaisNuncaPassamDoTotal)
{
    struct Caso {
        const char *nome;
        int seguraA, atrasoA, seguraB, atrasoB;
        int vencedor;
    };
    // 15,00 from each terminal on a total of 22,00: one is taken, whichever
    // holds its transaction first; the other is refused.
    const Caso casos[] = {{"A segura", 1200, 0, 0, 300, 0}, {"B segura", 0, 300, 1200, 0, 1}};
    qint64 mesa = 0;
    for (const Caso &c : casos) {
        SCOPED_TRACE(c.nome);
        ++mesa;
        const qint64 chk = ocupar(mesa, 2);
        const QList<QStringList> s =
            rodar({{QStringLiteral("parcial"), QStringLiteral("%1,1500,%2,%3").arg(mesa).arg(c.seguraA).arg(c.atrasoA)},
                   {QStringLiteral("parcial"), QStringLiteral("%1,1500,%2,%3").arg(mesa).arg(c.seguraB).arg(c.atrasoB)}});
        ASSERT_EQ(s.size(), 2);
        EXPECT_EQ(s[c.vencedor].value(0), QStringLiteral("pago=15,00"));
        EXPECT_EQ(s[1 - c.vencedor].value(0), QStringLiteral("recusa|") + Consumos::kMsgParcialMaior);
        EXPECT_EQ(Consumos::lerAbertura(DM->Conexao, chk).pagParcial.formatado(), QStringLiteral("15,00"));
    }

    // Five payments of 3,00 from each of two terminals at once on 22,00:
    // seven are taken (21,00), three refused.
    ++mesa;
    const qint64 chk = ocupar(mesa, 2);
    const QString arg = QStringLiteral("%1,300,0,0").arg(mesa);
    const QList<QStringList> s = rodar({{QStringLiteral("parcial"), arg, 5}, {QStringLiteral("parcial"), arg, 5}});
    ASSERT_EQ(s.size(), 2);
    const QStringList todas = s[0] + s[1];
    ASSERT_EQ(todas.size(), 10);
    int pagos = 0;
    for (const QString &l : todas) {
        if (l.startsWith(QLatin1String("pago=")))
            ++pagos;
        else
            EXPECT_EQ(l, QStringLiteral("recusa|") + Consumos::kMsgParcialMaior);
    }
    EXPECT_EQ(pagos, 7);
    EXPECT_EQ(Consumos::lerAbertura(DM->Conexao, chk).pagParcial.formatado(), QStringLiteral("21,00"));
}
