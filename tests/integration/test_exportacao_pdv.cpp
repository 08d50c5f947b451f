// The export of every product into the companion point of sale: the row
// format of the mirror, deleted products inactive, barcodes of existing rows
// kept, the generator at the highest code, a rerun identical; all or nothing.
#include "base/Anulacao.h"
#include "integration/ExportacaoPDV.h"
#include "support/TelasTeste.h"
#include "tests/integration/Gravador.h"

namespace {

class ExportarPDV : public TelasTeste {
protected:
    void SetUp() override
    {
        TelasTeste::SetUp();
        prepararCompanheiros();
    }
    ConexaoBanco &pdv() { return DM->ConexaoPDV; }
    void produto(qint64 id, const char *descricao, const char *sit, const char *excluido = "N")
    {
        banco().executar(QStringLiteral("INSERT INTO PRODUTOS_SERVICOS (ID_P_S, ID_PDV, DESCRICAO, VALOR, ESTOQUE, SIT_TRIBUT, "
                                        "CODIGO_BARRAS, EXCLUIDO) VALUES (?, 1, ?, 1234.5, 40, ?, '789' || ?, ?)"),
                         {id, QString::fromUtf8(descricao), QString::fromLatin1(sit), id, QString::fromLatin1(excluido)});
    }
    QStringList estoque()
    {
        QStringList r;
        for (const Linha &l : pdv().lerTodas(QStringLiteral("SELECT * FROM ESTOQUE ORDER BY CODIGO"))) {
            QStringList campos;
            for (int i = 0; i < l.registro().count(); ++i)
                campos << textoDeValor(l.valor(i));
            r << campos.join(QLatin1Char('|'));
        }
        return r;
    }
    QString coluna(qint64 codigo, const char *col)
    {
        return pdv()
            .valor(QStringLiteral("SELECT %1 FROM ESTOQUE WHERE CODIGO = ?").arg(QString::fromLatin1(col)), {codigo})
            .toString();
    }
    GaugeGravado gauge;
};

} // namespace

TEST_F(ExportarPDV, LinhasDosProdutosEUmaSegundaExecucaoIgual)
{
    produto(2, "ÁGUA D'OURO", "18");
    produto(3, "VELHO", "05", "S");     // deleted in the list only
    produto(4, "ANULADO", "XX");        // deleted through ANULACAO; tax outside the table
    Anulacao::registrar(DM->Conexao, QStringLiteral("ID_P_S"), 4);
    pdv().garantirConectada();
    pdv().executar(QStringLiteral("INSERT INTO ESTOQUE (CODIGO, CODBARRA, DESCRICAO, INATIVO) VALUES (2, 'DO PDV', 'X', 'S')"));
    pdv().executar(QStringLiteral("INSERT INTO ESTOQUE (CODIGO, DESCRICAO) VALUES (50, 'SÓ DO PDV')"));

    const ExportacaoPDV::Resultado r = ExportacaoPDV::exportar(banco(), pdv(), gauge);
    EXPECT_EQ(r.incluidos, 3); // 1 (DIARIA), 3, 4
    EXPECT_EQ(r.atualizados, 1);
    EXPECT_EQ(coluna(2, "CODALIQUOTA"), QStringLiteral("12"));
    EXPECT_EQ(coluna(2, "DESCRICAO"), QStringLiteral("ÁGUA D'OURO"));
    EXPECT_EQ(coluna(2, "CODBARRA"), QStringLiteral("DO PDV")); // an existing row keeps its barcode
    EXPECT_EQ(coluna(2, "INATIVO"), QStringLiteral("N"));
    EXPECT_EQ(coluna(3, "CODBARRA"), QString());                // a new row gets none
    EXPECT_EQ(coluna(3, "INATIVO"), QStringLiteral("S"));        // deleted reaches the companion inactive
    EXPECT_EQ(coluna(4, "INATIVO"), QStringLiteral("S"));
    EXPECT_EQ(coluna(4, "CODALIQUOTA"), QString());
    EXPECT_EQ(coluna(50, "DESCRICAO"), QStringLiteral("SÓ DO PDV")); // left alone
    EXPECT_EQ(coluna(2, "HASH").size(), 32);
    // The generator at the highest code, so the companion's next product does not clash.
    EXPECT_EQ(r.gerador, 50);
    EXPECT_EQ(pdv().gerador(QStringLiteral("GEN_ESTOQUE_ID"), 0), 50);
    EXPECT_EQ(gauge.eventos, (QStringList{"mostrar 0", "mostrar 4", "esconder"}));
    EXPECT_EQ(gauge.avancos, 4);

    const QStringList primeira = estoque();
    ExportacaoPDV::exportar(banco(), pdv(), gauge);
    EXPECT_EQ(estoque(), primeira);
}

TEST_F(ExportarPDV, FalhaNoMeioNaoMudaNadaEEscondeOGauge)
{
    produto(2, "AGUA", "18");
    produto(3, "SUCO", "18");
    pdv().garantirConectada();
    pdv().executar(QStringLiteral("INSERT INTO ESTOQUE (CODIGO, DESCRICAO) VALUES (2, 'ANTES')"));
    pdv().executar(QStringLiteral("ALTER TABLE ESTOQUE ADD CONSTRAINT CHK_RECUSA CHECK (CODIGO <> 3)"));
    const QStringList antes = estoque();
    try {
        ExportacaoPDV::exportar(banco(), pdv(), gauge);
        ADD_FAILURE() << "deveria falhar";
    } catch (const ErroBanco &e) {
        EXPECT_TRUE(e.texto().startsWith(QStringLiteral("O banco de dados recusou o produto 3 (SUCO). Nada foi alterado.")))
            << e.texto().toStdString();
    }
    EXPECT_EQ(estoque(), antes);
    EXPECT_EQ(pdv().gerador(QStringLiteral("GEN_ESTOQUE_ID"), 0), 0);
    EXPECT_FALSE(gauge.visivel);
}

TEST_F(ExportarPDV, BancoInacessivelNomeadoEGaugeEscondido)
{
    pdv().definirCaminho(pasta() + QStringLiteral("/nao-existe/BANCO.FDB"));
    try {
        ExportacaoPDV::exportar(banco(), pdv(), gauge);
        ADD_FAILURE() << "deveria falhar";
    } catch (const ErroBanco &e) {
        EXPECT_TRUE(e.texto().startsWith(QStringLiteral("Não foi possível abrir o banco de dados do Zentro PDV. Nada foi alterado.")))
            << e.texto().toStdString();
    }
    EXPECT_FALSE(gauge.visivel);
}
