// Suppliers: the record's confirm chain in order, insert and alter with their
// rows and log texts, duplicates (deleted suppliers count), deletion through
// ANULACAO, the list's filters and orders.
#include "base/Telas.h"
#include "restaurant/Fornecedores.h"
#include "restaurant/UnitCadFornecedores.h"
#include "restaurant/UnitFornecedores.h"
#include "restaurant/UnitRelFornecedores.h"
#include "base/RelatorioPintura.h"
#include "support/MensagensRoteiro.h"
#include "support/TelasTeste.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>

using Fornecedores::Campo;
using Fornecedores::Dados;

namespace {

QString u8(const char *t) { return QString::fromUtf8(t); }

class FornecedoresTeste : public TelasTeste {
protected:
    void TearDown() override
    {
        Telas::liberarTodas();
        TelasTeste::TearDown();
    }
    Dados pessoa()
    {
        Dados d;
        d.tipo = QStringLiteral("F");
        d.documento = QStringLiteral("123.456.780-62");
        d.rg = QStringLiteral("MG123");
        d.nome = u8("JOÃO D'ÁVILA");
        d.email = QStringLiteral("joao@exemplo.com.br");
        return d;
    }
    qint64 fornecedor(const QString &nome, const QString &doc, const QString &tipo = QStringLiteral("J"))
    {
        return banco()
            .valor(QStringLiteral("INSERT INTO FORNECEDOR (NOME, CNPJ_CPF, TIPO_PESSOA) VALUES (?, ?, ?) RETURNING ID_FORNECEDOR"),
                   {nome, doc, tipo})
            .toLongLong();
    }
};

} // namespace

TEST_F(FornecedoresTeste, CadeiaDeConfirmacaoEmOrdem)
{
    const qint64 excluido = fornecedor(QStringLiteral("ANTIGO"), QStringLiteral("11.222.333/0001-81"));
    banco().executar(QStringLiteral("INSERT INTO ANULACAO (ID_FORNECEDOR) VALUES (?)"), {excluido});
    struct Caso {
        const char *verif;
        std::function<void(Dados &)> mudar;
        const char *mensagem;
        Campo foco;
    };
    const Caso casos[] = {
        {"N", [](Dados &d) { d.nome = QStringLiteral(" "); }, "Fornecedor Inválido!", Campo::Nome},
        {"N", [](Dados &d) { d.documento = QStringLiteral("   .   .   -  "); }, "CPF Inválido!", Campo::Documento},
        {"N", [](Dados &d) { d.tipo = QStringLiteral("J"); d.documento = QStringLiteral("  .   .   /    -  "); },
         "CNPJ Inválido!", Campo::Documento},
        {"S", [](Dados &d) { d.documento = QStringLiteral("123.456.780-63"); }, "CPF Inválido!", Campo::Documento},
        {"N", [](Dados &d) { d.rg.clear(); }, "Número do R.G. Inválido!", Campo::RG},
        {"N", [](Dados &d) { d.email = QStringLiteral(" joao@exemplo.com"); }, "Email Inválido!", Campo::Email},
        {"N", [](Dados &d) { d.nome = QStringLiteral("ANTIGO"); },
         "Este Fornecedor Já Está Cadastrado ou Já Foi Excluído do Sistema!", Campo::Nome},
        {"N", [](Dados &d) { d.tipo = QStringLiteral("J"); d.rg.clear(); d.documento = QStringLiteral("11.222.333/0001-81"); },
         "Este Fornecedor Já Está Cadastrado ou Já Foi Excluído do Sistema!", Campo::Nome},
        {"N", [](Dados &d) { d.contato = QString(21, QLatin1Char('A')); }, "O campo Contato aceita no máximo 20 caracteres!",
         Campo::Contato},
    };
    for (const Caso &c : casos) {
        SCOPED_TRACE(c.mensagem);
        parametro(QStringLiteral("VERIF_CPF_CNPJ"), QString::fromLatin1(c.verif));
        Dados d = pessoa();
        c.mudar(d);
        const Fornecedores::Resultado r = Fornecedores::confirmar(banco(), ModoEdicao::Incluir, 0, {}, d);
        EXPECT_FALSE(r.salvo);
        EXPECT_EQ(r.mensagem, u8(c.mensagem));
        EXPECT_EQ(r.foco, c.foco);
    }
    EXPECT_EQ(contar(QStringLiteral("SELECT COUNT(*) FROM FORNECEDOR")), 1);
    // A complete but wrong CPF is accepted without the check; a company needs no registration.
    parametro(QStringLiteral("VERIF_CPF_CNPJ"), QStringLiteral("N"));
    Dados d = pessoa();
    d.documento = QStringLiteral("123.456.780-63");
    EXPECT_TRUE(Fornecedores::confirmar(banco(), ModoEdicao::Incluir, 0, {}, d).salvo);
    Dados j;
    j.tipo = QStringLiteral("J");
    j.nome = QStringLiteral("EMPRESA");
    j.documento = QStringLiteral("45.723.174/0001-10");
    EXPECT_TRUE(Fornecedores::confirmar(banco(), ModoEdicao::Incluir, 0, {}, j).salvo);
}

TEST_F(FornecedoresTeste, InclusaoPelaTelaEAlteracao)
{
    parametro(QStringLiteral("VERIF_CPF_CNPJ"), QStringLiteral("S"));
    QString op = QStringLiteral("I");
    qint64 chave = 0;
    {
        TFrmCadFornecedores tela(op, 0);
        tela.show();
        ativar(&tela);
        EXPECT_EQ(tela.lblTitulo->text(), QStringLiteral("Novo Fornecedor"));
        EXPECT_TRUE(tela.rbFisica->isChecked());
        EXPECT_EQ(tela.lblDocumento->text(), QStringLiteral("CPF:"));
        EXPECT_EQ(focado(), tela.edtCpf_Cnpj);
        const QString codigo = tela.lblCodigo->text();
        // A wrong CPF is told on leaving the field and again on confirming.
        tela.edtCpf_Cnpj->setText(QStringLiteral("12345678063"));
        MensagensRoteiro msg;
        msg.esperar(u8("CPF Inválido!"));
        tela.edtNome->setFocus();
        msg.esperar(u8("CPF Inválido!"));
        tela.edtNome->setText(u8("JOÃO D'ÁVILA"));
        tela.btnConfirmarClick();
        EXPECT_EQ(msg.pendentes(), 0);
        EXPECT_EQ(focado(), tela.edtCpf_Cnpj);
        tela.edtCpf_Cnpj->setText(QStringLiteral("12345678062"));
        tela.edtNome->setFocus();
        EXPECT_TRUE(tela.Doc);
        tela.edtRG_InscEst->setText(QStringLiteral("MG123"));
        tela.edtFone->setFocus(); // an empty phone takes its mask and is stored empty when left untouched
        EXPECT_FALSE(tela.edtFone->inputMask().isEmpty());
        tela.edtEmail->setFocus();
        EXPECT_TRUE(tela.edtFone->inputMask().isEmpty());
        msg.esperar(Fornecedores::kMsgCadastrado, Mensagem::Sim);
        tela.btnConfirmarClick();
        EXPECT_EQ(msg.pendentes(), 0);
        chave = banco().valor(QStringLiteral("SELECT MAX(ID_FORNECEDOR) FROM FORNECEDOR")).toLongLong();
        EXPECT_EQ(QString::number(chave), codigo);
        // Another: no kind chosen, the data locked until one is.
        EXPECT_FALSE(tela.rbFisica->isChecked() || tela.rbJuridica->isChecked());
        EXPECT_FALSE(tela.pnlDados->isEnabled());
        EXPECT_EQ(tela.lblCodigo->text(), QString::number(chave + 1));
        tecla(tela.rbFisica, Qt::Key_J);
        EXPECT_TRUE(tela.rbJuridica->isChecked());
        EXPECT_EQ(tela.lblNome->text(), u8("Razão Social:"));
        EXPECT_TRUE(tela.pnlDados->isEnabled());
    }
    const Linha l = banco().ler(QStringLiteral("SELECT * FROM FORNECEDOR WHERE ID_FORNECEDOR = ?"), {chave});
    EXPECT_EQ(l.texto(QStringLiteral("CNPJ_CPF")), QStringLiteral("123.456.780-62"));
    EXPECT_EQ(l.texto(QStringLiteral("NOME")), u8("JOÃO D'ÁVILA"));
    EXPECT_EQ(l.texto(QStringLiteral("TIPO_PESSOA")), QStringLiteral("F"));
    EXPECT_TRUE(l.texto(QStringLiteral("FONE_1")).isEmpty());
    EXPECT_EQ(logs(), QStringList{u8("ADMIN|Incluiu Fornecedor -> Código %1 (JOÃO D'ÁVILA)").arg(chave)});

    // Alter without changing name or document; then to a deleted supplier's name.
    const qint64 velho = fornecedor(QStringLiteral("VELHO"), QStringLiteral("1"));
    banco().executar(QStringLiteral("INSERT INTO ANULACAO (ID_FORNECEDOR) VALUES (?)"), {velho});
    op = QStringLiteral("A");
    TFrmCadFornecedores alt(op, chave);
    alt.show();
    ativar(&alt);
    EXPECT_EQ(alt.lblTitulo->text(), QStringLiteral("Alterar Fornecedor"));
    EXPECT_EQ(alt.edtCpf_Cnpj->displayText(), QStringLiteral("123.456.780-62"));
    alt.edtCidade->setText(QStringLiteral("OURO PRETO"));
    MensagensRoteiro msg;
    msg.esperar(QStringLiteral("VELHO") == alt.edtNome->text() ? QString() : Fornecedores::kMsgAlterado);
    alt.btnConfirmarClick();
    EXPECT_EQ(banco().valor(QStringLiteral("SELECT CIDADE FROM FORNECEDOR WHERE ID_FORNECEDOR = ?"), {chave}).toString(),
              QStringLiteral("OURO PRETO"));
    EXPECT_EQ(logs().last(), u8("ADMIN|Alterou Fornecedor -> Código %1 (JOÃO D'ÁVILA)").arg(chave));
    Dados d = pessoa();
    d.nome = QStringLiteral("VELHO");
    EXPECT_EQ(Fornecedores::confirmar(banco(), ModoEdicao::Alterar, chave, pessoa(), d).mensagem,
              Fornecedores::kMsgDuplicado);
}

TEST_F(FornecedoresTeste, ListaFiltrosEExclusao)
{
    const qint64 a = fornecedor(QStringLiteral("BETA"), QStringLiteral("11.222.333/0001-81"));
    const qint64 b = fornecedor(QStringLiteral("ALFA"), QStringLiteral("123.456.780-62"), QStringLiteral("F"));
    banco().executar(QStringLiteral("INSERT INTO ANULACAO (ID_CLIENTE) VALUES (?)"), {a}); // another kind's row
    TFrmFornecedores lista;
    lista.show();
    ativar(&lista);
    ASSERT_EQ(lista.lista->modelo()->rowCount(), 2);
    EXPECT_EQ(lista.lista->texto(QStringLiteral("NOME")), QStringLiteral("ALFA"));
    // "CPF / CNPJ" searches the document, with its log line.
    lista.btnFiltrosClick();
    lista.lista->opcoesFiltro().at(1)->click();
    lista.lista->edtFiltro()->setText(QStringLiteral("333/0001"));
    lista.lista->buscar();
    ASSERT_EQ(lista.lista->modelo()->rowCount(), 1);
    EXPECT_EQ(lista.lista->inteiro(QStringLiteral("ID_FORNECEDOR")), a);
    EXPECT_EQ(logs().last(), u8("ADMIN|Tentou Localizar Fornecedor de CPF / CNPJ -> 333/0001"));

    MensagensRoteiro msg;
    msg.esperar(Fornecedores::kMsgConfirmaExclusao, Mensagem::Sim);
    msg.esperar(Fornecedores::kMsgExcluido);
    lista.btnExcluirClick();
    EXPECT_EQ(msg.pendentes(), 0);
    EXPECT_EQ(contar(QStringLiteral("SELECT COUNT(*) FROM ANULACAO WHERE ID_FORNECEDOR = ?"), {a}), 1);
    EXPECT_EQ(logs().last(), u8("ADMIN|Excluiu Fornecedor -> Código %1 (BETA)").arg(a));
    EXPECT_FALSE(Fornecedores::excluir(banco(), a, QStringLiteral("BETA")));
    EXPECT_EQ(banco().lerTodas(Fornecedores::sqlLista()).size(), 1);
    EXPECT_EQ(banco().lerTodas(Fornecedores::sqlListaTipo(QStringLiteral("J"))).size(), 0);
    EXPECT_EQ(banco().lerTodas(Fornecedores::sqlListaTipo(QStringLiteral("F"))).size(), 1);
    (void)b;
}

TEST_F(FornecedoresTeste, RelatorioComExcluidosETotal)
{
    const qint64 a = fornecedor(QStringLiteral("BETA"), QStringLiteral("11.222.333/0001-81"));
    fornecedor(QStringLiteral("ALFA"), QStringLiteral("123.456.780-62"), QStringLiteral("F"));
    banco().executar(QStringLiteral("INSERT INTO ANULACAO (ID_FORNECEDOR) VALUES (?)"), {a});
    // Every supplier, deleted ones included, by name, with the total.
    const Relatorio todos = RelFornecedores::relatorio(RelFornecedores::kTodos, RelFornecedores::linhas(0));
    QStringList nomes, resumo;
    for (const Relatorio::Banda &b : todos.bandas()) {
        if (b.tipo == Relatorio::TipoBanda::Detalhe && b.celulas.value(0).texto.startsWith(QStringLiteral("NOME")))
            nomes << b.celulas.value(1).texto;
        if (b.tipo == Relatorio::TipoBanda::Resumo)
            resumo << b.texto + QLatin1Char(' ') + b.celulas.value(0).texto;
    }
    EXPECT_EQ(nomes, (QStringList{QStringLiteral("ALFA"), QStringLiteral("BETA")}));
    EXPECT_EQ(resumo, QStringList{QStringLiteral("TOTAL DE FORNECEDORES: 2")});
    EXPECT_EQ(todos.linhaOpcoes(), QStringLiteral("[T O D O S   O S   F O R N E C E D O R E S]"));

    // The screen: one supplier printed to the preview and logged.
    Telas::interceptar<QDialog>([](QDialog *) { return int(QDialog::Accepted); });
    TFrmRelFornecedores tela;
    tela.cbFornecedores->setCurrentIndex(tela.cbFornecedores->findText(QStringLiteral("BETA")));
    int previas = 0;
    Telas::definirSemInterceptador([&](const char *) { ++previas; });
    tela.btnImprimirClick();
    EXPECT_EQ(previas, 1);
    EXPECT_EQ(logs().last(), u8("ADMIN|Impressão de Relatório"));
    Telas::definirSemInterceptador({});

    // A supplier gone from the table after the screen opened: nothing to print.
    const QString pdf = QDir::temp().filePath(QStringLiteral("fornecedores-teste.pdf"));
    RelatorioPintura::gravarPdf(todos, pdf);
    EXPECT_GT(QFileInfo(pdf).size(), 0);
    QFile::remove(pdf);
    EXPECT_TRUE(RelFornecedores::relatorio(QStringLiteral("X"), RelFornecedores::linhas(999)).vazio());
}
