// Money that reaches a stay before its check-out: an advance over several
// means (the open shift, the stay's columns and ADIANTADO move together; a
// deposit goes to the bank through RET_CAIXA), a consumption line paid at
// once that must add up to the line, and the removal of such a line giving
// the money back. Every refusal leaves the shift and the stay as they were.
#include "base/Relogio.h"
#include "base/Sessao.h"
#include "stays/Adiantamento.h"
#include "stays/CalculoEstadia.h"
#include "support/BancoTeste.h"

#include <future>
#include <thread>

using namespace Adiantamento;

namespace {

const QDate kHoje(2026, 3, 12);

Dinheiro reais(const char *t) { return Dinheiro::deTextoOuErro(QString::fromUtf8(t)); }

class Adiantamento_ : public BancoTeste {
protected:
    void SetUp() override
    {
        BancoTeste::SetUp();
        Relogio::definir(QDateTime(kHoje, QTime(16, 45)));
        Sessao::reiniciar();
        Sessao::atual().login = QStringLiteral("JOANA");
        const qint64 bar =
            banco().valor(QStringLiteral("INSERT INTO PDV (DESCRICAO, TAXA) VALUES ('BAR', 10) RETURNING ID_PDV")).toLongLong();
        cerveja = banco()
                      .valor(QStringLiteral("INSERT INTO PRODUTOS_SERVICOS (DESCRICAO, VALOR, ID_PDV, ESTOQUE, FAB_PROPRIA) "
                                            "VALUES ('CERVEJA', 10, ?, 10, 'N') RETURNING ID_P_S"),
                             {bar})
                      .toLongLong();
        entrada = banco()
                      .valor(QStringLiteral("INSERT INTO WALK_IN (ID_CLIENTE, ID_UH, QTD_ADULTOS) VALUES (1, 1, 1) "
                                            "RETURNING ID_WALK_IN"))
                      .toLongLong();
    }
    void TearDown() override
    {
        Sessao::reiniciar();
        Relogio::liberar();
        BancoTeste::TearDown();
    }
    void abrirCaixa(const char *dinheiro)
    {
        banco().executar(QStringLiteral("INSERT INTO CAIXA (DATA_ABERT, ATUAL) VALUES (?, ?)"),
                         {kHoje, reais(dinheiro).paraBanco()});
    }
    Dinheiro caixa(const char *coluna)
    {
        return banco().ler(QStringLiteral("SELECT %1 AS V FROM CAIXA").arg(QString::fromLatin1(coluna))).dinheiro(QStringLiteral("V"));
    }
    Dinheiro estadia(const char *coluna)
    {
        return banco()
            .ler(QStringLiteral("SELECT %1 AS V FROM WALK_IN WHERE ID_WALK_IN = ?").arg(QString::fromLatin1(coluna)),
                 {entrada})
            .dinheiro(QStringLiteral("V"));
    }
    qint64 contar(const QString &sql, const Valores &v = {}) { return banco().valor(sql, v).toLongLong(); }
    static Pagamentos::Valores valores(std::initializer_list<std::pair<MeioCaixa, const char *>> meios,
                                       const char *deposito = "0,00")
    {
        Pagamentos::Valores v;
        for (const auto &[m, t] : meios)
            v[m] = reais(t);
        v.deposito = reais(deposito);
        return v;
    }
    Consumo::LinhaNova tresCervejas()
    {
        Consumo::LinhaNova l;
        l.produto = cerveja;
        l.descricao = QStringLiteral("CERVEJA");
        l.qtd = QStringLiteral("3");
        l.valorUnit = QStringLiteral("10,00");
        l.data = kHoje.addDays(-1); // a paid line is dated today whatever the panel shows
        l.comanda = 7;
        return l;
    }

    qint64 cerveja = 0, entrada = 0;
};

TEST_F(Adiantamento_, DinheiroEVisaNoCaixaNaEstadiaENoAdiantado)
{
    abrirCaixa("10,00");
    const Pagamentos::Valores v = valores({{MeioCaixa::Dinheiro, "100,00"}, {MeioCaixa::CreditoVisa, "50,00"}});
    const Resultado r = registrar(DM->Conexao, entrada, v, QStringLiteral("ANA D'ÁVILA"), QStringLiteral("101"));
    ASSERT_TRUE(r.gravado) << r.mensagem.value_or(QString()).toStdString();
    EXPECT_EQ(caixa("ATUAL"), reais("110,00"));
    EXPECT_EQ(caixa("ATUAL_CARTAO"), reais("50,00"));
    EXPECT_EQ(estadia("DINHEIRO"), reais("100,00"));
    EXPECT_EQ(estadia("VISA"), reais("50,00"));
    EXPECT_EQ(estadia("ADIANTADO"), reais("150,00"));
    EXPECT_EQ(valorRecibo(v), reais("150,00"));
    EXPECT_EQ(referenteRecibo(entrada, QStringLiteral("101")),
              QStringLiteral("Pagamento Adiantado Entrada Nº %1 - UH 101").arg(entrada));
    const Linha log = banco().ler(QStringLiteral("SELECT * FROM LOG WHERE OPERACAO = 'Registrou Pagamento Antecipado'"));
    EXPECT_EQ(log.texto(QStringLiteral("USUARIO")), QStringLiteral("JOANA"));
    EXPECT_EQ(log.texto(QStringLiteral("ANTES")),
              QStringLiteral("Entrada Nº %1 (ANA D'ÁVILA - UH 101)\rDinheiro -> R$ 100,00\rCrédito - Visa -> R$ 50,00\r"
                             "Débito - Visa -> R$ 0,00\rCrédito - Master -> R$ 0,00\rDébito - Master -> R$ 0,00\r"
                             "Hipercard -> R$ 0,00\rPix / Chq -> R$ 0,00")
                  .arg(entrada));

    // A second advance adds to the first.
    ASSERT_TRUE(registrar(DM->Conexao, entrada, valores({{MeioCaixa::PixChq, "25,50"}, {MeioCaixa::DebitoMaster, "4,50"}}),
                          QStringLiteral("ANA"), QStringLiteral("101"))
                    .gravado);
    EXPECT_EQ(caixa("ATUAL_CHEQUE"), reais("25,50"));
    EXPECT_EQ(caixa("ATUAL_DEBMASTER"), reais("4,50"));
    EXPECT_EQ(estadia("CHEQUE"), reais("25,50"));
    EXPECT_EQ(estadia("DEBMASTER"), reais("4,50"));
    EXPECT_EQ(estadia("ADIANTADO"), reais("180,00"));
}

TEST_F(Adiantamento_, DepositoNaoFicaNoCaixaEDeixaRetirada)
{
    abrirCaixa("80,00");
    const Pagamentos::Valores v = valores({{MeioCaixa::Dinheiro, "30,00"}}, "200,00");
    ASSERT_TRUE(registrar(DM->Conexao, entrada, v, QStringLiteral("ANA"), QStringLiteral("101")).gravado);
    EXPECT_EQ(caixa("ATUAL"), reais("110,00")); // the cash only; the deposit went to the bank
    const Linha ret = banco().ler(QStringLiteral("SELECT * FROM RET_CAIXA"));
    EXPECT_EQ(contar(QStringLiteral("SELECT COUNT(*) FROM RET_CAIXA")), 1);
    EXPECT_EQ(ret.dinheiro(QStringLiteral("VALOR")), reais("200,00"));
    EXPECT_EQ(ret.texto(QStringLiteral("DESCRICAO")), QStringLiteral("Pagamento de Hospedagem - Depósito em Conta"));
    EXPECT_EQ(ret.texto(QStringLiteral("TIPO")), QStringLiteral("Dinheiro"));
    EXPECT_EQ(ret.texto(QStringLiteral("USUARIO")), QStringLiteral("JOANA"));
    EXPECT_EQ(ret.data(QStringLiteral("DATA_RET")), kHoje);
    EXPECT_EQ(estadia("DINHEIRO"), reais("30,00"));
    EXPECT_EQ(estadia("ADIANTADO"), reais("230,00"));
    EXPECT_EQ(valorRecibo(v), reais("30,00")); // the receipt leaves the deposit out
}

TEST_F(Adiantamento_, RecusasNaoMexemEmNada)
{
    // No open shift: nothing anywhere, the deposit included.
    Resultado r = registrar(DM->Conexao, entrada, valores({{MeioCaixa::Dinheiro, "10,00"}}, "20,00"), QStringLiteral("ANA"),
                            QStringLiteral("101"));
    EXPECT_FALSE(r.gravado);
    EXPECT_EQ(r.mensagem, QStringLiteral("Necessário Abrir o Caixa para Funcionamento do Sistema!"));
    EXPECT_TRUE(estadia("ADIANTADO").zero());
    EXPECT_TRUE(estadia("DINHEIRO").zero());
    EXPECT_EQ(contar(QStringLiteral("SELECT COUNT(*) FROM RET_CAIXA")), 0);
    EXPECT_EQ(contar(QStringLiteral("SELECT COUNT(*) FROM LOG")), 0);

    abrirCaixa("0,00");
    // Nothing typed, or a text that is no amount.
    r = registrar(DM->Conexao, entrada, valores({}), QStringLiteral("ANA"), QStringLiteral("101"));
    EXPECT_EQ(r.mensagem, Textos::SemValor);
    Digitado d;
    d.meio[0] = QStringLiteral("abc");
    EXPECT_FALSE(ler(d).has_value());
    d.meio[0] = QStringLiteral("-5,00");
    EXPECT_FALSE(ler(d).has_value());
    d.meio[0] = QStringLiteral("1.234,56");
    d.meio[6] = QString();
    d.deposito = QStringLiteral("0,00");
    ASSERT_TRUE(ler(d).has_value());
    EXPECT_EQ((*ler(d))[MeioCaixa::Dinheiro], reais("1.234,56"));
    EXPECT_TRUE(caixa("ATUAL").zero());
}

TEST_F(Adiantamento_, ConsumoPagoNaHoraPrecisaFecharComOValor)
{
    abrirCaixa("0,00");
    const Consumo::LinhaNova l = tresCervejas();
    EXPECT_EQ(valorLinha(DM->Conexao, l), reais("33,00"));
    // 20,00 + 12,99 does not make 33,00: nothing happens.
    Pagamento p = pagarConsumo(DM->Conexao, entrada, QStringLiteral("101"), l,
                               valores({{MeioCaixa::Dinheiro, "20,00"}, {MeioCaixa::Hipercard, "12,99"}}));
    EXPECT_FALSE(p.gravado);
    EXPECT_EQ(p.mensagem, QStringLiteral("Valor Informado Diferente do Valor Consumido!"));
    EXPECT_EQ(contar(QStringLiteral("SELECT COUNT(*) FROM DESPESA_UH")), 0);
    EXPECT_EQ(contar(QStringLiteral("SELECT ESTOQUE FROM PRODUTOS_SERVICOS WHERE ID_P_S = ?"), {cerveja}), 10);
    EXPECT_TRUE(caixa("ATUAL").zero());

    // 20,00 + 13,00 is accepted: line, means, shift and stay together.
    p = pagarConsumo(DM->Conexao, entrada, QStringLiteral("101"), l,
                     valores({{MeioCaixa::Dinheiro, "20,00"}, {MeioCaixa::Hipercard, "13,00"}}));
    ASSERT_TRUE(p.gravado) << p.mensagem.value_or(QString()).toStdString();
    const Linha d = banco().ler(QStringLiteral("SELECT * FROM DESPESA_UH WHERE ID_DESPESA_UH = ?"), {p.idDespesa});
    EXPECT_EQ(d.texto(QStringLiteral("PAGO")), QStringLiteral("S"));
    EXPECT_EQ(d.data(QStringLiteral("DATA")), kHoje);
    EXPECT_EQ(d.inteiro(QStringLiteral("COMANDA")), 7);
    EXPECT_EQ(d.texto(QStringLiteral("USUARIO")), QStringLiteral("JOANA"));
    EXPECT_EQ(contar(QStringLiteral("SELECT ESTOQUE FROM PRODUTOS_SERVICOS WHERE ID_P_S = ?"), {cerveja}), 7);
    const QList<Consumo::Pagamento> meios = Consumo::pagamentosDaLinha(banco(), p.idDespesa);
    ASSERT_EQ(meios.size(), 2);
    EXPECT_EQ(caixa("ATUAL"), reais("20,00"));
    EXPECT_EQ(caixa("ATUAL_HIPER"), reais("13,00"));
    EXPECT_EQ(estadia("DINHEIRO"), reais("20,00"));
    EXPECT_EQ(estadia("HIPER"), reais("13,00"));
    EXPECT_EQ(estadia("ADIANTADO"), reais("33,00"));
    EXPECT_EQ(contar(QStringLiteral("SELECT COUNT(*) FROM LOG WHERE OPERACAO = ?"),
                     {QStringLiteral("Incluiu Despesa ou Consumo -> Código %1 (CERVEJA - 101)").arg(entrada)}),
              1);
    // In the stay's total and in what was paid: check-out charges it once.
    EXPECT_EQ(CalculoEstadia::totalConsumo(banco(), entrada), reais("33,00"));

    // Removed: the money leaves the shift and the stay, the stock comes back.
    const Consumo::Remocao rem = Consumo::remover(DM->Conexao, p.idDespesa, QStringLiteral("ERRO DE LANÇAMENTO"), QStringLiteral("101"));
    ASSERT_TRUE(rem.removida) << rem.recusa->mensagem.toStdString();
    for (const char *c : {"ATUAL", "ATUAL_HIPER"})
        EXPECT_TRUE(caixa(c).zero()) << c;
    for (const char *c : {"DINHEIRO", "HIPER", "ADIANTADO"})
        EXPECT_TRUE(estadia(c).zero()) << c;
    EXPECT_EQ(contar(QStringLiteral("SELECT ESTOQUE FROM PRODUTOS_SERVICOS WHERE ID_P_S = ?"), {cerveja}), 10);
}

TEST_F(Adiantamento_, ConsumoPagoSemEstadiaOuSemCaixaNaoGrava)
{
    // Before the stay exists (a new stay's form): refused outright.
    Pagamento p = pagarConsumo(DM->Conexao, 0, QStringLiteral("101"), tresCervejas(), valores({{MeioCaixa::Dinheiro, "33,00"}}));
    EXPECT_FALSE(p.gravado);
    EXPECT_EQ(p.mensagem, Textos::PagoAntesDaEntrada);
    // No open shift: the line is not written either, its stock untouched.
    p = pagarConsumo(DM->Conexao, entrada, QStringLiteral("101"), tresCervejas(), valores({{MeioCaixa::Dinheiro, "33,00"}}));
    EXPECT_FALSE(p.gravado);
    EXPECT_EQ(p.mensagem, QStringLiteral("Necessário Abrir o Caixa para Funcionamento do Sistema!"));
    EXPECT_EQ(contar(QStringLiteral("SELECT COUNT(*) FROM DESPESA_UH")), 0);
    EXPECT_EQ(contar(QStringLiteral("SELECT ESTOQUE FROM PRODUTOS_SERVICOS WHERE ID_P_S = ?"), {cerveja}), 10);
    EXPECT_TRUE(estadia("ADIANTADO").zero());
}

TEST_F(Adiantamento_, DuasEstacoesNoMesmoTurnoContamAsDuas)
{
    abrirCaixa("0,00");
    // The other workstation books 70,00 cash and holds its transaction open
    // until this one's advance is under way.
    const QString caminho = banco().caminho();
    std::promise<void> lancou;
    std::promise<void> pode;
    std::thread outra([&] {
        ConexaoBanco c(QStringLiteral("outra-estacao"), caminho);
        c.definirCaminho(caminho);
        c.conectar();
        c.iniciarTransacao();
        AtualizarSaldoCaixa(c, MeioCaixa::Dinheiro, true, reais("70,00"));
        lancou.set_value();
        pode.get_future().wait();
        std::this_thread::sleep_for(std::chrono::milliseconds(300));
        c.confirmarTransacao();
        c.desconectar();
    });
    lancou.get_future().wait();
    pode.set_value();
    const Resultado r = registrar(DM->Conexao, entrada, valores({{MeioCaixa::Dinheiro, "100,00"}}), QStringLiteral("ANA"),
                                  QStringLiteral("101"));
    outra.join();
    ASSERT_TRUE(r.gravado) << r.mensagem.value_or(QString()).toStdString();
    EXPECT_EQ(caixa("ATUAL"), reais("170,00"));
    EXPECT_EQ(estadia("DINHEIRO"), reais("100,00"));
    EXPECT_EQ(estadia("ADIANTADO"), reais("100,00"));
    EXPECT_EQ(contar(QStringLiteral("SELECT COUNT(*) FROM LOG WHERE OPERACAO = 'Registrou Pagamento Antecipado'")), 1);
}

} // namespace

