// The free-form receipt: its refusals in order, the amount read once so the
// figures and the words come from the same value, the log row of each
// preview and the fields emptied for the next receipt.
#include "base/Relogio.h"
#include "base/Telas.h"
#include "base/RelatorioPintura.h"
#include "finance/UnitRelRecibo.h"
#include "support/TelasTeste.h"

#include <QLineEdit>
#include <QPushButton>

namespace {

QString u8(const char *t) { return QString::fromUtf8(t); }

class ReciboTeste : public TelasTeste {
protected:
    void SetUp() override
    {
        TelasTeste::SetUp();
        banco().executar(QStringLiteral("UPDATE PARAMETROS SET NOME_FANTASIA = ?, CNPJ = ?, FONE1 = ?, FONE2 = ?, "
                                        "ENDERECO = ?, BAIRRO = ?, CIDADE = ?, UF = ?, CEP = ?, EMAIL = ?"),
                         {u8("POUSADA D'ÁVILA"), QStringLiteral("12.345.678/0001-95"), QStringLiteral("(31)3333-4444"),
                          QStringLiteral("(31)99999-0000"), QStringLiteral("RUA DAS FLORES, 10"),
                          QStringLiteral("CENTRO"), QStringLiteral("OURO PRETO"), QStringLiteral("MG"),
                          QStringLiteral("35400-000"), QStringLiteral("contato@pousada.com.br")});
        tParametros().recarregar();
        Telas::interceptar<TFrmVisualizaRelatorio>([this](TFrmVisualizaRelatorio *t) {
            ++previas;
            celulas.clear();
            for (const Relatorio::Banda &b : t->relatorio().bandas())
                for (const Relatorio::Celula &c : b.celulas)
                    celulas << c.texto;
            return int(QDialog::Accepted);
        });
    }
    void TearDown() override
    {
        Telas::liberarTodas();
        TelasTeste::TearDown();
    }
    int previas = 0;
    QStringList celulas; // every printed cell of the last preview
};

} // namespace

TEST_F(ReciboTeste, RecusasNaOrdemSemRegistro)
{
    struct Caso {
        const char *nome;
        const char *recebemos, *valor, *referente;
        QString mensagem;
        int campo; // 0 payer, 1 amount, 2 reference
    };
    const Caso casos[] = {
        {"sem nome", "", "50,00", "DIARIA", Recibo::kMsgNome, 0},
        {"sem nome e sem valor: o nome primeiro", " ", "0,00", "", Recibo::kMsgNome, 0},
        {"valor zero", "ANA", "0,00", "DIARIA", Recibo::kMsgValor, 1},
        {"valor vazio", "ANA", "", "DIARIA", Recibo::kMsgValor, 1},
        {"valor negativo", "ANA", "-50", "DIARIA", Recibo::kMsgValor, 1},
        {"valor com letras", "ANA", "5O,00", "DIARIA", Recibo::kMsgValor, 1},
        {"ponto como separador decimal", "ANA", "50.5", "DIARIA", Recibo::kMsgValor, 1},
        {"sem referência", "ANA", "50,00", "", Recibo::kMsgReferente, 2},
    };
    for (const Caso &c : casos) {
        SCOPED_TRACE(c.nome);
        TFrmRelRecibo f;
        f.show();
        ativar(&f);
        f.edtRecebemos->setText(u8(c.recebemos));
        f.edtImportancia->setText(u8(c.valor));
        f.edtReferente->setText(u8(c.referente));
        msg->esperar(c.mensagem);
        f.btnImprimir->click();
        EXPECT_EQ(msg->pendentes(), 0);
        QWidget *const campos[] = {f.edtRecebemos, f.edtImportancia, f.edtReferente};
        EXPECT_EQ(QApplication::focusWidget(), campos[c.campo]);
        // Nothing is lost: the values stay to be corrected.
        EXPECT_EQ(f.edtImportancia->text(), u8(c.valor));
    }
    EXPECT_EQ(previas, 0);
    EXPECT_TRUE(logs().isEmpty());
}

TEST_F(ReciboTeste, FigurasEExtensoDoMesmoValor)
{
    Relogio::definir(QDateTime(QDate(2026, 12, 10), QTime(10, 0)));
    struct Caso {
        const char *digitado;
        const char *figuras;
        const char *extenso;
    };
    const Caso casos[] = {
        {"1.234,56", "R$ 1.234,56", "*** Um Mil, Duzentos e Trinta e Quatro Reais, e Cinquenta e Seis Centavos. ***"},
        {"1234,56", "R$ 1.234,56", "*** Um Mil, Duzentos e Trinta e Quatro Reais, e Cinquenta e Seis Centavos. ***"},
        {"50", "R$ 50,00", "*** Cinquenta Reais. ***"},
        {"0,01", "R$ 0,01", "*** Um Centavo. ***"},
    };
    for (const Caso &c : casos) {
        SCOPED_TRACE(c.digitado);
        TFrmRelRecibo f;
        f.edtRecebemos->setText(u8("JOSÉ D'ÁVILA"));
        f.edtImportancia->setText(u8(c.digitado));
        f.edtReferente->setText(QStringLiteral("HOSPEDAGEM"));
        f.btnImprimir->click();
        ASSERT_TRUE(f.ultimoRecibo.has_value());
        const Recibo::Modelo &m = *f.ultimoRecibo;
        EXPECT_EQ(m.valorFiguras, u8(c.figuras));
        EXPECT_EQ(m.valorExtenso, u8(c.extenso));
        EXPECT_EQ(m.recebemos, u8("JOSÉ D'ÁVILA"));
        EXPECT_EQ(m.referente, QStringLiteral("HOSPEDAGEM"));
        EXPECT_EQ(m.timbre, (QStringList{u8("POUSADA D'ÁVILA"), QStringLiteral("CNPJ: 12.345.678/0001-95"),
                                         QStringLiteral("Fone: (31)3333-4444 / (31)99999-0000"),
                                         QStringLiteral("RUA DAS FLORES, 10 - CENTRO - OURO PRETO-MG - CEP: 35400-000"),
                                         QStringLiteral("E-mail: contato@pousada.com.br")}));
        EXPECT_EQ(m.localData, QStringLiteral("OURO PRETO-MG, 10/12/2026"));
        EXPECT_EQ(m.assinatura, u8("POUSADA D'ÁVILA"));
        // The preview prints the same figures and words.
        EXPECT_TRUE(celulas.contains(u8(c.figuras)));
        EXPECT_TRUE(celulas.contains(u8(c.extenso)));
        // Ready for another receipt.
        EXPECT_EQ(f.edtRecebemos->text(), QString());
        EXPECT_EQ(f.edtReferente->text(), QString());
        EXPECT_EQ(f.edtImportancia->text(), QStringLiteral("0,00"));
    }
    EXPECT_EQ(previas, 4);
    EXPECT_EQ(logs(), QStringList(4, QStringLiteral("ADMIN|Imprimiu Recibo")));
    Relogio::liberar();
}

TEST_F(ReciboTeste, AcimaDoLimiteDoExtensoImprimeSoAsFiguras)
{
    TFrmRelRecibo f;
    f.edtRecebemos->setText(QStringLiteral("ANA"));
    f.edtImportancia->setText(QStringLiteral("1.000.000,00"));
    f.edtReferente->setText(QStringLiteral("EVENTO"));
    msg->esperar(u8("O valor está fora do intervalo permitido.O número deve ser maior ou igual a zero e menor que "
                    "999.999,99. Se não for corrigido o número não será escrito por extenso."));
    f.btnImprimir->click();
    EXPECT_EQ(msg->pendentes(), 0);
    ASSERT_TRUE(f.ultimoRecibo.has_value());
    EXPECT_EQ(f.ultimoRecibo->valorFiguras, QStringLiteral("R$ 1.000.000,00"));
    EXPECT_EQ(f.ultimoRecibo->valorExtenso, QString());
    EXPECT_EQ(previas, 1);
}

TEST_F(ReciboTeste, CampoDoValorFormataAoSair)
{
    TFrmRelRecibo f;
    f.show();
    ativar(&f);
    struct Caso {
        const char *digitado, *mostrado;
    };
    const Caso casos[] = {{"50", "50,00"}, {"", "0,00"}, {"1234,5", "1.234,50"}, {"abc", "abc"}};
    for (const Caso &c : casos) {
        SCOPED_TRACE(c.digitado);
        f.edtImportancia->setFocus();
        QApplication::processEvents();
        f.edtImportancia->setText(u8(c.digitado));
        f.edtReferente->setFocus();
        QApplication::processEvents();
        EXPECT_EQ(f.edtImportancia->text(), u8(c.mostrado));
    }
}
