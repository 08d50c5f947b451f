#include "platform/AcessoRemoto.h"
#include "base/Caminhos.h"
#include "base/Erros.h"
#include "base/Mensagem.h"
#include "base/Relogio.h"
#include "platform/Processos.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QUrl>

#include <curl/curl.h>
#include <cmath>
#include <exception>
#include <memory>
#include <optional>

namespace AcessoRemoto {

const char *const kMsgIniciando = "Por favor, clique em OK e aguarde, o Acesso Remoto Calvori será iniciado!";
const char *const kMsgDescompactando =
    "Por favor, clique em OK e aguarde, o Acesso Remoto Calvori será descompactado e iniciado!";
const char *const kMsgSemDescompactador =
    "Arquivo UnRAR.exe não encontrado! Entre em contato com o Suporte calvori e informe o nome do arquivo!";
const char *const kPerguntaBaixar =
    "O Acesso Remoto Calvori não foi encontrado no seu PC, deseja baixá-lo agora do servidor da CALVORI?";
const char *const kMsgErroConexao = "Erro de conexão!";

namespace {

QString u8(const char *t) { return QString::fromUtf8(t); }

QString ambiente(const char *nome, const QString &padrao)
{
    const QString v = qEnvironmentVariable(nome);
    return v.isEmpty() ? padrao : v;
}

Servidor servidorPadrao()
{
    Servidor s;
    s.host = ambiente("ZV_FTP_SUPORTE", QStringLiteral("ftp.calvori.com.br"));
    s.porta = ambiente("ZV_FTP_PORTA", QStringLiteral("21")).toInt();
    s.usuario = ambiente("ZV_FTP_USUARIO", QStringLiteral("zentrosuporte"));
    s.senha = ambiente("ZV_FTP_SENHA", QStringLiteral("Zv4@suport"));
    return s;
}

std::optional<Servidor> &servidorDefinido()
{
    static std::optional<Servidor> s;
    return s;
}

std::optional<QString> &descompactadorDefinido()
{
    static std::optional<QString> d;
    return d;
}

} // namespace

Servidor servidor() { return servidorDefinido() ? *servidorDefinido() : servidorPadrao(); }
void definirServidor(const Servidor &s) { servidorDefinido() = s; }
void restaurarServidor() { servidorDefinido().reset(); }

QString nomeArquivo() { return QStringLiteral("AcessoRemotoCalvori.rar"); }
QString ferramenta() { return Caminhos::mapearWindows(QStringLiteral("C:\\Quintara\\util\\AcessoRemotoCalvori.exe")); }
QString arquivo() { return Caminhos::mapearWindows(QStringLiteral("C:\\Quintara\\util\\AcessoRemotoCalvori.rar")); }
QString pastaUtil() { return Caminhos::naInstalacao(QStringLiteral("util")); }

QString descompactador()
{
    if (descompactadorDefinido())
        return *descompactadorDefinido();
    const QString aoLado = Caminhos::naInstalacao(QStringLiteral("bsdtar"));
    if (QFileInfo(aoLado).isExecutable())
        return aoLado;
    return QStandardPaths::findExecutable(QStringLiteral("bsdtar"));
}
void definirDescompactador(const QString &programa) { descompactadorDefinido() = programa; }
void restaurarDescompactador() { descompactadorDefinido().reset(); }

QStringList processosConcorrentes()
{
    // The Windows program and its Linux build.
    return {QStringLiteral("TeamViewer.exe"), QStringLiteral("TeamViewer")};
}

// ------------------------------------------------------------ libcurl client

namespace {

struct Transferencia {
    ClienteFtpCurl *cliente = nullptr;
    const Eventos *eventos = nullptr;
    CURL *curl = nullptr;
    QFile *destino = nullptr;
    qint64 feitos = 0;
    bool comecou = false;
    bool falhaGravacao = false;
};

void comecarSeAinda(Transferencia &t)
{
    if (t.comecou)
        return;
    t.comecou = true;
    curl_off_t anunciado = -1;
    curl_easy_getinfo(t.curl, CURLINFO_CONTENT_LENGTH_DOWNLOAD_T, &anunciado);
    if (t.eventos->inicio)
        t.eventos->inicio(anunciado > 0 ? qint64(anunciado) : 0);
}

size_t gravar(char *dados, size_t tamanho, size_t n, void *usuario)
{
    auto &t = *static_cast<Transferencia *>(usuario);
    const size_t total = tamanho * n;
    comecarSeAinda(t);
    if (t.destino->write(dados, qint64(total)) != qint64(total)) {
        t.falhaGravacao = true;
        return 0; // aborts the transfer
    }
    t.feitos += qint64(total);
    if (t.eventos->trabalho)
        t.eventos->trabalho(t.feitos);
    return total;
}

size_t descartar(char *, size_t tamanho, size_t n, void *) { return tamanho * n; }

// The server's replies go to the "Status" label as they come.
int depurar(CURL *, curl_infotype tipo, char *dados, size_t tamanho, void *usuario)
{
    if (tipo != CURLINFO_HEADER_IN)
        return 0;
    const auto *eventos = static_cast<const Eventos *>(usuario);
    const QString linha = QString::fromUtf8(dados, qsizetype(tamanho)).trimmed();
    if (!linha.isEmpty() && eventos->status)
        eventos->status(linha);
    return 0;
}

struct IniciaCurl {
    IniciaCurl() { curl_global_init(CURL_GLOBAL_DEFAULT); }
};

} // namespace

ClienteFtpCurl::ClienteFtpCurl()
{
    static IniciaCurl inicia;
}

ClienteFtpCurl::~ClienteFtpCurl()
{
    if (m_curl)
        curl_easy_cleanup(static_cast<CURL *>(m_curl));
}

QString ClienteFtpCurl::url(const QString &nome) const
{
    QString caminho = QStringLiteral("/");
    if (!m_pasta.isEmpty())
        caminho += m_pasta + QLatin1Char('/');
    caminho += nome;
    QUrl u;
    u.setScheme(QStringLiteral("ftp"));
    u.setHost(m_servidor.host);
    u.setPort(m_servidor.porta);
    u.setPath(caminho);
    return u.toString(QUrl::FullyEncoded);
}

namespace {

// One request on the open session: only the command, no data (NOBODY).
CURLcode pedir(CURL *c, const QString &endereco, const Eventos *eventos)
{
    const QByteArray e = endereco.toUtf8();
    curl_easy_setopt(c, CURLOPT_URL, e.constData());
    curl_easy_setopt(c, CURLOPT_NOBODY, 1L);
    curl_easy_setopt(c, CURLOPT_WRITEFUNCTION, descartar);
    curl_easy_setopt(c, CURLOPT_DEBUGDATA, eventos);
    return curl_easy_perform(c);
}

} // namespace

bool ClienteFtpCurl::conectar(const Servidor &s)
{
    desconectar();
    m_servidor = s;
    m_pasta.clear();
    CURL *c = curl_easy_init();
    if (!c)
        return false;
    m_curl = c;
    const QByteArray usuario = s.usuario.toUtf8();
    const QByteArray senha = s.senha.toUtf8();
    curl_easy_setopt(c, CURLOPT_USERNAME, usuario.constData());
    curl_easy_setopt(c, CURLOPT_PASSWORD, senha.constData());
    curl_easy_setopt(c, CURLOPT_CONNECTTIMEOUT, 20L);
    curl_easy_setopt(c, CURLOPT_FTP_RESPONSE_TIMEOUT, 60L);
    curl_easy_setopt(c, CURLOPT_TRANSFERTEXT, 0L); // type I
    curl_easy_setopt(c, CURLOPT_FTP_FILEMETHOD, long(CURLFTPMETHOD_MULTICWD));
    curl_easy_setopt(c, CURLOPT_DEBUGFUNCTION, depurar);
    curl_easy_setopt(c, CURLOPT_VERBOSE, 1L);
    curl_easy_setopt(c, CURLOPT_STDERR, nullptr);
    // Passive mode: curl's default (EPSV, then PASV).
    if (eventos.status) {
        eventos.status(QStringLiteral("Resolvendo..."));
        eventos.status(QStringLiteral("Conectando..."));
    }
    if (pedir(c, url(), &eventos) != CURLE_OK) {
        curl_easy_cleanup(c);
        m_curl = nullptr;
        return false;
    }
    m_conectado = true;
    if (eventos.status)
        eventos.status(QStringLiteral("Conectado ao Servidor FTP! Aguarde..."));
    return true;
}

bool ClienteFtpCurl::mudarPasta(const QString &pasta)
{
    if (!m_conectado)
        return false;
    const QString anterior = m_pasta;
    m_pasta = pasta;
    if (pedir(static_cast<CURL *>(m_curl), url(), &eventos) != CURLE_OK) {
        m_pasta = anterior;
        return false;
    }
    return true;
}

qint64 ClienteFtpCurl::tamanho(const QString &nome)
{
    if (!m_conectado)
        return -1;
    CURL *c = static_cast<CURL *>(m_curl);
    if (pedir(c, url(nome), &eventos) != CURLE_OK)
        return -1;
    curl_off_t t = -1;
    curl_easy_getinfo(c, CURLINFO_CONTENT_LENGTH_DOWNLOAD_T, &t);
    return t >= 0 ? qint64(t) : -1;
}

void ClienteFtpCurl::baixar(const QString &nome, const QString &destino)
{
    if (!m_conectado)
        throw ErroSistema(QStringLiteral("Sem conexão com o servidor FTP."));
    QFile arquivo(destino);
    if (!arquivo.open(QIODevice::WriteOnly | QIODevice::NewOnly))
        throw ErroSistema(QStringLiteral("Não foi possível criar o arquivo %1: %2").arg(destino, arquivo.errorString()));
    CURL *c = static_cast<CURL *>(m_curl);
    Transferencia t;
    t.cliente = this;
    t.eventos = &eventos;
    t.curl = c;
    t.destino = &arquivo;
    if (eventos.status)
        eventos.status(QStringLiteral("Transferindo..."));
    const QByteArray e = url(nome).toUtf8();
    curl_easy_setopt(c, CURLOPT_URL, e.constData());
    curl_easy_setopt(c, CURLOPT_NOBODY, 0L);
    curl_easy_setopt(c, CURLOPT_WRITEFUNCTION, gravar);
    curl_easy_setopt(c, CURLOPT_WRITEDATA, &t);
    curl_easy_setopt(c, CURLOPT_DEBUGDATA, &eventos);
    const CURLcode r = curl_easy_perform(c);
    curl_easy_setopt(c, CURLOPT_WRITEFUNCTION, descartar);
    curl_easy_setopt(c, CURLOPT_WRITEDATA, nullptr);
    arquivo.close();
    if (r != CURLE_OK || t.falhaGravacao) {
        // A piece of the archive would later be taken for the whole of it.
        QFile::remove(destino);
        if (eventos.status)
            eventos.status(QStringLiteral("Abortado!"));
        const QString motivo = t.falhaGravacao ? arquivo.errorString() : QString::fromUtf8(curl_easy_strerror(r));
        throw ErroSistema(QStringLiteral("Falha ao transferir o arquivo %1: %2").arg(nome, motivo));
    }
    comecarSeAinda(t);
    if (eventos.status)
        eventos.status(QStringLiteral("Lendo..."));
}

void ClienteFtpCurl::desconectar()
{
    if (!m_curl)
        return;
    if (eventos.status)
        eventos.status(QStringLiteral("Desconectando..."));
    curl_easy_cleanup(static_cast<CURL *>(m_curl)); // sends QUIT
    m_curl = nullptr;
    m_conectado = false;
    if (eventos.status)
        eventos.status(QStringLiteral("Desconectado!"));
}

// ------------------------------------------------------------ progress

void ProgressoDownload::comecar(const QDateTime &inicio, qint64 anunciado, qint64 bytesATransferir)
{
    m_inicio = inicio;
    m_bytes = bytesATransferir;
    m_maximo = anunciado > 0 ? anunciado : bytesATransferir;
    m_taxa = 1;
}

QString ProgressoDownload::passo(qint64 feitos, const QDateTime &agora)
{
    const qint64 ms = m_inicio.msecsTo(agora);
    const double decorrido = double(ms / 1000) + double(ms % 1000) / 1000.0;
    QString tempo;
    if (decorrido > 0) {
        qint64 restante = 0;
        if (m_taxa > 0)
            restante = qint64(std::trunc((double(m_bytes - feitos) / 1024.0) / m_taxa));
        m_taxa = (double(feitos) / 1024.0) / decorrido;
        if (restante < 0)
            restante = 0;
        tempo = QStringLiteral("Tempo de download ")
            + QString::asprintf("%.2d:%.2d:%.2d", int(restante / 3600), int((restante % 3600) / 60), int(restante % 60));
    }
    const QString taxa = QString::number(m_taxa, 'f', 2).replace(QLatin1Char('.'), QLatin1Char(','));
    return QStringLiteral("Taxa de Transferencia: ") + taxa + QStringLiteral(" KB/s") + QStringLiteral("; ") + tempo;
}

// ------------------------------------------------------------ the command

namespace {

void encerrarConcorrentes()
{
    for (const QString &p : processosConcorrentes())
        EncerrarProcesso(p);
}

void iniciarFerramenta()
{
    // A tool that cannot be started gives no message of the system.
    Plataforma::processos().iniciar(ferramenta(), {}, pastaUtil());
}

} // namespace

void iniciar(PainelProgresso &painel, ClienteFtp *cliente)
{
    if (QFileInfo::exists(ferramenta())) {
        encerrarConcorrentes();
        Mensagem::info(u8(kMsgIniciando));
        iniciarFerramenta();
        return;
    }
    if (QFileInfo::exists(arquivo())) {
        const QString programa = descompactador();
        if (programa.isEmpty()) {
            Mensagem::info(u8(kMsgSemDescompactador));
            return;
        }
        encerrarConcorrentes();
        Mensagem::info(u8(kMsgDescompactando));
        ExecutarEAguardar(programa, {QStringLiteral("-x"), QStringLiteral("-f"), arquivo(), QStringLiteral("-C"),
                                     pastaUtil()});
        iniciarFerramenta();
        return;
    }
    if (!Mensagem::pergunta(u8(kPerguntaBaixar)))
        return;

    painel.mostrar();
    QFile::remove(arquivo());
    QDir().mkpath(pastaUtil());

    std::unique_ptr<ClienteFtp> proprio;
    if (!cliente) {
        proprio = std::make_unique<ClienteFtpCurl>();
        cliente = proprio.get();
    }
    ProgressoDownload progresso;
    qint64 bytesATransferir = 0;
    cliente->eventos.status = [&painel](const QString &t) {
        painel.status(t);
        if (t == QLatin1String("Desconectado!"))
            painel.posicao(100);
    };
    cliente->eventos.inicio = [&](qint64 anunciado) {
        progresso.comecar(Relogio::agora(), anunciado, bytesATransferir);
        painel.maximo(progresso.maximo());
        painel.posicao(0);
    };
    cliente->eventos.trabalho = [&](qint64 feitos) {
        painel.posicao(feitos);
        painel.taxa(progresso.passo(feitos, Relogio::agora()));
    };
    const auto soltarEventos = [cliente] { cliente->eventos = {}; };

    if (!cliente->conectar(servidor())) {
        Mensagem::erro(u8(kMsgErroConexao));
        painel.esconder();
        soltarEventos();
        return;
    }
    // The folder may be missing and the file still be found where we are:
    // the transfer decides.
    if (!cliente->mudarPasta(servidor().pasta))
        Mensagem::erro(u8(kMsgErroConexao));

    std::exception_ptr falha;
    try {
        bytesATransferir = qMax<qint64>(0, cliente->tamanho(nomeArquivo()));
        cliente->baixar(nomeArquivo(), arquivo());
    } catch (...) {
        falha = std::current_exception();
    }
    cliente->desconectar();
    painel.esconder();
    soltarEventos();
    // Again from the start: the archive is now unpacked and the tool started
    // (or, when nothing arrived, the question comes back).
    iniciar(painel, proprio ? nullptr : cliente);
    if (falha)
        std::rethrow_exception(falha);
}

} // namespace AcessoRemoto
