// Products and services: the standard service's protection, deletion,
// stock purchase, the clash check, input checks, the stock kept on alter,
// the key stored, the NCM padding with its CEST suggestion and the rights.
#include "base/Relogio.h"
#include "base/Telas.h"
#include "restaurant/Produtos.h"
#include "restaurant/UnitCadProdutosServicos.h"
#include "restaurant/UnitPDV.h"
#include "restaurant/UnitProdutosServicos.h"
#include "support/TelasTeste.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>

namespace {

class Produtos_ : public TelasTeste {
protected:
    void SetUp() override
    {
        TelasTeste::SetUp();
        Relogio::definir(QDateTime(QDate(2026, 12, 10), QTime(9, 30)));
    }
    void TearDown() override
    {
        Telas::liberarTodas();
        Relogio::liberar();
        TelasTeste::TearDown();
    }
    qint64 produto(const QString &descricao, const QVariant &barras = {}, int estoque = 0,
                   const QString &excluido = QStringLiteral("N"), const QString &valor = QStringLiteral("3.50"))
    {
        return banco()
            .valor(QStringLiteral("INSERT INTO PRODUTOS_SERVICOS (ID_PDV, DESCRICAO, CODIGO_BARRAS, ESTOQUE, "
                                  "EXCLUIDO, VALOR) VALUES (1, ?, ?, ?, ?, ?) RETURNING ID_P_S"),
                   {descricao, barras.isValid() ? barras : QVariant(QMetaType(QMetaType::QString)), estoque,
                    excluido, valor})
            .toLongLong();
    }
    Linha linha(qint64 id)
    {
        return banco().ler(QStringLiteral("SELECT * FROM PRODUTOS_SERVICOS WHERE ID_P_S = ?"), {id});
    }
    qint64 produtos() { return contar(QStringLiteral("SELECT COUNT(*) FROM PRODUTOS_SERVICOS")); }
    static Produtos::Produto novo(const QString &descricao, const QString &barras = {})
    {
        Produtos::Produto p;
        p.idPdv = 1;
        p.descricao = descricao;
        p.codigoBarras = barras;
        p.cst = QStringLiteral("0");
        p.ncm = QStringLiteral("0");
        p.cest = QStringLiteral("0");
        p.valor = QStringLiteral("3,50");
        p.estoque = QStringLiteral("0");
        p.minimo = QStringLiteral("0");
        p.sitTribut = QStringLiteral("FF");
        return p;
    }
    // The list shown, standing on the row of `chave`.
    std::unique_ptr<TFrmProdutosServicos> abrirLista(qint64 chave = 0)
    {
        auto f = std::make_unique<TFrmProdutosServicos>();
        f->setAttribute(Qt::WA_DontShowOnScreen);
        f->show();
        ativar(f.get());
        if (chave > 0) {
            const int l = f->tPS()->localizar(QStringLiteral("ID_P_S"), QString::number(chave));
            EXPECT_GE(l, 0);
            f->lista->irParaLinha(l);
        }
        return f;
    }
    static QStringList descricoes(TFrmProdutosServicos *f)
    {
        QStringList r;
        for (int i = 0; i < f->tPS()->total(); ++i)
            r << f->tPS()->texto(i, QStringLiteral("DESC_PS"));
        return r;
    }
};

} // namespace

TEST_F(Produtos_, ServicoPadraoNaoSeAlteraNemExclui)
{
    struct {
        qint64 chave;
        const char *descricao;
        bool padrao;
    } casos[] = {{1, "DIARIA", true}, {1, "DIARIA ", true}, {1, "DIÁRIA", false}, {2, "DIARIA", false},
                 {1, "CAFE", false}};
    for (const auto &c : casos)
        EXPECT_EQ(Produtos::servicoPadrao(c.chave, QString::fromUtf8(c.descricao)), c.padrao) << c.descricao;

    auto f = abrirLista(1);
    ASSERT_EQ(f->lista->inteiro(QStringLiteral("ID_P_S")), 1);
    bool abriu = false;
    Telas::interceptar<TFrmCadProdutosServicos>([&](TFrmCadProdutosServicos *) {
        abriu = true;
        return int(QDialog::Rejected);
    });
    msg->esperar(Produtos::kMsgImpossivelAlterar);
    f->btnAlterar->click();
    msg->esperar(Produtos::kMsgImpossivelAlterar);
    f->dbgPSDblClick(); // the view asks the same
    msg->esperar(Produtos::kMsgImpossivelExcluir);
    f->btnExcluir->click();
    EXPECT_FALSE(abriu);
    EXPECT_EQ(msg->pendentes(), 0);
    EXPECT_EQ(linha(1).texto(QStringLiteral("EXCLUIDO")), "N");
    EXPECT_EQ(f->OP, ""); // the refused view does not leave the next alter in view mode
    EXPECT_EQ(Produtos::excluir(DM->Conexao, 1, QStringLiteral("DIARIA")).mensagem, Produtos::kMsgImpossivelExcluir);
    EXPECT_EQ(Produtos::salvar(DM->Conexao, ModoEdicao::Alterar, 1, novo(QStringLiteral("DIARIA")), 0).mensagem,
              Produtos::kMsgImpossivelAlterar);
    EXPECT_TRUE(logs().isEmpty());

    // Key 1 under another name, and "DIARIA" under another key, are ordinary.
    banco().executar(QStringLiteral("UPDATE PRODUTOS_SERVICOS SET DESCRICAO = 'DIARIA ANTIGA' WHERE ID_P_S = 1"));
    const qint64 outra = produto(QStringLiteral("DIARIA"));
    EXPECT_TRUE(Produtos::excluir(DM->Conexao, outra, QStringLiteral("DIARIA")).salvo);
    EXPECT_TRUE(Produtos::excluir(DM->Conexao, 1, QStringLiteral("DIARIA ANTIGA")).salvo);
}

TEST_F(Produtos_, ExclusaoMarcaExcluidoERegistra)
{
    const qint64 cerveja = produto(QStringLiteral("CERVEJA"));
    const qint64 agua = produto(QStringLiteral("AGUA"));
    auto f = abrirLista(cerveja);

    // "Não" changes nothing.
    msg->esperar(Produtos::kMsgConfirmaExclusao, Mensagem::Nao);
    f->btnExcluir->click();
    EXPECT_EQ(linha(cerveja).texto(QStringLiteral("EXCLUIDO")), "N");

    msg->esperar(Produtos::kMsgConfirmaExclusao, Mensagem::Sim).esperar(Produtos::kMsgExcluido);
    f->btnExcluir->click();
    EXPECT_EQ(msg->pendentes(), 0);
    EXPECT_EQ(linha(cerveja).texto(QStringLiteral("EXCLUIDO")), "S");
    EXPECT_EQ(linha(agua).texto(QStringLiteral("EXCLUIDO")), "N");
    EXPECT_EQ(logs(), QStringList{QStringLiteral("ADMIN|Excluiu Produto/Serviço -> Código %1 (CERVEJA)").arg(cerveja)});
    EXPECT_FALSE(descricoes(f.get()).contains("CERVEJA"));
    EXPECT_TRUE(descricoes(f.get()).contains("AGUA"));

    // Deleted meanwhile on another workstation: said so, nothing logged.
    EXPECT_EQ(Produtos::excluir(DM->Conexao, cerveja, QStringLiteral("CERVEJA")).mensagem, Produtos::kMsgNaoEncontrado);
    EXPECT_EQ(logs().size(), 1);
}

TEST_F(Produtos_, CompraSomaEstoqueSoComQuantidadeInteiraPositiva)
{
    const qint64 cerveja = produto(QStringLiteral("CERVEJA"), {}, 4);
    auto f = abrirLista(cerveja);
    f->btnCompra->click();
    EXPECT_TRUE(f->pnlCompra->isVisible());
    EXPECT_FALSE(f->dbgPS->isEnabled());
    EXPECT_FALSE(f->cbProduto->isEnabled());
    EXPECT_EQ(f->cbProduto->currentData().toLongLong(), cerveja);
    EXPECT_EQ(f->edtQuantidade->text(), "0");

    struct {
        const char *quantidade;
        QString mensagem;
    } recusas[] = {{"0", Produtos::kMsgInformeQuantidade},   {"", Produtos::kMsgInformeQuantidade},
                   {"000", Produtos::kMsgInformeQuantidade}, {"-0", Produtos::kMsgInformeQuantidade},
                   {"--1", Produtos::kMsgQuantidadeInvalida}, {"- 1", Produtos::kMsgQuantidadeInvalida},
                   {"abc", Produtos::kMsgQuantidadeInvalida}, {"1,5", Produtos::kMsgQuantidadeInvalida},
                   {"1.000", Produtos::kMsgQuantidadeInvalida}};
    for (const auto &c : recusas) {
        SCOPED_TRACE(c.quantidade);
        f->edtQuantidade->setText(QString::fromUtf8(c.quantidade));
        msg->esperar(c.mensagem);
        f->btnConfirmarCompra->click();
        EXPECT_EQ(msg->pendentes(), 0);
        EXPECT_TRUE(f->pnlCompra->isVisible());
    }
    EXPECT_EQ(linha(cerveja).inteiro(QStringLiteral("ESTOQUE")), 4);
    EXPECT_TRUE(logs().isEmpty());

    f->edtQuantidade->setText(QStringLiteral("12"));
    msg->esperar(Produtos::kMsgProdutoAdicionado);
    f->btnConfirmarCompra->click();
    EXPECT_EQ(msg->pendentes(), 0);
    const Linha l = linha(cerveja);
    EXPECT_EQ(l.inteiro(QStringLiteral("ESTOQUE")), 16);
    EXPECT_EQ(l.data(QStringLiteral("ULTIMA_COMPRA")), QDate(2026, 12, 10));
    EXPECT_EQ(logs(), QStringList{QStringLiteral("ADMIN|Realizou Compra de Produto -> Código %1 (CERVEJA - 12)")
                                      .arg(cerveja)});
    EXPECT_FALSE(f->pnlCompra->isVisible());
    EXPECT_TRUE(f->dbgPS->isEnabled());
    EXPECT_EQ(f->lista->texto(QStringLiteral("ESTOQUE")), "16");

    // A negative quantity corrects the stock down and is logged like a purchase.
    f->btnCompra->click();
    f->edtQuantidade->setText(QStringLiteral("-5"));
    msg->esperar(Produtos::kMsgProdutoAdicionado);
    f->btnConfirmarCompra->click();
    EXPECT_EQ(msg->pendentes(), 0);
    EXPECT_EQ(linha(cerveja).inteiro(QStringLiteral("ESTOQUE")), 11);
    EXPECT_EQ(logs().value(1), QStringLiteral("ADMIN|Realizou Compra de Produto -> Código %1 (CERVEJA - -5)").arg(cerveja));

    // Without a product chosen.
    EXPECT_EQ(Produtos::comprar(DM->Conexao, 0, {}, QStringLiteral("3")).mensagem, Produtos::kMsgSelecioneProduto);
}

TEST_F(Produtos_, ClashPorDescricaoECodigoDeBarrasEmTodasAsLinhas)
{
    const qint64 cerveja = produto(QStringLiteral("CERVEJA"), QStringLiteral("7891"));
    produto(QStringLiteral("SUCO"), {}, 0, QStringLiteral("S")); // deleted
    const qint64 agua = produto(QStringLiteral("AGUA"));
    const qint64 antes = produtos();
    struct {
        ModoEdicao modo;
        qint64 chave;
        const char *descricao, *barras;
        bool salvo;
    } casos[] = {
        {ModoEdicao::Incluir, 0, "CERVEJA", "", false},
        {ModoEdicao::Incluir, 0, "SUCO", "", false},             // a deleted product's name
        {ModoEdicao::Incluir, 0, "CERVEJA PRETA", "7891", false}, // another product's bar code
        {ModoEdicao::Incluir, 0, "CERVEJA", "555", false},       // a new bar code does not skip the name
        {ModoEdicao::Alterar, agua, "CERVEJA", "", false},
        {ModoEdicao::Alterar, agua, "AGUA COM GAS", "7891", false},
        {ModoEdicao::Alterar, cerveja, "CERVEJA", "7891", true}, // its own name and code
    };
    for (const auto &c : casos) {
        SCOPED_TRACE(std::string(c.descricao) + " / " + c.barras);
        const Produtos::Resultado r = Produtos::salvar(DM->Conexao, c.modo, c.chave, novo(QString::fromUtf8(c.descricao),
                                                                              QString::fromUtf8(c.barras)));
        EXPECT_EQ(r.salvo, c.salvo);
        if (!c.salvo) {
            EXPECT_EQ(r.mensagem, Produtos::kMsgJaCadastrado);
            EXPECT_EQ(r.foco, Produtos::Campo::Descricao);
        }
    }
    EXPECT_EQ(produtos(), antes);
    EXPECT_EQ(linha(agua).texto(QStringLiteral("DESCRICAO")), "AGUA");
    EXPECT_EQ(logs(), QStringList{QStringLiteral("ADMIN|Alterou Produto/Serviço -> Código %1 (CERVEJA)").arg(cerveja)});

    // Products without bar code do not clash with one another ("0" is none too).
    EXPECT_TRUE(Produtos::salvar(DM->Conexao, ModoEdicao::Incluir, 0, novo(QStringLiteral("GUARANA"))).salvo);
    EXPECT_TRUE(Produtos::salvar(DM->Conexao, ModoEdicao::Incluir, 0, novo(QStringLiteral("TONICA"), QStringLiteral("0"))).salvo);

    // The database backs the check for saves that race past it.
    EXPECT_THROW(produto(QStringLiteral("CERVEJA")), ErroBanco);
    EXPECT_THROW(produto(QStringLiteral("OUTRA"), QStringLiteral("7891")), ErroBanco);
    produto(QStringLiteral("VAZIO 1"), QStringLiteral(""));
    produto(QStringLiteral("VAZIO 2"), QStringLiteral(""));
}

TEST_F(Produtos_, NovoProdutoComONomeDaLinhaSelecionadaERecusadoNaTela)
{
    const qint64 cerveja = produto(QStringLiteral("CERVEJA"), QStringLiteral("7891"));
    auto f = abrirLista(cerveja);
    const qint64 antes = produtos();
    Telas::interceptar<TFrmCadProdutosServicos>([&](TFrmCadProdutosServicos *c) {
        EXPECT_EQ(c->lblTitulo->text(), "Novo Produto / Serviço");
        ativar(c);
        c->cbPDV->setCurrentIndex(c->cbPDV->findData(1));
        c->edtDescricao->setText(QStringLiteral("CERVEJA"));
        msg->esperar(Produtos::kMsgJaCadastrado);
        c->btnConfirmar->click();
        EXPECT_EQ(QApplication::focusWidget(), c->edtDescricao);
        return int(QDialog::Rejected);
    });
    f->btnNovo->click();
    EXPECT_EQ(msg->pendentes(), 0);
    EXPECT_EQ(produtos(), antes);
}

TEST_F(Produtos_, EntradaInvalidaRecusadaAntesDeGravar)
{
    const qint64 antes = produtos();
    struct {
        void (*ajustar)(Produtos::Produto &);
        QString mensagem;
        Produtos::Campo foco;
    } casos[] = {
        {[](Produtos::Produto &p) { p.idPdv = 0; }, Produtos::kMsgPdvInvalido, Produtos::Campo::Pdv},
        {[](Produtos::Produto &p) { p.descricao = "  "; }, Produtos::kMsgDescricaoInvalida, Produtos::Campo::Descricao},
        {[](Produtos::Produto &p) { p.valor = "abc"; }, Produtos::kMsgValorInvalido, Produtos::Campo::Valor},
        {[](Produtos::Produto &p) { p.valor = "-1"; }, Produtos::kMsgValorInvalido, Produtos::Campo::Valor},
        {[](Produtos::Produto &p) { p.valor = ""; }, Produtos::kMsgValorInvalido, Produtos::Campo::Valor},
        {[](Produtos::Produto &p) { p.valor = "1,2,3"; }, Produtos::kMsgValorInvalido, Produtos::Campo::Valor},
        {[](Produtos::Produto &p) { p.estoque = "1.234,56"; }, Produtos::kMsgEstoqueInvalido, Produtos::Campo::Estoque},
        {[](Produtos::Produto &p) { p.estoque = "abc"; }, Produtos::kMsgEstoqueInvalido, Produtos::Campo::Estoque},
        {[](Produtos::Produto &p) { p.estoque = "-1"; }, Produtos::kMsgEstoqueInvalido, Produtos::Campo::Estoque},
        {[](Produtos::Produto &p) { p.estoque = ""; }, Produtos::kMsgEstoqueInvalido, Produtos::Campo::Estoque},
        {[](Produtos::Produto &p) { p.estoque = "9999999999"; }, Produtos::kMsgEstoqueInvalido, Produtos::Campo::Estoque},
        {[](Produtos::Produto &p) { p.minimo = "1.234,56"; }, Produtos::kMsgMinimoInvalido, Produtos::Campo::Minimo},
        {[](Produtos::Produto &p) { p.minimo = "-1"; }, Produtos::kMsgMinimoInvalido, Produtos::Campo::Minimo},
        {[](Produtos::Produto &p) { p.minimo = ""; }, Produtos::kMsgMinimoInvalido, Produtos::Campo::Minimo},
        {[](Produtos::Produto &p) { p.codigoBarras = "78A1"; }, Produtos::kMsgCodigoBarrasInvalido,
         Produtos::Campo::CodigoBarras},
        {[](Produtos::Produto &p) { p.codigoBarras = "123456789012345678901"; }, Produtos::kMsgCodigoBarrasInvalido,
         Produtos::Campo::CodigoBarras},
        {[](Produtos::Produto &p) { p.ncm = "22A"; }, Produtos::kMsgNCMInvalido, Produtos::Campo::NCM},
        {[](Produtos::Produto &p) { p.ncm = "220210001"; }, Produtos::kMsgNCMInvalido, Produtos::Campo::NCM},
        {[](Produtos::Produto &p) { p.cst = "1A"; }, Produtos::kMsgCSTInvalido, Produtos::Campo::CST},
        {[](Produtos::Produto &p) { p.cest = "03.011"; }, Produtos::kMsgCESTInvalido, Produtos::Campo::CEST},
    };
    for (const auto &c : casos) {
        SCOPED_TRACE(c.mensagem.toStdString());
        Produtos::Produto p = novo(QStringLiteral("GUARANA"));
        c.ajustar(p);
        const Produtos::Resultado r = Produtos::salvar(DM->Conexao, ModoEdicao::Incluir, 0, p);
        EXPECT_FALSE(r.salvo);
        EXPECT_EQ(r.mensagem, c.mensagem);
        EXPECT_EQ(r.foco, c.foco);
    }
    EXPECT_EQ(produtos(), antes);
    EXPECT_TRUE(logs().isEmpty());

    // Accepted forms: a price with thousands dots, an NCM that is padded, a
    // quote in the description.
    Produtos::Produto p = novo(QStringLiteral("CAFÉ D'ÁVILA"));
    p.valor = QStringLiteral("1.234,56");
    p.ncm = QStringLiteral("0901");
    p.sitTribut = QStringLiteral("18");
    p.fabPropria = true;
    const Produtos::Resultado r = Produtos::salvar(DM->Conexao, ModoEdicao::Incluir, 0, p);
    ASSERT_TRUE(r.salvo);
    const Linha l = linha(r.chave);
    EXPECT_EQ(l.texto(QStringLiteral("DESCRICAO")), "CAFÉ D'ÁVILA");
    EXPECT_EQ(l.dinheiro(QStringLiteral("VALOR")), Dinheiro::deCentavos(123456));
    EXPECT_EQ(l.texto(QStringLiteral("NCM")), "09010000");
    EXPECT_EQ(l.texto(QStringLiteral("SIT_TRIBUT")), "18");
    EXPECT_EQ(l.texto(QStringLiteral("FAB_PROPRIA")), "S");
    EXPECT_EQ(l.texto(QStringLiteral("DIARIA")), "N");
    EXPECT_EQ(l.texto(QStringLiteral("EXCLUIDO")), "N");
    EXPECT_TRUE(l.nulo(QStringLiteral("CODIGO_BARRAS")));
}

TEST_F(Produtos_, AlterarSoMexeNoEstoqueQuandoOUsuarioMudou)
{
    const qint64 cerveja = produto(QStringLiteral("CERVEJA"), {}, 10);
    // The screen loaded 10; a sale elsewhere takes 3 before the save.
    banco().executar(QStringLiteral("UPDATE PRODUTOS_SERVICOS SET ESTOQUE = ESTOQUE - 3 WHERE ID_P_S = ?"), {cerveja});
    Produtos::Produto p = novo(QStringLiteral("CERVEJA"));
    p.estoque = QStringLiteral("10");
    p.valor = QStringLiteral("4,00");
    ASSERT_TRUE(Produtos::salvar(DM->Conexao, ModoEdicao::Alterar, cerveja, p, 10).salvo);
    EXPECT_EQ(linha(cerveja).inteiro(QStringLiteral("ESTOQUE")), 7);
    EXPECT_EQ(linha(cerveja).dinheiro(QStringLiteral("VALOR")), Dinheiro::deReais(4));
    // The user adds 2 to what was loaded: the sale stays counted.
    p.estoque = QStringLiteral("12");
    ASSERT_TRUE(Produtos::salvar(DM->Conexao, ModoEdicao::Alterar, cerveja, p, 10).salvo);
    EXPECT_EQ(linha(cerveja).inteiro(QStringLiteral("ESTOQUE")), 9);
}

TEST_F(Produtos_, CodigoMostradoELogadoEOGravado)
{
    qint64 mostrado = 0;
    Telas::interceptar<TFrmCadProdutosServicos>([&](TFrmCadProdutosServicos *c) {
        mostrado = c->lblCodigo->text().toLongLong();
        // Another workstation saves a product while this one is open.
        produto(QStringLiteral("OUTRO"));
        c->cbPDV->setCurrentIndex(c->cbPDV->findData(1));
        c->edtDescricao->setText(QStringLiteral("AGUA"));
        c->edtValor->setText(QStringLiteral("2,50"));
        c->edtEstoque->setText(QStringLiteral("24"));
        c->cbAliquota->setCurrentIndex(1);
        msg->esperar(Produtos::kMsgCadastrado, Mensagem::Nao);
        c->btnConfirmar->click();
        return c->result();
    });
    auto f = abrirLista();
    f->btnNovo->click();
    EXPECT_EQ(msg->pendentes(), 0);
    ASSERT_GT(mostrado, 1);
    const Linha l = linha(mostrado);
    EXPECT_EQ(l.texto(QStringLiteral("DESCRICAO")), "AGUA");
    EXPECT_EQ(l.inteiro(QStringLiteral("ESTOQUE")), 24);
    EXPECT_EQ(l.texto(QStringLiteral("SIT_TRIBUT")), "FF");
    EXPECT_EQ(logs(), QStringList{QStringLiteral("ADMIN|Incluiu Produto/Serviço -> Código %1 (AGUA)").arg(mostrado)});
    EXPECT_TRUE(descricoes(f.get()).contains("AGUA"));
}

TEST_F(Produtos_, CadastrarOutroLimpaOsCampos)
{
    Telas::interceptar<TFrmCadProdutosServicos>([&](TFrmCadProdutosServicos *c) {
        const qint64 primeiro = c->lblCodigo->text().toLongLong();
        c->cbPDV->setCurrentIndex(c->cbPDV->findData(1));
        c->edtDescricao->setText(QStringLiteral("AGUA"));
        c->edtCodigoBarras->setText(QStringLiteral("789"));
        c->edtNCM->setText(QStringLiteral("22011000"));
        c->cbAliquota->setCurrentIndex(3);
        c->chkFabPropria->setChecked(true);
        c->chkDiaria->setChecked(true);
        msg->esperar(Produtos::kMsgCadastrado, Mensagem::Sim);
        c->btnConfirmar->click();
        EXPECT_EQ(msg->pendentes(), 0);
        EXPECT_TRUE(c->isVisible());
        EXPECT_GT(c->lblCodigo->text().toLongLong(), primeiro);
        EXPECT_EQ(c->cbPDV->currentIndex(), -1);
        EXPECT_EQ(c->edtDescricao->text(), "");
        EXPECT_EQ(c->edtCodigoBarras->text(), "");
        EXPECT_EQ(c->edtValor->text(), "0,00");
        for (QLineEdit *e : {c->edtEstoque, c->edtMinimo, c->edtCST, c->edtNCM, c->edtCEST})
            EXPECT_EQ(e->text(), "0") << e->objectName().toStdString();
        EXPECT_FALSE(c->chkFabPropria->isChecked());
        EXPECT_TRUE(c->chkDiaria->isChecked());   // kept
        EXPECT_EQ(c->cbAliquota->currentIndex(), 3); // kept
        return int(QDialog::Rejected);
    });
    auto f = abrirLista();
    f->btnNovo->click();
}

// The point-of-sale list opened from the product form stands centred on the
// form, wherever the form is.
TEST_F(Produtos_, ListaDePdvCentradaNoFormularioQueAAbriu)
{
    QPoint centroForm, centroPdv;
    Telas::interceptar<TFrmPDV>([&](TFrmPDV *p) {
        centroPdv = p->frameGeometry().center();
        return int(QDialog::Rejected);
    });
    Telas::interceptar<TFrmCadProdutosServicos>([&](TFrmCadProdutosServicos *c) {
        c->setAttribute(Qt::WA_DontShowOnScreen, false);
        c->move(300, 120);
        c->show();
        ativar(c);
        centroForm = c->frameGeometry().center();
        c->btnPDV->click();
        return int(QDialog::Rejected);
    });
    auto f = abrirLista();
    f->btnNovo->click();
    EXPECT_LE((centroPdv - centroForm).manhattanLength(), 4) << centroPdv.x() << "," << centroPdv.y() << " / "
                                                              << centroForm.x() << "," << centroForm.y();
}

TEST_F(Produtos_, EscolhaTributariaDezEntradas)
{
    const QStringList legendas{"ISENTO - II", "SUBSTITUIÇÃO TRIBUTÁRIA - FF", "NÃO INCIDÊNCIA - NN", "TRIBUTADO A 5%",
                               "TRIBUTADO A 7%", "TRIBUTADO A 12%", "TRIBUTADO A 17%", "TRIBUTADO A 18%",
                               "TRIBUTADO A 25%", "TRIBUTADO A 27%"};
    const QStringList codigos{"II", "FF", "NN", "05", "07", "12", "17", "18", "25", "27"};
    ASSERT_EQ(Produtos::aliquotas().size(), 10);
    for (int i = 0; i < 10; ++i) {
        EXPECT_EQ(Produtos::aliquotas()[i].legenda, legendas[i]);
        EXPECT_EQ(Produtos::aliquotas()[i].codigo, codigos[i]);
        EXPECT_EQ(Produtos::indiceAliquota(codigos[i]), i);
    }
    EXPECT_EQ(Produtos::indiceAliquota("XX"), 0);
    EXPECT_EQ(Produtos::indiceAliquota(""), 0);

    // Altering loads the stored code into the choice and keeps it.
    const qint64 id = produto(QStringLiteral("CERVEJA"), QStringLiteral("7891"), 6);
    banco().executar(QStringLiteral("UPDATE PRODUTOS_SERVICOS SET SIT_TRIBUT = '25', NCM = '22030000', "
                                    "FAB_PROPRIA = 'S' WHERE ID_P_S = ?"),
                     {id});
    auto f = abrirLista(id);
    Telas::interceptar<TFrmCadProdutosServicos>([&](TFrmCadProdutosServicos *c) {
        EXPECT_EQ(c->lblTitulo->text(), "Alterar Produto / Serviço");
        EXPECT_EQ(c->lblCodigo->text(), QString::number(id));
        EXPECT_EQ(c->cbAliquota->currentText(), "TRIBUTADO A 25%");
        EXPECT_EQ(c->edtValor->text(), "3,50");
        EXPECT_EQ(c->edtEstoque->text(), "6");
        EXPECT_EQ(c->edtCodigoBarras->text(), "7891");
        EXPECT_EQ(c->edtNCM->text(), "22030000");
        EXPECT_TRUE(c->chkFabPropria->isChecked());
        EXPECT_EQ(c->cbPDV->currentData().toLongLong(), 1);
        c->edtValor->setText(QStringLiteral("5,00"));
        msg->esperar(Produtos::kMsgAtualizado);
        c->btnConfirmar->click();
        return c->result();
    });
    f->btnAlterar->click();
    EXPECT_EQ(msg->pendentes(), 0);
    EXPECT_EQ(linha(id).texto(QStringLiteral("SIT_TRIBUT")), "25");
    EXPECT_EQ(linha(id).dinheiro(QStringLiteral("VALOR")), Dinheiro::deReais(5));
    EXPECT_EQ(logs(), QStringList{QStringLiteral("ADMIN|Alterou Produto/Serviço -> Código %1 (CERVEJA)").arg(id)});
}

TEST_F(Produtos_, NCMCompletadoESugestaoDeCEST)
{
    struct {
        const char *digitado, *completo;
    } ncms[] = {{"2202", "22020000"}, {"", "0"}, {"0", "0"}, {"22021000", "22021000"}, {"1", "10000000"},
                {" 0901 ", "09010000"}};
    for (const auto &c : ncms)
        EXPECT_EQ(Produtos::completarNCM(QString::fromUtf8(c.digitado)), QString::fromUtf8(c.completo)) << c.digitado;

    // Rows only for the first four digits are found at n = 4; the longest match wins.
    banco().executar(QStringLiteral("INSERT INTO TAB_CEST (CEST, NCM, DESCRICAO) VALUES ('9900100', '9901', 'A')"));
    banco().executar(QStringLiteral("INSERT INTO TAB_CEST (CEST, NCM, DESCRICAO) VALUES ('9900200', '9901', 'B')"));
    banco().executar(QStringLiteral("INSERT INTO TAB_CEST (CEST, NCM, DESCRICAO) VALUES ('9900300', '990155', 'C')"));
    struct {
        const char *ncm, *cest;
    } sugestoes[] = {{"99010000", "9900100"}, {"99015500", "9900300"}, {"98000000", ""}, {"0", ""},
                     {"00000000", ""}};
    for (const auto &c : sugestoes)
        EXPECT_EQ(Produtos::sugerirCEST(DM->Conexao, QString::fromUtf8(c.ncm)), QString::fromUtf8(c.cest)) << c.ncm;

    // On the record: leaving the NCM pads it and fills the CEST; no match keeps the CEST.
    Telas::interceptar<TFrmCadProdutosServicos>([&](TFrmCadProdutosServicos *c) {
        c->edtNCM->setText(QStringLiteral("9901"));
        c->edtNCMExit();
        EXPECT_EQ(c->edtNCM->text(), "99010000");
        EXPECT_EQ(c->edtCEST->text(), "9900100");
        c->edtNCM->setText(QStringLiteral("98"));
        c->edtNCMExit();
        EXPECT_EQ(c->edtNCM->text(), "98000000");
        EXPECT_EQ(c->edtCEST->text(), "9900100");
        c->edtNCM->setText(QString());
        c->edtNCMExit();
        EXPECT_EQ(c->edtNCM->text(), "0");
        return int(QDialog::Rejected);
    });
    auto f = abrirLista();
    f->btnNovo->click();
}

TEST_F(Produtos_, SemMovimentosSoVisualiza)
{
    Sessao::atual().direitos.MOVIMENTOS = false;
    const qint64 id = produto(QStringLiteral("CERVEJA"));
    auto f = abrirLista(id);
    for (QPushButton *b : {f->btnNovo, f->btnAlterar, f->btnExcluir, f->btnCompra})
        EXPECT_FALSE(b->isVisible()) << b->text().toStdString();
    EXPECT_TRUE(f->btnFiltros->isVisible());
    for (const char *l : {"|| Novo P/S  - (F2) ||", "|| Alterar P/S - (Insert) ||", "|| Excluir P/S - (Delete) ||"}) {
        QAction *a = acaoAtalho(f->lista->menuAtalhos(), QString::fromUtf8(l));
        ASSERT_NE(a, nullptr) << l;
        EXPECT_FALSE(a->isVisible()) << l;
    }
    bool viu = false;
    Telas::interceptar<TFrmCadProdutosServicos>([&](TFrmCadProdutosServicos *c) {
        viu = true;
        EXPECT_EQ(c->lblTitulo->text(), "Ver Produto / Serviço");
        EXPECT_FALSE(c->pnlCampos->isEnabled());
        EXPECT_FALSE(c->btnConfirmar->isEnabled());
        EXPECT_FALSE(c->edtValor->isEnabled());
        c->btnConfirmarClick(); // F10 in view mode stores nothing and shows nothing
        c->btnCancelar->click();
        return c->result();
    });
    f->dbgPSDblClick();
    EXPECT_TRUE(viu);
    EXPECT_EQ(f->OP, ""); // the view's Cancel empties the mode
    EXPECT_TRUE(logs().isEmpty());
}

TEST_F(Produtos_, FiltrosDaListaSemLog)
{
    produto(QStringLiteral("CAFÉ D'ÁVILA"), {}, 0, QStringLiteral("N"), QStringLiteral("1234.56"));
    const qint64 cerveja = produto(QStringLiteral("CERVEJA"));
    produto(QStringLiteral("CERVEJA PRETA"), {}, 0, QStringLiteral("S"));
    auto f = abrirLista();
    const QByteArray codigo = QByteArray::number(cerveja);
    struct {
        int criterio;
        const char *texto;
        QStringList esperadas;
    } casos[] = {
        {1, "D'ÁV", {"CAFÉ D'ÁVILA"}},
        {1, "CERV", {"CERVEJA"}}, // the deleted one stays out
        {3, "1.234,56", {"CAFÉ D'ÁVILA"}},
        {3, "3,50", {"CERVEJA"}},
        {0, codigo.constData(), {"CERVEJA"}},
        {1, "UM TEXTO BEM MAIS LONGO QUE O NOME DE QUALQUER PRODUTO DESTA LISTA DE PRODUTOS E SERVICOS", {}},
    };
    for (const auto &c : casos) {
        SCOPED_TRACE(c.texto);
        f->btnFiltros->click();
        EXPECT_TRUE(f->lista->opcoesFiltro()[1]->isChecked()); // "Produto / Serviço" when the panel opens
        f->lista->opcoesFiltro()[c.criterio]->setChecked(true);
        f->lista->edtFiltro()->setText(QString::fromUtf8(c.texto));
        tecla(f->lista->edtFiltro(), Qt::Key_Return);
        EXPECT_EQ(descricoes(f.get()), c.esperadas);
        EXPECT_FALSE(f->lista->painelFiltro()->isVisible());
    }
    // An amount that is not money is refused with the panel still open.
    f->btnFiltros->click();
    f->lista->opcoesFiltro()[3]->setChecked(true);
    f->lista->edtFiltro()->setText(QStringLiteral("abc"));
    msg->esperar(Produtos::kMsgValorInvalido);
    f->buscar();
    EXPECT_TRUE(f->lista->painelFiltro()->isVisible());
    EXPECT_TRUE(logs().isEmpty());

    // The pop-up menu lists everything again, by key or by name.
    f->lista->esconderFiltro();
    QMenu *menu = f->lista->menuContexto();
    ASSERT_NE(menu, nullptr);
    ASSERT_EQ(menu->actions().size(), 2);
    EXPECT_EQ(menu->actions()[0]->text(), "Mostrar Todos  - Organizar Por Código");
    EXPECT_EQ(menu->actions()[1]->text(), "Mostrar Todos  - Organizar Por Ordem Alfabética");
    menu->actions()[0]->trigger();
    QStringList chaves;
    for (int i = 0; i < f->tPS()->total(); ++i)
        chaves << f->tPS()->texto(i, QStringLiteral("ID_P_S"));
    EXPECT_EQ(chaves, (QStringList{"1", QString::number(cerveja - 1), QString::number(cerveja)}));
    menu->actions()[1]->trigger();
    EXPECT_EQ(descricoes(f.get()), (QStringList{"CAFÉ D'ÁVILA", "CERVEJA", "DIARIA"}));
}
