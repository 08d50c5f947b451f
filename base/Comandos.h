#pragma once
// What a subsystem hands the main window at start-up: its ribbon commands (by
// the handler's name), the work it adds to the window's timers and the
// screens the window's background opens. The window implements it; each
// subsystem offers `registrarComandos(RegistroComandos &)` in its own
// Comandos.h and never reaches the window otherwise.
#include <QString>
#include <functional>

class RegistroComandos {
public:
    virtual ~RegistroComandos() = default;

    // Connects a ribbon command by its handler's name and enables its button
    // (rights permitting). An unknown name raises ErroSistema.
    virtual void registrarComando(const QString &nomeHandler, std::function<void()> acao) = 0;

    // Work of the one-second and one-minute timers.
    virtual void adicionarTarefaTimer1(std::function<void()> tarefa) = 0;
    virtual void adicionarTarefaTimer2(std::function<void()> tarefa) = 0;
    // Work of the one-second timer that runs only once a user has logged in
    // (the day's housekeeping of the database).
    virtual void adicionarTarefaDoDia(std::function<void()> tarefa) = 0;

    // Screens the window itself opens (its background, the restaurant
    // terminal's start, the fiscal command); while one is not set its control
    // does nothing and is disabled.
    enum class Abertura {
        ConsumoRestaurante, // consumption of open stays on a "RESTA" workstation
        CentralUH,          // the room map
        RotinasFiscais,     // fiscal routines (UTILIZA_FISCAL not "S")
        Chat,               // the chat, closing the new-message notice
    };
    virtual void definirAbertura(Abertura qual, std::function<void()> acao) = 0;
};
