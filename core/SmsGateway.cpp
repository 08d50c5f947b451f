#include "core/SmsGateway.h"

#include "base/Erros.h"
#include "core/Inicializacao.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QJsonDocument>
#include <QJsonObject>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QTimer>
#include <QUrl>

namespace SmsGateway {

Configuracao configuracaoDe(const QString &textoIni)
{
    const Inicio::ArquivoIni ini(textoIni);
    const QString secao = QStringLiteral("SMS");
    return {ini.valor(secao, QStringLiteral("URL")).trimmed(), ini.valor(secao, QStringLiteral("USUARIO")).trimmed(),
            ini.valor(secao, QStringLiteral("SENHA")).trimmed(), ini.valor(secao, QStringLiteral("REMETENTE")).trimmed()};
}

Configuracao configuracao()
{
    QString texto;
    const QString arquivo = Inicio::arquivoParam();
    if (arquivo.isEmpty() || !Inicio::lerTexto(arquivo, &texto))
        return {};
    return configuracaoDe(texto);
}

namespace {

QString textoJson(const QString &v)
{
    QString r;
    for (const QChar c : v) {
        switch (c.unicode()) {
        case '"': r += QStringLiteral("\\\""); break;
        case '\\': r += QStringLiteral("\\\\"); break;
        case '\n': r += QStringLiteral("\\n"); break;
        case '\r': r += QStringLiteral("\\r"); break;
        case '\t': r += QStringLiteral("\\t"); break;
        default:
            if (c.unicode() < 0x20)
                r += QStringLiteral("\\u%1").arg(int(c.unicode()), 4, 16, QLatin1Char('0'));
            else
                r += c;
        }
    }
    return r;
}

QString paraAscii(const QString &texto)
{
    QString r;
    for (const char32_t c : texto.toUcs4())
        r += c < 0x80 ? QChar(char16_t(c)) : QChar(u'?');
    return r;
}

} // namespace

QString corpo(const QString &de, const QString &para, const QString &mensagem)
{
    const QString json = QStringLiteral("{\"sendSmsRequest\": {\"from\": \"") + textoJson(de.trimmed())
        + QStringLiteral("\", \"to\": \"") + textoJson(para.trimmed()) + QStringLiteral("\", \"msg\": \"")
        + textoJson(mensagem.trimmed()) + QStringLiteral("\", \"callbackOption\": \"NONE\"} }");
    return paraAscii(json);
}

Resposta lerResposta(int statusHttp, const QByteArray &json)
{
    Resposta r;
    r.statusHttp = statusHttp;
    const QJsonObject o = QJsonDocument::fromJson(json).object().value(QStringLiteral("sendSmsResponse")).toObject();
    auto membro = [&](const char *nome) {
        const QJsonValue v = o.value(QLatin1String(nome));
        return v.isDouble() ? QString::number(v.toInteger()) : v.toString();
    };
    r.statusCode = membro("statusCode");
    r.statusDescription = membro("statusDescription");
    r.detailCode = membro("detailCode");
    r.detailDescription = membro("detailDescription");
    return r;
}

Resposta enviar(const Configuracao &c, const QString &corpoJson, int esperaMs)
{
    QString base = c.url;
    if (base.isEmpty())
        throw ErroSistema(QStringLiteral("Endereço do serviço de SMS não configurado (param.ini, seção [SMS], URL)."));
    if (!base.endsWith(QLatin1Char('/')))
        base += QLatin1Char('/');
    QNetworkRequest pedido(QUrl(base).resolved(QUrl(QStringLiteral("services/send-sms"))));
    pedido.setHeader(QNetworkRequest::ContentTypeHeader, QStringLiteral("application/json"));
    pedido.setRawHeader("Authorization",
                        "Basic " + (c.usuario + QLatin1Char(':') + c.senha).toUtf8().toBase64());
    const QJsonDocument doc = QJsonDocument::fromJson(corpoJson.toUtf8());

    QNetworkAccessManager rede;
    QNetworkReply *resposta = rede.post(pedido, doc.toJson(QJsonDocument::Compact));
    QTimer limite;
    limite.setSingleShot(true);
    QObject::connect(&limite, &QTimer::timeout, resposta, &QNetworkReply::abort);
    limite.start(esperaMs);
    // Events are processed by hand: a nested event loop returns at once once
    // the application was asked to quit, and the answer would be lost.
    while (!resposta->isFinished())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents | QEventLoop::ExcludeUserInputEvents);
    const QVariant status = resposta->attribute(QNetworkRequest::HttpStatusCodeAttribute);
    if (!status.isValid()) {
        const QString erro = resposta->errorString();
        resposta->deleteLater();
        throw ErroSistema(erro);
    }
    Resposta r = lerResposta(status.toInt(), resposta->readAll());
    resposta->deleteLater();
    return r;
}

} // namespace SmsGateway
