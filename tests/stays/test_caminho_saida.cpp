// The road of a guest to the cash register: check-in, consumption at the
// bar, an advance over two means, the nights posted by the server, the
// check-out from the stay form through the payment screen with change, and
// the shift's balances and the stay's columns exact at the end.
#include "base/Relogio.h"
#include "base/Sessao.h"
#include "base/Telas.h"
#include "core/Diarias.h"
#include "stays/Consumo.h"
#include "stays/Entrada.h"
#include "stays/Pagamentos.h"
#include "stays/UnitCadWalkIn.h"
#include "stays/UnitFormaPag.h"
#include "stays/UnitWalkIn.h"
#include "support/TelasTeste.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

const QDate kHoje(2026, 3, 12);

Dinheiro reais(const char *t) { return Dinheiro::deTextoOuErro(QString::fromUtf8(t)); }

class CaminhoSaida : public TelasTeste {
protected:
    void TearDown() override
    {
        Telas::liberarTodas();
        CadWalkIn::fecharConta = nullptr;
        Relogio::liberar();
        TelasTeste::TearDown();
    }
};

TEST_F(CaminhoSaida, EntradaConsumoAdiantamentoSaidaECaixa)
{
    ConexaoBanco &b = banco();
    Relogio::definir(QDateTime(kHoje, QTime(13, 0)));
    const qint64 turno = b.valor(QStringLiteral("INSERT INTO CAIXA (DATA_ABERT, HORA_ABERT, USUARIO, ATUAL, "
                                                "VALOR_ABERT) VALUES (?, '07:00', 'ADMIN', 50, 50) RETURNING ID_CAIXA"),
                                 {kHoje})
                             .toLongLong();
    const qint64 tipo = b.valor(QStringLiteral("INSERT INTO TIPO_UH (DESCRICAO, ABREV, P1, P2, P1MIN, P2MIN) "
                                               "VALUES ('LUXO', 'LX', 100, 150, 80, 120) RETURNING ID_TIPO_UH"))
                            .toLongLong();
    const qint64 uh = b.valor(QStringLiteral("INSERT INTO UH (ID_TIPO_UH, NUMERO) VALUES (?, '101') RETURNING ID_UH"),
                              {tipo})
                          .toLongLong();
    const qint64 cliente = b.valor(QStringLiteral("INSERT INTO CLIENTE (NOME, TIPO_PESSOA, CNPJ_CPF) "
                                                  "VALUES ('JOÃO D''ÁVILA', 'F', '') RETURNING ID_CLIENTE"))
                               .toLongLong();

    // Check-in: two persons at the type's rate, two nights expected.
    Entrada::Dados d;
    d.cliente = cliente;
    d.nomeCliente = QStringLiteral("JOÃO D'ÁVILA");
    d.uh = uh;
    d.numeroUH = QStringLiteral("101");
    d.tipoUH = tipo;
    d.pessoas = QStringLiteral("2");
    d.dataEntrada = kHoje;
    d.horaEntrada = QTime(13, 0);
    d.dataSaida = kHoje.addDays(2);
    d.horaSaida = QTime(12, 0);
    d.diaria = QStringLiteral("150,00");
    d.valorDiariaPadrao = reais("150,00");
    d.valorMin = reais("120,00");
    const Entrada::Verificacao v = Entrada::verificar(DM->Conexao, d, Entrada::Regras::atuais(), Relogio::agora(),
                                                      [](const QString &) { return true; });
    ASSERT_TRUE(v.ok()) << (v.recusa ? v.recusa->mensagem.toStdString() : std::string("abandonada"));
    const Entrada::Gravacao g = Entrada::incluir(DM->Conexao, d, QStringLiteral("ADMIN"), kHoje);
    ASSERT_FALSE(g.recusa.has_value()) << g.recusa->mensagem.toStdString();
    const qint64 id = g.idEntrada;

    // Three beers at the bar with its 10% fee: 33,00.
    const qint64 bar = b.valor(QStringLiteral("INSERT INTO PDV (DESCRICAO, TAXA) VALUES ('BAR', 10) RETURNING ID_PDV"))
                           .toLongLong();
    const qint64 cerveja = b.valor(QStringLiteral("INSERT INTO PRODUTOS_SERVICOS (DESCRICAO, VALOR, ID_PDV, ESTOQUE) "
                                                  "VALUES ('CERVEJA', 10, ?, 24) RETURNING ID_P_S"),
                                   {bar})
                               .toLongLong();
    Consumo::LinhaNova l;
    l.produto = cerveja;
    l.descricao = QStringLiteral("CERVEJA");
    l.qtd = QStringLiteral("3");
    l.valorUnit = QStringLiteral("10,00");
    l.data = kHoje;
    ASSERT_FALSE(Consumo::incluir(DM->Conexao, id, QStringLiteral("101"), l).recusa.has_value());

    // An advance of 100,00: 60,00 in cash and 40,00 on Visa credit.
    Pagamentos::Valores adiantamento;
    adiantamento[MeioCaixa::Dinheiro] = reais("60,00");
    adiantamento[MeioCaixa::CreditoVisa] = reais("40,00");
    b.emTransacao([&] { Pagamentos::lancar(b, id, adiantamento, true); });

    // The server posts the second night two days later.
    b.executar(QStringLiteral("INSERT INTO ATUALIZACAO (DATA) VALUES (?)"), {kHoje});
    Relogio::definir(QDateTime(kHoje.addDays(2), QTime(11, 0)));
    EXPECT_EQ(Diarias::lancar(banco(), kHoje.addDays(2)).noites, 1);

    // Check-out from the stay form: 300,00 of nights + 33,00 - 100,00 = 233,00;
    // the guest hands over 250,00 in cash and takes 17,00 of change.
    CadWalkIn::fecharConta = [](TFrmCadWalkIn &f) { FormaPag::fecharConta(f); };
    QString troco;
    Telas::interceptar<TFrmFormaPag>([&](TFrmFormaPag *t) {
        EXPECT_EQ(t->lblRestante->text(), QStringLiteral("R$ 233,00"));
        t->edtDinheiro->setText(QStringLiteral("250,00"));
        troco = t->lblTroco->text();
        t->btnConfirmarClick();
        return t->result();
    });
    int formulario = -1;
    Telas::interceptar<TFrmCadWalkIn>([&](TFrmCadWalkIn *f) {
        f->show();
        f->btnFecharConta->click();
        formulario = f->result();
        return f->result();
    });
    msg->esperar(QStringLiteral("---TOTAL---\rValor Total da Estadia: R$ 333,00\rPagamento Adiantado: R$ 100,00\r"
                                "Despesas e Consumos Pagos: R$0,00\r\rConfirmar Saída de Hóspede?\r"
                                "Valor Restante a ser Recebido é de ::: R$ 233,00 :::"),
                 Mensagem::Sim)
        .esperar(QStringLiteral("Deseja Registrar a Emissão da Nota Fiscal Manual?"), Mensagem::Nao)
        .esperar(QStringLiteral("Saída de Hóspede Realizada com Sucesso! Deseja Imprimir o Extrato de Conta ou o "
                                "Cupom Fiscal?"),
                 Mensagem::Nao);
    ListaEstadias::abrir({QStringLiteral("Saída"), QStringLiteral("SIM"), id, 0, false},
                         [](TFrmWalkIn &lista) { Telas::abrir<TFrmCadWalkIn>(FrmCadWalkIn, &lista); });
    EXPECT_EQ(msg->pendentes(), 0);
    EXPECT_EQ(troco, QStringLiteral("TROCO: R$ 17,00"));
    EXPECT_EQ(formulario, int(QDialog::Accepted));

    // The shift: 50,00 opening + 60,00 advance + 233,00 at check-out in cash,
    // 40,00 on Visa credit; nothing else moved.
    const Linha c = b.ler(QStringLiteral("SELECT ATUAL, ATUAL_CARTAO, ATUAL_DEBVISA, ATUAL_MASTER, ATUAL_DEBMASTER, "
                                         "ATUAL_HIPER, ATUAL_CHEQUE, ATUAL_NOTAS FROM CAIXA WHERE ID_CAIXA = ?"),
                          {turno});
    EXPECT_EQ(c.dinheiro(QStringLiteral("ATUAL")), reais("343,00"));
    EXPECT_EQ(c.dinheiro(QStringLiteral("ATUAL_CARTAO")), reais("40,00"));
    for (const char *col : {"ATUAL_DEBVISA", "ATUAL_MASTER", "ATUAL_DEBMASTER", "ATUAL_HIPER", "ATUAL_CHEQUE",
                            "ATUAL_NOTAS"})
        EXPECT_EQ(c.dinheiro(QString::fromLatin1(col)), Dinheiro()) << col;

    // The stay: closed, paid 293,00 in cash and 40,00 by Visa = 333,00.
    const Linha w = b.ler(QStringLiteral("SELECT BAIXA, DINHEIRO, VISA, ADIANTADO, NOTA, FORMA_PAG, USUARIO, DATA_SAIDA "
                                         "FROM WALK_IN WHERE ID_WALK_IN = ?"),
                          {id});
    EXPECT_EQ(w.texto(QStringLiteral("BAIXA")), QStringLiteral("S"));
    EXPECT_EQ(w.dinheiro(QStringLiteral("DINHEIRO")), reais("293,00"));
    EXPECT_EQ(w.dinheiro(QStringLiteral("VISA")), reais("40,00"));
    EXPECT_EQ(w.dinheiro(QStringLiteral("ADIANTADO")), reais("100,00"));
    EXPECT_EQ(w.dinheiro(QStringLiteral("NOTA")), Dinheiro());
    EXPECT_EQ(w.texto(QStringLiteral("FORMA_PAG")), QStringLiteral("Diversas"));
    EXPECT_EQ(w.texto(QStringLiteral("USUARIO")), QStringLiteral("ADMIN"));
    EXPECT_EQ(w.data(QStringLiteral("DATA_SAIDA")), kHoje.addDays(2));
    EXPECT_EQ(contar(QStringLiteral("SELECT COUNT(*) FROM DESPESA_UH WHERE ID_ENTRADA = ? AND PAGO = 'N'"), {id}), 0);
    EXPECT_EQ(contar(QStringLiteral("SELECT COUNT(*) FROM HOSPEDE WHERE ID_ENTRADA = ? AND BAIXA = 'N'"), {id}), 0);
    EXPECT_EQ(b.ler(QStringLiteral("SELECT SITUACAO FROM UH WHERE ID_UH = ?"), {uh}).texto(QStringLiteral("SITUACAO")),
              QStringLiteral("M"));
    EXPECT_EQ(logs().last(),
              QStringLiteral("ADMIN|Registrou Saída de Hóspede -> Código %1 (JOÃO D'ÁVILA - 101 / LX)").arg(id));
}

} // namespace
