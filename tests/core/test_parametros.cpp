// The settings record and the settings screen against a real database.
#include "support/BancoTeste.h"
#include "base/Parametros.h"
#include "core/ParametrosRegras.h"
#include "base/Rotinas.h"
#include "base/Telas.h"
#include "core/UnitParametros.h"

#include <QApplication>
#include <QCheckBox>
#include <QFocusEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QSqlField>
#include <QSqlRecord>
#include <QTabWidget>
#include <QTimeEdit>
#include <optional>

using namespace ParametrosRegras;

namespace {

const QString kSucesso = QStringLiteral("Parâmetros Atualizados com Sucesso!");
const QString kCnpjValido = QStringLiteral("11.222.333/0001-81");

QStringList colunasFlag()
{
    QStringList r;
    for (const Campo &c : campos())
        if (c.tipo == Tipo::Flag)
            r << c.coluna;
    return r;
}

void focar(QWidget *w, bool entrando)
{
    QFocusEvent e(entrando ? QEvent::FocusIn : QEvent::FocusOut, Qt::TabFocusReason);
    QApplication::sendEvent(w, &e);
}

} // namespace

class Parametros : public BancoTeste {
protected:
    void SetUp() override
    {
        BancoTeste::SetUp();
        tParametros().definir(Linha());
    }
    void TearDown() override
    {
        TFrmParametros::acaoCarregarDados = nullptr;
        TFrmParametros::acaoCriarPagina = nullptr;
        tParametros().definir(Linha());
        BancoTeste::TearDown();
    }

    Linha linha() { return banco().ler(QStringLiteral("SELECT * FROM PARAMETROS")); }
    qint64 logs()
    {
        return banco()
            .ler(QStringLiteral("SELECT COUNT(*) AS N FROM LOG WHERE OPERACAO = ?"),
                 {QStringLiteral("Atualizou Parâmetros")})
            .inteiro(QStringLiteral("N"));
    }
    // Sets columns of the settings row directly.
    void gravarDireto(const QVariantMap &valores)
    {
        QStringList pares;
        QVariantList v;
        for (auto it = valores.cbegin(); it != valores.cend(); ++it) {
            pares << it.key() + QStringLiteral(" = ?");
            v << it.value();
        }
        banco().executar(QStringLiteral("UPDATE PARAMETROS SET ") + pares.join(QStringLiteral(", ")), v);
    }
    // Opens the screen as the ribbon does, lets `agir` work on it and gives
    // back the screen's result.
    int naTela(const std::function<void(TFrmParametros *)> &agir)
    {
        int resultado = -1;
        Telas::interceptar<TFrmParametros>([&](TFrmParametros *t) {
            agir(t);
            resultado = t->result();
            return resultado;
        });
        abrirParametros();
        Telas::liberarTodas();
        return resultado;
    }
    QLineEdit *edit(TFrmParametros *t, const char *coluna)
    {
        return qobject_cast<QLineEdit *>(t->controle(QLatin1String(coluna)));
    }
};

// Every column of the two rows compared.
static void esperarIguais(const Linha &a, const Linha &b)
{
    ASSERT_EQ(a.registro().count(), b.registro().count());
    for (int i = 0; i < a.registro().count(); ++i) {
        const QString col = a.registro().fieldName(i);
        EXPECT_EQ(a.valor(col), b.valor(col)) << col.toStdString() << ": " << a.texto(col).toStdString()
                                              << " -> " << b.texto(col).toStdString();
    }
}

TEST_F(Parametros, SalvarSemMudarNadaDeixaORegistroComoEstava)
{
    ASSERT_TRUE(Valida_CNPJ(TiraPontoTracoBarra(kCnpjValido)));
    QVariantMap todosS, variado;
    for (const QString &f : colunasFlag()) {
        todosS.insert(f, QStringLiteral("S"));
        variado.insert(f, QStringLiteral("N"));
    }
    variado.insert(QStringLiteral("VERIF_CPF_CNPJ"), QStringLiteral("S"));
    variado.insert(QStringLiteral("CNPJ"), kCnpjValido);
    variado.insert(QStringLiteral("RAZAO_SOCIAL"), QStringLiteral("Pousada D'Ávila & Cia \"Ltda\""));
    variado.insert(QStringLiteral("CIDADE"), QStringLiteral("São João del-Rei"));
    variado.insert(QStringLiteral("FONE1"), QStringLiteral("(32)98765-4321"));
    variado.insert(QStringLiteral("HOMEPAGE"), QVariant(QMetaType::fromType<QString>())); // NULL
    variado.insert(QStringLiteral("LOGO"), QStringLiteral("/srv/hotel/imagens/logotipo ção.jpg"));
    variado.insert(QStringLiteral("IMPRESSAOLARGURA"), QStringLiteral("210.5"));
    variado.insert(QStringLiteral("IMPRESSAOCOMPRIMENTO"), QStringLiteral("1234.25"));
    variado.insert(QStringLiteral("LIMITE_DESCONTO"), QStringLiteral("7.25"));
    variado.insert(QStringLiteral("PERCENTUAL_POLITICA_INDIVIDUAL"), QStringLiteral("33.33"));
    variado.insert(QStringLiteral("LEITOS"), 40);
    variado.insert(QStringLiteral("DATAFOLHAPAG"), 0);
    variado.insert(QStringLiteral("MODELO_IMG"), QStringLiteral("7")); // outside the drop-down
    variado.insert(QStringLiteral("ALIQUOTADIARIA"), QStringLiteral("T1"));
    variado.insert(QStringLiteral("TEMPO_EXCLUIR"), QTime(1, 2, 3));
    variado.insert(QStringLiteral("DESCONSIDERAR_PERNOITE"), QTime(23, 59, 59));
    variado.insert(QStringLiteral("COR1"), QStringLiteral("clBtnFace"));
    variado.insert(QStringLiteral("COR2"), QStringLiteral("$00123456"));
    variado.insert(QStringLiteral("TEXTO_EMAIL"), QString(500, QChar(u'é')));
    variado.insert(QStringLiteral("HOST_SENHA"), QStringLiteral("s3nh@ 'x'"));

    const struct {
        const char *nome;
        QVariantMap valores;
    } casos[] = {{"linha que vem com o banco", {}}, {"todas as opções marcadas", todosS}, {"valores variados", variado}};

    qint64 esperadoLogs = 0;
    for (const auto &caso : casos) {
        SCOPED_TRACE(caso.nome);
        if (!caso.valores.isEmpty())
            gravarDireto(caso.valores);
        const Linha antes = linha();
        msg->esperar(kSucesso);
        const int r = naTela([](TFrmParametros *t) {
            EXPECT_EQ(t->windowTitle(), QStringLiteral("Parâmetros"));
            EXPECT_EQ(t->pcParametros->currentIndex(), 0);
            t->btnAtualizarClick();
        });
        EXPECT_EQ(r, QDialog::Accepted);
        EXPECT_EQ(msg->pendentes(), 0);
        esperarIguais(antes, linha());
        EXPECT_EQ(logs(), ++esperadoLogs);
    }
}

TEST_F(Parametros, TelaTemAsOnzeAbasNaOrdemEOsBotoesDeArquivoDependemDeQuemOsFaz)
{
    const QStringList abas{QStringLiteral("Empresariais"), QStringLiteral("Opcionais"), QStringLiteral("Impressão"),
                           QStringLiteral("Configurações"), QStringLiteral("Aparência"), QStringLiteral("Políticas"),
                           QStringLiteral("Alíquotas Fiscais"), QStringLiteral("Pesquisa de Satisfação"),
                           QStringLiteral("Motel"), QStringLiteral("Restaurante"), QStringLiteral("Integração")};
    naTela([&](TFrmParametros *t) {
        QStringList vistas;
        for (int i = 0; i < t->pcParametros->count(); ++i)
            vistas << t->pcParametros->tabText(i);
        EXPECT_EQ(vistas, abas);
        EXPECT_FALSE(t->btnCarregarDados->isEnabled());
        EXPECT_FALSE(t->btnCriarPagina->isEnabled());
        // company data is not typed; the web site and the logo are
        EXPECT_FALSE(edit(t, "RAZAO_SOCIAL")->isEnabled());
        EXPECT_FALSE(t->edtCNPJ->isEnabled());
        EXPECT_TRUE(edit(t, "HOMEPAGE")->isEnabled());
        EXPECT_TRUE(t->edtLogo->isEnabled());
        t->btnFecharClick();
    });

    int chamadas = 0;
    TFrmParametros::acaoCarregarDados = [&](TFrmParametros &t) {
        ++chamadas;
        edit(&t, "RAZAO_SOCIAL")->setText(QStringLiteral("CARREGADA"));
    };
    const Linha antes = linha();
    const int r = naTela([&](TFrmParametros *t) {
        ASSERT_TRUE(t->btnCarregarDados->isEnabled());
        t->btnCarregarDados->click();
        EXPECT_EQ(edit(t, "RAZAO_SOCIAL")->text(), QStringLiteral("CARREGADA"));
        t->btnFechar->click(); // leaving without saving writes nothing
    });
    EXPECT_EQ(chamadas, 1);
    EXPECT_EQ(r, QDialog::Rejected);
    esperarIguais(antes, linha());
    EXPECT_EQ(logs(), 0);
}

TEST_F(Parametros, CadaControleGravaNaSuaColuna)
{
    msg->esperar(kSucesso);
    naTela([&](TFrmParametros *t) {
        edit(t, "HOMEPAGE")->setText(QStringLiteral("www.pousada-d'avila.com.br"));
        edit(t, "HOST_SENHA")->setText(QStringLiteral("x'; DROP TABLE LOG; --"));
        t->edtCNPJ->setText(QStringLiteral("11222333000181"));
        static_cast<QTimeEdit *>(t->controle(QStringLiteral("TOLERANCIA_SAIDA")))->setTime(QTime(0, 45, 0));
        t->cbModeloImg->setCurrentIndex(2);
        t->cbCor1->definirCor(0xFF0000);
        t->cbCor2->definirCor(0x0A0B0C);
        t->marcar(QStringLiteral("MODO_MOTEL"), true);
        t->marcar(QStringLiteral("POLITICA_SABADO"), true);
        t->marcar(QStringLiteral("PERNOITE_TERCA"), false);
        edit(t, "ALIQUOTADIARIA")->setText(QStringLiteral("T2"));
        t->btnAtualizarClick();
    });
    const Linha l = linha();
    EXPECT_EQ(l.texto("HOMEPAGE"), QStringLiteral("www.pousada-d'avila.com.br"));
    EXPECT_EQ(l.texto("HOST_SENHA"), QStringLiteral("x'; DROP TABLE LOG; --"));
    EXPECT_EQ(l.texto("CNPJ"), kCnpjValido);
    EXPECT_EQ(l.hora("TOLERANCIA_SAIDA"), QTime(0, 45, 0));
    EXPECT_EQ(l.texto("MODELO_IMG"), QStringLiteral("2"));
    EXPECT_EQ(l.texto("COR1"), QStringLiteral("clBlue"));
    EXPECT_EQ(l.texto("COR2"), QStringLiteral("$000A0B0C"));
    EXPECT_EQ(l.texto("MODO_MOTEL"), QStringLiteral("S"));
    EXPECT_EQ(l.texto("POLITICA_SABADO"), QStringLiteral("S"));
    EXPECT_EQ(l.texto("POLITICA_SEXTA"), QStringLiteral("N"));
    EXPECT_EQ(l.texto("PERNOITE_TERCA"), QStringLiteral("N"));
    EXPECT_EQ(l.texto("PERNOITE_QUARTA"), QStringLiteral("S"));
    EXPECT_EQ(l.texto("ALIQUOTADIARIA"), QStringLiteral("T2"));
    EXPECT_EQ(logs(), 1);
}

TEST_F(Parametros, OpcaoSoFicaMarcadaComSMaiusculo)
{
    // lower-case "s", "S" and "N" on plain check boxes and on both weekday lists
    const struct {
        const char *coluna;
        const char *gravado;
        bool marcada;
        const char *depois;
    } casos[] = {
        {"VERIF_AUTO", "s", false, "N"},       {"ACENTOS", "s", false, "N"},
        {"POLITICA_SEGUNDA", "s", false, "N"}, {"PERNOITE_DOMINGO", "s", false, "N"},
        {"MODO_TOUCH", "S", true, "S"},        {"POLITICA_TERCA", "S", true, "S"},
        {"PERNOITE_SABADO", "N", false, "N"},
    };
    QVariantMap valores;
    for (const auto &c : casos)
        valores.insert(QLatin1String(c.coluna), QLatin1String(c.gravado));
    gravarDireto(valores);

    msg->esperar(kSucesso);
    naTela([&](TFrmParametros *t) {
        for (const auto &c : casos)
            EXPECT_EQ(t->marcado(QLatin1String(c.coluna)), c.marcada) << c.coluna;
        t->btnAtualizarClick();
    });
    const Linha l = linha();
    for (const auto &c : casos)
        EXPECT_EQ(l.texto(QLatin1String(c.coluna)), QLatin1String(c.depois)) << c.coluna;
}

TEST_F(Parametros, PrevisaoDeOcupacaoIndividual)
{
    const struct {
        qint64 uhs;
        const char *percentual;
        const char *rotulo;
    } casos[] = {
        {10, "30,00", "% (3 UH's)"}, {10, "", "% (0 UH's)"},     {10, "25", "% (3 UH's)"}, // 2,5 sobe
        {10, "24,9", "% (2 UH's)"},  {3, "33,33", "% (1 UH's)"}, {0, "50,00", "% (0 UH's)"},
        {7, "100,00", "% (7 UH's)"}, {10, "abc", "% (0 UH's)"},  {10, "12,", "% (1 UH's)"},
        {1500, "1,5", "% (23 UH's)"},
    };
    for (const auto &c : casos)
        EXPECT_EQ(previsaoOcupacao(QLatin1String(c.percentual), c.uhs), QLatin1String(c.rotulo))
            << c.uhs << " " << c.percentual;

    // only the rooms not deleted count
    for (int i = 1; i <= 12; ++i)
        banco().executar(QStringLiteral("INSERT INTO UH (NUMERO, EXCLUIDO) VALUES (?, ?)"),
                         {QString::number(100 + i), i <= 10 ? QStringLiteral("N") : QStringLiteral("S")});
    EXPECT_EQ(contarUhsAtivas(DM->Conexao), 10);
    gravarDireto({{QStringLiteral("PERCENTUAL_POLITICA_INDIVIDUAL"), QStringLiteral("50")}});
    naTela([&](TFrmParametros *t) {
        EXPECT_EQ(t->edtPercentualPolitica->text(), QStringLiteral("50,00"));
        EXPECT_EQ(t->lblOcupacao->text(), QStringLiteral("% (5 UH's)"));
        t->edtPercentualPolitica->setText(QStringLiteral("30,00"));
        EXPECT_EQ(t->lblOcupacao->text(), QStringLiteral("% (3 UH's)"));
        t->edtPercentualPolitica->clear();
        EXPECT_EQ(t->lblOcupacao->text(), QStringLiteral("% (0 UH's)"));
        t->btnFecharClick();
    });
}

TEST_F(Parametros, CnpjDaEmpresaConferidoConformeOAjusteGravado)
{
    const struct {
        const char *nome;
        const char *verifGravado;
        bool desmarcarNaTela;
        QString cnpj;
        bool recusa;
        QString gravado;
    } casos[] = {
        {"dígito errado", "S", false, QStringLiteral("11.222.333/0001-80"), true, {}},
        {"incompleto", "S", false, QStringLiteral("11.222.333"), true, {}},
        {"vale o gravado, não a caixa", "S", true, QStringLiteral("11.222.333/0001-80"), true, {}},
        {"máscara vazia não é conferida", "S", false, QString(), false, QString()},
        {"válido", "S", false, kCnpjValido, false, kCnpjValido},
        {"sem conferência", "N", false, QStringLiteral("11.222.333/0001-80"), false,
         QStringLiteral("11.222.333/0001-80")},
    };
    for (const auto &c : casos) {
        SCOPED_TRACE(c.nome);
        gravarDireto({{QStringLiteral("VERIF_CPF_CNPJ"), QLatin1String(c.verifGravado)},
                      {QStringLiteral("CNPJ"), QString()}});
        const Linha antes = linha();
        const qint64 logsAntes = logs();
        msg->esperar(c.recusa ? QStringLiteral("CNPJ Inválido!") : kSucesso);
        const int r = naTela([&](TFrmParametros *t) {
            EXPECT_EQ(t->edtCNPJ->displayText(), kCnpjVazio);
            t->edtCNPJ->setText(c.cnpj);
            if (c.desmarcarNaTela)
                t->marcar(QStringLiteral("VERIF_CPF_CNPJ"), false);
            t->marcar(QStringLiteral("MODO_MOTEL"), true);
            t->pcParametros->setCurrentIndex(8);
            const QString digitado = t->edtCNPJ->displayText();
            t->btnAtualizarClick();
            if (c.recusa) {
                EXPECT_EQ(t->pcParametros->currentIndex(), 0); // back on the CNPJ's tab
                EXPECT_EQ(t->edtCNPJ->displayText(), digitado); // nothing lost
                EXPECT_TRUE(t->marcado(QStringLiteral("MODO_MOTEL")));
            }
        });
        EXPECT_EQ(msg->pendentes(), 0);
        if (c.recusa) {
            EXPECT_NE(r, QDialog::Accepted);
            esperarIguais(antes, linha());
            EXPECT_EQ(logs(), logsAntes);
        } else {
            EXPECT_EQ(r, QDialog::Accepted);
            EXPECT_EQ(linha().texto("CNPJ"), c.gravado);
            EXPECT_EQ(linha().texto("MODO_MOTEL"), QStringLiteral("S"));
            gravarDireto({{QStringLiteral("MODO_MOTEL"), QStringLiteral("N")}});
        }
    }
}

TEST_F(Parametros, NumeroInvalidoRecusadoSemGravarNada)
{
    const QString largura =
        QStringLiteral("Largura da Página Inválida! Informe a largura em milímetros, como 210 ou 210,5.");
    const QString comprimento =
        QStringLiteral("Comprimento da Página Inválido! Informe o comprimento em milímetros, como 297 ou 297,5.");
    const QString leitos = QStringLiteral("Total de Leitos Inválido! Informe um número inteiro, como 40.");
    const QString dia =
        QStringLiteral("Dia de Cálculo da Folha de Pagamento Inválido! Informe um dia entre 1 e 31.");
    const QString desconto = QStringLiteral(
        "Limite de Desconto para Funcionários Inválido! Informe um percentual entre 0,00 e 100,00.");
    const QString ocupacao = QStringLiteral(
        "Limite de Ocupação Máxima Individual Inválido! Informe um percentual entre 0,00 e 100,00.");
    const struct {
        const char *coluna;
        const char *texto;
        QString mensagem;
        int aba;
    } casos[] = {
        {"IMPRESSAOLARGURA", "210.5", largura, 2}, // ponto decimal: 2105 ou 210,5?
        {"IMPRESSAOLARGURA", "abc", largura, 2},
        {"IMPRESSAOLARGURA", "", largura, 2},
        {"IMPRESSAOLARGURA", "210,555", largura, 2},
        {"IMPRESSAOLARGURA", "10.000.000", largura, 2}, // além de NUMERIC(9,2)
        {"IMPRESSAOCOMPRIMENTO", "-297", comprimento, 2},
        {"LEITOS", "4,5", leitos, 3},
        {"LEITOS", "", leitos, 3},
        {"LEITOS", "3.000.000.000", leitos, 3},
        {"DATAFOLHAPAG", "32", dia, 3},
        {"DATAFOLHAPAG", "x", dia, 3},
        {"LIMITE_DESCONTO", "100,01", desconto, 3},
        {"LIMITE_DESCONTO", "1,234", desconto, 3},
        {"PERCENTUAL_POLITICA_INDIVIDUAL", "", ocupacao, 5},
        {"PERCENTUAL_POLITICA_INDIVIDUAL", "5%", ocupacao, 5},
    };
    const Linha antes = linha();
    for (const auto &c : casos) {
        SCOPED_TRACE(std::string(c.coluna) + " = '" + c.texto + "'");
        msg->esperar(c.mensagem);
        const int r = naTela([&](TFrmParametros *t) {
            t->marcar(QStringLiteral("MODO_MOTEL"), true); // another change, not saved either
            edit(t, c.coluna)->setText(QLatin1String(c.texto));
            t->btnAtualizarClick();
            EXPECT_EQ(t->pcParametros->currentIndex(), c.aba);
            EXPECT_EQ(edit(t, c.coluna)->text(), QLatin1String(c.texto));
            EXPECT_TRUE(t->marcado(QStringLiteral("MODO_MOTEL")));
        });
        EXPECT_NE(r, QDialog::Accepted);
        EXPECT_EQ(msg->pendentes(), 0);
        esperarIguais(antes, linha());
    }
    EXPECT_EQ(logs(), 0);
}

TEST_F(Parametros, NumerosEmNotacaoBrasileiraGravados)
{
    const struct {
        const char *coluna;
        const char *texto;
        const char *gravado; // text of the stored value (money as "#,##0.00")
    } casos[] = {
        {"IMPRESSAOLARGURA", "1.234,5", "1.234,50"},
        {"IMPRESSAOCOMPRIMENTO", "297", "297,00"},
        {"LIMITE_DESCONTO", "12,5", "12,50"},
        {"PERCENTUAL_POLITICA_INDIVIDUAL", "100", "100,00"},
        {"LEITOS", "1.200", "1200"},
        {"DATAFOLHAPAG", "", "0"}, // empty payday is saved as 0
        {"DATAFOLHAPAG", "31", "31"},
    };
    for (const auto &c : casos) {
        SCOPED_TRACE(std::string(c.coluna) + " = '" + c.texto + "'");
        msg->esperar(kSucesso);
        naTela([&](TFrmParametros *t) {
            edit(t, c.coluna)->setText(QLatin1String(c.texto));
            t->btnAtualizarClick();
        });
        const Linha l = linha();
        const QString col = QLatin1String(c.coluna);
        const bool inteiro = col == QLatin1String("LEITOS") || col == QLatin1String("DATAFOLHAPAG");
        EXPECT_EQ(inteiro ? QString::number(l.inteiro(col)) : l.dinheiro(col).formatado(), QLatin1String(c.gravado));
    }
    // shown back as the screen shows them
    naTela([&](TFrmParametros *t) {
        EXPECT_EQ(edit(t, "IMPRESSAOLARGURA")->text(), QStringLiteral("1234,5"));
        EXPECT_EQ(edit(t, "LIMITE_DESCONTO")->text(), QStringLiteral("12,50"));
        EXPECT_EQ(edit(t, "LEITOS")->text(), QStringLiteral("1200"));
        t->btnFecharClick();
    });
}

TEST_F(Parametros, SalvarRecarregaOsParametrosParaAsOutrasTelas)
{
    tParametros().recarregar();
    ASSERT_TRUE(tParametros().carregado());
    ASSERT_FALSE(tParametros().sim(QStringLiteral("MODO_MOTEL")));
    int avisos = 0;
    QString visto;
    const int h = tParametros().aoRecarregar([&] {
        ++avisos;
        visto = tParametros().texto(QStringLiteral("NOME_FANTASIA"));
    });

    msg->esperar(kSucesso);
    naTela([&](TFrmParametros *t) {
        t->marcar(QStringLiteral("MODO_MOTEL"), true);
        edit(t, "NOME_FANTASIA")->setText(QStringLiteral("POUSADA DO SOL"));
        t->btnAtualizarClick();
    });
    EXPECT_TRUE(tParametros().sim(QStringLiteral("MODO_MOTEL")));
    EXPECT_EQ(avisos, 1);
    EXPECT_EQ(visto, QStringLiteral("POUSADA DO SOL"));

    // closing without saving reloads nothing
    naTela([&](TFrmParametros *t) {
        t->marcar(QStringLiteral("MODO_MOTEL"), false);
        t->btnFecharClick();
    });
    EXPECT_EQ(avisos, 1);
    EXPECT_TRUE(tParametros().sim(QStringLiteral("MODO_MOTEL")));

    tParametros().removerAoRecarregar(h);
    tParametros().recarregar();
    EXPECT_EQ(avisos, 1);
}

TEST_F(Parametros, CoresLidasEGravadasCadaUmaPorSi)
{
    const struct {
        const char *texto;
        std::optional<quint32> valor;
        const char *gravado;
    } casos[] = {
        {"clBlue", 0xFF0000, "clBlue"},
        {"clblue", 0xFF0000, "clBlue"},
        {"$00C08000", 0xC08000, "$00C08000"},
        {"$C08000", 0xC08000, "$00C08000"},
        {"$00FF0000", 0xFF0000, "clBlue"},
        {"12345", 0x3039, "$00003039"},
        {"clBtnFace", 0xFF00000F, "clBtnFace"},
        {"-16777201", 0xFF00000F, "clBtnFace"},
        {"clSkyBlue", 0xF0CAA6, "clSkyBlue"},
        {"azul", std::nullopt, ""},
        {"", std::nullopt, ""},
        {"$123456789", std::nullopt, ""},
    };
    for (const auto &c : casos) {
        EXPECT_EQ(textoParaCor(QLatin1String(c.texto)), c.valor) << c.texto;
        if (c.valor)
            EXPECT_EQ(corParaTexto(*c.valor), QLatin1String(c.gravado)) << c.texto;
    }

    // a first colour that is no colour does not keep the second from showing
    gravarDireto({{QStringLiteral("COR1"), QStringLiteral("nenhuma")}, {QStringLiteral("COR2"), QStringLiteral("clRed")}});
    msg->esperar(kSucesso);
    naTela([&](TFrmParametros *t) {
        EXPECT_EQ(t->cbCor1->cor(), kCorPadraoPesquisa);
        EXPECT_EQ(t->cbCor2->texto(), QStringLiteral("clRed"));
        t->btnAtualizarClick();
    });
    EXPECT_EQ(linha().texto("COR1"), QStringLiteral("$00C08000"));
    EXPECT_EQ(linha().texto("COR2"), QStringLiteral("clRed"));
}

TEST_F(Parametros, EdicoesDoTamanhoDasColunasEColunasFora)
{
    // Every text the screen writes fits its column, and every edit accepts as
    // many characters as its column holds.
    for (const Campo &c : campos()) {
        const Linha l = banco().ler(
            QStringLiteral("SELECT F.RDB$CHARACTER_LENGTH AS N, F.RDB$FIELD_TYPE AS T FROM RDB$RELATION_FIELDS R "
                           "JOIN RDB$FIELDS F ON F.RDB$FIELD_NAME = R.RDB$FIELD_SOURCE "
                           "WHERE R.RDB$RELATION_NAME = 'PARAMETROS' AND R.RDB$FIELD_NAME = ?"),
            {c.coluna});
        ASSERT_FALSE(l.vazia()) << c.coluna.toStdString() << " não existe";
        const bool texto = l.inteiro(QStringLiteral("T")) == 14 || l.inteiro(QStringLiteral("T")) == 37;
        if (texto && c.tipo != Tipo::Modelo)
            EXPECT_EQ(c.largura, l.inteiro(QStringLiteral("N"))) << c.coluna.toStdString();
    }
    // What an edit keeps of a typed text (its validator counts characters,
    // as the column does).
    const auto mantem = [](QLineEdit *e, const QString &digitado) {
        QString t = digitado;
        int pos = int(t.size());
        if (e->validator())
            e->validator()->validate(t, pos);
        return t.left(e->maxLength());
    };
    naTela([&](TFrmParametros *t) {
        for (const Campo &c : campos()) {
            auto *e = qobject_cast<QLineEdit *>(t->controle(c.coluna));
            if (!e || !e->inputMask().isEmpty())
                continue;
            const std::string col = c.coluna.toStdString();
            EXPECT_EQ(mantem(e, QString(c.largura + 5, u'A')), QString(c.largura, u'A')) << col;
            // Accented letters and emoji count one each, as in the column.
            const QString acentos = QString(c.largura, QChar(0x00C7));
            EXPECT_EQ(mantem(e, acentos), acentos) << col;
            QString emoji;
            for (int i = 0; i < c.largura; ++i)
                emoji += QString::fromUcs4(U"\U0001F600", 1);
            EXPECT_EQ(mantem(e, emoji), emoji) << col;
        }
        t->btnFecharClick();
    });

    // The columns of the table that the screen leaves alone are exactly these.
    const QStringList fora{QStringLiteral("ID_PARAMETROS"), QStringLiteral("SCRIPT"), QStringLiteral("ULTIMA_VERSAO"),
                           QStringLiteral("BAIRRO"), QStringLiteral("CEP"), QStringLiteral("TAXA_ATEND"),
                           QStringLiteral("TAXA_EMBALAGEM"), QStringLiteral("MODO_CARTAO"),
                           QStringLiteral("MSGADICFISCAL"), QStringLiteral("GARCON_IMP_COZINHA"),
                           QStringLiteral("MESA_APENAS_GARCON"), QStringLiteral("NOME_CLIENTE_MESA"),
                           QStringLiteral("LINHAS_ANTES_CHAPA"), QStringLiteral("NAO_CORTAR_PAPEL"),
                           QStringLiteral("COD_PRODUTO_BALANCA"), QStringLiteral("COD_PRODUTO_BALANCA_SOB")};
    const QSqlRecord r = linha().registro();
    QStringList naoTratadas;
    for (int i = 0; i < r.count(); ++i)
        if (!campo(r.fieldName(i)) && !fora.contains(r.fieldName(i)))
            naoTratadas << r.fieldName(i);
    EXPECT_TRUE(naoTratadas.isEmpty()) << naoTratadas.join(u',').toStdString();
    for (const QString &f : fora)
        EXPECT_EQ(campo(f), nullptr) << f.toStdString();
}

TEST_F(Parametros, TelefoneVazioGanhaMascaraAoEntrarSalvoFoneSemFormato)
{
    const struct {
        const char *texto;
        bool semFormato;
        bool mascara;
    } casos[] = {
        {"", false, true},
        {"(  )    -    ", false, true},
        {"", true, false},
        {"(11)3333-4444", false, false},
    };
    for (const auto &c : casos)
        EXPECT_EQ(mascaraFoneAoEntrar(QLatin1String(c.texto), c.semFormato), c.mascara ? kMascaraFone : QString())
            << c.texto << c.semFormato;

    // On the screen: the mask comes from the loaded settings; an untouched
    // empty mask is saved as an empty phone.
    gravarDireto({{QStringLiteral("FONE1"), QString()}, {QStringLiteral("FONE2"), QStringLiteral("(11)3333-4444")}});
    tParametros().recarregar();
    msg->esperar(kSucesso);
    naTela([&](TFrmParametros *t) {
        focar(t->edtFone1, true);
        focar(t->edtFone2, true);
        EXPECT_EQ(t->edtFone1->inputMask(), kMascaraFone.section(u';', 0, 0)); // Qt leaves out the blank
        EXPECT_EQ(t->edtFone1->displayText(), QStringLiteral("(  )    -    "));
        EXPECT_EQ(t->edtFone2->inputMask(), QString());
        focar(t->edtFone1, false);
        t->btnAtualizarClick();
    });
    EXPECT_EQ(linha().texto("FONE1"), QString());
    EXPECT_EQ(linha().texto("FONE2"), QStringLiteral("(11)3333-4444"));

    gravarDireto({{QStringLiteral("FONE_SEM_FORMATO"), QStringLiteral("S")}});
    tParametros().recarregar();
    naTela([&](TFrmParametros *t) {
        focar(t->edtFax, true);
        EXPECT_EQ(t->edtFax->inputMask(), QString());
        t->btnFecharClick();
    });
}

TEST_F(Parametros, CaminhoDoLogotipoSaiSemAspasEComAcentos)
{
    const struct {
        const char *entrada;
        const char *saida;
    } casos[] = {
        {"\"C:\\Quintara\\img\\logo.jpg\"", "C:\\Quintara\\img\\logo.jpg"},
        {"\"/home/joão/logo.jpg\"", "/home/joão/logo.jpg"},
        {"/home/joão/logo.jpg", "/home/joão/logo.jpg"},
        {"\"", "\""},
        {"", ""},
    };
    for (const auto &c : casos)
        EXPECT_EQ(tirarAspasCaminho(QString::fromUtf8(c.entrada)), QString::fromUtf8(c.saida)) << c.entrada;

    // Leaving the file-name edit strips the quotes and, even with accents
    // switched off, keeps the path as typed.
    gravarDireto({{QStringLiteral("ACENTOS"), QStringLiteral("N")}});
    tParametros().recarregar();
    naTela([&](TFrmParametros *t) {
        t->edtLogo->setText(QStringLiteral("\"/home/joão/logo.jpg\""));
        focar(t->edtLogo, true);
        focar(t->edtLogo, false);
        EXPECT_EQ(t->edtLogo->text(), QStringLiteral("/home/joão/logo.jpg"));
        t->btnFecharClick();
    });
}

TEST(ParametrosRegras, NumerosEPaginaVaziaNaNotacaoDaTela)
{
    const struct {
        const char *texto;
        int casas;
        std::optional<qint64> valor;
    } casos[] = {
        {"0", 2, 0},           {"210", 2, 21000},        {"210,5", 2, 21050},    {"1.234,56", 2, 123456},
        {" 12,50 ", 2, 1250},  {"12,", 2, 1200},         {"1234,5", 2, 123450},  {"210.5", 2, std::nullopt},
        {"1.23", 2, std::nullopt}, {"1,2,3", 2, std::nullopt}, {"-1", 2, std::nullopt}, {"", 2, std::nullopt},
        {"1,234", 2, std::nullopt}, {"40", 0, 4000},     {"4,5", 0, std::nullopt}, {"1.200", 0, 120000},
    };
    for (const auto &c : casos)
        EXPECT_EQ(lerNumeroBr(QLatin1String(c.texto), c.casas), c.valor) << c.texto;
    for (auto [centesimos, texto] : {std::pair<qint64, const char *>{21000, "210"}, {21050, "210,5"},
                                     {123425, "1234,25"}, {5, "0,05"}, {0, "0"}})
        EXPECT_EQ(textoPagina(centesimos), QLatin1String(texto));

    // an empty page size shows "0"
    QSqlRecord r;
    QSqlField f(QStringLiteral("IMPRESSAOLARGURA"), QMetaType(QMetaType::Double));
    f.setValue(QVariant());
    r.append(f);
    EXPECT_EQ(textosDoRegistro(Linha(r)).value(QStringLiteral("IMPRESSAOLARGURA")), QStringLiteral("0"));
}

TEST_F(Parametros, TelaCabeNumMonitorPequenoERolaAsAbasLongas)
{
    msg->esperar(QStringLiteral("Total de Leitos Inválido! Informe um número inteiro, como 40."));
    naTela([&](TFrmParametros *t) {
        t->setAttribute(Qt::WA_DontShowOnScreen);
        t->show();
        QApplication::processEvents();
        // never beyond a 1024 x 700 monitor, not even its minimum
        EXPECT_LE(t->width(), 1024);
        EXPECT_LE(t->height(), 700);
        EXPECT_LE(t->minimumSizeHint().width(), 1024);
        EXPECT_LE(t->minimumSizeHint().height(), 700);
        EXPECT_GE(t->width(), 533);
        EXPECT_GE(t->height(), 479);
        // every page scrolls inside the screen; the first six carry the header picture
        for (int i = 0; i < t->pcParametros->count(); ++i) {
            SCOPED_TRACE(t->pcParametros->tabText(i).toStdString());
            auto *rolagem = qobject_cast<QScrollArea *>(t->pcParametros->widget(i));
            ASSERT_NE(rolagem, nullptr);
            auto *figura = rolagem->widget()->findChild<QLabel *>(QStringLiteral("imgCabecalho"));
            EXPECT_EQ(figura != nullptr, i < 6);
            if (figura)
                EXPECT_FALSE(figura->pixmap().isNull());
        }
        // a refused field at the foot of a long page is brought into view
        t->setMaximumHeight(479);
        t->resize(t->width(), 479);
        QApplication::processEvents();
        auto *leitos = qobject_cast<QLineEdit *>(t->controle(QStringLiteral("LEITOS")));
        leitos->setText(QStringLiteral("muitos"));
        t->pcParametros->setCurrentIndex(0);
        t->btnAtualizarClick();
        auto *rolagem = qobject_cast<QScrollArea *>(t->pcParametros->currentWidget());
        ASSERT_NE(rolagem, nullptr);
        ASSERT_TRUE(rolagem->isAncestorOf(leitos));
        EXPECT_GT(rolagem->verticalScrollBar()->maximum(), 0) << "a página longa rola";
        const QRect naVista(leitos->mapTo(rolagem->viewport(), QPoint(0, 0)), leitos->size());
        EXPECT_TRUE(rolagem->viewport()->rect().contains(naVista));
        t->btnFecharClick();
    });
    EXPECT_EQ(logs(), 0);
}
