#include "core/PainelNoticias.h"
#include "base/Relogio.h"

#include <QEvent>
#include <QLabel>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QPainter>
#include <QPainterPath>
#include <QRegion>
#include <QStyle>
#include <QTextBrowser>
#include <QUrlQuery>

namespace Fabricante {

namespace {
QString &definido()
{
    static QString s;
    return s;
}
} // namespace

QString site()
{
    if (!definido().isEmpty())
        return definido();
    const QString ambiente = qEnvironmentVariable("ZV_SITE_FABRICANTE");
    return ambiente.isEmpty() ? QStringLiteral("https://www.zentrosistemas.com.br") : ambiente;
}

void definirSite(const QString &endereco) { definido() = endereco; }

} // namespace Fabricante

namespace PainelNoticias {

const char *const kConectando = "Conectando...";
const char *const kCarregando = "Carregando...";
const char *const kCarregadas = "Notícias Calvori Zurerodi carregadas";
const char *const kFalha = "Não foi possível carregar as notícias";

QUrl endereco(const QDateTime &momento)
{
    // The moment as the system writes it (the time left out at midnight).
    QString texto = momento.date().toString(QStringLiteral("dd/MM/yyyy"));
    if (momento.time() != QTime(0, 0))
        texto += QLatin1Char(' ') + momento.time().toString(QStringLiteral("hh:mm:ss"));
    for (const QChar c : {u'.', u'-', u':', u'/', u'(', u')'})
        texto.remove(c);
    QString base = Fabricante::site();
    while (base.endsWith(QLatin1Char('/')))
        base.chop(1);
    QUrl url(base + QStringLiteral("/noticia"));
    QUrlQuery q;
    q.addQueryItem(QStringLiteral("zentro"), QStringLiteral("hotel"));
    q.addQueryItem(QStringLiteral("q"), texto);
    url.setQuery(q);
    return url;
}

} // namespace PainelNoticias

TPainelNoticias::TPainelNoticias(QWidget *parent)
    : QFrame(parent)
    , m_rede(new QNetworkAccessManager(this))
{
    setObjectName(QStringLiteral("pnlNoticias"));
    resize(PainelNoticias::kFechado);
    setAutoFillBackground(false);

    lblNoticias = new QLabel(QStringLiteral("Notícias "), this);
    lblNoticias->setStyleSheet(QStringLiteral("QLabel { color: white; font: bold 10pt; }"));
    lblNoticias->setGeometry(30, 4, 80, 19);
    imgNoticias = new QLabel(this);
    imgNoticias->setPixmap(style()->standardIcon(QStyle::SP_FileDialogInfoView).pixmap(16, 16));
    imgNoticias->setGeometry(8, 5, 16, 16);
    imgFechar = new QLabel(this);
    imgFechar->setPixmap(style()->standardIcon(QStyle::SP_TitleBarCloseButton).pixmap(16, 16));
    imgFechar->setToolTip(QStringLiteral("Fechar"));
    lblStatus = new QLabel(QStringLiteral("Browser"), this);
    lblStatus->setStyleSheet(QStringLiteral("QLabel { color: white; }"));
    WebBrowser1 = new QTextBrowser(this);
    WebBrowser1->setOpenExternalLinks(true);
    WebBrowser1->setGeometry(6, 30, PainelNoticias::kAberto.width() - 12, PainelNoticias::kAberto.height() - 52);
    lblStatus->setGeometry(8, PainelNoticias::kAberto.height() - 20, PainelNoticias::kAberto.width() - 16, 16);
    imgFechar->setGeometry(PainelNoticias::kAberto.width() - 24, 5, 16, 16);
    lblStatus->hide();
    imgFechar->hide();
    for (QWidget *w : {static_cast<QWidget *>(lblNoticias), static_cast<QWidget *>(imgNoticias),
                       static_cast<QWidget *>(imgFechar)}) {
        w->setCursor(Qt::PointingHandCursor);
        w->installEventFilter(this);
    }
    arredondar();
}

TPainelNoticias::~TPainelNoticias()
{
    if (m_resposta)
        m_resposta->abort();
}

bool TPainelNoticias::aberto() const { return height() != PainelNoticias::kFechado.height(); }

void TPainelNoticias::alternar()
{
    if (!aberto()) {
        lblStatus->show();
        imgFechar->show();
        navegar(PainelNoticias::endereco(Relogio::agora()));
        move(x() - PainelNoticias::kDeslocamento, y());
        resize(PainelNoticias::kAberto);
    } else {
        if (m_resposta)
            m_resposta->abort();
        lblStatus->hide();
        imgFechar->hide();
        move(x() + PainelNoticias::kDeslocamento, y());
        resize(PainelNoticias::kFechado);
    }
    arredondar();
    raise();
}

void TPainelNoticias::navegar(const QUrl &url)
{
    if (m_resposta) {
        m_resposta->disconnect(this);
        m_resposta->abort();
    }
    lblStatus->setText(QString::fromUtf8(PainelNoticias::kConectando));
    QNetworkRequest pedido(url);
    pedido.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::NoLessSafeRedirectPolicy);
    pedido.setAttribute(QNetworkRequest::CacheLoadControlAttribute, QNetworkRequest::AlwaysNetwork);
    QNetworkReply *r = m_rede->get(pedido);
    m_resposta = r;
    connect(r, &QNetworkReply::metaDataChanged, this, [this, r] {
        if (r == m_resposta)
            lblStatus->setText(QString::fromUtf8(PainelNoticias::kCarregando));
    });
    connect(r, &QNetworkReply::finished, this, [this, r] {
        r->deleteLater();
        if (r != m_resposta)
            return;
        m_resposta = nullptr;
        if (r->error() == QNetworkReply::OperationCanceledError)
            return;
        if (r->error() != QNetworkReply::NoError) {
            WebBrowser1->setPlainText(QString::fromUtf8(PainelNoticias::kFalha) + QStringLiteral(":\n")
                                      + r->errorString());
            lblStatus->setText(QString::fromUtf8(PainelNoticias::kFalha));
        } else {
            const QByteArray corpo = r->readAll();
            WebBrowser1->document()->setBaseUrl(r->url());
            WebBrowser1->setHtml(QString::fromUtf8(corpo));
            lblStatus->setText(QString::fromUtf8(PainelNoticias::kCarregadas));
        }
        emit carregada();
    });
}

bool TPainelNoticias::eventFilter(QObject *o, QEvent *e)
{
    if (e->type() == QEvent::MouseButtonRelease && (o == lblNoticias || o == imgNoticias || o == imgFechar)) {
        alternar();
        return true;
    }
    return QFrame::eventFilter(o, e);
}

void TPainelNoticias::arredondar()
{
    QPainterPath p;
    p.addRoundedRect(QRectF(rect()), 8, 8);
    setMask(QRegion(p.toFillPolygon().toPolygon()));
}

void TPainelNoticias::paintEvent(QPaintEvent *)
{
    QPainter g(this);
    g.setRenderHint(QPainter::Antialiasing);
    g.setBrush(QColor(0x1F, 0x3C, 0x88));
    g.setPen(Qt::NoPen);
    g.drawRoundedRect(rect(), 8, 8);
}
