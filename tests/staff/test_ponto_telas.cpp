// The time-clock book and its punch screen as the user drives them: the
// kiosk reading badges with its panels, the manual punch with the password,
// alter and view storing nothing, the row colours, the quick search,
// excusing and clearing with their boxes, and the ribbon entries.
#include "base/Comandos.h"
#include "core/UnitCaptura.h"
#include "staff/Comandos.h"
#include "staff/UnitCadPonto.h"
#include "staff/UnitPonto.h"
#include "staff/UnitRelPonto.h"
#include "ApoioPonto.h"

#include "support/MensagensRoteiro.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>
#include <QTimeEdit>
#include <QTimer>
#include <QToolButton>
#include <map>

using namespace Ponto;

namespace {

const QString kCpfAna = QStringLiteral("529.982.247-25");
const QString kCrachaAna = QStringLiteral("052998224725");

class PontoTelas : public PontoTeste {
protected:
    void SetUp() override
    {
        PontoTeste::SetUp();
        Telas::interceptar<TFrmCaptura>([this](TFrmCaptura *f) {
            ++capturas;
            f->setAttribute(Qt::WA_DontShowOnScreen);
            f->show();
            return int(QDialog::Accepted);
        });
    }

    std::unique_ptr<TFrmPonto> abrirLivro()
    {
        auto f = std::make_unique<TFrmPonto>();
        f->setAttribute(Qt::WA_DontShowOnScreen);
        f->show();
        ativar(f.get());
        return f;
    }
    // Runs `agir` on the punch screen the book opens through `abrir`.
    void naMarcacao(const std::function<void()> &abrir, const std::function<void(TFrmCadPonto *)> &agir)
    {
        bool aberta = false;
        Telas::interceptar<TFrmCadPonto>([&](TFrmCadPonto *c) {
            aberta = true;
            c->setAttribute(Qt::WA_DontShowOnScreen);
            c->show();
            ativar(c);
            agir(c);
            return c->result();
        });
        abrir();
        Telas::liberar(typeid(TFrmCadPonto));
        EXPECT_TRUE(aberta);
    }
    // The badge passed under the reader: its code and Enter.
    static void lerCracha(TFrmCadPonto *c, const QString &codigo)
    {
        c->edtCracha->setText(codigo);
        tecla(c->edtCracha, Qt::Key_Return);
    }
    static QStringList linhasDoLivro(TFrmPonto *f)
    {
        QStringList r;
        for (int i = 0; i < f->tPonto()->total(); ++i)
            r << f->tPonto()->texto(i, QStringLiteral("ID_PONTO")) + QLatin1Char(':') + f->statusDaLinha(i);
        return r;
    }
    // The colour painted in the middle of a row's first cell (the row not selected).
    static QColor corPintada(TFrmPonto *f, int linha)
    {
        QTableView *g = f->dbgPonto;
        g->resize(1000, 400);
        const QRect r = g->visualRect(g->model()->index(linha, 0));
        const QImage img = g->viewport()->grab().toImage();
        return img.pixelColor(r.right() - 3, r.center().y());
    }

    int capturas = 0;
};

class RegistroFalso : public RegistroComandos {
public:
    void registrarComando(const QString &nome, std::function<void()> acao) override { comandos[nome] = acao; }
    void adicionarTarefaTimer1(std::function<void()>) override {}
    void adicionarTarefaTimer2(std::function<void()>) override {}
    void adicionarTarefaDoDia(std::function<void()>) override {}
    void definirAbertura(Abertura, std::function<void()>) override {}
    std::map<QString, std::function<void()>> comandos;
};

} // namespace

TEST_F(PontoTelas, QuiosqueLeOCrachaPreencheALinhaEOLivroAColore)
{
    parametro(QStringLiteral("FOTO_PONTO"), QStringLiteral("S"));
    QDir(pastaFotos()).removeRecursively(); // the folder is made by the first photo
    const qint64 ana = empregado(QStringLiteral("ANA D'ÁVILA"), kCpfAna);
    const qint64 bia = empregado(QStringLiteral("BIA"), QStringLiteral("111.444.777-35"));
    excluirFuncionario(bia);
    const QList<qint64> dia = diaPrevisto(ana, kHoje);
    const qint64 outra = prevista(empregado(QStringLiteral("CIDA"), QStringLiteral("123.456.789-09")), kHoje,
                                  QTime(8, 0), "E");
    auto livro = abrirLivro();
    Relogio::definir(QDateTime(kHoje, QTime(8, 31, 7)));
    MensagensRoteiro m; // the kiosk shows no box

    naMarcacao([&] { livro->btnAutomatica->click(); }, [&](TFrmCadPonto *c) {
        EXPECT_TRUE(livro->MarcacaoAutomatica);
        EXPECT_EQ(livro->OP, QStringLiteral("I"));
        EXPECT_TRUE(c->edtCracha->isVisibleTo(c));
        EXPECT_FALSE(c->cbFuncionario->isEnabled());
        EXPECT_TRUE(Sessao::atual().FotoOculta);
        EXPECT_EQ(c->lblCodPonto->text(), QString::number(codigoPrevisto(DM->Conexao)));

        // unknown badges, a short one and a deleted employee's: the error panel, nothing written
        for (const QString &codigo : {QStringLiteral("099999999999"), QStringLiteral("05299822472"),
                                      QStringLiteral("011144477735"), QStringLiteral("ABC")}) {
            SCOPED_TRACE(codigo.toStdString());
            lerCracha(c, codigo);
            EXPECT_EQ(c->tagTimer1(), 1);
            c->Timer1Timer();
            EXPECT_TRUE(c->pnlErro->isVisibleTo(c));
            EXPECT_EQ(c->lblErro->text(),
                      QStringLiteral("Erro na Leitura do Cartão\n\n\n\n\nAguarde para Tentar Novamente..."));
            EXPECT_TRUE(c->edtCracha->isReadOnly());
            lerCracha(c, kCrachaAna); // the reader is ignored while the panel shows
            EXPECT_EQ(c->tagTimer1(), 3);
            c->Timer1Timer(); // five seconds later
            EXPECT_FALSE(c->pnlErro->isVisibleTo(c));
            EXPECT_FALSE(c->edtCracha->isReadOnly());
        }
        EXPECT_EQ(contar(QStringLiteral("SELECT COUNT(*) FROM PONTO WHERE DATA IS NOT NULL")), 0);

        lerCracha(c, kCrachaAna);
        EXPECT_EQ(c->Tipo, QStringLiteral("Entrada"));
        c->Timer1Timer();
        EXPECT_TRUE(c->pnlSucesso->isVisibleTo(c));
        EXPECT_EQ(c->lblSucesso->text(),
                  QStringLiteral("\n\n\n\n\nMarcação Efetuada com Sucesso! \n\nFuncionário: ANA D'ÁVILA\nTipo: Entrada\n"
                                 "Data: 10/12/2026\nHora: 08:31:07\n\n\nPor Favor, Aguarde para a Próxima Marcação...!"));
        EXPECT_EQ(c->funcionarioAtual(), 0);
        c->Timer1Timer();
        EXPECT_FALSE(c->pnlSucesso->isVisibleTo(c));
        EXPECT_TRUE(c->Tipo.isEmpty());
        EXPECT_EQ(c->edtCracha->selectedText(), kCrachaAna);
        c->btnCancelarClick();
    });
    EXPECT_FALSE(Sessao::atual().FotoOculta);
    EXPECT_TRUE(livro->OP.isEmpty());

    const Linha l = ponto(dia[0]);
    EXPECT_EQ(l.hora(QStringLiteral("HORA")), QTime(8, 31, 7));
    // the photo of the punch, named by the row it filled
    EXPECT_EQ(capturas, 1);
    const QString foto = QDir(pastaFotos()).filePath(QString::number(dia[0]) + QStringLiteral(".jpg"));
    EXPECT_EQ(l.texto(QStringLiteral("FOTO")), foto);
    EXPECT_TRUE(QFile::exists(foto));
    EXPECT_TRUE(ponto(outra).nulo(QStringLiteral("DATA")));
    EXPECT_EQ(logs().last(), QStringLiteral("ADMIN|Registrou Ponto de Entrada -> %1 (ANA D'ÁVILA)").arg(dia[0]));

    // the book, reopened, shows the late entry in yellow
    const QStringList linhas = linhasDoLivro(livro.get());
    EXPECT_EQ(linhas.first(), QStringLiteral("%1:A").arg(dia[0]));
    livro->lista->irParaLinha(int(linhas.size()) - 1);
    EXPECT_EQ(corPintada(livro.get(), 0), corBGR(kCorAtraso));
    EXPECT_EQ(corPintada(livro.get(), 1), ColorirDBG(1, false).fundo); // an open row keeps the grid's colours
}

TEST_F(PontoTelas, MarcacaoManualComSenhaEAsMensagens)
{
    const qint64 ana = empregado(QStringLiteral("ANA"), kCpfAna, QStringLiteral("segr3do"));
    const QList<qint64> dia = diaPrevisto(ana, kHoje);
    auto livro = abrirLivro();
    MensagensRoteiro m;
    m.esperar(kMsgFuncionarioInvalido).esperar(kMsgSenhaInvalida);
    // any key typed in the grid opens the manual punch
    naMarcacao([&] { digitar(livro->dbgPonto, QStringLiteral("a")); }, [&](TFrmCadPonto *c) {
        EXPECT_FALSE(livro->MarcacaoAutomatica);
        EXPECT_EQ(livro->OP, QStringLiteral("I"));
        EXPECT_FALSE(c->edtCracha->isVisibleTo(c));
        EXPECT_EQ(c->lblTitulo->text(), QStringLiteral("Marcar Ponto"));
        c->btnConfirmar->click(); // nobody chosen
        c->escolherFuncionario(ana);
        EXPECT_EQ(c->lblCodPonto->text(), QString::number(dia[0]));
        EXPECT_EQ(c->cbFuncionario->currentText(), QStringLiteral("ANA"));
        digitar(c->edtSenha, QStringLiteral("SEGR3DX"));
        EXPECT_EQ(c->edtSenha->text(), QStringLiteral("segr3dx")); // small letters
        c->btnConfirmar->click();
        EXPECT_EQ(focado(), c->edtSenha);
        EXPECT_EQ(linhasPonto() - contar(QStringLiteral("SELECT COUNT(*) FROM PONTO WHERE DATA IS NULL")), 0);
        // the user types the time of a forgotten punch
        c->chkAtualizar->click();
        EXPECT_TRUE(c->dtHora->isEnabled());
        c->dtHora->setTime(QTime(7, 59));
        c->Timer2Timer(); // the clock leaves a typed time alone
        c->edtSenha->setText(QStringLiteral("segr3do"));
        c->edtObs->setText(QStringLiteral("ESQUECEU O CRACHÁ"));
        tecla(c->edtObs, Qt::Key_F10);
        EXPECT_EQ(c->result(), int(QDialog::Accepted));
    });
    EXPECT_EQ(m.pendentes(), 0);
    EXPECT_EQ(ponto(dia[0]).hora(QStringLiteral("HORA")), QTime(7, 59));
    EXPECT_EQ(ponto(dia[0]).texto(QStringLiteral("OBS")), QStringLiteral("ESQUECEU O CRACHÁ"));
    EXPECT_EQ(livro->OP, QStringLiteral("I")); // a stored manual punch leaves it
    EXPECT_EQ(linhasDoLivro(livro.get()).first(), QStringLiteral("%1:O").arg(dia[0]));

    // the day done: the message, nothing written, the screen stays
    for (int i = 1; i < 4; ++i)
        banco().executar(QStringLiteral("UPDATE PONTO SET DATA = ?, HORA = HORA_DEFINIDA, MARCACAO_AUTO = 'N' "
                                        "WHERE ID_PONTO = ?"),
                         {kHoje, dia[i]});
    m.esperar(kMsgJaCumpriu);
    naMarcacao([&] { digitar(livro->dbgPonto, QStringLiteral("x")); }, [&](TFrmCadPonto *c) {
        c->escolherFuncionario(ana);
        c->edtSenha->setText(QStringLiteral("segr3do"));
        c->btnConfirmar->click();
        EXPECT_TRUE(c->isVisible());
        c->btnCancelar->click();
    });
    EXPECT_EQ(m.pendentes(), 0);
    EXPECT_TRUE(livro->OP.isEmpty());
}

TEST_F(PontoTelas, AlterarEVerMostramALinhaENaoGravam)
{
    parametro(QStringLiteral("PERMITIR_MARCACAO_MANUAL"), QStringLiteral("N"));
    const qint64 ana = empregado(QStringLiteral("ANA"), kCpfAna);
    gravarCor(arquivoFoto(QStringLiteral("ana.jpg")), Qt::blue);
    banco().executar(QStringLiteral("UPDATE FUNCIONARIO SET FOTO = ? WHERE ID_FUNCIONARIO = ?"),
                     {arquivoFoto(QStringLiteral("ana.jpg")), ana});
    const qint64 id = marcada(ana, kHoje, QTime(8, 0), "E", kHoje, QTime(8, 1));
    banco().executar(QStringLiteral("UPDATE PONTO SET OBS = 'CHEGOU', FOTO = 'nao-existe.jpg' WHERE ID_PONTO = ?"), {id});
    auto livro = abrirLivro();
    const QStringList antes = logs();
    naMarcacao([&] { livro->btnManual->click(); }, [&](TFrmCadPonto *c) {
        EXPECT_EQ(livro->OP, QStringLiteral("A"));
        EXPECT_EQ(c->lblTitulo->text(), QStringLiteral("Alterar Ponto"));
        EXPECT_EQ(c->lblCodPonto->text(), QString::number(id));
        EXPECT_EQ(c->edtObs->text(), QStringLiteral("CHEGOU"));
        EXPECT_EQ(c->funcionarioAtual(), ana);
        EXPECT_FALSE(c->chkAtualizar->isVisibleTo(c));
        c->edtSenha->setText(QStringLiteral("abc"));
        c->btnConfirmar->click(); // checks the password and stores nothing
        EXPECT_TRUE(c->isVisible());
        c->btnCancelar->click();
    });
    naMarcacao([&] { livro->dbgPontoDblClick(); }, [&](TFrmCadPonto *c) {
        EXPECT_EQ(c->lblTitulo->text(), QStringLiteral("Ver Ponto"));
        EXPECT_FALSE(c->btnConfirmar->isEnabled());
        EXPECT_FALSE(c->pnlDados->isEnabled());
        EXPECT_TRUE(c->grpFotos->isVisibleTo(c));
        EXPECT_FALSE(c->imgFotoFuncionario->pixmap().isNull());
        EXPECT_TRUE(c->imgFotoCapturada->pixmap().isNull()); // a photo that cannot be read: empty frame
        c->reject();
    });
    EXPECT_EQ(ponto(id).hora(QStringLiteral("HORA")), QTime(8, 1));
    EXPECT_EQ(logs(), antes);
}

TEST_F(PontoTelas, LivroDoDiaEConsultaRapidaPorFuncionario)
{
    const qint64 ana = empregado(QStringLiteral("ANA"), kCpfAna);
    const qint64 bia = empregado(QStringLiteral("BIA"), QStringLiteral("111.444.777-35"));
    const qint64 ontem = marcada(ana, kHoje.addDays(-2), QTime(8, 0), "E", kHoje.addDays(-2), QTime(8, 0));
    const qint64 hoje = prevista(bia, kHoje, QTime(8, 0), "E");
    auto livro = abrirLivro();
    EXPECT_EQ(linhasDoLivro(livro.get()), QStringList{QStringLiteral("%1:").arg(hoje)});
    EXPECT_EQ(livro->tPonto()->texto(0, QStringLiteral("TP")), QStringLiteral("Entrada"));

    livro->btnConsultaRapida->click();
    EXPECT_TRUE(livro->pnlFiltro->isVisible());
    EXPECT_TRUE(livro->rbFuncionario->isChecked());
    EXPECT_FALSE(livro->dtFiltro->isVisible());
    EXPECT_EQ(livro->cbFuncionario->currentText(), QString()); // no employee yet
    tecla(livro->cbFuncionario, Qt::Key_Return);               // Enter waits for an employee
    EXPECT_TRUE(livro->pnlFiltro->isVisible());
    livro->cbFuncionario->setCurrentIndex(livro->cbFuncionario->findText(QStringLiteral("ANA")));
    tecla(livro->cbFuncionario, Qt::Key_Return);
    EXPECT_FALSE(livro->pnlFiltro->isVisible());
    EXPECT_EQ(linhasDoLivro(livro.get()), QStringList{QStringLiteral("%1:O").arg(ontem)});

    livro->btnConsultaRapida->click();
    livro->rbData->click();
    EXPECT_TRUE(livro->dtFiltro->isVisible());
    livro->dtFiltro->setDate(kHoje.addDays(-2));
    livro->btnFiltrar->click();
    EXPECT_EQ(linhasDoLivro(livro.get()), QStringList{QStringLiteral("%1:O").arg(ontem)});
}

TEST_F(PontoTelas, AbonarPelaTelaComJustificativaEPeriodo)
{
    const qint64 ana = empregado(QStringLiteral("ANA"), kCpfAna);
    const qint64 ok = marcada(ana, kHoje, QTime(8, 0), "E", kHoje, QTime(8, 0));
    const qint64 atraso = marcada(ana, kHoje, QTime(13, 0), "E", kHoje, QTime(13, 40));
    const qint64 amanha = prevista(ana, kHoje.addDays(1), QTime(8, 0), "E");
    auto livro = abrirLivro();
    MensagensRoteiro m;
    // the on-time row cannot be excused
    livro->lista->irParaLinha(livro->tPonto()->localizar(QStringLiteral("ID_PONTO"), QString::number(ok)));
    m.esperar(kMsgNaoPodeAbonar);
    livro->btnAbonar->click();
    EXPECT_FALSE(livro->pnlAbono->isVisible());

    livro->lista->irParaLinha(livro->tPonto()->localizar(QStringLiteral("ID_PONTO"), QString::number(atraso)));
    livro->btnAbonar->click();
    EXPECT_TRUE(livro->pnlAbono->isVisible());
    EXPECT_EQ(livro->lblAbonoDataDefinida->text(), QStringLiteral("10/12/2026  13:00:00"));
    EXPECT_EQ(livro->lblAbonoDataMarcacao->text(), QStringLiteral("10/12/2026  13:40:00"));
    EXPECT_FALSE(livro->dtAbonoDe->isEnabled());
    livro->rbFolga->click();
    EXPECT_EQ(livro->edtJustificativa->text(), QStringLiteral("FOLGA"));
    livro->rbPorPeriodo->click();
    EXPECT_TRUE(livro->dtAbonoDe->isEnabled());
    livro->dtAbonoDe->setDate(kHoje.addDays(1));
    livro->dtAbonoAte->setDate(kHoje);
    m.esperar(kMsgPeriodoInvalido);
    livro->btnConfirmarAbono->click();
    EXPECT_TRUE(livro->pnlAbono->isVisible()); // nothing written, the panel stays
    EXPECT_EQ(ponto(atraso).texto(QStringLiteral("ABONADO")), QStringLiteral("N"));

    livro->dtAbonoDe->setDate(kHoje);
    livro->dtAbonoAte->setDate(kHoje.addDays(1));
    livro->edtJustificativa->setText(QStringLiteral("FOLGA DO 'SANTO'"));
    m.esperar(kMsgAbonoFeito);
    tecla(livro->edtJustificativa, Qt::Key_Return);
    EXPECT_FALSE(livro->pnlAbono->isVisible());
    for (qint64 id : {ok, atraso, amanha}) {
        EXPECT_EQ(ponto(id).texto(QStringLiteral("ABONADO")), QStringLiteral("S"));
        EXPECT_EQ(ponto(id).texto(QStringLiteral("OBS")), QStringLiteral("FOLGA DO 'SANTO'"));
    }
    // the list reopened on the same row, now excused
    EXPECT_EQ(livro->lista->inteiro(QStringLiteral("ID_PONTO")), atraso);
    EXPECT_EQ(livro->statusDaLinha(livro->lista->linhaAtual()), QStringLiteral("J"));
    EXPECT_EQ(m.pendentes(), 0);
}

TEST_F(PontoTelas, LimparPerguntaENaoEnganaNaLinhaAberta)
{
    const qint64 ana = empregado(QStringLiteral("ANA"), kCpfAna);
    const qint64 id = marcada(ana, kHoje, QTime(8, 0), "E", kHoje, QTime(8, 4));
    const qint64 aberta = prevista(ana, kHoje, QTime(12, 0), "S");
    auto livro = abrirLivro();
    MensagensRoteiro m;
    const QString pergunta = QStringLiteral(
        "(Aviso: A próxima marcação desse funcionário será registrada nesse código!)\nDeseja realmente limpar esta "
        "marcação?\n     Código: %1\n     ANA\n     Entrada - 10/12/2026 08:04:00").arg(id);
    livro->lista->irParaLinha(livro->tPonto()->localizar(QStringLiteral("ID_PONTO"), QString::number(id)));
    m.esperar(pergunta, Mensagem::Nao);
    livro->btnLimpar->click();
    EXPECT_EQ(ponto(id).hora(QStringLiteral("HORA")), QTime(8, 4));
    m.esperar(pergunta, Mensagem::Sim).esperar(kMsgLimpezaFeita);
    livro->btnLimpar->click();
    EXPECT_TRUE(ponto(id).nulo(QStringLiteral("HORA")));
    EXPECT_EQ(m.mostradas().at(1).tipo, Mensagem::Tipo::Aviso);
    // the row is open now: it cannot be cleared again
    livro->lista->irParaLinha(livro->tPonto()->localizar(QStringLiteral("ID_PONTO"), QString::number(aberta)));
    m.esperar(kMsgNaoPodeLimpar);
    livro->btnLimpar->click();
    EXPECT_EQ(m.mostradas().last().tipo, Mensagem::Tipo::Erro);
    EXPECT_EQ(m.pendentes(), 0);
}

TEST_F(PontoTelas, EntradasDaFaixaAbremOLivroEORelatorio)
{
    RegistroFalso r;
    Pessoal::registrarComandos(r);
    ASSERT_TRUE(r.comandos.count(QStringLiteral("dxBarLargeButton1Click")));
    ASSERT_TRUE(r.comandos.count(QStringLiteral("dxBarButton9Click")));
    bool livro = false, relatorio = false;
    Telas::interceptar<TFrmPonto>([&](TFrmPonto *) {
        livro = true;
        return int(QDialog::Rejected);
    });
    Telas::interceptar<TFrmRelPonto>([&](TFrmRelPonto *) {
        relatorio = true;
        return int(QDialog::Rejected);
    });
    r.comandos[QStringLiteral("dxBarLargeButton1Click")]();
    r.comandos[QStringLiteral("dxBarButton9Click")]();
    EXPECT_TRUE(livro);
    EXPECT_TRUE(relatorio);
}
