#include "platform/Balanca.h"
#include "base/Caminhos.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QSerialPort>
#include <QStringDecoder>

namespace Balanca {
namespace {

constexpr char kEnq = 0x05;
constexpr char kStx = 0x02;
constexpr char kEtx = 0x03;

QString &portaFixa()
{
    static QString p;
    return p;
}

// The value of [secao] chave in the workstation file (names compared
// ignoring case), or an empty text.
QString valorParam(const QString &secao, const QString &chave)
{
    const QDir pasta(Caminhos::pastaInstalacao());
    QString arquivo;
    for (const QString &nome : pasta.entryList(QDir::Files))
        if (nome.compare(QLatin1String("param.ini"), Qt::CaseInsensitive) == 0)
            arquivo = pasta.filePath(nome);
    QFile f(arquivo);
    if (arquivo.isEmpty() || !f.open(QIODevice::ReadOnly))
        return {};
    const QByteArray bytes = f.readAll();
    QStringDecoder utf8(QStringDecoder::Utf8);
    QString texto = utf8.decode(bytes);
    if (utf8.hasError())
        texto = QString::fromLatin1(bytes);
    bool dentro = false;
    for (QString linha : texto.split(QLatin1Char('\n'))) {
        linha = linha.trimmed();
        if (linha.startsWith(QLatin1Char('[')) && linha.endsWith(QLatin1Char(']'))) {
            dentro = linha.mid(1, linha.size() - 2).trimmed().compare(secao, Qt::CaseInsensitive) == 0;
            continue;
        }
        const qsizetype igual = linha.indexOf(QLatin1Char('='));
        if (dentro && igual > 0 && linha.left(igual).trimmed().compare(chave, Qt::CaseInsensitive) == 0)
            return linha.mid(igual + 1).trimmed();
    }
    return {};
}

} // namespace

QString portaConfigurada()
{
    if (!portaFixa().isEmpty())
        return portaFixa();
    const QString p = valorParam(QStringLiteral("BALANCA"), QStringLiteral("PORTA"));
    return p.isEmpty() ? QStringLiteral("COM1") : p;
}

void definirPorta(const QString &porta) { portaFixa() = porta.trimmed(); }

QString dispositivo(const QString &porta)
{
    static const QRegularExpression com(QStringLiteral("^COM([1-9][0-9]?)$"), QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch m = com.match(porta.trimmed());
    if (m.hasMatch())
        return QStringLiteral("/dev/ttyS%1").arg(m.captured(1).toInt() - 1);
    return porta.trimmed();
}

qint64 interpretarResposta(const QByteArray &resposta)
{
    // STX, five or six digits, ETX.
    if (resposta.size() < 7 || resposta.size() > 8 || resposta.front() != kStx || resposta.back() != kEtx)
        return kRespostaInvalida;
    const QByteArray digitos = resposta.mid(1, resposta.size() - 2);
    qint64 gramas = 0;
    for (const char c : digitos) {
        if (c < '0' || c > '9')
            return kRespostaInvalida; // "IIIII", "NNNNN", "SSSSS" or noise
        gramas = gramas * 10 + (c - '0');
    }
    return gramas;
}

qint64 ler(const QString &porta, int tempoLimiteMs)
{
    const QDeadlineTimer prazo(tempoLimiteMs);
    QSerialPort serial;
    serial.setPortName(dispositivo(porta));
    // The scale's factory settings: 9600 bauds, 8 bits, no parity, 1 stop bit.
    serial.setBaudRate(QSerialPort::Baud9600);
    serial.setDataBits(QSerialPort::Data8);
    serial.setParity(QSerialPort::NoParity);
    serial.setStopBits(QSerialPort::OneStop);
    serial.setFlowControl(QSerialPort::NoFlowControl);
    if (!serial.open(QIODevice::ReadWrite))
        return kSemResposta; // no scale to ask
    serial.clear(QSerialPort::Input); // an answer left from an earlier request is not this one
    serial.write(&kEnq, 1);
    if (!serial.waitForBytesWritten(int(qMax<qint64>(1, prazo.remainingTime())))) {
        serial.close();
        return kSemResposta;
    }
    // Bytes that make no answer end the reading once the line goes quiet:
    // a scale sends its answer at once, in one go.
    constexpr int kSilencioMs = 300;
    QByteArray recebido;
    qint64 resultado = kSemResposta;
    while (!prazo.hasExpired()) {
        const int espera = int(qMax<qint64>(1, recebido.isEmpty() ? prazo.remainingTime()
                                                                 : qMin<qint64>(kSilencioMs, prazo.remainingTime())));
        if (!serial.waitForReadyRead(espera)) {
            if (!recebido.isEmpty())
                break;
            continue;
        }
        recebido += serial.readAll();
        // Whatever came before the answer's STX is line noise.
        const qsizetype inicio = recebido.indexOf(kStx);
        const qsizetype fim = inicio < 0 ? -1 : recebido.indexOf(kEtx, inicio);
        if (fim > inicio) {
            resultado = interpretarResposta(recebido.mid(inicio, fim - inicio + 1));
            break;
        }
        if (recebido.size() > 64)
            break; // noise, no answer in it
    }
    if (resultado == kSemResposta && !recebido.isEmpty())
        resultado = kRespostaInvalida;
    serial.close();
    return resultado;
}

qint64 ler() { return ler(portaConfigurada()); }

QString textoPeso(qint64 gramas)
{
    const qint64 a = gramas < 0 ? -gramas : gramas;
    return QStringLiteral("%1%2,%3")
        .arg(gramas < 0 ? QStringLiteral("-") : QString())
        .arg(a / 1000)
        .arg(a % 1000, 3, 10, QLatin1Char('0'));
}

} // namespace Balanca
