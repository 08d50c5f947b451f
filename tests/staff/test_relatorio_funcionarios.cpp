// The employee report: the registration sheet, the badge (its bars read
// back by an independent reader), the log texts of each kind, a deleted
// employee, missing pictures and one PDF.
#include "base/RelatorioPintura.h"
#include "staff/CodigoBarras.h"
#include "staff/UnitRelFuncionarios.h"
#include "ApoioFuncionarios.h"

#include <QComboBox>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QStandardPaths>

using namespace RelFuncionarios;

namespace {

QString executar(const QString &programa, const QStringList &args)
{
    QProcess p;
    p.start(programa, args);
    p.waitForFinished(60000);
    return QString::fromUtf8(p.readAllStandardOutput());
}

// What zbarimg reads in a picture: "CODE-39:<text>" lines.
QStringList lerBarras(const QImage &imagem, const QString &pasta)
{
    if (QStandardPaths::findExecutable(QStringLiteral("zbarimg")).isEmpty()) {
        ADD_FAILURE() << "zbarimg (zbar-tools) não instalado: rode scripts/install-deps";
        return {};
    }
    const QString arquivo = pasta + QStringLiteral("/barras.png");
    EXPECT_TRUE(imagem.save(arquivo, "PNG"));
    return executar(QStringLiteral("zbarimg"), {QStringLiteral("--quiet"), arquivo})
        .split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

class RelFunc : public FuncionariosTeste {
protected:
    void SetUp() override
    {
        FuncionariosTeste::SetUp();
        parametro(QStringLiteral("NOME_FANTASIA"), QStringLiteral("POUSADA D'ÁVILA"));
    }
    // Prints with the screen and returns the report previewed (none: nothing previewed).
    std::optional<Relatorio> imprimir(TFrmRelFuncionarios &t, Opcao o)
    {
        (o == Opcao::ApenasCadastro     ? t.rbApenasCadastro
         : o == Opcao::CadastroECracha ? t.rbCadastroCracha
                                       : t.rbApenasCracha)
            ->setChecked(true);
        std::optional<Relatorio> r;
        Telas::interceptar<TFrmVisualizaRelatorio>([&](TFrmVisualizaRelatorio *v) {
            r = v->relatorio();
            return int(QDialog::Accepted);
        });
        t.btnImprimir->click();
        Telas::liberar(typeid(TFrmVisualizaRelatorio));
        return r;
    }
    static QStringList textos(const Relatorio &rel)
    {
        QStringList l;
        for (const Relatorio::Banda &b : rel.bandas()) {
            if (b.tipo == Relatorio::TipoBanda::Texto)
                l << b.texto;
            else if (b.tipo == Relatorio::TipoBanda::Figura)
                l << QStringLiteral("[figura]");
            else if (b.tipo == Relatorio::TipoBanda::Detalhe) {
                QStringList c;
                for (const Relatorio::Celula &x : b.celulas)
                    c << x.texto;
                while (!c.isEmpty() && c.last().isEmpty())
                    c.removeLast();
                l << (b.texto.isEmpty() ? QString() : b.texto + QStringLiteral(" / ")) + c.join(QLatin1Char('|'));
            }
        }
        return l;
    }
    QStringList logsImpressao()
    {
        QStringList l;
        for (const Linha &r : banco().lerTodas(QStringLiteral("SELECT OPERACAO, ANTES FROM LOG ORDER BY ID_LOG")))
            l << r.texto("OPERACAO") + QLatin1Char('|') + r.texto("ANTES");
        return l;
    }
};

} // namespace

TEST_F(RelFunc, FichaDeCadastroEmOrdemDeNome)
{
    const qint64 zeca = funcionario(QStringLiteral("ZECA"), QStringLiteral("529.982.247-25"), "1500.00");
    banco().executar(QStringLiteral("UPDATE FUNCIONARIO SET CTPS = '123', SERIE = '4', ENDERECO = 'RUA A', CEP = "
                                    "'30000-000', BAIRRO = 'CENTRO', CIDADE = 'BH', ESTADO = 'MG', FONE = '(31)3333-4444', "
                                    "OBSERVACAO = 'NOITE', AGENCIA = '001', CONTA = '99-1', INSS = 8, COMISSAO = 2.5, "
                                    "TURNO_2_ENT = '13:00:00', TURNO_2_SAI = '17:30:00' WHERE ID_FUNCIONARIO = ?"),
                     {zeca});
    funcionario(QStringLiteral("ANA"), QStringLiteral("111.444.777-35"));
    excluirFuncionario(funcionario(QStringLiteral("BIA"), QStringLiteral("123.456.789-09")));
    TFrmRelFuncionarios t;
    EXPECT_EQ(t.windowTitle(), "Relatório - Funcionários");
    EXPECT_EQ(t.cbFuncionarios->count(), 3); // all + two live employees
    EXPECT_EQ(t.textoEscolha(), kTodos);
    EXPECT_TRUE(t.rbApenasCadastro->isChecked());
    const std::optional<Relatorio> rel = imprimir(t, Opcao::ApenasCadastro);
    ASSERT_TRUE(rel);
    EXPECT_EQ(rel->paginas().value(0).cabecalho.mid(0, 3),
              (QStringList{"POUSADA D'ÁVILA", "Relatório de Funcionários", "(" + kTodos + ")"}));
    const QStringList l = textos(*rel);
    const QStringList zecaFicha = {
        "DADOS PESSOAIS",
        "FUNCIONÁRIO: ZECA / CPF: 529.982.247-25",
        "RG: MG-1|CTPS: 123|SÉRIE: 4",
        "ENDEREÇO: RUA A / CEP: 30000-000|BAIRRO: CENTRO",
        "CIDADE: BH|ESTADO: MG|TELEFONE: (31)3333-4444",
        "OBSERVAÇÕES: NOITE / ",
        "DADOS BANCÁRIOS E FINANCEIROS",
        "NÚMERO DA ANGÊNCIA: 001|NÚMERO DA CONTA: 99-1",
        "VENDEDOR? N|SALÁRIO-BASE (R$): 1.500,00|COMISSÃO (%): 2,50",
        "DESCONTO INSS (%): 8,00",
        "HORÁRIOS",
        "MARCA PONTO? S",
        "TURNO 1|ENTRADA -> 08:00:00|SAÍDA -> 12:00:00",
        "TURNO 2|ENTRADA -> 13:00:00|SAÍDA -> 17:30:00",
        "TURNO 3|ENTRADA -> 00:00:00|SAÍDA -> 00:00:00",
        "",
    };
    ASSERT_EQ(l.size(), 2 * zecaFicha.size());
    EXPECT_EQ(l.value(1), "FUNCIONÁRIO: ANA / CPF: 111.444.777-35"); // ANA first, BIA deleted
    EXPECT_EQ(l.mid(zecaFicha.size()), zecaFicha);
    EXPECT_FALSE(l.contains("CRACHÁ")); // the badge area is covered
    EXPECT_EQ(logsImpressao(), QStringList{"Impressão de Relatório|Relatório de Funcionários (" + kTodos +
                                           ")\rTipo:Apenas Cadastro"});
}

TEST_F(RelFunc, TiposNoLogEFiguras)
{
    const qint64 ana = funcionario(QStringLiteral("ANA"), QStringLiteral("529.982.247-25"));
    TFrmRelFuncionarios t(ana);
    EXPECT_EQ(t.textoEscolha(), "ANA");
    struct Caso {
        Opcao opcao;
        const char *tipo;
        int figuras;
        bool cabecalho;
    } casos[] = {{Opcao::CadastroECracha, "Cadastro + Crachá + Código de Barras", 1, true},
                 {Opcao::ApenasCracha, "Apenas Crachá + Código de Barras", 1, false},
                 {Opcao::ApenasCadastro, "Apenas Cadastro", 0, true}};
    QStringList esperados;
    for (const Caso &c : casos) {
        SCOPED_TRACE(c.tipo);
        const std::optional<Relatorio> rel = imprimir(t, c.opcao);
        ASSERT_TRUE(rel);
        EXPECT_EQ(textos(*rel).count("[figura]"), c.figuras);
        EXPECT_EQ(!rel->paginas().value(0).cabecalho.isEmpty(), c.cabecalho);
        esperados << QStringLiteral("Impressão de Relatório|Relatório de Funcionários (ANA)\rTipo:") + QString::fromUtf8(c.tipo);
    }
    EXPECT_EQ(logsImpressao(), esperados);
    const QStringList l = textos(*imprimir(t, Opcao::CadastroECracha));
    const int i = l.indexOf("CRACHÁ");
    ASSERT_GE(i, 0);
    EXPECT_EQ(l.value(i + 1), "FRENTE|VERSO");
    EXPECT_EQ(l.value(i + 2), "[figura]");
}

TEST_F(RelFunc, FuncionarioExcluidoDepoisDeAbrir)
{
    const qint64 ana = funcionario(QStringLiteral("ANA"), QStringLiteral("529.982.247-25"));
    TFrmRelFuncionarios t(ana);
    excluirFuncionario(ana);
    msg->esperar(kMsgNenhumRegistro);
    EXPECT_FALSE(imprimir(t, Opcao::ApenasCracha));
    EXPECT_EQ(msg->pendentes(), 0);
    EXPECT_TRUE(logsImpressao().isEmpty());
}

TEST_F(RelFunc, CrachaLidoPorOutroLeitor)
{
    const qint64 ana = funcionario(QStringLiteral("ANA MARIA"), QStringLiteral("529.982.247-25"));
    const Linha f = Funcionarios::porChave(DM->Conexao, ana);
    const QImage c = cracha(f);
    EXPECT_EQ(c.size(), QSize(int(3 * kLarguraFace * 2), int(kAlturaFace * 2)));
    EXPECT_EQ(lerBarras(c, pasta()), QStringList{"CODE-39:052998224725"});
    // the record's sample reads back too
    EXPECT_EQ(lerBarras(CodigoBarras::imagem(QStringLiteral("000000000000"), QSize(440, 80)), pasta()),
              QStringList{"CODE-39:000000000000"});
}

TEST_F(RelFunc, FotoEModelosAusentes)
{
    // no template files, FOTO naming a file that does not exist, and no
    // placeholder either: the badge still prints, texts on white
    QFile::remove(Caminhos::naInstalacao(QStringLiteral("img/nofoto.jpg")));
    const qint64 ana = funcionario(QStringLiteral("ANA"), QStringLiteral("529.982.247-25"), "1000.00",
                                   arquivoFoto("naoexiste.jpg"));
    const QImage sem = cracha(Funcionarios::porChave(DM->Conexao, ana));
    ASSERT_FALSE(sem.isNull());
    EXPECT_EQ(sem.pixelColor(10, 10), QColor(Qt::white));
    EXPECT_EQ(lerBarras(sem, pasta()), QStringList{"CODE-39:052998224725"});
    // with the templates and the photo, they are drawn under the texts
    QDir().mkpath(Caminhos::naInstalacao(QStringLiteral("img/cracha")));
    gravarCor(Caminhos::naInstalacao(QStringLiteral("img/cracha/frente_modelo1.jpg")), Qt::yellow);
    gravarCor(Caminhos::naInstalacao(QStringLiteral("img/cracha/verso_modelo1.jpg")), Qt::cyan);
    gravarCor(arquivoFoto("52998224725.jpg"), Qt::red);
    banco().executar(QStringLiteral("UPDATE FUNCIONARIO SET FOTO = ? WHERE ID_FUNCIONARIO = ?"),
                     {arquivoFoto("52998224725.jpg"), ana});
    const QImage com = cracha(Funcionarios::porChave(DM->Conexao, ana));
    EXPECT_TRUE(parecida(com.pixelColor(10, 10), Qt::yellow));
    EXPECT_TRUE(parecida(com.pixelColor(int(kLarguraFace * 2) + 10, 10), Qt::cyan));
    EXPECT_TRUE(parecida(com.pixelColor(int(kLarguraFace), 200), Qt::red)); // the photo, centred near the top
}

TEST_F(RelFunc, UmPdf)
{
    funcionario(QStringLiteral("ANA"), QStringLiteral("529.982.247-25"));
    if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
        GTEST_FAIL() << "pdftotext (poppler-utils) não instalado: rode scripts/install-deps";
    const Relatorio rel = relatorio(Opcao::CadastroECracha, kTodos, linhas(0));
    const QString arquivo = pasta() + QStringLiteral("/funcionarios.pdf");
    RelatorioPintura::gravarPdf(rel, arquivo);
    const QString texto = executar(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), arquivo, QStringLiteral("-")});
    for (const char *t : {"POUSADA D'ÁVILA", "Relatório de Funcionários", "DADOS PESSOAIS", "529.982.247-25",
                          "HORÁRIOS", "CRACHÁ", "FRENTE", "VERSO"})
        EXPECT_TRUE(texto.contains(QString::fromUtf8(t))) << t;
}
