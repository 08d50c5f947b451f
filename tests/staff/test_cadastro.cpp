// The employee record: the confirm chain, insert and alteration with their
// stored columns, log lines and message, the time-clock boxes, and the
// photo files with their numbered backups.
#include "base/Parametros.h"
#include "core/UnitCaptura.h"
#include "staff/UnitCadFuncionarios.h"
#include "staff/UnitFuncionarios.h"
#include "support/TelasTeste.h"
#include "ApoioFuncionarios.h"

#include <QCheckBox>
#include <QDateEdit>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTableView>
#include <QTimeEdit>

using namespace Funcionarios;

namespace {

Dados dadosValidos(const QString &cpf = QStringLiteral("529.982.247-25"))
{
    Dados d;
    d.nome = QStringLiteral("JOANA D'ARC");
    d.cpf = cpf;
    d.rg = QStringLiteral("MG-12.345");
    d.salario = QStringLiteral("1.500,00");
    d.inss = QStringLiteral("8,00");
    return d;
}

class Cadastro : public FuncionariosTeste {
protected:
    // Opens the list and the record in `op` (the list's current row for "A"),
    // runs `agir` on the shown record.
    void noCadastro(const QString &op, qint64 chave, const std::function<void(TFrmCadFuncionarios *)> &agir)
    {
        TFrmFuncionarios lista;
        lista.setAttribute(Qt::WA_DontShowOnScreen);
        lista.show();
        if (chave > 0)
            lista.lista->irParaLinha(lista.tFuncionarios()->localizar(QStringLiteral("ID_FUNCIONARIO"),
                                                                      QString::number(chave)));
        bool aberto = false;
        Telas::interceptar<TFrmCadFuncionarios>([&](TFrmCadFuncionarios *c) {
            aberto = true;
            c->setAttribute(Qt::WA_DontShowOnScreen);
            c->show();
            agir(c);
            return c->result();
        });
        if (op == QLatin1String("I"))
            lista.btnIncluir->click();
        else if (op == QLatin1String("A"))
            lista.btnAlterar->click();
        else
            lista.dbgFuncionariosDblClick();
        EXPECT_TRUE(aberto);
    }
    // The camera dialog confirmed: the double's frame becomes the capture.
    void camaraConfirma()
    {
        Telas::interceptar<TFrmCaptura>([](TFrmCaptura *f) {
            f->setAttribute(Qt::WA_DontShowOnScreen);
            f->show();
            return int(QDialog::Accepted);
        });
    }
};

} // namespace

TEST_F(Cadastro, CadeiaDeConfirmacao)
{
    const qint64 ativo = funcionario(QStringLiteral("ATIVO"), QStringLiteral("111.444.777-35"));
    const qint64 saiu = funcionario(QStringLiteral("SAIU"), QStringLiteral("123.456.789-09"));
    excluirFuncionario(saiu);
    struct Caso {
        const char *nome;
        QString verif;
        bool doc;
        ModoEdicao modo;
        std::function<void(Dados &, Contexto &)> mudar;
        QString mensagem; // empty: accepted
        Campo foco;
    };
    const QList<Caso> casos = {
        {"válido", "S", true, ModoEdicao::Incluir, {}, {}, Campo::Nenhum},
        {"sem nome", "S", true, ModoEdicao::Incluir, [](Dados &d, Contexto &) { d.nome = "  "; },
         kMsgFuncionarioInvalido, Campo::Nome},
        {"CPF vazio, verificando", "S", true, ModoEdicao::Incluir, [](Dados &d, Contexto &) { d.cpf = kCpfVazio; },
         kMsgCpfInvalido, Campo::Cpf},
        {"dígitos errados, verificando", "S", false, ModoEdicao::Incluir,
         [](Dados &d, Contexto &) { d.cpf = "529.982.247-24"; }, kMsgCpfInvalido, Campo::Cpf},
        {"CPF vazio sem verificar", "N", false, ModoEdicao::Incluir, [](Dados &d, Contexto &) { d.cpf = kCpfVazio; },
         kMsgCpfInvalido, Campo::Cpf},
        {"dígitos errados aceitos com N", "N", false, ModoEdicao::Incluir,
         [](Dados &d, Contexto &) { d.cpf = "529.982.247-24"; }, {}, Campo::Nenhum},
        {"CPF incompleto", "N", false, ModoEdicao::Incluir, [](Dados &d, Contexto &) { d.cpf = "529.982.2  -  "; },
         kMsgCpfInvalido, Campo::Cpf},
        {"salário vazio", "S", true, ModoEdicao::Incluir, [](Dados &d, Contexto &) { d.salario = ""; },
         kMsgSalarioInvalido, Campo::Salario},
        {"salário não é número", "S", true, ModoEdicao::Incluir, [](Dados &d, Contexto &) { d.salario = "MIL"; },
         kMsgSalarioNaoNumero, Campo::Salario},
        {"salário negativo", "S", true, ModoEdicao::Incluir, [](Dados &d, Contexto &) { d.salario = "-10,00"; },
         kMsgSalarioNaoNumero, Campo::Salario},
        {"INSS acima de 100", "S", true, ModoEdicao::Incluir, [](Dados &d, Contexto &) { d.inss = "100,01"; },
         kMsgInssInvalido, Campo::Inss},
        {"INSS não é número", "S", true, ModoEdicao::Incluir, [](Dados &d, Contexto &) { d.inss = "OITO"; },
         kMsgInssInvalido, Campo::Inss},
        {"INSS de 100", "S", true, ModoEdicao::Incluir, [](Dados &d, Contexto &) { d.inss = "100,00"; }, {},
         Campo::Nenhum},
        {"sem RG", "S", true, ModoEdicao::Incluir, [](Dados &d, Contexto &) { d.rg = ""; }, kMsgRgInvalido,
         Campo::Rg},
        {"observação longa", "S", true, ModoEdicao::Incluir,
         [](Dados &d, Contexto &) { d.observacao = QString(251, QLatin1Char('A')); },
         mensagemTextoLongo(QStringLiteral("Observações:"), 250), Campo::Observacao},
        {"CPF de funcionário ativo", "S", true, ModoEdicao::Incluir,
         [](Dados &d, Contexto &) { d.cpf = "111.444.777-35"; }, kMsgCpfJaCadastrado, Campo::Cpf},
        {"CPF de funcionário excluído", "S", true, ModoEdicao::Incluir,
         [](Dados &d, Contexto &) { d.cpf = "123.456.789-09"; }, kMsgCpfJaCadastrado, Campo::Cpf},
        {"alterar sem mudar o CPF", "S", true, ModoEdicao::Alterar,
         [ativo](Dados &d, Contexto &c) {
             d.cpf = c.cpfAnterior = "111.444.777-35";
             c.chave = ativo;
         },
         {}, Campo::Nenhum},
        {"alterar para o CPF de um excluído", "S", true, ModoEdicao::Alterar,
         [ativo](Dados &d, Contexto &c) {
             c.cpfAnterior = "111.444.777-35";
             d.cpf = "123.456.789-09";
             c.chave = ativo;
         },
         kMsgCpfJaCadastrado, Campo::Cpf},
    };
    for (const Caso &c : casos) {
        SCOPED_TRACE(c.nome);
        Dados d = dadosValidos();
        Contexto ctx;
        ctx.modo = c.modo;
        ctx.verificarCpf = c.verif;
        ctx.doc = c.doc;
        if (c.mudar)
            c.mudar(d, ctx);
        const Recusa r = verificar(DM->Conexao, d, ctx);
        EXPECT_EQ(r.mensagem, c.mensagem);
        EXPECT_EQ(r.foco, c.foco);
    }
}

TEST_F(Cadastro, NovoFuncionarioPelaTela)
{
    qint64 previsto = 0;
    noCadastro(QStringLiteral("I"), 0, [&](TFrmCadFuncionarios *c) {
        EXPECT_EQ(c->windowTitle(), "Funcionários");
        EXPECT_EQ(c->lblTitulo->text(), "Novo Funcionário");
        previsto = c->lblCodigo->text().toLongLong();
        EXPECT_FALSE(c->btnCapturarFoto->isEnabled());
        EXPECT_FALSE(c->dtTurno1Ent->isEnabled());
        EXPECT_FALSE(c->chkPontoSabado->isEnabled());
        EXPECT_EQ(c->dtNascimento->date(), QDate(1900, 1, 1));
        EXPECT_EQ(c->edtSalario->text(), "0,00");
        c->edtNome->setText(QStringLiteral("JOANA D'ARC"));
        c->edtCPF->setText(QStringLiteral("52998224725"));
        c->verificarCpf();
        EXPECT_TRUE(c->Doc);
        EXPECT_TRUE(c->btnCapturarFoto->isEnabled());
        c->edtRG->setText(QStringLiteral("MG-12.345"));
        c->edtFone->setInputMask(QStringLiteral("(00)9999-9999; "));
        c->edtFone->setText(QStringLiteral("3133334444"));
        c->edtSalario->setText(QStringLiteral("1.500,00"));
        c->edtINSS->setText(QStringLiteral("8,5"));
        c->edtSenhaPonto->setText(QStringLiteral("abc"));
        c->edtNomeCracha->setText(QStringLiteral("JOANA"));
        c->edtFuncao->setText(QStringLiteral("CAMAREIRA"));
        c->chkCamareira->setChecked(true);
        c->dtNascimento->setDate(QDate(1990, 5, 17));
        c->chkSolicitaPonto->click();
        EXPECT_TRUE(c->dtTurno1Ent->isEnabled());
        EXPECT_TRUE(c->chkPontoSabado->isEnabled());
        c->dtTurno1Ent->setTime(QTime(7, 0));
        c->dtTurno1Sai->setTime(QTime(11, 30));
        c->dtTurno2Ent->setTime(QTime(13, 0));
        c->dtTurno2Sai->setTime(QTime(17, 0));
        c->dtCargaDia->setTime(QTime(8, 30));
        c->chkPontoSabado->click();
        c->dtCargaSabado->setTime(QTime(4, 0));
        msg->esperar({});
        c->btnConfirmar->click();
    });
    ASSERT_EQ(msg->mostradas().size(), 1);
    const qint64 chave = banco().valor(QStringLiteral("SELECT MAX(ID_FUNCIONARIO) FROM FUNCIONARIO")).toLongLong();
    EXPECT_EQ(chave, previsto);
    EXPECT_EQ(msg->mostradas()[0].texto, QStringLiteral("Operação Executada com Sucesso!\n---(CADASTRO DE "
                                                        "FUNCIONÁRIO)---\n    Código: %1\n    Nome: JOANA D'ARC")
                                             .arg(chave));
    const Linha l = porChave(DM->Conexao, chave);
    EXPECT_EQ(l.texto("NOME"), "JOANA D'ARC");
    EXPECT_EQ(l.texto("CPF"), "529.982.247-25");
    EXPECT_EQ(l.texto("FONE"), "(31)3333-4444");
    EXPECT_EQ(l.dinheiro("SALARIO_BASE"), Dinheiro::deCentavos(150000));
    EXPECT_EQ(l.dinheiro("INSS"), Dinheiro::deCentavos(850));
    EXPECT_EQ(l.texto("SENHA_PONTO"), "abc");
    EXPECT_EQ(l.texto("CAMAREIRA"), "S");
    EXPECT_EQ(l.texto("SOLICITA_PONTO"), "S");
    EXPECT_EQ(l.texto("SOLICITA_PONTO_SAB"), "S");
    EXPECT_EQ(l.texto("SOLICITA_PONTO_DOM"), "N");
    EXPECT_EQ(l.hora("TURNO_1_ENT"), QTime(7, 0));
    EXPECT_EQ(l.hora("TURNO_1_SAI"), QTime(11, 30));
    EXPECT_EQ(l.hora("TURNO_2_SAI"), QTime(17, 0));
    EXPECT_EQ(l.hora("TURNO_3_ENT"), QTime(0, 0));
    EXPECT_EQ(l.hora("CARGA_HORARIA_DIA"), QTime(8, 30));
    EXPECT_EQ(l.hora("CARGA_HORARIA_SAB"), QTime(4, 0));
    EXPECT_EQ(l.data("NASCIMENTO"), QDate(1990, 5, 17));
    EXPECT_EQ(l.texto("DEMITIDO"), "N");
    // saved without a capture: the placeholder the new record started with
    EXPECT_EQ(l.texto("FOTO"), arquivoFoto("52998224725.jpg"));
    const QImage salva(l.texto("FOTO"));
    const QImage padrao(Caminhos::naInstalacao(QStringLiteral("img/nofoto.jpg")));
    ASSERT_FALSE(padrao.isNull());
    EXPECT_EQ(salva.size(), padrao.size());
    EXPECT_EQ(arquivosFotos(), QStringList{"52998224725.jpg"});
    EXPECT_EQ(logs(), QStringList{QStringLiteral("ADMIN|Incluiu Funcionário -> Código %1 (JOANA D'ARC)").arg(chave)});
}

TEST_F(Cadastro, CodigoDaMensagemEDoLogEOGravadoMesmoComOutraEstacao)
{
    noCadastro(QStringLiteral("I"), 0, [&](TFrmCadFuncionarios *c) {
        const qint64 previsto = c->lblCodigo->text().toLongLong();
        // another workstation takes the predicted key meanwhile
        EXPECT_EQ(funcionario(QStringLiteral("OUTRA"), QStringLiteral("111.444.777-35")), previsto);
        c->edtNome->setText(QStringLiteral("BETO"));
        c->edtCPF->setText(QStringLiteral("52998224725"));
        c->verificarCpf();
        c->edtRG->setText(QStringLiteral("1"));
        msg->esperar(QStringLiteral("Operação Executada com Sucesso!\n---(CADASTRO DE FUNCIONÁRIO)---\n    Código: "
                                    "%1\n    Nome: BETO")
                         .arg(previsto + 1));
        c->btnConfirmar->click();
    });
    EXPECT_EQ(msg->pendentes(), 0);
    EXPECT_TRUE(logs().last().endsWith(QStringLiteral("Código %1 (BETO)").arg(
        banco().valor(QStringLiteral("SELECT ID_FUNCIONARIO FROM FUNCIONARIO WHERE NOME = 'BETO'")).toLongLong())));
}

TEST_F(Cadastro, AlterarDesmarcandoPontoZeraOsHorarios)
{
    const qint64 chave = funcionario(QStringLiteral("CARLA"), QStringLiteral("529.982.247-25"));
    banco().executar(QStringLiteral("UPDATE FUNCIONARIO SET SOLICITA_PONTO_DOM = 'S', CARGA_HORARIA_DOM = '06:00:00', "
                                    "CARGA_HORARIA_DIA = '08:00:00', TURNO_3_SAI = '23:00:00' WHERE ID_FUNCIONARIO = ?"),
                     {chave});
    noCadastro(QStringLiteral("A"), chave, [&](TFrmCadFuncionarios *c) {
        EXPECT_EQ(c->lblTitulo->text(), "Alterar Funcionário");
        EXPECT_EQ(c->lblCodigo->text(), QString::number(chave));
        EXPECT_TRUE(c->Doc);
        EXPECT_EQ(c->edtCPF->displayText(), "529.982.247-25");
        EXPECT_EQ(c->edtSalario->text(), "1.000,00");
        EXPECT_TRUE(c->chkSolicitaPonto->isChecked());
        EXPECT_TRUE(c->chkPontoDomingo->isChecked());
        EXPECT_EQ(c->dtTurno1Ent->time(), QTime(8, 0));
        EXPECT_EQ(c->dtCargaDomingo->time(), QTime(6, 0));
        EXPECT_TRUE(c->dtCargaDomingo->isEnabled());
        EXPECT_EQ(c->lblNomePonto->text(), "CARLA");
        c->chkSolicitaPonto->click();
        for (QTimeEdit *t : {c->dtTurno1Ent, c->dtTurno1Sai, c->dtTurno2Ent, c->dtTurno2Sai, c->dtTurno3Ent,
                             c->dtTurno3Sai, c->dtCargaDia, c->dtCargaSabado, c->dtCargaDomingo}) {
            EXPECT_EQ(t->time(), QTime(0, 0)) << t->objectName().toStdString();
            EXPECT_FALSE(t->isEnabled()) << t->objectName().toStdString();
        }
        EXPECT_FALSE(c->chkPontoDomingo->isChecked());
        EXPECT_FALSE(c->chkPontoDomingo->isEnabled());
        c->edtSalario->setText(QStringLiteral("2.000,50"));
        msg->esperar(QStringLiteral("Operação Executada com Sucesso!\n---(ALTERAÇÂO DE FUNCIONÁRIO)---\n    Código: "
                                    "%1\n    Nome: CARLA")
                         .arg(chave));
        c->btnConfirmar->click();
    });
    EXPECT_EQ(msg->pendentes(), 0);
    const Linha l = porChave(DM->Conexao, chave);
    for (const char *col : {"TURNO_1_ENT", "TURNO_1_SAI", "TURNO_2_ENT", "TURNO_2_SAI", "TURNO_3_ENT", "TURNO_3_SAI",
                            "CARGA_HORARIA_DIA", "CARGA_HORARIA_SAB", "CARGA_HORARIA_DOM"})
        EXPECT_EQ(l.hora(QString::fromLatin1(col)), QTime(0, 0)) << col;
    for (const char *col : {"SOLICITA_PONTO", "SOLICITA_PONTO_SAB", "SOLICITA_PONTO_DOM"})
        EXPECT_EQ(l.texto(QString::fromLatin1(col)), "N") << col;
    EXPECT_EQ(l.dinheiro("SALARIO_BASE"), Dinheiro::deCentavos(200050));
    EXPECT_EQ(logs(), QStringList{QStringLiteral("ADMIN|Alterou Funcionário -> Código %1 (CARLA)").arg(chave)});
}

TEST_F(Cadastro, RecusaNaoGravaNadaEFocaOCampo)
{
    const qint64 chave = funcionario(QStringLiteral("DANI"), QStringLiteral("529.982.247-25"));
    const QString antes = porChave(DM->Conexao, chave).texto("NOME");
    noCadastro(QStringLiteral("A"), chave, [&](TFrmCadFuncionarios *c) {
        c->edtNome->setText(QStringLiteral("DANIELA"));
        c->edtINSS->setText(QStringLiteral("150,00"));
        msg->esperar(kMsgInssInvalido);
        c->btnConfirmar->click();
        EXPECT_TRUE(c->isVisible()); // the screen stays open
        c->btnCancelar->click();
    });
    EXPECT_EQ(msg->pendentes(), 0);
    EXPECT_EQ(porChave(DM->Conexao, chave).texto("NOME"), antes);
    EXPECT_TRUE(logs().isEmpty());
}

TEST_F(Cadastro, VerTelaSomenteLeitura)
{
    const qint64 chave = funcionario(QStringLiteral("EVA"), QStringLiteral("529.982.247-25"));
    noCadastro(QStringLiteral("V"), chave, [&](TFrmCadFuncionarios *c) {
        EXPECT_EQ(c->lblTitulo->text(), "Ver Funcionário");
        EXPECT_FALSE(c->tabDados->isEnabled());
        EXPECT_FALSE(c->tabPonto->isEnabled());
        EXPECT_FALSE(c->btnConfirmar->isEnabled());
        c->btnCancelar->click();
    });
    EXPECT_TRUE(logs().isEmpty());
}

// ------------------------------------------------------------------ photos

TEST_F(Cadastro, DuasCapturasECancelar)
{
    struct Caso {
        const char *nome;
        bool arquivoAntes;
        QColor esperada; // the photo file after the cancel
    };
    const Caso casos[] = {
        {"com foto anterior", true, Qt::blue},   // the file before the visit comes back
        {"sem foto anterior", false, Qt::red},   // the first capture stays
    };
    for (const Caso &k : casos) {
        SCOPED_TRACE(k.nome);
        QDir(fotos()).removeRecursively();
        const QString principal = arquivoFoto("52998224725.jpg");
        if (k.arquivoAntes)
            gravarCor(principal, Qt::blue);
        VisitaFotos v(fotos());
        const QString captura = Caminhos::naInstalacao(QStringLiteral("52998224725.jpg"));
        gravarCor(captura, Qt::red);
        ASSERT_TRUE(v.receberCaptura("52998224725", captura));
        gravarCor(captura, Qt::green);
        ASSERT_TRUE(v.receberCaptura("52998224725", captura));
        EXPECT_TRUE(parecida(corDe(principal), Qt::green));
        EXPECT_EQ(v.proximo("52998224725"), k.arquivoAntes ? 3 : 2);
        v.cancelar();
        EXPECT_TRUE(parecida(corDe(principal), k.esperada));
        EXPECT_EQ(arquivosFotos(), QStringList{"52998224725.jpg"});
        EXPECT_FALSE(QFile::exists(captura));
    }
}

TEST_F(Cadastro, CapturaConfirmadaApagaAsCopias)
{
    const QString principal = arquivoFoto("52998224725.jpg");
    gravarCor(principal, Qt::blue);
    const qint64 chave = funcionario(QStringLiteral("FABIO"), QStringLiteral("529.982.247-25"), "1000.00", principal);
    camaraConfirma();
    noCadastro(QStringLiteral("A"), chave, [&](TFrmCadFuncionarios *c) {
        EXPECT_TRUE(c->btnExcluirFoto->isEnabled());
        EXPECT_TRUE(c->btnCapturarFoto->isEnabled());
        camera.cor = Qt::red;
        c->btnCapturarFoto->click();
        camera.cor = Qt::green;
        c->btnCapturarFoto->click();
        EXPECT_EQ(arquivosFotos(), (QStringList{"52998224725.jpg", "52998224725x1.jpg", "52998224725x2.jpg"}));
        msg->esperar({});
        c->btnConfirmar->click();
    });
    EXPECT_EQ(camera.capturas, 2);
    EXPECT_EQ(arquivosFotos(), QStringList{"52998224725.jpg"});
    EXPECT_TRUE(parecida(corDe(principal), Qt::green));
    // the capture of the camera did not stay in the installation folder
    EXPECT_FALSE(QFile::exists(Caminhos::naInstalacao(QStringLiteral("52998224725.bmp"))));
    EXPECT_FALSE(QFile::exists(Caminhos::naInstalacao(QStringLiteral("52998224725.jpg"))));
}

TEST_F(Cadastro, CapturaCanceladaPelaTelaDevolveAFotoAnterior)
{
    const QString principal = arquivoFoto("52998224725.jpg");
    gravarCor(principal, Qt::blue);
    const qint64 chave = funcionario(QStringLiteral("GIL"), QStringLiteral("529.982.247-25"), "1000.00", principal);
    camaraConfirma();
    noCadastro(QStringLiteral("A"), chave, [&](TFrmCadFuncionarios *c) {
        c->btnCapturarFoto->click();
        c->btnCapturarFoto->click();
        c->btnCancelar->click();
    });
    EXPECT_EQ(arquivosFotos(), QStringList{"52998224725.jpg"});
    EXPECT_TRUE(parecida(corDe(principal), Qt::blue));
    EXPECT_TRUE(logs().isEmpty());
}

TEST_F(Cadastro, ExcluirFotoGravaOPadrao)
{
    const QString principal = arquivoFoto("52998224725.jpg");
    gravarCor(principal, Qt::blue);
    const qint64 chave = funcionario(QStringLiteral("HELO"), QStringLiteral("529.982.247-25"), "1000.00", principal);
    noCadastro(QStringLiteral("A"), chave, [&](TFrmCadFuncionarios *c) {
        c->btnExcluirFotoClick();
        EXPECT_FALSE(c->btnExcluirFoto->isEnabled());
        msg->esperar({});
        c->btnConfirmar->click();
    });
    const QImage padrao(Caminhos::naInstalacao(QStringLiteral("img/nofoto.jpg")));
    EXPECT_EQ(QImage(principal).size(), padrao.size());
}

TEST_F(Cadastro, FotoIlegivelMostraOPadrao)
{
    const QString principal = arquivoFoto("52998224725.jpg");
    QDir().mkpath(fotos());
    QFile f(principal);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("não é uma foto");
    f.close();
    const qint64 chave = funcionario(QStringLiteral("IVO"), QStringLiteral("529.982.247-25"), "1000.00", principal);
    noCadastro(QStringLiteral("V"), chave, [&](TFrmCadFuncionarios *c) {
        const QImage padrao(Caminhos::naInstalacao(QStringLiteral("img/nofoto.jpg")));
        EXPECT_EQ(c->foto().size(), padrao.size());
        c->btnCancelar->click();
    });
}

// ------------------------------------------------------------------ financial tab

TEST_F(Cadastro, HistoricoFinanceiroComStatusETotais)
{
    const qint64 chave = funcionario(QStringLiteral("JOAO"), QStringLiteral("529.982.247-25"));
    const QDate hoje = Relogio::hoje();
    lancamento(chave, "+", hoje.addDays(-5), {}, "1500.00");             // late
    lancamento(chave, "-", hoje.addDays(-5), {}, "120.00");              // late discount
    lancamento(chave, "+", hoje.addDays(3), {}, "200.00");               // to fall due
    lancamento(chave, "+", hoje.addDays(-40), hoje.addDays(-35), "1400.00"); // settled
    lancamento(chave, "+", hoje.addDays(-2), {}, "999.00", "S");         // deleted: not shown
    noCadastro(QStringLiteral("V"), chave, [&](TFrmCadFuncionarios *c) {
        EXPECT_TRUE(c->pgcDados->isTabVisible(c->pgcDados->indexOf(c->tabFinanceiro)));
        ASSERT_EQ(c->qPagFuncionarios->total(), 4);
        QStringList status;
        for (int i = 0; i < 4; ++i)
            status << c->qPagFuncionarios->texto(i, QStringLiteral("AUXSTATUS"));
        EXPECT_EQ(status, (QStringList{"O", "A", "A", "V"}));
        EXPECT_EQ(c->lblTotalAPagar->text(), "Valor Total a Pagar ou Descontar: R$ 1.580,00");
        EXPECT_EQ(c->lblTotalPago->text(), "Valor Total Já Pago ou Descontado: R$ 1.400,00");
        c->btnCancelar->click();
    });
}

TEST_F(Cadastro, SemMovimentosSemAbaFinanceira)
{
    const qint64 chave = funcionario(QStringLiteral("KIKO"), QStringLiteral("529.982.247-25"));
    Sessao::atual().direitos.MOVIMENTOS = false;
    Sessao::atual().Permitido = QStringLiteral("S"); // the workstation's right opens the list, not the tab
    noCadastro(QStringLiteral("A"), chave, [&](TFrmCadFuncionarios *c) {
        EXPECT_FALSE(c->pgcDados->isTabVisible(c->pgcDados->indexOf(c->tabFinanceiro)));
        c->btnCancelar->click();
    });
}
