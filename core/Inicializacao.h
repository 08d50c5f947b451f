#pragma once
// Start-up of the program, from the launch to the main window: the standard
// dialog texts, the single copy, the workstation file param.ini, the update
// package, the shortcuts, the folders and required files, the connection to
// the database and the first row of ATUALIZACAO. Each step is plain code that
// returns whether start-up goes on and the message to show; the splash screen
// only orders the steps.
#include "base/Mensagem.h"

#include <QList>
#include <QString>
#include <QStringList>

class ConexaoBanco;
class InstanciaUnica;
class QCoreApplication;

namespace Inicio {

// Outcome of a step: go on, or end the program. A message, when present, is
// shown either way (an update that failed says so and start-up goes on).
struct Resultado {
    bool seguir = true;
    QString mensagem;
    Mensagem::Tipo tipo = Mensagem::Tipo::Informacao;
    QString titulo; // empty: the standard caption of the type

    static Resultado ok() { return {}; }
    static Resultado encerrar(const QString &mensagem, Mensagem::Tipo tipo = Mensagem::Tipo::Informacao,
                              const QString &titulo = {})
    {
        return {false, mensagem, tipo, titulo};
    }
    static Resultado aviso(const QString &mensagem, Mensagem::Tipo tipo)
    {
        return {true, mensagem, tipo, {}};
    }
};

// Shows the outcome's message, when it has one; returns `seguir`.
bool mostrar(const Resultado &r);

// ------------------------------------------------------------ messages
extern const char *const kMsgSegundaCopia;
extern const char *const kMsgLocalizacaoRegistrada;
extern const char *const kMsgSemBanco;
extern const char *const kMsgCaminhoInvalido;
extern const char *const kMsgFormatoData;
extern const char *const kMsgAvisoAtualizacao;
extern const char *const kMsgAtualizado;
extern const char *const kMsgBackupNaoInstalado;
extern const char *const kMsgServidorNaoIniciado;
extern const char *const kMsgEncerrarExecucao;

// ------------------------------------------------------------ names
// The program file of the installation, the package of a new version and the
// names the update gives the new and the previous program.
extern const char *const kArquivoPrograma;      // "zentro-vedez"
extern const char *const kPacoteAtualizacao;    // "Atualizador/new.rar"
extern const char *const kProgramaNovo;         // "new"
extern const char *const kProgramaAntigo;       // "old"
extern const char *const kFerramentaBackup;     // "Apps/Zentro Backup/Zentro Backup"
// The extractor of the update package (reads RAR, ZIP and tar).
extern const char *const kExtrator;             // "bsdtar"

// ------------------------------------------------------------ dialogs
// Portuguese texts for Qt's own dialogs (file dialog and the like) and the
// Brazilian locale for the program's own formatting. The system's message
// boxes get their texts from Mensagem.
void traduzirDialogosPadrao(QCoreApplication &app);

// ------------------------------------------------------------ single copy
Resultado verificarInstanciaUnica(InstanciaUnica &instancia);

// ------------------------------------------------------------ param.ini
// The values of the workstation file.
struct ConfigEstacao {
    QString CAMINHO;
    QString TIPO_PC;
    QString NOME_PC;
    QString PERMITIDO;
    // [BD] ESPERA_BLOQUEIO: seconds a statement waits for a row another
    // workstation holds (optional; empty or not a number: the default).
    QString ESPERA_BLOQUEIO;
};

// A Windows-style ini text: sections and keys compared ignoring case, values
// kept exactly as written (backslashes included), other lines left in place.
class ArquivoIni {
public:
    ArquivoIni() = default;
    explicit ArquivoIni(const QString &texto);
    QString valor(const QString &secao, const QString &chave, bool *existe = nullptr) const;
    void definir(const QString &secao, const QString &chave, const QString &valor);
    QString texto() const;

private:
    int linhaDaSecao(const QString &secao) const;
    QStringList m_linhas;
};

// The workstation file beside the executable ("param.ini", any case), or an
// empty text when there is none.
QString arquivoParam();
// Where a new workstation file is written.
QString arquivoParamNovo();
// Reads a text file as UTF-8, or as Latin-1 when it is not valid UTF-8.
// False (and `erro`) when it cannot be read.
bool lerTexto(const QString &arquivo, QString *texto, QString *erro = nullptr);
bool gravarTexto(const QString &arquivo, const QString &texto, QString *erro = nullptr);

// The default database of this installation.
QString caminhoBancoPadrao();
// The file's values as they are (no defaults).
ConfigEstacao lerParam(const QString &arquivo);
// Brings the file into its current form: the older plain-line form (no
// "[BD]") is converted, empty values take their defaults, a CAMINHO holding
// ".GDB" ends in "FDB"; a missing file is created with the defaults.
Resultado normalizarParam(const QString &arquivo);
// The database locator's file: the path as its only line.
bool gravarParamLocalizador(const QString &arquivo, const QString &caminhoBanco, QString *erro = nullptr);
// A path pasted into the locator between quotes loses them.
QString limparCaminhoColado(const QString &texto);

// ------------------------------------------------------------ date format
bool formatoDataAceito(const QString &formato);
Resultado verificarFormatoData(const QString &formato);

// ------------------------------------------------------------ update
QString pacoteAtualizacao(); // the package when present, else empty
// Unpacks the package (without its folders) into the installation folder,
// then puts the new program in place of the current one, keeping it as the
// previous program. Nothing is swapped unless the extraction succeeded and
// brought the new program.
Resultado instalarAtualizacao(const QString &pacote, const QString &extrator = QString::fromLatin1(kExtrator));

// ------------------------------------------------------------ gauge 1
// Start-menu shortcuts of the remote-access tool, the backup tool (also
// started with the session) and the program; then "atual.txt" goes.
void criarAtalhos();

// ------------------------------------------------------------ gauge 10
extern const QStringList kPastasCriadas;
// Creates the folders, starts the backup tool and requires it.
Resultado prepararPastas();
struct ArquivoObrigatorio {
    QString caminho;   // absolute
    QString mensagem;  // the whole message
};
// The required files, in the order they are tested. The database file is
// one of them when `caminhoBanco` is local.
QList<ArquivoObrigatorio> arquivosObrigatorios(const QString &caminhoBanco);
Resultado verificarArquivosObrigatorios(const QString &caminhoBanco);

// ------------------------------------------------------------ gauge 50
// True for "host:/path" (a database server); false for a file path.
bool caminhoServidor(const QString &caminho);
// The database as the connection takes it: a Windows path of the system is
// mapped into this installation, a relative path is taken from the
// installation folder and a file whose name differs only in case is found.
QString resolverCaminhoBanco(const QString &caminho);
Resultado conectarBanco(ConexaoBanco &conexao, const QString &caminho);
// Today's nights are posted (a row of today in ATUALIZACAO).
bool servidorAtualizado(ConexaoBanco &conexao);
// An empty ATUALIZACAO receives today.
void semearAtualizacao(ConexaoBanco &conexao);
// The running program's version into PARAMETROS.ULTIMA_VERSAO, where the
// other workstations and support read which version last opened the database.
void registrarVersao(ConexaoBanco &conexao);

// ------------------------------------------------------------ the sequence
// The steps in the order the splash screen runs them.
class SequenciaInicio {
public:
    explicit SequenciaInicio(ConexaoBanco &conexao);

    // The workstation's short date format (the regional settings by default).
    QString formatoData;
    QString extrator = QString::fromLatin1(kExtrator);

    // When the splash is created: the date format.
    Resultado criacao();
    // When it is shown: a waiting update package.
    Resultado exibicao();
    // The actions of the gauge positions 1, 10 and 50 (others do nothing).
    Resultado passo(int gauge);
    // After the splash: the workstation values into the session and the
    // first row of ATUALIZACAO.
    Resultado depoisDoSplash();
    // criacao, exibicao and every gauge step, stopping at the first end. The
    // messages of steps that go on are shown on the way; the ending step's
    // outcome is returned with its message not yet shown.
    Resultado executarSplash();

    QString caminhoBanco() const { return m_caminhoBanco; }

    static const QList<int> kPosicoes; // gauge positions with an action

private:
    Resultado executarPasso(int gauge);

    ConexaoBanco &m_conexao;
    QString m_caminhoBanco;
};

} // namespace Inicio
