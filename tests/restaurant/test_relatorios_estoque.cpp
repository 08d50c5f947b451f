// The products and stock-items reports: rows and groups, the filter choice
// (one record, words, nothing ticked), the filter line, the counters, the
// empty report, the log line, the withdrawals of a period, one PDF.
#include "base/RelatorioPintura.h"
#include "base/Telas.h"
#include "base/UnitLog.h"
#include "restaurant/OpcoesFiltragem.h"
#include "restaurant/UnitRelItensEstoque.h"
#include "restaurant/UnitRelProdutosServicos.h"
#include "support/TelasTeste.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QProcess>
#include <QTemporaryDir>

namespace {

QString u8(const char *t) { return QString::fromUtf8(t); }

class RelEstoqueTeste : public TelasTeste {
protected:
    void SetUp() override
    {
        TelasTeste::SetUp();
        Telas::interceptar<TFrmVisualizaRelatorio>([this](TFrmVisualizaRelatorio *v) {
            previas << v->relatorio();
            return int(QDialog::Accepted);
        });
    }
    void TearDown() override
    {
        Telas::liberarTodas();
        TelasTeste::TearDown();
    }
    qint64 pdv(const char *nome)
    {
        return banco().valor(QStringLiteral("INSERT INTO PDV (DESCRICAO, ABREV, TAXA) VALUES (?, 'X', 0) RETURNING ID_PDV"),
                             {u8(nome)})
            .toLongLong();
    }
    qint64 produto(qint64 idPdv, const char *nome, int estoque, const char *valor, const char *excluido = "N")
    {
        return banco()
            .valor(QStringLiteral("INSERT INTO PRODUTOS_SERVICOS (ID_PDV, DESCRICAO, ESTOQUE, VALOR, ULTIMA_COMPRA, "
                                  "EXCLUIDO) VALUES (?, ?, ?, ?, '2026-11-30', ?) RETURNING ID_P_S"),
                   {idPdv, u8(nome), estoque, QString::fromLatin1(valor), QString::fromLatin1(excluido)})
            .toLongLong();
    }
    qint64 item(const char *nome, int estoque)
    {
        return banco()
            .valor(QStringLiteral("INSERT INTO ITEM (DESCRICAO, ESTOQUE, VALOR) VALUES (?, ?, 3) RETURNING ID_ITEM"),
                   {u8(nome), estoque})
            .toLongLong();
    }
    void historico(qint64 item, const char *tipo, int qtd, const QDate &dia, const char *motivo)
    {
        banco().executar(QStringLiteral("INSERT INTO ITEM_HISTORICO (ID_ITEM, TIPO, QTD, DESCRICAO, USUARIO, DATA) "
                                        "VALUES (?, ?, ?, ?, 'MARIA', ?)"),
                         {item, QString::fromLatin1(tipo), qtd, u8(motivo), dia});
    }
    // The detail lines as "cell|cell|..." and the group and summary lines.
    static QStringList linhas(const Relatorio &r)
    {
        QStringList l;
        for (const Relatorio::Banda &b : r.bandas()) {
            if (b.tipo == Relatorio::TipoBanda::CabecalhoGrupo)
                l << QStringLiteral("# ") + b.texto;
            else if (b.tipo == Relatorio::TipoBanda::Resumo)
                l << b.texto + QLatin1Char(' ') + b.celulas.value(0).texto;
            else if (b.tipo == Relatorio::TipoBanda::Detalhe) {
                QStringList c;
                for (const Relatorio::Celula &x : b.celulas)
                    c << x.texto;
                l << c.join(QLatin1Char('|'));
            }
        }
        return l;
    }
    QString ultimoAntes()
    {
        return banco()
            .ler(QStringLiteral("SELECT FIRST 1 OPERACAO, ANTES FROM LOG ORDER BY ID_LOG DESC"))
            .texto(QStringLiteral("ANTES"));
    }
    qint64 logs() { return contar(QStringLiteral("SELECT COUNT(*) FROM LOG")); }

    QList<Relatorio> previas;
};

} // namespace

TEST_F(RelEstoqueTeste, ProdutosPorPontoDeVendaComFiltros)
{
    const qint64 bar = pdv("BAR");
    const qint64 piscina = pdv("PISCINA");
    const qint64 cerveja = produto(bar, "CERVEJA", 10, "5.5");
    produto(bar, "ÁGUA D'ÁVILA", 0, "2");
    produto(bar, "VINHO", 3, "80", "S"); // deleted: never printed
    produto(piscina, "PICOLÉ", 7, "4.25");
    // A deleted point of sale keeps its products and its name.
    banco().executar(QStringLiteral("INSERT INTO ANULACAO (ID_PDV) VALUES (?)"), {piscina});
    banco().executar(QStringLiteral("UPDATE PRODUTOS_SERVICOS SET EXCLUIDO = 'S' WHERE ID_P_S = 1"));

    TFrmRelProdutosServicos tela;
    tela.setAttribute(Qt::WA_DontShowOnScreen);
    tela.show();
    EXPECT_EQ(AcaoAtualRegistrada(), u8("Relatório de Produtos e Serviços"));
    OpcoesFiltragem *o = tela.opcoes;
    EXPECT_EQ(o->cbEscolha->placeholderText(), RelProdutosServicos::kTodos);
    EXPECT_EQ(o->cbEscolha->count(), 3);

    // Nothing ticked: the notice, then every product by point of sale.
    msg->esperar(RelProdutosServicos::kNenhumaOpcao);
    tela.btnImprimirClick();
    ASSERT_EQ(previas.size(), 1);
    EXPECT_EQ(previas[0].titulo(), u8("Relatório de Produtos / Serviços"));
    EXPECT_EQ(previas[0].linhaOpcoes(), u8("(Filtro: T O D O S   O S   P R O D U T O S   /   S E R V I Ç O S)"));
    EXPECT_EQ(linhas(previas[0]),
              (QStringList{u8("# LOCAL: BAR"), u8("%1|CERVEJA|10|5,50|30/11/2026").arg(cerveja),
                           u8("%1|ÁGUA D'ÁVILA|0|2,00|30/11/2026").arg(cerveja + 1), u8("# LOCAL: PISCINA"),
                           u8("%1|PICOLÉ|7|4,25|30/11/2026").arg(cerveja + 3), u8("TOTAL DE PRODUTOS / SERVIÇOS: 3")}));
    QStringList titulos;
    for (const Relatorio::Coluna &c : previas[0].colunas())
        titulos << c.titulo;
    EXPECT_EQ(titulos, (QStringList{u8("CÓDIGO"), u8("DESCRIÇÃO"), u8("QTD. NO ESTOQUE"), u8("VALOR R$"), u8("ÚLTIMA COMPRA")}));
    EXPECT_EQ(ultimoAntes(), u8("Relatório de Produtos e Serviços (T O D O S   O S   P R O D U T O S   /   S E R V I Ç O S)\r"
                                "Específico:"));

    // Words: any of them, through the filter line.
    o->chkPalavras->click();
    EXPECT_TRUE(o->edtPalavras->isEnabled());
    EXPECT_FALSE(o->cbEscolha->isEnabled());
    o->edtPalavras->setText(u8("CERV / D'ÁV"));
    tecla(o->edtPalavras, Qt::Key_Return); // Enter prints
    ASSERT_EQ(previas.size(), 2);
    EXPECT_EQ(previas[1].linhaOpcoes(), u8("(Filtro: CERV / D'ÁV)"));
    EXPECT_EQ(previas[1].totalLinhas(), 2);
    EXPECT_EQ(ultimoAntes(), u8("Relatório de Produtos e Serviços (T O D O S   O S   P R O D U T O S   /   S E R V I Ç O S)\r"
                                "Específico:CERV / D'ÁV"));

    // An empty words field prints everything and shows the "all" caption,
    // which the next print does not search for as words.
    o->edtPalavras->clear();
    tela.btnImprimirClick();
    EXPECT_EQ(o->edtPalavras->text(), RelProdutosServicos::kTodos);
    tela.btnImprimirClick();
    ASSERT_EQ(previas.size(), 4);
    EXPECT_EQ(previas[2].totalLinhas(), 3);
    EXPECT_EQ(previas[3].totalLinhas(), 3);

    // One product chosen.
    o->chkPreDefinidos->click();
    EXPECT_FALSE(o->chkPalavras->isChecked());
    EXPECT_FALSE(o->edtPalavras->isEnabled());
    o->cbEscolha->setCurrentIndex(o->cbEscolha->findData(cerveja));
    tela.btnImprimirClick();
    ASSERT_EQ(previas.size(), 5);
    EXPECT_EQ(previas[4].linhaOpcoes(), QStringLiteral("(Filtro: %1 / CERVEJA)").arg(cerveja));
    EXPECT_EQ(linhas(previas[4]).last(), u8("TOTAL DE PRODUTOS / SERVIÇOS: 1"));

    // Nothing found: the plain message, no preview, no log line.
    o->chkPalavras->click();
    o->edtPalavras->setText(QStringLiteral("XYZ"));
    const qint64 antes = logs();
    msg->esperar(u8("Nenhum Registro Encontrado!"));
    tela.btnImprimirClick();
    EXPECT_EQ(previas.size(), 5);
    EXPECT_EQ(logs(), antes);
    EXPECT_EQ(msg->pendentes(), 0);
}

TEST_F(RelEstoqueTeste, ItensVivosEBaixasDoPeriodo)
{
    const qint64 toalha = item("TOALHA", 5);
    const qint64 lencol = item("LENÇOL", 2);
    const qint64 velho = item("FRONHA", 1);
    banco().executar(QStringLiteral("INSERT INTO ANULACAO (ID_ITEM) VALUES (?)"), {velho});
    const QDate dia(2026, 12, 9);
    historico(toalha, "-", 2, dia, "RASGOU");
    historico(lencol, "+", 5, dia, "COMPRA");      // additions never appear
    historico(lencol, "-", 1, dia, "MANCHA");
    historico(toalha, "-", 4, dia.addDays(1), "OUTRO DIA");
    historico(velho, "-", 1, dia, "DESCARTE");     // a deleted item's withdrawal still counts

    TFrmRelItensEstoque tela;
    tela.setAttribute(Qt::WA_DontShowOnScreen);
    tela.show();
    EXPECT_EQ(AcaoAtualRegistrada(), u8("Relatório de Itens de Estoque"));
    EXPECT_EQ(tela.dtDe->date(), QDate(2026, 12, 10));
    EXPECT_EQ(tela.opcoes->cbEscolha->count(), 3); // deleted items can be chosen

    tela.opcoes->chkPalavras->click();
    tela.btnImprimirClick();
    ASSERT_EQ(previas.size(), 1);
    EXPECT_EQ(previas[0].linhaOpcoes(), u8("(Filtro: T O D O S   O S   I T E N S)"));
    EXPECT_EQ(linhas(previas[0]), (QStringList{u8("%1|LENÇOL|2|3,00|").arg(lencol), u8("%1|TOALHA|5|3,00|").arg(toalha),
                                                u8("TOTAL DE ITENS: 2")}));
    // A deleted item chosen: nothing to print.
    tela.opcoes->chkPreDefinidos->click();
    tela.opcoes->cbEscolha->setCurrentIndex(tela.opcoes->cbEscolha->findData(velho));
    msg->esperar(u8("Nenhum Registro Encontrado!"));
    tela.btnImprimirClick();
    EXPECT_EQ(previas.size(), 1);

    // The withdrawals of one day (the choice is then ignored).
    tela.chkPeriodo->click();
    EXPECT_TRUE(tela.dtDe->isEnabled());
    tela.dtDe->setDate(dia);
    tela.dtAte->setDate(dia);
    tela.btnImprimirClick();
    ASSERT_EQ(previas.size(), 2);
    const Relatorio &b = previas[1];
    EXPECT_EQ(b.titulo(), u8("Relatório de Itens de Estoque Baixados no período"));
    EXPECT_EQ(b.linhaOpcoes(), u8("(De: 09/12/2026   Até: 09/12/2026)"));
    EXPECT_EQ(linhas(b), (QStringList{u8("%1|TOALHA|2|MARIA|RASGOU|09/12/2026").arg(toalha),
                                      u8("%1|LENÇOL|1|MARIA|MANCHA|09/12/2026").arg(lencol),
                                      u8("%1|FRONHA|1|MARIA|DESCARTE|09/12/2026").arg(velho), u8("TOTAL DE ITENS: 3")}));
    QStringList titulos;
    for (const Relatorio::Coluna &c : b.colunas())
        titulos << c.titulo;
    EXPECT_EQ(titulos, (QStringList{u8("CÓDIGO"), u8("DESCRIÇÃO"), u8("QTD."), u8("USUÁRIO"), u8("MOTIVO"), u8("DATA")}));
    EXPECT_EQ(ultimoAntes(), u8("Relatório de Itens de Estoque (%1 / FRONHA)\rEspecífico:T O D O S   O S   I T E N S").arg(velho));
    // A period without withdrawals.
    tela.dtDe->setDate(dia.addDays(-5));
    tela.dtAte->setDate(dia.addDays(-1));
    msg->esperar(u8("Nenhum Registro Encontrado!"));
    tela.btnImprimirClick();
    EXPECT_EQ(previas.size(), 2);
    EXPECT_EQ(msg->pendentes(), 0);

    // The PDF of the withdrawals, read back as text.
    QTemporaryDir d;
    const QString pdf = d.filePath(QStringLiteral("baixas.pdf"));
    RelatorioPintura::gravarPdf(b, pdf);
    QProcess p;
    p.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
    ASSERT_TRUE(p.waitForFinished(30000));
    const QString texto = QString::fromUtf8(p.readAllStandardOutput());
    for (const char *t : {"Relatório de Itens de Estoque Baixados no período", "RASGOU", "MANCHA", "TOTAL DE ITENS:"})
        EXPECT_TRUE(texto.contains(u8(t))) << t;
    EXPECT_FALSE(texto.contains(QStringLiteral("COMPRA")));
}
