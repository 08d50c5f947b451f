#include "support/BancoTeste.h"
#include "base/Caminhos.h"
#include "base/Relogio.h"
#include "base/Telas.h"

#include <QDir>
#include <QFile>

QString copiarBancoModelo(const QString &pasta, const QString &nomeModelo)
{
    const QByteArray env = qgetenv("ZV_BANCOS_TESTE");
    const QString origem = (env.isEmpty() ? QStringLiteral(ZV_BANCOS_TESTE) : QString::fromLocal8Bit(env))
        + QLatin1Char('/') + nomeModelo;
    if (!QFile::exists(origem))
        throw std::runtime_error(("banco modelo não encontrado: " + origem).toStdString()
                                 + " (rode os testes pelo ctest, que cria os modelos)");
    const QString destino = pasta + QLatin1Char('/') + nomeModelo;
    QFile::remove(destino);
    if (!QFile::copy(origem, destino))
        throw std::runtime_error("não foi possível copiar o banco modelo");
    QFile::setPermissions(destino, QFile::ReadOwner | QFile::WriteOwner);
    return destino;
}

void cortarConexao(ConexaoBanco &c)
{
    const qint64 id = c.valor(QStringLiteral("SELECT CURRENT_CONNECTION FROM RDB$DATABASE")).toLongLong();
    ConexaoBanco outra(QStringLiteral("Corte"), c.caminho());
    outra.conectar();
    outra.executar(QStringLiteral("DELETE FROM MON$ATTACHMENTS WHERE MON$ATTACHMENT_ID = ?"), {id});
}

void BancoTeste::SetUp()
{
    ASSERT_TRUE(m_pasta.isValid());
    Caminhos::definirPastaInstalacao(m_pasta.path());
    Caminhos::definirRaizExterna(m_pasta.path() + QStringLiteral("/C"));
    msg = std::make_unique<MensagensRoteiro>();
    Relogio::definir(QDateTime(QDate(2026, 12, 10), QTime(10, 0, 0)));
    m_dm = std::make_unique<TDM>();
    DM = m_dm.get();
    m_dm->Conexao.definirCaminho(copiarBancoModelo(m_pasta.path()));
    m_dm->Conexao.conectar();
}

void BancoTeste::prepararCompanheiros()
{
    struct {
        ConexaoBanco *c;
        const char *modelo;
    } lista[] = {{&m_dm->ConexaoPDV, "companion-pdv.fdb"},
                 {&m_dm->ConexaoPDVFrente, "companion-pdvfrente.fdb"},
                 {&m_dm->ConexaoZentroControle, "companion-controle.fdb"}};
    for (auto &i : lista) {
        const QString sub = m_pasta.path() + QLatin1Char('/') + QString::fromLatin1(i.modelo).section('.', 0, 0);
        QDir().mkpath(sub);
        i.c->definirCaminho(copiarBancoModelo(sub, QString::fromLatin1(i.modelo)));
    }
}

void BancoTeste::TearDown()
{
    Telas::liberarTodas();
    m_dm.reset();
    DM = nullptr;
    msg.reset();
    Relogio::liberar();
    Caminhos::definirPastaInstalacao({});
    Caminhos::definirRaizExterna({});
}
