// The notices of the one-second tick: one reminders notice until the
// reminders were opened, one chat notice until the received messages were
// cleared, the chat icons, and the slide-in path.
#include "core/Notificacoes.h"
#include "base/Sessao.h"
#include "base/Telas.h"
#include "core/UnitAlerta.h"
#include "core/UnitAviso.h"
#include "core/UnitBatePapo.h"
#include "core/UnitLembretes.h"
#include "platform/Notificacao.h"
#include "platform/Som.h"
#include "support/BancoTeste.h"

#include <QCloseEvent>
#include <QCoreApplication>

namespace {

class NotificacoesTeste : public BancoTeste {
protected:
    void SetUp() override
    {
        BancoTeste::SetUp();
        Sessao::reiniciar();
        Sessao::atual().login = QStringLiteral("ANA");
        Som::definirTocador([this](const QString &f) { sons << f; });
        Notificacoes::iconeChatPrincipal = [this](bool n) { icones << n; };
    }
    void TearDown() override
    {
        delete FrmAviso;
        delete FrmAlerta;
        Som::restaurarTocador();
        Notificacoes::iconeChatPrincipal = nullptr;
        Sessao::reiniciar();
        BancoTeste::TearDown();
    }
    void lembrete(const QDate &d, const QTime &h)
    {
        banco().executar(QStringLiteral("INSERT INTO LEMBRETE (ID_ENTRADA, DATA, HORA, DESCRICAO, CONCLUIDO, USUARIO) "
                                        "VALUES (1, ?, ?, 'x', 'N', 'ANA')"),
                         {d, h});
    }
    QStringList sons;
    QList<bool> icones;
};

} // namespace

TEST_F(NotificacoesTeste, TrajetoTerminaVinteAcimaDaBarraEVinteDaDireita)
{
    const QRect tela(0, 0, 1024, 768);
    auto t = Notificacao::trajeto(tela, QRect(0, 0, 1024, 728), QSize(294, 123));
    EXPECT_EQ(t.esquerda, 1024 - 294 - 20);
    EXPECT_EQ(t.topoInicial, 768 + 40 + 123);
    EXPECT_EQ(t.topoFinal, 768 - 123 - 40 - 20);
    // No taskbar reported: counts 30 pixels high.
    t = Notificacao::trajeto(tela, tela, QSize(259, 108));
    EXPECT_EQ(t.topoFinal, 768 - 108 - 30 - 20);
}

TEST_F(NotificacoesTeste, LembretesVencidosGeramUmAvisoAteAbrirOsLembretes)
{
    lembrete(QDate(2026, 12, 10), QTime(10, 0));
    lembrete(QDate(2026, 12, 9), QTime(23, 0));
    Sessao::atual().login = QStringLiteral("Usuário"); // nobody logged: no notice
    EXPECT_FALSE(Notificacoes::tick(nullptr).avisoCriado);
    Sessao::atual().login = QStringLiteral("ANA");

    EXPECT_TRUE(Notificacoes::tick(nullptr).avisoCriado);
    ASSERT_NE(FrmAviso, nullptr);
    EXPECT_EQ(sons, QStringList{QString()}); // the beep
    EXPECT_FALSE(Notificacoes::tick(nullptr).avisoCriado); // two due, one notice

    // The user cannot close it.
    FrmAviso->close();
    ASSERT_NE(FrmAviso, nullptr);
    EXPECT_TRUE(FrmAviso->isVisible());

    // A click opens the reminders; when they close the notice goes and,
    // with reminders still due, the next tick brings a new one.
    bool abriu = false;
    Telas::interceptar<TFrmLembrete>([&](TFrmLembrete *) { abriu = true; return int(QDialog::Rejected); });
    FrmAviso->imgAvisoClick();
    EXPECT_TRUE(abriu);
    EXPECT_FALSE(Sessao::atual().mostrouaviso);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(FrmAviso, nullptr);
    EXPECT_TRUE(Notificacoes::tick(nullptr).avisoCriado);
}

TEST_F(NotificacoesTeste, MensagensNaoLidasMostramUmAlertaComSomEIcones)
{
    EXPECT_FALSE(Notificacoes::tick(nullptr).alertaCriado);
    EXPECT_EQ(icones, QList<bool>{false});
    BatePapo::enviar(DM->Conexao, QStringLiteral("BETO"), QStringLiteral("ANA"), QStringLiteral("oi"));

    EXPECT_TRUE(Notificacoes::tick(nullptr).alertaCriado);
    ASSERT_NE(FrmAlerta, nullptr);
    ASSERT_EQ(sons.size(), 1);
    EXPECT_TRUE(sons[0].endsWith(QStringLiteral("snd/entrou.wav")));
    EXPECT_FALSE(Notificacoes::tick(nullptr).alertaCriado); // once until cleared
    EXPECT_EQ(icones.last(), true);

    // Clearing the received messages in the chat window allows a new notice.
    Telas::interceptar<TFrmBatePapo>([](TFrmBatePapo *t) { t->Button2Click(); return int(QDialog::Accepted); });
    FrmAlerta->lblRecebeuClick();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(FrmAlerta, nullptr);
    EXPECT_FALSE(Sessao::atual().mostroualerta);
    Notificacoes::tick(nullptr);
    EXPECT_EQ(icones.last(), false);
    BatePapo::enviar(DM->Conexao, QStringLiteral("BETO"), QStringLiteral("ANA"), QStringLiteral("de novo"));
    EXPECT_TRUE(Notificacoes::tick(nullptr).alertaCriado);
}
