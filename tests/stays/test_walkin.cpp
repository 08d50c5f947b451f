// The stay list: its statements over stays with and without reservations,
// the status column and colours, the layouts and rights of each mode, the
// buttons a row's state enables, the filter panel's parsing, and the list as
// the carrier of the stay form across a nested customer history.
#include "base/Relogio.h"
#include "base/Telas.h"
#include "core/Notificacoes.h"
#include "core/UnitAlerta.h"
#include "core/UnitBatePapo.h"
#include "stays/Estadias.h"
#include "stays/UnitCadWalkIn.h"
#include "stays/UnitWalkIn.h"
#include "support/TelasTeste.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QMouseEvent>
#include <QTableView>

namespace {

const QDate kHoje(2026, 3, 10);

class ListaEstadiasTeste : public TelasTeste {
protected:
    void SetUp() override
    {
        TelasTeste::SetUp();
        Relogio::definir(QDateTime(kHoje, QTime(10, 0)));
        tipo = banco()
                   .valor(QStringLiteral("INSERT INTO TIPO_UH (DESCRICAO, ABREV, P1, P2) VALUES ('LUXO', 'LX', 100, 150) "
                                         "RETURNING ID_TIPO_UH"))
                   .toLongLong();
        uh101 = quarto(QStringLiteral("101"));
        uh102 = quarto(QStringLiteral("102"));
        ana = cliente(QStringLiteral("ANA D'ÁVILA"));
        bia = cliente(QStringLiteral("BIA SOUZA"));
    }
    void TearDown() override
    {
        Telas::liberarTodas();
        Relogio::liberar();
        TelasTeste::TearDown();
    }
    qint64 quarto(const QString &numero)
    {
        return banco()
            .valor(QStringLiteral("INSERT INTO UH (ID_TIPO_UH, NUMERO, SITUACAO) VALUES (?, ?, 'L') RETURNING ID_UH"),
                   {tipo, numero})
            .toLongLong();
    }
    qint64 cliente(const QString &nome)
    {
        return banco()
            .valor(QStringLiteral("INSERT INTO CLIENTE (NOME, TIPO_PESSOA, CNPJ_CPF) VALUES (?, 'F', '') RETURNING "
                                  "ID_CLIENTE"),
                   {nome})
            .toLongLong();
    }
    qint64 estadia(qint64 cli, qint64 uh, const QString &baixa, const QString &excluido, qint64 reserva = 0,
                   const QDate &entrada = kHoje)
    {
        return banco()
            .valor(QStringLiteral("INSERT INTO WALK_IN (ID_RESERVA, DATA_ENTRADA, HORA_ENTRADA, DATA_SAIDA, HORA_SAIDA, "
                                  "ID_CLIENTE, ID_UH, QTD_ADULTOS, VALOR_DIARIA, BAIXA, EXCLUIDO, MOTIVO) VALUES "
                                  "(?, ?, '12:00', ?, '12:00', ?, ?, 1, 100, ?, ?, ?) RETURNING ID_WALK_IN"),
                   {reserva, entrada, entrada.addDays(1), cli, uh, baixa, excluido,
                    excluido == QLatin1String("S") ? QStringLiteral("DESISTIU") : QString()})
            .toLongLong();
    }
    // Opens the list shown in a mode and runs `f` on it.
    void comLista(const QString &op, const std::function<void(TFrmWalkIn *)> &f, const QString &uh = {},
                  qint64 entradaMapa = 0)
    {
        bool aberta = false;
        Telas::interceptar<TFrmWalkIn>([&](TFrmWalkIn *l) {
            aberta = true;
            l->show();
            f(l);
            return int(QDialog::Rejected);
        });
        ListaEstadias::abrir({op, uh, entradaMapa, 0, true});
        EXPECT_TRUE(aberta);
        Telas::liberar(std::type_index(typeid(TFrmWalkIn)));
    }
    static QList<qint64> chaves(TFrmWalkIn *l)
    {
        QList<qint64> r;
        for (int i = 0; i < l->tEntrada->total(); ++i)
            r.append(l->tEntrada->inteiro(i, QStringLiteral("ID_WALK_IN")));
        return r;
    }

    qint64 tipo = 0, uh101 = 0, uh102 = 0, ana = 0, bia = 0;
};

TEST_F(ListaEstadiasTeste, ListaMostraEstadiasSemReservaEComReservaInexistenteComStatusECores)
{
    // RESERVA is empty: stays without reservation and one pointing to a
    // reservation that no longer exists are listed all the same, once each.
    const qint64 aberta = estadia(ana, uh101, QStringLiteral("N"), QStringLiteral("N"));
    const qint64 fechada = estadia(bia, uh102, QStringLiteral("S"), QStringLiteral("N"), 999);
    const qint64 cancelada = estadia(ana, uh102, QStringLiteral("S"), QStringLiteral("S"));
    comLista(QString(), [&](TFrmWalkIn *l) {
        EXPECT_EQ(chaves(l), (QList<qint64>{aberta, fechada, cancelada}));
        EXPECT_EQ(l->lblTitulo->text(), QStringLiteral("Entrada de Hóspedes (Walk-In)"));
        const struct {
            int linha;
            const char *status;
            QColor cor;
        } casos[] = {{0, "Em Aberto", corBGR(0xA4FFF3)}, {1, "Fechada", corBGR(0x9FFF9F)}, {2, "Cancelada", QColor(0xC0, 0xC0, 0xC0)}};
        for (const auto &c : casos) {
            EXPECT_EQ(l->tEntrada->index(c.linha, 1).data().toString(), QString::fromUtf8(c.status));
            EXPECT_EQ(l->tEntrada->index(c.linha, 4).data(Qt::BackgroundRole).value<QColor>(), c.cor) << c.status;
        }
        // The list opens on its last row: the cancelled stay shows its reason.
        EXPECT_EQ(l->idEntrada(), cancelada);
        EXPECT_TRUE(l->lblMotivo->isVisibleTo(l));
        EXPECT_EQ(l->lblMotivo->text(), QStringLiteral("Motivo: DESISTIU"));
    });
}

TEST_F(ListaEstadiasTeste, EstadoDaLinhaHabilitaOsBotoes)
{
    const qint64 aberta = estadia(ana, uh101, QStringLiteral("N"), QStringLiteral("N"));
    const qint64 fechada = estadia(bia, uh102, QStringLiteral("S"), QStringLiteral("N"));
    const qint64 cancelada = estadia(ana, uh102, QStringLiteral("S"), QStringLiteral("S"));
    comLista(QString(), [&](TFrmWalkIn *l) {
        const struct {
            qint64 id;
            bool excluir, formaPag, diarias, motivo;
        } casos[] = {{aberta, true, false, true, false},
                     {fechada, false, true, false, false},
                     {cancelada, false, false, false, true}};
        for (const auto &c : casos) {
            ASSERT_TRUE(l->localizar(c.id));
            EXPECT_EQ(l->btnExcluirEntrada->isEnabled(), c.excluir) << c.id;
            EXPECT_EQ(l->btnFormaPag->isEnabled(), c.formaPag) << c.id;
            EXPECT_EQ(l->btnDiariasCobradas->isEnabled(), c.diarias) << c.id;
            EXPECT_EQ(l->lblMotivo->isVisibleTo(l), c.motivo) << c.id;
        }
    });
}

TEST_F(ListaEstadiasTeste, LayoutsPorModoEDireitos)
{
    estadia(ana, uh101, QStringLiteral("N"), QStringLiteral("N"));
    estadia(bia, uh102, QStringLiteral("S"), QStringLiteral("N"));
    parametro(QStringLiteral("ALTERA_DIARIA"), QStringLiteral("S"));
    const struct {
        const char *op;
        const char *tipoPC;
        bool movimentos;
        const char *titulo;
        int linhas;
        bool nova, despesas, itens, alterarUH, diaria, avulsas, excluir, nf, alterarEntrada, cobradas, formaPag;
    } casos[] = {
        {"", "NORMA", true, "Entrada de Hóspedes (Walk-In)", 2, false, false, false, false, false, false, true, true, false, true, true},
        {"Despesas", "NORMA", true, "Movimentações", 1, false, true, true, true, true, true, false, true, false, false, false},
        // Without MOVIMENTOS the rate button stays hidden whatever ALTERA_DIARIA says.
        {"Despesas", "NORMA", false, "Movimentações", 1, false, true, false, true, false, true, false, false, false, false, false},
        {"Despesas", "RESTA", true, "Restaurante - Despesas e Consumos", 1, false, true, false, false, false, true, false, true, false, false, false},
        // The history hides the charged nights' correction, not the payment's.
        {"HIST", "NORMA", true, "Histórico de Cliente", 2, false, false, false, false, false, false, false, true, false, false, true},
        {"", "NORMA", false, "Entrada de Hóspedes (Walk-In)", 2, false, false, false, false, false, false, true, false, false, true, true},
    };
    for (const auto &c : casos) {
        SCOPED_TRACE(std::string(c.op) + "/" + c.tipoPC + (c.movimentos ? "/mov" : "/sem"));
        Sessao::atual().AuxTipoPC = QString::fromLatin1(c.tipoPC);
        Sessao::atual().direitos = todosDireitos();
        Sessao::atual().direitos.MOVIMENTOS = c.movimentos;
        Sessao::atual().direitos.ACESSO_TOTAL = false;
        comLista(QString::fromUtf8(c.op), [&](TFrmWalkIn *l) {
            EXPECT_EQ(l->lblTitulo->text(), QString::fromUtf8(c.titulo));
            EXPECT_EQ(l->tEntrada->total(), c.linhas);
            EXPECT_EQ(l->btnNovaEntrada->isVisibleTo(l), c.nova);
            EXPECT_EQ(l->btnDespesas->isVisibleTo(l), c.despesas);
            EXPECT_EQ(l->btnItens->isVisibleTo(l), c.itens);
            EXPECT_EQ(l->btnAlterarUH->isVisibleTo(l), c.alterarUH);
            EXPECT_EQ(l->btnAlterarDiaria->isVisibleTo(l), c.diaria);
            EXPECT_EQ(l->btnDespesasAvulsas->isVisibleTo(l), c.avulsas);
            EXPECT_EQ(l->btnExcluirEntrada->isVisibleTo(l), c.excluir);
            EXPECT_EQ(l->btnEmissaoNF->isVisibleTo(l), c.nf);
            EXPECT_EQ(l->btnAlterarEntrada->isVisibleTo(l), c.alterarEntrada);
            EXPECT_EQ(l->btnDiariasCobradas->isVisibleTo(l), c.cobradas);
            EXPECT_EQ(l->btnFormaPag->isVisibleTo(l), c.formaPag);
            EXPECT_EQ(l->DBGrid1->isColumnHidden(4), QString::fromLatin1(c.tipoPC) == QLatin1String("RESTA"));
        });
    }
}

TEST_F(ListaEstadiasTeste, MovimentacoesDoMapaSelecionamAEstadiaDaUH)
{
    const qint64 a = estadia(ana, uh101, QStringLiteral("N"), QStringLiteral("N"));
    estadia(bia, uh102, QStringLiteral("N"), QStringLiteral("N"));
    comLista(QStringLiteral("Despesas"), [&](TFrmWalkIn *l) { EXPECT_EQ(l->idEntrada(), a); }, QStringLiteral("SIM"), a);
}

TEST_F(ListaEstadiasTeste, FiltroInterpretaCadaCriterioEAvisaEntradaInvalida)
{
    const qint64 a = estadia(ana, uh101, QStringLiteral("N"), QStringLiteral("N"), 0, QDate(2026, 3, 1));
    const qint64 b = estadia(bia, uh102, QStringLiteral("S"), QStringLiteral("N"), 0, kHoje);
    comLista(QString(), [&](TFrmWalkIn *l) {
        const struct {
            QRadioButton *TFrmWalkIn::*criterio;
            const char *texto;
            QList<qint64> esperado;
            const char *mensagem;
        } casos[] = {
            {&TFrmWalkIn::rbCodigo, "", {a, b}, nullptr},
            {&TFrmWalkIn::rbCodigo, "ABC", {a, b}, "Código de Entrada Inválido!"},
            {&TFrmWalkIn::rbUH, "102", {b}, nullptr},
            // A quote and a text wider than the column find nothing, without an engine error.
            {&TFrmWalkIn::rbUH, "1'02 E MAIS TEXTO QUE A COLUNA", {}, nullptr},
            // A date without leading zeros is read as the date it means.
            {&TFrmWalkIn::rbData, "1/3/2026", {a}, nullptr},
            {&TFrmWalkIn::rbData, "31/02/2026", {}, "Data de Entrada Inválida!"},
        };
        for (const auto &c : casos) {
            SCOPED_TRACE(c.texto);
            l->mostrarTodos(Estadias::OrdemLista::Codigo);
            l->btnFiltrosClick();
            (l->*c.criterio)->setChecked(true);
            l->Edit1->setText(QString::fromUtf8(c.texto));
            if (c.mensagem)
                msg->esperar(QString::fromUtf8(c.mensagem));
            l->aplicarFiltro();
            if (!c.mensagem)
                EXPECT_EQ(chaves(l), c.esperado);
            EXPECT_EQ(msg->pendentes(), 0);
        }
        // Customer: the selector offers the customers with stays.
        l->btnFiltrosClick();
        l->rbCliente->setChecked(true);
        EXPECT_GE(l->cbCliente->findData(ana), 0);
        l->cbCliente->setCurrentIndex(l->cbCliente->findData(ana));
        l->aplicarFiltro();
        EXPECT_EQ(chaves(l), QList<qint64>{a});
    });
}

TEST_F(ListaEstadiasTeste, DigitarNaGradeSoIniciaEntradaOndeNovaEntradaEstaVisivel)
{
    estadia(ana, uh101, QStringLiteral("N"), QStringLiteral("N"));
    int formularios = 0;
    Telas::interceptar<TFrmCadWalkIn>([&](TFrmCadWalkIn *) {
        ++formularios;
        return int(QDialog::Rejected);
    });
    comLista(QStringLiteral("Despesas"), [&](TFrmWalkIn *l) {
        tecla(l->DBGrid1, Qt::Key_A, Qt::NoModifier, QStringLiteral("a"));
        EXPECT_EQ(formularios, 0);
        EXPECT_EQ(l->OP, QStringLiteral("Despesas"));
    });
}

TEST_F(ListaEstadiasTeste, SairDoRestauranteFinalizaOSistemaAposConfirmacao)
{
    Sessao::atual().AuxTipoPC = QStringLiteral("RESTA");
    Sessao::atual().direitos.ACESSO_TOTAL = false;
    int fechou = 0;
    ListaEstadias::fecharPrincipal = [&] { ++fechou; };
    comLista(QStringLiteral("Despesas"), [&](TFrmWalkIn *l) {
        msg->esperar(QString::fromUtf8(ListaEstadias::kPerguntaSairRestaurante), Mensagem::Nao);
        l->btnSairClick();
        EXPECT_EQ(fechou, 0);
        msg->esperar(QString::fromUtf8(ListaEstadias::kPerguntaSairRestaurante), Mensagem::Sim);
        msg->esperar(QStringLiteral("Modo \"Restaurante\" Encerrado! O Sistema será Finalizado!"));
        l->btnSairClick();
        EXPECT_EQ(fechou, 1);
    });
    ListaEstadias::fecharPrincipal = nullptr;
}

TEST_F(ListaEstadiasTeste, HistoricoAninhadoDevolveAListaDoFormulario)
{
    const qint64 a = estadia(ana, uh101, QStringLiteral("N"), QStringLiteral("N"));
    const qint64 b = estadia(bia, uh102, QStringLiteral("S"), QStringLiteral("N"));
    const qint64 a2 = estadia(ana, uh102, QStringLiteral("S"), QStringLiteral("N"));
    ASSERT_EQ(FrmWalkIn, nullptr);
    bool viuHistorico = false, viuFormulario = false;
    Telas::interceptar<TFrmWalkIn>([&](TFrmWalkIn *h) {
        // The history is registered while open and lists one customer's stays.
        EXPECT_EQ(FrmWalkIn, h);
        h->show();
        EXPECT_EQ(h->OP, QStringLiteral("HIST"));
        EXPECT_EQ(chaves(h), (QList<qint64>{a, a2}));
        viuHistorico = true;
        return int(QDialog::Rejected);
    });
    Telas::interceptar<TFrmCadWalkIn>([&](TFrmCadWalkIn *f) {
        TFrmWalkIn *propria = FrmWalkIn;
        f->show();
        EXPECT_EQ(f->chave(), b);
        // From the form: customer list -> "Histórico do Cliente".
        ListaEstadias::abrirHistorico(ana);
        EXPECT_EQ(FrmWalkIn, propria);
        EXPECT_EQ(FrmWalkIn->OP, QStringLiteral("Saída"));
        EXPECT_EQ(FrmWalkIn->idEntrada(), b);
        viuFormulario = true;
        return int(QDialog::Rejected);
    });
    ListaEstadias::abrir({QStringLiteral("Saída"), QStringLiteral("SIM"), b, 0, false},
                         [](TFrmWalkIn &l) { ListaEstadias::abrirFormulario(l); });
    EXPECT_TRUE(viuHistorico);
    EXPECT_TRUE(viuFormulario);
    EXPECT_EQ(FrmWalkIn, nullptr);
}

} // namespace

// The chat icons follow the one-second tick while the list is open, each
// opens the chat window, and a list opened over another gives the icons back.
TEST_F(ListaEstadiasTeste, IconesDeChatSeguemOTimerEAbremOChat)
{
    Sessao::atual().mostroualerta = true; // the slid-in notice is another test's
    const auto clicar = [](QWidget *w) {
        QMouseEvent p(QEvent::MouseButtonPress, QPointF(2, 2), w->mapToGlobal(QPointF(2, 2)), Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(w, &p);
        QMouseEvent r(QEvent::MouseButtonRelease, QPointF(2, 2), w->mapToGlobal(QPointF(2, 2)), Qt::LeftButton,
                      Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(w, &r);
    };
    int chats = 0;
    Telas::interceptar<TFrmBatePapo>([&](TFrmBatePapo *) {
        ++chats;
        return int(QDialog::Rejected);
    });
    comLista(QString(), [&](TFrmWalkIn *l) {
        Notificacoes::tick(nullptr);
        EXPECT_TRUE(l->Image7->isVisibleTo(l));
        EXPECT_FALSE(l->Image2->isVisibleTo(l));
        clicar(l->Image7);
        EXPECT_EQ(chats, 1);

        banco().executar(QStringLiteral("INSERT INTO CHAT (ID_USUARIO_ENVIO, ID_USUARIO_RECEB, MENSAGEM, DATA, HORA, "
                                        "LIDA) VALUES ('BIA', 'ADMIN', 'oi', ?, '09:00', 'N')"),
                         {kHoje});
        Notificacoes::tick(nullptr);
        EXPECT_TRUE(l->Image2->isVisibleTo(l));
        EXPECT_FALSE(l->Image7->isVisibleTo(l));
        // The new-message icon closes the slid-in notice before opening the chat.
        auto *alerta = new TFrmAlerta;
        alerta->setAttribute(Qt::WA_DeleteOnClose);
        alerta->show();
        ASSERT_EQ(FrmAlerta, alerta);
        clicar(l->Image2);
        EXPECT_EQ(chats, 2);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        EXPECT_EQ(FrmAlerta, nullptr);

        // A history opened over this list switches its own icons, then hands them back.
        banco().executar(QStringLiteral("UPDATE CHAT SET LIDA = 'S'"));
        {
            TFrmWalkIn historico;
            historico.OP = QStringLiteral("HIST");
            historico.show();
            Notificacoes::tick(nullptr);
            EXPECT_TRUE(historico.Image7->isVisibleTo(&historico));
            EXPECT_TRUE(l->Image2->isVisibleTo(l));
        }
        Notificacoes::tick(nullptr);
        EXPECT_TRUE(l->Image7->isVisibleTo(l));
    });
    EXPECT_FALSE(bool(Notificacoes::iconeChatListaEstadias));
}

// "Despesas Avulsas" acts only once the counter-sales screen is there.
TEST_F(ListaEstadiasTeste, DespesasAvulsasDesabilitadaSemATelaDeVendasAvulsas)
{
    estadia(ana, uh101, QStringLiteral("N"), QStringLiteral("N"));
    ListaEstadias::despesasAvulsas = nullptr;
    comLista(QStringLiteral("Despesas"), [&](TFrmWalkIn *l) {
        EXPECT_TRUE(l->btnDespesasAvulsas->isVisibleTo(l));
        EXPECT_FALSE(l->btnDespesasAvulsas->isEnabled());
    });
    int abertas = 0;
    ListaEstadias::despesasAvulsas = [&] { ++abertas; };
    comLista(QStringLiteral("Despesas"), [&](TFrmWalkIn *l) {
        ASSERT_TRUE(l->btnDespesasAvulsas->isEnabled());
        l->btnDespesasAvulsas->click();
    });
    ListaEstadias::despesasAvulsas = nullptr;
    EXPECT_EQ(abertas, 1);
}
