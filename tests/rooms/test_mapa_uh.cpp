// The room map: the room list with its calculated fields and counts, tabs and
// type filter, the popup menu by state, maintenance, reservation
// cancellation and room deletion through the screen, the check-in hand-off
// in hotel and motel mode, and a room changed on another workstation.
#include "base/Relogio.h"
#include "base/Sessao.h"
#include "base/Telas.h"
#include "app/UnitQuintara.h"
#include "rooms/EstadoUH.h"
#include "rooms/UnitCadReservas.h"
#include "rooms/UnitCadUH.h"
#include "rooms/UnitCentralCadastros.h"
#include "rooms/UnitReservas.h"
#include "restaurant/UnitPDV.h"
#include "restaurant/UnitProdutosServicos.h"
#include "rooms/UnitUH.h"
#include "support/TelasTeste.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QValidator>
#include <QListView>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>
#include <QTabBar>
#include <QTableView>

namespace {

QString u8(const char *s) { return QString::fromUtf8(s); }

class MapaUHTeste : public TelasTeste {
protected:
    QDate hoje = QDate(2026, 12, 10);
    // What the hooks received.
    QList<MapaUH::EntradaExpressa> entradas;
    QList<MapaUH::AcaoEstadia> estadias;
    QList<qint64> extratos;
    // The express state as the stay form would see it.
    bool expressoDuranteEntrada = false;
    QString uhDuranteEntrada, clienteDuranteEntrada;
    QString clienteEscolhido; // what the customer list picks ("" none)
    int listasClientes = 0;
    QStringList cadastros;    // modes the room edit opened in
    QList<qint64> codigosCadastro;

    void SetUp() override
    {
        TelasTeste::SetUp();
        MapaUH::Ganchos &g = MapaUH::ganchos();
        g.entradaHospede = [this](const MapaUH::EntradaExpressa &e) {
            entradas.append(e);
            const Sessao &s = Sessao::atual();
            expressoDuranteEntrada = s.WalkInExpresso;
            uhDuranteEntrada = s.WalkInExpressoUH;
            clienteDuranteEntrada = s.WalkInExpressoCLIENTE;
        };
        g.estadia = [this](const MapaUH::AcaoEstadia &a) { estadias.append(a); };
        g.extratoConta = [this](qint64 e, bool) { extratos.append(e); };
        // The screens of this subsystem, as the main window wires them.
        g.cadastroUH = [] { abrirCadUHDoMapa(); };
        g.novaReserva = [] { Reservas::efetuarReserva(); };
        g.listaReservas = [] { Telas::abrir<TFrmReservas>(FrmReservas); };
        Telas::interceptar<TFrmCadUH>([this](TFrmCadUH *c) {
            cadastros.append(OPdeModo(c->modo()));
            codigosCadastro.append(c->codigo());
            return 0;
        });
        g.despesasAvulsas = [] {};
        g.escolherCliente = [this] {
            ++listasClientes;
            EXPECT_TRUE(Sessao::atual().WalkInExpressoCLIENTE.isEmpty()) << "a lista de clientes abriu com um cliente";
            if (!clienteEscolhido.isEmpty())
                Sessao::atual().WalkInExpressoCLIENTE = clienteEscolhido;
        };
    }
    void TearDown() override
    {
        MapaUH::ganchos() = {};
        TelasTeste::TearDown();
    }

    qint64 tipo(const QString &descricao)
    {
        return banco()
            .valor(QStringLiteral("INSERT INTO TIPO_UH (DESCRICAO, ABREV) VALUES (?, 'T') RETURNING ID_TIPO_UH"),
                   {descricao})
            .toLongLong();
    }
    qint64 uh(const QString &numero, const QString &situacao, qint64 idTipo = 0, const QString &manutencao = {})
    {
        return banco()
            .valor(QStringLiteral("INSERT INTO UH (NUMERO, DESCRICAO, RAMAL, SITUACAO, MANUTENCAO, ID_TIPO_UH) "
                                  "VALUES (?, ?, ?, ?, ?, ?) RETURNING ID_UH"),
                   {numero, QStringLiteral("QUARTO ") + numero, QStringLiteral("2") + numero, situacao, manutencao,
                    idTipo ? QVariant(idTipo) : QVariant()})
            .toLongLong();
    }
    qint64 cliente(const QString &nome, const QString &lembrete = {})
    {
        return banco()
            .valor(QStringLiteral("INSERT INTO CLIENTE (NOME, LEMBRETE) VALUES (?, ?) RETURNING ID_CLIENTE"),
                   {nome, lembrete})
            .toLongLong();
    }
    qint64 estadia(qint64 idUH, qint64 idCliente, const QString &diaria = QStringLiteral("150.50"))
    {
        return banco()
            .valor(QStringLiteral("INSERT INTO WALK_IN (ID_CLIENTE, ID_UH, DATA_ENTRADA, HORA_ENTRADA, VALOR_DIARIA) "
                                  "VALUES (?, ?, ?, ?, ?) RETURNING ID_WALK_IN"),
                   {idCliente, idUH, QDate(2026, 12, 9), QTime(14, 30, 5), diaria})
            .toLongLong();
    }
    qint64 reserva(qint64 idUH, qint64 idCliente, const QList<QDate> &dias)
    {
        const qint64 id = banco()
                              .valor(QStringLiteral("INSERT INTO RESERVA (DATA_ENTRADA, DATA_SAIDA, ID_CLIENTE, ID_UH, "
                                                    "QTD_PESSOAS) VALUES (?, ?, ?, ?, 2) RETURNING ID_RESERVA"),
                                     {dias.first(), dias.last(), idCliente, idUH})
                              .toLongLong();
        for (const QDate &d : dias)
            banco().executar(QStringLiteral("INSERT INTO RESERVA_UH (ID_RESERVA, DATA_ENTRADA, ID_UH) VALUES (?, ?, ?)"),
                             {id, d, idUH});
        return id;
    }
    QString situacao(qint64 id)
    {
        return banco().valor(QStringLiteral("SELECT SITUACAO FROM UH WHERE ID_UH = ?"), {id}).toString();
    }
    static QStringList numeros(TFrmUH &f)
    {
        QStringList r;
        for (qint64 id : f.visiveis())
            r << f.tUH->quarto(f.tUH->linhaDe(id))->numero;
        return r;
    }
    // The common hotel: one room of each state, plus a free room of another type.
    struct Hotel {
        qint64 luxo, simples, livre, ocupada, manutencao, reservada, livre2, maria, joao, entrada, idReserva;
    };
    Hotel hotel()
    {
        Hotel h{};
        h.luxo = tipo(QStringLiteral("LUXO"));
        h.simples = tipo(QStringLiteral("SIMPLES"));
        h.maria = cliente(u8("MARIA D'ÁVILA"));
        h.joao = cliente(u8("JOÃO"), QStringLiteral("PREFERE TRAVESSEIRO BAIXO"));
        h.livre = uh(QStringLiteral("101"), QStringLiteral("L"), h.luxo);
        h.ocupada = uh(QStringLiteral("102"), QStringLiteral("O"), h.luxo);
        h.manutencao = uh(QStringLiteral("103"), QStringLiteral("M"), h.luxo, QStringLiteral("LIMPEZA"));
        h.reservada = uh(QStringLiteral("104"), QStringLiteral("R"), h.simples);
        h.livre2 = uh(QStringLiteral("105"), QStringLiteral("L"), h.simples);
        h.entrada = estadia(h.ocupada, h.maria);
        h.idReserva = reserva(h.reservada, h.joao, {hoje, hoje.addDays(1)});
        return h;
    }
};

} // namespace

namespace {
// What an edit keeps of a typed text of n characters (its validator counts
// characters, as the column does).
qsizetype mantem(QLineEdit *e, int n)
{
    QString t(n, QLatin1Char('A'));
    int pos = n;
    if (e->validator())
        e->validator()->validate(t, pos);
    return qMin(t.size(), qsizetype(e->maxLength()));
}
} // namespace

TEST_F(MapaUHTeste, ListaComCamposCalculadosContagemEAbas)
{
    const Hotel h = hotel();
    uh(QStringLiteral("10A"), QStringLiteral("L"), h.simples); // a number that is not digits
    uh(QStringLiteral("9"), QStringLiteral("L"), h.simples);
    uh(QStringLiteral("99"), QStringLiteral("L"), h.simples);
    banco().executar(QStringLiteral("INSERT INTO UH (NUMERO, SITUACAO, EXCLUIDO) VALUES ('106', 'L', 'S')"));
    TFrmUH f;
    f.show();
    EXPECT_EQ(f.windowTitle(), u8("Central de Unidades Habitacionais"));
    EXPECT_EQ(numeros(f), (QStringList{"9", "99", "101", "102", "103", "104", "105", "10A"}));
    EXPECT_EQ(f.lblLivre->text(), QStringLiteral("Livre (5)"));
    EXPECT_EQ(f.lblManutencao->text(), u8("Em Manutenção (1)"));
    EXPECT_EQ(f.lblOcupada->text(), QStringLiteral("Ocupada (1)"));
    EXPECT_EQ(f.lblReserva->text(), QStringLiteral("Reserva (1)"));

    const auto q = [&](qint64 id) { return *f.tUH->quarto(f.tUH->linhaDe(id)); };
    const MapaUH::Quarto o = q(h.ocupada);
    EXPECT_EQ(o.disp, QStringLiteral("Ocupada"));
    EXPECT_EQ(o.cliente, QStringLiteral("(%1) ").arg(h.entrada) + u8("MARIA D'ÁVILA"));
    EXPECT_EQ(o.entrada, h.entrada);
    EXPECT_EQ(o.entradaMotel, QStringLiteral("Entrada: %1").arg(h.entrada));
    EXPECT_EQ(o.dataHoraEnt, QStringLiteral("09/12/2026 14:30:05"));
    EXPECT_EQ(o.descramal, QStringLiteral("Ramal 2102"));
    EXPECT_EQ(o.descQuarto, QStringLiteral("LUXO"));
    const MapaUH::Quarto r = q(h.reservada);
    EXPECT_EQ(r.cliente, u8("JOÃO"));
    EXPECT_EQ(r.idcliente, h.joao);
    EXPECT_EQ(r.entrada, 0);
    const MapaUH::Quarto m = q(h.manutencao);
    EXPECT_EQ(m.disp, u8("Em Manutenção"));
    EXPECT_TRUE(m.cliente.isEmpty());
    // The grid shows the rate in money notation and the guest.
    const int linha = f.visiveis().indexOf(h.ocupada);
    EXPECT_EQ(f.filtro->index(linha, ModeloMapaUH::ColDiaria).data().toString(), QStringLiteral("150,50"));
    EXPECT_EQ(f.filtro->index(linha, ModeloMapaUH::ColHospede).data().toString(), o.cliente);
    EXPECT_EQ(f.filtro->index(linha, 0).data(Qt::BackgroundRole).value<QColor>(), corBGR(0x2222FF));

    // Tabs filter what was read; the type choice narrows every tab.
    const QList<QPair<int, QStringList>> abas{{1, {"9", "99", "101", "105", "10A"}},
                                              {2, {"103"}},
                                              {3, {"102"}},
                                              {4, {"104"}}};
    for (const auto &[aba, esperados] : abas) {
        f.pgcUH->setCurrentIndex(aba);
        EXPECT_EQ(numeros(f), esperados) << aba;
    }
    f.cbTipos->setCurrentIndex(f.cbTipos->findText(QStringLiteral("SIMPLES")));
    f.pgcUH->setCurrentIndex(1);
    EXPECT_EQ(numeros(f), (QStringList{"9", "99", "105", "10A"}));
    f.pgcUH->setCurrentIndex(0);
    EXPECT_EQ(numeros(f), (QStringList{"9", "99", "104", "105", "10A"}));
    EXPECT_EQ(f.cbTipos->itemText(0), QStringLiteral("TODOS OS TIPOS"));
}

TEST_F(MapaUHTeste, ContagemSempreComAsQuatroSituacoes)
{
    uh(QStringLiteral("1"), QStringLiteral("L"));
    TFrmUH f;
    f.show();
    EXPECT_EQ(f.lblLivre->text(), QStringLiteral("Livre (1)"));
    EXPECT_EQ(f.lblManutencao->text(), u8("Em Manutenção (0)"));
    EXPECT_EQ(f.lblOcupada->text(), QStringLiteral("Ocupada (0)"));
    EXPECT_EQ(f.lblReserva->text(), QStringLiteral("Reserva (0)"));
}

TEST_F(MapaUHTeste, MenuPorSituacao)
{
    const Hotel h = hotel();
    TFrmUH f;
    f.show();
    const QList<QAction *> itens{f.mnEntrada,  f.mnPagamento,   f.mnSaida,      f.mnReserva,     f.mnCancelarReserva,
                                 f.mnDespesas, f.mnItens,       f.mnQtdHospedes, f.mnValorDiaria, f.mnTransferir,
                                 f.mnExtrato,  f.mnLiberar,     f.mnManutencao, f.mnDespesasAvulsas, f.mnLembretes,
                                 f.mnChat,     f.mnSMS};
    const QList<QPair<qint64, QString>> matriz{
        {h.livre, "10010000000011111"},
        {h.ocupada, "01110111111011111"},
        {h.manutencao, "00010000000101111"},
        {h.reservada, "10011000000011111"},
    };
    for (const auto &[id, esperado] : matriz) {
        ASSERT_TRUE(f.selecionar(id));
        f.atualizarPopup();
        QString obtido;
        for (QAction *a : itens)
            obtido += a->isEnabled() ? QLatin1Char('1') : QLatin1Char('0');
        EXPECT_EQ(obtido, esperado) << f.atual()->numero.toStdString();
        for (QAction *a : {f.mnOrdemNumero, f.mnOrdemDescricao, f.mnOrdemTipo})
            EXPECT_TRUE(a->isEnabled());
    }
    EXPECT_EQ(f.mnEntrada->text(), u8("-- Realizar Entrada de Hóspede"));
    EXPECT_EQ(f.mnLiberar->text(), QStringLiteral("-- Liberar UH"));

    // An entry whose screen is not wired yet stays off.
    MapaUH::ganchos().estadia = nullptr;
    f.selecionar(h.ocupada);
    f.atualizarPopup();
    EXPECT_FALSE(f.mnSaida->isEnabled());
    EXPECT_TRUE(f.mnManutencao->isEnabled());
}

TEST_F(MapaUHTeste, ManutencaoPelaTelaDoInicioAoFim)
{
    const Hotel h = hotel();
    banco().executar(QStringLiteral("INSERT INTO FUNCIONARIO (NOME, CPF, CAMAREIRA) VALUES ('ANA', '1', 'S')"));
    banco().executar(QStringLiteral("INSERT INTO FUNCIONARIO (NOME, CPF, CAMAREIRA) VALUES ('BETO', '2', 'N')"));
    TFrmUH f;
    f.show();
    ASSERT_TRUE(f.selecionar(h.livre));

    msg->esperar(u8("Deseja registrar manutenção nesta UH?"), Mensagem::Nao);
    f.EfetuarManutencaoClick();
    EXPECT_FALSE(f.pnlManutencao->isVisible());

    msg->esperar(u8("Deseja registrar manutenção nesta UH?"), Mensagem::Sim);
    f.EfetuarManutencaoClick();
    ASSERT_TRUE(f.pnlManutencao->isVisible());
    EXPECT_FALSE(f.dbgUH->isEnabled());
    EXPECT_EQ(mantem(f.edtMotivo, 60), 50);
    msg->esperar(u8("Informe o Motivo da Manutenção!"));
    f.btnConfirmarManutencaoClick();
    EXPECT_TRUE(f.pnlManutencao->isVisible());
    f.edtMotivo->setText(QStringLiteral("LAMPADA"));
    f.btnConfirmarManutencaoClick();
    EXPECT_FALSE(f.pnlManutencao->isVisible());
    EXPECT_TRUE(f.dbgUH->isEnabled());
    EXPECT_EQ(situacao(h.livre), QStringLiteral("M"));
    EXPECT_EQ(f.lblManutencao->text(), u8("Em Manutenção (2)"));
    // The panel now shows the reason of the room under the cursor.
    EXPECT_EQ(f.atual()->idUH, h.livre);
    EXPECT_FALSE(f.pnlSelecao->isHidden());
    EXPECT_EQ(f.lblSelecao->text(), u8("Manutenção: LAMPADA"));
    EXPECT_EQ(f.btnSelecao->text(), QStringLiteral("Concluir"));

    msg->esperar(u8("Deseja registrar a conclusão da manutenção desta UH?"), Mensagem::Sim);
    f.btnSelecaoClick();
    ASSERT_TRUE(f.pnlResponsavel->isVisible());
    EXPECT_TRUE(f.rbFuncionario->isChecked());
    EXPECT_EQ(f.cbFuncionarios->currentText(), u8("N E N H U M   F U N C I O N Á R I O"));
    EXPECT_EQ(f.cbFuncionarios->count(), 2); // only the housekeepers
    EXPECT_FALSE(f.edtResponsavel->isEnabled());
    msg->esperar(u8("Funcionário Responsável Inválido!"));
    f.btnConfirmarResponsavelClick();
    f.rbOutro->setChecked(true);
    f.rbOutroClick();
    EXPECT_TRUE(f.edtResponsavel->isEnabled());
    EXPECT_FALSE(f.cbFuncionarios->isEnabled());
    msg->esperar(u8("Responsável Inválido!"));
    f.btnConfirmarResponsavelClick();
    EXPECT_TRUE(f.pnlResponsavel->isVisible());
    f.rbFuncionario->setChecked(true);
    f.rbFuncionarioClick();
    f.cbFuncionarios->setCurrentIndex(1);
    f.btnConfirmarResponsavelClick();
    EXPECT_FALSE(f.pnlResponsavel->isVisible());
    EXPECT_EQ(situacao(h.livre), QStringLiteral("L"));
    EXPECT_EQ(logs(), (QStringList{u8("ADMIN|Registrou Manutenção da UH 101 (LAMPADA)"),
                                   u8("ADMIN|Registrou Conclusão de Manutenção da UH 101 (LAMPADA-ANA)")}));

    // An occupied room in maintenance gets its "O" back; a double click on the
    // maintenance legend starts it too.
    ASSERT_TRUE(f.selecionar(h.ocupada));
    msg->esperar(u8("Deseja registrar manutenção nesta UH?"), Mensagem::Sim);
    QMouseEvent duplo(QEvent::MouseButtonDblClick, QPointF(5, 5), QPointF(5, 5), Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QApplication::sendEvent(f.lblManutencao, &duplo);
    f.edtMotivo->setText(QStringLiteral("CHUVEIRO"));
    f.btnConfirmarManutencaoClick();
    EXPECT_EQ(situacao(h.ocupada), QStringLiteral("M"));
    msg->esperar(u8("Deseja registrar a conclusão da manutenção desta UH?"), Mensagem::Sim);
    f.btnSelecaoClick();
    f.rbOutro->setChecked(true);
    f.rbOutroClick();
    f.edtResponsavel->setText(QStringLiteral("ELETRICISTA"));
    f.btnConfirmarResponsavelClick();
    EXPECT_EQ(situacao(h.ocupada), QStringLiteral("O"));
    EXPECT_EQ(logs().last(), u8("ADMIN|Registrou Conclusão de Manutenção da UH 102 (CHUVEIRO-ELETRICISTA)"));
}

TEST_F(MapaUHTeste, SituacaoMudadaEmOutraEstacaoAvisaEAtualiza)
{
    const Hotel h = hotel();
    TFrmUH f;
    f.show();
    ASSERT_TRUE(f.selecionar(h.livre));
    msg->esperar(u8("Deseja registrar manutenção nesta UH?"), Mensagem::Sim);
    f.EfetuarManutencaoClick();
    // Meanwhile another workstation checks a guest into the room.
    banco().executar(QStringLiteral("UPDATE UH SET SITUACAO = 'O' WHERE ID_UH = ?"), {h.livre});
    f.edtMotivo->setText(QStringLiteral("LAMPADA"));
    msg->esperar(EstadoUH::mensagemSituacaoMudou(QStringLiteral("101")));
    f.btnConfirmarManutencaoClick();
    EXPECT_EQ(situacao(h.livre), QStringLiteral("O"));
    EXPECT_EQ(f.tUH->quarto(f.tUH->linhaDe(h.livre))->situacao, QStringLiteral("O"));
    EXPECT_EQ(f.lblOcupada->text(), QStringLiteral("Ocupada (2)"));
    EXPECT_TRUE(logs().isEmpty());
    EXPECT_TRUE(f.dbgUH->isEnabled());

    // The reservation shown was turned into a stay elsewhere.
    ASSERT_TRUE(f.selecionar(h.reservada));
    ASSERT_EQ(f.reservaDoPainel(), h.idReserva);
    banco().executar(QStringLiteral("UPDATE RESERVA SET CONFIRMADA = 'S' WHERE ID_RESERVA = ?"), {h.idReserva});
    msg->esperar(u8("Deseja Realmente Cancelar essa Reserva?"), Mensagem::Sim);
    msg->esperar(QString::fromUtf8(EstadoUH::kMsgReservaMudou));
    f.btnSelecaoClick();
    EXPECT_EQ(banco().valor(QStringLiteral("SELECT EXCLUIDO FROM RESERVA WHERE ID_RESERVA = ?"), {h.idReserva}).toString(),
              QStringLiteral("N"));
}

TEST_F(MapaUHTeste, CancelarReservaPeloPainel)
{
    const Hotel h = hotel();
    TFrmUH f;
    f.show();
    ASSERT_TRUE(f.selecionar(h.reservada));
    EXPECT_FALSE(f.pnlSelecao->isHidden());
    const QString painel = QStringLiteral("Reserva: (%1) ").arg(h.idReserva) + u8("JOÃO");
    EXPECT_EQ(f.lblSelecao->text(), painel);
    EXPECT_EQ(f.btnSelecao->text(), QStringLiteral("Cancelar"));
    EXPECT_EQ(Sessao::atual().WalkInExpressoCLIENTE, QString::number(h.joao));

    msg->esperar(u8("Deseja Realmente Cancelar essa Reserva?"), Mensagem::Nao);
    f.btnSelecaoClick();
    EXPECT_EQ(situacao(h.reservada), QStringLiteral("R"));

    msg->esperar(u8("Deseja Realmente Cancelar essa Reserva?"), Mensagem::Sim);
    msg->esperar(QStringLiteral("Reserva Cancelada com Sucesso!"));
    f.btnSelecaoClick();
    EXPECT_EQ(situacao(h.reservada), QStringLiteral("L"));
    EXPECT_EQ(contar(QStringLiteral("SELECT COUNT(*) FROM RESERVA_UH WHERE ID_RESERVA = ?"), {h.idReserva}), 0);
    EXPECT_EQ(logs(), QStringList{QStringLiteral("ADMIN|Excluiu ") + painel});
    EXPECT_EQ(f.lblReserva->text(), QStringLiteral("Reserva (0)"));
    EXPECT_TRUE(f.pnlSelecao->isHidden());

    // Other rooms: no panel, and its button does nothing.
    ASSERT_TRUE(f.selecionar(h.ocupada));
    EXPECT_TRUE(f.pnlSelecao->isHidden());
    EXPECT_EQ(f.reservaDoPainel(), 0);
    f.btnSelecaoClick();
}

TEST_F(MapaUHTeste, ExclusaoDeUH)
{
    const Hotel h = hotel();
    TFrmUH f;
    f.show();
    for (qint64 id : {h.ocupada, h.manutencao, h.reservada}) {
        ASSERT_TRUE(f.selecionar(id));
        msg->esperar(u8("Não é permitido excluir UH que não esteja livre!"));
        f.btnExcluirUHClick();
    }
    // A free room with a pending reservation later on.
    reserva(h.livre2, 1, {hoje.addDays(10)});
    ASSERT_TRUE(f.selecionar(h.livre2));
    msg->esperar(u8("Deseja Realmente Excluir essa UH?"), Mensagem::Sim);
    msg->esperar(u8("Não é permitido excluir UH com reservas pendentes!"));
    f.btnExcluirUHClick();
    ASSERT_TRUE(f.selecionar(h.livre));
    msg->esperar(u8("Deseja Realmente Excluir essa UH?"), Mensagem::Sim);
    msg->esperar(u8("UH Excluída com Sucesso!"));
    f.btnExcluirUHClick();
    EXPECT_EQ(numeros(f), (QStringList{"102", "103", "104", "105"}));
    EXPECT_EQ(f.atual()->idUH, h.ocupada); // the next room
    EXPECT_EQ(logs(), QStringList{u8("ADMIN|Excluiu UH -> Código %1 (101)").arg(h.livre)});
}

TEST_F(MapaUHTeste, EntradaExpressaNoModoHotel)
{
    const Hotel h = hotel();
    TFrmUH f;
    f.show();
    // The cursor passes over the reserved room (its customer is stored), then
    // the clerk closes the customer list on a free room without a pick.
    ASSERT_TRUE(f.selecionar(h.reservada));
    ASSERT_EQ(Sessao::atual().WalkInExpressoCLIENTE, QString::number(h.joao));
    ASSERT_TRUE(f.selecionar(h.livre));
    msg->esperar(u8("Impossível Realizar Entrada de Hóspede Expressa sem Selecioná-lo!"));
    f.RealizarEntradaClick();
    EXPECT_EQ(listasClientes, 1);
    EXPECT_TRUE(entradas.isEmpty());
    EXPECT_FALSE(Sessao::atual().WalkInExpresso);
    EXPECT_TRUE(Sessao::atual().WalkInExpressoCLIENTE.isEmpty());

    // A customer picked in the list.
    clienteEscolhido = QString::number(h.maria);
    ASSERT_TRUE(f.selecionar(h.livre));
    f.RealizarEntradaClick();
    ASSERT_EQ(entradas.size(), 1);
    EXPECT_EQ(entradas[0].idUH, h.livre);
    EXPECT_EQ(entradas[0].idCliente, h.maria);
    EXPECT_EQ(entradas[0].idReserva, 0);
    EXPECT_FALSE(entradas[0].motel);
    EXPECT_TRUE(expressoDuranteEntrada);
    EXPECT_EQ(uhDuranteEntrada, QString::number(h.livre));
    EXPECT_EQ(clienteDuranteEntrada, QString::number(h.maria));
    const Sessao &s = Sessao::atual();
    EXPECT_FALSE(s.WalkInExpresso);
    EXPECT_TRUE(s.WalkInExpressoCLIENTE.isEmpty() && s.WalkInExpressoUH.isEmpty());

    // A reserved room brings its reservation, and the customer's reminder.
    ASSERT_TRUE(f.selecionar(h.reservada));
    msg->esperar(u8("Lembrete Pessoal para JOÃO\r\rPREFERE TRAVESSEIRO BAIXO"));
    f.RealizarEntradaClick();
    ASSERT_EQ(entradas.size(), 2);
    EXPECT_EQ(entradas[1].idUH, h.reservada);
    EXPECT_EQ(entradas[1].idReserva, h.idReserva);
    EXPECT_EQ(listasClientes, 2); // no list for the reserved room

    // Occupied and maintenance rooms: nothing.
    for (qint64 id : {h.ocupada, h.manutencao}) {
        ASSERT_TRUE(f.selecionar(id));
        f.RealizarEntradaClick();
    }
    EXPECT_EQ(entradas.size(), 2);
}

TEST_F(MapaUHTeste, EntradaExpressaNoModoMotel)
{
    parametro(QStringLiteral("MODO_MOTEL"), QStringLiteral("S"));
    const Hotel h = hotel();
    TFrmUH f;
    f.show();
    EXPECT_TRUE(f.chkResumida->isHidden());
    EXPECT_TRUE(f.btnReservas->isHidden());
    for (QAction *a : {f.sepReserva, f.mnReserva, f.mnCancelarReserva, f.mnQtdHospedes, f.mnValorDiaria})
        EXPECT_FALSE(a->isVisible()) << a->text().toStdString();
    EXPECT_TRUE(f.mnSMS->isVisible());
    ASSERT_TRUE(f.selecionar(h.livre2));
    f.RealizarEntradaClick();
    EXPECT_EQ(listasClientes, 0);
    ASSERT_EQ(entradas.size(), 1);
    EXPECT_EQ(entradas[0].idCliente, 1);
    EXPECT_EQ(entradas[0].idUH, h.livre2);
    EXPECT_TRUE(entradas[0].motel);
    EXPECT_EQ(clienteDuranteEntrada, QStringLiteral("1"));
    EXPECT_TRUE(Sessao::atual().WalkInExpressoCLIENTE.isEmpty());
}

TEST_F(MapaUHTeste, EstadiaAbertaNosModos)
{
    const Hotel h = hotel();
    TFrmUH f;
    f.show();
    ASSERT_TRUE(f.selecionar(h.ocupada));
    f.SaidaClick();
    f.DespesasClick();
    f.ItensClick();
    f.TransferirClick();
    f.ExtratoClick();
    ASSERT_EQ(estadias.size(), 4);
    const QList<QPair<QString, bool>> esperado{
        {u8("Saída"), false}, {QStringLiteral("Despesas"), false}, {QStringLiteral("Itens"), false},
        {QStringLiteral("Despesas"), true}};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(estadias[i].op, esperado[i].first);
        EXPECT_EQ(estadias[i].mostrarLista, esperado[i].second);
        EXPECT_EQ(estadias[i].idEntrada, h.entrada);
        EXPECT_EQ(estadias[i].idUH, h.ocupada);
    }
    EXPECT_EQ(extratos, QList<qint64>{h.entrada});
    // Not for a free room.
    ASSERT_TRUE(f.selecionar(h.livre));
    f.SaidaClick();
    EXPECT_EQ(estadias.size(), 4);
}

// The map left open behind a screen it opened shows the rooms as they are
// once that screen closes: a check-out from the consumption form, a room
// change from the movements list, a reservation made meanwhile.
TEST_F(MapaUHTeste, MapaAtualizadoQuandoATelaAbertaDeleFecha)
{
    const struct {
        const char *acao;
        void (TFrmUH::*clique)();
    } casos[] = {
        {"Saída", &TFrmUH::SaidaClick},
        {"Pagamento", &TFrmUH::PagamentoClick},
        {"Despesas", &TFrmUH::DespesasClick},
        {"Itens", &TFrmUH::ItensClick},
        {"Qtd. Hóspedes", &TFrmUH::QtdHospedesClick},
        {"Valor da Diária", &TFrmUH::ValorDiariaClick},
        {"Transferir", &TFrmUH::TransferirClick},
        {"Reservas", &TFrmUH::btnReservasClick},
        {"Despesas Avulsas", &TFrmUH::btnDespesasAvulsasClick},
    };
    const Hotel h = hotel();
    // What the other screen does while the map waits: the guest leaves.
    const auto fecharEstadia = [&] {
        banco().executar(QStringLiteral("UPDATE WALK_IN SET BAIXA = 'S' WHERE ID_WALK_IN = ?"), {h.entrada});
        banco().executar(QStringLiteral("UPDATE UH SET SITUACAO = 'M', MANUTENCAO = 'LIMPEZA' WHERE ID_UH = ?"),
                         {h.ocupada});
    };
    MapaUH::Ganchos &g = MapaUH::ganchos();
    g.estadia = [&](const MapaUH::AcaoEstadia &) { fecharEstadia(); };
    g.listaReservas = fecharEstadia;
    g.despesasAvulsas = fecharEstadia;
    for (const auto &c : casos) {
        SCOPED_TRACE(c.acao);
        banco().executar(QStringLiteral("UPDATE WALK_IN SET BAIXA = 'N' WHERE ID_WALK_IN = ?"), {h.entrada});
        banco().executar(QStringLiteral("UPDATE UH SET SITUACAO = 'O', MANUTENCAO = '' WHERE ID_UH = ?"), {h.ocupada});
        TFrmUH f;
        f.show();
        ASSERT_TRUE(f.selecionar(h.ocupada));
        ASSERT_EQ(f.tUH->quarto(f.tUH->linhaDe(h.ocupada))->situacao, QStringLiteral("O"));
        (f.*c.clique)();
        const int linha = f.tUH->linhaDe(h.ocupada);
        ASSERT_GE(linha, 0);
        EXPECT_EQ(f.tUH->quarto(linha)->situacao, QStringLiteral("M"));
        EXPECT_EQ(f.tUH->index(linha, ModeloMapaUH::ColHospede).data().toString(), QString());
    }
}

TEST_F(MapaUHTeste, SemMovimentosNaoEditaUHs)
{
    hotel();
    Sessao::atual().direitos.MOVIMENTOS = false;
    TFrmUH f;
    f.show();
    ativar(&f);
    for (QPushButton *b : {f.btnNovaUH, f.btnAlterarUH, f.btnExcluirUH})
        EXPECT_TRUE(b->isHidden()) << b->text().toStdString();
    for (QAction *a : {f.mnNovaUH, f.mnAlterarUH, f.mnExcluirUH})
        EXPECT_FALSE(a->isVisible());
    EXPECT_TRUE(f.dbgUH->isColumnHidden(ModeloMapaUH::ColDiaria));
    f.mnNovaUH->trigger();
    f.mnExcluirUH->trigger();
    f.dbgUH->setFocus();
    digitar(f.dbgUH, QStringLiteral("A"));
    EXPECT_TRUE(cadastros.isEmpty());
    EXPECT_TRUE(msg->mostradas().isEmpty());

    // With DIARIA_CENTRAL_UH the rate column is shown all the same.
    parametro(QStringLiteral("DIARIA_CENTRAL_UH"), QStringLiteral("S"));
    TFrmUH g;
    g.show();
    EXPECT_FALSE(g.dbgUH->isColumnHidden(ModeloMapaUH::ColDiaria));
}

TEST_F(MapaUHTeste, EdicaoDeUHPelosAtalhos)
{
    const Hotel h = hotel();
    TFrmUH f;
    FrmUH = &f; // as its opener publishes it
    f.show();
    ativar(&f);
    ASSERT_TRUE(f.selecionar(h.livre));
    f.dbgUH->setFocus();
    digitar(f.dbgUH, QStringLiteral("X")); // any character acts as F2
    f.mnAlterarUH->trigger();
    f.dbgUHDblClick();
    f.mnAlterarUH->trigger();               // the mode is emptied when the edit closes
    EXPECT_EQ(cadastros, (QStringList{"I", "A", "V", "A"}));
    EXPECT_EQ(codigosCadastro.mid(1), (QList<qint64>{h.livre, h.livre, h.livre}));
    EXPECT_NE(codigosCadastro[0], h.livre); // a new room gets a key of its own
    EXPECT_TRUE(f.OP.isEmpty());
    FrmUH = nullptr;
}

TEST_F(MapaUHTeste, ReservasPeloMapa)
{
    const Hotel h = hotel();
    TFrmUH f;
    f.show();
    int formularios = 0, listas = 0;
    Telas::interceptar<TFrmCadReservas>([&](TFrmCadReservas *c) {
        ++formularios;
        EXPECT_NE(FrmReservas, nullptr);
        EXPECT_EQ(FrmReservas ? FrmReservas->OP : QString(), QStringLiteral("I"));
        EXPECT_EQ(c->modo(), ModoEdicao::Incluir);
        return 0;
    });
    Telas::interceptar<TFrmReservas>([&](TFrmReservas *) {
        ++listas;
        return 0;
    });
    ASSERT_TRUE(f.selecionar(h.livre));
    f.mnReserva->trigger();
    EXPECT_EQ(formularios, 1);
    EXPECT_EQ(FrmReservas, nullptr);
    f.btnReservas->click();
    EXPECT_EQ(listas, 1);
}

TEST_F(MapaUHTeste, DespesasAvulsasEscondidasPelaConfiguracao)
{
    hotel();
    {
        TFrmUH f;
        f.show();
        EXPECT_FALSE(f.btnDespesasAvulsas->isHidden());
        EXPECT_TRUE(f.mnDespesasAvulsas->isVisible());
    }
    parametro(QStringLiteral("NAO_DESPESA_AVULSA"), QStringLiteral("S"));
    TFrmUH f;
    f.show();
    EXPECT_TRUE(f.btnDespesasAvulsas->isHidden());
    EXPECT_FALSE(f.mnDespesasAvulsas->isVisible());
}

TEST_F(MapaUHTeste, PesquisaOrdemEIrPara)
{
    const Hotel h = hotel();
    banco().executar(QStringLiteral("UPDATE UH SET DESCRICAO = ? WHERE ID_UH = ?"), {u8("SUÍTE D'ÁVILA"), h.livre2});
    TFrmUH f;
    f.show();
    f.btnFiltrosClick();
    ASSERT_TRUE(f.pnlFiltros->isVisible());
    EXPECT_EQ(mantem(f.edtFiltro, 100), 90);
    f.rbFiltros[2]->setChecked(true); // "Descrição"
    f.edtFiltro->setText(u8("D'ÁVILA"));
    f.btnPesquisarClick();
    EXPECT_FALSE(f.pnlFiltros->isVisible());
    EXPECT_EQ(numeros(f), QStringList{"105"});
    // A search text wider than the column finds nothing, without an error.
    f.btnFiltrosClick();
    f.rbFiltros[1]->setChecked(true); // "Número ID"
    f.edtFiltro->setText(QString(90, QLatin1Char('9')));
    f.btnPesquisarClick();
    EXPECT_TRUE(numeros(f).isEmpty());

    f.mnOrdemTipo->trigger();
    EXPECT_EQ(numeros(f), (QStringList{"101", "102", "103", "104", "105"}));
    f.mnOrdemDescricao->trigger();
    EXPECT_EQ(numeros(f).first(), QStringLiteral("101"));
    EXPECT_EQ(numeros(f).last(), QStringLiteral("105"));

    // Go-to: only on "Todas as UHs" with every type.
    f.pgcUH->setCurrentIndex(1);
    f.edtIrPara->setText(QStringLiteral("101"));
    msg->esperar(u8("Para utilizar essa função, esteja na aba todas as UHs e no Filtro Todos os Tipos"));
    f.edtIrParaEnter();
    f.pgcUH->setCurrentIndex(0);
    f.edtIrPara->setText(QStringLiteral("104"));
    f.edtIrParaEnter();
    EXPECT_EQ(f.atual()->idUH, h.reservada);
    EXPECT_TRUE(f.edtIrPara->text().isEmpty());
    EXPECT_TRUE(f.PopupMenu1->isVisible());
    f.PopupMenu1->hide();
    f.edtIrPara->setText(QStringLiteral("777"));
    msg->esperar(u8("UH 777 Não Encontrada!"));
    f.edtIrParaEnter();
}

TEST_F(MapaUHTeste, ModoTouch)
{
    parametro(QStringLiteral("MODO_TOUCH"), QStringLiteral("S"));
    parametro(QStringLiteral("NOME_FANTASIA"), QStringLiteral("HOTEL BOA VISTA"));
    const Hotel h = hotel();
    TFrmUH f;
    f.show();
    EXPECT_EQ(f.pilha->currentWidget(), f.cvTouch);
    ASSERT_TRUE(f.selecionar(h.manutencao));
    const int linha = f.visiveis().indexOf(h.manutencao);
    const QRect r = f.cvTouch->visualRect(f.filtro->index(linha, 0));
    QMouseEvent press(QEvent::MouseButtonPress, r.center(), f.cvTouch->viewport()->mapToGlobal(r.center()),
                      Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(f.cvTouch->viewport(), &press);
    QMouseEvent solta(QEvent::MouseButtonRelease, r.center(), f.cvTouch->viewport()->mapToGlobal(r.center()),
                      Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(f.cvTouch->viewport(), &solta);
    ASSERT_TRUE(f.pnlTouch->isVisible());
    EXPECT_EQ(f.lblTouchUH->text(), QStringLiteral("UH: 103"));
    EXPECT_EQ(f.lblTouchEmpresa->text(), QStringLiteral("HOTEL BOA VISTA"));
    EXPECT_TRUE(f.btnTouchLiberar->isEnabled());
    EXPECT_FALSE(f.btnTouchEntrada->isEnabled());
    EXPECT_FALSE(f.btnTouchSaida->isEnabled());
    EXPECT_FALSE(f.cvTouch->isEnabled());
    // No question in touch mode: straight to the responsible panel.
    f.btnTouchLiberar->click();
    ASSERT_TRUE(f.pnlResponsavel->isVisible());
    f.rbOutro->setChecked(true);
    f.rbOutroClick();
    f.edtResponsavel->setText(QStringLiteral("ZELADOR"));
    f.btnConfirmarResponsavelClick();
    EXPECT_EQ(situacao(h.manutencao), QStringLiteral("L"));
    EXPECT_FALSE(f.pnlTouch->isVisible());
    EXPECT_TRUE(f.cvTouch->isEnabled());
}

TEST_F(MapaUHTeste, CentralDeCadastrosSoComTelasExistentes)
{
    int fornecedores = 0, pdvs = 0, produtos = 0;
    CentralCadastros::ganchos().fornecedores = [&] { ++fornecedores; };
    // as the restaurant registers them
    CentralCadastros::ganchos().pdv = [] { abrirPDV(); };
    CentralCadastros::ganchos().produtosServicos = [] { abrirProdutosServicos(); };
    Telas::interceptar<TFrmPDV>([&](TFrmPDV *) { return ++pdvs, 0; });
    Telas::interceptar<TFrmProdutosServicos>([&](TFrmProdutosServicos *) { return ++produtos, 0; });
    TFrmCentralCadastros c;
    c.show();
    for (QPushButton *b : {c.btnFornecedores, c.btnPDV, c.btnProdutosServicos})
        EXPECT_TRUE(b->isEnabled()) << b->text().toStdString();
    // Stock items and employees have no screen yet.
    for (QPushButton *b : {c.btnItens, c.btnFuncionarios})
        EXPECT_FALSE(b->isEnabled()) << b->text().toStdString();
    EXPECT_EQ(c.btnPDV->text(), QStringLiteral("Pontos de Venda (PDV's)"));
    c.btnFornecedores->click();
    c.btnPDV->click();
    c.btnProdutosServicos->click();
    EXPECT_EQ(fornecedores, 1);
    EXPECT_EQ(pdvs, 1);
    EXPECT_EQ(produtos, 1);
    CentralCadastros::ganchos() = {};
}

TEST_F(MapaUHTeste, JanelaPrincipalAbreOMapa)
{
    TFrmQuintara janela;
    int mapas = 0;
    Telas::interceptar<TFrmUH>([&](TFrmUH *f) {
        ++mapas;
        EXPECT_EQ(FrmUH, f);
        return 0;
    });
    EXPECT_TRUE(janela.executarComando(QStringLiteral("btnCentralUHClick")));
    janela.CentralUHClick();
    EXPECT_EQ(mapas, 2);
    EXPECT_EQ(FrmUH, nullptr);
}
