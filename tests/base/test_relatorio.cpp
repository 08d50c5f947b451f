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
