// Rooms: the room edit screen (checks in order, digits-only numbers, the
// reserved key with the extra stock items and minibar products stored under
// it, a new room's state, alteration of all five columns, removal of the
// chosen row only, the type list opened from it).
#include "base/Telas.h"
#include "rooms/CadastroUH.h"
#include "rooms/UnitItensPadrao.h"
#include "rooms/UnitCadUH.h"
#include "rooms/UnitTiposUH.h"
#include "rooms/UnitUH.h"
#include "support/TelasTeste.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>

namespace {

QString u8(const char *t) { return QString::fromUtf8(t); }

class CadUH_ : public TelasTeste {
protected:
    void SetUp() override
    {
        TelasTeste::SetUp();
        luxo = tipo(QStringLiteral("LUXO"));
        toalha = banco().valor(QStringLiteral("INSERT INTO ITEM (DESCRICAO) VALUES ('TOALHA') RETURNING ID_ITEM")).toLongLong();
        agua = produto(QStringLiteral("AGUA"), "N");
    }
    qint64 tipo(const QString &descricao)
    {
        return banco()
            .valor(QStringLiteral("INSERT INTO TIPO_UH (DESCRICAO, ABREV) VALUES (?, 'AB') RETURNING ID_TIPO_UH"),
                   {descricao})
            .toLongLong();
    }
    qint64 produto(const QString &descricao, const char *excluido)
    {
        return banco()
            .valor(QStringLiteral("INSERT INTO PRODUTOS_SERVICOS (DESCRICAO, VALOR, ID_PDV, EXCLUIDO) "
                                  "VALUES (?, 2, 1, ?) RETURNING ID_P_S"),
                   {descricao, QString::fromLatin1(excluido)})
            .toLongLong();
    }
    qint64 filhos(qint64 uh)
    {
        return contar(QStringLiteral("SELECT (SELECT COUNT(*) FROM PADRAO_UH WHERE ID_UH = ?) "
                                     "+ (SELECT COUNT(*) FROM PADRAO_PS_UH WHERE ID_UH = ?) FROM RDB$DATABASE"),
                      {uh, uh});
    }
    void adicionar(PainelItensPadrao *p, const QString &descricao, const QString &qtd)
    {
        p->btnIncluirClick();
        p->cbItem->setCurrentIndex(descricao.isEmpty() ? -1 : p->cbItem->findText(descricao));
        p->edtQtd->setText(qtd);
        p->btnConfirmarItemClick();
    }
    static void preencher(TFrmCadUH *f, qint64 tipo, const QString &numero, const QString &descricao)
    {
        f->escolherTipo(tipo);
        f->edtNumero->setText(numero);
        f->edtDescricao->setText(descricao);
    }
    qint64 luxo = 0, toalha = 0, agua = 0;
};

} // namespace

TEST_F(CadUH_, RecusasEmOrdemNaoGravamNada)
{
    struct {
        bool comTipo;
        const char *numero, *descricao, *ramal;
        const char *mensagem;
        CadastroUH::Campo foco;
    } casos[] = {
        {false, "", "", "", "Tipo da UH Inválido!", CadastroUH::Campo::Tipo},
        {true, "", "", "", "Número da UH Inválido!", CadastroUH::Campo::Numero},
        {true, "10A", "", "", "Número da UH Inválido! Informe Apenas Números, com no Máximo 5 Algarismos.",
         CadastroUH::Campo::Numero},
        {true, "123456", "X", "", "Número da UH Inválido! Informe Apenas Números, com no Máximo 5 Algarismos.",
         CadastroUH::Campo::Numero},
        {true, "-1", "X", "", "Número da UH Inválido! Informe Apenas Números, com no Máximo 5 Algarismos.",
         CadastroUH::Campo::Numero},
        {true, "101", "  ", "", "Descrição da UH Inválida!", CadastroUH::Campo::Descricao},
        {true, "101", "0123456789012345678901234567890", "", "Descrição da UH Inválida!", CadastroUH::Campo::Descricao},
        {true, "101", "FRENTE", "12345678901", "Ramal Telefônico Inválido! Informe no Máximo 10 Caracteres.",
         CadastroUH::Campo::Ramal},
    };
    for (const auto &c : casos) {
        SCOPED_TRACE(c.mensagem);
        const CadastroUH::Resultado r = CadastroUH::confirmar(
            DM->Conexao, ModoEdicao::Incluir, 500, {c.comTipo ? luxo : 0, u8(c.numero), u8(c.descricao), u8(c.ramal), false});
        EXPECT_FALSE(r.salvo);
        EXPECT_EQ(r.mensagem, u8(c.mensagem));
        EXPECT_EQ(r.foco, c.foco);
    }
    EXPECT_EQ(contar(QStringLiteral("SELECT COUNT(*) FROM UH")), 0);
    EXPECT_TRUE(logs().isEmpty());

    // the number box takes digits only, at most five
    TFrmCadUH f(QStringLiteral("I"));
    f.show();
    ativar(&f);
    f.edtNumero->setFocus();
    digitar(f.edtNumero, QStringLiteral("1a2b34567"));
    EXPECT_EQ(f.edtNumero->text(), QStringLiteral("12345"));
    // the screen shows the first refusal and focuses its box
    msg->esperar(u8("Tipo da UH Inválido!"));
    f.btnConfirmarClick();
    EXPECT_EQ(focado(), f.cbTipoUH);
    f.btnCancelar->click();
}

TEST_F(CadUH_, NovaUHLivreComChaveMostradaEItensSobEla)
{
    const qint64 refriVelho = produto(QStringLiteral("REFRI VELHO"), "S");
    TFrmCadUH f(QStringLiteral("I"));
    const qint64 chave = f.codigo();
    EXPECT_EQ(f.windowTitle(), QStringLiteral("Nova UH"));
    EXPECT_EQ(f.lblCodUH->text(), QString::number(chave));
    EXPECT_EQ(f.tipoEscolhido(), 0);
    // the remove buttons are disabled on an empty grid
    EXPECT_FALSE(f.pnlEstoque->btnExcluir->isEnabled());
    EXPECT_FALSE(f.pnlFrigobar->btnExcluir->isEnabled());

    // deleted products are not offered for the minibar
    f.pnlFrigobar->btnIncluirClick();
    EXPECT_EQ(f.pnlFrigobar->cbItem->findText(QStringLiteral("REFRI VELHO")), -1);
    const auto recusa = ItensPadrao::incluir(DM->Conexao, ItensPadrao::Tabela::FrigobarUH, chave, refriVelho, QStringLiteral("1"));
    ASSERT_TRUE(recusa.has_value());
    EXPECT_EQ(recusa->mensagem, u8("Produto / Serviço Inválido!"));

    adicionar(f.pnlEstoque, QStringLiteral("TOALHA"), QStringLiteral("2"));
    adicionar(f.pnlEstoque, QStringLiteral("TOALHA"), QStringLiteral("3"));
    adicionar(f.pnlFrigobar, QStringLiteral("AGUA"), QStringLiteral("1"));
    EXPECT_TRUE(f.pnlEstoque->btnExcluir->isEnabled());
    f.dbgEstoque->setCurrentIndex(f.pnlEstoque->modelo()->index(1, 0));
    f.pnlEstoque->btnExcluirClick();
    EXPECT_EQ(contar(QStringLiteral("SELECT SUM(QTD) FROM PADRAO_UH WHERE ID_UH = ?"), {chave}), 2);

    preencher(&f, luxo, QStringLiteral("101"), u8("FRENTE D'ÁGUA"));
    f.edtRamal->setText(QStringLiteral("2101"));
    f.chkAuditorio->setChecked(true);
    msg->esperar(QStringLiteral("UH Cadastrada com Sucesso! Deseja Cadastrar Outra?"), Mensagem::Nao);
    f.btnConfirmarClick();
    EXPECT_EQ(f.result(), int(QDialog::Accepted));

    const Linha u = banco().ler(QStringLiteral("SELECT * FROM UH WHERE ID_UH = ?"), {chave});
    ASSERT_FALSE(u.vazia());
    EXPECT_EQ(u.inteiro(QStringLiteral("ID_TIPO_UH")), luxo);
    EXPECT_EQ(u.texto(QStringLiteral("NUMERO")), QStringLiteral("101"));
    EXPECT_EQ(u.texto(QStringLiteral("DESCRICAO")), u8("FRENTE D'ÁGUA"));
    EXPECT_EQ(u.texto(QStringLiteral("RAMAL")), QStringLiteral("2101"));
    EXPECT_EQ(u.texto(QStringLiteral("AUDITORIO")), QStringLiteral("S"));
    EXPECT_EQ(u.texto(QStringLiteral("SITUACAO")), QStringLiteral("L"));
    EXPECT_EQ(u.texto(QStringLiteral("EXCLUIDO")), QStringLiteral("N"));
    EXPECT_EQ(filhos(chave), 2);
    // minibar products of a room are not logged; stock items are
    EXPECT_EQ(logs(), (QStringList{u8("ADMIN|Incluiu Item Padrão de UH -> (TOALHA)"),
                                   u8("ADMIN|Incluiu Item Padrão de UH -> (TOALHA)"),
                                   u8("ADMIN|Excluiu Item Padrão de UH -> (TOALHA)"),
                                   u8("ADMIN|Incluiu UH -> Código %1 (101)").arg(chave)}));

    // a second room with the same number is stored
    TFrmCadUH g(QStringLiteral("I"));
    preencher(&g, luxo, QStringLiteral("101"), QStringLiteral("FUNDOS"));
    msg->esperar(QStringLiteral("UH Cadastrada com Sucesso! Deseja Cadastrar Outra?"), Mensagem::Sim);
    g.btnConfirmarClick();
    EXPECT_GT(g.codigo(), chave);
    EXPECT_EQ(g.tipoEscolhido(), 0);
    EXPECT_TRUE(g.edtNumero->text().isEmpty());
    EXPECT_FALSE(g.chkAuditorio->isChecked());
    EXPECT_EQ(contar(QStringLiteral("SELECT COUNT(*) FROM UH WHERE NUMERO = '101' AND AUDITORIO = 'N'")), 1);
}

TEST_F(CadUH_, NovaUHAbandonadaNaoDeixaItens)
{
    for (int saida = 0; saida < 3; ++saida) {
        SCOPED_TRACE(saida);
        qint64 chave = 0;
        {
            TFrmCadUH f(QStringLiteral("I"));
            chave = f.codigo();
            adicionar(f.pnlEstoque, QStringLiteral("TOALHA"), QStringLiteral("2"));
            adicionar(f.pnlEstoque, QStringLiteral("TOALHA"), QStringLiteral("1"));
            adicionar(f.pnlFrigobar, QStringLiteral("AGUA"), QStringLiteral("1"));
            EXPECT_EQ(filhos(chave), 3);
            if (saida == 0) {
                f.btnCancelar->click();
            } else if (saida == 1) {
                // a refused confirm, then the window closed
                msg->esperar(u8("Número da UH Inválido!"));
                f.escolherTipo(luxo);
                f.btnConfirmarClick();
                f.show();
                f.close();
            }
            if (saida != 2)
                EXPECT_EQ(filhos(chave), 0);
        }
        EXPECT_EQ(filhos(chave), 0);
        EXPECT_EQ(contar(QStringLiteral("SELECT COUNT(*) FROM UH WHERE ID_UH = ?"), {chave}), 0);
    }
}

TEST_F(CadUH_, AlterarGravaAsCincoColunasEItensFicam)
{
    const qint64 suite = tipo(QStringLiteral("SUITE"));
    const qint64 id =
        banco()
            .valor(QStringLiteral("INSERT INTO UH (ID_TIPO_UH, NUMERO, DESCRICAO, RAMAL, AUDITORIO, SITUACAO) "
                                  "VALUES (?, '7', 'FRENTE', '207', 'S', 'O') RETURNING ID_UH"),
                   {luxo})
            .toLongLong();
    {
        TFrmCadUH f(QStringLiteral("A"), id);
        EXPECT_EQ(f.windowTitle(), QStringLiteral("Alterar UH"));
        EXPECT_EQ(f.tipoEscolhido(), luxo);
        EXPECT_EQ(f.edtNumero->text(), QStringLiteral("7"));
        EXPECT_TRUE(f.chkAuditorio->isChecked());
        adicionar(f.pnlFrigobar, QStringLiteral("AGUA"), QStringLiteral("2"));
        f.escolherTipo(suite);
        f.edtNumero->setText(QStringLiteral("8"));
        f.chkAuditorio->setChecked(false);
        msg->esperar(QStringLiteral("UH Atualizada com Sucesso!"));
        f.btnConfirmarClick();
    }
    const Linha u = banco().ler(QStringLiteral("SELECT * FROM UH WHERE ID_UH = ?"), {id});
    EXPECT_EQ(u.inteiro(QStringLiteral("ID_TIPO_UH")), suite);
    EXPECT_EQ(u.texto(QStringLiteral("NUMERO")), QStringLiteral("8"));
    EXPECT_EQ(u.texto(QStringLiteral("DESCRICAO")), QStringLiteral("FRENTE"));
    EXPECT_EQ(u.texto(QStringLiteral("RAMAL")), QStringLiteral("207"));
    EXPECT_EQ(u.texto(QStringLiteral("AUDITORIO")), QStringLiteral("N"));
    EXPECT_EQ(u.texto(QStringLiteral("SITUACAO")), QStringLiteral("O")); // the state is not this screen's
    EXPECT_EQ(logs(), QStringList{u8("ADMIN|Alterou UH -> Código %1 (8)").arg(id)});

    // items changed while altering stay when the screen is cancelled
    {
        TFrmCadUH f(QStringLiteral("A"), id);
        adicionar(f.pnlEstoque, QStringLiteral("TOALHA"), QStringLiteral("1"));
        f.btnCancelar->click();
    }
    EXPECT_EQ(filhos(id), 2);
    // a product deleted later leaves the room's minibar grid
    banco().executar(QStringLiteral("UPDATE PRODUTOS_SERVICOS SET EXCLUIDO = 'S' WHERE ID_P_S = ?"), {agua});

    // a view cannot change anything; the type list opened from the screen reloads the choice
    TFrmCadUH v(QStringLiteral("V"), id);
    EXPECT_EQ(v.windowTitle(), QStringLiteral("Ver UH"));
    EXPECT_FALSE(v.pnlDados->isEnabled());
    EXPECT_FALSE(v.btnConfirmar->isEnabled());
    EXPECT_TRUE(v.pnlFrigobar->vazia());
    EXPECT_FALSE(v.pnlEstoque->vazia());
    TFrmCadUH f(QStringLiteral("A"), id);
    Telas::interceptar<TFrmTiposUH>([&](TFrmTiposUH *) {
        tipo(QStringLiteral("MASTER"));
        return int(QDialog::Rejected);
    });
    f.btnTiposUHClick();
    EXPECT_NE(f.cbTipoUH->findText(QStringLiteral("MASTER")), -1);
    EXPECT_EQ(f.tipoEscolhido(), suite);
}

TEST_F(CadUH_, MapaAbreAEdicaoNoModoEComAUHAtual)
{
    const qint64 id =
        banco()
            .valor(QStringLiteral("INSERT INTO UH (ID_TIPO_UH, NUMERO, DESCRICAO) VALUES (?, '12', 'FUNDOS') RETURNING ID_UH"),
                   {luxo})
            .toLongLong();
    MapaUH::ganchos().cadastroUH = [] { abrirCadUHDoMapa(); };
    QStringList abertas;
    Telas::interceptar<TFrmCadUH>([&](TFrmCadUH *f) {
        abertas << FrmUH->OP + QLatin1Char(':') + f->windowTitle() + QLatin1Char(':')
                       + (f->modo() == ModoEdicao::Incluir ? QStringLiteral("nova") : QString::number(f->codigo()));
        if (f->modo() == ModoEdicao::Alterar) {
            EXPECT_EQ(f->edtNumero->text(), QStringLiteral("12"));
            f->edtNumero->setText(QStringLiteral("13"));
            msg->esperar(QStringLiteral("UH Atualizada com Sucesso!"));
            f->btnConfirmarClick();
        } else {
            f->btnCancelar->click();
        }
        return f->result();
    });
    Telas::interceptar<TFrmUH>([&](TFrmUH *m) {
        m->show();
        EXPECT_TRUE(m->selecionar(id));
        m->btnAlterarUHClick();
        EXPECT_TRUE(m->OP.isEmpty());
        EXPECT_EQ(m->atual()->numero, QStringLiteral("13"));
        m->btnNovaUHClick();
        EXPECT_TRUE(m->OP.isEmpty());
        return int(QDialog::Rejected);
    });
    Telas::abrir<TFrmUH>(FrmUH);
    MapaUH::ganchos() = {};
    EXPECT_EQ(abertas, (QStringList{QStringLiteral("A:Alterar UH:%1").arg(id), QStringLiteral("I:Nova UH:nova")}));
}
