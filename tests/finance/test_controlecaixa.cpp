// Cash in and out of the open cash-register shift.
#include "finance/ControleCaixa.h"
#include "support/TelasTeste.h"

namespace {

class Caixa : public TelasTeste {
protected:
    qint64 abrirTurno(const QString &saldo)
    {
        return banco()
            .valor(QStringLiteral("INSERT INTO CAIXA (DATA_ABERT, HORA_ABERT, USUARIO, ATUAL, VALOR_ABERT) "
                                  "VALUES (?, ?, 'ADMIN', ?, ?) RETURNING ID_CAIXA"),
                   {QDate(2026, 12, 10), QTime(8, 0), Dinheiro::deTextoOuErro(saldo).paraBanco(),
                    Dinheiro::deTextoOuErro(saldo).paraBanco()})
            .toLongLong();
    }
    QString saldo(qint64 idCaixa)
    {
        return banco()
            .ler(QStringLiteral("SELECT ATUAL FROM CAIXA WHERE ID_CAIXA = ?"), {idCaixa})
            .dinheiro(QStringLiteral("ATUAL"))
            .formatado();
    }
};

struct Caso {
    const char *nome;
    int turnos;            // open shifts before the call
    const char *saldoInicial;
    const char *tipo;
    const char *valor;
    const char *mostra;
    bool sucesso;
    const char *mensagem;  // "" = no message
    const char *saldoFinal; // of every open shift
};

} // namespace

TEST_F(Caixa, TabelaDeCasos)
{
    const QString ok = TextosCaixa::Sucesso;
    const Caso casos[] = {
        {"saque igual ao saldo, sem mensagem", 1, "1.000,00", "-", "1.000,00", "N", true, "", "0,00"},
        {"saque igual ao saldo, com mensagem", 1, "1.000,00", "-", "1.000,00", "S", true,
         "Operação Realizada com Sucesso, Saldo do CAIXA Atualizado!", "0,00"},
        {"saque de um centavo a mais", 1, "1.000,00", "-", "1.000,01", "S", false, "Saldo Insuficiente no CAIXA!",
         "1.000,00"},
        {"saque abaixo do saldo", 1, "250,75", "-", "0,75", "N", true, "", "250,00"},
        {"entrada com mensagem", 1, "100,00", "+", "1.234,56", "S", true,
         "Operação Realizada com Sucesso, Saldo do CAIXA Atualizado!", "1.334,56"},
        {"entrada sem mensagem", 1, "100,00", "+", "0,50", "N", true, "", "100,50"},
        {"entrada sem separador de milhar", 1, "0,00", "+", "1234,5", "N", true, "", "1.234,50"},
        {"tipo desconhecido", 1, "100,00", "*", "1,00", "S", false, "Saldo Insuficiente no CAIXA!", "100,00"},
        {"saque sem turno aberto", 0, "", "-", "10,00", "S", false, "Saldo Insuficiente no CAIXA!", ""},
        {"entrada sem turno aberto", 0, "", "+", "10,00", "S", false,
         "Necessário Abrir o Caixa para Funcionamento do Sistema!", ""},
        {"entrada com dois turnos abertos", 2, "50,00", "+", "10,00", "S", false,
         "Necessário Abrir o Caixa para Funcionamento do Sistema!", "50,00"},
        {"saque com dois turnos abertos", 2, "50,00", "-", "10,00", "S", false,
         "Necessário Abrir o Caixa para Funcionamento do Sistema!", "50,00"},
    };
    // Two open shifts can only exist without the index that forbids them.
    banco().executar(QStringLiteral("DROP INDEX UNQ_CAIXA_ABERTO"));
    for (const Caso &c : casos) {
        SCOPED_TRACE(c.nome);
        banco().executar(QStringLiteral("DELETE FROM CAIXA"));
        QList<qint64> turnos;
        for (int i = 0; i < c.turnos; ++i)
            turnos.append(abrirTurno(QString::fromUtf8(c.saldoInicial)));
        // a closed shift is never touched
        const qint64 fechado = abrirTurno(QStringLiteral("7,00"));
        banco().executar(QStringLiteral("UPDATE CAIXA SET DATA_FECHA = ? WHERE ID_CAIXA = ?"),
                         {QDate(2026, 12, 9), fechado});
        Sessao::atual().CaixaSucesso = !c.sucesso;
        Sessao::atual().SaldoCaixa = true;

        const ResultadoCaixa r = ControleCaixa(DM->Conexao, QString::fromUtf8(c.tipo), QString::fromUtf8(c.valor),
                                               QString::fromUtf8(c.mostra));
        EXPECT_EQ(r.sucesso, c.sucesso);
        EXPECT_EQ(Sessao::atual().CaixaSucesso, c.sucesso);
        EXPECT_FALSE(Sessao::atual().SaldoCaixa);
        EXPECT_EQ(r.mensagem, QString::fromUtf8(c.mensagem));
        EXPECT_EQ(r.tipo, r.mensagem == ok || r.mensagem.isEmpty() ? Mensagem::Tipo::Informacao : Mensagem::Tipo::Aviso);
        EXPECT_TRUE(msg->mostradas().isEmpty()) << "a mensagem só aparece quando o chamador a mostra";
        for (qint64 t : turnos)
            EXPECT_EQ(saldo(t), QString::fromUtf8(c.saldoFinal));
        EXPECT_EQ(saldo(fechado), QStringLiteral("7,00"));
    }
}

TEST_F(Caixa, BancoRecusaSegundoTurnoAberto)
{
    abrirTurno(QStringLiteral("10,00"));
    EXPECT_THROW(abrirTurno(QStringLiteral("20,00")), ErroBanco);
    EXPECT_EQ(contar(QStringLiteral("SELECT COUNT(*) FROM CAIXA WHERE DATA_FECHA IS NULL")), 1);
}

TEST_F(Caixa, ParticipaDaTransacaoDoChamadorEMostraDepoisDoCommit)
{
    const qint64 t = abrirTurno(QStringLiteral("100,00"));

    // The caller's operation fails after the cash move: both are undone.
    EXPECT_THROW(DM->Conexao.emTransacao([&] {
        const ResultadoCaixa r = ControleCaixa(DM->Conexao, QStringLiteral("-"), QStringLiteral("40,00"), QStringLiteral("S"));
        EXPECT_TRUE(r.sucesso);
        throw ErroSistema(QStringLiteral("a gravação do recibo falhou"));
    }),
                 ErroSistema);
    EXPECT_EQ(saldo(t), QStringLiteral("100,00"));

    // Success: nothing is shown inside the transaction, the message comes after the commit.
    ResultadoCaixa caixa;
    DM->Conexao.emTransacao([&] {
        caixa = ControleCaixa(DM->Conexao, QStringLiteral("-"), QStringLiteral("40,00"), QStringLiteral("S"));
        EXPECT_TRUE(msg->mostradas().isEmpty());
    });
    EXPECT_EQ(saldo(t), QStringLiteral("60,00"));
    msg->esperar(QStringLiteral("Operação Realizada com Sucesso, Saldo do CAIXA Atualizado!"));
    caixa.mostrar();
    ASSERT_EQ(msg->mostradas().size(), 1);
    EXPECT_EQ(msg->mostradas()[0].titulo, QStringLiteral("Informação"));

    // A refusal inside the caller's transaction changes nothing and lets it commit the rest.
    DM->Conexao.emTransacao([&] {
        caixa = ControleCaixa(DM->Conexao, QStringLiteral("-"), QStringLiteral("60,01"), QStringLiteral("N"));
    });
    EXPECT_FALSE(caixa.sucesso);
    EXPECT_EQ(saldo(t), QStringLiteral("60,00"));
    msg->esperar(QStringLiteral("Saldo Insuficiente no CAIXA!"));
    caixa.mostrar();
    EXPECT_EQ(msg->mostradas().last().titulo, QStringLiteral("Atenção"));
}

TEST_F(Caixa, ValorIlegivelOuNegativoNaoAlteraNada)
{
    const qint64 t = abrirTurno(QStringLiteral("100,00"));
    EXPECT_THROW(ControleCaixa(DM->Conexao, QStringLiteral("+"), QStringLiteral("12,3,4"), QStringLiteral("S")), ErroConversao);
    EXPECT_THROW(ControleCaixa(DM->Conexao, QStringLiteral("+"), QStringLiteral("abc"), QStringLiteral("S")), ErroConversao);
    // a negative withdrawal would put money in
    EXPECT_THROW(ControleCaixa(DM->Conexao, QStringLiteral("-"), QStringLiteral("-50,00"), QStringLiteral("S")), ErroConversao);
    EXPECT_FALSE(Sessao::atual().CaixaSucesso);
    EXPECT_EQ(saldo(t), QStringLiteral("100,00"));
    // money already computed goes in as it is, to the cent
    EXPECT_TRUE(ControleCaixa(DM->Conexao, QStringLiteral("+"), Dinheiro::deCentavos(1), QStringLiteral("N")).sucesso);
    EXPECT_EQ(saldo(t), QStringLiteral("100,01"));
}
