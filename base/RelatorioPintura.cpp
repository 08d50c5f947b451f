#include "base/RelatorioPintura.h"
#include "base/Erros.h"
#include "base/Mensagem.h"
#include "base/Planilha.h"
#include "base/Telas.h"
#include "base/UnitLog.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QImage>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QPrintDialog>
#include <QEvent>
#include <QGraphicsView>
#include <QAction>
#include <QPrintPreviewWidget>
#include <QScrollBar>
#include <QTimer>
#include <QToolBar>

namespace RelatorioPintura {
namespace {

using Banda = Relatorio::Banda;
using TipoBanda = Relatorio::TipoBanda;
using Alinhamento = Relatorio::Alinhamento;

const QColor kPrata(0xC0, 0xC0, 0xC0);
const QColor kFaixaGrupo(0xE8, 0xE8, 0xE8);

// Millimetres to device pixels.
class Escala {
public:
    explicit Escala(QPaintDevice *d) : m_f(d->logicalDpiX() / 25.4), m_fy(d->logicalDpiY() / 25.4) {}
    QRectF r(double x, double y, double w, double h) const { return QRectF(x * m_f, y * m_fy, w * m_f, h * m_fy); }
    double x(double mm) const { return mm * m_f; }
    double y(double mm) const { return mm * m_fy; }

private:
    double m_f;
    double m_fy;
};

QFont fonte(double pontos, bool negrito = false)
{
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setPointSizeF(pontos);
    f.setBold(negrito);
    return f;
}

// The printable strip of the page (mm).
double esquerda(const Relatorio &rel) { return rel.margens().left(); }
double larguraUtil(const Relatorio &rel) { return rel.larguraUtil(); }

Qt::Alignment alinhamento(Alinhamento a)
{
    switch (a) {
    case Alinhamento::Direita: return Qt::AlignRight | Qt::AlignVCenter;
    case Alinhamento::Centro: return Qt::AlignHCenter | Qt::AlignVCenter;
    default: return Qt::AlignLeft | Qt::AlignVCenter;
    }
}

// A text cut with an ellipsis to fit its box.
void escrever(QPainter &p, const QRectF &caixa, Qt::Alignment a, const QString &texto)
{
    const QString cabe = p.fontMetrics().elidedText(texto, Qt::ElideRight, int(caixa.width()));
    p.drawText(caixa, int(a), cabe);
}

// A title a little wider than its column gets a smaller font (down to 70 %)
// before it is cut.
void escreverTitulo(QPainter &p, const QRectF &caixa, Qt::Alignment a, const QString &texto)
{
    const double largura = p.fontMetrics().horizontalAdvance(texto);
    if (largura <= caixa.width() || largura <= 0) {
        escrever(p, caixa, a, texto);
        return;
    }
    const QFont original = p.font();
    QFont menor = original;
    menor.setPointSizeF(original.pointSizeF() * qMax(0.7, caixa.width() / largura * 0.98));
    p.setFont(menor);
    escrever(p, caixa, a, texto);
    p.setFont(original);
}

// The receipt's header: its own lines centred, the first (the company) and
// the title lines in bold, a rule under them.
void pintarCabecalhoCompacto(QPainter &p, const Escala &e, const Relatorio &rel, const Relatorio::Pagina &pag)
{
    const double x = esquerda(rel);
    const double largura = larguraUtil(rel);
    double y = rel.margens().top();
    p.setPen(Qt::black);
    for (int i = 0; i < pag.cabecalho.size(); ++i) {
        const QString &l = pag.cabecalho[i];
        const bool destaque = i == 0 || l == rel.titulo();
        p.setFont(fonte(rel.pontos(destaque ? 10 : 8.5), destaque));
        escrever(p, e.r(x + 1, y, largura - 2, Relatorio::kAlturaLinhaCabecalhoCompacto),
                 Qt::AlignHCenter | Qt::AlignVCenter, l);
        y += Relatorio::kAlturaLinhaCabecalhoCompacto;
    }
    p.setPen(QPen(Qt::black, e.y(0.2)));
    const double fim = rel.margens().top() + rel.alturaCabecalho() - 0.8;
    p.drawLine(QPointF(e.x(x), e.y(fim)), QPointF(e.x(x + largura), e.y(fim)));
}

void pintarCabecalho(QPainter &p, const Escala &e, const Relatorio &rel, const Relatorio::Pagina &pag,
                     const QImage &logo)
{
    if (!rel.temCabecalho())
        return;
    if (rel.temCabecalhoCompacto()) {
        pintarCabecalhoCompacto(p, e, rel, pag);
        return;
    }
    const Relatorio::Ambiente &amb = rel.ambiente();
    const double m = esquerda(rel);
    const double topo = rel.margens().top();
    const double largura = larguraUtil(rel);
    const double altura = rel.alturaCabecalho();
    p.fillRect(e.r(m, topo, largura, altura), amb.logoLargo ? QColor(Qt::white) : kPrata);

    double xTexto = m + 2;
    double yTexto = topo + 2;
    if (amb.logoLargo) {
        const double w = qMin(160.0, largura - 4);
        const QRectF caixa = e.r(m + (largura - w) / 2, topo + 1, w, 16);
        if (!logo.isNull()) {
            const QSizeF s = QSizeF(logo.size()).scaled(caixa.size(), Qt::KeepAspectRatio);
            p.drawImage(QRectF(caixa.center().x() - s.width() / 2, caixa.top(), s.width(), s.height()), logo);
        }
        yTexto = topo + 18;
    } else {
        const QRectF caixa = e.r(m + 1, topo + 1.5, 29, 29);
        if (!logo.isNull()) {
            const QSizeF s = QSizeF(logo.size()).scaled(caixa.size(), Qt::KeepAspectRatio);
            p.drawImage(QRectF(caixa.topLeft(), s), logo);
        }
        xTexto = m + 33;
    }
    const QStringList &l = pag.cabecalho;
    // empresa, título, [opções]?, Impresso em, Pág.
    const QString empresa = l.value(0);
    const QString titulo = l.value(1);
    const bool temOpcoes = l.size() > 4;
    const QString opcoes = temOpcoes ? l.value(2) : QString();
    const QString impresso = l.value(l.size() - 2);
    const QString pagina = l.value(l.size() - 1);
    const double wDireita = 65;
    const double wTexto = m + largura - xTexto - wDireita - 2;

    p.setPen(Qt::black);
    p.setFont(fonte(rel.pontos(13), true));
    escrever(p, e.r(xTexto, yTexto, wTexto, 7), Qt::AlignLeft | Qt::AlignVCenter, empresa);
    p.setFont(fonte(rel.pontos(11), true));
    // The title's line lies below "Impresso em" and "Pág.": it may take the
    // whole width, with a smaller font before it is cut.
    escreverTitulo(p, e.r(xTexto, yTexto + 8, m + largura - xTexto - 2, 6), Qt::AlignLeft | Qt::AlignVCenter, titulo);
    if (temOpcoes) {
        p.setFont(fonte(rel.pontos(9)));
        // Below the date and page number: the line may run to the right margin.
        escrever(p, e.r(xTexto, yTexto + 15, m + largura - xTexto - 2, 5), Qt::AlignLeft | Qt::AlignVCenter, opcoes);
    }
    p.setFont(fonte(rel.pontos(8)));
    const double xd = m + largura - wDireita - 2;
    escrever(p, e.r(xd, yTexto, wDireita, 5), Qt::AlignRight | Qt::AlignVCenter, impresso);
    escrever(p, e.r(xd, yTexto + 5, wDireita, 5), Qt::AlignRight | Qt::AlignVCenter, pagina);
    p.setPen(QPen(Qt::black, e.y(0.3)));
    p.drawLine(QPointF(e.x(m), e.y(topo + altura)), QPointF(e.x(m + largura), e.y(topo + altura)));
}

void pintarCelulas(QPainter &p, const Escala &e, const Relatorio &rel, const Banda &b,
                   const QList<QPair<double, double>> &cols, bool titulos)
{
    // A text above the cells takes the first row across the page.
    double topo = b.topo;
    double altura = b.altura;
    if (!b.texto.isEmpty()) {
        altura = b.altura / 2;
        escrever(p, e.r(esquerda(rel) + 1, topo, larguraUtil(rel) - 2, altura), Qt::AlignLeft | Qt::AlignVCenter,
                 b.texto);
        topo += altura;
    }
    for (int c = 0; c < cols.size() && c < b.celulas.size(); ++c) {
        const Relatorio::Coluna &col = rel.colunas()[c];
        const QRectF caixa = e.r(cols[c].first + 1, topo, cols[c].second - 2, altura);
        const Alinhamento a = titulos && col.efetivo() == Alinhamento::Esquerda ? Alinhamento::Esquerda : col.efetivo();
        if (titulos)
            escreverTitulo(p, caixa, alinhamento(a), b.celulas[c].texto);
        else
            escrever(p, caixa, alinhamento(a), b.celulas[c].texto);
    }
}

// The label of a total goes over the columns before the first summed one.
void pintarTotal(QPainter &p, const Escala &e, const Relatorio &rel, const Banda &b,
                 const QList<QPair<double, double>> &cols)
{
    int primeira = 0;
    while (primeira < rel.colunas().size() && !rel.colunas()[primeira].somar)
        ++primeira;
    const double m = esquerda(rel);
    const double fimRotulo = primeira < cols.size() ? cols[primeira].first : m + larguraUtil(rel);
    escrever(p, e.r(m + 1, b.topo, fimRotulo - m - 2, b.altura), Qt::AlignRight | Qt::AlignVCenter, b.texto);
    for (int c = primeira; c < cols.size() && c < b.celulas.size(); ++c) {
        if (!rel.colunas()[c].somar)
            continue;
        escrever(p, e.r(cols[c].first + 1, b.topo, cols[c].second - 2, b.altura), alinhamento(Alinhamento::Direita),
                 b.celulas[c].texto);
        p.drawLine(QPointF(e.x(cols[c].first + 1), e.y(b.topo + 0.4)),
                   QPointF(e.x(cols[c].first + cols[c].second - 1), e.y(b.topo + 0.4)));
    }
}

void pintarBanda(QPainter &p, const Escala &e, const Relatorio &rel, const Banda &b,
                 const QList<QPair<double, double>> &cols)
{
    const double m = esquerda(rel);
    const double largura = larguraUtil(rel);
    // A receipt on a roll stays white.
    const QColor faixaResumo =
        rel.ambiente().logoLargo || rel.formato().compacto ? QColor(Qt::white) : kPrata;
    p.setPen(QPen(Qt::black, e.y(0.2)));
    switch (b.tipo) {
    case TipoBanda::TitulosColunas:
        p.setFont(fonte(rel.pontos(9), true));
        pintarCelulas(p, e, rel, b, cols, true);
        p.drawLine(QPointF(e.x(m), e.y(b.topo + b.altura - 0.5)),
                   QPointF(e.x(m + largura), e.y(b.topo + b.altura - 0.5)));
        break;
    case TipoBanda::CabecalhoGrupo:
        p.fillRect(e.r(m, b.topo + 0.5, largura, b.altura - 1), rel.formato().corGrupo.value_or(kFaixaGrupo));
        p.setFont(fonte(rel.pontos(9), true));
        escrever(p, e.r(m + 1, b.topo, largura - 2, b.altura), Qt::AlignLeft | Qt::AlignVCenter, b.texto);
        break;
    case TipoBanda::Detalhe:
        p.setFont(fonte(rel.pontos(8.5)));
        pintarCelulas(p, e, rel, b, cols, false);
        break;
    case TipoBanda::TotalGrupo:
        p.setFont(fonte(rel.pontos(8.5), true));
        pintarTotal(p, e, rel, b, cols);
        break;
    case TipoBanda::TotalGeral:
        p.fillRect(e.r(m, b.topo, largura, b.altura), faixaResumo);
        p.setFont(fonte(rel.pontos(9), true));
        pintarTotal(p, e, rel, b, cols);
        break;
    case TipoBanda::Resumo: {
        p.fillRect(e.r(m, b.topo, largura, b.altura), faixaResumo);
        p.setFont(fonte(rel.pontos(9), true));
        // The value keeps a third of a narrow column, 40 mm of a page.
        const double wValor = qMin(40.0, largura / 3);
        escrever(p, e.r(m + 1, b.topo, largura - wValor - 3, b.altura), Qt::AlignRight | Qt::AlignVCenter, b.texto);
        escrever(p, e.r(m + largura - wValor - 1, b.topo, wValor, b.altura), Qt::AlignRight | Qt::AlignVCenter,
                 b.celulas.value(0).texto);
        break;
    }
    case TipoBanda::Texto:
        p.setFont(fonte(rel.pontos(8.5)));
        escrever(p, e.r(m + 1, b.topo, largura - 2, b.altura), Qt::AlignLeft | Qt::AlignVCenter, b.texto);
        break;
    case TipoBanda::Fechamento:
        p.fillRect(e.r(m, b.topo, largura, b.altura), faixaResumo);
        p.setFont(fonte(rel.pontos(8.5), true));
        escrever(p, e.r(m + 1, b.topo, largura - 2, b.altura), Qt::AlignHCenter | Qt::AlignVCenter, b.texto);
        break;
    case TipoBanda::Figura: {
        if (b.imagem.isNull())
            break;
        double x = m;
        if (b.alinhamento == Alinhamento::Centro)
            x = m + (largura - b.tamanho.width()) / 2;
        else if (b.alinhamento == Alinhamento::Direita)
            x = m + largura - b.tamanho.width();
        p.save();
        p.setRenderHint(QPainter::SmoothPixmapTransform);
        p.drawImage(e.r(x, b.topo, b.tamanho.width(), b.tamanho.height()), b.imagem);
        p.restore();
        break;
    }
    }
}

} // namespace

void configurarPagina(const Relatorio &rel, QPagedPaintDevice *dispositivo)
{
    QSizeF s = rel.tamanhoPagina();
    QPageLayout::Orientation o = QPageLayout::Portrait;
    if (s.width() > s.height()) {
        s = s.transposed();
        o = QPageLayout::Landscape;
    }
    const QPageSize tamanho(s, QPageSize::Millimeter, QString(), QPageSize::ExactMatch);
    if (auto *impressora = dynamic_cast<QPrinter *>(dispositivo))
        impressora->setFullPage(true);
    dispositivo->setPageLayout(QPageLayout(tamanho, o, QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter));
}

void pintar(const Relatorio &rel, QPagedPaintDevice *dispositivo)
{
    QPainter p;
    if (!p.begin(dispositivo))
        throw ErroSistema(QStringLiteral("Não foi possível iniciar a impressão do relatório."));
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    const Escala e(dispositivo);
    const QImage logo = rel.ambiente().logo.isEmpty() ? QImage() : QImage(rel.ambiente().logo);
    const QList<QPair<double, double>> cols = rel.posicoesColunas();
    const QList<Relatorio::Pagina> pags = rel.paginas();
    for (int i = 0; i < pags.size(); ++i) {
        if (i > 0)
            dispositivo->newPage();
        pintarCabecalho(p, e, rel, pags[i], logo);
        for (const Banda &b : pags[i].bandas)
            pintarBanda(p, e, rel, b, cols);
    }
    p.end();
}

void gravarPdf(const Relatorio &rel, const QString &arquivo)
{
    // Written beside the target and moved over it only when complete.
    const QString temporario = arquivo + QStringLiteral(".tmp");
    {
        QPdfWriter pdf(temporario);
        pdf.setTitle(rel.titulo());
        pdf.setCreator(QStringLiteral("Zentro Vedez 4"));
        pdf.setResolution(300);
        configurarPagina(rel, &pdf);
        pintar(rel, &pdf);
    }
    if (QFileInfo(temporario).size() <= 0) {
        QFile::remove(temporario);
        throw ErroSistema(QStringLiteral("Não foi possível gravar o arquivo %1.").arg(arquivo));
    }
    QFile::remove(arquivo);
    if (!QFile::rename(temporario, arquivo)) {
        QFile::remove(temporario);
        throw ErroSistema(QStringLiteral("Não foi possível gravar o arquivo %1.").arg(arquivo));
    }
}

void gravarPlanilha(const Relatorio &rel, const QString &arquivo)
{
    using Tipo = Relatorio::Tipo;
    QStringList titulos;
    for (const Relatorio::Coluna &c : rel.colunas())
        titulos << c.titulo;
    QList<QVariantList> linhas;
    for (const Banda &b : rel.bandas()) {
        if (b.tipo != TipoBanda::Detalhe)
            continue;
        QVariantList l;
        for (int c = 0; c < rel.colunas().size(); ++c) {
            const Relatorio::Celula &x = b.celulas.value(c);
            const Tipo t = rel.colunas()[c].tipo;
            if (x.dinheiro)
                l << QVariant::fromValue(Planilha::Decimal{x.dinheiro->centavos(), 2});
            else if (x.inteiro)
                l << QVariant(*x.inteiro);
            else if (t == Tipo::Data && !x.texto.isEmpty())
                l << QVariant(QDate::fromString(x.texto, QStringLiteral("dd/MM/yyyy")));
            else if (t == Tipo::Momento && !x.texto.isEmpty())
                l << QVariant(QDateTime::fromString(x.texto, QStringLiteral("dd/MM/yyyy HH:mm:ss")));
            else if (t == Tipo::Hora && !x.texto.isEmpty())
                l << QVariant(QTime::fromString(x.texto, QStringLiteral("HH:mm:ss")));
            else
                l << QVariant(x.texto);
        }
        linhas << l;
    }
    Planilha::gravar(arquivo, titulos, linhas);
}

bool exibir(const Relatorio &rel, const QString &textoLog, Destino destino, const QString &arquivoPdf, QWidget *pai,
            Registro registro)
{
    if (rel.vazio()) {
        Mensagem::info(kMsgNenhumRegistro);
        return false;
    }
    switch (destino) {
    case Destino::Visualizar:
        if (registro == Registro::VisualizacaoEImpressao) {
            NovoRegistrarLog(kOperacaoVisualizacaoRelatorio, textoLog, QString());
            // The preview ends accepted only after its print button printed.
            if (Telas::abrir<TFrmVisualizaRelatorio>(rel, pai) == QDialog::Accepted)
                NovoRegistrarLog(kOperacaoImpressaoRelatorio, textoLog, QString());
            return true;
        }
        Telas::abrir<TFrmVisualizaRelatorio>(rel, pai);
        break;
    case Destino::Impressora: {
        QPrinter impressora(QPrinter::HighResolution);
        configurarPagina(rel, &impressora);
        QPrintDialog dialogo(&impressora, pai);
        if (Telas::executar(&dialogo, typeid(QPrintDialog)) != QDialog::Accepted)
            return false;
        pintar(rel, &impressora);
        break;
    }
    case Destino::Pdf: {
        QString arquivo = arquivoPdf;
        if (arquivo.isEmpty()) {
            QFileDialog dialogo(pai, QStringLiteral("Salvar Relatório"), QString(),
                                QStringLiteral("Arquivos PDF (*.pdf)"));
            dialogo.setAcceptMode(QFileDialog::AcceptSave);
            dialogo.setDefaultSuffix(QStringLiteral("pdf"));
            if (Telas::executar(&dialogo, typeid(QFileDialog)) != QDialog::Accepted
                || dialogo.selectedFiles().isEmpty())
                return false;
            arquivo = dialogo.selectedFiles().constFirst();
        }
        gravarPdf(rel, arquivo);
        break;
    }
    }
    NovoRegistrarLog(kOperacaoImpressaoRelatorio, textoLog, QString());
    return true;
}

} // namespace RelatorioPintura

RelatorioPinturaDetalhe::PortaImpressora::PortaImpressora(const Relatorio &rel)
    : impressora(std::make_unique<QPrinter>(QPrinter::HighResolution))
{
    RelatorioPintura::configurarPagina(rel, impressora.get());
}

TFrmVisualizaRelatorio::TFrmVisualizaRelatorio(const Relatorio &rel, QWidget *pai)
    : PortaImpressora(rel), QPrintPreviewDialog(PortaImpressora::impressora.get(), pai), m_rel(rel)
{
    setWindowTitle(rel.titulo());
    setWindowState(windowState() | Qt::WindowMaximized);
    if (auto *previa = findChild<QPrintPreviewWidget *>()) {
        // Through the toolbar's own entry, so that it shows the fit in use.
        if (auto *ajuste = findChild<QAction *>(QStringLiteral("fitWidthAction")))
            ajuste->trigger();
        else
            previa->setZoomMode(QPrintPreviewWidget::FitToWidth);
        // Each fit to the width (on opening, when the window is maximised)
        // centres the page; until the user scrolls, the top of page 1 shows.
        previa->installEventFilter(this);
        if (auto *vista = previa->findChild<QGraphicsView *>())
            connect(vista->verticalScrollBar(), &QScrollBar::actionTriggered, this, [this] { m_rolou = true; });
    }
    connect(this, &QPrintPreviewDialog::paintRequested, this,
            [this](QPrinter *impressora) { RelatorioPintura::pintar(m_rel, impressora); });
    // "Salvar como Planilha" beside the preview's own buttons.
    auto *barra = findChild<QToolBar *>();
    if (rel.ofereceplanilha() && barra) {
        barra->addSeparator();
        QAction *planilha = barra->addAction(QStringLiteral("Salvar como Planilha"));
        planilha->setObjectName(QStringLiteral("acSalvarPlanilha"));
        connect(planilha, &QAction::triggered, this, [this] {
            QFileDialog dialogo(this, QStringLiteral("Salvar como Planilha"), QString(),
                                QStringLiteral("Planilhas (*.xlsx)"));
            dialogo.setAcceptMode(QFileDialog::AcceptSave);
            dialogo.setDefaultSuffix(QStringLiteral("xlsx"));
            if (Telas::executar(&dialogo, typeid(QFileDialog)) != QDialog::Accepted || dialogo.selectedFiles().isEmpty())
                return;
            RelatorioPintura::gravarPlanilha(m_rel, dialogo.selectedFiles().constFirst());
            Mensagem::info(QStringLiteral("Planilha gravada com Sucesso!"));
        });
    }
}

bool TFrmVisualizaRelatorio::eventFilter(QObject *o, QEvent *e)
{
    if ((e->type() == QEvent::Resize || e->type() == QEvent::Show) && !m_rolou
        && qobject_cast<QPrintPreviewWidget *>(o))
        QTimer::singleShot(0, this, [this] { topoDaPrimeiraPagina(); });
    return QPrintPreviewDialog::eventFilter(o, e);
}

void TFrmVisualizaRelatorio::topoDaPrimeiraPagina()
{
    auto *previa = findChild<QPrintPreviewWidget *>();
    if (!previa || m_rolou)
        return;
    if (previa->pageCount() > 0 && previa->currentPage() != 1)
        previa->setCurrentPage(1);
    if (auto *vista = previa->findChild<QGraphicsView *>())
        vista->verticalScrollBar()->setValue(vista->verticalScrollBar()->minimum());
}
