// The list and edit screen machinery: grid colours, focus colours, Enter as
// Tab, the shortcut rows, rights, the filter panel, keeping the row across a
// reopen and the reserved key of a new record.
#include "base/TelaEdicao.h"
#include "base/TelaLista.h"
#include "base/UnitLog.h"
#include "support/TelasTeste.h"
#include "base/Mensagem.h"
#include "base/Telas.h"

#include <gtest/gtest-spi.h>

#include <QAction>
#include <QCheckBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>
#include <QVBoxLayout>

namespace {

// A characteristics list built the way the list screens build theirs.
class TFrmListaExemplo : public QDialog {
public:
    TFrmListaExemplo()
    {
        auto *layout = new QVBoxLayout(this);
        lista = new TelaLista(this);
        lista->definirConsulta(kSql);
        lista->definirColunas({{QStringLiteral("ID_CARAC_UH"), QStringLiteral("Código")},
                               {QStringLiteral("DESCRICAO"), QStringLiteral("Descrição")},
                               {QStringLiteral("SIGLA"), QStringLiteral("Sigla")}});
        lista->definirChave(QStringLiteral("ID_CARAC_UH"));
        lista->definirAcaoAtual(QStringLiteral("Características de UHs"));
        layout->addWidget(lista->grade());
        layout->addWidget(lista->configurarFiltro(
            {QStringLiteral("SELECT * FROM CARAC_UH WHERE ID_CARAC_UH NOT IN (SELECT ID_CARAC_UH FROM ANULACAO) "
                            "AND %1 ORDER BY DESCRICAO"),
             {{QStringLiteral("Código"), QStringLiteral("ID_CARAC_UH"), true, true},
              {QStringLiteral("Descrição"), QStringLiteral("DESCRICAO")},
              {QStringLiteral("Sigla"), QStringLiteral("SIGLA")}},
             QStringLiteral("Tentou Localizar Característica de ")}));
        btnNovo = new QPushButton(QStringLiteral("Nova Característica"), this);
        btnAlterar = new QPushButton(QStringLiteral("Alterar Característica"), this);
        btnExcluir = new QPushButton(QStringLiteral("Excluir Característica"), this);
        btnFiltros = new QPushButton(QStringLiteral("Filtros"), this);
        btnSair = new QPushButton(QStringLiteral("Sair"), this);
        for (QPushButton *b : {btnNovo, btnAlterar, btnExcluir, btnFiltros, btnSair})
            layout->addWidget(b);
        lista->definirBotoesPermissao(btnNovo, btnAlterar, btnExcluir);
        lista->criarAtalhos({
            {QStringLiteral("|| Nova Característica  - (F2) ||"), Qt::Key_F2, {}, btnNovo},
            {QStringLiteral("|| Filtros - (F3) ||"), Qt::Key_F3, {}, btnFiltros},
            {QStringLiteral("|| Alterar Característica - (Insert) ||"), Qt::Key_Insert, {}, btnAlterar},
            {QStringLiteral("|| Excluir Característica - (Delete) ||"), Qt::Key_Delete, {}, btnExcluir},
            {QStringLiteral("|| Sair - (Ctrl + X) ||"), QKeySequence(Qt::CTRL | Qt::Key_X), {}, btnSair},
        });
        lista->adicionarOrdenacao(QStringLiteral("Mostrar Todos  - Organizar Por Código"),
                                  QStringLiteral("SELECT * FROM CARAC_UH WHERE ID_CARAC_UH NOT IN "
                                                 "(SELECT ID_CARAC_UH FROM ANULACAO) ORDER BY ID_CARAC_UH"));
        connect(btnNovo, &QPushButton::clicked, this, [this] { acoes << QStringLiteral("novo"); });
        connect(btnAlterar, &QPushButton::clicked, this, [this] { acoes << QStringLiteral("alterar"); });
        connect(btnExcluir, &QPushButton::clicked, this, [this] { acoes << QStringLiteral("excluir"); });
        connect(btnFiltros, &QPushButton::clicked, lista, &TelaLista::mostrarFiltro);
        connect(btnSair, &QPushButton::clicked, this, &QDialog::reject);
        connect(lista, &TelaLista::ativada, this, [this] { acoes << QStringLiteral("ver"); });
    }

    static inline const QString kSql = QStringLiteral(
        "SELECT * FROM CARAC_UH WHERE ID_CARAC_UH NOT IN (SELECT ID_CARAC_UH FROM ANULACAO) ORDER BY DESCRICAO");

    TelaLista *lista;
    QPushButton *btnNovo, *btnAlterar, *btnExcluir, *btnFiltros, *btnSair;
    QStringList acoes;
};

class Telas_ : public TelasTeste {
protected:
    qint64 carac(const QString &descricao, const QString &sigla = {})
    {
        return banco()
            .valor(QStringLiteral("INSERT INTO CARAC_UH (DESCRICAO, SIGLA) VALUES (?, ?) RETURNING ID_CARAC_UH"),
                   {descricao, sigla})
            .toLongLong();
    }
    void excluirCarac(qint64 id)
    {
        banco().executar(QStringLiteral("INSERT INTO ANULACAO (ID_CARAC_UH) VALUES (?)"), {id});
    }
    static QStringList coluna(TelaLista *l, const QString &campo)
    {
        QStringList r;
        for (int i = 0; i < l->modelo()->total(); ++i)
            r << l->modelo()->texto(i, campo);
        return r;
    }
};

// Exposes the delegate's per-cell option.
class DelegateAberto : public DelegateGrade {
public:
    using DelegateGrade::DelegateGrade;
    QStyleOptionViewItem opcao(const QModelIndex &i, QStyle::State estado) const
    {
        QStyleOptionViewItem o;
        o.state = estado;
        initStyleOption(&o, i);
        return o;
    }
};

} // namespace

TEST(CoresGrade, LinhasAlternadasESelecao)
{
    EXPECT_EQ(corBGR(0x800000), QColor(0x00, 0x00, 0x80)); // navy
    EXPECT_EQ(corBGR(0xFFE2A8), QColor(0xA8, 0xE2, 0xFF));
    EXPECT_EQ(corBGR(0xF4A500), QColor(0x00, 0xA5, 0xF4));
    struct {
        int linha;
        bool selecionada;
        QColor fundo, texto;
    } casos[] = {
        {0, false, QColor(0xA8, 0xE2, 0xFF), Qt::black}, // record 1: odd
        {1, false, QColor(0x00, 0xA5, 0xF4), Qt::black}, // record 2: even
        {2, false, QColor(0xA8, 0xE2, 0xFF), Qt::black},
        {1, true, Qt::black, Qt::white},
    };
    for (const auto &c : casos) {
        const CoresCelula cores = ColorirDBG(c.linha, c.selecionada);
        EXPECT_EQ(cores.fundo, c.fundo) << c.linha;
        EXPECT_EQ(cores.texto, c.texto) << c.linha;
    }
}

TEST_F(Telas_, GradePintaPeloDelegateEFormataValores)
{
    TFrmListaExemplo tela;
    tela.lista->definirConsulta(QStringLiteral(
        "SELECT CAST(1234567.5 AS NUMERIC(15,2)) AS VALOR, CAST(-0.5 AS NUMERIC(15,2)) AS NEG, "
        "CAST('2026-12-10' AS DATE) AS DIA, CAST('08:05:09' AS TIME) AS HORA, CAST('JOÃO' AS VARCHAR(10)) AS NOME, "
        "7 AS QTD "
        "FROM RDB$DATABASE"));
    tela.lista->definirColunas({});
    tela.lista->reabrir();
    ModeloConsulta *m = tela.lista->modelo();
    ASSERT_EQ(m->total(), 1);
    QStringList mostrado;
    for (int c = 0; c < m->columnCount(); ++c)
        mostrado << m->data(m->index(0, c)).toString();
    EXPECT_EQ(mostrado, (QStringList{QStringLiteral("1.234.567,50"), QStringLiteral("-0,50"),
                                     QStringLiteral("10/12/2026"), QStringLiteral("08:05:09"),
                                     QStringLiteral("JOÃO"), QStringLiteral("7")}));
    // the money stays exact underneath
    EXPECT_EQ(Dinheiro::deVariant(m->valor(0, QStringLiteral("VALOR"))).centavos(), 123456750);

    auto *d = new DelegateAberto(tela.lista->grade());
    tela.lista->grade()->setItemDelegate(d);
    const QStyleOptionViewItem normal = d->opcao(m->index(0, 0), QStyle::State_Enabled);
    EXPECT_EQ(normal.backgroundBrush.color(), QColor(0xA8, 0xE2, 0xFF));
    EXPECT_EQ(normal.palette.color(QPalette::Text), QColor(Qt::black));
    const QStyleOptionViewItem sel = d->opcao(m->index(0, 0), QStyle::State_Enabled | QStyle::State_Selected);
    EXPECT_EQ(sel.palette.color(QPalette::Highlight), QColor(Qt::black));
    EXPECT_EQ(sel.palette.color(QPalette::HighlightedText), QColor(Qt::white));
    EXPECT_NE(dynamic_cast<DelegateGrade *>(TFrmListaExemplo().lista->grade()->itemDelegate()), nullptr);
}

TEST_F(Telas_, CoresDeFocoEAcentos)
{
    QDialog tela;
    auto *layout = new QVBoxLayout(&tela);
    auto *simples = new QLineEdit(QStringLiteral("JOÃO"), &tela);
    auto *mascara = new QLineEdit(&tela);
    mascara->setInputMask(QStringLiteral("99/99/9999"));
    layout->addWidget(simples);
    layout->addWidget(mascara);
    instalarComportamentoEdicao(&tela, {});

    const QColor marinho(0, 0, 0x80);
    // ACENTOS "S": accents stay
    focar(simples, true);
    EXPECT_EQ(simples->palette().color(QPalette::Base), marinho);
    EXPECT_EQ(simples->palette().color(QPalette::Text), QColor(Qt::white));
    focar(simples, false);
    EXPECT_EQ(simples->text(), QStringLiteral("JOÃO"));
    EXPECT_EQ(simples->palette().color(QPalette::Base), QColor(Qt::white));
    EXPECT_EQ(simples->palette().color(QPalette::Text), QColor(Qt::black));

    // ACENTOS "N": stripped on entering and on leaving, plain edits only
    parametro(QStringLiteral("ACENTOS"), QStringLiteral("N"));
    focar(simples, true);
    EXPECT_EQ(simples->text(), QStringLiteral("JOAO"));
    simples->setText(QStringLiteral("AÇÃO É ÚTIL"));
    focar(simples, false);
    EXPECT_EQ(simples->text(), QStringLiteral("ACAO E UTIL"));
    QLineEdit solto(QStringLiteral("CAMINHÃO"));
    ColorirControle(&solto, true); // masked, file, combo... : colours only
    EXPECT_EQ(solto.text(), QStringLiteral("CAMINHÃO"));
    EXPECT_EQ(solto.palette().color(QPalette::Base), marinho);
    focar(mascara, true);
    EXPECT_EQ(mascara->palette().color(QPalette::Base), marinho);

    // by letter: only "E" and "S" change anything
    ColorirEdit(&solto, QStringLiteral("X"), true);
    EXPECT_EQ(solto.text(), QStringLiteral("CAMINHÃO"));
    EXPECT_EQ(solto.palette().color(QPalette::Base), marinho);
    ColorirEdit(&solto, QStringLiteral("S"), false);
    EXPECT_EQ(solto.text(), QStringLiteral("CAMINHÃO"));
    EXPECT_EQ(solto.palette().color(QPalette::Base), QColor(Qt::white));
    ColorirEdit(&solto, QStringLiteral("E"), true);
    EXPECT_EQ(solto.text(), QStringLiteral("CAMINHAO"));
}

TEST_F(Telas_, EnterAvancaF10ConfirmaF12Cancela)
{
    QDialog tela;
    auto *layout = new QVBoxLayout(&tela);
    auto *a = new QLineEdit(&tela);
    auto *b = new QLineEdit(&tela);
    auto *marca = new QCheckBox(QStringLiteral("Ativo"), &tela);
    auto *desabilitado = new QLineEdit(&tela);
    desabilitado->setEnabled(false);
    auto *btnConfirmar = new QPushButton(QStringLiteral("Confirmar"), &tela);
    for (QWidget *w : std::initializer_list<QWidget *>{a, b, marca, desabilitado, btnConfirmar})
        layout->addWidget(w);
    int confirmou = 0, cancelou = 0;
    QMenuBar *menu = instalarComportamentoEdicao(
        &tela, {[&] { ++confirmou; }, [&] { ++cancelou; }, QStringLiteral("|| Confirmar Cliente  - (F10) ||"),
                QStringLiteral("|| Cancelar Cliente - (F12) ||")});
    QObject::connect(btnConfirmar, &QPushButton::clicked, &tela, [&] { ++confirmou; });
    ASSERT_NE(menu, nullptr);
    QStringList legendas;
    for (QAction *x : menu->actions())
        legendas << x->text();
    EXPECT_EQ(legendas, (QStringList{QStringLiteral("ATALHOS:"), QStringLiteral("|| Confirmar Cliente  - (F10) ||"),
                                     QStringLiteral("|| Cancelar Cliente - (F12) ||")}));

    tela.setAttribute(Qt::WA_DontShowOnScreen);
    tela.show();
    ativar(&tela);
    a->setFocus();
    tecla(a, Qt::Key_Return);
    EXPECT_EQ(focado(), b);
    tecla(b, Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_EQ(focado(), marca);
    tecla(marca, Qt::Key_Return); // moves on, skipping the disabled edit
    EXPECT_EQ(focado(), btnConfirmar);
    EXPECT_FALSE(marca->isChecked());
    tecla(btnConfirmar, Qt::Key_Return); // on a button Enter presses it
    EXPECT_EQ(confirmou, 1);

    b->setFocus();
    tecla(b, Qt::Key_F10);
    EXPECT_EQ(confirmou, 2);
    tecla(b, Qt::Key_F12);
    EXPECT_EQ(cancelou, 1);
    tecla(b, Qt::Key_Escape); // Esc cancels through the screen's own cancel
    EXPECT_EQ(cancelou, 2);
    EXPECT_TRUE(tela.isVisible());

    // Without captions there is no row, and the keys still act.
    QDialog outra;
    new QVBoxLayout(&outra);
    auto *e = new QLineEdit(&outra);
    outra.layout()->addWidget(e);
    int ok = 0;
    ComportamentoEdicao soConfirma;
    soConfirma.confirmar = [&] { ++ok; };
    EXPECT_EQ(instalarComportamentoEdicao(&outra, soConfirma), nullptr);
    outra.setAttribute(Qt::WA_DontShowOnScreen);
    outra.show();
    ativar(&outra);
    tecla(e, Qt::Key_F10);
    EXPECT_EQ(ok, 1);
}

TEST_F(Telas_, MaiusculasEModoDeEdicao)
{
    QLineEdit e;
    emMaiusculas(&e, 5);
    digitar(&e, QStringLiteral("abçdefg"));
    EXPECT_EQ(e.text(), QStringLiteral("ABÇDE"));

    EXPECT_EQ(modoDeOP(QStringLiteral("I")), ModoEdicao::Incluir);
    EXPECT_EQ(modoDeOP(QStringLiteral("A")), ModoEdicao::Alterar);
    EXPECT_EQ(modoDeOP(QStringLiteral("V")), ModoEdicao::Ver);
    EXPECT_EQ(modoDeOP(QString()), ModoEdicao::Ver); // never edits by accident
    for (ModoEdicao m : {ModoEdicao::Incluir, ModoEdicao::Alterar, ModoEdicao::Ver})
        EXPECT_EQ(modoDeOP(OPdeModo(m)), m);
}

TEST_F(Telas_, AtalhosDaListaSeguemBotoesEDireitos)
{
    carac(QStringLiteral("AR CONDICIONADO"));
    carac(QStringLiteral("SUITE"));
    TFrmListaExemplo tela;
    tela.setAttribute(Qt::WA_DontShowOnScreen);
    tela.show();
    tela.lista->reabrir();
    ativar(&tela);
    QWidget *grade = tela.lista->grade();
    grade->setFocus();

    QStringList legendas;
    for (QAction *a : tela.lista->menuAtalhos()->actions())
        legendas << a->text();
    EXPECT_EQ(legendas, (QStringList{QStringLiteral("ATALHOS:"), QStringLiteral("|| Nova Característica  - (F2) ||"),
                                     QStringLiteral("|| Filtros - (F3) ||"),
                                     QStringLiteral("|| Alterar Característica - (Insert) ||"),
                                     QStringLiteral("|| Excluir Característica - (Delete) ||"),
                                     QStringLiteral("|| Sair - (Ctrl + X) ||")}));

    tecla(grade, Qt::Key_F2);
    tecla(grade, Qt::Key_Insert);
    tecla(grade, Qt::Key_Delete);
    tecla(grade, Qt::Key_Return); // Enter on a row: view
    EXPECT_EQ(tela.acoes, (QStringList{QStringLiteral("novo"), QStringLiteral("alterar"), QStringLiteral("excluir"),
                                       QStringLiteral("ver")}));

    // A hidden button does not act through its shortcut.
    tela.acoes.clear();
    tela.btnNovo->hide();
    tecla(grade, Qt::Key_F2);
    EXPECT_TRUE(tela.acoes.isEmpty());
    tela.btnNovo->show();

    // Rights: without INCLUI/EXCLUI the buttons, their menu items and their keys are off.
    Sessao::atual().direitos.INCLUI = false;
    Sessao::atual().direitos.EXCLUI = false;
    tela.lista->reabrir();
    EXPECT_FALSE(tela.btnNovo->isEnabled());
    EXPECT_TRUE(tela.btnAlterar->isEnabled());
    EXPECT_FALSE(tela.btnExcluir->isEnabled());
    EXPECT_FALSE(acaoAtalho(tela.lista->menuAtalhos(), QStringLiteral("|| Nova Característica  - (F2) ||"))->isEnabled());
    EXPECT_FALSE(
        acaoAtalho(tela.lista->menuAtalhos(), QStringLiteral("|| Excluir Característica - (Delete) ||"))->isEnabled());
    tecla(grade, Qt::Key_F2);
    tecla(grade, Qt::Key_Delete);
    EXPECT_TRUE(tela.acoes.isEmpty());

    // An empty list disables alter and delete even with every right.
    Sessao::atual().direitos = todosDireitos();
    banco().executar(QStringLiteral("INSERT INTO ANULACAO (ID_CARAC_UH) SELECT ID_CARAC_UH FROM CARAC_UH"));
    tela.lista->reabrir();
    EXPECT_TRUE(tela.btnNovo->isEnabled());
    EXPECT_FALSE(tela.btnAlterar->isEnabled());
    EXPECT_FALSE(tela.btnExcluir->isEnabled());
    EXPECT_FALSE(
        acaoAtalho(tela.lista->menuAtalhos(), QStringLiteral("|| Alterar Característica - (Insert) ||"))->isEnabled());
    tecla(grade, Qt::Key_Return); // nothing to view
    EXPECT_TRUE(tela.acoes.isEmpty());

    // F3 shows the filters; Ctrl+X leaves.
    tecla(grade, Qt::Key_F3);
    EXPECT_TRUE(tela.lista->painelFiltro()->isVisible());
    EXPECT_EQ(focado(), tela.lista->edtFiltro());
    tecla(grade, Qt::Key_X, Qt::ControlModifier);
    EXPECT_FALSE(tela.isVisible());
    EXPECT_EQ(tela.result(), int(QDialog::Rejected));
}

TEST_F(Telas_, PainelDeFiltrosBuscaERegistraNoLog)
{
    const qint64 ar = carac(QStringLiteral("AR CONDICIONADO"), QStringLiteral("AR"));
    const qint64 suite = carac(QStringLiteral("SUITE MASTER"), QStringLiteral("SM"));
    carac(QStringLiteral("SUITE SIMPLES"), QStringLiteral("SS"));
    TFrmListaExemplo tela;
    tela.setAttribute(Qt::WA_DontShowOnScreen);
    tela.show();
    tela.lista->reabrir();
    ativar(&tela);
    QLineEdit *edt = tela.lista->edtFiltro();
    const auto &opcoes = tela.lista->opcoesFiltro();
    ASSERT_EQ(opcoes.size(), 3);

    tela.lista->mostrarFiltro();
    EXPECT_TRUE(opcoes[0]->isChecked()); // "Código" first
    digitar(edt, QStringLiteral("x"));
    tecla(edt, Qt::Key_Down); // Código -> Descrição, the edit is emptied
    EXPECT_TRUE(opcoes[1]->isChecked());
    EXPECT_TRUE(edt->text().isEmpty());
    tecla(edt, Qt::Key_Down);
    tecla(edt, Qt::Key_Down); // stays on the last
    EXPECT_TRUE(opcoes[2]->isChecked());
    tecla(edt, Qt::Key_Up);
    EXPECT_TRUE(opcoes[1]->isChecked());

    digitar(edt, QStringLiteral("suite"));
    EXPECT_EQ(edt->text(), QStringLiteral("SUITE"));
    tecla(edt, Qt::Key_Return);
    EXPECT_EQ(coluna(tela.lista, QStringLiteral("DESCRICAO")),
              (QStringList{QStringLiteral("SUITE MASTER"), QStringLiteral("SUITE SIMPLES")}));
    EXPECT_FALSE(tela.lista->painelFiltro()->isVisible());

    // Código: exact; a text that is no number finds nothing, without an error.
    tela.lista->mostrarFiltro();
    opcoes[0]->click();
    digitar(edt, QString::number(suite));
    tecla(edt, Qt::Key_Enter);
    EXPECT_EQ(coluna(tela.lista, QStringLiteral("DESCRICAO")), QStringList{QStringLiteral("SUITE MASTER")});
    tela.lista->mostrarFiltro();
    EXPECT_EQ(edt->text(), QString::number(suite)); // the last search is kept
    edt->clear();
    digitar(edt, QStringLiteral("A1"));
    tecla(edt, Qt::Key_Return);
    EXPECT_TRUE(tela.lista->vazia());

    // Quotes are data, never SQL.
    tela.lista->mostrarFiltro();
    opcoes[1]->click();
    edt->setText(QStringLiteral("' OR ''='"));
    tecla(edt, Qt::Key_Return);
    EXPECT_TRUE(tela.lista->vazia());

    // An empty search goes back to the list's statement.
    tela.lista->mostrarFiltro();
    edt->clear();
    tecla(edt, Qt::Key_Return);
    EXPECT_EQ(tela.lista->modelo()->total(), 3);
    EXPECT_EQ(tela.lista->inteiro(QStringLiteral("ID_CARAC_UH")), ar);

    // Esc only hides the panel.
    tela.lista->mostrarFiltro();
    tecla(edt, Qt::Key_Escape);
    EXPECT_FALSE(tela.lista->painelFiltro()->isVisible());
    EXPECT_TRUE(tela.isVisible());

    EXPECT_EQ(logs(), (QStringList{QStringLiteral("ADMIN|Tentou Localizar Característica de Descrição -> SUITE"),
                                   QStringLiteral("ADMIN|Tentou Localizar Característica de Código -> ")
                                       + QString::number(suite),
                                   QStringLiteral("ADMIN|Tentou Localizar Característica de Código -> A1"),
                                   QStringLiteral("ADMIN|Tentou Localizar Característica de Descrição -> ' OR ''='"),
                                   QStringLiteral("ADMIN|Tentou Localizar Característica de Descrição -> ")}));
}

TEST_F(Telas_, PosicaoMantidaAoReabrirEAposExclusao)
{
    const qint64 a = carac(QStringLiteral("A"));
    const qint64 b = carac(QStringLiteral("B"));
    const qint64 c = carac(QStringLiteral("C"));
    TFrmListaExemplo tela;
    TelaLista *l = tela.lista;
    l->reabrir();
    ASSERT_EQ(l->inteiro(QStringLiteral("ID_CARAC_UH")), a);

    // a plain reopen keeps the row
    l->irParaLinha(1);
    l->reabrir();
    EXPECT_EQ(l->inteiro(QStringLiteral("ID_CARAC_UH")), b);

    // deleting a middle row lands on the next one
    l->prepararExclusao();
    EXPECT_EQ(l->inteiro(QStringLiteral("ID_CARAC_UH")), b); // the row to delete stays current
    excluirCarac(b);
    l->reabrir();
    EXPECT_EQ(l->inteiro(QStringLiteral("ID_CARAC_UH")), c);

    // deleting the last row lands on the row that is now last
    l->prepararExclusao();
    excluirCarac(c);
    l->reabrir();
    EXPECT_EQ(l->inteiro(QStringLiteral("ID_CARAC_UH")), a);
    EXPECT_TRUE(ReapontarGridChave().isEmpty());
}

TEST_F(Telas_, ListaQueFalhaAoReabrirNaoDeixaBotoesNemLinhaLembrada)
{
    carac(QStringLiteral("A"));
    const qint64 b = carac(QStringLiteral("B"));
    TFrmListaExemplo tela, outra;
    TelaLista *l = tela.lista;
    l->reabrir();
    l->irParaLinha(1);
    ASSERT_TRUE(tela.btnAlterar->isEnabled());
    ASSERT_TRUE(tela.btnExcluir->isEnabled());

    // a statement the database refuses: the error reaches the caller, the
    // list shows nothing and nothing can be altered or deleted
    l->definirConsulta(QStringLiteral("SELECT * FROM CARAC_UH WHERE COLUNA_QUE_NAO_EXISTE = 1"));
    EXPECT_THROW(l->reabrir(), ErroBanco);
    EXPECT_TRUE(l->vazia());
    EXPECT_TRUE(tela.btnNovo->isEnabled());
    EXPECT_FALSE(tela.btnAlterar->isEnabled());
    EXPECT_FALSE(tela.btnExcluir->isEnabled());
    // the row it remembered before failing does not move another list
    EXPECT_TRUE(ReapontarGridChave().isEmpty());
    outra.lista->reabrir();
    EXPECT_NE(outra.lista->inteiro(QStringLiteral("ID_CARAC_UH")), b);

    // back to a good statement: the list and its buttons return
    l->definirConsulta(TFrmListaExemplo::kSql);
    l->reabrir();
    EXPECT_EQ(l->modelo()->total(), 2);
    EXPECT_TRUE(tela.btnAlterar->isEnabled());
}

TEST_F(Telas_, ChaveLembradaEhUmaSoParaOProgramaEExataAntesDeParcial)
{
    // Keys 1 and 10..: ordered by description, key 10 comes before key 1.
    banco().executar(QStringLiteral("SET GENERATOR GEN_ID_CARAC_UH TO 0"));
    const qint64 um = carac(QStringLiteral("Z ULTIMA"));
    for (int i = 2; i <= 9; ++i)
        carac(QStringLiteral("M %1").arg(i));
    const qint64 dez = carac(QStringLiteral("A PRIMEIRA"));
    ASSERT_EQ(um, 1);
    ASSERT_EQ(dez, 10);

    TFrmListaExemplo t1, t2;
    t1.lista->reabrir();
    t2.lista->reabrir();
    t1.lista->irParaLinha(t1.lista->modelo()->localizar(QStringLiteral("ID_CARAC_UH"), QStringLiteral("1")));
    ASSERT_EQ(t1.lista->inteiro(QStringLiteral("ID_CARAC_UH")), 1);
    t1.lista->reabrir();
    EXPECT_EQ(t1.lista->inteiro(QStringLiteral("ID_CARAC_UH")), 1) << "a chave 1 não é a 10";

    // The first remembered key wins until some list reopens: the second list
    // looks for the first list's key.
    t2.lista->irParaLinha(3);
    ReapontarGrid(t1.lista->grade(), QStringLiteral("ID_CARAC_UH"), QStringLiteral("AntesAbrir"));
    ReapontarGrid(t2.lista->grade(), QStringLiteral("ID_CARAC_UH"), QStringLiteral("AntesAbrir"));
    EXPECT_EQ(ReapontarGridChave(), QStringLiteral("1"));
    t2.lista->reabrir();
    EXPECT_EQ(t2.lista->inteiro(QStringLiteral("ID_CARAC_UH")), 1);
}

TEST_F(Telas_, OrdenacaoDoMenuEAcaoAtualAoAtivar)
{
    const qint64 b = carac(QStringLiteral("B"));
    const qint64 a = carac(QStringLiteral("A"));
    banco().executar(QStringLiteral("INSERT INTO ONLINE (USUARIO, MAQUINA, ACAO) VALUES ('ADMIN', 'SERVIDOR', '')"));
    TFrmListaExemplo tela;
    tela.lista->reabrir();
    EXPECT_EQ(tela.lista->inteiro(QStringLiteral("ID_CARAC_UH")), a);
    ASSERT_NE(tela.lista->menuContexto(), nullptr);
    tela.lista->menuContexto()->actions().first()->trigger(); // "Mostrar Todos  - Organizar Por Código"
    EXPECT_EQ(coluna(tela.lista, QStringLiteral("ID_CARAC_UH")),
              (QStringList{QString::number(b), QString::number(a)}));

    tela.setAttribute(Qt::WA_DontShowOnScreen);
    tela.show();
    ativar(&tela);
    EXPECT_EQ(banco().ler(QStringLiteral("SELECT ACAO FROM ONLINE")).texto(QStringLiteral("ACAO")),
              QStringLiteral("Características de UHs"));
}

TEST_F(Telas_, ChaveReservadaGuardaOuApagaOsFilhos)
{
    const qint64 caracId = carac(QStringLiteral("VISTA MAR"));
    const qint64 atual = banco().gerador(QStringLiteral("GEN_ID_TIPO_UH"), 0);
    auto filhos = [&](qint64 tipo) {
        return contar(QStringLiteral("SELECT COUNT(*) FROM CARAC_TIPO_UH WHERE ID_TIPO_UH = ?"), {tipo});
    };
    auto ligar = [&](qint64 tipo) {
        banco().executar(QStringLiteral("INSERT INTO CARAC_TIPO_UH (ID_CARAC_UH, ID_TIPO_UH) VALUES (?, ?)"),
                         {caracId, tipo});
    };

    qint64 abandonada = 0;
    {
        // a new record left unconfirmed: its children go
        ChaveReservada chave(QStringLiteral("GEN_ID_TIPO_UH"));
        chave.aoAbandonar(QStringLiteral("DELETE FROM CARAC_TIPO_UH WHERE ID_TIPO_UH = ?"));
        abandonada = chave.valor();
        EXPECT_EQ(abandonada, atual + 1);
        ligar(abandonada);
        EXPECT_EQ(filhos(abandonada), 1);
    }
    EXPECT_EQ(filhos(abandonada), 0);

    // confirmed: the record takes the reserved key and the children stay
    ChaveReservada chave(QStringLiteral("GEN_ID_TIPO_UH"));
    chave.aoAbandonar(QStringLiteral("DELETE FROM CARAC_TIPO_UH WHERE ID_TIPO_UH = ?"));
    EXPECT_NE(chave.valor(), abandonada); // never handed out twice
    ligar(chave.valor());
    banco().executar(QStringLiteral("INSERT INTO TIPO_UH (ID_TIPO_UH, DESCRICAO) VALUES (?, 'LUXO')"), {chave.valor()});
    chave.confirmar();
    chave.abandonar();
    EXPECT_EQ(filhos(chave.valor()), 1);
    // another workstation's insert does not take the reserved key
    const qint64 outro =
        banco().valor(QStringLiteral("INSERT INTO TIPO_UH (DESCRICAO) VALUES ('OUTRO') RETURNING ID_TIPO_UH")).toLongLong();
    EXPECT_GT(outro, chave.valor());
}

TEST_F(Telas_, ChaveReservadaNuncaTrocadaComFilhosDePe)
{
    const qint64 caracId = carac(QStringLiteral("VISTA MAR"));
    auto filhos = [&](qint64 tipo) {
        return contar(QStringLiteral("SELECT COUNT(*) FROM CARAC_TIPO_UH WHERE ID_TIPO_UH = ?"), {tipo});
    };
    auto ligar = [&](qint64 tipo) {
        banco().executar(QStringLiteral("INSERT INTO CARAC_TIPO_UH (ID_CARAC_UH, ID_TIPO_UH) VALUES (?, ?)"),
                         {caracId, tipo});
    };
    // "Register another" while the first new record still has its children:
    // they go with it before a new key is taken.
    ChaveReservada chave(QStringLiteral("GEN_ID_TIPO_UH"));
    chave.aoAbandonar(QStringLiteral("DELETE FROM CARAC_TIPO_UH WHERE ID_TIPO_UH = ?"));
    const qint64 primeira = chave.valor();
    ligar(primeira);
    chave.reservar(QStringLiteral("GEN_ID_TIPO_UH"));
    EXPECT_NE(chave.valor(), primeira);
    EXPECT_EQ(filhos(primeira), 0);

    // When the children cannot be deleted the key is kept, not overwritten.
    ChaveReservada presa(QStringLiteral("GEN_ID_TIPO_UH"));
    presa.aoAbandonar(QStringLiteral("DELETE FROM TABELA_QUE_NAO_EXISTE WHERE ID = ?"));
    const qint64 segunda = presa.valor();
    ligar(segunda);
    EXPECT_THROW(presa.reservar(QStringLiteral("GEN_ID_TIPO_UH")), ErroBanco);
    EXPECT_EQ(presa.valor(), segunda);
    EXPECT_TRUE(presa.pendente());
    EXPECT_EQ(filhos(segunda), 1);
    presa.confirmar();
}

TEST(Harness, TelaNaoInterceptadaFalhaOTesteNaHora)
{
    // Not shown, nothing waits: the test that forgot to intercept fails.
    int r = -1;
    EXPECT_NONFATAL_FAILURE(r = Telas::abrir<QDialog>(), "tela modal não interceptada pelo teste");
    EXPECT_EQ(r, QDialog::Rejected);
    QString escolhido = QStringLiteral("x");
    EXPECT_NONFATAL_FAILURE(escolhido = Telas::escolherArquivo(nullptr, QStringLiteral("Abrir"), QString(), QString()),
                            "QFileDialog");
    EXPECT_TRUE(escolhido.isEmpty());
    EXPECT_NONFATAL_FAILURE(Mensagem::info(QStringLiteral("ninguém roteirizou")), "mensagem sem roteiro");
}
