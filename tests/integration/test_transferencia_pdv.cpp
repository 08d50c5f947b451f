// The full transfer into the companion point of sale: company data in both
// databases, one seller, the live users with their rights and discount, the
// customers with CPF or CNPJ columns and default dates, the products; the
// generators at the highest keys; each database all or nothing.
#include "base/Anulacao.h"
#include "integration/TransferenciaPDV.h"
#include "support/TelasTeste.h"
#include "tests/integration/Gravador.h"

namespace {

class Transferir : public TelasTeste {
protected:
    void SetUp() override
    {
        TelasTeste::SetUp();
        prepararCompanheiros();
    }
    ConexaoBanco &pdv() { return DM->ConexaoPDV; }
    ConexaoBanco &frente() { return DM->ConexaoPDVFrente; }
    TransferenciaPDV::Resultado transferir()
    {
        return TransferenciaPDV::transferir(banco(), pdv(), frente(), QDate(2025, 3, 10), gauge);
    }
    QStringList linhas(ConexaoBanco &c, const QString &sql)
    {
        QStringList r;
        for (const Linha &l : c.lerTodas(sql)) {
            QStringList campos;
            for (int i = 0; i < l.registro().count(); ++i)
                campos << (l.nulo(l.registro().fieldName(i)) ? QStringLiteral("NULL") : textoDeValor(l.valor(i)));
            r << campos.join(QLatin1Char('|'));
        }
        return r;
    }
    QStringList tudo()
    {
        QStringList r;
        for (const char *t : {"EMPRESA", "VENDEDOR", "USUARIOS_PDV", "CLIENTE", "ESTOQUE"})
            r << linhas(pdv(), QStringLiteral("SELECT * FROM %1 ORDER BY 1").arg(QString::fromLatin1(t)));
        r << linhas(frente(), QStringLiteral("SELECT * FROM EMPRESA"));
        return r;
    }
    GaugeGravado gauge;
};

} // namespace

TEST_F(Transferir, MaximoDesconto)
{
    struct Caso {
        const char *movimentos, *acessoTotal, *esperado;
    } casos[] = {{"S", "N", "10.50"}, {"S", "S", "100"}, {"N", "S", "0"}, {"N", "N", "0"}};
    for (const Caso &c : casos)
        EXPECT_EQ(TransferenciaPDV::maximoDesconto(QString::fromLatin1(c.movimentos), QString::fromLatin1(c.acessoTotal),
                                                   QStringLiteral("10.50")),
                  QString::fromLatin1(c.esperado));
}

TEST_F(Transferir, LinhasDeCadaEtapaEGeradoresNaMaiorChave)
{
    parametro(QStringLiteral("LIMITE_DESCONTO"), QStringLiteral("10.5"));
    banco().executar(QStringLiteral("UPDATE PARAMETROS SET RAZAO_SOCIAL = ?, NOME_FANTASIA = 'POUSADA D''ÁGUA', "
                                    "ENDERECO = 'RUA A', CNPJ = '12.345.678/0001-90', FONE1 = '(11)3333-4444', "
                                    "FONE2 = '(11)5555-6666', EMAIL = 'p@x.com', CIDADE = 'SANTOS', UF = 'SP'"),
                     {QString(70, QLatin1Char('R'))});
    tParametros().recarregar();
    banco().executar(QStringLiteral("UPDATE USUARIO SET MOVIMENTOS = 'S', ACESSO_TOTAL = 'S' WHERE ID_USUARIO = 1"));
    banco().executar(QStringLiteral("INSERT INTO USUARIO (ID_USUARIO, LOGIN, SENHA, MOVIMENTOS) VALUES (5, 'CAIXA', 'c1', 'S')"));
    banco().executar(QStringLiteral("INSERT INTO USUARIO (ID_USUARIO, LOGIN, SENHA) VALUES (6, 'LEITOR', 'l1')"));
    banco().executar(QStringLiteral("INSERT INTO USUARIO (ID_USUARIO, LOGIN, SENHA) VALUES (9, 'SAIU', 's')"));
    Anulacao::registrar(DM->Conexao, QStringLiteral("ID_USUARIO"), 9);
    banco().executar(QStringLiteral("INSERT INTO CLIENTE (ID_CLIENTE, NOME, CNPJ_CPF, RG_INSC_EST, DATA_NASC, DATA_CADASTRO, "
                                    "EXCLUIDO, USUARIO) VALUES (7, 'ANA', '123.456.789-01', 'RG1', '1980-05-20', "
                                    "'2024-01-02', 'R', 'ADMIN')"));
    banco().executar(QStringLiteral("INSERT INTO CLIENTE (ID_CLIENTE, NOME, CNPJ_CPF, RG_INSC_EST) "
                                    "VALUES (8, 'EMPRESA', '12.345.678/0001-90', 'IE1')"));
    banco().executar(QStringLiteral("INSERT INTO PRODUTOS_SERVICOS (ID_P_S, DESCRICAO, SIT_TRIBUT) VALUES (7, 'AGUA', '18')"));
    pdv().garantirConectada();
    pdv().executar(QStringLiteral("INSERT INTO VENDEDOR (CODIGO, NOME) VALUES (3, 'ANTIGO')"));
    pdv().executar(QStringLiteral("INSERT INTO ESTOQUE (CODIGO, CODBARRA, DESCRICAO) VALUES (90, 'X', 'ANTIGO')"));

    const TransferenciaPDV::Resultado r = transferir();
    EXPECT_TRUE(r.encontrado);
    EXPECT_EQ(linhas(frente(), QStringLiteral("SELECT RAZAO_SOCIAL, NOME_FANTASIA, CNPJ, INSC_ESTADUAL, TELEFONE, FAX, DATA, "
                                              "EMAIL, COD_MUNICIPIO FROM EMPRESA")),
              QStringList{QString(60, QLatin1Char('R'))
                          + QStringLiteral("|POUSADA D'ÁGUA|12.345.678/0001-90|0|(11)3333-4444|(11)5555-6666|10/03/2025|p@x.com|0")});
    EXPECT_EQ(linhas(pdv(), QStringLiteral("SELECT RAZAO, NOME, CGC, IE, FONE, CIDADE, UF FROM EMPRESA")),
              QStringList{QString(50, QLatin1Char('R'))
                          + QStringLiteral("|POUSADA D'ÁGUA|12.345.678/0001-90|0|(11)3333-4444|SANTOS|SP")});
    EXPECT_EQ(linhas(pdv(), QStringLiteral("SELECT CODIGO, NOME, INATIVO FROM VENDEDOR")),
              QStringList{QStringLiteral("1|LOJA (VENDA)|N")});
    EXPECT_EQ(linhas(pdv(), QStringLiteral("SELECT ID, NOME, SENHA, CHK_VENDAS, PE_CANCELA_CUPOM, PE_LIBERA_DESCONTO, "
                                           "PE_MAXIMO_DESCONTO FROM USUARIOS_PDV ORDER BY ID")),
              (QStringList{"1|ADMIN|ADMIN|1|1|1|100.00", "5|CAIXA|c1|1|1|1|10.50", "6|LEITOR|l1|1|0|0|0.00"}));
    EXPECT_EQ(linhas(pdv(), QStringLiteral("SELECT CODIGO, CPF, RG, CGC, IE, DATANASCTO, DATACADASTRO, INATIVO, TIPO "
                                           "FROM CLIENTE WHERE CODIGO > 1 ORDER BY CODIGO")),
              (QStringList{"7|123.456.789-01|RG1|NULL|NULL|20/05/1980|02/01/2024|R|B",
                           "8|NULL|NULL|12.345.678/0001-90|IE1|01/01/2000|01/01/2000|N|B"}));
    EXPECT_EQ(linhas(pdv(), QStringLiteral("SELECT CODIGO, CPF, RG, CGC FROM CLIENTE WHERE CODIGO = 1")),
              QStringList{QStringLiteral("1|NULL|NULL|")}); // no document: the CNPJ columns
    EXPECT_EQ(linhas(pdv(), QStringLiteral("SELECT CODIGO, CODBARRA, CODALIQUOTA FROM ESTOQUE ORDER BY CODIGO")),
              (QStringList{"1||9", "7||12"}));
    EXPECT_EQ(pdv().gerador(QStringLiteral("GEN_VENDEDOR_ID"), 0), 1);
    EXPECT_EQ(pdv().gerador(QStringLiteral("GEN_USUARIOS_PDV_ID"), 0), 6);
    EXPECT_EQ(pdv().gerador(QStringLiteral("GEN_CLIENTE_ID"), 0), 8);
    EXPECT_EQ(pdv().gerador(QStringLiteral("GEN_ESTOQUE_ID"), 0), 7);
    EXPECT_TRUE(gauge.eventos.contains(QStringLiteral("rotulo Produtos")));
    EXPECT_FALSE(gauge.visivel);
}

TEST_F(Transferir, SemUsuariosVivosUsuariosVazio)
{
    Anulacao::registrar(DM->Conexao, QStringLiteral("ID_USUARIO"), 1);
    transferir();
    EXPECT_EQ(pdv().valor(QStringLiteral("SELECT COUNT(*) FROM USUARIOS_PDV")).toInt(), 0);
    EXPECT_EQ(pdv().gerador(QStringLiteral("GEN_USUARIOS_PDV_ID"), 0), 0);
}

TEST_F(Transferir, PDVNaoInstaladoNadaMuda)
{
    pdv().definirCaminho(pasta() + QStringLiteral("/nao-existe/BANCO.FDB"));
    const QString antes = frente().valor(QStringLiteral("SELECT COALESCE(RAZAO_SOCIAL, '-') FROM EMPRESA")).toString();
    EXPECT_FALSE(transferir().encontrado);
    EXPECT_EQ(frente().valor(QStringLiteral("SELECT COALESCE(RAZAO_SOCIAL, '-') FROM EMPRESA")).toString(), antes);
    EXPECT_TRUE(gauge.eventos.isEmpty());
}

// A row refused in any phase leaves both databases as they were and hides the gauge.
TEST_F(Transferir, FalhaEmCadaEtapaNaoMudaNadaEEscondeOGauge)
{
    parametro(QStringLiteral("NOME_FANTASIA"), QStringLiteral("POUSADA"));
    banco().executar(QStringLiteral("INSERT INTO USUARIO (ID_USUARIO, LOGIN, SENHA) VALUES (5, 'RECUSADO', '1')"));
    banco().executar(QStringLiteral("INSERT INTO CLIENTE (ID_CLIENTE, NOME) VALUES (7, 'RECUSADO')"));
    banco().executar(QStringLiteral("INSERT INTO PRODUTOS_SERVICOS (ID_P_S, DESCRICAO) VALUES (7, 'RECUSADO')"));
    pdv().garantirConectada();
    frente().garantirConectada();
    pdv().executar(QStringLiteral("INSERT INTO VENDEDOR (CODIGO, NOME) VALUES (3, 'ANTIGO')"));
    pdv().executar(QStringLiteral("INSERT INTO USUARIOS_PDV (ID, NOME) VALUES (3, 'ANTIGO')"));
    pdv().executar(QStringLiteral("INSERT INTO ESTOQUE (CODIGO, DESCRICAO) VALUES (3, 'ANTIGO')"));
    struct Caso {
        ConexaoBanco *banco;
        const char *tabela, *condicao, *nomeada;
    } casos[] = {
        {&frente(), "EMPRESA", "NOME_FANTASIA IS DISTINCT FROM 'POUSADA'", "os dados da empresa (banco FRENTE)"},
        {&pdv(), "USUARIOS_PDV", "NOME <> 'RECUSADO'", "o usuário 5 (RECUSADO)"},
        {&pdv(), "CLIENTE", "NOME <> 'RECUSADO'", "o cliente 7 (RECUSADO)"},
        {&pdv(), "ESTOQUE", "DESCRICAO <> 'RECUSADO'", "o produto 7 (RECUSADO)"},
    };
    for (const Caso &c : casos) {
        SCOPED_TRACE(c.tabela);
        const QStringList antes = tudo();
        c.banco->executar(QStringLiteral("ALTER TABLE %1 ADD CONSTRAINT CHK_RECUSA CHECK (%2)")
                              .arg(QString::fromLatin1(c.tabela), QString::fromLatin1(c.condicao)));
        gauge = {};
        try {
            transferir();
            ADD_FAILURE() << "deveria falhar";
        } catch (const ErroBanco &e) {
            EXPECT_TRUE(e.texto().startsWith(QStringLiteral("O banco de dados recusou %1. Nada foi alterado.")
                                                 .arg(QString::fromUtf8(c.nomeada))))
                << e.texto().toStdString();
        }
        EXPECT_EQ(tudo(), antes);
        EXPECT_FALSE(gauge.visivel);
        c.banco->executar(QStringLiteral("ALTER TABLE %1 DROP CONSTRAINT CHK_RECUSA").arg(QString::fromLatin1(c.tabela)));
    }
    EXPECT_EQ(pdv().gerador(QStringLiteral("GEN_USUARIOS_PDV_ID"), 0), 0);
}
