// Room characteristics: the master list and its edit screen (checks, reserved
// key, symbol path and pictures, deletion through the register) and the
// characteristics of a type on the type edit screen with its pick screen
// (attach at once, undo of an unsaved alteration kept on the screen, removal
// taking effect on confirm).
#include "base/Telas.h"
#include "rooms/CaracUH.h"
#include "rooms/TiposUH.h"
#include "rooms/UnitCadCaracUH.h"
#include "rooms/UnitCadTiposUH.h"
#include "rooms/UnitCaracUH.h"
#include "rooms/UnitTiposUHCarac.h"
#include "support/TelasTeste.h"

#include <QAction>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTableView>
#include <QToolButton>

namespace {

QString u8(const char *t) { return QString::fromUtf8(t); }

class CaracUH_ : public TelasTeste {
protected:
    qint64 carac(const QString &descricao, const QString &sigla = {}, const QString &simbolo = {})
    {
        return banco()
            .valor(QStringLiteral("INSERT INTO CARAC_UH (DESCRICAO, SIGLA, SIMBOLO) VALUES (?, ?, ?) "
                                  "RETURNING ID_CARAC_UH"),
                   {descricao, sigla, simbolo})
            .toLongLong();
    }
    qint64 tipo(const QString &descricao)
    {
        return banco()
            .valor(QStringLiteral("INSERT INTO TIPO_UH (DESCRICAO, ABREV) VALUES (?, 'AB') RETURNING ID_TIPO_UH"),
                   {descricao})
            .toLongLong();
    }
    void ligar(qint64 tipo, qint64 carac)
    {
        banco().executar(QStringLiteral("INSERT INTO CARAC_TIPO_UH (ID_TIPO_UH, ID_CARAC_UH) VALUES (?, ?)"),
                         {tipo, carac});
    }
    QList<qint64> ligadas(qint64 tipo)
    {
        QList<qint64> r;
        for (const Linha &l : banco().lerTodas(QStringLiteral("SELECT ID_CARAC_UH FROM CARAC_TIPO_UH WHERE ID_TIPO_UH = ? "
                                                              "ORDER BY ID_CARAC_UH"),
                                               {tipo}))
            r << l.inteiro(QStringLiteral("ID_CARAC_UH"));
        return r;
    }
    // Picks characteristics on the pick screen by description, in order.
    void escolher(TFrmCadTiposUH *f, const QStringList &descricoes, QStringList *oferecidas = nullptr)
    {
        Telas::interceptar<TFrmTiposUHCarac>([&](TFrmTiposUHCarac *p) {
            p->lista->reabrir();
            if (oferecidas)
                for (int i = 0; i < p->lista->modelo()->total(); ++i)
                    *oferecidas << p->lista->modelo()->texto(i, QStringLiteral("DESCRICAO"));
            for (const QString &d : descricoes) {
                p->lista->irParaLinha(p->lista->modelo()->localizar(QStringLiteral("DESCRICAO"), d));
                p->btnAdicionarClick();
                // the grid of the type screen follows at once
                EXPECT_TRUE(f->caracteristicasNaGrade().size() > 0);
            }
            return int(QDialog::Rejected);
        });
        f->btnMaisClick();
        Telas::liberar(typeid(TFrmTiposUHCarac));
    }
    QString figura(const QString &nome, const QColor &cor, const char *formato)
    {
        QImage img(8, 8, QImage::Format_RGB32);
        img.fill(cor);
        const QString caminho = pasta() + QLatin1Char('/') + nome;
        img.save(caminho, formato);
        return caminho;
    }
};

} // namespace

TEST_F(CaracUH_, EdicaoRecusasChaveReservadaELog)
{
    const qint64 apagada = carac(QStringLiteral("ANTIGA"));
    banco().executar(QStringLiteral("INSERT INTO ANULACAO (ID_CARAC_UH) VALUES (?)"), {apagada});
    carac(QStringLiteral("AR CONDICIONADO"));
    struct {
        const char *descricao;
        const char *mensagem;
    } casos[] = {
        {"", "Descrição da Característica Inválida!"},
        {"  ", "Descrição da Característica Inválida!"},
        {"AR CONDICIONADO", "Esta Característica Já Esta Cadastrada ou Já foi excluída do Sistema!"},
        {"ANTIGA", "Esta Característica Já Esta Cadastrada ou Já foi excluída do Sistema!"},
    };
    for (const auto &c : casos) {
        SCOPED_TRACE(c.mensagem);
        const CaracUH::Resultado r = CaracUH::confirmar(DM->Conexao, ModoEdicao::Incluir, 999, {}, {u8(c.descricao), {}, {}});
        EXPECT_FALSE(r.salvo);
        EXPECT_EQ(r.mensagem, u8(c.mensagem));
    }
    const CaracUH::Resultado longo =
        CaracUH::confirmar(DM->Conexao, ModoEdicao::Incluir, 999, {}, {QStringLiteral("X"), {}, QString(251, QLatin1Char('a'))});
    EXPECT_EQ(longo.mensagem, u8("Caminho do Símbolo Inválido! O Caminho Deve Ter no Máximo 250 Caracteres."));
    EXPECT_EQ(contar(QStringLiteral("SELECT COUNT(*) FROM CARAC_UH")), 2);
    EXPECT_THROW(carac(QStringLiteral("ANTIGA")), ErroBanco); // the name is held by the database too

    // through the screen: the code shown is the stored key; a path the file
    // dialog wrapped in quotes is stored without them
    const QString simbolo = figura(QStringLiteral("vista.bmp"), Qt::blue, "BMP");
    qint64 chave = 0;
    {
        TFrmCadCaracUH f(QStringLiteral("I"));
        chave = f.codigo();
        EXPECT_EQ(f.lblCodCarac->text(), QString::number(chave));
        EXPECT_EQ(f.windowTitle(), u8("Nova Característica"));
        f.show();
        ativar(&f);
        f.edtDescricao->setText(u8("VISTA D'ÁGUA"));
        f.edtSigla->setText(QStringLiteral("VA"));
        f.edtSimbolo->setText(QLatin1Char('"') + simbolo + QLatin1Char('"'));
        focar(f.edtSimbolo, false);
        EXPECT_EQ(f.edtSimbolo->text(), simbolo);
        EXPECT_TRUE(f.imgSimbolo->isVisible());
        f.edtSimbolo->setText(pasta() + QStringLiteral("/sumiu.jpg"));
        EXPECT_FALSE(f.imgSimbolo->isVisible());
        f.edtSimbolo->setText(QLatin1Char('"') + simbolo + QLatin1Char('"'));
        msg->esperar(u8("Característica Cadastrada com Sucesso! Deseja Cadastrar Outra?"), Mensagem::Nao);
        tecla(f.edtDescricao, Qt::Key_F10);
        EXPECT_EQ(f.result(), int(QDialog::Accepted));
    }
    const Linha l = banco().ler(QStringLiteral("SELECT * FROM CARAC_UH WHERE ID_CARAC_UH = ?"), {chave});
    EXPECT_EQ(l.texto(QStringLiteral("DESCRICAO")), u8("VISTA D'ÁGUA"));
    EXPECT_EQ(l.texto(QStringLiteral("SIGLA")), QStringLiteral("VA"));
    EXPECT_EQ(l.texto(QStringLiteral("SIMBOLO")), simbolo);

    // alteration: the unchanged name is not tested, a changed one is
    {
        TFrmCadCaracUH f(QStringLiteral("A"), chave);
        EXPECT_EQ(f.windowTitle(), u8("Alterar Característica"));
        EXPECT_EQ(f.edtSimbolo->text(), simbolo);
        f.edtSigla->setText(QStringLiteral("VDA"));
        msg->esperar(u8("Característica Alterada com Sucesso!"));
        f.btnConfirmarClick();
        TFrmCadCaracUH g(QStringLiteral("A"), chave);
        g.edtDescricao->setText(QStringLiteral("ANTIGA"));
        msg->esperar(u8("Esta Característica Já Esta Cadastrada ou Já foi excluída do Sistema!"));
        g.btnConfirmarClick();
        TFrmCadCaracUH v(QStringLiteral("V"), chave);
        EXPECT_EQ(v.windowTitle(), u8("Ver Característica"));
        EXPECT_FALSE(v.btnConfirmar->isEnabled());
    }
    EXPECT_EQ(logs(), (QStringList{u8("ADMIN|Incluiu Característica de UH -> Código %1 (VISTA D'ÁGUA)").arg(chave),
                                   u8("ADMIN|Alterou Característica de UH -> Código %1 (VISTA D'ÁGUA)").arg(chave)}));

    // register another: the next reserved key; an abandoned new one stores nothing
    {
        TFrmCadCaracUH f(QStringLiteral("I"));
        f.edtDescricao->setText(QStringLiteral("FRIGOBAR"));
        msg->esperar(u8("Característica Cadastrada com Sucesso! Deseja Cadastrar Outra?"), Mensagem::Sim);
        f.btnConfirmarClick();
        EXPECT_GT(f.codigo(), chave);
        EXPECT_TRUE(f.edtDescricao->text().isEmpty());
        f.btnCancelar->click();
    }
    EXPECT_EQ(contar(QStringLiteral("SELECT COUNT(*) FROM CARAC_UH")), 4);
}

TEST_F(CaracUH_, ListaSimbolosFiltrosEExclusao)
{
    const QString figuraAzul = figura(QStringLiteral("azul.jpg"), Qt::blue, "JPG");
    const qint64 ar = carac(QStringLiteral("AR CONDICIONADO"), QStringLiteral("AR"), figuraAzul);
    const qint64 suite = carac(QStringLiteral("SUITE MASTER"), QStringLiteral("SM"), pasta() + QStringLiteral("/sumiu.bmp"));
    carac(QStringLiteral("BANHEIRA"), QStringLiteral("BH"));
    const qint64 tp = tipo(QStringLiteral("LUXO"));
    ligar(tp, suite);

    Telas::interceptar<TFrmCaracUH>([&](TFrmCaracUH *f) {
        ativar(f);
        ModeloConsulta *m = f->lista->modelo();
        EXPECT_EQ(f->windowTitle(), u8("Características das Unidades Habitacionais"));
        EXPECT_EQ(m->texto(0, QStringLiteral("DESCRICAO")), QStringLiteral("AR CONDICIONADO"));
        // the symbol column: the picture, the placeholder for none, nothing for a lost file
        auto *d = dynamic_cast<DelegateSimbolo *>(f->dbgCarac->itemDelegateForColumn(3));
        EXPECT_NE(d, nullptr);
        if (!d)
            return int(QDialog::Rejected);
        EXPECT_EQ(d->figura(figuraAzul).size(), QSize(8, 8));
        EXPECT_TRUE(d->figura(pasta() + QStringLiteral("/sumiu.bmp")).isNull());
        EXPECT_EQ(d->figura({}).size(), QSize(16, 16));
        EXPECT_FALSE(f->dbgCarac->grab().isNull()); // painting a lost picture raises nothing

        // the search text is bound through a wide cast: longer than SIGLA finds nothing, fails nothing
        f->lista->mostrarFiltro();
        tecla(f->lista->edtFiltro(), Qt::Key_Down);
        tecla(f->lista->edtFiltro(), Qt::Key_Down);
        f->lista->edtFiltro()->setText(QStringLiteral("SMXXXXXXXX"));
        tecla(f->lista->edtFiltro(), Qt::Key_Return);
        EXPECT_TRUE(m->vazia());
        f->lista->mostrarFiltro();
        f->lista->edtFiltro()->setText(QStringLiteral("S"));
        tecla(f->lista->edtFiltro(), Qt::Key_Return);
        EXPECT_EQ(m->total(), 1);
        f->lista->menuContexto()->actions().at(0)->trigger(); // all, by code
        EXPECT_EQ(m->inteiro(0, QStringLiteral("ID_CARAC_UH")), ar);

        f->lista->irParaLinha(m->localizar(QStringLiteral("ID_CARAC_UH"), QString::number(suite)));
        msg->esperar(u8("Deseja Realmente Excluir essa Característica?"), Mensagem::Sim)
            .esperar(u8("Característica Excluída com Sucesso!"));
        tecla(f->dbgCarac, Qt::Key_Delete);
        EXPECT_EQ(m->total(), 2);
        return int(QDialog::Rejected);
    });
    abrirCaracUH();
    EXPECT_EQ(contar(QStringLiteral("SELECT COUNT(*) FROM ANULACAO WHERE ID_CARAC_UH = ? AND ID_TIPO_UH = 0 "
                                    "AND ID_USUARIO = 0"),
                     {suite}),
              1);
    // types keep a deleted characteristic, and the type screen still shows it
    EXPECT_EQ(ligadas(tp), QList<qint64>{suite});
    TFrmCadTiposUH t(QStringLiteral("A"), tp);
    EXPECT_EQ(t.caracteristicasNaGrade(), QList<qint64>{suite});
    auto *d = dynamic_cast<DelegateSimbolo *>(t.dbgCarac->itemDelegateForColumn(2));
    ASSERT_NE(d, nullptr);
    // on the type screen a lost picture draws the placeholder
    EXPECT_EQ(d->figura(pasta() + QStringLiteral("/sumiu.bmp")).size(), QSize(16, 16));
    EXPECT_EQ(logs(), (QStringList{u8("ADMIN|Tentou Localizar Característica de Sigla -> SMXXXXXXXX"),
                                   u8("ADMIN|Tentou Localizar Característica de Sigla -> S"),
                                   u8("ADMIN|Excluiu Característica de UH -> Código %1 (SUITE MASTER)").arg(suite)}));
}

TEST_F(CaracUH_, AlteracaoDesfeitaSoTiraOQueElaAnexou)
{
    const qint64 ar = carac(QStringLiteral("AR"));
    const qint64 tv = carac(QStringLiteral("TV"));
    const qint64 wifi = carac(QStringLiteral("WIFI"));
    const qint64 apagada = carac(QStringLiteral("APAGADA"));
    banco().executar(QStringLiteral("INSERT INTO ANULACAO (ID_CARAC_UH) VALUES (?)"), {apagada});
    const qint64 luxo = tipo(QStringLiteral("LUXO"));
    const qint64 outro = tipo(QStringLiteral("OUTRO"));
    ligar(luxo, wifi);

    // attach two, cancel: both detached; another type's rows of the same
    // characteristics, attached meanwhile elsewhere, stay
    {
        TFrmCadTiposUH f(QStringLiteral("A"), luxo);
        QStringList oferecidas;
        escolher(&f, {QStringLiteral("AR"), QStringLiteral("TV")}, &oferecidas);
        EXPECT_EQ(oferecidas, (QStringList{QStringLiteral("AR"), QStringLiteral("TV")})); // not WIFI, not deleted
        EXPECT_EQ(ligadas(luxo), (QList<qint64>{ar, tv, wifi}));
        EXPECT_EQ(f.caracteristicasNaGrade().size(), 3);
        ligar(outro, ar);
        ligar(outro, tv);
        // another workstation alters another type meanwhile: attaches WIFI
        // (which LUXO had long before) and closes its screen
        {
            TFrmCadTiposUH g(QStringLiteral("A"), outro);
            escolher(&g, {QStringLiteral("WIFI")});
            msg->esperar(QStringLiteral("Tipo de UH Alterada com Sucesso!"));
            g.btnConfirmarClick();
        }
        f.btnCancelar->click();
    }
    EXPECT_EQ(ligadas(luxo), QList<qint64>{wifi});
    EXPECT_EQ(ligadas(outro), (QList<qint64>{ar, tv, wifi}));

    // attach and confirm: kept
    {
        TFrmCadTiposUH f(QStringLiteral("A"), luxo);
        escolher(&f, {QStringLiteral("AR")});
        msg->esperar(QStringLiteral("Tipo de UH Alterada com Sucesso!"));
        f.btnConfirmarClick();
    }
    EXPECT_EQ(ligadas(luxo), (QList<qint64>{ar, wifi}));

    // remove and cancel: stays; remove, attach another: the removed one comes back
    {
        TFrmCadTiposUH f(QStringLiteral("A"), luxo);
        f.dbgCarac->setCurrentIndex(f.dbgCarac->model()->index(0, 0));
        f.btnMenosClick();
        EXPECT_EQ(f.caracteristicasNaGrade().size(), 1);
        EXPECT_EQ(ligadas(luxo).size(), 2);
        escolher(&f, {QStringLiteral("TV")});
        EXPECT_EQ(f.caracteristicasNaGrade().size(), 3);
        f.btnCancelar->click();
    }
    EXPECT_EQ(ligadas(luxo), (QList<qint64>{ar, wifi}));

    // remove both and confirm: gone; the button follows the rows
    {
        TFrmCadTiposUH f(QStringLiteral("A"), luxo);
        EXPECT_TRUE(f.btnMenos->isEnabled());
        f.btnMenosClick();
        f.btnMenosClick();
        EXPECT_FALSE(f.btnMenos->isEnabled());
        msg->esperar(QStringLiteral("Tipo de UH Alterada com Sucesso!"));
        f.btnConfirmarClick();
    }
    EXPECT_TRUE(ligadas(luxo).isEmpty());

    // a view cannot attach or remove
    TFrmCadTiposUH v(QStringLiteral("V"), outro);
    EXPECT_FALSE(v.pnlCarac->isEnabled());
}

TEST_F(CaracUH_, NovoTipoAnexaSobAChaveReservada)
{
    const qint64 ar = carac(QStringLiteral("AR"));
    carac(QStringLiteral("TV"));
    qint64 chave = 0;
    {
        TFrmCadTiposUH f(QStringLiteral("I"));
        chave = f.codigo();
        escolher(&f, {QStringLiteral("AR"), QStringLiteral("TV")});
        EXPECT_EQ(ligadas(chave).size(), 2);
        // a characteristic removed from the grid of a new type is not kept
        f.dbgCarac->setCurrentIndex(f.dbgCarac->model()->index(1, 0));
        f.btnMenosClick();
        f.edtDescricao->setText(QStringLiteral("LUXO"));
        f.edtSigla->setText(QStringLiteral("LX"));
        msg->esperar(u8("Tipo de UH Cadastrada com Sucesso! Deseja Cadastrar Outra?"), Mensagem::Nao);
        f.btnConfirmarClick();
    }
    EXPECT_EQ(ligadas(chave), QList<qint64>{ar});

    // the pick screen: a typed letter goes to the first description starting with it
    TFrmTiposUHCarac p(chave, {});
    p.show();
    p.lista->reabrir();
    ASSERT_EQ(p.lista->modelo()->total(), 1);
    tecla(p.dbgCarac, Qt::Key_T, Qt::NoModifier, QStringLiteral("t"));
    EXPECT_EQ(p.lista->texto(QStringLiteral("DESCRICAO")), QStringLiteral("TV"));
    p.btnAdicionarClick();
    EXPECT_TRUE(p.lista->vazia());
    p.btnAdicionarClick(); // an empty list: nothing
    EXPECT_EQ(ligadas(chave).size(), 2);
}
