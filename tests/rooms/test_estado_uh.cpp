// The room-state rules shared by the map, the reservations, the stays and the
// main window: maintenance start and end, today's reservation cancelled, room
// deletion, each conditional on the state read.
#include "base/Relogio.h"
#include "base/Sessao.h"
#include "rooms/EstadoUH.h"
#include "support/TelasTeste.h"

namespace {

QString u8(const char *s) { return QString::fromUtf8(s); }

class EstadoUHTeste : public TelasTeste {
protected:
    QDate hoje = QDate(2026, 12, 10);

    qint64 uh(const QString &numero, const QString &situacao, const QString &manutencao = {})
    {
        return banco()
            .valor(QStringLiteral("INSERT INTO UH (NUMERO, DESCRICAO, SITUACAO, MANUTENCAO) VALUES (?, ?, ?, ?) "
                                  "RETURNING ID_UH"),
                   {numero, QStringLiteral("QUARTO ") + numero, situacao, manutencao})
            .toLongLong();
    }
    qint64 cliente(const QString &nome)
    {
        return banco()
            .valor(QStringLiteral("INSERT INTO CLIENTE (NOME) VALUES (?) RETURNING ID_CLIENTE"), {nome})
            .toLongLong();
    }
    qint64 estadia(qint64 idUH, const QString &baixa = QStringLiteral("N"), const QString &excluido = QStringLiteral("N"))
    {
        return banco()
            .valor(QStringLiteral("INSERT INTO WALK_IN (ID_CLIENTE, ID_UH, DATA_ENTRADA, HORA_ENTRADA, BAIXA, EXCLUIDO) "
                                  "VALUES (1, ?, ?, ?, ?, ?) RETURNING ID_WALK_IN"),
                   {idUH, hoje.addDays(-1), QTime(14, 0), baixa, excluido})
            .toLongLong();
    }
    // A reservation of `idUH` with one reserved day per date (days of
    // `diaUH` when given: a day booked in another room).
    qint64 reserva(qint64 idUH, const QList<QDate> &dias, const QString &confirmada = QStringLiteral("N"),
                   const QString &excluido = QStringLiteral("N"), qint64 idCliente = 1, qint64 diaUH = 0)
    {
        const qint64 id = banco()
                              .valor(QStringLiteral("INSERT INTO RESERVA (DATA_ENTRADA, DATA_SAIDA, ID_CLIENTE, ID_UH, "
                                                    "QTD_PESSOAS, CONFIRMADA, EXCLUIDO) VALUES (?, ?, ?, ?, 1, ?, ?) "
                                                    "RETURNING ID_RESERVA"),
                                     {dias.first(), dias.last(), idCliente, idUH, confirmada, excluido})
                              .toLongLong();
        for (const QDate &d : dias)
            banco().executar(QStringLiteral("INSERT INTO RESERVA_UH (ID_RESERVA, DATA_ENTRADA, ID_UH) VALUES (?, ?, ?)"),
                             {id, d, diaUH ? diaUH : idUH});
        return id;
    }
    Linha quarto(qint64 id)
    {
        return banco().ler(QStringLiteral("SELECT SITUACAO, MANUTENCAO, EXCLUIDO FROM UH WHERE ID_UH = ?"), {id});
    }
    QString situacao(qint64 id) { return quarto(id).texto(QStringLiteral("SITUACAO")); }
};

} // namespace

TEST_F(EstadoUHTeste, FimDaManutencaoDaEstadiaAbertaDepoisDaReservaDoDia)
{
    const QDate ontem = hoje.addDays(-1), amanha = hoje.addDays(1);
    struct Caso {
        const char *nome;
        std::function<void(qint64 uh, qint64 outra)> montar;
        const char *esperada;
    };
    const QList<Caso> casos{
        {"estadia aberta, mesmo com reserva para hoje",
         [&](qint64 u, qint64) {
             estadia(u);
             reserva(u, {hoje});
         },
         "O"},
        {"estadia fechada e reserva pendente hoje", [&](qint64 u, qint64) {
             estadia(u, QStringLiteral("S"));
             reserva(u, {hoje});
         }, "R"},
        {"estadia cancelada", [&](qint64 u, qint64) { estadia(u, QStringLiteral("N"), QStringLiteral("S")); }, "L"},
        {"reserva chegou ontem, hoje é seu segundo dia", [&](qint64 u, qint64) { reserva(u, {ontem, hoje, amanha}); },
         "R"},
        {"reserva já confirmada", [&](qint64 u, qint64) { reserva(u, {hoje}, QStringLiteral("S")); }, "L"},
        {"reserva excluída", [&](qint64 u, qint64) { reserva(u, {hoje}, QStringLiteral("N"), QStringLiteral("S")); },
         "L"},
        {"reserva só a partir de amanhã", [&](qint64 u, qint64) { reserva(u, {amanha}); }, "L"},
        {"reserva de hoje de outra UH", [&](qint64, qint64 outra) { reserva(outra, {hoje}); }, "L"},
        {"nada", [](qint64, qint64) {}, "L"},
    };
    int n = 0;
    for (const Caso &c : casos) {
        SCOPED_TRACE(c.nome);
        const QString numero = QString::number(300 + ++n);
        const qint64 u = uh(numero, QStringLiteral("M"), QStringLiteral("LIMPEZA"));
        const qint64 outra = uh(QString::number(400 + n), QStringLiteral("L"));
        c.montar(u, outra);
        QString nova;
        EXPECT_EQ(EstadoUH::concluirManutencao(DM->Conexao, u, numero, QStringLiteral("MARIA"), &nova), EstadoUH::Resultado::Feito);
        EXPECT_EQ(nova, QString::fromLatin1(c.esperada));
        EXPECT_EQ(situacao(u), QString::fromLatin1(c.esperada));
        EXPECT_EQ(quarto(u).texto(QStringLiteral("MANUTENCAO")), QStringLiteral("LIMPEZA")); // keeps the last reason
        EXPECT_EQ(logs().last(), u8("ADMIN|Registrou Conclusão de Manutenção da UH ") + numero
                                     + QStringLiteral(" (LIMPEZA-MARIA)"));
        EXPECT_EQ(situacao(outra), QStringLiteral("L"));
    }
}

TEST_F(EstadoUHTeste, FimDaManutencaoDeUHJaLiberadaEmOutraEstacao)
{
    const qint64 u = uh(QStringLiteral("101"), QStringLiteral("M"), QStringLiteral("LIMPEZA"));
    // Another workstation ended it and checked a guest in.
    banco().executar(QStringLiteral("UPDATE UH SET SITUACAO = 'O' WHERE ID_UH = ?"), {u});
    EXPECT_EQ(EstadoUH::concluirManutencao(DM->Conexao, u, QStringLiteral("101"), QStringLiteral("MARIA")),
              EstadoUH::Resultado::SituacaoMudou);
    EXPECT_EQ(situacao(u), QStringLiteral("O"));
    EXPECT_TRUE(logs().isEmpty());
}

TEST_F(EstadoUHTeste, InicioDaManutencaoPelaSituacaoLida)
{
    const QString longo = QStringLiteral("TROCA DO AR CONDICIONADO E PINTURA DAS PAREDES DO BANHEIRO");
    ASSERT_GT(longo.size(), EstadoUH::kTamanhoMotivo);
    struct Caso {
        const char *situacao;     // in the database
        const char *lida;         // as the map read it
        QString motivo;
        EstadoUH::Resultado resultado;
        const char *final;
        QString gravado;          // MANUTENCAO afterwards
    };
    const QList<Caso> casos{
        {"L", "L", QStringLiteral("VAZAMENTO"), EstadoUH::Resultado::Feito, "M", QStringLiteral("VAZAMENTO")},
        {"O", "O", u8("PIA D'ÁGUA"), EstadoUH::Resultado::Feito, "M", u8("PIA D'ÁGUA")},
        {"R", "R", longo, EstadoUH::Resultado::Feito, "M", longo.left(50)},
        {"M", "M", QStringLiteral("OUTRA"), EstadoUH::Resultado::NaoPermitida, "M", QStringLiteral("ANTIGA")},
        // changed on another workstation after the map read it
        {"O", "L", QStringLiteral("VAZAMENTO"), EstadoUH::Resultado::SituacaoMudou, "O", QStringLiteral("ANTIGA")},
        {"M", "R", QStringLiteral("VAZAMENTO"), EstadoUH::Resultado::SituacaoMudou, "M", QStringLiteral("ANTIGA")},
    };
    int n = 0;
    for (const Caso &c : casos) {
        SCOPED_TRACE((QString::fromLatin1(c.situacao) + QStringLiteral("/") + QString::fromLatin1(c.lida) + QStringLiteral(" ") + c.motivo).toStdString());
        const QString numero = QString::number(500 + ++n);
        const qint64 u = uh(numero, QString::fromLatin1(c.situacao), QStringLiteral("ANTIGA"));
        const int logsAntes = int(logs().size());
        EXPECT_EQ(EstadoUH::iniciarManutencao(DM->Conexao, u, numero, QString::fromLatin1(c.lida), c.motivo), c.resultado);
        EXPECT_EQ(situacao(u), QString::fromLatin1(c.final));
        EXPECT_EQ(quarto(u).texto(QStringLiteral("MANUTENCAO")), c.gravado);
        if (c.resultado == EstadoUH::Resultado::Feito)
            EXPECT_EQ(logs().last(), u8("ADMIN|Registrou Manutenção da UH ") + numero + QStringLiteral(" (")
                                         + c.gravado + QStringLiteral(")"));
        else
            EXPECT_EQ(logs().size(), logsAntes);
    }
}

TEST_F(EstadoUHTeste, CancelarReservaDoDiaExcluiAReservaInteira)
{
    const qint64 joao = cliente(u8("JOÃO D'ÁVILA"));
    const qint64 u = uh(QStringLiteral("201"), QStringLiteral("R"));
    const qint64 r = reserva(u, {hoje, hoje.addDays(1), hoje.addDays(2)}, QStringLiteral("N"), QStringLiteral("N"), joao);
    const QString texto = QStringLiteral("Reserva: (%1) ").arg(r) + u8("JOÃO D'ÁVILA");
    QString nova;
    ASSERT_EQ(EstadoUH::cancelarReserva(DM->Conexao, r, u, texto, &nova), EstadoUH::Resultado::Feito);
    EXPECT_EQ(nova, QStringLiteral("L"));
    EXPECT_EQ(situacao(u), QStringLiteral("L"));
    EXPECT_EQ(banco().valor(QStringLiteral("SELECT EXCLUIDO FROM RESERVA WHERE ID_RESERVA = ?"), {r}).toString(),
              QStringLiteral("S"));
    EXPECT_EQ(contar(QStringLiteral("SELECT COUNT(*) FROM RESERVA_UH WHERE ID_RESERVA = ?"), {r}), 0);
    EXPECT_EQ(logs(), QStringList{QStringLiteral("ADMIN|Excluiu ") + texto});
}

TEST_F(EstadoUHTeste, CancelarReservaNaoPassaPorCimaDeOutraEstacao)
{
    struct Caso {
        const char *nome;
        std::function<void(qint64 uh, qint64 reserva)> antes; // done on another workstation
        EstadoUH::Resultado resultado;
        const char *situacaoFinal;
        const char *excluida;
        qint64 diasRestantes;
    };
    const QList<Caso> casos{
        {"hóspede já deu entrada: reserva confirmada e dias apagados",
         [&](qint64 u, qint64 r) {
             banco().executar(QStringLiteral("UPDATE RESERVA SET CONFIRMADA = 'S' WHERE ID_RESERVA = ?"), {r});
             banco().executar(QStringLiteral("DELETE FROM RESERVA_UH WHERE ID_RESERVA = ?"), {r});
             banco().executar(QStringLiteral("UPDATE UH SET SITUACAO = 'O' WHERE ID_UH = ?"), {u});
         },
         EstadoUH::Resultado::ReservaMudou, "O", "N", 0},
        {"reserva já excluída pela lista de reservas",
         [&](qint64, qint64 r) {
             banco().executar(QStringLiteral("UPDATE RESERVA SET EXCLUIDO = 'S' WHERE ID_RESERVA = ?"), {r});
         },
         EstadoUH::Resultado::ReservaMudou, "R", "S", 2},
        {"UH posta em manutenção: a reserva sai, a UH continua em manutenção",
         [&](qint64 u, qint64) {
             banco().executar(QStringLiteral("UPDATE UH SET SITUACAO = 'M' WHERE ID_UH = ?"), {u});
         },
         EstadoUH::Resultado::Feito, "M", "S", 0},
        {"hóspede entrou na UH sem usar a reserva: a UH fica ocupada",
         [&](qint64 u, qint64) {
             banco().executar(QStringLiteral("INSERT INTO WALK_IN (DATA_ENTRADA, DATA_SAIDA, ID_CLIENTE, ID_UH, "
                                             "QTD_ADULTOS) VALUES (?, ?, 1, ?, 1)"),
                              {hoje, hoje.addDays(1), u});
         },
         EstadoUH::Resultado::Feito, "O", "S", 0},
    };
    int n = 0;
    for (const Caso &c : casos) {
        SCOPED_TRACE(c.nome);
        const qint64 u = uh(QString::number(600 + ++n), QStringLiteral("R"));
        const qint64 r = reserva(u, {hoje, hoje.addDays(1)});
        c.antes(u, r);
        const int logsAntes = int(logs().size());
        EXPECT_EQ(EstadoUH::cancelarReserva(DM->Conexao, r, u, QStringLiteral("Reserva: (%1) CONSUMIDOR").arg(r)), c.resultado);
        EXPECT_EQ(situacao(u), QString::fromLatin1(c.situacaoFinal));
        EXPECT_EQ(banco().valor(QStringLiteral("SELECT EXCLUIDO FROM RESERVA WHERE ID_RESERVA = ?"), {r}).toString(),
                  QString::fromLatin1(c.excluida));
        EXPECT_EQ(contar(QStringLiteral("SELECT COUNT(*) FROM RESERVA_UH WHERE ID_RESERVA = ?"), {r}), c.diasRestantes);
        EXPECT_EQ(logs().size(), logsAntes + (c.resultado == EstadoUH::Resultado::Feito ? 1 : 0));
    }
}

TEST_F(EstadoUHTeste, ExclusaoDeUHSoLivreESemReservasPendentes)
{
    struct Caso {
        const char *nome;
        const char *situacao; // in the database
        const char *lida;
        std::function<void(qint64)> reservas;
        EstadoUH::Resultado resultado;
    };
    const QList<Caso> casos{
        {"livre e sem reservas", "L", "L", [](qint64) {}, EstadoUH::Resultado::Feito},
        {"livre, só reservas passadas ou excluídas", "L", "L",
         [&](qint64 u) {
             reserva(u, {hoje.addDays(-5), hoje.addDays(-3)});
             reserva(u, {hoje.addDays(5)}, QStringLiteral("N"), QStringLiteral("S"));
             reserva(u, {hoje.addDays(6)}, QStringLiteral("S"));
         },
         EstadoUH::Resultado::Feito},
        {"livre com reserva pendente futura", "L", "L", [&](qint64 u) { reserva(u, {hoje.addDays(20)}); },
         EstadoUH::Resultado::ReservasPendentes},
        {"ocupada", "O", "O", [](qint64) {}, EstadoUH::Resultado::NaoPermitida},
        {"em manutenção", "M", "M", [](qint64) {}, EstadoUH::Resultado::NaoPermitida},
        {"lida livre, reservada depois em outra estação", "R", "L", [](qint64) {},
         EstadoUH::Resultado::SituacaoMudou},
    };
    int n = 0;
    for (const Caso &c : casos) {
        SCOPED_TRACE(c.nome);
        const QString numero = QString::number(700 + ++n);
        const qint64 u = uh(numero, QString::fromLatin1(c.situacao));
        c.reservas(u);
        const int logsAntes = int(logs().size());
        EXPECT_EQ(EstadoUH::excluirUH(DM->Conexao, u, numero, QString::fromLatin1(c.lida)), c.resultado);
        const bool feito = c.resultado == EstadoUH::Resultado::Feito;
        EXPECT_EQ(quarto(u).texto(QStringLiteral("EXCLUIDO")), feito ? QStringLiteral("S") : QStringLiteral("N"));
        if (feito)
            EXPECT_EQ(logs().last(), u8("ADMIN|Excluiu UH -> Código ") + QString::number(u) + QStringLiteral(" (")
                                         + numero + QStringLiteral(")"));
        else
            EXPECT_EQ(logs().size(), logsAntes);
    }
}

TEST_F(EstadoUHTeste, AtualizacaoDoDiaUsaAMesmaRegra)
{
    // A reserved room whose reservation went away but which holds an open
    // stay takes "O", never "L"; a free room reserved today in RESERVA_UH
    // becomes "R"; rooms in maintenance or occupied are never touched.
    const qint64 r1 = uh(QStringLiteral("801"), QStringLiteral("R"));
    estadia(r1);
    const qint64 l1 = uh(QStringLiteral("802"), QStringLiteral("L"));
    reserva(l1, {hoje});
    const qint64 m1 = uh(QStringLiteral("803"), QStringLiteral("M"));
    reserva(m1, {hoje});
    const qint64 o1 = uh(QStringLiteral("804"), QStringLiteral("O"));
    const QList<EstadoUH::Mudanca> m = EstadoUH::atualizarReservasDoDia(DM->Conexao, hoje);
    ASSERT_EQ(m.size(), 2);
    EXPECT_EQ(situacao(r1), QStringLiteral("O"));
    EXPECT_EQ(situacao(l1), QStringLiteral("R"));
    EXPECT_EQ(situacao(m1), QStringLiteral("M"));
    EXPECT_EQ(situacao(o1), QStringLiteral("O"));
    EXPECT_EQ(logs(), (QStringList{u8("ADMIN|SISTEMA - Reserva Automática da UH 802"),
                                   u8("ADMIN|SISTEMA - Cancelamento de Reserva Automático da UH 801")}));
}
