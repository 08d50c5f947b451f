#include "platform/Ftp.h"
#include "base/Erros.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QSaveFile>
#include <QUrl>
#include <curl/curl.h>

namespace Ftp {

QList<EntradaFtp> interpretarListagem(const QByteArray &listagem)
{
    static const QRegularExpression reUnix(QStringLiteral(
        R"(^([-dlbcps])[-rwxsStTl@+.]{9,10}\s+\d+\s+\S+\s+\S+\s+\d+\s+\S+\s+\d+\s+[\d:]+\s(.+)$)"));
    // Some servers leave out the group.
    static const QRegularExpression unixSemGrupo(QStringLiteral(
        R"(^([-dlbcps])[-rwxsStTl@+.]{9,10}\s+\d+\s+\S+\s+\d+\s+\S+\s+\d+\s+[\d:]+\s(.+)$)"));
    static const QRegularExpression windows(
        QStringLiteral(R"(^\d{2}-\d{2}-\d{2,4}\s+\d{1,2}:\d{2}(?:[AaPp][Mm])?\s+(<DIR>|\d+)\s+(.+)$)"));
    QList<EntradaFtp> r;
    const QString texto = QString::fromUtf8(listagem);
    for (QString linha : texto.split(QLatin1Char('\n'))) {
        if (linha.endsWith(QLatin1Char('\r')))
            linha.chop(1);
        if (linha.trimmed().isEmpty() || linha.startsWith(QLatin1String("total ")))
            continue;
        EntradaFtp e;
        QRegularExpressionMatch m = reUnix.match(linha);
        if (!m.hasMatch())
            m = unixSemGrupo.match(linha);
        if (m.hasMatch()) {
            e.pasta = m.captured(1) == QLatin1String("d");
            e.nome = m.captured(2);
            if (m.captured(1) == QLatin1String("l")) {
                // A link shows as "nome -> destino"; it is fetched as a file.
                const qsizetype seta = e.nome.indexOf(QLatin1String(" -> "));
                if (seta >= 0)
                    e.nome.truncate(seta);
            }
        } else if ((m = windows.match(linha)).hasMatch()) {
            e.pasta = m.captured(1) == QLatin1String("<DIR>");
            e.nome = m.captured(2);
        } else {
            throw ErroSistema(QStringLiteral("Listagem do servidor não reconhecida: %1").arg(linha));
        }
        if (e.nome == QLatin1String(".") || e.nome == QLatin1String(".."))
            continue;
        r.append(e);
    }
    return r;
}

QString juntarPasta(const QString &base, const QString &pasta)
{
    const QString junta = pasta.startsWith(QLatin1Char('/')) ? pasta : base + QLatin1Char('/') + pasta;
    QString limpa = QDir::cleanPath(junta);
    if (!limpa.startsWith(QLatin1Char('/')))
        limpa.prepend(QLatin1Char('/'));
    return limpa;
}

namespace {

size_t guardar(char *dados, size_t tamanho, size_t n, void *destino)
{
    static_cast<QByteArray *>(destino)->append(dados, qsizetype(tamanho * n));
    return tamanho * n;
}

size_t gravar(char *dados, size_t tamanho, size_t n, void *destino)
{
    auto *f = static_cast<QSaveFile *>(destino);
    return f->write(dados, qint64(tamanho * n)) == qint64(tamanho * n) ? tamanho * n : 0;
}

class ClienteCurl : public ClienteFtp {
public:
    ClienteCurl()
    {
        static const bool iniciado = curl_global_init(CURL_GLOBAL_DEFAULT) == CURLE_OK;
        Q_UNUSED(iniciado);
    }
    ~ClienteCurl() override { desconectar(); }

    void conectar(const QString &host, const QString &usuario, const QString &senha) override
    {
        desconectar();
        m_curl = curl_easy_init();
        if (!m_curl)
            throw ErroSistema(QStringLiteral("Não foi possível iniciar o cliente FTP."));
        m_base = host.contains(QLatin1String("://")) ? host : QStringLiteral("ftp://") + host;
        while (m_base.endsWith(QLatin1Char('/')))
            m_base.chop(1);
        m_usuario = usuario.toUtf8();
        m_senha = senha.toUtf8();
        preparar(m_base + QLatin1Char('/'));
        curl_easy_setopt(m_curl, CURLOPT_NOBODY, 1L);
        executar();
        curl_easy_setopt(m_curl, CURLOPT_NOBODY, 0L);
        char *entrada = nullptr;
        curl_easy_getinfo(m_curl, CURLINFO_FTP_ENTRY_PATH, &entrada);
        m_pasta = entrada && *entrada ? juntarPasta(QStringLiteral("/"), QString::fromUtf8(entrada))
                                      : QStringLiteral("/");
    }

    void mudarPasta(const QString &pasta) override
    {
        exigirConexao();
        const QString nova = juntarPasta(m_pasta, pasta);
        // The folder must exist: it is listed once (without keeping the list).
        QByteArray lixo;
        preparar(url(nova, true));
        curl_easy_setopt(m_curl, CURLOPT_WRITEFUNCTION, guardar);
        curl_easy_setopt(m_curl, CURLOPT_WRITEDATA, &lixo);
        executar();
        m_pasta = nova;
    }

    QString pastaAtual() const override { return m_pasta; }

    QList<EntradaFtp> listar() override
    {
        exigirConexao();
        QByteArray lista;
        preparar(url(m_pasta, true));
        curl_easy_setopt(m_curl, CURLOPT_WRITEFUNCTION, guardar);
        curl_easy_setopt(m_curl, CURLOPT_WRITEDATA, &lista);
        executar();
        return interpretarListagem(lista);
    }

    void baixar(const QString &nome, const QString &destino) override
    {
        exigirConexao();
        QSaveFile f(destino);
        if (!f.open(QIODevice::WriteOnly))
            throw ErroSistema(QStringLiteral("Não foi possível gravar %1: %2").arg(destino, f.errorString()));
        preparar(url(juntarPasta(m_pasta, nome), false));
        curl_easy_setopt(m_curl, CURLOPT_WRITEFUNCTION, gravar);
        curl_easy_setopt(m_curl, CURLOPT_WRITEDATA, &f);
        executar();
        if (!f.commit())
            throw ErroSistema(QStringLiteral("Não foi possível gravar %1: %2").arg(destino, f.errorString()));
    }

    void desconectar() override
    {
        if (m_curl) {
            curl_easy_cleanup(m_curl);
            m_curl = nullptr;
        }
    }

private:
    void exigirConexao()
    {
        if (!m_curl)
            throw ErroSistema(QStringLiteral("Não conectado ao servidor FTP."));
    }
    // A path from the root: "%2F" makes the server start at "/".
    QString url(const QString &caminho, bool pasta) const
    {
        QString c = QString::fromUtf8(QUrl::toPercentEncoding(caminho, "/"));
        if (m_base.startsWith(QLatin1String("ftp"), Qt::CaseInsensitive))
            c = QStringLiteral("/%2F") + c.mid(1);
        if (pasta && !c.endsWith(QLatin1Char('/')))
            c += QLatin1Char('/');
        return m_base + c;
    }
    void preparar(const QString &endereco)
    {
        m_url = endereco.toUtf8();
        curl_easy_setopt(m_curl, CURLOPT_URL, m_url.constData());
        curl_easy_setopt(m_curl, CURLOPT_USERNAME, m_usuario.constData());
        curl_easy_setopt(m_curl, CURLOPT_PASSWORD, m_senha.constData());
        curl_easy_setopt(m_curl, CURLOPT_FTP_USE_EPSV, 1L);
        curl_easy_setopt(m_curl, CURLOPT_TRANSFERTEXT, 0L);
        curl_easy_setopt(m_curl, CURLOPT_FTP_FILEMETHOD, long(CURLFTPMETHOD_SINGLECWD));
        curl_easy_setopt(m_curl, CURLOPT_NOSIGNAL, 1L);
        curl_easy_setopt(m_curl, CURLOPT_ERRORBUFFER, m_erro);
        m_erro[0] = 0;
    }
    void executar()
    {
        const CURLcode r = curl_easy_perform(m_curl);
        if (r != CURLE_OK)
            throw ErroSistema(QString::fromUtf8(*m_erro ? m_erro : curl_easy_strerror(r)));
    }

    CURL *m_curl = nullptr;
    QString m_base;
    QString m_pasta = QStringLiteral("/");
    QByteArray m_usuario, m_senha, m_url;
    char m_erro[CURL_ERROR_SIZE] = {};
};

Fabrica &fabrica()
{
    static Fabrica f;
    return f;
}

} // namespace

std::unique_ptr<ClienteFtp> criar()
{
    if (fabrica())
        return fabrica()();
    return std::make_unique<ClienteCurl>();
}

void definirFabrica(Fabrica f) { fabrica() = std::move(f); }

} // namespace Ftp
