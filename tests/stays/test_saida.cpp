// The check-out rules: the amount due and the question of the check-out
// start, the items to give back, and the confirmation as one transaction
// (means booked into the shift and the stay, deposit and boleto as
// withdrawals, the on-account bill, the closed rows, the room to cleaning,
// the log), its refusals that leave everything as it was, and two
// workstations closing the same stay at the same moment.
#include "base/Relogio.h"
#include "base/Sessao.h"
#include "finance/Notas.h"
#include "stays/Saida.h"
#include "support/TelasTeste.h"

#include <QThread>
#include <atomic>

namespace {

const QDate kHoje(2026, 3, 12);
const QDateTime kSaida(kHoje, QTime(11, 30, 0));

Dinheiro reais(const char *t) { return Dinheiro::deTextoOuErro(QString::fromUtf8(t)); }

class SaidaTeste : public TelasTeste {
protected:
    void SetUp() override
    {
        TelasTeste::SetUp();
        Relogio::definir(QDateTime(kHoje, QTime(11, 30, 0)));
        tipo = banco()
                   .valor(QStringLiteral("INSERT INTO TIPO_UH (DESCRICAO, ABREV, P1, P2, P3) VALUES ('LUXO', 'LX', "
                                         "150, 20, 90) RETURNING ID_TIPO_UH"))
                   .toLongLong();
        uh = banco()
                 .valor(QStringLiteral("INSERT INTO UH (ID_TIPO_UH, NUMERO, SITUACAO) VALUES (?, '101', 'O') "
                                       "RETURNING ID_UH"),
                        {tipo})
                 .toLongLong();
        cliente = banco()
                      .valor(QStringLiteral("INSERT INTO CLIENTE (NOME, TIPO_PESSOA, CNPJ_CPF) VALUES ('ANA D''ÁVILA', "
                                            "'F', '') RETURNING ID_CLIENTE"))
                      .toLongLong();
    }
    void TearDown() override
    {
        Relogio::liberar();
        TelasTeste::TearDown();
    }

    qint64 abrirCaixa(const char *atual = "100,00")
    {
        return banco()
            .valor(QStringLiteral("INSERT INTO CAIXA (DATA_ABERT, HORA_ABERT, USUARIO, ATUAL, VALOR_ABERT) "
                                  "VALUES (?, '08:00', 'ADMIN', ?, ?) RETURNING ID_CAIXA"),
                   {kHoje, reais(atual).paraBanco(), reais(atual).paraBanco()})
            .toLongLong();
    }

    // A hotel stay of two nights of 150,00, a guest, a vehicle and the given
    // consumption (unit value, paid) and advance.
    qint64 estadia(QList<QPair<const char *, bool>> consumo = {{"33,00", false}}, const char *adiantado = "0,00")
    {
        const qint64 id = banco()
                              .valor(QStringLiteral("INSERT INTO WALK_IN (DATA_ENTRADA, HORA_ENTRADA, DATA_SAIDA, "
                                                    "HORA_SAIDA, ID_CLIENTE, ID_UH, QTD_ADULTOS, VALOR_DIARIA, BAIXA, "
                                                    "ADIANTADO, OBS) VALUES (?, '14:00', ?, '12:00', ?, ?, 2, 150, "
                                                    "'N', ?, 'VISTA MAR') RETURNING ID_WALK_IN"),
                                     {kHoje.addDays(-2), kHoje, cliente, uh, reais(adiantado).paraBanco()})
                              .toLongLong();
        for (int i = 0; i < 2; ++i)
            banco().executar(QStringLiteral("INSERT INTO OCUPACAO (ID_ENTRADA, DATA, VALOR, QTD) VALUES (?, ?, 150, 2)"),
                             {id, kHoje.addDays(i - 2)});
        for (const auto &[valor, pago] : consumo)
            banco().executar(QStringLiteral("INSERT INTO DESPESA_UH (ID_ENTRADA, ID_P_S, QTD, VALOR_UNIT, DATA, PAGO) "
                                            "VALUES (?, 0, 1, ?, ?, ?)"),
                             {id, reais(valor).paraBanco(), kHoje, pago ? "S" : "N"});
        banco().executar(QStringLiteral("INSERT INTO HOSPEDE (ID_ENTRADA, NOME) VALUES (?, 'ANA D''ÁVILA')"), {id});
        banco().executar(QStringLiteral("INSERT INTO VEICULO (ID_ENTRADA, MODELO, PLACA) VALUES (?, 'GOL', 'ABC1234')"),
                         {id});
        return id;
    }

    Saida::Fechamento fechamento(qint64 id, Dinheiro restante)
    {
        Saida::Fechamento f;
        f.idEntrada = id;
        f.restante = restante;
        f.saida = kSaida;
        f.obs = QStringLiteral("SAIU CEDO D'ÁVILA");
        f.cliente = QStringLiteral("ANA D'ÁVILA");
        f.uh = QStringLiteral("101 / LX");
        f.usuario = QStringLiteral("ADMIN");
        return f;
    }

    // The open shift's balances: "ATUAL|CARTAO|DEBVISA|MASTER|DEBMASTER|HIPER|CHEQUE|NOTAS".
    QString caixa()
    {
        const Linha l = banco().ler(QStringLiteral("SELECT ATUAL, ATUAL_CARTAO, ATUAL_DEBVISA, ATUAL_MASTER, "
                                                   "ATUAL_DEBMASTER, ATUAL_HIPER, ATUAL_CHEQUE, ATUAL_NOTAS FROM CAIXA "
                                                   "WHERE DATA_FECHA IS NULL"));
        QStringList r;
        for (int i = 0; i < l.registro().count(); ++i)
            r << Dinheiro::deVariant(l.valor(i)).formatado();
        return r.join(QLatin1Char('|'));
    }
    // The stay: "BAIXA|DINHEIRO|VISA|DEBVISA|MASTER|DEBMASTER|HIPER|CHEQUE|NOTA|FORMA_PAG".
    QString estado(qint64 id)
    {
        const Linha l = banco().ler(QStringLiteral("SELECT BAIXA, DINHEIRO, VISA, DEBVISA, MASTER, DEBMASTER, HIPER, "
                                                   "CHEQUE, NOTA, FORMA_PAG FROM WALK_IN WHERE ID_WALK_IN = ?"),
                                    {id});
        QStringList r{l.texto(QStringLiteral("BAIXA"))};
        for (const char *c : {"DINHEIRO", "VISA", "DEBVISA", "MASTER", "DEBMASTER", "HIPER", "CHEQUE", "NOTA"})
            r << l.dinheiro(QString::fromLatin1(c)).formatado();
        r << l.texto(QStringLiteral("FORMA_PAG"));
        return r.join(QLatin1Char('|'));
    }

    qint64 tipo = 0, uh = 0, cliente = 0;
};

TEST_F(SaidaTeste, ValorRestanteEPerguntaDaSaida)
{
    const qint64 id = estadia({{"33,00", false}}, "100,00");
    const Saida::Inicio i = Saida::iniciar(banco(), id, kSaida);
    EXPECT_EQ(i.conta.total, reais("333,00"));
    EXPECT_EQ(i.conta.restante, reais("233,00"));
    EXPECT_EQ(i.pergunta, QStringLiteral("---TOTAL---\rValor Total da Estadia: R$ 333,00\rPagamento Adiantado: R$ "
                                         "100,00\rDespesas e Consumos Pagos: R$0,00\r\rConfirmar Saída de Hóspede?\r"
                                         "Valor Restante a ser Recebido é de ::: R$ 233,00 :::"));
    // Nothing is written by the start.
    EXPECT_EQ(estado(id), QStringLiteral("N|0,00|0,00|0,00|0,00|0,00|0,00|0,00|0,00|"));

    // A line paid at once is in the total and in the advance: not charged twice.
    struct Caso {
        QList<QPair<const char *, bool>> consumo;
        const char *adiantado;
        const char *total, *pagos, *restante;
    } casos[] = {
        {{{"33,00", false}, {"20,00", true}}, "20,00", "353,00", "20,00", "333,00"},
        {{}, "300,00", "300,00", "0,00", "0,00"},
        {{}, "350,00", "300,00", "0,00", "-50,00"},
    };
    for (const Caso &c : casos) {
        const Saida::Conta k = Saida::calcular(banco(), estadia(c.consumo, c.adiantado), kSaida);
        EXPECT_EQ(k.total.formatado(), QString::fromUtf8(c.total));
        EXPECT_EQ(k.consumoPago.formatado(), QString::fromUtf8(c.pagos));
        EXPECT_EQ(k.restante.formatado(), QString::fromUtf8(c.restante));
    }
    const qint64 negativo = estadia({}, "350,00");
    EXPECT_TRUE(Saida::iniciar(banco(), negativo, kSaida)
                    .pergunta.endsWith(QStringLiteral("Valor Restante a ser Recebido é de ::: R$ -50,00 :::")));
}

TEST_F(SaidaTeste, ItensADevolverContraOPadraoDaUH)
{
    const qint64 id = estadia();
    const auto item = [&](const char *nome) {
        return banco()
            .valor(QStringLiteral("INSERT INTO ITEM (DESCRICAO) VALUES (?) RETURNING ID_ITEM"), {QString::fromUtf8(nome)})
            .toLongLong();
    };
    const qint64 toalha = item("TOALHA"), controle = item("CONTROLE"), lencol = item("LENÇOL");
    // Standard: 2 towels for the type, 1 remote for the room, 2 sheets for the type.
    banco().executar(QStringLiteral("INSERT INTO PADRAO_ITEM (ID_TIPO_UH, ID_ITEM, QTD) VALUES (?, ?, 2)"), {tipo, toalha});
    banco().executar(QStringLiteral("INSERT INTO PADRAO_UH (ID_UH, ID_ITEM, QTD) VALUES (?, ?, 1)"), {uh, controle});
    banco().executar(QStringLiteral("INSERT INTO PADRAO_ITEM (ID_TIPO_UH, ID_ITEM, QTD) VALUES (?, ?, 2)"), {tipo, lencol});
    const qint64 travesseiro = item("TRAVESSEIRO"); // no standard at all
    for (auto [i, q] : {QPair<qint64, int>{toalha, 2}, {toalha, 1}, {controle, 1}, {lencol, 2}, {travesseiro, 2}})
        banco().executar(QStringLiteral("INSERT INTO ITEM_ENTRADA (ID_ENTRADA, ID_ITEM, QTD) VALUES (?, ?, ?)"),
                         {id, i, q});
    const QString itens = Saida::textoItens(Saida::itensDevolver(banco(), id));
    EXPECT_EQ(itens, QStringLiteral("\r\rObs.: O Hóspede terá que devolver os Itens Abaixo:\r- TOALHA (1)\r"
                                    "- TRAVESSEIRO (2)\r"));
    EXPECT_TRUE(Saida::iniciar(banco(), id, kSaida).pergunta.endsWith(QStringLiteral(":::") + itens));
    EXPECT_EQ(Saida::textoItens({}), QString());
}

TEST_F(SaidaTeste, SaidaEmDinheiroFechaTudoNumaTransacao)
{
    abrirCaixa();
    const qint64 id = estadia({{"33,00", false}, {"10,00", false}}, "100,00");
    const qint64 outra = estadia(); // another stay: nothing of it changes
    Saida::Fechamento f = fechamento(id, reais("243,00"));
    f.pagamento.valores[MeioCaixa::Dinheiro] = reais("243,00");
    const Saida::Resultado r = Saida::confirmar(banco(), f);
    ASSERT_TRUE(r.fechada()) << r.mensagem.toStdString();
    EXPECT_FALSE(r.notasPendentes);
    EXPECT_TRUE(r.avisos.isEmpty());
    EXPECT_EQ(caixa(), QStringLiteral("343,00|0,00|0,00|0,00|0,00|0,00|0,00|0,00"));
    EXPECT_EQ(estado(id), QStringLiteral("S|243,00|0,00|0,00|0,00|0,00|0,00|0,00|0,00|Dinheiro"));
    const Linha w = banco().ler(QStringLiteral("SELECT DATA_SAIDA, HORA_SAIDA, OBS, USUARIO FROM WALK_IN "
                                               "WHERE ID_WALK_IN = ?"),
                                {id});
    EXPECT_EQ(w.data(QStringLiteral("DATA_SAIDA")), kHoje);
    EXPECT_EQ(w.hora(QStringLiteral("HORA_SAIDA")), QTime(11, 30));
    EXPECT_EQ(w.texto(QStringLiteral("OBS")), QStringLiteral("SAIU CEDO D'ÁVILA"));
    EXPECT_EQ(w.texto(QStringLiteral("USUARIO")), QStringLiteral("ADMIN"));
    for (const char *t : {"HOSPEDE", "VEICULO"}) {
        EXPECT_EQ(contar(QStringLiteral("SELECT COUNT(*) FROM %1 WHERE ID_ENTRADA = ? AND BAIXA = 'S'").arg(t), {id}), 1);
        EXPECT_EQ(contar(QStringLiteral("SELECT COUNT(*) FROM %1 WHERE ID_ENTRADA = ? AND BAIXA = 'N'").arg(t), {outra}),
                  1);
    }
    EXPECT_EQ(contar(QStringLiteral("SELECT COUNT(*) FROM DESPESA_UH WHERE ID_ENTRADA = ? AND PAGO = 'S'"), {id}), 2);
    EXPECT_EQ(contar(QStringLiteral("SELECT COUNT(*) FROM DESPESA_UH WHERE ID_ENTRADA = ? AND PAGO = 'N'"), {outra}), 1);
    const Linha q = banco().ler(QStringLiteral("SELECT SITUACAO, MANUTENCAO FROM UH WHERE ID_UH = ?"), {uh});
    EXPECT_EQ(q.texto(QStringLiteral("SITUACAO")) + QLatin1Char('|') + q.texto(QStringLiteral("MANUTENCAO")),
              QStringLiteral("M|Limpeza"));
    EXPECT_EQ(logs(), QStringList{QStringLiteral("ADMIN|Registrou Saída de Hóspede -> Código %1 (ANA D'ÁVILA - 101 / LX)")
                                      .arg(id)});
    EXPECT_EQ(contar(QStringLiteral("SELECT COUNT(*) FROM NOTA")), 0);
    EXPECT_EQ(contar(QStringLiteral("SELECT COUNT(*) FROM RET_CAIXA")), 0);
}

TEST_F(SaidaTeste, VariosMeiosEAPrazoComNotaEAviso)
{
    abrirCaixa();
    const qint64 id = estadia({{"33,00", false}}, "0,00");
    // Advances already in the stay's columns stay there; the check-out adds to them.
    banco().executar(QStringLiteral("UPDATE WALK_IN SET VISA = 10 WHERE ID_WALK_IN = ?"), {id});
    Saida::Fechamento f = fechamento(id, reais("333,00"));
    f.desconto = reais("3,00");
    f.pagamento.valores[MeioCaixa::CreditoVisa] = reais("100,00");
    f.pagamento.valores[MeioCaixa::DebitoVisa] = reais("20,00");
    f.pagamento.valores[MeioCaixa::CreditoMaster] = reais("30,00");
    f.pagamento.valores[MeioCaixa::DebitoMaster] = reais("40,00");
    f.pagamento.valores[MeioCaixa::Hipercard] = reais("50,00");
    f.pagamento.valores[MeioCaixa::PixChq] = reais("40,00");
    f.pagamento.valores[MeioCaixa::APrazo] = reais("50,00");
    const Saida::Resultado r = Saida::confirmar(banco(), f);
    ASSERT_TRUE(r.fechada()) << r.mensagem.toStdString();
    EXPECT_EQ(caixa(), QStringLiteral("100,00|100,00|20,00|30,00|40,00|50,00|40,00|50,00"));
    EXPECT_EQ(estado(id), QStringLiteral("S|0,00|110,00|20,00|30,00|40,00|50,00|40,00|50,00|Diversas"));
    EXPECT_EQ(banco().ler(QStringLiteral("SELECT DESCONTO FROM WALK_IN WHERE ID_WALK_IN = ?"), {id})
                  .dinheiro(QStringLiteral("DESCONTO")),
              reais("3,00"));
    // One open bill of the amount left on account; its means wait for the settlement.
    const Linha n = banco().ler(QStringLiteral("SELECT ID_NOTA, VALOR, PAGO, DINHEIRO + VISA + DEBVISA + MASTER + "
                                               "DEBMASTER + HIPER + CHEQUE + DEPOSITO AS MEIOS FROM NOTA WHERE "
                                               "ID_ENTRADA = ?"),
                                {id});
    EXPECT_EQ(n.inteiro(QStringLiteral("ID_NOTA")), r.idNota);
    EXPECT_EQ(n.dinheiro(QStringLiteral("VALOR")), reais("50,00"));
    EXPECT_EQ(n.texto(QStringLiteral("PAGO")), QStringLiteral("N"));
    EXPECT_EQ(n.dinheiro(QStringLiteral("MEIOS")), Dinheiro());
    EXPECT_TRUE(r.notasPendentes);
    EXPECT_EQ(contar(QStringLiteral("SELECT COUNT(*) FROM NOTA")), 1);

    // The customer's next check-out warns of the bill still open.
    const qint64 proxima = estadia({}, "300,00");
    const Saida::Resultado r2 = Saida::confirmar(banco(), fechamento(proxima, Dinheiro()));
    ASSERT_TRUE(r2.fechada());
    EXPECT_TRUE(r2.notasPendentes);
    EXPECT_EQ(estado(proxima), QStringLiteral("S|0,00|0,00|0,00|0,00|0,00|0,00|0,00|0,00|"));

    // Settled later with the debit cards: the bill's means add up to its VALOR.
    Notas::Pagamento p;
    p[Notas::MeioNota::DebitoVisa] = reais("20,00");
    p[Notas::MeioNota::DebitoMaster] = reais("30,00");
    ASSERT_TRUE(Notas::baixar(DM->Conexao, r.idNota, p).baixada());
    EXPECT_EQ(banco()
                  .ler(QStringLiteral("SELECT DINHEIRO + VISA + DEBVISA + MASTER + DEBMASTER + HIPER + CHEQUE + "
                                      "DEPOSITO AS MEIOS FROM NOTA WHERE ID_NOTA = ?"),
                       {r.idNota})
                  .dinheiro(QStringLiteral("MEIOS")),
              reais("50,00"));
    EXPECT_EQ(caixa(), QStringLiteral("100,00|100,00|40,00|30,00|70,00|50,00|40,00|0,00"));
}

TEST_F(SaidaTeste, DepositoEBoletoNaoPassamPeloDinheiro)
{
    abrirCaixa();
    struct Caso {
        bool deposito;
        QString descricao, aviso;
    } casos[] = {
        {true, QStringLiteral("Pagamento de Hospedagem - Depósito em Conta"),
         QStringLiteral("Retirada Automática de Deposito Realizada com Sucesso!")},
        {false, QStringLiteral("Pagamento de Hospedagem - Boleto Bancário"),
         QStringLiteral("Retirada Automática de Boleto Realizada com Sucesso!")},
    };
    for (const Caso &c : casos) {
        banco().executar(QStringLiteral("DELETE FROM LOG"));
        banco().executar(QStringLiteral("DELETE FROM RET_CAIXA"));
        const qint64 id = estadia({}, "220,00");
        Saida::Fechamento f = fechamento(id, reais("80,00"));
        (c.deposito ? f.pagamento.valores.deposito : f.pagamento.boleto) = reais("80,00");
        const Saida::Resultado r = Saida::confirmar(banco(), f);
        ASSERT_TRUE(r.fechada()) << r.mensagem.toStdString();
        EXPECT_EQ(r.avisos, QStringList{c.aviso});
        EXPECT_EQ(caixa(), QStringLiteral("100,00|0,00|0,00|0,00|0,00|0,00|0,00|0,00"));
        EXPECT_EQ(estado(id), QStringLiteral("S|0,00|0,00|0,00|0,00|0,00|0,00|0,00|0,00|")
                                  + (c.deposito ? QStringLiteral("Depósito em Conta") : QStringLiteral("Boleto Bancário")));
        const Linha ret = banco().ler(QStringLiteral("SELECT COUNT(*) AS N, MAX(VALOR) AS VALOR, MAX(DESCRICAO) AS D, "
                                                     "MAX(TIPO) AS TIPO, MAX(USUARIO) AS U, MAX(DATA_RET) AS DIA "
                                                     "FROM RET_CAIXA"));
        EXPECT_EQ(ret.inteiro(QStringLiteral("N")), 1);
        EXPECT_EQ(ret.dinheiro(QStringLiteral("VALOR")), reais("80,00"));
        EXPECT_EQ(ret.texto(QStringLiteral("D")), c.descricao);
        EXPECT_EQ(ret.texto(QStringLiteral("TIPO")), QStringLiteral("Dinheiro"));
        EXPECT_EQ(ret.texto(QStringLiteral("U")), QStringLiteral("ADMIN"));
        EXPECT_EQ(ret.data(QStringLiteral("DIA")), kHoje);
        EXPECT_EQ(logs(), (QStringList{QStringLiteral("ADMIN|Retirou 80,00 do Caixa em Dinheiro! (") + c.descricao
                                           + QLatin1Char(')'),
                                       QStringLiteral("ADMIN|Registrou Saída de Hóspede -> Código %1 (ANA D'ÁVILA - "
                                                      "101 / LX)")
                                           .arg(id)}));
    }
}

TEST_F(SaidaTeste, RecusasNaoGravamNada)
{
    const qint64 id = estadia({{"33,00", false}}, "100,00");
    struct Caso {
        const char *nome;
        std::function<void(Saida::Fechamento &)> preparar;
        bool caixaAberto;
        Saida::Resultado::Situacao situacao;
        QString mensagem;
    } casos[] = {
        {"adiantado maior", [](Saida::Fechamento &f) { f.restante = reais("-50,00"); }, true,
         Saida::Resultado::Situacao::ValorMaior, QStringLiteral("Valor Pago está Maior que a Estadia! Adicione Despesas!")},
        {"soma menor", [](Saida::Fechamento &f) { f.pagamento.valores[MeioCaixa::Dinheiro] = reais("200,00"); }, true,
         Saida::Resultado::Situacao::ValorDiferente, QStringLiteral("Valor Informado Diferente do Valor Restante!")},
        {"troco em cartão",
         [](Saida::Fechamento &f) {
             f.pagamento.valores[MeioCaixa::Dinheiro] = reais("233,00");
             f.pagamento.valores[MeioCaixa::CreditoVisa] = reais("20,00");
         },
         true, Saida::Resultado::Situacao::ValorDiferente, QStringLiteral("Valor Informado Diferente do Valor Restante!")},
        {"valor negativo",
         [](Saida::Fechamento &f) {
             f.pagamento.valores[MeioCaixa::Dinheiro] = reais("253,00");
             f.pagamento.valores[MeioCaixa::CreditoVisa] = reais("-20,00");
         },
         true, Saida::Resultado::Situacao::ValorInvalido,
         QStringLiteral("Valor Inválido! Informe os Valores em Reais, como 1.234,56.")},
        {"cartão sem caixa", [](Saida::Fechamento &f) { f.pagamento.valores[MeioCaixa::CreditoVisa] = reais("233,00"); },
         false, Saida::Resultado::Situacao::SemCaixa,
         QStringLiteral("Necessário Abrir o Caixa para Funcionamento do Sistema!")},
        {"boleto sem caixa", [](Saida::Fechamento &f) { f.pagamento.boleto = reais("233,00"); }, false,
         Saida::Resultado::Situacao::SemCaixa, QStringLiteral("Necessário Abrir o Caixa para Funcionamento do Sistema!")},
        {"a prazo sem caixa", [](Saida::Fechamento &f) { f.pagamento.valores[MeioCaixa::APrazo] = reais("233,00"); },
         false, Saida::Resultado::Situacao::SemCaixa,
         QStringLiteral("Necessário Abrir o Caixa para Funcionamento do Sistema!")},
    };
    for (const Caso &c : casos) {
        SCOPED_TRACE(c.nome);
        banco().executar(QStringLiteral("DELETE FROM CAIXA"));
        if (c.caixaAberto)
            abrirCaixa();
        Saida::Fechamento f = fechamento(id, reais("233,00"));
        c.preparar(f);
        const Saida::Resultado r = Saida::confirmar(banco(), f);
        EXPECT_EQ(r.situacao, c.situacao);
        EXPECT_EQ(r.mensagem, c.mensagem);
        EXPECT_EQ(estado(id), QStringLiteral("N|0,00|0,00|0,00|0,00|0,00|0,00|0,00|0,00|"));
        EXPECT_EQ(contar(QStringLiteral("SELECT COUNT(*) FROM DESPESA_UH WHERE PAGO = 'S'")), 0);
        EXPECT_EQ(contar(QStringLiteral("SELECT COUNT(*) FROM NOTA")), 0);
        EXPECT_EQ(contar(QStringLiteral("SELECT COUNT(*) FROM RET_CAIXA")), 0);
        EXPECT_EQ(contar(QStringLiteral("SELECT COUNT(*) FROM UH WHERE SITUACAO = 'M'")), 0);
        EXPECT_EQ(logs(), QStringList());
        if (c.caixaAberto) {
            EXPECT_EQ(caixa(), QStringLiteral("100,00|0,00|0,00|0,00|0,00|0,00|0,00|0,00"));
        }
    }
}

TEST_F(SaidaTeste, ConsumoLancadoDepoisDaPerguntaNaoEhMarcadoPagoSemCobranca)
{
    abrirCaixa();
    const qint64 id = estadia({{"33,00", false}}, "100,00");
    const Saida::Inicio inicio = Saida::iniciar(banco(), id, kSaida);
    ASSERT_EQ(inicio.conta.restante, reais("233,00"));
    // A restaurant terminal charges a line while the clerk is at the payment screen.
    banco().executar(QStringLiteral("INSERT INTO DESPESA_UH (ID_ENTRADA, ID_P_S, QTD, VALOR_UNIT, DATA) "
                                    "VALUES (?, 0, 2, 12.5, ?)"),
                     {id, kHoje});
    Saida::Fechamento f = fechamento(id, inicio.conta.restante);
    f.pagamento.valores[MeioCaixa::Dinheiro] = reais("233,00");
    Saida::Resultado r = Saida::confirmar(banco(), f);
    EXPECT_EQ(r.situacao, Saida::Resultado::Situacao::ValorAlterado);
    EXPECT_EQ(r.mensagem, QStringLiteral("Os Valores desta Entrada foram Alterados em Outra Estação! Nenhum Valor foi "
                                         "Lançado.\r\rNovo Valor Restante: R$ 258,00"));
    EXPECT_EQ(r.conta.restante, reais("258,00"));
    EXPECT_EQ(estado(id), QStringLiteral("N|0,00|0,00|0,00|0,00|0,00|0,00|0,00|0,00|"));
    EXPECT_EQ(caixa(), QStringLiteral("100,00|0,00|0,00|0,00|0,00|0,00|0,00|0,00"));
    EXPECT_EQ(contar(QStringLiteral("SELECT COUNT(*) FROM DESPESA_UH WHERE PAGO = 'S'")), 0);

    // With the new amount the check-out goes through and settles both lines.
    f.restante = r.conta.restante;
    f.pagamento.valores[MeioCaixa::Dinheiro] = reais("258,00");
    r = Saida::confirmar(banco(), f);
    ASSERT_TRUE(r.fechada()) << r.mensagem.toStdString();
    EXPECT_EQ(contar(QStringLiteral("SELECT COUNT(*) FROM DESPESA_UH WHERE ID_ENTRADA = ? AND PAGO = 'S'"), {id}), 2);
    EXPECT_EQ(caixa(), QStringLiteral("358,00|0,00|0,00|0,00|0,00|0,00|0,00|0,00"));
}

TEST_F(SaidaTeste, EstadiaJaFechadaOuCanceladaNaoLancaNada)
{
    abrirCaixa();
    for (const char *coluna : {"BAIXA", "EXCLUIDO"}) {
        const qint64 id = estadia();
        banco().executar(QStringLiteral("UPDATE WALK_IN SET %1 = 'S' WHERE ID_WALK_IN = ?").arg(QLatin1String(coluna)),
                         {id});
        Saida::Fechamento f = fechamento(id, reais("333,00"));
        f.pagamento.valores[MeioCaixa::Dinheiro] = reais("333,00");
        const Saida::Resultado r = Saida::confirmar(banco(), f);
        EXPECT_EQ(r.situacao, Saida::Resultado::Situacao::JaFechada);
        EXPECT_EQ(r.mensagem, QStringLiteral("Esta Entrada já foi Fechada em Outra Estação! Nenhum Valor foi Lançado."));
        EXPECT_EQ(caixa(), QStringLiteral("100,00|0,00|0,00|0,00|0,00|0,00|0,00|0,00"));
        EXPECT_EQ(banco().valor(QStringLiteral("SELECT DINHEIRO FROM WALK_IN WHERE ID_WALK_IN = ?"), {id}).toString(),
                  QStringLiteral("0.00"));
    }
    // The payment screen's discount is kept only while the stay is open.
    const qint64 fechada = estadia();
    banco().executar(QStringLiteral("UPDATE WALK_IN SET BAIXA = 'S', DESCONTO = 7 WHERE ID_WALK_IN = ?"), {fechada});
    EXPECT_FALSE(Saida::gravarAjuste(banco(), fechada, Dinheiro(), Dinheiro()));
    EXPECT_EQ(Saida::lerDesconto(banco(), fechada), reais("7,00"));
    EXPECT_EQ(logs(), QStringList());
}

TEST_F(SaidaTeste, MotelGravaACobrancaUmaVezNaSaida)
{
    parametro(QStringLiteral("MODO_MOTEL"), QStringLiteral("S"));
    abrirCaixa();
    // Arrived at 08:00 with the initial period (P1 150,00, two hours); leaves
    // at 11:30: one hour and a half over the period, two additional hours of 20,00.
    const qint64 id = banco()
                          .valor(QStringLiteral("INSERT INTO WALK_IN (DATA_ENTRADA, HORA_ENTRADA, ID_CLIENTE, ID_UH, "
                                                "QTD_ADULTOS, VALOR_DIARIA) VALUES (?, '08:00', ?, ?, 1, 150) "
                                                "RETURNING ID_WALK_IN"),
                                 {kHoje, cliente, uh})
                          .toLongLong();
    banco().executar(QStringLiteral("INSERT INTO OCUPACAO (ID_ENTRADA, DATA, VALOR, QTD) VALUES (?, ?, 150, 1)"),
                     {id, kHoje});
    banco().executar(QStringLiteral("INSERT INTO DESPESA_UH (ID_ENTRADA, ID_P_S, QTD, VALOR_UNIT, DATA) "
                                    "VALUES (?, 0, 1, 10, ?)"),
                     {id, kHoje});
    const Saida::Inicio i = Saida::iniciar(banco(), id, kSaida);
    EXPECT_EQ(i.conta.horasAdicionais, 2);
    EXPECT_EQ(i.conta.total, reais("200,00"));
    // The start writes nothing.
    const auto ocupacao = [&] {
        QStringList r;
        for (const Linha &l : banco().lerTodas(QStringLiteral("SELECT VALOR, ADICIONAL FROM OCUPACAO WHERE "
                                                              "ID_ENTRADA = ?"),
                                               {id}))
            r << l.dinheiro(QStringLiteral("VALOR")).formatado() + QLatin1Char('|') + l.texto(QStringLiteral("ADICIONAL"));
        return r;
    };
    EXPECT_EQ(ocupacao(), QStringList{QStringLiteral("150,00|")});
    Saida::Fechamento f = fechamento(id, i.conta.restante);
    f.pagamento.valores[MeioCaixa::Dinheiro] = reais("200,00");
    ASSERT_TRUE(Saida::confirmar(banco(), f).fechada());
    EXPECT_EQ(ocupacao(), QStringList{QStringLiteral("190,00|S")});
    EXPECT_EQ(caixa(), QStringLiteral("300,00|0,00|0,00|0,00|0,00|0,00|0,00|0,00"));
}

// Two workstations confirm the check-out of the same stay at the same moment,
// each on its own connection: one closes it, the other books nothing.
TEST_F(SaidaTeste, DuasEstacoesFechamAMesmaEstadiaUmaVez)
{
    const qint64 turno = abrirCaixa("0,00");
    constexpr int kEstadias = 8;
    QList<qint64> ids;
    for (int i = 0; i < kEstadias; ++i)
        ids << estadia({{"33,00", false}}, "100,00");
    const QString caminho = banco().caminho();
    QList<QStringList> resultados(2);
    std::atomic<int> prontas{0};
    QList<QThread *> estacoes;
    for (int e = 0; e < 2; ++e) {
        estacoes << QThread::create([&, e] {
            ConexaoBanco c(QStringLiteral("Estacao%1").arg(e), caminho);
            c.conectar();
            for (int i = 0; i < kEstadias; ++i) {
                ++prontas;
                while (prontas < 2 * (i + 1))
                    QThread::yieldCurrentThread();
                Saida::Fechamento f = fechamento(ids[i], reais("233,00"));
                f.usuario = QStringLiteral("ESTACAO%1").arg(e);
                f.pagamento.valores[MeioCaixa::Dinheiro] = reais("200,00");
                f.pagamento.valores[MeioCaixa::APrazo] = reais("33,00");
                try {
                    resultados[e] << QString::number(int(Saida::confirmar(c, f).situacao));
                } catch (const ErroSistema &erro) {
                    resultados[e] << erro.texto();
                }
            }
            c.desconectar();
        });
        estacoes.last()->start();
    }
    for (QThread *t : estacoes) {
        t->wait();
        delete t;
    }
    for (int i = 0; i < kEstadias; ++i) {
        QStringList par{resultados[0].value(i), resultados[1].value(i)};
        par.sort();
        EXPECT_EQ(par, (QStringList{QString::number(int(Saida::Resultado::Situacao::Fechada)),
                                    QString::number(int(Saida::Resultado::Situacao::JaFechada))}))
            << "estadia " << i;
        EXPECT_EQ(estado(ids[i]).section(QLatin1Char('|'), 0, 8),
                  QStringLiteral("S|200,00|0,00|0,00|0,00|0,00|0,00|0,00|33,00"));
        EXPECT_EQ(contar(QStringLiteral("SELECT COUNT(*) FROM NOTA WHERE ID_ENTRADA = ?"), {ids[i]}), 1);
    }
    // Every stay booked once: 8 x 200,00 in cash and 8 x 33,00 on account.
    EXPECT_EQ(banco()
                  .ler(QStringLiteral("SELECT ATUAL, ATUAL_NOTAS FROM CAIXA WHERE ID_CAIXA = ?"), {turno})
                  .dinheiro(QStringLiteral("ATUAL")),
              reais("1.600,00"));
    EXPECT_EQ(banco()
                  .ler(QStringLiteral("SELECT ATUAL_NOTAS FROM CAIXA WHERE ID_CAIXA = ?"), {turno})
                  .dinheiro(QStringLiteral("ATUAL_NOTAS")),
              reais("264,00"));
    EXPECT_EQ(contar(QStringLiteral("SELECT COUNT(*) FROM LOG WHERE OPERACAO STARTING WITH 'Registrou Saída'")),
              kEstadias);
}

} // namespace
