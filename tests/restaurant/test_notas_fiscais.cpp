// Invoices: the entry's checks in order with their texts, the list of stays
// marked for an invoice and hand-typed ones (every row kept), deletion of a
// hand-typed one only, the report by departure with its totals in cents.
#include "base/RelatorioPintura.h"
#include "base/Telas.h"
#include "base/UnitLog.h"
#include "restaurant/NotasFiscais.h"
#include "restaurant/UnitNotasFiscais.h"
#include "restaurant/UnitRelNF.h"
#include "support/TelasTeste.h"

#include <QComboBox>
#include <QDateEdit>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>

using NotasFiscais::Campo;

namespace {

QString u8(const char *t) { return QString::fromUtf8(t); }

class NotasFiscaisTeste : public TelasTeste {
protected:
    void SetUp() override
    {
        TelasTeste::SetUp();
        const qint64 tipo =
            banco().valor(QStringLiteral("INSERT INTO TIPO_UH (DESCRICAO, ABREV) VALUES ('LUXO', 'LX') RETURNING ID_TIPO_UH"))
                .toLongLong();
        uh = banco().valor(QStringLiteral("INSERT INTO UH (ID_TIPO_UH, NUMERO) VALUES (?, '101') RETURNING ID_UH"), {tipo})
                 .toLongLong();
        cliente = banco()
                      .valor(QStringLiteral("INSERT INTO CLIENTE (NOME, CNPJ_CPF, TIPO_PESSOA) VALUES (?, "
                                            "'123.456.780-62', 'F') RETURNING ID_CLIENTE"),
                             {u8("ANA D'ÁVILA")})
                      .toLongLong();
    }
    void TearDown() override
    {
        Telas::liberarTodas();
        TelasTeste::TearDown();
    }
    // A stay with its nights (values in cents), marked for an invoice.
    qint64 estadia(const QDate &entrada, const QDate &saida, const QList<int> &noites, const char *nf = "S",
                   const char *excluido = "N")
    {
        const qint64 w = banco()
                             .valor(QStringLiteral("INSERT INTO WALK_IN (DATA_ENTRADA, DATA_SAIDA, ID_CLIENTE, ID_UH, "
                                                   "QTD_ADULTOS, NF, EXCLUIDO, BAIXA) VALUES (?, ?, ?, ?, 2, ?, ?, 'S') "
                                                   "RETURNING ID_WALK_IN"),
                                    {entrada, saida, cliente, uh, QString::fromLatin1(nf), QString::fromLatin1(excluido)})
                             .toLongLong();
        QDate d = entrada;
        for (int c : noites) {
            banco().executar(QStringLiteral("INSERT INTO OCUPACAO (ID_ENTRADA, DATA, VALOR, QTD) VALUES (?, ?, ?, 2)"),
                             {w, d, Dinheiro::deCentavos(c).paraBanco()});
            d = d.addDays(1);
        }
        return w;
    }
    NotasFiscais::Nota nota()
    {
        NotasFiscais::Nota n;
        n.entrada = QDate(2026, 12, 1);
        n.saida = QDate(2026, 12, 3);
        n.hospedes = QStringLiteral("2");
        n.idUH = uh;
        n.idCliente = cliente;
        n.valor = QStringLiteral("300,00");
        return n;
    }
    qint64 notas() { return contar(QStringLiteral("SELECT COUNT(*) FROM NF")); }
    QStringList lista()
    {
        QStringList r;
        for (const Linha &l : banco().lerTodas(NotasFiscais::sqlLista()))
            r << QStringLiteral("%1|%2|%3").arg(l.inteiro(QStringLiteral("ID_NF"))).arg(l.texto(QStringLiteral("NUMERO")),
                                                                                          l.dinheiro(QStringLiteral("VALOR")).formatado());
        return r;
    }

    qint64 uh = 0, cliente = 0;
};

} // namespace

TEST_F(NotasFiscaisTeste, ConfirmacaoEmOrdemComTextos)
{
    struct {
        std::function<void(NotasFiscais::Nota &)> mudar;
        QString mensagem;
        Campo foco;
    } casos[] = {
        {[](auto &n) { n.saida = n.entrada.addDays(-1); n.hospedes.clear(); }, NotasFiscais::kMsgDatas, Campo::Saida},
        {[](auto &n) { n.hospedes.clear(); n.idUH = 0; }, NotasFiscais::kMsgHospedes, Campo::Hospedes},
        {[](auto &n) { n.hospedes = QStringLiteral("1,5"); }, NotasFiscais::kMsgHospedes, Campo::Hospedes},
        {[](auto &n) { n.hospedes = QStringLiteral("0"); }, NotasFiscais::kMsgHospedes, Campo::Hospedes},
        {[](auto &n) { n.hospedes = QStringLiteral("DOIS"); }, NotasFiscais::kMsgHospedes, Campo::Hospedes},
        {[](auto &n) { n.idUH = 0; n.idCliente = 0; }, NotasFiscais::kMsgUH, Campo::UH},
        {[](auto &n) { n.idCliente = 0; n.valor = QStringLiteral("0,00"); }, NotasFiscais::kMsgCliente, Campo::Cliente},
        {[](auto &n) { n.valor = QStringLiteral("0,00"); }, NotasFiscais::kMsgValor, Campo::Valor},
        {[](auto &n) { n.valor = QStringLiteral("-5,00"); }, NotasFiscais::kMsgValor, Campo::Valor},
        {[](auto &n) { n.valor = QStringLiteral("CEM"); }, NotasFiscais::kMsgValor, Campo::Valor},
    };
    for (const auto &c : casos) {
        SCOPED_TRACE(c.mensagem.toStdString());
        NotasFiscais::Nota n = nota();
        c.mudar(n);
        const NotasFiscais::Resultado r = NotasFiscais::incluir(banco(), n);
        EXPECT_FALSE(r.feito);
        EXPECT_EQ(r.mensagem, c.mensagem);
        EXPECT_EQ(r.foco, c.foco);
    }
    EXPECT_EQ(notas(), 0);
    // The same day and the smallest amount are accepted; nothing is logged.
    NotasFiscais::Nota n = nota();
    n.saida = n.entrada;
    n.valor = QStringLiteral("0,01");
    const NotasFiscais::Resultado r = NotasFiscais::incluir(banco(), n);
    ASSERT_TRUE(r.feito);
    EXPECT_EQ(r.mensagem, u8("Nota Fiscal Incluída com Sucesso!"));
    const Linha l = banco().ler(QStringLiteral("SELECT * FROM NF WHERE ID_NF = ?"), {r.chave});
    EXPECT_GT(r.chave, 0);
    EXPECT_EQ(l.dinheiro(QStringLiteral("VALOR")), Dinheiro::deCentavos(1));
    EXPECT_EQ(l.inteiro(QStringLiteral("QTD_ADULTOS")), 2);
    EXPECT_EQ(l.data(QStringLiteral("DATA_SAIDA")), QDate(2026, 12, 1));
    EXPECT_TRUE(logs().isEmpty());
}

TEST_F(NotasFiscaisTeste, ListaGuardaCadaLinha)
{
    const QDate d(2026, 11, 20);
    // Two stays alike in every column: two invoices.
    estadia(d, d.addDays(2), {15000, 15050});
    estadia(d, d.addDays(2), {15000, 15050});
    estadia(d, d.addDays(1), {});                 // no charged night: no invoice
    estadia(d, d.addDays(1), {9900}, "N");        // not marked
    estadia(d, d.addDays(1), {9900}, "S", "S");   // cancelled
    NotasFiscais::Nota n = nota();
    n.entrada = d;
    n.saida = d.addDays(2);
    n.valor = QStringLiteral("300,50");
    const qint64 nf = NotasFiscais::incluir(banco(), n).chave;
    EXPECT_EQ(lista(), (QStringList{QStringLiteral("0|101|300,50"), QStringLiteral("0|101|300,50"),
                                    QStringLiteral("%1|101|300,50").arg(nf)}));
}

TEST_F(NotasFiscaisTeste, TelaIncluiEExcluiSoAsDigitadas)
{
    estadia(QDate(2026, 11, 1), QDate(2026, 11, 3), {10000, 10000});
    TFrmNotasFiscais f;
    f.setAttribute(Qt::WA_DontShowOnScreen);
    f.show();
    ativar(&f);
    // A stay's line is not deleted.
    msg->esperar(NotasFiscais::kMsgNaoExcluivel);
    f.btnExcluir->click();
    EXPECT_EQ(msg->pendentes(), 0);

    f.btnNovo->click();
    EXPECT_TRUE(f.pnlNota->isVisible());
    EXPECT_EQ(f.edtHospedes->text(), QStringLiteral("1"));
    EXPECT_EQ(f.edtValor->text(), QStringLiteral("0,00"));
    EXPECT_EQ(f.dtEntrada->date(), QDate(2026, 12, 10));
    EXPECT_EQ(f.dtSaida->date(), QDate(2026, 12, 10));
    EXPECT_EQ(f.cbCliente->currentIndex(), -1);
    EXPECT_EQ(f.cbUH->currentIndex(), -1);
    EXPECT_EQ(f.cbUH->itemText(0), QStringLiteral("101 - LX"));
    f.cbCliente->setCurrentIndex(f.cbCliente->findData(cliente));
    EXPECT_EQ(f.cbCliente->currentText(), u8("123.456.780-62 - ANA D'ÁVILA"));
    msg->esperar(NotasFiscais::kMsgUH);
    f.btnConfirmar->click();
    EXPECT_EQ(focado(), f.cbUH);
    f.cbUH->setCurrentIndex(0);
    f.edtValor->setFocus();
    f.edtValor->setText(QStringLiteral("1234,5"));
    f.edtHospedes->setFocus(); // leaving the amount formats it
    EXPECT_EQ(f.edtValor->text(), QStringLiteral("1.234,50"));
    msg->esperar(NotasFiscais::kMsgIncluida);
    f.btnConfirmar->click();
    EXPECT_EQ(msg->pendentes(), 0);
    EXPECT_FALSE(f.pnlNota->isVisible());
    ASSERT_EQ(f.tWalkIn()->total(), 2);
    // The current row is the last one: the new invoice, deleted after the question.
    EXPECT_EQ(f.lista->linhaAtual(), 1);
    EXPECT_GT(f.lista->inteiro(QStringLiteral("ID_NF")), 0);
    msg->esperar(NotasFiscais::kMsgConfirmaExclusao, Mensagem::Nao);
    f.btnExcluir->click();
    EXPECT_EQ(notas(), 1);
    msg->esperar(NotasFiscais::kMsgConfirmaExclusao, Mensagem::Sim).esperar(NotasFiscais::kMsgExcluida);
    f.btnExcluir->click();
    EXPECT_EQ(msg->pendentes(), 0);
    EXPECT_EQ(notas(), 0);
    EXPECT_EQ(f.tWalkIn()->total(), 1);
    EXPECT_EQ(NotasFiscais::excluir(banco(), 99).mensagem, NotasFiscais::kMsgNaoEncontrada);
}

TEST_F(NotasFiscaisTeste, RelatorioPelaSaidaNoPeriodoComTotais)
{
    const QDate de(2026, 11, 10), ate(2026, 11, 20);
    estadia(de.addDays(-3), de.addDays(1), {10000, 10000, 10000, 10001}); // arrived before, left inside: counted
    estadia(de.addDays(2), de.addDays(4), {12345, 12345});
    estadia(de.addDays(2), de.addDays(4), {12345, 12345});                 // its twin: counted too
    estadia(ate, ate.addDays(1), {50000});                                 // left after the period
    NotasFiscais::Nota n = nota();
    n.entrada = de.addDays(-5);
    n.saida = ate;
    n.valor = QStringLiteral("0,99");
    ASSERT_TRUE(NotasFiscais::incluir(banco(), n).feito);

    QList<Relatorio> previas;
    Telas::interceptar<TFrmVisualizaRelatorio>([&](TFrmVisualizaRelatorio *v) {
        previas << v->relatorio();
        return int(QDialog::Accepted);
    });
    TFrmRelNF tela;
    tela.setAttribute(Qt::WA_DontShowOnScreen);
    tela.show();
    EXPECT_EQ(AcaoAtualRegistrada(), u8("Relatório de Entradas de Hóspedes"));
    EXPECT_EQ(tela.dtDe->date(), QDate(2026, 12, 10));
    tela.dtDe->setDate(de);
    tela.dtAte->setDate(ate);
    tela.btnImprimirClick();
    ASSERT_EQ(previas.size(), 1);
    const Relatorio &r = previas[0];
    EXPECT_EQ(r.titulo(), u8("Relatório de Emissão de Notas Fiscais"));
    EXPECT_EQ(r.linhaOpcoes(), u8("(De: 10/11/2026   Até: 20/11/2026)"));
    QStringList detalhes, resumo;
    for (const Relatorio::Banda &b : r.bandas()) {
        if (b.tipo == Relatorio::TipoBanda::Detalhe) {
            QStringList c;
            for (const Relatorio::Celula &x : b.celulas)
                c << x.texto;
            detalhes << c.join(QLatin1Char('|'));
        } else if (b.tipo == Relatorio::TipoBanda::Resumo) {
            resumo << b.texto + QLatin1Char(' ') + b.celulas.value(0).texto;
        }
    }
    EXPECT_EQ(detalhes, (QStringList{u8("101|07/11/2026|ANA D'ÁVILA|11/11/2026|2|400,01"),
                                     u8("101|12/11/2026|ANA D'ÁVILA|14/11/2026|2|246,90"),
                                     u8("101|12/11/2026|ANA D'ÁVILA|14/11/2026|2|246,90"),
                                     u8("101|05/11/2026|ANA D'ÁVILA|20/11/2026|2|0,99")}));
    EXPECT_EQ(resumo, (QStringList{u8("TOTAL DE ENTRADAS: 4"), u8("VALOR TOTAL: R$ 894,80")}));
    QStringList titulos;
    for (const Relatorio::Coluna &c : r.colunas())
        titulos << c.titulo;
    EXPECT_EQ(titulos, (QStringList{u8("UH"), u8("CHEGADA"), u8("CLIENTE"), u8("PARTIDA"), u8("Nº. PESSOAS"),
                                    u8("VALOR DAS DIÁRIAS R$")}));
    EXPECT_EQ(banco().ler(QStringLiteral("SELECT OPERACAO, ANTES FROM LOG")).texto(QStringLiteral("ANTES")),
              u8("Relatório de Entrada de Hóspedes (De:10/11/2026 Até: 20/11/2026)"));
    // An empty period.
    tela.dtDe->setDate(QDate(2025, 1, 1));
    tela.dtAte->setDate(QDate(2025, 1, 31));
    msg->esperar(u8("Nenhum Registro Encontrado!"));
    tela.btnImprimirClick();
    EXPECT_EQ(previas.size(), 1);
    EXPECT_EQ(msg->pendentes(), 0);
}
