#include "base/CabecalhoTela.h"

#include <QFont>
#include <QLabel>
#include <QLinearGradient>
#include <QPainter>

namespace {
QPixmap &imagemAtual()
{
    static QPixmap imagem;
    return imagem;
}
} // namespace

QPixmap figuraEmbutida(const QSize &tamanho, const QString &texto)
{
    QPixmap p(tamanho);
    QPainter g(&p);
    QLinearGradient fundo(0, 0, 0, tamanho.height());
    fundo.setColorAt(0, QColor(0x1F, 0x3C, 0x88));
    fundo.setColorAt(1, QColor(0x8F, 0xB8, 0xE8));
    g.fillRect(p.rect(), fundo);
    QFont f = g.font();
    f.setBold(true);
    f.setPixelSize(qMax(12, tamanho.height() / 8));
    g.setFont(f);
    g.setPen(Qt::white);
    g.drawText(p.rect(), Qt::AlignCenter, texto);
    return p;
}

QPixmap imagemPadrao()
{
    if (!imagemAtual().isNull())
        return imagemAtual();
    return figuraEmbutida(QSize(600, 60), QStringLiteral("Zentro Vedez 4"));
}

void definirImagemPadrao(const QPixmap &imagem)
{
    imagemAtual() = imagem;
}

QLabel *criarCabecalhoTela(QWidget *tela)
{
    auto *cabecalho = new QLabel(tela);
    cabecalho->setObjectName(QStringLiteral("imgCabecalho"));
    cabecalho->setFixedHeight(50);
    cabecalho->setMinimumWidth(1);
    cabecalho->setScaledContents(true);
    cabecalho->setPixmap(imagemPadrao());
    return cabecalho;
}
