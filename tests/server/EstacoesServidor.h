#pragma once
// The fixture of the tests that put several workstations on one database
// through the Firebird server: a fresh copy of the template database on the
// test server (scripts/firebird-teste wrote its address and account into
// servidor.env), this process connected to it, and agent processes
// (tests/agente) released at the same moment on the same database.
#include "base/UnitDM.h"
#include "finance/ControleCaixa.h"
#include "stays/CalculoEstadia.h"
#include "stays/Pagamentos.h"
#include "support/BancoTeste.h"

#include <QDateTime>
#include <QFile>
#include <QMap>
#include <QProcess>
#include <QProcessEnvironment>
#include <QStringList>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <iostream>
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

    // ------------------------------------------------ the money and the rooms

    // The closed stays whose payments are not exactly what they owe: their
    // nights and consumption lines, minus the discount, plus the addition.
    // One "stay N: owes X, paid Y" line per stay in error.
    QStringList contasFechadasErradas()
    {
        QStringList erradas;
        QString pagos;
        for (const DadosMeioCaixa &m : meiosCaixa())
            pagos += (pagos.isEmpty() ? QString() : QStringLiteral(" + ")) + QStringLiteral("W.")
                + Pagamentos::colunaEstadia(m.meio);
        for (const Linha &w : banco().lerTodas(
                 QStringLiteral("SELECT W.ID_WALK_IN, W.DESCONTO, W.ACRESCIMO, %1 AS PAGO, "
                                "(SELECT COALESCE(SUM(O.VALOR), 0) FROM OCUPACAO O WHERE O.ID_ENTRADA = W.ID_WALK_IN) "
                                "AS NOITES FROM WALK_IN W WHERE W.BAIXA = 'S' AND W.EXCLUIDO = 'N' ORDER BY 1")
                     .arg(pagos))) {
            const qint64 id = w.inteiro(QStringLiteral("ID_WALK_IN"));
            Dinheiro deve = w.dinheiro(QStringLiteral("NOITES")) - w.dinheiro(QStringLiteral("DESCONTO"))
                + w.dinheiro(QStringLiteral("ACRESCIMO"));
            for (const Linha &d : banco().lerTodas(
                     QStringLiteral("SELECT QTD, VALOR_UNIT, TAXA FROM DESPESA_UH WHERE ID_ENTRADA = ?"), {id}))
                deve += CalculoEstadia::valorLinhaConsumo(d.inteiro(QStringLiteral("QTD")),
                                                          d.dinheiro(QStringLiteral("VALOR_UNIT")),
                                                          d.dinheiro(QStringLiteral("TAXA")));
            if (deve != w.dinheiro(QStringLiteral("PAGO")))
                erradas << QStringLiteral("estadia %1: deve %2, pagou %3")
                               .arg(id)
                               .arg(deve.formatado(), w.dinheiro(QStringLiteral("PAGO")).formatado());
        }
        return erradas;
    }

    // Room-days promised twice: two open stays in one room, or a day of a
    // pending reservation inside the stay of the room's open stay.
    qint64 diasPrometidosDuasVezes()
    {
        return contar(QStringLiteral("SELECT COUNT(*) FROM (SELECT ID_UH FROM WALK_IN WHERE BAIXA = 'N' AND "
                                     "EXCLUIDO = 'N' GROUP BY ID_UH HAVING COUNT(*) > 1)"))
            + contar(QStringLiteral("SELECT COUNT(*) FROM RESERVA_UH RUH JOIN RESERVA R ON R.ID_RESERVA = "
                                    "RUH.ID_RESERVA AND R.EXCLUIDO = 'N' AND R.CONFIRMADA = 'N' JOIN WALK_IN W ON "
                                    "W.ID_UH = RUH.ID_UH AND W.BAIXA = 'N' AND W.EXCLUIDO = 'N' AND "
                                    "RUH.DATA_ENTRADA BETWEEN W.DATA_ENTRADA AND W.DATA_SAIDA"));
    }

    // The means whose balance in the shift is not its opening plus what the
    // stays took in it, plus additions, minus withdrawals (one line each).
    QStringList caixaDiferenteDasEstadias(qint64 turno)
    {
        QStringList r;
        const Linha cx = banco().ler(QStringLiteral("SELECT * FROM CAIXA WHERE ID_CAIXA = ?"), {turno});
        const Dinheiro abertura = cx.dinheiro(QStringLiteral("VALOR_ABERT"));
        for (const DadosMeioCaixa &m : meiosCaixa()) {
            const Dinheiro estadias = banco()
                                          .ler(QStringLiteral("SELECT COALESCE(SUM(%1), 0) AS V FROM WALK_IN")
                                                   .arg(Pagamentos::colunaEstadia(m.meio)))
                                          .dinheiro(QStringLiteral("V"));
            const Dinheiro esperado = (m.meio == MeioCaixa::Dinheiro ? abertura : Dinheiro()) + estadias;
            if (cx.dinheiro(m.coluna) != esperado)
                r << QStringLiteral("%1: %2 no caixa, %3 nas estadias")
                         .arg(m.coluna, cx.dinheiro(m.coluna).formatado(), esperado.formatado());
        }
        return r;
    }

    // One agent's operation as another desk runs it: its words and its lines.
    struct Mesa {
        QString operacao, argumento;
        QStringList ambiente; // "NOME=valor" for this agent only
    };
    struct Disputa {
        QStringList primeira, segunda; // the lines of each desk (one per run)
        int codigoPrimeira = -1, codigoSegunda = -1;
        bool segurou = false;          // the first desk reached its commit holding its rows
        bool segundaTerminou = false;  // the second desk ended while the first still held them
    };

    // Two desks on the same rows: the first runs its operation and stops
    // just before committing, holding what it wrote and locked; the second
    // runs its operation meanwhile; the first commits once the second has
    // finished or has waited a while (for a row the first holds), then both
    // end. Whatever the order the engine lets them through, the database
    // must come out as if one desk had acted after the other.
    Disputa disputar(const Mesa &primeira, const Mesa &segunda)
    {
        const QString agente = qEnvironmentVariable("ZV_AGENTE");
        EXPECT_FALSE(agente.isEmpty()) << "ZV_AGENTE não definido";
        auto iniciar = [&](QProcess &p, const Mesa &m, bool segurar) {
            QProcessEnvironment amb = QProcessEnvironment::systemEnvironment();
            if (segurar)
                amb.insert(QStringLiteral("ZV_SEGURAR"), QStringLiteral("1"));
            for (const QString &a : m.ambiente)
                amb.insert(a.section(QLatin1Char('='), 0, 0), a.section(QLatin1Char('='), 1));
            p.setProcessEnvironment(amb);
            p.setProcessChannelMode(QProcess::SeparateChannels);
            if (!segurar)
                p.setStandardInputFile(QProcess::nullDevice());
            p.start(agente, {m_banco, QStringLiteral("0"), m.operacao, QStringLiteral("1"), m.argumento});
        };
        auto linhas = [](const QByteArray &saida) {
            QStringList r;
            for (const QByteArray &l : saida.split('\n'))
                if (!l.isEmpty() && l != "segurando")
                    r << QString::fromUtf8(l);
            return r;
        };
        Disputa d;
        QProcess p1, p2;
        iniciar(p1, primeira, true);
        QByteArray saida1;
        while (!saida1.contains("segurando\n") && p1.state() != QProcess::NotRunning)
            if (p1.waitForReadyRead(120000))
                saida1 += p1.readAllStandardOutput();
            else if (p1.state() != QProcess::NotRunning)
                break;
        d.segurou = saida1.contains("segurando\n");
        iniciar(p2, segunda, false);
        // Long enough for the second desk to run whole when nothing holds it,
        // short of the lock wait that would make it give up.
        d.segundaTerminou = p2.waitForFinished(4000);
        p1.write("\n");
        p1.closeWriteChannel();
        for (QProcess *p : {&p1, &p2}) {
            if (!p->waitForFinished(180000))
                p->kill();
        }
        saida1 += p1.readAllStandardOutput();
        d.primeira = linhas(saida1);
        d.segunda = linhas(p2.readAllStandardOutput());
        d.codigoPrimeira = p1.exitStatus() == QProcess::NormalExit ? p1.exitCode() : -1;
        d.codigoSegunda = p2.exitStatus() == QProcess::NormalExit ? p2.exitCode() : -1;
        const QByteArray erros = p1.readAllStandardError() + p2.readAllStandardError();
        if (d.codigoPrimeira != 0 || d.codigoSegunda != 0)
            std::cerr << erros.toStdString();
        return d;
    }

    ServidorTeste m_servidor;
    std::unique_ptr<QTemporaryDir> m_pasta;
    std::unique_ptr<TDM> m_dm;
    QString m_banco;
};
