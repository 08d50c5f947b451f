// The ranking reports over one small month: a stay across the period's
// start, a stay still open, a cancelled stay, registrations by user
// (restricted customers left out), charges with a service fee kept to four
// places, one product at two prices, the receptionists, the phone lines and
// the text exported whatever option is chosen.
#include "base/Relatorio.h"
#include "base/RelatorioPintura.h"
#include "base/Telas.h"
#include "finance/OsMaisMais.h"
#include "finance/UnitRelOsMaisMais.h"
#include "support/TelasTeste.h"

#include <QCheckBox>
#include <QDateEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>

using namespace OsMaisMais;

namespace {

QString u8(const char *t) { return QString::fromUtf8(t); }

const QDate kDe(2026, 3, 1), kAte(2026, 3, 31);

class MaisMais_ : public TelasTeste {
protected:
    qint64 inserir(const QString &sql, const Valores &v = {}) { return banco().valor(sql, v).toLongLong(); }
    qint64 cliente(const char *nome, const char *usuario, const char *excluido, const QDate &cadastro, const QVariant &fone,
                   const QVariant &fax)
    {
        return inserir(QStringLiteral("INSERT INTO CLIENTE (NOME, TIPO_PESSOA, CNPJ_CPF, USUARIO, EXCLUIDO, DATA_CADASTRO, "
                                      "FONE_1, FAX) VALUES (?, 'F', '', ?, ?, ?, ?, ?) RETURNING ID_CLIENTE"),
                       {u8(nome), QString::fromLatin1(usuario), QString::fromLatin1(excluido), cadastro, fone, fax});
    }
    // A stay with its nights from `entrada` (one per day, `noites` of them).
    qint64 estadia(qint64 cli, qint64 uh, const QDate &entrada, int noites, const char *baixa, const char *excluido,
                   const QDate &saida, const char *dinheiro, const char *usuarioEntrada, int adultos)
    {
        const qint64 w = inserir(
            QStringLiteral("INSERT INTO WALK_IN (ID_CLIENTE, ID_UH, DATA_ENTRADA, DATA_SAIDA, HORA_SAIDA, BAIXA, EXCLUIDO, "
                           "DINHEIRO, USUARIO_ENTRADA, QTD_ADULTOS) VALUES (?, ?, ?, ?, '12:00', ?, ?, ?, ?, ?) "
                           "RETURNING ID_WALK_IN"),
            {cli, uh, entrada, saida, QString::fromLatin1(baixa), QString::fromLatin1(excluido),
             QString::fromLatin1(dinheiro), QString::fromLatin1(usuarioEntrada), adultos});
        for (int i = 0; i < noites; ++i)
            banco().executar(QStringLiteral("INSERT INTO OCUPACAO (ID_ENTRADA, DATA, VALOR, QTD) VALUES (?, ?, 100, 1)"),
                             {w, entrada.addDays(i)});
        return w;
    }
    void consumo(qint64 w, qint64 ps, int qtd, const char *valor, const char *taxa, const QDate &d, const char *hora,
                 const char *usuario)
    {
        banco().executar(QStringLiteral("INSERT INTO DESPESA_UH (ID_ENTRADA, ID_P_S, QTD, VALOR_UNIT, TAXA, DATA, HORA, "
                                        "USUARIO) VALUES (?, ?, ?, ?, ?, ?, ?, ?)"),
                         {w, ps, qtd, QString::fromLatin1(valor), QString::fromLatin1(taxa), d,
                          QTime::fromString(QString::fromLatin1(hora), QStringLiteral("hh:mm")), QString::fromLatin1(usuario)});
    }

    void mes()
    {
        const qint64 luxo = inserir(QStringLiteral("INSERT INTO TIPO_UH (DESCRICAO) VALUES ('LUXO') RETURNING ID_TIPO_UH"));
        const qint64 std = inserir(QStringLiteral("INSERT INTO TIPO_UH (DESCRICAO) VALUES ('STANDARD') RETURNING ID_TIPO_UH"));
        u101 = inserir(QStringLiteral("INSERT INTO UH (NUMERO, ID_TIPO_UH) VALUES ('101', ?) RETURNING ID_UH"), {luxo});
        u102 = inserir(QStringLiteral("INSERT INTO UH (NUMERO, ID_TIPO_UH) VALUES ('102', ?) RETURNING ID_UH"), {std});
        ana = cliente("ANA", "MARIA", "N", QDate(2026, 3, 5), QStringLiteral("(11) 9999-8888"), QVariant());
        beto = cliente("BETO", "MARIA", "N", QDate(2026, 3, 6), QVariant(), QVariant());
        cliente("CARLA", "JOAO", "R", QDate(2026, 3, 7), QStringLiteral("(21) 3333-4444"), QStringLiteral("(21) 3333-5555"));
        cliente("DANI", "JOAO", "N", QDate(2026, 2, 1), QVariant(), QVariant());
        // ANA: across the period's start (2 of 4 nights inside, closed inside),
        // and a stay still open from the 20th (3 nights, ends after the period).
        s1 = estadia(ana, u101, QDate(2026, 2, 27), 4, "S", "N", QDate(2026, 3, 3), "100", "MARIA", 2);
        estadia(ana, u102, QDate(2026, 3, 20), 3, "N", "N", QDate(2026, 4, 2), "0", "MARIA", 3);
        // BETO: two nights, closed on the 12th; a cancelled stay counts nowhere.
        s3 = estadia(beto, u101, QDate(2026, 3, 10), 2, "S", "N", QDate(2026, 3, 12), "250", "JOAO", 1);
        estadia(beto, u102, QDate(2026, 3, 15), 5, "S", "S", QDate(2026, 3, 20), "999", "JOAO", 4);
        const qint64 agua = inserir(QStringLiteral("INSERT INTO PRODUTOS_SERVICOS (DESCRICAO) VALUES ('AGUA MINERAL') RETURNING ID_P_S"));
        const qint64 suco = inserir(QStringLiteral("INSERT INTO PRODUTOS_SERVICOS (DESCRICAO) VALUES ('SUCO') RETURNING ID_P_S"));
        consumo(s3, suco, 2, "10", "10", QDate(2026, 3, 11), "20:00", "JOAO");
        for (int i = 0; i < 3; ++i)
            consumo(s3, agua, 1, "0.05", "10", QDate(2026, 3, 11), "21:00", "JOAO");
        consumo(s1, agua, 1, "3", "0", QDate(2026, 3, 2), "08:00", "MARIA");
        consumo(s1, agua, 2, "3.50", "0", QDate(2026, 3, 2), "09:00", "MARIA");
        consumo(s1, agua, 9, "3", "0", QDate(2026, 2, 28), "09:00", "MARIA");   // before the period
    }

    static QStringList linhas(const QList<LinhaRanking> &l)
    {
        QStringList r;
        for (const LinhaRanking &x : l)
            r << QStringLiteral("%1|%2|%3|%4|%5").arg(x.id).arg(x.descricao).arg(x.diarias).arg(x.qtd).arg(x.valor.formatado());
        return r;
    }

    qint64 u101 = 0, u102 = 0, ana = 0, beto = 0, s1 = 0, s3 = 0;
};

} // namespace

TEST_F(MaisMais_, RankingsComoTabela)
{
    mes();
    struct Caso {
        Opcao opcao;
        QStringList esperado;   // code|description|stays (or registrations)|nights|money
    };
    const Caso casos[] = {
        {Opcao::Hospedes, {QStringLiteral("%1|ANA|2|5|100,00").arg(ana), QStringLiteral("%1|BETO|1|2|250,00").arg(beto)}},
        {Opcao::UHs, {QStringLiteral("%1|UH 101|2|4|350,00").arg(u101), QStringLiteral("%1|UH 102|1|3|0,00").arg(u102)}},
        {Opcao::TiposUH, {QStringLiteral("LUXO|2|4|350,00"), QStringLiteral("STANDARD|1|3|0,00")}},
        {Opcao::Cadastros, {QStringLiteral("0|MARIA|2|0|0,00")}},
    };
    for (const Caso &c : casos) {
        SCOPED_TRACE(legenda(c.opcao).toStdString());
        QStringList l = linhas(ranking(banco(), c.opcao, kDe, kAte));
        if (c.opcao == Opcao::TiposUH)
            for (QString &x : l)
                x = x.section(QLatin1Char('|'), 1);
        EXPECT_EQ(l, c.esperado);
    }
    // An empty period: no row.
    EXPECT_TRUE(ranking(banco(), Opcao::Hospedes, QDate(2025, 1, 1), QDate(2025, 1, 31)).isEmpty());

    // The fee kept to four places: three charges of 0,055 sum to 0,17, and the
    // user's total is 22,00 + 0,165 = 22,17 (per-line cents would say 22,18).
    const QList<LinhaProduto> p = produtos(banco(), kDe, kAte);
    QStringList ps;
    for (const LinhaProduto &x : p)
        ps << QStringLiteral("%1|%2|%3|%4|%5").arg(x.usuario, x.descricao, x.dataHora()).arg(x.qtd).arg(x.valorFinal.formatado());
    EXPECT_EQ(ps, (QStringList{u8("JOAO|SUCO|11/03/2026 às 20:00:00|2|22,00"), u8("JOAO|AGUA MINERAL|11/03/2026 às 21:00:00|1|0,06"),
                               u8("JOAO|AGUA MINERAL|11/03/2026 às 21:00:00|1|0,06"), u8("JOAO|AGUA MINERAL|11/03/2026 às 21:00:00|1|0,06"),
                               u8("MARIA|AGUA MINERAL|02/03/2026 às 08:00:00|1|3,00"), u8("MARIA|AGUA MINERAL|02/03/2026 às 09:00:00|2|7,00")}));
    const Relatorio rp = relatorioProdutos(p, kDe, kAte);
    QStringList textos;
    for (const Relatorio::Banda &b : rp.bandas())
        if (b.tipo == Relatorio::TipoBanda::Texto || b.tipo == Relatorio::TipoBanda::CabecalhoGrupo
            || b.tipo == Relatorio::TipoBanda::Resumo)
            textos << b.texto + b.celulas.value(0).texto;
    EXPECT_EQ(textos, (QStringList{u8("Usuário:JOAO"), u8("TOTAL  --> R$ 22,17"), u8("Usuário:MARIA"),
                                   u8("TOTAL  --> R$ 10,00"), u8("TOTAL --> R$32,17")}));

    // One product at two prices: two lines, no fee.
    QStringList ag;
    for (const LinhaAgrupada &x : produtosAgrupados(banco(), kDe, kAte))
        ag << QStringLiteral("%1|%2|%3|%4").arg(x.descricao).arg(x.qtd).arg(x.valorUnit.formatado(), x.valorFinal().formatado());
    EXPECT_EQ(ag, (QStringList{u8("AGUA MINERAL|3|0,05|0,15"), u8("AGUA MINERAL|1|3,00|3,00"), u8("AGUA MINERAL|2|3,50|7,00"), u8("SUCO|2|10,00|20,00")}));

    // Receptionists: the stays that began in the period, by guests.
    QStringList rc;
    for (const LinhaRecepcionista &x : recepcionistas(banco(), kDe, kAte))
        rc << QStringLiteral("%1|%2|%3|%4|%5|%6|%7").arg(x.descricao).arg(x.total()).arg(x.qtd1).arg(x.qtd2).arg(x.qtd3).arg(x.qtd4).arg(x.valor.formatado());
    EXPECT_EQ(rc, (QStringList{u8("JOAO|1|1|0|0|0|250,00"), u8("MARIA|1|0|0|1|0|0,00")}));

    // The registrations report's columns and totals.
    const Relatorio rr = relatorioRanking(Opcao::Cadastros, ranking(banco(), Opcao::Cadastros, kDe, kAte), kDe, kAte, false);
    QStringList titulos;
    for (const Relatorio::Coluna &c : rr.colunas())
        titulos << c.titulo;
    EXPECT_EQ(titulos, (QStringList{u8("CÓDIGO"), u8("RECEPCIONISTA"), u8("CADASTROS"), u8("---"), u8("---")}));
    EXPECT_EQ(rr.titulo(), u8("Relatório - Cadastramento de Hóspedes"));
    EXPECT_EQ(rr.totalInteiro(2), 2);
}

TEST_F(MaisMais_, TelaImprimeCadaRelatorioExportaTelefonesERegistra)
{
    mes();
    TFrmRelOsMaisMais f;
    EXPECT_TRUE(f.rbOpcoes[int(Opcao::Hospedes)]->isChecked());
    EXPECT_FALSE(f.btnExportar->isVisibleTo(&f));
    f.chkTelefones->setChecked(true);
    EXPECT_TRUE(f.btnExportar->isVisibleTo(&f));
    f.edtData1->setDate(kDe);
    f.edtData2->setDate(kAte);

    QStringList vistos;
    Telas::interceptar<TFrmVisualizaRelatorio>([&](TFrmVisualizaRelatorio *v) {
        const Relatorio &rel = v->relatorio();
        QString t = rel.titulo() + (rel.paisagem() ? QStringLiteral(" [paisagem]") : QString());
        if (rel.colunas().last().titulo == QLatin1String("TELEFONES"))
            for (const Relatorio::Banda &b : rel.bandas())
                if (b.tipo == Relatorio::TipoBanda::Detalhe)
                    t += QLatin1Char('|') + b.celulas.last().texto;
        vistos << t;
        return 0;
    });
    for (int i = 0; i < kOpcoes; ++i) {
        f.escolher(Opcao(i));
        f.btnImprimirClick();
    }
    EXPECT_EQ(vistos, (QStringList{u8("Relatório - Melhores Hóspedes [paisagem]|(11) 9999-8888 ; | ; "),
                                   u8("Relatório - UH's Mais Ocupadas"), u8("Relatório - Tipos de UH Mais Ocupados"),
                                   u8("Relatório dos Melhores Recepcionistas"), u8("Produtos/Serviços Mais Vendidos"),
                                   u8("Produtos/Serviços Mais Vendidos (Agrupado por Produtos)"),
                                   u8("Relatório - Cadastramento de Hóspedes")}));
    EXPECT_EQ(banco().ler(QStringLiteral("SELECT FIRST 1 ANTES FROM LOG WHERE OPERACAO = ? ORDER BY ID_LOG"),
                          {kOperacaoImpressaoRelatorio}).texto(QStringLiteral("ANTES")),
              u8("Relatório Os Mais Mais (De:01/03/2026 Até: 31/03/2026)\rTipo:Melhores Hóspedes"));

    // The export runs the guests ranking whatever option is chosen; a
    // customer without phones gives no line.
    msg->esperar(kMsgTelefonesExportados);
    f.btnExportarClick();
    EXPECT_EQ(f.mmTelefones->toPlainText(), QStringLiteral("1199998888;"));
    EXPECT_TRUE(f.mmTelefones->isVisibleTo(&f));

    // Each report tests its own rows: a month with charges but no nights.
    f.edtData1->setDate(QDate(2026, 2, 28));
    f.edtData2->setDate(QDate(2026, 2, 28));
    vistos.clear();
    f.escolher(Opcao::ProdutosAgrupados);
    f.btnImprimirClick();
    EXPECT_EQ(vistos, QStringList{u8("Produtos/Serviços Mais Vendidos (Agrupado por Produtos)")});
    f.escolher(Opcao::Cadastros);
    msg->esperar(kMsgNenhumRegistro);
    f.btnImprimirClick();
    f.edtData1->setDate(QDate(2025, 2, 28));
    f.edtData2->setDate(QDate(2025, 2, 28));
    msg->esperar(kMsgNenhumRegistro);
    f.btnExportarClick();
    // A start after the end: told, no query.
    f.edtData1->setDate(kAte);
    msg->esperar(MovimentoFinanceiro::kMsgPeriodoInvalido);
    f.btnImprimirClick();
    EXPECT_EQ(msg->pendentes(), 0);
}
