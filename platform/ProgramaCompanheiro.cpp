#include "platform/ProgramaCompanheiro.h"
#include "base/Caminhos.h"
#include "base/Mensagem.h"
#include "base/Sessao.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>

namespace ProgramaCompanheiro {

namespace {

QStringList linhaDeComando(const QString &pidDir)
{
    QFile f(pidDir + QStringLiteral("/cmdline"));
    if (!f.open(QIODevice::ReadOnly))
        return {};
    const QByteArray bruto = f.readAll();
    QStringList args;
    for (const QByteArray &a : bruto.split('\0'))
        if (!a.isEmpty())
            args.append(QString::fromLocal8Bit(a));
    return args;
}

bool mesmoArquivo(const QString &a, const QString &b)
{
    if (a.isEmpty() || b.isEmpty())
        return false;
    return QFileInfo(a).absoluteFilePath() == QFileInfo(b).absoluteFilePath();
}

} // namespace

QList<qint64> emExecucao(const QString &programa)
{
    QList<qint64> achados;
    const QString alvo = QFileInfo(programa).absoluteFilePath();
    const QString canonico = QFileInfo(programa).canonicalFilePath();
    const QDir proc(QStringLiteral("/proc"));
    const QStringList entradas = proc.entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    for (const QString &e : entradas) {
        bool ok = false;
        const qint64 pid = e.toLongLong(&ok);
        if (!ok)
            continue;
        const QString dir = proc.filePath(e);
        const QString exe = QFile::symLinkTarget(dir + QStringLiteral("/exe"));
        bool roda = !exe.isEmpty() && (exe == alvo || (!canonico.isEmpty() && exe == canonico));
        if (!roda) {
            const QStringList args = linhaDeComando(dir);
            // argv[0] of the program itself, or argv[1] of the interpreter running it
            for (int i = 0; i < qMin<qsizetype>(2, args.size()) && !roda; ++i)
                roda = mesmoArquivo(args[i], alvo);
        }
        if (roda)
            achados.append(pid);
    }
    return achados;
}

bool iniciar(const QString &programa, const QStringList &argumentos, const QString &pasta, qint64 *pid)
{
    return QProcess::startDetached(programa, argumentos, pasta, pid);
}

bool trazerParaFrente(const QString &tituloJanela)
{
    const QString wmctrl = QStandardPaths::findExecutable(QStringLiteral("wmctrl"));
    if (wmctrl.isEmpty())
        return false;
    return QProcess::execute(wmctrl, {QStringLiteral("-a"), tituloJanela}) == 0;
}


QString caminhoZentroPDV()
{
    return Caminhos::mapearWindows(QStringLiteral("C:\\Zentro\\Zentro PDV\\ZentroPDV.exe"));
}

QString pastaZentroPDV() { return Caminhos::mapearWindows(QStringLiteral("C:\\Zentro\\Zentro PDV\\")); }

QStringList argumentosZentroPDV()
{
    // "<key> <password>": the password may itself hold blanks.
    const QString aux = Sessao::atual().AuxUsu.trimmed();
    if (aux.isEmpty())
        return {};
    const qsizetype espaco = aux.indexOf(QLatin1Char(' '));
    if (espaco < 0)
        return {aux};
    return {aux.left(espaco), aux.mid(espaco + 1)};
}

Resultado abrirZentroPDV(qint64 *pid)
{
    const QString programa = caminhoZentroPDV();
    const QList<qint64> rodando = emExecucao(programa);
    if (!rodando.isEmpty()) {
        trazerParaFrente(QStringLiteral("Zentro PDV"));
        if (pid)
            *pid = rodando.first();
        return Resultado::JaEmExecucao;
    }
    if (!QFileInfo(programa).isFile()) {
        Mensagem::aviso(QStringLiteral("O programa Zentro PDV não foi encontrado em:\n") + programa);
        return Resultado::NaoEncontrado;
    }
    if (!iniciar(programa, argumentosZentroPDV(), pastaZentroPDV(), pid)) {
        Mensagem::erro(QStringLiteral("Não foi possível iniciar o programa Zentro PDV:\n") + programa);
        return Resultado::FalhaAoIniciar;
    }
    return Resultado::Iniciado;
}

} // namespace ProgramaCompanheiro

void abrirZentroPDV() { ProgramaCompanheiro::abrirZentroPDV(); }
