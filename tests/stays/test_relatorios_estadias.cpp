// The entries report (moment limits, filters, spreadsheet), the breakfast
// list, the vehicles list and the vehicle report.
#include "base/RelatorioPintura.h"
#include "base/Telas.h"
#include "stays/ExtratoUH.h"
#include "stays/UnitRelCafe.h"
#include "stays/UnitRelVeiculos.h"
#include "stays/UnitRelWalkIn.h"
#include "stays/UnitVeiculos.h"
#include "support/TelasTeste.h"

#include <QAction>
#include <QCheckBox>
#include <QDateEdit>
#include <QFileDialog>
#include <QGroupBox>
#include <QLineEdit>
#include <QProcess>
#include <QRadioButton>
#include <QStandardPaths>
#include <QTimeEdit>
#include <QXmlStreamReader>

namespace {

using TB = Relatorio::TipoBanda;

class RelEstadias_ : public TelasTeste {
protected:
    qint64 uh(const QString &numero)
    {
        return banco()
            .valor(QStringLiteral("INSERT INTO UH (NUMERO, SITUACAO) VALUES (?, 'O') RETURNING ID_UH"), {numero})
            .toLongLong();
    }
    struct Estadia {
        QDateTime entrada;
        const char *baixa = "N";
        const char *nf = "N";
        qint64 visaCent = 0;
        qint64 dinheiroCent = 0;
        const char *excluido = "N";
    };
    qint64 estadia(qint64 idUH, const Estadia &e)
    {
        const qint64 cli = banco()
                               .valor(QStringLiteral("INSERT INTO CLIENTE (NOME, TIPO_PESSOA, EXCLUIDO) VALUES "
                                                     "('CLIENTE', 'F', 'N') RETURNING ID_CLIENTE"))
                               .toLongLong();
        return banco()
            .valor(QStringLiteral("INSERT INTO WALK_IN (ID_UH, ID_CLIENTE, DATA_ENTRADA, HORA_ENTRADA, DATA_SAIDA, "
                                  "HORA_SAIDA, BAIXA, NF, VISA, DINHEIRO, EXCLUIDO, VALOR_DIARIA, QTD_ADULTOS) VALUES "
                                  "(?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, 150, 2) RETURNING ID_WALK_IN"),
                   {idUH, cli, e.entrada.date(), e.entrada.time(), e.entrada.date().addDays(2), QTime(12, 0),
                    QString::fromLatin1(e.baixa), QString::fromLatin1(e.nf), Dinheiro::deCentavos(e.visaCent).paraBanco(),
                    Dinheiro::deCentavos(e.dinheiroCent).paraBanco(), QString::fromLatin1(e.excluido)})
            .toLongLong();
    }
    void hospede(qint64 e, const QString &nome, const char *baixa = "N")
    {
        banco().executar(QStringLiteral("INSERT INTO HOSPEDE (ID_ENTRADA, NOME, BAIXA) VALUES (?, ?, ?)"),
                         {e, nome, QString::fromLatin1(baixa)});
    }
    void veiculo(qint64 e, const QString &modelo, const QString &placa, const char *baixa = "N")
    {
        banco().executar(QStringLiteral("INSERT INTO VEICULO (ID_ENTRADA, MODELO, PLACA, BAIXA) VALUES (?, ?, ?, ?)"),
                         {e, modelo, placa, QString::fromLatin1(baixa)});
    }
    void noite(qint64 e, const QDate &d)
    {
        banco().executar(QStringLiteral("INSERT INTO OCUPACAO (ID_ENTRADA, DATA, VALOR, QTD) VALUES (?, ?, 100, 2)"),
                         {e, d});
    }
    static QStringList coluna(const Relatorio &rel, int c)
    {
        QStringList r;
        for (const Relatorio::Banda &b : rel.bandas())
            if (b.tipo == TB::Detalhe)
                r << b.celulas.value(c).texto;
        return r;
    }
    static QStringList bandas(const Relatorio &rel, TB tipo)
    {
        QStringList r;
        for (const Relatorio::Banda &b : rel.bandas())
            if (b.tipo == tipo)
                r << (b.celulas.isEmpty() || tipo != TB::Resumo ? b.texto : b.texto + b.celulas[0].texto);
        return r;
    }
};

} // namespace

TEST_F(RelEstadias_, EntradasEntreDoisMomentosComFiltrosDeNFECartoes)
{
    const qint64 u = uh(QStringLiteral("101"));
    const QDate d(2026, 3, 10);
    // the reservation table is empty: stays without one are listed
    ASSERT_EQ(contar(QStringLiteral("SELECT COUNT(*) FROM RESERVA")), 0);
    const qint64 noLimite = estadia(u, {QDateTime(d, QTime(12, 0, 0)), "S", "S", 10000, 5000});
    estadia(u, {QDateTime(d, QTime(12, 0, 1)), "S", "S", 10000});                       // one second late
    const qint64 inicio = estadia(u, {QDateTime(d, QTime(8, 0, 0)), "N", "N", 0, 30000});
    const qint64 soNF = estadia(u, {QDateTime(d, QTime(9, 0, 0)), "S", "S", 0, 20000});
    const qint64 soCartao = estadia(u, {QDateTime(d, QTime(10, 0, 0)), "S", "N", 4000});
    estadia(u, {QDateTime(d, QTime(7, 59, 59))});                                       // before
    estadia(u, {QDateTime(d, QTime(11, 0, 0)), "N", "S", 9900, 0, "S"});                // cancelled
    const struct {
        bool nf, cartoes;
        QList<qint64> estadias;
        const char *total;
    } casos[] = {
        {false, false, {noLimite, inicio, soNF, soCartao}, "VALOR TOTAL DAS ESTADIAS: R$690,00"},
        {true, false, {noLimite, soNF}, "VALOR TOTAL DAS ESTADIAS: R$350,00"},
        {false, true, {noLimite, soCartao}, "VALOR TOTAL DAS ESTADIAS: R$190,00"},
        {true, true, {noLimite}, "VALOR TOTAL DAS ESTADIAS: R$150,00"},
    };
    for (const auto &c : casos) {
        SCOPED_TRACE(QStringLiteral("%1 %2").arg(c.nf).arg(c.cartoes).toStdString());
        const RelWalkIn::Filtro f{QDateTime(d, QTime(8, 0)), QDateTime(d, QTime(12, 0)), c.nf, c.cartoes};
        const Relatorio rel = RelWalkIn::relatorio(f, RelWalkIn::linhas(f));
        QStringList esperadas;
        for (qint64 id : c.estadias)
            esperadas << QString::number(id);
        EXPECT_EQ(coluna(rel, 0), esperadas);
        EXPECT_EQ(bandas(rel, TB::Resumo),
                  (QStringList{QStringLiteral("TOTAL DE ENTRADAS:%1").arg(esperadas.size()), QString::fromUtf8(c.total)}));
    }
    const RelWalkIn::Filtro f{QDateTime(d, QTime(8, 0)), QDateTime(d, QTime(12, 0)), false, false};
    const Relatorio rel = RelWalkIn::relatorio(f, RelWalkIn::linhas(f));
    EXPECT_EQ(rel.linhaOpcoes(), QStringLiteral("(De: 10/03/2026 08:00:00   Até: 10/03/2026 12:00:00)"));
    EXPECT_EQ(coluna(rel, 2).value(0), QStringLiteral("10/03/2026 12:00:00"));
    EXPECT_EQ(RelWalkIn::textoLog(f), QStringLiteral("Relatório de Entrada de Hóspedes (De:10/03/2026 Até: 10/03/2026)"));

    // The screen: 00:00:00 to 23:59:59 today; the preview saves a spreadsheet
    // whose amounts are numbers.
    TFrmRelWalkIn t;
    EXPECT_EQ(t.edtHora1->time(), QTime(0, 0, 0));
    EXPECT_EQ(t.edtHora2->time(), QTime(23, 59, 59));
    // Tab walks each date, then its time
    const QList<QWidget *> campos{t.edtData1, t.edtHora1, t.edtData2, t.edtHora2};
    QList<QWidget *> ordem;
    for (QWidget *w = t.edtData1->nextInFocusChain(); ordem.size() < 3 && w != t.edtData1; w = w->nextInFocusChain())
        if (campos.contains(w))
            ordem << w;
    EXPECT_EQ(ordem, campos.mid(1));
    t.edtData1->setDate(d);
    t.edtData2->setDate(d);
    t.CheckBox1->setChecked(true);
    const QString xlsx = pasta() + QStringLiteral("/entradas.xlsx");
    Telas::interceptar<QFileDialog>([&](QFileDialog *dlg) {
        dlg->selectFile(xlsx);
        return int(QDialog::Accepted);
    });
    Telas::interceptar<TFrmVisualizaRelatorio>([&](TFrmVisualizaRelatorio *v) {
        auto *acao = v->findChild<QAction *>(QStringLiteral("acSalvarPlanilha"));
        EXPECT_NE(acao, nullptr);
        if (acao) {
            msg->esperar(QStringLiteral("Planilha gravada com Sucesso!"));
            acao->trigger();
        }
        return int(QDialog::Rejected);
    });
    t.btnImprimirClick();
    EXPECT_EQ(logs(), QStringList{QStringLiteral("ADMIN|Impressão de Relatório")});
    ASSERT_TRUE(QFile::exists(xlsx));
    QProcess p;
    p.start(QStandardPaths::findExecutable(QStringLiteral("bsdtar")), {"-xOf", xlsx, "xl/worksheets/sheet1.xml"});
    p.waitForFinished();
    // cell -> (type attribute, value)
    QMap<QString, QPair<QString, QString>> celulas;
    QXmlStreamReader x(p.readAllStandardOutput());
    QString ref;
    while (!x.atEnd()) {
        x.readNext();
        if (x.isStartElement() && x.name() == u"c") {
            ref = x.attributes().value("r").toString();
            celulas[ref].first = x.attributes().value("t").toString();
        } else if (x.isStartElement() && x.name() == u"v") {
            celulas[ref].second = x.readElementText();
        }
    }
    // the whole day with NF: three stays by key; column H the rate, I the total
    EXPECT_EQ(celulas.value("A2"), qMakePair(QString(), QString::number(noLimite)));
    EXPECT_EQ(celulas.value("H2"), qMakePair(QString(), QStringLiteral("150")));
    EXPECT_EQ(celulas.value("I2"), qMakePair(QString(), QStringLiteral("150")));
    EXPECT_EQ(celulas.value("I3"), qMakePair(QString(), QStringLiteral("100")));
    EXPECT_EQ(celulas.value("I4"), qMakePair(QString(), QStringLiteral("200")));
    EXPECT_EQ(celulas.value("A4"), qMakePair(QString(), QString::number(soNF)));
    EXPECT_TRUE(celulas.value("C2").first.isEmpty());   // the entry moment as a date, not text
    EXPECT_FALSE(celulas.contains("A5"));
}

TEST_F(RelEstadias_, CafeSemQuemSaiuComVisualizacaoEImpressaoRegistradas)
{
    const qint64 u1 = uh(QStringLiteral("102")), u2 = uh(QStringLiteral("101"));
    const qint64 a = estadia(u1, {QDateTime(QDate(2026, 12, 9), QTime(14, 0))});
    const qint64 b = estadia(u2, {QDateTime(QDate(2026, 12, 8), QTime(14, 0))});
    const qint64 fechada = estadia(u2, {QDateTime(QDate(2026, 12, 1), QTime(14, 0)), "S"});
    hospede(a, QStringLiteral("ANA"));
    hospede(a, QStringLiteral("JÁ SAIU"), "S");
    hospede(b, QStringLiteral("BIA D'ÁVILA"));
    hospede(b, QStringLiteral("CAIO"));
    hospede(fechada, QStringLiteral("FECHADA"));
    const Relatorio rel = RelCafe::relatorio(QDate(2026, 12, 10), RelCafe::linhas());
    EXPECT_EQ(bandas(rel, TB::CabecalhoGrupo), (QStringList{"UH: 101", "UH: 102"}));
    EXPECT_EQ(coluna(rel, 0), (QStringList{"BIA D'ÁVILA", "CAIO", "ANA"}));
    EXPECT_EQ(coluna(rel, 2), (QStringList{"OK", "OK", "OK"}));
    EXPECT_EQ(bandas(rel, TB::Resumo),
              (QStringList{"Qtd. de Cafés a serem Servidos: 3", "Qtd. de UHs: 2"}));
    EXPECT_EQ(rel.linhaOpcoes(), QStringLiteral("(Data: 10/12/2026)"));
    EXPECT_EQ(rel.formato().corGrupo, QColor(0xE2, 0xE2, 0xE2));

    TFrmRelCafe f;
    QStringList durante;
    Telas::interceptar<TFrmVisualizaRelatorio>([&](TFrmVisualizaRelatorio *) {
        durante = logs();
        return int(QDialog::Accepted);   // printed from the preview
    });
    f.btnImprimirClick();
    EXPECT_EQ(durante, QStringList{QStringLiteral("ADMIN|Vizualização de Relatório")});
    EXPECT_EQ(logs(), (QStringList{"ADMIN|Vizualização de Relatório", "ADMIN|Impressão de Relatório"}));
    EXPECT_EQ(contar(QStringLiteral("SELECT COUNT(*) FROM LOG WHERE ANTES = 'Relatório de Café da Manhã'")), 2);
}

TEST_F(RelEstadias_, VeiculosPresentesBuscaPorPlacaERelatorioDoPeriodo)
{
    const qint64 u1 = uh(QStringLiteral("201")), u2 = uh(QStringLiteral("202"));
    const qint64 aberta = estadia(u1, {QDateTime(QDate(2026, 12, 7), QTime(14, 0))});
    const qint64 fechada = estadia(u2, {QDateTime(QDate(2026, 12, 1), QTime(14, 0)), "S"});
    veiculo(aberta, QStringLiteral("GOL"), QStringLiteral("ABC1D23"));
    veiculo(aberta, QStringLiteral("UNO"), QStringLiteral("D'A1234"));
    veiculo(aberta, QStringLiteral("FUSCA"), QStringLiteral("ABC0000"), "S");   // gone
    veiculo(fechada, QStringLiteral("CIVIC"), QStringLiteral("XABC999"));      // closed stay, still marked present
    veiculo(fechada, QStringLiteral("KA"), QStringLiteral("ABC5555"), "S");     // closed at check-out
    for (int i = 0; i < 3; ++i) {
        noite(aberta, QDate(2026, 12, 7 + i));
        noite(fechada, QDate(2026, 12, 1 + i));
    }

    TFrmVeiculos v;
    v.show();
    auto placas = [&] {
        QStringList r;
        for (int i = 0; i < v.lista->modelo()->rowCount(); ++i)
            r << v.lista->modelo()->index(i, 2).data().toString();
        return r;
    };
    EXPECT_EQ(placas(), (QStringList{"ABC1D23", "D'A1234"}));
    const struct {
        const char *busca;
        QStringList placas;
    } buscas[] = {{"ABC", {"XABC999", "ABC1D23"}}, {"D'A", {"D'A1234"}}, {"ZZZ", {}}};
    for (const auto &b : buscas) {
        SCOPED_TRACE(b.busca);
        v.btnFiltrosClick();
        v.lista->edtFiltro()->setText(QString::fromUtf8(b.busca));
        tecla(v.lista->edtFiltro(), Qt::Key_Return);
        EXPECT_EQ(placas(), b.placas);
    }

    // now: the vehicles present of open stays
    const Relatorio agora = RelVeiculos::relatorio(QStringLiteral("(Data: 10/12/2026)"), RelVeiculos::atuais());
    EXPECT_EQ(coluna(agora, 0), (QStringList{"GOL / ABC1D23", "UNO / D'A1234"}));
    EXPECT_EQ(bandas(agora, TB::CabecalhoGrupo), QStringList{"UH: 201"});
    // a period: every vehicle of a stay with a night in it, once, present or not
    const QList<Linha> periodo = RelVeiculos::doPeriodo(QDate(2026, 12, 1), QDate(2026, 12, 9));
    const Relatorio rel = RelVeiculos::relatorio(QStringLiteral("(De: 01/12/2026 Até: 09/12/2026)"), periodo);
    EXPECT_EQ(coluna(rel, 0), (QStringList{"GOL / ABC1D23", "UNO / D'A1234", "FUSCA / ABC0000", "CIVIC / XABC999",
                                           "KA / ABC5555"}));
    EXPECT_EQ(bandas(rel, TB::Resumo), QStringList{"Qtd. de Veículos: 5"});
    EXPECT_EQ(RelVeiculos::doPeriodo(QDate(2026, 12, 9), QDate(2026, 12, 9)).size(), 3);

    // the screen: "No Período" needs MOVIMENTOS and opens the dates
    TFrmRelVeiculos f;
    EXPECT_TRUE(f.chkAtual->isChecked());
    EXPECT_FALSE(f.grpPeriodo->isEnabled());
    f.chkPeriodo->click();
    EXPECT_TRUE(f.grpPeriodo->isEnabled());
    f.edtData1->setDate(QDate(2026, 12, 1));
    f.edtData2->setDate(QDate(2026, 12, 9));
    QString linha;
    Telas::interceptar<TFrmVisualizaRelatorio>([&](TFrmVisualizaRelatorio *t) {
        linha = t->relatorio().linhaOpcoes();
        return int(QDialog::Rejected);
    });
    f.btnImprimirClick();
    EXPECT_EQ(linha, QStringLiteral("(De: 01/12/2026 Até: 09/12/2026)"));
    EXPECT_EQ(banco().valor(QStringLiteral("SELECT ANTES FROM LOG")).toString(), QStringLiteral("Relatório de Veículos"));
    Sessao::atual().direitos.MOVIMENTOS = false;
    TFrmRelVeiculos sem;
    EXPECT_FALSE(sem.chkPeriodo->isEnabled());
}

// Rooms by number as numbers: 9, 102, 1018 (not 1018, 102, 9 as text).
TEST_F(RelEstadias_, RelatoriosPorUHNaOrdemNumericaDosNumeros)
{
    const QStringList numeros{QStringLiteral("1018"), QStringLiteral("102"), QStringLiteral("9")};
    for (const QString &n : numeros) {
        const qint64 e = estadia(uh(n), {QDateTime(QDate(2026, 12, 9), QTime(14, 0))});
        hospede(e, QStringLiteral("HÓSPEDE ") + n);
        veiculo(e, QStringLiteral("GOL"), n);
    }
    const QStringList grupos{"UH: 9", "UH: 102", "UH: 1018"};
    EXPECT_EQ(bandas(RelCafe::relatorio(QDate(2026, 12, 10), RelCafe::linhas()), TB::CabecalhoGrupo), grupos);
    EXPECT_EQ(bandas(RelVeiculos::relatorio(QStringLiteral("(Data: 10/12/2026)"), RelVeiculos::atuais()),
                     TB::CabecalhoGrupo),
              grupos);
    QStringList extrato;
    for (const ExtratoUH::Quarto &q : ExtratoUH::ler(banco(), QDate(2026, 12, 10), QDate(2026, 12, 10)).quartos)
        extrato << QStringLiteral("UH: ") + q.numero;
    EXPECT_EQ(extrato, grupos);
}
