// Two workstations checking a guest into the same free room at the same
// moment, through the Firebird server: agent processes (tests/agente, op
// "entrada") run the stay form's check-in together; the room gets one stay
// and the other workstation is told the room is taken, with nothing of its
// own left behind.
#include "base/UnitDM.h"
#include "stays/Entrada.h"
#include "support/BancoTeste.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QMap>
#include <QProcess>
#include <QProcessEnvironment>
#include <gtest/gtest.h>

#include <memory>

// Readable texts in failure messages.
inline void PrintTo(const QString &s, std::ostream *os) { *os << '"' << s.toStdString() << '"'; }

namespace {

// What scripts/firebird-teste wrote: the server's address and account, or
// why there is none.
struct Servidor {
    QString endereco, usuario, senha, pasta, motivo;

    static Servidor ler()
    {
        Servidor s;
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
                // printf %q quotes only what needs it; these values have no quotes or blanks but the reason.
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

class EntradaServidor : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_servidor = Servidor::ler();
        if (m_servidor.endereco.isEmpty())
            GTEST_SKIP() << "Sem servidor Firebird para os testes de várias estações: "
                         << m_servidor.motivo.toStdString();
        // The account of the server for this process and the agents.
        qputenv("ISC_USER", m_servidor.usuario.toUtf8());
        qputenv("ISC_PASSWORD", m_servidor.senha.toUtf8());
        m_pasta = std::make_unique<QTemporaryDir>(m_servidor.pasta + QStringLiteral("/teste-XXXXXX"));
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

    struct Saida {
        int codigo = -1;
        QStringList linhas;
    };

    // Starts `quantos` agents with the same operation, all released at the
    // same moment, and waits for them.
    QList<Saida> rodarAgentes(int quantos, const QString &operacao, int vezes, const QString &argumento)
    {
        const QString agente = qEnvironmentVariable("ZV_AGENTE");
        EXPECT_FALSE(agente.isEmpty()) << "ZV_AGENTE não definido";
        // Time for every agent to start and connect before the moment.
        const qint64 inicio = QDateTime::currentMSecsSinceEpoch() + 2500;
        std::vector<std::unique_ptr<QProcess>> processos;
        for (int i = 0; i < quantos; ++i) {
            auto p = std::make_unique<QProcess>();
            p->setProcessChannelMode(QProcess::SeparateChannels);
            p->setStandardInputFile(QProcess::nullDevice());
            p->start(agente, {m_banco, QString::number(inicio), operacao, QString::number(vezes), argumento});
            processos.push_back(std::move(p));
        }
        QList<Saida> saidas;
        for (auto &p : processos) {
            Saida s;
            if (p->waitForFinished(180000) && p->exitStatus() == QProcess::NormalExit)
                s.codigo = p->exitCode();
            else
                p->kill();
            for (const QByteArray &l : p->readAllStandardOutput().split('\n'))
                if (!l.isEmpty())
                    s.linhas << QString::fromUtf8(l);
            const QByteArray erro = p->readAllStandardError();
            EXPECT_EQ(s.codigo, 0) << s.linhas.join(QLatin1Char('\n')).toStdString() << erro.toStdString();
            saidas << s;
        }
        return saidas;
    }

    qint64 contar(const QString &sql, const Valores &v = {}) { return banco().valor(sql, v).toLongLong(); }

    Servidor m_servidor;
    std::unique_ptr<QTemporaryDir> m_pasta;
    std::unique_ptr<TDM> m_dm;
    QString m_banco;
};

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
