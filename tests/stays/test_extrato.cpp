// The account statement: its lines and totals in cents (consumption with the
// service fee, nights with their persons, discount and addition), the
// pre-statement of an open stay, the motel stay priced for display only, the
// small receipt, ranges and their refusal, the hidden print of other screens,
// the entry and conference papers, and one statement rendered as a PDF.
#include "base/Relogio.h"
#include "base/RelatorioPintura.h"
#include "base/Telas.h"
#include "core/UnitSMS.h"
#include "stays/UnitRelExtratoConta.h"
#include "support/DigitacoesRoteiro.h"
#include "support/TelasTeste.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QStandardPaths>

namespace {

const QDateTime kAgora(QDate(2026, 3, 12), QTime(15, 30, 0));

Dinheiro reais(const char *t) { return Dinheiro::deTextoOuErro(QString::fromUtf8(t)); }
QString u8(const char *t) { return QString::fromUtf8(t); }

struct Estadia {
    qint64 id = 12;
    bool fechada = true;
    int pessoas = 2;
    const char *desconto = "5,00";
    const char *acrescimo = "2,50";
};

class Extrato : public TelasTeste {
protected:
    void SetUp() override
    {
        TelasTeste::SetUp();
        Relogio::definir(kAgora);
        ConexaoBanco &b = banco();
        b.executar(QStringLiteral("UPDATE PARAMETROS SET NOME_FANTASIA = ?, CNPJ = ?, ENDERECO = ?, CIDADE = ?, UF = ?, "
                                  "FONE1 = ?, FONE2 = ?, EMAIL = ?"),
                   {u8("POUSADA D'ÁVILA"), QStringLiteral("12.345.678/0001-95"), QStringLiteral("RUA DAS FLORES, 10"),
                    QStringLiteral("OURO PRETO"), QStringLiteral("MG"), QStringLiteral("(31)3333-4444"),
                    QStringLiteral("(31)99999-0000"), QStringLiteral("contato@pousada.com.br")});
        tParametros().recarregar();
        m_tipo = b.valor(QStringLiteral("INSERT INTO TIPO_UH (DESCRICAO, ABREV, P1, P2, P3) "
                                        "VALUES ('LUXO', 'LX', 60, 15, 120) RETURNING ID_TIPO_UH"))
                     .toLongLong();
        m_uh = b.valor(QStringLiteral("INSERT INTO UH (ID_TIPO_UH, NUMERO) VALUES (?, '101') RETURNING ID_UH"), {m_tipo})
                   .toLongLong();
        b.executar(QStringLiteral("INSERT INTO CLIENTE (ID_CLIENTE, NOME, TIPO_PESSOA, CNPJ_CPF, CIDADE, ESTADO) "
                                  "VALUES (7, ?, 'F', '', 'MARIANA', 'MG')"),
                   {u8("JOÃO D'ÁVILA")});
        b.executar(QStringLiteral("INSERT INTO PDV (ID_PDV, DESCRICAO, TAXA) VALUES (50, 'BAR', 10)"));
        b.executar(QStringLiteral("INSERT INTO PRODUTOS_SERVICOS (ID_P_S, ID_PDV, DESCRICAO, VALOR, SIT_TRIBUT) "
                                  "VALUES (501, 50, 'CERVEJA LONG NECK', 10, '17')"));
        b.executar(QStringLiteral("INSERT INTO PRODUTOS_SERVICOS (ID_P_S, ID_PDV, DESCRICAO, VALOR, SIT_TRIBUT) "
                                  "VALUES (502, 50, ?, 3.33, 'FF')"),
                   {u8("ÁGUA MINERAL")});
        Telas::interceptar<TFrmVisualizaRelatorio>([this](TFrmVisualizaRelatorio *t) {
            previas << t->relatorio();
            return int(QDialog::Accepted);
        });
        ExtratoConta::imprimirDireto = [this](const Relatorio &r) { impressos << r; };
    }
    void TearDown() override
    {
        ExtratoConta::imprimirDireto = nullptr;
        TelasTeste::TearDown();
    }

    // A stay of room 101 for customer 7 from 09/03 14:00, closed 12/03 11:45.
    qint64 estadia(const Estadia &e)
    {
        banco().executar(
            QStringLiteral("INSERT INTO WALK_IN (ID_WALK_IN, ID_RESERVA, DATA_ENTRADA, HORA_ENTRADA, DATA_SAIDA, HORA_SAIDA, "
                           "ID_CLIENTE, ID_UH, QTD_ADULTOS, VALOR_DIARIA, BAIXA, DESCONTO, ACRESCIMO, DINHEIRO, OBS, "
                           "USUARIO_ENTRADA, USUARIO) VALUES (?, 3, ?, ?, ?, ?, 7, ?, ?, 150, ?, ?, ?, 300, ?, 'ANA', ?)"),
            {e.id, QDate(2026, 3, 9), QTime(14, 0), QDate(2026, 3, 12), QTime(11, 45), m_uh, e.pessoas,
             e.fechada ? QStringLiteral("S") : QStringLiteral("N"), reais(e.desconto).paraBanco(),
             reais(e.acrescimo).paraBanco(), QStringLiteral("CHEGA\r\nTARDE"),
             e.fechada ? QVariant(QStringLiteral("BIA")) : QVariant()});
        banco().executar(QStringLiteral("INSERT INTO HOSPEDE (NOME, ID_ENTRADA) VALUES (?, ?)"), {u8("JOÃO D'ÁVILA"), e.id});
        banco().executar(QStringLiteral("INSERT INTO HOSPEDE (NOME, ID_ENTRADA) VALUES ('MARIA SILVA', ?)"), {e.id});
        return e.id;
    }
    void noite(qint64 id, const QDate &d, const char *valor, int pessoas)
    {
        banco().executar(QStringLiteral("INSERT INTO OCUPACAO (ID_ENTRADA, DATA, VALOR, QTD) VALUES (?, ?, ?, ?)"),
                         {id, d, reais(valor).paraBanco(), pessoas});
    }
    void consumo(qint64 id, qint64 produto, int qtd, const char *unit, const char *taxa, const QDate &d,
                 const QTime &h, const char *diaria = "N")
    {
        banco().executar(QStringLiteral("INSERT INTO DESPESA_UH (ID_ENTRADA, ID_P_S, QTD, VALOR_UNIT, TAXA, DATA, HORA, "
                                        "COMANDA, DIARIA) VALUES (?, ?, ?, ?, ?, ?, ?, 0, ?)"),
                         {id, produto, qtd, reais(unit).paraBanco(), reais(taxa).paraBanco(), d, h,
                          QString::fromLatin1(diaria)});
    }
    // The usual stay: two nights for two, beer 2 × 10,00 at 10 %, water 3 × 3,33 at 10 %.
    qint64 estadiaComLinhas(const Estadia &e = {})
    {
        const qint64 id = estadia(e);
        noite(id, QDate(2026, 3, 9), "150,00", 2);
        noite(id, QDate(2026, 3, 10), "150,00", 2);
        consumo(id, 501, 2, "10,00", "10,00", QDate(2026, 3, 9), QTime(20, 15));
        consumo(id, 502, 3, "3,33", "10,00", QDate(2026, 3, 10), QTime(9, 5));
        return id;
    }

    // Cells of the detail lines, per column.
    static QList<QList<Relatorio::Celula>> detalhes(const Relatorio &r)
    {
        QList<QList<Relatorio::Celula>> l;
        for (const Relatorio::Banda &b : r.bandas())
            if (b.tipo == Relatorio::TipoBanda::Detalhe)
                l << b.celulas;
        return l;
    }
    // The title band of the body: its row above the titles, then the titles.
    static QStringList titulos(const Relatorio &r)
    {
        for (const Relatorio::Banda &b : r.bandas()) {
            if (b.tipo != Relatorio::TipoBanda::TitulosColunas)
                continue;
            QStringList l{b.texto};
            for (const Relatorio::Celula &c : b.celulas)
                l << c.texto;
            return l;
        }
        return {};
    }
    static QStringList textos(const Relatorio &r)
    {
        QStringList l;
        for (const Relatorio::Banda &b : r.bandas())
            if (b.tipo == Relatorio::TipoBanda::Texto)
                l << b.texto;
        return l;
    }
    // Summary label -> printed value.
    static QMap<QString, QString> resumo(const Relatorio &r)
    {
        QMap<QString, QString> m;
        for (const Relatorio::Banda &b : r.bandas())
            if (b.tipo == Relatorio::TipoBanda::Resumo || b.tipo == Relatorio::TipoBanda::TotalGeral)
                m[b.texto] = b.celulas.isEmpty() ? QString() : b.celulas.constLast().texto;
        return m;
    }
    QStringList logsExtrato()
    {
        QStringList l;
        for (const Linha &r : banco().lerTodas(QStringLiteral("SELECT OPERACAO, ANTES FROM LOG ORDER BY ID_LOG")))
            l << r.texto(QStringLiteral("OPERACAO")) + QLatin1Char('|') + r.texto(QStringLiteral("ANTES"));
        return l;
    }

    qint64 m_tipo = 0;
    qint64 m_uh = 0;
    QList<Relatorio> previas;
    QList<Relatorio> impressos;
};

} // namespace

TEST_F(Extrato, LinhasTotaisEResumoEmCentavos)
{
    const qint64 id = estadiaComLinhas();
    // A night charged as consumption stays a line of the stay after printing.
    consumo(id, 1, 1, "150,00", "0,00", QDate(2026, 3, 11), QTime(12, 0), "S");
    const qint64 linhasAntes = contar(QStringLiteral("SELECT COUNT(*) FROM DESPESA_UH WHERE ID_ENTRADA = ?"), {id});

    ExtratoConta::imprimirOculto(id, false);
    ASSERT_EQ(previas.size(), 1);
    const Relatorio &r = previas.first();
    EXPECT_EQ(r.titulo(), QStringLiteral("Extrato de Conta"));

    // Lines by date and time: night, beer, night, water, night as consumption.
    const QList<QList<Relatorio::Celula>> l = detalhes(r);
    ASSERT_EQ(l.size(), 5);
    struct Esperada {
        const char *data, *descricao, *qtd, *unit, *taxa, *total;
    } esperadas[] = {
        {"09/03/2026", "DIÁRIA (2 HÓSPEDE(S))", "1", "150,00", "0,00", "150,00"},
        {"09/03/2026", "CERVEJA LONG NECK", "2", "10,00", "10,00", "22,00"},
        {"10/03/2026", "DIÁRIA (2 HÓSPEDE(S))", "1", "150,00", "0,00", "150,00"},
        // 9,99 plus 0,999 of fee rounded to the cent
        {"10/03/2026", "ÁGUA MINERAL", "3", "3,33", "10,00", "10,99"},
        {"11/03/2026", "DIARIA", "1", "150,00", "0,00", "150,00"},
    };
    Dinheiro soma;
    for (int i = 0; i < 5; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(l[i][0].texto, u8(esperadas[i].data));
        EXPECT_EQ(l[i][1].texto, u8(esperadas[i].descricao));
        EXPECT_EQ(l[i][3].texto, u8(esperadas[i].qtd));
        EXPECT_EQ(l[i][4].texto, u8(esperadas[i].unit));
        EXPECT_EQ(l[i][5].texto, u8(esperadas[i].taxa));
        EXPECT_EQ(l[i][6].texto, u8(esperadas[i].total));
        soma += *l[i][6].dinheiro;
    }
    // The printed subtotal is the sum of the printed lines.
    const QMap<QString, QString> s = resumo(r);
    EXPECT_EQ(s.value(QStringLiteral("SUBTOTAL R$")), soma.formatado());
    EXPECT_EQ(s.value(QStringLiteral("SUBTOTAL R$")), QStringLiteral("482,99"));
    EXPECT_EQ(s.value(QStringLiteral("(-) Descontos R$")), QStringLiteral("5,00"));
    EXPECT_EQ(s.value(QStringLiteral("(+) Acréscimos R$")), QStringLiteral("2,50"));
    EXPECT_EQ(s.value(QStringLiteral("VALOR TOTAL R$")), QStringLiteral("480,49"));
    EXPECT_EQ(s.value(QStringLiteral("Diárias: R$")), QStringLiteral("450,00"));
    EXPECT_EQ(s.value(QStringLiteral("Despesas e Consumos: R$")), QStringLiteral("32,99"));
    EXPECT_EQ(s.value(QStringLiteral("Valor Total Dividido pela Quantidade de Pessoas: R$")), QStringLiteral("240,25"));
    EXPECT_EQ(s.value(QStringLiteral("Dinheiro: R$")), QStringLiteral("300,00"));
    EXPECT_EQ(s.value(QStringLiteral("Entrada Realizada por:")), QStringLiteral("ANA"));
    EXPECT_EQ(s.value(QStringLiteral("Fechamento Realizado por:")), QStringLiteral("BIA"));

    // The column titles are the frame's title band, once, between the
    // customer's block and the first line; the page opens with the blocks.
    EXPECT_EQ(titulos(r), QStringList({QString(), QStringLiteral("Data"), u8("Descrição"), QStringLiteral("Comanda"),
                                       QStringLiteral("Quantidade"), QStringLiteral("Valor Unit. R$"),
                                       QStringLiteral("Taxa Serv.(%)"), QStringLiteral("Valor Total R$")}));
    const QList<Relatorio::Banda> bandas = r.bandas();
    qsizetype iTitulos = -1;
    for (qsizetype i = 0; i < bandas.size(); ++i)
        if (bandas[i].tipo == Relatorio::TipoBanda::TitulosColunas)
            iTitulos = i;
    ASSERT_GE(iTitulos, 2);
    EXPECT_TRUE(bandas[iTitulos - 2].texto.startsWith(u8("Observações.....:")));
    EXPECT_EQ(bandas[iTitulos + 1].tipo, Relatorio::TipoBanda::Detalhe);
    // The page header carries the title and the stay's number.
    const QList<Relatorio::Pagina> pags = r.paginas();
    ASSERT_GE(pags.size(), 1);
    EXPECT_EQ(pags[0].cabecalho.value(1), QStringLiteral("Extrato de Conta"));
    EXPECT_EQ(pags[0].cabecalho.value(2), QStringLiteral("(ENTRADA No. 12)"));
    EXPECT_EQ(pags[0].bandas[0].texto, u8("POUSADA D'ÁVILA"));

    const QStringList t = textos(r);
    EXPECT_TRUE(t.contains(u8("POUSADA D'ÁVILA"))) << t.join(QLatin1Char('\n')).toStdString();
    EXPECT_TRUE(t.contains(u8("Chegada: 09/03/2026  14:00:00     Partida: 12/03/2026  11:45:00     Reserva n.º 3     UH: 101")));
    EXPECT_TRUE(t.contains(u8("Cliente..............: 7 - JOÃO D'ÁVILA")));
    EXPECT_TRUE(t.contains(QStringLiteral("Observações: CHEGA TARDE")));
    EXPECT_TRUE(t.contains(u8("    JOÃO D'ÁVILA")));
    EXPECT_TRUE(t.contains(QStringLiteral("    MARIA SILVA")));

    // Printing reads only; one log row.
    EXPECT_EQ(contar(QStringLiteral("SELECT COUNT(*) FROM DESPESA_UH WHERE ID_ENTRADA = ?"), {id}), linhasAntes);
    EXPECT_EQ(logsExtrato(), QStringList{u8("Impressão de Relatório|Extrato de Conta (12)\rTipo:Saída")});
}

TEST_F(Extrato, ValorPorPessoaSoComUmaPessoaOuMais)
{
    struct Caso {
        int pessoas;
        const char *porPessoa; // nullptr: no line
    } casos[] = {{0, nullptr}, {-1, nullptr}, {1, "480,49"}, {3, "160,16"}};
    qint64 id = 20;
    for (const Caso &c : casos) {
        SCOPED_TRACE(c.pessoas);
        Estadia e;
        e.id = ++id;
        e.pessoas = c.pessoas;
        estadiaComLinhas(e);
        consumo(id, 1, 1, "150,00", "0,00", QDate(2026, 3, 11), QTime(12, 0), "S");
        previas.clear();
        ExtratoConta::imprimirOculto(id, false);
        ASSERT_EQ(previas.size(), 1);
        const QMap<QString, QString> s = resumo(previas.first());
        const QString rotulo = QStringLiteral("Valor Total Dividido pela Quantidade de Pessoas: R$");
        EXPECT_EQ(s.contains(rotulo), c.porPessoa != nullptr);
        if (c.porPessoa)
            EXPECT_EQ(s.value(rotulo), u8(c.porPessoa));
    }
}

TEST_F(Extrato, EstadiaAbertaTemPreExtratoComPartidaAgora)
{
    Estadia e;
    e.fechada = false;
    const qint64 id = estadiaComLinhas(e);
    ExtratoConta::imprimirOculto(id, false);
    ASSERT_EQ(previas.size(), 1);
    EXPECT_EQ(previas[0].titulo(), QStringLiteral("Pré-Extrato de Conta"));
    EXPECT_TRUE(textos(previas[0]).contains(
        u8("Chegada: 09/03/2026  14:00:00     Partida: 12/03/2026   15:30:00     Reserva n.º 3     UH: 101")));

    // The same stay after its check-out.
    banco().executar(QStringLiteral("UPDATE WALK_IN SET BAIXA = 'S', DATA_SAIDA = ?, HORA_SAIDA = ? WHERE ID_WALK_IN = ?"),
                     {QDate(2026, 3, 12), QTime(16, 10), id});
    ExtratoConta::imprimirOculto(id, false);
    ASSERT_EQ(previas.size(), 2);
    EXPECT_EQ(previas[1].titulo(), QStringLiteral("Extrato de Conta"));
    EXPECT_TRUE(textos(previas[1]).contains(
        u8("Chegada: 09/03/2026  14:00:00     Partida: 12/03/2026  16:10:00     Reserva n.º 3     UH: 101")));
}

TEST_F(Extrato, MotelAbertoEhRepreciadoSoNaTela)
{
    parametro(QStringLiteral("MODO_MOTEL"), QStringLiteral("S"));
    parametro(QStringLiteral("TEMPO_INICIAL"), QTime(2, 0));
    parametro(QStringLiteral("TOLERANCIA_SAIDA"), QTime(0, 15));
    // Arrived 12:00 at the initial period's rate P1 (60,00); at 15:30 it has
    // run 1 h 30 min past its two hours: two additional hours at P2 (15,00).
    banco().executar(QStringLiteral("INSERT INTO WALK_IN (ID_WALK_IN, DATA_ENTRADA, HORA_ENTRADA, ID_CLIENTE, ID_UH, "
                                    "QTD_ADULTOS, VALOR_DIARIA, BAIXA) VALUES (30, ?, '12:00:00', 1, ?, 1, 60, 'N')"),
                     {kAgora.date(), m_uh});
    noite(30, kAgora.date(), "60,00", 1);
    consumo(30, 501, 1, "10,00", "0,00", kAgora.date(), QTime(13, 0));

    ExtratoConta::imprimirOculto(30, false);
    ASSERT_EQ(previas.size(), 1);
    const QList<QList<Relatorio::Celula>> l = detalhes(previas[0]);
    ASSERT_EQ(l.size(), 2);
    EXPECT_EQ(l[0][1].texto, QStringLiteral("HOSPEDAGEM + ADICIONAL"));
    EXPECT_EQ(l[0][6].texto, QStringLiteral("90,00"));
    EXPECT_EQ(resumo(previas[0]).value(QStringLiteral("VALOR TOTAL R$")), QStringLiteral("100,00"));
    // Nothing written: the night row keeps its stored amount, however often it prints.
    ExtratoConta::imprimirOculto(30, false);
    const Linha o = banco().ler(QStringLiteral("SELECT VALOR, ADICIONAL FROM OCUPACAO WHERE ID_ENTRADA = 30"));
    EXPECT_EQ(o.dinheiro(QStringLiteral("VALOR")), reais("60,00"));
    EXPECT_NE(o.texto(QStringLiteral("ADICIONAL")), QStringLiteral("S"));

    // A closed motel stay prints its stored charge.
    banco().executar(QStringLiteral("UPDATE WALK_IN SET BAIXA = 'S', DATA_SAIDA = ?, HORA_SAIDA = '13:30:00' "
                                    "WHERE ID_WALK_IN = 30"),
                     {kAgora.date()});
    previas.clear();
    ExtratoConta::imprimirOculto(30, false);
    ASSERT_EQ(previas.size(), 1);
    EXPECT_EQ(detalhes(previas[0])[0][1].texto, QStringLiteral("HOSPEDAGEM"));
    EXPECT_EQ(detalhes(previas[0])[0][6].texto, QStringLiteral("60,00"));
}

TEST_F(Extrato, ComprovantePequenoNaTelaENaImpressora)
{
    parametro(QStringLiteral("COMPROVANTE_PEQ"), QStringLiteral("S"));
    const qint64 id = estadiaComLinhas();
    ExtratoConta::imprimirOculto(id, true);
    ASSERT_EQ(impressos.size(), 1);
    EXPECT_TRUE(previas.isEmpty());
    const Relatorio &r = impressos.first();
    // One page 62 mm wide at the left of the roll, as long as its lines.
    EXPECT_DOUBLE_EQ(r.tamanhoPagina().width(), ExtratoConta::kLarguraComprovante);
    EXPECT_EQ(r.margens(), QMarginsF(0, 10, 5, 0));
    const QList<Relatorio::Pagina> pags = r.paginas();
    ASSERT_EQ(pags.size(), 1);
    EXPECT_DOUBLE_EQ(r.tamanhoPagina().height(), pags[0].bandas.constLast().topo + pags[0].bandas.constLast().altura);
    // Its own header: the company's lines, the title and the stay.
    EXPECT_EQ(pags[0].cabecalho,
              QStringList({u8("POUSADA D'ÁVILA"), QStringLiteral("RUA DAS FLORES, 10"), QStringLiteral("OURO PRETO-MG"),
                           QStringLiteral("(31)3333-4444 / (31)99999-0000"), QStringLiteral("Email: contato@pousada.com.br"),
                           QStringLiteral("Extrato de Conta"), QStringLiteral("(ENTRADA No. 12)")}));
    EXPECT_EQ(textos(r), QStringList({QStringLiteral("UH: 101"), QStringLiteral("Chegada: 09/03/2026  14:00:00"),
                                      QStringLiteral("Partida: 12/03/2026  11:45:00"), u8("Cliente: 7 - JOÃO D'ÁVILA")}));
    EXPECT_EQ(titulos(r), QStringList({u8("Descrição"), QStringLiteral("Quantidade"), QStringLiteral("Valor Unit. R$"),
                                       QStringLiteral("Valor Total R$")}));
    // Each line's description on its own row, its figures under it.
    QStringList linhas;
    for (const Relatorio::Banda &b : r.bandas())
        if (b.tipo == Relatorio::TipoBanda::Detalhe)
            linhas << b.texto + QLatin1Char('|') + b.celulas[0].texto + QLatin1Char('|') + b.celulas[1].texto
                          + QLatin1Char('|') + b.celulas[2].texto;
    EXPECT_EQ(linhas, QStringList({u8("DIÁRIA (2 HÓSPEDE(S))|1|150,00|150,00"), QStringLiteral("CERVEJA LONG NECK|2|10,00|22,00"),
                                   u8("DIÁRIA (2 HÓSPEDE(S))|1|150,00|150,00"), u8("ÁGUA MINERAL|3|3,33|10,99")}));
    // The totals as label and value.
    const QMap<QString, QString> s = resumo(r);
    EXPECT_EQ(s.value(QStringLiteral("SUBTOTAL R$")), QStringLiteral("332,99"));
    EXPECT_EQ(s.value(QStringLiteral("(-) Desconto R$")), QStringLiteral("5,00"));
    EXPECT_EQ(s.value(u8("(+) Acréscimo R$")), QStringLiteral("2,50"));
    EXPECT_EQ(s.value(QStringLiteral("VALOR TOTAL R$")), QStringLiteral("330,49"));
    EXPECT_EQ(r.bandas().constLast().texto, QStringLiteral("***  DOCUMENTO SEM VALOR FISCAL  ***"));

    // "Tela" previews the same receipt.
    ExtratoConta::imprimirOculto(id, false);
    ASSERT_EQ(previas.size(), 1);
    EXPECT_DOUBLE_EQ(previas.first().tamanhoPagina().width(), ExtratoConta::kLarguraComprovante);
}

TEST_F(Extrato, ComprovantePequenoEmPdfCabeNaColuna)
{
    if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
        GTEST_FAIL() << "pdftotext (poppler-utils) não instalado: rode scripts/install-deps";
    Estadia e;
    e.fechada = false;
    const qint64 id = estadiaComLinhas(e);
    const auto x = ExtratoConta::montar(DM->Conexao, id, QString(), kAgora);
    ASSERT_TRUE(x.has_value());
    const Relatorio rel = ExtratoConta::relatorioComprovante(*x);
    const QString arquivo = pasta() + QStringLiteral("/comprovante.pdf");
    RelatorioPintura::gravarPdf(rel, arquivo);
    auto executar = [](const QString &programa, const QStringList &args) {
        QProcess p;
        p.start(QStandardPaths::findExecutable(programa), args);
        p.waitForFinished(30000);
        return QString::fromUtf8(p.readAllStandardOutput());
    };
    // One page of 62 mm by the receipt's own length.
    const QString info = executar(QStringLiteral("pdfinfo"), {arquivo});
    const QRegularExpressionMatch tam =
        QRegularExpression(QStringLiteral(R"(Page size:\s+([\d.]+) x ([\d.]+) pts)")).match(info);
    ASSERT_TRUE(tam.hasMatch()) << info.toStdString();
    EXPECT_NEAR(tam.captured(1).toDouble(), 62 / 25.4 * 72, 1.0);
    EXPECT_NEAR(tam.captured(2).toDouble(), rel.tamanhoPagina().height() / 25.4 * 72, 1.0);
    EXPECT_TRUE(info.contains(QRegularExpression(QStringLiteral(R"(Pages:\s+1\n)")))) << info.toStdString();

    // Read back line by line: every text whole, the totals as label and value.
    const QString texto = executar(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), arquivo, QStringLiteral("-")});
    EXPECT_FALSE(texto.contains(QChar(0x2026))) << texto.toStdString();
    QStringList linhas;
    for (const QString &l : texto.split(QLatin1Char('\n')))
        if (!l.simplified().isEmpty())
            linhas << l.simplified();
    for (const char *esperada :
         {"POUSADA D'ÁVILA", "OURO PRETO-MG", "Email: contato@pousada.com.br", "Pré-Extrato de Conta",
          "(ENTRADA No. 12)", "Partida: 12/03/2026 15:30:00", "Cliente: 7 - JOÃO D'ÁVILA", "Descrição",
          "Quantidade Valor Unit. R$ Valor Total R$", "CERVEJA LONG NECK", "2 10,00 22,00", "ÁGUA MINERAL",
          "3 3,33 10,99", "SUBTOTAL R$ 332,99", "(-) Desconto R$ 5,00", "(+) Acréscimo R$ 2,50",
          "VALOR TOTAL R$ 330,49", "*** OBRIGADO, VOLTE SEMPRE ***", "*** DOCUMENTO SEM VALOR FISCAL ***"})
        EXPECT_TRUE(linhas.contains(u8(esperada))) << esperada << "\n" << texto.toStdString();
    // The description's row comes right above its figures.
    const qsizetype cerveja = linhas.indexOf(QStringLiteral("CERVEJA LONG NECK"));
    ASSERT_GE(cerveja, 0);
    EXPECT_EQ(linhas.value(cerveja + 1), QStringLiteral("2 10,00 22,00"));
}

TEST_F(Extrato, TelaSemEntradaEscolhidaAvisaENaoRegistra)
{
    TFrmRelExtratoConta f;
    f.show();
    EXPECT_EQ(f.cbEntradas->lineEdit()->placeholderText(), ExtratoConta::kSelecione);
    msg->esperar(ExtratoConta::kMsgSelecione);
    f.btnImprimir->click();
    EXPECT_EQ(msg->pendentes(), 0);
    EXPECT_TRUE(previas.isEmpty());
    EXPECT_TRUE(logsExtrato().isEmpty());

    // A cancelled stay is refused instead of printing empty fields.
    Estadia e;
    estadiaComLinhas(e);
    banco().executar(QStringLiteral("UPDATE WALK_IN SET EXCLUIDO = 'S' WHERE ID_WALK_IN = 12"));
    f.definirChave(12);
    msg->esperar(ExtratoConta::kMsgCancelada);
    f.btnImprimir->click();
    EXPECT_TRUE(previas.isEmpty());
    EXPECT_TRUE(logsExtrato().isEmpty());
}

TEST_F(Extrato, EntradaEConferenciaSempreNaTela)
{
    const qint64 id = estadiaComLinhas();
    const qint64 toalha =
        banco().valor(QStringLiteral("INSERT INTO ITEM (DESCRICAO, ESTOQUE) VALUES ('TOALHA', 10) RETURNING ID_ITEM")).toLongLong();
    banco().executar(QStringLiteral("INSERT INTO ITEM_ENTRADA (ID_ENTRADA, ID_ITEM, QTD) VALUES (?, ?, 2)"), {id, toalha});
    banco().executar(QStringLiteral("INSERT INTO ITEM_ENTRADA (ID_ENTRADA, ID_ITEM, QTD) VALUES (?, ?, 1)"), {id, toalha});
    banco().executar(QStringLiteral("INSERT INTO PS_ENTRADA (ID_ENTRADA, ID_P_S, QTD, VALOR) VALUES (?, 501, 4, 9.5)"), {id});

    TFrmRelExtratoConta f;
    f.definirChave(id);
    f.rbImpressora->setChecked(true);
    f.definirTipo(ExtratoConta::Tipo::Entrada);
    f.btnImprimirClick();
    f.definirTipo(ExtratoConta::Tipo::Conferencia);
    f.btnImprimirClick();
    EXPECT_TRUE(impressos.isEmpty());
    ASSERT_EQ(previas.size(), 2);

    const Relatorio &ent = previas[0];
    EXPECT_EQ(ent.titulo(), u8("Entrada de Hóspede"));
    EXPECT_EQ(ent.linhaOpcoes(), QStringLiteral("(ENTRADA No. 12)"));
    const QList<QList<Relatorio::Celula>> li = detalhes(ent);
    ASSERT_EQ(li.size(), 2);
    EXPECT_EQ(li[0][0].texto + '|' + li[0][1].texto + '|' + li[0][2].texto + '|' + li[0][3].texto,
              QStringLiteral("APARTAMENTO|TOALHA|3|0,00"));
    EXPECT_EQ(li[1][0].texto + '|' + li[1][1].texto + '|' + li[1][2].texto + '|' + li[1][3].texto,
              QStringLiteral("FRIGOBAR|CERVEJA LONG NECK|4|9,50"));
    EXPECT_EQ(titulos(ent), QStringList({QString(), QStringLiteral("Local"), QStringLiteral("Item"),
                                         QStringLiteral("Quantidade"), u8("Valor Unitário R$")}));
    const QStringList t = textos(ent);
    EXPECT_TRUE(t.contains(u8("Valor da Diária: R$ 150,00")));
    EXPECT_TRUE(t.contains(QStringLiteral("Caro Hóspede,")));
    EXPECT_TRUE(t.contains(u8("   - Quando do fechamento da conta, favor entregar os controles remotos na recepção.")));

    const Relatorio &conf = previas[1];
    EXPECT_EQ(conf.titulo(), u8("Extrato de Conferência"));
    EXPECT_EQ(conf.linhaOpcoes(), QStringLiteral("(UH No. 101)"));
    EXPECT_EQ(textos(conf).value(0), QStringLiteral("Itens Contidos (Apartamento e Frigobar)"));
    EXPECT_EQ(detalhes(conf).size(), 2);
    EXPECT_EQ(titulos(conf), QStringList({QString(), QStringLiteral("Local"), QStringLiteral("Item"),
                                          QStringLiteral("Quantidade")}));
    EXPECT_EQ(logsExtrato(), (QStringList{u8("Impressão de Relatório|Extrato de Conta (12)\rTipo:Entrada"),
                                          u8("Impressão de Relatório|Extrato de Conta (12)\rTipo:Conferência")}));
}

TEST_F(Extrato, VariosExtratosImprimeAFaixaOuRecusa)
{
    for (qint64 k : {5, 6, 7}) {
        Estadia e;
        e.id = k;
        estadiaComLinhas(e);
    }
    DigitacoesRoteiro digitar;
    TFrmRelExtratoConta f;
    digitar.esperar(ExtratoConta::kPerguntaInicial, QStringLiteral("5"))
        .esperar(ExtratoConta::kPerguntaFinal, QStringLiteral("7"));
    f.Button1Click();
    ASSERT_EQ(digitar.mostrados().size(), 2);
    for (const Digitacao::Pedido &p : digitar.mostrados()) {
        EXPECT_EQ(p.titulo, QStringLiteral("Vários Extratos"));
        EXPECT_EQ(p.padrao, QStringLiteral("0"));
    }
    EXPECT_EQ(previas.size(), 3);
    EXPECT_EQ(logsExtrato().size(), 3);
    EXPECT_EQ(logsExtrato().value(2), u8("Impressão de Relatório|Extrato de Conta (7)\rTipo:Saída"));

    struct Caso {
        const char *inicial, *final;
    } invertidas[] = {{"7", "5"}, {"0", "7"}, {"5", "0"}, {"cinco", "7"}};
    for (const Caso &c : invertidas) {
        SCOPED_TRACE(c.inicial);
        digitar.esperar(ExtratoConta::kPerguntaInicial, u8(c.inicial))
            .esperar(ExtratoConta::kPerguntaFinal, u8(c.final));
        msg->esperar(ExtratoConta::kMsgFaixa);
        f.Button1Click();
        EXPECT_EQ(msg->pendentes(), 0);
    }
    // Cancelling the first prompt prints nothing and asks nothing more.
    digitar.cancelar(ExtratoConta::kPerguntaInicial);
    f.Button1Click();
    EXPECT_EQ(digitar.pendentes(), 0);
    EXPECT_EQ(previas.size(), 3);

    // The fiscal destinations take one stay at a time: no range is asked for.
    for (QRadioButton *r : {f.rbCupomFiscal, f.rbNFCe}) {
        r->setChecked(true);
        msg->esperar(ExtratoConta::kMsgFaixaFiscal);
        f.Button1Click();
        EXPECT_EQ(msg->pendentes(), 0);
    }
    EXPECT_EQ(logsExtrato().size(), 3);
}

TEST_F(Extrato, UmExtratoEmPdf)
{
    if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
        GTEST_FAIL() << "pdftotext (poppler-utils) não instalado: rode scripts/install-deps";
    const qint64 id = estadiaComLinhas();
    const auto x = ExtratoConta::montar(DM->Conexao, id, QString(), kAgora);
    ASSERT_TRUE(x.has_value());
    const QString arquivo = pasta() + QStringLiteral("/extrato.pdf");
    RelatorioPintura::gravarPdf(ExtratoConta::relatorioCompleto(*x, true), arquivo);
    QProcess p;
    p.start(QStandardPaths::findExecutable(QStringLiteral("pdftotext")), {QStringLiteral("-layout"), arquivo, QStringLiteral("-")});
    ASSERT_TRUE(p.waitForFinished(30000));
    const QString texto = QString::fromUtf8(p.readAllStandardOutput());
    for (const char *esperado : {"Extrato de Conta", "(ENTRADA No. 12)", "POUSADA D'ÁVILA - CNPJ: 12.345.678/0001-95",
                                 "DIÁRIA (2 HÓSPEDE(S))", "ÁGUA MINERAL", "SUBTOTAL R$", "332,99", "VALOR TOTAL R$",
                                 "330,49", "*** DOCUMENTO SEM VALOR FISCAL ***",
                                 "Ass.: ________________________________________________"})
        EXPECT_TRUE(texto.contains(u8(esperado))) << esperado << "\n" << texto.toStdString();
    // The column titles once, right between the customer's block and the lines.
    const QRegularExpression titulos(QStringLiteral(
        R"(Data\s+Descrição\s+Comanda\s+Quantidade\s+Valor Unit\. R\$\s+Taxa Serv\.\(%\)\s+Valor Total R\$)"));
    const qsizetype emTitulos = texto.indexOf(titulos);
    ASSERT_GE(emTitulos, 0) << texto.toStdString();
    EXPECT_EQ(texto.lastIndexOf(titulos), emTitulos);
    EXPECT_LT(texto.indexOf(u8("Observações.....:")), emTitulos);
    EXPECT_GT(texto.indexOf(u8("DIÁRIA (2 HÓSPEDE(S))")), emTitulos);
}

TEST_F(Extrato, EnterImprimeEscFechaESmsRecebeAEstadia)
{
    estadiaComLinhas();
    TFrmRelExtratoConta f;
    f.show();
    ativar(&f);
    f.cbEntradas->setEditText(QStringLiteral("12"));
    tecla(f.cbEntradas->lineEdit(), Qt::Key_Return);
    EXPECT_EQ(previas.size(), 1);
    EXPECT_EQ(focado(), f.cbEntradas);

    // The farewell of the SMS screen is proposed for the chosen stay.
    QString proposta;
    Telas::interceptar<TFrmEnvioSMS>([&](TFrmEnvioSMS *s) {
        s->FormShow();
        proposta = s->MemoMensagem->toPlainText();
        return int(QDialog::Rejected);
    });
    f.JvXPButton7->click();
    EXPECT_TRUE(proposta.startsWith(QStringLiteral("Como é triste a despedida"))) << proposta.toStdString();
    EXPECT_TRUE(proposta.contains(QStringLiteral("João"))) << proposta.toStdString();

    tecla(f.cbEntradas->lineEdit(), Qt::Key_Escape);
    EXPECT_FALSE(f.isVisible());
}
