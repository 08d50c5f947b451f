#pragma once
// Starting, waiting for and ending programs. The program talks to this
// interface only; the Linux implementation is the default and tests put a
// double in its place.
#include <QString>
#include <QStringList>

class Processos {
public:
    virtual ~Processos() = default;

    // Starts a program and returns at once; false when it cannot be started.
    virtual bool iniciar(const QString &programa, const QStringList &argumentos = {},
                         const QString &pastaTrabalho = {}) = 0;
    // Starts a program, waits for its end and gives its exit code; -1 when it
    // cannot be started or does not end normally.
    virtual int executarEAguardar(const QString &programa, const QStringList &argumentos = {},
                                  const QString &pastaTrabalho = {}) = 0;
    // Ends every process of this user, other than this one, whose executable
    // file name or full path equals `nome` ignoring case. True when the last
    // attempt succeeded (also true when none was running).
    virtual bool encerrarProcesso(const QString &nome) = 0;
    // Opens a document or an address with the desktop's default program.
    virtual bool abrirDocumento(const QString &caminhoOuEndereco) = 0;
};

class ProcessosLinux : public Processos {
public:
    bool iniciar(const QString &programa, const QStringList &argumentos = {},
                 const QString &pastaTrabalho = {}) override;
    int executarEAguardar(const QString &programa, const QStringList &argumentos = {},
                          const QString &pastaTrabalho = {}) override;
    bool encerrarProcesso(const QString &nome) override;
    bool abrirDocumento(const QString &caminhoOuEndereco) override;
};

namespace Plataforma {
// The implementation in use (the Linux one unless replaced).
Processos &processos();
// Replaces it (tests); nullptr puts the Linux one back. Not owned.
void definirProcessos(Processos *p);
} // namespace Plataforma

// The names the rest of the system knows these routines by.
bool EncerrarProcesso(const QString &nome);
int ExecutarEAguardar(const QString &programa, const QStringList &argumentos = {},
                      const QString &pastaTrabalho = {});
