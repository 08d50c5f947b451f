// Pictures of the ribbon's commands and of the screens' common buttons.
#include "base/Icones.h"
#include "app/Ribbon.h"

#include <QCoreApplication>
#include <QDialog>
#include <QFileInfo>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>
#include <gtest/gtest.h>

namespace {

// The name of the icon of a ribbon entry.
QString nomeDaEntrada(const Ribbon::Entrada &e)
{
    return e.manipulador[0] != '\0' ? Icones::nomeDoComando(QString::fromLatin1(e.manipulador))
                                    : Icones::nomeDoBotao(QString::fromUtf8(e.legenda));
}

TEST(Icones, CadaComandoDaFaixaTemSuaFigura)
{
    TRibbon faixa;
    QHash<QString, QString> donoDoIcone;
    for (const Ribbon::Entrada &e : Ribbon::entradas()) {
        const QString legenda = QString::fromUtf8(e.legenda);
        SCOPED_TRACE(legenda.toStdString());
        const QString nome = nomeDaEntrada(e);
        ASSERT_FALSE(nome.isEmpty());
        // The theme has it at the ribbon's sizes.
        EXPECT_FALSE(Icones::arquivo(nome, 32).isEmpty()) << nome.toStdString();
        const QToolButton *b = faixa.botao(QString::fromUtf8(e.aba), legenda);
        ASSERT_NE(b, nullptr);
        EXPECT_FALSE(b->icon().isNull());
        EXPECT_FALSE(b->icon().pixmap(32, 32).isNull());
        // The big buttons of the registers, the cash and the tools are told
        // apart by their pictures: no two commands share one.
        if (e.tamanho == Ribbon::Tamanho::Grande) {
            const QString dono = donoDoIcone.value(nome);
            EXPECT_TRUE(dono.isEmpty()) << nome.toStdString() << " também em " << dono.toStdString();
            donoDoIcone.insert(nome, legenda);
        }
    }
}

TEST(Icones, FigurasCopiadasParaAoLadoDoPrograma)
{
    // The build copies every icon the program uses into its installation
    // folder (the tests run from build/tests, the program from build/instalacao).
    const QString pasta = QCoreApplication::applicationDirPath() + QStringLiteral("/../instalacao/icones");
    if (!QFileInfo::exists(pasta + QStringLiteral("/32")))
        GTEST_SKIP() << "programa não compilado nesta pasta";
    for (const QString &nome : Icones::nomesUsados()) {
        SCOPED_TRACE(nome.toStdString());
        EXPECT_TRUE(QFileInfo::exists(pasta + QStringLiteral("/32/") + nome + QStringLiteral(".png")));
    }
    EXPECT_TRUE(QFileInfo::exists(pasta + QStringLiteral("/LICENCA-oxygen.txt")));
}

TEST(Icones, BotoesComunsDasTelasRecebemFiguraAoAparecer)
{
    Icones::instalarNosBotoes();
    struct Caso {
        const char *legenda;
        const char *nomeObjeto;
        const char *icone; // "" for a button that gets none
    };
    const Caso casos[] = {
        {"&Confirmar", "", "dialog-ok-apply"}, {"Cancelar", "", "dialog-cancel"},
        {"&Imprimir", "", "document-print"},   {"Sair", "", "application-exit"},
        {"Fechar", "btnSair", "application-exit"}, {"Filtros", "btnFiltros", ""},
        {"Confirmar Entrada", "", ""},
    };
    QDialog tela;
    tela.setAttribute(Qt::WA_DontShowOnScreen);
    auto *l = new QVBoxLayout(&tela);
    QList<QPushButton *> botoes;
    for (const Caso &c : casos) {
        auto *b = new QPushButton(QString::fromUtf8(c.legenda), &tela);
        b->setObjectName(QString::fromLatin1(c.nomeObjeto));
        l->addWidget(b);
        botoes.append(b);
    }
    // A button with its own picture keeps it.
    QPixmap proprio(8, 8);
    proprio.fill(Qt::red);
    auto *comFigura = new QPushButton(QStringLiteral("Sair"), &tela);
    comFigura->setIcon(QIcon(proprio));
    l->addWidget(comFigura);
    tela.show();
    for (int i = 0; i < botoes.size(); ++i) {
        SCOPED_TRACE(casos[i].legenda);
        const QString esperado = QString::fromLatin1(casos[i].icone);
        EXPECT_EQ(Icones::nomeDoBotao(botoes[i]->text(), botoes[i]->objectName()), esperado);
        if (esperado.isEmpty())
            EXPECT_TRUE(botoes[i]->icon().isNull());
        else
            EXPECT_EQ(botoes[i]->icon().cacheKey(), Icones::icone(esperado).cacheKey());
    }
    EXPECT_EQ(comFigura->icon().pixmap(8, 8).toImage().pixelColor(4, 4), QColor(Qt::red));
}

} // namespace
