// The tax-code lookups: the filter row searched in the database, the pick
// into the product record, the CST pick rule and the spreadsheet export.
#include "base/Telas.h"
#include "base/UnitFuncoes.h"
#include "restaurant/ConsultaFiscal.h"
#include "restaurant/UnitConsultaFiscal.h"
#include "restaurant/UnitCadProdutosServicos.h"
#include "support/TelasTeste.h"

#include <QComboBox>
#include <QFile>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QStandardPaths>
#include <QPushButton>
#include <QTableView>
#include <QToolButton>

namespace {

class Consultas_ : public TelasTeste {
protected:
    void SetUp() override
    {
        TelasTeste::SetUp();
        Funcoes::abrirUrl = [this](const QUrl &u) {
            abertos << u;
            return true;
        };
    }
    void TearDown() override
    {
        Funcoes::abrirUrl = [](const QUrl &) { return true; };
        Telas::liberarTodas();
        TelasTeste::TearDown();
    }
    // The product record, open as the list would have it.
    std::unique_ptr<TFrmCadProdutosServicos> abrirRegistro()
    {
        auto c = std::make_unique<TFrmCadProdutosServicos>(nullptr);
        c->setAttribute(Qt::WA_DontShowOnScreen);
        c->show();
        FrmCadProdutosServicos = c.get();
        return c;
    }
    template <class T>
    static QStringList coluna(T *f, const QString &campo)
    {
        QStringList r;
        for (int i = 0; i < f->consulta->modelo()->total(); ++i)
            r << f->consulta->modelo()->texto(i, campo);
        return r;
    }
    template <class T>
    static void escolherLinha(T *f, const QString &campo, const QString &valor)
    {
        const int l = f->consulta->modelo()->localizar(campo, valor);
        ASSERT_GE(l, 0) << valor.toStdString();
        QTableView *t = f->consulta->tabela();
        t->setCurrentIndex(f->consulta->grade()->visao()->mapFromSource(f->consulta->modelo()->index(l, 0)));
    }
    QList<QUrl> abertos;
};

} // namespace

TEST_F(Consultas_, FiltroDaGradePesquisaNoBanco)
{
    banco().executar(QStringLiteral("INSERT INTO TIPI (NCM, DESCRICAO) VALUES ('99887766', 'Água 100% pura')"));
    TFrmNCM f;
    f.setAttribute(Qt::WA_DontShowOnScreen);
    f.show();
    ativar(&f);
    EXPECT_EQ(f.windowTitle(), "Zentro Controle 5 - NCM");
    const qint64 todas = contar(QStringLiteral("SELECT COUNT(*) FROM TIPI"));
    f.consulta->modelo()->buscarTodas();
    EXPECT_EQ(f.consulta->modelo()->total(), todas);
    // The cursor starts in the description's filter box.
    EXPECT_EQ(QApplication::focusWidget(), f.consulta->grade()->caixaFiltro(1));

    QLineEdit *codigo = f.consulta->grade()->caixaFiltro(0);
    QLineEdit *descricao = f.consulta->grade()->caixaFiltro(1);
    codigo->setText(QStringLiteral("2202"));
    QStringList ncms = coluna(&f, QStringLiteral("NCM"));
    ASSERT_FALSE(ncms.isEmpty());
    for (const QString &n : ncms)
        EXPECT_TRUE(n.startsWith("2202")) << n.toStdString();
    EXPECT_EQ(ncms.size(), contar(QStringLiteral("SELECT COUNT(*) FROM TIPI WHERE NCM STARTING WITH '2202'")));
    codigo->setText(QStringLiteral("2202.10")); // punctuation typed is dropped
    EXPECT_EQ(coluna(&f, QStringLiteral("NCM")), QStringList{"22021000"});
    codigo->clear();

    struct {
        const char *texto;
        qint64 esperadas;
    } casos[] = {
        {"água 100", 1},                  // the start, case ignored
        {"100", 0},                       // not at the start
        {"*100% PURA", 1},                // "*": anywhere; "%" typed is a plain character
        {"*100_ pura", 0},                // "_" typed is a plain character
        {"*cerveja", contar("SELECT COUNT(*) FROM TIPI WHERE UPPER(DESCRICAO) LIKE '%CERVEJA%'")},
    };
    for (const auto &c : casos) {
        SCOPED_TRACE(c.texto);
        descricao->setText(QString::fromUtf8(c.texto));
        EXPECT_EQ(f.consulta->modelo()->total(), c.esperadas);
        EXPECT_EQ(f.consulta->grade()->visao()->rowCount(), c.esperadas);
        EXPECT_EQ(f.consulta->lblVazio()->isVisibleTo(&f), c.esperadas == 0);
    }
    EXPECT_GT(casos[4].esperadas, 0);
    EXPECT_EQ(f.consulta->lblVazio()->text(), "< Nenhuma Informação Encontrada >");
}

TEST_F(Consultas_, EscolhaPreencheOCampoDoRegistro)
{
    banco().executar(QStringLiteral("INSERT INTO TIPI (NCM, DESCRICAO) VALUES ('2203.00', 'Cerveja pontuada')"));
    // Without the product record nothing happens and the lookup stays.
    {
        TFrmNCM f;
        f.setAttribute(Qt::WA_DontShowOnScreen);
        f.show();
        escolherLinha(&f, QStringLiteral("NCM"), QStringLiteral("2203.00"));
        f.consulta->tabela()->setFocus();
        tecla(f.consulta->tabela(), Qt::Key_Return);
        EXPECT_TRUE(f.isVisible());
        EXPECT_EQ(f.result(), 0);
    }
    auto registro = abrirRegistro();
    // NCM: the code without its dots (Enter on the row).
    Telas::interceptar<TFrmNCM>([&](TFrmNCM *f) {
        escolherLinha(f, QStringLiteral("NCM"), QStringLiteral("2203.00"));
        tecla(f->consulta->tabela(), Qt::Key_Return);
        return f->result();
    });
    EXPECT_EQ(Telas::abrir<TFrmNCM>(FrmNCM), int(QDialog::Accepted));
    EXPECT_EQ(registro->edtNCM->text(), "220300");

    // CEST by double click.
    Telas::interceptar<TFrmCEST>([&](TFrmCEST *f) {
        escolherLinha(f, QStringLiteral("CEST"), QStringLiteral("0301100"));
        emit f->consulta->tabela()->doubleClicked(f->consulta->tabela()->currentIndex());
        return f->result();
    });
    registro->btnConsultarCEST->click();
    EXPECT_EQ(registro->edtCEST->text(), "0301100");

    // CST and CSOSN codes by their positions; any other code closes without filling.
    banco().executar(QStringLiteral("INSERT INTO CST (COD_CST, DESCRICAO_CST) VALUES ('OUTRO - 77', 'Sem prefixo')"));
    struct {
        const char *cod;
        const char *campo;
    } casos[] = {{"CST  - 60", "60"}, {"CSOSN - 500", "500"}, {"OUTRO - 77", "500"}};
    for (const auto &c : casos) {
        SCOPED_TRACE(c.cod);
        Telas::interceptar<TFrmCST>([&](TFrmCST *f) {
            EXPECT_EQ(f->windowTitle(), "Zentro Controle 5 - CST / CSOSN");
            escolherLinha(f, QStringLiteral("COD_CST"), QString::fromUtf8(c.cod));
            f->dbgEscolher();
            return f->result();
        });
        EXPECT_EQ(Telas::abrir<TFrmCST>(FrmCST), int(QDialog::Accepted));
        EXPECT_EQ(registro->edtCST->text(), QString::fromUtf8(c.campo));
    }
    FrmCadProdutosServicos = nullptr;

    struct {
        const char *cod, *cst;
    } regras[] = {{"CST  - 00", "00"}, {"CSOSN - 101", "101"}, {"CST", ""}, {"cst  - 00", ""}, {"ICMS 00", ""}};
    for (const auto &r : regras)
        EXPECT_EQ(ConsultaFiscal::codigoCST(QString::fromUtf8(r.cod)), QString::fromUtf8(r.cst)) << r.cod;
    EXPECT_EQ(ConsultaFiscal::codigoSemPontuacao("03.011.00"), "0301100");
}

TEST_F(Consultas_, ExportacaoGeraPlanilhaLegivel)
{
    const QString arquivo = pasta() + "/cest.xlsx";
    TFrmCEST f;
    f.setAttribute(Qt::WA_DontShowOnScreen);
    f.show();
    f.consulta->grade()->caixaFiltro(1)->setText(QStringLiteral("2202"));
    const int linhas = f.consulta->modelo()->total();
    ASSERT_GT(linhas, 0);
    QString titulo;
    Telas::interceptar<QFileDialog>([&](QFileDialog *d) {
        titulo = d->windowTitle();
        d->selectFile(arquivo);
        return int(QDialog::Accepted);
    });
    msg->esperar(kMsgArquivoGerado);
    f.consulta->btnExportar()->click();
    EXPECT_EQ(msg->pendentes(), 0);
    EXPECT_EQ(titulo, "Exportação de Tabela para Excel");
    ASSERT_TRUE(QFile::exists(arquivo));
    EXPECT_EQ(abertos, QList<QUrl>{QUrl::fromLocalFile(arquivo)});

    // A spreadsheet reader opens it: the sheet has the header and every row.
    const QString leitor = QStandardPaths::findExecutable("python3");
    ASSERT_FALSE(leitor.isEmpty());
    QProcess p;
    p.start(leitor, {"-c",
                     "import sys, zipfile, re\n"
                     "z = zipfile.ZipFile(sys.argv[1])\n"
                     "folha = z.read('xl/worksheets/sheet1.xml').decode()\n"
                     "textos = z.read('xl/sharedStrings.xml').decode()\n"
                     "print(len(re.findall('<row ', folha)))\n"
                     "print(textos)\n",
                     arquivo});
    ASSERT_TRUE(p.waitForFinished(20000));
    ASSERT_EQ(p.exitCode(), 0) << p.readAllStandardError().toStdString();
    const QString saida = QString::fromUtf8(p.readAllStandardOutput());
    EXPECT_EQ(saida.section('\n', 0, 0).toInt(), linhas + 1);
    for (const char *t : {"Código CEST", "Código NCM", "Descrição", "0301100", "Demais refrigerantes"})
        EXPECT_TRUE(saida.contains(QString::fromUtf8(t))) << t;
}

TEST_F(Consultas_, BotoesDaFitaAgrupamentoEFiltro)
{
    TFrmCEST f;
    f.setAttribute(Qt::WA_DontShowOnScreen);
    f.show();
    EXPECT_EQ(f.windowTitle(), "Zentro Controle 5 - CEST");
    EXPECT_FALSE(f.consulta->btnAgrupamento()->isChecked());
    EXPECT_TRUE(f.consulta->btnFiltro()->isChecked());
    EXPECT_TRUE(f.consulta->btnRedimensionar()->isChecked());
    EXPECT_FALSE(f.consulta->cbAgrupar()->isVisibleTo(&f));
    // Grouping by the NCM puts the rows of one NCM together.
    f.consulta->btnAgrupamento()->click();
    EXPECT_TRUE(f.consulta->cbAgrupar()->isVisibleTo(&f));
    f.consulta->cbAgrupar()->setCurrentIndex(f.consulta->cbAgrupar()->findText("Código NCM"));
    const QStringList ncms = coluna(&f, QStringLiteral("NCM"));
    ASSERT_GT(ncms.size(), 1);
    QStringList ordenadas = ncms;
    std::sort(ordenadas.begin(), ordenadas.end());
    EXPECT_EQ(ncms, ordenadas);
    EXPECT_EQ(ncms.size(), contar(QStringLiteral("SELECT COUNT(*) FROM TAB_CEST")));
    // The filter row hides and shows with its button.
    f.consulta->btnFiltro()->click();
    EXPECT_FALSE(f.consulta->grade()->caixaFiltro(0)->isVisibleTo(&f));
    f.consulta->btnFiltro()->click();
    EXPECT_TRUE(f.consulta->grade()->caixaFiltro(0)->isVisibleTo(&f));
}
