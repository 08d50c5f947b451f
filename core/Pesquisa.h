#pragma once
// "Criar / Atualizar Página" of the settings screen: tests the survey host's
// FTP account and its MySQL database, and copies the remote page folder
// "Satisfacao/latest" with all its subfolders into AuxSatisfacao in the
// installation folder. Nothing is written to the database.
#include "platform/Ftp.h"

#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

class QLineEdit;
class TFrmParametros;

namespace Pesquisa {

inline const QString kMsgHostInvalido = QStringLiteral("Host Inválido!");
inline const QString kMsgUsuarioInvalido = QStringLiteral("Usuário do Host Inválido!");
inline const QString kMsgSenhaInvalida = QStringLiteral("Senha do Host Inválida!");
inline const QString kMsgErroConectarHost = QStringLiteral("Erro ao tentar conectar ao host!");
inline const QString kMsgErroDesconectar = QStringLiteral("Erro ao tentar desconectar do host!");
inline const QString kMsgFim = QStringLiteral("fim");
// "Erro ao tentar Conectar ao Banco de dados! Por favor verifique se o banco
// de dados <nome> já existe no Servidor!"
QString mensagemErroBanco(const QString &banco);

constexpr quint32 kCorOk = 0x259500;    // green ($BBGGRR)
constexpr quint32 kCorErro = 0x8080FF;  // light red
constexpr quint32 kCorBranca = 0xFFFFFF;

// The survey host's database account (a value of the deployment).
extern const char *const kUsuarioBancoPesquisa;
// The remote folder of the page.
extern const char *const kPastaRemota;

// The local copy's folder: AuxSatisfacao in the installation folder.
QString pastaLocal();

// The copy, breadth first. PastaBase is the remote folder of the page as the
// server names it; the remote tree below it is reproduced under the local
// base folder. Files are replaced; nothing is deleted locally.
class CopiaPagina {
public:
    CopiaPagina(ClienteFtp &ftp, const QString &pastaLocalBase);
    // Copies from the client's current folder. Errors raise ErroSistema.
    void executar();

    QString PastaBase;
    QString NomePastaBase;
    QString Diretorio;
    QStringList ListBox1; // folders still to copy, relative to PastaBase
    int arquivosCopiados = 0;

private:
    void copiarListagem();
    ClienteFtp &m_ftp;
    QString m_local;
};

// Tests the database: empty text when it opens, else the driver's error.
using TestaBanco = std::function<QString(const QString &host, const QString &banco, const QString &usuario,
                                         const QString &senha)>;
// The MySQL test through the QMYSQL driver (60 s to connect).
QString testarBancoMySql(const QString &host, const QString &banco, const QString &usuario, const QString &senha);
extern TestaBanco testarBanco;

struct Entradas {
    QString host, usuario, senha, banco, senhaBanco;
};
enum class Campo { Nenhum, Host, Usuario, Senha };
struct Resultado {
    Campo foco = Campo::Nenhum;          // the edit that gets the focus
    std::optional<quint32> corHost;      // new colour of the host edit
    std::optional<quint32> corBanco;     // new colour of the database-name edit
    bool copiou = false;
};

// The whole command: checks, FTP login, database test, copy and the
// messages of each step (shown through Mensagem).
Resultado criarAtualizarPagina(const Entradas &e, ClienteFtp &ftp, const QString &pastaLocalBase);

// Colours an edit ($BBGGRR); the colour is kept in the property "corFundo".
void colorirFundo(QLineEdit *edit, quint32 cor);

// Connects the settings screen's "Carregar Dados" and "Criar / Atualizar
// Página" (call once at start-up).
void instalarAcoesParametros();
// The settings screen's command.
void criarPaginaNaTela(TFrmParametros &tela);

} // namespace Pesquisa
