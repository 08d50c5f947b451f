// The financial movement of a period: one fixture with every kind of entry
// and exit gives each summary line, the bottom amounts and the detail boxes
// exactly; the period's ends; the reversals of cash additions and
// withdrawals (and their refusals); the statement behind a double-click; the
// printed report with its signs, detail lines, band heights and totals equal
// to the screen's, read back from a PDF.
#include "base/Erros.h"
#include "base/Relatorio.h"
#include "base/RelatorioPintura.h"
#include "base/Telas.h"
#include "finance/Comandos.h"
#include "stays/Comandos.h"
#include "finance/MovimentoFinanceiro.h"
#include "finance/UnitMovimentoFinanceiro.h"
#include "finance/UnitRelMovFinanceiro.h"
#include "finance/UnitGrafFinanceiro.h"
#include "finance/UnitRetiraDinheiro.h"
#include "rooms/UnitUH.h"
#include "stays/UnitWalkIn.h"
#include "finance/UnitRelOsMaisMais.h"
#include "support/RegistroGravado.h"
#include "support/TelasTeste.h"

#include <QCheckBox>
#include <QDateEdit>
#include <QLabel>
#include <QProcess>
#include <QPushButton>
#include <QStandardPaths>
#include <QTableView>
#include <QTimeEdit>

using namespace MovimentoFinanceiro;

namespace {

QString u8(const char *t) { return QString::fromUtf8(t); }

const QDate kDia(2026, 3, 10);

class Movimento_ : public TelasTeste {
protected:
    void SetUp() override
    {
        TelasTeste::SetUp();
        TFrmMovimentoFinanceiro::extratoConta = {};
    }
    void TearDown() override
    {
        TFrmMovimentoFinanceiro::extratoConta = {};
        TelasTeste::TearDown();
    }

    qint64 inserir(const QString &sql, const Valores &v) { return banco().valor(sql, v).toLongLong(); }

    void turno(const QString &dinheiro)
    {
        banco().executar(QStringLiteral("INSERT INTO CAIXA (DATA_ABERT, HORA_ABERT, TURNO, USUARIO, ATUAL) "
                                        "VALUES (?, '08:00', 1, 'ADMIN', ?)"),
                         {kDia, Dinheiro::deTextoOuErro(dinheiro).paraBanco()});
    }
    QString caixa()
    {
        return banco().ler(QStringLiteral("SELECT ATUAL FROM CAIXA WHERE DATA_FECHA IS NULL")).dinheiro(QStringLiteral("ATUAL")).formatado();
    }
    qint64 estadia(qint64 cliente, qint64 uh, const QString &baixa, const QString &excluido, const QDateTime &saida,
                   const Valores &meios = {}, const QString &desconto = QStringLiteral("0"),
                   const QString &acrescimo = QStringLiteral("0"), const QString &adiantado = QStringLiteral("0"))
    {
        Valores v{cliente, uh, kDia.addDays(-2), saida.date(), saida.time(), baixa, excluido, desconto, acrescimo,
                  adiantado};
        for (int i = 0; i < 8; ++i)
            v << meios.value(i, QStringLiteral("0"));
        return inserir(QStringLiteral("INSERT INTO WALK_IN (ID_CLIENTE, ID_UH, DATA_ENTRADA, DATA_SAIDA, HORA_SAIDA, "
                                      "BAIXA, EXCLUIDO, DESCONTO, ACRESCIMO, ADIANTADO, USUARIO, DINHEIRO, VISA, "
                                      "DEBVISA, MASTER, DEBMASTER, HIPER, CHEQUE, NOTA) VALUES (?, ?, ?, ?, ?, ?, ?, ?, "
                                      "?, ?, 'MARIA', ?, ?, ?, ?, ?, ?, ?, ?) RETURNING ID_WALK_IN"),
                       v);
    }
    qint64 adicao(const QTime &hora, const QString &valor, const QString &descricao, const QString &tipo)
    {
        return inserir(QStringLiteral("INSERT INTO ADIC_CAIXA (DATA_ADIC, HORA_ADIC, VALOR, DESCRICAO, TIPO, USUARIO) "
                                      "VALUES (?, ?, ?, ?, ?, 'JOAO') RETURNING ID_ADIC_CAIXA"),
                       {kDia, hora, valor, descricao, tipo});
    }
    qint64 retirada(const QDate &dia, const QTime &hora, const QString &valor, const QString &descricao,
                    const QString &tipo)
    {
        return inserir(QStringLiteral("INSERT INTO RET_CAIXA (DATA_RET, HORA_RET, VALOR, DESCRICAO, TIPO, USUARIO) "
                                      "VALUES (?, ?, ?, ?, ?, 'JOAO') RETURNING ID_RET_CAIXA"),
                       {dia, hora, valor, descricao, tipo});
    }

    // The day of the fixture: a closed stay with two nights, a night charged
    // as consumption, lines with a 10 % fee (three of 0,05: their fee sums
    // to 0,165, not 0,18), a discount and an addition; a discounted single
    // sale; a sale to an employee (nothing paid); a several-item sale; cash
    // and card additions and withdrawals; an open stay holding an advance,
    // another holding none; and rows that must stay out (a cancelled stay,
    // a stay closed the next second, an open stay's means).
    void dia()
    {
        const qint64 ana = inserir(QStringLiteral("INSERT INTO CLIENTE (NOME, TIPO_PESSOA, CNPJ_CPF) VALUES ('ANA D''ÁVILA', 'F', '') RETURNING ID_CLIENTE"), {});
        const qint64 u101 = inserir(QStringLiteral("INSERT INTO UH (NUMERO, SITUACAO) VALUES ('101', 'L') RETURNING ID_UH"), {});
        const qint64 u102 = inserir(QStringLiteral("INSERT INTO UH (NUMERO, SITUACAO) VALUES ('102', 'O') RETURNING ID_UH"), {});
        const qint64 u103 = inserir(QStringLiteral("INSERT INTO UH (NUMERO, SITUACAO) VALUES ('103', 'O') RETURNING ID_UH"), {});
        cerveja = inserir(QStringLiteral("INSERT INTO PRODUTOS_SERVICOS (DESCRICAO, VALOR) VALUES ('CERVEJA', 10) RETURNING ID_P_S"), {});
        idEstadia = estadia(ana, u101, QStringLiteral("S"), QStringLiteral("N"), QDateTime(kDia, QTime(11, 30)),
                            {QStringLiteral("200"), QStringLiteral("100"), QStringLiteral("0"), QStringLiteral("0"),
                             QStringLiteral("50"), QStringLiteral("0"), QStringLiteral("0"), QStringLiteral("52.67")},
                            QStringLiteral("10"), QStringLiteral("5"));
        for (int d : {-2, -1})
            banco().executar(QStringLiteral("INSERT INTO OCUPACAO (ID_ENTRADA, DATA, VALOR, QTD) VALUES (?, ?, 150, 2)"),
                             {idEstadia, kDia.addDays(d)});
        const auto linhaUH = [&](int qtd, const QString &valor, const QString &taxa, const QString &diaria) {
            banco().executar(QStringLiteral("INSERT INTO DESPESA_UH (ID_ENTRADA, ID_P_S, QTD, VALOR_UNIT, TAXA, DIARIA, "
                                            "DATA, HORA, USUARIO) VALUES (?, ?, ?, ?, ?, ?, ?, '20:00', 'MARIA')"),
                             {idEstadia, cerveja, qtd, valor, taxa, diaria, kDia.addDays(-1)});
        };
        linhaUH(1, QStringLiteral("80"), QStringLiteral("0"), QStringLiteral("S"));
        linhaUH(2, QStringLiteral("12.50"), QStringLiteral("10"), QStringLiteral("N"));
        for (int i = 0; i < 3; ++i)
            linhaUH(1, QStringLiteral("0.05"), QStringLiteral("10"), QStringLiteral("N"));
        // Out of the movement: cancelled, closed a second after the period, open.
        estadia(ana, u101, QStringLiteral("S"), QStringLiteral("S"), QDateTime(kDia, QTime(12, 0)), {QStringLiteral("999")});
        estadia(ana, u101, QStringLiteral("S"), QStringLiteral("N"), QDateTime(kDia.addDays(1), QTime(0, 0, 0)),
                {QStringLiteral("777")});
        estadia(ana, u102, QStringLiteral("N"), QStringLiteral("N"), QDateTime(kDia, QTime(12, 0)), {QStringLiteral("555")},
                QStringLiteral("0"), QStringLiteral("0"), QStringLiteral("60"));
        estadia(ana, u103, QStringLiteral("N"), QStringLiteral("N"), QDateTime(kDia, QTime(12, 0)));

        // 2 x 10,00 with 10 % fee (22,00), 4,00 off: 18,00 paid.
        inserir(QStringLiteral("INSERT INTO DESPESA_AVULSA (ID_P_S, QTD, VALOR_UNIT, TAXA, DESCONTO, DINHEIRO, DATA, HORA, "
                               "USUARIO) VALUES (?, 2, 10, 10, 4, 18, ?, '09:00', 'JOAO') RETURNING ID_DESPESA_AVULSA"),
                {cerveja, kDia});
        inserir(QStringLiteral("INSERT INTO DESPESA_AVULSA (ID_P_S, QTD, VALOR_UNIT, DATA, HORA, USUARIO, ID_FUNCIONARIO) "
                               "VALUES (?, 1, 5, ?, '09:30', 'JOAO', 1) RETURNING ID_DESPESA_AVULSA"),
                {cerveja, kDia});
        inserir(QStringLiteral("INSERT INTO V_DESPESA_AVULSA (DATA, HORA, USUARIO, MASTER, HIPER) VALUES (?, '10:00', 'JOAO', "
                               "30, 5) RETURNING ID_V_DESPESA_AVULSA"),
                {kDia});
        adicaoDinheiro = adicao(QTime(8, 0), QStringLiteral("50"), QStringLiteral("TROCO"), QStringLiteral("Dinheiro"));
        adicaoCartao = adicao(QTime(8, 30), QStringLiteral("20"), QStringLiteral("AJUSTE"),
                              u8("Cartão de Crédito - Visa"));
        retiradaDinheiro = retirada(kDia, QTime(12, 0), QStringLiteral("40"), QStringLiteral("SANGRIA"),
                                    QStringLiteral("Dinheiro"));
        retiradaPix = retirada(kDia, QTime(13, 0), QStringLiteral("15"), QStringLiteral("FORNECEDOR"),
                               QStringLiteral("Pix / Chq"));
        retirada(kDia.addDays(-1), QTime(23, 59, 59), QStringLiteral("1000"), QStringLiteral("ONTEM"),
                 QStringLiteral("Dinheiro"));
    }

    // The screen on the fixture's day, calculated.
    void calcular(TFrmMovimentoFinanceiro &f, const QTime &de = QTime(0, 0), const QTime &ate = QTime(23, 59, 59))
    {
        f.edtData1->setDate(kDia);
        f.edtData2->setDate(kDia);
        f.edtHora1->setTime(de);
        f.edtHora2->setTime(ate);
        f.btnCalcular->click();
    }
    static QStringList historicos(const QList<Movimento> &l)
    {
        QStringList r;
        for (const Movimento &m : l)
            r << m.tipo;
        return r;
    }
    static int linhaDe(const QList<Movimento> &l, const QString &identificador, Origem origem)
    {
        for (int i = 0; i < l.size(); ++i)
            if (l[i].identificador == identificador && l[i].origem == origem)
                return i;
        return -1;
    }

    qint64 cerveja = 0, idEstadia = 0, adicaoDinheiro = 0, adicaoCartao = 0, retiradaDinheiro = 0, retiradaPix = 0;
};

} // namespace

TEST_F(Movimento_, UmDiaDeTudoDaCadaLinhaTotalECaixaDeDetalhe)
{
    dia();
    TFrmMovimentoFinanceiro f;
    EXPECT_FALSE(f.btnMaisHospedagens->isVisibleTo(&f));
    calcular(f);

    EXPECT_EQ(historicos(f.entradas()),
              (QStringList{u8("Reposição de Caixa -> TROCO (Dinheiro)"),
                           u8("Reposição de Caixa -> AJUSTE (Cartão de Crédito - Visa)"),
                           u8("Consumo Avulso N.º 1 -> CERVEJA (2)"), u8("Consumo Avulso N.º 2 -> CERVEJA (1)"),
                           u8("Vários Consumos Avulsos N.º 1"),
                           u8("Hospedagem Fechada N.º %1 (UH 101 - ANA D'ÁVILA)").arg(idEstadia),
                           u8("Pagamentos Adiantados de Hospedagens em Aberto")}));
    EXPECT_EQ(f.entradas().last().momento, QDateTime(QDate(2099, 12, 31), QTime(0, 0)));
    EXPECT_EQ(historicos(f.saidas()), (QStringList{u8("Retirada de Caixa - SANGRIA - (Dinheiro)"),
                                                   u8("Retirada de Caixa - FORNECEDOR - (Pix / Chq)")}));

    EXPECT_EQ(f.lblHospedagens->text(),
              u8("Entradas (Hospedagens fechadas): R$ 402,67  (*Diárias: R$ 380,00 *Despesas e Consumos: R$ 27,67 "
                 "*(-)Descontos: R$ 10,00 *(+)Acréscimos: R$ 5,00)"));
    // The discounted sale counts the 18,00 it brought in, not 22,00.
    EXPECT_EQ(f.lblDespesasAvulsas->text(), u8("Despesas Avulsas: R$ 53,00"));
    EXPECT_EQ(f.lblAdiantados->text(),
              u8("Pagamentos adiantados (Hospedagens em aberto incluindo despesas e consumos): R$ 60,00"));
    EXPECT_EQ(f.lblReposicoes->text(), u8("Reposições de Caixa: R$ 70,00"));
    EXPECT_EQ(f.lblSaidas->text(), u8("Saídas (Retiradas de Caixa): R$ 55,00"));
    EXPECT_EQ(f.lblTotalEntradas->text(), u8("585,67"));
    EXPECT_EQ(f.lblTotalSaidas->text(), u8("55,00"));
    EXPECT_EQ(f.lblSaldo->text(), u8("530,67"));
    EXPECT_TRUE(f.btnMaisHospedagens->isVisibleTo(&f));

    const QString n = QStringLiteral("\n");
    msg->esperar(u8("--- Detalhe das Entradas ---\n\nEntrada em Dinheiro -> R$ 200,00\n"
                    "Entrada em Cartão de Crédito - Visa -> R$ 100,00\nEntrada em Cartão de Débito - Visa -> R$ 0,00\n"
                    "Entrada em Cartão de Crédito - Mastercard -> R$ 0,00\n"
                    "Entrada em Cartão de Débito - Mastercard -> R$ 50,00\n"
                    "Entrada em Cartão de Crédito - Hipercard -> R$ 0,00\nEntrada em Pix / Chq -> R$ 0,00\n"
                    "Entrada em Nota -> R$ 52,67\n\nTotal de Entradas -> R$ 402,67"));
    msg->esperar(u8("--- Detalhe das Despesa Avulsas Pagas ---\n\nEntrada em Dinheiro -> R$ 18,00\n"
                    "Entrada em Cartão de Crédito - Visa -> R$ 0,00\nEntrada em Cartão de Débito - Visa -> R$ 0,00\n"
                    "Entrada em Cartão de Crédito - Mastercard -> R$ 30,00\n"
                    "Entrada em Cartão de Débito - Mastercard -> R$ 0,00\n"
                    "Entrada em Cartão de Crédito - Hipercard -> R$ 5,00\nEntrada em Pix / Chq -> R$ 0,00\n\n"
                    "Total de Despesa Avulsas Pagas -> R$ 53,00"));
    msg->esperar(u8("--- Detalhe das Reposições ---\n\nReposições em Dinheiro -> R$ 50,00\n"
                    "Reposições em Cartão de Crédito - Visa -> R$ 20,00\nReposições em Cartão de Débito - Visa -> R$ 0,00\n"
                    "Reposições em Cartão de Crédito - Mastercard -> R$ 0,00\n"
                    "Reposições em Cartão de Débito - Mastercard -> R$ 0,00\n"
                    "Reposições em Cartão de Crédito - Hipercard -> R$ 0,00\nReposições em Pix / Chq -> R$ 0,00\n\n"
                    "Total de Reposições -> R$ 70,00"));
    msg->esperar(u8("--- Detalhe das Saídas ---\n\nSaída em Dinheiro -> R$ 40,00\n"
                    "Saída em Cartão de Crédito - Visa -> R$ 0,00\nSaída em Cartão de Débito - Visa -> R$ 0,00\n"
                    "Saída em Cartão de Crédito - Mastercard -> R$ 0,00\n"
                    "Saída em Cartão de Débito - Mastercard -> R$ 0,00\n"
                    "Saída em Cartão de Crédito - Hipercard -> R$ 0,00\nSaída em Pix / Chq -> R$ 15,00\n\n"
                    "Total de Saídas -> R$ 55,00"));
    msg->esperar(u8("--- Detalhe dos Pagamentos Adiantados ---\n\nUH 102 - R$ 60,00\n\n"
                    "Total em Pagamentos Adiantados: R$ 60,00"));
    for (QPushButton *b : {f.btnMaisHospedagens, f.btnMaisDespesasAvulsas, f.btnMaisReposicoes, f.btnMaisSaidas,
                           f.btnMaisAdiantados})
        b->click();
    EXPECT_EQ(msg->pendentes(), 0);
    Q_UNUSED(n);
    EXPECT_EQ(logs().last(), QStringLiteral("ADMIN|Cosulta de Movimento Financeiro"));
    EXPECT_EQ(banco().ler(QStringLiteral("SELECT FIRST 1 ANTES FROM LOG ORDER BY ID_LOG DESC")).texto(QStringLiteral("ANTES")),
              u8("Cálculo de Movimento Financeiro (De:10/03/2026 Até: 10/03/2026)"));

    // Changing only a time empties everything until the next calculation.
    f.edtHora2->setTime(QTime(23, 0));
    EXPECT_EQ(f.dbgMov->model()->rowCount(), 0);
    EXPECT_EQ(f.dbgSaidas->model()->rowCount(), 0);
    EXPECT_EQ(f.lblHospedagens->text(), u8("Entradas (Hospedagens fechadas): R$ 0,00"));
    EXPECT_EQ(f.lblSaldo->text(), QStringLiteral("0,00"));
    EXPECT_FALSE(f.btnMaisSaidas->isVisibleTo(&f));
}

TEST_F(Movimento_, UmMinutoIncluiAsDuasPontasEOPeriodoInvalidoNaoConsulta)
{
    dia();
    retirada(kDia, QTime(11, 31), QStringLiteral("7"), QStringLiteral("NA PONTA"), QStringLiteral("Dinheiro"));
    retirada(kDia, QTime(11, 31, 1), QStringLiteral("8"), QStringLiteral("FORA"), QStringLiteral("Dinheiro"));
    adicao(QTime(11, 29, 59), QStringLiteral("9"), QStringLiteral("ANTES"), QStringLiteral("Dinheiro"));
    TFrmMovimentoFinanceiro f;
    calcular(f, QTime(11, 30), QTime(11, 31));
    EXPECT_EQ(historicos(f.entradas()), (QStringList{u8("Hospedagem Fechada N.º %1 (UH 101 - ANA D'ÁVILA)").arg(idEstadia),
                                                      u8("Pagamentos Adiantados de Hospedagens em Aberto")}));
    EXPECT_EQ(historicos(f.saidas()), QStringList{u8("Retirada de Caixa - NA PONTA - (Dinheiro)")});
    EXPECT_EQ(f.lblSaldo->text(), u8("455,67"));

    struct Caso {
        QDateTime de, ate;
        QString mensagem;
    };
    const Caso casos[] = {
        {QDateTime(kDia, QTime(12, 0)), QDateTime(kDia, QTime(11, 0)), kMsgPeriodoInvalido},
        {QDateTime(QDate(1899, 12, 31), QTime(0, 0)), QDateTime(kDia, QTime(11, 0)), kMsgAnoInvalido},
    };
    for (const Caso &c : casos) {
        f.edtData1->setDate(c.de.date());
        f.edtHora1->setTime(c.de.time());
        f.edtData2->setDate(c.ate.date());
        f.edtHora2->setTime(c.ate.time());
        const qint64 antes = contar(QStringLiteral("SELECT COUNT(*) FROM LOG"));
        msg->esperar(c.mensagem);
        f.btnCalcular->click();
        EXPECT_FALSE(f.calculado());
        EXPECT_EQ(contar(QStringLiteral("SELECT COUNT(*) FROM LOG")), antes);
    }
    EXPECT_EQ(msg->pendentes(), 0);
}

TEST_F(Movimento_, EstornosDeDinheiroMovemOCaixaApagamALinhaERecalculam)
{
    dia();
    turno(QStringLiteral("100"));
    TFrmMovimentoFinanceiro f;
    calcular(f);
    f.dbgMov->setCurrentIndex(f.dbgMov->model()->index(linhaDe(f.entradas(), QString::number(adicaoDinheiro), Origem::Reposicao), 0));
    msg->esperar(kPerguntaReposicao, Mensagem::Sim).esperar(kMsgReposicaoEstornada);
    f.btnEstornoReposicaoClick();
    EXPECT_EQ(caixa(), QStringLiteral("50,00"));
    EXPECT_EQ(contar(QStringLiteral("SELECT COUNT(*) FROM ADIC_CAIXA WHERE ID_ADIC_CAIXA = ?"), {adicaoDinheiro}), 0);
    // The reversal's line, then the recalculation's.
    EXPECT_EQ(logs().mid(logs().size() - 2),
              (QStringList{u8("ADMIN|Estornou Reposição de 50,00 em Dinheiro! (Reposiçao do dia 10/03/2026 08:00:00)"),
                           u8("ADMIN|Cosulta de Movimento Financeiro")}));
    // Recalculated with the period on screen.
    EXPECT_EQ(f.lblReposicoes->text(), u8("Reposições de Caixa: R$ 20,00"));

    f.dbgSaidas->setCurrentIndex(f.dbgSaidas->model()->index(linhaDe(f.saidas(), QString::number(retiradaDinheiro), Origem::Retirada), 0));
    msg->esperar(kPerguntaRetirada, Mensagem::Sim).esperar(kMsgRetiradaEstornada);
    f.btnEstornoRetiradaClick();
    EXPECT_EQ(caixa(), QStringLiteral("90,00"));
    EXPECT_EQ(logs().value(logs().size() - 2),
              u8("ADMIN|Estornou Retirada de 40,00 em Dinheiro! (Retirada do dia 10/03/2026 12:00:00)"));
    EXPECT_EQ(f.lblSaidas->text(), u8("Saídas (Retiradas de Caixa): R$ 15,00"));
    EXPECT_EQ(msg->pendentes(), 0);
}

TEST_F(Movimento_, EstornosRecusadosNaoMudamNada)
{
    dia();
    turno(QStringLiteral("30"));
    TFrmMovimentoFinanceiro f;
    calcular(f);
    const qint64 logsAntes = contar(QStringLiteral("SELECT COUNT(*) FROM LOG"));
    struct Caso {
        const char *nome;
        QTableView *grade;
        int linha;
        bool reposicao;
        QList<QPair<QString, Mensagem::Botao>> caixas;
    };
    const Caso casos[] = {
        {"reposição em cartão", f.dbgMov, linhaDe(f.entradas(), QString::number(adicaoCartao), Origem::Reposicao), true,
         {{kMsgSoReposicaoDinheiro, Mensagem::Ok}}},
        {"estadia não é reposição", f.dbgMov, linhaDe(f.entradas(), QString::number(idEstadia), Origem::Hospedagem), true,
         {{kMsgSoReposicaoDinheiro, Mensagem::Ok}}},
        {"retirada em Pix", f.dbgSaidas, linhaDe(f.saidas(), QString::number(retiradaPix), Origem::Retirada), false,
         {{kMsgSoRetiradaDinheiro, Mensagem::Ok}}},
        {"respondeu Não", f.dbgMov, linhaDe(f.entradas(), QString::number(adicaoDinheiro), Origem::Reposicao), true,
         {{kPerguntaReposicao, Mensagem::Nao}}},
        // 50,00 to take out of a cash of 30,00: refused, the row stays.
        {"saldo insuficiente", f.dbgMov, linhaDe(f.entradas(), QString::number(adicaoDinheiro), Origem::Reposicao), true,
         {{kPerguntaReposicao, Mensagem::Sim}, {TextosCaixa::SaldoInsuficiente, Mensagem::Ok}}},
    };
    for (const Caso &c : casos) {
        SCOPED_TRACE(c.nome);
        ASSERT_GE(c.linha, 0);
        c.grade->setCurrentIndex(c.grade->model()->index(c.linha, 0));
        for (const auto &cx : c.caixas)
            msg->esperar(cx.first, cx.second);
        if (c.reposicao)
            f.btnEstornoReposicaoClick();
        else
            f.btnEstornoRetiradaClick();
        EXPECT_EQ(msg->pendentes(), 0);
        EXPECT_EQ(caixa(), QStringLiteral("30,00"));
        EXPECT_EQ(contar(QStringLiteral("SELECT COUNT(*) FROM ADIC_CAIXA")), 2);
        EXPECT_EQ(contar(QStringLiteral("SELECT COUNT(*) FROM RET_CAIXA")), 3);
        EXPECT_EQ(contar(QStringLiteral("SELECT COUNT(*) FROM LOG")), logsAntes);
    }
    // No open shift: the withdrawal's cash has nowhere to go back to.
    banco().executar(QStringLiteral("UPDATE CAIXA SET DATA_FECHA = ?"), {kDia});
    f.dbgSaidas->setCurrentIndex(f.dbgSaidas->model()->index(linhaDe(f.saidas(), QString::number(retiradaDinheiro), Origem::Retirada), 0));
    msg->esperar(kPerguntaRetirada, Mensagem::Sim).esperar(TextosCaixa::SemCaixaUnico);
    f.btnEstornoRetiradaClick();
    EXPECT_EQ(contar(QStringLiteral("SELECT COUNT(*) FROM RET_CAIXA")), 3);
    // Nothing chosen: nothing happens.
    f.dbgMov->setCurrentIndex({});
    f.btnEstornoReposicaoClick();
    EXPECT_EQ(msg->pendentes(), 0);
}

TEST_F(Movimento_, DuploCliqueAbreOExtratoDaEstadiaEOErroChegaAoManipulador)
{
    dia();
    Estadias::registrarGanchosFinancas();
    TFrmMovimentoFinanceiro f;
    calcular(f);
    QStringList titulos;
    Telas::interceptar<TFrmVisualizaRelatorio>([&](TFrmVisualizaRelatorio *v) {
        titulos << v->relatorio().titulo() + QLatin1Char('|') + v->relatorio().linhaOpcoes();
        return 0;
    });
    for (int i = 0; i < f.entradas().size(); ++i) {
        f.dbgMov->setCurrentIndex(f.dbgMov->model()->index(i, 0));
        f.dbgMovDblClick();
    }
    ASSERT_EQ(titulos.size(), 1);
    EXPECT_TRUE(titulos[0].startsWith(u8("Extrato de Conta"))) << titulos[0].toStdString();
    EXPECT_TRUE(titulos[0].contains(QString::number(idEstadia))) << titulos[0].toStdString();

    // The statement's failure is not swallowed: it reaches the central handler.
    TFrmMovimentoFinanceiro::extratoConta = [](qint64) { throw ErroSistema(QStringLiteral("falhou o extrato")); };
    f.dbgMov->setCurrentIndex(f.dbgMov->model()->index(linhaDe(f.entradas(), QString::number(idEstadia), Origem::Hospedagem), 0));
    EXPECT_THROW(f.dbgMovDblClick(), ErroSistema);
}

TEST_F(Movimento_, RelatorioComSinaisDetalhesAlturasETotaisIguaisAosDaTela)
{
    dia();
    TFrmMovimentoFinanceiro tela;
    calcular(tela);
    FrmMovimentoFinanceiro = &tela;
    tela.edtData1->setDate(kDia);
    TFrmRelMovFinanceiro f;
    FrmMovimentoFinanceiro = nullptr;
    // The movement screen's dates, not its times.
    EXPECT_EQ(f.edtData1->date(), kDia);
    EXPECT_EQ(f.edtHora1->time(), QTime(0, 0));
    EXPECT_EQ(f.edtHora2->time(), QTime(23, 59, 59));
    f.chkDetalhado->setChecked(true);
    const Relatorio *visto = nullptr;
    QString pdf = pasta() + QStringLiteral("/movimento.pdf");
    Telas::interceptar<TFrmVisualizaRelatorio>([&](TFrmVisualizaRelatorio *v) {
        visto = &v->relatorio();
        RelatorioPintura::gravarPdf(v->relatorio(), pdf);
        EXPECT_EQ(v->relatorio().linhaOpcoes(), u8("(De: 10/03/2026 00:00:00   Até: 10/03/2026 23:59:59)"));
        return 0;
    });
    f.btnImprimirClick();
    ASSERT_TRUE(visto);
    const DadosRelatorio &d = f.dados();
    QStringList linhas;
    for (const LinhaRelatorio &l : d.linhas)
        linhas << QStringLiteral("%1|%2|%3|%4|%5").arg(l.tipo, l.cd, l.total.formatado(), l.detalhes.join(QLatin1Char(';')))
                      .arg(l.alturaBanda);
    EXPECT_EQ(linhas,
              (QStringList{u8("Reposição de Caixa -> TROCO|+|50,00|Dinheiro: R$ 50,00|38"),
                           u8("Reposição de Caixa -> AJUSTE|+|20,00|CC - Visa: R$ 20,00|38"),
                           u8("Consumo Avulso N.º 1 -> CERVEJA (2)|+|18,00|Dinheiro: R$ 18,00|38"),
                           u8("Consumo Avulso N.º 2 -> CERVEJA (1)|+|0,00||38"),
                           u8("Vários Consumos Avulsos N.º 1|+|35,00|CC - Mastercard: R$ 30,00;CC - Hipercard: R$ 5,00|57"),
                           u8("Hospedagem Fechada N.º %1 (UH 101 - ANA D'ÁVILA)|+|402,67|Dinheiro: R$ 200,00;"
                              "CC - Visa: R$ 100,00;CD - Mastercard: R$ 50,00;A Prazo: R$ 52,67|95")
                               .arg(idEstadia),
                           u8("Retirada de Caixa - SANGRIA|-|40,00|Dinheiro: R$ 40,00|38"),
                           u8("Retirada de Caixa - FORNECEDOR|-|15,00|Pix / Chq: R$ 15,00|38"),
                           u8("Pagamentos Adiantados de Hospedagens em Aberto|+|60,00||38")}));
    EXPECT_EQ(d.linhas[5].alturaHistorico, 85);
    EXPECT_EQ(d.linhas[5].alturaDetalhe, 85);
    // The report's totals are the screen's.
    EXPECT_EQ(d.totalEntrada, tela.totais().totalEntradas());
    EXPECT_EQ(d.totalSaida, tela.totais().saidas);
    EXPECT_EQ(d.valorTotal().formatado(), tela.lblSaldo->text());
    EXPECT_EQ(d.resumo(),
              (QStringList{u8("Entrada em Dinheiro: R$ 268,00"), u8("Entrada em CC - Visa: R$ 120,00"),
                           u8("Entrada em CD - Visa: R$ 0,00"), u8("Entrada em CC - Mastercard: R$ 30,00"),
                           u8("Entrada em CD - Mastercard: R$ 50,00"), u8("Entrada em CC - Hipercard: R$ 5,00"),
                           u8("Entrada em Pix / Chq: R$ 0,00"), u8("Entrada A Prazo: R$ 52,67"),
                           u8("Saída em Dinheiro: R$ 40,00"), u8("Saída em CC - Visa: R$ 0,00"),
                           u8("Saída em CD - Visa: R$ 0,00"), u8("Saída em CC - Mastercard: R$ 0,00"),
                           u8("Saída em CD - Mastercard: R$ 0,00"), u8("Saída em CC - Hipercard: R$ 0,00"),
                           u8("Saída em Pix / Chq: R$ 15,00"),
                           u8("(*Diárias: R$ 380,00 *Despesas e Consumos: R$ 27,67 *(-)Descontos: R$ 10,00 "
                              "*(+)Acréscimos: R$ 5,00)"),
                           u8("Entradas (R$)          -          Saídas (R$)       =       Saldo Atual (R$)")}));
    EXPECT_EQ(banco().ler(QStringLiteral("SELECT FIRST 1 OPERACAO, ANTES FROM LOG ORDER BY ID_LOG DESC")).texto(QStringLiteral("ANTES")),
              u8("Relatório de Movimento Financeiro (De:10/03/2026 Até: 10/03/2026)"));

    // Read back from the PDF: both the detail lines and the closing totals.
    if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
        GTEST_FAIL() << "pdftotext (poppler-utils) não instalado: rode scripts/install-deps";
    QProcess p;
    p.start(QStandardPaths::findExecutable(QStringLiteral("pdftotext")), {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
    p.waitForFinished(60000);
    const QString texto = QString::fromUtf8(p.readAllStandardOutput());
    for (const char *esperado : {"Relatório de Movimento Financeiro", "TIPO DE MOVIMENTAÇÃO", "Reposição de Caixa -> TROCO",
                                 "A Prazo: R$ 52,67", "Entrada em Dinheiro: R$", "268,00", "585,67", "530,67"})
        EXPECT_TRUE(texto.contains(QString::fromUtf8(esperado))) << esperado << "\n" << texto.toStdString();

    // Without "Detalhado" no band keeps detail lines.
    f.chkDetalhado->setChecked(false);
    f.btnImprimirClick();
    for (const LinhaRelatorio &l : f.dados().linhas)
        EXPECT_TRUE(l.detalhes.isEmpty());

    // A period with nothing but no open stay: "Nenhum Registro Encontrado!", no preview.
    banco().executar(QStringLiteral("UPDATE WALK_IN SET BAIXA = 'S' WHERE BAIXA = 'N'"));
    f.edtData1->setDate(QDate(2025, 1, 1));
    f.edtData2->setDate(QDate(2025, 1, 1));
    visto = nullptr;
    msg->esperar(kMsgNenhumRegistro);
    f.btnImprimirClick();
    EXPECT_FALSE(visto);
}

TEST_F(Movimento_, RibbonAbreAsQuatroTelasEOImprimirDoMovimentoAbreORelatorio)
{
    // The registrar also sets the hooks of other screens: they are put back after.
    const auto notas = TFrmRetiraDinheiro::abrirNotas;
    const auto mapa = MapaUH::ganchos().despesasAvulsas;
    const auto lista = ListaEstadias::despesasAvulsas;
    struct Repor {
        std::function<void()> n, m, l;
        ~Repor()
        {
            TFrmRetiraDinheiro::abrirNotas = n;
            MapaUH::ganchos().despesasAvulsas = m;
            ListaEstadias::despesasAvulsas = l;
        }
    } repor{notas, mapa, lista};
    RegistroGravado r;
    Financas::registrarComandos(r);
    QStringList abertas;
    const auto contar = [&abertas](const char *nome) {
        return [&abertas, nome](QDialog *) {
            abertas << QString::fromUtf8(nome);
            return int(QDialog::Rejected);
        };
    };
    Telas::interceptar<TFrmMovimentoFinanceiro>([&](TFrmMovimentoFinanceiro *t) {
        abertas << QStringLiteral("movimento");
        // Its "Imprimir" opens the report with the screen's dates.
        t->edtData1->setDate(kDia);
        t->btnImprimir->click();
        return int(QDialog::Rejected);
    });
    Telas::interceptar<TFrmRelMovFinanceiro>([&](TFrmRelMovFinanceiro *t) {
        abertas << QStringLiteral("relatório ") + t->edtData1->date().toString(QStringLiteral("dd/MM/yyyy"));
        return int(QDialog::Rejected);
    });
    Telas::interceptar<TFrmGrafFinanceiro>(std::function<int(TFrmGrafFinanceiro *)>(contar("gráficos")));
    Telas::interceptar<TFrmRelOsMaisMais>(std::function<int(TFrmRelOsMaisMais *)>(contar("os mais mais")));
    for (const char *h : {"btnMovimentoFinanceiroClick", "btnRelMovFinanceiroClick", "btnGrafFinanceiroClick",
                          "btnRelOsMaisMaisClick"})
        EXPECT_TRUE(r.executar(QString::fromLatin1(h))) << h;
    EXPECT_EQ(abertas, (QStringList{u8("movimento"), u8("relatório 10/03/2026"), u8("relatório 10/12/2026"),
                                    u8("gráficos"), u8("os mais mais")}));
}
