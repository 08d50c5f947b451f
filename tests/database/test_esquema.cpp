// The database as an installation brings it: the tables, keys and generators
// the code relies on, the rows that come with it, the key triggers, the
// deletion register and the views and procedure.
#include "support/BancoTeste.h"

namespace {

struct TabelaEsperada {
    const char *tabela;
    const char *chave;    // "" for link tables without a key of their own
    const char *gerador;  // "" when the database does not fill the key
};

// Tables and keys the screens use (link tables have no key).
const TabelaEsperada kTabelas[] = {
    {"PARAMETROS", "ID_PARAMETROS", ""},
    {"USUARIO", "ID_USUARIO", "GEN_ID_USUARIO"},
    {"LOG", "ID_LOG", "GEN_ID_LOG"},
    {"ONLINE", "ID_ONLINE", "GEN_ID_ONLINE"},
    {"ATUALIZACAO", "ID_ATUALIZACAO", "GEN_ID_ATUALIZACAO"},
    {"ANULACAO", "ID_ANULACAO", "GEN_ID_ANULACAO"},
    {"CHAT", "ID_CHAT", "GEN_ID_CHAT"},
    {"LEMBRETE", "ID_LEMBRETE", "GEN_ID_LEMBRETE"},
    {"CLIENTE", "ID_CLIENTE", "GEN_ID_CLIENTE"},
    {"EMAIL", "ID_EMAIL", ""},
    {"TIPO_UH", "ID_TIPO_UH", "GEN_ID_TIPO_UH"},
    {"UH", "ID_UH", "GEN_ID_UH"},
    {"CARAC_UH", "ID_CARAC_UH", "GEN_ID_CARAC_UH"},
    {"CARAC_TIPO_UH", "ID_CARAC_TIPO_UH", "GEN_ID_CARAC_TIPO_UH"},
    {"PADRAO_ITEM", "ID_PADRAO_ITEM", "GEN_ID_PADRAO_ITEM"},
    {"PADRAO_PS", "ID_PADRAO_PS", "GEN_ID_PADRAO_PS"},
    {"PADRAO_UH", "ID_PADRAO_UH", "GEN_ID_PADRAO_UH"},
    {"PADRAO_PS_UH", "ID_PADRAO_PS_UH", "GEN_ID_PADRAO_PS_UH"},
    {"RESERVA", "ID_RESERVA", "GEN_ID_RESERVA"},
    {"RESERVA_UH", "", ""},
    {"WALK_IN", "ID_WALK_IN", "GEN_ID_WALK_IN"},
    {"HOSPEDE", "ID_HOSPEDE", "GEN_ID_HOSPEDE"},
    {"VEICULO", "ID_VEICULO", "GEN_ID_VEICULO"},
    {"OCUPACAO", "ID_OCUPACAO", "GEN_ID_OCUPACAO"},
    {"DESPESA_UH", "ID_DESPESA_UH", "GEN_ID_DESPESA_UH"},
    {"ITEM_ENTRADA", "", ""},
    {"PS_ENTRADA", "", ""},
    {"NOTA", "ID_NOTA", "GEN_ID_NOTA"},
    {"CAIXA", "ID_CAIXA", "GEN_ID_CAIXA"},
    {"RET_CAIXA", "ID_RET_CAIXA", "GEN_ID_RET_CAIXA"},
    {"ADIC_CAIXA", "ID_ADIC_CAIXA", "GEN_ID_ADIC_CAIXA"},
    {"DESPESA_AVULSA", "ID_DESPESA_AVULSA", "GEN_ID_DESPESA_AVULSA"},
    {"V_DESPESA_AVULSA", "ID_V_DESPESA_AVULSA", "GEN_ID_V_DESPESA_AVULSA"},
    {"V_I_DESPESA_AVULSA", "ID_V_I_DESPESA_AVULSA", "GEN_ID_V_I_DESPESA_AVULSA"},
    {"CHEQUE", "COD_GERAL_CHEQUE", "GEN_ID_CHEQUE"},
    {"PRODUTOS_SERVICOS", "ID_P_S", "GEN_ID_P_S"},
    {"PDV", "ID_PDV", "GEN_ID_PDV"},
    {"ITEM", "ID_ITEM", "GEN_ID_ITEM"},
    {"ITEM_HISTORICO", "ID_ITEM_HISTORICO", "GEN_ID_ITEM_HISTORICO"},
    {"FORNECEDOR", "ID_FORNECEDOR", "GEN_ID_FORNECEDOR"},
    {"NF", "ID_NF", "GEN_ID_NF"},
    {"PRODUTO", "ID_PRODUTO", "GEN_ID_PRODUTO"},
    {"GRUPO_PRODUTO", "ID_GRUPO_PRODUTO", "GEN_ID_GRUPO_PRODUTO"},
    {"MESA", "ID_MESA", "GEN_ID_MESA"},
    {"CHECK_IN", "ID_CHECK_IN", "GEN_ID_CHECK_IN"},
    {"CONSUMO", "ID_CONSUMO", "GEN_ID_CONSUMO"},
    {"CST", "ID_CST", "GEN_ID_CST"},
    {"TIPI", "ID_TIPI", "GEN_ID_TIPI"},
    {"TAB_CEST", "ID_TAB_CEST", "GEN_ID_TAB_CEST"},
    {"FUNCIONARIO", "ID_FUNCIONARIO", "GEN_ID_FUNCIONARIO"},
    {"PONTO", "ID_PONTO", "GEN_ID_PONTO"},
    {"ESCALA", "ID_ESCALA", "GEN_ID_ESCALA"},
    {"ESCALA_DET", "ID_ESCALA_DET", "GEN_ID_ESCALA_DET"},
    {"FUNCIONARIO_PAGAMENTO", "COD_GERAL_F_P", "GEN_ID_FUNCIONARIO_PAGAMENTO"},
    {"DIGITO9", "ID_DIGITO9", "GEN_ID_DIGITO9"},
};

class Esquema : public BancoTeste {
protected:
    QString chavePrimaria(const QString &tabela)
    {
        return banco()
            .ler(QStringLiteral(
                     "SELECT TRIM(S.RDB$FIELD_NAME) AS CAMPO FROM RDB$RELATION_CONSTRAINTS C "
                     "JOIN RDB$INDEX_SEGMENTS S ON S.RDB$INDEX_NAME = C.RDB$INDEX_NAME "
                     "WHERE C.RDB$RELATION_NAME = ? AND C.RDB$CONSTRAINT_TYPE = 'PRIMARY KEY'"),
                 {tabela})
            .texto(QStringLiteral("CAMPO"));
    }
    bool existe(const char *sql, const QString &nome)
    {
        return !banco().ler(QString::fromLatin1(sql), {nome}).vazia();
    }
    qint64 contar(const QString &sql, const Valores &v = {})
    {
        return banco().ler(sql, v).valor(0).toLongLong();
    }
};

} // namespace

TEST_F(Esquema, TabelasChavesGeradoresEGatilhos)
{
    for (const auto &t : kTabelas) {
        const QString tabela = QString::fromLatin1(t.tabela);
        SCOPED_TRACE(t.tabela);
        ASSERT_TRUE(existe("SELECT 1 FROM RDB$RELATIONS WHERE RDB$RELATION_NAME = ? AND RDB$VIEW_BLR IS NULL", tabela));
        EXPECT_EQ(chavePrimaria(tabela), QString::fromLatin1(t.chave));
        if (*t.gerador) {
            EXPECT_TRUE(existe("SELECT 1 FROM RDB$GENERATORS WHERE RDB$GENERATOR_NAME = ?", QString::fromLatin1(t.gerador)));
            EXPECT_TRUE(existe("SELECT 1 FROM RDB$TRIGGERS WHERE RDB$TRIGGER_NAME = ?", tabela + QStringLiteral("_BI")));
        }
    }
    for (const char *v : {"VW_CONFERENCIA", "VW_CONFERENCIA_PS", "VW_GRAF_ENTRADA"})
        EXPECT_TRUE(existe("SELECT 1 FROM RDB$RELATIONS WHERE RDB$RELATION_NAME = ? AND RDB$VIEW_BLR IS NOT NULL",
                           QString::fromLatin1(v)))
            << v;
    EXPECT_TRUE(existe("SELECT 1 FROM RDB$PROCEDURES WHERE RDB$PROCEDURE_NAME = ?", QStringLiteral("SP_MEL_RECEPCIONISTAS")));
}

TEST_F(Esquema, LinhasQueVemComAInstalacao)
{
    EXPECT_EQ(contar(QStringLiteral("SELECT COUNT(*) FROM PARAMETROS")), 1);
    EXPECT_EQ(contar(QStringLiteral("SELECT SCRIPT FROM PARAMETROS")), 113);
    EXPECT_EQ(banco().ler(QStringLiteral("SELECT MODO_MOTEL FROM PARAMETROS")).texto("MODO_MOTEL"), QStringLiteral("N"));

    const Linha u = banco().ler(QStringLiteral("SELECT * FROM USUARIO WHERE ID_USUARIO = 1"));
    ASSERT_FALSE(u.vazia());
    for (const char *d : {"INCLUI", "ALTERA", "EXCLUI", "CONSULTA", "IMPRIME", "UTILITARIOS", "PARAMETROS",
                          "MOVIMENTOS", "USUARIOS", "ACESSO_TOTAL"})
        EXPECT_EQ(u.texto(QString::fromLatin1(d)), QStringLiteral("S")) << d;

    EXPECT_EQ(contar(QStringLiteral("SELECT COUNT(*) FROM CLIENTE WHERE ID_CLIENTE = 1 AND EXCLUIDO = 'N'")), 1);
    EXPECT_EQ(banco().ler(QStringLiteral("SELECT DESCRICAO FROM PRODUTOS_SERVICOS WHERE ID_P_S = 1")).texto("DESCRICAO"),
              QStringLiteral("DIARIA"));
    EXPECT_EQ(contar(QStringLiteral("SELECT COUNT(*) FROM EMAIL")), 1);
    EXPECT_EQ(contar(QStringLiteral("SELECT COUNT(*) FROM DIGITO9")), 67);
    for (const char *t : {"CST", "TIPI", "TAB_CEST", "PRODUTO", "GRUPO_PRODUTO"})
        EXPECT_GT(contar(QStringLiteral("SELECT COUNT(*) FROM %1").arg(QString::fromLatin1(t))), 0) << t;

    // The next key after the seeded rows does not collide with them.
    for (const char *g : {"GEN_ID_USUARIO", "GEN_ID_CLIENTE", "GEN_ID_P_S", "GEN_ID_PDV", "GEN_ID_PRODUTO"})
        EXPECT_GE(banco().gerador(QString::fromLatin1(g), 0), 1) << g;
    banco().executar(QStringLiteral("INSERT INTO CLIENTE (NOME) VALUES ('NOVO')"));
    banco().executar(QStringLiteral("INSERT INTO USUARIO (LOGIN, SENHA) VALUES ('NOVO', 'X')"));
}

TEST_F(Esquema, GatilhoGuardaChaveDadaEPreencheAusente)
{
    // A screen that reserved its key inserts with it; the trigger keeps it.
    const qint64 reservada = banco().gerador(QStringLiteral("GEN_ID_WALK_IN"), 1);
    banco().executar(QStringLiteral("INSERT INTO WALK_IN (ID_WALK_IN, ID_CLIENTE, ID_UH, DATA_ENTRADA) VALUES (?, 1, 1, ?)"),
                     {reservada, QDate(2026, 12, 10)});
    EXPECT_EQ(contar(QStringLiteral("SELECT COUNT(*) FROM WALK_IN WHERE ID_WALK_IN = ?"), {reservada}), 1);
    // Without a key the generator fills the next one.
    const qint64 nova = banco()
                            .valor(QStringLiteral("INSERT INTO WALK_IN (ID_CLIENTE, ID_UH, DATA_ENTRADA) VALUES (1, 1, ?) "
                                                  "RETURNING ID_WALK_IN"),
                                   {QDate(2026, 12, 10)})
                            .toLongLong();
    EXPECT_EQ(nova, reservada + 1);
}

TEST_F(Esquema, ValoresPadraoDeQuemInsereSemEles)
{
    banco().executar(QStringLiteral("INSERT INTO WALK_IN (ID_CLIENTE, ID_UH, DATA_ENTRADA) VALUES (1, 1, ?)"),
                     {QDate(2026, 12, 10)});
    const Linha w = banco().ler(QStringLiteral("SELECT * FROM WALK_IN"));
    EXPECT_EQ(w.texto("BAIXA"), QStringLiteral("N"));
    EXPECT_EQ(w.texto("EXCLUIDO"), QStringLiteral("N"));
    for (const char *c : {"ADIANTADO", "DESCONTO", "ACRESCIMO", "DINHEIRO", "VISA", "NOTA"})
        EXPECT_TRUE(!w.nulo(QString::fromLatin1(c)) && w.dinheiro(QString::fromLatin1(c)).zero()) << c;

    banco().executar(QStringLiteral("INSERT INTO UH (NUMERO, ID_TIPO_UH) VALUES ('101', 1)"));
    EXPECT_EQ(banco().ler(QStringLiteral("SELECT SITUACAO, EXCLUIDO FROM UH")).texto("SITUACAO"), QStringLiteral("L"));

    banco().executar(QStringLiteral("INSERT INTO NOTA (ID_ENTRADA, VALOR) VALUES (1, 10)"));
    EXPECT_EQ(banco().ler(QStringLiteral("SELECT PAGO FROM NOTA")).texto("PAGO"), QStringLiteral("N"));

    banco().executar(QStringLiteral("INSERT INTO DESPESA_UH (ID_ENTRADA, ID_P_S, QTD, VALOR_UNIT) VALUES (1, 1, 1, 5)"));
    EXPECT_EQ(banco().ler(QStringLiteral("SELECT PAGO FROM DESPESA_UH")).texto("PAGO"), QStringLiteral("N"));

    banco().executar(QStringLiteral("INSERT INTO PRODUTOS_SERVICOS (DESCRICAO, VALOR, ID_PDV) VALUES ('AGUA', 3, 1)"));
    EXPECT_EQ(banco().ler(QStringLiteral("SELECT EXCLUIDO FROM PRODUTOS_SERVICOS WHERE DESCRICAO = 'AGUA'")).texto("EXCLUIDO"),
              QStringLiteral("N"));
}

TEST_F(Esquema, AnulacaoDeUmaEntidadeNaoEscondeOutras)
{
    banco().executar(QStringLiteral("INSERT INTO FORNECEDOR (NOME) VALUES ('FORNECEDOR A')"));
    banco().executar(QStringLiteral("INSERT INTO FUNCIONARIO (NOME, CPF) VALUES ('FUNCIONARIO A', '529.982.247-25')"));
    banco().executar(QStringLiteral("INSERT INTO ITEM (DESCRICAO) VALUES ('TOALHA')"));
    const qint64 fornecedor = contar(QStringLiteral("SELECT MAX(ID_FORNECEDOR) FROM FORNECEDOR"));
    // One deleted supplier: its row sets only that column.
    banco().executar(QStringLiteral("INSERT INTO ANULACAO (ID_FORNECEDOR) VALUES (?)"), {fornecedor});

    const Linha a = banco().ler(QStringLiteral("SELECT * FROM ANULACAO"));
    for (const char *c : {"ID_USUARIO", "ID_FUNCIONARIO", "ID_ITEM", "ID_PDV", "ID_TIPO_UH", "ID_CARAC_UH",
                          "COD_GERAL_CHEQUE", "ID_CLIENTE", "ID_P_S", "ID_RESERVA"}) {
        EXPECT_FALSE(a.nulo(QString::fromLatin1(c))) << c; // NOT IN over a NULL would hide every row
        EXPECT_EQ(a.inteiro(QString::fromLatin1(c)), 0) << c;
    }
    struct {
        const char *sql;
        qint64 linhas;
    } listas[] = {
        {"SELECT COUNT(*) FROM FUNCIONARIO WHERE ID_FUNCIONARIO NOT IN (SELECT ID_FUNCIONARIO FROM ANULACAO)", 1},
        {"SELECT COUNT(*) FROM ITEM WHERE ID_ITEM NOT IN (SELECT ID_ITEM FROM ANULACAO)", 1},
        {"SELECT COUNT(*) FROM USUARIO WHERE ID_USUARIO NOT IN (SELECT ID_USUARIO FROM ANULACAO)", 1},
        {"SELECT COUNT(*) FROM CLIENTE WHERE ID_CLIENTE NOT IN (SELECT ID_CLIENTE FROM ANULACAO)", 1},
        {"SELECT COUNT(*) FROM FORNECEDOR WHERE ID_FORNECEDOR NOT IN (SELECT ID_FORNECEDOR FROM ANULACAO)", 0},
        {"SELECT COUNT(*) FROM FUNCIONARIO WHERE ID_FUNCIONARIO NOT IN "
         "(SELECT ID_FUNCIONARIO FROM ANULACAO WHERE ID_FUNCIONARIO <> '0')", 1},
    };
    for (const auto &l : listas)
        EXPECT_EQ(contar(QString::fromLatin1(l.sql)), l.linhas) << l.sql;
}

TEST_F(Esquema, ConferenciaDosItensPadrao)
{
    // room type 1 has 2 towels; room 7 has 1 pillow; a deleted item is left out
    banco().executar(QStringLiteral("INSERT INTO ITEM (ID_ITEM, DESCRICAO) VALUES (10, 'TOALHA')"));
    banco().executar(QStringLiteral("INSERT INTO ITEM (ID_ITEM, DESCRICAO) VALUES (11, 'TRAVESSEIRO')"));
    banco().executar(QStringLiteral("INSERT INTO ITEM (ID_ITEM, DESCRICAO) VALUES (12, 'ROUPAO')"));
    banco().executar(QStringLiteral("INSERT INTO PADRAO_ITEM (ID_TIPO_UH, ID_ITEM, QTD) VALUES (1, 10, 2)"));
    banco().executar(QStringLiteral("INSERT INTO PADRAO_ITEM (ID_TIPO_UH, ID_ITEM, QTD) VALUES (1, 12, 1)"));
    banco().executar(QStringLiteral("INSERT INTO PADRAO_UH (ID_UH, ID_ITEM, QTD) VALUES (7, 11, 1)"));
    banco().executar(QStringLiteral("INSERT INTO ANULACAO (ID_ITEM) VALUES (12)"));
    EXPECT_EQ(contar(QStringLiteral("SELECT SUM(QTD) FROM VW_CONFERENCIA WHERE ID_TIPO_UH = 1 OR ID_UH = 7")), 3);
    EXPECT_EQ(contar(QStringLiteral("SELECT COUNT(*) FROM VW_CONFERENCIA WHERE ID_ITEM = 12")), 0);

    // minibar: a product of the type and one of the room; a deleted product is left out
    banco().executar(QStringLiteral("INSERT INTO PRODUTOS_SERVICOS (ID_P_S, DESCRICAO, VALOR, ID_PDV) VALUES (20, 'AGUA', 3, 1)"));
    banco().executar(QStringLiteral("INSERT INTO PRODUTOS_SERVICOS (ID_P_S, DESCRICAO, VALOR, ID_PDV, EXCLUIDO) "
                                    "VALUES (21, 'REFRI', 5, 1, 'S')"));
    banco().executar(QStringLiteral("INSERT INTO PADRAO_PS (ID_TIPO_UH, ID_P_S, QTD, VALOR) VALUES (1, 20, 2, 3)"));
    banco().executar(QStringLiteral("INSERT INTO PADRAO_PS (ID_TIPO_UH, ID_P_S, QTD, VALOR) VALUES (1, 21, 2, 5)"));
    banco().executar(QStringLiteral("INSERT INTO PADRAO_PS_UH (ID_UH, ID_PS, QTD) VALUES (7, 20, 1)"));
    banco().executar(QStringLiteral("INSERT INTO PADRAO_PS_UH (ID_UH, ID_PS, QTD) VALUES (7, 21, 1)"));
    EXPECT_EQ(contar(QStringLiteral("SELECT SUM(QTD) FROM VW_CONFERENCIA_PS WHERE ID_ITEM = 20")), 3);
    EXPECT_EQ(contar(QStringLiteral("SELECT COUNT(*) FROM VW_CONFERENCIA_PS WHERE ID_ITEM = 21")), 0);
}

TEST_F(Esquema, GraficoDeEntradasERankingDeRecepcionistas)
{
    const QDate d1(2026, 12, 1), d2(2026, 12, 2);
    auto estadia = [&](const char *usuario, int adultos, const QDate &entrada, const QDate &saida, const char *baixa,
                       const char *excluido, qint64 dinheiro, qint64 visa) {
        banco().executar(QStringLiteral("INSERT INTO WALK_IN (ID_CLIENTE, ID_UH, DATA_ENTRADA, DATA_SAIDA, QTD_ADULTOS, "
                                        "BAIXA, EXCLUIDO, USUARIO_ENTRADA, DINHEIRO, VISA) VALUES (1, 1, ?, ?, ?, ?, ?, ?, ?, ?)"),
                         {entrada, saida, adultos, QString::fromLatin1(baixa), QString::fromLatin1(excluido),
                          QString::fromLatin1(usuario), Dinheiro::deCentavos(dinheiro).paraBanco(),
                          Dinheiro::deCentavos(visa).paraBanco()});
    };
    estadia("ANA", 1, d1, d2, "S", "N", 10000, 5050);
    estadia("ANA", 2, d1, d2, "S", "N", 10000, 0);
    estadia("BIA", 4, d2, d2, "N", "N", 0, 0);       // open: no entry in the chart yet
    estadia("BIA", 3, d1, d2, "S", "S", 99900, 0);   // cancelled: counts nowhere
    banco().executar(QStringLiteral("INSERT INTO ADIC_CAIXA (DATA_ADIC, VALOR, DESCRICAO, TIPO, USUARIO) "
                                    "VALUES (?, ?, 'TROCO', 'Dinheiro', 'ANA')"),
                     {d2, Dinheiro::deCentavos(2500).paraBanco()});

    const Linha g = banco().ler(QStringLiteral("SELECT SUM(TOTAL) AS T FROM VW_GRAF_ENTRADA WHERE DATA = ?"), {d2});
    EXPECT_EQ(g.dinheiro("T").centavos(), 10000 + 5050 + 10000 + 2500);

    const auto linhas = banco().lerTodas(
        QStringLiteral("SELECT * FROM SP_MEL_RECEPCIONISTAS(?, ?) ORDER BY DESCRICAO"), {d1, d2});
    ASSERT_EQ(linhas.size(), 2);
    EXPECT_EQ(linhas[0].texto("DESCRICAO"), QStringLiteral("ANA"));
    EXPECT_EQ(linhas[0].inteiro("QTD1"), 1);
    EXPECT_EQ(linhas[0].inteiro("QTD2"), 1);
    EXPECT_EQ(linhas[0].dinheiro("VALOR").centavos(), 25050);
    EXPECT_EQ(linhas[1].texto("DESCRICAO"), QStringLiteral("BIA"));
    EXPECT_EQ(linhas[1].inteiro("QTD4"), 1);
    EXPECT_EQ(linhas[1].inteiro("QTD3"), 0);
}

TEST_F(Esquema, BancosDosProgramasCompanheiros)
{
    prepararCompanheiros();
    struct {
        ConexaoBanco *c;
        const char *tabelas[8];
    } bancos[] = {
        {&m_dm->ConexaoPDV, {"USUARIOS_PDV", "CLIENTE", "ESTOQUE", "ECFALIQUOTA", "ORCAMENTO", "ITEMORCAMENTO", "EMPRESA", "VENDEDOR"}},
        {&m_dm->ConexaoZentroControle, {"USUARIO", "PRODUTO", "HISTORICO_PRODUTO", "CLIENTE", "PEDIDO", "RECEBER", "NFE", "COD_MUN_IBGE"}},
    };
    for (auto &b : bancos) {
        b.c->garantirConectada();
        for (const char *t : b.tabelas)
            EXPECT_FALSE(b.c->ler(QStringLiteral("SELECT 1 FROM RDB$RELATIONS WHERE RDB$RELATION_NAME = ?"),
                                  {QString::fromLatin1(t)})
                             .vazia())
                << t;
    }
    for (const char *g : {"GEN_USUARIOS_PDV_ID", "GEN_CLIENTE_ID", "GEN_ESTOQUE_ID", "GEN_ORCAMENTO_ID"})
        EXPECT_FALSE(m_dm->ConexaoPDV.ler(QStringLiteral("SELECT 1 FROM RDB$GENERATORS WHERE RDB$GENERATOR_NAME = ?"),
                                          {QString::fromLatin1(g)})
                         .vazia())
            << g;
}
