#include "platform/Notificacao.h"

#include <QApplication>
#include <QScreen>
#include <QWidget>

namespace Notificacao {

int alturaBarraTarefas(const QRect &tela, const QRect &disponivel)
{
    const int altura = (tela.y() + tela.height()) - (disponivel.y() + disponivel.height());
    return altura > 0 ? altura : 30;
}

Trajeto trajeto(const QRect &tela, const QRect &disponivel, const QSize &tamanho)
{
    const int barra = alturaBarraTarefas(tela, disponivel);
    Trajeto t;
    t.esquerda = tela.x() + tela.width() - tamanho.width() - 20;
    t.topoInicial = tela.y() + tela.height() + barra + tamanho.height();
    t.topoFinal = tela.y() + tela.height() - tamanho.height() - barra - 20;
    return t;
}

QPoint deslizar(QWidget *aviso)
{
    QScreen *tela = aviso->screen() ? aviso->screen() : QGuiApplication::primaryScreen();
    const QRect geometria = tela ? tela->geometry() : QRect(0, 0, 1024, 768);
    const QRect disponivel = tela ? tela->availableGeometry() : geometria;
    const Trajeto t = trajeto(geometria, disponivel, aviso->size());
    aviso->move(t.esquerda, t.topoInicial);
    aviso->show();
    for (int topo = t.topoInicial; topo > t.topoFinal;) {
        --topo;
        aviso->move(t.esquerda, topo);
        aviso->repaint();
        QCoreApplication::processEvents();
    }
    aviso->move(t.esquerda, t.topoFinal);
    return aviso->pos();
}

} // namespace Notificacao
