// The company data file read by the settings screen's "Carregar Dados".
#include "core/DadosEmpresa.h"
#include "core/Pesquisa.h"
#include "base/Rotinas.h"
#include "base/Telas.h"
#include "core/UnitParametros.h"
#include "support/TelasTeste.h"

#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QRegularExpression>

namespace {

const QStringList kLinhas{"0001",           "HOTEL SOL NASCENTE LTDA", "SOL NASCENTE", "12.345.678/0001-95",
                          "livre",          "RUA DAS FLORES",          "123",          "livre",
                          "São João da Aliança", "GO",                 "livre",        "(62) 3333-4444",
                          "(62) 3333-5555", "(62) 3333-6666",          "contato@sol.com.br"};

class DadosEmpresaTeste : public TelasTeste {
protected:
    QString gravar(const QString &nome, const QStringList &linhas)
    {
        const QString arquivo = pasta() + "/" + nome;
        QFile f(arquivo);
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(("  " + Crypt("C", linhas.join("\r\n")) + "\r\n").toLatin1());
        return arquivo;
    }
    void escolher(const QString &arquivo)
    {
        Telas::interceptar<QFileDialog>([arquivo](QFileDialog *d) {
            if (arquivo.isEmpty())
                return int(QDialog::Rejected);
            d->selectFile(arquivo);
            return int(QDialog::Accepted);
        });
    }
    QString campo(TFrmParametros &t, const char *col)
    {
        return qobject_cast<QLineEdit *>(t.controle(QLatin1String(col)))->text();
    }
};

} // namespace

TEST(DadosEmpresaRegras, LinhasViramCampos)
{
    const auto r = DadosEmpresa::interpretar(kLinhas.join("\n"));
    ASSERT_TRUE(r.completo);
    const QList<QPair<QString, QString>> esperado{
        {"RAZAO_SOCIAL", "HOTEL SOL NASCENTE LTDA"}, {"NOME_FANTASIA", "SOL NASCENTE"},
        {"CNPJ", "12.345.678/0001-95"},              {"ENDERECO", "RUA DAS FLORES, 123"},
        {"CIDADE", "Sao Joao da Alianca"},           {"UF", "GO"},
        {"FONE1", "(62) 3333-4444"},                 {"FONE2", "(62) 3333-5555"},
        {"FAX", "(62) 3333-6666"},                   {"EMAIL", "contato@sol.com.br"}};
    EXPECT_EQ(r.campos, esperado);

    // Short files: what was read is given, the rest is missing.
    struct Caso {
        int linhas;
        int campos;
    } casos[] = {{14, 9}, {9, 5}, {6, 3}, {2, 1}, {1, 0}};
    for (const auto &c : casos) {
        const auto p = DadosEmpresa::interpretar(kLinhas.mid(0, c.linhas).join("\n"));
        EXPECT_FALSE(p.completo) << c.linhas;
        EXPECT_EQ(p.campos.size(), c.campos) << c.linhas;
    }
}

TEST_F(DadosEmpresaTeste, CarregarDadosPreencheATela)
{
    Pesquisa::instalarAcoesParametros();
    TFrmParametros t;
    t.carregar();
    escolher(gravar("empresa.zentrod", kLinhas));
    t.btnCarregarDadosClick();
    EXPECT_EQ(campo(t, "RAZAO_SOCIAL"), "HOTEL SOL NASCENTE LTDA");
    EXPECT_EQ(campo(t, "CIDADE"), "Sao Joao da Alianca");
    EXPECT_EQ(campo(t, "ENDERECO"), "RUA DAS FLORES, 123");
    EXPECT_EQ(campo(t, "EMAIL"), "contato@sol.com.br");
    EXPECT_EQ(t.edtCNPJ->text().remove(QRegularExpression("[^0-9]")), "12345678000195");

    // Cancelling the dialog changes nothing.
    escolher(QString());
    t.btnCarregarDadosClick();
    EXPECT_EQ(campo(t, "RAZAO_SOCIAL"), "HOTEL SOL NASCENTE LTDA");

    // A short file fills what it has and says the file is invalid.
    QStringList curto = kLinhas.mid(0, 9);
    curto[1] = "OUTRA RAZAO";
    escolher(gravar("curto.zentrod", curto));
    msg->esperar(DadosEmpresa::kMsgArquivoInvalido);
    t.btnCarregarDadosClick();
    EXPECT_EQ(campo(t, "RAZAO_SOCIAL"), "OUTRA RAZAO");
    EXPECT_EQ(campo(t, "UF"), "GO");

    // Not a scrambled text at all, or a missing file.
    const QString lixo = pasta() + "/lixo.zentrod";
    QFile f(lixo);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("isto nao e cifrado");
    f.close();
    for (const QString &a : {lixo, pasta() + "/nao-existe.zentrod"}) {
        escolher(a);
        msg->esperar(DadosEmpresa::kMsgArquivoInvalido);
        t.btnCarregarDadosClick();
    }
    EXPECT_EQ(campo(t, "RAZAO_SOCIAL"), "OUTRA RAZAO");
    // Nothing reaches the database before "Atualizar".
    EXPECT_NE(banco().ler("SELECT RAZAO_SOCIAL FROM PARAMETROS").texto("RAZAO_SOCIAL"), "OUTRA RAZAO");
    TFrmParametros::acaoCarregarDados = nullptr;
    TFrmParametros::acaoCriarPagina = nullptr;
}
