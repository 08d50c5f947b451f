#pragma once
// Support for the screen tests: a database fixture with a logged user who has
// every right, the settings record loaded, and helpers that press keys and
// make a screen the active window (shortcuts act only in the active window).
#include "base/Grade.h"
#include "base/Parametros.h"
#include "base/Sessao.h"
#include "base/UnitDM.h"
#include "support/BancoTeste.h"

#include <QApplication>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QWidget>

// Readable texts in failure messages.
inline void PrintTo(const QString &s, std::ostream *os) { *os << '"' << s.toStdString() << '"'; }

class TelasTeste : public BancoTeste {
protected:
    void SetUp() override
    {
        BancoTeste::SetUp();
        Sessao::reiniciar();
        Sessao &s = Sessao::atual();
        s.login = QStringLiteral("ADMIN");
        s.idUsuario = 1;
        s.AuxNomePC = QStringLiteral("SERVIDOR");
        s.AuxTipoPC = QStringLiteral("NORMA");
        s.direitos = todosDireitos();
        ReapontarGridEsquecer();
        tParametros().recarregar();
    }
    void TearDown() override
    {
        tParametros().definir(Linha());
        ReapontarGridEsquecer();
        Sessao::reiniciar();
        BancoTeste::TearDown();
    }

    static Direitos todosDireitos()
    {
        Direitos d;
        d.INCLUI = d.ALTERA = d.EXCLUI = d.CONSULTA = d.IMPRIME = d.UTILITARIOS = d.PARAMETROS = d.MOVIMENTOS =
            d.USUARIOS = d.ACESSO_TOTAL = true;
        return d;
    }

    // Changes one settings column and reloads the settings record.
    void parametro(const QString &coluna, const QVariant &valor)
    {
        banco().executar(QStringLiteral("UPDATE PARAMETROS SET %1 = ?").arg(coluna), {valor});
        tParametros().recarregar();
    }

    // LOG rows written, oldest first: "USUARIO|OPERACAO".
    QStringList logs()
    {
        QStringList l;
        for (const Linha &r : banco().lerTodas(QStringLiteral("SELECT USUARIO, OPERACAO FROM LOG ORDER BY ID_LOG")))
            l.append(r.texto(QStringLiteral("USUARIO")) + QLatin1Char('|') + r.texto(QStringLiteral("OPERACAO")));
        return l;
    }

    qint64 contar(const QString &sql, const Valores &v = {})
    {
        return banco().valor(sql, v).toLongLong();
    }
};

// Makes the screen the active window, as a shown modal screen is.
inline void ativar(QWidget *tela)
{
    QApplication::setActiveWindow(tela->window());
}

// Presses and releases a key on a widget (the focused one, usually).
inline void tecla(QWidget *w, int key, Qt::KeyboardModifiers mod = Qt::NoModifier, const QString &texto = {})
{
    QKeyEvent p(QEvent::KeyPress, key, mod, texto);
    QApplication::sendEvent(w, &p);
    QKeyEvent r(QEvent::KeyRelease, key, mod, texto);
    QApplication::sendEvent(w, &r);
}

// Types a text character by character into a widget.
inline void digitar(QWidget *w, const QString &texto)
{
    for (QChar c : texto) {
        const char16_t u = c.toUpper().unicode();
        const int key = (u >= 'A' && u <= 'Z') ? Qt::Key_A + (u - 'A')
                        : (u >= '0' && u <= '9') ? Qt::Key_0 + (u - '0')
                                                 : Qt::Key_unknown;
        tecla(w, key, Qt::NoModifier, QString(c));
    }
}

// The widget that has the keyboard focus in the active window.
inline QWidget *focado() { return QApplication::focusWidget(); }

inline void focar(QWidget *w, bool entrando)
{
    QFocusEvent e(entrando ? QEvent::FocusIn : QEvent::FocusOut, Qt::TabFocusReason);
    QApplication::sendEvent(w, &e);
}
