// Cash-register shifts: the shift list with its status line, opening with the
// carried balances and the number of the day, closing and the end of the
// workstation, deletion, the balance detail, and one open shift when two
// workstations open at the same moment.
#include "base/Relogio.h"
#include "base/Telas.h"
#include "core/UnitBackup.h"
#include "finance/Caixa.h"
#include "finance/UnitCadCaixa.h"
#include "finance/UnitCaixa.h"
#include "finance/UnitCentralFinanceira.h"
#include "finance/UnitRetiraDinheiro.h"
#include "platform/Estacao.h"
#include "support/TelasTeste.h"

#include <QAction>
#include <QDateEdit>
#include <QDir>
#include <QEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QTableView>
#include <QThread>

#include <atomic>

namespace {

QString u8(const char *t) { return QString::fromUtf8(t); }

const QString kOutroIP = QStringLiteral("10.99.99.99");

class CaixaTeste : public TelasTeste {
protected:
    void SetUp() override
    {
        TelasTeste::SetUp();
        encerrou = 0;
        fimOriginal = Caixa::encerrarPrograma;
        Caixa::encerrarPrograma = [this] { ++encerrou; };
        BackupRegras::encerrarAplicacao = [this] { ++encerrouPeloBackup; };
        ip = Estacao::ipLocal();
        ASSERT_NE(ip, kOutroIP);
    }
    void TearDown() override
    {
        FrmCaixa = nullptr;
        Caixa::encerrarPrograma = fimOriginal;
        BackupRegras::encerrarAplicacao = [] {};
        TelasTeste::TearDown();
    }

    // A shift written directly: balances in the order of MeioCaixa.
    qint64 turno(const QDate &abertura, const QStringList &saldos, const QDate &fechamento = {},
                 const QString &valorFecha = {}, const QString &ipAbertura = {}, int numero = 1)
    {
        QStringList colunas;
        Valores v{abertura, QTime(8, 0), numero, QStringLiteral("ADMIN"), ipAbertura.isEmpty() ? ip : ipAbertura};
        for (int i = 0; i < saldos.size(); ++i) {
            colunas << meiosCaixa()[i].coluna;
            v << Dinheiro::deTextoOuErro(saldos[i]).paraBanco();
        }
        QString sql = QStringLiteral("INSERT INTO CAIXA (DATA_ABERT, HORA_ABERT, TURNO, USUARIO, IP");
        for (const QString &c : colunas)
            sql += QStringLiteral(", ") + c;
        if (fechamento.isValid()) {
            sql += QStringLiteral(", DATA_FECHA, HORA_FECHA, VALOR_FECHA");
            v << fechamento << QTime(18, 0) << Dinheiro::deTextoOuErro(valorFecha).paraBanco();
        }
        sql += QStringLiteral(") VALUES (?") + QStringLiteral(", ?").repeated(v.size() - 1)
            + QStringLiteral(") RETURNING ID_CAIXA");
        return banco().ler(sql, v).inteiro(QStringLiteral("ID_CAIXA"));
    }
    Linha linha(qint64 id)
    {
        return banco().ler(QStringLiteral("SELECT * FROM CAIXA WHERE ID_CAIXA = ?"), {id});
    }
    QString dinheiro(qint64 id, const QString &coluna) { return linha(id).dinheiro(coluna).formatado(); }
    qint64 abertos() { return contar(QStringLiteral("SELECT COUNT(*) FROM CAIXA WHERE DATA_FECHA IS NULL")); }
    qint64 aberto() { return banco().valor(QStringLiteral("SELECT ID_CAIXA FROM CAIXA WHERE DATA_FECHA IS NULL")).toLongLong(); }
    QStringList rotulos(TFrmCaixa &f)
    {
        return {f.lblStatus->text(),          f.lblStatusDinheiro->text(), f.lblStatusCartao->text(),
                f.lblStatusVisa->text(),      f.lblStatusDebVisa->text(),  f.lblStatusMaster->text(),
                f.lblStatusDebMaster->text(), f.lblStatusHiper->text(),    f.lblStatusCheque->text(),
                f.lblStatusNotas->text()};
    }
    // The opening form answered with its confirmation; returns what it showed.
    QStringList confirmarAbertura()
    {
        auto mostrados = std::make_shared<QStringList>();
        Telas::interceptar<TFrmCadCaixa>([mostrados](TFrmCadCaixa *c) {
            *mostrados << c->lblTitulo->text() << c->edtDataAbert->date().toString(QStringLiteral("dd/MM/yyyy"));
            for (QLineEdit *e : {c->edtValorDinheiro, c->edtValorVisa, c->edtValorDebVisa, c->edtValorMaster,
                                 c->edtValorDebMaster, c->edtValorHiper, c->edtValorCheque, c->edtValorNotas}) {
                EXPECT_TRUE(e->isReadOnly());
                *mostrados << e->text();
            }
            c->btnConfirmarClick();
            return c->result();
        });
        ultimosMostrados = mostrados;
        return {};
    }
    void abrirPelaTela()
    {
        confirmarAbertura();
        TFrmCaixa f;
        f.reabrir();
        msg->esperar(Caixa::kMsgCaixaAberto);
        f.btnAbrirClick();
    }

    int encerrou = 0;
    int encerrouPeloBackup = 0;
    QString ip;
    std::function<void()> fimOriginal;
    std::shared_ptr<QStringList> ultimosMostrados;
    const QDate hoje{2026, 12, 10};
};

} // namespace

// ------------------------------------------------------------ opening

TEST_F(CaixaTeste, PrimeiroTurnoNumBancoNovo)
{
    TFrmCaixa f;
    f.reabrir();
    EXPECT_TRUE(f.lista->vazia());
    EXPECT_EQ(rotulos(f), (QStringList{u8("Saldo Atual do Caixa  -  R$ 0,00"), u8("Dinheiro  -  R$ 0,00"),
                                       u8("Total em Cartões  -  R$ 0,00"), u8("Crédito - Visa  -  R$ 0,00"),
                                       u8("Débito - Visa  -  R$ 0,00"), u8("Crédito - Mastercard  -  R$ 0,00"),
                                       u8("Débito - Mastercard  -  R$ 0,00"), u8("Crédito - Hipercard  -  R$ 0,00"),
                                       u8("Pix / Chq  -  R$ 0,00"), u8("A Prazo  -  R$ 0,00")}));
    // Nothing to close yet, but the button stays shown, and so do the bookings.
    EXPECT_FALSE(f.JvXPButton7->isEnabled());
    EXPECT_FALSE(f.JvXPButton7->isHidden());
    EXPECT_FALSE(f.btnOperacoes->isHidden());
    EXPECT_TRUE(f.btnAbrir->isEnabled());
    EXPECT_FALSE(f.btnAlterar->isEnabled());
    EXPECT_FALSE(f.btnExcluir->isEnabled());

    confirmarAbertura();
    msg->esperar(u8("Caixa Aberto com Sucesso!"));
    f.btnAbrirClick();
    EXPECT_EQ(*ultimosMostrados, (QStringList{u8("Nova Abertura"), QStringLiteral("10/12/2026"), "0,00", "0,00",
                                              "0,00", "0,00", "0,00", "0,00", "0,00", "0,00"}));
    EXPECT_EQ(f.OP, QStringLiteral("I"));
    const Linha l = banco().ler(QStringLiteral("SELECT * FROM CAIXA"));
    EXPECT_EQ(l.data(QStringLiteral("DATA_ABERT")), hoje);
    EXPECT_EQ(l.hora(QStringLiteral("HORA_ABERT")), QTime(10, 0));
    EXPECT_EQ(l.inteiro(QStringLiteral("TURNO")), 1);
    EXPECT_EQ(l.texto(QStringLiteral("USUARIO")), QStringLiteral("ADMIN"));
    EXPECT_EQ(l.texto(QStringLiteral("IP")), ip);
    EXPECT_TRUE(l.nulo(QStringLiteral("DATA_FECHA")));
    for (const DadosMeioCaixa &m : meiosCaixa())
        EXPECT_EQ(l.dinheiro(m.coluna).formatado(), QStringLiteral("0,00")) << m.coluna.toStdString();
    EXPECT_EQ(l.dinheiro(QStringLiteral("VALOR_ABERT")).formatado(), QStringLiteral("0,00"));
    EXPECT_EQ(logs(), QStringList{u8("ADMIN|Registrou Abertura do Caixa")});
    // The list was reloaded on the new shift.
    EXPECT_EQ(f.lista->modelo()->total(), 1);
    EXPECT_TRUE(f.JvXPButton7->isEnabled());
    EXPECT_FALSE(f.JvXPButton7->isHidden());
    EXPECT_EQ(f.DBGrid1->model()->headerData(0, Qt::Horizontal).toString(), QStringLiteral("Data de Abertura"));
    EXPECT_EQ(f.DBGrid1->model()->data(f.DBGrid1->model()->index(0, 0)).toString(), QStringLiteral("10/12/2026"));
}

TEST_F(CaixaTeste, SaldosPassamParaOProximoTurnoComoEstaoGuardados)
{
    // A closed shift whose closing total is below its balances (money booked
    // by another workstation after its list was loaded): the balances as
    // stored carry over, cash included.
    turno(hoje.addDays(-1), {"100,00", "50,00", "1,10", "2,20", "3,30", "4,40", "5,50", "30,00"}, hoje.addDays(-1),
          "150,00");
    abrirPelaTela();
    EXPECT_EQ(*ultimosMostrados, (QStringList{u8("Nova Abertura"), QStringLiteral("10/12/2026"), "100,00", "50,00",
                                              "1,10", "2,20", "3,30", "4,40", "5,50", "30,00"}));
    const qint64 novo = aberto();
    for (const DadosMeioCaixa &m : meiosCaixa())
        EXPECT_EQ(dinheiro(novo, m.coluna), QStringList({"100,00", "50,00", "1,10", "2,20", "3,30", "4,40", "5,50",
                                                         "30,00"})[int(m.meio)])
            << m.coluna.toStdString();
    EXPECT_EQ(dinheiro(novo, QStringLiteral("VALOR_ABERT")), QStringLiteral("196,50"));
}

TEST_F(CaixaTeste, NumeroDoTurnoPorDiaDeAbertura)
{
    // Three shifts opened and closed on one day, a fourth opened late that
    // day and closed the next morning, then the first of the next day.
    QList<int> numeros;
    auto abrirEFechar = [&](const QDateTime &abre, const QDateTime &fecha) {
        Relogio::definir(abre);
        const Caixa::Abertura a = Caixa::abrir(DM->Conexao, abre.date(), ip);
        ASSERT_TRUE(a.aberto) << a.mensagem.toStdString();
        numeros << int(linha(a.id).inteiro(QStringLiteral("TURNO")));
        Relogio::definir(fecha);
        ASSERT_EQ(Caixa::fechar(DM->Conexao, ip).situacao, Caixa::Fechamento::Situacao::Fechado);
    };
    const QDate amanha = hoje.addDays(1);
    abrirEFechar(QDateTime(hoje, QTime(6, 0)), QDateTime(hoje, QTime(12, 0)));
    abrirEFechar(QDateTime(hoje, QTime(12, 5)), QDateTime(hoje, QTime(18, 0)));
    abrirEFechar(QDateTime(hoje, QTime(18, 5)), QDateTime(hoje, QTime(22, 0)));
    abrirEFechar(QDateTime(hoje, QTime(22, 5)), QDateTime(amanha, QTime(6, 0)));
    abrirEFechar(QDateTime(amanha, QTime(6, 5)), QDateTime(amanha, QTime(12, 0)));
    abrirEFechar(QDateTime(amanha, QTime(12, 5)), QDateTime(amanha, QTime(18, 0)));
    EXPECT_EQ(numeros, (QList<int>{1, 2, 3, 4, 1, 2}));
}

TEST_F(CaixaTeste, AberturaRecusadaComTurnoAbertoOuForaDoDia)
{
    turno(hoje.addDays(-3), {"10,00"});
    TFrmCaixa f;
    f.reabrir();
    // No shift form opens (a form nobody intercepts would fail the test).
    msg->esperar(u8("Primeiro Finalize o Caixa que se Encontra Aberto em Outra Data!"));
    f.btnAbrirClick();
    EXPECT_EQ(abertos(), 1);

    // The same refusal when the form was already open while another
    // workstation opened its shift.
    const Caixa::Abertura a = Caixa::abrir(DM->Conexao, hoje, ip);
    EXPECT_FALSE(a.aberto);
    EXPECT_EQ(a.mensagem, u8("Primeiro Finalize o Caixa que se Encontra Aberto em Outra Data!"));

    banco().executar(QStringLiteral("UPDATE CAIXA SET DATA_FECHA = ?, VALOR_FECHA = 10"), {hoje.addDays(-2)});
    for (const QDate &d : {hoje.addDays(-1), hoje.addDays(1)}) {
        const Caixa::Abertura b = Caixa::abrir(DM->Conexao, d, ip);
        EXPECT_FALSE(b.aberto);
        EXPECT_TRUE(b.focoData);
        EXPECT_EQ(b.mensagem, u8("Data de Abertura Inválida!"));
    }
    EXPECT_EQ(abertos(), 0);
    EXPECT_TRUE(logs().isEmpty());
}

TEST_F(CaixaTeste, FormularioRecusaDataEConfirmaUmaSoVez)
{
    TFrmCadCaixa c(QStringLiteral("I"));
    c.edtDataAbert->setDate(hoje.addDays(-1));
    msg->esperar(u8("Data de Abertura Inválida!"));
    c.btnConfirmarClick();
    EXPECT_EQ(abertos(), 0);

    // Confirmed twice in a row: one shift, one log line, one message.
    c.edtDataAbert->setDate(hoje);
    msg->esperar(u8("Caixa Aberto com Sucesso!"));
    c.btnConfirmarClick();
    c.btnConfirmarClick();
    EXPECT_EQ(c.result(), QDialog::Accepted);
    EXPECT_EQ(contar(QStringLiteral("SELECT COUNT(*) FROM CAIXA")), 1);
    EXPECT_EQ(logs(), QStringList{u8("ADMIN|Registrou Abertura do Caixa")});
    EXPECT_EQ(msg->mostradas().size(), 2);
}

// The eight opening amounts take no typing and look it: grey like the
// window, not the white (and, in the field, navy) of a field to type in.
TEST_F(CaixaTeste, ValoresDeAberturaParecemSomenteLeitura)
{
    TFrmCadCaixa c(QStringLiteral("I"));
    c.show();
    ativar(&c);
    const QColor cinza = QApplication::palette().color(QPalette::Window);
    for (QLineEdit *e : {c.edtValorDinheiro, c.edtValorVisa, c.edtValorDebVisa, c.edtValorMaster,
                         c.edtValorDebMaster, c.edtValorHiper, c.edtValorCheque, c.edtValorNotas}) {
        SCOPED_TRACE(e->objectName().toStdString());
        ASSERT_TRUE(e->isReadOnly());
        EXPECT_EQ(e->palette().color(QPalette::Base), cinza);
        e->setFocus(Qt::MouseFocusReason);
        focar(e, true);
        EXPECT_EQ(e->palette().color(QPalette::Base), cinza);
        EXPECT_EQ(e->palette().color(QPalette::Text), QColor(Qt::black));
        digitar(e, QStringLiteral("9"));
        EXPECT_EQ(e->text(), QStringLiteral("0,00"));
        focar(e, false);
        EXPECT_EQ(e->palette().color(QPalette::Base), cinza);
    }
    // A field to type in still turns navy.
    focar(c.edtDataAbert, true);
    EXPECT_NE(c.edtDataAbert->palette().color(QPalette::Base), cinza);
}

TEST_F(CaixaTeste, DuasEstacoesAbrindoAoMesmoTempoDaoUmTurno)
{
    // The other workstation has inserted its open shift and not committed
    // yet; ours checks, finds none (it cannot see it), inserts, waits for the
    // other and is refused by the database when the other commits.
    std::atomic<bool> inserido{false};
    const QString caminho = banco().caminho();
    std::unique_ptr<QThread> outra(QThread::create([&] {
        ConexaoBanco c(QStringLiteral("OutraEstacao"), caminho);
        c.conectar();
        c.iniciarTransacao();
        Caixa::inserirTurno(c, QDate(2026, 12, 10), QTime(9, 59), QStringLiteral("MARIA"), kOutroIP);
        inserido = true;
        QThread::msleep(400);
        c.confirmarTransacao();
    }));
    outra->start();
    while (!inserido)
        QThread::msleep(5);
    const Caixa::Abertura a = Caixa::abrir(DM->Conexao, hoje, ip);
    outra->wait();
    EXPECT_FALSE(a.aberto);
    EXPECT_EQ(a.mensagem, u8("Primeiro Finalize o Caixa que se Encontra Aberto em Outra Data!"));
    EXPECT_EQ(abertos(), 1);
    EXPECT_EQ(banco().ler(QStringLiteral("SELECT USUARIO FROM CAIXA")).texto(QStringLiteral("USUARIO")),
              QStringLiteral("MARIA"));
    EXPECT_TRUE(logs().isEmpty());

    // The other side gives up instead: ours goes through once it may.
    banco().executar(QStringLiteral("DELETE FROM CAIXA"));
    inserido = false;
    std::unique_ptr<QThread> desiste(QThread::create([&] {
        ConexaoBanco c(QStringLiteral("OutraEstacao2"), caminho);
        c.conectar();
        c.iniciarTransacao();
        Caixa::inserirTurno(c, QDate(2026, 12, 10), QTime(9, 59), QStringLiteral("MARIA"), kOutroIP);
        inserido = true;
        QThread::msleep(300);
        c.desfazerTransacao();
    }));
    desiste->start();
    while (!inserido)
        QThread::msleep(5);
    const Caixa::Abertura b = Caixa::abrir(DM->Conexao, hoje, ip);
    desiste->wait();
    EXPECT_TRUE(b.aberto);
    EXPECT_EQ(abertos(), 1);
    EXPECT_EQ(linha(b.id).texto(QStringLiteral("USUARIO")), QStringLiteral("ADMIN"));
}

// ------------------------------------------------------------ status line and rights

TEST_F(CaixaTeste, LinhaDeStatusDoTurnoMaisNovo)
{
    const qint64 velho = turno(hoje.addDays(-2), {"1,00"}, hoje.addDays(-2), "1,00");
    const qint64 fechado =
        turno(hoje.addDays(-1), {"100,00", "50,00", "0,25", "1.000,00", "0,75", "2,00", "3,00", "30,00"},
              hoje.addDays(-1), "1.187,00");
    TFrmCaixa f;
    f.reabrir();
    EXPECT_EQ(f.caixaAtual(), fechado);
    EXPECT_EQ(rotulos(f),
              (QStringList{u8("Saldo Atual do Caixa  -  R$ 1.187,00"), u8("Dinheiro  -  R$ 100,00"),
                           u8("Total em Cartões  -  R$ 1.053,00"), u8("Crédito - Visa  -  R$ 50,00"),
                           u8("Débito - Visa  -  R$ 0,25"), u8("Crédito - Mastercard  -  R$ 1.000,00"),
                           u8("Débito - Mastercard  -  R$ 0,75"), u8("Crédito - Hipercard  -  R$ 2,00"),
                           u8("Pix / Chq  -  R$ 3,00"), u8("A Prazo  -  R$ 30,00")}));
    // The newest shift is closed: no closing, no bookings.
    EXPECT_TRUE(f.JvXPButton7->isHidden());
    EXPECT_TRUE(f.btnOperacoes->isHidden());
    EXPECT_TRUE(f.btnAlterar->isHidden() && f.btnExcluir->isHidden());

    // An open shift shows the sum of its balances; moving to a closed row
    // hides the closing, without changing the bookings button.
    const qint64 atual = turno(hoje, {"10,00", "0,00", "0,00", "0,00", "0,00", "0,00", "0,00", "-5,00"});
    f.MostrarTodos();
    EXPECT_EQ(f.caixaAtual(), atual);
    EXPECT_EQ(f.lblStatus->text(), u8("Saldo Atual do Caixa  -  R$ 5,00"));
    EXPECT_EQ(f.lblStatusNotas->text(), u8("A Prazo  -  R$ -5,00"));
    EXPECT_FALSE(f.JvXPButton7->isHidden());
    EXPECT_FALSE(f.btnOperacoes->isHidden());
    f.lista->irParaLinha(0);
    EXPECT_EQ(f.caixaAtual(), velho);
    EXPECT_TRUE(f.JvXPButton7->isHidden());
    EXPECT_FALSE(f.btnOperacoes->isHidden());
    f.lista->irParaLinha(2);
    EXPECT_FALSE(f.JvXPButton7->isHidden());
}

TEST_F(CaixaTeste, UsuarioSemMovimentosVeSoOTurnoMaisNovo)
{
    turno(hoje.addDays(-2), {"1,00"}, hoje.addDays(-2), "1,00");
    const qint64 novo = turno(hoje.addDays(-1), {"2,00"}, hoje.addDays(-1), "2,00");
    Sessao::atual().direitos.MOVIMENTOS = false;
    {
        TFrmCaixa f;
        f.reabrir();
        ASSERT_EQ(f.lista->modelo()->total(), 1);
        EXPECT_EQ(f.caixaAtual(), novo);
        EXPECT_TRUE(f.btnOperacoes->isHidden());
        // After opening, the new shift.
        confirmarAbertura();
        msg->esperar(Caixa::kMsgCaixaAberto);
        f.btnAbrirClick();
        ASSERT_EQ(f.lista->modelo()->total(), 1);
        EXPECT_EQ(f.caixaAtual(), aberto());
        EXPECT_EQ(dinheiro(aberto(), QStringLiteral("ATUAL")), QStringLiteral("2,00"));
        EXPECT_FALSE(f.JvXPButton7->isHidden());
        EXPECT_TRUE(f.btnOperacoes->isHidden());
    }

    // Without INCLUI, ALTERA, EXCLUI: nothing opens, the Insert and Delete keys do nothing.
    Sessao::atual().direitos = Direitos();
    TFrmCaixa f;
    f.show();
    ativar(&f);
    EXPECT_FALSE(f.btnAbrir->isEnabled());
    tecla(f.DBGrid1, Qt::Key_Insert);
    tecla(f.DBGrid1, Qt::Key_Delete);
    tecla(f.DBGrid1, Qt::Key_F2);
    EXPECT_EQ(msg->mostradas().size(), 1);
}

TEST_F(CaixaTeste, AtalhosDaLista)
{
    const qint64 velho = turno(hoje.addDays(-2), {"1,00"}, hoje.addDays(-2), "1,00");
    turno(hoje.addDays(-1), {"2,00"});
    TFrmCaixa f;
    FrmCaixa = &f;
    f.show();
    ativar(&f);
    QStringList visiveis;
    for (QAction *a : f.findChild<QMenuBar *>(QStringLiteral("menuAtalhos"))->actions())
        if (a->isVisible())
            visiveis << a->text();
    EXPECT_EQ(visiveis, (QStringList{"ATALHOS:", "|| Abrir  - (F2) ||", "|| Sair - (Ctrl + X) ||"}));

    // Insert shows the shift on which the list stands for alteration.
    QString titulo;
    Telas::interceptar<TFrmCadCaixa>([&](TFrmCadCaixa *c) {
        titulo = c->lblTitulo->text();
        EXPECT_EQ(c->edtDataAbert->date(), hoje.addDays(-2));
        EXPECT_EQ(c->edtValorDinheiro->text(), QStringLiteral("0,00")); // VALOR_ABERT
        EXPECT_EQ(c->edtValorVisa->text(), QStringLiteral("0,00"));
        // Its confirmation only checks the date and writes nothing.
        c->edtDataAbert->setDate(hoje);
        msg->esperar(u8("Data de Abertura Inválida!"));
        c->btnConfirmarClick();
        c->edtDataAbert->setDate(hoje.addDays(-2));
        c->btnConfirmarClick();
        EXPECT_EQ(c->result(), 0) << "o formulário de alteração fica aberto";
        c->btnCancelarClick();
        return c->result();
    });
    f.lista->irParaLinha(0);
    tecla(f.DBGrid1, Qt::Key_Insert);
    EXPECT_EQ(titulo, QStringLiteral("Alterar Caixa"));
    EXPECT_TRUE(f.OP.isEmpty()); // "Cancelar" empties it
    EXPECT_TRUE(logs().isEmpty());
    EXPECT_EQ(contar(QStringLiteral("SELECT COUNT(*) FROM CAIXA WHERE ID_CAIXA = ? AND DATA_ABERT = ?"),
                     {velho, hoje.addDays(-2)}),
              1);

    // Delete asks first.
    f.lista->irParaLinha(0);
    msg->esperar(u8("Deseja Realmente Excluir essa Movimentação?"), Mensagem::Nao);
    tecla(f.DBGrid1, Qt::Key_Delete);
    EXPECT_EQ(contar(QStringLiteral("SELECT COUNT(*) FROM CAIXA")), 2);
}

// ------------------------------------------------------------ closing

TEST_F(CaixaTeste, FechamentoPorEstacaoEEndereco)
{
    struct Caso {
        const char *nome;
        const char *estacao;     // AuxNomePC
        bool mesmoIP;
        const char *fecharOutro; // FECHAR_CAIXA_OUTRO_PC
        bool fecha;
    };
    const Caso casos[] = {
        {"mesma máquina, restrito", "RECEPCAO", true, "S", true},
        {"mesma máquina, livre", "RECEPCAO", true, "N", true},
        {"outra máquina, restrito", "RECEPCAO", false, "S", false},
        {"outra máquina, valor diferente de N restringe", "RECEPCAO", false, "X", false},
        {"outra máquina, livre", "RECEPCAO", false, "N", true},
        {"servidor fecha com cópia de segurança", "SERVIDOR", true, "S", true},
    };
    QDir().mkpath(BackupRegras::pastaPadrao());
    for (const Caso &c : casos) {
        SCOPED_TRACE(c.nome);
        banco().executar(QStringLiteral("DELETE FROM CAIXA"));
        banco().executar(QStringLiteral("DELETE FROM LOG"));
        banco().executar(QStringLiteral("DELETE FROM ONLINE"));
        for (const QString &f : QDir(BackupRegras::pastaPadrao()).entryList(QDir::Files))
            QFile::remove(BackupRegras::pastaPadrao() + QLatin1Char('/') + f);
        encerrou = encerrouPeloBackup = 0;
        const int antes = int(msg->mostradas().size());
        Sessao::atual().AuxNomePC = QString::fromLatin1(c.estacao);
        parametro(QStringLiteral("FECHAR_CAIXA_OUTRO_PC"), QString::fromLatin1(c.fecharOutro));
        for (const char *maquina : {"RECEPCAO", "SERVIDOR"})
            banco().executar(QStringLiteral("INSERT INTO ONLINE (USUARIO, MAQUINA) VALUES ('ADMIN', ?)"),
                             {QString::fromLatin1(maquina)});
        const qint64 id = turno(hoje, {"100,00", "20,00", "0,00", "0,00", "0,00", "0,00", "5,00", "7,50"}, {}, {},
                                c.mesmoIP ? ip : kOutroIP);

        TFrmCaixa f;
        f.reabrir();
        msg->esperar(u8("Deseja Realmente Fechar Este Turno de Caixa?"), Mensagem::Sim);
        if (!c.fecha) {
            msg->esperar(u8("Impossível Fechar o Caixa por esta Máquina! Realize o Fechamento na Máquina que "
                            "Registrou a Abertura! (10.99.99.99)"));
        } else {
            msg->esperar(u8("Caixa Fechado com Sucesso! O Sistema será agora Finalizado!"));
            if (QString::fromLatin1(c.estacao) == QLatin1String("SERVIDOR")) {
                msg->esperar(BackupRegras::kMsgBackupOk);
                // Shown, the backup screen backs up at once.
                Telas::interceptar<TFrmBackup>([](TFrmBackup *b) {
                    EXPECT_TRUE(b->automatico());
                    return b->result();
                });
            }
        }
        f.JvXPButton7Click();
        Telas::liberarTodas();
        EXPECT_EQ(msg->pendentes(), 0);
        EXPECT_EQ(int(msg->mostradas().size()) - antes, c.fecha ? (c.estacao[0] == 'S' ? 3 : 2) : 2);

        QStringList presenca;
        for (const Linha &l : banco().lerTodas(QStringLiteral("SELECT MAQUINA FROM ONLINE ORDER BY MAQUINA")))
            presenca << l.texto(QStringLiteral("MAQUINA"));
        const Linha l = linha(id);
        if (!c.fecha) {
            EXPECT_TRUE(l.nulo(QStringLiteral("DATA_FECHA")));
            EXPECT_TRUE(logs().isEmpty());
            EXPECT_EQ(encerrou, 0);
            EXPECT_EQ(presenca, (QStringList{"RECEPCAO", "SERVIDOR"}));
            EXPECT_FALSE(f.JvXPButton7->isHidden());
            continue;
        }
        EXPECT_EQ(l.data(QStringLiteral("DATA_FECHA")), hoje);
        EXPECT_EQ(l.hora(QStringLiteral("HORA_FECHA")), QTime(10, 0));
        EXPECT_EQ(l.dinheiro(QStringLiteral("VALOR_FECHA")).formatado(), QStringLiteral("132,50"));
        EXPECT_EQ(encerrou, 1);
        if (c.estacao[0] == 'S') {
            EXPECT_EQ(logs(), (QStringList{u8("ADMIN|Registrou Fechamento do Caixa"), u8("ADMIN|Saiu do Sistema"),
                                           u8("ADMIN|Criou Backup")}));
            EXPECT_EQ(presenca, QStringList{"RECEPCAO"});
            EXPECT_EQ(QDir(BackupRegras::pastaPadrao()).entryList(QDir::Files).size(), 1);
            EXPECT_TRUE(Sessao::atual().RealizarBackup.isEmpty());
        } else {
            EXPECT_EQ(logs(), (QStringList{u8("ADMIN|Registrou Fechamento do Caixa"), u8("ADMIN|Saiu do Sistema")}));
            EXPECT_EQ(presenca, QStringList{"SERVIDOR"});
            EXPECT_TRUE(QDir(BackupRegras::pastaPadrao()).entryList(QDir::Files).isEmpty());
        }
    }
}

TEST_F(CaixaTeste, FechamentoSomaOQueOutraEstacaoLancouDepoisDaLista)
{
    Sessao::atual().AuxNomePC = QStringLiteral("RECEPCAO");
    const qint64 id = turno(hoje, {"100,00"});
    TFrmCaixa f;
    f.reabrir();
    EXPECT_EQ(f.lblStatus->text(), u8("Saldo Atual do Caixa  -  R$ 100,00"));
    // Another workstation books after the list was loaded.
    banco().executar(QStringLiteral("UPDATE CAIXA SET ATUAL = ATUAL + 40, ATUAL_CARTAO = ATUAL_CARTAO + 60"));
    msg->esperar(Caixa::kMsgConfirmaFechamento, Mensagem::Sim);
    msg->esperar(Caixa::kMsgCaixaFechado);
    f.JvXPButton7Click();
    EXPECT_EQ(dinheiro(id, QStringLiteral("VALOR_FECHA")), QStringLiteral("200,00"));

    // ... and the next shift opens with all of it.
    Relogio::avancar(60);
    const Caixa::Abertura a = Caixa::abrir(DM->Conexao, hoje, ip);
    ASSERT_TRUE(a.aberto);
    EXPECT_EQ(dinheiro(a.id, QStringLiteral("ATUAL")), QStringLiteral("140,00"));
    EXPECT_EQ(dinheiro(a.id, QStringLiteral("VALOR_ABERT")), QStringLiteral("200,00"));
}

TEST_F(CaixaTeste, FechamentoDeTurnoJaFechadoEmOutraEstacaoNaoEncerra)
{
    Sessao::atual().AuxNomePC = QStringLiteral("RECEPCAO");
    parametro(QStringLiteral("FECHAR_CAIXA_OUTRO_PC"), QStringLiteral("N"));
    const qint64 id = turno(hoje, {"100,00"});
    banco().executar(QStringLiteral("INSERT INTO ONLINE (USUARIO, MAQUINA) VALUES ('ADMIN', 'RECEPCAO')"));
    TFrmCaixa f;
    f.reabrir();
    ASSERT_FALSE(f.JvXPButton7->isHidden());
    // Closed elsewhere while this list stood on it.
    banco().executar(QStringLiteral("UPDATE CAIXA SET DATA_FECHA = ?, HORA_FECHA = ?, VALOR_FECHA = 100"),
                     {hoje, QTime(9, 0)});
    msg->esperar(Caixa::kMsgConfirmaFechamento, Mensagem::Sim);
    msg->esperar(u8("Este Turno de Caixa já foi Fechado em Outra Máquina! Nenhum Caixa foi Fechado por esta "
                    "Máquina."));
    f.JvXPButton7Click();
    EXPECT_EQ(encerrou, 0);
    EXPECT_TRUE(logs().isEmpty());
    EXPECT_EQ(linha(id).hora(QStringLiteral("HORA_FECHA")), QTime(9, 0));
    EXPECT_EQ(contar(QStringLiteral("SELECT COUNT(*) FROM ONLINE")), 1);
    EXPECT_TRUE(f.JvXPButton7->isHidden());

    // Answering No closes nothing either.
    banco().executar(QStringLiteral("DELETE FROM CAIXA"));
    turno(hoje, {"1,00"});
    f.reabrir();
    msg->esperar(Caixa::kMsgConfirmaFechamento, Mensagem::Nao);
    f.JvXPButton7Click();
    EXPECT_EQ(abertos(), 1);
}

TEST_F(CaixaTeste, LancamentoDepoisDoFechamentoNaoVaiParaNenhumTurno)
{
    Sessao::atual().AuxNomePC = QStringLiteral("RECEPCAO");
    turno(hoje, {"100,00"});
    ASSERT_EQ(Caixa::fechar(DM->Conexao, ip).situacao, Caixa::Fechamento::Situacao::Fechado);
    const ResultadoCaixa r = MovimentarCaixa(DM->Conexao, MeioCaixa::CreditoVisa, QStringLiteral("+"), Dinheiro::deReais(10));
    EXPECT_FALSE(r.sucesso);
    EXPECT_EQ(r.mensagem, u8("Necessário Abrir o Caixa para Funcionamento do Sistema!"));
    EXPECT_EQ(r.falha, ResultadoCaixa::Falha::SemTurno);
    EXPECT_EQ(contar(QStringLiteral("SELECT COUNT(*) FROM CAIXA WHERE ATUAL_CARTAO <> 0")), 0);
}

// ------------------------------------------------------------ deletion

TEST_F(CaixaTeste, ExclusaoSoDeTurnoFechadoSemPendencias)
{
    const QDate d1 = hoje.addDays(-3), d2 = hoje.addDays(-2), d3 = hoje.addDays(-1);
    const qint64 t1 = turno(d1, {"1,00"}, d1, "1,00");
    const qint64 t2 = turno(d2, {"2,00"}, d2, "2,00");
    const qint64 t3 = turno(d3, {"3,00"}, d3, "3,00");
    banco().executar(QStringLiteral("INSERT INTO VENDA (DATA_VENDA) VALUES (?)"), {d2});
    struct Caso {
        const char *nome;
        qint64 id;
        const char *mensagem;
        bool excluido;
    };
    const Caso casos[] = {
        {"com venda no dia", t2, "Impossível Excluir essa Movimentação, Existem Pendências!", false},
        {"último fechado", t3,
         "Impossível Excluir o Último Caixa Fechado: os seus Saldos são os Saldos de Abertura do Próximo Turno!", false},
        {"fechado sem pendências", t1, "Movimentação Excluída com Sucesso!", true},
    };
    TFrmCaixa f;
    f.reabrir();
    for (const Caso &c : casos) {
        SCOPED_TRACE(c.nome);
        f.lista->irParaLinha(f.lista->modelo()->localizar(QStringLiteral("ID_CAIXA"), QString::number(c.id)));
        ASSERT_EQ(f.caixaAtual(), c.id);
        msg->esperar(Caixa::kMsgConfirmaExclusao, Mensagem::Sim);
        msg->esperar(u8(c.mensagem));
        f.btnExcluirClick();
        EXPECT_EQ(contar(QStringLiteral("SELECT COUNT(*) FROM CAIXA WHERE ID_CAIXA = ?"), {c.id}), c.excluido ? 0 : 1);
    }
    EXPECT_EQ(logs(), QStringList{u8("ADMIN|Excluiu Movimentação do Caixa -> Código ") + QString::number(t1)});

    // The open shift never.
    const qint64 t4 = turno(hoje, {"4,00"});
    banco().executar(QStringLiteral("DELETE FROM VENDA"));
    const Caixa::Exclusao e = Caixa::excluir(DM->Conexao, t4);
    EXPECT_FALSE(e.excluido);
    EXPECT_EQ(e.mensagem, u8("Impossível Excluir o Caixa que se Encontra Aberto! Registre o seu Fechamento."));
    EXPECT_EQ(abertos(), 1);
}

// ------------------------------------------------------------ detail

TEST_F(CaixaTeste, DetalheDosSaldos)
{
    const qint64 primeiro = turno(hoje.addDays(-3), {"10,00", "1,00", "0,00", "0,00", "0,00", "0,00", "0,00", "2,00"},
                                  hoje.addDays(-3), "13,00");
    TFrmCaixa f;
    f.reabrir();
    const QString linhasDoPrimeiro = u8("--- Detalhe dos Saldos na Abertura ---\n"
                                        "Abertura em Dinheiro -> R$ 0,00\n"
                                        "Abertura em Cartão de Crédito - Visa -> R$ 0,00\n"
                                        "Abertura em Cartão de Débito - Visa -> R$ 0,00\n"
                                        "Abertura em Cartão de Crédito - Mastercard -> R$ 0,00\n"
                                        "Abertura em Cartão de Débito - Mastercard -> R$ 0,00\n"
                                        "Abertura em Cartão de Crédito - Hipercard -> R$ 0,00\n"
                                        "Abertura em Pix / Chq -> R$ 0,00\n"
                                        "Abertura em Nota -> R$ 0,00\n"
                                        "Total na Abertura -> R$ 0,00\n"
                                        "\n"
                                        "--- Detalhe dos Saldos no Fechamento ---\n"
                                        "Fechamento em Dinheiro -> R$ 10,00\n"
                                        "Fechamento em Cartão de Crédito - Visa -> R$ 1,00\n"
                                        "Fechamento em Cartão de Débito - Visa -> R$ 0,00\n"
                                        "Fechamento em Cartão de Crédito - Mastercard -> R$ 0,00\n"
                                        "Fechamento em Cartão de Débito - Mastercard -> R$ 0,00\n"
                                        "Fechamento em Cartão de Crédito - Hipercard -> R$ 0,00\n"
                                        "Fechamento em Pix / Chq -> R$ 0,00\n"
                                        "Fechamento em A Prazo -> R$ 2,00\n"
                                        "Total no Fechamento -> R$ 13,00\n"
                                        "\n"
                                        "--- Diferença dos Saldos ---\n"
                                        "Dinheiro -> R$ 10,00\n"
                                        "Cartão de Crédito - Visa -> R$ 1,00\n"
                                        "Cartão de Débito - Visa -> R$ 0,00\n"
                                        "Cartão de Crédito - Mastercard -> R$ 0,00\n"
                                        "Cartão de Débito - Mastercard -> R$ 0,00\n"
                                        "Cartão de Crédito - Hipercard -> R$ 0,00\n"
                                        "Pix / Chq -> R$ 0,00\n"
                                        "A Prazo -> R$ 2,00\n"
                                        "Total de Diferenças -> R$ 13,00\n"
                                        "\n");
    msg->esperar(linhasDoPrimeiro);
    f.btnDetalheClick();

    // A later shift whose previous key is gone: the previous one is the
    // highest key below it, not the key minus one.
    const qint64 apagado = turno(hoje.addDays(-2), {"99,00"}, hoje.addDays(-2), "99,00");
    banco().executar(QStringLiteral("DELETE FROM CAIXA WHERE ID_CAIXA = ?"), {apagado});
    const qint64 atual = turno(hoje, {"25,00", "1,00", "0,00", "0,00", "-3,00", "0,00", "0,50", "2,00"});
    ASSERT_GT(atual, primeiro + 1);
    const QString d = Caixa::detalhe(DM->Conexao, atual);
    const QStringList l = d.split(QLatin1Char('\n'));
    EXPECT_EQ(l[1], u8("Abertura em Dinheiro -> R$ 10,00"));
    EXPECT_EQ(l[8], u8("Abertura em A Prazo -> R$ 2,00"));
    EXPECT_EQ(l[9], u8("Total na Abertura -> R$ 13,00"));
    EXPECT_EQ(l[11], u8("--- Detalhe dos Saldos (Atual) ---"));
    EXPECT_EQ(l[12], u8("Dinheiro -> R$ 25,00"));
    EXPECT_EQ(l[20], u8("Total no Saldo Atual -> R$ 25,50"));
    EXPECT_EQ(l[23], u8("Dinheiro -> R$ 15,00"));
    EXPECT_EQ(l[27], u8("Cartão de Débito - Mastercard -> R$ -3,00"));
    EXPECT_EQ(l[29], u8("Pix / Chq -> R$ 0,50"));
    EXPECT_EQ(l[31], u8("Total de Diferenças -> R$ 12,50"));
}

// ------------------------------------------------------------ the finance launcher

TEST_F(CaixaTeste, CentralFinanceira)
{
    TFrmCentralFinanceira c;
    c.show();
    EXPECT_EQ(c.windowTitle(), QStringLiteral("Central Financeira"));
    EXPECT_EQ(c.lblDescricao->text(), u8("Selecione uma Opção"));
    QStringList visiveis;
    for (QPushButton *b : c.findChildren<QPushButton *>())
        if (b->isVisible())
            visiveis << b->text() + (b->isEnabled() ? QString() : QStringLiteral(" (desabilitado)"));
    visiveis.sort();
    EXPECT_EQ(visiveis, (QStringList{"Caixa", u8("Despesas de UH (desabilitado)"), "Fechar",
                                     u8("Pagamento de Funcionários (desabilitado)"),
                                     u8("Saídas (Walk-Out) (desabilitado)")}));
    QEvent entra(QEvent::Enter);
    QApplication::sendEvent(c.btnCaixa, &entra);
    EXPECT_EQ(c.lblDescricao->text(), u8("Operações Destinadas aos Caixa"));
    QEvent sai(QEvent::Leave);
    QApplication::sendEvent(c.btnCaixa, &sai);
    EXPECT_EQ(c.lblDescricao->text(), u8("Selecione uma Opção"));

    int listas = 0;
    Telas::interceptar<TFrmCaixa>([&](TFrmCaixa *) {
        ++listas;
        return int(QDialog::Rejected);
    });
    c.btnCaixa->click();
    EXPECT_EQ(listas, 1);
}
