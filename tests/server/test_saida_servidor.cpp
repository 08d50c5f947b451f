// Two workstations check out the same stays at the same moment through the
// Firebird server (two agent processes, tests/agente): each stay is closed
// once and its money booked once.
#include "base/UnitDM.h"
#include "support/BancoTeste.h"

#include <QDateTime>
#include <QFile>
#include <QMap>
#include <QProcess>
#include <gtest/gtest.h>

#include <memory>

namespace {

// What scripts/firebird-teste wrote: the server's address and account.
struct ServidorSaida {
    QString endereco, usuario, senha, pasta, motivo;

    static ServidorSaida ler()
    {
        ServidorSaida s;
        const QString dir = qEnvironmentVariable("ZV_SERVIDOR_TESTE");
        if (dir.isEmpty()) {
            s.motivo = QStringLiteral("ZV_SERVIDOR_TESTE não definido (rode pelo ctest)");
            return s;
        }
        QFile f(dir + QStringLiteral("/servidor.env"));
        if (!f.open(QIODevice::ReadOnly)) {
            s.motivo = QStringLiteral("o servidor de teste não foi iniciado (%1)").arg(f.fileName());
            return s;
        }
        QMap<QString, QString> v;
        for (const QByteArray &l : f.readAll().split('\n')) {
            const qsizetype igual = l.indexOf('=');
            if (igual > 0) {
                QString valor = QString::fromUtf8(l.mid(igual + 1)).trimmed();
                valor.remove(QLatin1Char('\\'));
                if (valor.startsWith(QLatin1String("$'")) && valor.endsWith(QLatin1Char('\'')))
                    valor = valor.mid(2, valor.size() - 3);
                v.insert(QString::fromUtf8(l.left(igual)), valor);
            }
        }
        s.endereco = v.value(QStringLiteral("ZV_FB_ENDERECO"));
        s.usuario = v.value(QStringLiteral("ZV_FB_USUARIO"));
        s.senha = v.value(QStringLiteral("ZV_FB_SENHA"));
        s.pasta = v.value(QStringLiteral("ZV_FB_PASTA"));
        s.motivo = v.value(QStringLiteral("ZV_FB_MOTIVO"));
        if (s.endereco.isEmpty() && s.motivo.isEmpty())
            s.motivo = QStringLiteral("servidor.env sem endereço");
        return s;
    }
};

class SaidaServidor : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_servidor = ServidorSaida::ler();
        if (m_servidor.endereco.isEmpty())
            GTEST_SKIP() << "Sem servidor Firebird: " << m_servidor.motivo.toStdString();
        qputenv("ISC_USER", m_servidor.usuario.toUtf8());
        qputenv("ISC_PASSWORD", m_servidor.senha.toUtf8());
        m_pasta = std::make_unique<QTemporaryDir>(m_servidor.pasta + QStringLiteral("/saida-XXXXXX"));
        ASSERT_TRUE(m_pasta->isValid());
        QFile::setPermissions(m_pasta->path(), QFileDevice::Permissions(0x7777));
        const QString arquivo = copiarBancoModelo(m_pasta->path());
        QFile::setPermissions(arquivo, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::WriteGroup
                                           | QFile::ReadOther | QFile::WriteOther);
        m_banco = m_servidor.endereco + QLatin1Char(':') + arquivo;
        m_dm = std::make_unique<TDM>();
        DM = m_dm.get();
        m_dm->Conexao.definirCaminho(m_banco);
        m_dm->Conexao.conectar();
    }
    void TearDown() override
    {
        if (m_dm)
            m_dm->Conexao.desconectar();
        m_dm.reset();
        DM = nullptr;
        m_pasta.reset();
        qunsetenv("ISC_USER");
        qunsetenv("ISC_PASSWORD");
    }

    ConexaoBanco &banco() { return m_dm->Conexao; }

    // Starts `quantos` agents released at the same moment; their output lines.
    QList<QStringList> rodarAgentes(int quantos, const QString &operacao, int vezes, const QString &argumento)
    {
        const QString agente = qEnvironmentVariable("ZV_AGENTE");
        EXPECT_FALSE(agente.isEmpty()) << "ZV_AGENTE não definido";
        const qint64 inicio = QDateTime::currentMSecsSinceEpoch() + 2500;
        std::vector<std::unique_ptr<QProcess>> processos;
        for (int i = 0; i < quantos; ++i) {
            auto p = std::make_unique<QProcess>();
            p->setStandardInputFile(QProcess::nullDevice());
            p->start(agente, {m_banco, QString::number(inicio), operacao, QString::number(vezes), argumento});
            processos.push_back(std::move(p));
        }
        QList<QStringList> saidas;
        for (auto &p : processos) {
            int codigo = -1;
            if (p->waitForFinished(180000) && p->exitStatus() == QProcess::NormalExit)
                codigo = p->exitCode();
            else
                p->kill();
            QStringList linhas;
            for (const QByteArray &l : p->readAllStandardOutput().split('\n'))
                if (!l.isEmpty())
                    linhas << QString::fromUtf8(l);
            EXPECT_EQ(codigo, 0) << linhas.join(QLatin1Char('\n')).toStdString()
                                 << p->readAllStandardError().toStdString();
            saidas << linhas;
        }
        return saidas;
    }

    ServidorSaida m_servidor;
    std::unique_ptr<QTemporaryDir> m_pasta;
    std::unique_ptr<TDM> m_dm;
    QString m_banco;
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
