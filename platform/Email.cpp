#include "platform/Email.h"

#include "base/Erros.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QMimeDatabase>
#include <QRandomGenerator>
#include <QTimeZone>
#include <QUuid>
#include <atomic>
#include <curl/curl.h>
#include <thread>

namespace Email {

namespace {

const QByteArray kCrlf("\r\n");

bool asciiImprimivel(const QString &t)
{
    for (QChar c : t)
        if (c.unicode() < 0x20 || c.unicode() > 0x7e)
            return false;
    return true;
}

// Header values never carry a line break of their own.
QString semQuebras(QString t)
{
    t.replace(QLatin1Char('\r'), QLatin1Char(' '));
    t.replace(QLatin1Char('\n'), QLatin1Char(' '));
    return t;
}

QByteArray endereco(const QString &e) { return semQuebras(e).trimmed().toUtf8(); }

// "Nome" <addr>, or an encoded word for a name that is not plain ASCII.
QByteArray caixa(const QString &nome, const QString &email)
{
    const QString n = semQuebras(nome).trimmed();
    if (n.isEmpty())
        return endereco(email);
    QByteArray r;
    if (asciiImprimivel(n)) {
        QString q = n;
        q.replace(QLatin1Char('\\'), QStringLiteral("\\\\"));
        q.replace(QLatin1Char('"'), QStringLiteral("\\\""));
        r = '"' + q.toUtf8() + '"';
    } else {
        r = palavraCodificada(n);
    }
    return r + " <" + endereco(email) + '>';
}

QByteArray base64EmLinhas(const QByteArray &bytes)
{
    const QByteArray b = bytes.toBase64();
    QByteArray r;
    r.reserve(b.size() + b.size() / 76 * 2 + 2);
    for (qsizetype i = 0; i < b.size(); i += 76)
        r += b.mid(i, 76) + kCrlf;
    return r;
}

QByteArray dataRfc(const QDateTime &quando)
{
    const QDateTime d = quando.isValid() ? quando : QDateTime::currentDateTime();
    const int seg = d.offsetFromUtc();
    const int minutos = std::abs(seg) / 60;
    return QLocale::c().toString(d, QStringLiteral("ddd, dd MMM yyyy hh:mm:ss ")).toLatin1()
        + (seg < 0 ? '-' : '+') + QByteArray::number(minutos / 60).rightJustified(2, '0')
        + QByteArray::number(minutos % 60).rightJustified(2, '0');
}

// name="..." and filename parameters of an attached file.
QByteArray parametroNome(const char *param, const QString &nome)
{
    if (asciiImprimivel(nome) && !nome.contains(QLatin1Char('"')) && !nome.contains(QLatin1Char('\\')))
        return QByteArray(param) + "=\"" + nome.toLatin1() + '"';
    // RFC 2231 for readers that know it; an encoded word is what older ones show.
    return QByteArray(param) + "*=UTF-8''" + nome.toUtf8().toPercentEncoding();
}

} // namespace

QByteArray quotedPrintable(const QByteArray &bytes)
{
    // Line breaks of any kind become CRLF; each line is encoded on its own.
    QByteArray texto = bytes;
    texto.replace("\r\n", "\n");
    texto.replace('\r', '\n');
    QByteArray r;
    const QList<QByteArray> linhas = texto.split('\n');
    for (qsizetype n = 0; n < linhas.size(); ++n) {
        const QByteArray &linha = linhas[n];
        QByteArray atual;
        for (qsizetype i = 0; i < linha.size(); ++i) {
            const unsigned char c = static_cast<unsigned char>(linha[i]);
            const bool ultimo = i == linha.size() - 1;
            QByteArray pedaco;
            if ((c >= 33 && c <= 126 && c != '=' && !(c == '.' && atual.isEmpty()))
                || ((c == ' ' || c == '\t') && !ultimo))
                pedaco = QByteArray(1, char(c));
            else
                pedaco = '=' + QByteArray::number(c, 16).toUpper().rightJustified(2, '0');
            if (atual.size() + pedaco.size() > 75) {
                r += atual + '=' + kCrlf;
                atual.clear();
            }
            atual += pedaco;
        }
        r += atual;
        if (n + 1 < linhas.size())
            r += kCrlf;
    }
    return r;
}

QByteArray palavraCodificada(const QString &texto)
{
    const QString t = semQuebras(texto);
    if (asciiImprimivel(t) && !t.contains(QLatin1String("=?")))
        return t.toLatin1();
    // Words of at most 45 bytes (60 in base64), never splitting a character.
    QList<QByteArray> palavras;
    QByteArray atual;
    const QList<uint> codigos = t.toUcs4();
    for (uint u : codigos) {
        const QByteArray c = QString::fromUcs4(reinterpret_cast<const char32_t *>(&u), 1).toUtf8();
        if (atual.size() + c.size() > 45) {
            palavras << atual;
            atual.clear();
        }
        atual += c;
    }
    if (!atual.isEmpty())
        palavras << atual;
    QByteArray r;
    for (const QByteArray &p : palavras) {
        if (!r.isEmpty())
            r += kCrlf + ' ';
        r += "=?UTF-8?B?" + p.toBase64() + "?=";
    }
    return r;
}

QString tipoPorNome(const QString &arquivo)
{
    static const QMimeDatabase banco;
    const QMimeType t = banco.mimeTypeForFile(arquivo, QMimeDatabase::MatchExtension);
    if (!t.isValid() || t.isDefault())
        return QStringLiteral("application/octet-stream");
    return t.name();
}

QByteArray montar(const Mensagem &m, QList<Anexado> *anexados)
{
    // Files first: a file that cannot be read stops before anything is built.
    struct Parte {
        QString nome;
        QByteArray bytes;
    };
    QList<Parte> partes;
    if (anexados)
        anexados->clear();
    for (const QString &caminho : m.anexos) {
        const QFileInfo info(caminho);
        if (!info.exists()) {
            if (anexados)
                anexados->append({caminho, false});
            continue;
        }
        QFile f(caminho);
        if (!info.isFile() || !f.open(QIODevice::ReadOnly))
            throw ErroSistema(QStringLiteral("Não foi possível ler o anexo \"%1\".").arg(caminho));
        partes.append({info.fileName(), f.readAll()});
        if (anexados)
            anexados->append({caminho, true});
    }

    const QByteArray fronteira =
        "=_Zentro_" + QUuid::createUuid().toString(QUuid::Id128).toLatin1();
    QByteArray r;
    r += "Date: " + dataRfc(m.data) + kCrlf;
    r += "From: " + caixa(m.deNome, m.deEmail) + kCrlf;
    r += "Reply-To: " + endereco(m.deEmail) + kCrlf;
    QList<QByteArray> para;
    for (const QString &p : m.para)
        para << endereco(p);
    r += "To: " + para.join(QByteArray("," + kCrlf + ' ')) + kCrlf;
    r += "Subject: " + palavraCodificada(m.assunto.trimmed()) + kCrlf;
    const QString dominio = m.deEmail.section(QLatin1Char('@'), 1).trimmed();
    r += "Message-ID: <" + QUuid::createUuid().toString(QUuid::WithoutBraces).toLatin1() + '@'
        + (dominio.isEmpty() ? QByteArray("localhost") : endereco(dominio)) + '>' + kCrlf;
    if (m.confirmacaoLeitura)
        r += "Disposition-Notification-To: " + endereco(m.deEmail) + kCrlf;
    r += "X-Priority: 3" + kCrlf;
    r += "MIME-Version: 1.0" + kCrlf;
    r += "Content-Type: multipart/mixed; boundary=\"" + fronteira + '"' + kCrlf;
    r += kCrlf;
    r += "This is a multi-part message in MIME format." + kCrlf;

    r += "--" + fronteira + kCrlf;
    const QString tipoCorpo = m.tipoCorpo.isEmpty() ? QStringLiteral("text/plain") : m.tipoCorpo;
    r += "Content-Type: " + tipoCorpo.toLatin1() + "; charset=\"UTF-8\"" + kCrlf;
    r += "Content-Transfer-Encoding: quoted-printable" + kCrlf;
    r += "Content-Description: " + palavraCodificada(m.descricaoCorpo) + kCrlf;
    r += kCrlf;
    r += quotedPrintable(m.corpo.toUtf8()) + kCrlf;

    for (const Parte &p : partes) {
        const QString tipo = m.tipoAnexo.isEmpty() ? tipoPorNome(p.nome) : m.tipoAnexo;
        r += "--" + fronteira + kCrlf;
        r += "Content-Type: " + tipo.toLatin1() + "; " + parametroNome("name", p.nome) + kCrlf;
        r += "Content-Transfer-Encoding: base64" + kCrlf;
        r += "Content-Disposition: attachment; " + parametroNome("filename", p.nome) + kCrlf;
        r += "Content-Description: " + palavraCodificada(m.prefixoDescricaoAnexo + p.nome) + kCrlf;
        r += kCrlf;
        r += base64EmLinhas(p.bytes);
    }
    r += "--" + fronteira + "--" + kCrlf;
    return r;
}

bool tlsImplicito(int porta) { return porta != 25; }

namespace {

struct Leitura {
    const QByteArray *dados;
    qsizetype pos = 0;
};

size_t ler(char *destino, size_t tamanho, size_t n, void *p)
{
    auto *l = static_cast<Leitura *>(p);
    const size_t resta = size_t(l->dados->size() - l->pos);
    const size_t k = std::min(resta, tamanho * n);
    memcpy(destino, l->dados->constData() + l->pos, k);
    l->pos += qsizetype(k);
    return k;
}

struct Conversa {
    QByteArray ultimaResposta; // the server's last reply line(s)
    QByteArray ultimaRecusa;   // its last 4xx/5xx reply (QUIT's answer comes after it)
};

int depurar(CURL *, curl_infotype tipo, char *dados, size_t n, void *p)
{
    if (tipo == CURLINFO_HEADER_IN) {
        auto *c = static_cast<Conversa *>(p);
        const QByteArray linha = QByteArray(dados, qsizetype(n)).trimmed();
        // Continuation lines ("250-...") belong to the same reply.
        if (linha.size() >= 4 && linha[3] == '-' && !c->ultimaResposta.isEmpty()
            && c->ultimaResposta.startsWith(linha.left(3)) && c->ultimaResposta.size() > 3
            && c->ultimaResposta.at(3) == '-')
            c->ultimaResposta += '\n' + linha;
        else
            c->ultimaResposta = linha;
        if (linha.startsWith('4') || linha.startsWith('5'))
            c->ultimaRecusa = linha;
    }
    return 0;
}

bool erroTls(CURLcode c)
{
    switch (c) {
    case CURLE_SSL_CONNECT_ERROR:
    case CURLE_PEER_FAILED_VERIFICATION:
    case CURLE_SSL_CACERT_BADFILE:
    case CURLE_SSL_CERTPROBLEM:
    case CURLE_SSL_CIPHER:
    case CURLE_SSL_ENGINE_NOTFOUND:
    case CURLE_SSL_ENGINE_SETFAILED:
    case CURLE_SSL_ENGINE_INITFAILED:
    case CURLE_SSL_CRL_BADFILE:
    case CURLE_SSL_ISSUER_ERROR:
    case CURLE_SSL_PINNEDPUBKEYNOTMATCH:
    case CURLE_SSL_INVALIDCERTSTATUS:
    case CURLE_SSL_SHUTDOWN_FAILED:
    case CURLE_USE_SSL_FAILED:
        return true;
    default:
        return false;
    }
}

Resultado transferir(const Servidor &s, const QString &usuario, const QString &senha, const QString &remetente,
                     const QStringList &destinatarios, const QByteArray &mensagem)
{
    static const bool iniciado = curl_global_init(CURL_GLOBAL_DEFAULT) == CURLE_OK;
    Q_UNUSED(iniciado);
    CURL *curl = curl_easy_init();
    if (!curl)
        return {Falha::Conexao, QStringLiteral("Não foi possível iniciar o cliente de e-mail.")};
    const bool tls = tlsImplicito(s.porta);
    const QByteArray url = QByteArray(tls ? "smtps://" : "smtp://") + s.host.trimmed().toUtf8() + ':'
        + QByteArray::number(s.porta);
    const QByteArray usu = usuario.toUtf8(), sen = senha.toUtf8();
    const QByteArray de = '<' + endereco(remetente) + '>';
    const QByteArray ca = s.arquivoCA.toLocal8Bit();
    curl_slist *rcpt = nullptr;
    for (const QString &d : destinatarios)
        rcpt = curl_slist_append(rcpt, QByteArray('<' + endereco(d) + '>').constData());
    char erro[CURL_ERROR_SIZE] = {};
    Leitura leitura{&mensagem};
    Conversa conversa;

    curl_easy_setopt(curl, CURLOPT_URL, url.constData());
    curl_easy_setopt(curl, CURLOPT_NOSIGNAL, 1L);
    curl_easy_setopt(curl, CURLOPT_ERRORBUFFER, erro);
    if (!usu.isEmpty()) {
        curl_easy_setopt(curl, CURLOPT_USERNAME, usu.constData());
        curl_easy_setopt(curl, CURLOPT_PASSWORD, sen.constData());
    }
    curl_easy_setopt(curl, CURLOPT_MAIL_FROM, de.constData());
    curl_easy_setopt(curl, CURLOPT_MAIL_RCPT, rcpt);
    curl_easy_setopt(curl, CURLOPT_UPLOAD, 1L);
    curl_easy_setopt(curl, CURLOPT_READFUNCTION, ler);
    curl_easy_setopt(curl, CURLOPT_READDATA, &leitura);
    curl_easy_setopt(curl, CURLOPT_INFILESIZE_LARGE, curl_off_t(mensagem.size()));
    if (tls) {
        curl_easy_setopt(curl, CURLOPT_SSLVERSION, long(CURL_SSLVERSION_TLSv1_2));
        curl_easy_setopt(curl, CURLOPT_SSL_VERIFYPEER, 1L);
        curl_easy_setopt(curl, CURLOPT_SSL_VERIFYHOST, 2L);
        if (!ca.isEmpty())
            curl_easy_setopt(curl, CURLOPT_CAINFO, ca.constData());
    } else {
        curl_easy_setopt(curl, CURLOPT_USE_SSL, long(CURLUSESSL_NONE));
    }
    const long esperaMs = std::max(1000, s.esperaMs);
    curl_easy_setopt(curl, CURLOPT_CONNECTTIMEOUT_MS, esperaMs);
    curl_easy_setopt(curl, CURLOPT_SERVER_RESPONSE_TIMEOUT, std::max(1L, esperaMs / 1000));
    curl_easy_setopt(curl, CURLOPT_LOW_SPEED_LIMIT, 1L);
    curl_easy_setopt(curl, CURLOPT_LOW_SPEED_TIME, std::max(1L, esperaMs / 1000));
    curl_easy_setopt(curl, CURLOPT_VERBOSE, 1L);
    curl_easy_setopt(curl, CURLOPT_DEBUGFUNCTION, depurar);
    curl_easy_setopt(curl, CURLOPT_DEBUGDATA, &conversa);

    const CURLcode c = curl_easy_perform(curl);
    curl_slist_free_all(rcpt);
    curl_easy_cleanup(curl);

    const QString resposta = QString::fromUtf8(conversa.ultimaResposta);
    const QString textoErro = QString::fromUtf8(erro[0] ? erro : curl_easy_strerror(c));
    if (c == CURLE_OK)
        return {Falha::Nenhuma, resposta};
    if (c == CURLE_LOGIN_DENIED)
        return {Falha::Autenticacao, resposta.isEmpty() ? textoErro : resposta};
    if (erroTls(c))
        return {Falha::Tls, textoErro};
    if (!conversa.ultimaRecusa.isEmpty())
        return {Falha::Recusa, QString::fromUtf8(conversa.ultimaRecusa)};
    return {Falha::Conexao, textoErro};
}

} // namespace

Resultado enviar(const Servidor &s, const QString &usuario, const QString &senha, const QString &remetente,
                 const QStringList &destinatarios, const QByteArray &mensagem)
{
    Resultado r;
    std::atomic<bool> pronto{false};
    QCoreApplication *app = QCoreApplication::instance();
    std::thread t([&] {
        r = transferir(s, usuario, senha, remetente, destinatarios, mensagem);
        pronto = true;
        // Wakes the waiting loop below.
        if (app)
            QMetaObject::invokeMethod(app, [] {}, Qt::QueuedConnection);
    });
    if (app) {
        // User input waits; painting and timers go on.
        while (!pronto)
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents | QEventLoop::ExcludeUserInputEvents);
    }
    t.join();
    return r;
}

} // namespace Email
