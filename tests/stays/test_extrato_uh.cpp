// The room statement: stays closed in the period and open stays, room by
// room, their lines, the room footers and the grand total with the counter
// sales, read from the document model; one PDF read back.
#include "base/RelatorioPintura.h"
#include "base/Telas.h"
#include "stays/ExtratoUH.h"
#include "stays/UnitRelExtratoUH.h"
#include "support/TelasTeste.h"

#include <QDateEdit>
#include <QGroupBox>
#include <QProcess>
#include <QStandardPaths>

namespace {

using TB = Relatorio::TipoBanda;
using ExtratoUH::Valor4;

class ExtratoUH_ : public TelasTeste {
protected:
    const QDate de{2026, 12, 1}, ate{2026, 12, 10};

    qint64 uh(const QString &numero)
    {
        return banco()
            .valor(QStringLiteral("INSERT INTO UH (NUMERO, DESCRICAO, SITUACAO) VALUES (?, ?, 'L') RETURNING ID_UH"),
                   {numero, QStringLiteral("UH ") + numero})
            .toLongLong();
    }
    qint64 cliente(const QString &nome)
    {
        return banco()
            .valor(QStringLiteral("INSERT INTO CLIENTE (NOME, TIPO_PESSOA, EXCLUIDO) VALUES (?, 'F', 'N') "
                                  "RETURNING ID_CLIENTE"),
                   {nome})
            .toLongLong();
    }
    // A stay; `pagos` in cents over DINHEIRO, VISA, ..., NOTA (in the order of the footers).
    qint64 estadia(qint64 idUH, const QString &nome, const QDate &entrada, const QDate &saida, bool fechada,
                   const QList<qint64> &pagos = {}, qint64 adiantado = 0, const char *excluido = "N")
    {
        const auto &cols = ExtratoUH::colunasMeios();
        QString c, v;
        Valores vals{idUH, cliente(nome), entrada, QTime(14, 0), saida, QTime(12, 0), QString::fromLatin1(fechada ? "S" : "N"),
                     QString::fromLatin1(excluido), Dinheiro::deCentavos(adiantado).paraBanco()};
        for (int i = 0; i < pagos.size(); ++i) {
            c += QStringLiteral(", ") + cols[i];
            v += QStringLiteral(", ?");
            vals << Dinheiro::deCentavos(pagos[i]).paraBanco();
        }
        return banco()
            .valor(QStringLiteral("INSERT INTO WALK_IN (ID_UH, ID_CLIENTE, DATA_ENTRADA, HORA_ENTRADA, DATA_SAIDA, "
                                  "HORA_SAIDA, BAIXA, EXCLUIDO, ADIANTADO, QTD_ADULTOS, USUARIO%1) VALUES "
                                  "(?, ?, ?, ?, ?, ?, ?, ?, ?, 2, 'ANA'%2) RETURNING ID_WALK_IN")
                       .arg(c, v),
                   vals)
            .toLongLong();
    }
    void noite(qint64 id, const QDate &d, qint64 valor, int qtd = 2)
    {
        banco().executar(QStringLiteral("INSERT INTO OCUPACAO (ID_ENTRADA, DATA, VALOR, QTD) VALUES (?, ?, ?, ?)"),
                         {id, d, Dinheiro::deCentavos(valor).paraBanco(), qtd});
    }
    void consumo(qint64 id, int qtd, qint64 unit, const char *taxa, const QDate &d, const QTime &h = QTime(20, 0))
    {
        if (m_produto == 0)
            m_produto = banco()
                            .valor(QStringLiteral("INSERT INTO PRODUTOS_SERVICOS (ID_PDV, DESCRICAO, VALOR, ESTOQUE, "
                                                  "MINIMO, FAB_PROPRIA, EXCLUIDO) VALUES (1, 'ÁGUA MINERAL', 5, 10, 0, "
                                                  "'N', 'N') RETURNING ID_P_S"))
                            .toLongLong();
        banco().executar(QStringLiteral("INSERT INTO DESPESA_UH (ID_ENTRADA, ID_P_S, QTD, VALOR_UNIT, TAXA, DATA, "
                                        "HORA, USUARIO, COMANDA) VALUES (?, ?, ?, ?, ?, ?, ?, 'BIA', 7)"),
                         {id, m_produto, qtd, Dinheiro::deCentavos(unit).paraBanco(), QString::fromLatin1(taxa), d, h});
    }
    qint64 m_produto = 0;
    static QString valor(const QList<QPair<QString, QString>> &l, const QString &rotulo)
    {
        for (const auto &p : l)
            if (p.first == rotulo)
                return p.second;
        return QStringLiteral("(sem linha)");
    }
    static QStringList textos(const Relatorio &rel)
    {
        QStringList r;
        for (const Relatorio::Banda &b : rel.bandas())
            if (b.tipo == TB::Texto || b.tipo == TB::CabecalhoGrupo)
                r << b.texto;
            else if (b.tipo == TB::Resumo)
                r << b.texto + QLatin1Char(' ') + b.celulas.value(0).texto;
        return r;
    }
};

} // namespace

TEST_F(ExtratoUH_, ValorDaLinhaComTaxaEmQuatroCasasArredondadoSoNoTotal)
{
    const struct {
        qint64 qtd, unit, taxa;   // cents, hundredths of a percent
        qint64 quatroCasas;       // ten-thousandths of a real
    } casos[] = {
        {3, 1000, 1000, 330000},  // 3 x 10,00 at 10 % = 33,00
        {1, 5, 1000, 550},        // 1 x 0,05 at 10 % = 0,055
        {2, 1999, 0, 399800},
        {1, 1, 1234, 112},        // 0,01 x 1,1234 = 0,011234 -> 0,0112
        {-1, 500, 1000, -55000},  // a returned item
    };
    for (const auto &c : casos) {
        SCOPED_TRACE(c.quatroCasas);
        EXPECT_EQ(ExtratoUH::valorLinha(c.qtd, Dinheiro::deCentavos(c.unit), c.taxa).v, c.quatroCasas);
    }
    // Two lines of 0,055 make 0,11 (each rounded first would give 0,12).
    EXPECT_EQ((Valor4{550} + Valor4{550}).dinheiro(), Dinheiro::deCentavos(11));
    EXPECT_EQ(Valor4{550}.dinheiro(), Dinheiro::deCentavos(6));
    EXPECT_EQ(Valor4{-550}.dinheiro(), Dinheiro::deCentavos(-6));
}

TEST_F(ExtratoUH_, EstadiasFechadasEAbertasPorUHComRodapesETotalGeral)
{
    const qint64 u101 = uh(QStringLiteral("101"));
    const qint64 u102 = uh(QStringLiteral("102"));
    // 101: closed in the period, paid 300,00 (200 cash + 100 Visa) with 50,00 of consumption
    const qint64 a = estadia(u101, QStringLiteral("ANA D'ÁVILA"), QDate(2026, 12, 2), QDate(2026, 12, 5), true,
                             {20000, 10000});
    noite(a, QDate(2026, 12, 2), 12500);
    noite(a, QDate(2026, 12, 3), 12500, 3);
    consumo(a, 5, 1000, "0", QDate(2026, 12, 3));
    // 101: closed the day before the period: left out
    const qint64 b = estadia(u101, QStringLiteral("FORA"), QDate(2026, 11, 28), QDate(2026, 11, 30), true, {99900});
    noite(b, QDate(2026, 11, 28), 99900);
    // 101: cancelled: left out
    estadia(u101, QStringLiteral("CANCELADA"), QDate(2026, 12, 3), QDate(2026, 12, 4), true, {5000}, 0, "S");
    // 102: open since long ago with an advance; 3 x 10,00 at 10 % and two 0,05 at 10 %
    const qint64 c = estadia(u102, QStringLiteral("CAIO"), QDate(2025, 1, 10), QDate(2026, 12, 20), false,
                             {0, 0, 0, 0, 0, 0, 4000}, 4000);
    noite(c, QDate(2026, 12, 9), 10000, 1);
    consumo(c, 3, 1000, "10", QDate(2026, 12, 9), QTime(9, 0));
    consumo(c, 1, 5, "10", QDate(2026, 12, 9), QTime(21, 0));
    consumo(c, 1, 5, "10", QDate(2026, 12, 9), QTime(22, 0));
    // 102: closed in the period without any night charged, paid 80,00 on account
    const qint64 d = estadia(u102, QStringLiteral("DORA"), QDate(2026, 12, 9), QDate(2026, 12, 10), true,
                             {0, 0, 0, 0, 0, 0, 0, 8000});

    const ExtratoUH::Extrato e = ExtratoUH::ler(banco(), de, ate);
    ASSERT_EQ(e.quartos.size(), 2);
    EXPECT_EQ(e.quartos[0].numero, "101");
    ASSERT_EQ(e.quartos[0].estadias.size(), 1);
    EXPECT_EQ(e.quartos[0].estadias[0].id, a);
    ASSERT_EQ(e.quartos[1].estadias.size(), 2);
    EXPECT_EQ(e.quartos[1].estadias[0].id, c);   // by entry
    EXPECT_EQ(e.quartos[1].estadias[1].id, d);

    // the stay's lines: its nights first, then the consumption by time
    QStringList linhas;
    for (const ExtratoUH::LinhaDespesa &l : e.quartos[1].estadias[0].linhas)
        linhas << QStringLiteral("%1|%2|%3|%4|%5").arg(l.descricao).arg(l.qtd).arg(l.unitario.formatado(),
                                                                                     l.subtotal.dinheiro().formatado(),
                                                                                     l.usuario);
    EXPECT_EQ(linhas, (QStringList{"DIÁRIA (1 HÓSPEDE(S))|1|100,00|0,00|SISTEMA", "ÁGUA MINERAL|3|10,00|33,00|BIA",
                                   "ÁGUA MINERAL|1|0,05|0,06|BIA", "ÁGUA MINERAL|1|0,05|0,06|BIA"}))
;

    const auto r101 = ExtratoUH::linhasTotais(e.quartos[0].totais);
    const struct {
        const char *rotulo;
        const char *uh101, *uh102;
    } rodapes[] = {
        {"Qtd. de Hospedagens Fechadas: ", "1", "1"},
        {"Qtd. de Diárias Fechadas: ", "2", "0"},
        {"Diárias Pagas de Hospedagens Fechadas: R$ ", "250,00", "80,00"},
        {"Consumos Pagos de Hospedagens Fechadas: R$ ", "50,00", "0,00"},
        {"Entrada em Dinheiro: R$ ", "200,00", "0,00"},
        {"Entrada em Cartão de Crédito - Visa: R$ ", "100,00", "0,00"},
        {"Entrada em Pix / Chq: R$ ", "0,00", "40,00"},
        {"Entrada em A Prazo: R$ ", "0,00", "80,00"},
        {"Pagamentos Adiantados: R$ ", "0,00", "40,00"},
    };
    const auto r102 = ExtratoUH::linhasTotais(e.quartos[1].totais);
    for (const auto &x : rodapes) {
        SCOPED_TRACE(x.rotulo);
        EXPECT_EQ(valor(r101, QString::fromUtf8(x.rotulo)), QString::fromUtf8(x.uh101));
        EXPECT_EQ(valor(r102, QString::fromUtf8(x.rotulo)), QString::fromUtf8(x.uh102));
    }
    // the open stay's consumption (33,11) is no closed stay's: it adds nothing
    // to the closed figures
    EXPECT_EQ(e.quartos[1].estadias[0].consumo().dinheiro(), Dinheiro::deCentavos(3311));

    const auto geral = ExtratoUH::linhasTotalGeral(e);
    EXPECT_EQ(valor(geral, QStringLiteral("Qtd. de Hospedagens Fechadas: ")), "2");
    EXPECT_EQ(valor(geral, QStringLiteral("Diárias Pagas de Hospedagens Fechadas: R$ ")), "330,00");
    EXPECT_EQ(valor(geral, QStringLiteral("Valor das Despesas Avulsas Pagas: R$ ")), "0,00");
    EXPECT_EQ(valor(geral, QStringLiteral("Valor dos Pagamentos Adiantados: R$ ")), "40,00");

    // The printed model: room captions, stay blocks, footers, the summary.
    const Relatorio rel = ExtratoUH::relatorio(e);
    const QStringList t = textos(rel);
    EXPECT_TRUE(t.contains("UH: 101"));
    EXPECT_TRUE(t.contains(QStringLiteral(">>TOTAL<<                    --- UH 102 ---")));
    EXPECT_TRUE(t.contains(QStringLiteral("Diárias Pagas de Hospedagens Fechadas: R$ 250,00")));
    EXPECT_TRUE(t.contains(QStringLiteral(">>TOTAL GERAL<< ")));
    EXPECT_TRUE(t.contains(QStringLiteral("Entrada em A Prazo: R$ 80,00")));
    // an open stay's expected exit is not printed
    const QString bloco = t.filter(QStringLiteral("Status Atual: Em Aberto")).value(0);
    EXPECT_TRUE(bloco.contains(QStringLiteral("Saída:       "))) << bloco.toStdString();
    EXPECT_FALSE(bloco.contains(QStringLiteral("20/12/2026")));
    EXPECT_FALSE(t.join(QLatin1Char('\n')).contains(QStringLiteral("FORA")));
}

TEST_F(ExtratoUH_, DespesasAvulsasPelosMeiosUmaEVariasItensFuncionarioNaoSoma)
{
    // single-item sale: 2 x 5,00 paid 10,00 in cash
    banco().executar(QStringLiteral("INSERT INTO DESPESA_AVULSA (ID_P_S, QTD, VALOR_UNIT, DATA, DINHEIRO) "
                                    "VALUES (1, 2, 5, ?, 10)"),
                     {QDate(2026, 12, 5)});
    // an employee's purchase: no means
    banco().executar(QStringLiteral("INSERT INTO DESPESA_AVULSA (ID_P_S, QTD, VALOR_UNIT, DATA, ID_FUNCIONARIO) "
                                    "VALUES (1, 3, 5, ?, 4)"),
                     {QDate(2026, 12, 5)});
    // several-item sale paid 30,00 Visa debit + 12,50 Pix, with a discount on its items
    const qint64 v = banco()
                         .valor(QStringLiteral("INSERT INTO V_DESPESA_AVULSA (DATA, DEBVISA, CHEQUE, DESCONTO) "
                                               "VALUES (?, 30, 12.5, 7.5) RETURNING ID_V_DESPESA_AVULSA"),
                                {QDate(2026, 12, 10)})
                         .toLongLong();
    banco().executar(QStringLiteral("INSERT INTO V_I_DESPESA_AVULSA (ID_V_DESPESA_AVULSA, ID_P_S, QTD, VALOR_UNIT) "
                                    "VALUES (?, 1, 5, 10)"),
                     {v});
    // outside the period
    banco().executar(QStringLiteral("INSERT INTO V_DESPESA_AVULSA (DATA, DINHEIRO) VALUES (?, 500)"),
                     {QDate(2026, 12, 11)});

    const ExtratoUH::Extrato e = ExtratoUH::ler(banco(), de, ate);
    EXPECT_TRUE(e.quartos.isEmpty());
    EXPECT_FALSE(e.vazio());
    const auto geral = ExtratoUH::linhasTotalGeral(e);
    EXPECT_EQ(valor(geral, QStringLiteral("Valor das Despesas Avulsas Pagas: R$ ")), "52,50");
    EXPECT_EQ(valor(geral, QStringLiteral("Entrada em Dinheiro: R$ ")), "10,00");
    EXPECT_EQ(valor(geral, QStringLiteral("Entrada em Cartão de Débito - Visa: R$ ")), "30,00");
    EXPECT_EQ(valor(geral, QStringLiteral("Entrada em Pix / Chq: R$ ")), "12,50");
    EXPECT_EQ(valor(geral, QStringLiteral("Entrada em A Prazo: R$ ")), "0,00");
    // counter sales alone still print
    EXPECT_FALSE(ExtratoUH::relatorio(e).vazio());
}

TEST_F(ExtratoUH_, TelaPeriodoDireitoVazioInvertidoEPaginasQueConcordam)
{
    // an empty period: the message, no preview, no log
    TFrmRelExtratoUH f;
    EXPECT_EQ(f.edtData1->date(), QDate(2026, 12, 10));
    EXPECT_TRUE(f.grpOpcoes->isEnabled());
    bool previa = false;
    Telas::interceptar<TFrmVisualizaRelatorio>([&](TFrmVisualizaRelatorio *) {
        previa = true;
        return int(QDialog::Rejected);
    });
    msg->esperar(QStringLiteral("Nenhum Registro Encontrado!"));
    f.btnImprimirClick();
    // the start after the end: said, nothing read
    f.edtData1->setDate(QDate(2026, 12, 11));
    msg->esperar(QStringLiteral("Período Inválido! A data inicial (De) não pode ser posterior à data final (Até)."));
    f.btnImprimirClick();
    EXPECT_EQ(msg->pendentes(), 0);
    EXPECT_FALSE(previa);
    EXPECT_EQ(logs(), QStringList());

    // A user without MOVIMENTOS prints today only.
    Sessao::atual().direitos.MOVIMENTOS = false;
    TFrmRelExtratoUH sem;
    EXPECT_FALSE(sem.grpOpcoes->isEnabled());
    Sessao::atual().direitos.MOVIMENTOS = true;

    // One room with forty stays spans pages; the report built twice gives the
    // same totals, and the PDF prints them.
    parametro(QStringLiteral("IMPRESSAOCOMPRIMENTO"), QStringLiteral("150"));
    const qint64 u = uh(QStringLiteral("201"));
    for (int i = 0; i < 40; ++i) {
        const qint64 id = estadia(u, QStringLiteral("HÓSPEDE %1").arg(i), QDate(2026, 12, 1), QDate(2026, 12, 2),
                                  true, {12345});
        noite(id, QDate(2026, 12, 1), 10000);
        consumo(id, 1, 2345, "0", QDate(2026, 12, 1));
    }
    f.edtData1->setDate(de);
    f.edtData2->setDate(ate);
    QList<QStringList> vistos;
    int paginas = 0;
    Telas::interceptar<TFrmVisualizaRelatorio>([&](TFrmVisualizaRelatorio *v) {
        vistos << textos(v->relatorio());
        paginas = int(v->relatorio().paginas().size());
        return int(QDialog::Rejected);
    });
    f.btnImprimirClick();
    f.btnImprimirClick();
    ASSERT_EQ(vistos.size(), 2);
    EXPECT_EQ(vistos[0], vistos[1]);
    EXPECT_GT(paginas, 2);
    EXPECT_TRUE(vistos[0].contains(QStringLiteral("Diárias Pagas de Hospedagens Fechadas: R$ 4.000,00")));
    EXPECT_TRUE(vistos[0].contains(QStringLiteral("Consumos Pagos de Hospedagens Fechadas: R$ 938,00")));
    EXPECT_EQ(logs(), (QStringList{"ADMIN|Impressão de Relatório", "ADMIN|Impressão de Relatório"}));
    EXPECT_EQ(contar(QStringLiteral("SELECT COUNT(*) FROM LOG WHERE ANTES = ?"),
                     {QStringLiteral("Relatório de Extrato de UH (De:01/12/2026 Até: 10/12/2026)")}),
              2);

    if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
        GTEST_FAIL() << "pdftotext (poppler-utils) não instalado: rode scripts/install-deps";
    const Relatorio rel = ExtratoUH::relatorio(ExtratoUH::ler(banco(), de, ate));
    const QString pdf = pasta() + QStringLiteral("/extrato-uh.pdf");
    RelatorioPintura::gravarPdf(rel, pdf);
    QProcess p;
    p.start(QStandardPaths::findExecutable(QStringLiteral("pdftotext")), {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
    p.waitForFinished(60000);
    const QString texto = QString::fromUtf8(p.readAllStandardOutput());
    for (const char *esperado : {"Extrato de UH", "(De: 01/12/2026", "UH: 201 (continuação)",
                                 ">>TOTAL GERAL<<", "4.000,00", "938,00", "Detalhamento das Despesas"})
        EXPECT_TRUE(texto.contains(QString::fromUtf8(esperado))) << esperado << "\n" << texto.left(3000).toStdString();
}
