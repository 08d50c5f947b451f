// Two desks on the same stay or room through the Firebird server: one desk
// (an agent process, tests/agente) runs its operation and stops just before
// committing, holding what it wrote; the other desk runs the competing
// operation meanwhile; then the first commits. Each case runs in both orders,
// and afterwards no closed stay owes or holds money it should not, the
// shift's balances equal what the stays took and no room-day is promised
// twice.
#include "EstacoesServidor.h"
#include "core/UnitAnulacoes.h"
#include "rooms/Reservas.h"
#include "stays/Correcoes.h"
#include "stays/Entrada.h"
#include "stays/Saida.h"

#include <QDate>
#include <gtest/gtest.h>

namespace {

class DisputasMesas : public EstacoesServidor {
protected:
    void SetUp() override
    {
        EstacoesServidor::SetUp();
        if (semServidor())
            return;
        hoje = QDate::currentDate();
        ConexaoBanco &c = banco();
        c.emTransacao([&] {
            tipo = c.valor(QStringLiteral("INSERT INTO TIPO_UH (DESCRICAO, ABREV, P1, P2) VALUES ('LUXO', 'LX', 100, "
                                          "150) RETURNING ID_TIPO_UH"))
                       .toLongLong();
            uh = c.valor(QStringLiteral("INSERT INTO UH (ID_TIPO_UH, NUMERO, SITUACAO) VALUES (?, '101', 'L') "
                                        "RETURNING ID_UH"),
                         {tipo})
                     .toLongLong();
            cliente = c.valor(QStringLiteral("INSERT INTO CLIENTE (NOME, TIPO_PESSOA, CNPJ_CPF) VALUES "
                                             "('ANA D''ÁVILA', 'F', '') RETURNING ID_CLIENTE"))
                          .toLongLong();
            turno = c.valor(QStringLiteral("INSERT INTO CAIXA (DATA_ABERT, HORA_ABERT, USUARIO, ATUAL, VALOR_ABERT) "
                                           "VALUES (CURRENT_DATE, CURRENT_TIME, 'ADMIN', 0, 0) RETURNING ID_CAIXA"))
                        .toLongLong();
        });
    }

    // A stay in room 101 that arrived two days ago at 150,00 a night, with
    // its arrival night; the nights are posted up to that day.
    qint64 estadiaAberta()
    {
        ConexaoBanco &c = banco();
        return c.emTransacao([&] {
            c.executar(QStringLiteral("UPDATE UH SET SITUACAO = 'O' WHERE ID_UH = ?"), {uh});
            const qint64 id = c.valor(QStringLiteral("INSERT INTO WALK_IN (DATA_ENTRADA, HORA_ENTRADA, DATA_SAIDA, "
                                                     "HORA_SAIDA, ID_CLIENTE, ID_UH, QTD_ADULTOS, VALOR_DIARIA) "
                                                     "VALUES (?, '14:00', ?, '12:00', ?, ?, 2, 150) "
                                                     "RETURNING ID_WALK_IN"),
                                      {hoje.addDays(-2), hoje.addDays(3), cliente, uh})
                                  .toLongLong();
            c.executar(QStringLiteral("INSERT INTO OCUPACAO (ID_ENTRADA, DATA, VALOR, QTD) VALUES (?, ?, 150, 2)"),
                       {id, hoje.addDays(-2)});
            c.executar(QStringLiteral("INSERT INTO ATUALIZACAO (DATA) VALUES (?)"), {hoje.addDays(-2)});
            return id;
        });
    }

    // What must hold after every dispute.
    void invariantes()
    {
        EXPECT_EQ(contasFechadasErradas(), QStringList());
        EXPECT_EQ(caixaDiferenteDasEstadias(turno), QStringList());
        EXPECT_EQ(diasPrometidosDuasVezes(), 0);
    }

    bool aberta(qint64 id)
    {
        return banco().valor(QStringLiteral("SELECT BAIXA FROM WALK_IN WHERE ID_WALK_IN = ?"), {id}).toString()
            == QLatin1String("N");
    }
    qint64 noites(qint64 id) { return contar(QStringLiteral("SELECT COUNT(*) FROM OCUPACAO WHERE ID_ENTRADA = ?"), {id}); }

    QDate hoje;
    qint64 tipo = 0, uh = 0, cliente = 0, turno = 0;
};

// The check-out's outcome as the agent prints it: "situation|message".
QString situacaoSaida(const QStringList &linhas) { return linhas.value(0).section(QLatin1Char('|'), 0, 0); }
const QString kFechada = QString::number(int(Saida::Resultado::Situacao::Fechada));
const QString kValorAlterado = QString::number(int(Saida::Resultado::Situacao::ValorAlterado));

} // namespace

// The nightly posting and a check-out of the same stay: the night lands
// before the check-out (which then reports the new amount and closes
// nothing) or not at all (the stay closed before the posting reached it).
TEST_F(DisputasMesas, PostagemDasDiariasEContraASaida)
{
    if (semServidor())
        return;
    const qint64 id = estadiaAberta();
    const Mesa postagem{QStringLiteral("diarias"), hoje.toString(Qt::ISODate), {}};
    const Mesa saida{QStringLiteral("saida"), QString::number(id), {}};

    // The posting holds its night; the check-out computed 150,00 without it.
    const Disputa d = disputar(postagem, saida);
    EXPECT_TRUE(d.segurou);
    EXPECT_EQ(d.primeira, QStringList{QStringLiteral("registrada=1 noites=1")});
    EXPECT_EQ(situacaoSaida(d.segunda), kValorAlterado) << d.segunda.join(QLatin1Char('\n')).toStdString();
    EXPECT_TRUE(d.segunda.value(0).endsWith(Saida::Textos::ValorAlterado + QStringLiteral("300,00")))
        << d.segunda.join(QLatin1Char('\n')).toStdString();
    EXPECT_TRUE(aberta(id));
    EXPECT_EQ(noites(id), 2);
    invariantes();
}

TEST_F(DisputasMesas, SaidaEContraAPostagemDasDiarias)
{
    if (semServidor())
        return;
    const qint64 id = estadiaAberta();
    const Mesa postagem{QStringLiteral("diarias"), hoje.toString(Qt::ISODate), {}};
    const Mesa saida{QStringLiteral("saida"), QString::number(id), {}};

    // The check-out holds the closed stay, paid 150,00; the posting read it open.
    const Disputa d = disputar(saida, postagem);
    EXPECT_TRUE(d.segurou);
    EXPECT_EQ(situacaoSaida(d.primeira), kFechada) << d.primeira.join(QLatin1Char('\n')).toStdString();
    EXPECT_EQ(d.segunda, QStringList{QStringLiteral("registrada=1 noites=0")});
    EXPECT_FALSE(aberta(id));
    EXPECT_EQ(noites(id), 1);
    invariantes();
}

// A night corrected or deleted while the stay is being closed: the
// correction lands before the check-out (which then reports the new amount)
// or is refused on the closed stay.
TEST_F(DisputasMesas, CorrecaoDeNoitesEContraASaida)
{
    if (semServidor())
        return;
    struct Caso {
        const char *operacao;
        int noitesAntes;
        Dinheiro devido; // what the stay owes after the correction
    };
    const Caso casos[] = {{"noite-valor", 1, Dinheiro::deReais(300)}, {"noite-excluir", 2, Dinheiro::deReais(150)}};
    for (const Caso &c : casos) {
        for (const bool correcaoPrimeiro : {true, false}) {
            SCOPED_TRACE(std::string(c.operacao) + (correcaoPrimeiro ? " antes da saída" : " depois da saída"));
            const qint64 id = estadiaAberta();
            if (c.noitesAntes == 2)
                banco().executar(QStringLiteral("INSERT INTO OCUPACAO (ID_ENTRADA, DATA, VALOR, QTD) VALUES (?, ?, "
                                                "150, 2)"),
                                 {id, hoje.addDays(-1)});
            const Mesa correcao{QString::fromLatin1(c.operacao), QString::number(id), {}};
            const Mesa saida{QStringLiteral("saida"), QString::number(id), {}};
            if (correcaoPrimeiro) {
                const Disputa d = disputar(correcao, saida);
                EXPECT_TRUE(d.segurou);
                EXPECT_EQ(d.primeira, QStringList{QStringLiteral("feito")});
                EXPECT_EQ(d.segunda, QStringList{kValorAlterado + QLatin1Char('|') + Saida::Textos::ValorAlterado
                                                 + c.devido.formatado()});
                EXPECT_TRUE(aberta(id));
            } else {
                const Disputa d = disputar(saida, correcao);
                EXPECT_TRUE(d.segurou);
                EXPECT_EQ(situacaoSaida(d.primeira), kFechada) << d.primeira.join(QLatin1Char('\n')).toStdString();
                EXPECT_EQ(d.segunda, QStringList{Correcoes::kMsgEntradaMudou});
                EXPECT_FALSE(aberta(id));
                EXPECT_EQ(noites(id), c.noitesAntes);
            }
            invariantes();
            // The room free again for the next case.
            banco().emTransacao([&] {
                banco().executar(QStringLiteral("UPDATE WALK_IN SET BAIXA = 'S', EXCLUIDO = 'S'"));
                banco().executar(QStringLiteral("DELETE FROM ATUALIZACAO"));
            });
        }
    }
}

// An advance, a consumption line or a line paid at once reaching a stay
// another desk is closing: it lands before the check-out (which then
// collects what the stay owes now) or is refused with the check-out's own
// text, nothing booked in the shift nor in the stay.
TEST_F(DisputasMesas, DinheiroELinhasContraASaida)
{
    if (semServidor())
        return;
    const qint64 produto =
        banco()
            .valor(QStringLiteral("INSERT INTO PRODUTOS_SERVICOS (DESCRICAO, VALOR, ESTOQUE, FAB_PROPRIA) VALUES "
                                  "('ÁGUA', 6.5, 100, 'N') RETURNING ID_P_S"))
            .toLongLong();
    struct Caso {
        const char *operacao;
        QString saidaDepois; // the check-out's outcome when the write landed first
    };
    const Caso casos[] = {
        {"adiantamento", kValorAlterado + QLatin1Char('|') + Saida::Textos::ValorAlterado + QStringLiteral("100,00")},
        {"consumo", kValorAlterado + QLatin1Char('|') + Saida::Textos::ValorAlterado + QStringLiteral("163,00")},
        // Paid at once, the line leaves the amount due as it was.
        {"pagarconsumo", kFechada + QLatin1Char('|')},
    };
    for (const Caso &c : casos) {
        for (const bool lancamentoPrimeiro : {true, false}) {
            SCOPED_TRACE(std::string(c.operacao) + (lancamentoPrimeiro ? " antes da saída" : " depois da saída"));
            const qint64 id = estadiaAberta();
            const Mesa lancamento{QString::fromLatin1(c.operacao), QStringLiteral("%1,%2").arg(id).arg(produto), {}};
            const Mesa saida{QStringLiteral("saida"), QString::number(id), {}};
            const qint64 linhas = contar(QStringLiteral("SELECT COUNT(*) FROM DESPESA_UH"));
            if (lancamentoPrimeiro) {
                const Disputa d = disputar(lancamento, saida);
                EXPECT_TRUE(d.segurou);
                EXPECT_EQ(d.primeira, QStringList{QStringLiteral("ok")});
                EXPECT_EQ(d.segunda, QStringList{c.saidaDepois});
            } else {
                const Disputa d = disputar(saida, lancamento);
                EXPECT_TRUE(d.segurou);
                EXPECT_EQ(situacaoSaida(d.primeira), kFechada) << d.primeira.join(QLatin1Char('\n')).toStdString();
                EXPECT_EQ(d.segunda, QStringList{Saida::Textos::JaFechada});
                EXPECT_EQ(contar(QStringLiteral("SELECT COUNT(*) FROM DESPESA_UH")), linhas);
                EXPECT_EQ(contar(QStringLiteral("SELECT COUNT(*) FROM WALK_IN WHERE ID_WALK_IN = ? AND "
                                                "ADIANTADO <> 0"),
                                 {id}),
                          0);
            }
            invariantes();
            banco().emTransacao([&] {
                banco().executar(QStringLiteral("UPDATE WALK_IN SET BAIXA = 'S', EXCLUIDO = 'S'"));
                banco().executar(QStringLiteral("DELETE FROM ATUALIZACAO"));
            });
        }
    }
}

// A reservation of room 101 for tomorrow and the day after, and a check-in
// into room 101 until three days from now: the room-days go to one of them,
// the other desk gets its clash message and writes nothing.
TEST_F(DisputasMesas, ReservaEEntradaNaMesmaUH)
{
    if (semServidor())
        return;
    const Mesa reserva{QStringLiteral("reserva"), QStringLiteral("%1,%2,1,2").arg(uh).arg(cliente), {}};
    const Mesa entrada{QStringLiteral("entrada"), QStringLiteral("%1,%2,3").arg(uh).arg(cliente), {}};
    for (const bool reservaPrimeiro : {true, false}) {
        SCOPED_TRACE(reservaPrimeiro ? "reserva antes da entrada" : "entrada antes da reserva");
        const Disputa d = reservaPrimeiro ? disputar(reserva, entrada) : disputar(entrada, reserva);
        EXPECT_TRUE(d.segurou);
        const QStringList &daReserva = reservaPrimeiro ? d.primeira : d.segunda;
        const QStringList &daEntrada = reservaPrimeiro ? d.segunda : d.primeira;
        const qint64 reservas = contar(QStringLiteral("SELECT COUNT(*) FROM RESERVA WHERE EXCLUIDO = 'N'"));
        const qint64 estadias = contar(QStringLiteral("SELECT COUNT(*) FROM WALK_IN WHERE BAIXA = 'N'"));
        if (reservaPrimeiro) {
            ASSERT_EQ(daReserva.size(), 1);
            EXPECT_TRUE(daReserva[0].startsWith(QStringLiteral("reserva="))) << daReserva[0].toStdString();
            EXPECT_EQ(daEntrada, QStringList{QStringLiteral("recusa|") + Entrada::Textos::Choque});
            EXPECT_EQ(reservas, 1);
            EXPECT_EQ(estadias, 0);
            EXPECT_EQ(banco().valor(QStringLiteral("SELECT SITUACAO FROM UH WHERE ID_UH = ?"), {uh}).toString(),
                      QStringLiteral("L"));
        } else {
            ASSERT_EQ(daEntrada.size(), 1);
            EXPECT_TRUE(daEntrada[0].startsWith(QStringLiteral("entrada="))) << daEntrada[0].toStdString();
            // The message spans lines of the agent's output (blank ones dropped).
            EXPECT_EQ(daReserva.join(QLatin1Char('\n')),
                      QStringLiteral("recusa|") + Reservas::textoOcupada(hoje.addDays(3)).replace(QStringLiteral("\n\n"), QStringLiteral("\n")));
            EXPECT_EQ(reservas, 0);
            EXPECT_EQ(estadias, 1);
        }
        EXPECT_EQ(contar(QStringLiteral("SELECT COUNT(*) FROM RESERVA_UH")), reservaPrimeiro ? 2 : 0);
        EXPECT_EQ(diasPrometidosDuasVezes(), 0);
        // The room free again, nothing promised.
        banco().emTransacao([&] {
            banco().executar(QStringLiteral("DELETE FROM RESERVA_UH"));
            banco().executar(QStringLiteral("UPDATE RESERVA SET EXCLUIDO = 'S'"));
            banco().executar(QStringLiteral("UPDATE WALK_IN SET BAIXA = 'S', EXCLUIDO = 'S'"));
            banco().executar(QStringLiteral("DELETE FROM HOSPEDE"));
            banco().executar(QStringLiteral("UPDATE UH SET SITUACAO = 'L'"));
        });
    }
}

// Two desks restoring the same record from the recycle bin: one restores it,
// the other is told it was already restored (not the engine's English).
TEST_F(DisputasMesas, LixeiraRestauradaPorDuasMesas)
{
    if (semServidor())
        return;
    banco().executar(QStringLiteral("INSERT INTO ANULACAO (ID_FORNECEDOR) VALUES (77)"));
    const Mesa restaurar{QStringLiteral("restaurar"), QStringLiteral("77"), {}};
    const Disputa d = disputar(restaurar, restaurar);
    EXPECT_TRUE(d.segurou);
    EXPECT_EQ(d.primeira, QStringList{Lixeira::kSucesso});
    EXPECT_EQ(d.segunda, QStringList{Lixeira::kJaRestaurada});
    EXPECT_EQ(d.codigoSegunda, 0);
    EXPECT_EQ(contar(QStringLiteral("SELECT COUNT(*) FROM ANULACAO WHERE ID_FORNECEDOR = 77")), 0);
    EXPECT_EQ(contar(QStringLiteral("SELECT COUNT(*) FROM LOG WHERE OPERACAO STARTING WITH 'Restaurou Informação'")), 1);
}
