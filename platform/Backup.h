#pragma once
// Backup and restore of a Firebird database through the engine's own tool
// (gbak). A plain file path is handled by the embedded engine; host:/path
// goes through the Firebird server. Every line the tool writes is handed to
// the caller as it arrives. A failure raises ErroSistema with the tool's
// error lines.
#include <QString>
#include <QStringList>
#include <functional>
#include <memory>

namespace Backup {

using Saida = std::function<void(const QString &linha)>;

// Account of the services: the same administrator account as the data module.
struct Credenciais {
    QString usuario;
    QString senha;
};

class Servico {
public:
    virtual ~Servico() = default;
    // Backs banco up into arquivo (ignoring limbo transactions, in the
    // non-transportable format). An existing arquivo is never replaced.
    virtual void backup(const QString &banco, const QString &arquivo, const Credenciais &c, const Saida &saida) = 0;
    // Restores arquivo into a new database banco (all space used, 3000 page
    // buffers, pages of 4096 bytes). An existing banco is never replaced.
    virtual void restaurar(const QString &arquivo, const QString &banco, const Credenciais &c, const Saida &saida) = 0;
};

// The gbak tool as a process.
class ServicoGbak : public Servico {
public:
    void backup(const QString &banco, const QString &arquivo, const Credenciais &c, const Saida &saida) override;
    void restaurar(const QString &arquivo, const QString &banco, const Credenciais &c, const Saida &saida) override;

    // The tool's arguments (without the account).
    static QStringList argumentosBackup(const QString &banco, const QString &arquivo);
    static QStringList argumentosRestauracao(const QString &arquivo, const QString &banco);
    // The tool's executable: ZV_GBAK, else gbak on the PATH, else /usr/bin/gbak.
    static QString executavel();
    // The longest the tool may run before it is ended (milliseconds). The
    // tool never gets any input: a damaged file that makes it ask for the
    // next volume ends it at once instead of waiting.
    static int limiteMs();
    static void definirLimiteMs(int ms); // 0: back to the default

private:
    void rodar(const QStringList &argumentos, const Credenciais &c, const Saida &saida);
};

// True for host:/path (a server); false for a plain file path.
bool caminhoRemoto(const QString &banco);

// The service in use (the gbak tool unless a test installed another).
Servico &servico();
void definirServico(std::unique_ptr<Servico> s); // null: back to gbak

} // namespace Backup
