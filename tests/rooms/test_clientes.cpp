// Customers: the confirm chain, insert and alteration through the record
// form, the document unique by its digits, the photo file, restriction and
// recovery in the list, the express check-in pick and the companion copy.
#include "base/Caminhos.h"
#include "base/Telas.h"
#include "core/UnitCaptura.h"
#include "rooms/Clientes.h"
#include "rooms/UnitCadClientes.h"
#include "rooms/UnitClientes.h"
#include "support/TelasTeste.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>
#include <atomic>
#include <thread>

using Mensagem::Nao;
using Mensagem::Ok;
using Mensagem::Sim;

namespace {

class Clientes_ : public TelasTeste {
protected:
    qint64 cliente(const QString &nome, const QString &doc, const QString &excluido = QStringLiteral("N"),
                   const QString &motivo = {}, const QString &lembrete = {}, const QString &tipo = QStringLiteral("F"))
    {
        return banco()
            .valor(QStringLiteral("INSERT INTO CLIENTE (NOME, CNPJ_CPF, EXCLUIDO, MOTIVO, LEMBRETE, TIPO_PESSOA, "
                                  "RG_INSC_EST, DATA_NASC) VALUES (?, ?, ?, ?, ?, ?, 'RG1', DATE '1980-05-02') "
                                  "RETURNING ID_CLIENTE"),
                   {nome, doc, excluido, motivo, lembrete, tipo})
            .toLongLong();
    }
    Linha linha(qint64 id)
    {
        return banco().ler(QStringLiteral("SELECT * FROM CLIENTE WHERE ID_CLIENTE = ?"), {id});
    }
    QVariantMap mapa(qint64 id)
    {
        const Linha l = linha(id);
        QVariantMap m;
        for (int i = 0; i < l.registro().count(); ++i)
            m.insert(l.registro().fieldName(i), l.valor(i));
        return m;
    }
    Linha ultimoLog()
    {
        return banco().ler(QStringLiteral("SELECT FIRST 1 * FROM LOG ORDER BY ID_LOG DESC"));
    }
    static Clientes::Dados pessoa()
    {
        Clientes::Dados d;
        d.tipo = QStringLiteral("F");
        d.documento = QStringLiteral("529.982.247-25");
        d.rg = QStringLiteral("12345");
        d.nome = QStringLiteral("MARIA D'ÁVILA");
        return d;
    }
    // Types the fields of a new person on the form and leaves the document.
    void preencherNovo(TFrmCadClientes *f, const QString &cpf = QStringLiteral("52998224725"))
    {
        f->edtCpf_Cnpj->setFocus();
        f->edtCpf_Cnpj->setCursorPosition(0);
        f->edtCpf_Cnpj->insert(cpf);
        focar(f->edtCpf_Cnpj, false);
        f->edtRG_InscEst->setText(QStringLiteral("MG-12.345"));
        f->edtNome->setText(QStringLiteral("JOÃO D'ÁVILA"));
        f->edtContato->setText(QStringLiteral("ANA"));
        f->edtEndereco->setText(QStringLiteral("RUA D'AJUDA"));
        f->edtNumero->setText(QStringLiteral("12A"));
        f->edtComplem->setText(QStringLiteral("CENTRO"));
        f->edtCidade->setEditText(QStringLiteral("OURO PRETO"));
        f->edtUF->setEditText(QStringLiteral("MG"));
        f->edtFone->setText(QStringLiteral("(31)3551-0000"));
        f->edtDataNasc->setDate(QDate(1975, 3, 4));
        f->edtEmail->setText(QStringLiteral("joao@exemplo.com.br"));
        f->edtvalorMin->setText(QStringLiteral("1.234,56"));
        f->edtObs->setText(QStringLiteral("QUARTO SILENCIOSO"));
        f->edtLembrete->setText(QStringLiteral("GOSTA DE CAFÉ"));
    }
};

} // namespace

TEST_F(Clientes_, CadeiaDeConfirmacaoNaOrdemComSeusTextos)
{
    const qint64 negativado = cliente(QStringLiteral("CALOTEIRO"), QStringLiteral("111.444.777-35"), QStringLiteral("S"));
    const qint64 outro = cliente(QStringLiteral("OUTRO"), QStringLiteral("390.533.447-05"));
    struct Caso {
        const char *nome;
        std::function<void(Clientes::Dados &, Clientes::Contexto &)> ajuste;
        const char *verif;
        const char *todos;
        QString mensagem;
        Clientes::Campo foco;
    };
    const QList<Caso> casos = {
        {"nome vazio", [](auto &d, auto &) { d.nome = QStringLiteral("  "); }, "S", "N", Clientes::kMsgClienteInvalido,
         Clientes::Campo::Nome},
        {"máscara de CPF intocada mesmo sem verificação",
         [](auto &d, auto &) { d.documento = Clientes::kCpfVazio; }, "N", "N", QStringLiteral("CPF Inválido!"),
         Clientes::Campo::Documento},
        {"CPF não verificado ao sair do campo", [](auto &, auto &c) { c.docVerificado = false; }, "S", "N",
         QStringLiteral("CPF Inválido!"), Clientes::Campo::Documento},
        {"CNPJ não verificado",
         [](auto &d, auto &c) {
             d.tipo = QStringLiteral("J");
             c.docVerificado = false;
         },
         "S", "N", QStringLiteral("CNPJ Inválido!"), Clientes::Campo::Documento},
        {"máscara de CNPJ intocada", [](auto &d, auto &) { d.documento = Clientes::kCnpjVazio; }, "N", "N",
         QStringLiteral("CNPJ Inválido!"), Clientes::Campo::Documento},
        {"documento vazio sem formato",
         [](auto &d, auto &c) {
             d.documento.clear();
             c.semFormato = true;
         },
         "S", "N", QStringLiteral("CPF / CNPJ Inválido!"), Clientes::Campo::Documento},
        {"nenhum tipo escolhido", [](auto &d, auto &) { d.tipo.clear(); }, "N", "N", Clientes::kMsgTipoInvalido,
         Clientes::Campo::Documento},
        {"pessoa sem RG", [](auto &d, auto &) { d.rg = QStringLiteral(" "); }, "S", "N",
         QStringLiteral("Número do R.G. Inválido!"), Clientes::Campo::Rg},
        {"empresa sem inscrição é aceita",
         [](auto &d, auto &) {
             d.tipo = QStringLiteral("J");
             d.documento = QStringLiteral("11.222.333/0001-81");
             d.rg.clear();
         },
         "S", "N", QString(), Clientes::Campo::Nenhum},
        {"e-mail com brancos", [](auto &d, auto &) { d.email = QStringLiteral(" a@b.com"); }, "S", "N",
         QStringLiteral("Email Inválido!"), Clientes::Campo::Email},
        {"e-mail com final de cinco letras", [](auto &d, auto &) { d.email = QStringLiteral("a@b.abcde"); }, "S", "N",
         QStringLiteral("Email Inválido!"), Clientes::Campo::Email},
        {"e-mail .com.br passa", [](auto &d, auto &) { d.email = QStringLiteral("a.b@c.com.br"); }, "S", "N", QString(),
         Clientes::Campo::Nenhum},
        {"todos os campos obrigatórios", [](auto &d, auto &) { d.email = QStringLiteral("a@b.com"); }, "S", "S",
         QStringLiteral("Necessário o Preenchimento de todos os campos obrigatórios:\r\rCPF/CNPJ\rRG/Inscrição "
                        "Estadual\rNome/Razão Social\rEndereço\rBairro\rCidade\rEstado\rTelefone\rEmail\r\rQualquer "
                        "dúvida entre em contato com a gerência!"),
         Clientes::Campo::Nenhum},
        {"telefone com a máscara vazia conta como preenchido",
         [](auto &d, auto &) {
             d.endereco = d.bairro = d.cidade = QStringLiteral("X");
             d.estado = QStringLiteral("MG");
             d.fone = QStringLiteral("(  )    -    ");
             d.email = QStringLiteral("a@b.com");
         },
         "S", "S", QString(), Clientes::Campo::Nenhum},
        {"limite mínimo ilegível", [](auto &d, auto &) { d.valorMinimo = QStringLiteral("ABC"); }, "S", "N",
         Clientes::kMsgValorMinimoInvalido, Clientes::Campo::ValorMinimo},
        {"mesmo CPF sem pontuação de um negativado",
         [](auto &d, auto &c) {
             d.documento = QStringLiteral("11144477735");
             c.semFormato = true;
         },
         "S", "N", QStringLiteral("Este Cliente Já Está Cadastrado ou Já Foi Excluído do Sistema!"),
         Clientes::Campo::Nome},
        {"alteração que não muda o documento",
         [outro](auto &d, auto &c) {
             c.modo = ModoEdicao::Alterar;
             c.idCliente = outro;
             c.documentoAnterior = QStringLiteral("390.533.447-05");
             d.documento = QStringLiteral("390.533.447-05");
         },
         "S", "N", QString(), Clientes::Campo::Nenhum},
        {"alteração para o documento de um negativado",
         [outro](auto &d, auto &c) {
             c.modo = ModoEdicao::Alterar;
             c.idCliente = outro;
             c.documentoAnterior = QStringLiteral("390.533.447-05");
             d.documento = QStringLiteral("111.444.777-35");
         },
         "S", "N", QStringLiteral("Este Cliente Já Está Cadastrado ou Já Foi Excluído do Sistema!"),
         Clientes::Campo::Nome},
    };
    (void)negativado;
    for (const Caso &c : casos) {
        SCOPED_TRACE(c.nome);
        banco().executar(QStringLiteral("UPDATE PARAMETROS SET VERIF_CPF_CNPJ = ?, CLIENTE_TODOS_CAMPOS = ?"),
                         {QString::fromLatin1(c.verif), QString::fromLatin1(c.todos)});
        tParametros().recarregar();
        Clientes::Dados d = pessoa();
        Clientes::Contexto ctx;
        ctx.docVerificado = true;
        c.ajuste(d, ctx);
        const Clientes::Recusa r = Clientes::verificar(banco(), d, ctx);
        EXPECT_EQ(r.mensagem, c.mensagem);
        EXPECT_EQ(r.foco, c.foco);
    }
}

TEST_F(Clientes_, NovoClientePeloFormularioGravaValoresLogEFoto)
{
    parametro(QStringLiteral("VERIF_CPF_CNPJ"), QStringLiteral("S"));
    TFrmCadClientes f(QStringLiteral("I"));
    f.show();
    ativar(&f);
    EXPECT_EQ(f.lblTitulo->text(), QStringLiteral("Novo Cliente"));
    EXPECT_TRUE(f.rbFisica->isChecked());
    EXPECT_EQ(f.lblDocumento->text(), QStringLiteral("CPF:"));
    EXPECT_FALSE(f.btnCapturarFoto->isEnabled());
    preencherNovo(&f);
    EXPECT_TRUE(f.Doc);
    EXPECT_TRUE(f.btnCapturarFoto->isEnabled());
    EXPECT_EQ(f.edtCpf_Cnpj->displayText(), QStringLiteral("529.982.247-25"));

    // a capture is only held by the screen until the save
    QString temporario;
    Telas::interceptar<TVideoForm>([&](TVideoForm *v) {
        EXPECT_EQ(v->Tela, QStringLiteral("Clientes"));
        temporario = TVideoForm::caminhoFoto(v->documentoCliente()) + QStringLiteral(".jpg");
        QImage i(40, 50, QImage::Format_RGB32);
        i.fill(Qt::red);
        QDir().mkpath(QFileInfo(temporario).absolutePath());
        i.save(temporario, "JPG");
        v->carregarFoto(temporario);
        return int(QDialog::Accepted);
    });
    f.btnCapturarFotoClick();
    EXPECT_FALSE(QFile::exists(temporario));
    const QString arquivo = Caminhos::naInstalacao(QStringLiteral("img/cli/52998224725.jpg"));
    EXPECT_FALSE(QFile::exists(arquivo));

    msg->esperar(QStringLiteral("Cliente Cadastrado com Sucesso! Deseja Cadastrar Outro Cliente?"), Nao);
    f.btnConfirmarClick();
    EXPECT_EQ(f.result(), QDialog::Accepted);
    const qint64 id = f.idSalvo();
    ASSERT_GT(id, 1);
    const Linha l = linha(id);
    EXPECT_EQ(l.texto(QStringLiteral("NOME")), QStringLiteral("JOÃO D'ÁVILA"));
    EXPECT_EQ(l.texto(QStringLiteral("CNPJ_CPF")), QStringLiteral("529.982.247-25"));
    EXPECT_EQ(l.texto(QStringLiteral("TIPO_PESSOA")), QStringLiteral("F"));
    EXPECT_EQ(l.texto(QStringLiteral("ENDERECO")), QStringLiteral("RUA D'AJUDA"));
    EXPECT_EQ(l.texto(QStringLiteral("CIDADE")), QStringLiteral("OURO PRETO"));
    EXPECT_EQ(l.texto(QStringLiteral("FONE_1")), QStringLiteral("(31)3551-0000"));
    EXPECT_EQ(l.dinheiro(QStringLiteral("VALOR_MIN")).centavos(), 123456);
    EXPECT_EQ(l.data(QStringLiteral("DATA_NASC")), QDate(1975, 3, 4));
    EXPECT_EQ(l.data(QStringLiteral("DATA_CADASTRO")), QDate(2026, 12, 10));
    EXPECT_EQ(l.texto(QStringLiteral("USUARIO")), QStringLiteral("ADMIN"));
    EXPECT_EQ(l.texto(QStringLiteral("EXCLUIDO")), QStringLiteral("N"));
    EXPECT_EQ(l.texto(QStringLiteral("FOTO")), arquivo);
    EXPECT_EQ(l.texto(QStringLiteral("CEP")), QString());
    EXPECT_TRUE(QFile::exists(arquivo));
    EXPECT_EQ(QImage(arquivo).size(), QSize(40, 50));

    const Linha log = ultimoLog();
    EXPECT_EQ(log.texto(QStringLiteral("OPERACAO")), QStringLiteral("Incluiu Novo Cliente"));
    EXPECT_EQ(log.texto(QStringLiteral("ANTES")),
              QStringLiteral("CÓDIGO: %1\rCNPJ/CPF: 529.982.247-25\rRG/INCRIÇÃO ESTADUAL: MG-12.345\r"
                             "NOME: JOÃO D'ÁVILA\rCONTATO: ANA\rENDEREÇO: RUA D'AJUDA\rBAIRRO: CENTRO\r"
                             "CIDADE: OURO PRETO\rESTADO: MG\rCEP: \rTELEFONE: (31)3551-0000\rFAX: \r"
                             "DATA DE NASCIMENTO: 04/03/1975\rEMAIL: joao@exemplo.com.br\rVALOR MÍNIMO: R$ 1.234,56\r"
                             "OBSERVAÇÕES: QUARTO SILENCIOSO\rLEMBRETE PESSOAL: GOSTA DE CAFÉ")
                  .arg(id));
    EXPECT_EQ(log.texto(QStringLiteral("DEPOIS")), QString());
}

TEST_F(Clientes_, CadastrarOutroRecomecaEDuplicadoNaoDeixaFotoOrfa)
{
    parametro(QStringLiteral("VERIF_CPF_CNPJ"), QStringLiteral("N"));
    cliente(QStringLiteral("JÁ EXISTE"), QStringLiteral("52998224725"));
    TFrmCadClientes f(QStringLiteral("I"));
    f.show();
    ativar(&f);
    preencherNovo(&f);
    Telas::interceptar<TVideoForm>([&](TVideoForm *v) {
        const QString t = TVideoForm::caminhoFoto(v->documentoCliente()) + QStringLiteral(".jpg");
        QImage i(10, 10, QImage::Format_RGB32);
        i.fill(Qt::blue);
        QDir().mkpath(QFileInfo(t).absolutePath());
        i.save(t, "JPG");
        v->carregarFoto(t);
        return int(QDialog::Accepted);
    });
    f.btnCapturarFotoClick();
    msg->esperar(QStringLiteral("Este Cliente Já Está Cadastrado ou Já Foi Excluído do Sistema!"));
    f.btnConfirmarClick();
    EXPECT_EQ(focado(), f.edtNome);
    EXPECT_TRUE(QDir(Caminhos::naInstalacao(QStringLiteral("img/cli"))).entryList(QDir::Files).isEmpty());
    EXPECT_EQ(contar(QStringLiteral("SELECT COUNT(*) FROM CLIENTE")), 2);

    // another document, then "Yes" starts over for the next customer
    f.rbJuridica->setChecked(true);
    f.rbJuridicaClick();
    EXPECT_FALSE(f.Doc);
    EXPECT_EQ(f.lblNome->text(), QStringLiteral("Razão Social:"));
    f.edtCpf_Cnpj->setCursorPosition(0);
    f.edtCpf_Cnpj->insert(QStringLiteral("11222333000181"));
    focar(f.edtCpf_Cnpj, false);
    msg->esperar(QStringLiteral("Cliente Cadastrado com Sucesso! Deseja Cadastrar Outro Cliente?"), Sim);
    f.btnConfirmarClick();
    EXPECT_EQ(contar(QStringLiteral("SELECT COUNT(*) FROM CLIENTE WHERE CNPJ_CPF = '11.222.333/0001-81' AND "
                                    "TIPO_PESSOA = 'J'")),
              1);
    EXPECT_TRUE(f.rbFisica->isChecked());
    EXPECT_EQ(f.edtNome->text(), QString());
    EXPECT_EQ(f.edtvalorMin->text(), QStringLiteral("0,00"));
    EXPECT_EQ(f.edtDataNasc->date(), QDate(1900, 1, 1));
    EXPECT_EQ(f.edtCpf_Cnpj->displayText(), Clientes::kCpfVazio);
}

TEST_F(Clientes_, TrocaDeTipoLimpaDocumentoVerificado)
{
    parametro(QStringLiteral("VERIF_CPF_CNPJ"), QStringLiteral("S"));
    TFrmCadClientes f(QStringLiteral("I"));
    f.show();
    ativar(&f);
    preencherNovo(&f);
    ASSERT_TRUE(f.Doc);
    f.rbJuridica->setChecked(true);
    f.rbJuridicaClick();
    f.edtCpf_Cnpj->setCursorPosition(0);
    f.edtCpf_Cnpj->insert(QStringLiteral("11111111111111"));
    // F10 without leaving the field: the CPF checked before counts for nothing
    msg->esperar(QStringLiteral("CNPJ Inválido!"));
    f.btnConfirmarClick();
    EXPECT_EQ(contar(QStringLiteral("SELECT COUNT(*) FROM CLIENTE")), 1);
}

// F10 with the cursor still in the document field confirms what it holds now.
TEST_F(Clientes_, F10NoCampoDoCpfVerificaODigitado)
{
    parametro(QStringLiteral("VERIF_CPF_CNPJ"), QStringLiteral("S"));
    const struct {
        const char *cpf;
        const char *mensagem; // nullptr: saved
    } casos[] = {
        {"12345678062", nullptr},
        {"12345678063", "CPF Inválido!"},
    };
    for (const auto &c : casos) {
        SCOPED_TRACE(c.cpf);
        TFrmCadClientes f(QStringLiteral("I"));
        f.show();
        ativar(&f);
        f.edtRG_InscEst->setText(QStringLiteral("MG-1"));
        f.edtNome->setText(QStringLiteral("CARLOS"));
        f.edtCpf_Cnpj->setFocus();
        f.edtCpf_Cnpj->setCursorPosition(0);
        digitar(f.edtCpf_Cnpj, QString::fromLatin1(c.cpf));
        ASSERT_EQ(focado(), f.edtCpf_Cnpj);
        if (c.mensagem)
            msg->esperar(QString::fromUtf8(c.mensagem));
        else
            msg->esperar(QStringLiteral("Cliente Cadastrado com Sucesso! Deseja Cadastrar Outro Cliente?"), Nao);
        tecla(f.edtCpf_Cnpj, Qt::Key_F10);
        EXPECT_EQ(msg->pendentes(), 0);
        EXPECT_EQ(contar(QStringLiteral("SELECT COUNT(*) FROM CLIENTE WHERE CNPJ_CPF = ?"),
                         {QStringLiteral("123.456.780-62")}),
                  1);
    }
}

// Clicking into an empty masked field puts the cursor at its first
// position, so the digits typed next are taken.
TEST_F(Clientes_, CampoComMascaraVazioRecebeODigitadoAposClique)
{
    TFrmCadClientes f(QStringLiteral("I"));
    f.show();
    ativar(&f);
    const auto clicarNoFim = [](QLineEdit *e) {
        const QPointF p(e->width() - 4, e->height() / 2);
        QMouseEvent press(QEvent::MouseButtonPress, p, e->mapToGlobal(p), Qt::LeftButton, Qt::LeftButton,
                          Qt::NoModifier);
        QMouseEvent release(QEvent::MouseButtonRelease, p, e->mapToGlobal(p), Qt::LeftButton, Qt::NoButton,
                            Qt::NoModifier);
        e->setFocus(Qt::MouseFocusReason);
        QApplication::sendEvent(e, &press);
        QApplication::sendEvent(e, &release);
    };
    const struct {
        QLineEdit *TFrmCadClientes::*campo;
        const char *digitos;
        const char *visto;
    } casos[] = {
        {&TFrmCadClientes::edtCpf_Cnpj, "12345678062", "123.456.780-62"},
        {&TFrmCadClientes::edtCEP, "35400000", "35400-000"},
        {&TFrmCadClientes::edtFone, "3135510000", "(31)3551-0000"},
    };
    for (const auto &c : casos) {
        QLineEdit *e = f.*c.campo;
        SCOPED_TRACE(e->objectName().toStdString());
        clicarNoFim(e);
        ASSERT_FALSE(e->inputMask().isEmpty());
        EXPECT_EQ(e->cursorPosition(), 0);
        digitar(e, QString::fromLatin1(c.digitos));
        EXPECT_EQ(e->displayText(), QString::fromUtf8(c.visto));
    }
}

// A birth date typed key by key is the date typed.
TEST_F(Clientes_, DataDeNascimentoDigitadaEAData)
{
    parametro(QStringLiteral("VERIF_CPF_CNPJ"), QStringLiteral("N"));
    TFrmCadClientes f(QStringLiteral("I"));
    f.show();
    ativar(&f);
    const struct {
        const char *texto;
        bool clique; // entered by a click on the year, otherwise by Tab
    } casos[] = {{"15031985", false}, {"15/03/1985", false}, {"15031985", true}, {"15/3/1985", true}};
    for (const auto &c : casos) {
        const char *t = c.texto;
        SCOPED_TRACE(std::string(t) + (c.clique ? " clique" : " tab"));
        f.edtDataNasc->setDate(QDate(1900, 1, 1));
        f.edtEmail->setFocus(Qt::TabFocusReason);
        if (c.clique) {
            QWidget *alvo = f.edtDataNasc->findChild<QLineEdit *>();
            const QPointF p(alvo->width() - 30, alvo->height() / 2);
            f.edtDataNasc->setFocus(Qt::MouseFocusReason);
            QMouseEvent press(QEvent::MouseButtonPress, p, alvo->mapToGlobal(p), Qt::LeftButton, Qt::LeftButton,
                              Qt::NoModifier);
            QMouseEvent release(QEvent::MouseButtonRelease, p, alvo->mapToGlobal(p), Qt::LeftButton, Qt::NoButton,
                                Qt::NoModifier);
            // Where a click lands: the picker's inner text field.
            QApplication::sendEvent(alvo, &press);
            QApplication::sendEvent(alvo, &release);
        } else {
            f.edtDataNasc->setFocus(Qt::TabFocusReason);
        }
        QApplication::processEvents();
        for (QChar ch : QString::fromLatin1(t))
            tecla(focado(), ch == QLatin1Char('/') ? Qt::Key_Slash : Qt::Key_0 + (ch.unicode() - '0'), Qt::NoModifier,
                  QString(ch));
        EXPECT_EQ(f.edtDataNasc->date(), QDate(1985, 3, 15));
        tecla(focado(), Qt::Key_Tab);
        EXPECT_EQ(f.edtDataNasc->date(), QDate(1985, 3, 15));
    }
}

// The list opens with the cursor in the name search; "Sair - (Ctrl + X)"
// leaves it from there, and the typed name is not cut.
TEST_F(Clientes_, CtrlXNaBuscaSaiDaLista)
{
    TFrmClientes lista;
    lista.show();
    ativar(&lista);
    lista.edtNome->setFocus();
    digitar(lista.edtNome, QStringLiteral("MAR"));
    lista.edtNome->selectAll();
    ASSERT_EQ(focado(), lista.edtNome);
    tecla(lista.edtNome, Qt::Key_X, Qt::ControlModifier);
    EXPECT_FALSE(lista.isVisible());
    EXPECT_EQ(lista.edtNome->text(), QStringLiteral("MAR"));
}

TEST_F(Clientes_, AlteracaoGravaPorParametrosComLogEFotoPadrao)
{
    const qint64 id = cliente(QStringLiteral("PEDRO"), QStringLiteral("529.982.247-25"));
    banco().executar(QStringLiteral("UPDATE CLIENTE SET VALOR_MIN = 50, MOTIVO = 'ANTIGO', EXCLUIDO = 'R', "
                                    "USUARIO = 'JOSE', DATA_CADASTRO = DATE '2020-01-01' WHERE ID_CLIENTE = ?"),
                     {id});
    const qint64 vizinho = cliente(QStringLiteral("VIZINHO"), QStringLiteral("390.533.447-05"));
    const QString foto = Caminhos::naInstalacao(QStringLiteral("img/cli/52998224725.jpg"));
    QDir().mkpath(QFileInfo(foto).absolutePath());
    QImage antiga(30, 30, QImage::Format_RGB32);
    antiga.fill(Qt::green);
    antiga.save(foto, "JPG");
    banco().executar(QStringLiteral("UPDATE CLIENTE SET FOTO = ? WHERE ID_CLIENTE = ?"), {foto, id});

    TFrmCadClientes f(QStringLiteral("A"), mapa(id));
    f.show();
    ativar(&f);
    EXPECT_EQ(f.lblTitulo->text(), QStringLiteral("Alterar Cliente"));
    EXPECT_EQ(f.lblCodigo->text(), QStringLiteral("CÓDIGO DO CLIENTE: %1").arg(id));
    EXPECT_TRUE(f.Doc);
    EXPECT_EQ(f.edtvalorMin->text(), QStringLiteral("50,00"));
    EXPECT_TRUE(f.btnExcluirFoto->isEnabled());
    EXPECT_FALSE(f.btnCapturarFoto->isEnabled());
    EXPECT_FALSE(f.fotoPadrao());
    f.edtNome->setText(QStringLiteral("PEDRO D'ÁVILA"));
    f.edtNumero->setText(QStringLiteral("1234567890"));
    f.edtvalorMin->setText(QStringLiteral("-1.234,56"));
    f.btnExcluirFotoClick();
    msg->esperar(QStringLiteral("Operação Executada com Sucesso!"));
    f.btnConfirmarClick();
    EXPECT_EQ(f.result(), QDialog::Accepted);

    const Linha l = linha(id);
    EXPECT_EQ(l.texto(QStringLiteral("NOME")), QStringLiteral("PEDRO D'ÁVILA"));
    EXPECT_EQ(l.texto(QStringLiteral("NUMERO")), QStringLiteral("1234567890"));
    EXPECT_EQ(l.dinheiro(QStringLiteral("VALOR_MIN")).centavos(), 123456); // the minus sign is dropped
    EXPECT_EQ(l.texto(QStringLiteral("EXCLUIDO")), QStringLiteral("R"));
    EXPECT_EQ(l.texto(QStringLiteral("MOTIVO")), QStringLiteral("ANTIGO"));
    EXPECT_EQ(l.texto(QStringLiteral("USUARIO")), QStringLiteral("JOSE"));
    EXPECT_EQ(l.data(QStringLiteral("DATA_CADASTRO")), QDate(2020, 1, 1));
    EXPECT_EQ(linha(vizinho).texto(QStringLiteral("NOME")), QStringLiteral("VIZINHO"));
    // the placeholder replaced the old picture
    EXPECT_NE(QImage(foto).size(), QSize(30, 30));
    const Linha log = ultimoLog();
    EXPECT_EQ(log.texto(QStringLiteral("OPERACAO")), QStringLiteral("Alterou Dados do Cliente"));
    EXPECT_EQ(log.texto(QStringLiteral("ANTES")),
              QStringLiteral("CÓDIGO: %1\rCNPJ/CPF: 529.982.247-25\rRG/INCRIÇÃO ESTADUAL: RG1\rNOME: PEDRO\r"
                             "CONTATO: \rENDEREÇO: \rNUMERO: \rBAIRRO: \rCIDADE: \rESTADO: \rCEP: \rTELEFONE: \r"
                             "FAX: \rDATA DE NASCIMENTO: 02/05/1980\rEMAIL: \rVALOR MÍNIMO: R$ 50,00\r"
                             "OBSERVAÇÕES: \rLEMBRETE: ")
                  .arg(id));
    EXPECT_EQ(log.texto(QStringLiteral("DEPOIS")),
              QStringLiteral("CÓDIGO: %1\rCNPJ/CPF: 529.982.247-25\rRG/INCRIÇÃO ESTADUAL: RG1\r"
                             "NOME: PEDRO D'ÁVILA\rCONTATO: \rENDEREÇO: \rNUMERO: 1234567890\rBAIRRO: \rCIDADE: \r"
                             "ESTADO: \rCEP: \rTELEFONE: \rFAX: \rDATA DE NASCIMENTO: 02/05/1980\rEMAIL: \r"
                             "VALOR MÍNIMO: R$ -1.234,56\rOBSERVAÇÕES: \rLEMBRETE: ")
                  .arg(id));
}

TEST_F(Clientes_, EdicoesLimitadasAsColunas)
{
    TFrmCadClientes f(QStringLiteral("I"));
    const QString longo(300, QLatin1Char('A'));
    struct {
        QLineEdit *e;
        int maximo;
    } casos[] = {{f.edtNumero, 10},  {f.edtContato, 20}, {f.edtComplem, 30}, {f.edtEndereco, 100},
                 {f.edtObs, 250},    {f.edtLembrete, 250}, {f.edtEmail, 50}, {f.edtNome, 90},
                 {f.edtRG_InscEst, 20}, {f.edtCidade->lineEdit(), 30}};
    for (const auto &c : casos) {
        SCOPED_TRACE(c.e->objectName().toStdString());
        c.e->setText(longo);
        EXPECT_EQ(c.e->text().size(), c.maximo);
    }
}

TEST_F(Clientes_, DocumentoUnicoPelosDigitosMesmoEntreEstacoes)
{
    cliente(QStringLiteral("A"), QStringLiteral("123.456.789-09"));
    // the database itself refuses the same digits with another punctuation
    EXPECT_THROW(cliente(QStringLiteral("B"), QStringLiteral("12345678909")), ErroBanco);
    // customers without a document are many
    cliente(QStringLiteral("C"), QString());
    cliente(QStringLiteral("D"), QString());

    // Another workstation inserts the same document and commits while this
    // one is saving: this one ends with the duplicate message, not a second row.
    std::atomic<bool> inserido{false};
    std::atomic<bool> pronto{false};
    const QString caminho = banco().caminho();
    std::thread outra([&] {
        ConexaoBanco b(QStringLiteral("outra_estacao"), caminho);
        b.definirCaminho(caminho);
        b.conectar();
        b.iniciarTransacao();
        b.executar(QStringLiteral("INSERT INTO CLIENTE (NOME, CNPJ_CPF, TIPO_PESSOA) VALUES ('OUTRA', "
                                  "'529.982.247-25', 'F')"));
        inserido = true;
        std::this_thread::sleep_for(std::chrono::milliseconds(700));
        b.confirmarTransacao();
        b.desconectar();
        pronto = true;
    });
    while (!inserido)
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    Clientes::Contexto c;
    c.docVerificado = true;
    Clientes::Dados d = pessoa();
    d.documento = QStringLiteral("52998224725");
    c.semFormato = true;
    Clientes::Gravacao g;
    EXPECT_NO_THROW(g = Clientes::incluir(banco(), d, c));
    outra.join();
    EXPECT_EQ(g.recusa.mensagem, Clientes::kMsgDuplicado);
    EXPECT_EQ(contar(QStringLiteral("SELECT COUNT(*) FROM CLIENTE WHERE CNPJ_CPF LIKE '%247%'")), 1);
}

TEST_F(Clientes_, RegraDaEntradaExpressaPorSituacao)
{
    struct {
        const char *excluido;
        const char *lembrete;
        Mensagem::Botao resposta;
        QStringList textos;
        bool aceito;
    } casos[] = {
        {"N", "", Ok, {}, true},
        {"N", "QUARTO 12", Ok, {QStringLiteral("Lembrete Pessoal para ANA\r\rQUARTO 12")}, true},
        {"R", "QUARTO 12", Sim,
         {QStringLiteral("O Cliente ANA Encontra-se em situação de Restrição! Deseja Realmente realizar a entrada "
                         "deste Cliente?\r\r MOTIVO: DEVE 2 DIÁRIAS"),
          QStringLiteral("Lembrete Pessoal para ANA\r\rQUARTO 12")},
         true},
        {"R", "QUARTO 12", Nao,
         {QStringLiteral("O Cliente ANA Encontra-se em situação de Restrição! Deseja Realmente realizar a entrada "
                         "deste Cliente?\r\r MOTIVO: DEVE 2 DIÁRIAS"),
          QStringLiteral("Lembrete Pessoal para ANA\r\rQUARTO 12")},
         false},
        {"S", "", Ok,
         {QStringLiteral("O Cliente ANA Encontra-se em situação de Negativação! Não está permitido realizar entrada "
                         "para esse Cliente!\r\r MOTIVO: DEVE 2 DIÁRIAS")},
         false},
    };
    for (const auto &c : casos) {
        SCOPED_TRACE(std::string(c.excluido) + " " + c.lembrete);
        msg.reset();
        msg = std::make_unique<MensagensRoteiro>();
        for (int i = 0; i < c.textos.size(); ++i)
            msg->esperar(c.textos[i], i == 0 ? c.resposta : Ok);
        EXPECT_EQ(Clientes::aceitarEntradaExpressa(QString::fromLatin1(c.excluido), QStringLiteral("ANA"),
                                                   QStringLiteral("DEVE 2 DIÁRIAS"), QString::fromUtf8(c.lembrete)),
                  c.aceito);
        EXPECT_EQ(msg->textos(), c.textos);
    }
}

TEST_F(Clientes_, ListaComoEscolhaDaEntradaExpressa)
{
    const qint64 restrito =
        cliente(QStringLiteral("ANA RESTRITA"), QStringLiteral("1"), QStringLiteral("R"), QStringLiteral("DEVE"));
    const qint64 negativado =
        cliente(QStringLiteral("BETO NEGATIVADO"), QStringLiteral("2"), QStringLiteral("S"), QStringLiteral("CALOTE"));
    struct {
        qint64 id;
        Mensagem::Botao resposta;
        bool escolhido;
    } casos[] = {{negativado, Ok, false}, {restrito, Nao, false}, {restrito, Sim, true}};
    for (const auto &c : casos) {
        SCOPED_TRACE(c.id);
        msg->esperar({}, c.resposta);
        qint64 escolhido = -1;
        Telas::interceptar<TFrmClientes>([&](TFrmClientes *f) {
            EXPECT_TRUE(f->modoEscolha);
            f->show();
            f->lista->irParaLinha(f->lista->modelo()->localizar(QStringLiteral("ID_CLIENTE"), QString::number(c.id)));
            f->dbgClientesDblClick();
            EXPECT_EQ(f->isVisible(), !c.escolhido);
            return f->result();
        });
        escolhido = escolherClienteEntrada();
        EXPECT_EQ(escolhido, c.escolhido ? c.id : 0);
        EXPECT_EQ(Sessao::atual().WalkInExpressoCLIENTE, c.escolhido ? QString::number(c.id) : QString());
        EXPECT_FALSE(Sessao::atual().WalkInExpresso);
    }

    // outside a check-in the double click views the customer
    TFrmClientes f;
    f.show();
    EXPECT_FALSE(f.modoEscolha);
    f.lista->irParaLinha(f.lista->modelo()->localizar(QStringLiteral("ID_CLIENTE"), QString::number(negativado)));
    QString modo;
    Telas::interceptar<TFrmCadClientes>([&](TFrmCadClientes *c) {
        modo = c->modo();
        EXPECT_EQ(c->btnConfirmar->isEnabled(), modo == QLatin1String("A"));
        return int(QDialog::Rejected);
    });
    f.dbgClientesDblClick();
    EXPECT_EQ(modo, QStringLiteral("V"));
    EXPECT_EQ(f.OP, QString()); // Cancel empties it
    f.btnAlterarClick();
    EXPECT_EQ(modo, QStringLiteral("A"));
}

TEST_F(Clientes_, RestringirNegativarERecuperarPelaChave)
{
    const qint64 a = cliente(QStringLiteral("ANA"), QStringLiteral("1"));
    const qint64 b = cliente(QStringLiteral("BRUNO"), QStringLiteral("2"));
    const qint64 c = cliente(QStringLiteral("CARLA"), QStringLiteral("3"));
    TFrmClientes f;
    f.show();
    ativar(&f);
    f.lista->irParaLinha(f.lista->modelo()->localizar(QStringLiteral("ID_CLIENTE"), QString::number(b)));
    EXPECT_FALSE(f.pnlMotivo->isVisible());
    EXPECT_TRUE(f.btnExcluir->isVisible());
    EXPECT_FALSE(f.btnRecuperar->isVisible());

    msg->esperar(QStringLiteral("Deseja Realmente Excluir esse Cliente?"), Sim);
    f.btnExcluirClick();
    EXPECT_TRUE(f.pnlExcluir->isVisible());
    EXPECT_FALSE(f.dbgClientes->isEnabled());
    msg->esperar(QStringLiteral("Informe o Motivo!"));
    f.btnOKClick();
    EXPECT_TRUE(f.pnlExcluir->isVisible());

    const QString motivo = QStringLiteral("DEVE A CONTA DO SR. D'ÁVILA ") + QString(200, QLatin1Char('X'));
    f.edtMotivo->setText(motivo);
    EXPECT_EQ(f.edtMotivo->text().size(), 200);
    f.rbNegativacao->setChecked(true);
    msg->esperar(QStringLiteral("Cliente Excluído com Sucesso!"));
    f.btnOKClick();
    EXPECT_FALSE(f.pnlExcluir->isVisible());
    EXPECT_TRUE(f.dbgClientes->isEnabled());
    EXPECT_EQ(linha(b).texto(QStringLiteral("EXCLUIDO")), QStringLiteral("S"));
    EXPECT_EQ(linha(b).texto(QStringLiteral("MOTIVO")), motivo.left(200));
    EXPECT_EQ(linha(a).texto(QStringLiteral("EXCLUIDO")), QStringLiteral("N"));
    EXPECT_EQ(linha(c).texto(QStringLiteral("EXCLUIDO")), QStringLiteral("N"));
    // the cursor lands on the row that followed
    EXPECT_EQ(f.lista->inteiro(QStringLiteral("ID_CLIENTE")), c);
    const Linha log = ultimoLog();
    EXPECT_EQ(log.texto(QStringLiteral("OPERACAO")), QStringLiteral("Excluiu Cliente com Negativação"));
    EXPECT_TRUE(log.texto(QStringLiteral("ANTES")).startsWith(QStringLiteral("CÓDIGO: %1\rCNPJ/CPF: 2\r").arg(b)));
    EXPECT_TRUE(log.texto(QStringLiteral("ANTES")).endsWith(QStringLiteral("\rDATA DE NASCIMENTO: 02/05/1980\rEMAIL: \rOBSERVAÇÕES: ")));

    // the blacklisted row shows its reason and offers recovery
    f.lista->irParaLinha(f.lista->modelo()->localizar(QStringLiteral("ID_CLIENTE"), QString::number(b)));
    EXPECT_TRUE(f.pnlMotivo->isVisible());
    EXPECT_EQ(f.memMotivo->toPlainText(), motivo.left(200));
    EXPECT_TRUE(f.btnRecuperar->isVisible());
    EXPECT_FALSE(f.btnExcluir->isVisible());
    msg->esperar(QStringLiteral("Deseja Realmente Recuperar esse Cliente? (Isso excluirá as Restrições ou "
                                "Negativações do mesmo)"),
                 Sim)
        .esperar(QStringLiteral("Cliente Recuperado com Sucesso!"));
    f.btnRecuperarClick();
    EXPECT_EQ(linha(b).texto(QStringLiteral("EXCLUIDO")), QStringLiteral("N"));
    EXPECT_EQ(linha(b).texto(QStringLiteral("MOTIVO")), motivo.left(200));
    EXPECT_EQ(ultimoLog().texto(QStringLiteral("OPERACAO")),
              QStringLiteral("Recuperou Cliente de CPF / CNPJ -> %1 (BRUNO)").arg(b));
}

TEST_F(Clientes_, SemMovimentosNaoRestringeNemRecupera)
{
    Sessao::atual().direitos.MOVIMENTOS = false;
    cliente(QStringLiteral("RESTRITO"), QStringLiteral("1"), QStringLiteral("R"), QStringLiteral("X"));
    TFrmClientes f;
    f.show();
    ativar(&f);
    EXPECT_FALSE(f.btnExcluir->isVisible());
    EXPECT_FALSE(f.btnRecuperar->isVisible());
    tecla(f.dbgClientes, Qt::Key_Delete);
    f.btnExcluirClick();
    EXPECT_FALSE(f.pnlExcluir->isVisible());
}

TEST_F(Clientes_, BuscaDoNomeComMuitosOuPoucosAchadosEmOrdemDeNome)
{
    // More customers than one batch of the grid match "SOUZA"; one matches
    // "PRADO". Both lists come in name order, whole.
    banco().emTransacao([&] {
        for (int i = 210; i > 0; --i)
            banco().executar(QStringLiteral("INSERT INTO CLIENTE (NOME, TIPO_PESSOA, CNPJ_CPF) VALUES (?, 'F', '')"),
                             {QStringLiteral("ANA SOUZA %1").arg(i, 3, 10, QLatin1Char('0'))});
        for (const char *nome : {"ZECA PRADO", "BETO PRADO"})
            banco().executar(QStringLiteral("INSERT INTO CLIENTE (NOME, TIPO_PESSOA, CNPJ_CPF) VALUES (?, 'F', '')"),
                             {QString::fromLatin1(nome)});
    });
    TFrmClientes f;
    f.show();
    ativar(&f);
    const auto nomes = [&] {
        f.lista->modelo()->buscarTodas();
        QStringList r;
        for (int i = 0; i < f.lista->modelo()->total(); ++i)
            r << f.lista->modelo()->registro(i).value(QStringLiteral("NOME")).toString();
        return r;
    };
    f.edtNome->setText(QStringLiteral("SOUZA"));
    const QStringList muitos = nomes();
    ASSERT_EQ(muitos.size(), 210);
    EXPECT_EQ(muitos.first(), QStringLiteral("ANA SOUZA 001"));
    EXPECT_EQ(muitos.last(), QStringLiteral("ANA SOUZA 210"));
    f.edtNome->setText(QStringLiteral("PRADO"));
    EXPECT_EQ(nomes(), (QStringList{QStringLiteral("BETO PRADO"), QStringLiteral("ZECA PRADO")}));
    f.edtNome->setText(QStringLiteral("NINGUEM"));
    EXPECT_TRUE(nomes().isEmpty());
}

TEST_F(Clientes_, BuscasComApostrofoEFiltroLargo)
{
    cliente(QStringLiteral("MARIA D'ÁVILA"), QStringLiteral("1"));
    cliente(QStringLiteral("JOSÉ"), QStringLiteral("123.456"));
    banco().executar(QStringLiteral("UPDATE CLIENTE SET ESTADO = 'MG'"));
    TFrmClientes f;
    f.show();
    ativar(&f);
    f.edtNome->setText(QStringLiteral("D'Á"));
    ASSERT_EQ(f.lista->modelo()->total(), 1);
    EXPECT_EQ(f.lista->texto(QStringLiteral("NOME")), QStringLiteral("MARIA D'ÁVILA"));
    EXPECT_EQ(f.lista->texto(QStringLiteral("AUXSTATUS")), QStringLiteral("OK"));
    f.edtNome->clear();
    EXPECT_EQ(f.lista->modelo()->total(), 3);

    struct {
        int opcao;
        const char *texto;
        int linhas;
        const char *log;
    } casos[] = {
        {1, "123", 1, "Tentou Localizar Cliente de CPF / CNPJ -> 123"},
        {9, "MGX", 0, "Tentou Localizar Cliente de Estado -> MGX"},
        {0, "'", 1, "Tentou Localizar Cliente de Nome / Razão Social -> '"},
    };
    for (const auto &c : casos) {
        SCOPED_TRACE(c.texto);
        f.btnFiltrosClick();
        f.lista->opcoesFiltro()[c.opcao]->click();
        f.lista->edtFiltro()->setText(QString::fromUtf8(c.texto));
        f.lista->buscar();
        EXPECT_EQ(f.lista->modelo()->total(), c.linhas);
        EXPECT_EQ(ultimoLog().texto(QStringLiteral("OPERACAO")), QString::fromUtf8(c.log));
    }
}

TEST_F(Clientes_, CopiaParaOPdvComAChaveDaInclusao)
{
    prepararCompanheiros();
    parametro(QStringLiteral("UTILIZA_FISCAL"), QStringLiteral("S"));
    Clientes::Contexto ctx;
    ctx.docVerificado = true;
    Clientes::Dados pf = pessoa();
    pf.endereco = QString(60, QLatin1Char('R'));
    pf.email = QStringLiteral("maria@exemplo.com");
    pf.observacao = QString(90, QLatin1Char('O'));
    pf.fone = QStringLiteral("(31)3551-0000");
    pf.nascimento = QDate(1970, 2, 3);
    const Clientes::Gravacao gf = Clientes::incluir(banco(), pf, ctx);
    Clientes::Dados pj = pessoa();
    pj.tipo = QStringLiteral("J");
    pj.documento = QStringLiteral("11.222.333/0001-81");
    pj.rg = QStringLiteral("IE-99");
    pj.nome = QStringLiteral("HOTELARIA LTDA");
    pj.nascimento = QDate(1900, 1, 1);
    const Clientes::Gravacao gj = Clientes::incluir(banco(), pj, ctx);
    Clientes::copiarParaPDV(banco(), m_dm->ConexaoPDV, gf.id);
    Clientes::copiarParaPDV(banco(), m_dm->ConexaoPDV, gj.id);
    ConexaoBanco &pdv = DM->ConexaoPDV;
    const Linha f = pdv.ler(QStringLiteral("SELECT * FROM CLIENTE WHERE CODIGO = ?"), {gf.id});
    ASSERT_FALSE(f.vazia());
    EXPECT_EQ(f.texto(QStringLiteral("NOME")), QStringLiteral("MARIA D'ÁVILA"));
    EXPECT_EQ(f.texto(QStringLiteral("ENDERECO")), QString(50, QLatin1Char('R')));
    EXPECT_EQ(f.texto(QStringLiteral("CPF")), QStringLiteral("529.982.247-25"));
    EXPECT_EQ(f.texto(QStringLiteral("RG")), QStringLiteral("12345"));
    EXPECT_TRUE(f.nulo(QStringLiteral("CGC")));
    EXPECT_TRUE(f.nulo(QStringLiteral("IE")));
    EXPECT_EQ(f.texto(QStringLiteral("TELEFONE")), QStringLiteral("(31)3551-0000"));
    EXPECT_EQ(f.data(QStringLiteral("DATANASCTO")), QDate(1970, 2, 3));
    EXPECT_EQ(f.data(QStringLiteral("DATACADASTRO")), QDate(2026, 12, 10));
    EXPECT_EQ(f.texto(QStringLiteral("EMAIL")), QStringLiteral("maria@exemplo.com"));
    EXPECT_EQ(f.texto(QStringLiteral("OBS")), QString(80, QLatin1Char('O')));
    EXPECT_EQ(f.texto(QStringLiteral("INATIVO")), QStringLiteral("N"));
    EXPECT_EQ(f.texto(QStringLiteral("TIPO")), QStringLiteral("B"));
    EXPECT_EQ(f.texto(QStringLiteral("CAD_AUTORIZADO")), QStringLiteral("S"));
    EXPECT_EQ(f.texto(QStringLiteral("USER_CADASTROU")), QStringLiteral("ADMIN"));
    EXPECT_EQ(f.texto(QStringLiteral("USER_AUTORIZOU")), QStringLiteral("ADMIN"));
    const Linha j = pdv.ler(QStringLiteral("SELECT * FROM CLIENTE WHERE CODIGO = ?"), {gj.id});
    ASSERT_FALSE(j.vazia());
    EXPECT_TRUE(j.nulo(QStringLiteral("CPF")));
    EXPECT_TRUE(j.nulo(QStringLiteral("RG")));
    EXPECT_EQ(j.texto(QStringLiteral("CGC")), QStringLiteral("11.222.333/0001-81"));
    EXPECT_EQ(j.texto(QStringLiteral("IE")), QStringLiteral("IE-99"));

    // a later save updates the same row with the customer's new state
    banco().executar(QStringLiteral("UPDATE CLIENTE SET EXCLUIDO = 'R', NOME = 'NOVO NOME' WHERE ID_CLIENTE = ?"),
                     {gj.id});
    Clientes::copiarParaPDV(banco(), m_dm->ConexaoPDV, gj.id);
    EXPECT_EQ(pdv.valor(QStringLiteral("SELECT COUNT(*) FROM CLIENTE")).toInt(), 2);
    const Linha j2 = pdv.ler(QStringLiteral("SELECT * FROM CLIENTE WHERE CODIGO = ?"), {gj.id});
    EXPECT_EQ(j2.texto(QStringLiteral("INATIVO")), QStringLiteral("R"));
    EXPECT_EQ(j2.texto(QStringLiteral("NOME")), QStringLiteral("NOVO NOME"));
}

TEST_F(Clientes_, FalhaNaCopiaAoPdvTerminaOCadastroComAviso)
{
    parametro(QStringLiteral("UTILIZA_FISCAL"), QStringLiteral("S"));
    parametro(QStringLiteral("VERIF_CPF_CNPJ"), QStringLiteral("S"));
    DM->ConexaoPDV.definirCaminho(pasta() + QStringLiteral("/nao-existe/pdv.fdb"));
    TFrmCadClientes f(QStringLiteral("I"));
    f.show();
    ativar(&f);
    preencherNovo(&f);
    msg->esperar({}, Ok).esperar(QStringLiteral("Cliente Cadastrado com Sucesso! Deseja Cadastrar Outro Cliente?"),
                                 Nao);
    f.btnConfirmarClick();
    ASSERT_EQ(msg->mostradas().size(), 2);
    EXPECT_EQ(msg->mostradas()[0].tipo, Mensagem::Tipo::Aviso);
    EXPECT_TRUE(msg->mostradas()[0].texto.startsWith(
        QStringLiteral("O cliente foi gravado, mas não foi possível copiá-lo para o Zentro PDV.")));
    EXPECT_EQ(contar(QStringLiteral("SELECT COUNT(*) FROM CLIENTE WHERE NOME = 'JOÃO D''ÁVILA'")), 1);
    EXPECT_EQ(ultimoLog().texto(QStringLiteral("OPERACAO")), QStringLiteral("Incluiu Novo Cliente"));
}
