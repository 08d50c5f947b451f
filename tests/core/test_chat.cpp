// Internal chat: sending, the conversation text, clearing received messages,
// the history's visibility by rights and the chat window's checks.
#include "base/Grade.h"
#include "base/Relogio.h"
#include "base/Sessao.h"
#include "core/UnitBatePapo.h"
#include "support/BancoTeste.h"

#include <QComboBox>
#include <QDateEdit>
#include <QFile>
#include <QGroupBox>
#include <QTableView>
#include <QPlainTextEdit>
#include <QPushButton>

namespace {

class Chat : public BancoTeste {
protected:
    void SetUp() override
    {
        BancoTeste::SetUp();
        Sessao::reiniciar();
        for (const char *l : {"ANA", "BETO", "SUPORTE"})
            banco().executar(QStringLiteral("INSERT INTO USUARIO (LOGIN, SENHA) VALUES (?, 'X')"), {QString::fromLatin1(l)});
        logar("ANA");
    }
    void TearDown() override
    {
        Sessao::reiniciar();
        BancoTeste::TearDown();
    }
    void logar(const char *login, bool total = false)
    {
        Sessao::atual().login = QString::fromLatin1(login);
        Sessao::atual().direitos.ACESSO_TOTAL = total;
    }
    int contar(const QString &where)
    {
        return int(banco().ler(QStringLiteral("SELECT COUNT(*) AS N FROM CHAT WHERE ") + where).inteiro(QStringLiteral("N")));
    }
};

} // namespace

TEST_F(Chat, EnviarGravaAparadoNaoLidoComDataEHoraEAspasIntactas)
{
    EXPECT_EQ(BatePapo::enviar(DM->Conexao, QStringLiteral("ANA"), QString(), QStringLiteral("oi")), BatePapo::Envio::SemDestinatario);
    EXPECT_EQ(BatePapo::enviar(DM->Conexao, QStringLiteral("ANA"), QStringLiteral("BETO"), QStringLiteral("   \n ")),
              BatePapo::Envio::SemMensagem);
    EXPECT_EQ(contar(QStringLiteral("1=1")), 0);

    EXPECT_EQ(BatePapo::enviar(DM->Conexao, QStringLiteral("ANA"), QStringLiteral("BETO"), QStringLiteral("  d'água \"já\"  ")),
              BatePapo::Envio::Enviada);
    const Linha l = banco().ler(QStringLiteral("SELECT * FROM CHAT"));
    EXPECT_EQ(l.texto(QStringLiteral("MENSAGEM")), QStringLiteral("d'água \"já\""));
    EXPECT_EQ(l.texto(QStringLiteral("LIDA")), QStringLiteral("N"));
    EXPECT_EQ(l.data(QStringLiteral("DATA")), QDate(2026, 12, 10));
    EXPECT_EQ(l.hora(QStringLiteral("HORA")), QTime(10, 0, 0));

    // 250 characters fit; 251 are refused by the screen's own check, not shortened.
    EXPECT_EQ(BatePapo::enviar(DM->Conexao, QStringLiteral("ANA"), QStringLiteral("BETO"), QString(250, QLatin1Char('a'))),
              BatePapo::Envio::Enviada);
    EXPECT_EQ(BatePapo::enviar(DM->Conexao, QStringLiteral("ANA"), QStringLiteral("BETO"), QString(251, QLatin1Char('a'))),
              BatePapo::Envio::Longa);
    EXPECT_EQ(contar(QStringLiteral("1=1")), 2);
}

TEST_F(Chat, ConversaMostraEnviadasERecebidasAteQueCadaUmLimpeAsSuas)
{
    BatePapo::enviar(DM->Conexao, QStringLiteral("ANA"), QStringLiteral("BETO"), QStringLiteral("oi Beto"));
    Relogio::definir(QDateTime(QDate(2026, 12, 10), QTime(10, 5, 30)));
    BatePapo::enviar(DM->Conexao, QStringLiteral("BETO"), QStringLiteral("ANA"), QStringLiteral("oi Ana"));
    BatePapo::enviar(DM->Conexao, QStringLiteral("BETO"), QStringLiteral("SUPORTE"), QStringLiteral("outra conversa"));

    const QString esperadoAna = QStringLiteral("Enviada para: BETO, 10/12/2026 às 10:00:00\n          oi Beto\n"
                                               "Recebida de: BETO, 10/12/2026 às 10:05:30\n          oi Ana");
    EXPECT_EQ(BatePapo::conversa(QStringLiteral("ANA"), BatePapo::naoLidas(DM->Conexao)), esperadoAna);

    // Ana clears what she received; what she sent stays until Beto clears his.
    EXPECT_EQ(BatePapo::limparRecebidas(DM->Conexao, QStringLiteral("ANA")), 1);
    EXPECT_EQ(BatePapo::conversa(QStringLiteral("ANA"), BatePapo::naoLidas(DM->Conexao)),
              QStringLiteral("Enviada para: BETO, 10/12/2026 às 10:00:00\n          oi Beto"));
    EXPECT_TRUE(BatePapo::conversa(QStringLiteral("BETO"), BatePapo::naoLidas(DM->Conexao)).contains(QStringLiteral("Recebida de: ANA")));
    BatePapo::limparRecebidas(DM->Conexao, QStringLiteral("BETO"));
    EXPECT_EQ(BatePapo::conversa(QStringLiteral("ANA"), BatePapo::naoLidas(DM->Conexao)), QString());
    EXPECT_EQ(contar(QStringLiteral("LIDA = 'S'")), 2);
}

TEST_F(Chat, HistoricoSoMostraAsPropriasConversasSemAcessoTotal)
{
    BatePapo::enviar(DM->Conexao, QStringLiteral("ANA"), QStringLiteral("BETO"), QStringLiteral("1"));
    BatePapo::enviar(DM->Conexao, QStringLiteral("BETO"), QStringLiteral("SUPORTE"), QStringLiteral("2"));
    BatePapo::enviar(DM->Conexao, QStringLiteral("SUPORTE"), QStringLiteral("ANA"), QStringLiteral("3"));

    TFrmChat tela;
    tela.FormShow();
    EXPECT_EQ(tela.modelo->total(), 2);
    EXPECT_TRUE(tela.btnFiltros->isHidden());
    tela.btnFiltrosClick(); // without full access nothing opens
    EXPECT_TRUE(tela.pnlFiltro->isHidden());
    EXPECT_EQ(tela.grdMensagens->currentIndex().row(), 1); // on the last message

    logar("ADMIN", true);
    tela.FormShow();
    EXPECT_EQ(tela.modelo->total(), 3);
    EXPECT_FALSE(tela.btnFiltros->isHidden());
    tela.btnFiltrosClick();
    tela.cbUsuario->setCurrentText(QStringLiteral("BETO"));
    tela.btnPesquisarClick();
    EXPECT_EQ(tela.modelo->total(), 2);
    tela.rbDataClick();
    tela.dtData->setDate(QDate(2026, 12, 9));
    tela.btnPesquisarClick();
    EXPECT_EQ(tela.modelo->total(), 0);
}

TEST_F(Chat, JanelaVerificaDestinatarioEMensagemEOSuporteVaiParaAPagina)
{
    TFrmBatePapo tela;
    tela.FormShow();
    EXPECT_EQ(tela.cbFiltroUsuario->count(), 4); // ADMIN, ANA, BETO, SUPORTE
    msg->esperar(QStringLiteral("Selecione o Destinatário da Mensagem!"));
    tela.Button3Click();
    tela.cbFiltroUsuario->setCurrentText(QStringLiteral("BETO"));
    EXPECT_FALSE(tela.Button3->isHidden());
    EXPECT_TRUE(tela.Button5->isHidden());
    msg->esperar(QStringLiteral("Digite a Mensagem a ser enviada!"));
    tela.Button3Click();
    tela.Memo2->setPlainText(QStringLiteral("olá"));
    tela.Button3Click();
    EXPECT_TRUE(tela.Memo2->toPlainText().isEmpty());
    EXPECT_TRUE(tela.Memo1->toPlainText().startsWith(QStringLiteral("Enviada para: BETO")));

    // SUPORTE: the web page button replaces the send button; the page is a setting.
    tela.cbFiltroUsuario->setCurrentText(QStringLiteral("SUPORTE"));
    EXPECT_TRUE(tela.Button3->isHidden());
    EXPECT_FALSE(tela.Button5->isHidden());
    QFile ini(pasta() + QStringLiteral("/param.ini"));
    ASSERT_TRUE(ini.open(QIODevice::WriteOnly));
    ini.write("[SUPORTE]\nURL_CHAT=http://127.0.0.1/suporte\n");
    ini.close();
    QString aberta;
    auto anterior = BatePapo::abrirPagina;
    BatePapo::abrirPagina = [&](const QString &u) { aberta = u; };
    tela.Button5Click();
    BatePapo::abrirPagina = anterior;
    EXPECT_EQ(aberta, QStringLiteral("http://127.0.0.1/suporte"));
    EXPECT_EQ(contar(QStringLiteral("ID_USUARIO_RECEB = 'SUPORTE'")), 0);
}

TEST_F(Chat, EsconderELimparMarcaLidasEPermiteNovoAlerta)
{
    BatePapo::enviar(DM->Conexao, QStringLiteral("BETO"), QStringLiteral("ANA"), QStringLiteral("oi"));
    BatePapo::enviar(DM->Conexao, QStringLiteral("ANA"), QStringLiteral("BETO"), QStringLiteral("oi"));
    Sessao::atual().mostroualerta = true;
    TFrmBatePapo tela;
    tela.FormShow();
    tela.Button2Click();
    EXPECT_FALSE(Sessao::atual().mostroualerta);
    EXPECT_EQ(contar(QStringLiteral("ID_USUARIO_RECEB = 'ANA' AND LIDA = 'N'")), 0);
    EXPECT_EQ(contar(QStringLiteral("ID_USUARIO_RECEB = 'BETO' AND LIDA = 'N'")), 1);
    EXPECT_EQ(tela.result(), QDialog::Accepted);
}
