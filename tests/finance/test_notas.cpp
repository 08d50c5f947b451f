// On-account bills: settlement over every means with the exact shift
// balances and bill columns, the refusals, a bill settled twice and by two
// workstations at once, several bills with one means, the search values and
// the customer filter, the report and the screen's flow.
#include "base/Relogio.h"
#include "base/RelatorioPintura.h"
#include "base/Telas.h"
#include "finance/ControleCaixa.h"
#include "finance/Notas.h"
#include "finance/UnitNotas.h"
#include "support/TelasTeste.h"

#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>

#include <chrono>
#include <future>
#include <thread>

using namespace Notas;

namespace {

QString u8(const char *t) { return QString::fromUtf8(t); }
Dinheiro r$(const char *t) { return Dinheiro::deTextoOuErro(QString::fromUtf8(t)); }

const QDate kHoje(2026, 12, 10);

class NotasTeste : public TelasTeste {
protected:
    void SetUp() override
    {
        TelasTeste::SetUp();
        Relogio::definir(QDateTime(kHoje, QTime(10, 0)));
    }
    void TearDown() override
    {
        Telas::liberarTodas();
        Relogio::liberar();
        TelasTeste::TearDown();
    }
    // The open shift: 1.000,00 in every means and on account.
    void turnoAberto()
    {
        QString sql = QStringLiteral("INSERT INTO CAIXA (DATA_ABERT, HORA_ABERT, TURNO, USUARIO");
        Valores v{kHoje, QTime(8, 0), 1, QStringLiteral("ADMIN")};
        for (const DadosMeioCaixa &m : meiosCaixa()) {
            sql += QStringLiteral(", ") + m.coluna;
            v << QStringLiteral("1000.00");
        }
        sql += QStringLiteral(") VALUES (?") + QStringLiteral(", ?").repeated(v.size() - 1) + QStringLiteral(")");
        banco().executar(sql, v);
    }
    qint64 cliente(const QString &nome, const QString &excluido = QStringLiteral("N"))
    {
        return banco()
            .ler(QStringLiteral("INSERT INTO CLIENTE (NOME, EXCLUIDO) VALUES (?, ?) RETURNING ID_CLIENTE"),
                 {nome, excluido})
            .inteiro(QStringLiteral("ID_CLIENTE"));
    }
    // A closed stay left on account with its bill; returns the bill's key.
    qint64 nota(qint64 idCliente, const char *valor, QDate saida = kHoje.addDays(-1), const char *excluida = "N")
    {
        const qint64 estadia =
            banco()
                .ler(QStringLiteral("INSERT INTO WALK_IN (ID_CLIENTE, ID_UH, DATA_ENTRADA, DATA_SAIDA, BAIXA, EXCLUIDO) "
                                    "VALUES (?, 1, ?, ?, 'S', ?) RETURNING ID_WALK_IN"),
                     {idCliente, saida.addDays(-2), saida, QString::fromLatin1(excluida)})
                .inteiro(QStringLiteral("ID_WALK_IN"));
        return banco()
            .ler(QStringLiteral("INSERT INTO NOTA (ID_ENTRADA, VALOR) VALUES (?, ?) RETURNING ID_NOTA"),
                 {estadia, r$(valor).paraBanco()})
            .inteiro(QStringLiteral("ID_NOTA"));
    }
    // The eight balances of the open shift, in the order of meiosCaixa().
    QStringList saldos()
    {
        QStringList s;
        const Linha l = banco().ler(QStringLiteral("SELECT * FROM CAIXA WHERE DATA_FECHA IS NULL"));
        for (const DadosMeioCaixa &m : meiosCaixa())
            s << l.dinheiro(m.coluna).formatado();
        return s;
    }
    // "PAGO|DATA_PAG|USUARIO|FORMAPAG|DINHEIRO|VISA|DEBVISA|MASTER|DEBMASTER|HIPER|CHEQUE|DEPOSITO"
    QString linhaNota(qint64 id)
    {
        const Linha l = banco().ler(QStringLiteral("SELECT * FROM NOTA WHERE ID_NOTA = ?"), {id});
        QStringList c{l.texto(QStringLiteral("PAGO")), l.data(QStringLiteral("DATA_PAG")).toString(QStringLiteral("dd/MM/yyyy")),
                      l.texto(QStringLiteral("USUARIO")), l.texto(QStringLiteral("FORMAPAG"))};
        for (const DadosMeioNota &m : meiosNota())
            c << l.dinheiro(m.colunaNota).formatado();
        return c.join(QLatin1Char('|'));
    }
    QStringList retiradas()
    {
        QStringList r;
        for (const Linha &l : banco().lerTodas(QStringLiteral("SELECT * FROM RET_CAIXA ORDER BY ID_RET_CAIXA")))
            r << l.dinheiro(QStringLiteral("VALOR")).formatado() + QLatin1Char('|') + l.texto(QStringLiteral("DESCRICAO"))
                    + QLatin1Char('|') + l.texto(QStringLiteral("TIPO")) + QLatin1Char('|')
                    + l.texto(QStringLiteral("USUARIO"));
        return r;
    }
};

} // namespace

TEST_F(NotasTeste, BaixaPorMeioComSaldosEColunasExatos)
{
    struct Caso {
        const char *nome;
        QList<QPair<MeioNota, const char *>> partes;
        QStringList saldos; // ATUAL ... ATUAL_CHEQUE, ATUAL_NOTAS
        QString colunas;
    };
    const Caso casos[] = {
        {"dinheiro e visa crédito",
         {{MeioNota::Dinheiro, "60,00"}, {MeioNota::CreditoVisa, "40,00"}},
         {"1.060,00", "1.040,00", "1.000,00", "1.000,00", "1.000,00", "1.000,00", "1.000,00", "900,00"},
         "S|10/12/2026|ADMIN|Diversas|60,00|40,00|0,00|0,00|0,00|0,00|0,00|0,00"},
        {"débito visa sozinho",
         {{MeioNota::DebitoVisa, "100,00"}},
         {"1.000,00", "1.000,00", "1.100,00", "1.000,00", "1.000,00", "1.000,00", "1.000,00", "900,00"},
         u8("S|10/12/2026|ADMIN|Visa - Débito|0,00|0,00|100,00|0,00|0,00|0,00|0,00|0,00")},
        {"três meios: master crédito e débito, hipercard",
         {{MeioNota::CreditoMaster, "33,33"}, {MeioNota::DebitoMaster, "33,33"}, {MeioNota::Hipercard, "33,34"}},
         {"1.000,00", "1.000,00", "1.000,00", "1.033,33", "1.033,33", "1.033,34", "1.000,00", "900,00"},
         "S|10/12/2026|ADMIN|Diversas|0,00|0,00|0,00|33,33|33,33|33,34|0,00|0,00"},
        {"pix / cheque",
         {{MeioNota::PixChq, "100,00"}},
         {"1.000,00", "1.000,00", "1.000,00", "1.000,00", "1.000,00", "1.000,00", "1.100,00", "900,00"},
         "S|10/12/2026|ADMIN|Pix / Chq|0,00|0,00|0,00|0,00|0,00|0,00|100,00|0,00"},
        {"depósito: o dinheiro fica onde estava",
         {{MeioNota::Deposito, "100,00"}},
         {"1.000,00", "1.000,00", "1.000,00", "1.000,00", "1.000,00", "1.000,00", "1.000,00", "900,00"},
         u8("S|10/12/2026|ADMIN|Depósito em Conta|0,00|0,00|0,00|0,00|0,00|0,00|0,00|100,00")},
        {"dinheiro e depósito",
         {{MeioNota::Dinheiro, "70,00"}, {MeioNota::Deposito, "30,00"}},
         {"1.070,00", "1.000,00", "1.000,00", "1.000,00", "1.000,00", "1.000,00", "1.000,00", "900,00"},
         "S|10/12/2026|ADMIN|Diversas|70,00|0,00|0,00|0,00|0,00|0,00|0,00|30,00"},
    };
    const qint64 ana = cliente(u8("ANA D'ÁVILA"));
    for (const Caso &c : casos) {
        SCOPED_TRACE(c.nome);
        banco().executar(QStringLiteral("DELETE FROM CAIXA"));
        banco().executar(QStringLiteral("DELETE FROM RET_CAIXA"));
        banco().executar(QStringLiteral("DELETE FROM LOG"));
        turnoAberto();
        const qint64 id = nota(ana, "100,00");
        Pagamento p;
        bool deposito = false;
        for (const auto &parte : c.partes) {
            p[parte.first] = r$(parte.second);
            deposito = deposito || parte.first == MeioNota::Deposito;
        }
        const ResultadoBaixa r = baixar(DM->Conexao, id, p);
        EXPECT_EQ(r.situacao, ResultadoBaixa::Situacao::Baixada);
        EXPECT_EQ(saldos(), c.saldos);
        EXPECT_EQ(linhaNota(id), c.colunas);
        QStringList logEsperado;
        if (deposito) {
            const QString v = p[MeioNota::Deposito].formatado();
            EXPECT_EQ(retiradas(), QStringList{v + u8("|Pagamento de Nota Pendente - Depósito em Conta|Dinheiro|ADMIN")});
            logEsperado << u8("ADMIN|Retirou ") + v
                    + u8(" do Caixa em Dinheiro! (Pagamento de Nota Pendente - Depósito em Conta)");
            ASSERT_EQ(r.avisos.size(), 1);
            EXPECT_EQ(r.avisos[0].second, u8("Retirada Automática de Deposito Realizada com Sucesso!"));
        } else {
            EXPECT_TRUE(retiradas().isEmpty());
            EXPECT_TRUE(r.avisos.isEmpty());
        }
        logEsperado << u8("ADMIN|Registrou Baixa de Nota Pendente -> (ANA D'ÁVILA - 100,00)");
        EXPECT_EQ(logs(), logEsperado);
    }
}

TEST_F(NotasTeste, RecusasNaoGravamNada)
{
    turnoAberto();
    const qint64 id = nota(cliente(QStringLiteral("BRUNO")), "100,00");
    struct Caso {
        const char *nome;
        QList<QPair<MeioNota, const char *>> partes;
        ResultadoBaixa::Situacao situacao;
        QString mensagem;
    };
    const Caso casos[] = {
        {"um centavo a menos", {{MeioNota::Dinheiro, "99,99"}}, ResultadoBaixa::Situacao::ValorDiferente,
         u8("Valor Informado Diferente do Valor da Nota!")},
        {"um centavo a mais em dois meios", {{MeioNota::Dinheiro, "50,00"}, {MeioNota::CreditoVisa, "50,01"}},
         ResultadoBaixa::Situacao::ValorDiferente, u8("Valor Informado Diferente do Valor da Nota!")},
        {"valor negativo que fecha a soma", {{MeioNota::Dinheiro, "150,00"}, {MeioNota::Hipercard, "-50,00"}},
         ResultadoBaixa::Situacao::ValorInvalido, u8("Valor Inválido! Informe os Valores em Reais, como 1.234,56.")},
    };
    const QStringList antes = saldos();
    for (const Caso &c : casos) {
        SCOPED_TRACE(c.nome);
        Pagamento p;
        for (const auto &parte : c.partes)
            p[parte.first] = r$(parte.second);
        const ResultadoBaixa r = baixar(DM->Conexao, id, p);
        EXPECT_EQ(r.situacao, c.situacao);
        ASSERT_EQ(r.avisos.size(), 1);
        EXPECT_EQ(r.avisos[0].second, c.mensagem);
    }
    // With no open shift the bill stays unpaid: the mark is rolled back.
    banco().executar(QStringLiteral("UPDATE CAIXA SET DATA_FECHA = ?"), {kHoje});
    const ResultadoBaixa r = baixar(DM->Conexao, id, Pagamento::unico(MeioNota::Dinheiro, r$("100,00")));
    EXPECT_EQ(r.situacao, ResultadoBaixa::Situacao::SemCaixa);
    ASSERT_EQ(r.avisos.size(), 1);
    EXPECT_EQ(r.avisos[0].second, u8("Necessário Abrir o Caixa para Funcionamento do Sistema!"));
    banco().executar(QStringLiteral("UPDATE CAIXA SET DATA_FECHA = NULL"));
    EXPECT_EQ(saldos(), antes);
    EXPECT_EQ(linhaNota(id), QStringLiteral("N||||0,00|0,00|0,00|0,00|0,00|0,00|0,00|0,00"));
    EXPECT_TRUE(logs().isEmpty());
}

TEST_F(NotasTeste, NotaBaixadaDuasVezesLancaUmaSo)
{
    turnoAberto();
    const qint64 id = nota(cliente(QStringLiteral("CARLA")), "250,00");
    EXPECT_TRUE(baixar(DM->Conexao, id, Pagamento::unico(MeioNota::Dinheiro, r$("250,00"))).baixada());
    const QStringList depois = saldos();
    // A stale list settles it again, by another means.
    const ResultadoBaixa r = baixar(DM->Conexao, id, Pagamento::unico(MeioNota::CreditoVisa, r$("250,00")));
    EXPECT_EQ(r.situacao, ResultadoBaixa::Situacao::JaBaixada);
    ASSERT_EQ(r.avisos.size(), 1);
    EXPECT_EQ(r.avisos[0].second, u8("Esta Nota já foi Baixada em Outra Estação! Nenhum Valor foi Lançado."));
    EXPECT_EQ(saldos(), depois);
    EXPECT_EQ(saldos()[int(MeioCaixa::APrazo)], QStringLiteral("750,00"));
    EXPECT_EQ(linhaNota(id), QStringLiteral("S|10/12/2026|ADMIN|Dinheiro|250,00|0,00|0,00|0,00|0,00|0,00|0,00|0,00"));
    EXPECT_EQ(contar(QStringLiteral("SELECT COUNT(*) FROM LOG")), 1);
}

TEST_F(NotasTeste, DuasEstacoesBaixandoAMesmaNotaDaoUmaBaixa)
{
    turnoAberto();
    const qint64 id = nota(cliente(QStringLiteral("DANIEL")), "80,00");
    // The other workstation settles the bill in cash and commits only after
    // this one has started its own settlement.
    const QString caminho = banco().caminho();
    std::promise<void> marcou;
    std::thread outra([&] {
        ConexaoBanco c(QStringLiteral("outra-estacao"), caminho);
        c.definirCaminho(caminho);
        c.conectar();
        c.iniciarTransacao();
        EXPECT_EQ(c.executar(QStringLiteral("UPDATE NOTA SET PAGO = 'S', DINHEIRO = 80 WHERE ID_NOTA = ? AND PAGO = 'N'"),
                             {id}),
                  1);
        c.executar(QStringLiteral("UPDATE CAIXA SET ATUAL_NOTAS = ATUAL_NOTAS - 80, ATUAL = ATUAL + 80 "
                                  "WHERE DATA_FECHA IS NULL"));
        marcou.set_value();
        std::this_thread::sleep_for(std::chrono::milliseconds(400));
        c.confirmarTransacao();
        c.desconectar();
    });
    marcou.get_future().wait();
    const ResultadoBaixa r = baixar(DM->Conexao, id, Pagamento::unico(MeioNota::Hipercard, r$("80,00")));
    outra.join();
    EXPECT_EQ(r.situacao, ResultadoBaixa::Situacao::JaBaixada);
    // One settlement: the other one's.
    EXPECT_EQ(saldos(), (QStringList{"1.080,00", "1.000,00", "1.000,00", "1.000,00", "1.000,00", "1.000,00",
                                     "1.000,00", "920,00"}));
    EXPECT_EQ(contar(QStringLiteral("SELECT COUNT(*) FROM LOG")), 0);
}

TEST_F(NotasTeste, VariasNotasComUmMeioInformamCadaUma)
{
    turnoAberto();
    const qint64 eva = cliente(QStringLiteral("EVA"));
    const qint64 a = nota(eva, "10,00"), b = nota(eva, "20,00"), c = nota(eva, "30,05");
    // b was settled meanwhile elsewhere.
    EXPECT_TRUE(baixar(DM->Conexao, b, Pagamento::unico(MeioNota::Dinheiro, r$("20,00"))).baixada());
    const ResultadoVarias r = baixarVarias(DM->Conexao, {a, b, c}, MeioNota::Hipercard);
    EXPECT_EQ(r.baixadas(), 2);
    EXPECT_EQ(r.mensagem(), QStringLiteral("2 de 3 Nota(s) Baixada(s).\nNota %1: ").arg(b)
                                + u8("Esta Nota já foi Baixada em Outra Estação! Nenhum Valor foi Lançado."));
    EXPECT_EQ(saldos()[int(MeioCaixa::Hipercard)], QStringLiteral("1.040,05"));
    EXPECT_EQ(saldos()[int(MeioCaixa::APrazo)], QStringLiteral("939,95"));
    EXPECT_EQ(linhaNota(c), QStringLiteral("S|10/12/2026|ADMIN|Hipercard|0,00|0,00|0,00|0,00|0,00|30,05|0,00|0,00"));

    const qint64 d = nota(eva, "5,00");
    EXPECT_EQ(baixarVarias(DM->Conexao, {d}, MeioNota::PixChq).mensagem(),
              u8("Operação Concluída com Sucesso! Valores Adicionados ao CAIXA!"));
    EXPECT_EQ(baixarVarias(DM->Conexao, {}, MeioNota::PixChq).mensagem(), u8("Selecione as Notas a Baixar!"));
}

TEST_F(NotasTeste, BuscaLeOValorDeCadaCriterio)
{
    const qint64 ana = cliente(u8("ANA D'ÁVILA"));
    const qint64 neg = cliente(QStringLiteral("ZECA"), QStringLiteral("S"));
    const qint64 n1 = nota(ana, "150,00", QDate(2026, 12, 1));
    const qint64 n2 = nota(ana, "1.234,56", QDate(2026, 12, 5));
    const qint64 n3 = nota(neg, "150,00", QDate(2026, 12, 5));
    nota(ana, "150,00", QDate(2026, 12, 5), "S"); // a cancelled stay is never listed
    const qint64 paga = nota(ana, "9,00");
    banco().executar(QStringLiteral("UPDATE NOTA SET PAGO = 'S' WHERE ID_NOTA = ?"), {paga});

    auto ids = [](const QList<Nota> &l) {
        QList<qint64> r;
        for (const Nota &n : l)
            r << n.idNota;
        return r;
    };
    struct Caso {
        const char *nome;
        FiltroCliente filtro;
        Criterio criterio;
        QString texto;
        QList<qint64> esperado;
    };
    const Caso casos[] = {
        {"sem negativação, tudo", FiltroCliente::SemNegativacao, Criterio::Codigo, "", {n1, n2}},
        {"todos", FiltroCliente::Todos, Criterio::Codigo, "", {n1, n2, n3}},
        {"apenas negativados", FiltroCliente::ApenasNegativados, Criterio::Codigo, "", {n3}},
        {"valor com vírgula", FiltroCliente::Todos, Criterio::Valor, "150,00", {n1, n3}},
        {"valor com milhar", FiltroCliente::Todos, Criterio::Valor, "1.234,56", {n2}},
        {"desde dd/mm/aaaa", FiltroCliente::Todos, Criterio::Desde, "05/12/2026", {n2, n3}},
        {"código de nota paga", FiltroCliente::Todos, Criterio::Codigo, QString::number(paga), {}},
        {"código", FiltroCliente::Todos, Criterio::Codigo, QString::number(n2), {n2}},
        {"cliente", FiltroCliente::Todos, Criterio::Cliente, QString::number(neg), {n3}},
    };
    for (const Caso &c : casos) {
        SCOPED_TRACE(c.nome);
        EXPECT_EQ(ids(listar(DM->Conexao, c.filtro, {c.criterio, c.texto})), c.esperado);
    }

    struct Invalido {
        Criterio criterio;
        const char *texto;
        const char *mensagem;
    };
    const Invalido invalidos[] = {
        {Criterio::Codigo, "12A", "Código Inválido! Informe Apenas Números."},
        {Criterio::Entrada, "1'2", "Código Inválido! Informe Apenas Números."},
        {Criterio::Valor, "15O,00", "Valor Inválido! Informe o Valor em Reais, como 150,00."},
        {Criterio::Valor, "D'ÁVILA", "Valor Inválido! Informe o Valor em Reais, como 150,00."},
        {Criterio::Desde, "31/02/2026", "Data Inválida! Informe a Data como dd/mm/aaaa."},
        {Criterio::Desde, "2026-12-05", "Data Inválida! Informe a Data como dd/mm/aaaa."},
    };
    for (const Invalido &c : invalidos) {
        SCOPED_TRACE(c.texto);
        EXPECT_EQ(lerBusca({c.criterio, u8(c.texto)}).erro, u8(c.mensagem));
        EXPECT_THROW(listar(DM->Conexao, FiltroCliente::Todos, {c.criterio, u8(c.texto)}), ErroConversao);
    }
}

TEST_F(NotasTeste, RelatorioAgrupaPorClienteComDiariasEConsumos)
{
    const qint64 ana = cliente(QStringLiteral("ANA"));
    const qint64 bia = cliente(QStringLiteral("BIA"));
    const qint64 n1 = nota(ana, "100,00");
    nota(ana, "50,50");
    nota(bia, "10,00");
    const qint64 estadia = banco().valor(QStringLiteral("SELECT ID_ENTRADA FROM NOTA WHERE ID_NOTA = ?"), {n1}).toLongLong();
    banco().executar(QStringLiteral("INSERT INTO OCUPACAO (ID_ENTRADA, DATA, VALOR, QTD) VALUES (?, ?, 40, 1)"),
                     {estadia, kHoje});
    banco().executar(QStringLiteral("INSERT INTO OCUPACAO (ID_ENTRADA, DATA, VALOR, QTD) VALUES (?, ?, 40.5, 1)"),
                     {estadia, kHoje.addDays(1)});
    banco().executar(QStringLiteral("INSERT INTO DESPESA_UH (ID_ENTRADA, ID_P_S, QTD, VALOR_UNIT) VALUES (?, 1, 3, 6.5)"),
                     {estadia});
    const Relatorio rel = relatorio(DM->Conexao, listar(DM->Conexao, FiltroCliente::Todos));
    QStringList bandas;
    for (const Relatorio::Banda &b : rel.bandas()) {
        QStringList cel;
        for (const Relatorio::Celula &c : b.celulas)
            cel << c.texto;
        if (b.tipo != Relatorio::TipoBanda::TitulosColunas)
            bandas << b.texto + QLatin1Char('|') + cel.join(QLatin1Char(';'));
    }
    const QString ent = QStringLiteral("07/12/2026"), sai = QStringLiteral("09/12/2026");
    EXPECT_EQ(rel.titulo(), u8("Relatório de Entradas A Prazo em Aberto"));
    ASSERT_GE(bandas.size(), 7);
    EXPECT_EQ(bandas[0], QStringLiteral("CLIENTE: ANA|"));
    EXPECT_EQ(bandas[1], QStringLiteral("|%1;%2;ANA;%3;80,50;19,50;%4;100,00").arg(n1).arg(estadia).arg(ent, sai));
    EXPECT_TRUE(bandas[3].startsWith(QStringLiteral("TOTAL DO CLIENTE: R$|")));
    EXPECT_TRUE(bandas[3].endsWith(QStringLiteral(";150,50")));
    EXPECT_EQ(rel.totalDinheiro(7), r$("160,50"));
}

TEST_F(NotasTeste, TelaBaixaUmaNotaEVariasComMensagens)
{
    turnoAberto();
    const qint64 ana = cliente(QStringLiteral("ANA"));
    nota(ana, "100,00");
    nota(ana, "20,00");
    nota(ana, "30,00");
    TFrmNotas f;
    f.show();
    ativar(&f);
    ASSERT_EQ(f.DBGrid1->rowCount(), 3);

    // One bill over two means, with a wrong total first.
    f.DBGrid1->setCurrentCell(0, 0);
    f.btnBaixa->click();
    EXPECT_TRUE(f.pnlPagamento->isVisible());
    EXPECT_EQ(f.edtMeios[int(MeioNota::Dinheiro)]->text(), QStringLiteral("100,00"));
    EXPECT_EQ(f.lblTotal->text(), QStringLiteral("Total -> R$ 100,00"));
    f.edtMeios[int(MeioNota::Dinheiro)]->setText(QStringLiteral("60,00"));
    f.edtMeios[int(MeioNota::CreditoVisa)]->setText(QStringLiteral("39,99"));
    EXPECT_EQ(f.lblTotal->text(), QStringLiteral("Total -> R$ 99,99"));
    msg->esperar(u8("Valor Informado Diferente do Valor da Nota!"));
    f.btnConfirmar->click();
    EXPECT_TRUE(f.pnlPagamento->isVisible());
    f.edtMeios[int(MeioNota::CreditoVisa)]->setText(QStringLiteral("40.0"));
    msg->esperar(u8("Valor Inválido! Informe os Valores em Reais, como 1.234,56."));
    f.btnConfirmar->click();
    f.edtMeios[int(MeioNota::CreditoVisa)]->setText(QStringLiteral("40,00"));
    msg->esperar(u8("Operação Concluída com Sucesso! Valores Adicionados ao CAIXA!"));
    f.btnConfirmar->click();
    EXPECT_EQ(msg->pendentes(), 0);
    EXPECT_FALSE(f.pnlPagamento->isVisible());
    EXPECT_EQ(f.DBGrid1->rowCount(), 2);
    EXPECT_EQ(saldos()[int(MeioCaixa::CreditoVisa)], QStringLiteral("1.040,00"));

    // Several bills: none selected is refused, then both with Hipercard.
    msg->esperar(u8("Mantenha a tecla Control(Ctrl) pressionada para selecionar várias notas!"));
    f.btnVarias->click();
    EXPECT_TRUE(f.btnEfetuarBaixa->isVisible());
    EXPECT_FALSE(f.btnBaixa->isVisible());
    msg->esperar(u8("Selecione as Notas a Baixar!"));
    f.baixarComUmMeio(MeioNota::Hipercard);
    f.DBGrid1->selectAll();
    EXPECT_EQ(f.lblSelecionado->text(), u8("2 Nota(s) / Valor Total Selecionado: R$ 50,00"));
    msg->esperar(u8("Deseja Realmente Realizar a Baixa das Contas Selecionadas?\n\nForma de Pagamento: Pix / Chq\n"
                    "Valor Total: R$ 50,00"),
                 Mensagem::Nao);
    f.baixarComUmMeio(MeioNota::PixChq);
    msg->esperar(u8("Deseja Realmente Realizar a Baixa das Contas Selecionadas?\n\nForma de Pagamento: Hipercard\n"
                    "Valor Total: R$ 50,00"),
                 Mensagem::Sim)
        .esperar(u8("Operação Concluída com Sucesso! Valores Adicionados ao CAIXA!"));
    f.baixarComUmMeio(MeioNota::Hipercard);
    EXPECT_EQ(msg->pendentes(), 0);
    EXPECT_EQ(f.DBGrid1->rowCount(), 0);
    EXPECT_FALSE(f.btnVarias->isChecked());
    EXPECT_EQ(saldos()[int(MeioCaixa::Hipercard)], QStringLiteral("1.050,00"));
    EXPECT_EQ(saldos()[int(MeioCaixa::PixChq)], QStringLiteral("1.000,00"));

    // A search with a bad value keeps the panel and says why.
    f.btnFiltros->click();
    f.rbCriterios[int(Criterio::Valor)]->click();
    f.edtConsulta->setText(QStringLiteral("1O,00"));
    msg->esperar(u8("Valor Inválido! Informe o Valor em Reais, como 150,00."));
    f.btnLocalizar->click();
    EXPECT_TRUE(f.pnlFiltros->isVisible());
    f.edtConsulta->setText(QStringLiteral("10,00"));
    f.btnLocalizar->click();
    EXPECT_FALSE(f.pnlFiltros->isVisible());
    EXPECT_EQ(logs().last(), u8("ADMIN|Tentou Localizar Nota Pendente de Valor R$ -> 10,00"));
}
