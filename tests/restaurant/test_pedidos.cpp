// The order panel: how a typed code finds a product, weighing on a Toledo
// scale at the far end of a real serial line (socat), the total line, the
// kitchen box and the stored order lines.
#include "base/Relogio.h"
#include "base/Telas.h"
#include "platform/Balanca.h"
#include "restaurant/Pedidos.h"
#include "restaurant/UnitMesas.h"
#include "support/BalancaFalsa.h"
#include "support/TelasTeste.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QTableWidget>
#include <QPlainTextEdit>
#include <QPushButton>

namespace {

class Pedido_ : public TelasTeste {
protected:
    void SetUp() override
    {
        TelasTeste::SetUp();
        Relogio::definir(QDateTime(QDate(2026, 12, 11), QTime(10, 15)));
        for (int i = 1; i <= 4; ++i)
            banco().executar(QStringLiteral("INSERT INTO MESA (DESCRICAO) VALUES (?)"), {QStringLiteral("MESA %1").arg(i)});
        ana = banco()
                  .valor(QStringLiteral("INSERT INTO FUNCIONARIO (NOME, CPF, COD_FUNCIONARIO, NOME_CRACHA) VALUES "
                                        "('ANA PAULA', '111.111.111-11', '0007', 'ANINHA') RETURNING ID_FUNCIONARIO"))
                  .toString();
        abertura = Mesas::abrir(DM->Conexao, 3, ana, QStringLiteral("MARIA"), Relogio::agora()).chave;
    }
    void TearDown() override
    {
        Balanca::definirPorta(QString());
        Telas::liberarTodas();
        TelasTeste::TearDown();
    }
    // The board with the order panel open on table 3.
    std::unique_ptr<TFrmMesas> painel()
    {
        auto f = std::make_unique<TFrmMesas>();
        f->setAttribute(Qt::WA_DontShowOnScreen);
        f->show();
        ativar(f.get());
        f->cvMesas->setCurrentRow(2);
        f->mnuIncluirConsumosClick();
        EXPECT_TRUE(f->pnlConsumo->isVisible());
        return f;
    }
    void codigo(TFrmMesas *f, const QString &c)
    {
        f->edtProduto->setText(c);
        tecla(f->edtProduto, Qt::Key_Return);
    }
    qint64 linhas() { return contar(QStringLiteral("SELECT COUNT(*) FROM CONSUMO")); }

    QString ana;
    qint64 abertura = 0;
};

// The same with a scale on a pseudo-terminal.
class PedidoBalanca : public Pedido_ {
protected:
    void SetUp() override
    {
        if (!escala.pronta())
            GTEST_SKIP() << escala.motivo().toStdString();
        Pedido_::SetUp();
        Balanca::definirPorta(escala.porta());
    }
    BalancaFalsa escala;
};

} // namespace

TEST_F(Pedido_, RegrasDoCodigo)
{
    banco().executar(QStringLiteral("INSERT INTO PRODUTO (ID_PRODUTO, REFERENCIA, DESCRICAO, CODIGO_BARRAS, VALOR_VENDA) "
                                    "VALUES (31, '0031', 'CHOCOLATE', '7891000100103', 7)"));
    banco().executar(QStringLiteral("INSERT INTO PRODUTO (ID_PRODUTO, REFERENCIA, DESCRICAO, VALOR_VENDA) "
                                    "VALUES (123456, NULL, 'BOLO DA CASA', 15)"));
    banco().executar(QStringLiteral("INSERT INTO PRODUTO (ID_PRODUTO, REFERENCIA, DESCRICAO, VALOR_VENDA, EXCLUIDO) "
                                    "VALUES (40, '0040', 'FORA DO CARDÁPIO', 15, 'S')"));
    using R = Pedidos::Escolha::Regra;
    struct Caso {
        const char *codigo;
        R regra;
        qint64 produto; // 0: none
    };
    auto conferir = [](const QList<Caso> &casos) {
        for (const Caso &c : casos) {
            const Pedidos::Escolha e = Pedidos::interpretarCodigo(DM->Conexao, QString::fromUtf8(c.codigo));
            EXPECT_EQ(int(e.regra), int(c.regra)) << c.codigo;
            EXPECT_EQ(e.produto.value_or(0), c.produto) << c.codigo;
        }
    };
    conferir({
        {"R0012", R::Referencia, 12},
        {"r0012", R::Referencia, 12},
        {"12", R::Curto, 12},
        {"0012", R::Curto, 12},
        {"R12", R::Referencia, 0},        // an "R" code of another length
        {"R9999", R::Referencia, 0},
        {"B7", R::Balanca, 7},
        {"B40", R::Balanca, 0},           // deleted
        {"BXY", R::Balanca, 0},
        {"ABC", R::Curto, 0},             // not a number: no product, no error
        {"", R::Curto, 0},
        {"40", R::Curto, 0},              // deleted
        {"99999", R::Curto, 0},
        {"123456", R::CodigoBarras, 123456}, // six digits: bar code first, then the key
        {"7891000100103", R::CodigoBarras, 31},
        {"78910001001039999999", R::CodigoBarras, 0},
    });
    // Two live products with the menu code 0012: the key decides.
    banco().executar(QStringLiteral("INSERT INTO PRODUTO (ID_PRODUTO, REFERENCIA, DESCRICAO, VALOR_VENDA) "
                                    "VALUES (32, '0012', 'OUTRO FRANGO', 30)"));
    conferir({{"12", R::Curto, 12}, {"R0012", R::Referencia, 0}, {"32", R::Curto, 32}});
}

TEST_F(Pedido_, LinhaDoTotal)
{
    const struct {
        const char *qtd, *valor, *linha;
    } casos[] = {
        {"0,456", "69,90", "Valor Total R$ 31,87"},
        {"2", "49,90", "Valor Total R$ 99,80"},
        {"1.000", "1,00", "Valor Total R$ 1.000,00"},
        {"0,005", "0,10", "Valor Total R$ 0,00"},
        {"0", "5,00", "Valor Total R$ 0,00"},
        {"", "5,00", "Valor Total R$ 0,00"},
        {"2", "0,00", "Valor Total R$ 0,00"},
        {"2", "", "Valor Total R$ 0,00"},
        {"-9,000", "69,90", "Valor Total R$ 0,00"}, // a failed weighing is no quantity
        {"ABC", "5,00", "Valor Total R$ 0,00"},
    };
    for (const auto &c : casos)
        EXPECT_EQ(Pedidos::linhaTotal(QString::fromUtf8(c.qtd), QString::fromUtf8(c.valor)).toStdString(), c.linha)
            << c.qtd << " x " << c.valor;
}

TEST_F(Pedido_, ConfirmarLinhaECaixaDaCozinha)
{
    parametro(QStringLiteral("TAXA_EMBALAGEM"), QStringLiteral("1.50"));
    banco().executar(QStringLiteral("UPDATE MESA SET AGUARDANDO_PAG = 'S' WHERE ID_MESA = 3"));
    auto f = painel();
    EXPECT_EQ(f->lblTituloConsumo->text(), QStringLiteral("Incluir Consumo: MESA 3"));
    EXPECT_FALSE(f->edtGarcon->isVisible());
    // no product chosen
    msg->esperar(Pedidos::kMsgProdutoInvalido);
    f->btnConfirmarConsumoClick();
    EXPECT_EQ(focado(), f->edtProduto);

    codigo(f.get(), QStringLiteral("10"));
    EXPECT_EQ(f->edtProduto->text(), QStringLiteral("10"));
    EXPECT_EQ(f->edtValorUnit->text(), QStringLiteral("49,90"));
    EXPECT_EQ(f->edtQtd->text(), QStringLiteral("1"));
    EXPECT_EQ(focado(), f->edtQtd);
    EXPECT_EQ(f->lblTotal->text(), QStringLiteral("Valor Total R$ 49,90"));
    // quantities that are no quantity
    for (const char *q : {"0", "", "ABC", "-9,000", "-1,000", "1,23456"}) {
        f->edtQtd->setText(QString::fromUtf8(q));
        msg->esperar(Pedidos::kMsgQuantidadeInvalida);
        f->btnConfirmarConsumoClick();
        EXPECT_EQ(focado(), f->edtQtd) << q;
    }
    EXPECT_EQ(linhas(), 0);
    f->edtQtd->setText(QStringLiteral("1"));
    f->edtObs->setText(QStringLiteral("SEM CEBOLA"));
    f->cbViagem->setChecked(true);
    f->btnConfirmarConsumoClick();
    Relogio::avancar(60);
    codigo(f.get(), QStringLiteral("12"));
    f->edtQtd->setText(QStringLiteral("2,5"));
    f->edtObs->clear();
    f->cbViagem->setChecked(false);
    f->btnConfirmarConsumoClick();
    codigo(f.get(), QStringLiteral("5")); // not prepared by the kitchen
    f->btnConfirmarConsumoClick();
    EXPECT_EQ(f->memoCozinha->toPlainText(),
              QStringLiteral("MESA 3 - 11/12/2026 10:15:00\n1 VIA=FEIJOADA COMPLETA\n  SEM CEBOLA\n2.5 FRANGO GRELHADO COM SALADA"));
    QStringList gravadas;
    for (const Linha &l : banco().lerTodas(QStringLiteral("SELECT * FROM CONSUMO ORDER BY ID_CONSUMO")))
        gravadas << QStringLiteral("%1|%2|%3|%4|%5|%6|%7|%8")
                        .arg(l.inteiro(QStringLiteral("ID_PRODUTO")))
                        .arg(l.inteiro(QStringLiteral("ID_CHECK_IN")) == abertura)
                        .arg(l.dinheiro(QStringLiteral("QTD")).formatado(), l.texto(QStringLiteral("VALOR_UNIT")),
                             l.texto(QStringLiteral("VIAGEM")), l.texto(QStringLiteral("TAXA_EMBALAGEM")),
                             l.texto(QStringLiteral("OBS")), l.texto(QStringLiteral("CONCLUIDO")));
    EXPECT_EQ(gravadas, (QStringList{QStringLiteral("10|1|1,00|49.90|S|1.50|SEM CEBOLA|N"),
                                     QStringLiteral("12|1|2,50|36.90|N|1.50||N"), QStringLiteral("5|1|1,00|9.50|N|1.50||N")}));
    EXPECT_EQ(contar(QStringLiteral("SELECT COUNT(*) FROM MESA WHERE ID_MESA = 3 AND AGUARDANDO_PAG = 'N'")), 1);
    // the queue got the kitchen's lines at once
    EXPECT_EQ(f->grdFila->rowCount(), 2);
    // Esc closes the panel
    tecla(f->edtProduto, Qt::Key_Escape);
    EXPECT_FALSE(f->pnlConsumo->isVisible());
    EXPECT_TRUE(f->cvMesas->isEnabled());
    EXPECT_EQ(focado(), f->edtMesa);
}

TEST_F(Pedido_, CabecalhoDaCozinhaComGarcomEModoCartao)
{
    parametro(QStringLiteral("GARCON_IMP_COZINHA"), QStringLiteral("S"));
    parametro(QStringLiteral("MODO_CARTAO"), QStringLiteral("S"));
    auto f = painel();
    EXPECT_TRUE(f->edtGarcon->isVisible());
    EXPECT_EQ(f->edtGarcon->text(), QStringLiteral("ANINHA"));
    f->edtGarcon->setText(QStringLiteral("ZECA"));
    codigo(f.get(), QStringLiteral("R0004"));
    f->btnConfirmarConsumoClick();
    EXPECT_EQ(f->memoCozinha->toPlainText(),
              QStringLiteral("CARD 3 - 11/12/2026 10:15:00 - ZECA\n1 SUCO NATURAL DE LARANJA 500ML"));
    // Enter on the take-away box goes to the waiter
    f->cbViagem->setFocus();
    tecla(f->cbViagem, Qt::Key_Return);
    EXPECT_EQ(focado(), f->edtGarcon);
}

TEST_F(Pedido_, LinhaRecusadaQuandoAMesaMudouEmOutroTerminal)
{
    auto f = painel();
    codigo(f.get(), QStringLiteral("10"));
    // another terminal moves table 3 to table 1
    ASSERT_TRUE(Mesas::transferir(DM->Conexao, Mesas::Textos::de(false), *Mesas::lerMesa(DM->Conexao, 3), *Mesas::lerMesa(DM->Conexao, 1)).feito);
    msg->esperar(Mesas::msgMesaMudou(f->textos, 3));
    f->btnConfirmarConsumoClick();
    EXPECT_EQ(linhas(), 0);
    EXPECT_FALSE(f->pnlConsumo->isVisible());
}

TEST_F(PedidoBalanca, PesoDaBalancaPeloCodigoB)
{
    auto f = painel();
    escala.definir(BalancaFalsa::Modo::Peso, 456);
    codigo(f.get(), QStringLiteral("B13"));
    EXPECT_EQ(f->edtQtd->text(), QStringLiteral("0,456"));
    EXPECT_EQ(f->edtProduto->text(), QStringLiteral("13"));
    ASSERT_TRUE(f->produtoEscolhido());
    EXPECT_EQ(f->produtoEscolhido()->id, 13);
    EXPECT_EQ(f->edtValorUnit->text(), QStringLiteral("69,90"));
    EXPECT_EQ(f->lblTotal->text(), QStringLiteral("Valor Total R$ 31,87"));
    f->btnConfirmarConsumoClick();
    const Linha l = banco().ler(QStringLiteral("SELECT QTD, VALOR_UNIT FROM CONSUMO"));
    EXPECT_EQ(l.texto(QStringLiteral("QTD")), QStringLiteral("0.4560"));
    EXPECT_EQ(l.texto(QStringLiteral("VALOR_UNIT")), QStringLiteral("69.90"));

    // Failed readings: the failure stays in the quantity, the product as it was.
    const struct {
        BalancaFalsa::Modo modo;
        const char *qtd;
    } falhas[] = {{BalancaFalsa::Modo::Instavel, "-1,000"},
                  {BalancaFalsa::Modo::Sobrecarga, "-1,000"},
                  {BalancaFalsa::Modo::Lixo, "-1,000"},
                  {BalancaFalsa::Modo::Silencio, "-9,000"}};
    for (const auto &c : falhas) {
        escala.definir(c.modo);
        msg->esperar(QStringLiteral("Erro na Leitura do Peso da Balança!"));
        codigo(f.get(), QStringLiteral("B7"));
        EXPECT_EQ(f->edtQtd->text().toStdString(), c.qtd);
        EXPECT_EQ(f->produtoEscolhido()->id, 13);
        // never stored
        msg->esperar(Pedidos::kMsgQuantidadeInvalida);
        f->btnConfirmarConsumoClick();
    }
    EXPECT_EQ(linhas(), 1);
    EXPECT_EQ(escala.pedidos(), 5);
}

TEST_F(PedidoBalanca, TeclasDePesoPelosParametros)
{
    auto f = painel();
    escala.definir(BalancaFalsa::Modo::Peso, 1250);
    struct Caso {
        const char *coluna, *valor;
        bool sobremesa;
        const char *mensagem; // nullptr: weighed
    };
    const Caso casos[] = {
        {"COD_PRODUTO_BALANCA", "0", false,
         "Código de Balança (Self-Service) Não cadastrado nos parâmetros, entre em contato com o suporte Calvori!"},
        {"COD_PRODUTO_BALANCA", "", false,
         "Código de Balança (Self-Service) Não cadastrado nos parâmetros, entre em contato com o suporte Calvori!"},
        {"COD_PRODUTO_BALANCA_SOB", "0", true,
         "Código de Balança (Sobremesa) Não cadastrado nos parâmetros, entre em contato com o suporte Calvori!"},
        {"COD_PRODUTO_BALANCA", "77", false,
         "Produto XYZ Não Encontrado no cadastro, entre em contato com o suporte Calvori!"},
        {"COD_PRODUTO_BALANCA_SOB", "16", true, nullptr},
        {"COD_PRODUTO_BALANCA", "13", false, nullptr},
    };
    int pedidos = 0;
    for (const Caso &c : casos) {
        parametro(QString::fromUtf8(c.coluna), QString::fromUtf8(c.valor));
        f->edtProduto->setText(QStringLiteral("XYZ"));
        if (c.mensagem)
            msg->esperar(QString::fromUtf8(c.mensagem));
        if (c.sobremesa)
            f->balancaSobremesa();
        else
            f->balancaSelfService();
        if (c.mensagem) {
            EXPECT_EQ(escala.pedidos(), pedidos) << "nothing weighed";
            EXPECT_EQ(focado(), f->edtProduto);
            continue;
        }
        ++pedidos;
        EXPECT_EQ(escala.pedidos(), pedidos);
        EXPECT_EQ(f->edtProduto->text(), QString::fromUtf8(c.valor));
        EXPECT_EQ(f->edtQtd->text(), QStringLiteral("1,250"));
        EXPECT_EQ(focado(), f->btnConfirmarConsumo);
    }
    EXPECT_EQ(f->lblTotal->text(), QStringLiteral("Valor Total R$ 87,38")); // 1,250 x 69,90
}
