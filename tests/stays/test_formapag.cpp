// The payment screen of the check-out: the amount due in the heading and the
// cash box, the change, the discount and the addition, its refusals with
// their exact texts, the messages after a confirmed check-out, and the road
// from the stay form's "Fechar Conta (Walk-Out)" to the statement.
#include "base/Relogio.h"
#include "base/Telas.h"
#include "stays/UnitCadWalkIn.h"
#include "stays/UnitFormaPag.h"
#include "stays/UnitWalkIn.h"
#include "support/TelasTeste.h"

#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace {

const QDate kHoje(2026, 3, 12);

Dinheiro reais(const char *t) { return Dinheiro::deTextoOuErro(QString::fromUtf8(t)); }

const QString kDiferente = QStringLiteral("Valor Informado Diferente do Valor Restante!");
const QString kNF = QStringLiteral("Deseja Registrar a Emissão da Nota Fiscal Manual?");

class FormaPagTeste : public TelasTeste {
protected:
    void SetUp() override
    {
        TelasTeste::SetUp();
        Relogio::definir(QDateTime(kHoje, QTime(11, 30, 0)));
        const qint64 tipo = banco()
                                .valor(QStringLiteral("INSERT INTO TIPO_UH (DESCRICAO, ABREV, P1, P2) VALUES ('LUXO', "
                                                      "'LX', 120, 150) RETURNING ID_TIPO_UH"))
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
        caixa = banco()
                    .valor(QStringLiteral("INSERT INTO CAIXA (DATA_ABERT, HORA_ABERT, USUARIO, ATUAL, VALOR_ABERT) "
                                          "VALUES (?, '08:00', 'ADMIN', 0, 0) RETURNING ID_CAIXA"),
                           {kHoje})
                    .toLongLong();
    }
    void TearDown() override
    {
        Telas::liberarTodas();
        CadWalkIn::abrirExtrato = nullptr;
        CadWalkIn::fecharConta = nullptr;
        Relogio::liberar();
        TelasTeste::TearDown();
    }

    // An open stay of one night of `noite` and an advance.
    qint64 estadia(const char *noite = "120,00", const char *adiantado = "0,00")
    {
        const qint64 id = banco()
                              .valor(QStringLiteral("INSERT INTO WALK_IN (DATA_ENTRADA, HORA_ENTRADA, DATA_SAIDA, "
                                                    "HORA_SAIDA, ID_CLIENTE, ID_UH, QTD_ADULTOS, VALOR_DIARIA, "
                                                    "ADIANTADO) VALUES (?, '14:00', ?, '12:00', ?, ?, 1, ?, ?) "
                                                    "RETURNING ID_WALK_IN"),
                                     {kHoje.addDays(-1), kHoje, cliente, uh, reais(noite).paraBanco(),
                                      reais(adiantado).paraBanco()})
                              .toLongLong();
        banco().executar(QStringLiteral("INSERT INTO OCUPACAO (ID_ENTRADA, DATA, VALOR, QTD) VALUES (?, ?, ?, 1)"),
                         {id, kHoje.addDays(-1), reais(noite).paraBanco()});
        return id;
    }
    FormaPag::Contexto contexto(qint64 id, const char *restante)
    {
        FormaPag::Contexto c;
        c.idEntrada = id;
        c.restante = reais(restante);
        c.saida = Relogio::agora();
        c.obs = QStringLiteral("OBS");
        c.cliente = QStringLiteral("ANA D'ÁVILA");
        c.uh = QStringLiteral("101 / LX");
        return c;
    }
    Dinheiro atual(const char *coluna)
    {
        return banco()
            .ler(QStringLiteral("SELECT %1 FROM CAIXA WHERE ID_CAIXA = ?").arg(QLatin1String(coluna)), {caixa})
            .dinheiro(QString::fromLatin1(coluna));
    }
    QString baixa(qint64 id)
    {
        return banco().valor(QStringLiteral("SELECT BAIXA FROM WALK_IN WHERE ID_WALK_IN = ?"), {id}).toString();
    }

    qint64 uh = 0, cliente = 0, caixa = 0;
};

TEST_F(FormaPagTeste, AbreComORestanteNoDinheiroETodosOsMeios)
{
    const qint64 id = estadia();
    for (const bool apenasEspecie : {false, true}) {
        parametro(QStringLiteral("APENAS_ESPECIE"), apenasEspecie ? QStringLiteral("S") : QStringLiteral("N"));
        TFrmFormaPag t(contexto(id, "120,00"));
        t.show();
        EXPECT_EQ(t.lblRestante->text(), QStringLiteral("R$ 120,00"));
        EXPECT_EQ(t.edtDinheiro->text(), QStringLiteral("120,00"));
        EXPECT_EQ(t.lblTotal->text(), QStringLiteral("Total -> R$ 120,00"));
        EXPECT_FALSE(t.lblTroco->isVisible());
        ASSERT_EQ(t.edtMeios.size(), 10);
        QStringList legendas;
        for (QLabel *l : t.lblMeios)
            legendas << l->text();
        EXPECT_EQ(legendas, (QStringList{"Dinheiro", "Crédito - Visa", "Débito - Visa", "Crédito - Mastercard",
                                         "Débito - Mastercard", "Crédito - Hipercard", "Pix / Chq", "A Prazo",
                                         "Deposito em Conta", "Boleto Bancário"}));
        for (int i = 1; i < 10; ++i) {
            EXPECT_EQ(t.edtMeios[i]->text(), QStringLiteral("0,00"));
            EXPECT_EQ(t.edtMeios[i]->isVisible(), !apenasEspecie) << i;
            EXPECT_EQ(t.lblMeios[i]->isVisible(), !apenasEspecie) << i;
        }
        EXPECT_TRUE(t.edtDinheiro->isVisible());
        // Every box counts in the total line.
        t.edtVisa->setText(QStringLiteral("1.000,50"));
        t.edtBoleto->setText(QStringLiteral("9,50"));
        EXPECT_EQ(t.lblTotal->text(), QStringLiteral("Total -> R$ 1.130,00"));
    }
}

TEST_F(FormaPagTeste, TrocoSaiDoDinheiroEOCartaoNaoDaTroco)
{
    const qint64 id = estadia();
    {
        TFrmFormaPag t(contexto(id, "120,00"));
        t.edtDinheiro->setText(QStringLiteral("150,00"));
        EXPECT_EQ(t.lblTroco->text(), QStringLiteral("TROCO: R$ 30,00"));
        EXPECT_FALSE(t.lblTroco->isHidden());
        t.edtDinheiro->setText(QString());
        EXPECT_TRUE(t.lblTroco->isHidden());
        EXPECT_EQ(t.lblTroco->text(), QStringLiteral("TROCO: R$ 0,00"));

        // Cash 150,00 plus Visa 20,00 for 120,00: the change leaves the cash
        // box, and the card's 20,00 are refused.
        t.edtDinheiro->setText(QStringLiteral("150,00"));
        t.edtVisa->setText(QStringLiteral("20,00"));
        msg->esperar(kDiferente);
        t.btnConfirmarClick();
        EXPECT_EQ(t.edtDinheiro->text(), QStringLiteral("120,00"));
        EXPECT_TRUE(t.lblTroco->isHidden());
        EXPECT_EQ(baixa(id), QStringLiteral("N"));
        EXPECT_EQ(atual("ATUAL"), Dinheiro());
    }
    // Cash 150,00 for 120,00: 120,00 booked, the stay closed.
    TFrmFormaPag t(contexto(id, "120,00"));
    t.edtDinheiro->setText(QStringLiteral("150,00"));
    msg->esperar(kNF, Mensagem::Nao);
    t.btnConfirmarClick();
    EXPECT_EQ(t.result(), QDialog::Accepted);
    EXPECT_EQ(msg->pendentes(), 0);
    EXPECT_EQ(atual("ATUAL"), reais("120,00"));
    EXPECT_EQ(baixa(id), QStringLiteral("S"));
    EXPECT_EQ(banco().valor(QStringLiteral("SELECT NF FROM WALK_IN WHERE ID_WALK_IN = ?"), {id}).toString(),
              QStringLiteral("N"));
}

TEST_F(FormaPagTeste, DescontoEAcrescimoPartemDoValorEntregue)
{
    const qint64 id = estadia();
    TFrmFormaPag t(contexto(id, "120,00"));
    t.btnDescontosClick();
    EXPECT_FALSE(t.pnlDescontos->isHidden());
    EXPECT_TRUE(t.rbDesconto->isChecked());
    EXPECT_EQ(t.edtDesconto->text(), QStringLiteral("0,00"));
    t.edtDesconto->setText(QStringLiteral("20,00"));
    msg->esperar(QStringLiteral("Acrescimo / Desconto Efetuado com Sucesso!"));
    t.btnConfirmarDescontoClick();
    EXPECT_EQ(t.lblRestante->text(), QStringLiteral("R$ 100,00"));
    EXPECT_TRUE(t.pnlDescontos->isHidden());
    // The cash box and the total line stay as they were.
    EXPECT_EQ(t.edtDinheiro->text(), QStringLiteral("120,00"));
    EXPECT_EQ(t.lblTotal->text(), QStringLiteral("Total -> R$ 120,00"));
    EXPECT_EQ(Saida::lerDesconto(banco(), id), reais("20,00"));

    // The addition replaces the discount, from the amount handed over.
    t.btnDescontosClick();
    EXPECT_EQ(t.edtDesconto->text(), QStringLiteral("20,00"));
    t.rbAcrescimo->setChecked(true);
    t.rbAcrescimoClick();
    EXPECT_EQ(t.edtDesconto->text(), QStringLiteral("0,00"));
    t.edtDesconto->setText(QStringLiteral("10,00"));
    msg->esperar(QStringLiteral("Acrescimo / Desconto Efetuado com Sucesso!"));
    t.btnConfirmarDescontoClick();
    EXPECT_EQ(t.lblRestante->text(), QStringLiteral("R$ 130,00"));
    EXPECT_EQ(Saida::lerDesconto(banco(), id), Dinheiro());
    EXPECT_EQ(Saida::lerAcrescimo(banco(), id), reais("10,00"));

    // Back to a discount of 20,00 after the cash was typed: the change is
    // not recomputed and the boxes must be changed again.
    t.btnDescontosClick();
    t.edtDesconto->setText(QStringLiteral("20,00"));
    msg->esperar(QStringLiteral("Acrescimo / Desconto Efetuado com Sucesso!"));
    t.btnConfirmarDescontoClick();
    EXPECT_TRUE(t.lblTroco->isHidden());
    msg->esperar(kDiferente);
    t.btnConfirmarClick();
    EXPECT_EQ(baixa(id), QStringLiteral("N"));
    t.edtDinheiro->setText(QStringLiteral("100,00"));
    msg->esperar(kNF, Mensagem::Sim);
    t.btnConfirmarClick();
    EXPECT_EQ(t.result(), QDialog::Accepted);
    EXPECT_EQ(atual("ATUAL"), reais("100,00"));
    const Linha w = banco().ler(QStringLiteral("SELECT DINHEIRO, DESCONTO, ACRESCIMO, NF FROM WALK_IN "
                                               "WHERE ID_WALK_IN = ?"),
                                {id});
    EXPECT_EQ(w.dinheiro(QStringLiteral("DINHEIRO")), reais("100,00"));
    EXPECT_EQ(w.dinheiro(QStringLiteral("DESCONTO")), reais("20,00"));
    EXPECT_EQ(w.dinheiro(QStringLiteral("ACRESCIMO")), Dinheiro());
    EXPECT_EQ(w.texto(QStringLiteral("NF")), QStringLiteral("S"));
}

TEST_F(FormaPagTeste, CancelarZeraDescontoEMantemAEstadiaAberta)
{
    const qint64 id = estadia();
    TFrmFormaPag t(contexto(id, "120,00"));
    t.btnDescontosClick();
    t.edtDesconto->setText(QStringLiteral("15,00"));
    msg->esperar(QStringLiteral("Acrescimo / Desconto Efetuado com Sucesso!"));
    t.btnConfirmarDescontoClick();
    t.btnCancelarClick();
    EXPECT_EQ(t.result(), QDialog::Rejected);
    EXPECT_EQ(Saida::lerDesconto(banco(), id), Dinheiro());
    EXPECT_EQ(baixa(id), QStringLiteral("N"));
    EXPECT_EQ(atual("ATUAL"), Dinheiro());
}

TEST_F(FormaPagTeste, RecusasDaTelaComSeusTextos)
{
    // An advance above the stay: refused, whatever is typed.
    const qint64 pago = estadia("120,00", "170,00");
    {
        TFrmFormaPag t(contexto(pago, "-50,00"));
        EXPECT_EQ(t.lblRestante->text(), QStringLiteral("R$ -50,00"));
        t.edtDinheiro->setText(QStringLiteral("0,00"));
        msg->esperar(QStringLiteral("Valor Pago está Maior que a Estadia! Adicione Despesas!"));
        t.btnConfirmarClick();
        EXPECT_EQ(baixa(pago), QStringLiteral("N"));
    }
    const qint64 id = estadia();
    {
        // A negative or unreadable amount in a box.
        TFrmFormaPag t(contexto(id, "120,00"));
        for (const char *texto : {"-20,00", "12a"}) {
            t.edtDinheiro->setText(QStringLiteral("140,00"));
            t.edtVisa->setText(QString::fromUtf8(texto));
            msg->esperar(QStringLiteral("Valor Inválido! Informe os Valores em Reais, como 1.234,56."));
            t.btnConfirmarClick();
        }
        EXPECT_EQ(baixa(id), QStringLiteral("N"));
    }
    {
        // A card with no open shift: nothing booked, the screen stays open.
        banco().executar(QStringLiteral("UPDATE CAIXA SET DATA_FECHA = ?"), {kHoje});
        TFrmFormaPag t(contexto(id, "120,00"));
        t.edtDinheiro->setText(QStringLiteral("0,00"));
        t.edtDebMaster->setText(QStringLiteral("120,00"));
        msg->esperar(QStringLiteral("Necessário Abrir o Caixa para Funcionamento do Sistema!"));
        t.btnConfirmarClick();
        EXPECT_NE(t.result(), QDialog::Accepted);
        EXPECT_EQ(baixa(id), QStringLiteral("N"));
        EXPECT_EQ(atual("ATUAL_DEBMASTER"), Dinheiro());
    }
    EXPECT_EQ(msg->pendentes(), 0);
    EXPECT_EQ(logs(), QStringList());
}

TEST_F(FormaPagTeste, APrazoDepositoEBoletoAvisamDepoisDeGravar)
{
    const qint64 id = estadia("200,00");
    TFrmFormaPag t(contexto(id, "200,00"));
    t.edtDinheiro->setText(QStringLiteral("20,00"));
    t.edtNota->setText(QStringLiteral("50,00"));
    t.edtDeposito->setText(QStringLiteral("80,00"));
    t.edtBoleto->setText(QStringLiteral("50,00"));
    msg->esperar(QStringLiteral("Retirada Automática de Deposito Realizada com Sucesso!"))
        .esperar(QStringLiteral("Retirada Automática de Boleto Realizada com Sucesso!"))
        .esperar(QStringLiteral("AVISO!\r\r O Cliente Possui Notas Pendentes em Aberto!"))
        .esperar(kNF, Mensagem::Nao);
    t.btnConfirmarClick();
    EXPECT_EQ(t.result(), QDialog::Accepted);
    EXPECT_EQ(msg->pendentes(), 0);
    EXPECT_EQ(atual("ATUAL"), reais("20,00"));
    EXPECT_EQ(atual("ATUAL_NOTAS"), reais("50,00"));
    EXPECT_EQ(contar(QStringLiteral("SELECT COUNT(*) FROM RET_CAIXA")), 2);
    EXPECT_EQ(contar(QStringLiteral("SELECT COUNT(*) FROM NOTA WHERE ID_ENTRADA = ? AND PAGO = 'N'"), {id}), 1);
    EXPECT_EQ(banco().valor(QStringLiteral("SELECT FORMA_PAG FROM WALK_IN WHERE ID_WALK_IN = ?"), {id}).toString(),
              QStringLiteral("Diversas"));
}

// The stay form's "Fechar Conta (Walk-Out)": the question, the payment screen
// over it, then the statement question; the form closes when done.
TEST_F(FormaPagTeste, DoFormularioDaEstadiaAoExtrato)
{
    const qint64 id = estadia("150,00", "20,00");
    CadWalkIn::fecharConta = [](TFrmCadWalkIn &f) { FormaPag::fecharConta(f); };
    QList<QPair<qint64, CadWalkIn::Extrato>> extratos;
    CadWalkIn::abrirExtrato = [&](qint64 e, CadWalkIn::Extrato tipo) { extratos.append({e, tipo}); };
    const QString pergunta = QStringLiteral("---TOTAL---\rValor Total da Estadia: R$ 150,00\rPagamento Adiantado: R$ "
                                            "20,00\rDespesas e Consumos Pagos: R$0,00\r\rConfirmar Saída de Hóspede?\r"
                                            "Valor Restante a ser Recebido é de ::: R$ 130,00 :::");
    int telas = 0;
    Telas::interceptar<TFrmFormaPag>([&](TFrmFormaPag *t) {
        ++telas;
        EXPECT_EQ(t->lblRestante->text(), QStringLiteral("R$ 130,00"));
        t->edtDinheiro->setText(QStringLiteral("30,00"));
        t->edtVisa->setText(QStringLiteral("100,00"));
        t->btnConfirmarClick();
        return t->result();
    });
    for (const bool confirma : {false, true}) {
        int resultado = -1;
        QString valorRestante;
        Telas::interceptar<TFrmCadWalkIn>([&](TFrmCadWalkIn *f) {
            f->show();
            f->btnFecharConta->click();
            valorRestante = f->ValorRestante;
            resultado = f->result();
            return f->result();
        });
        msg->esperar(pergunta, confirma ? Mensagem::Sim : Mensagem::Nao);
        if (confirma)
            msg->esperar(kNF, Mensagem::Nao)
                .esperar(QStringLiteral("Saída de Hóspede Realizada com Sucesso! Deseja Imprimir o Extrato de Conta "
                                        "ou o Cupom Fiscal?"),
                         Mensagem::Sim);
        ListaEstadias::abrir({QStringLiteral("Saída"), QStringLiteral("SIM"), id, 0, false},
                             [](TFrmWalkIn &l) { Telas::abrir<TFrmCadWalkIn>(FrmCadWalkIn, &l); });
        EXPECT_EQ(valorRestante, QStringLiteral("130,00"));
        EXPECT_EQ(msg->pendentes(), 0);
        EXPECT_EQ(telas, confirma ? 1 : 0);
        EXPECT_EQ(resultado, confirma ? int(QDialog::Accepted) : int(QDialog::Rejected));
        EXPECT_EQ(baixa(id), confirma ? QStringLiteral("S") : QStringLiteral("N"));
    }
    EXPECT_EQ(extratos.size(), 1);
    EXPECT_EQ(extratos.value(0).first, id);
    EXPECT_TRUE(extratos.value(0).second == CadWalkIn::Extrato::Saida);
    EXPECT_EQ(atual("ATUAL"), reais("30,00"));
    EXPECT_EQ(atual("ATUAL_CARTAO"), reais("100,00"));
    EXPECT_EQ(logs().last(), QStringLiteral("ADMIN|Registrou Saída de Hóspede -> Código %1 (ANA D'ÁVILA - 101 / LX)")
                                 .arg(id));
}

TEST_F(FormaPagTeste, MotelNaoPerguntaNotaFiscalNemExtrato)
{
    parametro(QStringLiteral("MODO_MOTEL"), QStringLiteral("S"));
    // Arrived now with the initial period: nothing additional.
    const qint64 id = banco()
                          .valor(QStringLiteral("INSERT INTO WALK_IN (DATA_ENTRADA, HORA_ENTRADA, ID_CLIENTE, ID_UH, "
                                                "QTD_ADULTOS, VALOR_DIARIA) VALUES (?, '11:00', ?, ?, 1, 120) "
                                                "RETURNING ID_WALK_IN"),
                                 {kHoje, cliente, uh})
                          .toLongLong();
    banco().executar(QStringLiteral("INSERT INTO OCUPACAO (ID_ENTRADA, DATA, VALOR, QTD) VALUES (?, ?, 120, 1)"),
                     {id, kHoje});
    bool extrato = false;
    CadWalkIn::abrirExtrato = [&](qint64, CadWalkIn::Extrato) { extrato = true; };
    Telas::interceptar<TFrmFormaPag>([&](TFrmFormaPag *t) {
        t->btnConfirmarClick();
        return t->result();
    });
    Telas::interceptar<TFrmCadWalkIn>([&](TFrmCadWalkIn *f) {
        FormaPag::fecharConta(*f);
        return f->result();
    });
    msg->esperar(QString(), Mensagem::Sim);
    ListaEstadias::abrir({QStringLiteral("Saída"), QStringLiteral("SIM"), id, 0, false},
                         [](TFrmWalkIn &l) { Telas::abrir<TFrmCadWalkIn>(FrmCadWalkIn, &l); });
    EXPECT_EQ(msg->textos().size(), 1);
    EXPECT_FALSE(extrato);
    EXPECT_EQ(baixa(id), QStringLiteral("S"));
    EXPECT_EQ(atual("ATUAL"), reais("120,00"));
}

} // namespace
