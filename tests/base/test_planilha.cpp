// Spreadsheet export: money, quantities and dates reach the sheet as numbers
// and dates a spreadsheet program can add up, not as display text.
#include "base/Planilha.h"
#include "base/Telas.h"
#include "base/UnitFuncoes.h"
#include "support/BancoTeste.h"

#include <QFileDialog>
#include <QProcess>
#include <QStandardPaths>
#include <QTableView>
#include <QXmlStreamReader>

namespace {

inline void PrintTo(const QString &s, std::ostream *os) { *os << '"' << s.toStdString() << '"'; }

// A grid column whose shown text, raw value and alignment are given apart,
// as the query grids give them.
class ModeloFixo : public QAbstractTableModel {
public:
    struct Celula {
        QString exibido;
        QVariant bruto;
    };
    QStringList titulos;
    QList<QList<Celula>> linhas;
    QList<bool> direita;

    int rowCount(const QModelIndex &p = {}) const override { return p.isValid() ? 0 : int(linhas.size()); }
    int columnCount(const QModelIndex &p = {}) const override { return p.isValid() ? 0 : int(titulos.size()); }
    QVariant data(const QModelIndex &i, int role) const override
    {
        const Celula &c = linhas[i.row()][i.column()];
        switch (role) {
        case Qt::DisplayRole: return c.exibido;
        case Qt::EditRole: return c.bruto.isValid() ? c.bruto : QVariant(c.exibido);
        case Qt::TextAlignmentRole:
            return direita.value(i.column()) ? QVariant(int(Qt::AlignRight | Qt::AlignVCenter)) : QVariant();
        default: return {};
        }
    }
    QVariant headerData(int s, Qt::Orientation o, int role) const override
    {
        return (o == Qt::Horizontal && role == Qt::DisplayRole) ? QVariant(titulos.value(s)) : QVariant();
    }
};

// One cell of the sheet as a spreadsheet program reads it.
struct CelulaLida {
    QString tipo;     // the t attribute: "" for a number or date, "s"/"inlineStr"/"str" for text
    QString valor;    // <v> (a shared-string index for "s")
    QString formato;  // number format code of its style
};

class PlanilhaTeste : public BancoTeste {
protected:
    static QByteArray lerDoZip(const QString &arquivo, const QString &interno)
    {
        QProcess p;
        p.start(QStandardPaths::findExecutable(QStringLiteral("bsdtar")), {"-xOf", arquivo, interno});
        p.waitForFinished();
        return p.readAllStandardOutput();
    }

    // The cells of the first sheet by reference ("C2"), with their formats.
    static QMap<QString, CelulaLida> lerPlanilha(const QString &arquivo)
    {
        // Styles: numFmtId of each cellXfs entry, codes of the custom formats.
        QMap<int, QString> codigos{{0, "General"}, {14, "mm-dd-yy"}};
        QList<int> estilos;
        QXmlStreamReader s(lerDoZip(arquivo, QStringLiteral("xl/styles.xml")));
        bool emXfs = false;
        while (!s.atEnd()) {
            s.readNext();
            if (s.isStartElement() && s.name() == u"numFmt")
                codigos[s.attributes().value("numFmtId").toInt()] = s.attributes().value("formatCode").toString();
            if (s.isStartElement() && s.name() == u"cellXfs")
                emXfs = true;
            if (s.isEndElement() && s.name() == u"cellXfs")
                emXfs = false;
            if (emXfs && s.isStartElement() && s.name() == u"xf")
                estilos.append(s.attributes().value("numFmtId").toInt());
        }
        QMap<QString, CelulaLida> r;
        QXmlStreamReader x(lerDoZip(arquivo, QStringLiteral("xl/worksheets/sheet1.xml")));
        QString ref;
        while (!x.atEnd()) {
            x.readNext();
            if (x.isStartElement() && x.name() == u"c") {
                ref = x.attributes().value("r").toString();
                CelulaLida c;
                c.tipo = x.attributes().value("t").toString();
                c.formato = codigos.value(estilos.value(x.attributes().value("s").toInt()));
                r[ref] = c;
            } else if (x.isStartElement() && (x.name() == u"v" || x.name() == u"t")) {
                r[ref].valor = x.readElementText();
            }
        }
        return r;
    }
};

TEST_F(PlanilhaTeste, ExportacaoGravaDinheiroQuantidadeEDataComoNumeros)
{
    ASSERT_FALSE(QStandardPaths::findExecutable(QStringLiteral("bsdtar")).isEmpty());
    // A query grid: raw values apart from the text shown.
    ModeloFixo m;
    m.titulos = {"Código", "Produto", "Data", "Valor", "Qtd", "Documento"};
    m.direita = {false, false, false, true, true, false};
    m.linhas = {
        {{"7", 7}, {"ÁGUA D'ÁVILA", {}}, {"01/03/2025", QDate(2025, 3, 1)}, {"1.234,56", "1234.56"},
         {"1,250", "1.250"}, {"0012", {}}},
        {{"8", 8}, {"CERVEJA", {}}, {"", QVariant(QMetaType(QMetaType::QDate))}, {"-0,05", "-0.05"},
         {"3", 3}, {"0345", {}}},
    };
    QTableView grade;
    grade.setModel(&m);
    const QString arquivo = pasta() + QStringLiteral("/vendas.xlsx");
    Telas::interceptar<QFileDialog>([&](QFileDialog *d) {
        d->selectFile(arquivo);
        return int(QDialog::Accepted);
    });
    Funcoes::abrirUrl = [](const QUrl &) { return true; };
    msg->esperar(kMsgArquivoGerado);
    QFileDialog d;
    ExportaGradeExcel(nullptr, &d, &grade);
    ASSERT_EQ(msg->pendentes(), 0);

    const QMap<QString, CelulaLida> c = lerPlanilha(arquivo);
    ASSERT_FALSE(c.isEmpty());
    struct Esperado {
        const char *ref;
        const char *tipo;
        const char *valor;
        const char *formato;
    };
    const Esperado casos[] = {
        {"D2", "", "1234.56", "#,##0.00"},
        {"D3", "", "-0.05", "#,##0.00"},
        {"E2", "", "1.25", "#,##0.000"},
        {"E3", "", "3", "General"},
        {"A2", "", "7", "General"},
        // 01/03/2025 is day 45717 of the spreadsheet calendar.
        {"C2", "", "45717", "dd/mm/yyyy"},
    };
    for (const Esperado &e : casos) {
        SCOPED_TRACE(e.ref);
        ASSERT_TRUE(c.contains(e.ref));
        EXPECT_EQ(c[e.ref].tipo, QString::fromLatin1(e.tipo));
        EXPECT_EQ(c[e.ref].valor.toDouble(), QString::fromLatin1(e.valor).toDouble());
        EXPECT_EQ(c[e.ref].formato, QString::fromLatin1(e.formato));
    }
    // Texts stay texts, leading zeros of documents included; an empty date
    // is an empty cell.
    EXPECT_EQ(c["B2"].tipo, "s");
    EXPECT_EQ(c["F2"].tipo, "s");
    EXPECT_FALSE(c.contains("C3"));
    const QString textos = QString::fromUtf8(lerDoZip(arquivo, QStringLiteral("xl/sharedStrings.xml")));
    EXPECT_TRUE(textos.contains(QStringLiteral("ÁGUA D&apos;ÁVILA")) || textos.contains(QStringLiteral("ÁGUA D'ÁVILA")));
    EXPECT_TRUE(textos.contains(QStringLiteral("0012")));
    EXPECT_FALSE(textos.contains(QStringLiteral("1.234,56")));
}

TEST_F(PlanilhaTeste, ColunaDeTextosSoViraNumeroOuDataQuandoTodaEla)
{
    struct Caso {
        const char *nome;
        QStringList textos;
        bool direita;
        QVariantList esperado;
    };
    auto dec = [](qint64 v, int casas) { return QVariant::fromValue(Planilha::Decimal{v, casas}); };
    const Caso casos[] = {
        {"dinheiro", {"3,50", "1.234,56", "", "-6,00"}, false, {dec(350, 2), dec(123456, 2), QVariant(), dec(-600, 2)}},
        {"quantidade", {"1.234.567,891"}, false, {dec(1234567891, 3)}},
        {"códigos sem vírgula", {"1", "0012"}, false, {"1", "0012"}},
        {"inteiros alinhados à direita", {"1", "20"}, true, {dec(1, 0), dec(20, 0)}},
        {"mistura com texto", {"1,50", "ÁGUA"}, false, {"1,50", "ÁGUA"}},
        {"pontos fora do lugar", {"1.23,45", "2,00"}, false, {"1.23,45", "2,00"}},
        {"datas", {"01/03/2025", "", "31/12/2024"}, false, {QDate(2025, 3, 1), QVariant(), QDate(2024, 12, 31)}},
        {"data impossível", {"31/02/2025", "01/03/2025"}, false, {"31/02/2025", "01/03/2025"}},
    };
    for (const Caso &caso : casos) {
        SCOPED_TRACE(caso.nome);
        ModeloFixo m;
        m.titulos = {"X"};
        m.direita = {caso.direita};
        for (const QString &t : caso.textos)
            m.linhas.append({{t, {}}});
        QList<QModelIndex> celulas;
        for (int l = 0; l < m.rowCount(); ++l)
            celulas.append(m.index(l, 0));
        const QVariantList r = Funcoes::valoresParaPlanilha(celulas);
        ASSERT_EQ(r.size(), caso.esperado.size());
        for (int i = 0; i < r.size(); ++i) {
            SCOPED_TRACE(i);
            const QVariant &e = caso.esperado[i];
            if (e.metaType() == QMetaType::fromType<Planilha::Decimal>()) {
                ASSERT_EQ(r[i].metaType(), QMetaType::fromType<Planilha::Decimal>());
                EXPECT_EQ(r[i].value<Planilha::Decimal>().valor, e.value<Planilha::Decimal>().valor);
                EXPECT_EQ(r[i].value<Planilha::Decimal>().casas, e.value<Planilha::Decimal>().casas);
            } else {
                EXPECT_EQ(r[i], e);
            }
        }
    }
}

TEST_F(PlanilhaTeste, FalhaNaGravacaoNaoEstragaArquivoExistente)
{
    // A sheet that cannot be written (a text longer than a cell takes)
    // leaves the previous file as it was.
    const QString arquivo = pasta() + QStringLiteral("/existe.xlsx");
    Planilha::gravar(arquivo, {"A"}, {{QVariant::fromValue(Dinheiro::deCentavos(100))}});
    const QByteArray antes = lerDoZip(arquivo, QStringLiteral("xl/worksheets/sheet1.xml"));
    ASSERT_FALSE(antes.isEmpty());
    EXPECT_THROW(Planilha::gravar(arquivo, {"A"}, {{QString(40000, QLatin1Char('x'))}}), ErroSistema);
    EXPECT_EQ(lerDoZip(arquivo, QStringLiteral("xl/worksheets/sheet1.xml")), antes);
    EXPECT_FALSE(QFile::exists(arquivo + QStringLiteral(".tmp")));
}

} // namespace
