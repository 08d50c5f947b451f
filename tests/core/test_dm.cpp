// The data module against a real Firebird database.
#include "support/BancoTeste.h"
#include "base/Caminhos.h"

#include <QSqlQuery>
#include <QThread>
#include <atomic>

class DataModule : public BancoTeste {
};

TEST_F(DataModule, ValorComAspasEAcentosGravadoComoDigitado)
{
    const QString login = QStringLiteral("D'Ávila");
    const QString senha = QStringLiteral("x'OR'1'='1");
    banco().executar(QStringLiteral("INSERT INTO USUARIO (LOGIN, SENHA) VALUES (?, ?)"), {login, senha});
    const Linha l = banco().ler(QStringLiteral("SELECT LOGIN, SENHA FROM USUARIO WHERE LOGIN = ?"), {login});
    ASSERT_FALSE(l.vazia());
    EXPECT_EQ(l.texto("LOGIN"), login);
    EXPECT_EQ(l.texto("SENHA"), senha);
    // named values
    const Linha n = banco().ler(QStringLiteral("SELECT COUNT(*) AS N FROM USUARIO WHERE SENHA = :SENHA"),
                                ValoresNomeados{{QStringLiteral("SENHA"), senha}});
    EXPECT_EQ(n.inteiro("N"), 1);
}

TEST_F(DataModule, LinhaAusenteLeVazioEZero)
{
    const Linha l = banco().ler(QStringLiteral("SELECT * FROM USUARIO WHERE ID_USUARIO = ?"), {-1});
    EXPECT_TRUE(l.vazia());
    EXPECT_EQ(l.texto("LOGIN"), QString());
    EXPECT_EQ(l.inteiro("ID_USUARIO"), 0);
    EXPECT_TRUE(l.dinheiro("QUALQUER").zero());
    EXPECT_FALSE(l.data("DATA").isValid());
    EXPECT_FALSE(banco().valor(QStringLiteral("SELECT LOGIN FROM USUARIO WHERE ID_USUARIO = -1")).isValid());
    EXPECT_TRUE(banco().lerTodas(QStringLiteral("SELECT * FROM USUARIO WHERE 1 = 0")).isEmpty());
}

TEST_F(DataModule, TransacaoDesfeitaNaoDeixaNada)
{
    const auto contar = [&] {
        return banco().ler(QStringLiteral("SELECT COUNT(*) AS N FROM USUARIO")).inteiro("N");
    };
    const qint64 antes = contar();
    EXPECT_THROW(banco().emTransacao([&] {
        banco().executar(QStringLiteral("INSERT INTO USUARIO (LOGIN, SENHA) VALUES (?, ?)"),
                         {QStringLiteral("NOVO"), QStringLiteral("1")});
        // the second statement fails: the whole operation goes
        banco().executar(QStringLiteral("INSERT INTO TABELA_QUE_NAO_EXISTE (A) VALUES (?)"), {1});
    }), ErroBanco);
    EXPECT_EQ(contar(), antes);
    EXPECT_FALSE(banco().emTransacao());

    {
        Transacao t(banco());
        banco().executar(QStringLiteral("INSERT INTO USUARIO (LOGIN, SENHA) VALUES ('X', 'Y')"));
        // no confirmar(): rolled back when leaving the scope
    }
    EXPECT_EQ(contar(), antes);

    banco().emTransacao([&] {
        banco().executar(QStringLiteral("INSERT INTO USUARIO (LOGIN, SENHA) VALUES ('X', 'Y')"));
    });
    EXPECT_EQ(contar(), antes + 1);
}

TEST_F(DataModule, RetornandoForaDeTransacaoFicaGravado)
{
    // A statement that returns a row must still be committed.
    const qint64 id = banco()
                          .valor(QStringLiteral("INSERT INTO USUARIO (LOGIN, SENHA) VALUES (?, ?) RETURNING ID_USUARIO"),
                                 {QStringLiteral("RET"), QStringLiteral("1")})
                          .toLongLong();
    EXPECT_GT(id, 1);
    banco().desconectar();
    banco().conectar();
    EXPECT_EQ(banco().ler(QStringLiteral("SELECT LOGIN FROM USUARIO WHERE ID_USUARIO = ?"), {id}).texto("LOGIN"),
              QStringLiteral("RET"));
}

TEST_F(DataModule, DinheiroExatoIdaEVolta)
{
    banco().executar(QStringLiteral("CREATE TABLE T_VALOR (ID INTEGER, V NUMERIC(15,2), D NUMERIC(18,2))"));
    const std::int64_t valores[] = {0, 1, 10, 29, 110, 123456, -123456, 999999999999LL, 99999999999999LL, 70,
                                    4999999999995LL};
    int i = 0;
    for (std::int64_t c : valores) {
        const Dinheiro d = Dinheiro::deCentavos(c);
        banco().executar(QStringLiteral("INSERT INTO T_VALOR (ID, V, D) VALUES (?, ?, ?)"),
                         {++i, d.paraBanco(), d.paraBanco()});
        const Linha l = banco().ler(QStringLiteral("SELECT V, D FROM T_VALOR WHERE ID = ?"), {i});
        EXPECT_EQ(l.dinheiro("V").centavos(), c);
        EXPECT_EQ(l.dinheiro("D").centavos(), c);
    }
    // sums stay exact
    const Linha s = banco().ler(QStringLiteral("SELECT SUM(V) AS S FROM T_VALOR WHERE ID <= 4"));
    EXPECT_EQ(s.dinheiro("S").centavos(), 0 + 1 + 10 + 29);
    // a conditional update reports the rows it changed
    EXPECT_EQ(banco().executar(QStringLiteral("UPDATE T_VALOR SET V = V - ? WHERE ID = 3 AND V >= ?"),
                               {Dinheiro::deCentavos(5).paraBanco(), Dinheiro::deCentavos(5).paraBanco()}),
              1);
    EXPECT_EQ(banco().executar(QStringLiteral("UPDATE T_VALOR SET V = V - ? WHERE ID = 3 AND V >= ?"),
                               {Dinheiro::deCentavos(50).paraBanco(), Dinheiro::deCentavos(50).paraBanco()}),
              0);
}

TEST_F(DataModule, DatasEHorasVinculadas)
{
    banco().executar(QStringLiteral("INSERT INTO ATUALIZACAO (DATA) VALUES (?)"), {QDate(2026, 2, 28)});
    const Linha l = banco().ler(QStringLiteral("SELECT DATA FROM ATUALIZACAO WHERE DATA = ?"), {QDate(2026, 2, 28)});
    EXPECT_EQ(l.data("DATA"), QDate(2026, 2, 28));
    EXPECT_EQ(l.texto("DATA"), QStringLiteral("28/02/2026"));
}

TEST_F(DataModule, GeradorReservaChaves)
{
    const qint64 a = banco().gerador(QStringLiteral("GEN_ID_USUARIO"), 1);
    const qint64 b = banco().gerador(QStringLiteral("GEN_ID_USUARIO"), 1);
    EXPECT_EQ(b, a + 1);
    EXPECT_EQ(banco().gerador(QStringLiteral("GEN_ID_USUARIO"), 0), b);
    EXPECT_THROW(banco().gerador(QStringLiteral("GEN_ID_USUARIO, 1) FROM RDB$DATABASE; --"), 1), ErroBanco);
}

TEST_F(DataModule, ErroDoBancoChegaComOTextoDoMotor)
{
    try {
        banco().executar(QStringLiteral("INSERT INTO USUARIO (LOGIN, SENHA) VALUES (?, ?)"),
                         {QStringLiteral("LOGIN_LONGO_DEMAIS"), QStringLiteral("1")});
        FAIL() << "devia falhar";
    } catch (const ErroBanco &e) {
        EXPECT_TRUE(e.texto().contains(QStringLiteral("truncation"), Qt::CaseInsensitive)) << e.texto().toStdString();
        EXPECT_FALSE(e.conflito());
    }
}

TEST_F(DataModule, ConflitoComOutraEstacaoRepeteAOperacao)
{
    // Another workstation holds the row in an open transaction; our update
    // waits, fails with an update conflict when the other side commits, and
    // the whole operation runs again.
    std::atomic<bool> segurando{false};
    const QString caminho = banco().caminho();
    std::unique_ptr<QThread> outra(QThread::create([&] {
        ConexaoBanco c(QStringLiteral("OutraEstacao"), caminho);
        c.conectar();
        c.iniciarTransacao();
        c.executar(QStringLiteral("UPDATE USUARIO SET SENHA = 'B' WHERE ID_USUARIO = 1"));
        segurando = true;
        QThread::msleep(400);
        c.confirmarTransacao();
    }));
    outra->start();
    while (!segurando)
        QThread::msleep(5);

    int tentativas = 0;
    banco().emTransacao([&] {
        ++tentativas;
        banco().executar(QStringLiteral("UPDATE USUARIO SET SENHA = 'A' WHERE ID_USUARIO = 1"));
    });
    outra->wait();
    EXPECT_EQ(tentativas, 2);
    EXPECT_EQ(banco().ler(QStringLiteral("SELECT SENHA FROM USUARIO WHERE ID_USUARIO = 1")).texto("SENHA"),
              QStringLiteral("A"));

    // Never resolved: the user is told after a few attempts.
    tentativas = 0;
    try {
        banco().emTransacao([&] {
            ++tentativas;
            throw ErroBanco(QStringLiteral("update conflicts with concurrent update"), QStringLiteral("-913"));
        });
        FAIL();
    } catch (const ErroBanco &e) {
        EXPECT_EQ(tentativas, ConexaoBanco::kTentativas);
        EXPECT_EQ(e.texto(), QStringLiteral(
            "O registro está sendo alterado em outra estação. Aguarde um instante e tente novamente."));
    }
}

TEST_F(DataModule, CaminhoDeServidorPassaInalterado)
{
    ConexaoBanco c(QStringLiteral("Servidor"), QString());
    c.definirCaminho(QStringLiteral("servidor:/dados/QUINTARA.FDB"));
    EXPECT_EQ(c.caminho(), QStringLiteral("servidor:/dados/QUINTARA.FDB"));
    EXPECT_EQ(Caminhos::mapearWindows(QStringLiteral("servidor:/dados/QUINTARA.FDB")),
              QStringLiteral("servidor:/dados/QUINTARA.FDB"));
}

TEST_F(DataModule, CaminhosWindowsMapeados)
{
    EXPECT_EQ(Caminhos::mapearWindows(QStringLiteral("C:\\Quintara\\img\\cli")), pasta() + QStringLiteral("/img/cli"));
    EXPECT_EQ(Caminhos::mapearWindows(QStringLiteral("C:\\Zentro\\Zentro PDV\\BD\\BANCO.FDB")),
              pasta() + QStringLiteral("/C/Zentro/Zentro PDV/BD/BANCO.FDB"));
    EXPECT_EQ(Caminhos::naInstalacao(QStringLiteral("BANCO DE DADOS\\Backups")),
              pasta() + QStringLiteral("/BANCO DE DADOS/Backups"));
}

TEST_F(DataModule, CompanheiroAusenteLevantaErroSoQuandoUsado)
{
    // Nothing connects the companion databases until a screen asks for them.
    EXPECT_FALSE(m_dm->ConexaoPDV.conectada());
    EXPECT_THROW(m_dm->ConexaoPDV.garantirConectada(), ErroBanco);
    EXPECT_TRUE(m_dm->Conexao.conectada());
}

TEST_F(DataModule, ConexaoPerdidaVoltaNaProximaInstrucao)
{
    banco().desconectar();
    // the next statement connects again
    EXPECT_EQ(banco().ler(QStringLiteral("SELECT SCRIPT FROM PARAMETROS")).inteiro("SCRIPT"), 113);
}

TEST_F(DataModule, TextoFixoSemOPreenchimento)
{
    // CHAR columns and literals come back without the padding of their byte width.
    const Linha l = banco().ler(QStringLiteral(
        "SELECT 'S' AS FLAG, CAST('Á' AS CHAR(3)) AS C3, CAST(' a ' AS VARCHAR(5)) AS V FROM RDB$DATABASE"));
    EXPECT_EQ(l.texto("FLAG"), QStringLiteral("S"));
    EXPECT_EQ(l.valor("FLAG").toString(), QStringLiteral("S"));
    EXPECT_EQ(l.texto("C3"), QStringLiteral("Á"));
    EXPECT_EQ(l.texto("V"), QStringLiteral(" a ")); // variable text is kept as stored
}

TEST_F(DataModule, ColunaCharQueAceitaNuloSemPreenchimento)
{
    banco().executar(QStringLiteral("CREATE TABLE T_FLAG (A CHAR(1), B CHAR(1) NOT NULL)"));
    banco().executar(QStringLiteral("INSERT INTO T_FLAG (A, B) VALUES ('S', 'N')"));
    const Linha l = banco().ler(QStringLiteral("SELECT * FROM T_FLAG"));
    EXPECT_EQ(l.texto("A"), QStringLiteral("S"));
    EXPECT_EQ(l.texto("B"), QStringLiteral("N"));
}
