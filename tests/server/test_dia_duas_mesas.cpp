// A day of work at two front desks on one database through the Firebird
// server: two agent processes (tests/agente, operation "mesa") run the same
// script at the same moments — the shift opened by both, check-ins (some on
// the same room at once), consumption on every stay, advance payments,
// reservations of the same room and days, check-outs over several means (two
// stays closed by both at once), the timer's nightly posting (the "SERVIDOR"
// desk posts), a withdrawal and an addition, the shift closed by both.
// Afterwards the database must hold what one desk after the other would have
// left. CI runs a day of 12 check-ins; ZV_DIA_COMPLETO=1 runs the
// full day of 30.
#include "EstacoesServidor.h"
#include "finance/Caixa.h"
#include "finance/ControleCaixa.h"
#include "rooms/Reservas.h"
#include "stays/Adiantamento.h"
#include "stays/Correcoes.h"
#include "stays/Entrada.h"
#include "stays/Pagamentos.h"
#include "stays/Saida.h"

#include <QDateTime>
#include <QProcess>
#include <gtest/gtest.h>

#include <memory>

inline void PrintTo(const Dinheiro &d, std::ostream *os) { *os << d.formatado().toStdString(); }

namespace {

const QDate kDia(2026, 12, 10);

class DiaDuasMesas : public EstacoesServidor {
protected:
    // The hotel before the day: two room types, free rooms, customers,
    // three bought-in products, yesterday's shift closed with balances,
    // nights posted up to yesterday and four stays that arrived three days
    // ago with their nights.
    void prepararHotel(int quartos, int clientes)
    {
        ConexaoBanco &c = banco();
        c.emTransacao([&] {
            QList<qint64> tipos;
            for (const char *t : {"STANDARD", "LUXO"})
                tipos << c.valor(QStringLiteral("INSERT INTO TIPO_UH (DESCRICAO, ABREV, P1, P2, P3, P4, P1MIN, P2MIN, "
                                                "P3MIN, P4MIN) VALUES (?, 'T', 150, 200, 250, 300, 100, 150, 200, 250) "
                                                "RETURNING ID_TIPO_UH"),
                                 {QString::fromLatin1(t)})
                             .toLongLong();
            for (int i = 0; i < quartos + 4; ++i)
                c.executar(QStringLiteral("INSERT INTO UH (ID_TIPO_UH, NUMERO, SITUACAO) VALUES (?, ?, ?)"),
                           {tipos[i % 2], QString::number(101 + i), i < 4 ? QStringLiteral("O") : QStringLiteral("L")});
            for (int i = 0; i < clientes; ++i)
                c.executar(QStringLiteral("INSERT INTO CLIENTE (NOME, TIPO_PESSOA, CNPJ_CPF) VALUES (?, 'F', '')"),
                           {QStringLiteral("HÓSPEDE %1 D'ÁVILA").arg(i)});
            for (const char *p : {"ÁGUA", "REFRIGERANTE", "CERVEJA"})
                c.executar(QStringLiteral("INSERT INTO PRODUTOS_SERVICOS (ID_P_S, ID_PDV, DESCRICAO, VALOR, ESTOQUE, "
                                          "FAB_PROPRIA) VALUES (GEN_ID(GEN_ID_P_S, 1), 1, ?, 6.5, 1000, 'N')"),
                           {QString::fromUtf8(p)});
            c.executar(QStringLiteral("INSERT INTO CAIXA (DATA_ABERT, HORA_ABERT, TURNO, USUARIO, ATUAL, ATUAL_CARTAO, "
                                      "ATUAL_CHEQUE, VALOR_ABERT, IP, DATA_FECHA, HORA_FECHA, VALOR_FECHA) VALUES "
                                      "(?, '08:00', 1, 'ADMIN', 100, 20, 5, 100, '192.168.0.11', ?, '18:00', 125)"),
                       {kDia.addDays(-1), kDia.addDays(-1)});
            c.executar(QStringLiteral("INSERT INTO ATUALIZACAO (DATA) VALUES (?)"), {kDia.addDays(-1)});
            const auto uhs = c.lerTodas(QStringLiteral("SELECT FIRST 4 ID_UH FROM UH WHERE SITUACAO = 'O' ORDER BY ID_UH"));
            for (const Linha &u : uhs) {
                const qint64 w = c.valor(QStringLiteral("INSERT INTO WALK_IN (DATA_ENTRADA, HORA_ENTRADA, DATA_SAIDA, "
                                                        "ID_CLIENTE, ID_UH, QTD_ADULTOS, VALOR_DIARIA) VALUES "
                                                        "(?, '15:00', ?, 1, ?, 2, 200) RETURNING ID_WALK_IN"),
                                         {kDia.addDays(-3), kDia.addDays(2), u.inteiro(QStringLiteral("ID_UH"))})
                                     .toLongLong();
                for (int d = 3; d >= 2; --d)
                    c.executar(QStringLiteral("INSERT INTO OCUPACAO (ID_ENTRADA, DATA, VALOR, QTD) VALUES (?, ?, 200, 2)"),
                               {w, kDia.addDays(-d)});
            }
        });
    }

    // Both desks, released at the same moment; their lines.
    QList<QStringList> rodarMesas(int entradas, int passoMs)
    {
        const QString agente = qEnvironmentVariable("ZV_AGENTE");
        EXPECT_FALSE(agente.isEmpty()) << "ZV_AGENTE não definido";
        const qint64 inicio = QDateTime::currentMSecsSinceEpoch() + 2500;
        std::vector<std::unique_ptr<QProcess>> processos;
        for (int mesa = 0; mesa < 2; ++mesa) {
            auto p = std::make_unique<QProcess>();
            p->setProcessChannelMode(QProcess::SeparateChannels);
            p->setStandardInputFile(QProcess::nullDevice());
            p->start(agente, {m_banco, QString::number(inicio), QStringLiteral("mesa"), QStringLiteral("1"),
                              QStringLiteral("%1,%2,%3,%4").arg(mesa).arg(kDia.toString(Qt::ISODate)).arg(entradas).arg(passoMs)});
            processos.push_back(std::move(p));
        }
        QList<QStringList> saidas;
        for (auto &p : processos) {
            QStringList linhas;
            int codigo = -1;
            if (p->waitForFinished(300000) && p->exitStatus() == QProcess::NormalExit)
                codigo = p->exitCode();
            else
                p->kill();
            for (const QByteArray &l : p->readAllStandardOutput().split('\n'))
                if (!l.isEmpty())
                    linhas << QString::fromUtf8(l);
            EXPECT_EQ(codigo, 0) << linhas.join(QLatin1Char('\n')).toStdString() << p->readAllStandardError().toStdString();
            saidas << linhas;
        }
        return saidas;
    }

};

// The lines of one step, "step|result" without the step.
QStringList resultados(const QStringList &linhas, const QString &etapa)
{
    QStringList r;
    for (const QString &l : linhas)
        if (l.section(QLatin1Char('|'), 0, 0) == etapa)
            r << l.section(QLatin1Char('|'), 1);
    return r;
}

} // namespace

TEST_F(DiaDuasMesas, UmDiaDeTrabalhoEmDuasMesasDeixaOBancoConsistente)
{
    const bool completo = qEnvironmentVariableIntValue("ZV_DIA_COMPLETO") != 0;
    const int entradas = completo ? 30 : 12;
    const int pares = entradas / 2;
    const int disputas = (pares + 2) / 3;
    const int reservas = pares / 3 + 1;
    // One free room more than the script's own: reserved and checked into at once.
    prepararHotel(2 * pares + reservas + 5, 2 * pares + 4);

    QStringList livres; // as the desks list them
    for (const Linha &l : banco().lerTodas(QStringLiteral("SELECT NUMERO FROM UH WHERE SITUACAO = 'L' ORDER BY ID_UH")))
        livres << l.texto(QStringLiteral("NUMERO"));

    const QList<QStringList> mesas = rodarMesas(entradas, completo ? 350 : 300);
    ASSERT_EQ(mesas.size(), 2);
    QStringList todas = mesas[0] + mesas[1];
    for (const QString &l : todas)
        EXPECT_FALSE(l.startsWith(QLatin1String("ERRO|")) || l.startsWith(QLatin1String("preparo|"))) << l.toStdString();

    // The shift: opened by one desk and closed by one, the other told so.
    QStringList aberturas = resultados(todas, QStringLiteral("abertura"));
    aberturas.sort();
    EXPECT_EQ(aberturas, (QStringList{Caixa::kMsgCaixaAberto, Caixa::kMsgCaixaJaAberto}));
    QStringList fechamentos = resultados(todas, QStringLiteral("fechamento"));
    fechamentos.sort();
    EXPECT_EQ(fechamentos, (QStringList{QStringLiteral("fechado"), QStringLiteral("ja fechado")}));

    // Every check-in made: each disputed room went to one desk, the other
    // was told the room was taken and used the next one.
    EXPECT_EQ(resultados(todas, QStringLiteral("entrada")), QStringList(entradas, QStringLiteral("ok")));
    QStringList perdidas = resultados(todas, QStringLiteral("entrada disputada"));
    perdidas.sort();
    QStringList esperadas;
    for (int k = 0; k < pares; k += 3)
        esperadas << Entrada::textoUHIndisponivel(livres[2 * k]);
    esperadas.sort();
    EXPECT_EQ(perdidas, esperadas);
    EXPECT_EQ(perdidas.size(), disputas);
    // The last free room went to the reservation or to the check-in made at
    // the same moment, never to both; the loser got its clash message.
    const QStringList reservaContra = resultados(todas, QStringLiteral("reserva contra entrada"));
    const QStringList entradaContra = resultados(todas, QStringLiteral("entrada contra reserva"));
    ASSERT_EQ(reservaContra.size(), 1);
    ASSERT_EQ(entradaContra.size(), 1);
    const bool reservaVenceu = reservaContra[0] == QLatin1String("ok");
    EXPECT_NE(reservaVenceu, entradaContra[0] == QLatin1String("ok"));
    if (reservaVenceu)
        EXPECT_EQ(entradaContra[0], Entrada::Textos::Choque);
    else
        EXPECT_TRUE(reservaContra[0].startsWith(Reservas::textoOcupada(kDia.addDays(3)).section(QLatin1Char('\n'), 0, 0)))
            << reservaContra[0].toStdString();
    EXPECT_EQ(contar(QStringLiteral("SELECT COUNT(*) FROM WALK_IN WHERE DATA_ENTRADA = ?"), {kDia}),
              entradas + (reservaVenceu ? 0 : 1));

    // Reservations of the same room and days: one kept per pair.
    QStringList r = resultados(todas, QStringLiteral("reserva"));
    EXPECT_EQ(r.count(QStringLiteral("ok")), reservas);
    EXPECT_EQ(r.count(QStringLiteral("recusada")), reservas);
    EXPECT_EQ(contar(QStringLiteral("SELECT COUNT(*) FROM RESERVA WHERE EXCLUIDO = 'N' AND CONFIRMADA = 'N'")),
              reservas + (reservaVenceu ? 1 : 0));

    // Check-outs: every one of a desk's own made; of the two disputed, one
    // desk closed each and the other was told it was closed elsewhere.
    const QStringList saidas = resultados(todas, QStringLiteral("saida"));
    EXPECT_EQ(saidas, QStringList(saidas.size(), QStringLiteral("ok")));
    EXPECT_EQ(saidas.size(), 2 * ((pares + 1) / 2));
    QStringList disputadas = resultados(todas, QStringLiteral("saida disputada"));
    disputadas.sort();
    EXPECT_EQ(disputadas, (QStringList{Saida::Textos::JaFechada, Saida::Textos::JaFechada, QStringLiteral("ok"),
                                       QStringLiteral("ok")}));
    // The third old stay: the desk closing it and the desk paying an advance
    // and a line into it met. Either money landed between the check-out's
    // reading and its confirmation (the check-out saw a new amount and closed
    // nothing), or the stay was closed first (the money and the line refused
    // with the check-out's text), or the money landed before the check-out
    // read the amount (both "ok"; the closed stay then owes exactly what it
    // was paid, which the totals below check).
    const QStringList saidaAdiantamento = resultados(todas, QStringLiteral("saida contra adiantamento"));
    const QStringList adiantamentoSaida = resultados(todas, QStringLiteral("adiantamento contra saida"))
        + resultados(todas, QStringLiteral("consumo contra saida"));
    ASSERT_EQ(saidaAdiantamento.size(), 1);
    ASSERT_EQ(adiantamentoSaida.size(), 2);
    if (saidaAdiantamento[0] != QLatin1String("ok"))
        EXPECT_TRUE(saidaAdiantamento[0].startsWith(Saida::Textos::ValorAlterado)) << saidaAdiantamento[0].toStdString();
    for (const QString &l : adiantamentoSaida)
        EXPECT_TRUE(l == QLatin1String("ok") || l == Saida::Textos::JaFechada) << l.toStdString();
    // The fourth: a night corrected against a check-out, then the posting
    // against a second check-out when the first did not close it.
    for (const char *etapa : {"saida contra noite", "saida contra diarias"})
        for (const QString &l : resultados(todas, QString::fromLatin1(etapa)))
            EXPECT_TRUE(l == QLatin1String("ok") || l.startsWith(Saida::Textos::ValorAlterado)) << etapa << l.toStdString();
    for (const QString &l : resultados(todas, QStringLiteral("noite contra saida")))
        EXPECT_TRUE(l == QLatin1String("ok") || l == Correcoes::kMsgEntradaMudou || l == Correcoes::kMsgDiariaMudou)
            << l.toStdString();
    const int fechadas = int(saidas.size()) + 2
        + int(saidaAdiantamento.count(QStringLiteral("ok")))
        + int(resultados(todas, QStringLiteral("saida contra noite")).count(QStringLiteral("ok")))
        + int(resultados(todas, QStringLiteral("saida contra diarias")).count(QStringLiteral("ok")));
    EXPECT_EQ(contar(QStringLiteral("SELECT COUNT(*) FROM WALK_IN WHERE BAIXA = 'S'")), fechadas);

    // The posting ran once, on the server desk.
    EXPECT_EQ(resultados(mesas[1], QStringLiteral("diarias")), QStringList{QStringLiteral("postadas")});
    EXPECT_EQ(contar(QStringLiteral("SELECT COUNT(*) FROM ATUALIZACAO WHERE DATA = ?"), {kDia}), 1);

    // -------- the invariants

    // Every closed stay paid exactly its nights and lines, minus its
    // discount, plus its addition; no room-day promised twice.
    EXPECT_EQ(contasFechadasErradas(), QStringList());
    EXPECT_EQ(diasPrometidosDuasVezes(), 0);

    // No room with two open stays; a room is "O" exactly when it has one.
    EXPECT_EQ(contar(QStringLiteral("SELECT COUNT(*) FROM (SELECT ID_UH FROM WALK_IN WHERE BAIXA = 'N' AND "
                                    "EXCLUIDO = 'N' GROUP BY ID_UH HAVING COUNT(*) > 1)")),
              0);
    const QString abertaNoQuarto =
        QStringLiteral("EXISTS (SELECT 1 FROM WALK_IN W WHERE W.ID_UH = U.ID_UH AND W.BAIXA = 'N' AND W.EXCLUIDO = 'N')");
    EXPECT_EQ(contar(QStringLiteral("SELECT COUNT(*) FROM UH U WHERE (U.SITUACAO = 'O' AND NOT %1) OR "
                                    "(U.SITUACAO <> 'O' AND %1)")
                         .arg(abertaNoQuarto)),
              0);

    // Every open stay: one night for each day from its arrival to yesterday
    // (its arrival night when it arrived today), none twice.
    const auto noites = banco().lerTodas(
        QStringLiteral("SELECT W.ID_WALK_IN, W.DATA_ENTRADA, COUNT(O.ID_OCUPACAO) AS N, COUNT(DISTINCT O.DATA) AS D, "
                       "MIN(O.DATA) AS PRIMEIRA, MAX(O.DATA) AS ULTIMA FROM WALK_IN W LEFT JOIN OCUPACAO O ON "
                       "O.ID_ENTRADA = W.ID_WALK_IN WHERE W.BAIXA = 'N' AND W.EXCLUIDO = 'N' "
                       "GROUP BY W.ID_WALK_IN, W.DATA_ENTRADA"));
    EXPECT_EQ(noites.size(), entradas + (reservaVenceu ? 0 : 1) + 4 - fechadas);
    for (const Linha &n : noites) {
        const QDate chegada = n.data(QStringLiteral("DATA_ENTRADA"));
        const QDate ultima = std::max(chegada, kDia.addDays(-1));
        SCOPED_TRACE(n.inteiro(QStringLiteral("ID_WALK_IN")));
        EXPECT_EQ(n.inteiro(QStringLiteral("N")), chegada.daysTo(ultima) + 1);
        EXPECT_EQ(n.inteiro(QStringLiteral("D")), n.inteiro(QStringLiteral("N")));
        EXPECT_EQ(n.data(QStringLiteral("PRIMEIRA")), chegada);
        EXPECT_EQ(n.data(QStringLiteral("ULTIMA")), ultima);
    }

    // The day's shift: each balance is yesterday's plus what the stays took
    // in that means, plus the additions and minus the withdrawals; what the
    // desks booked adds up to the advances they reported.
    const Linha turno = banco().ler(QStringLiteral("SELECT * FROM CAIXA WHERE DATA_ABERT = ?"), {kDia});
    const Linha ontem = banco().ler(QStringLiteral("SELECT * FROM CAIXA WHERE DATA_ABERT = ?"), {kDia.addDays(-1)});
    ASSERT_FALSE(turno.vazia());
    EXPECT_TRUE(turno.data(QStringLiteral("DATA_FECHA")).isValid());
    Dinheiro total;
    for (const DadosMeioCaixa &m : meiosCaixa()) {
        SCOPED_TRACE(m.coluna.toStdString());
        const QString col = Pagamentos::colunaEstadia(m.meio);
        const Dinheiro estadias =
            banco().ler(QStringLiteral("SELECT COALESCE(SUM(%1), 0) AS V FROM WALK_IN").arg(col)).dinheiro(QStringLiteral("V"));
        const Dinheiro adicoes = banco()
                                     .ler(QStringLiteral("SELECT COALESCE(SUM(VALOR), 0) AS V FROM ADIC_CAIXA WHERE "
                                                         "DATA_ADIC = ? AND TIPO = ?"),
                                          {kDia, m.tipo})
                                     .dinheiro(QStringLiteral("V"));
        const Dinheiro retiradas = banco()
                                       .ler(QStringLiteral("SELECT COALESCE(SUM(VALOR), 0) AS V FROM RET_CAIXA WHERE "
                                                           "DATA_RET = ? AND TIPO = ?"),
                                            {kDia, m.tipo})
                                       .dinheiro(QStringLiteral("V"));
        EXPECT_EQ(turno.dinheiro(m.coluna), ontem.dinheiro(m.coluna) + estadias + adicoes - retiradas);
        total += turno.dinheiro(m.coluna);
    }
    EXPECT_EQ(turno.dinheiro(QStringLiteral("VALOR_FECHA")), total);
    // Advances: desk d's k-th stay paid 50,00 + k x 1,00 in cash and
    // 30,00 + d x 10,00 in Pix or Visa credit; an open stay's advance is the
    // sum of its means.
    Dinheiro adiantado;
    for (int mesa = 0; mesa < 2; ++mesa) {
        const int feitos = resultados(mesas[mesa], QStringLiteral("adiantamento")).count(QStringLiteral("ok"));
        EXPECT_EQ(feitos, pares);
        for (int k = 0; k < feitos; ++k)
            adiantado += Dinheiro::deCentavos(5000 + 100 * k + 3000 + mesa * 1000);
    }
    EXPECT_EQ(banco().ler(QStringLiteral("SELECT SUM(ADIANTADO) AS V FROM WALK_IN WHERE DATA_ENTRADA = ?"), {kDia})
                  .dinheiro(QStringLiteral("V")),
              adiantado);
    EXPECT_EQ(contar(QStringLiteral("SELECT COUNT(*) FROM WALK_IN WHERE BAIXA = 'N' AND ADIANTADO <> DINHEIRO + VISA + "
                                    "DEBVISA + MASTER + DEBMASTER + HIPER + CHEQUE + NOTA")),
              0);
    // What was left on account became bills of the same amount.
    EXPECT_EQ(banco().ler(QStringLiteral("SELECT COALESCE(SUM(NOTA), 0) AS V FROM WALK_IN")).dinheiro(QStringLiteral("V")),
              banco().ler(QStringLiteral("SELECT COALESCE(SUM(VALOR), 0) AS V FROM NOTA")).dinheiro(QStringLiteral("V")));

    // No two live reservations of one room share a day; each keeps all its days.
    EXPECT_EQ(contar(QStringLiteral("SELECT COUNT(*) FROM RESERVA A JOIN RESERVA B ON B.ID_UH = A.ID_UH AND "
                                    "B.ID_RESERVA > A.ID_RESERVA AND B.DATA_ENTRADA <= A.DATA_SAIDA AND "
                                    "A.DATA_ENTRADA <= B.DATA_SAIDA WHERE A.EXCLUIDO = 'N' AND A.CONFIRMADA = 'N' "
                                    "AND B.EXCLUIDO = 'N' AND B.CONFIRMADA = 'N'")),
              0);
    EXPECT_EQ(contar(QStringLiteral("SELECT COUNT(*) FROM RESERVA R WHERE R.EXCLUIDO = 'N' AND R.CONFIRMADA = 'N' AND "
                                    "(SELECT COUNT(*) FROM RESERVA_UH D WHERE D.ID_RESERVA = R.ID_RESERVA AND "
                                    "D.ID_UH = R.ID_UH AND D.DATA_ENTRADA BETWEEN R.DATA_ENTRADA AND R.DATA_SAIDA) "
                                    "<> DATEDIFF(DAY FROM R.DATA_ENTRADA TO R.DATA_SAIDA) + 1")),
              0);
    EXPECT_EQ(contar(QStringLiteral("SELECT COUNT(*) FROM (SELECT ID_UH, DATA_ENTRADA FROM RESERVA_UH "
                                    "GROUP BY ID_UH, DATA_ENTRADA HAVING COUNT(*) > 1)")),
              0);

    // A log line for every change: each stay, each consumption line, each
    // advance, each reservation, each check-out, the shift opened and closed,
    // the withdrawal and addition.
    EXPECT_EQ(contar(QStringLiteral("SELECT COUNT(*) FROM WALK_IN W WHERE W.DATA_ENTRADA = ? AND (SELECT COUNT(*) FROM "
                                    "LOG L WHERE L.OPERACAO STARTING WITH 'Incluiu Entrada de Hóspede -> Código ' || "
                                    "W.ID_WALK_IN || ' (') <> 1"),
                     {kDia}),
              0);
    EXPECT_EQ(contar(QStringLiteral("SELECT COUNT(*) FROM WALK_IN W WHERE (SELECT COUNT(*) FROM DESPESA_UH D WHERE "
                                    "D.ID_ENTRADA = W.ID_WALK_IN) <> (SELECT COUNT(*) FROM LOG L WHERE L.OPERACAO "
                                    "STARTING WITH 'Incluiu Despesa ou Consumo -> Código ' || W.ID_WALK_IN || ' (')")),
              0);
    EXPECT_EQ(contar(QStringLiteral("SELECT COUNT(*) FROM WALK_IN W WHERE W.BAIXA = 'S' AND (SELECT COUNT(*) FROM LOG L "
                                    "WHERE L.OPERACAO STARTING WITH CAST(? AS VARCHAR(100)) || W.ID_WALK_IN || ' ') <> 1"),
                     {Saida::Textos::Log}),
              0);
    EXPECT_EQ(contar(QStringLiteral("SELECT COUNT(*) FROM DESPESA_UH")),
              resultados(todas, QStringLiteral("consumo")).count(QStringLiteral("ok"))
                  + resultados(todas, QStringLiteral("consumo contra saida")).count(QStringLiteral("ok")));
    EXPECT_EQ(contar(QStringLiteral("SELECT COUNT(*) FROM LOG WHERE OPERACAO = ?"), {Adiantamento::Textos::OperacaoLog}),
              2 * pares + resultados(todas, QStringLiteral("adiantamento contra saida")).count(QStringLiteral("ok")));
    EXPECT_EQ(contar(QStringLiteral("SELECT COUNT(*) FROM LOG WHERE OPERACAO = 'Incluiu Nova Reserva'")),
              reservas + (reservaVenceu ? 1 : 0));
    EXPECT_EQ(contar(QStringLiteral("SELECT COUNT(*) FROM LOG WHERE OPERACAO = 'Registrou Abertura do Caixa'")), 1);
    EXPECT_EQ(contar(QStringLiteral("SELECT COUNT(*) FROM LOG WHERE OPERACAO = 'Registrou Fechamento do Caixa'")), 1);
    EXPECT_EQ(contar(QStringLiteral("SELECT COUNT(*) FROM RET_CAIXA WHERE DATA_RET = ?"), {kDia})
                  + contar(QStringLiteral("SELECT COUNT(*) FROM ADIC_CAIXA WHERE DATA_ADIC = ?"), {kDia}),
              2);
    EXPECT_EQ(contar(QStringLiteral("SELECT COUNT(*) FROM LOG WHERE OPERACAO STARTING WITH 'Retirou 40,00 do Caixa' "
                                    "OR OPERACAO STARTING WITH 'Realizou Reposição de 15,00 ao Caixa'")),
              2);
    // The stock of the products went down by exactly what was consumed.
    EXPECT_EQ(contar(QStringLiteral("SELECT COUNT(*) FROM PRODUTOS_SERVICOS P WHERE P.ID_P_S > 1 AND P.ESTOQUE + "
                                    "(SELECT COALESCE(SUM(D.QTD), 0) FROM DESPESA_UH D WHERE D.ID_P_S = P.ID_P_S) <> 1000")),
              0);
}
