#include "core/TelaEdicao.h"
#include "core/Parametros.h"
#include "core/Rotinas.h"

#include <QAbstractItemView>
#include <QAbstractSpinBox>
#include <QComboBox>
#include <QDateTimeEdit>
#include <QEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QShortcut>
#include <QTextEdit>

namespace {

bool ehEntrada(QObject *o)
{
    return qobject_cast<QLineEdit *>(o) || qobject_cast<QComboBox *>(o) || qobject_cast<QAbstractSpinBox *>(o)
        || qobject_cast<QPlainTextEdit *>(o) || qobject_cast<QTextEdit *>(o);
}

class FiltroEdicao : public QObject {
public:
    using QObject::QObject;
    bool eventFilter(QObject *o, QEvent *e) override
    {
        auto *w = qobject_cast<QWidget *>(o);
        if (!w)
            return false;
        switch (e->type()) {
        case QEvent::FocusIn:
            ColorirEdit(w, true);
            break;
        case QEvent::FocusOut:
            ColorirEdit(w, false);
            break;
        case QEvent::KeyPress: {
            auto *k = static_cast<QKeyEvent *>(e);
            const bool multilinha = qobject_cast<QPlainTextEdit *>(o) || qobject_cast<QTextEdit *>(o);
            if ((k->key() == Qt::Key_Return || k->key() == Qt::Key_Enter) && !multilinha
                && k->modifiers() == Qt::NoModifier) {
                if (auto *cb = qobject_cast<QComboBox *>(o); cb && cb->view() && cb->view()->isVisible())
                    return false;
                QWidget *proximo = w->nextInFocusChain();
                while (proximo && proximo != w && !((proximo->focusPolicy() & Qt::TabFocus) && proximo->isEnabled()
                                                            && proximo->isVisible()))
                    proximo = proximo->nextInFocusChain();
                if (proximo && proximo != w)
                    proximo->setFocus(Qt::TabFocusReason);
                return true;
            }
            break;
        }
        default:
            break;
        }
        return false;
    }
};

} // namespace

void ColorirEdit(QWidget *controle, bool entrando)
{
    if (!controle)
        return;
    if (!entrando && tParametros().texto(QStringLiteral("ACENTOS")) == QLatin1String("N")) {
        if (auto *le = qobject_cast<QLineEdit *>(controle)) {
            const QString sem = RemoveAcento(le->text());
            if (sem != le->text())
                le->setText(sem);
        }
    }
    QPalette p = controle->palette();
    p.setColor(QPalette::Base, entrando ? QColor(0x00, 0x00, 0x80) : QColor(Qt::white));
    p.setColor(QPalette::Text, entrando ? QColor(Qt::white) : QColor(Qt::black));
    controle->setPalette(p);
}

void instalarComportamentoEdicao(QDialog *tela, ComportamentoEdicao acoes)
{
    auto *filtro = new FiltroEdicao(tela);
    for (QWidget *w : tela->findChildren<QWidget *>())
        if (ehEntrada(w))
            w->installEventFilter(filtro);
    if (acoes.confirmar) {
        auto *f10 = new QShortcut(QKeySequence(Qt::Key_F10), tela);
        f10->setContext(Qt::WindowShortcut);
        QObject::connect(f10, &QShortcut::activated, tela, acoes.confirmar);
    }
    if (acoes.cancelar) {
        auto *f12 = new QShortcut(QKeySequence(Qt::Key_F12), tela);
        f12->setContext(Qt::WindowShortcut);
        QObject::connect(f12, &QShortcut::activated, tela, acoes.cancelar);
    }
}
