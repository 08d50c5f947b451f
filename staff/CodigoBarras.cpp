#include "staff/CodigoBarras.h"

#include <QFont>
#include <QPainter>
#include <memory>
#include <zint.h>

namespace CodigoBarras {

Barras code39(const QString &texto)
{
    Barras r;
    const QByteArray dados = texto.toLatin1();
    if (dados.isEmpty())
        return r;
    std::unique_ptr<zint_symbol, void (*)(zint_symbol *)> s(ZBarcode_Create(), ZBarcode_Delete);
    if (!s)
        return r;
    s->symbology = BARCODE_CODE39;
    s->show_hrt = 0;
    s->option_2 = 0; // no check digit
    s->whitespace_width = 0;
    s->height = 10;
    s->scale = 1;
    if (ZBarcode_Encode_and_Buffer_Vector(s.get(), reinterpret_cast<const unsigned char *>(dados.constData()),
                                          int(dados.size()), 0)
            >= ZINT_ERROR
        || !s->vector)
        return r;
    // The vector output is in half modules at scale 1: normalise to the
    // narrowest bar.
    double minimo = 0;
    double fim = 0;
    QList<QRectF> brutas;
    for (const zint_vector_rect *v = s->vector->rectangles; v; v = v->next) {
        brutas.append(QRectF(v->x, 0, v->width, 1));
        if (minimo == 0 || v->width < minimo)
            minimo = v->width;
        fim = std::max(fim, double(v->x + v->width));
    }
    if (brutas.isEmpty() || minimo <= 0)
        return r;
    double inicio = brutas.first().x();
    for (const QRectF &b : brutas)
        inicio = std::min(inicio, b.x());
    for (const QRectF &b : brutas)
        r.barras.append(QRectF((b.x() - inicio) / minimo, 0, b.width() / minimo, 1));
    r.largura = (fim - inicio) / minimo;
    return r;
}

bool desenhar(QPainter &p, const QRectF &area, const QString &texto, bool legenda)
{
    const Barras b = code39(texto);
    if (b.vazio() || area.width() <= 0 || area.height() <= 0)
        return false;
    p.save();
    p.fillRect(area, Qt::white);
    const double alturaTexto = legenda ? area.height() * 0.22 : 0;
    const double modulo = area.width() / (b.largura + 20);
    const double x0 = area.left() + 10 * modulo;
    const QRectF zonaBarras(x0, area.top(), b.largura * modulo, area.height() - alturaTexto);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::black);
    for (const QRectF &r : b.barras)
        p.drawRect(QRectF(x0 + r.x() * modulo, zonaBarras.top(), r.width() * modulo, zonaBarras.height()));
    if (legenda) {
        QFont f(QStringLiteral("DejaVu Sans Mono"));
        f.setPixelSize(std::max(1, int(alturaTexto * 0.8)));
        p.setFont(f);
        p.setPen(Qt::black);
        p.drawText(QRectF(area.left(), zonaBarras.bottom(), area.width(), alturaTexto), Qt::AlignCenter, texto);
    }
    p.restore();
    return true;
}

QImage imagem(const QString &texto, const QSize &tamanho, bool legenda)
{
    QImage i(tamanho, QImage::Format_RGB32);
    i.fill(Qt::white);
    QPainter p(&i);
    desenhar(p, QRectF(QPointF(0, 0), QSizeF(tamanho)), texto, legenda);
    return i;
}

} // namespace CodigoBarras
