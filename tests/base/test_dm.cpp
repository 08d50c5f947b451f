// The data module against a real Firebird database.
#include "support/BancoTeste.h"
#include "base/Caminhos.h"

#include <QSqlField>
#include <QSet>
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
        // Retried with short pauses for a bounded time, well beyond the
        // immediate retries that gave up under real contention.
        EXPECT_GT(tentativas, ConexaoBanco::kTentativas);
        EXPECT_EQ(e.texto(), QStringLiteral(
            "O registro está sendo alterado em outra estação. Aguarde um instante e tente novamente."));
        EXPECT_EQ(e.detalhe(), QStringLiteral("update conflicts with concurrent update"));
    }
}

TEST_F(DataModule, EsperaPorRegistroPresoTemLimite)
{
    // Another workstation stopped in the middle of an operation (a box left
    // open, a hung process) and holds the row well past our wait: our
    // operation is undone after the wait and the user is told the record is
    // in use; the retry of conflicts does not stretch the wait.
    banco().definirEsperaBloqueio(2);
    std::atomic<bool> segurando{false}, soltar{false};
    const QString caminho = banco().caminho();
    std::unique_ptr<QThread> outra(QThread::create([&] {
        ConexaoBanco c(QStringLiteral("EstacaoParada"), caminho);
        c.conectar();
        c.iniciarTransacao();
        c.executar(QStringLiteral("UPDATE USUARIO SET SENHA = 'B' WHERE ID_USUARIO = 1"));
        segurando = true;
        while (!soltar)
            QThread::msleep(10);
        c.confirmarTransacao();
    }));
    outra->start();
    while (!segurando)
        QThread::msleep(5);

    // The other side lets go only after our operation returned: without a
    // bounded wait this test never ends.
    int tentativas = 0;
    try {
        banco().emTransacao([&] {
            ++tentativas;
            banco().executar(QStringLiteral("INSERT INTO LOG (USUARIO, OPERACAO) VALUES ('A', 'ANTES')"));
            banco().executar(QStringLiteral("UPDATE USUARIO SET SENHA = 'A' WHERE ID_USUARIO = 1"));
        });
        ADD_FAILURE() << "devia desistir";
    } catch (const ErroBanco &e) {
        EXPECT_EQ(e.texto(), ConexaoBanco::textoEmUso());
        EXPECT_TRUE(e.bloqueioExpirado());
        EXPECT_FALSE(e.conflito());
        EXPECT_TRUE(textoParaUsuario(e).startsWith(ConexaoBanco::textoEmUso())) << textoParaUsuario(e).toStdString();
    }
    soltar = true;
    outra->wait();
    EXPECT_EQ(tentativas, 1);
    // Nothing of ours stayed; the other workstation's change did.
    EXPECT_EQ(banco().valor(QStringLiteral("SELECT COUNT(*) FROM LOG WHERE OPERACAO = 'ANTES'")).toInt(), 0);
    EXPECT_EQ(banco().ler(QStringLiteral("SELECT SENHA FROM USUARIO WHERE ID_USUARIO = 1")).texto("SENHA"),
              QStringLiteral("B"));

    // A wait of zero or less is the default one.
    banco().definirEsperaBloqueio(0);
    EXPECT_EQ(banco().esperaBloqueio(), ConexaoBanco::kEsperaBloqueioPadrao);
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
    // A NULL stays NULL (stripping the padding must not turn it into "").
    banco().executar(QStringLiteral("UPDATE T_FLAG SET A = NULL"));
    const Linha n = banco().ler(QStringLiteral("SELECT A, B FROM T_FLAG"));
    EXPECT_TRUE(n.nulo("A"));
    EXPECT_FALSE(n.nulo("B"));
}

TEST_F(DataModule, InstrucaoPreparadaUmaVezEGuardadaComLimite)
{
    const QString sql = QStringLiteral("SELECT LOGIN FROM USUARIO WHERE ID_USUARIO = ?");
    const qint64 antes = banco().preparacoes();
    for (int i = 0; i < 50; ++i)
        banco().ler(sql, {i});
    banco().emTransacao([&] { banco().ler(sql, {1}); });
    EXPECT_EQ(banco().preparacoes() - antes, 1);

    // Distinct texts beyond the limit: the least recently used go first.
    const auto texto = [](int i) { return QStringLiteral("SELECT %1 AS N FROM RDB$DATABASE").arg(i); };
    const int n = ConexaoBanco::kComandosGuardados + 5;
    for (int i = 0; i < n; ++i)
        EXPECT_EQ(banco().valor(texto(i)).toInt(), i);
    EXPECT_EQ(banco().comandosGuardados(), ConexaoBanco::kComandosGuardados);
    qint64 p = banco().preparacoes();
    banco().valor(texto(n - 1));
    EXPECT_EQ(banco().preparacoes(), p);
    banco().valor(texto(0));
    EXPECT_EQ(banco().preparacoes(), p + 1);
}

TEST_F(DataModule, InstrucaoGuardadaRodaDepoisDaConexaoPerdida)
{
    const QString sql = QStringLiteral("SELECT LOGIN FROM USUARIO WHERE ID_USUARIO = ?");
    const QString login = banco().ler(sql, {1}).texto("LOGIN");
    ASSERT_FALSE(login.isEmpty());
    const qint64 idAntes = banco().valor(QStringLiteral("SELECT CURRENT_CONNECTION FROM RDB$DATABASE")).toLongLong();

    cortarConexao(banco());
    // Between operations the loss costs nothing: the statement runs on a new connection.
    EXPECT_EQ(banco().ler(sql, {1}).texto("LOGIN"), login);
    EXPECT_NE(banco().valor(QStringLiteral("SELECT CURRENT_CONNECTION FROM RDB$DATABASE")).toLongLong(), idAntes);
    EXPECT_EQ(banco().ler(sql, {1}).texto("LOGIN"), login);
}

TEST_F(DataModule, ConexaoPerdidaNoMeioDaTransacaoNaoTravaAEstacao)
{
    const auto contar = [&](const char *login) {
        return banco().valor(QStringLiteral("SELECT COUNT(*) FROM USUARIO WHERE LOGIN = ?"), {QString::fromLatin1(login)})
            .toInt();
    };
    const QString inserir = QStringLiteral("INSERT INTO USUARIO (LOGIN, SENHA) VALUES (?, '1')");
    try {
        banco().emTransacao([&] {
            banco().executar(inserir, {QStringLiteral("PRIMEIRO")});
            cortarConexao(banco());
            banco().executar(inserir, {QStringLiteral("SEGUNDO")});
        });
        FAIL() << "devia falhar";
    } catch (const ErroBanco &e) {
        EXPECT_TRUE(e.conexaoPerdida());
        EXPECT_TRUE(e.texto().startsWith(QStringLiteral("A conexão com o banco de dados foi perdida.")))
            << e.texto().toStdString();
        EXPECT_FALSE(e.detalhe().isEmpty());
    }
    EXPECT_FALSE(banco().emTransacao());
    // The next operation reconnects and finds nothing of the lost one.
    EXPECT_EQ(contar("PRIMEIRO"), 0);
    banco().emTransacao([&] { banco().executar(inserir, {QStringLiteral("TERCEIRO")}); });
    EXPECT_EQ(contar("TERCEIRO"), 1);

    // Lost while a grid's cursor is open: the cursor ends, nothing hangs.
    auto cursor = banco().abrirCursor(QStringLiteral("SELECT ID_USUARIO FROM USUARIO"));
    cortarConexao(banco());
    EXPECT_EQ(banco().valor(QStringLiteral("SELECT COUNT(*) FROM USUARIO WHERE LOGIN = 'TERCEIRO'")).toInt(), 1);
    EXPECT_TRUE(cursor->fim());
    EXPECT_TRUE(cursor->buscar(10).isEmpty());
}

TEST_F(DataModule, ValoresLidosEVinculadosComoPeloDriverDoQt)
{
    // Every caller reads rows as Qt's driver gives them: the same types and
    // values, NULL included, through the statement cache. Scaled numbers are
    // the one difference: Qt's driver passes them through a double ("12.5",
    // "-5e-04", "1e+05"); here they are the exact decimal text with every
    // place of the column.
    banco().executar(QStringLiteral(
        "CREATE TABLE T_TIPOS (ID INTEGER, PQ SMALLINT, GR BIGINT, V NUMERIC(15,2), Q NUMERIC(18,4), "
        "N4 NUMERIC(9,3), F DOUBLE PRECISION, D DATE, H TIME, M TIMESTAMP, C CHAR(3), T VARCHAR(20), "
        "B BLOB SUB_TYPE TEXT, BIN BLOB SUB_TYPE 0, L BOOLEAN)"));
    const QString inserir = QStringLiteral(
        "INSERT INTO T_TIPOS (ID, PQ, GR, V, Q, N4, F, D, H, M, C, T, B, BIN, L) "
        "VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)");
    const QList<QVariantList> linhas{
        {1, 7, Q_INT64_C(9000000000), QStringLiteral("1234.56"), QStringLiteral("-0.0005"), 12.5, 0.1,
         QDate(2026, 2, 28), QTime(23, 59, 58, 120), QDateTime(QDate(2026, 12, 10), QTime(10, 0, 1, 5)),
         QStringLiteral("Á"), QStringLiteral("D'ÁVILA 😀 %_"), QStringLiteral("linha 1\nação 😀"),
         QByteArray("\x00\x01\xff", 3), true},
        {2, -1, -1, QStringLiteral("12.00"), QStringLiteral("3"), QStringLiteral("-7.125"), -2.5, QDate(1900, 1, 1),
         QTime(0, 0), QDateTime(QDate(2000, 1, 1), QTime(0, 0)), QString(), QString(), QString(), QByteArray(),
         false},
        {3, QVariant(), QVariant(), QVariant(), QVariant(), QVariant(), QVariant(), QVariant(), QVariant(),
         QVariant(), QVariant(), QVariant(), QVariant(), QVariant(), QVariant()},
        {4, 0, 0, QStringLiteral("100000.00"), QStringLiteral("98765432101.2345"), QStringLiteral("0.001"), 0.0,
         QDate(2026, 1, 1), QTime(0, 0), QDateTime(QDate(2026, 1, 1), QTime(0, 0)), QString(), QString(), QString(),
         QByteArray(), false},
    };
    const QSet<QString> escaladas{QStringLiteral("V"), QStringLiteral("Q"), QStringLiteral("N4")};
    banco().emTransacao([&] {
        for (const QVariantList &l : linhas)
            banco().executar(inserir, l);
    });
    const QString ler = QStringLiteral("SELECT * FROM T_TIPOS ORDER BY ID");
    const auto nossas = banco().consultar(ler);
    QSqlQuery q(banco().banco());
    q.setNumericalPrecisionPolicy(QSql::HighPrecision);
    ASSERT_TRUE(q.exec(ler));
    const QSqlRecord colunasQt = q.record();
    ASSERT_EQ(nossas.colunas.count(), colunasQt.count());
    for (int c = 0; c < colunasQt.count(); ++c) {
        EXPECT_EQ(nossas.colunas.fieldName(c), colunasQt.fieldName(c));
        EXPECT_EQ(nossas.colunas.field(c).metaType(), colunasQt.field(c).metaType()) << colunasQt.fieldName(c).toStdString();
    }
    int i = 0;
    while (q.next()) {
        ASSERT_LT(i, nossas.linhas.size());
        const Linha esperada(q.record());
        for (int c = 0; c < colunasQt.count(); ++c) {
            const QVariant a = nossas.linhas[i].valor(c), b = esperada.valor(c);
            const std::string onde = "linha " + std::to_string(i + 1) + " coluna " + colunasQt.fieldName(c).toStdString();
            EXPECT_EQ(a.typeId(), b.typeId()) << onde;
            EXPECT_EQ(a.isNull(), b.isNull()) << onde;
            if (escaladas.contains(colunasQt.fieldName(c)))
                EXPECT_NEAR(a.toString().toDouble(), b.toString().toDouble(), 1e-3) << onde;
            else
                EXPECT_EQ(a, b) << onde << ": " << a.toString().toStdString() << " / " << b.toString().toStdString();
        }
        ++i;
    }
    EXPECT_EQ(i, nossas.linhas.size());
    EXPECT_EQ(nossas.linhas[0].texto("T"), QStringLiteral("D'ÁVILA 😀 %_"));
    EXPECT_EQ(nossas.linhas[0].dinheiro("V").centavos(), 123456);
    const QStringList exatas{
        nossas.linhas[0].texto("V"), nossas.linhas[0].texto("Q"), nossas.linhas[0].texto("N4"),
        nossas.linhas[1].texto("V"), nossas.linhas[1].texto("Q"), nossas.linhas[1].texto("N4"),
        nossas.linhas[3].texto("V"), nossas.linhas[3].texto("Q"), nossas.linhas[3].texto("N4")};
    EXPECT_EQ(exatas, (QStringList{"1234.56", "-0.0005", "12.500", "12.00", "3.0000", "-7.125", "100000.00",
                                   "98765432101.2345", "0.001"}));
    // A round amount of six figures is money like any other.
    EXPECT_EQ(nossas.linhas[3].dinheiro("V").centavos(), 10000000);
}

TEST_F(DataModule, MarcadoresComNomeSoForaDeTextos)
{
    const Linha l = banco().ler(
        QStringLiteral("SELECT CAST(:A AS VARCHAR(10)) AS X, ':B' AS Y, CAST(:A AS VARCHAR(10)) || ':C' AS Z "
                       "FROM RDB$DATABASE /* :D */"),
        ValoresNomeados{{QStringLiteral("A"), QStringLiteral("um")}});
    EXPECT_EQ(l.texto("X"), QStringLiteral("um"));
    EXPECT_EQ(l.texto("Y"), QStringLiteral(":B"));
    EXPECT_EQ(l.texto("Z"), QStringLiteral("um:C"));
}

TEST_F(DataModule, ValoresDemaisRecusadosSemTocarNoBanco)
{
    EXPECT_THROW(banco().executar(QStringLiteral("UPDATE USUARIO SET SENHA = ? WHERE ID_USUARIO = ?"),
                                  {QStringLiteral("ZZZ"), 1, 3}),
                 ErroBanco);
    EXPECT_EQ(banco().valor(QStringLiteral("SELECT COUNT(*) FROM USUARIO WHERE SENHA = 'ZZZ'")).toInt(), 0);
}
