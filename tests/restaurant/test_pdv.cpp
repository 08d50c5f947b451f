// Points of sale: insert with the key shown, the name clash (deleted ones
// included), the fee's range, deletion through the register, the filters
// and the rights.
#include "base/Telas.h"
#include "restaurant/Comandos.h"
#include "rooms/UnitCentralCadastros.h"
#include "restaurant/PontosVenda.h"
#include "restaurant/Produtos.h"
#include "restaurant/UnitCadPDV.h"
#include "restaurant/UnitCadProdutosServicos.h"
#include "restaurant/UnitPDV.h"
#include "restaurant/UnitProdutosServicos.h"
#include "support/RegistroGravado.h"
#include "support/TelasTeste.h"

#include <QAction>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>
#include <QToolButton>

namespace {

class PDV_ : public TelasTeste {
protected:
    void TearDown() override
    {
        Telas::liberarTodas();
        TelasTeste::TearDown();
    }
    qint64 pdv(const QString &descricao, const QString &sigla = {})
    {
        return banco()
            .valor(QStringLiteral("INSERT INTO PDV (DESCRICAO, ABREV, TAXA) VALUES (?, ?, 10) RETURNING ID_PDV"),
                   {descricao, sigla})
            .toLongLong();
    }
    std::unique_ptr<TFrmPDV> abrirLista(qint64 chave = 0)
    {
        auto f = std::make_unique<TFrmPDV>();
        f->setAttribute(Qt::WA_DontShowOnScreen);
        f->show();
        ativar(f.get());
        if (chave > 0)
            f->lista->irParaLinha(f->tPDV()->localizar(QStringLiteral("ID_PDV"), QString::number(chave)));
        return f;
    }
    static QStringList nomes(TFrmPDV *f)
    {
        QStringList r;
        for (int i = 0; i < f->tPDV()->total(); ++i)
            r << f->tPDV()->texto(i, QStringLiteral("DESCRICAO"));
        return r;
    }
    qint64 pdvs() { return contar(QStringLiteral("SELECT COUNT(*) FROM PDV")); }
};

} // namespace

// The registry hub's points of sale and products buttons open the lists the
// restaurant registers, as the ribbon's entries do.
TEST_F(PDV_, CentralDeCadastrosAbreAsListasDoRestaurante)
{
    RegistroGravado r;
    Restaurante::registrarComandos(r);
    int pdvs = 0, produtos = 0;
    Telas::interceptar<TFrmPDV>([&](TFrmPDV *) { return ++pdvs, 0; });
    Telas::interceptar<TFrmProdutosServicos>([&](TFrmProdutosServicos *) { return ++produtos, 0; });
    {
        TFrmCentralCadastros c;
        c.show();
        ASSERT_TRUE(c.btnPDV->isEnabled());
        ASSERT_TRUE(c.btnProdutosServicos->isEnabled());
        c.btnPDV->click();
        c.btnProdutosServicos->click();
    }
    r.executar(QStringLiteral("btnPDVClick"));
    r.executar(QStringLiteral("btnProdutosServicosClick"));
    EXPECT_EQ(pdvs, 2);
    EXPECT_EQ(produtos, 2);
    CentralCadastros::ganchos() = {};
}

TEST_F(PDV_, NovoPDVGravaComOCodigoMostrado)
{
    qint64 mostrado = 0;
    Telas::interceptar<TFrmCadPDV>([&](TFrmCadPDV *c) {
        EXPECT_EQ(c->lblTitulo->text(), "Novo PDV");
        mostrado = c->lblCodigo->text().toLongLong();
        pdv(QStringLiteral("OUTRA ESTACAO")); // saved elsewhere meanwhile
        c->edtDescricao->setText(QStringLiteral("BAR D'ÁGUA"));
        c->edtSigla->setText(QStringLiteral("BAR"));
        c->edtTaxa->setText(QStringLiteral("10,50"));
        msg->esperar(PontosVenda::kMsgCadastrado, Mensagem::Sim);
        c->btnConfirmar->click();
        // "Sim": a fresh record with the next key.
        EXPECT_GT(c->lblCodigo->text().toLongLong(), mostrado);
        EXPECT_EQ(c->edtDescricao->text(), "");
        EXPECT_EQ(c->edtSigla->text(), "");
        EXPECT_EQ(c->edtTaxa->text(), "0,00");
        c->btnCancelar->click();
        return c->result();
    });
    auto f = abrirLista();
    f->btnNovo->click();
    EXPECT_EQ(msg->pendentes(), 0);
    const Linha l = banco().ler(QStringLiteral("SELECT * FROM PDV WHERE ID_PDV = ?"), {mostrado});
    EXPECT_EQ(l.texto(QStringLiteral("DESCRICAO")), "BAR D'ÁGUA");
    EXPECT_EQ(l.texto(QStringLiteral("ABREV")), "BAR");
    EXPECT_EQ(l.dinheiro(QStringLiteral("TAXA")), Dinheiro::deCentavos(1050));
    EXPECT_EQ(logs(), QStringList{QStringLiteral("ADMIN|Incluiu PDV -> Código %1 (BAR D'ÁGUA)").arg(mostrado)});
    EXPECT_TRUE(nomes(f.get()).contains("BAR D'ÁGUA"));
    EXPECT_EQ(f->OP, ""); // Cancel empties the list's mode
}

TEST_F(PDV_, NomeRepetidoOuDeExcluidoRecusado)
{
    const qint64 bar = pdv(QStringLiteral("BAR"));
    const qint64 antigo = pdv(QStringLiteral("PISCINA"));
    banco().executar(QStringLiteral("INSERT INTO ANULACAO (ID_PDV) VALUES (?)"), {antigo});
    const qint64 antes = pdvs();
    struct {
        ModoEdicao modo;
        qint64 chave;
        const char *nome;
        bool salvo;
    } casos[] = {
        {ModoEdicao::Incluir, 0, "HOSPEDAGEM", false}, // the installation's own
        {ModoEdicao::Incluir, 0, "BAR", false},
        {ModoEdicao::Incluir, 0, "PISCINA", false},    // a deleted one's name
        {ModoEdicao::Alterar, 1, "BAR", false},
        {ModoEdicao::Alterar, bar, "BAR", true},       // its own name
    };
    for (const auto &c : casos) {
        SCOPED_TRACE(c.nome);
        const PontosVenda::Resultado r = PontosVenda::salvar(DM->Conexao, c.modo, c.chave, QString::fromUtf8(c.nome), {}, "0,00");
        EXPECT_EQ(r.salvo, c.salvo);
        if (!c.salvo) {
            EXPECT_EQ(r.mensagem, PontosVenda::kMsgJaCadastrado);
            EXPECT_EQ(r.foco, PontosVenda::Campo::Descricao);
        }
    }
    EXPECT_EQ(pdvs(), antes);
    EXPECT_EQ(logs(), QStringList{QStringLiteral("ADMIN|Alterou PDV -> Código %1 (BAR)").arg(bar)});
    // Two rows of one name cannot exist: the database refuses the second.
    EXPECT_THROW(pdv(QStringLiteral("BAR")), ErroBanco);

    // On the screen: message, focus on the name, nothing stored.
    Telas::interceptar<TFrmCadPDV>([&](TFrmCadPDV *c) {
        ativar(c);
        c->edtDescricao->setText(QStringLiteral("BAR"));
        msg->esperar(PontosVenda::kMsgJaCadastrado);
        c->btnConfirmar->click();
        EXPECT_EQ(QApplication::focusWidget(), c->edtDescricao);
        c->edtDescricao->clear();
        msg->esperar(PontosVenda::kMsgDescricaoInvalida);
        c->btnConfirmar->click();
        return int(QDialog::Rejected);
    });
    auto f = abrirLista();
    f->btnNovo->click();
    EXPECT_EQ(msg->pendentes(), 0);
    EXPECT_EQ(pdvs(), antes);
}

TEST_F(PDV_, TaxaEntreZeroECem)
{
    struct {
        const char *taxa;
        bool aceita;
        qint64 centesimos;
    } casos[] = {{"abc", false, 0},    {"-1", false, 0},      {"100,01", false, 0}, {"1.000,00", false, 0},
                 {"10,5,1", false, 0}, {"100,00", true, 10000}, {"", true, 0},      {"12,5", true, 1250}};
    int n = 0;
    for (const auto &c : casos) {
        SCOPED_TRACE(c.taxa);
        const QString nome = QStringLiteral("PDV %1").arg(++n);
        const PontosVenda::Resultado r = PontosVenda::salvar(DM->Conexao, ModoEdicao::Incluir, 0, nome, {}, QString::fromUtf8(c.taxa));
        EXPECT_EQ(r.salvo, c.aceita);
        if (!c.aceita) {
            EXPECT_EQ(r.mensagem, PontosVenda::kMsgTaxaInvalida);
            EXPECT_EQ(r.foco, PontosVenda::Campo::Taxa);
            EXPECT_EQ(contar(QStringLiteral("SELECT COUNT(*) FROM PDV WHERE DESCRICAO = ?"), {nome}), 0);
        } else {
            EXPECT_EQ(banco().ler(QStringLiteral("SELECT TAXA FROM PDV WHERE ID_PDV = ?"), {r.chave})
                          .dinheiro(QStringLiteral("TAXA")),
                      Dinheiro::deCentavos(c.centesimos));
        }
    }
    EXPECT_EQ(PontosVenda::salvar(DM->Conexao, ModoEdicao::Incluir, 0, QStringLiteral("X"), QStringLiteral("ABCDEF"), {}).mensagem,
              PontosVenda::kMsgSiglaInvalida);
}

TEST_F(PDV_, ExclusaoPeloRegistroDeAnulacoes)
{
    const qint64 bar = pdv(QStringLiteral("BAR"));
    const qint64 produto = banco()
                               .valor(QStringLiteral("INSERT INTO PRODUTOS_SERVICOS (ID_PDV, DESCRICAO) "
                                                     "VALUES (?, 'CAIPIRINHA') RETURNING ID_P_S"),
                                      {bar})
                               .toLongLong();
    auto f = abrirLista(bar);
    ASSERT_EQ(f->lista->inteiro(QStringLiteral("ID_PDV")), bar);
    msg->esperar(PontosVenda::kMsgConfirmaExclusao, Mensagem::Nao);
    f->btnExcluir->click();
    EXPECT_TRUE(nomes(f.get()).contains("BAR"));
    msg->esperar(PontosVenda::kMsgConfirmaExclusao, Mensagem::Sim).esperar(PontosVenda::kMsgExcluido);
    f->btnExcluir->click();
    EXPECT_EQ(msg->pendentes(), 0);
    EXPECT_EQ(contar(QStringLiteral("SELECT COUNT(*) FROM ANULACAO WHERE ID_PDV = ?"), {bar}), 1);
    EXPECT_EQ(contar(QStringLiteral("SELECT COUNT(*) FROM PDV WHERE ID_PDV = ?"), {bar}), 1); // the row stays
    EXPECT_EQ(logs(), QStringList{QStringLiteral("ADMIN|Excluiu PDV -> Código %1 (BAR)").arg(bar)});
    EXPECT_FALSE(nomes(f.get()).contains("BAR"));

    // Its products stay listed under its name; the product record no longer offers it.
    TFrmProdutosServicos produtos;
    produtos.setAttribute(Qt::WA_DontShowOnScreen);
    produtos.show();
    const int l = produtos.tPS()->localizar(QStringLiteral("ID_P_S"), QString::number(produto));
    ASSERT_GE(l, 0);
    EXPECT_EQ(produtos.tPS()->texto(l, QStringLiteral("DESC_PDV")), "BAR");
    produtos.lista->irParaLinha(l);
    Telas::interceptar<TFrmCadProdutosServicos>([&](TFrmCadProdutosServicos *c) {
        EXPECT_EQ(c->cbPDV->findData(bar), -1);
        EXPECT_GE(c->cbPDV->findData(1), 0);
        EXPECT_EQ(c->cbPDV->itemText(c->cbPDV->findData(1)), "1 / HOSPEDAGEM");
        return int(QDialog::Rejected);
    });
    produtos.btnAlterar->click();
}

TEST_F(PDV_, FiltrosCodigoSoDigitosEComLog)
{
    const qint64 bar = pdv(QStringLiteral("BAR DA PISCINA"), QStringLiteral("BARP"));
    pdv(QStringLiteral("RESTAURANTE"), QStringLiteral("REST"));
    auto f = abrirLista();
    f->btnFiltros->click();
    ASSERT_TRUE(f->lista->opcoesFiltro()[0]->isChecked());
    // The key takes digits only.
    digitar(f->lista->edtFiltro(), QStringLiteral("A") + QString::number(bar));
    EXPECT_EQ(f->lista->edtFiltro()->text(), QString::number(bar));
    tecla(f->lista->edtFiltro(), Qt::Key_Return);
    EXPECT_EQ(nomes(f.get()), QStringList{"BAR DA PISCINA"});

    struct {
        int criterio;
        const char *texto;
        QStringList esperadas;
    } casos[] = {
        {1, "PISC", {"BAR DA PISCINA"}},
        {2, "REST", {"RESTAURANTE"}},
        {2, "SIGLA LONGA DEMAIS", {}}, // wider than the column: finds nothing, no error
        {1, "", {"BAR DA PISCINA", "HOSPEDAGEM", "RESTAURANTE"}},
    };
    for (const auto &c : casos) {
        SCOPED_TRACE(c.texto);
        f->btnFiltros->click();
        f->lista->opcoesFiltro()[c.criterio]->setChecked(true);
        f->lista->edtFiltro()->setText(QString::fromUtf8(c.texto));
        f->btnBuscar->click();
        EXPECT_EQ(nomes(f.get()), c.esperadas);
    }
    EXPECT_EQ(logs(), (QStringList{QStringLiteral("ADMIN|Tentou Localizar Característica de Código -> %1").arg(bar),
                                   "ADMIN|Tentou Localizar Característica de Descrição -> PISC",
                                   "ADMIN|Tentou Localizar Característica de Sigla -> REST",
                                   "ADMIN|Tentou Localizar Característica de Sigla -> SIGLA LONGA DEMAIS",
                                   "ADMIN|Tentou Localizar Característica de Descrição -> "}));
}

TEST_F(PDV_, SemMovimentosSoVisualiza)
{
    Sessao::atual().direitos.MOVIMENTOS = false;
    auto f = abrirLista(1);
    for (QPushButton *b : {f->btnNovo, f->btnAlterar, f->btnExcluir})
        EXPECT_FALSE(b->isVisible());
    bool viu = false;
    Telas::interceptar<TFrmCadPDV>([&](TFrmCadPDV *c) {
        viu = true;
        EXPECT_EQ(c->lblTitulo->text(), "Ver PDV");
        EXPECT_EQ(c->edtDescricao->text(), "HOSPEDAGEM");
        EXPECT_EQ(c->edtTaxa->text(), "0,00");
        EXPECT_FALSE(c->pnlCampos->isEnabled());
        EXPECT_FALSE(c->btnConfirmar->isEnabled());
        return int(QDialog::Rejected);
    });
    tecla(f->dbgPDV, Qt::Key_Return); // Enter on the list views the row
    EXPECT_TRUE(viu);
    EXPECT_TRUE(f->OP.isEmpty()); // leaving the view empties OP
}

TEST_F(PDV_, RegistroDoProdutoReleOsPontosDeVendaDepoisDaLista)
{
    auto registro = std::make_unique<TFrmCadProdutosServicos>(nullptr);
    registro->setAttribute(Qt::WA_DontShowOnScreen);
    registro->show();
    registro->cbPDV->setCurrentIndex(registro->cbPDV->findData(1));
    qint64 novo = 0;
    Telas::interceptar<TFrmPDV>([&](TFrmPDV *f) {
        EXPECT_EQ(f->windowTitle(), "Pontos de Venda (PDV's)");
        novo = pdv(QStringLiteral("LANCHONETE"));
        return int(QDialog::Rejected);
    });
    registro->btnPDV->click();
    EXPECT_EQ(registro->cbPDV->itemText(registro->cbPDV->findData(novo)), QStringLiteral("%1 / LANCHONETE").arg(novo));
    EXPECT_EQ(registro->cbPDV->currentData().toLongLong(), 1); // the choice made stays
}
