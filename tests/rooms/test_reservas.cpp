// Reservations: the form's checks and saves, the room states they set, the
// list's period view with its free rooms, deletion and search, and two
// workstations reserving the same room and day at once.
#include "base/Janela.h"
#include "base/Relogio.h"
#include "base/Telas.h"
#include "rooms/Reservas.h"
#include "rooms/UnitCadReservas.h"
#include "rooms/UnitReservas.h"
#include "support/TelasTeste.h"

#include <QComboBox>
#include <QDateEdit>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTimeEdit>
#include <future>
#include <thread>

namespace {

const QDate kHoje(2026, 3, 10);

class Reservas_ : public TelasTeste {
protected:
    void SetUp() override
    {
        TelasTeste::SetUp();
        Relogio::definir(QDateTime(kHoje, QTime(10, 0)));
        tipo = banco()
                   .valor(QStringLiteral("INSERT INTO TIPO_UH (DESCRICAO, ABREV, P1, P2, P3, P4) "
                                         "VALUES ('LUXO', 'LX', 100, 150, 0, 0) RETURNING ID_TIPO_UH"))
                   .toLongLong();
        uh101 = quarto(QStringLiteral("101"));
        uh102 = quarto(QStringLiteral("102"));
        uh103 = quarto(QStringLiteral("103"));
        ana = cliente(QStringLiteral("ANA D'ÁVILA"), QStringLiteral("N"));
    }
    void TearDown() override
    {
        Telas::liberarTodas();
        Relogio::liberar();
        TelasTeste::TearDown();
    }

    qint64 quarto(const QString &numero, const QString &situacao = QStringLiteral("L"))
    {
        return banco()
            .valor(QStringLiteral("INSERT INTO UH (ID_TIPO_UH, NUMERO, SITUACAO) VALUES (?, ?, ?) RETURNING ID_UH"),
                   {tipo, numero, situacao})
            .toLongLong();
    }
    qint64 cliente(const QString &nome, const QString &excluido, const QString &lembrete = {})
    {
        return banco()
            .valor(QStringLiteral("INSERT INTO CLIENTE (NOME, TIPO_PESSOA, CNPJ_CPF, EXCLUIDO, LEMBRETE) "
                                  "VALUES (?, 'F', '', ?, ?) RETURNING ID_CLIENTE"),
                   {nome, excluido, lembrete})
            .toLongLong();
    }
    // A pending reservation written as the form writes it.
    qint64 reserva(qint64 uh, const QDate &de, const QDate &ate)
    {
        const qint64 id = banco()
                              .valor(QStringLiteral("INSERT INTO RESERVA (DATA_ENTRADA, HORA_ENTRADA, DATA_SAIDA, "
                                                    "HORA_SAIDA, ID_CLIENTE, ID_UH, QTD_PESSOAS) VALUES "
                                                    "(?, '12:00', ?, '12:00', ?, ?, 2) RETURNING ID_RESERVA"),
                                     {de, ate, ana, uh})
                              .toLongLong();
        for (QDate d = de; d <= ate; d = d.addDays(1))
            banco().executar(QStringLiteral("INSERT INTO RESERVA_UH (ID_RESERVA, DATA_ENTRADA, ID_UH) VALUES (?, ?, ?)"),
                             {id, d, uh});
        return id;
    }
    void estadia(qint64 uh, const QDate &saidaPrevista, const QString &baixa = QStringLiteral("N"))
    {
        banco().executar(QStringLiteral("INSERT INTO WALK_IN (DATA_ENTRADA, HORA_ENTRADA, DATA_SAIDA, HORA_SAIDA, "
                                        "ID_CLIENTE, ID_UH, QTD_ADULTOS, BAIXA) VALUES (?, '12:00', ?, '12:00', ?, ?, 1, ?)"),
                         {kHoje.addDays(-3), saidaPrevista, ana, uh, baixa});
    }
    QString situacao(qint64 uh)
    {
        return banco().valor(QStringLiteral("SELECT SITUACAO FROM UH WHERE ID_UH = ?"), {uh}).toString().trimmed();
    }
    qint64 dias(qint64 idReserva)
    {
        return contar(QStringLiteral("SELECT COUNT(*) FROM RESERVA_UH WHERE ID_RESERVA = ?"), {idReserva});
    }
    Reservas::Dados dados(qint64 uh, const QDate &de, const QDate &ate)
    {
        Reservas::Dados d;
        d.entrada = de;
        d.saida = ate;
        d.horaEntrada = d.horaSaida = QTime(12, 0);
        d.cliente = ana;
        d.uh = uh;
        d.pessoas = QStringLiteral("2");
        return d;
    }
    // The form over a hidden list, as the room map opens it for a new reservation.
    void preencher(TFrmCadReservas &f, qint64 uh, const QDate &de, const QDate &ate, const QString &pessoas = "2")
    {
        f.dtEntrada->setDate(de);
        f.dtSaida->setDate(ate);
        f.escolherCliente(ana);
        f.escolherUH(uh);
        f.edtPessoas->setText(pessoas);
    }

    qint64 tipo = 0, uh101 = 0, uh102 = 0, uh103 = 0, ana = 0;
};

} // namespace

TEST_F(Reservas_, EntradasRecusadasNaOrdemDaTela)
{
    struct {
        qint64 cliente, uh;
        const char *pessoas;
        int entrada, saida; // days from today
        bool nova;
        const char *mensagem;
        Reservas::Campo foco;
    } casos[] = {
        {0, 1, "2", 0, 1, true, "Cliente Inválido!", Reservas::Campo::Cliente},
        {5, 0, "", 0, 1, true, "Unidade Habitacional (UH) Inválida!", Reservas::Campo::UH},
        {5, 1, "", 0, 1, true, "Quantidade de Pessoas Inválida!", Reservas::Campo::Pessoas},
        {5, 1, "0", 0, 1, true, "Quantidade de Pessoas Inválida!", Reservas::Campo::Pessoas},
        {5, 1, "2a", 0, 1, true, "Quantidade de Pessoas Inválida!", Reservas::Campo::Pessoas},
        {5, 1, "2", 3, 2, true, "Data de Entrada Maior que Data de Saída", Reservas::Campo::Entrada},
        {5, 1, "2", -1, 2, true, "Data de Entrada Anterior à Data de Hoje!", Reservas::Campo::Entrada},
        {5, 1, "2", -1, 2, false, nullptr, Reservas::Campo::Nenhum}, // an alteration keeps its past arrival
        {5, 1, "2", 2, 2, true, nullptr, Reservas::Campo::Nenhum},   // one day
    };
    for (const auto &c : casos) {
        Reservas::Dados d;
        d.cliente = c.cliente;
        d.uh = c.uh;
        d.pessoas = QString::fromUtf8(c.pessoas);
        d.entrada = kHoje.addDays(c.entrada);
        d.saida = kHoje.addDays(c.saida);
        const auto r = Reservas::validarEntradas(d, c.nova, kHoje);
        if (!c.mensagem) {
            EXPECT_FALSE(r.has_value()) << r->mensagem.toStdString();
            continue;
        }
        ASSERT_TRUE(r.has_value()) << c.mensagem;
        EXPECT_EQ(r->mensagem, QString::fromUtf8(c.mensagem));
        EXPECT_EQ(r->foco, c.foco) << c.mensagem;
    }
}

TEST_F(Reservas_, NovaReservaPeloFormularioGravaLinhaDiasEstadoELog)
{
    TFrmReservas lista;
    lista.OP = QStringLiteral("I");
    TFrmCadReservas f(&lista);
    EXPECT_EQ(f.windowTitle(), QStringLiteral("Nova Reserva"));
    EXPECT_EQ(f.hrEntrada->time(), QTime(12, 0));
    preencher(f, uh101, kHoje, kHoje.addDays(2), QStringLiteral("2"));
    f.edtObs->setText(QStringLiteral("CAMA EXTRA D'ÁGUA"));
    msg->esperar(QStringLiteral("Reserva Cadastrada com Sucesso! Deseja Cadastrar Outra?"), Mensagem::Nao);
    f.btnConfirmarClick();
    EXPECT_EQ(msg->pendentes(), 0);

    const Linha r = banco().ler(QStringLiteral("SELECT * FROM RESERVA"));
    const qint64 id = r.inteiro(QStringLiteral("ID_RESERVA"));
    EXPECT_EQ(f.lblCodigo->text(), QString::number(id));
    EXPECT_EQ(r.data(QStringLiteral("DATA_ENTRADA")), kHoje);
    EXPECT_EQ(r.data(QStringLiteral("DATA_SAIDA")), kHoje.addDays(2));
    EXPECT_EQ(r.texto(QStringLiteral("CONFIRMADA")), QStringLiteral("N"));
    EXPECT_EQ(r.texto(QStringLiteral("EXCLUIDO")), QStringLiteral("N"));
    EXPECT_EQ(r.texto(QStringLiteral("USUARIO")), QStringLiteral("ADMIN"));
    EXPECT_EQ(r.texto(QStringLiteral("OBS")), QStringLiteral("CAMA EXTRA DÁGUA"));
    EXPECT_EQ(r.inteiro(QStringLiteral("QTD_PESSOAS")), 2);
    EXPECT_EQ(dias(id), 3);
    EXPECT_EQ(contar(QStringLiteral("SELECT COUNT(*) FROM RESERVA_UH WHERE ID_RESERVA = ? AND ID_UH = ?"), {id, uh101}), 3);
    EXPECT_EQ(situacao(uh101), QStringLiteral("R")); // free and reserved today

    const Linha log = banco().ler(QStringLiteral("SELECT OPERACAO, ANTES FROM LOG ORDER BY ID_LOG DESC"));
    EXPECT_EQ(log.texto(QStringLiteral("OPERACAO")), QStringLiteral("Incluiu Nova Reserva"));
    const QStringList linhas = log.texto(QStringLiteral("ANTES")).split(QLatin1Char('\r'));
    ASSERT_EQ(linhas.size(), 9);
    EXPECT_EQ(linhas[0], QStringLiteral("CÓDIGO: ") + QString::number(id));
    EXPECT_EQ(linhas[1], QStringLiteral("DATA CHEGADA: 10/03/2026"));
    EXPECT_EQ(linhas[3], QStringLiteral("DATA SAíDA: 12/03/2026"));
    EXPECT_EQ(linhas[7], QStringLiteral("NUM. PESSOAS: 2"));
}

TEST_F(Reservas_, CadastrarOutraLimpaOFormulario)
{
    TFrmReservas lista;
    lista.OP = QStringLiteral("I");
    TFrmCadReservas f(&lista);
    preencher(f, uh102, kHoje.addDays(5), kHoje.addDays(6));
    msg->esperar(QStringLiteral("Reserva Cadastrada com Sucesso! Deseja Cadastrar Outra?"), Mensagem::Sim);
    f.btnConfirmarClick();
    EXPECT_EQ(f.dtEntrada->date(), kHoje);
    EXPECT_EQ(f.cbUH->currentIndex(), 0);
    EXPECT_TRUE(f.edtPessoas->text().isEmpty());
    EXPECT_EQ(situacao(uh102), QStringLiteral("L")); // a later arrival leaves the room free
    EXPECT_EQ(contar(QStringLiteral("SELECT COUNT(*) FROM RESERVA")), 1);
}

TEST_F(Reservas_, ConflitoEOcupacaoRecusamSemGravar)
{
    const qint64 existente = reserva(uh101, kHoje.addDays(10), kHoje.addDays(12));
    estadia(uh102, kHoje.addDays(4));
    banco().executar(QStringLiteral("UPDATE UH SET SITUACAO = 'O' WHERE ID_UH = ?"), {uh103});
    struct {
        qint64 *uh;
        int de, ate;
        QString mensagem;
    } casos[] = {
        {&uh101, 12, 14, Reservas::textoConflito(existente)},
        {&uh101, 8, 10, Reservas::textoConflito(existente)},
        {&uh102, 4, 5, QStringLiteral("Reserva não pode ser realizada nessa UH OCUPADA!\n\nPrevisão de Saída: 14/03/2026")},
        {&uh103, 0, 1, QStringLiteral("Reserva não pode ser realizada nessa UH OCUPADA!")},
    };
    EXPECT_EQ(casos[0].mensagem, QStringLiteral("Já Existe Reserva para Este Período nesta Unidade Habitacional!\n\n"
                                                "Código da Reserva: ")
                                     + QString::number(existente));
    for (const auto &c : casos) {
        TFrmReservas lista;
        lista.OP = QStringLiteral("I");
        TFrmCadReservas f(&lista);
        preencher(f, *c.uh, kHoje.addDays(c.de), kHoje.addDays(c.ate));
        msg->esperar(c.mensagem);
        f.btnConfirmarClick();
        EXPECT_EQ(msg->pendentes(), 0) << c.mensagem.toStdString();
    }
    EXPECT_EQ(contar(QStringLiteral("SELECT COUNT(*) FROM RESERVA")), 1);
    EXPECT_EQ(contar(QStringLiteral("SELECT COUNT(*) FROM RESERVA_UH")), 3);

    // A stay leaving the day before the arrival does not block; nor does a
    // room marked occupied for a reservation starting tomorrow.
    EXPECT_FALSE(Reservas::verificarDisponibilidade(DM->Conexao, dados(uh102, kHoje.addDays(5), kHoje.addDays(6)), kHoje));
    banco().executar(QStringLiteral("UPDATE UH SET SITUACAO = 'O' WHERE ID_UH = ?"), {uh103});
    EXPECT_FALSE(Reservas::verificarDisponibilidade(DM->Conexao, dados(uh103, kHoje.addDays(1), kHoje.addDays(2)), kHoje));
}

TEST_F(Reservas_, LembreteDoClienteAntesDeGravar)
{
    const qint64 bia = cliente(QStringLiteral("BIA"), QStringLiteral("N"), QStringLiteral("PREFERE ANDAR ALTO"));
    TFrmReservas lista;
    lista.OP = QStringLiteral("I");
    TFrmCadReservas f(&lista);
    preencher(f, uh101, kHoje.addDays(1), kHoje.addDays(1));
    f.escolherCliente(bia);
    msg->esperar(QStringLiteral("Lembrete Pessoal para BIA\n\nPREFERE ANDAR ALTO"))
        .esperar(QStringLiteral("Reserva Cadastrada com Sucesso! Deseja Cadastrar Outra?"), Mensagem::Nao);
    f.btnConfirmarClick();
    EXPECT_EQ(msg->pendentes(), 0);
    EXPECT_EQ(contar(QStringLiteral("SELECT COUNT(*) FROM RESERVA WHERE ID_CLIENTE = ?"), {bia}), 1);
}

TEST_F(Reservas_, ClienteRestritoOuListaNegraNaoEOferecidoNemAceito)
{
    const qint64 restrito = cliente(QStringLiteral("RESTRITO"), QStringLiteral("R"));
    const qint64 negro = cliente(QStringLiteral("LISTA NEGRA"), QStringLiteral("S"));
    TFrmReservas lista;
    lista.OP = QStringLiteral("I");
    TFrmCadReservas f(&lista);
    EXPECT_LT(f.cbCliente->findData(restrito), 0);
    EXPECT_LT(f.cbCliente->findData(negro), 0);
    EXPECT_LT(f.cbCliente->findData(1), 0);
    for (qint64 c : {restrito, negro, qint64(1)}) {
        Reservas::Dados d = dados(uh101, kHoje, kHoje);
        d.cliente = c;
        const auto r = Reservas::verificarDisponibilidade(DM->Conexao, d, kHoje);
        ASSERT_TRUE(r.has_value());
        EXPECT_EQ(r->mensagem, QStringLiteral("Cliente Inválido!"));
    }
}

// The type has rates for one and two persons only; a family of five is still
// booked, as the check-in would take it in.
TEST_F(Reservas_, FamiliaMaiorQueAsTarifasDoTipoEReservada)
{
    TFrmReservas lista;
    lista.OP = QStringLiteral("I");
    TFrmCadReservas f(&lista);
    preencher(f, uh101, kHoje.addDays(1), kHoje.addDays(2), QStringLiteral("5"));
    msg->esperar(QStringLiteral("Reserva Cadastrada com Sucesso! Deseja Cadastrar Outra?"), Mensagem::Nao);
    f.btnConfirmarClick();
    EXPECT_EQ(msg->pendentes(), 0);
    EXPECT_EQ(contar(QStringLiteral("SELECT COUNT(*) FROM RESERVA WHERE ID_UH = ? AND QTD_PESSOAS = 5"), {uh101}), 1);
}

// Leaving the list by any way refreshes the main window's alerts.
TEST_F(Reservas_, SairPorQualquerCaminhoAtualizaOsAlertas)
{
    struct Registro : Janela::Servico {
        int alertas = 0;
        void atualizarAlertas(bool) override { ++alertas; }
    } janela;
    Janela::instalar(&janela);
    const struct {
        const char *caminho;
        std::function<void(TFrmReservas &)> sair;
    } casos[] = {
        {"Sair", [](TFrmReservas &l) { l.btnSair->click(); }},
        {"Ctrl+X", [](TFrmReservas &l) { tecla(focado(), Qt::Key_X, Qt::ControlModifier); }},
        {"Esc", [](TFrmReservas &l) { tecla(focado() ? focado() : &l, Qt::Key_Escape); }},
        {"fechar a janela", [](TFrmReservas &l) { l.close(); }},
    };
    for (const auto &c : casos) {
        SCOPED_TRACE(c.caminho);
        janela.alertas = 0;
        TFrmReservas lista;
        lista.show();
        ativar(&lista);
        lista.activateWindow();
        c.sair(lista);
        EXPECT_FALSE(lista.isVisible());
        EXPECT_EQ(janela.alertas, 1);
    }
    Janela::instalar(nullptr);
}

TEST_F(Reservas_, AlteracaoMoveDiasEEstadosEntreQuartos)
{
    const qint64 id = reserva(uh101, kHoje, kHoje.addDays(1));
    banco().executar(QStringLiteral("UPDATE UH SET SITUACAO = 'R' WHERE ID_UH = ?"), {uh101});
    TFrmReservas lista;
    ASSERT_FALSE(lista.lista->vazia());
    lista.OP = QStringLiteral("A");
    TFrmCadReservas f(&lista);
    EXPECT_EQ(f.windowTitle(), QStringLiteral("Alterar Reserva"));
    EXPECT_EQ(f.lblCodigo->text(), QString::number(id));
    f.escolherUH(uh102);
    f.dtSaida->setDate(kHoje.addDays(3));
    msg->esperar(QStringLiteral("Reserva Atualizada com Sucesso!"));
    f.btnConfirmarClick();
    EXPECT_EQ(msg->pendentes(), 0);

    EXPECT_EQ(situacao(uh101), QStringLiteral("L"));
    EXPECT_EQ(situacao(uh102), QStringLiteral("R"));
    EXPECT_EQ(dias(id), 4);
    EXPECT_EQ(contar(QStringLiteral("SELECT COUNT(*) FROM RESERVA_UH WHERE ID_UH = ?"), {uh101}), 0);
    EXPECT_EQ(banco().valor(QStringLiteral("SELECT ID_UH FROM RESERVA WHERE ID_RESERVA = ?"), {id}).toLongLong(), uh102);
    const Linha log = banco().ler(QStringLiteral("SELECT OPERACAO, ANTES, DEPOIS FROM LOG ORDER BY ID_LOG DESC"));
    EXPECT_EQ(log.texto(QStringLiteral("OPERACAO")), QStringLiteral("Alterou Reserva"));
    EXPECT_TRUE(log.texto(QStringLiteral("ANTES")).contains(QStringLiteral("UH: 101")));
    EXPECT_TRUE(log.texto(QStringLiteral("DEPOIS")).contains(QStringLiteral("DATA SAíDA: 13/03/2026")));
}

TEST_F(Reservas_, AlteracaoIgnoraOsPropriosDiasERecusaConflitoSemCodigo)
{
    const qint64 id = reserva(uh101, kHoje.addDays(1), kHoje.addDays(2));
    reserva(uh101, kHoje.addDays(5), kHoje.addDays(6));
    Reservas::Dados d = dados(uh101, kHoje.addDays(2), kHoje.addDays(4)); // overlaps only its own days
    d.id = id;
    EXPECT_FALSE(Reservas::verificarDisponibilidade(DM->Conexao, d, kHoje));
    d.saida = kHoje.addDays(5);
    const auto r = Reservas::verificarDisponibilidade(DM->Conexao, d, kHoje);
    ASSERT_TRUE(r.has_value());
    EXPECT_EQ(r->mensagem, QStringLiteral("Já Existe Reserva para Este Período nesta Unidade Habitacional!"));
}

TEST_F(Reservas_, ReservaUtilizadaSoPodeSerVista)
{
    const qint64 id = reserva(uh101, kHoje.addDays(1), kHoje.addDays(2));
    TFrmReservas lista;
    // Turned into a stay on another workstation after the list was read.
    banco().executar(QStringLiteral("UPDATE RESERVA SET CONFIRMADA = 'S' WHERE ID_RESERVA = ?"), {id});
    lista.OP = QStringLiteral("A");
    {
        TFrmCadReservas f(&lista);
        f.edtPessoas->setText(QStringLiteral("1"));
        Reservas::Dados d = f.dados();
        d.id = id;
        const auto r = Reservas::alterar(DM->Conexao, d, uh101, kHoje, QStringLiteral("ADMIN"), {}, {});
        ASSERT_TRUE(r.recusa.has_value());
        EXPECT_EQ(r.recusa->mensagem, Reservas::textoNaoPendente());
        EXPECT_EQ(dias(id), 2);
    }
    lista.mostrarPeriodo();
    EXPECT_TRUE(lista.lista->vazia());
    // Found by code, it is offered and then opens for viewing only.
    lista.btnFiltrosClick();
    lista.edtBusca->setText(QString::number(id));
    msg->esperar(QStringLiteral("Uma Reserva com Esse Código já foi utilizada Deseja ver os dados?"), Mensagem::Sim);
    lista.buscar();
    ASSERT_FALSE(lista.lista->vazia());
    lista.OP = QStringLiteral("A");
    TFrmCadReservas f(&lista);
    EXPECT_EQ(f.modo(), ModoEdicao::Ver);
    EXPECT_FALSE(f.btnConfirmar->isEnabled());
    EXPECT_FALSE(f.pnlDados->isEnabled());
}

TEST_F(Reservas_, ExclusaoRecalculaOEstadoDoQuartoSoPelaReservaDeHoje)
{
    // 101: its only reservation is today's; 102: "R" today by one reservation,
    // a future one is deleted; 103: in maintenance.
    const qint64 hoje101 = reserva(uh101, kHoje, kHoje.addDays(1));
    reserva(uh102, kHoje, kHoje);
    const qint64 futura102 = reserva(uh102, kHoje.addDays(5), kHoje.addDays(6));
    const qint64 hoje103 = reserva(uh103, kHoje, kHoje);
    banco().executar(QStringLiteral("UPDATE UH SET SITUACAO = 'R' WHERE ID_UH IN (?, ?)"), {uh101, uh102});
    banco().executar(QStringLiteral("UPDATE UH SET SITUACAO = 'M' WHERE ID_UH = ?"), {uh103});

    EXPECT_TRUE(Reservas::excluir(DM->Conexao, hoje101, QStringLiteral("ANA D'ÁVILA"), kHoje));
    EXPECT_TRUE(Reservas::excluir(DM->Conexao, futura102, QStringLiteral("ANA D'ÁVILA"), kHoje));
    EXPECT_TRUE(Reservas::excluir(DM->Conexao, hoje103, QStringLiteral("ANA D'ÁVILA"), kHoje));
    EXPECT_FALSE(Reservas::excluir(DM->Conexao, hoje101, QStringLiteral("ANA D'ÁVILA"), kHoje)); // already deleted
    EXPECT_EQ(situacao(uh101), QStringLiteral("L"));
    EXPECT_EQ(situacao(uh102), QStringLiteral("R"));
    EXPECT_EQ(situacao(uh103), QStringLiteral("M"));
    EXPECT_EQ(dias(hoje101), 0);
    EXPECT_EQ(dias(futura102), 0);
    EXPECT_EQ(banco().valor(QStringLiteral("SELECT EXCLUIDO FROM RESERVA WHERE ID_RESERVA = ?"), {hoje101}).toString(),
              QStringLiteral("S"));
    const Linha log = banco().ler(
        QStringLiteral("SELECT OPERACAO, ANTES FROM LOG WHERE OPERACAO = 'Excluiu Reserva' ORDER BY ID_LOG"));
    EXPECT_EQ(log.texto(QStringLiteral("ANTES")),
              QStringLiteral("CÓDIGO: ") + QString::number(hoje101) + QStringLiteral(" (ANA D'ÁVILA)"));
    EXPECT_EQ(contar(QStringLiteral("SELECT COUNT(*) FROM LOG WHERE OPERACAO = 'Excluiu Reserva'")), 3);
}

TEST_F(Reservas_, ExclusaoPelaLista)
{
    const qint64 id = reserva(uh101, kHoje, kHoje);
    banco().executar(QStringLiteral("UPDATE UH SET SITUACAO = 'R' WHERE ID_UH = ?"), {uh101});
    TFrmReservas lista;
    ASSERT_EQ(lista.lista->modelo()->total(), 1);
    msg->esperar(QStringLiteral("Deseja Realmente Excluir essa Reserva?"), Mensagem::Sim)
        .esperar(QStringLiteral("Reserva Excluída com Sucesso!"));
    lista.btnExcluirClick();
    EXPECT_EQ(msg->pendentes(), 0);
    EXPECT_TRUE(lista.lista->vazia());
    EXPECT_EQ(situacao(uh101), QStringLiteral("L"));
    EXPECT_EQ(dias(id), 0);
}

TEST_F(Reservas_, PeriodoListaReservasEQuartosLivres)
{
    // A reservation from the 10th to the 12th (from today on).
    const qint64 id = reserva(uh101, kHoje, kHoje.addDays(2));
    estadia(uh102, kHoje.addDays(-1)); // open stay already past its expected departure
    auto numeros = [](const QList<Reservas::QuartoLivre> &l) {
        QStringList r;
        for (const auto &q : l)
            r << q.numero;
        return r;
    };
    TFrmReservas lista;
    lista.dtInicio->setDate(kHoje.addDays(2));
    lista.dtFim->setDate(kHoje.addDays(10));
    lista.mostrarPeriodo();
    ASSERT_EQ(lista.lista->modelo()->total(), 1);
    EXPECT_EQ(lista.lista->inteiro(QStringLiteral("ID_RESERVA")), id);
    EXPECT_EQ(numeros(lista.quartosLivres()), QStringList{QStringLiteral("103")});
    EXPECT_EQ(lista.lstUH->count(), 1);

    lista.dtInicio->setDate(kHoje.addDays(3));
    EXPECT_EQ(lista.dtFim->date(), kHoje.addDays(4)); // the next day is proposed
    EXPECT_FALSE(lista.lista->modelo()->aberta());     // until the period view runs
    lista.mostrarPeriodo();
    EXPECT_TRUE(lista.lista->vazia());
    EXPECT_EQ(numeros(lista.quartosLivres()), (QStringList{QStringLiteral("101"), QStringLiteral("103")}));

    // Starting yesterday: no free room; starting today: rooms marked "O" are left out.
    EXPECT_TRUE(Reservas::quartosLivres(DM->Conexao, kHoje.addDays(-1), kHoje.addDays(3), kHoje).isEmpty());
    banco().executar(QStringLiteral("UPDATE UH SET SITUACAO = 'O' WHERE ID_UH = ?"), {uh103});
    EXPECT_TRUE(numeros(Reservas::quartosLivres(DM->Conexao, kHoje, kHoje, kHoje)).isEmpty());
    EXPECT_EQ(numeros(Reservas::quartosLivres(DM->Conexao, kHoje.addDays(5), kHoje.addDays(5), kHoje)),
              (QStringList{QStringLiteral("101"), QStringLiteral("103")}));
}

TEST_F(Reservas_, CartaoLivreAbreANovaReservaComPeriodoEQuarto)
{
    TFrmReservas lista;
    lista.dtInicio->setDate(kHoje.addDays(1));
    lista.dtFim->setDate(kHoje.addDays(3));
    lista.mostrarPeriodo();
    ASSERT_EQ(lista.quartosLivres().size(), 3);
    bool aberta = false;
    Telas::interceptar<TFrmCadReservas>([&](TFrmCadReservas *f) {
        aberta = true;
        EXPECT_EQ(f->windowTitle(), QStringLiteral("Nova Reserva"));
        EXPECT_EQ(f->dtEntrada->date(), kHoje.addDays(1));
        EXPECT_EQ(f->dtSaida->date(), kHoje.addDays(3));
        EXPECT_EQ(f->cbUH->currentData().toLongLong(), uh102);
        return int(QDialog::Rejected);
    });
    msg->esperar(QStringLiteral("Deseja efetuar uma reserva na UH 102 para o período de 11/03/2026 até 13/03/2026?"),
                 Mensagem::Sim);
    lista.reservarQuarto(1);
    EXPECT_TRUE(aberta);
    EXPECT_EQ(lista.OP, QStringLiteral("I"));
}

TEST_F(Reservas_, BuscaPorCodigoClienteEUH)
{
    const qint64 a = reserva(uh101, kHoje.addDays(20), kHoje.addDays(21));
    const qint64 b = reserva(uh102, kHoje.addDays(30), kHoje.addDays(31));
    TFrmReservas lista;
    EXPECT_TRUE(lista.lista->vazia()); // none in today's period
    struct {
        QRadioButton *opcao;
        QString texto;
        QList<qint64> esperado;
    } casos[] = {
        {lista.rbCodigo, QString::number(b), {b}},
        {lista.rbCliente, QString::number(ana), {a, b}},
        {lista.rbUH, QString::number(uh101), {a}},
        {lista.rbCodigo, QStringLiteral("99999999999999"), {}}, // wider than a key: nothing, no error
    };
    for (const auto &c : casos) {
        lista.btnFiltrosClick();
        c.opcao->setChecked(true);
        lista.edtBusca->setText(c.texto);
        lista.buscar();
        QList<qint64> achadas;
        for (int i = 0; i < lista.lista->modelo()->total(); ++i)
            achadas << lista.lista->modelo()->inteiro(i, QStringLiteral("ID_RESERVA"));
        EXPECT_EQ(achadas, c.esperado) << c.texto.toStdString();
        EXPECT_FALSE(lista.pnlBusca->isVisible());
    }
    // An empty box brings the period view back.
    lista.btnFiltrosClick();
    lista.buscar();
    EXPECT_TRUE(lista.lista->vazia());
}

TEST_F(Reservas_, DuasEstacoesNoMesmoQuartoEDiaFicamComUmaReserva)
{
    // The other workstation writes its reservation of the same room and day
    // and commits only after this one has passed its checks.
    const QString caminho = banco().caminho();
    std::promise<qint64> escreveu;
    std::promise<void> podeConfirmar;
    std::thread outra([&] {
        ConexaoBanco c(QStringLiteral("outra-estacao"), caminho);
        c.definirCaminho(caminho);
        c.conectar();
        c.iniciarTransacao();
        const qint64 id = c.valor(QStringLiteral("INSERT INTO RESERVA (DATA_ENTRADA, DATA_SAIDA, ID_CLIENTE, ID_UH, "
                                                 "QTD_PESSOAS) VALUES (?, ?, ?, ?, 1) RETURNING ID_RESERVA"),
                                  {kHoje.addDays(1), kHoje.addDays(1), ana, uh101})
                               .toLongLong();
        c.executar(QStringLiteral("INSERT INTO RESERVA_UH (ID_RESERVA, DATA_ENTRADA, ID_UH) VALUES (?, ?, ?)"),
                   {id, kHoje.addDays(1), uh101});
        escreveu.set_value(id);
        podeConfirmar.get_future().wait();
        std::this_thread::sleep_for(std::chrono::milliseconds(300));
        c.confirmarTransacao();
        c.desconectar();
    });
    const qint64 daOutra = escreveu.get_future().get();
    // Its row is not visible yet: the checks pass.
    EXPECT_FALSE(Reservas::verificarDisponibilidade(DM->Conexao, dados(uh101, kHoje, kHoje.addDays(2)), kHoje));
    podeConfirmar.set_value();
    const Reservas::ResultadoGravacao r =
        Reservas::incluir(DM->Conexao, dados(uh101, kHoje, kHoje.addDays(2)), kHoje, QStringLiteral("ADMIN"), QStringLiteral("%1"));
    outra.join();
    ASSERT_TRUE(r.recusa.has_value());
    EXPECT_EQ(r.recusa->mensagem, Reservas::textoConflito(daOutra));
    EXPECT_EQ(contar(QStringLiteral("SELECT COUNT(*) FROM RESERVA")), 1);
    EXPECT_EQ(contar(QStringLiteral("SELECT COUNT(*) FROM RESERVA_UH")), 1);
    EXPECT_EQ(situacao(uh101), QStringLiteral("L"));
    EXPECT_EQ(contar(QStringLiteral("SELECT COUNT(*) FROM LOG WHERE OPERACAO = 'Incluiu Nova Reserva'")), 0);
}
