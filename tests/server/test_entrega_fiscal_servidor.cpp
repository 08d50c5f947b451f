// Two workstations pressing "NFCe" on the same stay's statement at the same
// moment, through the Firebird server: agent processes (tests/agente, op
// "nfce") hand the stay over together; the control program's database gets
// one order and one receivable, the stay one record, and the other
// workstation is told the stay is already prepared.
#include "base/UnitDM.h"
#include "stays/EntregaFiscal.h"
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

class EntregaFiscalServidor : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_servidor = Servidor::ler();
        if (m_servidor.endereco.isEmpty())
            GTEST_SKIP() << "Sem servidor Firebird para os testes de várias estações: "
                         << m_servidor.motivo.toStdString();
        qputenv("ISC_USER", m_servidor.usuario.toUtf8());
        qputenv("ISC_PASSWORD", m_servidor.senha.toUtf8());
        m_pasta = std::make_unique<QTemporaryDir>(m_servidor.pasta + QStringLiteral("/teste-XXXXXX"));
        ASSERT_TRUE(m_pasta->isValid());
        QFile::setPermissions(m_pasta->path(), QFileDevice::Permissions(0x7777));
        m_banco = noServidor(copiarBancoModelo(m_pasta->path()));
        QDir().mkpath(m_pasta->path() + QStringLiteral("/controle"));
        QFile::setPermissions(m_pasta->path() + QStringLiteral("/controle"), QFileDevice::Permissions(0x7777));
        m_controle = noServidor(copiarBancoModelo(m_pasta->path() + QStringLiteral("/controle"),
                                                  QStringLiteral("companion-controle.fdb")));
        m_dm = std::make_unique<TDM>();
        DM = m_dm.get();
        m_dm->Conexao.definirCaminho(m_banco);
        m_dm->Conexao.conectar();
        m_dm->ConexaoZentroControle.definirCaminho(m_controle);
    }
    void TearDown() override
    {
        if (m_dm) {
            m_dm->ConexaoZentroControle.desconectar();
            m_dm->Conexao.desconectar();
        }
        m_dm.reset();
        DM = nullptr;
        m_pasta.reset();
        qunsetenv("ISC_USER");
        qunsetenv("ISC_PASSWORD");
    }
    QString noServidor(const QString &arquivo)
    {
        QFile::setPermissions(arquivo, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::WriteGroup
                                           | QFile::ReadOther | QFile::WriteOther);
        return m_servidor.endereco + QLatin1Char(':') + arquivo;
    }

    ConexaoBanco &banco() { return m_dm->Conexao; }

    // Starts `quantos` agents with the same operation, all released at the
    // same moment, and gives what each one printed.
    QStringList rodarAgentes(int quantos, const QString &operacao, const QString &argumento)
    {
        const QString agente = qEnvironmentVariable("ZV_AGENTE");
        EXPECT_FALSE(agente.isEmpty()) << "ZV_AGENTE não definido";
        const qint64 inicio = QDateTime::currentMSecsSinceEpoch() + 2500;
        std::vector<std::unique_ptr<QProcess>> processos;
        for (int i = 0; i < quantos; ++i) {
            auto p = std::make_unique<QProcess>();
            p->setStandardInputFile(QProcess::nullDevice());
            p->start(agente, {m_banco, QString::number(inicio), operacao, QStringLiteral("1"), argumento});
            processos.push_back(std::move(p));
        }
        QStringList linhas;
        for (auto &p : processos) {
            int codigo = -1;
            if (p->waitForFinished(180000) && p->exitStatus() == QProcess::NormalExit)
                codigo = p->exitCode();
            else
                p->kill();
            const QString saida = QString::fromUtf8(p->readAllStandardOutput()).trimmed();
            EXPECT_EQ(codigo, 0) << saida.toStdString() << p->readAllStandardError().toStdString();
            linhas << saida;
        }
        return linhas;
    }

    Servidor m_servidor;
    std::unique_ptr<QTemporaryDir> m_pasta;
    std::unique_ptr<TDM> m_dm;
    QString m_banco;
    QString m_controle;
};

} // namespace

TEST_F(EntregaFiscalServidor, DuasEstacoesNaMesmaHospedagemGeramUmPedido)
{
    banco().executar(QStringLiteral("UPDATE PARAMETROS SET NFCE = 'S', NFCE_AP_PROD = 'S'"));
    banco().executar(QStringLiteral("INSERT INTO CLIENTE (ID_CLIENTE, NOME, TIPO_PESSOA, CNPJ_CPF) VALUES (7, 'ANA', 'F', '')"));
    banco().executar(QStringLiteral("INSERT INTO PRODUTOS_SERVICOS (ID_P_S, ID_PDV, DESCRICAO, VALOR) "
                                    "VALUES (501, 1, 'CERVEJA', 10)"));
    banco().executar(QStringLiteral("INSERT INTO WALK_IN (ID_WALK_IN, DATA_ENTRADA, HORA_ENTRADA, ID_CLIENTE, "
                                    "QTD_ADULTOS, VALOR_DIARIA, BAIXA) VALUES (12, CURRENT_DATE, '14:00:00', 7, 1, 100, 'S')"));
    banco().executar(QStringLiteral("INSERT INTO DESPESA_UH (ID_ENTRADA, ID_P_S, QTD, VALOR_UNIT, TAXA, DATA, HORA) "
                                    "VALUES (12, 501, 2, 10, 0, CURRENT_DATE, '20:00:00')"));
    const QStringList saidas = rodarAgentes(2, QStringLiteral("nfce"), QStringLiteral("12|") + m_controle);
    ASSERT_EQ(saidas.size(), 2);
    // Each also says the control program is not installed on this machine.
    QStringList primeiras;
    for (const QString &s : saidas)
        primeiras << s.section(QLatin1Char('|'), 0, 0);
    primeiras.sort();
    QStringList esperadas{EntregaFiscal::kMsgSucessoNfce, EntregaFiscal::kMsgJaPreparada};
    esperadas.sort();
    EXPECT_EQ(primeiras, esperadas) << saidas.join(QLatin1Char('\n')).toStdString();

    ConexaoBanco &ctl = m_dm->ConexaoZentroControle;
    ctl.garantirConectada();
    EXPECT_EQ(ctl.valor(QStringLiteral("SELECT COUNT(*) FROM PEDIDO")).toLongLong(), 1);
    EXPECT_EQ(ctl.valor(QStringLiteral("SELECT COUNT(*) FROM RECEBER")).toLongLong(), 1);
    EXPECT_EQ(ctl.valor(QStringLiteral("SELECT COUNT(*) FROM NFE")).toLongLong(), 1);
    EXPECT_EQ(banco().valor(QStringLiteral("SELECT COUNT(*) FROM ENTREGA_FISCAL WHERE ID_ENTRADA = 12")).toLongLong(), 1);
}
