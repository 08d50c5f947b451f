#include "finance/UnitGrafFinanceiro.h"
#include "base/CabecalhoTela.h"
#include "base/GraficoPagina.h"
#include "base/Mensagem.h"
#include "base/Relatorio.h"
#include "base/RelatorioPintura.h"
#include "base/Relogio.h"
#include "base/TelaRelatorio.h"
#include "base/Telas.h"
#include "base/UnitDM.h"
#include "base/UnitLog.h"

#include <QBarCategoryAxis>
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QComboBox>
#include <QGraphicsSimpleTextItem>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHorizontalBarSeries>
#include <QKeyEvent>
#include <QLabel>
#include <QLegend>
#include <QLegendMarker>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QValueAxis>
#include <QVBoxLayout>

TFrmGrafFinanceiro *FrmGrafFinanceiro = nullptr;

using namespace GrafFinanceiro;

namespace {

constexpr double kLarguraBarras = 0.95;

// The marks beside the bars, placed again whenever the plot area changes.
void posicionarMarcas(QChart *chart, QHorizontalBarSeries *serie, const QList<QGraphicsSimpleTextItem *> &marcas)
{
    const int n = int(marcas.size());
    for (int i = 0; i < n; ++i) {
        QBarSet *set = serie->barSets().value(i);
        if (!set)
            continue;
        // Sets stand side by side inside the one category, the first at the bottom.
        const double y = -kLarguraBarras / 2 + (i + 0.5) * kLarguraBarras / n;
        const QPointF p = chart->mapToPosition(QPointF(set->at(0), y), serie);
        QGraphicsSimpleTextItem *t = marcas[i];
        t->setPos(p.x() + 3, p.y() - t->boundingRect().height() / 2);
    }
}

} // namespace

TFrmGrafFinanceiro::TFrmGrafFinanceiro(QWidget *parent) : QDialog(parent)
{
    setWindowTitle(kTitulo);
    auto *layout = new QVBoxLayout(this);
    imgCabecalho = criarCabecalhoTela(this);
    layout->addWidget(imgCabecalho);

    m_opcoes = new QWidget(this);
    auto *linha = new QHBoxLayout(m_opcoes);
    linha->setContentsMargins(0, 0, 0, 0);
    auto *datas = new QVBoxLayout;
    cbMes = new QComboBox(m_opcoes);
    cbMes->setObjectName(QStringLiteral("cbMes"));
    for (int m = 1; m <= 12; ++m)
        cbMes->addItem(nomeMes(m));
    edtAno = new QSpinBox(m_opcoes);
    edtAno->setObjectName(QStringLiteral("edtAno"));
    // Any year may be typed; drawing checks it.
    edtAno->setRange(0, 99999);
    edtAno->setGroupSeparatorShown(false);
    datas->addWidget(new QLabel(QStringLiteral("Mês:"), m_opcoes));
    datas->addWidget(cbMes);
    datas->addWidget(new QLabel(QStringLiteral("Ano:"), m_opcoes));
    datas->addWidget(edtAno);
    linha->addLayout(datas);
    auto *grpTipo = new QGroupBox(QStringLiteral("   Tipo de Gráfico:   "), m_opcoes);
    auto *lt = new QVBoxLayout(grpTipo);
    rbEntradas = new QRadioButton(QStringLiteral("Entradas (R$)"), grpTipo);
    rbSaidas = new QRadioButton(QStringLiteral("Saídas (R$)"), grpTipo);
    lt->addWidget(rbEntradas);
    lt->addWidget(rbSaidas);
    rbEntradas->setChecked(true);
    auto *grpPeriodo = new QGroupBox(QStringLiteral("   Período do Gráfico:   "), m_opcoes);
    auto *lp = new QVBoxLayout(grpPeriodo);
    rbMensal = new QRadioButton(QStringLiteral("Mensal"), grpPeriodo);
    rbAnual = new QRadioButton(QStringLiteral("Anual"), grpPeriodo);
    lp->addWidget(rbMensal);
    lp->addWidget(rbAnual);
    rbMensal->setChecked(true);
    linha->addWidget(grpTipo);
    linha->addWidget(grpPeriodo);
    auto *botoes = new QVBoxLayout;
    btnVisualizar = new QPushButton(QStringLiteral("Visualizar"), m_opcoes);
    btnVisualizar->setToolTip(QStringLiteral("Gerar Gráfico"));
    btnImprimir = new QPushButton(QStringLiteral("Imprimir"), m_opcoes);
    btnSair = new QPushButton(QStringLiteral("Sair"), m_opcoes);
    for (QPushButton *b : {btnVisualizar, btnImprimir, btnSair}) {
        b->setAutoDefault(false);
        botoes->addWidget(b);
    }
    linha->addLayout(botoes);
    auto *obs = new QLabel(kObs1 + QLatin1Char('\n') + kObs2, m_opcoes);
    linha->addWidget(obs);
    linha->addStretch();
    layout->addWidget(m_opcoes);

    Chart1 = new QChartView(new QChart, this);
    Chart1->setObjectName(QStringLiteral("Chart1"));
    Chart1->setRenderHint(QPainter::Antialiasing);
    Chart1->setInteractive(false);
    Chart1->setMinimumSize(640, 360);
    layout->addWidget(Chart1, 1);

    connect(rbMensal, &QRadioButton::clicked, this, &TFrmGrafFinanceiro::periodoClick);
    connect(rbAnual, &QRadioButton::clicked, this, &TFrmGrafFinanceiro::periodoClick);
    connect(btnVisualizar, &QPushButton::clicked, this, &TFrmGrafFinanceiro::btnVisualizarClick);
    connect(btnImprimir, &QPushButton::clicked, this, &TFrmGrafFinanceiro::btnImprimirClick);
    connect(btnSair, &QPushButton::clicked, this, &QDialog::reject);
    btnVisualizar->installEventFilter(this);

    const QDate hoje = Relogio::hoje();
    cbMes->setCurrentIndex(hoje.month() - 1);
    edtAno->setValue(hoje.year());
    desenhar(Chart1->chart(), Grafico{});
    resize(1000, 700);
    TelaRelatorio::acaoAoAtivar(this, QStringLiteral("Gráficos Financeiros"));
}

Periodo TFrmGrafFinanceiro::periodo() const { return rbAnual->isChecked() ? Periodo::Anual : Periodo::Mensal; }
Tipo TFrmGrafFinanceiro::tipo() const { return rbSaidas->isChecked() ? Tipo::Saidas : Tipo::Entradas; }

void TFrmGrafFinanceiro::periodoClick()
{
    if (rbMensal->isChecked())
        cbMes->setFocus();
    else
        edtAno->setFocus();
}

void TFrmGrafFinanceiro::desenhar(QChart *chart, const Grafico &g)
{
    chart->removeAllSeries();
    for (QAbstractAxis *a : chart->axes())
        chart->removeAxis(a);
    for (QGraphicsItem *filho : chart->childItems())
        if (filho->data(0).toString() == QLatin1String("marca"))
            delete filho;
    // The previous drawing's placing of its marks ends with it.
    delete chart->findChild<QObject *>(QStringLiteral("marcas"), Qt::FindDirectChildrenOnly);
    chart->setTitle(g.titulo.isEmpty() ? QString() : QStringLiteral("<b>%1</b>").arg(g.titulo.toHtmlEscaped()));
    chart->legend()->setVisible(!g.barras.isEmpty());
    if (g.barras.isEmpty())
        return;
    auto *serie = new QHorizontalBarSeries(chart);
    Dinheiro maior;
    QList<QGraphicsSimpleTextItem *> marcas;
    for (const Barra &b : g.barras) {
        auto *set = new QBarSet(b.legenda, serie);
        set->append(double(b.valor.centavos()) / 100.0);
        set->setColor(QColor(0xFF, 0, 0));
        serie->append(set);
        maior = std::max(maior, b.valor);
        // An unused entry ("-") shows neither a mark nor a legend line.
        auto *marca = new QGraphicsSimpleTextItem(b.legenda == QLatin1String("-") ? QString() : b.marca, chart);
        marca->setData(0, QStringLiteral("marca"));
        QFont f = marca->font();
        f.setPointSizeF(7);
        marca->setFont(f);
        marcas << marca;
    }
    serie->setBarWidth(kLarguraBarras);
    chart->addSeries(serie);
    auto *eixo = new QValueAxis(chart);
    const double topo = double(maior.centavos()) / 100.0;
    // Room to the right of the longest bar for its mark.
    eixo->setRange(0, topo > 0 ? topo * 1.6 : 1);
    eixo->setLabelFormat(QStringLiteral("%.0f"));
    chart->addAxis(eixo, Qt::AlignBottom);
    serie->attachAxis(eixo);
    auto *categorias = new QBarCategoryAxis(chart);
    categorias->append(QStringLiteral(" "));
    categorias->setLabelsVisible(false);
    chart->addAxis(categorias, Qt::AlignLeft);
    serie->attachAxis(categorias);
    QLegend *legenda = chart->legend();
    const QList<QLegendMarker *> marcadores = legenda->markers(serie);
    for (int i = 0; i < marcadores.size() && i < g.barras.size(); ++i)
        marcadores[i]->setVisible(g.barras[i].legenda != QLatin1String("-"));
    legenda->setAlignment(Qt::AlignRight);
    QFont fl = legenda->font();
    fl.setPointSizeF(7);
    legenda->setFont(fl);
    chart->setToolTip(g.tituloLegenda);
    // The legend's title (the period total) heads the legend: shown under the chart's title.
    chart->setTitle(QStringLiteral("<b>%1</b><br>%2").arg(g.titulo.toHtmlEscaped(), g.tituloLegenda.toHtmlEscaped()));
    auto *guarda = new QObject(chart);
    guarda->setObjectName(QStringLiteral("marcas"));
    QObject::connect(chart, &QChart::plotAreaChanged, guarda,
                     [chart, serie, marcas] { posicionarMarcas(chart, serie, marcas); });
    posicionarMarcas(chart, serie, marcas);
}

bool TFrmGrafFinanceiro::gerar()
{
    const int ano = edtAno->value();
    if (!anoValido(ano)) {
        Mensagem::aviso(kMsgAnoInvalido);
        return false;
    }
    const int mes = cbMes->currentIndex() + 1;
    m_grafico = ler(DM->Conexao, periodo(), tipo(), mes, ano);
    desenhar(Chart1->chart(), m_grafico);
    // The chart stretched over the maximised window.
    m_esticado = true;
    imgCabecalho->hide();
    setWindowState(windowState() | Qt::WindowMaximized);
    NovoRegistrarLog(kOperacaoVisualizacao, textoLog(periodo(), tipo(), mes, ano), QString());
    btnVisualizar->setFocus();
    return true;
}

void TFrmGrafFinanceiro::restaurar()
{
    m_esticado = false;
    imgCabecalho->show();
    setWindowState(windowState() & ~Qt::WindowMaximized);
}

void TFrmGrafFinanceiro::btnVisualizarClick() { gerar(); }

QImage TFrmGrafFinanceiro::imagem(const QSize &tamanho) const
{
    return GraficoPagina::imagem([this](QChart *c) { desenhar(c, m_grafico); }, tamanho);
}

void TFrmGrafFinanceiro::btnImprimirClick()
{
    if (!gerar())
        return;
    NovoRegistrarLog(kOperacaoImpressao, QStringLiteral("Gráfico Financeiro"), QString());
    // The chart on a landscape page, as a picture filling it.
    const Relatorio rel =
        GraficoPagina::pagina(QStringLiteral("Gráfico Financeiro"), [this](QChart *c) { desenhar(c, m_grafico); });
    Telas::abrir<TFrmVisualizaRelatorio>(rel, this);
    restaurar();
}

bool TFrmGrafFinanceiro::eventFilter(QObject *o, QEvent *e)
{
    if (o == btnVisualizar && e->type() == QEvent::KeyPress) {
        const int k = static_cast<QKeyEvent *>(e)->key();
        if (k == Qt::Key_Return || k == Qt::Key_Enter) {
            btnVisualizarClick();
            return true;
        }
        if (k == Qt::Key_Escape) {
            // Esc first restores a stretched chart, then closes.
            if (m_esticado)
                restaurar();
            else
                reject();
            return true;
        }
    }
    return QDialog::eventFilter(o, e);
}

void abrirGrafFinanceiro() { Telas::abrir<TFrmGrafFinanceiro>(FrmGrafFinanceiro); }
