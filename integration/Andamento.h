#pragma once
// Progress of the long integration and repair jobs: a gauge shown at 0 with a
// maximum, advanced row by row, a label naming the phase, and hidden when the
// job ends, whether it ended well or not (AndamentoEmCurso guarantees it).
// The exports use the main window's gauge, the support console its own.
#include <QString>
#include <optional>

#include "base/Janela.h"

class ConexaoBanco;
class ErroBanco;

namespace Integracao {

class Andamento {
public:
    virtual ~Andamento() = default;
    virtual void mostrar(int maximo) = 0; // shown, at 0 of maximo
    virtual void avancar() = 0;
    virtual void rotulo(const QString &) {}
    virtual void esconder() = 0;
};

// A job that nobody watches.
class AndamentoNenhum : public Andamento {
public:
    void mostrar(int) override {}
    void avancar() override {}
    void esconder() override {}
};

// The main window's gauge (through the shell service).
class AndamentoJanela : public Andamento {
public:
    void mostrar(int maximo) override;
    void avancar() override;
    void esconder() override;

private:
    std::optional<Janela::Progresso> m_progresso;
};

// Shows the gauge on creation and hides it when it goes out of scope.
class AndamentoEmCurso {
public:
    AndamentoEmCurso(Andamento &a, int maximo) : m_a(a) { m_a.mostrar(maximo); }
    ~AndamentoEmCurso() { m_a.esconder(); }
    void fase(const QString &nome, int maximo)
    {
        if (!nome.isEmpty())
            m_a.rotulo(nome);
        m_a.mostrar(maximo);
    }
    void avancar() { m_a.avancar(); }
    AndamentoEmCurso(const AndamentoEmCurso &) = delete;
    AndamentoEmCurso &operator=(const AndamentoEmCurso &) = delete;

private:
    Andamento &m_a;
};

// A row the database refused: the message names it and says nothing was
// changed (the job's transaction is undone when this leaves it).
[[noreturn]] void linhaRecusada(const QString &linha, const ErroBanco &e);
// A companion database that could not be reached, named.
[[noreturn]] void bancoInacessivel(const QString &nomeBanco, const ErroBanco &e);

// Sets a generator to the highest key written, never lowering it, once the
// rows are committed (a generator's change survives a rollback). `tabela`,
// `coluna` and `gerador` come from the code.
void geradorNoMaior(ConexaoBanco &c, const QString &gerador, const QString &tabela, const QString &coluna);
// The same with a known highest key: the generator is set to it exactly
// (for the tables a job empties and refills with its own keys).
void definirGerador(ConexaoBanco &c, const QString &gerador, qint64 valor);

} // namespace Integracao
