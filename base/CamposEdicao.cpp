#include "base/CamposEdicao.h"
#include "base/Dinheiro.h"

#include <QEvent>
#include <QLineEdit>

namespace CamposEdicao {

namespace {

class Filtro : public QObject {
public:
    Filtro(QLineEdit *campo, bool ehDinheiro, const QString &vazio)
        : QObject(campo), m_campo(campo), m_dinheiro(ehDinheiro), m_vazio(vazio)
    {
        campo->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *o, QEvent *e) override
    {
        if (o != m_campo)
            return false;
        if (e->type() == QEvent::FocusIn && m_dinheiro) {
            QString t = m_campo->text();
            t.remove(QLatin1Char('.'));
            m_campo->setText(t);
        } else if (e->type() == QEvent::FocusOut) {
            if (m_dinheiro)
                m_campo->setText(formatarDinheiro(m_campo->text()));
            else if (m_campo->text().trimmed().isEmpty())
                m_campo->setText(m_vazio);
        }
        return false;
    }

private:
    QLineEdit *m_campo;
    bool m_dinheiro;
    QString m_vazio;
};

} // namespace

QString formatarDinheiro(const QString &texto)
{
    if (texto.trimmed().isEmpty())
        return QStringLiteral("0,00");
    const std::optional<Dinheiro> d = Dinheiro::deTexto(texto);
    return d ? d->formatado() : texto;
}

void dinheiro(QLineEdit *campo) { new Filtro(campo, true, {}); }
void zeroQuandoVazio(QLineEdit *campo, const QString &vazio) { new Filtro(campo, false, vazio); }

} // namespace CamposEdicao
