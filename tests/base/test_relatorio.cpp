// The band-report frame: the document model, its pages, the common printing
// flow and a PDF read back as text.
#include "base/Caminhos.h"
#include "base/Relatorio.h"
#include "base/RelatorioPintura.h"
#include "base/Relogio.h"
#include "base/Telas.h"
#include "support/TelasTeste.h"

#include <QDir>
#include <QFileDialog>
#include <QGraphicsView>
#include <QScrollBar>
#include <QImage>
#include <QPrintDialog>
#include <QPrintPreviewWidget>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>

namespace {

using TB = Relatorio::TipoBanda;

class RelatorioTeste : public TelasTeste {
protected:
    void SetUp() override
    {
        TelasTeste::SetUp();
        Relogio::definir(QDateTime(QDate(2025, 3, 5), QTime(14, 30, 15)));
        parametro(QStringLiteral("NOME_FANTASIA"), QStringLiteral("POUSADA D'ÁVILA"));
    }
    void TearDown() override
    {
        Relogio::liberar();
        TelasTeste::TearDown();
    }

    // Two rooms with their consumption; a page 120 mm long holds the first
    // room and part of the second.
    static void preencher(Relatorio &rel)
    {
        rel.opcoes(QStringLiteral("De 01/03/2025 Até 31/03/2025"));
        rel.coluna(QStringLiteral("Data"), 20, Relatorio::Tipo::Data);
        rel.coluna(QStringLiteral("Descrição"), 60);
        rel.coluna(QStringLiteral("Qtd"), 10, Relatorio::Tipo::Inteiro, true);
        rel.coluna(QStringLiteral("Valor"), 20, Relatorio::Tipo::Dinheiro, true);
        rel.grupo(QStringLiteral("Apartamento 101"));
        rel.linha({QDate(2025, 3, 1), "ÁGUA", 1, Dinheiro::deCentavos(1000)});
        rel.linha({QDate(2025, 3, 1), "CERVEJA D'ÁGUA", 2, Dinheiro::deCentavos(2050)});
        rel.linha({QDate(2025, 3, 2), "BALA", 1, Dinheiro::deCentavos(1)});
        rel.grupo(QStringLiteral("Apartamento 102"));
        for (int i = 0; i < 8; ++i)
            rel.linha({QDate(2025, 3, 3), QStringLiteral("DIÁRIA %1").arg(i + 1), 1, Dinheiro::deCentavos(15000)});
        rel.resumo(QStringLiteral("Apartamentos:"), 2);
    }

    static QString executar(const QString &programa, const QStringList &args)
    {
        const QString exe = QStandardPaths::findExecutable(programa);
        if (exe.isEmpty())
            return {};
        QProcess p;
        p.start(exe, args);
        p.waitForFinished(60000);
        return QString::fromUtf8(p.readAllStandardOutput());
    }
};

QList<Relatorio::Banda> comTipo(const QList<Relatorio::Banda> &bandas, TB tipo)
{
    QList<Relatorio::Banda> r;
    for (const auto &b : bandas)
        if (b.tipo == tipo)
            r.append(b);
    return r;
}

TEST_F(RelatorioTeste, DuasPaginasComCabecalhoTitulosRepetidosETotaisEmCentavos)
{
    parametro(QStringLiteral("IMPRESSAOLARGURA"), QStringLiteral("210"));
    parametro(QStringLiteral("IMPRESSAOCOMPRIMENTO"), QStringLiteral("120"));
    Relatorio rel(QStringLiteral("Relatório de Consumo"));
    preencher(rel);
    EXPECT_EQ(rel.tamanhoPagina(), QSizeF(210, 120));

    const QList<Relatorio::Pagina> pags = rel.paginas();
    ASSERT_EQ(pags.size(), 2);
    for (int i = 0; i < pags.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(pags[i].numero, i + 1);
        EXPECT_EQ(pags[i].cabecalho,
                  QStringList({"POUSADA D'ÁVILA", "Relatório de Consumo", "[De 01/03/2025 Até 31/03/2025]",
                               "Impresso em 05/03/2025 14:30:15", QStringLiteral("Pág. %1").arg(i + 1)}));
        // The column headers open every page, below the page header.
        ASSERT_FALSE(pags[i].bandas.isEmpty());
        const Relatorio::Banda &t = pags[i].bandas.first();
        EXPECT_EQ(t.tipo, TB::TitulosColunas);
        EXPECT_EQ(t.topo, Relatorio::kMargem + rel.alturaCabecalho());
        QStringList titulos;
        for (const auto &c : t.celulas)
            titulos << c.texto;
        EXPECT_EQ(titulos, QStringList({"Data", "Descrição", "Qtd", "Valor"}));
        // Nothing runs into the bottom margin, nothing overlaps.
        double y = 0;
        for (const auto &b : pags[i].bandas) {
            EXPECT_GE(b.topo, y);
            EXPECT_LE(b.topo + b.altura, 120 - Relatorio::kMargem);
            y = b.topo + b.altura;
        }
    }
    // The pages hold every band once, in order, and the caption of the group
    // that goes on over the break again.
    QList<Relatorio::Banda> juntas;
    for (const auto &p : pags)
        juntas += p.bandas.mid(1);
    ASSERT_GE(pags[1].bandas.size(), 2);
    EXPECT_EQ(pags[1].bandas[1].tipo, TB::CabecalhoGrupo);
    EXPECT_EQ(pags[1].bandas[1].texto, "Apartamento 102 (continuação)");
    juntas.removeIf([](const Relatorio::Banda &b) { return b.texto.endsWith(Relatorio::kContinuacao); });
    const QList<Relatorio::Banda> todas = rel.bandas();
    ASSERT_EQ(juntas.size(), todas.size());
    for (int i = 0; i < todas.size(); ++i) {
        EXPECT_EQ(juntas[i].tipo, todas[i].tipo);
        EXPECT_EQ(juntas[i].texto, todas[i].texto);
    }
    // The second room's lines go on over the page break.
    EXPECT_EQ(pags[1].bandas[2].tipo, TB::Detalhe);

    const auto grupos = comTipo(todas, TB::CabecalhoGrupo);
    ASSERT_EQ(grupos.size(), 2);
    EXPECT_EQ(grupos[0].texto, "Apartamento 101");
    EXPECT_EQ(grupos[1].texto, "Apartamento 102");
    const auto totais = comTipo(todas, TB::TotalGrupo);
    ASSERT_EQ(totais.size(), 2);
    EXPECT_EQ(totais[0].texto, "Total:");
    EXPECT_EQ(totais[0].celulas[3].dinheiro, Dinheiro::deCentavos(3051));
    EXPECT_EQ(totais[0].celulas[3].texto, "30,51");
    EXPECT_EQ(totais[0].celulas[2].inteiro, 4);
    EXPECT_EQ(totais[0].celulas[1].texto, "");
    EXPECT_EQ(totais[1].celulas[3].dinheiro, Dinheiro::deCentavos(120000));
    EXPECT_EQ(totais[1].celulas[3].texto, "1.200,00");
    const auto geral = comTipo(todas, TB::TotalGeral);
    ASSERT_EQ(geral.size(), 1);
    EXPECT_EQ(geral[0].texto, "Total Geral:");
    EXPECT_EQ(geral[0].celulas[3].dinheiro, Dinheiro::deCentavos(123051));
    EXPECT_EQ(geral[0].celulas[2].inteiro, 12);
    EXPECT_EQ(rel.totalDinheiro(3), Dinheiro::deCentavos(123051));
    // The summary comes last, after the grand total.
    EXPECT_EQ(todas.last().tipo, TB::Resumo);
    EXPECT_EQ(todas.last().texto, "Apartamentos:");
    EXPECT_EQ(todas.last().celulas.value(0).texto, "2");
    // Cells as printed.
    const auto detalhes = comTipo(todas, TB::Detalhe);
    EXPECT_EQ(detalhes[1].celulas[0].texto, "01/03/2025");
    EXPECT_EQ(detalhes[1].celulas[1].texto, "CERVEJA D'ÁGUA");
    EXPECT_EQ(detalhes[1].celulas[3].texto, "20,50");
}

TEST_F(RelatorioTeste, GrupoRepetidoNaoReabreEUltimoGrupoFechaNoFim)
{
    Relatorio rel(QStringLiteral("Relatório"));
    rel.coluna(QStringLiteral("Nome"), 50);
    rel.coluna(QStringLiteral("Valor"), 20, Relatorio::Tipo::Dinheiro, true);
    rel.grupo(QStringLiteral("A"));
    rel.linha({"X", Dinheiro::deCentavos(150)});
    rel.grupo(QStringLiteral("A"));
    rel.linha({"Y", Dinheiro::deCentavos(-50)});
    const auto todas = rel.bandas();
    QList<TB> tipos;
    for (const auto &b : todas)
        tipos << b.tipo;
    EXPECT_EQ(tipos, QList<TB>({TB::CabecalhoGrupo, TB::Detalhe, TB::Detalhe, TB::TotalGrupo, TB::TotalGeral}));
    EXPECT_EQ(todas[3].celulas[1].dinheiro, Dinheiro::deCentavos(100));
    // Without summed columns there are no total lines; extra cells are dropped.
    Relatorio simples(QStringLiteral("Lista"));
    simples.coluna(QStringLiteral("Nome"), 50);
    simples.grupo(QStringLiteral("G"));
    simples.linha({"A", "sobra"});
    ASSERT_EQ(simples.bandas().size(), 2);
    EXPECT_EQ(simples.bandas()[1].celulas.size(), 1);
}

TEST_F(RelatorioTeste, TamanhoDaPaginaELogoVemDosParametros)
{
    struct Caso {
        const char *largura, *comprimento, *largo;
        bool paisagem;
        QSizeF pagina;
        bool logoLargo;
    };
    const Caso casos[] = {
        {"210", "297", "N", false, {210, 297}, false},
        {"80", "150.5", "S", false, {80, 150.5}, true},
        {"210", "297", "S", true, {297, 210}, true},
        // A size no printer takes falls back to A4 instead of an endless report.
        {"0", "0", "N", false, {210, 297}, false},
        {"210", "10", "N", false, {210, 297}, false},
    };
    for (const Caso &c : casos) {
        SCOPED_TRACE(std::string(c.largura) + "x" + c.comprimento);
        parametro(QStringLiteral("IMPRESSAOLARGURA"), QString::fromLatin1(c.largura));
        parametro(QStringLiteral("IMPRESSAOCOMPRIMENTO"), QString::fromLatin1(c.comprimento));
        parametro(QStringLiteral("LOGORELLARGO"), QString::fromLatin1(c.largo));
        Relatorio rel(QStringLiteral("R"), c.paisagem);
        EXPECT_EQ(rel.tamanhoPagina(), c.pagina);
        EXPECT_EQ(rel.ambiente().logoLargo, c.logoLargo);
        EXPECT_EQ(rel.alturaCabecalho(),
                  c.logoLargo ? Relatorio::kAlturaCabecalhoLargo : Relatorio::kAlturaCabecalhoQuadrado);
    }
}

TEST_F(RelatorioTeste, RelatorioVazioAvisaNaoMostraENaoRegistra)
{
    bool aberta = false;
    Telas::interceptar<TFrmVisualizaRelatorio>([&](TFrmVisualizaRelatorio *) {
        aberta = true;
        return int(QDialog::Accepted);
    });
    Relatorio rel(QStringLiteral("Relatório de Veículos"));
    rel.coluna(QStringLiteral("Placa"), 20);
    rel.grupo(QStringLiteral("Sem linhas"));
    msg->esperar(QStringLiteral("Nenhum Registro Encontrado!"));
    EXPECT_FALSE(RelatorioPintura::exibir(rel, QStringLiteral("Relatório de Veículos")));
    EXPECT_EQ(msg->pendentes(), 0);
    EXPECT_FALSE(aberta);
    EXPECT_EQ(contar(QStringLiteral("SELECT COUNT(*) FROM LOG")), 0);
}

// The preview opens at the page's width, showing the top of page 1.
TEST_F(RelatorioTeste, VisualizacaoAbreNaLarguraDaPaginaNoTopoDaPrimeira)
{
    Relatorio rel(QStringLiteral("Relatório de Consumo"));
    preencher(rel);
    for (int i = 0; i < 150; ++i) // two pages at least
        rel.linha({QDate(2025, 3, 3), "ÁGUA", 1, Dinheiro::deCentavos(100)});
    // Shown at one size, then given another by the window manager (maximised).
    for (const QSize tamanho : {QSize(1280, 1000), QSize(800, 600)}) {
        SCOPED_TRACE(tamanho.width());
        TFrmVisualizaRelatorio t(rel);
        t.setWindowState(Qt::WindowNoState);
        t.resize(640, 480);
        t.show();
        QApplication::processEvents();
        t.resize(tamanho);
        QApplication::processEvents();
        QApplication::processEvents();
        auto *previa = t.findChild<QPrintPreviewWidget *>();
        ASSERT_NE(previa, nullptr);
        ASSERT_GE(previa->pageCount(), 2);
        auto *vista = previa->findChild<QGraphicsView *>();
        ASSERT_NE(vista, nullptr);
        EXPECT_EQ(previa->zoomMode(), QPrintPreviewWidget::FitToWidth);
        // The toolbar shows the fit in use.
        const QAction *ajuste = t.findChild<QAction *>(QStringLiteral("fitWidthAction"));
        ASSERT_NE(ajuste, nullptr);
        EXPECT_TRUE(ajuste->isChecked());
        EXPECT_EQ(previa->currentPage(), 1);
        EXPECT_EQ(vista->verticalScrollBar()->value(), vista->verticalScrollBar()->minimum());
        // The page fills the view's width.
        const qreal largura = t.impressora()->pageLayout().fullRectPixels(t.impressora()->resolution()).width();
        const qreal naTela = largura * previa->zoomFactor() * vista->logicalDpiX() / t.impressora()->resolution();
        EXPECT_NEAR(naTela, vista->viewport()->width(), vista->viewport()->width() * 0.15);
    }
}

TEST_F(RelatorioTeste, VisualizacaoMaximizadaDepoisRegistraImpressao)
{
    Relatorio rel(QStringLiteral("Relatório de Consumo"));
    preencher(rel);
    int paginasPrevia = -1;
    Telas::interceptar<TFrmVisualizaRelatorio>([&](TFrmVisualizaRelatorio *t) {
        EXPECT_TRUE(t->windowState() & Qt::WindowMaximized);
        EXPECT_EQ(&t->relatorio(), &rel);
        // Nothing is logged while the preview is open.
        EXPECT_EQ(contar(QStringLiteral("SELECT COUNT(*) FROM LOG")), 0);
        const QPageLayout l = t->impressora()->pageLayout();
        EXPECT_NEAR(l.fullRect(QPageLayout::Millimeter).width(), 210, 0.5);
        EXPECT_NEAR(l.fullRect(QPageLayout::Millimeter).height(), 297, 0.5);
        // The preview paints the pages of the model.
        auto *previa = t->findChild<QPrintPreviewWidget *>();
        EXPECT_NE(previa, nullptr);
        if (previa) {
            EXPECT_EQ(previa->zoomMode(), QPrintPreviewWidget::FitToWidth);
            previa->updatePreview();
            paginasPrevia = previa->pageCount();
        }
        return int(QDialog::Rejected);
    });
    const QString antes = QStringLiteral("Relatório de Consumo (De 01/03/2025 Até 31/03/2025)\rD'ÁVILA");
    EXPECT_TRUE(RelatorioPintura::exibir(rel, antes));
    EXPECT_EQ(paginasPrevia, 1);
    const Linha log = banco().ler(QStringLiteral("SELECT USUARIO, OPERACAO, DATA, HORA, ANTES, DEPOIS FROM LOG"));
    EXPECT_EQ(log.texto(QStringLiteral("USUARIO")), "ADMIN");
    EXPECT_EQ(log.texto(QStringLiteral("OPERACAO")), "Impressão de Relatório");
    EXPECT_EQ(log.data(QStringLiteral("DATA")), QDate(2025, 3, 5));
    EXPECT_EQ(log.texto(QStringLiteral("ANTES")), antes);
    EXPECT_EQ(log.texto(QStringLiteral("DEPOIS")), "");
}

TEST_F(RelatorioTeste, PdfLidoDeVoltaMostraEmpresaPaginasETotal)
{
    if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
        GTEST_FAIL() << "pdftotext (poppler-utils) não instalado: rode scripts/install-deps";
    parametro(QStringLiteral("IMPRESSAOCOMPRIMENTO"), QStringLiteral("120"));
    Relatorio rel(QStringLiteral("Relatório de Consumo"));
    preencher(rel);
    const QString arquivo = pasta() + QStringLiteral("/consumo março.pdf");
    EXPECT_TRUE(RelatorioPintura::exibir(rel, QStringLiteral("Relatório de Consumo"), RelatorioPintura::Destino::Pdf,
                                         arquivo));
    EXPECT_EQ(contar(QStringLiteral("SELECT COUNT(*) FROM LOG WHERE OPERACAO = ?"), {kOperacaoImpressaoRelatorio}), 1);

    const QString texto = executar(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), arquivo, QStringLiteral("-")});
    for (const char *esperado : {"POUSADA D'ÁVILA", "Relatório de Consumo", "[De 01/03/2025 Até 31/03/2025]",
                                 "Impresso em 05/03/2025 14:30:15", "Pág. 1", "Pág. 2", "Apartamento 101",
                                 "CERVEJA D'ÁGUA", "30,51", "1.200,00", "Total Geral:", "1.230,51"})
        EXPECT_TRUE(texto.contains(QString::fromUtf8(esperado))) << esperado << "\n" << texto.toStdString();
    // The second page repeats the page header and the column headers.
    const QStringList paginas = texto.split(QLatin1Char('\f'));
    ASSERT_GE(paginas.size(), 2);
    EXPECT_TRUE(paginas[1].contains(QStringLiteral("POUSADA D'ÁVILA")));
    EXPECT_TRUE(paginas[1].contains(QStringLiteral("Descrição")));
    EXPECT_FALSE(paginas[1].contains(QStringLiteral("Pág. 1")));

    // The paper is the size of the settings: 210 x 120 mm.
    const QString info = executar(QStringLiteral("pdfinfo"), {arquivo});
    const QRegularExpressionMatch tam =
        QRegularExpression(QStringLiteral(R"(Page size:\s+([\d.]+) x ([\d.]+) pts)")).match(info);
    ASSERT_TRUE(tam.hasMatch()) << info.toStdString();
    EXPECT_NEAR(tam.captured(1).toDouble(), 210 / 25.4 * 72, 1.0);
    EXPECT_NEAR(tam.captured(2).toDouble(), 120 / 25.4 * 72, 1.0);
    EXPECT_TRUE(info.contains(QRegularExpression(QStringLiteral(R"(Pages:\s+2\n)")))) << info.toStdString();
}

TEST_F(RelatorioTeste, FaixasPrateadasOuBrancasConformeLogoLargo)
{
    if (QStandardPaths::findExecutable(QStringLiteral("pdftoppm")).isEmpty())
        GTEST_FAIL() << "pdftoppm (poppler-utils) não instalado: rode scripts/install-deps";
    const struct {
        const char *largo;
        QColor faixa;
    } casos[] = {{"S", QColor(255, 255, 255)}, {"N", QColor(0xC0, 0xC0, 0xC0)}, {"", QColor(0xC0, 0xC0, 0xC0)}};
    for (const auto &c : casos) {
        SCOPED_TRACE(c.largo);
        parametro(QStringLiteral("LOGORELLARGO"), QString::fromLatin1(c.largo));
        Relatorio rel(QStringLiteral("Relatório"));
        preencher(rel);
        const QString pdf = pasta() + QStringLiteral("/faixa.pdf");
        RelatorioPintura::gravarPdf(rel, pdf);
        // 25.4 pixels per inch: one pixel per millimetre.
        executar(QStringLiteral("pdftoppm"),
                 {QStringLiteral("-png"), QStringLiteral("-r"), QStringLiteral("25.4"), QStringLiteral("-singlefile"),
                  pdf, pasta() + QStringLiteral("/faixa")});
        const QImage img(pasta() + QStringLiteral("/faixa.png"));
        ASSERT_FALSE(img.isNull());
        // Inside the page header, right of any logo and below the texts; the
        // margin outside the header stays white.
        EXPECT_EQ(img.pixelColor(120, 37).rgb(), c.faixa.rgb());
        EXPECT_EQ(img.pixelColor(5, 5).rgb(), QColor(Qt::white).rgb());
        // The grand total band has the same colour.
        const auto todas = rel.paginas().last().bandas;
        const auto geral = comTipo(todas, TB::TotalGeral);
        ASSERT_EQ(geral.size(), 1);
        EXPECT_EQ(img.pixelColor(15, int(geral[0].topo + 1)).rgb(), c.faixa.rgb());
    }
}

TEST_F(RelatorioTeste, ImpressoraEscolhidaImprimeERegistraCanceladaNao)
{
    parametro(QStringLiteral("IMPRESSAOCOMPRIMENTO"), QStringLiteral("120"));
    Relatorio rel(QStringLiteral("Relatório de Consumo"));
    preencher(rel);
    const QString pdf = pasta() + QStringLiteral("/impressora.pdf");
    struct Caso {
        bool aceita;
        bool impresso;
    };
    for (const Caso c : {Caso{false, false}, Caso{true, true}}) {
        SCOPED_TRACE(c.aceita);
        Telas::interceptar<QPrintDialog>([&](QPrintDialog *d) {
            // The printer comes set to the report's paper.
            const QSizeF mm = d->printer()->pageLayout().fullRect(QPageLayout::Millimeter).size();
            EXPECT_NEAR(mm.width(), 210, 0.5);
            EXPECT_NEAR(mm.height(), 120, 0.5);
            d->printer()->setOutputFileName(pdf);
            return int(c.aceita ? QDialog::Accepted : QDialog::Rejected);
        });
        EXPECT_EQ(RelatorioPintura::exibir(rel, QStringLiteral("Consumo"), RelatorioPintura::Destino::Impressora),
                  c.impresso);
        EXPECT_EQ(contar(QStringLiteral("SELECT COUNT(*) FROM LOG")), c.impresso ? 1 : 0);
        EXPECT_EQ(QFile::exists(pdf), c.impresso);
    }
    const QString texto = executar(QStringLiteral("pdftotext"), {pdf, QStringLiteral("-")});
    EXPECT_TRUE(texto.contains(QStringLiteral("Pág. 2"))) << texto.toStdString();
}

TEST_F(RelatorioTeste, PdfSemArquivoPerguntaOndeSalvar)
{
    Relatorio rel(QStringLiteral("Relatório de Consumo"));
    preencher(rel);
    QString escolhido;
    Telas::interceptar<QFileDialog>([&](QFileDialog *d) {
        if (escolhido.isEmpty())
            return int(QDialog::Rejected);
        d->selectFile(escolhido);
        return int(QDialog::Accepted);
    });
    // Cancelled: nothing written, nothing logged.
    EXPECT_FALSE(RelatorioPintura::exibir(rel, QStringLiteral("Consumo"), RelatorioPintura::Destino::Pdf));
    EXPECT_EQ(contar(QStringLiteral("SELECT COUNT(*) FROM LOG")), 0);
    escolhido = pasta() + QStringLiteral("/escolhido.pdf");
    EXPECT_TRUE(RelatorioPintura::exibir(rel, QStringLiteral("Consumo"), RelatorioPintura::Destino::Pdf));
    EXPECT_TRUE(executar(QStringLiteral("pdftotext"), {escolhido, QStringLiteral("-")})
                    .contains(QStringLiteral("POUSADA D'ÁVILA")));
    EXPECT_EQ(contar(QStringLiteral("SELECT COUNT(*) FROM LOG")), 1);
}

TEST_F(RelatorioTeste, LogotipoQuadradoOuLargoNoCabecalho)
{
    // A red logo, given as the Windows path of the installation folder.
    Caminhos::definirPastaInstalacao(pasta());
    QDir(pasta()).mkpath(QStringLiteral("img"));
    QImage vermelho(200, 200, QImage::Format_RGB32);
    vermelho.fill(Qt::red);
    ASSERT_TRUE(vermelho.save(pasta() + QStringLiteral("/img/logo.png")));
    parametro(QStringLiteral("LOGO"), QStringLiteral("C:\\Quintara\\img\\logo.png"));
    const struct {
        const char *largo;
        QPoint dentro;  // mm: inside the logo
        QPoint fora;    // mm: where the other layout puts it
    } casos[] = {{"N", {25, 25}, {105, 15}}, {"S", {105, 15}, {25, 25}}};
    for (const auto &c : casos) {
        SCOPED_TRACE(c.largo);
        parametro(QStringLiteral("LOGORELLARGO"), QString::fromLatin1(c.largo));
        Relatorio rel(QStringLiteral("Relatório"));
        preencher(rel);
        EXPECT_EQ(rel.ambiente().logo, pasta() + QStringLiteral("/img/logo.png"));
        const QString pdf = pasta() + QStringLiteral("/logo.pdf");
        RelatorioPintura::gravarPdf(rel, pdf);
        executar(QStringLiteral("pdftoppm"),
                 {QStringLiteral("-png"), QStringLiteral("-r"), QStringLiteral("25.4"), QStringLiteral("-singlefile"),
                  pdf, pasta() + QStringLiteral("/logo")});
        const QImage img(pasta() + QStringLiteral("/logo.png"));
        ASSERT_FALSE(img.isNull());
        // The picture goes into the PDF compressed: red within a few shades.
        auto vermelha = [&](QPoint p) {
            const QColor cor = img.pixelColor(p);
            return cor.red() > 230 && cor.green() < 25 && cor.blue() < 25;
        };
        EXPECT_TRUE(vermelha(c.dentro));
        EXPECT_FALSE(vermelha(c.fora));
    }
    Caminhos::definirPastaInstalacao(QString());
}

} // namespace

TEST_F(RelatorioTeste, TitulosMarcadosNoCorpoSaemUmaVezERepetemDepoisDaQuebra)
{
    parametro(QStringLiteral("IMPRESSAOCOMPRIMENTO"), QStringLiteral("120"));
    // A statement: blocks of text, then its items under their titles.
    Relatorio rel(QStringLiteral("Extrato"));
    rel.linhaCabecalho(QStringLiteral("(ENTRADA No. 12)")); // printed as given, no "[...]"
    rel.coluna(QStringLiteral("Data"), 20, Relatorio::Tipo::Data);
    rel.coluna(QStringLiteral("Descrição"), 60);
    rel.coluna(QStringLiteral("Valor"), 20, Relatorio::Tipo::Dinheiro, true);
    for (int i = 0; i < 6; ++i)
        rel.texto(QStringLiteral("BLOCO %1").arg(i + 1));
    rel.titulosColunas();
    for (int i = 0; i < 20; ++i)
        rel.linha({QDate(2025, 3, 1), QStringLiteral("ITEM %1").arg(i + 1), Dinheiro::deCentavos(100)});
    for (int i = 0; i < 15; ++i)
        rel.resumo(QStringLiteral("Resumo %1:").arg(i + 1), i);
    EXPECT_EQ(rel.totalLinhas(), 20); // the titles are no line of the report

    const QList<Relatorio::Pagina> pags = rel.paginas();
    ASSERT_GE(pags.size(), 2);
    EXPECT_EQ(pags[1].cabecalho.value(2), "(ENTRADA No. 12)");
    // Page one: the blocks first, the titles once right above the first item.
    const QList<Relatorio::Banda> &p1 = pags[0].bandas;
    ASSERT_GE(p1.size(), 8);
    EXPECT_EQ(p1[0].tipo, TB::Texto);
    EXPECT_EQ(p1[0].topo, Relatorio::kMargem + rel.alturaCabecalho());
    EXPECT_EQ(comTipo(p1, TB::TitulosColunas).size(), 1);
    EXPECT_EQ(p1[6].tipo, TB::TitulosColunas);
    QStringList titulos;
    for (const auto &c : p1[6].celulas)
        titulos << c.texto;
    EXPECT_EQ(titulos, QStringList({"Data", "Descrição", "Valor"}));
    EXPECT_EQ(p1[7].tipo, TB::Detalhe);
    EXPECT_EQ(p1[7].celulas[1].texto, "ITEM 1");
    // A page the items go on to opens with the titles again; the last page,
    // with only the summary, has none.
    ASSERT_EQ(pags.size(), 4);
    for (int i = 1; i < pags.size(); ++i) {
        SCOPED_TRACE(i);
        ASSERT_GE(pags[i].bandas.size(), 2);
        const bool comItens = !comTipo(pags[i].bandas, TB::Detalhe).isEmpty();
        EXPECT_EQ(comItens, i < 3);
        EXPECT_EQ(pags[i].bandas[0].tipo, comItens ? TB::TitulosColunas : TB::Resumo);
        EXPECT_EQ(pags[i].bandas[0].topo, Relatorio::kMargem + rel.alturaCabecalho());
        EXPECT_EQ(comTipo(pags[i].bandas, TB::TitulosColunas).size(), comItens ? 1 : 0);
    }

    // A break before the mark: the pages before it carry no titles. 38 blocks
    // leave room at the foot of page three for the titles but not for the
    // item: both go on to page four, the titles once.
    Relatorio longo(QStringLiteral("Extrato"));
    longo.coluna(QStringLiteral("Descrição"), 60);
    for (int i = 0; i < 38; ++i)
        longo.texto(QStringLiteral("BLOCO %1").arg(i + 1));
    longo.titulosColunas();
    longo.linha({QStringLiteral("ITEM")});
    const QList<Relatorio::Pagina> pl = longo.paginas();
    ASSERT_EQ(pl.size(), 4);
    int titulosImpressos = 0;
    for (int i = 0; i < pl.size(); ++i)
        titulosImpressos += int(comTipo(pl[i].bandas, TB::TitulosColunas).size());
    EXPECT_EQ(titulosImpressos, 1);
    ASSERT_EQ(pl[3].bandas.size(), 2);
    EXPECT_EQ(pl[3].bandas[0].tipo, TB::TitulosColunas);
    EXPECT_EQ(pl[3].bandas[1].tipo, TB::Detalhe);

    // Columns without titles print no title band at all.
    Relatorio semTitulos(QStringLiteral("Conferência"));
    semTitulos.coluna(QString(), 20);
    semTitulos.coluna(QString(), 20);
    semTitulos.linha({QStringLiteral("A"), QStringLiteral("B")});
    for (const auto &p : semTitulos.paginas())
        EXPECT_TRUE(comTipo(p.bandas, TB::TitulosColunas).isEmpty());
    EXPECT_EQ(semTitulos.paginas()[0].bandas[0].tipo, TB::Detalhe);
}

TEST_F(RelatorioTeste, ComprovanteEstreitoNumaPaginaDoTamanhoDoConteudo)
{
    if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
        GTEST_FAIL() << "pdftotext (poppler-utils) não instalado: rode scripts/install-deps";
    parametro(QStringLiteral("IMPRESSAOLARGURA"), QStringLiteral("210"));
    parametro(QStringLiteral("IMPRESSAOCOMPRIMENTO"), QStringLiteral("100"));
    Relatorio rel(QStringLiteral("Comprovante"));
    Relatorio::Formato f;
    f.larguraMm = 62;
    f.margens = QMarginsF(0, 10, 5, 0);
    f.compacto = true;
    f.alturaPeloConteudo = true;
    rel.formato(f);
    rel.cabecalhoCompacto({QStringLiteral("POUSADA D'ÁVILA"), QStringLiteral("Comprovante")});
    rel.coluna(QStringLiteral("Qtd"), 16, Relatorio::Tipo::Inteiro);
    rel.coluna(QStringLiteral("Unit."), 20, Relatorio::Tipo::Dinheiro);
    rel.coluna(QStringLiteral("Total"), 20, Relatorio::Tipo::Dinheiro, true);
    rel.rotuloTotalGeral(QStringLiteral("SUBTOTAL R$"));
    rel.titulosColunas(QStringLiteral("Descrição"));
    // More lines than the settings' 100 mm page holds.
    for (int i = 0; i < 40; ++i)
        rel.linha(QStringLiteral("CERVEJA %1").arg(i + 1), {2, Dinheiro::deCentavos(1000), Dinheiro::deCentavos(2000)});
    rel.resumo(QStringLiteral("VALOR TOTAL R$"), Dinheiro::deCentavos(80000));
    rel.fechamento(QStringLiteral("***  OBRIGADO, VOLTE SEMPRE  ***"));

    // One page 62 mm wide, as long as its bands, with the report's own header.
    const QList<Relatorio::Pagina> pags = rel.paginas();
    ASSERT_EQ(pags.size(), 1);
    EXPECT_EQ(pags[0].cabecalho, QStringList({"POUSADA D'ÁVILA", "Comprovante"}));
    const Relatorio::Banda &ultima = pags[0].bandas.constLast();
    EXPECT_EQ(ultima.tipo, TB::Fechamento);
    EXPECT_DOUBLE_EQ(rel.tamanhoPagina().width(), 62);
    EXPECT_DOUBLE_EQ(rel.tamanhoPagina().height(), ultima.topo + ultima.altura);
    EXPECT_GT(rel.tamanhoPagina().height(), 150);
    EXPECT_EQ(pags[0].bandas[0].topo, 10 + rel.alturaCabecalho());
    // The columns fill the strip from the left edge to 5 mm before the right one.
    const auto cols = rel.posicoesColunas();
    EXPECT_DOUBLE_EQ(cols.first().first, 0);
    EXPECT_NEAR(cols.last().first + cols.last().second, 57, 1e-9);
    // A line with its text above is two compact rows high.
    const Relatorio::Banda &d = comTipo(pags[0].bandas, TB::Detalhe).first();
    EXPECT_EQ(d.texto, "CERVEJA 1");
    EXPECT_DOUBLE_EQ(d.altura, 2 * Relatorio::kAlturaLinhaCompacta);

    const QString arquivo = pasta() + QStringLiteral("/comprovante.pdf");
    RelatorioPintura::gravarPdf(rel, arquivo);
    const QString info = executar(QStringLiteral("pdfinfo"), {arquivo});
    const QRegularExpressionMatch tam =
        QRegularExpression(QStringLiteral(R"(Page size:\s+([\d.]+) x ([\d.]+) pts)")).match(info);
    ASSERT_TRUE(tam.hasMatch()) << info.toStdString();
    EXPECT_NEAR(tam.captured(1).toDouble(), 62 / 25.4 * 72, 1.0);
    EXPECT_NEAR(tam.captured(2).toDouble(), rel.tamanhoPagina().height() / 25.4 * 72, 1.0);
    EXPECT_TRUE(info.contains(QRegularExpression(QStringLiteral(R"(Pages:\s+1\n)")))) << info.toStdString();
    // Every text whole in the narrow column: nothing cut with an ellipsis.
    const QString texto = executar(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), arquivo, QStringLiteral("-")});
    EXPECT_FALSE(texto.contains(QChar(0x2026))) << texto.toStdString();
    const QStringList linhas = texto.split(QLatin1Char('\n'));
    auto linhaCom = [&](const QString &t) {
        for (const QString &l : linhas)
            if (l.contains(t))
                return l.simplified();
        return QString();
    };
    EXPECT_EQ(linhaCom(QStringLiteral("CERVEJA 40")), "CERVEJA 40");
    EXPECT_EQ(linhaCom(QStringLiteral("Unit.")), "Qtd Unit. Total");
    EXPECT_EQ(linhaCom(QStringLiteral("SUBTOTAL")), "SUBTOTAL R$ 800,00");
    EXPECT_EQ(linhaCom(QStringLiteral("VALOR TOTAL")), "VALOR TOTAL R$ 800,00");
    EXPECT_EQ(linhaCom(QStringLiteral("OBRIGADO")), "*** OBRIGADO, VOLTE SEMPRE ***");
    // The figures of a line under its text.
    EXPECT_EQ(linhaCom(QStringLiteral("20,00")), "2 10,00 20,00");
}

TEST_F(RelatorioTeste, FiguraGuardaTamanhoCabeNaPaginaEPintaNoPdf)
{
    // A landscape A4 page: 277 x 190 mm inside the margins, 158 mm under the
    // square-logo header.
    QImage azul(400, 200, QImage::Format_RGB32);
    azul.fill(Qt::blue);
    const struct {
        QSizeF desejado;
        QSizeF impresso;
    } casos[] = {
        {{100, 50}, {100, 50}},     // fits as wanted
        {{554, 100}, {277, 50}},    // too wide: half the size
        {{200, 316}, {100, 158}},   // too high: the room under the header
    };
    for (const auto &c : casos) {
        Relatorio rel(QStringLiteral("Gráfico"), true);
        EXPECT_TRUE(rel.vazio());
        rel.figura(azul, c.desejado);
        // A picture alone is something to print.
        EXPECT_FALSE(rel.vazio());
        const QList<Relatorio::Banda> b = comTipo(rel.bandas(), TB::Figura);
        ASSERT_EQ(b.size(), 1);
        EXPECT_NEAR(b[0].tamanho.width(), c.impresso.width(), 0.01);
        EXPECT_NEAR(b[0].tamanho.height(), c.impresso.height(), 0.01);
        EXPECT_NEAR(b[0].altura, c.impresso.height(), 0.01);
        EXPECT_EQ(b[0].imagem.size(), QSize(400, 200));
    }

    // Lines above a picture that no longer fits push it to the next page.
    Relatorio rel(QStringLiteral("Gráfico"), true);
    rel.coluna(QStringLiteral("Dia"), 10);
    for (int i = 0; i < 20; ++i)
        rel.linha({QString::number(i + 1)});
    rel.figura(azul, QSizeF(200, 100));
    const QList<Relatorio::Pagina> p = rel.paginas();
    ASSERT_EQ(p.size(), 2);
    ASSERT_EQ(comTipo(p[1].bandas, TB::Figura).size(), 1);
    const Relatorio::Banda fig = comTipo(p[1].bandas, TB::Figura).constFirst();

    if (QStandardPaths::findExecutable(QStringLiteral("pdftoppm")).isEmpty())
        GTEST_FAIL() << "pdftoppm (poppler-utils) não instalado: rode scripts/install-deps";
    const QString pdf = pasta() + QStringLiteral("/figura.pdf");
    RelatorioPintura::gravarPdf(rel, pdf);
    executar(QStringLiteral("pdftoppm"), {QStringLiteral("-png"), QStringLiteral("-r"), QStringLiteral("25.4"),
                                          QStringLiteral("-f"), QStringLiteral("2"), QStringLiteral("-singlefile"), pdf,
                                          pasta() + QStringLiteral("/figura")});
    const QImage img(pasta() + QStringLiteral("/figura.png"));
    ASSERT_FALSE(img.isNull());
    // Landscape paper, the picture centred across it at its band's place.
    EXPECT_NEAR(img.width(), 297, 1);
    EXPECT_NEAR(img.height(), 210, 1);
    auto azulEm = [&](int x, int y) {
        const QColor cor = img.pixelColor(x, y);
        return cor.blue() > 200 && cor.red() < 40 && cor.green() < 40;
    };
    const int meio = int(fig.topo + fig.altura / 2);
    EXPECT_TRUE(azulEm(148, meio));
    EXPECT_TRUE(azulEm(52, meio));
    EXPECT_TRUE(azulEm(244, meio));
    EXPECT_FALSE(azulEm(45, meio));
    EXPECT_FALSE(azulEm(252, meio));
    EXPECT_FALSE(azulEm(148, int(fig.topo + fig.altura + 3)));
}

TEST_F(RelatorioTeste, VisualizacaoRegistradaAntesEImpressaoSoQuandoImprimiu)
{
    Relatorio rel(QStringLiteral("Relatório de Café da Manhã"));
    preencher(rel);
    for (const bool imprimiu : {false, true}) {
        SCOPED_TRACE(imprimiu);
        banco().executar(QStringLiteral("DELETE FROM LOG"));
        QStringList durante;
        Telas::interceptar<TFrmVisualizaRelatorio>([&](TFrmVisualizaRelatorio *) {
            durante = logs();
            // the preview's print button ends it accepted; closing it, rejected
            return int(imprimiu ? QDialog::Accepted : QDialog::Rejected);
        });
        EXPECT_TRUE(RelatorioPintura::exibir(rel, QStringLiteral("Relatório de Café da Manhã"),
                                             RelatorioPintura::Destino::Visualizar, {}, nullptr,
                                             RelatorioPintura::Registro::VisualizacaoEImpressao));
        EXPECT_EQ(durante, QStringList{QStringLiteral("ADMIN|Vizualização de Relatório")});
        QStringList esperado{QStringLiteral("ADMIN|Vizualização de Relatório")};
        if (imprimiu)
            esperado << QStringLiteral("ADMIN|Impressão de Relatório");
        EXPECT_EQ(logs(), esperado);
        EXPECT_EQ(contar(QStringLiteral("SELECT COUNT(*) FROM LOG WHERE ANTES = ?"),
                         {QStringLiteral("Relatório de Café da Manhã")}),
                  esperado.size());
    }
    // An empty report still says so and logs nothing at all.
    banco().executar(QStringLiteral("DELETE FROM LOG"));
    Relatorio vazio(QStringLiteral("Relatório de Café da Manhã"));
    msg->esperar(QStringLiteral("Nenhum Registro Encontrado!"));
    EXPECT_FALSE(RelatorioPintura::exibir(vazio, QStringLiteral("x"), RelatorioPintura::Destino::Visualizar, {},
                                          nullptr, RelatorioPintura::Registro::VisualizacaoEImpressao));
    EXPECT_EQ(logs(), QStringList());
}
