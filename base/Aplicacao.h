#pragma once
// The application object. An error that no screen catches ends here and is
// shown in an "Erro" box; the program goes on.
#include <QApplication>
#include <functional>

class TAplicacao : public QApplication {
    Q_OBJECT
public:
    TAplicacao(int &argc, char **argv);
    bool notify(QObject *receptor, QEvent *evento) override;

    // Shows an escaped error (also used by code that catches at its own top).
    static void mostrarErro(const std::exception_ptr &erro);

    // SIGTERM (the desktop session ending, a shutdown) and SIGINT end the
    // program cleanly: the database client's own handler, which would shut
    // every connection at once, is replaced; `aoEncerrar` runs in the main
    // thread with the connections still working. Returns false when the
    // handlers could not be installed. restaurarSinais puts back the ones
    // that were there before.
    static bool tratarSinaisDeEncerramento(std::function<void(int sinal)> aoEncerrar);
    static void restaurarSinais();
};

// What the program does on SIGTERM/SIGINT: the logged user's presence row is
// removed and "Saiu do Sistema" logged (errors only reported), then the event
// loops end.
void encerrarPorSinal(int sinal);
// The database part of it.
void registrarSaidaPorSinal();
