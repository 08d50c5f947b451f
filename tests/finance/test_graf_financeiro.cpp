// The financial chart: the texts of its bars, legend and title for months
// and years (a short February, exact shares, the 8,33 % average, a month or
// a period without money), the sums read from the entries view and the
// withdrawals, the screen's drawing, Esc, the log lines, and the chart
// printed on a landscape page.
#include "base/Relatorio.h"
#include "base/RelatorioPintura.h"
#include "base/Telas.h"
#include "finance/GrafFinanceiro.h"
#include "finance/UnitGrafFinanceiro.h"
#include "support/TelasTeste.h"

#include <QChartView>
#include <QComboBox>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>

using namespace GrafFinanceiro;

namespace {

QString u8(const char *t) { return QString::fromUtf8(t); }
Dinheiro r(const char *t) { return Dinheiro::deTextoOuErro(QString::fromUtf8(t)); }

class Grafico_ : public TelasTeste {};

} // namespace

TEST(GrafFinanceiroTextos, BarrasLegendasEMedias)
{
    // February 2026: no 29th to 31st; the 3rd had a movement of 0,00; the
    // 10th brought 0,40 of the month's 40,00 (1,00 %, not 0,00 %).
    const Grafico g = mensal(Tipo::Entradas, 2, 2026,
                             {{QDate(2026, 2, 10), r("0,40")}, {QDate(2026, 2, 3), r("0,00")},
                              {QDate(2026, 2, 20), r("39,60")}});
    ASSERT_EQ(g.barras.size(), kEntradas);
    EXPECT_EQ(g.titulo, u8("Gráfico Financeiro de Entradas (R$) de FEVEREIRO de 2026"));
    EXPECT_EQ(g.tituloLegenda, u8("TOTAL MENSAL - R$ 40,00 (100,00%)"));
    struct Caso {
        int indice;
        const char *marca, *legenda;
        const char *valor;
    };
    const Caso casos[] = {
        {0, "", "MÉDIA DIÁRIA - R$ 13,33 (33,33 % do Total)", "0,00"},
        {1, "DIA 1, Domingo - R$ 0,00 (0,00 % do Total)", "DIA 1, Domingo - R$0,00 (0,00 % do Total)", "0,00"},
        {3, "DIA 3, Terça-Feira - R$ 0,00 (0,00 %)", "DIA 3, Terça-Feira - R$ 0,00 (0,00 % do Total)", "0,00"},
        {10, "DIA 10, Terça-Feira - R$ 0,40 (1,00 % do Total)", "DIA 10, Terça-Feira - R$ 0,40 (1,00 % do Total)", "0,40"},
        {20, "DIA 20, Sexta-Feira - R$ 39,60 (99,00 % do Total)", "DIA 20, Sexta-Feira - R$ 39,60 (99,00 % do Total)", "39,60"},
        {28, "DIA 28, Sábado - R$ 0,00 (0,00 % do Total)", "DIA 28, Sábado - R$0,00 (0,00 % do Total)", "0,00"},
        {29, "DIA 29, --- - R$ 0,00 (0,00 % do Total)", "DIA 29, --- - R$0,00 (0,00 % do Total)", "0,00"},
        {31, "DIA 31, --- - R$ 0,00 (0,00 % do Total)", "DIA 31, --- - R$0,00 (0,00 % do Total)", "0,00"},
    };
    for (const Caso &c : casos) {
        SCOPED_TRACE(c.indice);
        EXPECT_EQ(g.barras[c.indice].marca, u8(c.marca));
        EXPECT_EQ(g.barras[c.indice].legenda, u8(c.legenda));
        EXPECT_EQ(g.barras[c.indice].valor.formatado(), u8(c.valor));
    }

    // A year of 120,00 with an empty February: the average is 8,33 % of it.
    QList<Soma> meses;
    for (int m = 1; m <= 12; ++m)
        if (m != 2)
            meses.append({QDate(2025, m, 1), m == 1 ? r("20,00") : r("10,00")});
    const Grafico a = anual(Tipo::Saidas, 2025, meses);
    EXPECT_EQ(a.titulo, u8("Gráfico Financeiro de Saídas (R$) de 2025"));
    EXPECT_EQ(a.tituloLegenda, u8("TOTAL ANUAL - R$ 120,00 (100,00%)"));
    EXPECT_EQ(a.barras[0].legenda, u8("MÉDIA MENSAL - R$ 10,00 (8,33 % do Total)"));
    EXPECT_EQ(a.barras[1].marca, u8("MÊS 1,  - R$ 20,00 (16,67 % do Total)"));
    EXPECT_EQ(a.barras[2].marca, u8("MÊS 2,  - R$ 0,00 (0,00 %)"));
    EXPECT_EQ(a.barras[2].legenda, u8("MÊS 2,  - R$0,00 (0,00 % do Total)"));
    EXPECT_EQ(a.barras[13].legenda, QStringLiteral("-"));

    // Nothing in the period: zeros, no division.
    const Grafico z = mensal(Tipo::Saidas, 4, 2026, {});
    EXPECT_EQ(z.tituloLegenda, u8("TOTAL MENSAL - R$ 0,00 (100,00%)"));
    EXPECT_EQ(z.barras[0].legenda, u8("MÉDIA DIÁRIA - R$ 0,00 (0,00 % do Total)"));
    EXPECT_EQ(z.barras[31].marca, u8("DIA 31, --- - R$ 0,00 (0,00 % do Total)"));
    EXPECT_EQ(anual(Tipo::Entradas, 2026, {}).barras[0].legenda, u8("MÉDIA MENSAL - R$ 0,00 (0,00 % do Total)"));
}

TEST_F(Grafico_, SomasLidasDaVisaoEDasRetiradas)
{
    const QDate d(2026, 3, 5);
    banco().executar(QStringLiteral("INSERT INTO ADIC_CAIXA (DATA_ADIC, HORA_ADIC, VALOR, TIPO) VALUES (?, '08:00', 10.5, 'Dinheiro')"), {d});
    banco().executar(QStringLiteral("INSERT INTO ADIC_CAIXA (DATA_ADIC, HORA_ADIC, VALOR, TIPO) VALUES (?, '09:00', 10.5, 'Dinheiro')"), {d});
    banco().executar(QStringLiteral("INSERT INTO V_DESPESA_AVULSA (DATA, HORA, DINHEIRO, VISA) VALUES (?, '10:00', 4, 5)"), {d.addDays(1)});
    // Withdrawals: the date counts, not the time.
    for (const char *h : {"00:00:00", "23:59:59"})
        banco().executar(QStringLiteral("INSERT INTO RET_CAIXA (DATA_RET, HORA_RET, VALOR, TIPO) VALUES (?, ?, 7, 'Dinheiro')"),
                         {d, QTime::fromString(QString::fromLatin1(h), QStringLiteral("hh:mm:ss"))});
    banco().executar(QStringLiteral("INSERT INTO RET_CAIXA (DATA_RET, HORA_RET, VALOR, TIPO) VALUES (?, '12:00', 100, 'Dinheiro')"),
                     {QDate(2026, 4, 1)});
    const Grafico e = ler(banco(), Periodo::Mensal, Tipo::Entradas, 3, 2026);
    EXPECT_EQ(e.total.formatado(), u8("30,00"));
    EXPECT_EQ(e.barras[5].marca, u8("DIA 5, Quinta-Feira - R$ 21,00 (70,00 % do Total)"));
    EXPECT_EQ(e.barras[6].marca, u8("DIA 6, Sexta-Feira - R$ 9,00 (30,00 % do Total)"));
    EXPECT_EQ(e.barras[0].legenda, u8("MÉDIA DIÁRIA - R$ 15,00 (50,00 % do Total)"));
    const Grafico s = ler(banco(), Periodo::Mensal, Tipo::Saidas, 3, 2026);
    EXPECT_EQ(s.barras[5].valor.formatado(), u8("14,00"));
    const Grafico sa = ler(banco(), Periodo::Anual, Tipo::Saidas, 3, 2026);
    EXPECT_EQ(sa.barras[3].marca, u8("MÊS 3,  - R$ 14,00 (12,28 % do Total)"));
    EXPECT_EQ(sa.barras[4].marca, u8("MÊS 4,  - R$ 100,00 (87,72 % do Total)"));
}

TEST_F(Grafico_, TelaDesenhaRegistraEscEImprimeEmPaisagem)
{
    banco().executar(QStringLiteral("INSERT INTO RET_CAIXA (DATA_RET, HORA_RET, VALOR, TIPO) VALUES (?, '08:00', 40, 'Dinheiro')"),
                     {QDate(2026, 12, 3)});
    TFrmGrafFinanceiro f;
    // Today's month and year at show.
    EXPECT_EQ(f.cbMes->currentText(), QStringLiteral("DEZEMBRO"));
    EXPECT_EQ(f.edtAno->value(), 2026);
    f.rbSaidas->setChecked(true);
    f.show();
    f.btnVisualizarClick();
    EXPECT_TRUE(f.esticado());
    EXPECT_EQ(f.grafico().barras[3].valor.formatado(), u8("40,00"));
    EXPECT_EQ(logs().last(), u8("ADMIN|Vizualização de Gráfico"));
    EXPECT_EQ(banco().ler(QStringLiteral("SELECT FIRST 1 ANTES FROM LOG ORDER BY ID_LOG DESC")).texto(QStringLiteral("ANTES")),
              u8("Gráfico Financeiro (DEZEMBRO/2026)\rTipo:Mensal, Saídas (R$)"));
    // The bars drawn: red pixels in the picture of the chart.
    const QImage img = f.imagem(QSize(900, 600));
    if (!qEnvironmentVariableIsEmpty("ZV_GRAVAR_GRAFICO"))
        img.save(qEnvironmentVariable("ZV_GRAVAR_GRAFICO"));
    int vermelhos = 0;
    for (int y = 0; y < img.height(); y += 2)
        for (int x = 0; x < img.width(); x += 2)
            if (img.pixelColor(x, y) == QColor(255, 0, 0))
                ++vermelhos;
    EXPECT_GT(vermelhos, 50);

    // Esc on "Visualizar": first back to the normal window, then closed.
    f.btnVisualizar->setFocus();
    tecla(f.btnVisualizar, Qt::Key_Escape);
    EXPECT_FALSE(f.esticado());
    EXPECT_TRUE(f.isVisible());
    tecla(f.btnVisualizar, Qt::Key_Escape);
    EXPECT_FALSE(f.isVisible());

    // Printed: landscape, the chart as a picture, then the window restored.
    bool visto = false;
    const QString pdf = pasta() + QStringLiteral("/grafico.pdf");
    Telas::interceptar<TFrmVisualizaRelatorio>([&](TFrmVisualizaRelatorio *v) {
        visto = true;
        const Relatorio &rel = v->relatorio();
        EXPECT_TRUE(rel.paisagem());
        EXPECT_GT(rel.tamanhoPagina().width(), rel.tamanhoPagina().height());
        EXPECT_EQ(rel.bandas().value(0).tipo, Relatorio::TipoBanda::Figura);
        EXPECT_EQ(rel.paginas().size(), 1);
        RelatorioPintura::gravarPdf(rel, pdf);
        return 0;
    });
    f.rbAnual->setChecked(true);
    f.btnImprimirClick();
    EXPECT_TRUE(visto);
    EXPECT_FALSE(f.esticado());
    EXPECT_GT(QFileInfo(pdf).size(), 1000);
    EXPECT_EQ(logs().mid(logs().size() - 2),
              (QStringList{u8("ADMIN|Vizualização de Gráfico"), u8("ADMIN|Impressão de Gráfico")}));

    // A year outside 1900..9999: told, nothing read or logged.
    const qint64 antes = contar(QStringLiteral("SELECT COUNT(*) FROM LOG"));
    f.edtAno->setValue(1899);
    msg->esperar(kMsgAnoInvalido);
    f.btnVisualizarClick();
    EXPECT_EQ(contar(QStringLiteral("SELECT COUNT(*) FROM LOG")), antes);
}
