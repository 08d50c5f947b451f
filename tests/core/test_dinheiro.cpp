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
