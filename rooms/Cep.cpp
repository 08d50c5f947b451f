#include "rooms/Cep.h"

#include "base/Rotinas.h"
#include "core/Inicializacao.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QTimer>
#include <QUrl>
#include <QXmlStreamReader>
#include <map>

namespace Cep {

namespace {
QString &enderecoDefinido()
{
    static QString url;
    return url;
}
} // namespace

QString enderecoBase()
{
    if (!enderecoDefinido().isEmpty())
        return enderecoDefinido();
    QString texto;
    const QString arquivo = Inicio::arquivoParam();
    if (!arquivo.isEmpty() && Inicio::lerTexto(arquivo, &texto)) {
        const QString url = Inicio::ArquivoIni(texto).valor(QStringLiteral("CEP"), QStringLiteral("URL")).trimmed();
        if (!url.isEmpty())
            return url;
    }
    return kEnderecoPadrao;
}

void definirEnderecoBase(const QString &url) { enderecoDefinido() = url.trimmed(); }

QString digitos(const QString &cep) { return TiraPontoTracoBarra(cep).trimmed(); }

Resultado lerResposta(const QByteArray &xml)
{
    static const char *const elementos[] = {"logradouro", "bairro", "localidade", "uf"};
    // the direct children of the document element
    std::map<QString, QString> filhos;
    QXmlStreamReader r(xml);
    int nivel = 0;
    bool temRaiz = false;
    while (!r.atEnd()) {
        const QXmlStreamReader::TokenType t = r.readNext();
        if (t == QXmlStreamReader::StartElement) {
            ++nivel;
            if (nivel == 1)
                temRaiz = true;
            else if (nivel == 2) {
                const QString nome = r.name().toString();
                const QString valor = r.readElementText(QXmlStreamReader::IncludeChildElements);
                --nivel; // readElementText consumed the end element
                filhos.emplace(nome, valor);
            }
        } else if (t == QXmlStreamReader::EndElement) {
            --nivel;
        }
    }
    Resultado res;
    if (r.hasError() || !temRaiz)
        return res;
    for (const char *e : elementos) {
        const auto it = filhos.find(QString::fromLatin1(e));
        if (it == filhos.end())
            return res;
        res.valores.append(RemoveAcento(it->second).toUpper().trimmed());
    }
    res.completo = true;
    return res;
}

Resultado consultar(const QString &cep, int esperaMs)
{
    QString base = enderecoBase();
    if (!base.endsWith(QLatin1Char('/')))
        base += QLatin1Char('/');
    const QString d = digitos(cep);
    const QUrl url = QUrl(base).resolved(
        QUrl(QStringLiteral("ws/") + QString::fromLatin1(QUrl::toPercentEncoding(d)) + QStringLiteral("/xml/")));
    QNetworkAccessManager rede;
    QNetworkRequest pedido(url);
    pedido.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::NoLessSafeRedirectPolicy);
    QNetworkReply *resposta = rede.get(pedido);
    QTimer limite;
    limite.setSingleShot(true);
    QObject::connect(&limite, &QTimer::timeout, resposta, &QNetworkReply::abort);
    limite.start(esperaMs);
    while (!resposta->isFinished())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents | QEventLoop::ExcludeUserInputEvents);
    const int status = resposta->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    Resultado r;
    if (resposta->error() == QNetworkReply::NoError && status == 200)
        r = lerResposta(resposta->readAll());
    resposta->deleteLater();
    return r;
}

} // namespace Cep
