// The monthly payroll: the due day, the contribution with its ceiling, the
// generation and regeneration of a month, the refusals that write nothing,
// and the payroll sheet and payslips read on the report model.
#include "base/Relatorio.h"
#include "staff/FolhaPagamento.h"
#include "ApoioFolha.h"

using namespace FolhaPagamento;

namespace {

class Folha : public FolhaTeste {
protected:
    qint64 contarMes(int mes, int ano, const QString &descricao)
    {
        return contar(QStringLiteral("SELECT COUNT(*) FROM FUNCIONARIO_PAGAMENTO WHERE DESCRICAO = ? AND "
                                     "EXTRACT(MONTH FROM DATA_VENC) = ? AND EXTRACT(YEAR FROM DATA_VENC) = ?"),
                      {descricao, mes, ano});
    }
    // The detail rows of a report as "cell|cell|...".
    static QStringList detalhes(const Relatorio &r)
    {
        QStringList l;
        for (const Relatorio::Banda &b : r.bandas())
            if (b.tipo == Relatorio::TipoBanda::Detalhe) {
                QStringList c;
                for (const Relatorio::Celula &x : b.celulas)
                    c << x.texto;
                l << c.join(QLatin1Char('|'));
            }
        return l;
    }
    static QStringList textos(const Relatorio &r, Relatorio::TipoBanda tipo)
    {
        QStringList l;
        for (const Relatorio::Banda &b : r.bandas())
            if (b.tipo == tipo)
                l << b.texto + (b.celulas.isEmpty() ? QString() : QLatin1Char('|') + b.celulas.value(0).texto);
        return l;
    }
};

TEST_F(Folha, VencimentoAjustadoAoMes)
{
    struct Caso {
        int dia, mes, ano;
        QDate esperado;
    };
    const Caso casos[] = {
        {31, 2, 2025, QDate(2025, 2, 28)}, {31, 4, 2025, QDate(2025, 4, 30)}, {31, 5, 2025, QDate(2025, 5, 30)},
        {30, 2, 2024, QDate(2024, 2, 28)}, {29, 3, 2025, QDate(2025, 3, 29)}, {5, 3, 2025, QDate(2025, 3, 5)},
        {0, 3, 2025, QDate()},             {5, 13, 2025, QDate()},
    };
    for (const Caso &c : casos)
        EXPECT_EQ(vencimento(c.dia, c.mes, c.ano), c.esperado) << c.dia << "/" << c.mes;
}

TEST_F(Folha, GeracaoDaTabelaDeSalariosETaxas)
{
    parametro(QStringLiteral("DATAFOLHAPAG"), 31);
    struct Caso {
        const char *nome, *salario, *inss;
        QStringList esperado; // for February 2025
    };
    const Caso casos[] = {
        {"ANA", "3000.00", "9", {"+|SALARIO CONTRATUAL|3.000,00|28/02/2025", "-|I.N.S.S.|270,00|28/02/2025"}},
        {"BIA", "5000.00", "11", {"+|SALARIO CONTRATUAL|5.000,00|28/02/2025", "-|I.N.S.S.|457,49|28/02/2025"}},
        {"CIDA", "4159.00", "11", {"+|SALARIO CONTRATUAL|4.159,00|28/02/2025", "-|I.N.S.S.|457,49|28/02/2025"}},
        {"DINA", "1000.50", "9", {"+|SALARIO CONTRATUAL|1.000,50|28/02/2025", "-|I.N.S.S.|90,05|28/02/2025"}},
        {"EVA", "2500.00", "0", {"+|SALARIO CONTRATUAL|2.500,00|28/02/2025"}},
    };
    QList<qint64> chaves;
    for (const Caso &c : casos)
        chaves << funcionario(QString::fromUtf8(c.nome), QString::fromLatin1(c.salario), QString::fromLatin1(c.inss));
    const qint64 excluido = funcionario(QStringLiteral("FABIO"), QStringLiteral("900.00"), QStringLiteral("8"));
    excluirFuncionario(excluido);

    const Geracao g = gerar(DM->Conexao, 2, 2025);
    EXPECT_EQ(g.situacao, Geracao::Situacao::Gerada);
    EXPECT_EQ(g.mensagem, kMsgGerada);
    EXPECT_EQ(g.funcionarios, 5);
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(entradas(chaves[i]), casos[i].esperado) << casos[i].nome;
    EXPECT_TRUE(entradas(excluido).isEmpty());
    // April and May with the same day: the 30th.
    ASSERT_EQ(gerar(DM->Conexao, 4, 2025).situacao, Geracao::Situacao::Gerada);
    ASSERT_EQ(gerar(DM->Conexao, 5, 2025).situacao, Geracao::Situacao::Gerada);
    EXPECT_EQ(entradas(chaves[4]).mid(1), (QStringList{"+|SALARIO CONTRATUAL|2.500,00|30/04/2025",
                                                        "+|SALARIO CONTRATUAL|2.500,00|30/05/2025"}));
    // The generation writes no log line.
    EXPECT_TRUE(logs().isEmpty());
}

TEST_F(Folha, SegundaGeracaoPerguntaEAlcancaSoOsQueFaltam)
{
    const qint64 ana = funcionario(QStringLiteral("ANA"), QStringLiteral("2000.00"), QStringLiteral("9"));
    ASSERT_EQ(gerar(DM->Conexao, 3, 2025).funcionarios, 1);
    const Geracao de_novo = gerar(DM->Conexao, 3, 2025);
    EXPECT_EQ(de_novo.situacao, Geracao::Situacao::JaGerada);
    EXPECT_EQ(de_novo.mensagem, kMsgRegerar);
    // Hired after the month was generated: only she gets entries, without the question.
    const qint64 bia = funcionario(QStringLiteral("BIA"), QStringLiteral("1500.00"), QStringLiteral("0"));
    const Geracao g = gerar(DM->Conexao, 3, 2025);
    EXPECT_EQ(g.situacao, Geracao::Situacao::Gerada);
    EXPECT_EQ(g.funcionarios, 1);
    EXPECT_EQ(entradas(ana).size(), 2);
    EXPECT_EQ(entradas(bia), QStringList{"+|SALARIO CONTRATUAL|1.500,00|05/03/2025"});
    // A salary entry deleted on the payments screen still counts as generated.
    banco().executar(QStringLiteral("UPDATE FUNCIONARIO_PAGAMENTO SET EXCLUIDO = 'S' WHERE ID_FUNCIONARIO_PAGAMENTO = ?"),
                     {bia});
    EXPECT_EQ(gerar(DM->Conexao, 3, 2025).situacao, Geracao::Situacao::JaGerada);
}

TEST_F(Folha, RegeracaoTrocaOsLancamentosGeradosEGuardaOsPagos)
{
    const qint64 ana = funcionario(QStringLiteral("ANA"), QStringLiteral("2000.00"), QStringLiteral("9"));
    const qint64 bia = funcionario(QStringLiteral("BIA"), QStringLiteral("3000.00"), QStringLiteral("9"));
    ASSERT_EQ(gerar(DM->Conexao, 3, 2025).funcionarios, 2);
    ASSERT_EQ(gerar(DM->Conexao, 3, 2024).funcionarios, 2);
    const QDate dia(2025, 3, 12);
    lancamento(ana, QStringLiteral("+"), dia, QStringLiteral("GRATIFICAÇÃO"), QStringLiteral("150.00"));
    lancamento(ana, QStringLiteral("+"), dia, QStringLiteral("GRATIFICAÇÃO DE NATAL"), QStringLiteral("80.00"));
    lancamento(ana, QStringLiteral("-"), dia, QStringLiteral("IRRF"), QStringLiteral("10.00"), {}, QStringLiteral("S"));
    // Bia's salary was paid: it stays, and she receives nothing new.
    banco().executar(QStringLiteral("UPDATE FUNCIONARIO_PAGAMENTO SET DATA_PAG = '2025-03-05' WHERE "
                                    "ID_FUNCIONARIO_PAGAMENTO = ? AND DESCRICAO = 'SALARIO CONTRATUAL' AND "
                                    "DATA_VENC = '2025-03-05'"),
                     {bia});
    banco().executar(QStringLiteral("UPDATE FUNCIONARIO SET SALARIO_BASE = 2200 WHERE ID_FUNCIONARIO = ?"), {ana});

    const Geracao g = gerar(DM->Conexao, 3, 2025, true);
    EXPECT_EQ(g.situacao, Geracao::Situacao::Gerada);
    EXPECT_EQ(g.mensagem, kMsgGerada);
    EXPECT_EQ(g.funcionarios, 1);
    EXPECT_EQ(entradas(ana),
              (QStringList{"+|SALARIO CONTRATUAL|2.000,00|05/03/2024", "-|I.N.S.S.|180,00|05/03/2024",
                           "+|GRATIFICAÇÃO DE NATAL|80,00|12/03/2025", "+|SALARIO CONTRATUAL|2.200,00|05/03/2025",
                           "-|I.N.S.S.|198,00|05/03/2025"}));
    EXPECT_EQ(entradas(bia), (QStringList{"+|SALARIO CONTRATUAL|3.000,00|05/03/2025",
                                          "+|SALARIO CONTRATUAL|3.000,00|05/03/2024", "-|I.N.S.S.|270,00|05/03/2024"}));
    // the deleted IRRF row went as well
    EXPECT_EQ(contarMes(3, 2025, QStringLiteral("IRRF")), 0);
}

TEST_F(Folha, RecusasNaoGravamNada)
{
    const qint64 ana = funcionario(QStringLiteral("ANA"), QStringLiteral("2000.00"), QStringLiteral("9"));
    // Day 0 in the settings.
    parametro(QStringLiteral("DATAFOLHAPAG"), 0);
    Geracao g = gerar(DM->Conexao, 3, 2025);
    EXPECT_EQ(g.situacao, Geracao::Situacao::Recusada);
    EXPECT_EQ(g.mensagem, kMsgDiaInvalido);
    parametro(QStringLiteral("DATAFOLHAPAG"), 5);
    // An employee without a salary stops the whole month, also a regeneration.
    ASSERT_EQ(gerar(DM->Conexao, 3, 2025).funcionarios, 1);
    funcionario(QStringLiteral("ZECA"), QStringLiteral("0"), QStringLiteral("9"));
    const QStringList antes = entradas(ana);
    for (bool regerar : {false, true}) {
        g = gerar(DM->Conexao, 3, 2025, regerar);
        EXPECT_EQ(g.situacao, Geracao::Situacao::Recusada);
        EXPECT_EQ(g.mensagem, mensagemSemSalario(QStringLiteral("ZECA")));
        EXPECT_EQ(entradas(ana), antes);
    }
    // A month that does not exist.
    EXPECT_EQ(gerar(DM->Conexao, 13, 2025).mensagem, kMsgMesInvalido);
    EXPECT_EQ(contar(QStringLiteral("SELECT COUNT(*) FROM FUNCIONARIO_PAGAMENTO")), 2);
}

TEST_F(Folha, SemFuncionarioVivoARegeracaoNaoPerguntaDeNovo)
{
    const qint64 ana = funcionario(QStringLiteral("ANA"));
    excluirFuncionario(ana);
    EXPECT_EQ(gerar(DM->Conexao, 3, 2025).situacao, Geracao::Situacao::JaGerada);
    const Geracao g = gerar(DM->Conexao, 3, 2025, true);
    EXPECT_EQ(g.situacao, Geracao::Situacao::Gerada);
    EXPECT_EQ(g.mensagem, kMsgSemFuncionarios);
}

TEST_F(Folha, FolhaEmCentavos)
{
    const qint64 ana = funcionario(QStringLiteral("ANA"), QStringLiteral("2000.00"), QStringLiteral("9"));
    const qint64 bia = funcionario(QStringLiteral("BIA"), QStringLiteral("5000.00"), QStringLiteral("11"));
    funcionario(QStringLiteral("CIDA"), QStringLiteral("1800.00"), QStringLiteral("9"));
    ASSERT_EQ(gerar(DM->Conexao, 3, 2025).funcionarios, 3);
    lancamento(ana, QStringLiteral("+"), QDate(2025, 3, 20), QStringLiteral("HORAS EXTRAS"), QStringLiteral("150.00"));
    lancamento(bia, QStringLiteral("-"), QDate(2025, 3, 2), QStringLiteral("Despesa Avulsa Cód. 7 - AGUA"),
               QStringLiteral("12.50"));
    lancamento(bia, QStringLiteral("-"), QDate(2025, 3, 3), QStringLiteral("VALE"), QStringLiteral("100.00"), {},
               QStringLiteral("S"));
    // Cida's salary was deleted on the payments screen.
    banco().executar(QStringLiteral("UPDATE FUNCIONARIO_PAGAMENTO SET EXCLUIDO = 'S' WHERE DESCRICAO = "
                                    "'SALARIO CONTRATUAL' AND VALOR = 1800"));

    const Relatorio r = relatorioFolha(DM->Conexao, 3, 2025);
    EXPECT_EQ(r.titulo(), QStringLiteral("Folha de Pagamento Mensal"));
    EXPECT_EQ(r.linhaOpcoes(), QStringLiteral("(MARÇO / 2025)"));
    EXPECT_EQ(detalhes(r), (QStringList{"ANA|2.000,00|150,00|0,00|180,00|1.970,00",
                                        "BIA|5.000,00|0,00|12,50|457,49|4.530,01",
                                        "CIDA|0,00|0,00|0,00|162,00|-162,00"}));
    EXPECT_EQ(textos(r, Relatorio::TipoBanda::Resumo),
              (QStringList{"Salário Base R$|7.000,00", "Extras R$|150,00", "Descontos R$|12,50", "INSS R$|799,49",
                           "Valor Líquido R$|6.338,01"}));
    EXPECT_TRUE(textos(r, Relatorio::TipoBanda::Texto).contains(QStringLiteral("           BIA")));

    // A month without entries: every amount 0,00.
    const Relatorio vazio = relatorioFolha(DM->Conexao, 4, 2025);
    EXPECT_EQ(detalhes(vazio), (QStringList{"ANA|0,00|0,00|0,00|0,00|0,00", "BIA|0,00|0,00|0,00|0,00|0,00",
                                            "CIDA|0,00|0,00|0,00|0,00|0,00"}));
}

TEST_F(Folha, HoleriteComCodigosReferenciasEFgts)
{
    parametro(QStringLiteral("NOME_FANTASIA"), QStringLiteral("HOTEL ALVORADA"));
    parametro(QStringLiteral("CNPJ"), QStringLiteral("12.345.678/0001-95"));
    const qint64 ana = funcionario(QStringLiteral("ANA"), QStringLiteral("1500.00"), QStringLiteral("9"));
    banco().executar(QStringLiteral("UPDATE FUNCIONARIO SET AGENCIA = '0123', CONTA = '45678-9', OBSERVACAO = "
                                    "'BANCO DO BRASIL' WHERE ID_FUNCIONARIO = ?"),
                     {ana});
    ASSERT_EQ(gerar(DM->Conexao, 1, 2026).funcionarios, 1);
    lancamento(ana, QStringLiteral("-"), QDate(2026, 1, 8), QStringLiteral("VALE"), QStringLiteral("40.00"));

    OpcoesHolerite o;
    o.de = QDate(2026, 1, 1);
    o.ate = QDate(2026, 1, 31);
    o.mesReferencia = 1;
    o.anoReferencia = 2026;
    o.mesAnterior = true;
    const Relatorio r = relatorioHolerites(DM->Conexao, o);
    EXPECT_EQ(contarHolerites(r), 1);
    EXPECT_EQ(detalhes(r), (QStringList{"Cód.|Descrição|Referência|Vencimentos R$|Descontos R$",
                                        "1|SALARIO CONTRATUAL|30,00|1.500,00|", "998|I.N.S.S.|9,00||135,00",
                                        "994|VALE|1,00||40,00", "|Total de Vencimentos||1.500,00|",
                                        "|Total de Descontos|||175,00", "|Valor Líquido ->||1.325,00|"}));
    const QStringList t = textos(r, Relatorio::TipoBanda::Texto);
    EXPECT_TRUE(t.contains(QStringLiteral("HOTEL ALVORADA     CNPJ: 12.345.678/0001-95")));
    EXPECT_TRUE(t.contains(QStringLiteral("Referente a DEZEMBRO - 2025")));
    EXPECT_TRUE(t.contains(QStringLiteral("Dados Bancários - Agência: 0123 -  Conta: 45678-9 - BANCO DO BRASIL")));
    EXPECT_TRUE(t.contains(QStringLiteral("Salário Base: 1.500,00   Sal. Contr. INSS: 1.500,00   Base Cálc. F.G.T.S.: "
                                          "1.500,00")));
    EXPECT_TRUE(t.contains(QStringLiteral("F.G.T.S. do Mês: 120,00   Base Cálc. IRRF: 1.365,00   Faixa IRRF: -")));
}

TEST_F(Folha, CodigoEReferenciaPorDescricaoEFaixa)
{
    struct Caso {
        const char *descricao;
        qint64 salario;
        int codigo;
        qint64 referencia;
    };
    const Caso casos[] = {
        {"FOLHA DE PAGAMENTO MENSAL", 100000, 1, 3000}, {"SALARIO CONTRATUAL", 900000, 1, 3000},
        {"I.N.S.S.", 124770, 998, 800},                 {"DESCONTO MENSAL INSS", 124771, 998, 900},
        {"I.N.S.S.", 207950, 998, 900},                 {"I.N.S.S.", 207951, 998, 1100},
        {"GRATIFICAÇÃO", 100000, 994, 100},
    };
    for (const Caso &c : casos) {
        const CodigoReferencia cr = codigoReferencia(QString::fromUtf8(c.descricao), Dinheiro::deCentavos(c.salario));
        EXPECT_EQ(cr.codigo, c.codigo) << c.descricao;
        EXPECT_EQ(cr.referencia.centavos(), c.referencia) << c.descricao << " " << c.salario;
    }
}

TEST_F(Folha, HoleritesPorChaveDuasViasEDoisADois)
{
    // Two employees named alike: each payslip holds only its own entries.
    const qint64 a1 = funcionario(QStringLiteral("JOSE SILVA"), QStringLiteral("1000.00"));
    const qint64 a2 = funcionario(QStringLiteral("JOSE SILVA"), QStringLiteral("2000.00"));
    ASSERT_EQ(gerar(DM->Conexao, 3, 2025).funcionarios, 2);
    OpcoesHolerite o;
    o.de = QDate(2025, 3, 1);
    o.ate = QDate(2025, 3, 31);
    o.mesReferencia = 3;
    o.anoReferencia = 2025;
    o.funcionarios = {a2};
    Relatorio r = relatorioHolerites(DM->Conexao, o);
    EXPECT_EQ(contarHolerites(r), 1);
    EXPECT_TRUE(detalhes(r).contains(QStringLiteral("1|SALARIO CONTRATUAL|30,00|2.000,00|")));
    EXPECT_FALSE(detalhes(r).contains(QStringLiteral("1|SALARIO CONTRATUAL|30,00|1.000,00|")));
    o.duasVias = true;
    o.funcionarios = {a1, a2};
    r = relatorioHolerites(DM->Conexao, o);
    EXPECT_EQ(contarHolerites(r), 4);
    EXPECT_EQ(detalhes(r).filter(QStringLiteral("SALARIO CONTRATUAL")).size(), 4);

    EXPECT_EQ(doisADois({1, 2, 3, 4, 5}), (QList<QList<qint64>>{{1, 2}, {3, 4}, {5}}));
    EXPECT_TRUE(doisADois({}).isEmpty());
}

} // namespace
