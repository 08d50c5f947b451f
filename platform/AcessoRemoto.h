#pragma once
// The remote-access tool of the support team: started when it is unpacked in
// the installation's "util" folder, unpacked first when only its archive is
// there, and otherwise downloaded from the support FTP server (with a progress
// panel on the main window) and then unpacked and started.
//
// The FTP client is an interface: the program uses libcurl (passive mode,
// binary transfers); the archive is unpacked with bsdtar (libarchive reads
// RAR, ZIP and tar archives alike).
#include <QDateTime>
#include <QString>
#include <QStringList>
#include <functional>

namespace AcessoRemoto {

// Texts shown to the user.
extern const char *const kMsgIniciando;      // the tool is there
extern const char *const kMsgDescompactando; // only the archive is there
extern const char *const kMsgSemDescompactador;
extern const char *const kPerguntaBaixar;
extern const char *const kMsgErroConexao;    // "Erro de conexão!"

// The support FTP server and the program's account on it (values of the
// deployment: the ZV_FTP_SUPORTE, ZV_FTP_PORTA, ZV_FTP_USUARIO and
// ZV_FTP_SENHA environment variables override the built-in ones).
struct Servidor {
    QString host;
    int porta = 21;
    QString usuario;
    QString senha;
    QString pasta = QStringLiteral("www/info/Essenciais");
};
Servidor servidor();
void definirServidor(const Servidor &s);
void restaurarServidor();

// The file names on this workstation.
QString nomeArquivo(); // "AcessoRemotoCalvori.rar" (the name on the server)
QString ferramenta();  // <instalação>/util/AcessoRemotoCalvori.exe
QString arquivo();     // <instalação>/util/AcessoRemotoCalvori.rar
QString pastaUtil();   // <instalação>/util
// The unpacking program: bsdtar beside the executable, else on the PATH;
// empty when there is none. Tests may point it elsewhere ("" = none).
QString descompactador();
void definirDescompactador(const QString &programa);
void restaurarDescompactador();
// Programs of other remote-access tools ended before ours starts.
QStringList processosConcorrentes();

// What the FTP client reports while it works.
struct Eventos {
    std::function<void(const QString &)> status;   // a status text for the "Status" label
    std::function<void(qint64 anunciado)> inicio;  // work begins (0: no size announced)
    std::function<void(qint64 feitos)> trabalho;   // bytes done so far
};

// An FTP session: connect and log in, change folder, ask a file's size,
// fetch a file, disconnect. Errors of a transfer are thrown as ErroSistema.
class ClienteFtp {
public:
    virtual ~ClienteFtp() = default;
    Eventos eventos;
    virtual bool conectar(const Servidor &s) = 0;
    virtual bool mudarPasta(const QString &pasta) = 0;
    // The server's size of the file in the current folder; -1 when unknown.
    virtual qint64 tamanho(const QString &nome) = 0;
    // Fetches the file of the current folder into `destino` (which must not
    // exist: no overwrite, no resume).
    virtual void baixar(const QString &nome, const QString &destino) = 0;
    virtual void desconectar() = 0;
};

// libcurl: passive mode, type I.
class ClienteFtpCurl : public ClienteFtp {
public:
    ClienteFtpCurl();
    ~ClienteFtpCurl() override;
    bool conectar(const Servidor &s) override;
    bool mudarPasta(const QString &pasta) override;
    qint64 tamanho(const QString &nome) override;
    void baixar(const QString &nome, const QString &destino) override;
    void desconectar() override;

private:
    QString url(const QString &nome = {}) const;
    void *m_curl = nullptr;
    Servidor m_servidor;
    QString m_pasta; // current folder, relative to the login folder
    bool m_conectado = false;
};

// The download's rate and remaining time as the progress panel shows them.
class ProgressoDownload {
public:
    // Work begins at `inicio`: the gauge's maximum is the announced size, or
    // the server's size when none is announced; the rate starts at 1 KB/s.
    void comecar(const QDateTime &inicio, qint64 anunciado, qint64 bytesATransferir);
    // One step: the text of the second label ("Taxa de Transferencia: ...").
    QString passo(qint64 feitos, const QDateTime &agora);
    qint64 maximo() const { return m_maximo; }
    double taxa() const { return m_taxa; }

private:
    QDateTime m_inicio;     // STime
    qint64 m_bytes = 0;     // BytesToTransfer
    qint64 m_maximo = 0;
    double m_taxa = 1;      // KB/s
};

// The main window's progress panel, as the download uses it.
class PainelProgresso {
public:
    virtual ~PainelProgresso() = default;
    virtual void mostrar() = 0;
    virtual void esconder() = 0;
    virtual void status(const QString &texto) = 0;
    virtual void maximo(qint64 m) = 0;
    virtual void posicao(qint64 p) = 0;
    virtual void taxa(const QString &texto) = 0;
};

// The whole command. `cliente` is used only when a download is needed; with
// null, the libcurl client is used.
void iniciar(PainelProgresso &painel, ClienteFtp *cliente = nullptr);

} // namespace AcessoRemoto
