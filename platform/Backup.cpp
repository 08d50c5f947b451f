#include "platform/Backup.h"
#include "base/Erros.h"

#include <QDeadlineTimer>
#include <QFileInfo>
#include <QProcess>
#include <QProcessEnvironment>
#include <QRegularExpression>
#include <QStandardPaths>

namespace Backup {

namespace {
std::unique_ptr<Servico> &servicoAtual()
{
    static std::unique_ptr<Servico> s;
    return s;
}
} // namespace

bool caminhoRemoto(const QString &banco)
{
    // "servidor:/dados/x.fdb", "192.168.0.1:C:\x.fdb"; a Windows drive alone
    // ("C:\x.fdb") is local.
    static const QRegularExpression re(QStringLiteral("^[^/\\\\:]{2,}:"));
    return re.match(banco).hasMatch();
}

Servico &servico()
{
    auto &s = servicoAtual();
    if (!s)
        s = std::make_unique<ServicoGbak>();
    return *s;
}

void definirServico(std::unique_ptr<Servico> s) { servicoAtual() = std::move(s); }

QString ServicoGbak::executavel()
{
    const QByteArray env = qgetenv("ZV_GBAK");
    if (!env.isEmpty())
        return QString::fromLocal8Bit(env);
    const QString naPasta = QStandardPaths::findExecutable(QStringLiteral("gbak"));
    if (!naPasta.isEmpty())
        return naPasta;
    return QStringLiteral("/usr/bin/gbak");
}

QStringList ServicoGbak::argumentosBackup(const QString &banco, const QString &arquivo)
{
    return {QStringLiteral("-b"), QStringLiteral("-ig"), QStringLiteral("-nt"), QStringLiteral("-v"), banco, arquivo};
}

namespace {
constexpr int kLimitePadraoMs = 2 * 60 * 60 * 1000; // two hours
int g_limiteMs = 0;
} // namespace

int ServicoGbak::limiteMs() { return g_limiteMs > 0 ? g_limiteMs : kLimitePadraoMs; }
void ServicoGbak::definirLimiteMs(int ms) { g_limiteMs = ms; }

QStringList ServicoGbak::argumentosRestauracao(const QString &arquivo, const QString &banco)
{
    return {QStringLiteral("-c"),       QStringLiteral("-use_all_space"), QStringLiteral("-buffers"),
            QStringLiteral("3000"),     QStringLiteral("-page_size"),     QStringLiteral("4096"),
            QStringLiteral("-v"),       arquivo,                          banco};
}

void ServicoGbak::backup(const QString &banco, const QString &arquivo, const Credenciais &c, const Saida &saida)
{
    // The tool would silently overwrite the file; an existing backup is kept.
    if (QFileInfo::exists(arquivo))
        throw ErroSistema(QStringLiteral("O arquivo de backup já existe:\n%1").arg(arquivo));
    rodar(argumentosBackup(banco, arquivo), c, saida);
}

void ServicoGbak::restaurar(const QString &arquivo, const QString &banco, const Credenciais &c, const Saida &saida)
{
    if (!QFileInfo::exists(arquivo))
        throw ErroSistema(QStringLiteral("Arquivo de backup não encontrado:\n%1").arg(arquivo));
    if (!caminhoRemoto(banco) && QFileInfo::exists(banco))
        throw ErroSistema(QStringLiteral("O banco de destino já existe:\n%1").arg(banco));
    rodar(argumentosRestauracao(arquivo, banco), c, saida);
}

void ServicoGbak::rodar(const QStringList &argumentos, const Credenciais &c, const Saida &saida)
{
    QProcess p;
    // The account travels in the environment, not on the command line.
    QProcessEnvironment amb = QProcessEnvironment::systemEnvironment();
    amb.insert(QStringLiteral("ISC_USER"), c.usuario);
    amb.insert(QStringLiteral("ISC_PASSWORD"), c.senha);
    p.setProcessEnvironment(amb);
    p.setProcessChannelMode(QProcess::MergedChannels);
    // No input at all: a question of the tool (the next volume of a cut
    // file) reads the end of its input and fails instead of waiting.
    p.setStandardInputFile(QProcess::nullDevice());
    p.start(executavel(), argumentos, QIODevice::ReadOnly);
    if (!p.waitForStarted(30000))
        throw ErroSistema(QStringLiteral("Não foi possível iniciar o serviço de backup (%1): %2")
                              .arg(executavel(), p.errorString()));
    QDeadlineTimer prazo(limiteMs());

    QStringList erros;
    QByteArray pendente;
    auto entregar = [&](bool tudo) {
        for (;;) {
            qsizetype fim = pendente.indexOf('\n');
            if (fim < 0) {
                if (!tudo || pendente.isEmpty())
                    return;
                fim = pendente.size();
            }
            QString linha = QString::fromLocal8Bit(pendente.left(fim)).trimmed();
            pendente.remove(0, fim + 1);
            if (linha.isEmpty())
                continue;
            if (linha.contains(QLatin1String("ERROR:")) || linha.startsWith(QLatin1String("gbak: ")))
                erros.append(linha);
            if (saida)
                saida(linha);
        }
    };
    bool estourou = false;
    while (p.state() != QProcess::NotRunning) {
        if (prazo.hasExpired()) {
            estourou = true;
            p.kill();
            break;
        }
        p.waitForReadyRead(200);
        pendente += p.readAll();
        entregar(false);
    }
    p.waitForFinished(-1);
    pendente += p.readAll();
    entregar(true);
    if (estourou) {
        QString texto = QStringLiteral("O serviço de backup não terminou em %1 minuto(s) e foi interrompido.")
                            .arg(qMax(1, limiteMs() / 60000));
        if (!erros.isEmpty())
            texto += QLatin1Char('\n') + erros.join(QLatin1Char('\n'));
        throw ErroSistema(texto);
    }
    if (p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0) {
        QString texto = erros.join(QLatin1Char('\n'));
        if (texto.isEmpty())
            texto = QStringLiteral("O serviço de backup terminou com o código %1.").arg(p.exitCode());
        throw ErroSistema(texto);
    }
}

} // namespace Backup
