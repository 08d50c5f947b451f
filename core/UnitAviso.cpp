#include "core/UnitAviso.h"

#include "base/Sessao.h"
#include "core/UnitLembretes.h"

#include <QCloseEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QVBoxLayout>

TFrmAviso *FrmAviso = nullptr;

TFrmAviso::TFrmAviso(QWidget *parent) : QDialog(parent)
{
    setWindowFlags(Qt::Tool | Qt::WindowStaysOnTopHint);
    setWindowTitle(QStringLiteral("Alerta do Quintara 3"));
    setAttribute(Qt::WA_DeleteOnClose);
    setFixedSize(294, 123);
    setAutoFillBackground(true);
    QPalette p = palette();
    p.setColor(QPalette::Window, Qt::red);
    p.setColor(QPalette::WindowText, Qt::white);
    setPalette(p);
    setCursor(Qt::PointingHandCursor);
    auto *lay = new QHBoxLayout(this);
    Image1 = new QLabel;
    Image1->setPixmap(QIcon::fromTheme(QStringLiteral("appointment-soon")).pixmap(64, 64));
    lay->addWidget(Image1);
    auto *textos = new QVBoxLayout;
    Label1 = new QLabel(QStringLiteral("VERIFICAR"));
    Label2 = new QLabel(QStringLiteral("LEMBRETES"));
    for (QLabel *l : {Label1, Label2}) {
        QFont f = l->font();
        f.setBold(true);
        f.setPointSize(16);
        l->setFont(f);
        textos->addWidget(l);
    }
    lay->addLayout(textos, 1);
    connect(this, &QObject::destroyed, [this] {
        if (FrmAviso == this)
            FrmAviso = nullptr;
    });
    FrmAviso = this;
}

void TFrmAviso::showEvent(QShowEvent *e)
{
    Fecha = false;
    QDialog::showEvent(e);
}

void TFrmAviso::closeEvent(QCloseEvent *e)
{
    if (!Fecha) {
        e->ignore();
        return;
    }
    if (FrmAviso == this)
        FrmAviso = nullptr;
    QDialog::closeEvent(e);
}

void TFrmAviso::reject()
{
    // Escape does not close the notice either.
    if (Fecha)
        QDialog::reject();
}

void TFrmAviso::mousePressEvent(QMouseEvent *e)
{
    if (e->button() == Qt::LeftButton) {
        Image1Click();
        return;
    }
    QDialog::mousePressEvent(e);
}

void TFrmAviso::Image1Click()
{
    abrirLembretes();
    Sessao::atual().mostrouaviso = false;
    Fecha = true;
    close();
}
