// The table account: totals with the service and packaging fees, the value
// per person, partial payments, moving lines between tables and the
// hand-over of the account to the companion point of sale, and the bill.
#include "base/RelatorioPintura.h"
#include "base/Relogio.h"
#include "base/Sessao.h"
#include "base/Telas.h"
#include "restaurant/Consumos.h"
#include "restaurant/Mesas.h"
#include "restaurant/UnitConsumos.h"
#include "restaurant/UnitMesas.h"
#include "support/DigitacoesRoteiro.h"
#include "support/TelasTeste.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProcess>
#include <QPushButton>
#include <QStandardPaths>
#include <QTableWidget>

namespace {

using Consumos::Item;

Item linha(const QString &qtd, qint64 precoCentavos, bool viagem = false, bool embalagem = false,
           qint64 taxaEmbalagem = 0)
{
    Item i;
    i.qtd = Consumos::quantidadeDeSql(qtd);
    i.valorUnit = Dinheiro::deCentavos(precoCentavos);
    i.viagem = viagem;
    i.embalagem = embalagem;
    i.taxaEmbalagem = Dinheiro::deCentavos(taxaEmbalagem);
    return i;
}

struct CasoTotais {
    const char *nome;
    QList<Item> itens;
    qint64 taxaAtend; // percent in hundredths
    bool semTaxa;
    const char *taxa, *embalagem, *total;
};

TEST(TotaisConta, TaxasETotalArredondadosUmaVez)
{
    const QList<CasoTotais> casos = {
        {"2 x 10,00 a 10%", {linha("2", 1000)}, 1000, false, "2,00", "0,00", "22,00"},
        {"sem taxa marcado", {linha("2", 1000)}, 1000, true, "0,00", "0,00", "20,00"},
        {"viagem com embalagem", {linha("1.6", 50, true, true, 50)}, 1000, false, "0,00", "1,00", "1,80"},
        {"mesmo item na mesa", {linha("1.6", 50, false, true, 50)}, 1000, false, "0,08", "0,00", "0,88"},
        {"viagem sem embalagem no produto", {linha("3", 100, true, false, 50)}, 1000, false, "0,00", "0,00", "3,00"},
        // Two lines of 0,0125 each: 0,025 exact, rounded once to 0,03.
        {"frações somadas antes de arredondar", {linha("0.125", 10), linha("0.125", 10)}, 0, false, "0,00", "0,00",
         "0,03"},
        // 10% of 0,05 is 0,005: the total 0,055 gives 0,06, the fee 0,01.
        {"taxa de meio centavo", {linha("0.5", 10)}, 1000, false, "0,01", "0,00", "0,06"},
        {"conta vazia", {}, 1000, false, "0,00", "0,00", "0,00"},
    };
    for (const CasoTotais &c : casos) {
        const Consumos::Totais t =
            Consumos::calcular(c.itens, Dinheiro::deCentavos(c.taxaAtend), c.semTaxa);
        EXPECT_EQ(t.taxaServico.formatado(), QString::fromUtf8(c.taxa)) << c.nome;
        EXPECT_EQ(t.embalagem.formatado(), QString::fromUtf8(c.embalagem)) << c.nome;
        EXPECT_EQ(t.total.formatado(), QString::fromUtf8(c.total)) << c.nome;
    }
}

TEST(TotaisConta, ValorPorPessoa)
{
    const Dinheiro cem = Dinheiro::deReais(100), dez = Dinheiro::deReais(10);
    const struct {
        Dinheiro total, parcial;
        const char *pessoas;
        std::optional<const char *> esperado;
    } casos[] = {
        {cem, dez, "3", "30,00"},   {cem, dez, "", "0,00"},       {cem, dez, "1", "0,00"},
        {cem, Dinheiro(), "3", "33,33"}, {Dinheiro::deCentavos(200), Dinheiro(), "3", "0,67"},
        {cem, dez, "três", std::nullopt}, {cem, dez, "2,5", std::nullopt},
    };
    for (const auto &c : casos) {
        const auto v = Consumos::valorPorPessoa(c.total, c.parcial, QString::fromUtf8(c.pessoas));
        ASSERT_EQ(v.has_value(), c.esperado.has_value()) << c.pessoas;
        if (v)
            EXPECT_EQ(v->formatado(), QString::fromUtf8(*c.esperado)) << c.pessoas;
    }
}

TEST(TotaisConta, TextoSimplesDeDecimais)
{
    EXPECT_EQ(Consumos::textoSimples(20000, 4, QLatin1Char('.')), QStringLiteral("2"));
    EXPECT_EQ(Consumos::textoSimples(1250, 2, QLatin1Char(',')), QStringLiteral("12,5"));
    EXPECT_EQ(Consumos::textoSimples(16000, 4, QLatin1Char(',')), QStringLiteral("1,6"));
    EXPECT_EQ(Consumos::textoSimples(798400, 4, QLatin1Char('.')), QStringLiteral("79.84"));
    EXPECT_EQ(Consumos::textoSimples(5, 4, QLatin1Char(',')), QStringLiteral("0,0005"));
    EXPECT_EQ(Consumos::quantidadeDeSql(QStringLiteral("0.4560")), 4560);
    EXPECT_EQ(Consumos::codigoVendedor(QStringLiteral("0007")), 7);
    EXPECT_EQ(Consumos::codigoVendedor(QStringLiteral("A7")), 1);
    EXPECT_EQ(Consumos::codigoVendedor(QString()), 1);
}

// Digests checked against values computed apart from this code (MD5 of the
// Windows-1252 text).
TEST(TotaisConta, DocumentoEDigestos)
{
    Item a = linha("1.6", 4990);
    a.idProduto = 101;
    a.descricao = QStringLiteral("PICANHA NA CHAPA");
    a.unMedida = QStringLiteral("KG");
    a.sitTribut = QStringLiteral("17");
    Item b = linha("2", 500);
    b.idProduto = 102;
    b.descricao = QStringLiteral("CAFÉ EXPRESSO");
    b.unMedida = QStringLiteral("UN");
    b.sitTribut = QStringLiteral("FF");
    const Consumos::Dav d = Consumos::montarDav(
        120, QDateTime(QDate(2025, 3, 12), QTime(14, 5, 9)), QStringLiteral("CLIENTE ESPECIAL"), {a, b},
        Dinheiro::deCentavos(123450), Dinheiro::deReais(50), 7, QStringLiteral("MESA 3 - ANA - CHK 9"));
    EXPECT_EQ(d.nomeCliente, QStringLiteral("CLIENTE ESPECIAL").leftJustified(50));
    EXPECT_EQ(d.hash, QStringLiteral("3672F1EC470FAAA5E2315251422A568D"));
    ASSERT_EQ(d.itens.size(), 2);
    EXPECT_EQ(d.itens[0].hash, QStringLiteral("A797B7FDE325456AB3C00557B06D185B"));
    EXPECT_EQ(d.itens[1].hash, QStringLiteral("FEEDD94DBD50EE90A097AB0C6F691520"));
    EXPECT_EQ(d.itens[0].qtde, QStringLiteral("1.6"));
    EXPECT_EQ(d.itens[0].preco, QStringLiteral("49.9"));
    EXPECT_EQ(d.itens[0].totalIten, QStringLiteral("79.84"));
    EXPECT_EQ(d.itens[1].controle, 2);
    // A name longer than 50 characters is cut.
    const Consumos::Dav longo = Consumos::montarDav(1, QDateTime(QDate(2025, 3, 12), QTime(1, 0)),
                                                    QString(70, QLatin1Char('X')), {}, Dinheiro(), Dinheiro(), 1, {});
    EXPECT_EQ(longo.nomeCliente.size(), 50);
}

// ------------------------------------------------------------ on the database

class Conta : public TelasTeste {
protected:
    void SetUp() override
    {
        TelasTeste::SetUp();
        Relogio::definir(QDateTime(QDate(2026, 12, 11), QTime(20, 30, 15)));
        for (int i = 1; i <= 4; ++i)
            banco().executar(QStringLiteral("INSERT INTO MESA (DESCRICAO) VALUES (?)"), {QStringLiteral("MESA %1").arg(i)});
        ana = banco()
                  .valor(QStringLiteral("INSERT INTO FUNCIONARIO (NOME, CPF, COD_FUNCIONARIO, NOME_CRACHA, DEMITIDO) "
                                        "VALUES ('ANA PAULA SOUZA', '111.111.111-11', '0007', 'ANINHA', 'N') "
                                        "RETURNING ID_FUNCIONARIO"))
                  .toString();
        produto(101, QStringLiteral("PICANHA NA CHAPA"), QStringLiteral("49.90"), QStringLiteral("N"), QStringLiteral("KG"));
        produto(102, QStringLiteral("MARMITEX"), QStringLiteral("0.50"), QStringLiteral("S"), QStringLiteral("UN"));
        produto(103, QStringLiteral("REFRIGERANTE"), QStringLiteral("10.00"), QStringLiteral("N"), QStringLiteral("UN"));
        parametro(QStringLiteral("TAXA_ATEND"), QStringLiteral("10"));
    }
    void TearDown() override
    {
        TFrmMesas::abrirConta = nullptr;
        Telas::liberarTodas();
        TelasTeste::TearDown();
    }
    void produto(qint64 id, const QString &nome, const QString &preco, const QString &embalagem, const QString &un)
    {
        banco().executar(QStringLiteral("INSERT INTO PRODUTO (ID_PRODUTO, REFERENCIA, DESCRICAO, VALOR_VENDA, "
                                        "ID_GRUPO_PRODUTO, EMBALAGEM, UN_MEDIDA, SIT_TRIBUT) VALUES (?, ?, ?, ?, 1, ?, ?, '17')"),
                         {id, QString::number(id), nome, preco, embalagem, un});
    }
    qint64 ocupar(qint64 mesa)
    {
        const Mesas::Resultado r = Mesas::abrir(DM->Conexao, mesa, ana, QStringLiteral("CLIENTE ESPECIAL"), Relogio::agora());
        EXPECT_TRUE(r.feito) << r.mensagem.toStdString();
        return r.chave;
    }
    qint64 consumo(qint64 checkIn, qint64 produto, const QString &qtd, const QString &preco,
                   const QString &viagem = QStringLiteral("N"), const QString &taxa = QStringLiteral("0"),
                   const QString &obs = {})
    {
        return banco()
            .valor(QStringLiteral("INSERT INTO CONSUMO (ID_PRODUTO, ID_CHECK_IN, QTD, VALOR_UNIT, DATA, HORA, VIAGEM, "
                                  "TAXA_EMBALAGEM, OBS) VALUES (?, ?, ?, ?, '2026-12-11', '20:00', ?, ?, ?) "
                                  "RETURNING ID_CONSUMO"),
                   {produto, checkIn, qtd, preco, viagem, taxa, obs.isEmpty() ? QVariant() : obs})
            .toLongLong();
    }
    QString qtd(qint64 idConsumo)
    {
        const Linha l = banco().ler(QStringLiteral("SELECT QTD FROM CONSUMO WHERE ID_CONSUMO = ?"), {idConsumo});
        return l.vazia() ? QStringLiteral("-") : Consumos::textoSimples(Consumos::quantidadeDeSql(l.texto(QStringLiteral("QTD"))), 4, QLatin1Char(','));
    }
    // "product qty obs" of an opening's lines.
    QStringList linhas(qint64 checkIn)
    {
        QStringList r;
        for (const Item &i : Consumos::lerItens(DM->Conexao, checkIn))
            r << QStringLiteral("%1 %2 %3").arg(i.idProduto).arg(Consumos::textoSimples(i.qtd, 4, QLatin1Char(','))).arg(i.obs);
        return r;
    }
    std::unique_ptr<TFrmMesas> quadro(int cartao)
    {
        auto f = std::make_unique<TFrmMesas>();
        f->setAttribute(Qt::WA_DontShowOnScreen);
        f->show();
        f->cvMesas->setCurrentRow(cartao);
        return f;
    }
    std::unique_ptr<TFrmConsumos> conta(TFrmMesas *q)
    {
        auto c = std::make_unique<TFrmConsumos>(q);
        c->setAttribute(Qt::WA_DontShowOnScreen);
        c->show();
        return c;
    }
    QString ana;
};

TEST_F(Conta, TelaMostraTotaisAtendenteETaxa)
{
    const qint64 chk = ocupar(2);
    consumo(chk, 103, QStringLiteral("2"), QStringLiteral("10.00"));
    consumo(chk, 102, QStringLiteral("1.6"), QStringLiteral("0.50"), QStringLiteral("S"), QStringLiteral("0.50"));
    banco().executar(QStringLiteral("UPDATE CHECK_IN SET IMPRESSOES_EXTRATO = 2 WHERE ID_CHECK_IN = ?"), {chk});
    auto q = quadro(1);
    auto c = conta(q.get());
    EXPECT_EQ(c->windowTitle(), QStringLiteral("Consumos - Mesa 2"));
    EXPECT_EQ(c->dbgConsumos->rowCount(), 2);
    EXPECT_EQ(c->lblTaxa->text(), QStringLiteral("2,00"));
    EXPECT_EQ(c->lblEmbalagem->text(), QStringLiteral("1,00"));
    EXPECT_EQ(c->lblTotal->text(), QStringLiteral("23,80"));
    EXPECT_EQ(c->lblAtendente->text(), QStringLiteral("Atendente:ANINHA"));
    EXPECT_EQ(c->lblExtrato->text(), QStringLiteral("Extrato Impresso: 2 Vez(es)"));
    EXPECT_FALSE(c->cbNaoCobrarTaxa->isChecked());
    EXPECT_TRUE(c->btnConverterDav->isHidden());
    c->cbNaoCobrarTaxa->click(); // ACESSO_TOTAL: no password asked
    EXPECT_EQ(c->lblTaxa->text(), QStringLiteral("0,00"));
    EXPECT_EQ(c->lblTotal->text(), QStringLiteral("21,80"));
    c->edtPessoas->setText(QStringLiteral("2"));
    EXPECT_EQ(c->lblPorPessoa->text(), QStringLiteral("10,90"));

    msg->esperar(QStringLiteral("Fechar Conta e Liberar Mesa?"), Mensagem::Sim);
    tecla(c.get(), Qt::Key_F10);
    EXPECT_EQ(msg->pendentes(), 0);
    EXPECT_EQ(Mesas::lerMesa(DM->Conexao, 2)->status, QStringLiteral("O"));
}

TEST_F(Conta, TaxaSoSaiComSenhaDeAcessoTotal)
{
    const qint64 chk = ocupar(1);
    consumo(chk, 103, QStringLiteral("2"), QStringLiteral("10.00"));
    Sessao::atual().direitos.ACESSO_TOTAL = false;
    banco().executar(QStringLiteral("INSERT INTO USUARIO (LOGIN, SENHA, ACESSO_TOTAL) VALUES ('CAIXA', 'C1', 'N')"));
    auto q = quadro(0);
    auto c = conta(q.get());
    DigitacoesRoteiro dig;
    const struct {
        const char *senha;
        bool semTaxa;
    } casos[] = {{"ERRADA", false}, {"C1", false}, {"ADMIN", true}};
    for (const auto &caso : casos) {
        if (c->cbNaoCobrarTaxa->isChecked())
            c->cbNaoCobrarTaxa->click();
        dig.esperar(Consumos::kRotuloSenhaTaxa, QString::fromUtf8(caso.senha));
        if (!caso.semTaxa)
            msg->esperar(Consumos::kMsgSenhaIncorreta);
        c->cbNaoCobrarTaxa->click();
        EXPECT_EQ(c->cbNaoCobrarTaxa->isChecked(), caso.semTaxa) << caso.senha;
        EXPECT_EQ(c->lblTotal->text(), caso.semTaxa ? QStringLiteral("20,00") : QStringLiteral("22,00")) << caso.senha;
        EXPECT_TRUE(dig.mostrados().last().senha);
        EXPECT_EQ(dig.mostrados().last().titulo, Consumos::kTituloTaxa);
    }
    EXPECT_EQ(dig.pendentes(), 0);
}

TEST_F(Conta, PagamentoParcialAteOTotal)
{
    const qint64 chk = ocupar(1);
    consumo(chk, 103, QStringLiteral("10"), QStringLiteral("10.00")); // 100,00 + 10,00 fee
    auto q = quadro(0);
    auto c = conta(q.get());
    DigitacoesRoteiro dig;
    const struct {
        const char *digitado;
        QString mensagem;
        const char *parcial;
    } casos[] = {
        {"10,00", Consumos::kMsgParcialSucesso, "10,00"},
        {"-5,00", Consumos::kMsgValorInvalido, "10,00"},
        {"0,00", Consumos::kMsgValorInvalido, "10,00"},
        {"abc", Consumos::kMsgValorInvalido, "10,00"},
        {"100,01", Consumos::kMsgParcialMaior, "10,00"},
        {"100,00", Consumos::kMsgParcialSucesso, "110,00"},
        {"0,01", Consumos::kMsgParcialMaior, "110,00"},
    };
    for (const auto &caso : casos) {
        dig.esperar(Consumos::kRotuloParcial, QString::fromUtf8(caso.digitado));
        msg->esperar(caso.mensagem);
        c->btnParcial->click();
        EXPECT_EQ(c->lblParcial->text(), QString::fromUtf8(caso.parcial)) << caso.digitado;
        EXPECT_EQ(Consumos::lerAbertura(DM->Conexao, chk).pagParcial.formatado(), QString::fromUtf8(caso.parcial)) << caso.digitado;
    }
    EXPECT_EQ(dig.mostrados().first().titulo, Consumos::kTituloParcial);
    EXPECT_EQ(dig.mostrados().first().padrao, QStringLiteral("0,00"));
    const QString log = QStringLiteral("ADMIN|Realizou Reposição de Pag. Parcial Consumos - Mesa 1 ao Caixa em Dinheiro!");
    EXPECT_EQ(logs(), QStringList({log, log}));
    // The value per person counts the payments.
    c->edtPessoas->setText(QStringLiteral("3"));
    EXPECT_EQ(c->lblPorPessoa->text(), QStringLiteral("0,00"));
}

TEST_F(Conta, PessoasQueNaoSaoNumero)
{
    const qint64 chk = ocupar(1);
    consumo(chk, 103, QStringLiteral("10"), QStringLiteral("10.00"));
    auto q = quadro(0);
    auto c = conta(q.get());
    c->edtPessoas->setText(QStringLiteral("3"));
    EXPECT_EQ(c->lblPorPessoa->text(), QStringLiteral("36,67"));
    // A pasted text gets past the field's filter only through setText.
    msg->esperar(Consumos::kMsgPessoasInvalida);
    c->edtPessoas->setText(QStringLiteral("3a"));
    EXPECT_EQ(c->lblPorPessoa->text(), QStringLiteral("0,00"));
}

TEST_F(Conta, TransferenciasDeLinhas)
{
    const Mesas::Textos t = Mesas::Textos::de(false);
    const struct {
        const char *nome;
        const char *qtdOrigem;
        qint64 mover;
        bool linhaNoDestino;    // the target already has a line of the product
        const char *sobra;      // source after, "-" deleted
        QStringList destino;
    } casos[] = {
        {"2 de 5", "5", 2, false, "3", {"103 2 (MESA 1) "}},
        {"5 de 5", "5", 5, false, "-", {"103 5 (MESA 1) "}},
        {"1 de 1,6 kg", "1.6", 1, false, "0,6", {"103 1 (MESA 1) "}},
        {"junta na linha igual", "5", 2, true, "3", {"103 3 (MESA 1) GELADO"}},
    };
    for (const auto &caso : casos) {
        banco().executar(QStringLiteral("DELETE FROM CONSUMO"));
        banco().executar(QStringLiteral("UPDATE MESA SET STATUS = 'L'"));
        const qint64 a = ocupar(1), b = ocupar(3);
        const qint64 l = consumo(a, 103, QString::fromUtf8(caso.qtdOrigem), QStringLiteral("10.00"));
        if (caso.linhaNoDestino)
            consumo(b, 103, QStringLiteral("1"), QStringLiteral("10.00"), QStringLiteral("N"), QStringLiteral("0"),
                    QStringLiteral("GELADO"));
        const Item origem = Consumos::lerItens(DM->Conexao, a).first();
        ASSERT_EQ(origem.idConsumo, l);
        const Consumos::Resultado r = Consumos::transferir(DM->Conexao, t, 1, origem, *Mesas::lerMesa(DM->Conexao, 3), caso.mover);
        EXPECT_TRUE(r.feito) << caso.nome << r.mensagem.toStdString();
        EXPECT_EQ(qtd(l), QString::fromUtf8(caso.sobra)) << caso.nome;
        EXPECT_EQ(linhas(b), caso.destino) << caso.nome;
    }
}

TEST_F(Conta, TransferenciaNaoJuntaPrecoOuViagemDiferente)
{
    const qint64 a = ocupar(1), b = ocupar(2);
    consumo(a, 102, QStringLiteral("2"), QStringLiteral("0.50"), QStringLiteral("S"), QStringLiteral("0.50"));
    consumo(b, 102, QStringLiteral("1"), QStringLiteral("0.50"), QStringLiteral("N"), QStringLiteral("0.50"));
    consumo(b, 102, QStringLiteral("1"), QStringLiteral("0.60"), QStringLiteral("S"), QStringLiteral("0.50"));
    const Consumos::Resultado r =
        Consumos::transferir(DM->Conexao, Mesas::Textos::de(false), 1, Consumos::lerItens(DM->Conexao, a).first(), *Mesas::lerMesa(DM->Conexao, 2), 2);
    ASSERT_TRUE(r.feito);
    EXPECT_EQ(linhas(b).size(), 3);
    EXPECT_EQ(contar(QStringLiteral("SELECT COUNT(*) FROM CONSUMO WHERE ID_CHECK_IN = ? AND VIAGEM = 'S' "
                                    "AND VALOR_UNIT = 0.5 AND TAXA_EMBALAGEM = 0.5 AND QTD = 2"),
                     {b}),
              1);
}

TEST_F(Conta, TransferenciaRecusadaNadaGrava)
{
    const Mesas::Textos t = Mesas::Textos::de(false);
    const qint64 a = ocupar(1), b = ocupar(2);
    const qint64 l = consumo(a, 103, QStringLiteral("3"), QStringLiteral("10.00"));
    const Item origem = Consumos::lerItens(DM->Conexao, a).first();
    const Mesas::Mesa alvo = *Mesas::lerMesa(DM->Conexao, 2);
    // Quantity outside 1 .. the line's whole quantity.
    for (qint64 q : {0, 4})
        EXPECT_EQ(Consumos::transferir(DM->Conexao, t, 1, origem, alvo, q).mensagem, Consumos::kMsgQuantidadeInvalida);
    // The target freed on another terminal after the list was shown.
    banco().executar(QStringLiteral("UPDATE MESA SET STATUS = 'L' WHERE ID_MESA = 2"));
    EXPECT_FALSE(Consumos::transferir(DM->Conexao, t, 1, origem, alvo, 1).feito);
    banco().executar(QStringLiteral("UPDATE MESA SET STATUS = 'O' WHERE ID_MESA = 2"));
    // The line lowered on another terminal below the quantity.
    banco().executar(QStringLiteral("UPDATE CONSUMO SET QTD = 1 WHERE ID_CONSUMO = ?"), {l});
    EXPECT_EQ(Consumos::transferir(DM->Conexao, t, 1, origem, alvo, 2).mensagem, Consumos::kMsgLinhaMudou);
    EXPECT_EQ(qtd(l), QStringLiteral("1"));
    EXPECT_TRUE(linhas(b).isEmpty());
}

TEST_F(Conta, TransferenciaPelaTela)
{
    const qint64 a = ocupar(1), b = ocupar(3);
    ocupar(4);
    consumo(a, 103, QStringLiteral("5"), QStringLiteral("10.00"));
    auto q = quadro(0);
    auto c = conta(q.get());
    c->btnTransferirClick();
    ASSERT_FALSE(c->pnlTransferir->isHidden());
    EXPECT_FALSE(c->dbgConsumos->isEnabled());
    ASSERT_EQ(c->cbPara->count(), 2);
    EXPECT_EQ(c->cbPara->itemText(0), QStringLiteral("3"));
    EXPECT_EQ(c->cbPara->currentIndex(), -1);
    msg->esperar(Consumos::kMsgSelecioneNovo);
    c->btnConfirmarTransferencia->click();
    msg->esperar(Consumos::kMsgQuantidadeInvalida);
    c->edtQuantidade->setText(QStringLiteral("6"));
    c->btnConfirmarTransferencia->click();
    EXPECT_EQ(c->edtQuantidade->text(), QStringLiteral("1"));
    c->cbPara->setCurrentIndex(0);
    c->edtQuantidade->setText(QStringLiteral("2"));
    msg->esperar(QStringLiteral("Confirmar a Transferência de (2) - REFRIGERANTE para a Mesa/Cartão 3"), Mensagem::Sim)
        .esperar(Consumos::kMsgTransferido);
    c->btnConfirmarTransferencia->click();
    EXPECT_TRUE(c->pnlTransferir->isHidden());
    EXPECT_TRUE(c->dbgConsumos->isEnabled());
    EXPECT_EQ(c->lblTotal->text(), QStringLiteral("33,00"));
    EXPECT_EQ(linhas(b), QStringList({QStringLiteral("103 2 (MESA 1) ")}));
}

// ------------------------------------------------------------ hand-over

class ContaDav : public Conta {
protected:
    void SetUp() override
    {
        Conta::SetUp();
        prepararCompanheiros();
        parametro(QStringLiteral("UTILIZA_FISCAL"), QStringLiteral("S"));
        DM->ConexaoPDV.garantirConectada();
        DM->ConexaoPDV.executar(QStringLiteral("SET GENERATOR GEN_ORCAMENTO_ID TO 119"));
    }
    ConexaoBanco &pdv() { return DM->ConexaoPDV; }
};

TEST_F(ContaDav, ConverteContaEmDocumento)
{
    const qint64 chk = ocupar(2);
    consumo(chk, 101, QStringLiteral("1.6"), QStringLiteral("49.90"));
    consumo(chk, 103, QStringLiteral("2"), QStringLiteral("10.00"));
    banco().executar(QStringLiteral("UPDATE CHECK_IN SET PAG_PARCIAL = 20 WHERE ID_CHECK_IN = ?"), {chk});
    auto q = quadro(1);
    auto c = conta(q.get());
    ASSERT_FALSE(c->btnConverterDav->isHidden());
    // 79,84 + 20,00 + 10 % = 109,824 -> 109,82.
    EXPECT_EQ(c->lblTotal->text(), QStringLiteral("109,82"));
    msg->esperar(Consumos::kPerguntaDav, Mensagem::Sim).esperar(Consumos::kMsgDavSucesso);
    c->btnConverterDav->click();
    EXPECT_EQ(msg->pendentes(), 0);
    EXPECT_EQ(c->result(), QDialog::Accepted);

    const Linha o = pdv().ler(QStringLiteral("SELECT * FROM ORCAMENTO"));
    EXPECT_EQ(o.inteiro(QStringLiteral("CODIGO")), 120);
    EXPECT_EQ(o.inteiro(QStringLiteral("NUMERO_DAV")), 120);
    EXPECT_EQ(o.texto(QStringLiteral("CODCLIENTE")), QStringLiteral("0001"));
    EXPECT_EQ(o.valor(QStringLiteral("NOMECLIENTE")).toString(), QStringLiteral("CLIENTE ESPECIAL").leftJustified(50));
    EXPECT_EQ(o.inteiro(QStringLiteral("CODVENDEDOR")), 7);
    EXPECT_EQ(o.dinheiro(QStringLiteral("VALOR")).formatado(), QStringLiteral("109,82"));
    EXPECT_EQ(o.dinheiro(QStringLiteral("DESCONTO")).formatado(), QStringLiteral("20,00"));
    EXPECT_EQ(o.texto(QStringLiteral("OBS")), QStringLiteral("MESA 2 - ANA PAULA SOUZA - CHK %1").arg(chk));
    EXPECT_EQ(o.data(QStringLiteral("DTEMISSAO")), QDate(2026, 12, 11));
    EXPECT_EQ(o.hora(QStringLiteral("HORA")), QTime(20, 30, 15));
    EXPECT_EQ(o.texto(QStringLiteral("HASH")), QStringLiteral("9864C49A9ACE416F8E39C1A7CA25E9D4"));
    const QList<Linha> itens = pdv().lerTodas(QStringLiteral("SELECT * FROM ITEMORCAMENTO ORDER BY CONTROLE"));
    ASSERT_EQ(itens.size(), 2);
    EXPECT_EQ(itens[0].inteiro(QStringLiteral("CODPRODUTO")), 101);
    EXPECT_EQ(itens[0].texto(QStringLiteral("QTDE")), QStringLiteral("1.6000"));
    EXPECT_EQ(itens[0].texto(QStringLiteral("TOTALITEN")), QStringLiteral("79.8400"));
    EXPECT_EQ(itens[1].texto(QStringLiteral("DESCRICAO")), QStringLiteral("REFRIGERANTE"));

    const Linha m = banco().ler(QStringLiteral("SELECT * FROM MESA WHERE ID_MESA = 2"));
    EXPECT_EQ(m.texto(QStringLiteral("STATUS")), QStringLiteral("L"));
    EXPECT_EQ(m.inteiro(QStringLiteral("ID_CHECK_IN")), chk);
    EXPECT_EQ(Consumos::lerAbertura(DM->Conexao, chk).encerrada, true);
    EXPECT_EQ(contar(QStringLiteral("SELECT COUNT(*) FROM CONSUMO WHERE ID_CHECK_IN = ?"), {chk}), 2);

    // A second hand-over of the same opening (another terminal's screen) writes nothing.
    const Consumos::Resultado r =
        Consumos::converterEmDav(DM->Conexao, Mesas::Textos::de(false), 2, chk, Dinheiro::deReais(10), false);
    EXPECT_FALSE(r.feito);
    EXPECT_EQ(r.mensagem, Consumos::kMsgContaEncerrada);
    EXPECT_EQ(pdv().valor(QStringLiteral("SELECT COUNT(*) FROM ORCAMENTO")).toLongLong(), 1);
}

TEST_F(ContaDav, ContaVaziaEConsumoDeOutraEstacao)
{
    const qint64 vazia = ocupar(1);
    Consumos::Resultado r = Consumos::converterEmDav(DM->Conexao, Mesas::Textos::de(false), 1, vazia, Dinheiro::deReais(10), false);
    ASSERT_TRUE(r.feito) << r.mensagem.toStdString();
    EXPECT_EQ(pdv().ler(QStringLiteral("SELECT VALOR FROM ORCAMENTO WHERE CODIGO = ?"), {r.documento}).dinheiro(QStringLiteral("VALOR")),
              Dinheiro());
    EXPECT_EQ(pdv().valor(QStringLiteral("SELECT COUNT(*) FROM ITEMORCAMENTO")).toLongLong(), 0);

    // A line ordered after the screen read the lines is in VALOR and in the items.
    const qint64 chk = ocupar(3);
    consumo(chk, 103, QStringLiteral("1"), QStringLiteral("10.00"));
    auto q = quadro(2);
    auto c = conta(q.get());
    EXPECT_EQ(c->lblTotal->text(), QStringLiteral("11,00"));
    consumo(chk, 103, QStringLiteral("1"), QStringLiteral("5.00"));
    msg->esperar(Consumos::kPerguntaDav, Mensagem::Sim).esperar(Consumos::kMsgDavSucesso);
    c->btnConverterDav->click();
    const Linha o = pdv().ler(QStringLiteral("SELECT FIRST 1 * FROM ORCAMENTO ORDER BY CODIGO DESC"));
    EXPECT_EQ(o.dinheiro(QStringLiteral("VALOR")).formatado(), QStringLiteral("16,50"));
    EXPECT_EQ(pdv().valor(QStringLiteral("SELECT COUNT(*) FROM ITEMORCAMENTO WHERE CODIGO = ?"),
                          {o.inteiro(QStringLiteral("CODIGO"))}).toLongLong(),
              2);
}

TEST_F(ContaDav, QuadroJaMostraAMesaLivreQuandoAMensagemAparece)
{
    const qint64 chk = ocupar(2);
    consumo(chk, 103, QStringLiteral("1"), QStringLiteral("10.00"));
    auto q = quadro(1);
    auto c = conta(q.get());
    std::optional<bool> livreNaMensagem;
    Mensagem::definirManipulador([&](const Mensagem::Pedido &p) {
        if (p.texto == Consumos::kPerguntaDav)
            return Mensagem::Sim;
        if (p.texto == Consumos::kMsgDavSucesso)
            livreNaMensagem = q->mesaAtual() && q->mesaAtual()->livre();
        return Mensagem::Ok;
    });
    c->btnConverterDav->click();
    EXPECT_EQ(livreNaMensagem, std::optional<bool>(true));
}

TEST_F(ContaDav, CompanheiroInacessivelNadaMuda)
{
    const qint64 chk = ocupar(1);
    consumo(chk, 103, QStringLiteral("1"), QStringLiteral("10.00"));
    DM->ConexaoPDV.desconectar();
    DM->ConexaoPDV.definirCaminho(pasta() + QStringLiteral("/nao-existe/pdv.fdb"));
    const Consumos::Resultado r =
        Consumos::converterEmDav(DM->Conexao, Mesas::Textos::de(false), 1, chk, Dinheiro::deReais(10), false);
    EXPECT_FALSE(r.feito);
    EXPECT_TRUE(r.mensagem.startsWith(QStringLiteral("Não foi possível gravar o DAV no Zentro PDV:"))) << r.mensagem.toStdString();
    EXPECT_TRUE(r.mensagem.contains(QStringLiteral("A conta continua aberta")));
    EXPECT_EQ(Mesas::lerMesa(DM->Conexao, 1)->status, QStringLiteral("O"));
    EXPECT_FALSE(Consumos::lerAbertura(DM->Conexao, chk).encerrada);
}

TEST_F(ContaDav, InsercaoRecusadaNoCompanheiroNaoDeixaLinhas)
{
    const qint64 chk = ocupar(1);
    consumo(chk, 103, QStringLiteral("1"), QStringLiteral("10.00"));
    consumo(chk, 101, QStringLiteral("1"), QStringLiteral("49.90"));
    // The second item is refused by the companion database.
    pdv().executar(QStringLiteral("ALTER TABLE ITEMORCAMENTO ADD CONSTRAINT CK_TESTE CHECK (CODPRODUTO <> 101)"));
    const Consumos::Resultado r =
        Consumos::converterEmDav(DM->Conexao, Mesas::Textos::de(false), 1, chk, Dinheiro::deReais(10), false);
    EXPECT_FALSE(r.feito);
    EXPECT_EQ(pdv().valor(QStringLiteral("SELECT COUNT(*) FROM ORCAMENTO")).toLongLong(), 0);
    EXPECT_EQ(pdv().valor(QStringLiteral("SELECT COUNT(*) FROM ITEMORCAMENTO")).toLongLong(), 0);
    EXPECT_EQ(Mesas::lerMesa(DM->Conexao, 1)->status, QStringLiteral("O"));
}

TEST_F(ContaDav, AtendenteSemCodigoNumericoVendeComoUm)
{
    banco().executar(QStringLiteral("UPDATE FUNCIONARIO SET COD_FUNCIONARIO = 'AB'"));
    const qint64 chk = ocupar(1);
    const Consumos::Resultado r =
        Consumos::converterEmDav(DM->Conexao, Mesas::Textos::de(true), 1, chk, Dinheiro::deReais(10), false);
    ASSERT_TRUE(r.feito) << r.mensagem.toStdString();
    const Linha o = pdv().ler(QStringLiteral("SELECT CODVENDEDOR, OBS FROM ORCAMENTO"));
    EXPECT_EQ(o.inteiro(QStringLiteral("CODVENDEDOR")), 1);
    EXPECT_TRUE(o.texto(QStringLiteral("OBS")).startsWith(QStringLiteral("CARTÃO 1 - ")));
}

TEST_F(Conta, QuadroAbreAContaDaMesaAtual)
{
    const qint64 chk = ocupar(2);
    consumo(chk, 103, QStringLiteral("1"), QStringLiteral("10.00"));
    ligarContaMesa();
    auto q = quadro(1);
    QString titulo;
    Telas::interceptar<TFrmConsumos>([&](TFrmConsumos *c) -> int {
        titulo = c->windowTitle() + QLatin1Char(' ') + c->lblTotal->text();
        return QDialog::Rejected;
    });
    q->mnuFecharContaClick();
    EXPECT_EQ(titulo, QStringLiteral("Consumos - Mesa 2 11,00"));
}

} // namespace

// ------------------------------------------------------------ the bill

TEST(TotaisConta, LinhasDaContaAgrupadasOuUmaAUma)
{
    auto item = [](qint64 produto, const char *qtd, qint64 preco, bool viagem = false) {
        Item i = linha(QString::fromLatin1(qtd), preco, viagem, viagem, viagem ? 50 : 0);
        i.idProduto = produto;
        i.descricao = QStringLiteral("P%1").arg(produto);
        return i;
    };
    // Same product and price eaten in: one group; taken away or at another
    // price: groups of their own, in the order they first appear.
    const QList<Item> itens{item(103, "2", 1000), item(101, "1.6", 4990), item(103, "1", 1000),
                            item(103, "1", 1000, true), item(103, "1", 1200), item(101, "0.0125", 4990)};
    const struct {
        bool desagrupados;
        QStringList esperado;
    } casos[] = {
        {false, {"103 3,000 10,00 30,00", "101 1,613 49,90 80,46", "103 1,000 10,00 10,00", "103 1,000 12,00 12,00"}},
        {true,
         {"103 2,000 10,00 20,00", "101 1,600 49,90 79,84", "103 1,000 10,00 10,00", "103 1,000 10,00 10,00",
          "103 1,000 12,00 12,00", "101 0,013 49,90 0,62"}},
    };
    for (const auto &c : casos) {
        QStringList r;
        for (const Consumos::LinhaConta &l : Consumos::linhasConta(itens, c.desagrupados))
            r << QStringLiteral("%1 %2 %3 %4")
                     .arg(l.idProduto)
                     .arg(Consumos::textoQuantidadeConta(l.qtd), l.valorUnit.formatado(), l.total.formatado());
        EXPECT_EQ(r, c.esperado) << c.desagrupados;
    }
    // 1,6125 × 49,90 = 80,46375: the group is summed exactly, rounded once.
    const struct {
        Consumos::Quantidade q;
        const char *texto;
    } quantidades[] = {{16000, "1,600"}, {12500000, "1.250,000"}, {5, "0,001"}, {0, "0,000"}, {-20000, "-2,000"}};
    for (const auto &c : quantidades)
        EXPECT_EQ(Consumos::textoQuantidadeConta(c.q), QString::fromLatin1(c.texto)) << c.q;
    const QDateTime noite(QDate(2026, 12, 11), QTime(19, 5));
    EXPECT_EQ(Consumos::permanencia(noite, QDateTime(QDate(2026, 12, 11), QTime(20, 30, 15))), "01:25");
    EXPECT_EQ(Consumos::permanencia(noite, QDateTime(QDate(2026, 12, 12), QTime(21, 5))), "26:00");
    EXPECT_EQ(Consumos::permanencia(QDateTime(), noite), "");
}

namespace {

struct ContaVista {
    QStringList cabecalho, textos, linhas, resumo, fechamento;
};

ContaVista ler(const Relatorio &rel)
{
    ContaVista v;
    const QList<Relatorio::Pagina> p = rel.paginas();
    if (!p.isEmpty())
        v.cabecalho = p.first().cabecalho;
    for (const Relatorio::Banda &b : rel.bandas()) {
        QStringList celulas;
        for (const Relatorio::Celula &c : b.celulas)
            celulas << c.texto;
        switch (b.tipo) {
        case Relatorio::TipoBanda::Texto: v.textos << b.texto; break;
        case Relatorio::TipoBanda::Detalhe: v.linhas << celulas.join(QLatin1Char('|')); break;
        case Relatorio::TipoBanda::Resumo: v.resumo << b.texto + QLatin1Char(' ') + celulas.join(QString()); break;
        case Relatorio::TipoBanda::Fechamento: v.fechamento << b.texto; break;
        default: break;
        }
    }
    return v;
}

} // namespace

class ContaImpressa : public Conta {
protected:
    void SetUp() override
    {
        Conta::SetUp();
        banco().executar(QStringLiteral(
            "UPDATE PARAMETROS SET NOME_FANTASIA = 'POUSADA D''ÁVILA', CNPJ = '12.345.678/0001-90', "
            "ENDERECO = 'RUA DAS FLORES, 10', BAIRRO = 'CENTRO', CIDADE = 'PARATY', UF = 'RJ', FONE1 = '(24)3371-0000', "
            "MSGADICFISCAL = 'VOLTE SEMPRE'"));
        tParametros().recarregar();
        // The table opened at 19:05; the bill is asked for at 20:30:15.
        Relogio::definir(QDateTime(QDate(2026, 12, 11), QTime(19, 5)));
        chk = ocupar(2);
        Relogio::definir(QDateTime(QDate(2026, 12, 11), QTime(20, 30, 15)));
        consumo(chk, 103, QStringLiteral("2"), QStringLiteral("10.00"));
        consumo(chk, 101, QStringLiteral("1.6"), QStringLiteral("49.90"));
        consumo(chk, 103, QStringLiteral("1"), QStringLiteral("10.00"));
        banco().executar(QStringLiteral("UPDATE CHECK_IN SET PAG_PARCIAL = 5 WHERE ID_CHECK_IN = ?"), {chk});
    }
    qint64 impressoes()
    {
        return contar(QStringLiteral("SELECT IMPRESSOES_EXTRATO FROM CHECK_IN WHERE ID_CHECK_IN = ?"), {chk});
    }
    // F8 on the screen; the preview's report as read.
    std::optional<ContaVista> f8(TFrmConsumos *c)
    {
        std::optional<ContaVista> v;
        Telas::interceptar<TFrmVisualizaRelatorio>([&](TFrmVisualizaRelatorio *p) {
            v = ler(p->relatorio());
            return int(QDialog::Rejected);
        });
        tecla(c, Qt::Key_F8);
        return v;
    }
    qint64 chk = 0;
};

TEST_F(ContaImpressa, F8MostraAContaEContaAImpressao)
{
    auto q = quadro(1);
    auto c = conta(q.get());
    c->edtPessoas->setText(QStringLiteral("3"));
    // Total 109,84 + 10% of it = 120,82 (fee 10,98); less 5,00 for three.
    EXPECT_EQ(c->lblTotal->text(), QStringLiteral("120,82"));
    EXPECT_EQ(c->lblPorPessoa->text(), QStringLiteral("38,61"));

    const std::optional<ContaVista> v = f8(c.get());
    ASSERT_TRUE(v);
    EXPECT_EQ(v->cabecalho, QStringList({QStringLiteral("POUSADA D'ÁVILA"), QStringLiteral("Extrato de Consumo"),
                                         QStringLiteral("Mesa 2"), QStringLiteral("CNPJ: 12.345.678/0001-90"),
                                         QStringLiteral("RUA DAS FLORES, 10 - CENTRO - PARATY-RJ - (24)3371-0000")}));
    EXPECT_EQ(v->textos, QStringList({QStringLiteral("Cliente: CLIENTE ESPECIAL"),
                                      QStringLiteral("N. %1  -  11/12/2026 20:30:15").arg(chk),
                                      QStringLiteral("Atendente: ANA PAULA SOUZA"), QStringLiteral("Permanencia: 01:25")}));
    EXPECT_EQ(v->linhas, QStringList({QStringLiteral("P103|REFRIGERANTE|3,000|10,00|30,00"),
                                      QStringLiteral("P101|PICANHA NA CHAPA|1,600|49,90|79,84")}));
    EXPECT_EQ(v->resumo, QStringList({QStringLiteral("(=) SUBTOTAL R$ 109,84"), QStringLiteral("(+) TAXA SERVIÇO R$ 10,98"),
                                      QStringLiteral("(+) EMBALAGEM R$ 0,00"), QStringLiteral("(=) VALOR TOTAL R$ 120,82"),
                                      QStringLiteral("PAGAMENTO PARCIAL: R$ 5,00"), QStringLiteral("RESTANTE: R$ 115,82"),
                                      QStringLiteral("VALOR POR PESSOA R$ 38,61")}));
    EXPECT_EQ(v->fechamento, QStringList{QStringLiteral("VOLTE SEMPRE")});
    EXPECT_EQ(impressoes(), 1);
    EXPECT_EQ(c->lblExtrato->text(), QStringLiteral("Extrato Impresso: 1 Vez(es)"));

    // Ungrouped: each line with its own code and value; a line ordered on
    // another terminal meanwhile is read again by F8.
    consumo(chk, 102, QStringLiteral("1"), QStringLiteral("0.50"), QStringLiteral("S"), QStringLiteral("0.50"));
    c->cbDesagrupados->setChecked(true);
    const std::optional<ContaVista> u = f8(c.get());
    ASSERT_TRUE(u);
    EXPECT_EQ(u->linhas, QStringList({QStringLiteral("P103|REFRIGERANTE|2,000|10,00|20,00"),
                                      QStringLiteral("P101|PICANHA NA CHAPA|1,600|49,90|79,84"),
                                      QStringLiteral("P103|REFRIGERANTE|1,000|10,00|10,00"),
                                      QStringLiteral("P102|MARMITEX|1,000|0,50|0,50")}));
    EXPECT_TRUE(u->resumo.contains(QStringLiteral("(+) EMBALAGEM R$ 0,50")));
    EXPECT_TRUE(u->resumo.contains(QStringLiteral("(=) VALOR TOTAL R$ 121,82")));
    EXPECT_EQ(impressoes(), 2);
    EXPECT_EQ(c->lblTotal->text(), QStringLiteral("121,82"));
}

TEST_F(ContaImpressa, ContaSemParcialNemPessoasEContaVaziaOuEncerrada)
{
    banco().executar(QStringLiteral("UPDATE CHECK_IN SET PAG_PARCIAL = 0 WHERE ID_CHECK_IN = ?"), {chk});
    auto q = quadro(1);
    auto c = conta(q.get());
    const std::optional<ContaVista> v = f8(c.get());
    ASSERT_TRUE(v);
    // The lines "PAGAMENTO PARCIAL" and "VALOR POR PESSOA" print only with a value.
    EXPECT_EQ(v->resumo, QStringList({QStringLiteral("(=) SUBTOTAL R$ 109,84"), QStringLiteral("(+) TAXA SERVIÇO R$ 10,98"),
                                      QStringLiteral("(+) EMBALAGEM R$ 0,00"), QStringLiteral("(=) VALOR TOTAL R$ 120,82"),
                                      QStringLiteral("RESTANTE: R$ 120,82")}));

    // Handed over on another terminal: the bill is shown, not counted.
    banco().executar(QStringLiteral("UPDATE CHECK_IN SET DATA_SAIDA = CURRENT_DATE WHERE ID_CHECK_IN = ?"), {chk});
    EXPECT_TRUE(f8(c.get()));
    EXPECT_EQ(impressoes(), 1);
    EXPECT_EQ(Consumos::contarImpressao(DM->Conexao, chk), std::nullopt);

    // An account without lines: "Nenhum Registro Encontrado!", no preview, not counted.
    const qint64 vazia = ocupar(3);
    auto q3 = quadro(2);
    auto c3 = conta(q3.get());
    msg->esperar(kMsgNenhumRegistro);
    EXPECT_FALSE(f8(c3.get()));
    EXPECT_EQ(msg->pendentes(), 0);
    EXPECT_EQ(contar(QStringLiteral("SELECT IMPRESSOES_EXTRATO FROM CHECK_IN WHERE ID_CHECK_IN = ?"), {vazia}), 0);
}

TEST_F(ContaImpressa, ContaEmPdfLidaDeVolta)
{
    if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
        GTEST_FAIL() << "pdftotext (poppler-utils) não instalado: rode scripts/install-deps";
    Consumos::Conta c;
    c.textos = Mesas::Textos::de(false);
    c.mesa = 2;
    c.cliente = QStringLiteral("CLIENTE ESPECIAL");
    c.abertura = Consumos::lerAbertura(DM->Conexao, chk);
    c.atendente = QStringLiteral("ANA PAULA SOUZA");
    c.agora = Relogio::agora();
    c.itens = Consumos::lerItens(DM->Conexao, chk);
    c.totais = Consumos::calcular(c.itens, Dinheiro::deReais(10), false);
    const QString arquivo = pasta() + QStringLiteral("/conta mesa 2.pdf");
    RelatorioPintura::gravarPdf(Consumos::montarConta(c), arquivo);
    QProcess p;
    p.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), arquivo, QStringLiteral("-")});
    ASSERT_TRUE(p.waitForFinished(20000));
    const QString texto = QString::fromUtf8(p.readAllStandardOutput());
    for (const char *esperado : {"POUSADA D'ÁVILA", "Extrato de Consumo", "Mesa 2", "Cliente: CLIENTE ESPECIAL",
                                 "Atendente: ANA PAULA SOUZA", "Descricao do Produto", "P103", "REFRIGERANTE", "3,000",
                                 "79,84", "(=) VALOR TOTAL R$", "120,82", "RESTANTE: R$", "115,82", "VOLTE SEMPRE"})
        EXPECT_TRUE(texto.contains(QString::fromUtf8(esperado))) << esperado << "\n" << texto.toStdString();
}
