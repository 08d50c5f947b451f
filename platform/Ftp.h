#pragma once
// FTP client of the survey page copy: one connection (passive mode, binary
// transfers) through libcurl. Every failure raises ErroSistema.
#include <QByteArray>
#include <QList>
#include <QString>
#include <functional>
#include <memory>

struct EntradaFtp {
    QString nome;
    bool pasta = false;
};

class ClienteFtp {
public:
    virtual ~ClienteFtp() = default;
    // Logs in; the current folder becomes the account's home.
    virtual void conectar(const QString &host, const QString &usuario, const QString &senha) = 0;
    // Changes to a folder: absolute ("/x/y") or relative to the current one.
    virtual void mudarPasta(const QString &pasta) = 0;
    // The current folder as the server names it ("/home/u/Satisfacao/latest").
    virtual QString pastaAtual() const = 0;
    // The entries of the current folder, in the server's order ("." and ".." left out).
    virtual QList<EntradaFtp> listar() = 0;
    // Fetches a file of the current folder into `destino`, replacing it.
    virtual void baixar(const QString &nome, const QString &destino) = 0;
    virtual void desconectar() = 0;
};

namespace Ftp {

// Reads a LIST answer: Unix ("drwxr-xr-x 2 u g 4096 Jan 1 12:00 nome") and
// Windows ("01-31-24  10:00AM  <DIR>  nome") lines. A line in neither form
// raises ErroSistema.
QList<EntradaFtp> interpretarListagem(const QByteArray &listagem);

// "/a/b/../c" -> "/a/c"; joins a relative folder to a base.
QString juntarPasta(const QString &base, const QString &pasta);

using Fabrica = std::function<std::unique_ptr<ClienteFtp>()>;
std::unique_ptr<ClienteFtp> criar();
void definirFabrica(Fabrica f); // empty: libcurl

} // namespace Ftp
