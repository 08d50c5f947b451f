// What a stay costs: hotel nights, the motel's initial period, overnight and
// additional hours (also past 24 hours), the overnight box, consumption lines
// rounded to the cent, and the totals read from the stored nights.
#include "base/Parametros.h"
#include "stays/CalculoEstadia.h"
#include "support/BancoTeste.h"

using namespace CalculoEstadia;

namespace {

Dinheiro reais(const char *texto) { return Dinheiro::deTextoOuErro(QString::fromUtf8(texto)); }

TaxasTipo taxasMotel()
{
    TaxasTipo t;
    t.p[0] = reais("50,00");  // initial period
    t.p[1] = reais("10,00");  // each additional hour
    t.p[2] = reais("120,00"); // overnight
    return t;
}

QDateTime em(int dia, int h, int m, int s = 0) { return QDateTime(QDate(2026, 3, dia), QTime(h, m, s)); }

struct CasoMotel {
    const char *nome;
    QDateTime chegada;
    QDateTime saida;
    const char *diaria;
    int horas;
};

TEST(CalculoMotel, HorasAdicionaisPorCaso)
{
    const ConfigMotel cfg; // 02:00 initial, 15 min tolerance, overnight until 12:00, after-midnight up to 04:00
    const CasoMotel casos[] = {
        {"inicial exato", em(10, 10, 0), em(10, 12, 0), "50,00", 0},
        {"10 min dentro da tolerância", em(10, 10, 0), em(10, 12, 10), "50,00", 0},
        {"resto igual à tolerância", em(10, 10, 0), em(10, 12, 15), "50,00", 0},
        {"um segundo além da tolerância", em(10, 10, 0), em(10, 12, 15, 1), "50,00", 1},
        {"3:20 = 1 hora + 1 pelos 20 min", em(10, 10, 0), em(10, 13, 20), "50,00", 2},
        {"passa da meia-noite", em(10, 23, 0), em(11, 1, 30), "50,00", 1},
        {"26 horas cobram 24 adicionais", em(10, 10, 0), em(11, 12, 0), "50,00", 24},
        {"três dias cobram cada hora", em(10, 10, 0), em(13, 10, 0), "50,00", 70},
        {"pernoite até o término", em(9, 22, 0), em(10, 12, 0), "120,00", 0},
        {"pernoite 13:30 = 1 hora + 1 pelos 30 min", em(9, 22, 0), em(10, 13, 30), "120,00", 2},
        {"pernoite com resto igual à tolerância", em(9, 22, 0), em(10, 12, 15), "120,00", 0},
        {"chegada após a meia-noite", em(10, 2, 0), em(10, 13, 30), "120,00", 2},
        {"pernoite de duas noites", em(9, 22, 0), em(11, 13, 30), "120,00", 26},
        {"segunda manhã antes do término", em(9, 22, 0), em(11, 10, 0), "120,00", 22},
        {"pernoite com chegada de manhã no mesmo dia", em(10, 10, 0), em(10, 13, 0), "120,00", 0},
        {"diária digitada fora da tabela", em(10, 10, 0), em(10, 15, 0), "70,00", 0},
    };
    for (const CasoMotel &c : casos)
        EXPECT_EQ(horasAdicionais(c.chegada, c.saida, reais(c.diaria), taxasMotel(), cfg), c.horas) << c.nome;
}

TEST(CalculoMotel, ToleranciaContaSoMinutosESegundos)
{
    ConfigMotel cfg;
    cfg.toleranciaSaida = QTime(1, 10); // the hour of the tolerance is ignored
    EXPECT_EQ(horasAdicionais(em(10, 10, 0), em(10, 13, 10), reais("50,00"), taxasMotel(), cfg), 1);
    EXPECT_EQ(horasAdicionais(em(10, 10, 0), em(10, 13, 11), reais("50,00"), taxasMotel(), cfg), 2);
}

struct CasoPernoite {
    const char *nome;
    QDateTime chegada;
    std::optional<Dinheiro> gravada;
    bool jaCarregou;
    bool visivel;
    bool marcar;
};

TEST(CalculoMotel, CaixaPernoite)
{
    ConfigMotel cfg; // window from 20:00, and until 04:00 after midnight
    cfg.pernoiteDia[2] = false; // 10/03/2026 is a Tuesday
    const CasoPernoite casos[] = {
        {"noite de segunda", em(9, 21, 0), std::nullopt, false, true, false},
        {"exatamente no início", em(9, 20, 0), std::nullopt, false, true, false},
        {"madrugada até o limite", em(9, 4, 0), std::nullopt, false, true, false},
        {"tarde, fora da janela", em(9, 15, 0), std::nullopt, false, false, false},
        {"terça sem pernoite", em(10, 21, 0), std::nullopt, false, false, false},
        {"estadia gravada com P3 reabre marcada", em(10, 15, 0), reais("120,00"), false, true, true},
        {"marcada só na primeira vez", em(10, 15, 0), reais("120,00"), true, true, false},
        {"estadia gravada com P1 na janela", em(9, 21, 0), reais("50,00"), false, true, false},
    };
    for (const CasoPernoite &c : casos) {
        const Pernoite p = decidirPernoite(c.chegada, c.gravada, taxasMotel(), cfg, c.jaCarregou);
        EXPECT_EQ(p.visivel, c.visivel) << c.nome;
        EXPECT_EQ(p.marcar, c.marcar) << c.nome;
    }
}

TEST(CalculoHotel, NoitesETaxasPorPessoas)
{
    EXPECT_EQ(noitesHotel(QDate(2026, 3, 10), QDate(2026, 3, 10)), 1);
    EXPECT_EQ(noitesHotel(QDate(2026, 3, 10), QDate(2026, 3, 13)), 3);
    EXPECT_EQ(noitesHotel(QDate(2026, 3, 10), QDate(2026, 3, 8)), 1);
    EXPECT_EQ(noitesHotel(QDate(2026, 2, 27), QDate(2026, 3, 2)), 3);

    TaxasTipo t;
    for (int i = 0; i < 4; ++i) {
        t.p[i] = Dinheiro::deReais(100 + 10 * i);
        t.minimo[i] = Dinheiro::deReais(80 + 10 * i);
    }
    EXPECT_EQ(taxaParaPessoas(t, 1).diaria, Dinheiro::deReais(100));
    EXPECT_EQ(taxaParaPessoas(t, 4).minimo, Dinheiro::deReais(110));
    EXPECT_TRUE(taxaParaPessoas(t, 5).diaria.zero());
    EXPECT_TRUE(taxaParaPessoas(t, 5).minimo.zero());
    EXPECT_TRUE(taxaParaPessoas(t, 0).diaria.zero());
    EXPECT_EQ(taxaParaPessoas(t, 1, true, true).diaria, Dinheiro::deReais(120));
    EXPECT_EQ(taxaParaPessoas(t, 1, false, true).diaria, Dinheiro::deReais(100));
}

TEST(CalculoConsumo, LinhaArredondadaAoCentavo)
{
    EXPECT_EQ(valorLinhaConsumo(3, reais("10,00"), reais("10,00")), reais("33,00"));
    EXPECT_EQ(valorLinhaConsumo(1, reais("0,05"), reais("10,00")), reais("0,06"));
    EXPECT_EQ(valorLinhaConsumo(2, reais("7,35"), reais("0,00")), reais("14,70"));
    EXPECT_EQ(valorLinhaConsumo(1, reais("19,99"), reais("12,50")), reais("22,49"));
}

class CalculoEstadia_ : public BancoTeste {
protected:
    qint64 despesa(qint64 entrada, int qtd, const char *unit, const char *taxa)
    {
        return banco()
            .valor(QStringLiteral("INSERT INTO DESPESA_UH (ID_ENTRADA, ID_P_S, QTD, VALOR_UNIT, TAXA) "
                                  "VALUES (?, 1, ?, ?, ?) RETURNING ID_DESPESA_UH"),
                   {entrada, qtd, reais(unit).paraBanco(), reais(taxa).paraBanco()})
            .toLongLong();
    }
    qint64 noite(qint64 entrada, const QDate &d, const char *valor)
    {
        return banco()
            .valor(QStringLiteral("INSERT INTO OCUPACAO (ID_ENTRADA, DATA, VALOR, QTD) VALUES (?, ?, ?, 2) "
                                  "RETURNING ID_OCUPACAO"),
                   {entrada, d, reais(valor).paraBanco()})
            .toLongLong();
    }
};

TEST_F(CalculoEstadia_, ConfiguracaoDoMotelLidaDosParametros)
{
    banco().executar(QStringLiteral("UPDATE PARAMETROS SET TEMPO_INICIAL = '03:00:00', INICIO_PERNOITE = '21:00:00', "
                                    "TERMINO_PERNOITE = '11:00:00', DESCONSIDERAR_PERNOITE = '05:00:00', "
                                    "TOLERANCIA_SAIDA = '00:20:00', PERNOITE_SEXTA = 'N', PERNOITE_SABADO = 'N'"));
    tParametros().recarregar();
    const ConfigMotel c = ConfigMotel::deParametros();
    tParametros().definir(Linha());
    EXPECT_EQ(c.tempoInicial, QTime(3, 0));
    EXPECT_EQ(c.inicioPernoite, QTime(21, 0));
    EXPECT_EQ(c.terminoPernoite, QTime(11, 0));
    EXPECT_EQ(c.desconsiderarPernoite, QTime(5, 0));
    EXPECT_EQ(c.toleranciaSaida, QTime(0, 20));
    for (int dia = 1; dia <= 7; ++dia)
        EXPECT_EQ(c.pernoiteDia[dia], dia != 5 && dia != 6) << dia;
}

TEST_F(CalculoEstadia_, TotalSomaLinhasJaArredondadas)
{
    // Three lines of 0,05 at 10 % are 0,06 each on the statement: 0,18, not 0,17.
    for (int i = 0; i < 3; ++i)
        despesa(7, 1, "0,05", "10,00");
    despesa(8, 5, "100,00", "0,00"); // another stay
    EXPECT_EQ(totalConsumo(banco(), 7), reais("0,18"));
}

TEST_F(CalculoEstadia_, HotelNovaEExistente)
{
    Estadia nova;
    nova.chegada = em(10, 14, 0);
    nova.saida = em(13, 12, 0);
    nova.diaria = reais("150,00");
    nova.pessoas = 2;
    Resultado v = calcular(banco(), nova);
    EXPECT_EQ(v.noites, 3);
    EXPECT_EQ(v.totalDiarias, reais("450,00"));
    EXPECT_EQ(v.total, reais("450,00"));
    EXPECT_EQ(v.porPessoa, reais("225,00"));

    // An open stay shows the nights posted, not the date difference.
    noite(5, QDate(2026, 3, 10), "150,00");
    noite(5, QDate(2026, 3, 11), "140,00");
    despesa(5, 3, "10,00", "10,00");
    Estadia aberta = nova;
    aberta.nova = false;
    aberta.idEntrada = 5;
    aberta.pessoas = 3;
    v = calcular(banco(), aberta);
    EXPECT_EQ(v.noites, 2);
    EXPECT_EQ(v.totalDiarias, reais("290,00"));
    EXPECT_EQ(v.consumo, reais("33,00"));
    EXPECT_EQ(v.total, reais("323,00"));
    EXPECT_EQ(v.porPessoa, reais("107,67"));
}

TEST_F(CalculoEstadia_, MotelCobraInicialMaisHorasEGravaUmaLinha)
{
    Estadia e;
    e.motel = true;
    e.nova = false;
    e.idEntrada = 9;
    e.chegada = em(10, 10, 0);
    e.saida = em(10, 13, 20);
    e.diaria = reais("50,00");
    e.pessoas = 1;
    e.taxas = taxasMotel();
    despesa(9, 1, "8,00", "0,00");
    Resultado v = calcular(banco(), e);
    EXPECT_EQ(v.horasAdicionais, 2);
    EXPECT_EQ(v.totalDiarias, reais("20,00"));
    EXPECT_EQ(v.cobranca, reais("70,00"));
    EXPECT_EQ(v.total, reais("78,00"));
    EXPECT_FALSE(v.porPessoa.has_value());

    e.nova = true; // a check-in not saved shows the initial rate only
    v = calcular(banco(), e);
    EXPECT_TRUE(v.totalDiarias.zero());
    EXPECT_EQ(v.cobranca, reais("50,00"));

    // A second night row (added by a correction) is not charged the same amount again.
    EXPECT_FALSE(gravarCobrancaMotel(banco(), 9, reais("50,00"), reais("20,00")));
    const qint64 primeira = noite(9, QDate(2026, 3, 10), "50,00");
    const qint64 segunda = noite(9, QDate(2026, 3, 11), "0,00");
    ASSERT_TRUE(gravarCobrancaMotel(banco(), 9, reais("50,00"), reais("20,00")));
    const Linha a = banco().ler(QStringLiteral("SELECT VALOR, ADICIONAL FROM OCUPACAO WHERE ID_OCUPACAO = ?"), {primeira});
    EXPECT_EQ(a.dinheiro(QStringLiteral("VALOR")), reais("70,00"));
    EXPECT_EQ(a.texto(QStringLiteral("ADICIONAL")), QStringLiteral("S"));
    const Linha b = banco().ler(QStringLiteral("SELECT VALOR, ADICIONAL FROM OCUPACAO WHERE ID_OCUPACAO = ?"), {segunda});
    EXPECT_TRUE(b.dinheiro(QStringLiteral("VALOR")).zero());
    auto semAdicional = [&](qint64 id) {
        return banco()
                   .valor(QStringLiteral("SELECT COUNT(*) FROM OCUPACAO WHERE ID_OCUPACAO = ? AND ADICIONAL IS NULL"), {id})
                   .toInt()
            == 1;
    };
    EXPECT_TRUE(semAdicional(segunda));

    ASSERT_TRUE(gravarCobrancaMotel(banco(), 9, reais("50,00"), Dinheiro()));
    EXPECT_TRUE(semAdicional(primeira));
}

} // namespace
