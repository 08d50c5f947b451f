// The about screen: current version, history notes and release-note links.
#include "base/Rotinas.h"
#include "base/Telas.h"
#include "base/UnitFuncoes.h"
#include "core/UnitSobre.h"
#include "support/BancoTeste.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>

static void PrintTo(const QString &s, std::ostream *os) { *os << s.toStdString(); }

TEST(SobreTeste, CadaVersaoMostraSuaNotaEOLinkDoArquivo)
{
    QList<QUrl> abertos;
    Funcoes::abrirUrl = [&](const QUrl &u) {
        abertos << u;
        return true;
    };
    TFrmSobre f;
    f.show();
    EXPECT_EQ(f.size(), QSize(801, 469));
    EXPECT_EQ(f.lblVersao->text(), "Versão Atual: Quintara 3 - Versão " + GetVersaoArq());
    EXPECT_EQ(f.cbHistorico->currentIndex(), 0);
    EXPECT_EQ(f.lblNota->text(), "Versão do dia 01/07/2010 - [12] Melhorias \\|/ [10] Correções");

    const struct {
        const char *versao, *nota, *pdf;
    } casos[] = {
        {"3.4.2.259", "Versão do dia 01/07/2010 - [12] Melhorias \\|/ [10] Correções", "342259.pdf"},
        {"3.3.2.164", "Versão do dia 18/05/2010 - [3] Correções", "332164.pdf"},
        {"3.3.1.156", "Versão do dia 17/05/2010 - [8] Melhorias", "331156.pdf"},
        {"3.2.1.114", "Patch de Correção para a Versão 3.2.0.110 do dia 03/05/2010 - [1] Correção", "32114.pdf"}, // published under this name
        {"3.2.0.110", "Versão do dia 03/05/2010 - [5] Melhorias \\|/ [2] Correções", "320110.pdf"},
        {"3.1.0.78", "Versão do dia 14/04/2010 - [8] Melhorias \\|/ [2] Correções", "31078.pdf"},
    };
    ASSERT_EQ(f.cbHistorico->count(), 6);
    for (int i = 0; i < 6; ++i) {
        f.cbHistorico->setCurrentIndex(i);
        EXPECT_EQ(f.cbHistorico->currentText(), casos[i].versao);
        EXPECT_EQ(f.lblNota->text(), QString::fromUtf8(casos[i].nota));
        QMouseEvent clique(QEvent::MouseButtonRelease, QPointF(2, 2), QPointF(2, 2), Qt::LeftButton, Qt::NoButton,
                           Qt::NoModifier);
        QCoreApplication::sendEvent(f.lblDetalhes, &clique);
        ASSERT_EQ(abertos.size(), i + 1);
        EXPECT_EQ(abertos.last().toString().toStdString(),
                  std::string(Sobre::kSiteFabricante) + "/version/Quintara/" + casos[i].pdf);
    }
    // A version not in the history leaves the note as it was.
    f.cbHistorico->addItem("9.9.9.9");
    f.cbHistorico->setCurrentIndex(6);
    EXPECT_EQ(f.lblNota->text(), QString::fromUtf8(casos[5].nota));
    EXPECT_EQ(f.lblDetalhes->text(), "Quero ver os detalhes desta atualização acima\n(Necessário Conexão com a Internet)");
    Funcoes::abrirUrl = [](const QUrl &) { return true; };
}
