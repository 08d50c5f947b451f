#pragma once
// The application object. An error that no screen catches ends here and is
// shown in an "Erro" box; the program goes on.
#include <QApplication>

class TAplicacao : public QApplication {
    Q_OBJECT
public:
    TAplicacao(int &argc, char **argv);
    bool notify(QObject *receptor, QEvent *evento) override;

    // Shows an escaped error (also used by code that catches at its own top).
    static void mostrarErro(const std::exception_ptr &erro);
};
