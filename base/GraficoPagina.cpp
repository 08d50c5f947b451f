#include "base/GraficoPagina.h"

#include <QChart>
#include <QChartView>
#include <QCoreApplication>
#include <QGraphicsLayout>
#include <QPainter>

namespace GraficoPagina {

QImage imagem(const Desenho &desenhar, const QSize &tamanho)
{
    QChartView vista(new QChart);
    vista.setRenderHint(QPainter::Antialiasing);
    vista.resize(tamanho);
    vista.chart()->resize(tamanho);
    desenhar(vista.chart());
    vista.chart()->resize(tamanho);
    // The chart lays out its title, legend and plot on posted events.
    QCoreApplication::sendPostedEvents();
    if (QGraphicsLayout *l = vista.chart()->layout())
        l->activate();
    QCoreApplication::sendPostedEvents();
    QImage img(tamanho, QImage::Format_RGB32);
    img.fill(Qt::white);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    vista.scene()->render(&p, QRectF(QPointF(0, 0), tamanho), QRectF(QPointF(0, 0), tamanho));
    p.end();
    return img;
}

Relatorio pagina(const QString &titulo, const Desenho &desenhar)
{
    Relatorio rel(titulo, true);
    const QSizeF mm(rel.larguraUtil(), rel.tamanhoPagina().height() - rel.margens().top() - rel.margens().bottom()
                                           - rel.alturaCabecalho() - 1);
    // About 140 dots per inch of paper: the chart's texts keep a readable size.
    rel.figura(imagem(desenhar, QSize(int(mm.width() * 5.5), int(mm.height() * 5.5))), mm);
    return rel;
}

} // namespace GraficoPagina
