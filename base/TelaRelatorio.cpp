#include "base/TelaRelatorio.h"
#include "base/Mensagem.h"
#include "base/UnitLog.h"

#include <QDateEdit>
#include <QDialog>
#include <QEvent>

namespace TelaRelatorio {

namespace {

class Ativacao : public QObject {
public:
    Ativacao(QDialog *tela, const QString &acao) : QObject(tela), m_acao(acao) { tela->installEventFilter(this); }

protected:
    bool eventFilter(QObject *, QEvent *e) override
    {
        if (e->type() == QEvent::Show || e->type() == QEvent::WindowActivate)
            AcaoAtual(m_acao);
        return false;
    }

private:
    QString m_acao;
};

} // namespace

void acaoAoAtivar(QDialog *tela, const QString &acao) { new Ativacao(tela, acao); }

QDateEdit *campoData(QWidget *pai, const QDate &data)
{
    auto *d = new QDateEdit(data, pai);
    d->setDisplayFormat(QStringLiteral("dd/MM/yyyy"));
    d->setCalendarPopup(true);
    return d;
}

bool periodoValido(const QDate &de, const QDate &ate)
{
    if (de.isValid() && ate.isValid() && de <= ate)
        return true;
    Mensagem::aviso(kMsgPeriodoInvalido);
    return false;
}

} // namespace TelaRelatorio
