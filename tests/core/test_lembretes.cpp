// Reminders: the stays offered, saving with its checks, marking done, and
// when a reminder becomes due.
#include "base/Grade.h"
#include "base/Relogio.h"
#include "base/Sessao.h"
#include "core/Diarias.h"
#include "staff/PontoAutomatico.h"
#include "core/ContagemAvisos.h"
#include "core/UnitLembretes.h"
#include "support/BancoTeste.h"

#include <QComboBox>
#include <QDateEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableView>
#include <QTimeEdit>

namespace {

class LembretesTeste : public BancoTeste {
protected:
    void SetUp() override
    {
        BancoTeste::SetUp();
        Sessao::reiniciar();
        Sessao::atual().login = QStringLiteral("ANA");
    }
    void TearDown() override
    {
        Sessao::reiniciar();
        BancoTeste::TearDown();
    }
    qint64 uh(const char *numero, const char *situacao, const char *excluido = "N")
    {
        return banco()
            .valor(QStringLiteral("INSERT INTO UH (NUMERO, SITUACAO, EXCLUIDO) VALUES (?, ?, ?) RETURNING ID_UH"),
                   {QString::fromLatin1(numero), QString::fromLatin1(situacao), QString::fromLatin1(excluido)})
            .toLongLong();
    }
    qint64 estadia(qint64 idUH, const char *baixa = "N")
    {
        return banco()
            .valor(QStringLiteral("INSERT INTO WALK_IN (ID_CLIENTE, ID_UH, DATA_ENTRADA, BAIXA) VALUES (1, ?, ?, ?) "
                                  "RETURNING ID_WALK_IN"),
                   {idUH, QDate(2026, 12, 9), QString::fromLatin1(baixa)})
            .toLongLong();
    }
};

} // namespace

TEST_F(LembretesTeste, SoOferecemEstadiasAbertasDeUHsEmUsoPorNumero)
{
    const qint64 e10 = estadia(uh("10", "O"));
    const qint64 e2 = estadia(uh("2", "O"));
    estadia(uh("3", "L"));      // free room, even with an open stay
    estadia(uh("4", "O"), "S"); // closed stay
    estadia(uh("5", "O", "S")); // deleted room
    const auto lista = Lembretes::estadiasAbertas(DM->Conexao);
    ASSERT_EQ(lista.size(), 2);
    EXPECT_EQ(lista[0].idWalkIn, e2);
    EXPECT_TRUE(lista[0].legenda.startsWith(QStringLiteral("2/")));
    EXPECT_EQ(lista[1].idWalkIn, e10);
}

TEST_F(LembretesTeste, ArquivarConferirEConcluirPelaTela)
{
    estadia(uh("7", "O"));
    TFrmLembrete tela;
    tela.FormShow();
    EXPECT_FALSE(tela.memLembrete->isEnabled());
    EXPECT_FALSE(tela.btnConcluido->isEnabled());
    EXPECT_EQ(tela.dtData->date(), QDate(2026, 12, 10));

    msg->esperar(QStringLiteral("Selecione a UH para o Aviso!"));
    tela.btnArquivarClick();
    tela.cbFiltroUsuario->setCurrentIndex(0);
    EXPECT_TRUE(tela.memLembrete->isEnabled());
    msg->esperar(QStringLiteral("Digite a descrição do Lembrete!"));
    tela.btnArquivarClick();

    tela.memLembrete->setPlainText(QStringLiteral("  Despertar d'Ávila  "));
    tela.dtHora->setTime(QTime(6, 30));
    tela.dtData->setDate(QDate(2026, 12, 11));
    tela.btnArquivarClick();
    EXPECT_EQ(tela.cbFiltroUsuario->currentIndex(), -1);
    EXPECT_TRUE(tela.memLembrete->toPlainText().isEmpty());
    ASSERT_EQ(tela.modelo->total(), 1);
    EXPECT_EQ(tela.modelo->texto(0, QStringLiteral("NUMERO")), QStringLiteral("7"));
    const Linha l = banco().ler(QStringLiteral("SELECT * FROM LEMBRETE"));
    EXPECT_EQ(l.texto(QStringLiteral("DESCRICAO")), QStringLiteral("Despertar d'Ávila"));
    EXPECT_EQ(l.texto(QStringLiteral("USUARIO")), QStringLiteral("ANA"));
    EXPECT_EQ(l.texto(QStringLiteral("CONCLUIDO")), QStringLiteral("N"));
    EXPECT_EQ(l.hora(QStringLiteral("HORA")), QTime(6, 30));
    EXPECT_TRUE(tela.btnConcluido->isEnabled());

    msg->esperar(QStringLiteral("Lembrete Concluído com Sucesso!"));
    tela.btnConcluidoClick();
    EXPECT_EQ(banco().ler(QStringLiteral("SELECT CONCLUIDO FROM LEMBRETE")).texto(QStringLiteral("CONCLUIDO")),
              QStringLiteral("S"));
    EXPECT_FALSE(tela.btnConcluido->isEnabled());
}

TEST_F(LembretesTeste, DescricaoAlemDaColunaERecusada)
{
    const qint64 e = estadia(uh("1", "O"));
    EXPECT_EQ(Lembretes::arquivar(DM->Conexao, e, QDate(2026, 12, 10), QTime(9, 0), QString(250, QLatin1Char('x')), QStringLiteral("ANA")),
              Lembretes::Gravacao::Gravado);
    EXPECT_EQ(Lembretes::arquivar(DM->Conexao, e, QDate(2026, 12, 10), QTime(9, 0), QString(251, QLatin1Char('x')), QStringLiteral("ANA")),
              Lembretes::Gravacao::DescricaoLonga);
    EXPECT_EQ(banco().valor(QStringLiteral("SELECT COUNT(*) FROM LEMBRETE")).toInt(), 1);
}

TEST_F(LembretesTeste, VencimentoConsideraDiaEHoraJuntos)
{
    const qint64 e = estadia(uh("1", "O"));
    Lembretes::arquivar(DM->Conexao, e, QDate(2026, 12, 10), QTime(10, 0), QStringLiteral("hoje às 10"), QStringLiteral("ANA"));
    const QDate hoje(2026, 12, 10);
    EXPECT_EQ(Notificacoes::lembretesVencidos(DM->Conexao, QDateTime(hoje, QTime(9, 59, 59))), 0);
    EXPECT_EQ(Notificacoes::lembretesVencidos(DM->Conexao, QDateTime(hoje, QTime(10, 0))), 1);
    Lembretes::arquivar(DM->Conexao, e, hoje.addDays(-1), QTime(23, 0), QStringLiteral("ontem às 23"), QStringLiteral("ANA"));
    EXPECT_EQ(Notificacoes::lembretesVencidos(DM->Conexao, QDateTime(hoje, QTime(8, 0))), 1);
}
