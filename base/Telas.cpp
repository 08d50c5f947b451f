#include "base/Telas.h"

#include <QApplication>
#include <QPointer>
#include <QScreen>

#include <QColorDialog>
#include <QFileDialog>

namespace Telas {
namespace {
std::map<std::type_index, Interceptador> &mapa()
{
    static std::map<std::type_index, Interceptador> m;
    return m;
}
SemInterceptador &semInterceptador()
{
    static SemInterceptador f;
    return f;
}
} // namespace

void interceptar(std::type_index tipo, Interceptador f) { mapa()[tipo] = std::move(f); }
void liberar(std::type_index tipo) { mapa().erase(tipo); }
void liberarTodas() { mapa().clear(); }

const Interceptador *interceptadorDe(std::type_index tipo)
{
    auto it = mapa().find(tipo);
    return it == mapa().end() ? nullptr : &it->second;
}

QWidget *telaQueAbre(const QWidget *excluir)
{
    for (QWidget *w : {QApplication::activeModalWidget(), QApplication::activeWindow()})
        if (w && w != excluir && w->isVisible())
            return w;
    return nullptr;
}

namespace {

void centrar(QDialog *tela, QWidget *quem)
{
    QRect r(QPoint(0, 0), tela->size());
    r.moveCenter(quem->frameGeometry().center());
    if (const QScreen *monitor = quem->screen()) {
        const QRect area = monitor->availableGeometry();
        // Kept on the monitor when it fits there; a larger one stays centred.
        if (r.width() <= area.width())
            r.moveLeft(qBound(area.left(), r.left(), area.right() + 1 - r.width()));
        if (r.height() <= area.height())
            r.moveTop(qBound(area.top(), r.top(), area.bottom() + 1 - r.height()));
    }
    tela->move(r.topLeft());
}

// Centres the screen once it shows (its size is final by then).
class CentrarAoMostrar : public QObject {
public:
    CentrarAoMostrar(QDialog *tela, QWidget *quem) : QObject(tela), m_tela(tela), m_quem(quem) {}
    bool eventFilter(QObject *o, QEvent *e) override
    {
        if (o == m_tela && e->type() == QEvent::Show) {
            if (m_quem && !(m_tela->windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen)))
                centrar(m_tela, m_quem);
            m_tela->removeEventFilter(this);
            deleteLater();
        }
        return false;
    }

private:
    QDialog *m_tela;
    QPointer<QWidget> m_quem;
};

} // namespace

void centrarSobreQuemAbriu(QDialog *tela)
{
    // A screen with a parent is placed by Qt over it; a maximised one fills the screen.
    if (tela->parentWidget() || (tela->windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen)))
        return;
    QWidget *quem = telaQueAbre(tela);
    if (!quem)
        return;
    centrar(tela, quem);
    tela->installEventFilter(new CentrarAoMostrar(tela, quem));
}

int executar(QDialog *tela, std::type_index tipo)
{
    // Every screen stands centred on the one that opened it.
    centrarSobreQuemAbriu(tela);
    if (const Interceptador *f = interceptadorDe(tipo)) {
        // The test sees the screen as shown, acts on it and gives the result.
        tela->setAttribute(Qt::WA_DontShowOnScreen, true);
        tela->show();
        const int r = (*f)(tela);
        tela->hide();
        return r;
    }
    if (semInterceptador()) {
        semInterceptador()(tipo.name());
        return QDialog::Rejected;
    }
    return tela->exec();
}

void definirSemInterceptador(SemInterceptador f) { semInterceptador() = std::move(f); }

QString escolherArquivo(QWidget *pai, const QString &titulo, const QString &pasta, const QString &filtro)
{
    QFileDialog d(pai, titulo, pasta, filtro);
    d.setOption(QFileDialog::DontUseNativeDialog);
    d.setAcceptMode(QFileDialog::AcceptOpen);
    d.setFileMode(QFileDialog::ExistingFile);
    if (executar(&d, typeid(QFileDialog)) != QDialog::Accepted || d.selectedFiles().isEmpty())
        return {};
    return d.selectedFiles().constFirst();
}

QStringList escolherArquivos(QWidget *pai, const QString &titulo, const QString &pasta, const QString &filtro)
{
    QFileDialog d(pai, titulo, pasta, filtro);
    d.setOption(QFileDialog::DontUseNativeDialog);
    d.setAcceptMode(QFileDialog::AcceptOpen);
    d.setFileMode(QFileDialog::ExistingFiles);
    if (executar(&d, typeid(QFileDialog)) != QDialog::Accepted)
        return {};
    return d.selectedFiles();
}

QColor escolherCor(QWidget *pai, const QColor &inicial, const QString &titulo)
{
    QColorDialog d(inicial, pai);
    d.setWindowTitle(titulo);
    d.setOption(QColorDialog::DontUseNativeDialog);
    if (executar(&d, typeid(QColorDialog)) != QDialog::Accepted)
        return {};
    return d.selectedColor();
}

} // namespace Telas
