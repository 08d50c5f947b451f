#include "base/Dinheiro.h"
#include "base/Erros.h"

#include <gtest/gtest.h>

TEST(Dinheiro, LeTextoDigitado)
{
    struct Caso {
        const char *texto;
        std::int64_t centavos;
    } casos[] = {
        {"1.234,56", 123456}, {"1234,56", 123456}, {"0,00", 0},     {"10", 1000},
        {"1,5", 150},         {",5", 50},          {"-3,25", -325}, {"R$ 1.000,00", 100000},
        {"0,005", 1},         {"0,004", 0},        {"  7,1 ", 710}, {"1.234.567,89", 123456789},
    };
    for (const auto &c : casos) {
        auto d = Dinheiro::deTexto(QString::fromUtf8(c.texto));
        ASSERT_TRUE(d.has_value()) << c.texto;
        EXPECT_EQ(d->centavos(), c.centavos) << c.texto;
    }
    for (const char *ruim : {"", "abc", "1,2,3", "1a", "-", "R$"})
        EXPECT_FALSE(Dinheiro::deTexto(QString::fromUtf8(ruim)).has_value()) << ruim;
    EXPECT_THROW(Dinheiro::deTextoOuErro(QStringLiteral("12x")), ErroConversao);
    EXPECT_EQ(Dinheiro::deTextoOuErro(QString()).centavos(), 0);
}

TEST(Dinheiro, LeValorDigitadoPeloUsuario)
{
    using R = LeituraDinheiro::Recusa;
    constexpr auto Pos = SinalDigitado::Positivo;
    constexpr auto ZeroPos = SinalDigitado::ZeroOuPositivo;
    constexpr auto Qualquer = SinalDigitado::Qualquer;
    constexpr auto Recusado = VazioDigitado::Recusado;
    constexpr auto Zero = VazioDigitado::Zero;
    const Dinheiro teto9 = Dinheiro::tetoNumeric9();
    struct Caso {
        const char *texto;
        SinalDigitado sinal;
        VazioDigitado vazio;
        Dinheiro teto;
        R recusa;
        std::int64_t centavos; // when accepted
    } casos[] = {
        {"1.234,56", ZeroPos, Recusado, Dinheiro::tetoNumeric15(), R::Nenhuma, 123456},
        {"1234,56", ZeroPos, Recusado, Dinheiro::tetoNumeric15(), R::Nenhuma, 123456},
        {"12,5", ZeroPos, Recusado, Dinheiro::tetoNumeric15(), R::Nenhuma, 1250},
        {"0,01", Pos, Recusado, Dinheiro::tetoNumeric15(), R::Nenhuma, 1},
        {"1.234.567,89", ZeroPos, Recusado, Dinheiro::tetoNumeric15(), R::Nenhuma, 123456789},
        {" R$ 1.000 ", ZeroPos, Recusado, Dinheiro::tetoNumeric15(), R::Nenhuma, 100000},
        {"007", ZeroPos, Recusado, Dinheiro::tetoNumeric15(), R::Nenhuma, 700},
        // thousands dots only in whole groups of three, never as a decimal point
        {"1.23,45", ZeroPos, Recusado, Dinheiro::tetoNumeric15(), R::Formato, 0},
        {"1234.56", ZeroPos, Recusado, Dinheiro::tetoNumeric15(), R::Formato, 0},
        {"50.5", ZeroPos, Recusado, Dinheiro::tetoNumeric15(), R::Formato, 0},
        {"1.2345,00", ZeroPos, Recusado, Dinheiro::tetoNumeric15(), R::Formato, 0},
        {".123,00", ZeroPos, Recusado, Dinheiro::tetoNumeric15(), R::Formato, 0},
        // at most two decimals: a third is refused, never rounded away
        {"12,345", ZeroPos, Recusado, Dinheiro::tetoNumeric15(), R::Formato, 0},
        {"0,005", Qualquer, Recusado, Dinheiro::tetoNumeric15(), R::Formato, 0},
        {"abc", Qualquer, Zero, Dinheiro::tetoNumeric15(), R::Formato, 0},
        {"12,3,4", ZeroPos, Recusado, Dinheiro::tetoNumeric15(), R::Formato, 0},
        {"1 234,00", ZeroPos, Recusado, Dinheiro::tetoNumeric15(), R::Formato, 0},
        {"12,", ZeroPos, Recusado, Dinheiro::tetoNumeric15(), R::Formato, 0},
        {"-", Qualquer, Recusado, Dinheiro::tetoNumeric15(), R::Formato, 0},
        {"--5", Qualquer, Recusado, Dinheiro::tetoNumeric15(), R::Formato, 0},
        {"５", ZeroPos, Recusado, Dinheiro::tetoNumeric15(), R::Formato, 0},
        // the sign is the field's own policy
        {"-5", ZeroPos, Recusado, Dinheiro::tetoNumeric15(), R::Negativo, 0},
        {"-5", Pos, Recusado, Dinheiro::tetoNumeric15(), R::Negativo, 0},
        {"-5", Qualquer, Recusado, Dinheiro::tetoNumeric15(), R::Nenhuma, -500},
        {"-1.234,5", Qualquer, Recusado, Dinheiro::tetoNumeric15(), R::Nenhuma, -123450},
        {"0,00", Pos, Recusado, Dinheiro::tetoNumeric15(), R::Zero, 0},
        {"0,00", ZeroPos, Recusado, Dinheiro::tetoNumeric15(), R::Nenhuma, 0},
        // so is an empty field
        {"", ZeroPos, Recusado, Dinheiro::tetoNumeric15(), R::Vazio, 0},
        {"  ", ZeroPos, Zero, Dinheiro::tetoNumeric15(), R::Nenhuma, 0},
        {"", Pos, Zero, Dinheiro::tetoNumeric15(), R::Zero, 0},
        {"R$", Qualquer, Recusado, Dinheiro::tetoNumeric15(), R::Vazio, 0},
        // the largest amount the column holds, and no overflow past it
        {"9.999.999,99", ZeroPos, Recusado, teto9, R::Nenhuma, 999999999},
        {"10.000.000,00", ZeroPos, Recusado, teto9, R::Limite, 0},
        {"-10000000", Qualquer, Recusado, teto9, R::Limite, 0},
        {"9.999.999.999.999,99", ZeroPos, Recusado, Dinheiro::tetoNumeric15(), R::Nenhuma, 999999999999999LL},
        {"10000000000000", ZeroPos, Recusado, Dinheiro::tetoNumeric15(), R::Limite, 0},
        {"99999999999999999999999", ZeroPos, Recusado, Dinheiro::tetoNumeric15(), R::Limite, 0},
        {"0000000000000000000001,00", ZeroPos, Recusado, Dinheiro::tetoNumeric15(), R::Nenhuma, 100},
    };
    for (const Caso &c : casos) {
        SCOPED_TRACE(c.texto);
        const LeituraDinheiro l = Dinheiro::digitado(QString::fromUtf8(c.texto), c.sinal, c.vazio, c.teto);
        EXPECT_EQ(l.recusa, c.recusa);
        EXPECT_EQ(bool(l), c.recusa == R::Nenhuma);
        if (l)
            EXPECT_EQ(l.valor->centavos(), c.centavos);
        EXPECT_EQ(l.mensagem().isEmpty(), c.recusa == R::Nenhuma);
    }
}

TEST(Dinheiro, FormataELeNotacaoSql)
{
    struct Caso {
        std::int64_t centavos;
        const char *tela;
        const char *sql;
    } casos[] = {
        {0, "0,00", "0.00"},
        {5, "0,05", "0.05"},
        {123456, "1.234,56", "1234.56"},
        {100000000, "1.000.000,00", "1000000.00"},
        {-123456, "-1.234,56", "-1234.56"},
        {-5, "-0,05", "-0.05"},
        {999999999999999LL, "9.999.999.999.999,99", "9999999999999.99"},
    };
    for (const auto &c : casos) {
        const Dinheiro d = Dinheiro::deCentavos(c.centavos);
        EXPECT_EQ(d.formatado().toStdString(), c.tela);
        EXPECT_EQ(d.sql().toStdString(), c.sql);
        EXPECT_EQ(Dinheiro::deSql(d.sql())->centavos(), c.centavos);
        EXPECT_EQ(Dinheiro::deTexto(d.formatado())->centavos(), c.centavos);
        EXPECT_EQ(Dinheiro::digitado(d.formatado(), SinalDigitado::Qualquer, VazioDigitado::Recusado).valor,
                  d);
    }
    EXPECT_EQ(Dinheiro::deSql(QStringLiteral("12.3"))->centavos(), 1230);
    EXPECT_EQ(Dinheiro::deSql(QStringLiteral("12"))->centavos(), 1200);
    EXPECT_FALSE(Dinheiro::deSql(QStringLiteral("1,5")).has_value());
}

TEST(Dinheiro, ContasExatas)
{
    // 0,10 + 0,20 is exactly 0,30 (the classic binary floating point trap)
    EXPECT_EQ(Dinheiro::deCentavos(10) + Dinheiro::deCentavos(20), Dinheiro::deCentavos(30));
    EXPECT_EQ((Dinheiro::deCentavos(333) * 3).centavos(), 999);
    // 10% service fee on 12,35 = 1,235 -> 1,24 (half away from zero)
    EXPECT_EQ(Dinheiro::deCentavos(1235).percentual(1000).centavos(), 124);
    EXPECT_EQ(Dinheiro::deCentavos(-1235).percentual(1000).centavos(), -124);
    EXPECT_EQ(Dinheiro::deCentavos(1000).percentual(1050).centavos(), 105);
}
