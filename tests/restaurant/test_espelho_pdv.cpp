// The point of sale's copy of the products: tax-rate codes and texts, the
// digests against vectors computed elsewhere, the row written by each
// operation, the generator, the export, and the product screens reaching it.
#include "base/Telas.h"
#include "restaurant/EspelhoPDV.h"
#include "restaurant/Produtos.h"
#include "restaurant/UnitCadProdutosServicos.h"
#include "restaurant/UnitProdutosServicos.h"
#include "support/TelasTeste.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

// 75 characters: DESCRICAO keeps the first 60.
const QString kDescricao75 =
    QStringLiteral("BOLO DE CHOCOLATE COM COBERTURA DE BRIGADEIRO E RASPAS DE CHOCOLATE BRANCOX");
const QString kDescricao60 = QStringLiteral("BOLO DE CHOCOLATE COM COBERTURA DE BRIGADEIRO E RASPAS DE CH");

class Espelho_ : public TelasTeste {
protected:
    void SetUp() override
    {
        TelasTeste::SetUp();
        prepararCompanheiros();
        parametro(QStringLiteral("UTILIZA_FISCAL"), QStringLiteral("S"));
        pdv().garantirConectada();
    }
    void TearDown() override
    {
        Telas::liberarTodas();
        TelasTeste::TearDown();
    }
    ConexaoBanco &pdv() { return DM->ConexaoPDV; }

    qint64 produto(qint64 chave, const QString &descricao, const QString &valor = QStringLiteral("3.50"),
                   int estoque = 0, const QString &sit = QStringLiteral("FF"), const QVariant &barras = {},
                   const QString &excluido = QStringLiteral("N"))
    {
        banco().executar(QStringLiteral("INSERT INTO PRODUTOS_SERVICOS (ID_P_S, ID_PDV, DESCRICAO, VALOR, ESTOQUE, "
                                        "SIT_TRIBUT, CODIGO_BARRAS, EXCLUIDO) VALUES (?, 1, ?, ?, ?, ?, ?, ?)"),
                         {chave, descricao, valor, estoque, sit,
                          barras.isValid() ? barras : QVariant(QMetaType(QMetaType::QString)), excluido});
        return chave;
    }
    Linha estoque(qint64 codigo)
    {
        return pdv().ler(QStringLiteral("SELECT * FROM ESTOQUE WHERE CODIGO = ?"), {codigo});
    }
    qint64 linhasEstoque() { return pdv().valor(QStringLiteral("SELECT COUNT(*) FROM ESTOQUE")).toLongLong(); }
    qint64 gerador()
    {
        return pdv().valor(QStringLiteral("SELECT GEN_ID(GEN_ESTOQUE_ID, 0) FROM RDB$DATABASE")).toLongLong();
    }
    // Every column of a mirror row as "COLUNA=valor" texts.
    QStringList colunas(qint64 codigo)
    {
        const Linha l = estoque(codigo);
        QStringList r;
        for (int i = 0; i < l.registro().count(); ++i)
            r << l.registro().fieldName(i) + QLatin1Char('=') + l.texto(l.registro().fieldName(i));
        return r;
    }
    static Produtos::Produto novo(const QString &descricao)
    {
        Produtos::Produto p;
        p.idPdv = 1;
        p.descricao = descricao;
        p.cst = p.ncm = p.cest = p.estoque = p.minimo = QStringLiteral("0");
        p.valor = QStringLiteral("3,50");
        p.sitTribut = QStringLiteral("FF");
        return p;
    }
};

} // namespace

TEST_F(Espelho_, CodigoDaAliquotaETextosDaTabelaDoPdv)
{
    struct {
        const char *sit, *codigo, *aliquota, *cupom;
    } casos[] = {{"05", "1", "0500", "01"}, {"07", "2", "0700", "02"}, {"12", "3", "1200", "03"},
                 {"17", "4", "1700", "04"}, {"18", "12", "1800", "07"}, {"25", "5", "2500", "05"},
                 {"27", "6", "2700", "06"}, {"II", "7", "II", "II"},     {"FF", "8", "FF", "FF"},
                 {"NN", "9", "NN", "NN"},   {"XX", "", "", ""},           {"", "", "", ""}};
    EspelhoPDV::Espelho e(pdv());
    for (const auto &c : casos) {
        EXPECT_EQ(EspelhoPDV::codigoAliquota(QString::fromLatin1(c.sit)), QString::fromLatin1(c.codigo)) << c.sit;
        const EspelhoPDV::Aliquota a = e.aliquota(QString::fromLatin1(c.sit));
        EXPECT_EQ(a.aliquota, QString::fromLatin1(c.aliquota)) << c.sit;
        EXPECT_EQ(a.codigoCupom, QString::fromLatin1(c.cupom)) << c.sit;
    }
}

// Vectors: MD5 of the joined texts in Windows-1252, computed with Python's
// hashlib ("12AGUA MINERAL07180012,50", "7D'ÁVILA CAFÉFFFF1200,50", ...).
TEST_F(Espelho_, DigestosContraVetoresIndependentes)
{
    struct {
        qint64 chave;
        QString descricao;
        const char *valor;
        qint64 estoque;
        const char *sit, *hash, *hash2;
    } casos[] = {
        {12, QStringLiteral("AGUA MINERAL"), "12.50", 40, "18", "D037889772AB5C66E940EF9F61A1E0F5",
         "D4B5E7A099C82AFAC37F163B400F55B6"},
        {7, QStringLiteral("D'ÁVILA CAFÉ"), "1200.50", 3, "FF", "02BD2B7CDBB67BA5FB3CCDD2A30B3C1A",
         "A284ECC09CD2DBDB004ED52BCA83FFB8"},
        // No rate for "XX": both texts empty; the description cut to 60.
        {5, kDescricao75, "0.00", 3, "XX", "C49DE75AEB723F40B1338A6087F8301C", "4C37A21B53E7652FCD9CF41E77BE2721"},
    };
    EspelhoPDV::Espelho e(pdv());
    for (const auto &c : casos) {
        EspelhoPDV::Produto p;
        p.chave = c.chave;
        p.descricao = c.descricao;
        p.valor = *Dinheiro::deSql(QString::fromLatin1(c.valor));
        p.estoque = c.estoque;
        p.sitTribut = QString::fromLatin1(c.sit);
        EXPECT_EQ(EspelhoPDV::hash(p, e.aliquota(p.sitTribut)), QString::fromLatin1(c.hash)) << c.chave;
        EXPECT_EQ(EspelhoPDV::hash2(p.chave, p.descricao.left(60), p.estoque), QString::fromLatin1(c.hash2))
            << c.chave;
    }
    struct {
        const char *sql, *hash;
    } precos[] = {{"1200.50", "1200,50"}, {"12.5", "12,50"},  {"0", "0,00"},
                  {"-3", "3,00"},         {"1234567.89", "1234567,89"}};
    for (const auto &c : precos)
        EXPECT_EQ(EspelhoPDV::precoHash(*Dinheiro::deSql(QString::fromLatin1(c.sql))), QString::fromLatin1(c.hash))
            << c.sql;
}

TEST_F(Espelho_, ProdutoNovoGravaALinhaInteiraEOGeradorVaiAoMaiorCodigo)
{
    // Rows the point of sale already has: the generator goes to 10, not to
    // the count 3, and its next product takes 11 without a clash.
    for (int c : {1, 2, 10})
        pdv().executar(QStringLiteral("INSERT INTO ESTOQUE (CODIGO, DESCRICAO) VALUES (?, ?)"),
                       {c, QStringLiteral("PDV %1").arg(c)});
    EspelhoPDV::Espelho e(pdv());
    EXPECT_EQ(e.ajustarGerador(), 10);
    EXPECT_EQ(gerador(), 10);
    pdv().executar(QStringLiteral("INSERT INTO ESTOQUE (DESCRICAO) VALUES ('DO BALCAO')"));
    EXPECT_FALSE(estoque(11).vazia());

    banco().executar(QStringLiteral("SET GENERATOR GEN_ID_P_S TO 19"));
    Produtos::Produto p = novo(kDescricao75);
    p.valor = QStringLiteral("1.200,50");
    p.estoque = QStringLiteral("40");
    p.sitTribut = QStringLiteral("18");
    p.codigoBarras = QStringLiteral("7891234567895");
    const Produtos::Resultado r = Produtos::salvar(DM->Conexao, ModoEdicao::Incluir, 0, p);
    ASSERT_TRUE(r.salvo);
    ASSERT_EQ(r.chave, 20);
    EXPECT_EQ(r.erroEspelho, "");
    const QString hash = EspelhoPDV::hash(*EspelhoPDV::lerProduto(banco(), 20), e.aliquota(QStringLiteral("18")));
    EXPECT_EQ(colunas(20),
              QStringList({"CODIGO=20", "CODBARRA=7891234567895", "REFERENCIA=", "DESCRICAO=" + kDescricao60,
                           "DESCRIFISCAL=" + kDescricao75, "MED=UN", "PRECOVENDA=1200.50", "PRECOPRAZO=1200.50",
                           "PRECO3=1200.50", "QTDE=40.000", "QTDEEF=40.000", "CODALIQUOTA=12", "INATIVO=N",
                           "BALANCA=N", "COD_NCM=", "IPI=0.00", "DESCONTOMAX=0.00", "IAT=A", "IPPT=T",
                           "GERA_REL_REPOSICAO=N", "PRINCIPIO_ATIVO=", "FABRICANTE=", "HASH=" + hash,
                           "HASH2=" + EspelhoPDV::hash2(20, kDescricao60, 40)}));
    EXPECT_EQ(gerador(), 20);

    // A quote typed in a description is stored as typed on both sides.
    const Produtos::Resultado aspas = Produtos::salvar(DM->Conexao, ModoEdicao::Incluir, 0, novo(QStringLiteral("D'ÁVILA CAFÉ")));
    ASSERT_TRUE(aspas.salvo);
    EXPECT_EQ(estoque(aspas.chave).texto(QStringLiteral("DESCRICAO")), QStringLiteral("D'ÁVILA CAFÉ"));
    EXPECT_EQ(gerador(), aspas.chave);

    // Without UTILIZA_FISCAL nothing reaches the point of sale.
    parametro(QStringLiteral("UTILIZA_FISCAL"), QStringLiteral("N"));
    const qint64 antes = linhasEstoque();
    ASSERT_TRUE(Produtos::salvar(DM->Conexao, ModoEdicao::Incluir, 0, novo(QStringLiteral("SUCO"))).salvo);
    EXPECT_EQ(linhasEstoque(), antes);
}

TEST_F(Espelho_, AlteracaoCompraEExclusaoAtualizamSoALinhaQueExiste)
{
    const qint64 agua = produto(30, QStringLiteral("AGUA"), QStringLiteral("2.00"), 10, QStringLiteral("17"),
                                QStringLiteral("111"));
    const qint64 sem = produto(31, QStringLiteral("SEM ESPELHO"));
    EspelhoPDV::Espelho e(pdv());
    e.incluir(*EspelhoPDV::lerProduto(banco(), agua), QStringLiteral("111"));

    // Altered: the row is rewritten under the saved product's own key.
    Produtos::Produto p = novo(kDescricao75);
    p.valor = QStringLiteral("4,75");
    p.estoque = QStringLiteral("10");
    p.sitTribut = QStringLiteral("05");
    p.codigoBarras = QStringLiteral("12345678901234567890");
    Produtos::Resultado r = Produtos::salvar(DM->Conexao, ModoEdicao::Alterar, agua, p, 10);
    ASSERT_TRUE(r.salvo);
    EXPECT_EQ(r.erroEspelho, "");
    Linha l = estoque(agua);
    EXPECT_EQ(l.texto(QStringLiteral("DESCRICAO")), kDescricao60);
    EXPECT_EQ(l.texto(QStringLiteral("DESCRIFISCAL")), kDescricao75);
    EXPECT_EQ(l.texto(QStringLiteral("CODBARRA")), "12345678901234567890");
    EXPECT_EQ(l.texto(QStringLiteral("PRECOVENDA")), "4.75");
    EXPECT_EQ(l.texto(QStringLiteral("CODALIQUOTA")), "1");
    const QString hashAlterado = l.texto(QStringLiteral("HASH"));
    EXPECT_EQ(hashAlterado, EspelhoPDV::hash(*EspelhoPDV::lerProduto(banco(), agua), e.aliquota(QStringLiteral("05"))));

    // A purchase: stock and HASH2 (over the 60 characters stored), HASH kept.
    r = Produtos::comprar(DM->Conexao, agua, kDescricao75, QStringLiteral("5"));
    ASSERT_TRUE(r.salvo);
    l = estoque(agua);
    EXPECT_EQ(l.texto(QStringLiteral("QTDE")), "15.000");
    EXPECT_EQ(l.texto(QStringLiteral("QTDEEF")), "15.000");
    EXPECT_EQ(l.texto(QStringLiteral("HASH2")), EspelhoPDV::hash2(agua, kDescricao60, 15));
    EXPECT_EQ(l.texto(QStringLiteral("HASH")), hashAlterado);

    // Deleted: inactive, the row stays.
    r = Produtos::excluir(DM->Conexao, agua, kDescricao75);
    ASSERT_TRUE(r.salvo);
    EXPECT_EQ(estoque(agua).texto(QStringLiteral("INATIVO")), "S");

    // A product without a mirror row gets none from any of the three.
    ASSERT_TRUE(Produtos::salvar(DM->Conexao, ModoEdicao::Alterar, sem, novo(QStringLiteral("SEM ESPELHO 2"))).salvo);
    ASSERT_TRUE(Produtos::comprar(DM->Conexao, sem, QStringLiteral("SEM ESPELHO 2"), QStringLiteral("3")).salvo);
    ASSERT_TRUE(Produtos::excluir(DM->Conexao, sem, QStringLiteral("SEM ESPELHO 2")).salvo);
    EXPECT_TRUE(estoque(sem).vazia());
    EXPECT_EQ(linhasEstoque(), 1);
}

TEST_F(Espelho_, PdvInalcancavelGuardaOProdutoEDizOErro)
{
    pdv().desconectar();
    pdv().definirCaminho(pasta() + QStringLiteral("/nao-existe/pdv.fdb"));
    const Produtos::Resultado r = Produtos::salvar(DM->Conexao, ModoEdicao::Incluir, 0, novo(QStringLiteral("AGUA")));
    ASSERT_TRUE(r.salvo);
    EXPECT_TRUE(r.erroEspelho.startsWith(Produtos::kMsgEspelhoFalhou));
    EXPECT_GT(r.erroEspelho.size(), Produtos::kMsgEspelhoFalhou.size()); // the engine's error follows
    EXPECT_EQ(contar(QStringLiteral("SELECT COUNT(*) FROM PRODUTOS_SERVICOS WHERE DESCRICAO = 'AGUA'")), 1);

    // The screen shows the error, then the usual success box.
    auto f = std::make_unique<TFrmProdutosServicos>();
    f->setAttribute(Qt::WA_DontShowOnScreen);
    f->show();
    ativar(f.get());
    f->lista->irParaLinha(f->tPS()->localizar(QStringLiteral("ID_P_S"), QString::number(r.chave)));
    msg->esperar(Produtos::kMsgConfirmaExclusao, Mensagem::Sim).esperar(QString()).esperar(Produtos::kMsgExcluido);
    f->btnExcluir->click();
    EXPECT_EQ(msg->pendentes(), 0);
    ASSERT_EQ(msg->mostradas().size(), 3);
    EXPECT_EQ(msg->mostradas()[1].tipo, Mensagem::Tipo::Erro);
    EXPECT_TRUE(msg->mostradas()[1].texto.startsWith(Produtos::kMsgEspelhoFalhou));
}

TEST_F(Espelho_, ExportacaoAtualizaOuInsereEMarcaOsExcluidos)
{
    produto(40, QStringLiteral("CAFE"), QStringLiteral("5.00"), 7, QStringLiteral("18"), QStringLiteral("789"));
    produto(41, QStringLiteral("CHA"), QStringLiteral("4.00"), 2, QStringLiteral("FF"), QStringLiteral("790"),
            QStringLiteral("S"));
    produto(42, QStringLiteral("BOLO"), QStringLiteral("9.00"), 1, QStringLiteral("II"));
    banco().executar(QStringLiteral("INSERT INTO ANULACAO (ID_P_S) VALUES (42)"));
    // CAFE already has a row, with a bar code the point of sale keeps.
    pdv().executar(QStringLiteral("INSERT INTO ESTOQUE (CODIGO, CODBARRA, DESCRICAO) VALUES (40, '555', 'VELHO')"));

    const QList<EspelhoPDV::Produto> produtos = EspelhoPDV::lerProdutos(banco());
    QList<qint64> chaves;
    for (const EspelhoPDV::Produto &p : produtos)
        chaves << p.chave;
    EXPECT_TRUE(std::is_sorted(chaves.begin(), chaves.end()));
    EspelhoPDV::Espelho e(pdv());
    QList<qint64> inseridos;
    for (const EspelhoPDV::Produto &p : produtos)
        if (e.exportar(p))
            inseridos << p.chave;
    EXPECT_FALSE(inseridos.contains(40));
    EXPECT_TRUE(inseridos.contains(41));

    struct {
        qint64 chave;
        const char *barras, *inativo, *aliquota;
    } casos[] = {{40, "555", "N", "12"}, {41, "", "S", "8"}, {42, "", "S", "7"}};
    for (const auto &c : casos) {
        const Linha l = estoque(c.chave);
        EXPECT_EQ(l.texto(QStringLiteral("CODBARRA")), QString::fromLatin1(c.barras)) << c.chave;
        EXPECT_EQ(l.texto(QStringLiteral("INATIVO")), QString::fromLatin1(c.inativo)) << c.chave;
        EXPECT_EQ(l.texto(QStringLiteral("CODALIQUOTA")), QString::fromLatin1(c.aliquota)) << c.chave;
    }
    EXPECT_EQ(estoque(40).texto(QStringLiteral("DESCRICAO")), "CAFE");

    // A rerun writes the same values.
    QList<QStringList> antes;
    for (qint64 c : chaves)
        antes << colunas(c);
    EspelhoPDV::Espelho de_novo(pdv());
    for (const EspelhoPDV::Produto &p : EspelhoPDV::lerProdutos(banco()))
        EXPECT_FALSE(de_novo.exportar(p)) << p.chave;
    QList<QStringList> depois;
    for (qint64 c : chaves)
        depois << colunas(c);
    EXPECT_EQ(depois, antes);
}

TEST_F(Espelho_, TelasDoProdutoGravamEInativamNoPdv)
{
    qint64 mostrado = 0;
    Telas::interceptar<TFrmCadProdutosServicos>([&](TFrmCadProdutosServicos *c) {
        mostrado = c->lblCodigo->text().toLongLong();
        c->cbPDV->setCurrentIndex(c->cbPDV->findData(1));
        c->edtDescricao->setText(QStringLiteral("REFRIGERANTE"));
        c->edtValor->setText(QStringLiteral("6,00"));
        c->edtEstoque->setText(QStringLiteral("12"));
        c->edtCodigoBarras->setText(QStringLiteral("7890000000001"));
        msg->esperar(Produtos::kMsgCadastrado, Mensagem::Nao);
        c->btnConfirmar->click();
        return c->result();
    });
    auto f = std::make_unique<TFrmProdutosServicos>();
    f->setAttribute(Qt::WA_DontShowOnScreen);
    f->show();
    ativar(f.get());
    f->btnNovo->click();
    ASSERT_GT(mostrado, 0);
    Linha l = estoque(mostrado);
    ASSERT_FALSE(l.vazia());
    EXPECT_EQ(l.texto(QStringLiteral("DESCRICAO")), "REFRIGERANTE");
    EXPECT_EQ(l.texto(QStringLiteral("CODBARRA")), "7890000000001");
    EXPECT_EQ(l.texto(QStringLiteral("QTDE")), "12.000");
    EXPECT_EQ(l.texto(QStringLiteral("INATIVO")), "N");

    f->lista->irParaLinha(f->tPS()->localizar(QStringLiteral("ID_P_S"), QString::number(mostrado)));
    msg->esperar(Produtos::kMsgConfirmaExclusao, Mensagem::Sim).esperar(Produtos::kMsgExcluido);
    f->btnExcluir->click();
    EXPECT_EQ(msg->pendentes(), 0);
    EXPECT_EQ(estoque(mostrado).texto(QStringLiteral("INATIVO")), "S");
}
