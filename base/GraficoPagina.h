#pragma once
// Charts drawn apart from their screen: a picture of a chart at a given size
// (the screen's own drawing routine fills a fresh chart), and the chart
// printed as one picture filling a landscape page under the report header.
#include "base/Relatorio.h"

#include <QImage>
#include <QSize>
#include <QString>
#include <functional>

class QChart;

namespace GraficoPagina {

using Desenho = std::function<void(QChart *)>;

// The chart of `desenhar` drawn on a white picture of `tamanho` pixels.
QImage imagem(const Desenho &desenhar, const QSize &tamanho);
// The landscape page titled `titulo` whose only band is the chart.
Relatorio pagina(const QString &titulo, const Desenho &desenhar);

} // namespace GraficoPagina
