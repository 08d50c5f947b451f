#pragma once
// The main window's ribbon: tabs of groups of buttons, built from one table
// (tab, group, caption, handler name, size, right). Hints repeat the
// captions. A button works once the subsystem that owns its command registers
// it by the handler's name; until then it stays visible and disabled. The
// rights of the logged user and the settings enable the buttons they gate.
#include "base/Sessao.h"

#include <QHash>
#include <QList>
#include <QTabWidget>
#include <functional>

class QToolButton;

namespace Ribbon {

enum class Tamanho { Grande, Pequeno };

// What enables a button besides its command.
enum class Direito {
    Sempre,
    Movimentos,     // MOVIMENTOS
    Usuarios,       // USUARIOS
    Parametros,     // PARAMETROS
    ZentroControle, // the setting ZENTROCONTROLE = "S"
};

struct Entrada {
    const char *aba;
    const char *grupo;
    const char *legenda;
    const char *manipulador; // handler name; empty: the button has no command
    Tamanho tamanho;
    Direito direito;
    bool separadorAntes;     // begins a separated part of its group
};

// Every button, tab by tab and group by group, in order.
const QList<Entrada> &entradas();
// The tabs in order.
QStringList abas();

// True when the user's rights (and the setting) allow the button.
bool direitoPermite(Direito d, const Direitos &direitos, bool zentroControle);

} // namespace Ribbon

class TRibbon : public QTabWidget {
    Q_OBJECT
public:
    explicit TRibbon(QWidget *parent = nullptr);

    // Connects a handler by name and enables its button (rights permitting).
    // An unknown name raises ErroSistema.
    void registrarComando(const QString &manipulador, std::function<void()> acao);
    bool registrado(const QString &manipulador) const;
    // Applies the rights and the setting to the gated buttons.
    void aplicarDireitos(const Direitos &direitos, bool zentroControle);

    QToolButton *botao(const QString &manipulador) const;
    QToolButton *botao(const QString &aba, const QString &legenda) const;
    // Runs a registered handler, as the code of another screen calls it
    // (whatever its button's state); false when nothing is registered.
    bool executar(const QString &manipulador);

private:
    struct Estado {
        const Ribbon::Entrada *entrada = nullptr;
        QToolButton *botao = nullptr;
        std::function<void()> acao;
        bool permitido = true;
    };
    void atualizar(Estado &e);

    QList<Estado> m_estados;
    QHash<QString, int> m_porManipulador;
};
