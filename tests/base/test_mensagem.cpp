// Message boxes read well whatever screen asked for them: each kind is
// rendered over screens that paint their own labels white on dark, and the
// text must stand out from the box's background; the box stands centred on
// that screen.
#include "base/Mensagem.h"

#include <QApplication>
#include <QDialog>
#include <QImage>
#include <QLabel>
#include <QMessageBox>
#include <QVBoxLayout>
#include <cmath>
#include <gtest/gtest.h>

namespace {

double luminancia(QRgb c)
{
    const auto canal = [](int v) {
        const double s = v / 255.0;
        return s <= 0.03928 ? s / 12.92 : std::pow((s + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * canal(qRed(c)) + 0.7152 * canal(qGreen(c)) + 0.0722 * canal(qBlue(c));
}

double contraste(QRgb a, QRgb b)
{
    const double la = luminancia(a), lb = luminancia(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// The contrast of the drawn text against the box's background: the box is
// rendered whole, and within the text's place the pixel farthest in
// luminance from its corner (the background) is the text.
double contrasteDoTexto(QWidget *caixa, QLabel *rotulo)
{
    const QImage img = caixa->grab().toImage();
    const QRect r(rotulo->mapTo(caixa, QPoint(0, 0)), rotulo->size());
    const QRgb fundo = img.pixel(r.topLeft());
    double melhor = 1.0;
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x)
            melhor = std::max(melhor, contraste(fundo, img.pixel(x, y)));
    return melhor;
}

} // namespace

TEST(Mensagem, CadaTipoDeCaixaLegivelSobreQualquerTela)
{
    const struct {
        const char *nome;
        const char *estilo;
    } telas[] = {
        {"sem estilo", ""},
        // The check-out payment screen: white labels on a red panel.
        {"rótulos brancos", "QDialog { background: #C00000; } QLabel { color: white; }"},
        {"rótulos cinza-claro", "QLabel { color: #E0E0E0; background: #D0D0D0; }"},
        {"rótulos pretos em fundo escuro", "QDialog { background: #101010; } QLabel { color: black; }"},
    };
    const struct {
        Mensagem::Tipo tipo;
        int botoes;
    } tipos[] = {{Mensagem::Tipo::Informacao, Mensagem::Ok},
                 {Mensagem::Tipo::Aviso, Mensagem::Ok},
                 {Mensagem::Tipo::Erro, Mensagem::Ok},
                 {Mensagem::Tipo::Pergunta, Mensagem::Sim | Mensagem::Nao}};
    for (const auto &t : telas) {
        QDialog tela;
        tela.setStyleSheet(QString::fromUtf8(t.estilo));
        auto *l = new QVBoxLayout(&tela);
        l->addWidget(new QLabel(QStringLiteral("Total"), &tela));
        tela.resize(400, 300);
        tela.show();
        for (const auto &k : tipos) {
            SCOPED_TRACE(std::string(t.nome) + " / " + Mensagem::titulo(k.tipo).toStdString());
            const Mensagem::Pedido p{k.tipo, Mensagem::titulo(k.tipo),
                                     QStringLiteral("Valor Informado Diferente do Valor Restante!"), k.botoes,
                                     Mensagem::Ok};
            auto caixa = Mensagem::montarCaixa(p, &tela);
            caixa->show();
            QApplication::processEvents();
            auto *texto = caixa->findChild<QLabel *>(QStringLiteral("qt_msgbox_label"));
            ASSERT_NE(texto, nullptr);
            EXPECT_EQ(texto->text(), p.texto);
            EXPECT_GE(contrasteDoTexto(caixa.get(), texto), 4.5);
            // Centred on the screen that asked.
            EXPECT_LE((caixa->frameGeometry().center() - tela.frameGeometry().center()).manhattanLength(), 4);
            caixa->hide();
        }
    }
}
