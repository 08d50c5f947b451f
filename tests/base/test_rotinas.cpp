#include "base/Rotinas.h"
#include "base/Erros.h"
#include "support/MensagensRoteiro.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {
std::string s(const QString &q) { return q.toStdString(); }
}

TEST(Rotinas, LimpezaDeTexto)
{
    struct Caso {
        QString (*f)(const QString &);
        const char *entrada;
        const char *saida;
    } casos[] = {
        {TiraPontoTracoBarra, "(87) 9.1234-5678", "87 912345678"},
        {TiraPontoTracoBarra, "12.345.678/0001-90", "12345678000190"},
        {TiraPontoTracoBarra, "10:30", "1030"},
        {TiraPonto, " 12.345/0001-90 ", "123450001-90"},
        {TiraPonto, "(11):a", "11a"},
        {RemoveEspaco, " a b  c ", "abc"},
        {TiraAspaSimples, "D'Ávila''", "DÁvila"},
        {TiraASPASeVIRGULA, "'abc'", "abc"},
        {TiraASPASeVIRGULA, "x", ""},
        {TiraASPASeVIRGULA, "", ""},
        {RemoveAcento, "àâêôûãõáéíóúçü", "aaeouaoaeioucu"},
        {RemoveAcento, "ÀÂÊÔÛÃÕÁÉÍÓÚÇÜ", "AAEOUAOAEIOUCU"},
        {RemoveAcento, "èìòùî JOÃO", "èìòùî JOAO"},
        {PrimeiroNome, "MARIA DA SILVA", "MARIA"},
        {PrimeiroNome, "MARIA", ""},
        {ConverteDinheiro, "1.234,56", "1234.56"},
        {ConverteDinheiro, "1.234.567,8", "1234567.8"},
        {ConverteDinheiro, "10", "10"},
    };
    for (const auto &c : casos)
        EXPECT_EQ(s(c.f(QString::fromUtf8(c.entrada))), c.saida) << "entrada: " << c.entrada;
}

TEST(Rotinas, ExtensoExemplos)
{
    MensagensRoteiro msg;
    struct Caso {
        qint64 centavos;
        const char *texto;
    } casos[] = {
        {100, "Um Real."},
        {201, "Dois Reais, e Um Centavo."},
        {50, "Cinquenta Centavos."},
        {1, "Um Centavo."},
        {10000, "Cem Reais."},
        {10100, "Cento e Um Reais."},
        {1500, "Quinze Reais."},
        {100000, "Um Mil Reais."},
        {150000, "Um Mil,  e Quinhentos Reais."},
        {100100, "Um Mil,  e Um Reais."},
        {12345678, "Cento e Vinte e Tres Mil, Quatrocentos e Cinquenta e Seis Reais, e Setenta e Oito Centavos."},
        {99999999, "Novecentos e Noventa e Nove Mil, Novecentos e Noventa e Nove Reais, e Noventa e Nove Centavos."},
        {1000050, "Dez Mil Reais, e Cinquenta Centavos."},
        {0, ""},
    };
    for (const auto &c : casos)
        EXPECT_EQ(s(extenso(Dinheiro::deCentavos(c.centavos))), c.texto) << c.centavos;
    EXPECT_TRUE(msg.mostradas().isEmpty());
}

TEST(Rotinas, ExtensoForaDoIntervaloAvisa)
{
    const QString aviso = QStringLiteral(
        "O valor está fora do intervalo permitido.O número deve ser maior ou igual a zero e menor que "
        "999.999,99. Se não for corrigido o número não será escrito por extenso.");
    for (qint64 c : {100000000LL, -100LL}) {
        MensagensRoteiro msg;
        msg.esperar(aviso);
        EXPECT_EQ(s(extenso(Dinheiro::deCentavos(c))), "");
    }
}

TEST(Rotinas, MesesEHoras)
{
    EXPECT_EQ(s(ConverterMes(1)), "JANEIRO");
    EXPECT_EQ(s(ConverterMes(3)), "MARÇO");
    EXPECT_EQ(s(ConverterMes(12)), "DEZEMBRO");
    EXPECT_EQ(s(ConverterMes(0)), "");
    EXPECT_EQ(s(ConverterMes(13)), "");

    EXPECT_EQ(s(SecsToHMS(3661)), "01:01:01");
    EXPECT_EQ(s(SecsToHMS(360000)), "100:00:00");
    EXPECT_EQ(s(SecsToHMS(59)), "00:00:59");
    EXPECT_EQ(HMStoSecs(QStringLiteral("100:00:00")), 360000);
    EXPECT_EQ(HMStoSecs(QStringLiteral("01:01:01")), 3661);
    EXPECT_EQ(HMStoSecs(QStringLiteral("1000:00:00")), 0); // longer than 9 characters
    EXPECT_THROW(HMStoSecs(QStringLiteral("ab:cd:ef")), ErroConversao);

    const QDateTime a(QDate(2026, 12, 10), QTime(12, 0));
    EXPECT_DOUBLE_EQ(SubtrairData(a, QDateTime(QDate(2026, 12, 8), QTime(0, 0))), 2.5);
    EXPECT_DOUBLE_EQ(SubtrairData(QDateTime(QDate(2026, 12, 8), QTime(0, 0)), a), -2.5);

    EXPECT_EQ(GetVersaoArq().split('.').size(), 4);
}

TEST(Rotinas, ConsultaMultiplaComTermosVinculados)
{
    auto c = FormataConsultaMutipla(QStringLiteral("A / B /C"), QStringLiteral("NOME"));
    const std::string termo = "NOME LIKE CAST(? AS VARCHAR(1000)) ESCAPE '\\'";
    EXPECT_EQ(s(c.sql), termo + " OR " + termo + " OR " + termo);
    ASSERT_EQ(c.valores.size(), 3);
    EXPECT_EQ(s(c.valores[0].toString()), "%A%");
    EXPECT_EQ(s(c.valores[1].toString()), "%B%");
    EXPECT_EQ(s(c.valores[2].toString()), "%C%");

    c = FormataConsultaMutipla(QStringLiteral("D'ÁGUA"), QStringLiteral("DESCRICAO"));
    EXPECT_EQ(s(c.sql), "DESCRICAO LIKE CAST(? AS VARCHAR(1000)) ESCAPE '\\'");
    EXPECT_EQ(s(c.valores[0].toString()), "%D'ÁGUA%");

    c = FormataConsultaMutipla(QString(), QStringLiteral("DESCRICAO"));
    EXPECT_EQ(s(c.valores[0].toString()), "%%");

    // The user's own % and _ are matched literally.
    c = FormataConsultaMutipla(QStringLiteral("50% / A_B"), QStringLiteral("NOME"));
    EXPECT_EQ(s(c.valores[0].toString()), "%50\\%%");
    EXPECT_EQ(s(c.valores[1].toString()), "%A\\_B%");
}

TEST(Rotinas, DigitosDeCpfECnpj)
{
    struct Caso {
        bool (*f)(const QString &);
        const char *num;
        bool valido;
    } casos[] = {
        {Valida_CPF, "52998224725", true},
        {Valida_CPF, "11144477735", true},
        {Valida_CPF, "52998224724", false},
        {Valida_CPF, "52998224715", false},
        {Valida_CPF, "00000000000", true},  // equal digits pass
        {Valida_CPF, "11111111111", true},
        {Valida_CPF, "52998224725999", true}, // characters after the 11th are ignored
        {Valida_CPF, "529.982.247-25", false}, // callers strip punctuation first
        {Valida_CPF, "5299822472", false},
        {Valida_CPF, "", false},
        {Valida_CPF, "5299822472a", false},
        {Valida_CNPJ, "11222333000181", true},
        {Valida_CNPJ, "11444777000161", true},
        {Valida_CNPJ, "11222333000182", false},
        {Valida_CNPJ, "11222333000191", false},
        {Valida_CNPJ, "00000000000000", true},
        {Valida_CNPJ, "1122233300018", false},
        {Valida_CNPJ, "11.222.333/0001-81", false},
    };
    for (const auto &c : casos)
        EXPECT_EQ(c.f(QString::fromLatin1(c.num)), c.valido) << c.num;
}

TEST(Rotinas, CryptIdaEVolta)
{
    ASSERT_EQ(std::strlen(kChaveCrypt), 51u);
    for (const char *t : {"SENHA", "a", "Çãé ÿ€'\"", "123456789012345678901234567890123456789012345678901234567890"}) {
        const QString original = QString::fromUtf8(t);
        const QString c = Crypt(QStringLiteral("C"), original);
        EXPECT_EQ(c.size(), 2 + 2 * original.size());
        EXPECT_EQ(c, c.toUpper());
        EXPECT_EQ(s(Crypt(QStringLiteral("D"), c)), t);
    }
    // output differs from call to call (random seed), both decode
    QSet<QString> vistos;
    for (int i = 0; i < 20; ++i)
        vistos.insert(Crypt(QStringLiteral("C"), QStringLiteral("ABC")));
    EXPECT_GT(vistos.size(), 1);

    EXPECT_EQ(s(Crypt(QStringLiteral("c"), QStringLiteral("X"))), "");
    EXPECT_EQ(s(Crypt(QStringLiteral("C"), QString())), "");
    EXPECT_EQ(s(Crypt(QStringLiteral("X"), QStringLiteral("X"))), "");
    EXPECT_THROW(Crypt(QStringLiteral("D"), QStringLiteral("ZZ12")), ErroConversao);
}

TEST(Rotinas, CryptDecodificaSaidaConhecida)
{
    // Seed 0x10, "AB" with key letters 'B','S': s1 = ((16+65)%255)^66 = 19; s2 = ((19+66)%255)^83 = 6
    EXPECT_EQ(s(Crypt(QStringLiteral("D"), QStringLiteral("101306"))), "AB");
}

TEST(Rotinas, ConverteParaJpeg)
{
    QTemporaryDir dir;
    const QString base = dir.path() + QStringLiteral("/12345678909");
    QImage img(8, 8, QImage::Format_RGB32);
    img.fill(Qt::red);
    ASSERT_TRUE(img.save(base + ".bmp", "BMP"));
    ConverteParaJpeg(base);
    EXPECT_TRUE(QFile::exists(base + ".jpg"));
    EXPECT_FALSE(QFile::exists(base + ".bmp"));

    EXPECT_THROW(ConverteParaJpeg(dir.path() + QStringLiteral("/naoexiste")), ErroSistema);
}
