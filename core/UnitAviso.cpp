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
    imgAviso = new QLabel;
    imgAviso->setPixmap(QIcon::fromTheme(QStringLiteral("appointment-soon")).pixmap(64, 64));
    lay->addWidget(imgAviso);
    auto *textos = new QVBoxLayout;
    lblVerificar = new QLabel(QStringLiteral("VERIFICAR"));
    lblLembretes = new QLabel(QStringLiteral("LEMBRETES"));
    for (QLabel *l : {lblVerificar, lblLembretes}) {
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
        imgAvisoClick();
        return;
    }
    QDialog::mousePressEvent(e);
}

void TFrmAviso::imgAvisoClick()
{
    abrirLembretes();
    Sessao::atual().mostrouaviso = false;
    Fecha = true;
    close();
}
