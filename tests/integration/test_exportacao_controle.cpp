// The export into the companion control program: users, products and
// customers inserted under the hotel's keys and updated on a rerun, city
// codes, scrambled passwords, stock kept; all or nothing.
#include "base/Rotinas.h"
#include "base/Sessao.h"
#include "integration/ExportacaoControle.h"
#include "support/TelasTeste.h"
#include "tests/integration/Gravador.h"

namespace {

class Controle : public TelasTeste {
protected:
    void SetUp() override
    {
        TelasTeste::SetUp();
        prepararCompanheiros();
    }
    ConexaoBanco &controle() { return DM->ConexaoZentroControle; }
    ExportacaoControle::Resultado exportar()
    {
        return ExportacaoControle::exportar(banco(), controle(), hoje, QStringLiteral("SUPORTE"), gauge);
    }
    QStringList linhas(ConexaoBanco &c, const QString &sql)
    {
        QStringList r;
        for (const Linha &l : c.lerTodas(sql)) {
            QStringList campos;
            for (int i = 0; i < l.registro().count(); ++i)
                campos << textoDeValor(l.valor(i));
            r << campos.join(QLatin1Char('|'));
        }
        return r;
    }
    QStringList tudo()
    {
        QStringList r;
        for (const char *t : {"USUARIO", "PRODUTO", "HISTORICO_PRODUTO", "COR_PRODUTO", "COR_ESTOFADO", "ESTOQUE", "CLIENTE"})
            r << QString::fromLatin1(t) << linhas(controle(), QStringLiteral("SELECT * FROM %1 ORDER BY 1").arg(QString::fromLatin1(t)));
        return r;
    }
    const QDate hoje{2025, 3, 10};
    GaugeGravado gauge;
};

} // namespace

TEST_F(Controle, CodigoDoClienteEMunicipio)
{
    for (auto [id, codigo] : {std::pair{1, "0001"}, {999, "0999"}, {1000, "1000"}, {123456, "123456"}})
        EXPECT_EQ(ExportacaoControle::codigoCliente(id), QString::fromLatin1(codigo));
    EXPECT_EQ(ExportacaoControle::municipio(QStringLiteral("São Paulo")), QStringLiteral("SÃO PAULO"));
    EXPECT_EQ(ExportacaoControle::municipio(QStringLiteral("florianópolis")), QStringLiteral("FLORIANÓPOLIS"));
}

TEST_F(Controle, DuasExportacoesSemDuplicadosComSenhasESaldo)
{
    banco().executar(QStringLiteral("INSERT INTO USUARIO (ID_USUARIO, LOGIN, SENHA) VALUES (7, 'D''ANA', 'abc ')"));
    banco().executar(QStringLiteral(
        "INSERT INTO PRODUTOS_SERVICOS (ID_P_S, DESCRICAO, VALOR, ESTOQUE, MINIMO, SIT_TRIBUT, CODIGO_BARRAS, DIARIA, "
        "CST, NCM, CEST, EXCLUIDO) VALUES (5, 'COCA D''AGUA', 12.50, -3, 2, '18', '789', 'N', '060', '22021000', "
        "'0300700', 'S')"));
    banco().executar(QStringLiteral("UPDATE CLIENTE SET CIDADE = 'São Paulo', ESTADO = 'SP', NOME = 'CONSUMIDOR' WHERE ID_CLIENTE = 1"));
    banco().executar(QStringLiteral("INSERT INTO CLIENTE (ID_CLIENTE, NOME, CNPJ_CPF, CIDADE, ESTADO, TIPO_PESSOA) "
                                    "VALUES (1000, 'JOÃO D''ÁVILA', '123.456.789-01', 'Atlântida', 'RS', 'F')"));
    // The control program already has a user 2 of its own and its generator below.
    controle().executar(QStringLiteral("INSERT INTO USUARIO (ID_USUARIO, LOGIN, SENHA) VALUES (2, 'CAIXA', 'x')"));

    const ExportacaoControle::Resultado r = exportar();
    EXPECT_EQ(r.usuarios, 2);
    EXPECT_EQ(r.produtos, 2);
    EXPECT_EQ(r.clientes, 2);
    EXPECT_EQ(linhas(controle(), QStringLiteral("SELECT ID_USUARIO, LOGIN FROM USUARIO ORDER BY 1")),
              (QStringList{"1|ADMIN", "2|CAIXA", "7|D'ANA"}));
    // Every password the export writes is scrambled, the trailing blank trimmed.
    EXPECT_EQ(Crypt(QStringLiteral("D"), controle().valor(QStringLiteral("SELECT SENHA FROM USUARIO WHERE ID_USUARIO = 7")).toString()),
              QStringLiteral("abc"));
    EXPECT_EQ(Crypt(QStringLiteral("D"), controle().valor(QStringLiteral("SELECT SENHA FROM USUARIO WHERE ID_USUARIO = 1")).toString()),
              QStringLiteral("ADMIN"));
    EXPECT_EQ(linhas(controle(), QStringLiteral("SELECT ID_PRODUTO, DESCRICAO, SALDO, SALDOF, VALOR_VENDA, AVISAR, SIT_TRIBUT, "
                                                "CODIGO_BARRAS, SERVICO, CST, NCMSH, CEST, EXCLUIDO, DATA_CADASTRO, UN_MEDIDA "
                                                "FROM PRODUTO WHERE ID_PRODUTO = 5")),
              QStringList{"5|COCA D'AGUA|-3.000|-3.000|12.50|2.000|18|789|N|060|22021000|0300700|S|10/03/2025|UN"});
    EXPECT_EQ(linhas(controle(), QStringLiteral("SELECT SERVICO FROM PRODUTO WHERE ID_PRODUTO = 1")), QStringList{"S"});
    EXPECT_EQ(linhas(controle(), QStringLiteral("SELECT ID_PRODUTO, OPERACAO, ESTOQUE_POS, SALDO_POS, USUARIO, DATA "
                                                "FROM HISTORICO_PRODUTO WHERE ID_PRODUTO = 5")),
              QStringList{"5|CADASTRO DE PRODUTO|-3.000|-3.000|SUPORTE|10/03/2025"});
    EXPECT_EQ(linhas(controle(), QStringLiteral("SELECT ID_PRODUTO, ID_COR, ID_ESTOFADO, ESTOQUE, SALDO FROM ESTOQUE ORDER BY 1")),
              (QStringList{"1|1|1|0.000|0.000", "5|1|1|-3.000|-3.000"}));
    EXPECT_EQ(linhas(controle(), QStringLiteral("SELECT COD_CLIENTE, ID_CLIENTE, NOME, CIDADE, COD_CIDADE, ESTADO, "
                                                "USUARIO, DATA_CADASTRO FROM CLIENTE ORDER BY 1")),
              (QStringList{"0001||CONSUMIDOR|São Paulo|3550308|SP|SUPORTE|10/03/2025",
                           "1000|123.456.789-01|JOÃO D'ÁVILA|Atlântida||RS|SUPORTE|10/03/2025"}));
    EXPECT_EQ(gauge.eventos, (QStringList{"mostrar 2", "mostrar 2", "mostrar 2", "mostrar 2", "esconder"}));

    // The control program sells: its stock moves. The hotel changes too.
    controle().executar(QStringLiteral("UPDATE PRODUTO SET SALDO = 40, SALDOF = 41 WHERE ID_PRODUTO = 5"));
    banco().executar(QStringLiteral("UPDATE PRODUTOS_SERVICOS SET ESTOQUE = 99, VALOR = 13, DESCRICAO = 'COCA' WHERE ID_P_S = 5"));
    banco().executar(QStringLiteral("UPDATE USUARIO SET SENHA = 'novo' WHERE ID_USUARIO = 7"));
    const QStringList contagemAntes =
        linhas(controle(), QStringLiteral("SELECT (SELECT COUNT(*) FROM USUARIO), (SELECT COUNT(*) FROM PRODUTO), "
                                          "(SELECT COUNT(*) FROM HISTORICO_PRODUTO), (SELECT COUNT(*) FROM ESTOQUE), "
                                          "(SELECT COUNT(*) FROM CLIENTE) FROM RDB$DATABASE"));
    exportar();
    EXPECT_EQ(linhas(controle(), QStringLiteral("SELECT (SELECT COUNT(*) FROM USUARIO), (SELECT COUNT(*) FROM PRODUTO), "
                                                "(SELECT COUNT(*) FROM HISTORICO_PRODUTO), (SELECT COUNT(*) FROM ESTOQUE), "
                                                "(SELECT COUNT(*) FROM CLIENTE) FROM RDB$DATABASE")),
              contagemAntes);
    EXPECT_EQ(linhas(controle(), QStringLiteral("SELECT DESCRICAO, SALDO, SALDOF, VALOR_VENDA FROM PRODUTO WHERE ID_PRODUTO = 5")),
              QStringList{"COCA|40.000|41.000|13.00"});
    EXPECT_EQ(Crypt(QStringLiteral("D"), controle().valor(QStringLiteral("SELECT SENHA FROM USUARIO WHERE ID_USUARIO = 7")).toString()),
              QStringLiteral("novo"));
    // The generators stand at the highest keys: the control program's own next rows do not clash.
    EXPECT_EQ(controle().gerador(QStringLiteral("GEN_ID_USUARIO"), 0), 7);
    EXPECT_EQ(controle().gerador(QStringLiteral("GEN_ID_PRODUTO"), 0), 5);
}

TEST_F(Controle, FalhaNoMeioDeCadaEtapaNaoMudaNadaEEscondeOGauge)
{
    banco().executar(QStringLiteral("INSERT INTO USUARIO (ID_USUARIO, LOGIN, SENHA) VALUES (7, 'ANA', '1')"));
    banco().executar(QStringLiteral("INSERT INTO PRODUTOS_SERVICOS (ID_P_S, DESCRICAO) VALUES (5, 'COCA')"));
    banco().executar(QStringLiteral("INSERT INTO CLIENTE (ID_CLIENTE, NOME) VALUES (2, 'BIA')"));
    controle().executar(QStringLiteral("INSERT INTO PRODUTO (ID_PRODUTO, DESCRICAO) VALUES (1, 'VELHO')"));
    struct Caso {
        const char *etapa, *tabela, *condicao, *nomeada;
    } casos[] = {
        {"usuários", "USUARIO", "LOGIN <> 'ANA'", "o usuário 7 (ANA)"},
        {"produtos", "HISTORICO_PRODUTO", "ID_PRODUTO <> 5", "o produto 5 (COCA)"},
        {"clientes", "CLIENTE", "NOME <> 'BIA'", "o cliente 2 (BIA)"},
    };
    for (const Caso &c : casos) {
        SCOPED_TRACE(c.etapa);
        controle().executar(QStringLiteral("ALTER TABLE %1 ADD CONSTRAINT CHK_RECUSA CHECK (%2)")
                                .arg(QString::fromLatin1(c.tabela), QString::fromLatin1(c.condicao)));
        const QStringList antes = tudo();
        gauge = {};
        try {
            exportar();
            ADD_FAILURE() << "deveria falhar";
        } catch (const ErroBanco &e) {
            EXPECT_TRUE(e.texto().startsWith(QStringLiteral("O banco de dados recusou %1. Nada foi alterado.")
                                                 .arg(QString::fromUtf8(c.nomeada))))
                << e.texto().toStdString();
        }
        EXPECT_EQ(tudo(), antes);
        EXPECT_FALSE(gauge.visivel);
        controle().executar(QStringLiteral("ALTER TABLE %1 DROP CONSTRAINT CHK_RECUSA").arg(QString::fromLatin1(c.tabela)));
    }
}

TEST_F(Controle, BancoInacessivelENomeadoENadaEscrito)
{
    controle().definirCaminho(pasta() + QStringLiteral("/nao-existe/Tevra.FDB"));
    try {
        exportar();
        ADD_FAILURE() << "deveria falhar";
    } catch (const ErroBanco &e) {
        EXPECT_TRUE(e.texto().startsWith(
            QStringLiteral("Não foi possível abrir o banco de dados do Zentro Controle. Nada foi alterado.")))
            << e.texto().toStdString();
    }
    EXPECT_FALSE(gauge.visivel);
}

namespace {

class GravadorJanela : public Janela::Servico {
public:
    void progressoMostrar(int maximo) override { pedidos << QStringLiteral("mostrar %1").arg(maximo); }
    void progressoMaximo(int maximo) override { pedidos << QStringLiteral("maximo %1").arg(maximo); }
    void progressoAvancar(int) override { ++avancos; }
    void progressoEsconder() override { pedidos << QStringLiteral("esconder"); }
    QStringList pedidos;
    int avancos = 0;
};

} // namespace

// The ribbon's command: the main window's gauge, hidden at the end also when
// the export fails, and the message only when it ended well.
TEST_F(Controle, ComandoDaFitaUsaOGaugeDaJanela)
{
    GravadorJanela janela;
    Janela::instalar(&janela);
    msg->esperar(ExportacaoControle::kMsgSucesso);
    ExportacaoControle::executar();
    EXPECT_EQ(janela.pedidos.value(janela.pedidos.size() - 1), QStringLiteral("esconder"));
    EXPECT_EQ(janela.avancos, 3); // ADMIN, DIARIA, CONSUMIDOR
    EXPECT_EQ(controle().valor(QStringLiteral("SELECT USUARIO FROM CLIENTE")).toString(), QStringLiteral("ADMIN"));

    janela.pedidos.clear();
    controle().executar(QStringLiteral("ALTER TABLE CLIENTE ADD CONSTRAINT CHK_RECUSA CHECK (NOME <> 'CONSUMIDOR')"));
    banco().executar(QStringLiteral("UPDATE USUARIO SET LOGIN = 'ADM' WHERE ID_USUARIO = 1"));
    EXPECT_THROW(ExportacaoControle::executar(), ErroBanco);
    EXPECT_EQ(janela.pedidos.value(janela.pedidos.size() - 1), QStringLiteral("esconder"));
    EXPECT_EQ(controle().valor(QStringLiteral("SELECT LOGIN FROM USUARIO WHERE ID_USUARIO = 1")).toString(),
              QStringLiteral("ADMIN"));
    Janela::instalar(nullptr);
}
