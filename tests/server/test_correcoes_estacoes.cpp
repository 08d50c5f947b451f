// Corrections of one stay from several workstations through the Firebird
// server: agent processes (tests/agente) correct the same stay at the same
// moment; each correction lands whole or its workstation is told the stay
// changed, and the shift's balances always equal what the stays hold.
#include "base/UnitDM.h"
#include "finance/ControleCaixa.h"
#include "stays/Correcoes.h"
#include "stays/Pagamentos.h"
#include "support/BancoTeste.h"

#include <QDateTime>
#include <QFile>
#include <QMap>
#include <QProcess>
#include <gtest/gtest.h>

#include <memory>

namespace {

// The server scripts/firebird-teste started (servidor.env), or why there is none.
struct ServidorTeste {
    QString endereco, usuario, senha, pasta, motivo;

    static ServidorTeste ler()
    {
        ServidorTeste s;
        const QString dir = qEnvironmentVariable("ZV_SERVIDOR_TESTE");
        QFile f(dir + QStringLiteral("/servidor.env"));
        if (dir.isEmpty() || !f.open(QIODevice::ReadOnly)) {
            s.motivo = QStringLiteral("servidor de teste não iniciado (rode pelo ctest)");
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

class CorrecoesEstacoes : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_servidor = ServidorTeste::ler();
        if (m_servidor.endereco.isEmpty())
            GTEST_SKIP() << "Sem servidor Firebird: " << m_servidor.motivo.toStdString();
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
        banco().executar(QStringLiteral("INSERT INTO CAIXA (DATA_ABERT, USUARIO) VALUES (CURRENT_DATE, 'ADMIN')"));
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

    // `quantos` agents released at the same moment; every line they printed.
    QStringList rodarAgentes(int quantos, const QString &operacao, int vezes, const QString &argumento)
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
        QStringList linhas;
        for (auto &p : processos) {
            int codigo = -1;
            if (p->waitForFinished(180000) && p->exitStatus() == QProcess::NormalExit)
                codigo = p->exitCode();
            else
                p->kill();
            QStringList minhas;
            for (const QByteArray &l : p->readAllStandardOutput().split('\n'))
                if (!l.isEmpty())
                    minhas << QString::fromUtf8(l);
            EXPECT_EQ(codigo, 0) << minhas.join(QLatin1Char('\n')).toStdString()
                                 << p->readAllStandardError().toStdString();
            linhas << minhas;
        }
        return linhas;
    }
    qint64 estadia()
    {
        return banco()
            .valor(QStringLiteral("INSERT INTO WALK_IN (ID_CLIENTE, ID_UH, QTD_ADULTOS, DATA_ENTRADA, HORA_ENTRADA, "
                                  "DATA_SAIDA, HORA_SAIDA) VALUES (1, 1, 1, CURRENT_DATE, '08:00', CURRENT_DATE, "
                                  "'09:00') RETURNING ID_WALK_IN"))
            .toLongLong();
    }
    void pagar(qint64 id, MeioCaixa meio, qint64 reais, bool adiantado)
    {
        Pagamentos::Valores v;
        v[meio] = Dinheiro::deReais(reais);
        Pagamentos::lancar(banco(), id, v, adiantado);
    }
    // Every balance of the open shift equals what the stays hold in that means.
    void caixaIgualEstadias()
    {
        const Linha cx = banco().ler(QStringLiteral("SELECT * FROM CAIXA WHERE DATA_FECHA IS NULL"));
        for (const DadosMeioCaixa &m : meiosCaixa()) {
            const Dinheiro estadias =
                banco()
                    .ler(QStringLiteral("SELECT SUM(%1) AS V FROM WALK_IN").arg(Pagamentos::colunaEstadia(m.meio)))
                    .dinheiro(QStringLiteral("V"));
            EXPECT_EQ(cx.dinheiro(m.coluna).formatado().toStdString(), estadias.formatado().toStdString())
                << m.coluna.toStdString();
        }
    }

    ServidorTeste m_servidor;
    std::unique_ptr<QTemporaryDir> m_pasta;
    std::unique_ptr<TDM> m_dm;
    QString m_banco;
};

} // namespace

TEST_F(CorrecoesEstacoes, QuatroEstacoesRedistribuemOMesmoPagamento)
{
    const qint64 id = estadia();
    pagar(id, MeioCaixa::Dinheiro, 300, false);
    banco().executar(QStringLiteral("UPDATE WALK_IN SET BAIXA = 'S' WHERE ID_WALK_IN = ?"), {id});
    const QStringList linhas = rodarAgentes(4, QStringLiteral("forma"), 10, QString::number(id));
    ASSERT_EQ(linhas.size(), 40);
    int feitas = 0;
    for (const QString &l : linhas) {
        if (l == QLatin1String("feito"))
            ++feitas;
        else
            EXPECT_EQ(l, Correcoes::kMsgEntradaMudou);
    }
    EXPECT_GE(feitas, 10); // at least every run of one agent
    const Linha w = banco().ler(QStringLiteral("SELECT * FROM WALK_IN WHERE ID_WALK_IN = ?"), {id});
    EXPECT_EQ((w.dinheiro(QStringLiteral("DINHEIRO")) + w.dinheiro(QStringLiteral("VISA"))).formatado(),
              QStringLiteral("300,00"));
    caixaIgualEstadias();
}

TEST_F(CorrecoesEstacoes, QuatroEstacoesCancelamAMesmaEntradaUmaVez)
{
    const qint64 id = estadia();
    const qint64 cerveja = banco()
                               .valor(QStringLiteral("INSERT INTO PRODUTOS_SERVICOS (DESCRICAO, ESTOQUE, FAB_PROPRIA) "
                                                     "VALUES ('CERVEJA', 7, 'N') RETURNING ID_P_S"))
                               .toLongLong();
    banco().executar(QStringLiteral("INSERT INTO DESPESA_UH (ID_ENTRADA, ID_P_S, QTD) VALUES (?, ?, 3)"), {id, cerveja});
    pagar(id, MeioCaixa::Dinheiro, 100, true);
    pagar(id, MeioCaixa::CreditoVisa, 50, true);
    const qint64 outra = estadia();
    pagar(outra, MeioCaixa::Dinheiro, 40, true);
    QStringList linhas = rodarAgentes(4, QStringLiteral("cancelar"), 1, QString::number(id));
    linhas.sort();
    EXPECT_EQ(linhas, (QStringList{Correcoes::kMsgEntradaMudou, Correcoes::kMsgEntradaMudou, Correcoes::kMsgEntradaMudou,
                                   QStringLiteral("feito")}));
    EXPECT_EQ(banco().valor(QStringLiteral("SELECT ESTOQUE FROM PRODUTOS_SERVICOS WHERE ID_P_S = ?"), {cerveja}).toInt(), 10);
    const Linha cx = banco().ler(QStringLiteral("SELECT * FROM CAIXA"));
    EXPECT_EQ(cx.dinheiro(QStringLiteral("ATUAL")).formatado(), QStringLiteral("40,00"));
    EXPECT_TRUE(cx.dinheiro(QStringLiteral("ATUAL_CARTAO")).zero());
    EXPECT_EQ(banco().valor(QStringLiteral("SELECT COUNT(*) FROM LOG WHERE OPERACAO STARTING WITH 'Excluiu Entrada'")).toInt(), 1);
    caixaIgualEstadias();
}
