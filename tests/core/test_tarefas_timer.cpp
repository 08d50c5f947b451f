// The timers' daily work: nightly posting, time-clock entries and absences,
// and the reminder/chat counts behind the notices.
#include "core/Diarias.h"
#include "staff/PontoAutomatico.h"
#include "core/ContagemAvisos.h"
#include "base/Sessao.h"
#include "support/BancoTeste.h"

namespace {

class TarefasTimer : public BancoTeste {
protected:
    const QDate hoje{2026, 12, 10}; // a Thursday

    qint64 estadia(const QDate &entrada, qint64 diariaCentavos = 15000, int adultos = 2, const char *baixa = "N",
                   const char *excluido = "N")
    {
        return banco()
            .valor(QStringLiteral("INSERT INTO WALK_IN (ID_CLIENTE, ID_UH, DATA_ENTRADA, VALOR_DIARIA, QTD_ADULTOS, "
                                  "BAIXA, EXCLUIDO) VALUES (1, 1, ?, ?, ?, ?, ?) RETURNING ID_WALK_IN"),
                   {entrada, Dinheiro::deCentavos(diariaCentavos).paraBanco(), adultos, QString::fromLatin1(baixa),
                    QString::fromLatin1(excluido)})
            .toLongLong();
    }
    void postadoEm(const QDate &d)
    {
        banco().executar(QStringLiteral("INSERT INTO ATUALIZACAO (DATA) VALUES (?)"), {d});
    }
    QList<QDate> noites(qint64 idEstadia)
    {
        QList<QDate> l;
        for (const Linha &o : banco().lerTodas(
                 QStringLiteral("SELECT DATA FROM OCUPACAO WHERE ID_ENTRADA = ? ORDER BY DATA"), {idEstadia}))
            l.append(o.data(QStringLiteral("DATA")));
        return l;
    }
    qint64 funcionario(const QString &nome, const QTime &ent1, const QTime &sai1, const char *sab = "N",
                       const char *dom = "N", const QTime &ent2 = QTime(0, 0), const QTime &sai2 = QTime(0, 0))
    {
        return banco()
            .valor(QStringLiteral("INSERT INTO FUNCIONARIO (NOME, CPF, SOLICITA_PONTO, SOLICITA_PONTO_SAB, "
                                  "SOLICITA_PONTO_DOM, TURNO_1_ENT, TURNO_1_SAI, TURNO_2_ENT, TURNO_2_SAI) "
                                  "VALUES (?, '000.000.000-00', 'S', ?, ?, ?, ?, ?, ?) RETURNING ID_FUNCIONARIO"),
                   {nome, QString::fromLatin1(sab), QString::fromLatin1(dom), ent1, sai1, ent2, sai2})
            .toLongLong();
    }
};

} // namespace

TEST_F(TarefasTimer, PostagemDepoisDeOntemLancaUmaNoiteDeOntem)
{
    postadoEm(hoje.addDays(-1));
    const qint64 antiga = estadia(hoje.addDays(-2), 18050, 3);
    const qint64 deOntem = estadia(hoje.addDays(-1));
    const qint64 deHoje = estadia(hoje);
    const qint64 fechada = estadia(hoje.addDays(-5), 15000, 2, "S");
    const qint64 cancelada = estadia(hoje.addDays(-5), 15000, 2, "N", "S");

    EXPECT_FALSE(Diarias::postadas(banco(), hoje));
    const Diarias::Postagem p = Diarias::lancar(banco(), hoje);
    EXPECT_TRUE(p.registrada);
    EXPECT_EQ(p.noites, 1);
    EXPECT_EQ(noites(antiga), QList<QDate>{hoje.addDays(-1)});
    EXPECT_TRUE(noites(deOntem).isEmpty());
    // checked in today before the posting: no night before its arrival
    EXPECT_TRUE(noites(deHoje).isEmpty());
    EXPECT_TRUE(noites(fechada).isEmpty());
    EXPECT_TRUE(noites(cancelada).isEmpty());
    // at the stay's rate and number of guests
    const Linha o = banco().ler(QStringLiteral("SELECT VALOR, QTD FROM OCUPACAO WHERE ID_ENTRADA = ?"), {antiga});
    EXPECT_EQ(o.dinheiro(QStringLiteral("VALOR")).centavos(), 18050);
    EXPECT_EQ(o.inteiro(QStringLiteral("QTD")), 3);
    EXPECT_TRUE(Diarias::postadas(banco(), hoje));
}

TEST_F(TarefasTimer, DiasSemPostarGeramUmaNoitePorDia)
{
    postadoEm(hoje.addDays(-10));
    postadoEm(hoje.addDays(-3));
    const qint64 e = estadia(hoje.addDays(-7));
    Diarias::lancar(banco(), hoje);
    EXPECT_EQ(noites(e), (QList<QDate>{hoje.addDays(-3), hoje.addDays(-2), hoje.addDays(-1)}));
}

TEST_F(TarefasTimer, PrimeiroDiaComSoARegistroDeHoje)
{
    postadoEm(hoje); // the row written at the first start
    const qint64 e = estadia(hoje.addDays(-3));
    // Today counts as posted: no night dated today (it would be charged
    // again tomorrow) and no second row of today.
    EXPECT_TRUE(Diarias::postadas(banco(), hoje));
    const Diarias::Postagem p = Diarias::lancar(banco(), hoje);
    EXPECT_FALSE(p.registrada);
    EXPECT_TRUE(noites(e).isEmpty());
    EXPECT_EQ(banco().ler(QStringLiteral("SELECT COUNT(*) AS N FROM ATUALIZACAO WHERE DATA = ?"), {hoje}).inteiro("N"), 1);
    // The next day posts the night of the first day once.
    EXPECT_EQ(Diarias::lancar(banco(), hoje.addDays(1)).noites, 1);
    EXPECT_EQ(noites(e), QList<QDate>{hoje});
}

// Each night from the last posted day to yesterday, after the arrival day,
// where the stay has no night of that date yet.
TEST_F(TarefasTimer, NoitesPostadasPorCaso)
{
    struct Caso {
        const char *nome;
        QList<int> postados;  // days (relative to today) in ATUALIZACAO
        int entrada;          // arrival day
        QList<int> jaLancadas; // nights the stay already has
        QList<int> esperadas; // its nights after the posting
    } casos[] = {
        {"posted yesterday, arrived two days ago", {-1}, -2, {-2}, {-2, -1}},
        {"posted yesterday, arrived yesterday", {-1}, -1, {-1}, {-1}},
        {"posted yesterday, checked in today", {-1}, 0, {0}, {0}},
        {"three days without posting", {-10, -3}, -7, {}, {-3, -2, -1}},
        {"arrived inside the gap", {-3}, -2, {-2}, {-2, -1}},
        {"arrived on the last posted day", {-3}, -3, {-3}, {-3, -2, -1}},
        {"a night of the gap already there", {-3}, -7, {-2}, {-3, -2, -1}},
        {"last posting in the future", {3}, -7, {}, {}},
    };
    for (const Caso &c : casos) {
        SCOPED_TRACE(c.nome);
        for (const char *t : {"OCUPACAO", "WALK_IN", "ATUALIZACAO"})
            banco().executar(QStringLiteral("DELETE FROM %1").arg(QLatin1String(t)));
        for (int d : c.postados)
            postadoEm(hoje.addDays(d));
        const qint64 e = estadia(hoje.addDays(c.entrada));
        for (int d : c.jaLancadas)
            banco().executar(QStringLiteral("INSERT INTO OCUPACAO (ID_ENTRADA, DATA, VALOR, QTD) VALUES (?, ?, 150, 2)"),
                             {e, hoje.addDays(d)});
        Diarias::lancar(banco(), hoje);
        QList<QDate> esperadas;
        for (int d : c.esperadas)
            esperadas << hoje.addDays(d);
        EXPECT_EQ(noites(e), esperadas);
        EXPECT_TRUE(Diarias::postadas(banco(), hoje));
    }
}

TEST_F(TarefasTimer, SegundaPostagemDoDiaNaoLancaNada)
{
    postadoEm(hoje.addDays(-2));
    const qint64 e = estadia(hoje.addDays(-5));
    EXPECT_EQ(Diarias::lancar(banco(), hoje).noites, 2);
    // the same day again on this workstation
    const Diarias::Postagem outra = Diarias::lancar(banco(), hoje);
    EXPECT_FALSE(outra.registrada);
    EXPECT_EQ(outra.noites, 0);
    EXPECT_EQ(noites(e).size(), 2);
    EXPECT_EQ(banco().ler(QStringLiteral("SELECT COUNT(*) AS N FROM ATUALIZACAO WHERE DATA = ?"), {hoje}).inteiro("N"), 1);

    // A day's row cannot be written twice, whoever writes it.
    EXPECT_THROW(postadoEm(hoje), ErroBanco);
}

TEST_F(TarefasTimer, OutroServidorPostouAntesDeNos)
{
    postadoEm(hoje.addDays(-1));
    const qint64 e = estadia(hoje.addDays(-4));
    Sessao::atual().AuxNomePC = QStringLiteral("SERVIDOR");
    Sessao::atual().ServidorAtualizado = false;
    // Another workstation named SERVIDOR posts today through its own
    // connection, between this workstation's check and its posting.
    ConexaoBanco outra(QStringLiteral("OutraEstacao"), banco().caminho());
    outra.conectar();
    outra.emTransacao([&] {
        outra.executar(QStringLiteral("INSERT INTO ATUALIZACAO (DATA) VALUES (?)"), {hoje});
        outra.executar(QStringLiteral("INSERT INTO OCUPACAO (ID_ENTRADA, DATA, VALOR, QTD) VALUES (?, ?, 150, 2)"),
                       {e, hoje.addDays(-1)});
    });
    Diarias::Controle c;
    EXPECT_TRUE(c.tick(hoje)); // the panel shows on the tick that posts
    EXPECT_TRUE(Sessao::atual().ServidorAtualizado);
    EXPECT_FALSE(c.tick(hoje));
    EXPECT_EQ(noites(e), QList<QDate>{hoje.addDays(-1)});
    EXPECT_EQ(msg->mostradas().size(), 0);
    outra.desconectar();
    Sessao::reiniciar();
}

TEST_F(TarefasTimer, FalhaNoMeioNaoDeixaPostagemPelaMetade)
{
    postadoEm(hoje.addDays(-2));
    const qint64 a = estadia(hoje.addDays(-5));
    const qint64 b = estadia(hoje.addDays(-5));
    // the second stay's night cannot be written
    banco().executar(QStringLiteral("CREATE EXCEPTION E_TESTE 'falha simulada'"));
    banco().executar(QStringLiteral("CREATE TRIGGER T_FALHA FOR OCUPACAO BEFORE INSERT AS BEGIN "
                                    "IF (NEW.ID_ENTRADA = %1) THEN EXCEPTION E_TESTE; END").arg(b));
    EXPECT_THROW(Diarias::lancar(banco(), hoje), ErroBanco);
    EXPECT_TRUE(noites(a).isEmpty());
    EXPECT_FALSE(Diarias::postadas(banco(), hoje));

    // Once the fault is gone the next attempt posts every stay once.
    banco().executar(QStringLiteral("DROP TRIGGER T_FALHA"));
    Diarias::lancar(banco(), hoje);
    EXPECT_EQ(noites(a).size(), 2);
    EXPECT_EQ(noites(b).size(), 2);
}

TEST_F(TarefasTimer, PontoPrevistoDoDiaEFaltas)
{
    const QDate sabado(2026, 12, 12);
    const qint64 ana = funcionario(QStringLiteral("ANA"), QTime(8, 0), QTime(0, 0), "S");
    const qint64 bia = funcionario(QStringLiteral("BIA"), QTime(7, 0), QTime(15, 0), "N", "N", QTime(18, 0), QTime(22, 0));
    const qint64 cris = funcionario(QStringLiteral("CRIS"), QTime(9, 0), QTime(17, 0), "S");
    banco().executar(QStringLiteral("INSERT INTO ANULACAO (ID_FUNCIONARIO) VALUES (?)"), {cris});
    // an entry of yesterday never punched
    banco().executar(QStringLiteral("INSERT INTO PONTO (ID_FUNCIONARIO, HORA_DEFINIDA, DATA_DEFINIDA, TIPO) VALUES (?, ?, ?, 'E')"),
                     {QString::number(bia), QTime(7, 0), sabado.addDays(-1)});

    const auto r = PontoAutomatico::preparar(DM->Conexao, sabado, QStringLiteral("ADMIN"));
    EXPECT_EQ(r.faltas, 1);
    const Linha falta = banco().ler(QStringLiteral("SELECT * FROM PONTO WHERE DATA_DEFINIDA = ?"), {sabado.addDays(-1)});
    EXPECT_EQ(falta.data(QStringLiteral("DATA")), sabado.addDays(-1));
    EXPECT_EQ(falta.hora(QStringLiteral("HORA")), QTime(7, 0));
    EXPECT_EQ(falta.texto(QStringLiteral("OBS")), QStringLiteral("MARCAÇÃO NÃO EFETUADA - (FALTA)"));
    EXPECT_EQ(falta.texto(QStringLiteral("USUARIO")), QStringLiteral("ADMIN"));
    EXPECT_EQ(falta.texto(QStringLiteral("MARCACAO_AUTO")), QStringLiteral("S"));
    EXPECT_EQ(falta.texto(QStringLiteral("ABONADO")), QStringLiteral("N"));

    // Saturday: only ANA works; her turn 08:00-00:00 still gives both rows; CRIS was deleted.
    EXPECT_EQ(r.previstas, 2);
    const auto dia = banco().lerTodas(
        QStringLiteral("SELECT ID_FUNCIONARIO, HORA_DEFINIDA, TIPO FROM PONTO WHERE DATA_DEFINIDA = ? ORDER BY ID_PONTO"), {sabado});
    ASSERT_EQ(dia.size(), 2);
    EXPECT_EQ(dia[0].texto(QStringLiteral("ID_FUNCIONARIO")), QString::number(ana));
    EXPECT_EQ(dia[0].texto(QStringLiteral("TIPO")), QStringLiteral("E"));
    EXPECT_EQ(dia[0].hora(QStringLiteral("HORA_DEFINIDA")), QTime(8, 0));
    EXPECT_EQ(dia[1].texto(QStringLiteral("TIPO")), QStringLiteral("S"));
    EXPECT_EQ(dia[1].hora(QStringLiteral("HORA_DEFINIDA")), QTime(0, 0));

    // Repeating the housekeeping adds nothing.
    EXPECT_EQ(PontoAutomatico::preparar(DM->Conexao, sabado, QStringLiteral("ADMIN")).previstas, 0);

    // A weekday: BIA's two turns give four rows, entry before exit, turn 1 first.
    const QDate segunda(2026, 12, 14);
    banco().executar(QStringLiteral("UPDATE PONTO SET DATA = DATA_DEFINIDA WHERE DATA IS NULL"));
    EXPECT_EQ(PontoAutomatico::preparar(DM->Conexao, segunda, QStringLiteral("ADMIN")).previstas, 2 + 4);
    const auto horas = banco().lerTodas(
        QStringLiteral("SELECT HORA_DEFINIDA, TIPO FROM PONTO WHERE DATA_DEFINIDA = ? AND ID_FUNCIONARIO = ? ORDER BY ID_PONTO"),
        {segunda, QString::number(bia)});
    ASSERT_EQ(horas.size(), 4);
    EXPECT_EQ(horas[0].hora(QStringLiteral("HORA_DEFINIDA")), QTime(7, 0));
    EXPECT_EQ(horas[1].hora(QStringLiteral("HORA_DEFINIDA")), QTime(15, 0));
    EXPECT_EQ(horas[2].hora(QStringLiteral("HORA_DEFINIDA")), QTime(18, 0));
    EXPECT_EQ(horas[3].texto(QStringLiteral("TIPO")), QStringLiteral("S"));
}

// Rows this connection inserted and updated so far.
static qint64 escritas()
{
    return DM->Conexao
        .valor(QStringLiteral("SELECT R.MON$RECORD_INSERTS + R.MON$RECORD_UPDATES FROM MON$ATTACHMENTS A "
                              "JOIN MON$RECORD_STATS R ON R.MON$STAT_ID = A.MON$STAT_ID "
                              "WHERE A.MON$ATTACHMENT_ID = CURRENT_CONNECTION"))
        .toLongLong();
}

TEST_F(TarefasTimer, PontoSoEscreveQuandoHaOQueFazerELembraODia)
{
    const qint64 ana = funcionario(QStringLiteral("ANA"), QTime(8, 0), QTime(17, 0));
    Sessao::reiniciar();
    Sessao::atual().Ponto_Vazio = true; // today has no entry: every tick prepares
    PontoAutomatico::Controle c;
    EXPECT_EQ(c.tick(DM->Conexao, hoje, QStringLiteral("ADMIN")).previstas, 2);
    EXPECT_EQ(c.feito(), hoje);

    // Later ticks of the same day neither read nor write, even with the
    // day's entries gone.
    banco().executar(QStringLiteral("DELETE FROM PONTO"));
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(c.tick(DM->Conexao, hoje, QStringLiteral("ADMIN")).previstas, 0);
    EXPECT_EQ(banco().valor(QStringLiteral("SELECT COUNT(*) FROM PONTO")).toInt(), 0);

    // Another workstation's preparation found by a new workstation: read,
    // nothing written (no lock taken either).
    PontoAutomatico::preparar(DM->Conexao, hoje, QStringLiteral("ADMIN"));
    const qint64 antes = escritas();
    PontoAutomatico::Controle outra;
    EXPECT_EQ(outra.tick(DM->Conexao, hoje, QStringLiteral("ADMIN")).previstas, 0);
    EXPECT_EQ(outra.feito(), hoje);
    EXPECT_EQ(escritas(), antes);

    // With no employee who punches the clock there is nothing to write either.
    banco().executar(QStringLiteral("UPDATE FUNCIONARIO SET SOLICITA_PONTO = 'N' WHERE ID_FUNCIONARIO = ?"), {ana});
    const qint64 antes2 = escritas();
    PontoAutomatico::Controle terceira;
    EXPECT_EQ(terceira.tick(DM->Conexao, hoje.addDays(1), QStringLiteral("ADMIN")).faltas, 2); // yesterday's two entries
    const qint64 depoisFaltas = escritas();
    EXPECT_GT(depoisFaltas, antes2);
    PontoAutomatico::Controle quarta;
    EXPECT_EQ(quarta.tick(DM->Conexao, hoje.addDays(1), QStringLiteral("ADMIN")).previstas, 0);
    EXPECT_EQ(escritas(), depoisFaltas);

    // The next day prepares again.
    banco().executar(QStringLiteral("UPDATE FUNCIONARIO SET SOLICITA_PONTO = 'S' WHERE ID_FUNCIONARIO = ?"), {ana});
    EXPECT_EQ(c.tick(DM->Conexao, hoje.addDays(1), QStringLiteral("ADMIN")).previstas, 2);
    Sessao::reiniciar();
}

TEST_F(TarefasTimer, LembretesVencidosPorDiaEHoraJuntos)
{
    banco().executar(QStringLiteral("INSERT INTO LEMBRETE (DATA, HORA, DESCRICAO, USUARIO) VALUES (?, ?, 'A', 'ADMIN')"),
                     {hoje.addDays(-1), QTime(23, 0)});
    banco().executar(QStringLiteral("INSERT INTO LEMBRETE (DATA, HORA, DESCRICAO, USUARIO) VALUES (?, ?, 'B', 'ADMIN')"),
                     {hoje, QTime(9, 0)});
    banco().executar(QStringLiteral("INSERT INTO LEMBRETE (DATA, HORA, DESCRICAO, USUARIO, CONCLUIDO) VALUES (?, ?, 'C', 'ADMIN', 'S')"),
                     {hoje.addDays(-2), QTime(9, 0)});
    EXPECT_EQ(Notificacoes::lembretesVencidos(DM->Conexao, QDateTime(hoje, QTime(8, 59, 59))), 1);
    EXPECT_EQ(Notificacoes::lembretesVencidos(DM->Conexao, QDateTime(hoje, QTime(9, 0))), 2);

    banco().executar(QStringLiteral("INSERT INTO CHAT (ID_USUARIO_ENVIO, ID_USUARIO_RECEB, MENSAGEM, DATA, HORA) "
                                    "VALUES ('BIA', 'D''AVILA', 'oi', ?, ?)"),
                     {hoje, QTime(9, 0)});
    EXPECT_EQ(Notificacoes::mensagensNaoLidas(DM->Conexao, QStringLiteral("D'AVILA")), 1);
    EXPECT_EQ(Notificacoes::mensagensNaoLidas(DM->Conexao, QStringLiteral("ADMIN")), 0);
}
