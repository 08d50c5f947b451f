// Room types and rates: the type list (rates, room count, filters, orders,
// rights, motel mode, deletion through the register) and the type edit screen
// (checks in order, the reserved key and the child rows stored under it,
// standard stock items and minibar products, rate boxes).
#include "base/Telas.h"
#include "rooms/UnitItensPadrao.h"
#include "rooms/TiposUH.h"
#include "rooms/UnitCadTiposUH.h"
#include "rooms/UnitTiposUH.h"
#include "app/UnitQuintara.h"
#include "rooms/UnitCadReservas.h"
#include "rooms/UnitCaracUH.h"
#include "rooms/UnitUH.h"
#include "support/TelasTeste.h"

#include <QAction>
#include <QComboBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>

namespace {

QString u8(const char *t) { return QString::fromUtf8(t); }

class TiposUH_ : public TelasTeste {
protected:
    qint64 item(const QString &descricao)
    {
        return banco()
            .valor(QStringLiteral("INSERT INTO ITEM (DESCRICAO) VALUES (?) RETURNING ID_ITEM"), {descricao})
            .toLongLong();
    }
    qint64 produto(const QString &descricao, const char *valor, const char *excluido = "N")
    {
        return banco()
            .valor(QStringLiteral("INSERT INTO PRODUTOS_SERVICOS (DESCRICAO, VALOR, ID_PDV, EXCLUIDO) "
                                  "VALUES (?, ?, 1, ?) RETURNING ID_P_S"),
                   {descricao, QString::fromLatin1(valor), QString::fromLatin1(excluido)})
            .toLongLong();
    }
    qint64 tipo(const QString &descricao, const char *p1 = "100", const char *p4 = "400")
    {
        return banco()
            .valor(QStringLiteral("INSERT INTO TIPO_UH (DESCRICAO, ABREV, P1, P2, P3, P4, P1MIN, P4MIN) "
                                  "VALUES (?, 'ABV', ?, 200, 300, ?, 50, 90) RETURNING ID_TIPO_UH"),
                   {descricao, QString::fromLatin1(p1), QString::fromLatin1(p4)})
            .toLongLong();
    }
    void quarto(qint64 tipo, const char *numero, const char *excluido = "N")
    {
        banco().executar(QStringLiteral("INSERT INTO UH (ID_TIPO_UH, NUMERO, DESCRICAO, EXCLUIDO) VALUES (?, ?, 'Q', ?)"),
                         {tipo, QString::fromLatin1(numero), QString::fromLatin1(excluido)});
    }
    qint64 filhos(qint64 tipo)
    {
        return contar(QStringLiteral("SELECT (SELECT COUNT(*) FROM PADRAO_ITEM WHERE ID_TIPO_UH = ?) "
                                     "+ (SELECT COUNT(*) FROM PADRAO_PS WHERE ID_TIPO_UH = ?) "
                                     "+ (SELECT COUNT(*) FROM CARAC_TIPO_UH WHERE ID_TIPO_UH = ?) FROM RDB$DATABASE"),
                      {tipo, tipo, tipo});
    }
    // Adds through a panel: chooses by description ("" = nothing) and types the quantity.
    void adicionar(PainelItensPadrao *p, const QString &descricao, const QString &qtd)
    {
        p->btnIncluirClick();
        ASSERT_TRUE(p->pnlIncluir->isVisibleTo(p));
        p->cbItem->setCurrentIndex(descricao.isEmpty() ? -1 : p->cbItem->findText(descricao));
        p->edtQtd->setText(qtd);
        p->btnConfirmarItemClick();
    }
    static QStringList coluna(ModeloConsulta *m, const char *campo)
    {
        QStringList r;
        for (int i = 0; i < m->total(); ++i)
            r << m->texto(i, QString::fromLatin1(campo));
        return r;
    }
    static QStringList titulos(QTableView *g)
    {
        QStringList r;
        for (int i = 0; i < g->model()->columnCount(); ++i)
            if (!g->isColumnHidden(i))
                r << g->model()->headerData(i, Qt::Horizontal).toString();
        return r;
    }
    static void preencher(TFrmCadTiposUH *f, const QString &descricao, const QString &sigla)
    {
        f->edtDescricao->setText(descricao);
        f->edtSigla->setText(sigla);
    }
};

} // namespace

TEST_F(TiposUH_, RecusasEmOrdemNaoGravamNada)
{
    const qint64 apagado = tipo(QStringLiteral("ANTIGO"));
    banco().executar(QStringLiteral("INSERT INTO ANULACAO (ID_TIPO_UH) VALUES (?)"), {apagado});
    tipo(QStringLiteral("LUXO"));
    const qint64 antes = contar(QStringLiteral("SELECT COUNT(*) FROM TIPO_UH"));
    struct {
        const char *descricao, *sigla, *valor;
        const char *mensagem;
        TiposUH::Campo foco;
    } casos[] = {
        {"", "", "abc", "Descrição do Tipo da UH Inválida!", TiposUH::Campo::Descricao},
        {"   ", "STD", "", "Descrição do Tipo da UH Inválida!", TiposUH::Campo::Descricao},
        {"STANDARD", "", "abc", "Abreviação para Descrição Inválida!", TiposUH::Campo::Abreviacao},
        {"STANDARD", "STD", "abc", "'abc' não é um valor válido!", TiposUH::Campo::Valor},
        {"STANDARD", "STD", "-5,00", "'-5,00' não é um valor válido!", TiposUH::Campo::Valor},
        {"STANDARD", "STD", "10.000.000,00", "'10.000.000,00' não é um valor válido!", TiposUH::Campo::Valor},
        {"LUXO", "LX", "1,00", "Este Tipo de UH Já Esta Cadastrada ou Já foi Excluída do Sistema!",
         TiposUH::Campo::Descricao},
        {"ANTIGO", "AN", "1,00", "Este Tipo de UH Já Esta Cadastrada ou Já foi Excluída do Sistema!",
         TiposUH::Campo::Descricao},
    };
    const qint64 chave = banco().gerador(QStringLiteral("GEN_ID_TIPO_UH"), 1);
    for (const auto &c : casos) {
        SCOPED_TRACE(c.mensagem);
        TiposUH::Dados d{u8(c.descricao), u8(c.sigla), {}};
        d.valores[2] = u8(c.valor);
        const TiposUH::Resultado r = TiposUH::confirmar(DM->Conexao, ModoEdicao::Incluir, chave, {}, d);
        EXPECT_FALSE(r.salvo);
        EXPECT_EQ(r.mensagem, u8(c.mensagem));
        EXPECT_EQ(r.foco, c.foco);
        if (c.foco == TiposUH::Campo::Valor)
            EXPECT_EQ(r.valor, 2);
    }
    EXPECT_EQ(contar(QStringLiteral("SELECT COUNT(*) FROM TIPO_UH")), antes);
    EXPECT_TRUE(logs().isEmpty());
    // a name stored by another workstation between the test and the write is held by the database
    EXPECT_THROW(banco().executar(QStringLiteral("INSERT INTO TIPO_UH (DESCRICAO) VALUES ('LUXO')")), ErroBanco);
}

TEST_F(TiposUH_, NovoTipoGuardaAChaveMostradaEOsFilhosSobEla)
{
    const qint64 toalha = item(QStringLiteral("TOALHA"));
    item(QStringLiteral("LENCOL"));
    const qint64 agua = produto(QStringLiteral("AGUA"), "3.50");
    produto(QStringLiteral("REFRI VELHO"), "5", "S");

    TFrmCadTiposUH f(QStringLiteral("I"));
    const qint64 chave = f.codigo();
    EXPECT_EQ(f.lblCodTipo->text(), QString::number(chave));
    EXPECT_EQ(f.windowTitle(), QStringLiteral("Novo Tipo"));
    // the key is reserved: another workstation's type gets another one
    EXPECT_GT(tipo(QStringLiteral("OUTRA ESTACAO")), chave);
    for (QLineEdit *e : f.caixasValor())
        EXPECT_EQ(e->text(), QStringLiteral("0,00"));
    EXPECT_FALSE(f.pnlEstoque->btnExcluir->isVisibleTo(&f));

    // the add panels offer live items and products only, and refuse an empty
    // choice or a quantity that is not a positive whole number
    f.pnlFrigobar->btnIncluirClick();
    QStringList oferecidos;
    for (int i = 0; i < f.pnlFrigobar->cbItem->count(); ++i)
        oferecidos << f.pnlFrigobar->cbItem->itemText(i);
    EXPECT_FALSE(oferecidos.contains(QStringLiteral("REFRI VELHO")));
    EXPECT_TRUE(oferecidos.contains(QStringLiteral("AGUA")));
    f.pnlFrigobar->cbItem->setCurrentIndex(f.pnlFrigobar->cbItem->findText(QStringLiteral("AGUA")));
    EXPECT_EQ(f.pnlFrigobar->edtValorUnit->text(), QStringLiteral("3,50"));
    f.pnlFrigobar->cbItem->setCurrentIndex(-1);
    EXPECT_EQ(f.pnlFrigobar->edtValorUnit->text(), QStringLiteral("0,00"));

    msg->esperar(QStringLiteral("Item de Estoque Inválido!"));
    adicionar(f.pnlEstoque, {}, QStringLiteral("2"));
    for (const char *q : {"0", "", "abc", "-1", "1,5", "99999999999"}) {
        SCOPED_TRACE(q);
        msg->esperar(QStringLiteral("Quantidade Inválida!"));
        adicionar(f.pnlEstoque, QStringLiteral("TOALHA"), u8(q));
    }
    msg->esperar(u8("Produto / Serviço Inválido!"));
    adicionar(f.pnlFrigobar, {}, QStringLiteral("1"));
    EXPECT_EQ(filhos(chave), 0);

    adicionar(f.pnlEstoque, QStringLiteral("TOALHA"), QStringLiteral("2"));
    adicionar(f.pnlEstoque, QStringLiteral("TOALHA"), QStringLiteral("1"));
    adicionar(f.pnlEstoque, QStringLiteral("LENCOL"), QStringLiteral("4"));
    adicionar(f.pnlFrigobar, QStringLiteral("AGUA"), QStringLiteral("6"));
    EXPECT_FALSE(f.pnlEstoque->pnlIncluir->isVisibleTo(&f));
    EXPECT_TRUE(f.pnlEstoque->btnExcluir->isVisibleTo(&f));
    EXPECT_EQ(coluna(f.pnlEstoque->modelo(), "DESCRICAO"),
              (QStringList{QStringLiteral("LENCOL"), QStringLiteral("TOALHA"), QStringLiteral("TOALHA")}));
    EXPECT_EQ(f.dbgFrigobar->model()->index(0, 3).data().toString(), QStringLiteral("3,50"));

    // removing the second TOALHA row removes that row only
    f.dbgEstoque->setCurrentIndex(f.pnlEstoque->modelo()->index(2, 0));
    f.pnlEstoque->btnExcluirClick();
    EXPECT_EQ(coluna(f.pnlEstoque->modelo(), "QTD"), (QStringList{QStringLiteral("4"), QStringLiteral("2")}));

    preencher(&f, u8("SUÍTE D'ÁVILA"), QStringLiteral("SDA"));
    f.edtP1->setText(QStringLiteral("1.234,56"));
    f.edtP4Min->setText(QStringLiteral("80"));
    msg->esperar(u8("Tipo de UH Cadastrada com Sucesso! Deseja Cadastrar Outra?"), Mensagem::Nao);
    f.btnConfirmarClick();
    EXPECT_EQ(f.result(), int(QDialog::Accepted));
    EXPECT_TRUE(f.Confirma);

    const Linha t = banco().ler(QStringLiteral("SELECT * FROM TIPO_UH WHERE ID_TIPO_UH = ?"), {chave});
    ASSERT_FALSE(t.vazia());
    EXPECT_EQ(t.texto(QStringLiteral("DESCRICAO")), u8("SUÍTE D'ÁVILA"));
    EXPECT_EQ(t.texto(QStringLiteral("ABREV")), QStringLiteral("SDA"));
    EXPECT_EQ(t.dinheiro(QStringLiteral("P1")), Dinheiro::deCentavos(123456));
    EXPECT_EQ(t.dinheiro(QStringLiteral("P4MIN")), Dinheiro::deReais(80));
    EXPECT_EQ(t.dinheiro(QStringLiteral("P2")), Dinheiro());
    EXPECT_EQ(contar(QStringLiteral("SELECT SUM(QTD) FROM PADRAO_ITEM WHERE ID_TIPO_UH = ? AND ID_ITEM = ?"),
                     {chave, toalha}),
              2);
    EXPECT_EQ(banco().ler(QStringLiteral("SELECT VALOR FROM PADRAO_PS WHERE ID_TIPO_UH = ? AND ID_P_S = ?"),
                          {chave, agua})
                  .dinheiro(QStringLiteral("VALOR")),
              Dinheiro::deCentavos(350));
    EXPECT_EQ(logs(), (QStringList{u8("ADMIN|Incluiu Item Padrão de Estoque -> (TOALHA)"),
                                   u8("ADMIN|Incluiu Item Padrão de Estoque -> (TOALHA)"),
                                   u8("ADMIN|Incluiu Item Padrão de Estoque -> (LENCOL)"),
                                   u8("ADMIN|Incluiu Item Padrão de Frigobar -> (AGUA)"),
                                   u8("ADMIN|Excluiu Item Padrão de Estoque -> (TOALHA)"),
                                   QStringLiteral("ADMIN|Incluiu Tipo de UH -> Código %1 (%2)")
                                       .arg(chave)
                                       .arg(u8("SUÍTE D'ÁVILA"))}));
}

TEST_F(TiposUH_, NovoTipoAbandonadoNaoDeixaFilhos)
{
    item(QStringLiteral("TOALHA"));
    produto(QStringLiteral("AGUA"), "3");
    const qint64 carac =
        banco().valor(QStringLiteral("INSERT INTO CARAC_UH (DESCRICAO) VALUES ('AR') RETURNING ID_CARAC_UH")).toLongLong();
    // another type with its own children is never touched
    const qint64 outro = tipo(QStringLiteral("OUTRO"));
    ItensPadrao::incluir(DM->Conexao, ItensPadrao::Tabela::EstoqueTipo, outro,
                         banco().valor(QStringLiteral("SELECT ID_ITEM FROM ITEM")).toLongLong(), QStringLiteral("1"));

    enum class Saida { Cancelar, F12, Fechar, RecusadoECancelado, Destruida };
    for (Saida s : {Saida::Cancelar, Saida::F12, Saida::Fechar, Saida::RecusadoECancelado, Saida::Destruida}) {
        SCOPED_TRACE(int(s));
        qint64 chave = 0;
        {
            TFrmCadTiposUH f(QStringLiteral("I"));
            chave = f.codigo();
            adicionar(f.pnlEstoque, QStringLiteral("TOALHA"), QStringLiteral("2"));
            adicionar(f.pnlEstoque, QStringLiteral("TOALHA"), QStringLiteral("1"));
            adicionar(f.pnlFrigobar, QStringLiteral("AGUA"), QStringLiteral("1"));
            TiposUH::anexarCaracteristica(DM->Conexao, chave, carac);
            EXPECT_EQ(filhos(chave), 4);
            switch (s) {
            case Saida::Cancelar:
                f.btnCancelar->click();
                break;
            case Saida::F12:
                f.show();
                ativar(&f);
                tecla(f.edtDescricao, Qt::Key_F12);
                break;
            case Saida::Fechar:
                f.show();
                f.close();
                break;
            case Saida::RecusadoECancelado:
                msg->esperar(QStringLiteral("Abreviação para Descrição Inválida!"));
                preencher(&f, QStringLiteral("NOVO"), {});
                f.btnConfirmarClick();
                EXPECT_FALSE(f.Confirma);
                f.btnCancelar->click();
                break;
            case Saida::Destruida:
                break;
            }
            if (s != Saida::Destruida)
                EXPECT_EQ(filhos(chave), 0);
        }
        EXPECT_EQ(filhos(chave), 0);
        EXPECT_EQ(contar(QStringLiteral("SELECT COUNT(*) FROM TIPO_UH WHERE ID_TIPO_UH = ?"), {chave}), 0);
    }
    EXPECT_EQ(filhos(outro), 1);
}

TEST_F(TiposUH_, CadastrarOutroMostraAProximaChaveEGradesVazias)
{
    item(QStringLiteral("TOALHA"));
    TFrmCadTiposUH f(QStringLiteral("I"));
    const qint64 primeira = f.codigo();
    adicionar(f.pnlEstoque, QStringLiteral("TOALHA"), QStringLiteral("2"));
    preencher(&f, QStringLiteral("STANDARD"), QStringLiteral("STD"));
    f.edtP2->setText(QStringLiteral("150,00"));
    msg->esperar(u8("Tipo de UH Cadastrada com Sucesso! Deseja Cadastrar Outra?"), Mensagem::Sim);
    f.btnConfirmarClick();
    const qint64 segunda = f.codigo();
    EXPECT_GT(segunda, primeira);
    EXPECT_EQ(f.lblCodTipo->text(), QString::number(segunda));
    EXPECT_TRUE(f.pnlEstoque->vazia());
    EXPECT_TRUE(f.edtDescricao->text().isEmpty());
    EXPECT_EQ(f.edtP2->text(), QStringLiteral("0,00"));
    // the second one abandoned: only its own children go
    adicionar(f.pnlEstoque, QStringLiteral("TOALHA"), QStringLiteral("5"));
    f.btnCancelar->click();
    EXPECT_EQ(filhos(primeira), 1);
    EXPECT_EQ(filhos(segunda), 0);
}

TEST_F(TiposUH_, AlterarTestaONomeSoQuandoMuda)
{
    const qint64 luxo = tipo(QStringLiteral("LUXO"));
    const qint64 apagado = tipo(QStringLiteral("ANTIGO"));
    banco().executar(QStringLiteral("INSERT INTO ANULACAO (ID_TIPO_UH) VALUES (?)"), {apagado});

    TFrmCadTiposUH f(QStringLiteral("A"), luxo);
    EXPECT_EQ(f.windowTitle(), QStringLiteral("Alterar Tipo"));
    EXPECT_EQ(f.edtP1->text(), QStringLiteral("100,00"));
    EXPECT_EQ(f.edtP4->text(), QStringLiteral("400,00"));
    EXPECT_EQ(f.edtP1Min->text(), QStringLiteral("50,00"));
    f.edtDescricao->setText(QStringLiteral("ANTIGO"));
    msg->esperar(QStringLiteral("Este Tipo de UH Já Esta Cadastrada ou Já foi Excluída do Sistema!"));
    f.btnConfirmarClick();
    EXPECT_EQ(banco().ler(QStringLiteral("SELECT DESCRICAO FROM TIPO_UH WHERE ID_TIPO_UH = ?"), {luxo})
                  .texto(QStringLiteral("DESCRICAO")),
              QStringLiteral("LUXO"));

    f.edtDescricao->setText(QStringLiteral("LUXO"));
    f.edtP3->setText(QStringLiteral("333,30"));
    msg->esperar(QStringLiteral("Tipo de UH Alterada com Sucesso!"));
    f.btnConfirmarClick();
    EXPECT_EQ(f.result(), int(QDialog::Accepted));
    EXPECT_EQ(banco().ler(QStringLiteral("SELECT P3 FROM TIPO_UH WHERE ID_TIPO_UH = ?"), {luxo}).dinheiro("P3"),
              Dinheiro::deCentavos(33330));
    EXPECT_EQ(logs(), QStringList{QStringLiteral("ADMIN|Alterou Tipo de UH -> Código %1 (LUXO)").arg(luxo)});

    // a view fills the boxes and cannot confirm
    TFrmCadTiposUH v(QStringLiteral("V"), luxo);
    EXPECT_EQ(v.windowTitle(), QStringLiteral("Ver Tipo"));
    EXPECT_FALSE(v.btnConfirmar->isEnabled());
    EXPECT_FALSE(v.pnlDados->isEnabled());
    EXPECT_FALSE(v.pnlEstoque->isEnabled());
    EXPECT_TRUE(v.btnCancelar->isEnabled());
    v.btnConfirmarClick(); // F10 where the button is disabled: nothing
    // an unknown mode fills nothing
    TFrmCadTiposUH x(QStringLiteral("?"), luxo);
    EXPECT_EQ(x.lblCodTipo->text(), QStringLiteral("X"));
    EXPECT_TRUE(x.edtDescricao->text().isEmpty());
}

TEST_F(TiposUH_, CaixaDeValorRecusaTextoQueNaoENumero)
{
    TFrmCadTiposUH f(QStringLiteral("I"));
    f.show();
    ativar(&f);
    focar(f.edtP1, true);
    f.edtP1->setText(QStringLiteral("1.500,5"));
    focar(f.edtP1, false);
    EXPECT_EQ(f.edtP1->text(), QStringLiteral("1.500,50"));
    focar(f.edtP1, true);
    EXPECT_EQ(f.edtP1->text(), QStringLiteral("1500,50")); // thousands dots go on entering
    f.edtP1->setText(QString());
    focar(f.edtP1, false);
    EXPECT_EQ(f.edtP1->text(), QStringLiteral("0,00"));
    f.edtP2->setText(QStringLiteral("12x"));
    msg->esperar(QStringLiteral("'12x' não é um valor válido!"));
    focar(f.edtP2, false);
    EXPECT_EQ(f.edtP2->text(), QStringLiteral("12x"));
    f.btnCancelar->click();
}

TEST_F(TiposUH_, ListaQuantidadeFiltrosOrdensEExclusao)
{
    const qint64 suite = tipo(QStringLiteral("SUITE"));
    const qint64 luxo = tipo(QStringLiteral("LUXO"));
    const qint64 apagado = tipo(QStringLiteral("APAGADO"));
    banco().executar(QStringLiteral("INSERT INTO ANULACAO (ID_TIPO_UH) VALUES (?)"), {apagado});
    quarto(luxo, "101");
    quarto(luxo, "102");
    quarto(luxo, "103", "S");
    quarto(suite, "201");

    Telas::interceptar<TFrmTiposUH>([&](TFrmTiposUH *f) {
        ativar(f);
        EXPECT_EQ(f->windowTitle(), QStringLiteral("Tipos das Unidades Habitacionais"));
        EXPECT_EQ(titulos(f->dbgTipoUH),
                  (QStringList{u8("Código"), u8("Descrição"), u8("Abreviação"), u8("Diária 01 Pessoa"),
                               u8("Diária 02 Pessoas"), u8("Diária 03 Pessoas"), u8("Diária 04 Pessoas"),
                               QStringLiteral("Quantidade")}));
        ModeloConsulta *m = f->lista->modelo();
        EXPECT_EQ(coluna(m, "DESCRICAO"), (QStringList{QStringLiteral("SUITE"), QStringLiteral("LUXO")}));
        EXPECT_EQ(coluna(m, "QTD"), (QStringList{QStringLiteral("1"), QStringLiteral("2")}));
        EXPECT_EQ(f->dbgTipoUH->model()->index(0, 3).data().toString(), QStringLiteral("100,00"));
        EXPECT_EQ(f->dbgTipoUH->toolTip(), u8("Mais Opções -> Botão Direito do Mouse"));

        // orders of the pop-up menu
        QList<QAction *> ordens = f->lista->menuContexto()->actions();
        EXPECT_EQ(ordens.size(), 2);
        if (ordens.size() != 2)
            return int(QDialog::Rejected);
        EXPECT_EQ(ordens[1]->text(), u8("Mostrar Todos  - Organizar Por Ordem Alfabética"));
        ordens[1]->trigger();
        EXPECT_EQ(coluna(m, "DESCRICAO"), (QStringList{QStringLiteral("LUXO"), QStringLiteral("SUITE")}));
        ordens[0]->trigger();
        EXPECT_EQ(coluna(m, "DESCRICAO"), (QStringList{QStringLiteral("SUITE"), QStringLiteral("LUXO")}));

        // filters: a description part, a code, a text that is not a code
        tecla(f->dbgTipoUH, Qt::Key_F3);
        EXPECT_TRUE(f->lista->painelFiltro()->isVisible());
        tecla(f->lista->edtFiltro(), Qt::Key_Down);
        digitar(f->lista->edtFiltro(), QStringLiteral("ux"));
        tecla(f->lista->edtFiltro(), Qt::Key_Return);
        EXPECT_EQ(coluna(m, "DESCRICAO"), QStringList{QStringLiteral("LUXO")});
        f->lista->mostrarFiltro();
        tecla(f->lista->edtFiltro(), Qt::Key_Up);
        f->lista->edtFiltro()->setText(QString::number(suite));
        tecla(f->lista->edtFiltro(), Qt::Key_Return);
        EXPECT_EQ(coluna(m, "DESCRICAO"), QStringList{QStringLiteral("SUITE")});
        f->lista->mostrarFiltro();
        f->lista->edtFiltro()->setText(QStringLiteral("ABC"));
        tecla(f->lista->edtFiltro(), Qt::Key_Return);
        EXPECT_TRUE(m->vazia());
        f->lista->mostrarFiltro();
        f->lista->edtFiltro()->clear();
        tecla(f->lista->edtFiltro(), Qt::Key_Return);
        EXPECT_EQ(m->total(), 2);

        // delete: No keeps it, Yes records it once in the register
        f->lista->irParaLinha(m->localizar(QStringLiteral("ID_TIPO_UH"), QString::number(luxo)));
        msg->esperar(QStringLiteral("Deseja Realmente Excluir esse Tipo de UH?"), Mensagem::Nao);
        tecla(f->dbgTipoUH, Qt::Key_Delete);
        EXPECT_EQ(m->total(), 2);
        msg->esperar(QStringLiteral("Deseja Realmente Excluir esse Tipo de UH?"), Mensagem::Sim)
            .esperar(u8("Tipo de UH Excluído com Sucesso!"));
        tecla(f->dbgTipoUH, Qt::Key_Delete);
        EXPECT_EQ(coluna(m, "DESCRICAO"), QStringList{QStringLiteral("SUITE")});
        return int(QDialog::Rejected);
    });
    abrirTiposUH();

    const QList<Linha> anul = banco().lerTodas(QStringLiteral("SELECT * FROM ANULACAO WHERE ID_TIPO_UH = ?"), {luxo});
    ASSERT_EQ(anul.size(), 1);
    for (int i = 0; i < anul[0].registro().count(); ++i) {
        const QString c = anul[0].registro().fieldName(i);
        if (c != QLatin1String("ID_ANULACAO") && c != QLatin1String("ID_TIPO_UH"))
            EXPECT_EQ(anul[0].inteiro(c), 0) << c.toStdString();
    }
    // the rooms keep pointing at the deleted type
    EXPECT_EQ(contar(QStringLiteral("SELECT COUNT(*) FROM UH WHERE ID_TIPO_UH = ?"), {luxo}), 3);
    EXPECT_EQ(logs(), (QStringList{u8("ADMIN|Tentou Localizar Tipo de UH de Descrição -> UX"),
                                   u8("ADMIN|Tentou Localizar Tipo de UH de Código -> ") + QString::number(suite),
                                   u8("ADMIN|Tentou Localizar Tipo de UH de Código -> ABC"),
                                   u8("ADMIN|Tentou Localizar Tipo de UH de Código -> "),
                                   u8("ADMIN|Excluiu Tipo de UH -> Código %1 (LUXO)").arg(luxo)}));
}

TEST_F(TiposUH_, ListaAbreEdicaoNosModosESemDireitoSoMostra)
{
    const qint64 luxo = tipo(QStringLiteral("LUXO"));
    QStringList modos;
    Telas::interceptar<TFrmCadTiposUH>([&](TFrmCadTiposUH *f) {
        modos << FrmTiposUH->OP + QLatin1Char(':') + f->windowTitle();
        if (f->modo() == ModoEdicao::Incluir)
            EXPECT_EQ(f->codigo(), banco().gerador(QStringLiteral("GEN_ID_TIPO_UH"), 0));
        else
            EXPECT_EQ(f->codigo(), luxo);
        f->btnCancelar->click();
        return f->result();
    });
    Telas::interceptar<TFrmTiposUH>([&](TFrmTiposUH *f) {
        ativar(f);
        tecla(f->dbgTipoUH, Qt::Key_F2);
        EXPECT_TRUE(f->OP.isEmpty()); // cancelled
        tecla(f->dbgTipoUH, Qt::Key_Insert);
        tecla(f->dbgTipoUH, Qt::Key_Return);
        return int(QDialog::Rejected);
    });
    abrirTiposUH();
    EXPECT_EQ(modos, (QStringList{QStringLiteral("I:Novo Tipo"), QStringLiteral("A:Alterar Tipo"),
                                  QStringLiteral("V:Ver Tipo")}));

    // without MOVIMENTOS: no new, alter, delete; a double click still views
    Sessao::atual().direitos.MOVIMENTOS = false;
    modos.clear();
    Telas::interceptar<TFrmTiposUH>([&](TFrmTiposUH *f) {
        ativar(f);
        for (QPushButton *b : {f->btnNovo, f->btnAlterar, f->btnExcluir})
            EXPECT_FALSE(b->isVisibleTo(f));
        EXPECT_FALSE(acaoAtalho(f->lista->menuAtalhos(), QStringLiteral("|| Novo Tipo  - (F2) ||"))->isVisible());
        tecla(f->dbgTipoUH, Qt::Key_F2);
        tecla(f->dbgTipoUH, Qt::Key_Delete);
        emit f->lista->ativada();
        return int(QDialog::Rejected);
    });
    abrirTiposUH();
    EXPECT_EQ(modos, QStringList{QStringLiteral("V:Ver Tipo")});
    EXPECT_EQ(contar(QStringLiteral("SELECT COUNT(*) FROM ANULACAO WHERE ID_TIPO_UH = ?"), {luxo}), 0);
}

TEST_F(TiposUH_, ModoMotelRenomeiaEGuardaOsValoresOcultos)
{
    parametro(QStringLiteral("MODO_MOTEL"), QStringLiteral("S"));
    const qint64 luxo = tipo(QStringLiteral("LUXO"));
    Telas::interceptar<TFrmTiposUH>([&](TFrmTiposUH *f) {
        EXPECT_EQ(titulos(f->dbgTipoUH),
                  (QStringList{u8("Código"), u8("Descrição"), u8("Abreviação"), QStringLiteral("Inicial"),
                               QStringLiteral("Excedente"), QStringLiteral("Pernoite"), QStringLiteral("Quantidade")}));
        return int(QDialog::Rejected);
    });
    abrirTiposUH();

    TFrmCadTiposUH f(QStringLiteral("A"), luxo);
    f.show();
    EXPECT_EQ(f.lblP1->text(), QStringLiteral("Inicial"));
    EXPECT_EQ(f.lblP2->text(), QStringLiteral("Excedente"));
    EXPECT_EQ(f.lblP3->text(), QStringLiteral("Pernoite"));
    for (QWidget *w : std::initializer_list<QWidget *>{f.edtP4, f.lblP4, f.lblMinimo, f.edtP1Min, f.edtP2Min,
                                                       f.edtP3Min, f.edtP4Min})
        EXPECT_FALSE(w->isVisible());
    for (QWidget *w : std::initializer_list<QWidget *>{f.edtP1, f.edtP2, f.edtP3})
        EXPECT_TRUE(w->isVisible());
    f.edtP1->setText(QStringLiteral("60,00"));
    msg->esperar(QStringLiteral("Tipo de UH Alterada com Sucesso!"));
    f.btnConfirmarClick();
    const Linha t = banco().ler(QStringLiteral("SELECT * FROM TIPO_UH WHERE ID_TIPO_UH = ?"), {luxo});
    EXPECT_EQ(t.dinheiro(QStringLiteral("P1")), Dinheiro::deReais(60));
    EXPECT_EQ(t.dinheiro(QStringLiteral("P4")), Dinheiro::deReais(400));
    EXPECT_EQ(t.dinheiro(QStringLiteral("P1MIN")), Dinheiro::deReais(50));
    EXPECT_EQ(t.dinheiro(QStringLiteral("P4MIN")), Dinheiro::deReais(90));
}

TEST_F(TiposUH_, FitaDaJanelaPrincipalAbreAsListas)
{
    QStringList abertas;
    Telas::interceptar<TFrmTiposUH>([&](TFrmTiposUH *f) {
        abertas << f->windowTitle();
        EXPECT_EQ(FrmTiposUH, f);
        return 0;
    });
    Telas::interceptar<TFrmCaracUH>([&](TFrmCaracUH *f) {
        abertas << f->windowTitle();
        return 0;
    });
    {
        TFrmQuintara janela;
        EXPECT_TRUE(janela.executarComando(QStringLiteral("btnTiposUHClick")));
        EXPECT_TRUE(janela.executarComando(QStringLiteral("btnCaracUHClick")));
        // the reservation form's "Tipos de UH" and the map's room edit are wired too
        EXPECT_TRUE(bool(CadReservas::abrirTiposUH));
        if (CadReservas::abrirTiposUH)
            CadReservas::abrirTiposUH();
        EXPECT_TRUE(bool(MapaUH::ganchos().cadastroUH));
    }
    MapaUH::ganchos() = {};
    CadReservas::abrirTiposUH = nullptr;
    EXPECT_EQ(abertas, (QStringList{QStringLiteral("Tipos das Unidades Habitacionais"),
                                    u8("Características das Unidades Habitacionais"),
                                    QStringLiteral("Tipos das Unidades Habitacionais")}));
    EXPECT_EQ(FrmTiposUH, nullptr);
}
