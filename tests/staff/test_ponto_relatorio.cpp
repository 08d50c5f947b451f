// The time-clock report: turn pairs, hours worked and owed, lateness and
// extra time, the weekday loads, the "Completo" and totals-only prints, the
// screen's messages and log line, the same totals on every print, one PDF.
#include "base/RelatorioPintura.h"
#include "base/Rotinas.h"
#include "staff/PontoRelatorio.h"
#include "staff/UnitRelPonto.h"
#include "ApoioPonto.h"

#include "support/MensagensRoteiro.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QProcess>
#include <QPushButton>
#include <QStandardPaths>

using namespace PontoRelatorio;

namespace {

class RelPonto : public PontoTeste {
protected:
    void SetUp() override
    {
        PontoTeste::SetUp();
        parametro(QStringLiteral("NOME_FANTASIA"), QStringLiteral("POUSADA SOL"));
        ana = empregado(QStringLiteral("ANA"), QStringLiteral("529.982.247-25"), QStringLiteral("abc"), QTime(8, 0),
                        QTime(4, 0));
    }
    // The day of the example: 08:00 on time, 12:00, 13:20 for 13:00 (late), 17:00.
    void diaExemplo(const QDate &d)
    {
        marcada(ana, d, QTime(8, 0), "E", d, QTime(8, 0));
        marcada(ana, d, QTime(12, 0), "S", d, QTime(12, 0));
        marcada(ana, d, QTime(13, 0), "E", d, QTime(13, 20));
        marcada(ana, d, QTime(17, 0), "S", d, QTime(17, 0));
    }
    Calculo calculo(bool completo, const QDate &de = QDate(2026, 12, 1), const QDate &ate = QDate(2026, 12, 31))
    {
        const Dados d = ler(ana, de, ate);
        return calcular(d.linhas, d.cargas, Ponto::tolerancias(), completo);
    }
    // Prints with the screen; the report previewed (none: nothing previewed).
    std::optional<Relatorio> imprimir(TFrmRelPonto &t)
    {
        std::optional<Relatorio> r;
        Telas::interceptar<TFrmVisualizaRelatorio>([&](TFrmVisualizaRelatorio *v) {
            r = v->relatorio();
            return int(QDialog::Accepted);
        });
        t.btnImprimir->click();
        Telas::liberar(typeid(TFrmVisualizaRelatorio));
        return r;
    }
    // Every printed row: free texts as they are, detail cells joined by "|".
    static QStringList linhas(const Relatorio &rel)
    {
        QStringList l;
        for (const Relatorio::Banda &b : rel.bandas()) {
            if (b.tipo == Relatorio::TipoBanda::Texto) {
                l << b.texto;
            } else if (b.tipo == Relatorio::TipoBanda::Detalhe) {
                QStringList c;
                for (const Relatorio::Celula &x : b.celulas)
                    c << x.texto;
                l << c.join(QLatin1Char('|'));
            }
        }
        return l;
    }

    qint64 ana = 0;
};

QString executar(const QString &programa, const QStringList &args)
{
    QProcess p;
    p.start(programa, args);
    p.waitForFinished(60000);
    return QString::fromUtf8(p.readAllStandardOutput());
}

} // namespace

TEST_F(RelPonto, DiaComAtrasoNormalECompleto)
{
    const QDate d(2026, 12, 9); // a Wednesday
    diaExemplo(d);
    const Calculo normal = calculo(false);
    ASSERT_EQ(normal.dias.size(), 1);
    const Dia &n = normal.dias[0];
    EXPECT_EQ(n.diaSemana, QStringLiteral("Quarta-Feira"));
    EXPECT_EQ(n.turnos[0], QStringLiteral("08:00:00 (ENTRADA - MARCAÇÃO OK) / 12:00:00 (SAÍDA - MARCAÇÃO OK)"));
    EXPECT_EQ(n.turnos[1],
              QStringLiteral("13:20:00 (ENTRADA - ATRASO OU SAÍDA ANT.) / 17:00:00 (SAÍDA - MARCAÇÃO OK)"));
    EXPECT_EQ(n.turnos[2], QStringLiteral("-----"));
    EXPECT_EQ(SecsToHMS(n.horasTurnos[0]), QStringLiteral("04:00:00"));
    EXPECT_EQ(SecsToHMS(n.horasTurnos[1]), QStringLiteral("03:40:00"));
    EXPECT_EQ(SecsToHMS(n.trabalhadas), QStringLiteral("07:40:00"));
    EXPECT_EQ(n.saldo(), QStringLiteral("- 00:20:00"));
    EXPECT_EQ(SecsToHMS(normal.totais.atrasos), QStringLiteral("00:20:00"));
    EXPECT_EQ(normal.totais.extras, 0);

    const Calculo completo = calculo(true);
    const Dia &c = completo.dias[0];
    EXPECT_EQ(c.turnos[1], QStringLiteral("13:00:00 (ENTRADA - MARCAÇÃO OK) / 17:00:00 (SAÍDA - MARCAÇÃO OK)"));
    EXPECT_EQ(SecsToHMS(c.horasTurnos[1]), QStringLiteral("04:00:00"));
    EXPECT_EQ(c.saldo(), QStringLiteral("+ 00:00:00"));
    EXPECT_EQ(SecsToHMS(completo.totais.atrasos), QStringLiteral("00:20:00")); // lateness counts all the same
}

TEST_F(RelPonto, CasosDoDia)
{
    const QDate sabado(2026, 12, 5), segunda(2026, 12, 7), terca(2026, 12, 8), quarta(2026, 12, 9),
        quinta(2026, 12, 10), sexta(2026, 12, 11);
    // Saturday: measured against the Saturday load (4h), whatever the rows
    diaExemplo(sabado);
    // a single row: half a turn, nothing worked, the whole load owed
    marcada(ana, segunda, QTime(8, 0), "E", segunda, QTime(8, 0));
    // an entry 30 minutes early is extra time and counts from its punch
    marcada(ana, terca, QTime(8, 0), "E", terca, QTime(7, 30));
    marcada(ana, terca, QTime(12, 0), "S", terca, QTime(12, 0));
    // a missed turn counts nothing (the whole turn with "Completo"); an excused row shows its justification
    marcada(ana, quarta, QTime(8, 0), "E", quarta, QTime(8, 0), "S");
    marcada(ana, quarta, QTime(12, 0), "S", quarta, QTime(12, 0), "S");
    const qint64 abonada = marcada(ana, quarta, QTime(13, 0), "E", quarta, QTime(13, 0), "S", "S");
    banco().executar(QStringLiteral("UPDATE PONTO SET OBS = 'MÉDICO' WHERE ID_PONTO = ?"), {abonada});
    marcada(ana, quarta, QTime(17, 0), "S", quarta, QTime(17, 0));
    // an entry in the gap between the tolerances (none): counts at its own time
    parametro(QStringLiteral("TOLERANCIA_ATRASO"), QTime(0, 15));
    marcada(ana, quinta, QTime(8, 0), "E", quinta, QTime(8, 10));
    marcada(ana, quinta, QTime(12, 0), "S", quinta, QTime(12, 0));
    // an open row and a row punched after the period are not printed
    prevista(ana, sexta, QTime(8, 0), "E");
    marcada(ana, sexta, QTime(8, 0), "E", QDate(2027, 1, 1), QTime(8, 0));

    const Calculo c = calculo(false);
    ASSERT_EQ(c.dias.size(), 5);
    struct Esperado {
        QDate dia;
        const char *turno1;
        const char *horas1;
        const char *saldo;
    };
    const QList<Esperado> esperados{
        {sabado, "04:00:00", "04:00:00", "+ 03:40:00"},
        {segunda, "08:00:00 (ENTRADA - MARCAÇÃO OK) / ", "00:00:00", "- 08:00:00"},
        {terca, "07:30:00 (ENTRADA - HORA EXTRA) / 12:00:00 (SAÍDA - MARCAÇÃO OK)", "04:30:00", "- 03:30:00"},
        {quarta, "08:00:00 (ENTRADA - FALTA) / 12:00:00 (SAÍDA - FALTA)", "00:00:00", "- 04:00:00"},
        {quinta, "08:10:00 (ENTRADA - ) / 12:00:00 (SAÍDA - MARCAÇÃO OK)", "03:50:00", "- 04:10:00"},
    };
    for (int i = 0; i < esperados.size(); ++i) {
        SCOPED_TRACE(esperados[i].dia.toString().toStdString());
        const Dia &d = c.dias[i];
        EXPECT_EQ(d.data, esperados[i].dia);
        if (i > 0)
            EXPECT_EQ(d.turnos[0], QString::fromUtf8(esperados[i].turno1));
        EXPECT_EQ(SecsToHMS(d.horasTurnos[0]), QString::fromLatin1(esperados[i].horas1));
        EXPECT_EQ(d.saldo(), QString::fromLatin1(esperados[i].saldo));
    }
    EXPECT_EQ(c.dias[0].diaSemana, QStringLiteral("Sábado"));
    EXPECT_EQ(c.dias[3].turnos[1],
              QStringLiteral("13:00:00 (ENTRADA - ABONADO(MÉDICO)) / 17:00:00 (SAÍDA - MARCAÇÃO OK)"));
    EXPECT_EQ(SecsToHMS(c.totais.extras), QStringLiteral("00:30:00"));
    EXPECT_EQ(SecsToHMS(c.totais.atrasos), QStringLiteral("00:20:00")); // Saturday's 13:20 (TA now 15 min: still late)
    EXPECT_EQ(SecsToHMS(c.totais.aTrabalhar), QStringLiteral("36:00:00"));

    // with "Completo" the missed turn counts whole
    EXPECT_EQ(SecsToHMS(calculo(true).dias[3].horasTurnos[0]), QStringLiteral("04:00:00"));
}

TEST_F(RelPonto, EntradaEsperadaAntesDaMeiaNoiteMarcadaDepoisContaOsMinutosReais)
{
    const QDate d(2026, 12, 8), seguinte(2026, 12, 9);
    marcada(ana, d, QTime(23, 50), "E", seguinte, QTime(0, 5));
    marcada(ana, d, QTime(23, 0), "S", seguinte, QTime(0, 30));
    const Calculo c = calculo(false);
    EXPECT_EQ(SecsToHMS(c.totais.atrasos), QStringLiteral("00:15:00"));
    EXPECT_EQ(SecsToHMS(c.totais.extras), QStringLiteral("01:30:00"));
    ASSERT_EQ(c.dias.size(), 1);
    EXPECT_EQ(c.dias[0].data, seguinte); // belongs to the day it was punched
}

TEST_F(RelPonto, TelaMensagensLogETotaisIguaisEmCadaImpressao)
{
    diaExemplo(QDate(2026, 12, 9));
    diaExemplo(QDate(2026, 12, 5));
    TFrmRelPonto t;
    EXPECT_EQ(t.windowTitle(), QStringLiteral("Zentro Vedez - Relatório de Livro de Ponto"));
    EXPECT_EQ(t.cbFuncionario->currentText(), QStringLiteral("SELECIONE UM FUNCIONÁRIO"));
    EXPECT_EQ(t.dtInicio->date(), QDate(2026, 12, 1));
    EXPECT_EQ(t.dtFim->date(), QDate(2026, 12, 31));
    MensagensRoteiro m;
    m.esperar(kMsgSelecione);
    EXPECT_FALSE(imprimir(t));
    EXPECT_EQ(m.mostradas().last().tipo, Mensagem::Tipo::Erro);
    t.escolherFuncionario(ana);
    t.dtInicio->setDate(QDate(2026, 11, 1));
    t.dtFim->setDate(QDate(2026, 11, 30));
    m.esperar(kMsgNenhum);
    EXPECT_FALSE(imprimir(t));
    EXPECT_TRUE(logs().isEmpty());

    t.dtFim->setDate(QDate(2026, 12, 31));
    const std::optional<Relatorio> primeira = imprimir(t);
    const std::optional<Relatorio> segunda = imprimir(t);
    ASSERT_TRUE(primeira && segunda);
    EXPECT_EQ(linhas(*primeira), linhas(*segunda));
    const QStringList l = linhas(*primeira);
    EXPECT_EQ(primeira->linhaOpcoes(), QStringLiteral("(ANA)  (De: 01/11/2026   Até: 31/12/2026)"));
    EXPECT_TRUE(l.contains(QStringLiteral("Funcionário: ANA")));
    EXPECT_TRUE(l.contains(QStringLiteral("09/12/2026|08:00:00 (ENTRADA - MARCAÇÃO OK) / 12:00:00 (SAÍDA - "
                                          "MARCAÇÃO OK)|04:00:00")));
    EXPECT_TRUE(l.contains(QStringLiteral("|( - ) Carga Horária Diária|08:00:00")));
    EXPECT_TRUE(l.contains(QStringLiteral(">>TOTAL<<                    --- ANA --- ")));
    EXPECT_TRUE(l.contains(QStringLiteral("|Total de Horas a Serem Trabalhadas: 12:00:00|")));
    EXPECT_TRUE(l.contains(QStringLiteral("|Total de Horas Trabalhadas: 15:20:00|")));
    EXPECT_TRUE(l.contains(QStringLiteral("|Saldo de Horas:  + 03:20:00|")));
    EXPECT_TRUE(l.contains(QStringLiteral("|Tempo Total de Atrasos: 00:40:00|")));
    EXPECT_EQ(l.last(), QStringLiteral("ANA"));
    EXPECT_EQ(logs().last(), QStringLiteral("ADMIN|Impressão de Relatório"));
    EXPECT_EQ(banco().valor(QStringLiteral("SELECT ANTES FROM LOG ORDER BY ID_LOG DESC")).toString(),
              QStringLiteral("Relatório de Ponto (ANA) (De: 01/11/2026 Até: 31/12/2026\rTipo:"));

    // only the totals: no day blocks, no column heads
    t.chkTotalizadores->setChecked(true);
    t.chkCompleto->setChecked(true);
    const std::optional<Relatorio> totais = imprimir(t);
    ASSERT_TRUE(totais);
    EXPECT_FALSE(linhas(*totais).join(QLatin1Char('\n')).contains(QStringLiteral("ENTRADA")));
    EXPECT_TRUE(linhas(*totais).contains(QStringLiteral("|Tempo Total de Atrasos: 00:40:00|")));
    EXPECT_TRUE(linhas(*totais).contains(QStringLiteral("|Total de Horas Trabalhadas: 16:00:00|")));
    for (const Relatorio::Coluna &c : totais->colunas())
        EXPECT_TRUE(c.titulo.isEmpty());
    EXPECT_EQ(banco().valor(QStringLiteral("SELECT ANTES FROM LOG ORDER BY ID_LOG DESC")).toString(),
              QStringLiteral("Relatório de Ponto (ANA) (De: 01/11/2026 Até: 31/12/2026\rTipo:Apenas Totalizadores e "
                             "Completo"));
    EXPECT_EQ(textoLog(QStringLiteral("X"), {QDate(2026, 1, 1), QDate(2026, 1, 2), false, true}),
              QStringLiteral("Relatório de Ponto (X) (De: 01/01/2026 Até: 02/01/2026\rTipo:Completo"));
}

TEST_F(RelPonto, UmPdf)
{
    diaExemplo(QDate(2026, 12, 9));
    if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
        GTEST_FAIL() << "pdftotext (poppler-utils) não instalado: rode scripts/install-deps";
    const Opcoes o{QDate(2026, 12, 1), QDate(2026, 12, 31), false, false};
    const Relatorio rel = relatorio(ler(ana, o.de, o.ate), o, Ponto::tolerancias());
    const QString arquivo = pasta() + QStringLiteral("/ponto.pdf");
    RelatorioPintura::gravarPdf(rel, arquivo);
    const QString texto = executar(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), arquivo, QStringLiteral("-")});
    for (const char *t : {"POUSADA SOL", "Relatório de Ponto", "HORÁRIOS DE MARCAÇÃO", "Quarta-Feira", "03:40:00",
                          "07:40:00", "Saldo de Horas", "- 00:20:00", ">>TOTAL<<"})
        EXPECT_TRUE(texto.contains(QString::fromUtf8(t))) << t;
}
