// The occupancy chart: its content built from the nights (labels, bars,
// percentages, averages, zero divisors), the log texts, the widget drawing
// that content and the landscape page with the chart as a picture.
#include "base/RelatorioPintura.h"
#include "base/Telas.h"
#include "rooms/GrafOcupacao.h"
#include "rooms/UnitGrafOcupacao.h"
#include "support/TelasTeste.h"

#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QComboBox>
#include <QGraphicsSimpleTextItem>
#include <QHorizontalBarSeries>
#include <QRadioButton>
#include <QSpinBox>

#include <algorithm>

using namespace GrafOcupacao;

namespace {

class Grafico_ : public TelasTeste {
protected:
    qint64 uh(const char *excluido = "N")
    {
        return banco()
            .valor(QStringLiteral("INSERT INTO UH (NUMERO, SITUACAO, EXCLUIDO) VALUES ('1', 'L', ?) RETURNING ID_UH"),
                   {QString::fromLatin1(excluido)})
            .toLongLong();
    }
    qint64 estadia(qint64 idUH, const char *excluido = "N")
    {
        return banco()
            .valor(QStringLiteral("INSERT INTO WALK_IN (ID_UH, DATA_ENTRADA, BAIXA, EXCLUIDO) VALUES (?, ?, 'N', ?) "
                                  "RETURNING ID_WALK_IN"),
                   {idUH, QDate(2026, 1, 1), QString::fromLatin1(excluido)})
            .toLongLong();
    }
    // `n` nights of a stay on a day, with `qtd` guests each (null when < 0).
    void noites(qint64 estadia, const QDate &d, int n, int qtd = 2)
    {
        for (int i = 0; i < n; ++i)
            banco().executar(QStringLiteral("INSERT INTO OCUPACAO (ID_ENTRADA, DATA, VALOR, QTD) VALUES (?, ?, 100, ?)"),
                             {estadia, d, qtd < 0 ? QVariant() : QVariant(qtd)});
    }
};

} // namespace

TEST_F(Grafico_, MesComDiasSemLinhasPercentuaisEMediaSobreOsDiasComLinhas)
{
    // April 2026: nights only on days 3 and 17; 10 live rooms.
    const QList<Dia> dias{{QDate(2026, 4, 17), 2}, {QDate(2026, 4, 3), 4}};
    const Grafico g = mensal(Tipo::Diarias, 4, 2026, dias, 10);
    ASSERT_EQ(g.entradas.size(), 32);
    EXPECT_EQ(g.titulo, QStringLiteral("Gráfico de Ocupação por Diárias de ABRIL de 2026"));
    EXPECT_EQ(g.tituloLegenda, QStringLiteral("TOTAL MENSAL - 6 (Diárias)"));
    EXPECT_FALSE(g.entradas[0].barra);
    EXPECT_EQ(g.entradas[0].texto, QStringLiteral("MÉDIA DIÁRIA - 3,0 (30,00 % de Ocupação)"));
    const struct {
        int dia;
        qint64 valor;
        const char *texto;
    } casos[] = {
        {1, 0, "DIA 1, Quarta-Feira - 0 (0,00 % de Ocupação)"},
        {3, 4, "DIA 3, Sexta-Feira - 4 (40,00 % de Ocupação)"},
        {17, 2, "DIA 17, Sexta-Feira - 2 (20,00 % de Ocupação)"},
        {19, 0, "DIA 19, Domingo - 0 (0,00 % de Ocupação)"},
        {31, 0, "DIA 31, --- - 0 (0,00 % de Ocupação)"},
    };
    for (const auto &c : casos) {
        SCOPED_TRACE(c.dia);
        EXPECT_TRUE(g.entradas[c.dia].barra);
        EXPECT_EQ(g.entradas[c.dia].valor, c.valor);
        EXPECT_EQ(g.entradas[c.dia].texto, QString::fromUtf8(c.texto));
    }
    int comBarra = 0;
    for (int d = 1; d <= 31; ++d)
        comBarra += g.entradas[d].valor > 0;
    EXPECT_EQ(comBarra, 2);

    // Leitos: 5 guest-nights of 20 beds read 25,00.
    const Grafico l = mensal(Tipo::Leitos, 12, 2026, {{QDate(2026, 12, 1), 5}}, 20);
    EXPECT_EQ(l.entradas[1].texto, QStringLiteral("DIA 1, Terça-Feira - 5 (25,00 % de Ocupação)"));
    EXPECT_EQ(l.tituloLegenda, QStringLiteral("TOTAL MENSAL - 5 (Leitos)"));
    EXPECT_EQ(l.entradas[0].texto, QStringLiteral("MÉDIA DIÁRIA - 5,0 (25,00 % de Ocupação)"));
}

TEST_F(Grafico_, AnoComTotalEMediaMensal)
{
    QList<qint64> meses(12, 9);    // 120 in the year: 9 a month...
    meses[2] = 30;                 // ...but March 30
    meses[3] = 0;                  // and April none
    const Grafico g = anual(Tipo::Diarias, 2026, meses);
    EXPECT_EQ(g.titulo, QStringLiteral("Gráfico de Ocupação por Diárias de 2026"));
    EXPECT_EQ(g.tituloLegenda, QStringLiteral("TOTAL ANUAL - 120 (Diárias) (100,00%)"));
    EXPECT_EQ(g.entradas[3].valor, 30);
    EXPECT_EQ(g.entradas[3].texto, QStringLiteral("MÊS 3, 30 (25,00 % do Total)"));
    EXPECT_EQ(g.entradas[4].texto, QStringLiteral("MÊS 4, 0 (0,00 % do Total)"));
    EXPECT_EQ(g.entradas[0].texto, QStringLiteral("MÉDIA MENSAL - 10,0 (8,33 % do Total)"));
    // the entries the annual chart does not use keep their dash and no bar
    EXPECT_FALSE(g.entradas[13].barra);
    EXPECT_EQ(g.entradas[31].texto, QStringLiteral("-"));
}

TEST_F(Grafico_, DivisoresZeroDaoZeroNuncaInfinito)
{
    const struct {
        const char *caso;
        Grafico g;
        int entrada;
        const char *texto;
    } casos[] = {
        {"sem UH viva", mensal(Tipo::Diarias, 3, 2026, {{QDate(2026, 3, 2), 4}}, 0), 2,
         "DIA 2, Segunda-Feira - 4 (0,00 % de Ocupação)"},
        {"sem UH viva: média", mensal(Tipo::Diarias, 3, 2026, {{QDate(2026, 3, 2), 4}}, 0), 0,
         "MÉDIA DIÁRIA - 4,0 (0,00 % de Ocupação)"},
        {"LEITOS 0", mensal(Tipo::Leitos, 3, 2026, {{QDate(2026, 3, 2), 4}}, 0), 2,
         "DIA 2, Segunda-Feira - 4 (0,00 % de Ocupação)"},
        {"mês sem linhas", mensal(Tipo::Diarias, 3, 2026, {}, 10), 0, "MÉDIA DIÁRIA - 0,0 (0,00 % de Ocupação)"},
        {"ano sem noites", anual(Tipo::Leitos, 2026, QList<qint64>(12, 0)), 0, "MÉDIA MENSAL - 0,0 (0,00 % do Total)"},
        {"ano sem noites: mês", anual(Tipo::Leitos, 2026, QList<qint64>(12, 0)), 5, "MÊS 5, 0 (0,00 % do Total)"},
    };
    for (const auto &c : casos) {
        SCOPED_TRACE(c.caso);
        EXPECT_EQ(c.g.entradas[c.entrada].texto, QString::fromUtf8(c.texto));
    }
}

TEST_F(Grafico_, LidoDoBancoSemCanceladasNemQtdNula)
{
    const qint64 u1 = uh(), u2 = uh();
    uh("S");   // a deleted room is no divisor
    const qint64 viva = estadia(u1);
    const qint64 cancelada = estadia(u2, "S");
    // a room deleted later: its nights still count
    const qint64 antiga = estadia(uh("S"));
    noites(viva, QDate(2026, 4, 3), 1, 3);
    noites(antiga, QDate(2026, 4, 3), 1, -1);   // QTD null counts 0 guests
    noites(cancelada, QDate(2026, 4, 3), 5);
    noites(viva, QDate(2026, 4, 17), 1, 2);
    noites(viva, QDate(2026, 3, 31), 1);        // another month
    parametro(QStringLiteral("LEITOS"), 20);

    const Grafico d = ler(banco(), Periodo::Mensal, Tipo::Diarias, 4, 2026);
    EXPECT_EQ(d.entradas[3].texto, QStringLiteral("DIA 3, Sexta-Feira - 2 (100,00 % de Ocupação)"));
    EXPECT_EQ(d.tituloLegenda, QStringLiteral("TOTAL MENSAL - 3 (Diárias)"));
    const Grafico l = ler(banco(), Periodo::Mensal, Tipo::Leitos, 4, 2026);
    EXPECT_EQ(l.entradas[3].texto, QStringLiteral("DIA 3, Sexta-Feira - 3 (15,00 % de Ocupação)"));
    EXPECT_EQ(l.entradas[0].texto, QStringLiteral("MÉDIA DIÁRIA - 2,5 (12,50 % de Ocupação)"));
    const Grafico a = ler(banco(), Periodo::Anual, Tipo::Diarias, 4, 2026);
    EXPECT_EQ(a.tituloLegenda, QStringLiteral("TOTAL ANUAL - 4 (Diárias) (100,00%)"));
    EXPECT_EQ(a.entradas[3].texto, QStringLiteral("MÊS 3, 1 (25,00 % do Total)"));
    EXPECT_EQ(a.entradas[4].texto, QStringLiteral("MÊS 4, 3 (75,00 % do Total)"));
}

TEST_F(Grafico_, TelaDesenhaOConteudoRegistraEImprimeEmPaisagem)
{
    const qint64 e = estadia(uh());
    noites(e, QDate(2026, 12, 3), 1);
    TFrmGrafOcupacao f;
    EXPECT_EQ(f.cbMes->currentText(), QStringLiteral("DEZEMBRO"));
    EXPECT_EQ(f.edtAno->value(), 2026);
    f.rbAnual->click();
    EXPECT_FALSE(f.cbMes->isEnabled());
    f.rbMensal->click();
    EXPECT_TRUE(f.cbMes->isEnabled());

    // a year out of range: said, nothing read, nothing logged
    f.edtAno->setValue(1899);
    msg->esperar(kMsgAnoInvalido);
    f.btnVisualizarClick();
    EXPECT_EQ(msg->pendentes(), 0);
    EXPECT_EQ(logs(), QStringList());
    f.edtAno->setValue(2026);

    f.btnVisualizarClick();
    EXPECT_TRUE(f.esticado());
    // the widget draws the tested content: 32 entries with their bars (Qt
    // stacks the sets from the bottom, so the last entry goes in first)
    const Grafico &g = f.grafico();
    auto *serie = qobject_cast<QHorizontalBarSeries *>(f.Chart1->chart()->series().value(0));
    ASSERT_NE(serie, nullptr);
    ASSERT_EQ(serie->count(), 32);
    for (int i = 0; i < 32; ++i) {
        EXPECT_EQ(serie->barSets()[31 - i]->label(), g.entradas[i].texto);
        EXPECT_EQ(serie->barSets()[31 - i]->at(0), double(g.entradas[i].valor));
    }
    EXPECT_EQ(g.entradas[3].texto, QStringLiteral("DIA 3, Quinta-Feira - 1 (100,00 % de Ocupação)"));
    // the legend, from the top, lists the entries in order, each line level
    // with its own bar: day 3's line beside the only red bar
    f.resize(1000, 700);
    f.show();
    QCoreApplication::processEvents();
    QList<QGraphicsSimpleTextItem *> legenda;
    for (QGraphicsItem *i : f.Chart1->chart()->childItems())
        if (auto *t = qgraphicsitem_cast<QGraphicsSimpleTextItem *>(i))
            legenda << t;
    std::sort(legenda.begin(), legenda.end(), [](auto *a, auto *b) { return a->scenePos().y() < b->scenePos().y(); });
    QStringList textos;
    for (auto *t : legenda)
        textos << t->text();
    QStringList esperados;
    for (const Entrada &e : g.entradas)
        esperados << e.texto;
    EXPECT_EQ(textos, esperados);
    ASSERT_EQ(legenda.size(), 32);
    const QImage tela = f.Chart1->grab().toImage();
    int de = -1, ate = -1;
    for (int y = 0; y < tela.height(); ++y)
        for (int x = 0; x < tela.width() / 2; ++x) {
            const QColor c = tela.pixelColor(x, y);
            if (c.red() > 240 && c.green() < 20 && c.blue() < 20) {
                if (de < 0)
                    de = y;
                ate = y;
                break;
            }
        }
    ASSERT_GE(de, 0);
    auto meio = [&](int i) { return f.Chart1->mapFromScene(legenda[i]->sceneBoundingRect().center()).y(); };
    const int linha = meio(4) - meio(3);
    EXPECT_GT(linha, 0);
    EXPECT_LE(std::abs((de + ate) / 2 - meio(3)), linha / 2 + 1);
    EXPECT_TRUE(f.Chart1->chart()->title().contains(QStringLiteral("TOTAL MENSAL - 1 (Diárias)")));
    const Linha log = banco().ler(QStringLiteral("SELECT OPERACAO, ANTES FROM LOG"));
    EXPECT_EQ(log.texto(QStringLiteral("OPERACAO")), QStringLiteral("Vizualização de Gráfico"));
    EXPECT_EQ(log.texto(QStringLiteral("ANTES")),
              QStringLiteral("Gráfico de Ocupação (DEZEMBRO/2026)\rTipo:Mensal, Ocupação por UHs (Diárias)"));

    // printing: the chart on a landscape page as a picture
    bool previa = false;
    Telas::interceptar<TFrmVisualizaRelatorio>([&](TFrmVisualizaRelatorio *v) {
        previa = true;
        const Relatorio &rel = v->relatorio();
        EXPECT_TRUE(rel.paisagem());
        const QSizeF pagina = rel.tamanhoPagina();
        EXPECT_GT(pagina.width(), pagina.height());
        int figuras = 0;
        for (const Relatorio::Banda &b : rel.bandas())
            if (b.tipo == Relatorio::TipoBanda::Figura) {
                ++figuras;
                EXPECT_FALSE(b.imagem.isNull());
                EXPECT_GT(b.tamanho.width(), b.tamanho.height());
                // the chart is drawn: its red bar is in the picture
                bool vermelho = false;
                for (int y = 0; y < b.imagem.height() && !vermelho; y += 2)
                    for (int x = 0; x < b.imagem.width() && !vermelho; x += 2) {
                        const QColor c = b.imagem.pixelColor(x, y);
                        vermelho = c.red() > 240 && c.green() < 20 && c.blue() < 20;
                    }
                EXPECT_TRUE(vermelho);
            }
        EXPECT_EQ(figuras, 1);
        return int(QDialog::Rejected);
    });
    f.rbAnual->click();
    f.btnImprimirClick();
    EXPECT_TRUE(previa);
    EXPECT_FALSE(f.esticado());
    EXPECT_EQ(logs(), (QStringList{"ADMIN|Vizualização de Gráfico", "ADMIN|Vizualização de Gráfico",
                                   "ADMIN|Impressão de Gráfico"}));
    EXPECT_EQ(banco().valor(QStringLiteral("SELECT ANTES FROM LOG WHERE OPERACAO = 'Impressão de Gráfico'")).toString(),
              QStringLiteral("Gráfico de Ocupação"));
    EXPECT_EQ(contar(QStringLiteral("SELECT COUNT(*) FROM LOG WHERE ANTES = ?"),
                     {QStringLiteral("Gráfico de Ocupação (DEZEMBRO/2026)\rTipo:Anual, Ocupação por UHs (Diárias)")}),
              1);
}
