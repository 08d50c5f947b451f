// The support console's repair tools: nights rebuilt from the stays, payment
// columns from the payment method, consumption paid at once, the check-in
// user from the log, accents, person or company, telephones copied back from
// an older database; each one all or nothing.
#include "base/UnitLog.h"
#include "integration/FerramentasSuporte.h"
#include "support/TelasTeste.h"
#include "tests/integration/Gravador.h"

namespace {

class Ferramentas : public TelasTeste {
protected:
    void estadia(qint64 id, const QDate &entrada, const QDate &saida, const QString &baixa,
                 const QString &forma = QString(), const QString &diaria = QStringLiteral("100.00"),
                 const QString &excluido = QStringLiteral("N"))
    {
        banco().executar(QStringLiteral("INSERT INTO WALK_IN (ID_WALK_IN, DATA_ENTRADA, DATA_SAIDA, BAIXA, EXCLUIDO, "
                                        "VALOR_DIARIA, QTD_ADULTOS, FORMA_PAG, ID_CLIENTE, ID_UH) "
                                        "VALUES (?, ?, ?, ?, ?, ?, 2, ?, 1, 1)"),
                         {id, entrada, saida, baixa, excluido, diaria, forma});
    }
    // "DINHEIRO VISA MASTER HIPER CHEQUE NOTA" of a stay.
    QString pagamentos(qint64 id)
    {
        const Linha l = banco().ler(QStringLiteral("SELECT * FROM WALK_IN WHERE ID_WALK_IN = ?"), {id});
        QStringList r;
        for (const char *c : {"DINHEIRO", "VISA", "MASTER", "HIPER", "CHEQUE", "NOTA"})
            r << l.dinheiro(QString::fromLatin1(c)).formatado();
        return r.join(QLatin1Char(' '));
    }
    // Makes the database refuse rows of a table from now on.
    void recusar(const QString &tabela, const QString &condicao)
    {
        banco().executar(QStringLiteral("ALTER TABLE %1 ADD CONSTRAINT CHK_RECUSA CHECK (%2)").arg(tabela, condicao));
    }
    // A table's rows as text, to compare before and after.
    QStringList linhas(const QString &sql)
    {
        QStringList r;
        for (const Linha &l : banco().lerTodas(sql)) {
            QStringList campos;
            for (int i = 0; i < l.registro().count(); ++i)
                campos << textoDeValor(l.valor(i));
            r << campos.join(QLatin1Char('|'));
        }
        return r;
    }
    const QDate hoje{2025, 3, 10};
    GaugeGravado gauge;
};

} // namespace

TEST_F(Ferramentas, NoitesDaEstadia)
{
    const QDate d(2025, 3, 1), hoje(2025, 3, 10);
    struct Caso {
        QDate entrada, saida;
        const char *baixa;
        int noites;
    } casos[] = {
        {d, d.addDays(3), "S", 3},       // closed stay: departure minus arrival
        {d, d, "S", 1},                  // closed, same day: one night
        {d, d, "N", 9},                  // open, departure equal to arrival: until today
        {hoje, hoje, "N", 1},            // open, arrived today
        {d, d.addDays(4), "N", 4},       // open with a planned departure
        {d, d.addDays(-2), "S", 0},      // dates the wrong way round: none
        {d, QDate(), "N", 0},            // no departure
    };
    for (const Caso &c : casos)
        EXPECT_EQ(Suporte::noitesDaEstadia(c.entrada, c.saida, QString::fromLatin1(c.baixa), hoje), c.noites)
            << c.entrada.toString().toStdString() << " " << c.saida.toString().toStdString() << " " << c.baixa;
}

TEST_F(Ferramentas, DiariasReconstruidasComChavesDesdeUmEGeradorNaMaior)
{
    banco().executar(QStringLiteral("INSERT INTO OCUPACAO (ID_OCUPACAO, ID_ENTRADA, DATA, VALOR, QTD) "
                                    "VALUES (900, 77, '2020-01-01', 5, 1)"));
    estadia(10, QDate(2025, 3, 1), QDate(2025, 3, 3), QStringLiteral("S"), {}, QStringLiteral("150.50"));
    estadia(11, QDate(2025, 3, 8), QDate(2025, 3, 8), QStringLiteral("N"));
    estadia(12, QDate(2025, 3, 5), QDate(2025, 3, 5), QStringLiteral("S"), {}, QStringLiteral("80.00"),
            QStringLiteral("S")); // cancelled stays count too
    const Suporte::Resultado r = Suporte::reconstruirDiarias(banco(), hoje, gauge);
    EXPECT_EQ(r.linhas, 5);
    EXPECT_EQ(linhas(QStringLiteral("SELECT ID_OCUPACAO, ID_ENTRADA, DATA, VALOR, QTD FROM OCUPACAO ORDER BY ID_OCUPACAO")),
              (QStringList{"1|10|01/03/2025|150.50|2", "2|10|02/03/2025|150.50|2", "3|11|08/03/2025|100.00|2",
                           "4|11|09/03/2025|100.00|2", "5|12|05/03/2025|80.00|2"}));
    EXPECT_EQ(banco().gerador(QStringLiteral("GEN_ID_OCUPACAO"), 0), 5);
    EXPECT_EQ(gauge.eventos, (QStringList{"mostrar 3", "esconder"}));
    EXPECT_EQ(gauge.avancos, 3);
}

TEST_F(Ferramentas, FormasDePagamentoDasEstadiasFechadas)
{
    const QDate d(2025, 3, 1);
    struct Caso {
        qint64 id;
        const char *forma;
        int noites;
        const char *esperado;
    } casos[] = {
        {1, "Dinheiro", 2, "200,00 0,00 0,00 0,00 0,00 0,00"},
        {2, "", 0, "100,00 0,00 0,00 0,00 0,00 0,00"}, // same day: one night
        {3, "Cartão de Crédito - Visa", 1, "0,00 100,00 0,00 0,00 0,00 0,00"},
        {4, "Cartão de Crédito", 3, "0,00 300,00 0,00 0,00 0,00 0,00"},
        {5, "Cartão de Crédito - Mastercard", 1, "0,00 0,00 100,00 0,00 0,00 0,00"},
        {6, "Cartão de Crédito - Hipercard", 1, "0,00 0,00 0,00 100,00 0,00 0,00"},
        {7, "Cheque", 1, "0,00 0,00 0,00 0,00 100,00 0,00"},
        {8, "Nota", 1, "0,00 0,00 0,00 0,00 0,00 100,00"},
        {9, "Pix", 1, "0,00 0,00 0,00 0,00 0,00 0,00"}, // no column: left alone, listed
    };
    for (const Caso &c : casos)
        estadia(c.id, d, d.addDays(c.noites), QStringLiteral("S"), QString::fromUtf8(c.forma));
    estadia(20, d, d.addDays(2), QStringLiteral("N"), QStringLiteral("Dinheiro")); // open: untouched
    banco().executar(QStringLiteral("UPDATE WALK_IN SET VISA = 7 WHERE ID_WALK_IN = 1"));

    for (int vez = 0; vez < 2; ++vez) { // overwrites: a second run changes nothing more
        const Suporte::Resultado r = Suporte::atualizarFormasPagamento(banco(), gauge);
        EXPECT_EQ(r.linhas, 8);
        EXPECT_EQ(r.ignoradas, QStringList{QStringLiteral("Entrada 9: forma de pagamento \"Pix\" desconhecida")});
        for (const Caso &c : casos) {
            const QString esperado = QString::fromLatin1(c.esperado);
            EXPECT_EQ(pagamentos(c.id), c.id == 1 ? QStringLiteral("200,00 7,00 0,00 0,00 0,00 0,00") : esperado)
                << c.forma;
        }
        EXPECT_EQ(pagamentos(20), QStringLiteral("0,00 0,00 0,00 0,00 0,00 0,00"));
    }
}

TEST_F(Ferramentas, DespesasPagasNaHoraSomamNaEstadia)
{
    const QDate d(2025, 3, 1);
    estadia(1, d, d.addDays(1), QStringLiteral("S"));
    estadia(2, d, d.addDays(1), QStringLiteral("S"));
    auto despesa = [&](qint64 entrada, int qtd, const char *unit, const char *forma) {
        banco().executar(QStringLiteral("INSERT INTO DESPESA_UH (ID_ENTRADA, QTD, VALOR_UNIT, FORMA_PAG) VALUES (?, ?, ?, ?)"),
                         {entrada, qtd, QString::fromLatin1(unit), QString::fromUtf8(forma)});
    };
    despesa(1, 3, "2.50", "Dinheiro");
    despesa(1, 1, "10.00", "Cartão de Crédito - Visa");
    despesa(1, 2, "4.00", ""); // charged to the stay: not paid at once
    despesa(2, 1, "8.00", "Nota");
    despesa(2, 1, "9.00", "Cartão de Crédito"); // no column here: listed
    despesa(2, 1, "1.00", "Cheque");
    despesa(2, 2, "3.00", "Cartão de Crédito - Hipercard");
    despesa(2, 1, "6.00", "Cartão de Crédito - Mastercard");

    const Suporte::Resultado r = Suporte::atualizarFormasDespesas(banco(), gauge);
    EXPECT_EQ(r.linhas, 6);
    ASSERT_EQ(r.ignoradas.size(), 1);
    EXPECT_TRUE(r.ignoradas[0].contains(QStringLiteral("\"Cartão de Crédito\""))) << r.ignoradas[0].toStdString();
    EXPECT_EQ(pagamentos(1), QStringLiteral("7,50 10,00 0,00 0,00 0,00 0,00"));
    EXPECT_EQ(pagamentos(2), QStringLiteral("0,00 0,00 6,00 6,00 1,00 8,00"));
    EXPECT_EQ(AcaoAtualRegistrada(), QStringLiteral("Operações de Suporte"));
    // Run again on purpose, it adds again: each run is whole.
    Suporte::atualizarFormasDespesas(banco(), gauge);
    EXPECT_EQ(pagamentos(1), QStringLiteral("15,00 20,00 0,00 0,00 0,00 0,00"));
}

TEST_F(Ferramentas, ChaveDaEntradaNoTextoDoLog)
{
    struct Caso {
        const char *texto, *chave;
    } casos[] = {
        {"Incluiu Entrada de Hóspede -> 125 (UH 12 - MARIA)", "125"},
        {"Incluiu Entrada de Hóspede -> Código 125 (UH 12 - MARIA)", "125"},
        {"Incluiu Entrada de Hóspede -> 125", "125"},            // key up to the end of the text
        {"Incluiu Entrada de Hóspede -> Código 77", "77"},
        {"Incluiu Entrada de Hóspede -> MARIA (UH 12)", "MARIA"}, // not a number: the tool lists it
        {"Alterou Entrada de Hóspede -> 125", ""},
    };
    for (const Caso &c : casos)
        EXPECT_EQ(Suporte::chaveEntradaDoLog(QString::fromUtf8(c.texto)), QString::fromUtf8(c.chave)) << c.texto;
}

TEST_F(Ferramentas, UsuarioDaEntradaVemDoLogEGovernantaLimpa)
{
    const QDate d(2025, 3, 1);
    estadia(125, d, d.addDays(1), QStringLiteral("S"));
    estadia(126, d, d.addDays(1), QStringLiteral("S"));
    banco().executar(QStringLiteral("UPDATE WALK_IN SET FUNCIONARIO_LIMPEZA = 4, USUARIO_ENTRADA = 'X'"));
    auto log = [&](const char *usuario, const char *texto) {
        banco().executar(QStringLiteral("INSERT INTO LOG (USUARIO, OPERACAO) VALUES (?, ?)"),
                         {QString::fromLatin1(usuario), QString::fromUtf8(texto)});
    };
    log("ANA", "Incluiu Entrada de Hóspede -> 125 (UH 12 - MARIA)");
    log("BIA", "Incluiu Entrada de Hóspede -> Código 126");
    log("CAIO", "Alterou Entrada de Hóspede -> 126");
    log("DIA", "Incluiu Entrada de Hóspede -> MARIA (UH 3)");
    const Suporte::Resultado r = Suporte::atualizarUsuariosEntrada(banco(), gauge);
    EXPECT_EQ(linhas(QStringLiteral("SELECT ID_WALK_IN, USUARIO_ENTRADA, FUNCIONARIO_LIMPEZA FROM WALK_IN ORDER BY 1")),
              (QStringList{"125|ANA|0", "126|BIA|0"}));
    ASSERT_EQ(r.ignoradas.size(), 1);
    EXPECT_TRUE(r.ignoradas[0].contains(QStringLiteral("\"MARIA\""))) << r.ignoradas[0].toStdString();
}

TEST_F(Ferramentas, AcentosSaemDosNomesEDescricoes)
{
    banco().executar(QStringLiteral("INSERT INTO CLIENTE (ID_CLIENTE, NOME) VALUES (2, 'JOÃO D''ÁVILA')"));
    banco().executar(QStringLiteral("INSERT INTO PRODUTOS_SERVICOS (ID_P_S, DESCRICAO) VALUES (2, 'Água Tônica')"));
    Suporte::retirarAcentos(banco(), gauge);
    EXPECT_EQ(banco().valor(QStringLiteral("SELECT NOME FROM CLIENTE WHERE ID_CLIENTE = 2")).toString(),
              QStringLiteral("JOAO D'AVILA"));
    EXPECT_EQ(banco().valor(QStringLiteral("SELECT DESCRICAO FROM PRODUTOS_SERVICOS WHERE ID_P_S = 2")).toString(),
              QStringLiteral("Agua Tonica"));
}

TEST_F(Ferramentas, PessoaFisicaOuJuridicaPeloTamanhoDoDocumento)
{
    struct Caso {
        qint64 id;
        const char *documento, *antes, *depois;
    } casos[] = {
        {2, "123.456.789-01", "J", "F"},
        {3, "12.345.678/0001-90", "F", "J"},
        {4, "12345678902", "J", "J"},    // without punctuation: unchanged
        {5, "12345678000199", "F", "F"},
        {6, "", "F", "F"},
    };
    for (const Caso &c : casos)
        banco().executar(QStringLiteral("INSERT INTO CLIENTE (ID_CLIENTE, NOME, CNPJ_CPF, TIPO_PESSOA) VALUES (?, 'X', ?, ?)"),
                         {c.id, QString::fromLatin1(c.documento), QString::fromLatin1(c.antes)});
    Suporte::atualizarPessoas(banco(), gauge);
    for (const Caso &c : casos)
        EXPECT_EQ(banco().valor(QStringLiteral("SELECT TIPO_PESSOA FROM CLIENTE WHERE ID_CLIENTE = ?"), {c.id}).toString(),
                  QString::fromLatin1(c.depois))
            << c.documento;
}

TEST_F(Ferramentas, TelefonesDeUmBancoAntigo)
{
    banco().executar(QStringLiteral("INSERT INTO CLIENTE (ID_CLIENTE, NOME, FONE_1, FAX) VALUES (2, 'ANA', '3456-7890', '')"));
    banco().executar(QStringLiteral("INSERT INTO CLIENTE (ID_CLIENTE, NOME, FONE_1, FAX) VALUES (3, 'BIA', '1', '2')"));
    const QString arquivo = copiarBancoModelo(pasta(), QStringLiteral("modelo.fdb"));
    const QString antigoArquivo = pasta() + QStringLiteral("/antigo.fdb");
    ASSERT_TRUE(QFile::rename(arquivo, antigoArquivo));
    ConexaoBanco antigo(QStringLiteral("antigo"), antigoArquivo);
    antigo.conectar();
    antigo.executar(QStringLiteral("INSERT INTO CLIENTE (ID_CLIENTE, NOME, FONE_1, FAX) VALUES (2, 'ANA', '(11)3456-7890', '(11)9876-5432')"));
    antigo.executar(QStringLiteral("INSERT INTO CLIENTE (ID_CLIENTE, NOME, FONE_1, FAX) VALUES (9, 'ZE', '(21)1111-2222', '')"));
    antigo.desconectar();
    const Suporte::Resultado r = Suporte::corrigirFones(banco(), antigo, gauge);
    EXPECT_EQ(r.linhas, 2); // customers 1 and 2; 9 is not here
    EXPECT_EQ(linhas(QStringLiteral("SELECT ID_CLIENTE, FONE_1, FAX FROM CLIENTE ORDER BY 1")),
              (QStringList{"1||", "2|(11)3456-7890|(11)9876-5432", "3|1|2"}));

    // An older database that is not there: its error, nothing changed.
    ConexaoBanco falta(QStringLiteral("falta"), pasta() + QStringLiteral("/nao-existe.fdb"));
    try {
        Suporte::corrigirFones(banco(), falta, gauge);
        ADD_FAILURE() << "deveria falhar";
    } catch (const ErroBanco &e) {
        EXPECT_TRUE(e.texto().startsWith(QStringLiteral("Não foi possível ler o banco de dados antigo. Nada foi alterado.")))
            << e.texto().toStdString();
    }
}

// Each tool stopped by a row the database refuses leaves everything as it was
// and hides its gauge.
TEST_F(Ferramentas, FalhaNoMeioNaoMudaNadaEEscondeOGauge)
{
    const QDate d(2025, 3, 1);
    for (qint64 id : {1, 2, 3})
        estadia(id, d, d.addDays(2), QStringLiteral("S"), QStringLiteral("Dinheiro"));
    for (qint64 id : {1, 2, 3})
        banco().executar(QStringLiteral("INSERT INTO DESPESA_UH (ID_ENTRADA, QTD, VALOR_UNIT, FORMA_PAG) VALUES (?, 1, 5, 'Dinheiro')"),
                         {id});
    banco().executar(QStringLiteral("INSERT INTO OCUPACAO (ID_OCUPACAO, ID_ENTRADA, DATA, VALOR, QTD) VALUES (50, 1, '2025-01-01', 1, 1)"));
    banco().executar(QStringLiteral("SET GENERATOR GEN_ID_OCUPACAO TO 50"));
    for (qint64 id : {1, 2, 3})
        banco().executar(QStringLiteral("INSERT INTO LOG (USUARIO, OPERACAO) VALUES ('ANA', ?)"),
                         {QStringLiteral("Incluiu Entrada de Hóspede -> %1").arg(id)});
    banco().executar(QStringLiteral("INSERT INTO CLIENTE (ID_CLIENTE, NOME, CNPJ_CPF) VALUES (2, 'JOSÉ', '123.456.789-01')"));
    banco().executar(QStringLiteral("INSERT INTO CLIENTE (ID_CLIENTE, NOME, CNPJ_CPF) VALUES (3, 'MÁRIO', '12.345.678/0001-90')"));

    const QString tudo = QStringLiteral(
        "SELECT (SELECT LIST(ID_OCUPACAO || ':' || ID_ENTRADA) FROM OCUPACAO), "
        "(SELECT LIST(ID_WALK_IN || ':' || DINHEIRO || ':' || COALESCE(USUARIO_ENTRADA, '')) FROM WALK_IN), "
        "(SELECT LIST(ID_CLIENTE || ':' || NOME || ':' || COALESCE(TIPO_PESSOA, '')) FROM CLIENTE) FROM RDB$DATABASE");
    struct Caso {
        const char *nome, *tabela, *condicao;
        std::function<void()> ferramenta;
    } casos[] = {
        {"diárias", "OCUPACAO", "ID_ENTRADA <> 3", [&] { Suporte::reconstruirDiarias(banco(), hoje, gauge); }},
        {"formas de pagamento", "WALK_IN", "ID_WALK_IN <> 3 OR DINHEIRO < 150", [&] { Suporte::atualizarFormasPagamento(banco(), gauge); }},
        {"despesas", "WALK_IN", "ID_WALK_IN <> 3 OR DINHEIRO < 4", [&] { Suporte::atualizarFormasDespesas(banco(), gauge); }},
        {"usuários", "WALK_IN", "USUARIO_ENTRADA IS NULL OR ID_WALK_IN <> 3",
         [&] { Suporte::atualizarUsuariosEntrada(banco(), gauge); }},
        {"acentos", "CLIENTE", "NOME <> 'MARIO'", [&] { Suporte::retirarAcentos(banco(), gauge); }},
        {"pessoas", "CLIENTE", "TIPO_PESSOA IS NULL OR TIPO_PESSOA <> 'J'", [&] { Suporte::atualizarPessoas(banco(), gauge); }},
    };
    for (const Caso &c : casos) {
        SCOPED_TRACE(c.nome);
        const QStringList antes = linhas(tudo);
        recusar(QString::fromLatin1(c.tabela), QString::fromLatin1(c.condicao));
        gauge = {};
        try {
            c.ferramenta();
            ADD_FAILURE() << "deveria falhar";
        } catch (const ErroBanco &e) {
            EXPECT_TRUE(e.texto().startsWith(QStringLiteral("O banco de dados recusou "))) << e.texto().toStdString();
            EXPECT_TRUE(e.texto().contains(QStringLiteral("Nada foi alterado."))) << e.texto().toStdString();
        }
        EXPECT_EQ(linhas(tudo), antes);
        EXPECT_FALSE(gauge.visivel);
        EXPECT_EQ(gauge.eventos.value(gauge.eventos.size() - 1), QStringLiteral("esconder"));
        banco().executar(QStringLiteral("ALTER TABLE %1 DROP CONSTRAINT CHK_RECUSA").arg(QString::fromLatin1(c.tabela)));
    }
    EXPECT_EQ(banco().gerador(QStringLiteral("GEN_ID_OCUPACAO"), 0), 50);
}
