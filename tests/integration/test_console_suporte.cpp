// The support console as the support person uses it: each tool's button,
// its message and whether the console stays open, the import with its
// errors, and the commands the subsystem hands the main window.
#include "base/Comandos.h"
#include "base/Telas.h"
#include "core/PainelSuporte.h"
#include "integration/Comandos.h"
#include "integration/ImportacaoClientes.h"
#include "integration/TransferenciaPDV.h"
#include "integration/UnitSuporte.h"
#include "support/TelasTeste.h"

#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>

namespace {

class Console : public TelasTeste {
protected:
    void TearDown() override
    {
        Telas::liberarTodas();
        PainelSuporte::abrirSuporte = nullptr;
        TelasTeste::TearDown();
    }
};

class Registro : public RegistroComandos {
public:
    void registrarComando(const QString &nome, std::function<void()>) override { nomes << nome; }
    void adicionarTarefaTimer1(std::function<void()>) override {}
    void adicionarTarefaTimer2(std::function<void()>) override {}
    void adicionarTarefaDoDia(std::function<void()>) override {}
    void definirAbertura(Abertura, std::function<void()>) override {}
    QStringList nomes;
};

} // namespace

TEST_F(Console, ComandosDaIntegracao)
{
    Registro r;
    Integracao::registrarComandos(r);
    EXPECT_TRUE(r.nomes.contains(QStringLiteral("dxBarLargeButton39Click")));
    EXPECT_TRUE(r.nomes.contains(QStringLiteral("dxBarLargeButton47Click")));
    EXPECT_TRUE(r.nomes.contains(QStringLiteral("btnNonoDigitoClick")));
    ASSERT_TRUE(bool(PainelSuporte::abrirSuporte));
    bool aberta = false;
    Telas::interceptar<TFrmSuporte>([&](TFrmSuporte *f) {
        aberta = true;
        EXPECT_EQ(f->windowTitle(), QStringLiteral("Zentro Zurerodi Suporte"));
        EXPECT_EQ(FrmSuporte, f);
        return int(QDialog::Rejected);
    });
    PainelSuporte::abrirSuporte();
    EXPECT_TRUE(aberta);
}

TEST_F(Console, FerramentasFechamOuFicamConformeOTexto)
{
    struct Caso {
        QPushButton *TFrmSuporte::*botao;
        const QString *mensagem;
        bool fecha;
    } casos[] = {
        {&TFrmSuporte::btnEntradas, &Suporte::kMsgRealizada, true},
        {&TFrmSuporte::btnFormasPagamento, &Suporte::kMsgRealizada, true},
        {&TFrmSuporte::btnFormasDespesas, nullptr, false},
        {&TFrmSuporte::btnFuncionarios, &Suporte::kMsgRealizada, true},
        {&TFrmSuporte::btnAcentos, &Suporte::kMsgRealizada, true},
        {&TFrmSuporte::btnPessoas, &Suporte::kMsgConcluida, false},
    };
    for (const Caso &c : casos) {
        TFrmSuporte tela;
        tela.show();
        if (c.mensagem)
            msg->esperar(*c.mensagem);
        (tela.*c.botao)->click();
        EXPECT_EQ(msg->pendentes(), 0);
        EXPECT_EQ(tela.result() == QDialog::Accepted, c.fecha) << (tela.*c.botao)->text().toStdString();
        EXPECT_TRUE(tela.Progresso->isHidden());
    }
}

TEST_F(Console, ErroDeUmaFerramentaNumaCaixaEConsoleAberto)
{
    banco().executar(QStringLiteral("INSERT INTO CLIENTE (ID_CLIENTE, NOME) VALUES (2, 'JOSÉ')"));
    banco().executar(QStringLiteral("ALTER TABLE CLIENTE ADD CONSTRAINT CHK_RECUSA CHECK (NOME <> 'JOSE')"));
    TFrmSuporte tela;
    tela.show();
    msg->esperar(QString());
    tela.btnAcentos->click();
    ASSERT_EQ(msg->mostradas().size(), 1);
    EXPECT_EQ(msg->mostradas()[0].tipo, Mensagem::Tipo::Erro);
    EXPECT_TRUE(msg->mostradas()[0].texto.startsWith(QStringLiteral("O banco de dados recusou o cliente 2 (JOSÉ). Nada foi alterado.")))
        << msg->mostradas()[0].texto.toStdString();
    EXPECT_NE(tela.result(), int(QDialog::Accepted));
    EXPECT_TRUE(tela.Progresso->isHidden());
    EXPECT_EQ(banco().valor(QStringLiteral("SELECT NOME FROM CLIENTE WHERE ID_CLIENTE = 2")).toString(), QStringLiteral("JOSÉ"));
}

TEST_F(Console, FormasDesconhecidasSaoListadas)
{
    banco().executar(QStringLiteral("INSERT INTO WALK_IN (ID_WALK_IN, DATA_ENTRADA, DATA_SAIDA, BAIXA, FORMA_PAG, VALOR_DIARIA) "
                                    "VALUES (4, '2025-03-01', '2025-03-02', 'S', 'Pix', 10)"));
    TFrmSuporte tela;
    msg->esperar(QStringLiteral("Estes registros foram deixados como estavam:\nEntrada 4: forma de pagamento \"Pix\" desconhecida"));
    msg->esperar(Suporte::kMsgRealizada);
    tela.btnFormasPagamento->click();
    EXPECT_EQ(msg->pendentes(), 0);
}

TEST_F(Console, ImportacaoComErrosNoMemo)
{
    const QString arquivo = pasta() + QStringLiteral("/clientes.txt");
    QFile f(arquivo);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    auto linha = [](const char *nome, const char *data) {
        return QStringLiteral("\"1\"|\"%1\"|\"\"|%2|\"\"|\"SP\"|\"\"|\"\"|\"\"|\"\"|\"\"|\"\"|\"\"|\"\"\r\n")
            .arg(QString::fromUtf8(nome), QString::fromLatin1(data));
    };
    f.write((linha("Ana D'Ávila", "1980-05-20") + linha("Bia", "") + linha("Caio", "x") + QStringLiteral("\"so isso\"\r\n")
             + linha("Dani", "1990-01-01"))
                .toUtf8());
    f.close();
    TFrmSuporte tela;
    tela.show();
    tela.btnImportar->click(); // no file yet: nothing
    EXPECT_EQ(contar(QStringLiteral("SELECT COUNT(*) FROM CLIENTE")), 1);
    tela.arquivoImportacaoEscolhido(arquivo);
    EXPECT_EQ(tela.lblTotalReg->text(), QStringLiteral("5"));
    EXPECT_EQ(tela.Memo1->toPlainText().count(QLatin1Char('\n')), 4);
    msg->esperar(QStringLiteral("Erros: 3"));
    tela.btnImportar->click();
    EXPECT_EQ(tela.lblTotalReg->text(), QStringLiteral("5/5"));
    EXPECT_EQ(tela.MemoErros->toPlainText().split(QLatin1Char('\n')).size(), 3);
    EXPECT_EQ(banco().valor(QStringLiteral("SELECT LIST(NOME, ';') FROM CLIENTE")).toString(), QStringLiteral("ANA D'ÁVILA;DANI"));
    EXPECT_TRUE(tela.Progresso->isHidden());
}

TEST_F(Console, NomeEntreAspasPerdeAsAspas)
{
    EXPECT_EQ(TFrmSuporte::semAspas(QStringLiteral("\"C:\\BD\\ANTIGO.FDB\"")), QStringLiteral("C:\\BD\\ANTIGO.FDB"));
    EXPECT_EQ(TFrmSuporte::semAspas(QStringLiteral("/tmp/antigo.fdb")), QStringLiteral("/tmp/antigo.fdb"));
}

TEST_F(Console, CorrecaoDDDsMostraOPainelEIniciaNoBancoEscolhido)
{
    banco().executar(QStringLiteral("INSERT INTO CLIENTE (ID_CLIENTE, NOME, FONE_1) VALUES (2, 'ANA', '3456-7890')"));
    const QString antigo = pasta() + QStringLiteral("/antigo.fdb");
    ASSERT_TRUE(QFile::rename(copiarBancoModelo(pasta()), antigo));
    {
        ConexaoBanco c(QStringLiteral("prep"), antigo);
        c.conectar();
        c.executar(QStringLiteral("INSERT INTO CLIENTE (ID_CLIENTE, NOME, FONE_1, FAX) VALUES (2, 'ANA', '(11)3456-7890', '')"));
        c.desconectar();
    }
    TFrmSuporte tela;
    tela.show();
    EXPECT_TRUE(tela.pnlBDAntigo->isHidden());
    tela.btnDDDs->click();
    EXPECT_FALSE(tela.pnlBDAntigo->isHidden());
    tela.edtBDAntigo->setText(antigo);
    msg->esperar(Suporte::kMsgExecutada);
    tela.btnIniciar->click();
    EXPECT_EQ(banco().valor(QStringLiteral("SELECT FONE_1 FROM CLIENTE WHERE ID_CLIENTE = 2")).toString(),
              QStringLiteral("(11)3456-7890"));
    EXPECT_EQ(tela.result(), 0);
}

TEST_F(Console, TransferenciaAvisaOResultadoEFicaAberto)
{
    prepararCompanheiros();
    TFrmSuporte tela;
    tela.show();
    msg->esperar(TransferenciaPDV::kMsgSucesso);
    tela.btnTransferir->click();
    EXPECT_EQ(DM->ConexaoPDV.valor(QStringLiteral("SELECT NOME FROM VENDEDOR")).toString(), QStringLiteral("LOJA (VENDA)"));
    EXPECT_TRUE(tela.Progresso->isHidden());

    DM->ConexaoPDV.desconectar();
    DM->ConexaoPDV.definirCaminho(pasta() + QStringLiteral("/sem-pdv/BANCO.FDB"));
    msg->esperar(TransferenciaPDV::kMsgNaoEncontrado);
    tela.btnTransferir->click();
    EXPECT_EQ(msg->pendentes(), 0);
    EXPECT_NE(tela.result(), int(QDialog::Accepted));
}
