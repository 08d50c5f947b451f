#pragma once
// Painting a report model (base/Relatorio.h) on a preview, a printer or a PDF
// file, and the common way a report screen prints:
//
//     if (!RelatorioPintura::exibir(rel, textoDoLog))
//         return;   // "Nenhum Registro Encontrado!" was shown; nothing printed, nothing logged
//
// The preview is the screen TFrmVisualizaRelatorio, opened through Telas, so
// tests intercept it and read its report.
#include "base/Relatorio.h"

#include <QPrintPreviewDialog>
#include <QPrinter>
#include <memory>

class QPagedPaintDevice;
class QPainter;
class QWidget;

namespace RelatorioPintura {

enum class Destino { Visualizar, Impressora, Pdf };

// What the log records of a preview: "Impressão de Relatório" once the
// preview closes, or "Vizualização de Relatório" before it opens and
// "Impressão de Relatório" only when the user printed from it.
enum class Registro { Impressao, VisualizacaoEImpressao };

inline const QString kOperacaoVisualizacaoRelatorio = QStringLiteral("Vizualização de Relatório");

// Sets the device's paper to the report's page (no printer margins: the
// frame keeps its own).
void configurarPagina(const Relatorio &rel, QPagedPaintDevice *dispositivo);
// Paints every page on a device already configured.
void pintar(const Relatorio &rel, QPagedPaintDevice *dispositivo);
// Writes the report as a PDF file. A failure raises ErroSistema.
void gravarPdf(const Relatorio &rel, const QString &arquivo);

// Writes the report's detail lines as a spreadsheet: the column titles, then
// one row per line, money and integers as numbers, dates and times as such.
// A failure raises ErroSistema.
void gravarPlanilha(const Relatorio &rel, const QString &arquivo);

// The common flow of a report screen. An empty report shows
// "Nenhum Registro Encontrado!" and returns false. Otherwise the report goes
// to the destination (the maximised preview, the printer chosen in the print
// dialog, or the PDF file `arquivoPdf`, asked for in a save dialog when empty)
// and then NovoRegistrarLog records "Impressão de Relatório" with `textoLog`
// as its before-text. Nothing is logged when a dialog is cancelled. With
// Registro::VisualizacaoEImpressao a preview logs as that choice says.
bool exibir(const Relatorio &rel, const QString &textoLog, Destino destino = Destino::Visualizar,
            const QString &arquivoPdf = {}, QWidget *pai = nullptr, Registro registro = Registro::Impressao);

} // namespace RelatorioPintura

namespace RelatorioPinturaDetalhe {
// Owns the preview's printer so that it outlives the dialog.
struct PortaImpressora {
    explicit PortaImpressora(const Relatorio &rel);
    std::unique_ptr<QPrinter> impressora;
};
} // namespace RelatorioPinturaDetalhe

// The report preview: maximised, zoomed to the page width, printing from its
// own tool bar.
class TFrmVisualizaRelatorio : private RelatorioPinturaDetalhe::PortaImpressora, public QPrintPreviewDialog {
public:
    explicit TFrmVisualizaRelatorio(const Relatorio &rel, QWidget *pai = nullptr);
    const Relatorio &relatorio() const { return m_rel; }
    QPrinter *impressora() const { return PortaImpressora::impressora.get(); }

protected:
    bool eventFilter(QObject *o, QEvent *e) override;

private:
    void topoDaPrimeiraPagina();

    const Relatorio &m_rel;
    bool m_rolou = false; // the user scrolled the pages
};
