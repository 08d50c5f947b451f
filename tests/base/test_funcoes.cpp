// The grid routines: the filter row and the spreadsheet export.
#include "base/Telas.h"
#include "base/UnitFuncoes.h"
#include "support/BancoTeste.h"

#include <QApplication>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QProcess>
#include <QStandardItemModel>
#include <QStandardPaths>
#include <QTableView>

namespace {

class FuncoesTeste : public BancoTeste {
protected:
    void SetUp() override
    {
        BancoTeste::SetUp();
        Funcoes::abrirUrl = [this](const QUrl &u) {
            abertos << u;
            return true;
        };
        modelo.setHorizontalHeaderLabels({"Código", "Descrição", "Valor"});
        const QList<QStringList> linhas{{"1", "ÁGUA MINERAL", "3,50"}, {"2", "CERVEJA", "1.234,56"},
                                        {"3", "REFRIGERANTE", "6,00"}};
        for (const QStringList &l : linhas) {
            QList<QStandardItem *> itens;
            for (const QString &t : l)
                itens << new QStandardItem(t);
            modelo.appendRow(itens);
        }
        grade.definirModelo(&modelo);
    }
    void TearDown() override
    {
        Funcoes::abrirUrl = [](const QUrl &) { return true; };
        BancoTeste::TearDown();
    }
    // The save dialog answers with this file (empty: cancelled).
    void escolherArquivo(const QString &arquivo)
    {
        Telas::interceptar<QFileDialog>([arquivo](QFileDialog *d) {
            if (arquivo.isEmpty())
                return int(QDialog::Rejected);
            d->selectFile(arquivo);
            return int(QDialog::Accepted);
        });
    }
    // The texts of the spreadsheet (shared strings), through bsdtar.
    static QString textosPlanilha(const QString &arquivo)
    {
        const QString tar = QStandardPaths::findExecutable("bsdtar");
        if (tar.isEmpty())
            return {};
        QProcess p;
        p.start(tar, {"-xOf", arquivo, "xl/sharedStrings.xml"});
        p.waitForFinished();
        return QString::fromUtf8(p.readAllStandardOutput());
    }
    QStandardItemModel modelo;
    GradeFiltro grade;
    QList<QUrl> abertos;
};

} // namespace

TEST_F(FuncoesTeste, FocaFiltroGradeLimpaFiltroEFocaAColuna)
{
    grade.show();
    QApplication::setActiveWindow(&grade);
    grade.caixaFiltro(1)->setText("CERV");
    EXPECT_EQ(grade.visao()->rowCount(), 1);
    FocaFiltroGrade(&grade, 2);
    EXPECT_EQ(grade.visao()->rowCount(), 3);
    EXPECT_TRUE(grade.caixaFiltro(1)->text().isEmpty());
    EXPECT_EQ(grade.grade()->currentIndex().row(), 0);
    EXPECT_EQ(QApplication::focusWidget(), grade.caixaFiltro(1));
    // Typing filters at once.
    grade.caixaFiltro(1)->setText("refri");
    ASSERT_EQ(grade.visao()->rowCount(), 1);
    EXPECT_EQ(grade.visao()->index(0, 0).data().toString(), "3");

    // An empty view still gets the filter box of the column.
    grade.caixaFiltro(1)->setText("NADA");
    EXPECT_EQ(grade.visao()->rowCount(), 0);
    modelo.removeRows(0, modelo.rowCount());
    FocaFiltroGrade(&grade, 3);
    EXPECT_EQ(QApplication::focusWidget(), grade.caixaFiltro(2));
    // A column out of range leaves the focus on the grid.
    FocaFiltroGrade(&grade, 9);
    EXPECT_EQ(QApplication::focusWidget(), grade.grade());
}

TEST_F(FuncoesTeste, ExportaGradeGravaPlanilhaInformaEAbre)
{
    const QString arquivo = pasta() + "/consumo.xlsx";
    escolherArquivo(arquivo);
    msg->esperar(kMsgArquivoGerado);
    QFileDialog d;
    ExportaGradeExcel(nullptr, &d, grade.grade());
    ASSERT_TRUE(QFile::exists(arquivo));
    EXPECT_EQ(msg->mostradas().constFirst().titulo, "Informação");
    EXPECT_EQ(abertos, QList<QUrl>{QUrl::fromLocalFile(arquivo)});
    const QString textos = textosPlanilha(arquivo);
    if (!textos.isEmpty()) {
        for (const char *t : {"Código", "Descrição", "ÁGUA MINERAL", "REFRIGERANTE"})
            EXPECT_TRUE(textos.contains(QString::fromUtf8(t))) << t;
        // Money goes in as a number, not as its text.
        EXPECT_FALSE(textos.contains(QStringLiteral("1.234,56")));
    }
}

TEST_F(FuncoesTeste, ExportaGradeComArquivoExistente)
{
    const QString arquivo = pasta() + "/existe.xlsx";
    {
        QFile f(arquivo);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("antigo");
    }
    // "Não": nothing written, nothing more shown.
    escolherArquivo(arquivo);
    msg->esperar(kMsgSubstituirArquivo, Mensagem::Nao);
    QFileDialog d;
    ExportaGradeExcel(nullptr, &d, grade.grade());
    EXPECT_EQ(msg->mostradas().size(), 1);
    EXPECT_EQ(msg->mostradas().constFirst().titulo, "Confirmação");
    QFile f(arquivo);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), "antigo");
    f.close();
    EXPECT_TRUE(abertos.isEmpty());

    // "Sim": replaced.
    msg->esperar(kMsgSubstituirArquivo, Mensagem::Sim);
    msg->esperar(kMsgArquivoGerado);
    ExportaGradeExcel(nullptr, &d, grade.grade());
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_TRUE(f.readAll().startsWith("PK"));
    EXPECT_EQ(abertos.size(), 1);
}

TEST_F(FuncoesTeste, ExportaGradeCanceladaOuComFalha)
{
    QFileDialog d;
    escolherArquivo(QString());
    ExportaGradeExcel(nullptr, &d, grade.grade());
    EXPECT_TRUE(msg->mostradas().isEmpty());

    // A folder that does not exist: the error box, nothing opened.
    escolherArquivo(pasta() + "/nao/existe/x.xlsx");
    msg->esperar(kMsgErroCriarArquivo);
    ExportaGradeExcel(nullptr, &d, grade.grade());
    EXPECT_EQ(msg->mostradas().constLast().titulo, "Erro");
    EXPECT_TRUE(abertos.isEmpty());
}
