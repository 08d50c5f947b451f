// The Toledo scale over a real serial line: a socat pseudo-terminal pair
// with a scale that answers (or not) at the other end.
#include "base/Caminhos.h"
#include "platform/Balanca.h"
#include "support/BalancaFalsa.h"

#include <QElapsedTimer>
#include <QFile>
#include <QSerialPort>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

class BalancaSerial : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (!escala.pronta())
            GTEST_SKIP() << escala.motivo().toStdString();
    }
    BalancaFalsa escala;
};

} // namespace

TEST_F(BalancaSerial, UmaLeituraPorRespostaDaBalanca)
{
    struct Caso {
        BalancaFalsa::Modo modo;
        int gramas;
        qint64 esperado;
        const char *texto;
    };
    const Caso casos[] = {
        {BalancaFalsa::Modo::Peso, 456, 456, "0,456"},
        {BalancaFalsa::Modo::Peso, 12000, 12000, "12,000"},
        {BalancaFalsa::Modo::Peso, 0, 0, "0,000"},
        {BalancaFalsa::Modo::Instavel, 0, Balanca::kRespostaInvalida, "-1,000"},
        {BalancaFalsa::Modo::Negativo, 0, Balanca::kRespostaInvalida, "-1,000"},
        {BalancaFalsa::Modo::Sobrecarga, 0, Balanca::kRespostaInvalida, "-1,000"},
        {BalancaFalsa::Modo::Lixo, 0, Balanca::kRespostaInvalida, "-1,000"},
        {BalancaFalsa::Modo::Metade, 0, Balanca::kRespostaInvalida, "-1,000"},
        {BalancaFalsa::Modo::Silencio, 0, Balanca::kSemResposta, "-9,000"},
        // after silence and noise the line still gives the next weight
        {BalancaFalsa::Modo::Peso, 1234, 1234, "1,234"},
    };
    int pedidos = 0;
    for (const Caso &c : casos) {
        escala.definir(c.modo, c.gramas);
        const qint64 peso = Balanca::ler(escala.porta(), 800);
        EXPECT_EQ(peso, c.esperado) << int(c.modo) << " " << c.gramas;
        EXPECT_EQ(Balanca::textoPeso(peso).toStdString(), c.texto);
        EXPECT_EQ(escala.pedidos(), ++pedidos) << "one request per reading";
    }
}

TEST_F(BalancaSerial, SilencioDaOMenosNoveNoTempoLimite)
{
    escala.definir(BalancaFalsa::Modo::Silencio);
    QElapsedTimer t;
    t.start();
    EXPECT_EQ(Balanca::ler(escala.porta()), Balanca::kSemResposta);
    // the reading waited for the scale the whole time limit, not less
    EXPECT_GE(t.elapsed(), Balanca::kTempoLimiteMs - 50);
}

TEST_F(BalancaSerial, PortaFicaLivreDepoisDaLeitura)
{
    escala.definir(BalancaFalsa::Modo::Peso, 300);
    ASSERT_EQ(Balanca::ler(escala.porta(), 800), 300);
    QSerialPort outra;
    outra.setPortName(escala.porta());
    EXPECT_TRUE(outra.open(QIODevice::ReadWrite)) << "the reading left the port open";
}

TEST(Balanca, PortaSemDispositivoNaoResponde)
{
    EXPECT_EQ(Balanca::ler(QStringLiteral("/nao/existe/tty"), 300), Balanca::kSemResposta);
}

TEST(Balanca, RespostasInterpretadas)
{
    const struct {
        QByteArray resposta;
        qint64 gramas;
    } casos[] = {
        {QByteArray("\x02" "00456" "\x03"), 456},
        {QByteArray("\x02" "012345" "\x03"), 12345}, // six digits
        {QByteArray("\x02" "IIIII" "\x03"), Balanca::kRespostaInvalida},
        {QByteArray("\x02" "0045" "\x03"), Balanca::kRespostaInvalida},
        {QByteArray("00456"), Balanca::kRespostaInvalida},
        {QByteArray("\x02" "00-56" "\x03"), Balanca::kRespostaInvalida},
    };
    for (const auto &c : casos)
        EXPECT_EQ(Balanca::interpretarResposta(c.resposta), c.gramas) << c.resposta.toHex().toStdString();
}

TEST(Balanca, PortaDoParamIni)
{
    const QString antes = Caminhos::pastaInstalacao();
    QTemporaryDir pasta;
    Caminhos::definirPastaInstalacao(pasta.path());
    Balanca::definirPorta(QString());
    EXPECT_EQ(Balanca::portaConfigurada(), QStringLiteral("COM1")); // no file
    QFile f(pasta.filePath(QStringLiteral("PARAM.INI")));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("[BD]\nCAMINHO=/x/QUINTARA.FDB\n[Balanca]\nporta = /dev/ttyUSB0\n[OUTRA]\nPORTA=COM9\n");
    f.close();
    EXPECT_EQ(Balanca::portaConfigurada(), QStringLiteral("/dev/ttyUSB0"));
    Balanca::definirPorta(QStringLiteral("COM2"));
    EXPECT_EQ(Balanca::portaConfigurada(), QStringLiteral("COM2"));
    Balanca::definirPorta(QString());
    Caminhos::definirPastaInstalacao(antes);

    EXPECT_EQ(Balanca::dispositivo(QStringLiteral("COM1")), QStringLiteral("/dev/ttyS0"));
    EXPECT_EQ(Balanca::dispositivo(QStringLiteral("com3")), QStringLiteral("/dev/ttyS2"));
    EXPECT_EQ(Balanca::dispositivo(QStringLiteral("/dev/ttyUSB0")), QStringLiteral("/dev/ttyUSB0"));
}
