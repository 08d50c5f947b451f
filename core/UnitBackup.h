#pragma once
// Backup and restore of the system's database ("Cópia de Segurança"). The
// same command is the automatic backup of the server workstation when it
// closes its cash-register shift: the screen then backs up at once, removes
// this user's presence row and ends the program.
#include <QDateTime>
#include <QDialog>
#include <QString>
#include <functional>

class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QTabWidget;
class QToolButton;

namespace BackupRegras {

inline const QString kMsgIndiqueBanco = QStringLiteral("Indique o Local do Banco de Dados que Deseja Realizar o Backup!");
inline const QString kMsgIndiquePasta = QStringLiteral("Indique Uma Pasta Para Gravação do Backup!");
inline const QString kMsgIndiqueArquivo = QStringLiteral("Indique Onde se Encontra o Seu Arquivo de Backup!");
inline const QString kMsgIndiqueDestino = QStringLiteral("Indique o Banco que o seu Backup Substituirá!");
inline const QString kMsgBackupOk = QStringLiteral("Backup Efetuado com Sucesso");
inline const QString kMsgRestauracaoOk = QStringLiteral("Restauração Efetuada com Sucesso!");
inline const QString kMsgConfirmaRestauracao =
    QStringLiteral("O Banco de Dados Será Substituído Pelo Conteúdo do Backup. Deseja Continuar?");
inline const QString kMsgRestauradoNoServidor = QStringLiteral("O Banco Restaurado Foi Gravado no Servidor Como:");
inline const QString kFiltroBanco = QStringLiteral("Arquivos de Banco de Dados do Quintara - (*.FDB)");
inline const QString kFiltroBackup = QStringLiteral("Arquivos de Backup do Quintara - (*.FBK)");

// <pasta>/Quintara_<trade name>_Backup_dd_MM_yyyy(hhmmss).fbk
QString nomeArquivoBackup(const QString &pasta, const QString &nomeFantasia, const QDateTime &momento);
// The default folder: "BANCO DE DADOS/Backups" in the installation folder.
QString pastaPadrao();
// A path typed or pasted between double quotes loses them.
QString semAspas(const QString &caminho);

// Which input is missing: the message and the field (0 first, 1 second); an
// empty message when the inputs are complete.
struct Falta {
    QString mensagem;
    int campo = -1;
    bool ok() const { return mensagem.isEmpty(); }
};
// Backup: the database, then the folder (empty or a drive root are refused).
Falta verificarBackup(const QString &banco, const QString &pasta);
// Restore: the backup file, then the target database.
Falta verificarRestauracao(const QString &arquivo, const QString &banco);

using Saida = std::function<void(const QString &linha)>;

// Backs `banco` up into `pasta` under the name built from the trade name and
// the clock's moment; the tool's lines, an empty line, "Backup Completado -
// Arquivo Salvo em:" and the file go to `saida`. Logs "Criou Backup".
// Returns the file. A failure raises ErroSistema and logs nothing. While the
// embedded engine works on the open database file the main connection is
// closed, and it is opened again afterwards.
QString fazerBackup(const QString &banco, const QString &pasta, const Saida &saida);

// Where a restore of `banco` is written first: beside it, under a new name
// (also on a server, host:/path).
QString caminhoNovo(const QString &banco, const QDateTime &momento);

// Restores `arquivo` into a new database beside `banco` (the tool runs with
// no input and a time limit), checks that the new database opens and holds
// the settings row, and only then puts it in place of `banco` (a file path:
// the old file is swapped out and removed, the main connection closed just
// for the swap and opened again). On a server (host:/path) the files cannot
// be swapped from here: the checked database stays under its new name.
// Logs "Restaurou Backup" and returns the database that holds the restore.
// On any failure the old database is untouched, the main connection is as it
// was, the new file is removed and ErroSistema carries the tool's message.
QString restaurar(const QString &arquivo, const QString &banco, const Saida &saida);

// The automatic backup's end: this login's presence row on this workstation.
void removerPresenca();

// Ends the program (the main window's end, or the application's event
// loops). Tests replace it.
extern std::function<void()> encerrarAplicacao;

} // namespace BackupRegras

class TFrmBackup : public QDialog {
    Q_OBJECT
public:
    explicit TFrmBackup(QWidget *parent = nullptr);

    QLabel *imgCabecalho;
    QLabel *lblTitulo;
    QTabWidget *pcBackup;
    // "Criar"
    QLineEdit *edtBanco;          // "Localização do Banco de Dados:"
    QToolButton *btnProcurarBanco;
    QLineEdit *edtPasta;          // "Caminho para Gravação do Backup:"
    QToolButton *btnProcurarPasta;
    QPlainTextEdit *mmCriar;      // "Andamento da Operação:"
    QPushButton *btnCriar;
    QPushButton *btnSairCriar;
    // "Restaurar"
    QLineEdit *edtArquivoBackup;  // "Arquivo de Backup:"
    QToolButton *btnProcurarArquivo;
    QLineEdit *edtBancoRestaurar; // "Banco de Dados:"
    QToolButton *btnProcurarBancoRestaurar;
    QPlainTextEdit *mmRestaurar;  // "Andamento da Operação:"
    QPushButton *btnRestaurar;
    QPushButton *btnSairRestaurar;

    // Fills the fields and, in the automatic mode, backs up and ends the
    // program (done when the screen is first shown).
    void iniciar();
    bool automatico() const { return m_automatico; }

public slots:
    void btnCriarClick();
    void btnRestaurarClick();
    void btnSairClick();

protected:
    void showEvent(QShowEvent *e) override;
    bool eventFilter(QObject *o, QEvent *e) override;

private:
    void procurarArquivo(QLineEdit *edit, const QString &filtro, bool salvar);
    void procurarPasta(QLineEdit *edit);
    bool m_iniciado = false;
    bool m_automatico = false;
    bool m_criado = false;
};

extern TFrmBackup *FrmBackup;

// The ribbon's "Cópia de Segurança" (also run by the server workstation's
// shift closing after it sets RealizarBackup to "S").
void abrirBackup();
