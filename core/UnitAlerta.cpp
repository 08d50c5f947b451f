#include "core/UnitAlerta.h"

#include "core/UnitBatePapo.h"

#include <QEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPointer>
#include <QVBoxLayout>

TFrmAlerta *FrmAlerta = nullptr;

TFrmAlerta::TFrmAlerta(QWidget *parent) : QDialog(parent)
{
    setWindowFlags(Qt::Tool | Qt::WindowStaysOnTopHint);
    setWindowTitle(QStringLiteral("Alerta do Zentro Vedez"));
    setAttribute(Qt::WA_DeleteOnClose);
    setFixedSize(259, 108);
    setAutoFillBackground(true);
    QPalette p = palette();
    p.setColor(QPalette::Window, QColor::fromRgb(0x00, 0x80, 0xC0)); // $C08000
    p.setColor(QPalette::WindowText, Qt::white);
    setPalette(p);
    imgAlerta = new QLabel(this);
    imgAlerta->setGeometry(rect());
    imgAlerta->setPixmap(QIcon::fromTheme(QStringLiteral("mail-message-new")).pixmap(48, 48));
    imgAlerta->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    auto *textos = new QWidget(this);
    textos->setGeometry(70, 20, 180, 70);
    auto *lt = new QVBoxLayout(textos);
    lblRecebeu = new QLabel(QStringLiteral("Você Recebeu uma nova"));
    lblMensagem = new QLabel(QStringLiteral("Mensagem"));
    for (QLabel *l : {lblRecebeu, lblMensagem}) {
        QFont f = l->font();
        f.setBold(true);
        l->setFont(f);
        l->setCursor(Qt::PointingHandCursor);
        l->installEventFilter(this);
        lt->addWidget(l);
    }
    imgAlerta->setCursor(Qt::PointingHandCursor);
    imgAlerta->installEventFilter(this);
    connect(this, &QObject::destroyed, [] { FrmAlerta = nullptr; });
    FrmAlerta = this;
}

bool TFrmAlerta::eventFilter(QObject *o, QEvent *e)
{
    if (e->type() == QEvent::MouseButtonPress && static_cast<QMouseEvent *>(e)->button() == Qt::LeftButton) {
        if (o == imgAlerta) {
            imgAlertaClick();
            return true;
        }
        if (o == lblRecebeu || o == lblMensagem) {
            lblRecebeuClick();
            return true;
        }
    }
    return QDialog::eventFilter(o, e);
}

void TFrmAlerta::imgAlertaClick()
{
    QPointer<TFrmAlerta> eu(this);
    abrirBatePapo();
    if (eu)
        close();
}

void TFrmAlerta::lblRecebeuClick()
{
    // The notice goes first; the chat window outlives it.
    hide();
    if (FrmAlerta == this)
        FrmAlerta = nullptr;
    deleteLater();
    abrirBatePapo();
}
