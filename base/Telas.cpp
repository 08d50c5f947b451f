#include "base/Telas.h"

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

int executar(QDialog *tela, std::type_index tipo)
{
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
