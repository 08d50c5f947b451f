// Consumption charged to a stay (fee rounded per line, stock of bought-in
// products, the product's night flag), its removal with a reason (stock and a
// paid-at-once payment given back, or nothing when the register refuses),
// room items back to their standard and minibar lines removed by price.
#include "base/Relogio.h"
#include "base/Sessao.h"
#include "stays/CalculoEstadia.h"
#include "stays/Adiantamento.h"
#include "stays/Consumo.h"
#include "stays/Saida.h"
#include "support/BancoTeste.h"

using namespace Consumo;

namespace {

const QDate kHoje(2026, 3, 12);

Dinheiro reais(const char *t) { return Dinheiro::deTextoOuErro(QString::fromUtf8(t)); }

class Consumo_ : public BancoTeste {
protected:
    void SetUp() override
    {
        BancoTeste::SetUp();
        Relogio::definir(QDateTime(kHoje, QTime(15, 30)));
        Sessao::reiniciar();
        Sessao::atual().login = QStringLiteral("MARIA");
        const qint64 bar = banco()
                               .valor(QStringLiteral("INSERT INTO PDV (DESCRICAO, TAXA) VALUES ('BAR', 10) "
                                                     "RETURNING ID_PDV"))
                               .toLongLong();
        cerveja = produto("CERVEJA", "10,00", bar, 10, "N", "N");
        pizza = produto("PIZZA", "40,00", bar, 0, "S", "N");
        pernoite = produto("DIARIA EXTRA", "90,00", bar, 0, "S", "S");
        entrada = banco()
                      .valor(QStringLiteral("INSERT INTO WALK_IN (ID_CLIENTE, ID_UH, QTD_ADULTOS) VALUES (1, 1, 1) "
                                            "RETURNING ID_WALK_IN"))
                      .toLongLong();
    }
    void TearDown() override
    {
        Sessao::reiniciar();
        BancoTeste::TearDown();
    }
    qint64 produto(const char *nome, const char *valor, qint64 pdv, int estoque, const char *propria,
                   const char *diaria)
    {
        return banco()
            .valor(QStringLiteral("INSERT INTO PRODUTOS_SERVICOS (DESCRICAO, VALOR, ID_PDV, ESTOQUE, FAB_PROPRIA, "
                                  "DIARIA) VALUES (?, ?, ?, ?, ?, ?) RETURNING ID_P_S"),
                   {QString::fromUtf8(nome), reais(valor).paraBanco(), pdv, estoque, QString::fromLatin1(propria),
                    QString::fromLatin1(diaria)})
            .toLongLong();
    }
    LinhaNova linha(qint64 p, const char *desc, const char *qtd, const char *unit)
    {
        LinhaNova l;
        l.produto = p;
        l.descricao = QString::fromUtf8(desc);
        l.qtd = QString::fromUtf8(qtd);
        l.valorUnit = QString::fromUtf8(unit);
        l.data = kHoje;
        return l;
    }
    qint64 contar(const QString &sql, const Valores &v = {}) { return banco().valor(sql, v).toLongLong(); }
    qint64 estoque(qint64 p)
    {
        return contar(QStringLiteral("SELECT ESTOQUE FROM PRODUTOS_SERVICOS WHERE ID_P_S = ?"), {p});
    }
    Dinheiro coluna(const QString &sql) { return banco().ler(sql).dinheiro(QStringLiteral("V")); }
    void abrirCaixa(const char *dinheiro, const char *cartao = "0,00")
    {
        banco().executar(QStringLiteral("INSERT INTO CAIXA (DATA_ABERT, ATUAL, ATUAL_CARTAO) VALUES (?, ?, ?)"),
                         {kHoje, reais(dinheiro).paraBanco(), reais(cartao).paraBanco()});
    }
    // A line paid at once, as the payment panel leaves it.
    qint64 pagaNaHora(const QList<Pagamento> &pags)
    {
        const Inclusao i = incluir(DM->Conexao, entrada, QStringLiteral("101"), linha(cerveja, "CERVEJA", "3", "10,00"));
        banco().emTransacao([&] {
            banco().executar(QStringLiteral("UPDATE DESPESA_UH SET PAGO = 'S' WHERE ID_DESPESA_UH = ?"), {i.id});
            registrarPagamento(banco(), i.id, pags);
        });
        banco().executar(QStringLiteral("UPDATE WALK_IN SET DINHEIRO = ?, VISA = ?, ADIANTADO = ?"),
                         {reais("13,00").paraBanco(), reais("20,00").paraBanco(), reais("33,00").paraBanco()});
        return i.id;
    }

    qint64 cerveja = 0, pizza = 0, pernoite = 0, entrada = 0;
};

TEST_F(Consumo_, TresCervejasComTaxaBaixamEstoque)
{
    LinhaNova l = linha(cerveja, "CERVEJA", "3", "10,00");
    l.comanda = 45;
    l.responsavel = QStringLiteral("joão d'ávila");
    l.data = kHoje.addDays(-1);
    const Inclusao i = incluir(DM->Conexao, entrada, QStringLiteral("101"), l);
    ASSERT_FALSE(i.recusa.has_value());
    const Linha d = banco().ler(QStringLiteral("SELECT * FROM DESPESA_UH WHERE ID_DESPESA_UH = ?"), {i.id});
    EXPECT_EQ(d.inteiro(QStringLiteral("ID_ENTRADA")), entrada);
    EXPECT_EQ(d.inteiro(QStringLiteral("ID_P_S")), cerveja);
    EXPECT_EQ(d.inteiro(QStringLiteral("QTD")), 3);
    EXPECT_EQ(d.dinheiro(QStringLiteral("VALOR_UNIT")), reais("10,00"));
    EXPECT_EQ(d.dinheiro(QStringLiteral("TAXA")), reais("10,00"));
    EXPECT_EQ(d.inteiro(QStringLiteral("COMANDA")), 45);
    EXPECT_EQ(d.texto(QStringLiteral("USUARIO")), QStringLiteral("MARIA"));
    EXPECT_EQ(d.data(QStringLiteral("DATA")), kHoje.addDays(-1));
    EXPECT_EQ(d.hora(QStringLiteral("HORA")), QTime(15, 30));
    EXPECT_EQ(d.texto(QStringLiteral("PAGO")), QStringLiteral("N"));
    EXPECT_EQ(d.texto(QStringLiteral("FORMA_PAG")), QString());
    EXPECT_EQ(d.texto(QStringLiteral("RESPONSAVEL")), QStringLiteral("JOÃO D'ÁVILA"));
    EXPECT_EQ(d.texto(QStringLiteral("DIARIA")), QStringLiteral("N"));
    EXPECT_EQ(estoque(cerveja), 7);
    EXPECT_EQ(CalculoEstadia::totalConsumo(banco(), entrada), reais("33,00"));
    EXPECT_EQ(contar(QStringLiteral("SELECT COUNT(*) FROM LOG WHERE OPERACAO = ? AND USUARIO = 'MARIA'"),
                     {QStringLiteral("Incluiu Despesa ou Consumo -> Código %1 (CERVEJA - 101)").arg(entrada)}),
              1);

    // Made in house: stock untouched; a product counted as a night carries its flag.
    ASSERT_FALSE(incluir(DM->Conexao, entrada, QStringLiteral("101"), linha(pizza, "PIZZA", "1", "40,00")).recusa);
    EXPECT_EQ(estoque(pizza), 0);
    const Inclusao n = incluir(DM->Conexao, entrada, QStringLiteral("101"), linha(pernoite, "DIARIA EXTRA", "1", "90,00"));
    EXPECT_EQ(banco().valor(QStringLiteral("SELECT DIARIA FROM DESPESA_UH WHERE ID_DESPESA_UH = ?"), {n.id}).toString(),
              QStringLiteral("S"));
    EXPECT_EQ(CalculoEstadia::totalConsumo(banco(), entrada), reais("176,00"));
}

struct CasoEntrada {
    const char *nome;
    qint64 produto; // 0: none; 1: the beer
    const char *qtd;
    const char *unit;
    int dias; // date offset from today
    const char *mensagem;
    Campo foco;
};

TEST_F(Consumo_, EntradaInvalidaNadaGrava)
{
    const CasoEntrada casos[] = {
        {"sem produto", 0, "1", "10,00", 0, "Informe o Produto ou Serviço Consumido!", Campo::Produto},
        {"quantidade 0", 1, "0", "10,00", 0, "Informe a Quantidade Consumida!", Campo::Quantidade},
        {"quantidade vazia", 1, "", "10,00", 0, "Informe a Quantidade Consumida!", Campo::Quantidade},
        {"quantidade negativa", 1, "-2", "10,00", 0, "Informe a Quantidade Consumida!", Campo::Quantidade},
        {"quantidade texto", 1, "abc", "10,00", 0, "Informe a Quantidade Consumida!", Campo::Quantidade},
        {"preço texto", 1, "1", "abc", 0, "Valor Unitário Inválido!", Campo::ValorUnit},
        {"preço negativo", 1, "1", "-1,00", 0, "Valor Unitário Inválido!", Campo::ValorUnit},
        {"data futura", 1, "1", "10,00", 1, "A Data do Consumo não pode ser posterior à Data de Hoje!", Campo::Data},
    };
    for (const CasoEntrada &c : casos) {
        LinhaNova l = linha(c.produto ? cerveja : 0, "CERVEJA", c.qtd, c.unit);
        l.data = kHoje.addDays(c.dias);
        const Inclusao i = incluir(DM->Conexao, entrada, QStringLiteral("101"), l);
        ASSERT_TRUE(i.recusa.has_value()) << c.nome;
        EXPECT_EQ(i.recusa->mensagem, QString::fromUtf8(c.mensagem)) << c.nome;
        EXPECT_EQ(i.recusa->foco, c.foco) << c.nome;
    }
    EXPECT_EQ(contar(QStringLiteral("SELECT COUNT(*) FROM DESPESA_UH")), 0);
    EXPECT_EQ(estoque(cerveja), 10);
}

TEST_F(Consumo_, RemoverPedeMotivoEDevolveEstoque)
{
    const Inclusao i = incluir(DM->Conexao, entrada, QStringLiteral("101"), linha(cerveja, "CERVEJA", "3", "10,00"));
    Remocao r = remover(DM->Conexao, i.id, QStringLiteral("   "), QStringLiteral("101"));
    ASSERT_TRUE(r.recusa.has_value());
    EXPECT_EQ(r.recusa->mensagem, QStringLiteral("Informe o Motivo da Exclusão do Consumo!"));
    EXPECT_EQ(contar(QStringLiteral("SELECT COUNT(*) FROM DESPESA_UH")), 1);
    EXPECT_EQ(estoque(cerveja), 7);

    r = remover(DM->Conexao, i.id, QStringLiteral("LANÇADA NA UH ERRADA"), QStringLiteral("101"));
    ASSERT_FALSE(r.recusa.has_value());
    EXPECT_TRUE(r.removida);
    EXPECT_EQ(contar(QStringLiteral("SELECT COUNT(*) FROM DESPESA_UH")), 0);
    EXPECT_EQ(estoque(cerveja), 10);
    EXPECT_EQ(contar(QStringLiteral("SELECT COUNT(*) FROM LOG WHERE OPERACAO = ?"),
                     {QStringLiteral("Excluiu Despesa ou Consumo -> Código %1 (CERVEJA - 101) (LANÇADA NA UH ERRADA)")
                          .arg(entrada)}),
              1);

    // Removed meanwhile on another workstation.
    r = remover(DM->Conexao, i.id, QStringLiteral("DE NOVO"), QStringLiteral("101"));
    ASSERT_TRUE(r.recusa.has_value());
    EXPECT_EQ(r.recusa->mensagem, Textos::LinhaRemovida);
    EXPECT_EQ(estoque(cerveja), 10);

    // Made in house: stock untouched on removal too.
    const Inclusao p = incluir(DM->Conexao, entrada, QStringLiteral("101"), linha(pizza, "PIZZA", "2", "40,00"));
    ASSERT_TRUE(remover(DM->Conexao, p.id, QStringLiteral("ERRO"), QStringLiteral("101")).removida);
    EXPECT_EQ(estoque(pizza), 0);
}

TEST_F(Consumo_, RemoverLinhaPagaDevolveCaixaEEntrada)
{
    abrirCaixa("100,00", "50,00");
    const qint64 id = pagaNaHora({{MeioCaixa::Dinheiro, reais("13,00")}, {MeioCaixa::CreditoVisa, reais("20,00")}});
    ASSERT_EQ(pagamentosDaLinha(banco(), id).size(), 2);
    const Remocao r = remover(DM->Conexao, id, QStringLiteral("DESISTIU"), QStringLiteral("101"));
    ASSERT_FALSE(r.recusa.has_value()) << r.recusa->mensagem.toStdString();
    EXPECT_EQ(coluna(QStringLiteral("SELECT ATUAL AS V FROM CAIXA")), reais("87,00"));
    EXPECT_EQ(coluna(QStringLiteral("SELECT ATUAL_CARTAO AS V FROM CAIXA")), reais("30,00"));
    EXPECT_TRUE(coluna(QStringLiteral("SELECT DINHEIRO AS V FROM WALK_IN")).zero());
    EXPECT_TRUE(coluna(QStringLiteral("SELECT VISA AS V FROM WALK_IN")).zero());
    EXPECT_TRUE(coluna(QStringLiteral("SELECT ADIANTADO AS V FROM WALK_IN")).zero());
    EXPECT_EQ(contar(QStringLiteral("SELECT COUNT(*) FROM DESPESA_UH_PAG")), 0);
    EXPECT_EQ(estoque(cerveja), 10);
}

TEST_F(Consumo_, LinhaPagaNumMeioSoGuardaFormaPag)
{
    abrirCaixa("100,00");
    const qint64 id = pagaNaHora({{MeioCaixa::Dinheiro, reais("33,00")}});
    EXPECT_EQ(banco().valor(QStringLiteral("SELECT FORMA_PAG FROM DESPESA_UH")).toString(), QStringLiteral("Dinheiro"));
    EXPECT_EQ(contar(QStringLiteral("SELECT COUNT(*) FROM DESPESA_UH_PAG")), 0);
    banco().executar(QStringLiteral("UPDATE WALK_IN SET DINHEIRO = 33, VISA = 0"));
    ASSERT_TRUE(remover(DM->Conexao, id, QStringLiteral("DESISTIU"), QStringLiteral("101")).removida);
    EXPECT_EQ(coluna(QStringLiteral("SELECT ATUAL AS V FROM CAIXA")), reais("67,00"));
    EXPECT_TRUE(coluna(QStringLiteral("SELECT DINHEIRO AS V FROM WALK_IN")).zero());
    EXPECT_TRUE(coluna(QStringLiteral("SELECT ADIANTADO AS V FROM WALK_IN")).zero());
}

TEST_F(Consumo_, CaixaRecusaNaoRemove)
{
    abrirCaixa("5,00", "50,00"); // 13,00 cash cannot come out of 5,00
    const qint64 id = pagaNaHora({{MeioCaixa::CreditoVisa, reais("20,00")}, {MeioCaixa::Dinheiro, reais("13,00")}});
    const Remocao r = remover(DM->Conexao, id, QStringLiteral("DESISTIU"), QStringLiteral("101"));
    EXPECT_FALSE(r.removida);
    ASSERT_TRUE(r.recusa.has_value());
    EXPECT_EQ(r.recusa->mensagem, QStringLiteral("Saldo Insuficiente no CAIXA!"));
    EXPECT_EQ(contar(QStringLiteral("SELECT COUNT(*) FROM DESPESA_UH")), 1);
    EXPECT_EQ(contar(QStringLiteral("SELECT COUNT(*) FROM DESPESA_UH_PAG")), 2);
    EXPECT_EQ(estoque(cerveja), 7);
    EXPECT_EQ(coluna(QStringLiteral("SELECT ATUAL AS V FROM CAIXA")), reais("5,00"));
    EXPECT_EQ(coluna(QStringLiteral("SELECT ATUAL_CARTAO AS V FROM CAIXA")), reais("50,00"));
    EXPECT_EQ(coluna(QStringLiteral("SELECT ADIANTADO AS V FROM WALK_IN")), reais("33,00"));
    EXPECT_EQ(coluna(QStringLiteral("SELECT VISA AS V FROM WALK_IN")), reais("20,00"));
    EXPECT_EQ(contar(QStringLiteral("SELECT COUNT(*) FROM LOG WHERE OPERACAO STARTING WITH 'Excluiu'")), 0);

    // The stay's paid columns no longer hold the amount: refused as well.
    banco().executar(QStringLiteral("UPDATE CAIXA SET ATUAL = 100"));
    banco().executar(QStringLiteral("UPDATE WALK_IN SET DINHEIRO = 0"));
    const Remocao r2 = remover(DM->Conexao, id, QStringLiteral("DESISTIU"), QStringLiteral("101"));
    ASSERT_TRUE(r2.recusa.has_value());
    EXPECT_EQ(r2.recusa->mensagem, Textos::PagoNaoCobre);
    EXPECT_EQ(coluna(QStringLiteral("SELECT ATUAL AS V FROM CAIXA")), reais("100,00"));
    EXPECT_EQ(coluna(QStringLiteral("SELECT ATUAL_CARTAO AS V FROM CAIXA")), reais("50,00"));
    EXPECT_EQ(contar(QStringLiteral("SELECT COUNT(*) FROM DESPESA_UH")), 1);
}

TEST_F(Consumo_, ItensDaUHVoltamAoPadrao)
{
    const qint64 tipo =
        banco().valor(QStringLiteral("INSERT INTO TIPO_UH (DESCRICAO, P1) VALUES ('LUXO', 100) RETURNING ID_TIPO_UH"))
            .toLongLong();
    const qint64 uh = banco()
                          .valor(QStringLiteral("INSERT INTO UH (ID_TIPO_UH, NUMERO) VALUES (?, '101') RETURNING ID_UH"),
                                 {tipo})
                          .toLongLong();
    const qint64 toalha =
        banco().valor(QStringLiteral("INSERT INTO ITEM (DESCRICAO) VALUES ('TOALHA') RETURNING ID_ITEM")).toLongLong();
    const qint64 lencol =
        banco().valor(QStringLiteral("INSERT INTO ITEM (DESCRICAO) VALUES ('LENÇOL') RETURNING ID_ITEM")).toLongLong();
    banco().executar(QStringLiteral("INSERT INTO PADRAO_ITEM (ID_TIPO_UH, ID_ITEM, QTD) VALUES (?, ?, 2)"),
                     {tipo, toalha});
    banco().executar(QStringLiteral("INSERT INTO ITEM_ENTRADA (ID_ENTRADA, ID_ITEM, QTD) VALUES (?, ?, 2)"),
                     {entrada, toalha});

    auto recusa = incluirItem(DM->Conexao, entrada, 0, QStringLiteral("1"), {}, QStringLiteral("101"));
    ASSERT_TRUE(recusa.has_value());
    EXPECT_EQ(recusa->mensagem, QStringLiteral("Informe o Item de Estoque!"));
    recusa = incluirItem(DM->Conexao, entrada, toalha, QStringLiteral("0"), QStringLiteral("TOALHA"), QStringLiteral("101"));
    ASSERT_TRUE(recusa.has_value());
    EXPECT_EQ(recusa->mensagem, QStringLiteral("Informe a Quantidade!"));

    ASSERT_FALSE(incluirItem(DM->Conexao, entrada, toalha, QStringLiteral("3"), QStringLiteral("TOALHA"), QStringLiteral("101")));
    ASSERT_FALSE(incluirItem(DM->Conexao, entrada, lencol, QStringLiteral("1"), QStringLiteral("LENÇOL"), QStringLiteral("101")));
    auto soma = [&](qint64 item) {
        return contar(QStringLiteral("SELECT COALESCE(SUM(QTD), 0) FROM ITEM_ENTRADA WHERE ID_ENTRADA = ? AND ID_ITEM = ?"),
                      {entrada, item});
    };
    EXPECT_EQ(soma(toalha), 5);
    removerItem(DM->Conexao, entrada, toalha, tipo, uh, QStringLiteral("TOALHA"), QStringLiteral("101"));
    EXPECT_EQ(soma(toalha), 2);
    removerItem(DM->Conexao, entrada, lencol, tipo, uh, QStringLiteral("LENÇOL"), QStringLiteral("101"));
    EXPECT_EQ(soma(lencol), 0);
    EXPECT_EQ(contar(QStringLiteral("SELECT COUNT(*) FROM LOG WHERE OPERACAO = ?"),
                     {QStringLiteral("Incluiu Item de Estoque -> Código %1 (LENÇOL - 101)").arg(entrada)}),
              1);
    EXPECT_EQ(contar(QStringLiteral("SELECT COUNT(*) FROM LOG WHERE OPERACAO = ?"),
                     {QStringLiteral("Excluiu Item de Estoque -> Código %1 (TOALHA - 101)").arg(entrada)}),
              1);
}

TEST_F(Consumo_, FrigobarRemoveSoOPrecoDaLinha)
{
    ASSERT_FALSE(incluirFrigobar(DM->Conexao, entrada, cerveja, QStringLiteral("2"), QStringLiteral("4,50"),
                                 QStringLiteral("CERVEJA"), QStringLiteral("101")));
    ASSERT_FALSE(incluirFrigobar(DM->Conexao, entrada, cerveja, QStringLiteral("1"), QStringLiteral("5,00"),
                                 QStringLiteral("CERVEJA"), QStringLiteral("101")));
    auto recusa = incluirFrigobar(DM->Conexao, entrada, cerveja, QStringLiteral("1"), QStringLiteral("x"),
                                  QStringLiteral("CERVEJA"), QStringLiteral("101"));
    ASSERT_TRUE(recusa.has_value());
    EXPECT_EQ(recusa->mensagem, QStringLiteral("Valor Unitário Inválido!"));

    removerFrigobar(DM->Conexao, entrada, cerveja, reais("4,50"), QStringLiteral("CERVEJA"), QStringLiteral("101"));
    const QList<Linha> resto = banco().lerTodas(QStringLiteral("SELECT QTD, VALOR FROM PS_ENTRADA"));
    ASSERT_EQ(resto.size(), 1);
    EXPECT_EQ(resto[0].dinheiro(QStringLiteral("VALOR")), reais("5,00"));
    EXPECT_EQ(estoque(cerveja), 10); // the minibar does not move stock
    EXPECT_EQ(contar(QStringLiteral("SELECT COUNT(*) FROM LOG WHERE OPERACAO = ?"),
                     {QStringLiteral("Incluiu Item de Frigobar -> Código %1 (CERVEJA - 101)").arg(entrada)}),
              2);
    EXPECT_EQ(contar(QStringLiteral("SELECT COUNT(*) FROM LOG WHERE OPERACAO = ?"),
                     {QStringLiteral("Excluiu Item de Frigobar -> Código %1 (CERVEJA - 101)").arg(entrada)}),
              1);
}

} // namespace

TEST_F(Consumo_, EntradaFechadaOuCanceladaNadaRecebe)
{
    // A stay closed or cancelled on another workstation while this form was
    // open: every write of money, lines, items or minibar is refused with the
    // check-out's own text and writes nothing, not even in the shift.
    abrirCaixa("100,00");
    const qint64 toalha =
        banco().valor(QStringLiteral("INSERT INTO ITEM (DESCRICAO) VALUES ('TOALHA') RETURNING ID_ITEM")).toLongLong();
    banco().executar(QStringLiteral("INSERT INTO ITEM_ENTRADA (ID_ENTRADA, ID_ITEM, QTD) VALUES (?, ?, 1)"),
                     {entrada, toalha});
    banco().executar(QStringLiteral("INSERT INTO PS_ENTRADA (ID_ENTRADA, ID_P_S, VALOR, QTD) VALUES (?, ?, 10, 1)"),
                     {entrada, cerveja});
    const qint64 linhaAntiga = incluir(DM->Conexao, entrada, QStringLiteral("101"), linha(pizza, "PIZZA", "1", "40,00")).id;
    ASSERT_GT(linhaAntiga, 0);
    struct Escrita {
        const char *nome;
        std::function<std::pair<QString, bool>()> rodar; // message shown, "closed elsewhere"
    };
    const auto consumo = [](const std::optional<Recusa> &r) {
        return r ? std::make_pair(r->mensagem, r->fechada) : std::make_pair(QStringLiteral("gravou"), false);
    };
    Pagamentos::Valores cinquenta;
    cinquenta[MeioCaixa::Dinheiro] = reais("50,00");
    Pagamentos::Valores linhaPaga;
    linhaPaga[MeioCaixa::Dinheiro] = reais("33,00");
    const QList<Escrita> escritas{
        {"consumo", [&] { return consumo(incluir(DM->Conexao, entrada, "101", linha(cerveja, "CERVEJA", "3", "10,00")).recusa); }},
        {"remover consumo", [&] { return consumo(remover(DM->Conexao, linhaAntiga, QStringLiteral("ERRO"), "101").recusa); }},
        {"item", [&] { return consumo(incluirItem(DM->Conexao, entrada, toalha, "2", "TOALHA", "101")); }},
        {"remover item", [&] { return consumo(removerItem(DM->Conexao, entrada, toalha, 0, 1, "TOALHA", "101")); }},
        {"frigobar", [&] { return consumo(incluirFrigobar(DM->Conexao, entrada, cerveja, "1", "10,00", "CERVEJA", "101")); }},
        {"remover frigobar", [&] { return consumo(removerFrigobar(DM->Conexao, entrada, cerveja, reais("10,00"), "CERVEJA", "101")); }},
        {"adiantamento",
         [&] {
             const Adiantamento::Resultado r = Adiantamento::registrar(DM->Conexao, entrada, cinquenta, "ANA", "101");
             return std::make_pair(r.gravado ? QStringLiteral("gravou") : r.mensagem.value_or(QString()), r.fechada);
         }},
        {"consumo pago",
         [&] {
             const Adiantamento::Pagamento r =
                 Adiantamento::pagarConsumo(DM->Conexao, entrada, "101", linha(cerveja, "CERVEJA", "3", "10,00"), linhaPaga);
             return std::make_pair(r.gravado ? QStringLiteral("gravou") : r.mensagem.value_or(QString()), r.fechada);
         }},
    };
    const auto retrato = [&] {
        return QStringList{
            QString::number(contar(QStringLiteral("SELECT COUNT(*) FROM DESPESA_UH"))),
            QString::number(contar(QStringLiteral("SELECT SUM(QTD) FROM ITEM_ENTRADA"))),
            QString::number(contar(QStringLiteral("SELECT SUM(QTD) FROM PS_ENTRADA"))),
            QString::number(contar(QStringLiteral("SELECT COUNT(*) FROM LOG"))),
            QString::number(estoque(cerveja)),
            coluna(QStringLiteral("SELECT ATUAL AS V FROM CAIXA")).formatado(),
            coluna(QStringLiteral("SELECT ADIANTADO + DINHEIRO AS V FROM WALK_IN")).formatado(),
        };
    };
    for (const char *estado : {"BAIXA = 'S'", "BAIXA = 'S', EXCLUIDO = 'S'"}) {
        banco().executar(QStringLiteral("UPDATE WALK_IN SET %1").arg(QString::fromLatin1(estado)));
        const QStringList antes = retrato();
        for (const Escrita &e : escritas) {
            SCOPED_TRACE(std::string(estado) + " / " + e.nome);
            const auto [mensagem, fechada] = e.rodar();
            EXPECT_EQ(mensagem, Saida::Textos::JaFechada);
            EXPECT_TRUE(fechada);
            EXPECT_EQ(retrato(), antes);
        }
    }
}
