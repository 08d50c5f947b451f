// Online users grid and the application monitor's lines.
#include "base/Grade.h"
#include "base/Relogio.h"
#include "core/UnitMonitor.h"
#include "core/UnitOnline.h"
#include "base/UnitLog.h"
#include "support/BancoTeste.h"

#include <QPlainTextEdit>
#include <QTimer>

TEST_F(BancoTeste, OnlineReleATabelaACadaTique)
{
    TFrmOnline tela;
    tela.FormShow();
    const int antes = tela.modelo->total();
    banco().executar(QStringLiteral("INSERT INTO ONLINE (ID_ONLINE, IP, USUARIO, MAQUINA, ACAO) VALUES (9001, '127.0.0.1', 'ANA', 'RECEPCAO', 'Chat')"));
    tela.tmrAtualizarTimer();
    EXPECT_EQ(tela.modelo->total(), antes + 1);
    EXPECT_EQ(tela.modelo->headerData(3, Qt::Horizontal).toString(), QStringLiteral("Ação Atual"));
    EXPECT_EQ(AcaoAtualRegistrada(), QStringLiteral("Mapa de Usuários Online"));
}

TEST(Monitor, UmaLinhaPorTrocaDeJanelaNenhumaSemTitulo)
{
    Relogio::definir(QDateTime(QDate(2026, 12, 10), QTime(14, 5, 9)));
    QString titulo;
    auto anterior = Monitor::tituloJanelaAtiva;
    Monitor::tituloJanelaAtiva = [&] { return titulo; };
    TFrmMonitor tela;
    tela.btnAtivarClick();
    EXPECT_EQ(tela.tmrMonitor->interval(), 500);
    EXPECT_TRUE(tela.tmrMonitor->isActive());
    for (const char *t : {"Editor  ", "Editor", "", "Planilha", "Editor"}) {
        titulo = QString::fromLatin1(t);
        tela.tmrMonitorTimer();
    }
    tela.btnDesativarClick();
    EXPECT_FALSE(tela.tmrMonitor->isActive());
    EXPECT_EQ(tela.memAplicativos->toPlainText(),
              QStringLiteral("14:05:09 - Monitor ativado...\n14:05:09 - Editor\n14:05:09 - Planilha\n"
                             "14:05:09 - Editor\n14:05:09 - Monitor desativado..."));
    EXPECT_EQ(tela.WindowOld, QStringLiteral("Editor"));
    Monitor::tituloJanelaAtiva = anterior;
    Relogio::liberar();
}
