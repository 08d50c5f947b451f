#pragma once
// The shell service: what screens and rules may ask of the main window
// without knowing it. The window installs its implementation at start-up;
// without one (tests of single screens, tools) every request does nothing,
// but ending the program, which leaves the event loop. Tests install a
// recorder to assert what was asked of the shell.
#include <QString>

namespace Janela {

class Servico {
public:
    virtual ~Servico() = default;
    // Empties the alerts panel (filling it when the user clicked it).
    virtual void atualizarAlertas(bool clicou);
    // Back to the background after a screen closed: the pointer goes over
    // it, the day's checks run again and the cash-register gate checks.
    virtual void controleMouse();
    // Text of the status-bar panel i (0 date, 1 time, 2 company, 3 user,
    // 4 version, 5 empty, 6 schema version); empty without a window.
    virtual QString painel(int i) const;
    // The company's trade name shown on the window.
    virtual QString nomeEmpresa() const;
    // The chat pictures: unread messages or none.
    virtual void mostrarIconeChat(bool novas);
    // Closes the window as the user would (the window asks its question).
    virtual void fechar();
    // Ends the program without a question.
    virtual void encerrarPrograma();
    virtual bool encerrado() const;
    // Runs a registered ribbon command; false when none has that name.
    virtual bool abrirTela(const QString &nomeHandler);
    // The ribbon's progress gauge.
    virtual void progressoMostrar(int maximo);
    virtual void progressoMaximo(int maximo);
    virtual void progressoAvancar(int passos);
    virtual void progressoEsconder();
};

// Installs the service (nullptr: back to the one that does nothing).
void instalar(Servico *servico);
Servico &servico();

inline void atualizarAlertas(bool clicou) { servico().atualizarAlertas(clicou); }
inline void controleMouse() { servico().controleMouse(); }
inline QString painel(int i) { return servico().painel(i); }
inline QString nomeEmpresa() { return servico().nomeEmpresa(); }
inline void mostrarIconeChat(bool novas) { servico().mostrarIconeChat(novas); }
inline void fechar() { servico().fechar(); }
inline void encerrarPrograma() { servico().encerrarPrograma(); }
inline bool encerrado() { return servico().encerrado(); }
inline bool abrirTela(const QString &nomeHandler) { return servico().abrirTela(nomeHandler); }

// The progress gauge as long exports use it: shown at 0 with the maximum
// given, advanced step by step, hidden when the export ends (also when it
// fails).
class Progresso {
public:
    explicit Progresso(int maximo);
    ~Progresso();
    void definirMaximo(int maximo);
    void avancar(int passos = 1);
    Progresso(const Progresso &) = delete;
    Progresso &operator=(const Progresso &) = delete;
};

} // namespace Janela
