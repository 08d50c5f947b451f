#include "base/Relogio.h"

namespace Relogio {
namespace {
QDateTime &fixo()
{
    static QDateTime m;
    return m;
}
} // namespace

QDateTime agora()
{
    if (fixo().isValid())
        return fixo();
    QDateTime t = QDateTime::currentDateTime();
    // Database times carry whole seconds.
    return t.addMSecs(-t.time().msec());
}

QDate hoje() { return agora().date(); }
QTime horaAtual() { return agora().time(); }
void definir(const QDateTime &momento) { fixo() = momento; }
void avancar(qint64 segundos)
{
    if (fixo().isValid())
        fixo() = fixo().addSecs(segundos);
}
void liberar() { fixo() = QDateTime(); }

} // namespace Relogio
