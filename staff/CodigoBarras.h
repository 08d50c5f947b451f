#pragma once
// The Code 39 bars of the employee badge, encoded by libzint and drawn with
// QPainter (on the record's sample, the badge picture and the reports).
#include <QImage>
#include <QList>
#include <QRectF>
#include <QString>

class QPainter;

namespace CodigoBarras {

// The bars of `texto` in Code 39 (start and stop characters added, no check
// digit), as rectangles in modules: x from 0 to `largura`, all one module
// high. Empty when the text cannot be encoded.
struct Barras {
    QList<QRectF> barras;  // x, width in modules; y 0, height 1
    double largura = 0;
    bool vazio() const { return barras.isEmpty(); }
};
Barras code39(const QString &texto);

// Draws the bars over `area` (black on white, a quiet zone of ten modules
// each side within it) and, with `legenda`, the text centred under them.
// False when the text cannot be encoded (nothing drawn).
bool desenhar(QPainter &p, const QRectF &area, const QString &texto, bool legenda = true);

// The bars as a picture of the given size.
QImage imagem(const QString &texto, const QSize &tamanho, bool legenda = true);

} // namespace CodigoBarras
