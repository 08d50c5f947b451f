#pragma once
// A command registrar that keeps what a subsystem registers, so a test can
// run a ribbon command, a timer task or an opener as the main window would.
#include "base/Comandos.h"

#include <QMap>
#include <QString>
#include <functional>
#include <vector>

class RegistroGravado : public RegistroComandos {
public:
    QMap<QString, std::function<void()>> comandos;
    std::vector<std::function<void()>> tarefasTimer1;
    std::vector<std::function<void()>> tarefasTimer2;
    std::vector<std::function<void()>> tarefasDoDia;
    QMap<Abertura, std::function<void()>> aberturas;

    void registrarComando(const QString &nomeHandler, std::function<void()> acao) override
    {
        comandos[nomeHandler] = std::move(acao);
    }
    void adicionarTarefaTimer1(std::function<void()> tarefa) override { tarefasTimer1.push_back(std::move(tarefa)); }
    void adicionarTarefaTimer2(std::function<void()> tarefa) override { tarefasTimer2.push_back(std::move(tarefa)); }
    void adicionarTarefaDoDia(std::function<void()> tarefa) override { tarefasDoDia.push_back(std::move(tarefa)); }
    void definirAbertura(Abertura qual, std::function<void()> acao) override { aberturas[qual] = std::move(acao); }

    // Runs a registered command as its ribbon button would; false when the
    // subsystem did not register it.
    bool executar(const QString &nomeHandler) const
    {
        const auto it = comandos.find(nomeHandler);
        if (it == comandos.end() || !*it)
            return false;
        (*it)();
        return true;
    }
};
