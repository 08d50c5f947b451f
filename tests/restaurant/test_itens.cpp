// Stock items: movements (history row, stock, last movement day and log in
// one go; bad quantities refused with nothing written), the record's checks
// and writes (the key shown is the key stored, the stock of an alteration
// moves only by what the user changed), deletion through the register, the
// list's filters and rights, and the movement history.
#include "base/Relogio.h"
#include "base/UnitLog.h"
#include "base/Telas.h"
#include "restaurant/Itens.h"
#include "restaurant/UnitCadItens.h"
#include "restaurant/UnitHistoricoMov.h"
#include "restaurant/UnitItens.h"
#include "support/TelasTeste.h"

#include <QAction>
#include <QComboBox>
#include <QDateEdit>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>
#include <QToolButton>

using Itens::Campo;
using Itens::TipoMovimento;

namespace {

QString u8(const char *t) { return QString::fromUtf8(t); }

class ItensTeste : public TelasTeste {
protected:
    void TearDown() override
    {
        Telas::liberarTodas();
        TelasTeste::TearDown();
    }
    qint64 item(const QString &descricao, int estoque, const QString &valor = QStringLiteral("2.5"))
    {
        return banco()
            .valor(QStringLiteral("INSERT INTO ITEM (DESCRICAO, ESTOQUE, VALOR) VALUES (?, ?, ?) RETURNING ID_ITEM"),
                   {descricao, estoque, valor})
            .toLongLong();
    }
    qint64 estoque(qint64 id) { return contar(QStringLiteral("SELECT ESTOQUE FROM ITEM WHERE ID_ITEM = ?"), {id}); }
    qint64 historicos() { return contar(QStringLiteral("SELECT COUNT(*) FROM ITEM_HISTORICO")); }
    Itens::Movimento movimento(qint64 id, TipoMovimento tipo, const QString &qtd)
    {
        Itens::Movimento m;
        m.chave = id;
        m.itemPainel = Itens::textoItem(id, QStringLiteral("TOALHA"), estoque(id));
        m.tipo = tipo;
        m.quantidade = qtd;
        m.justificativa = QStringLiteral("LAVANDERIA");
        m.data = Relogio::hoje();
        return m;
    }
    std::unique_ptr<TFrmItens> abrirLista(qint64 chave = 0)
    {
        auto f = std::make_unique<TFrmItens>();
        f->setAttribute(Qt::WA_DontShowOnScreen);
        f->show();
        ativar(f.get());
        if (chave > 0)
            f->lista->irParaLinha(f->tItem()->localizar(QStringLiteral("ID_ITEM"), QString::number(chave)));
        return f;
    }
    static QStringList descricoes(ModeloConsulta *m)
    {
        m->buscarTodas();
        QStringList r;
        for (int i = 0; i < m->total(); ++i)
            r << m->texto(i, QStringLiteral("DESCRICAO"));
        return r;
    }
};

} // namespace

TEST_F(ItensTeste, MovimentosContamNoEstoqueENoHistorico)
{
    const qint64 toalha = item(QStringLiteral("TOALHA"), 3);
    struct {
        TipoMovimento tipo;
        const char *qtd;
        qint64 estoque;
        const char *sinal;
    } casos[] = {
        {TipoMovimento::Baixa, "5", -2, "-"}, // below zero is allowed
        {TipoMovimento::Adicao, "4", 2, "+"},
        {TipoMovimento::Adicao, " 10 ", 12, "+"},
    };
    QStringList esperados;
    for (const auto &c : casos) {
        SCOPED_TRACE(c.qtd);
        const Itens::Movimento m = movimento(toalha, c.tipo, QString::fromLatin1(c.qtd));
        const Itens::Resultado r = Itens::movimentar(banco(), m);
        EXPECT_TRUE(r.salvo);
        EXPECT_EQ(r.mensagem, u8("Item Atualizado com Sucesso!"));
        EXPECT_EQ(estoque(toalha), c.estoque);
        const Linha h = banco().ler(
            QStringLiteral("SELECT FIRST 1 * FROM ITEM_HISTORICO ORDER BY ID_ITEM_HISTORICO DESC"));
        EXPECT_EQ(h.texto(QStringLiteral("TIPO")), QString::fromLatin1(c.sinal));
        EXPECT_EQ(h.inteiro(QStringLiteral("QTD")), QString::fromLatin1(c.qtd).trimmed().toLongLong());
        EXPECT_EQ(h.texto(QStringLiteral("USUARIO")), QStringLiteral("ADMIN"));
        EXPECT_EQ(h.texto(QStringLiteral("DESCRICAO")), QStringLiteral("LAVANDERIA"));
        EXPECT_EQ(h.data(QStringLiteral("DATA")), Relogio::hoje());
        esperados << u8("ADMIN|Realizou Movimentação de Item -> Código %1 (%2 - %3)")
                         .arg(m.itemPainel, Itens::legenda(c.tipo), QString::fromLatin1(c.qtd).trimmed());
    }
    EXPECT_EQ(esperados.first(), u8("ADMIN|Realizou Movimentação de Item -> Código %1 - TOALHA (3) (Baixa - 5)").arg(toalha));
    EXPECT_EQ(logs(), esperados);
    EXPECT_EQ(banco().ler(QStringLiteral("SELECT ULTIMA_MOVIMENTACAO FROM ITEM")).data(QStringLiteral("ULTIMA_MOVIMENTACAO")),
              Relogio::hoje());
}

TEST_F(ItensTeste, QuantidadeRuimOuItemExcluidoNadaGrava)
{
    const qint64 toalha = item(QStringLiteral("TOALHA"), 3);
    for (const char *q : {"", "0", "-1", "ABC", "1,5", "1.000", "99999999999"}) {
        SCOPED_TRACE(q);
        const Itens::Resultado r = Itens::movimentar(banco(), movimento(toalha, TipoMovimento::Baixa, QString::fromLatin1(q)));
        EXPECT_FALSE(r.salvo);
        EXPECT_EQ(r.mensagem, Itens::kMsgQuantidadeInvalida);
        EXPECT_EQ(r.foco, Campo::Quantidade);
    }
    Itens::Movimento longo = movimento(toalha, TipoMovimento::Adicao, QStringLiteral("1"));
    longo.justificativa = QString(91, QLatin1Char('J'));
    EXPECT_EQ(Itens::movimentar(banco(), longo).mensagem, Itens::kMsgJustificativaLonga);
    // Deleted on another workstation after the panel opened.
    banco().executar(QStringLiteral("INSERT INTO ANULACAO (ID_ITEM) VALUES (?)"), {toalha});
    EXPECT_EQ(Itens::movimentar(banco(), movimento(toalha, TipoMovimento::Adicao, QStringLiteral("1"))).mensagem,
              Itens::kMsgNaoEncontrado);
    EXPECT_EQ(estoque(toalha), 3);
    EXPECT_EQ(historicos(), 0);
    EXPECT_TRUE(logs().isEmpty());
}

TEST_F(ItensTeste, AlteracaoGuardaMovimentoFeitoEmOutraEstacao)
{
    const qint64 lencol = item(QStringLiteral("LENÇOL"), 10);
    // The record loaded 10; meanwhile another connection withdraws 3.
    ConexaoBanco outra(QStringLiteral("outra-estacao"), banco().caminho());
    outra.conectar();
    Itens::Movimento m = movimento(lencol, TipoMovimento::Baixa, QStringLiteral("3"));
    EXPECT_TRUE(Itens::movimentar(outra, m).salvo);
    outra.desconectar();
    Itens::Dados d{QStringLiteral("LENÇOL CASAL"), QStringLiteral("10"), QStringLiteral("4,00"), QStringLiteral("2")};
    Itens::Resultado r = Itens::salvar(banco(), ModoEdicao::Alterar, lencol, d, QStringLiteral("LENÇOL"), 10);
    ASSERT_TRUE(r.salvo);
    EXPECT_EQ(r.mensagem, u8("Item Alterado com Sucesso!"));
    EXPECT_EQ(estoque(lencol), 7);
    // A stock the user did change moves by the change: 10 -> 12 is two more.
    d.estoque = QStringLiteral("12");
    EXPECT_TRUE(Itens::salvar(banco(), ModoEdicao::Alterar, lencol, d, d.descricao, 10).salvo);
    EXPECT_EQ(estoque(lencol), 9);
    const Linha l = banco().ler(QStringLiteral("SELECT * FROM ITEM WHERE ID_ITEM = ?"), {lencol});
    EXPECT_EQ(l.texto(QStringLiteral("DESCRICAO")), u8("LENÇOL CASAL"));
    EXPECT_EQ(l.dinheiro(QStringLiteral("VALOR")), Dinheiro::deCentavos(400));
    EXPECT_EQ(l.inteiro(QStringLiteral("AVISAR")), 2);
    // Altering writes no history row and leaves the last movement day alone.
    EXPECT_EQ(historicos(), 1);
    EXPECT_EQ(logs().last(), u8("ADMIN|Alterou Item de Estoque -> Código %1 (LENÇOL CASAL)").arg(lencol));
}

TEST_F(ItensTeste, CadeiaDoRegistroComTextos)
{
    const qint64 antigo = item(QStringLiteral("TRAVESSEIRO"), 1);
    banco().executar(QStringLiteral("INSERT INTO ANULACAO (ID_ITEM) VALUES (?)"), {antigo});
    const qint64 toalha = item(QStringLiteral("TOALHA"), 1);
    struct {
        ModoEdicao modo;
        const char *descricao, *estoque, *valor, *minimo;
        const QString &mensagem;
        Campo foco;
    } casos[] = {
        {ModoEdicao::Incluir, "  ", "1", "0,00", "0", Itens::kMsgDescricaoInvalida, Campo::Descricao},
        {ModoEdicao::Incluir, "TRAVESSEIRO", "1", "0,00", "0", Itens::kMsgJaCadastrado, Campo::Descricao},
        {ModoEdicao::Incluir, "TOALHA", "1", "0,00", "0", Itens::kMsgJaCadastrado, Campo::Descricao},
        {ModoEdicao::Alterar, "TOALHA", "1", "0,00", "0", Itens::kMsgJaCadastrado, Campo::Descricao},
        {ModoEdicao::Incluir, "COBERTOR", "", "0,00", "0", Itens::kMsgEstoqueInvalido, Campo::Estoque},
        {ModoEdicao::Incluir, "COBERTOR", "1.5", "0,00", "0", Itens::kMsgEstoqueInvalido, Campo::Estoque},
        {ModoEdicao::Incluir, "COBERTOR", "DEZ", "0,00", "0", Itens::kMsgEstoqueInvalido, Campo::Estoque},
        {ModoEdicao::Incluir, "COBERTOR", "1", "ABC", "0", Itens::kMsgValorInvalido, Campo::Valor},
        {ModoEdicao::Incluir, "COBERTOR", "1", "-1,00", "0", Itens::kMsgValorInvalido, Campo::Valor},
        {ModoEdicao::Incluir, "COBERTOR", "1", "0,00", "-1", Itens::kMsgMinimoInvalido, Campo::Minimo},
        {ModoEdicao::Incluir, "COBERTOR", "1", "0,00", "X", Itens::kMsgMinimoInvalido, Campo::Minimo},
    };
    for (const auto &c : casos) {
        SCOPED_TRACE(c.descricao + std::string(" ") + c.estoque + " " + c.valor + " " + c.minimo);
        const Itens::Dados d{u8(c.descricao), QString::fromLatin1(c.estoque), QString::fromLatin1(c.valor),
                             QString::fromLatin1(c.minimo)};
        // The alteration renames another item (the first one) to a taken name.
        const Itens::Resultado r = Itens::salvar(banco(), c.modo, c.modo == ModoEdicao::Alterar ? antigo : 0, d,
                                                 QStringLiteral("OUTRO"), 1);
        EXPECT_FALSE(r.salvo);
        EXPECT_EQ(r.mensagem, c.mensagem);
        EXPECT_EQ(r.foco, c.foco);
    }
    EXPECT_EQ(contar(QStringLiteral("SELECT COUNT(*) FROM ITEM")), 2);
    EXPECT_TRUE(logs().isEmpty());
    // Its own unchanged name is no clash; an empty alert level is 0; a negative stock may be typed.
    EXPECT_TRUE(Itens::salvar(banco(), ModoEdicao::Alterar, toalha, {QStringLiteral("TOALHA"), QStringLiteral("-2"),
                                                                      QStringLiteral("1.234,50"), QString()},
                              QStringLiteral("TOALHA"), 1)
                    .salvo);
    EXPECT_EQ(estoque(toalha), -2);
    EXPECT_EQ(contar(QStringLiteral("SELECT AVISAR FROM ITEM WHERE ID_ITEM = ?"), {toalha}), 0);
}

TEST_F(ItensTeste, NovoItemPelaTelaGravaOCodigoMostrado)
{
    qint64 mostrado = 0;
    Telas::interceptar<TFrmCadItens>([&](TFrmCadItens *c) {
        ativar(c);
        EXPECT_EQ(c->lblTitulo->text(), QStringLiteral("Novo Item"));
        EXPECT_EQ(c->edtEstoque->text(), QString());
        EXPECT_EQ(c->edtValor->text(), QStringLiteral("0,00"));
        EXPECT_EQ(c->edtMinimo->text(), QStringLiteral("0"));
        mostrado = c->lblCodigo->text().toLongLong();
        item(QStringLiteral("DE OUTRA ESTACAO"), 0); // saved elsewhere meanwhile
        c->edtDescricao->setText(u8("TOALHA D'ÁGUA"));
        // The stock has no default: an empty one is refused, the focus goes to it.
        msg->esperar(Itens::kMsgEstoqueInvalido);
        c->btnConfirmar->click();
        EXPECT_EQ(focado(), c->edtEstoque);
        c->edtEstoque->setText(QStringLiteral("8"));
        c->edtValor->setFocus();
        c->edtValor->setText(QStringLiteral("1234,5"));
        c->edtMinimo->setFocus(); // leaving formats the value
        EXPECT_EQ(c->edtValor->text(), QStringLiteral("1.234,50"));
        c->edtMinimo->clear();
        msg->esperar(Itens::kMsgCadastrado, Mensagem::Sim);
        tecla(c, Qt::Key_F10);
        EXPECT_GT(c->lblCodigo->text().toLongLong(), mostrado);
        EXPECT_EQ(c->edtDescricao->text(), QString());
        EXPECT_EQ(c->edtEstoque->text(), QString());
        EXPECT_EQ(c->edtValor->text(), QStringLiteral("0,00"));
        EXPECT_EQ(c->edtMinimo->text(), QStringLiteral("0"));
        tecla(c, Qt::Key_F12);
        return c->result();
    });
    auto f = abrirLista();
    f->btnNovo->click();
    EXPECT_EQ(msg->pendentes(), 0);
    const Linha l = banco().ler(QStringLiteral("SELECT * FROM ITEM WHERE ID_ITEM = ?"), {mostrado});
    EXPECT_EQ(l.texto(QStringLiteral("DESCRICAO")), u8("TOALHA D'ÁGUA"));
    EXPECT_EQ(l.inteiro(QStringLiteral("ESTOQUE")), 8);
    EXPECT_EQ(l.dinheiro(QStringLiteral("VALOR")), Dinheiro::deCentavos(123450));
    EXPECT_EQ(l.inteiro(QStringLiteral("AVISAR")), 0);
    EXPECT_TRUE(l.nulo(QStringLiteral("ULTIMA_MOVIMENTACAO")));
    EXPECT_EQ(logs(), QStringList{u8("ADMIN|Incluiu Item de Estoque -> Código %1 (TOALHA D'ÁGUA)").arg(mostrado)});
    EXPECT_TRUE(descricoes(f->tItem()).contains(u8("TOALHA D'ÁGUA")));
    EXPECT_EQ(f->OP, QString()); // Cancel empties the list's mode
    // The list's total value: stock x unit value.
    f->lista->irParaLinha(f->tItem()->localizar(QStringLiteral("ID_ITEM"), QString::number(mostrado)));
    EXPECT_EQ(Dinheiro::deVariant(f->lista->valor(QStringLiteral("VALOR_TOTAL"))), Dinheiro::deCentavos(8 * 123450));
}

TEST_F(ItensTeste, VerEAlterarPelaLista)
{
    const qint64 toalha = item(QStringLiteral("TOALHA"), 5, QStringLiteral("12.5"));
    int vistas = 0;
    Telas::interceptar<TFrmCadItens>([&](TFrmCadItens *c) {
        ativar(c);
        if (c->modo() == ModoEdicao::Ver) {
            ++vistas;
            EXPECT_EQ(c->lblTitulo->text(), QStringLiteral("Ver Item"));
            EXPECT_FALSE(c->pnlCampos->isEnabled());
            EXPECT_FALSE(c->btnConfirmar->isEnabled());
            c->btnCancelar->click();
            return c->result();
        }
        EXPECT_EQ(c->lblTitulo->text(), QStringLiteral("Alterar Item"));
        EXPECT_EQ(c->lblCodigo->text(), QString::number(toalha));
        EXPECT_EQ(c->edtValor->text(), QStringLiteral("12,50"));
        EXPECT_EQ(c->edtEstoque->text(), QStringLiteral("5"));
        EXPECT_EQ(focado(), c->edtDescricao);
        c->edtDescricao->setText(QStringLiteral("TOALHA DE ROSTO"));
        msg->esperar(Itens::kMsgAlterado);
        c->btnConfirmar->click();
        return c->result();
    });
    auto f = abrirLista(toalha);
    tecla(f->dbgItens, Qt::Key_Return); // Enter on a row: view
    EXPECT_EQ(vistas, 1);
    EXPECT_EQ(f->OP, QString());
    f->btnAlterar->click();
    EXPECT_EQ(msg->pendentes(), 0);
    EXPECT_EQ(descricoes(f->tItem()), QStringList{QStringLiteral("TOALHA DE ROSTO")});
}

TEST_F(ItensTeste, ExclusaoPeloRegistroEHistoricoMostraODescritivoAtual)
{
    const qint64 toalha = item(QStringLiteral("TOALHA"), 3);
    const qint64 lencol = item(u8("LENÇOL"), 3);
    ASSERT_TRUE(Itens::movimentar(banco(), movimento(toalha, TipoMovimento::Baixa, QStringLiteral("1"))).salvo);
    ASSERT_TRUE(Itens::movimentar(banco(), movimento(lencol, TipoMovimento::Adicao, QStringLiteral("2"))).salvo);
    banco().executar(QStringLiteral("UPDATE ITEM SET DESCRICAO = 'TOALHA BRANCA' WHERE ID_ITEM = ?"), {toalha});
    auto f = abrirLista(lencol);
    msg->esperar(Itens::kMsgConfirmaExclusao, Mensagem::Sim).esperar(Itens::kMsgExcluido);
    f->btnExcluir->click();
    EXPECT_EQ(msg->pendentes(), 0);
    EXPECT_EQ(descricoes(f->tItem()), QStringList{QStringLiteral("TOALHA BRANCA")});
    EXPECT_EQ(contar(QStringLiteral("SELECT COUNT(*) FROM ANULACAO WHERE ID_ITEM = ?"), {lencol}), 1);
    EXPECT_EQ(logs().last(), u8("ADMIN|Excluiu Item de Estoque -> Código %1 (LENÇOL)").arg(lencol));
    EXPECT_FALSE(Itens::excluir(banco(), lencol, u8("LENÇOL"))); // recorded once
    // The history keeps the deleted item and shows the current descriptions, one statement for all rows.
    Telas::interceptar<TFrmHistoricoMov>([&](TFrmHistoricoMov *h) {
        h->setAttribute(Qt::WA_DontShowOnScreen);
        h->show();
        ativar(h);
        QStringList itens;
        for (int i = 0; i < h->tHistorico()->total(); ++i)
            itens << h->tHistorico()->texto(i, QStringLiteral("ITEM")) + QLatin1Char('|')
                         + h->tHistorico()->texto(i, QStringLiteral("TIPO"));
        itens.sort();
        EXPECT_EQ(itens, (QStringList{u8("LENÇOL|+"), QStringLiteral("TOALHA BRANCA|-")}));
        EXPECT_EQ(AcaoAtualRegistrada(), u8("Histórico de Movimentação de Itens de Estoque"));
        return 0;
    });
    f->btnHistorico->click();
}

TEST_F(ItensTeste, FiltrosOrdensELog)
{
    item(QStringLiteral("TOALHA"), 0);
    const qint64 lencol = item(u8("LENÇOL D'ÁVILA"), 4);
    item(QStringLiteral("COBERTOR"), 0);
    auto f = abrirLista();
    EXPECT_EQ(descricoes(f->tItem()), (QStringList{QStringLiteral("COBERTOR"), u8("LENÇOL D'ÁVILA"), QStringLiteral("TOALHA")}));
    struct {
        int opcao;
        const char *texto;
        QStringList esperadas;
    } casos[] = {
        {2, "0", {QStringLiteral("COBERTOR"), QStringLiteral("TOALHA")}},
        {1, "D'ÁV", {u8("LENÇOL D'ÁVILA")}},
        {0, "", {QStringLiteral("COBERTOR"), u8("LENÇOL D'ÁVILA"), QStringLiteral("TOALHA")}},
    };
    QStringList esperados;
    const QString legendas[] = {u8("Código"), u8("Descrição"), QStringLiteral("Estoque Atual")};
    for (const auto &c : casos) {
        SCOPED_TRACE(c.texto);
        f->btnFiltrosClick();
        EXPECT_TRUE(f->lista->opcoesFiltro()[1]->isChecked()); // "Descrição" preselected
        f->lista->opcoesFiltro()[c.opcao]->setChecked(true);
        f->lista->edtFiltro()->setText(u8(c.texto));
        tecla(f->lista->edtFiltro(), Qt::Key_Return);
        EXPECT_EQ(descricoes(f->tItem()), c.esperadas);
        esperados << u8("ADMIN|Tentou Localizar Item de Estoque de ") + legendas[c.opcao] + QStringLiteral(" -> ") + u8(c.texto);
    }
    f->btnFiltrosClick();
    f->lista->opcoesFiltro()[0]->setChecked(true);
    f->lista->edtFiltro()->setText(QString::number(lencol));
    f->btnBuscar->click();
    EXPECT_EQ(descricoes(f->tItem()), QStringList{u8("LENÇOL D'ÁVILA")});
    esperados << u8("ADMIN|Tentou Localizar Item de Estoque de Código -> ") + QString::number(lencol);
    // A number search with a text that is not a number: told, nothing searched, nothing logged.
    f->btnFiltrosClick();
    f->lista->opcoesFiltro()[2]->setChecked(true);
    f->lista->edtFiltro()->setText(QStringLiteral("DEZ"));
    msg->esperar(Itens::kMsgBuscaNumero);
    tecla(f->lista->edtFiltro(), Qt::Key_Return);
    EXPECT_EQ(msg->pendentes(), 0);
    EXPECT_TRUE(f->lista->painelFiltro()->isVisible());
    EXPECT_EQ(logs(), esperados);
    // The orders of the pop-up menu.
    const QList<QAction *> ordens = f->lista->menuContexto()->actions();
    ASSERT_EQ(ordens.size(), 2);
    EXPECT_EQ(ordens[0]->text(), QStringLiteral("Mostrar Todos  - Organizar Por Código"));
    ordens[0]->trigger();
    EXPECT_EQ(descricoes(f->tItem()), (QStringList{QStringLiteral("TOALHA"), u8("LENÇOL D'ÁVILA"), QStringLiteral("COBERTOR")}));
}

TEST_F(ItensTeste, DireitosEPainelDeMovimento)
{
    // Without MOVIMENTOS: no alter, delete or values; new, movements and history stay.
    Sessao::atual().direitos.MOVIMENTOS = false;
    {
        auto f = abrirLista();
        EXPECT_FALSE(f->btnAlterar->isVisibleTo(f.get()));
        EXPECT_FALSE(f->btnExcluir->isVisibleTo(f.get()));
        for (QPushButton *b : {f->btnNovo, f->btnAdicao, f->btnBaixa, f->btnHistorico})
            EXPECT_TRUE(b->isVisibleTo(f.get())) << b->text().toStdString();
        QStringList titulos;
        for (int i = 0; i < f->tItem()->columnCount(); ++i)
            titulos << f->tItem()->headerData(i, Qt::Horizontal).toString();
        EXPECT_EQ(titulos, (QStringList{u8("Código"), u8("Descrição"), QStringLiteral("Estoque Atual"),
                                        u8("Última Movimentação")}));
        // An empty list: nothing to move.
        EXPECT_FALSE(f->btnAdicao->isEnabled());
        EXPECT_FALSE(f->btnBaixa->isEnabled());
    }
    Sessao::atual().direitos.MOVIMENTOS = true;
    const qint64 toalha = item(QStringLiteral("TOALHA"), 3);
    auto f = abrirLista(toalha);
    EXPECT_EQ(f->tItem()->columnCount(), 6);
    ASSERT_TRUE(f->btnBaixa->isEnabled());
    f->btnBaixa->click();
    EXPECT_TRUE(f->pnlMovimentacao->isVisible());
    EXPECT_FALSE(f->dbgItens->isEnabled());
    EXPECT_EQ(f->lblData->text(), QStringLiteral("10/12/2026"));
    EXPECT_EQ(f->lblUsuario->text(), QStringLiteral("ADMIN"));
    EXPECT_EQ(f->lblTipo->text(), QStringLiteral("Baixa"));
    EXPECT_EQ(f->lblItem->text(), QStringLiteral("%1 - TOALHA (3)").arg(toalha));
    EXPECT_EQ(focado(), f->edtQuantidade);
    digitar(f->edtQuantidade, QStringLiteral("X"));
    msg->esperar(Itens::kMsgQuantidadeInvalida);
    f->btnConfirmarMov->click();
    EXPECT_EQ(focado(), f->edtQuantidade);
    f->edtQuantidade->setText(QStringLiteral("5"));
    tecla(f->edtQuantidade, Qt::Key_Return); // on to the justification
    EXPECT_EQ(focado(), f->edtJustificativa);
    digitar(f->edtJustificativa, QStringLiteral("rasgou"));
    EXPECT_EQ(f->edtJustificativa->text(), QStringLiteral("RASGOU"));
    msg->esperar(Itens::kMsgAtualizado);
    tecla(f->edtJustificativa, Qt::Key_Return);
    EXPECT_EQ(msg->pendentes(), 0);
    EXPECT_FALSE(f->pnlMovimentacao->isVisible());
    EXPECT_TRUE(f->dbgItens->isEnabled());
    EXPECT_EQ(f->lista->inteiro(QStringLiteral("ESTOQUE")), -2);
    EXPECT_EQ(f->lista->valor(QStringLiteral("ULTIMA_MOVIMENTACAO")).toDate(), QDate(2026, 12, 10));
    // "x" closes the panel without writing.
    f->btnAdicao->click();
    EXPECT_EQ(f->lblTipo->text(), u8("Adição"));
    f->edtQuantidade->setText(QStringLiteral("1"));
    f->btnFecharMov->click();
    EXPECT_FALSE(f->pnlMovimentacao->isVisible());
    EXPECT_EQ(estoque(toalha), -2);
    EXPECT_EQ(historicos(), 1);
}

TEST_F(ItensTeste, HistoricoFiltradoPorUsuarioOuData)
{
    const qint64 toalha = item(QStringLiteral("TOALHA"), 3);
    auto mover = [&](const QString &login, const QDate &dia) {
        Sessao::atual().login = login;
        Itens::Movimento m = movimento(toalha, TipoMovimento::Adicao, QStringLiteral("1"));
        m.data = dia;
        ASSERT_TRUE(Itens::movimentar(banco(), m).salvo);
    };
    banco().executar(QStringLiteral("INSERT INTO USUARIO (LOGIN, SENHA) VALUES ('MARIA', '1')"));
    mover(QStringLiteral("ADMIN"), QDate(2026, 12, 9));
    mover(QStringLiteral("MARIA"), QDate(2026, 12, 10));
    mover(QStringLiteral("MARIA"), QDate(2026, 12, 8));
    TFrmHistoricoMov h;
    h.setAttribute(Qt::WA_DontShowOnScreen);
    h.show();
    ativar(&h);
    auto datas = [&] {
        QStringList r;
        for (int i = 0; i < h.tHistorico()->total(); ++i)
            r << h.tHistorico()->texto(i, QStringLiteral("DATA"));
        return r;
    };
    EXPECT_EQ(datas(), (QStringList{QStringLiteral("08/12/2026"), QStringLiteral("09/12/2026"), QStringLiteral("10/12/2026")}));
    // The type column is centred.
    EXPECT_EQ(h.tHistorico()->data(h.tHistorico()->index(0, 2), Qt::TextAlignmentRole).toInt(),
              int(Qt::AlignHCenter | Qt::AlignVCenter));
    h.btnFiltrosClick();
    EXPECT_TRUE(h.rbUsuario->isChecked());
    EXPECT_EQ(h.cbUsuario->currentIndex(), -1);
    EXPECT_EQ(h.cbUsuario->findText(QStringLiteral("MARIA")) >= 0, true);
    h.cbUsuario->setCurrentIndex(h.cbUsuario->findText(QStringLiteral("MARIA")));
    h.btnBuscar->click();
    EXPECT_FALSE(h.pnlFiltros->isVisible());
    EXPECT_EQ(datas(), (QStringList{QStringLiteral("08/12/2026"), QStringLiteral("10/12/2026")}));
    h.btnFiltrosClick();
    tecla(h.cbUsuario, Qt::Key_Down); // Down switches to the date, set to today
    EXPECT_TRUE(h.rbData->isChecked());
    EXPECT_EQ(h.dtData->date(), QDate(2026, 12, 10));
    h.dtData->setDate(QDate(2026, 12, 9));
    tecla(h.dtData, Qt::Key_Return);
    EXPECT_EQ(datas(), QStringList{QStringLiteral("09/12/2026")});
}
