#include "rooms/UnitGrafOcupacao.h"
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

#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHorizontalBarSeries>
#include <QKeyEvent>
#include <QLabel>
#include <QGraphicsSimpleTextItem>
#include <QLegend>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QValueAxis>
#include <QVBoxLayout>

#include <algorithm>

TFrmGrafOcupacao *FrmGrafOcupacao = nullptr;

using namespace GrafOcupacao;

namespace {

constexpr qreal kLarguraBarras = 0.95;
constexpr int kChaveLegenda = 0;   // item data: the entry's index

// The legend: one line per entry, beside its own bar (day 1 on top), its
// text sized to the bars' height. Qt's own legend spaces its entries too far
// apart for 32 of them on an ordinary screen, so the chart draws its own.
void posicionarLegenda(QChart *chart)
{
    QList<QGraphicsSimpleTextItem *> textos;
    for (QGraphicsItem *i : chart->childItems())
        if (i->data(kChaveLegenda).isValid())
            if (auto *t = qgraphicsitem_cast<QGraphicsSimpleTextItem *>(i))
                textos << t;
    if (textos.isEmpty())
        return;
    const QRectF area = chart->plotArea();
    const qreal linha = area.height() * kLarguraBarras / textos.size();
    QFont f = chart->font();
    f.setPixelSize(std::clamp(int(linha * 0.8), 6, 14));
    const QFontMetricsF m(f);
    qreal largura = 0;
    for (QGraphicsSimpleTextItem *t : textos) {
        t->setFont(f);
        largura = std::max(largura, m.horizontalAdvance(t->text()));
    }
    const qreal topo = area.top() + area.height() * (1 - kLarguraBarras) / 2;
    for (QGraphicsSimpleTextItem *t : textos) {
        const int i = t->data(kChaveLegenda).toInt();
        t->setPos(area.right() + 14, topo + (i + 0.5) * linha - m.height() / 2);
    }
    // room on the right for the longest line (only the width changes, so the
    // lines keep their places)
    const int direita = int(largura) + 24;
    if (chart->margins().right() != direita) {
        QMargins mg = chart->margins();
        mg.setRight(direita);
        chart->setMargins(mg);
    }
}

} // namespace

TFrmGrafOcupacao::TFrmGrafOcupacao(QWidget *parent) : QDialog(parent)
{
    setWindowTitle(kTitulo);
    auto *layout = new QVBoxLayout(this);
    imgCabecalho = criarCabecalhoTela(this);
    imgCabecalho->setPixmap(imagemPadrao());
    layout->addWidget(imgCabecalho);

    m_opcoes = new QWidget(this);
    auto *linha = new QHBoxLayout(m_opcoes);
    linha->setContentsMargins(0, 0, 0, 0);
    auto *grpPeriodo = new QGroupBox(QStringLiteral("   Período do Gráfico:   "), m_opcoes);
    auto *lp = new QVBoxLayout(grpPeriodo);
    rbMensal = new QRadioButton(QStringLiteral("Mensal"), grpPeriodo);
    rbAnual = new QRadioButton(QStringLiteral("Anual"), grpPeriodo);
    lp->addWidget(rbMensal);
    lp->addWidget(rbAnual);
    rbMensal->setChecked(true);
    auto *grpTipo = new QGroupBox(QStringLiteral("   Tipo de Gráfico:   "), m_opcoes);
    auto *lt = new QVBoxLayout(grpTipo);
    rbDiarias = new QRadioButton(QStringLiteral("Ocupação por Diárias"), grpTipo);
    rbLeitos = new QRadioButton(QStringLiteral("Ocupação por Leitos"), grpTipo);
    lt->addWidget(rbDiarias);
    lt->addWidget(rbLeitos);
    rbDiarias->setChecked(true);
    linha->addWidget(grpPeriodo);
    linha->addWidget(grpTipo);

    auto *datas = new QVBoxLayout;
    cbMes = new QComboBox(m_opcoes);
    for (int m = 1; m <= 12; ++m)
        cbMes->addItem(nomeMes(m));
    edtAno = new QSpinBox(m_opcoes);
    // any year may be typed; the chart checks it
    edtAno->setRange(0, 99999);
    datas->addWidget(new QLabel(QStringLiteral("Mês:"), m_opcoes));
    datas->addWidget(cbMes);
    datas->addWidget(new QLabel(QStringLiteral("Ano:"), m_opcoes));
    datas->addWidget(edtAno);
    linha->addLayout(datas);

    btnVisualizar = new QPushButton(QStringLiteral("Visualizar"), m_opcoes);
    btnVisualizar->setToolTip(QStringLiteral("Gerar Gráfico"));
    btnImprimir = new QPushButton(QStringLiteral("Imprimir"), m_opcoes);
    btnImprimir->setToolTip(QStringLiteral("Imprimir"));
    btnSair = new QPushButton(QStringLiteral("Sair"), m_opcoes);
    btnSair->setToolTip(QStringLiteral("Sair"));
    for (QPushButton *b : {btnVisualizar, btnImprimir, btnSair}) {
        b->setAutoDefault(false);
        linha->addWidget(b);
    }
    layout->addWidget(m_opcoes);

    Chart1 = new QChartView(new QChart, this);
    Chart1->setRenderHint(QPainter::Antialiasing);
    Chart1->setMinimumSize(640, 360);
    layout->addWidget(Chart1, 1);

    connect(rbMensal, &QRadioButton::clicked, this, &TFrmGrafOcupacao::periodoClick);
    connect(rbAnual, &QRadioButton::clicked, this, &TFrmGrafOcupacao::periodoClick);
    connect(btnVisualizar, &QPushButton::clicked, this, &TFrmGrafOcupacao::btnVisualizarClick);
    connect(btnImprimir, &QPushButton::clicked, this, &TFrmGrafOcupacao::btnImprimirClick);
    connect(btnSair, &QPushButton::clicked, this, &TFrmGrafOcupacao::btnSairClick);
    btnVisualizar->installEventFilter(this);

    const QDate hoje = Relogio::hoje();
    cbMes->setCurrentIndex(hoje.month() - 1);
    edtAno->setValue(hoje.year());
    desenhar(Chart1->chart(), Grafico{});
    TelaRelatorio::acaoAoAtivar(this, QStringLiteral("Gráficos de Ocupação"));
}

Periodo TFrmGrafOcupacao::periodo() const { return rbAnual->isChecked() ? Periodo::Anual : Periodo::Mensal; }
Tipo TFrmGrafOcupacao::tipo() const { return rbLeitos->isChecked() ? Tipo::Leitos : Tipo::Diarias; }

void TFrmGrafOcupacao::periodoClick()
{
    const bool mensal = rbMensal->isChecked();
    cbMes->setEnabled(mensal);
    if (mensal)
        cbMes->setFocus();
    else
        edtAno->setFocus();
}

void TFrmGrafOcupacao::desenhar(QChart *chart, const Grafico &g)
{
    chart->removeAllSeries();
    for (QAbstractAxis *a : chart->axes())
        chart->removeAxis(a);
    QObject::disconnect(chart, &QChart::plotAreaChanged, chart, nullptr);
    for (QGraphicsItem *i : chart->childItems())
        if (i->data(kChaveLegenda).isValid())
            delete i;
    chart->setMargins(QMargins(20, 20, 20, 20));
    // The title and, under it, the legend's title.
    chart->setTitle(g.titulo.isEmpty() ? QString()
                                       : QStringLiteral("<b>%1</b><br>%2").arg(g.titulo.toHtmlEscaped(),
                                                                               g.tituloLegenda.toHtmlEscaped()));
    if (g.entradas.isEmpty())
        return;
    // One set per entry, side by side at one place. The sets go in from the
    // last entry: Qt stacks them from the bottom, and day 1 reads on top.
    auto *serie = new QHorizontalBarSeries(chart);
    qint64 maior = 0;
    for (auto it = g.entradas.crbegin(); it != g.entradas.crend(); ++it) {
        const Entrada &e = *it;
        auto *set = new QBarSet(e.texto, serie);
        set->append(e.barra ? double(e.valor) : 0.0);
        set->setColor(QColor(0xFF, 0, 0));
        set->setLabelColor(Qt::black);
        serie->append(set);
        maior = std::max(maior, e.valor);
    }
    serie->setLabelsVisible(true);
    serie->setLabelsPosition(QAbstractBarSeries::LabelsOutsideEnd);
    serie->setBarWidth(kLarguraBarras);
    chart->addSeries(serie);
    auto *eixo = new QValueAxis(chart);
    eixo->setRange(0, std::max<qint64>(1, maior + maior / 10 + 1));
    eixo->applyNiceNumbers();
    eixo->setLabelFormat(QStringLiteral("%d"));
    chart->addAxis(eixo, Qt::AlignBottom);
    serie->attachAxis(eixo);
    chart->legend()->setVisible(false);
    for (int i = 0; i < g.entradas.size(); ++i) {
        auto *t = new QGraphicsSimpleTextItem(g.entradas[i].texto, chart);
        t->setData(kChaveLegenda, i);
    }
    QObject::connect(chart, &QChart::plotAreaChanged, chart, [chart] { posicionarLegenda(chart); });
    posicionarLegenda(chart);
}

bool TFrmGrafOcupacao::gerar()
{
    const int ano = edtAno->value();
    if (!anoValido(ano)) {
        Mensagem::aviso(kMsgAnoInvalido);
        return false;
    }
    const int mes = cbMes->currentIndex() + 1;
    m_grafico = Grafico{};
    desenhar(Chart1->chart(), m_grafico);
    m_grafico = ler(DM->Conexao, periodo(), tipo(), mes, ano);
    desenhar(Chart1->chart(), m_grafico);
    // The chart stretched over the maximised window.
    m_esticado = true;
    imgCabecalho->hide();
    setWindowState(windowState() | Qt::WindowMaximized);
    NovoRegistrarLog(kOperacaoVisualizacao, textoLog(periodo(), tipo(), mes, ano), QString());
    return true;
}

void TFrmGrafOcupacao::restaurar()
{
    m_esticado = false;
    imgCabecalho->show();
    setWindowState(windowState() & ~Qt::WindowMaximized);
}

void TFrmGrafOcupacao::btnVisualizarClick() { gerar(); }

QImage TFrmGrafOcupacao::imagem(const QSize &tamanho) const
{
    return GraficoPagina::imagem([this](QChart *c) { desenhar(c, m_grafico); }, tamanho);
}

void TFrmGrafOcupacao::btnImprimirClick()
{
    if (!gerar())
        return;
    NovoRegistrarLog(kOperacaoImpressao, QStringLiteral("Gráfico de Ocupação"), QString());
    // The chart on a landscape page, as a picture filling it.
    const Relatorio rel =
        GraficoPagina::pagina(QStringLiteral("Gráfico de Ocupação"), [this](QChart *c) { desenhar(c, m_grafico); });
    Telas::abrir<TFrmVisualizaRelatorio>(rel, this);
    restaurar();
}

void TFrmGrafOcupacao::btnSairClick() { reject(); }

bool TFrmGrafOcupacao::eventFilter(QObject *o, QEvent *e)
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

void abrirGrafOcupacao(QWidget *parent) { Telas::abrir<TFrmGrafOcupacao>(FrmGrafOcupacao, parent); }
