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
    Image1 = new QLabel(this);
    Image1->setGeometry(rect());
    Image1->setPixmap(QIcon::fromTheme(QStringLiteral("mail-message-new")).pixmap(48, 48));
    Image1->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    auto *textos = new QWidget(this);
    textos->setGeometry(70, 20, 180, 70);
    auto *lt = new QVBoxLayout(textos);
    Label1 = new QLabel(QStringLiteral("Você Recebeu uma nova"));
    Label2 = new QLabel(QStringLiteral("Mensagem"));
    for (QLabel *l : {Label1, Label2}) {
        QFont f = l->font();
        f.setBold(true);
        l->setFont(f);
        l->setCursor(Qt::PointingHandCursor);
        l->installEventFilter(this);
        lt->addWidget(l);
    }
    Image1->setCursor(Qt::PointingHandCursor);
    Image1->installEventFilter(this);
    connect(this, &QObject::destroyed, [] { FrmAlerta = nullptr; });
    FrmAlerta = this;
}

bool TFrmAlerta::eventFilter(QObject *o, QEvent *e)
{
    if (e->type() == QEvent::MouseButtonPress && static_cast<QMouseEvent *>(e)->button() == Qt::LeftButton) {
        if (o == Image1) {
            Image1Click();
            return true;
        }
        if (o == Label1 || o == Label2) {
            Label1Click();
            return true;
        }
    }
    return QDialog::eventFilter(o, e);
}

void TFrmAlerta::Image1Click()
{
    QPointer<TFrmAlerta> eu(this);
    abrirBatePapo();
    if (eu)
        close();
}

void TFrmAlerta::Label1Click()
{
    // The notice goes first; the chat window outlives it.
    hide();
    if (FrmAlerta == this)
        FrmAlerta = nullptr;
    deleteLater();
    abrirBatePapo();
}
