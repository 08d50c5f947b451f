#pragma once
// The fixture of the tests that put several workstations on one database
// through the Firebird server: a fresh copy of the template database on the
// test server (scripts/firebird-teste wrote its address and account into
// servidor.env), this process connected to it, and agent processes
// (tests/agente) released at the same moment on the same database.
#include "base/UnitDM.h"
#include "support/BancoTeste.h"

#include <QDateTime>
#include <QFile>
#include <QMap>
#include <QProcess>
#include <QStringList>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <memory>
#include <vector>

// Readable texts in failure messages.
inline void PrintTo(const QString &s, std::ostream *os) { *os << '"' << s.toStdString() << '"'; }

// What scripts/firebird-teste wrote: the server's address and account, or
// why there is none.
struct ServidorTeste {
    QString endereco, usuario, senha, pasta, motivo;

    static ServidorTeste ler()
    {
        ServidorTeste s;
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

class EstacoesServidor : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_servidor = ServidorTeste::ler();
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

    // True when SetUp found no server and skipped the test.
    bool semServidor() const { return !m_dm; }

    ConexaoBanco &banco() { return m_dm->Conexao; }

    struct SaidaAgente {
        int codigo = -1;
        QStringList linhas;
    };

    // Starts `quantos` agents with the same operation, all released at the
    // same moment, and waits for them; each must end with exit code 0.
    QList<SaidaAgente> rodarAgentes(int quantos, const QString &operacao, int vezes, const QString &argumento)
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
        QList<SaidaAgente> saidas;
        for (auto &p : processos) {
            SaidaAgente s;
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

    // Every line the agents printed, agent after agent.
    QStringList linhasDosAgentes(int quantos, const QString &operacao, int vezes, const QString &argumento)
    {
        QStringList linhas;
        for (const SaidaAgente &s : rodarAgentes(quantos, operacao, vezes, argumento))
            linhas << s.linhas;
        return linhas;
    }

    qint64 contar(const QString &sql, const Valores &v = {}) { return banco().valor(sql, v).toLongLong(); }

    ServidorTeste m_servidor;
    std::unique_ptr<QTemporaryDir> m_pasta;
    std::unique_ptr<TDM> m_dm;
    QString m_banco;
};
