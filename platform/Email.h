#pragma once
// Mail transport: a MIME writer (multipart/mixed: the body, then one part
// per attached file) and one SMTP submission through libcurl, with implicit
// TLS (TLS 1.2 or later, certificate verified) unless the port is 25.
#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <QStringList>

namespace Email {

struct Mensagem {
    QString deNome;
    QString deEmail;
    QStringList para;            // addresses, one envelope recipient each
    QString assunto;
    QString corpo;
    QString tipoCorpo = QStringLiteral("text/plain");
    QString tipoAnexo;           // empty: typed by each file's name
    bool confirmacaoLeitura = false; // read receipt to deEmail
    QStringList anexos;          // file paths
    QString descricaoCorpo = QStringLiteral("Corpo da Mensagem");
    QString prefixoDescricaoAnexo = QStringLiteral("Arquivo Anexo: ");
    QDateTime data;              // invalid: now
};

struct Anexado {
    QString caminho;
    bool incluido = false; // false: the file does not exist
};

// The message as it goes on the wire (CRLF lines). Files that do not exist
// are left out (listed in *anexados with incluido false); a file that exists
// but cannot be read raises ErroSistema.
QByteArray montar(const Mensagem &m, QList<Anexado> *anexados = nullptr);

// Pieces of the writer, exposed for their own tests.
QByteArray quotedPrintable(const QByteArray &bytes);
QByteArray palavraCodificada(const QString &texto); // "=?UTF-8?B?...?=" when not plain ASCII
QString tipoPorNome(const QString &arquivo);

struct Servidor {
    QString host;
    int porta = 465;
    QString arquivoCA;      // empty: the system's trusted certificates
    int esperaMs = 10000;   // per server reply
};
// Port 25 is plain SMTP; any other port is TLS from the first byte.
bool tlsImplicito(int porta);

enum class Falha {
    Nenhuma,
    Tls,          // TLS could not be set up or the certificate was refused (nothing sent)
    Autenticacao, // the server refused the user name or password
    Conexao,      // no connection, or it dropped / timed out
    Recusa,       // connected, but the server refused the message (see resposta)
};

struct Resultado {
    Falha falha = Falha::Nenhuma;
    QString resposta; // the server's last reply (or the transport's error text)
    bool ok() const { return falha == Falha::Nenhuma; }
};

// Sends one message. The transfer runs on a thread of its own; the caller's
// thread keeps processing events (the window keeps painting) until it ends.
Resultado enviar(const Servidor &s, const QString &usuario, const QString &senha, const QString &remetente,
                 const QStringList &destinatarios, const QByteArray &mensagem);

} // namespace Email
