// The stay form: its six modes with titles, status lines and locked fields;
// a new stay's key reserved from the generator and its children held in
// memory (a cancel leaves no row, a confirm hands them over whole); the
// reservation offered for arrival and what it fills; the room's standard
// items after room changes; guests and vehicles of an existing stay.
#include "base/Relogio.h"
#include "base/Telas.h"
#include "finance/UnitRelRecibo.h"
#include "rooms/UnitTiposUH.h"
#include "stays/Estadias.h"
#include "stays/UnitBuscarVeiculo.h"
#include "stays/UnitCadWalkIn.h"
#include "stays/UnitWalkIn.h"
#include "support/TelasTeste.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTimeEdit>

namespace {

const QDate kHoje(2026, 3, 10);
const QTime kAgora(10, 15, 30);

class FormularioEstadiaTeste : public TelasTeste {
protected:
    void SetUp() override
    {
        TelasTeste::SetUp();
        Relogio::definir(QDateTime(kHoje, kAgora));
        tipo = tipoUH(QStringLiteral("LUXO"));
        tipo2 = tipoUH(QStringLiteral("STANDARD"));
        uh101 = quarto(tipo, QStringLiteral("101"));
        uh201 = quarto(tipo2, QStringLiteral("201"));
        ana = cliente(QStringLiteral("ANA D'ÁVILA"), QStringLiteral("123.456.789-09"));
        bia = cliente(QStringLiteral("BIA SOUZA"), QString());
    }
    void TearDown() override
    {
        Telas::liberarTodas();
        CadWalkIn::abrirExtrato = nullptr;
        Relogio::liberar();
        TelasTeste::TearDown();
    }
    qint64 tipoUH(const QString &nome)
    {
        return banco()
            .valor(QStringLiteral("INSERT INTO TIPO_UH (DESCRICAO, ABREV, P1, P2, P1MIN, P2MIN) VALUES (?, 'LX', 100, "
                                  "150, 80, 120) RETURNING ID_TIPO_UH"),
                   {nome})
            .toLongLong();
    }
    qint64 quarto(qint64 t, const QString &numero, const QString &situacao = QStringLiteral("L"))
    {
        return banco()
            .valor(QStringLiteral("INSERT INTO UH (ID_TIPO_UH, NUMERO, SITUACAO) VALUES (?, ?, ?) RETURNING ID_UH"),
                   {t, numero, situacao})
            .toLongLong();
    }
    qint64 cliente(const QString &nome, const QString &doc)
    {
        return banco()
            .valor(QStringLiteral("INSERT INTO CLIENTE (NOME, TIPO_PESSOA, CNPJ_CPF) VALUES (?, 'F', ?) RETURNING "
                                  "ID_CLIENTE"),
                   {nome, doc})
            .toLongLong();
    }
    qint64 estadia(qint64 cli, qint64 uh, const QString &baixa)
    {
        return banco()
            .valor(QStringLiteral("INSERT INTO WALK_IN (DATA_ENTRADA, HORA_ENTRADA, DATA_SAIDA, HORA_SAIDA, ID_CLIENTE, "
                                  "ID_UH, QTD_ADULTOS, VALOR_DIARIA, BAIXA, OBS) VALUES (?, '09:00', ?, '12:00', ?, ?, "
                                  "2, 135.5, ?, 'VISTA MAR') RETURNING ID_WALK_IN"),
                   {kHoje.addDays(-1), kHoje.addDays(2), cli, uh, baixa})
            .toLongLong();
    }
    qint64 reserva(qint64 cli, qint64 uh, const QDate &de, const QDate &ate, const QString &confirmada,
                   const QString &excluido)
    {
        return banco()
            .valor(QStringLiteral("INSERT INTO RESERVA (DATA_ENTRADA, HORA_ENTRADA, DATA_SAIDA, HORA_SAIDA, ID_CLIENTE, "
                                  "ID_UH, QTD_PESSOAS, OBS, CONFIRMADA, EXCLUIDO) VALUES (?, '12:00', ?, '11:00', ?, ?, "
                                  "2, 'BERÇO', ?, ?) RETURNING ID_RESERVA"),
                   {de, ate, cli, uh, confirmada, excluido})
            .toLongLong();
    }
    qint64 filhos(qint64 chave)
    {
        qint64 n = 0;
        for (const char *t : {"HOSPEDE", "VEICULO", "ITEM_ENTRADA", "PS_ENTRADA", "DESPESA_UH"})
            n += contar(QStringLiteral("SELECT COUNT(*) FROM %1 WHERE ID_ENTRADA = ?").arg(QString::fromLatin1(t)),
                        {chave});
        return n;
    }
    // Opens the stay form over a carrier list in `op` and runs `f` on it.
    void comFormulario(const QString &op, qint64 entrada, const std::function<void(TFrmCadWalkIn *)> &f,
                       const CadWalkIn::Predefinicao &pre = {})
    {
        bool aberto = false;
        Telas::interceptar<TFrmCadWalkIn>([&](TFrmCadWalkIn *t) {
            aberto = true;
            t->show();
            f(t);
            return t->result();
        });
        ListaEstadias::abrir({op, entrada ? QStringLiteral("SIM") : QString(), entrada, 0, false},
                             [&](TFrmWalkIn &l) { Telas::abrir<TFrmCadWalkIn>(FrmCadWalkIn, &l, pre); });
        EXPECT_TRUE(aberto);
        Telas::liberar(std::type_index(typeid(TFrmCadWalkIn)));
    }
    static void escolher(QComboBox *c, qint64 chave)
    {
        const int i = c->findData(chave);
        ASSERT_GE(i, 0) << chave;
        c->setCurrentIndex(i);
    }
    static QStringList linhas(QTableWidget *g)
    {
        QStringList r;
        for (int i = 0; i < g->rowCount(); ++i) {
            QStringList c;
            for (int j = 0; j < g->columnCount(); ++j)
                c.append(g->item(i, j) ? g->item(i, j)->text() : QString());
            r.append(c.join(QLatin1Char('|')));
        }
        return r;
    }

    qint64 tipo = 0, tipo2 = 0, uh101 = 0, uh201 = 0, ana = 0, bia = 0;
};

TEST_F(FormularioEstadiaTeste, CadaModoTemTituloStatusECamposTravados)
{
    const qint64 aberta = estadia(ana, uh101, QStringLiteral("N"));
    const qint64 fechada = estadia(bia, uh201, QStringLiteral("S"));
    const struct {
        const char *op;
        qint64 entrada;
        const char *titulo;
        const char *status;
        bool confirmar, salvarObs, cancelarFechar, principal, saida;
    } casos[] = {
        {"A", aberta, "Alterar Entrada", "ENTRADA CONCLUÍDA - ATIVO", true, true, false, true, false},
        {"V", aberta, "Ver Entrada", "ENTRADA CONCLUÍDA - ATIVO", false, false, false, true, false},
        {"V", fechada, "Ver Entrada", "SAÍDA EFETUADA - INATIVO", false, false, false, true, false},
        {"Despesas", aberta, "Despesas e Consumos - ANA D'ÁVILA (101)", "MOVIMENTANDO DESPESAS - ATIVO", false, true,
         true, false, false},
        {"Itens", aberta, "Itens de Estoque - ANA D'ÁVILA (101)", "MOVIMENTANDO ITENS DE ESTOQUE - ATIVO", false, true,
         true, false, false},
        {"Saída", aberta, "Fechamento de Conta (Walk-Out)", "FECHANDO CONTA - ATIVO", false, true, false, true, true},
    };
    for (const auto &c : casos) {
        SCOPED_TRACE(c.op);
        comFormulario(QString::fromUtf8(c.op), c.entrada, [&](TFrmCadWalkIn *f) {
            EXPECT_EQ(f->Label1->text(), QString::fromUtf8(c.titulo));
            EXPECT_EQ(f->lblStatus->text(), QString::fromUtf8(c.status));
            EXPECT_EQ(f->lblCodEntrada->text(), QString::number(c.entrada));
            EXPECT_EQ(f->btnConfirmar->isEnabled(), c.confirmar);
            EXPECT_EQ(f->btnSalvarObs->isEnabled(), c.salvarObs);
            EXPECT_EQ(f->btnCancelar->text(), c.cancelarFechar ? QStringLiteral("Fechar") : QStringLiteral("Cancelar"));
            EXPECT_EQ(f->pnlPrincipal->isVisibleTo(f), c.principal);
            EXPECT_EQ(f->btnFecharConta->isVisibleTo(f), c.saida);
            for (QWidget *w : std::initializer_list<QWidget *>{f->cbCliente, f->cbUH, f->cbReserva, f->edtData1,
                                                               f->edtHora1, f->edtNumPessoas, f->edtDiaria,
                                                               f->btnIncluirHospede})
                EXPECT_FALSE(w->isEnabled());
            EXPECT_EQ(f->btnAdiantamento->isEnabled(), c.saida);
            // The stay's values are loaded.
            EXPECT_EQ(f->edtDiaria->text(), QStringLiteral("135,50"));
            EXPECT_EQ(f->edtNumPessoas->text(), QStringLiteral("2"));
            if (QString::fromUtf8(c.op) == QLatin1String("A"))
                EXPECT_EQ(f->lblCpf->text(), QStringLiteral("DOC.: 123.456.789-09"));
        });
    }
}

TEST_F(FormularioEstadiaTeste, NovaEntradaReservaAChaveETravaAChegadaNoAgora)
{
    const qint64 antes = banco().valor(QStringLiteral("SELECT GEN_ID(GEN_ID_WALK_IN, 0) FROM RDB$DATABASE")).toLongLong();
    qint64 chave = 0;
    comFormulario(QStringLiteral("I"), 0, [&](TFrmCadWalkIn *f) {
        chave = f->chave();
        EXPECT_EQ(f->Label1->text(), QStringLiteral("Nova Entrada"));
        EXPECT_EQ(f->lblStatus->text(), QStringLiteral("EM CADASTRAMENTO"));
        EXPECT_EQ(f->lblCodEntrada->text(), QString::number(chave));
        EXPECT_FALSE(f->edtData1->isEnabled());
        EXPECT_FALSE(f->edtHora1->isEnabled());
        EXPECT_EQ(f->edtHora1->time(), kAgora);
        EXPECT_FALSE(f->btnAdiantamento->isEnabled());
        EXPECT_TRUE(f->cbCliente->isEnabled());
        EXPECT_TRUE(f->btnConfirmar->isEnabled());
    });
    EXPECT_EQ(chave, antes + 1);
    // A second new stay never gets the same key, even unsaved.
    comFormulario(QStringLiteral("I"), 0, [&](TFrmCadWalkIn *f) { EXPECT_EQ(f->chave(), chave + 1); });
}

TEST_F(FormularioEstadiaTeste, CancelarNovaEntradaNaoDeixaLinhasFilhas)
{
    const qint64 item = banco().valor(QStringLiteral("INSERT INTO ITEM (DESCRICAO) VALUES ('TOALHA') RETURNING ID_ITEM")).toLongLong();
    banco().executar(QStringLiteral("INSERT INTO PADRAO_ITEM (ID_TIPO_UH, ID_ITEM, QTD) VALUES (?, ?, 2)"), {tipo, item});
    qint64 chave = 0;
    comFormulario(QStringLiteral("I"), 0, [&](TFrmCadWalkIn *f) {
        chave = f->chave();
        escolher(f->cbCliente, ana);
        escolher(f->cbUH, uh101);
        f->btnIncluirHospedeClick();
        f->edtNomeHospede->setText(QStringLiteral("=JOÃO D'ÁVILA"));
        f->btnConfirmarHospedeClick();
        f->btnVeiculosClick();
        f->btnIncluirVeiculoClick();
        f->edtModelo->setText(QStringLiteral("GOL"));
        f->edtPlaca->setText(QStringLiteral("ABC1D23"));
        f->btnConfirmarVeiculoClick();
        EXPECT_EQ(linhas(f->dbgHospedes), QStringList{QStringLiteral("=JOÃO D'ÁVILA")});
        EXPECT_EQ(linhas(f->dbgVeiculos), QStringList{QStringLiteral("GOL|ABC1D23")});
        EXPECT_EQ(linhas(f->dbgItens), QStringList{QString::number(item) + QStringLiteral("|TOALHA|2")});
        EXPECT_EQ(filhos(chave), 0); // nothing written before the check-in
        f->btnCancelarClick();
    });
    EXPECT_EQ(filhos(chave), 0);
    EXPECT_EQ(contar(QStringLiteral("SELECT COUNT(*) FROM WALK_IN")), 0);
}

TEST_F(FormularioEstadiaTeste, ConfirmarGravaAEstadiaNaChaveReservadaComOsFilhos)
{
    const qint64 prod = banco()
                            .valor(QStringLiteral("INSERT INTO PRODUTOS_SERVICOS (ID_PDV, DESCRICAO, VALOR) VALUES (1, "
                                                  "'ÁGUA', 4.5) RETURNING ID_P_S"))
                            .toLongLong();
    banco().executar(QStringLiteral("INSERT INTO PADRAO_PS_UH (ID_UH, ID_PS, QTD) VALUES (?, ?, 3)"), {uh101, prod});
    // No other room to offer; a clerk held to the rate limits.
    banco().executar(QStringLiteral("UPDATE UH SET SITUACAO = 'O' WHERE ID_UH = ?"), {uh201});
    Sessao::atual().direitos.MOVIMENTOS = false;
    qint64 chave = 0;
    QList<QPair<qint64, CadWalkIn::Extrato>> extratos;
    CadWalkIn::abrirExtrato = [&](qint64 id, CadWalkIn::Extrato t) { extratos.append({id, t}); };
    bool fechou = false;
    comFormulario(QStringLiteral("I"), 0, [&](TFrmCadWalkIn *f) {
        chave = f->chave();
        escolher(f->cbCliente, ana);
        escolher(f->cbUH, uh101);
        f->edtNumPessoas->setText(QStringLiteral("2"));
        EXPECT_EQ(f->edtDiaria->text(), QStringLiteral("150,00"));
        f->btnIncluirHospedeClick();
        // An empty name is refused and nothing is added.
        f->edtNomeHospede->setText(QStringLiteral("   "));
        msg->esperar(QStringLiteral("Informe o Nome do Hóspede!"));
        f->btnConfirmarHospedeClick();
        EXPECT_EQ(f->dbgHospedes->rowCount(), 0);
        f->edtNomeHospede->setText(QStringLiteral("CARLOS D'ÁVILA"));
        f->btnConfirmarHospedeClick();
        // A rate below the room type's floor: refused, nothing written, "Confirmar" still there.
        f->edtDiaria->setText(QStringLiteral("100,00"));
        msg->esperar(QStringLiteral("Valor da Diária Não Permitido - Limite de Desconto Excedido"));
        f->btnConfirmarClick();
        EXPECT_EQ(msg->pendentes(), 0);
        EXPECT_TRUE(f->btnConfirmar->isEnabled());
        EXPECT_TRUE(f->isVisible());
        EXPECT_EQ(contar(QStringLiteral("SELECT COUNT(*) FROM WALK_IN")), 0);
        f->edtDiaria->setText(QStringLiteral("150,00"));
        msg->esperar(QStringLiteral("Entrada de Hóspede Cadastrada com Sucesso! Deseja Imprimir o Extrato de Entrada?"),
                     Mensagem::Sim);
        f->btnConfirmarClick();
        fechou = f->result() == QDialog::Accepted;
    });
    EXPECT_TRUE(fechou);
    EXPECT_EQ(msg->pendentes(), 0);
    const Linha w = banco().ler(QStringLiteral("SELECT * FROM WALK_IN"));
    EXPECT_EQ(w.inteiro(QStringLiteral("ID_WALK_IN")), chave);
    EXPECT_EQ(w.inteiro(QStringLiteral("ID_CLIENTE")), ana);
    EXPECT_EQ(w.inteiro(QStringLiteral("ID_UH")), uh101);
    EXPECT_EQ(w.inteiro(QStringLiteral("QTD_ADULTOS")), 2);
    EXPECT_EQ(w.dinheiro(QStringLiteral("VALOR_DIARIA")), Dinheiro::deCentavos(15000));
    EXPECT_EQ(w.data(QStringLiteral("DATA_ENTRADA")), kHoje);
    EXPECT_EQ(w.hora(QStringLiteral("HORA_ENTRADA")), kAgora);
    EXPECT_EQ(banco().valor(QStringLiteral("SELECT LIST(NOME, '|') FROM (SELECT NOME FROM HOSPEDE WHERE ID_ENTRADA = ? "
                                           "ORDER BY NOME)"),
                            {chave})
                  .toString(),
              QStringLiteral("ANA D'ÁVILA|CARLOS D'ÁVILA"));
    const Linha ps = banco().ler(QStringLiteral("SELECT QTD, VALOR FROM PS_ENTRADA WHERE ID_ENTRADA = ?"), {chave});
    EXPECT_EQ(ps.inteiro(QStringLiteral("QTD")), 3);
    EXPECT_EQ(ps.dinheiro(QStringLiteral("VALOR")), Dinheiro::deCentavos(450));
    EXPECT_EQ(banco().valor(QStringLiteral("SELECT SITUACAO FROM UH WHERE ID_UH = ?"), {uh101}).toString(),
              QStringLiteral("O"));
    EXPECT_TRUE(logs().contains(QStringLiteral("ADMIN|Incluiu Entrada de Hóspede -> Código %1 (ANA D'ÁVILA - 101)").arg(chave)));
    ASSERT_EQ(extratos.size(), 1);
    EXPECT_EQ(extratos[0].first, chave);
    EXPECT_EQ(extratos[0].second, CadWalkIn::Extrato::Entrada);
}

TEST_F(FormularioEstadiaTeste, UHTomadaEmOutraEstacaoAvisaEReabilitaConfirmar)
{
    bool aberto = false;
    comFormulario(QStringLiteral("I"), 0, [&](TFrmCadWalkIn *f) {
        escolher(f->cbCliente, bia);
        escolher(f->cbUH, uh101);
        f->edtNumPessoas->setText(QStringLiteral("2"));
        // Another workstation occupies the room after this form listed it.
        banco().executar(QStringLiteral("UPDATE UH SET SITUACAO = 'O' WHERE ID_UH = ?"), {uh101});
        // The other free room of another type priced for two is offered; Yes goes on.
        msg->esperar(QStringLiteral("O Sistema encontrou outras opções para a conclusão desta hospedagem!\n\n"
                                    "UH 201 - STANDARD -> ()\n\nDeseja Realmente colocar o hospede na UH 101?"),
                     Mensagem::Sim);
        msg->esperar(Entrada::textoUHIndisponivel(QStringLiteral("101")));
        f->btnConfirmarClick();
        EXPECT_EQ(msg->pendentes(), 0);
        EXPECT_TRUE(f->btnConfirmar->isEnabled());
        aberto = f->isVisible();
    });
    EXPECT_TRUE(aberto);
    EXPECT_EQ(contar(QStringLiteral("SELECT COUNT(*) FROM WALK_IN")), 0);
    EXPECT_EQ(contar(QStringLiteral("SELECT COUNT(*) FROM HOSPEDE")), 0);
    // No to the alternatives closes the form as Cancel does.
    banco().executar(QStringLiteral("UPDATE UH SET SITUACAO = 'L'"));
    bool fechou = false;
    comFormulario(QStringLiteral("I"), 0, [&](TFrmCadWalkIn *f) {
        escolher(f->cbCliente, bia);
        escolher(f->cbUH, uh101);
        f->edtNumPessoas->setText(QStringLiteral("2"));
        msg->esperar(QString(), Mensagem::Nao);
        f->btnConfirmarClick();
        fechou = !f->isVisible() && f->result() == QDialog::Rejected;
    });
    EXPECT_TRUE(fechou);
    EXPECT_EQ(contar(QStringLiteral("SELECT COUNT(*) FROM WALK_IN")), 0);
}

TEST_F(FormularioEstadiaTeste, ItensPadraoSaoOsDaUltimaUHEscolhida)
{
    ConexaoBanco &b = banco();
    const auto item = [&](const char *d) {
        return b.valor(QStringLiteral("INSERT INTO ITEM (DESCRICAO) VALUES (?) RETURNING ID_ITEM"), {QString::fromUtf8(d)})
            .toLongLong();
    };
    const auto produto = [&](const char *d, const char *excluido) {
        return b
            .valor(QStringLiteral("INSERT INTO PRODUTOS_SERVICOS (ID_PDV, DESCRICAO, VALOR, EXCLUIDO) VALUES (1, ?, 7, ?) "
                                  "RETURNING ID_P_S"),
                   {QString::fromUtf8(d), QString::fromUtf8(excluido)})
            .toLongLong();
    };
    const qint64 toalha = item("TOALHA"), controle = item("CONTROLE"), roupao = item("ROUPÃO");
    const qint64 agua = produto("ÁGUA", "N"), velho = produto("REFRIGERANTE VELHO", "S"), cerveja = produto("CERVEJA", "N");
    // 101: type and room items, a product of the type, a deleted one of the room.
    b.executar(QStringLiteral("INSERT INTO PADRAO_ITEM (ID_TIPO_UH, ID_ITEM, QTD) VALUES (?, ?, 2)"), {tipo, toalha});
    b.executar(QStringLiteral("INSERT INTO PADRAO_UH (ID_UH, ID_ITEM, QTD) VALUES (?, ?, 1)"), {uh101, toalha});
    b.executar(QStringLiteral("INSERT INTO PADRAO_UH (ID_UH, ID_ITEM, QTD) VALUES (?, ?, 1)"), {uh101, controle});
    b.executar(QStringLiteral("INSERT INTO PADRAO_PS (ID_TIPO_UH, ID_P_S, QTD, VALOR) VALUES (?, ?, 2, 5)"), {tipo, agua});
    b.executar(QStringLiteral("INSERT INTO PADRAO_PS_UH (ID_UH, ID_PS, QTD) VALUES (?, ?, 1)"), {uh101, velho});
    // 201: other items; a deleted product of the type.
    b.executar(QStringLiteral("INSERT INTO PADRAO_ITEM (ID_TIPO_UH, ID_ITEM, QTD) VALUES (?, ?, 1)"), {tipo2, roupao});
    b.executar(QStringLiteral("INSERT INTO PADRAO_PS (ID_TIPO_UH, ID_P_S, QTD, VALOR) VALUES (?, ?, 1, 9)"), {tipo2, velho});
    b.executar(QStringLiteral("INSERT INTO PADRAO_PS_UH (ID_UH, ID_PS, QTD) VALUES (?, ?, 4)"), {uh201, cerveja});
    comFormulario(QStringLiteral("I"), 0, [&](TFrmCadWalkIn *f) {
        escolher(f->cbCliente, bia);
        escolher(f->cbUH, uh101);
        EXPECT_EQ(linhas(f->dbgItens), (QStringList{QString::number(controle) + QStringLiteral("|CONTROLE|1"),
                                                    QString::number(toalha) + QStringLiteral("|TOALHA|3")}));
        EXPECT_EQ(linhas(f->dbgFrigobar), QStringList{QString::number(agua) + QStringLiteral("|ÁGUA|2|5,00")});
        escolher(f->cbUH, uh201);
        escolher(f->cbUH, uh101);
        escolher(f->cbUH, uh201);
        EXPECT_EQ(linhas(f->dbgItens), QStringList{QString::number(roupao) + QStringLiteral("|ROUPÃO|1")});
        EXPECT_EQ(linhas(f->dbgFrigobar), QStringList{QString::number(cerveja) + QStringLiteral("|CERVEJA|4|7,00")});
        EXPECT_EQ(f->nova().itens.size(), 1);
        EXPECT_EQ(f->nova().frigobar.size(), 1);
    });
}

TEST_F(FormularioEstadiaTeste, OfertaDeReservaDeHojeESeletorComTodasAsPendentes)
{
    // Only the last one qualifies: deleted, confirmed, future and past ones are not offered.
    reserva(ana, uh101, kHoje, kHoje.addDays(2), QStringLiteral("N"), QStringLiteral("S"));
    reserva(ana, uh101, kHoje, kHoje.addDays(2), QStringLiteral("S"), QStringLiteral("N"));
    const qint64 futura =
        reserva(bia, uh201, kHoje.addDays(1), kHoje.addDays(2), QStringLiteral("N"), QStringLiteral("N"));
    const qint64 passada =
        reserva(ana, uh101, kHoje.addDays(-5), kHoje.addDays(-1), QStringLiteral("N"), QStringLiteral("N"));
    comFormulario(QStringLiteral("I"), 0, [&](TFrmCadWalkIn *f) {
        escolher(f->cbUH, uh101);
        EXPECT_EQ(f->cbReserva->currentData().toLongLong(), 0);
        // The selector lists every pending reservation, whatever its days:
        // a guest arriving a day early picks the one made for tomorrow.
        QList<qint64> listadas;
        for (int i = 1; i < f->cbReserva->count(); ++i)
            listadas.append(f->cbReserva->itemData(i).toLongLong());
        EXPECT_EQ(listadas, (QList<qint64>{futura, passada}));
        EXPECT_EQ(f->cbReserva->itemText(f->cbReserva->findData(futura)),
                  QString::number(futura) + QStringLiteral("   11/03/2026 a 12/03/2026"));
        escolher(f->cbReserva, futura);
        EXPECT_EQ(f->cbCliente->currentData().toLongLong(), bia);
        EXPECT_EQ(f->cbUH->currentData().toLongLong(), uh201);
        EXPECT_EQ(f->edtNumPessoas->text(), QStringLiteral("2"));
    });
    EXPECT_TRUE(msg->mostradas().isEmpty());

    const qint64 viva = reserva(ana, uh101, kHoje.addDays(-1), kHoje.addDays(3), QStringLiteral("N"), QStringLiteral("N"));
    const QString texto = QStringLiteral("--- ATENÇÃO --- \r\rEsta UH possui uma Reserva Agendada:\rCliente: ANA D'ÁVILA\r"
                                         "Período: (09/03/2026 a 13/03/2026)\rUH: (101)\r\r"
                                         "Deseja Registrar a Chegada da Reserva?");
    comFormulario(QStringLiteral("I"), 0, [&](TFrmCadWalkIn *f) {
        msg->esperar(texto, Mensagem::Sim);
        escolher(f->cbUH, uh101);
        EXPECT_EQ(msg->pendentes(), 0);
        EXPECT_EQ(f->cbReserva->currentData().toLongLong(), viva);
        EXPECT_EQ(f->cbCliente->currentData().toLongLong(), ana);
        EXPECT_EQ(f->cbUH->currentData().toLongLong(), uh101);
        EXPECT_EQ(f->edtNumPessoas->text(), QStringLiteral("2"));
        EXPECT_EQ(f->edtDiaria->text(), QStringLiteral("150,00"));
        EXPECT_EQ(f->edtData2->date(), kHoje.addDays(3));
        EXPECT_EQ(f->edtHora2->time(), QTime(11, 0));
        EXPECT_EQ(f->edtObs->text(), QStringLiteral("BERÇO"));
        EXPECT_EQ(f->lblCpf->text(), QStringLiteral("DOC.: 123.456.789-09"));
        // Cleared: everything empties, and the arrival of a new stay stays "now".
        Relogio::avancar(60);
        f->cbReserva->setCurrentIndex(0);
        EXPECT_EQ(f->cbCliente->currentData().toLongLong(), 0);
        EXPECT_EQ(f->cbUH->currentData().toLongLong(), 0);
        EXPECT_EQ(f->edtNumPessoas->text(), QString());
        EXPECT_EQ(f->edtDiaria->text(), QStringLiteral("0,00"));
        EXPECT_EQ(f->edtHora1->time(), kAgora.addSecs(60));
        EXPECT_EQ(f->edtHora2->time(), QTime(12, 0));
    });
    // Asked by customer too; No leaves the reservation unchosen.
    comFormulario(QStringLiteral("I"), 0, [&](TFrmCadWalkIn *f) {
        msg->esperar(QString(texto).replace(QStringLiteral("Esta UH"), QStringLiteral("Este Cliente")), Mensagem::Nao);
        escolher(f->cbCliente, ana);
        EXPECT_EQ(msg->pendentes(), 0);
        EXPECT_EQ(f->cbReserva->currentData().toLongLong(), 0);
    });
}

TEST_F(FormularioEstadiaTeste, EntradaDoMapaTrazReservaPredefinidaETravaSelecoes)
{
    const qint64 r = reserva(bia, uh201, kHoje, kHoje.addDays(1), QStringLiteral("N"), QStringLiteral("N"));
    CadWalkIn::Predefinicao p;
    p.idReserva = r;
    p.idUH = uh201;
    p.travarSelecoes = true;
    comFormulario(QStringLiteral("I"), 0, [&](TFrmCadWalkIn *f) {
        EXPECT_EQ(f->cbCliente->currentData().toLongLong(), bia);
        EXPECT_EQ(f->cbUH->currentData().toLongLong(), uh201);
        EXPECT_EQ(f->edtNumPessoas->text(), QStringLiteral("2"));
        EXPECT_FALSE(f->cbCliente->isEnabled());
        EXPECT_FALSE(f->cbReserva->isEnabled());
    }, p);
    EXPECT_TRUE(msg->mostradas().isEmpty());
}

TEST_F(FormularioEstadiaTeste, HospedesEVeiculosDeEstadiaExistenteComTextosLivres)
{
    const qint64 e = estadia(ana, uh101, QStringLiteral("N"));
    comFormulario(QStringLiteral("Saída"), e, [&](TFrmCadWalkIn *f) {
        // Guests of an existing stay are added by the stay list's corrections;
        // vehicles here: a model and a plate, any plate (a foreign car too).
        f->btnVeiculosClick();
        f->btnIncluirVeiculoClick();
        const struct {
            const char *modelo, *placa, *mensagem;
        } casos[] = {
            {"", "ABC1234", "Informe o Modelo e a Placa do Veículo!"},
            {"GOL", "   ", "Informe o Modelo e a Placa do Veículo!"},
            {"FUSCA D'ÁVILA", "abc-1234", nullptr},
            {"PEUGEOT", "ab 123 c", nullptr},
        };
        for (const auto &c : casos) {
            f->edtModelo->setText(QString::fromUtf8(c.modelo));
            f->edtPlaca->setText(QString::fromUtf8(c.placa));
            if (c.mensagem)
                msg->esperar(QString::fromUtf8(c.mensagem));
            f->btnConfirmarVeiculoClick();
            EXPECT_EQ(msg->pendentes(), 0);
        }
        EXPECT_EQ(linhas(f->dbgVeiculos),
                  (QStringList{QStringLiteral("FUSCA D'ÁVILA|ABC-1234"), QStringLiteral("PEUGEOT|AB 123 C")}));
        // Observation kept as typed, quotes included.
        f->edtObs->setText(QStringLiteral("CHEGA ÀS 22H, D'ÁVILA"));
        msg->esperar(QStringLiteral("Observação Atualizada!"));
        f->btnSalvarObsClick();
    });
    EXPECT_EQ(banco().valor(QStringLiteral("SELECT OBS FROM WALK_IN WHERE ID_WALK_IN = ?"), {e}).toString(),
              QStringLiteral("CHEGA ÀS 22H, D'ÁVILA"));
    EXPECT_TRUE(logs().contains(QStringLiteral("ADMIN|Incluiu Veículo -> Código %1 (FUSCA D'ÁVILA - ABC-1234)").arg(e)));
    // The picker offers the customer's earlier vehicles and fills the form.
    comFormulario(QStringLiteral("Saída"), e, [&](TFrmCadWalkIn *f) {
        f->btnVeiculosClick();
        f->btnIncluirVeiculoClick();
        Telas::interceptar<TFrmBuscarVeiculo>([](TFrmBuscarVeiculo *b) {
            EXPECT_EQ(b->grdVeiculos->rowCount(), 2);
            b->escolher();
            return int(QDialog::Accepted);
        });
        f->btnBuscarClick();
        EXPECT_EQ(f->edtModelo->text(), QStringLiteral("FUSCA D'ÁVILA"));
        EXPECT_EQ(f->edtPlaca->text(), QStringLiteral("ABC-1234"));
    });
}

TEST_F(FormularioEstadiaTeste, CancelarMantemOPDeDespesasESaidaEEsvaziaOsOutros)
{
    const qint64 e = estadia(ana, uh101, QStringLiteral("N"));
    const struct {
        const char *op;
        const char *depois;
    } casos[] = {{"Despesas", "Despesas"}, {"Saída", "Saída"}, {"V", ""}, {"Itens", ""}};
    for (const auto &c : casos) {
        QString depois = QStringLiteral("?");
        ListaEstadias::abrir({QString::fromUtf8(c.op), QStringLiteral("SIM"), e, 0, false}, [&](TFrmWalkIn &l) {
            Telas::interceptar<TFrmCadWalkIn>([](TFrmCadWalkIn *f) {
                f->show();
                f->btnCancelarClick();
                return int(QDialog::Rejected);
            });
            ListaEstadias::abrirFormulario(l);
            depois = l.OP;
        });
        EXPECT_EQ(depois, QString::fromUtf8(c.depois)) << c.op;
    }
}

TEST_F(FormularioEstadiaTeste, AdiantamentoNaSaidaVaiAoCaixaEOfereceRecibo)
{
    const qint64 e = estadia(ana, uh101, QStringLiteral("N"));
    banco().executar(QStringLiteral("INSERT INTO CAIXA (DATA_ABERT, ATUAL) VALUES (?, 0)"), {kHoje});
    QStringList recibo;
    Telas::interceptar<TFrmRelRecibo>([&](TFrmRelRecibo *r) {
        recibo = {r->edtRecebemos->text(), r->edtImportancia->text(), r->edtReferente->text()};
        return int(QDialog::Rejected);
    });
    comFormulario(QStringLiteral("Saída"), e, [&](TFrmCadWalkIn *f) {
        ASSERT_TRUE(f->btnAdiantamento->isEnabled());
        f->btnAdiantamentoClick();
        ASSERT_TRUE(f->pnlAdiantamento->isVisible());
        EXPECT_EQ(f->lblTotal2->text(), QStringLiteral("Total -> R$ 0,00"));
        f->edtDinheiro2->setText(QStringLiteral("100,00"));
        f->edtVisa2->setText(QStringLiteral("50,00"));
        EXPECT_EQ(f->lblTotal2->text(), QStringLiteral("Total -> R$ 150,00"));
        msg->esperar(QStringLiteral("Operação Concluída com Sucesso! Valores Adicionados ao CAIXA!"));
        msg->esperar(QStringLiteral("Deseja imprimir o Recibo?"), Mensagem::Sim);
        f->btnConfirmarAdiantamentoClick();
        EXPECT_EQ(msg->pendentes(), 0);
        EXPECT_FALSE(f->pnlAdiantamento->isVisible());
        EXPECT_EQ(f->lblValorAdiantado->text(), QStringLiteral("150,00"));
        EXPECT_EQ(recibo, (QStringList{QStringLiteral("ANA D'ÁVILA"), QStringLiteral("150,00"),
                                       QStringLiteral("Pagamento Adiantado Entrada Nº %1 - UH 101").arg(e)}));
        // A deposit: withdrawn at once, not in the receipt's question.
        f->btnAdiantamentoClick();
        EXPECT_EQ(f->edtVisa2->text(), QStringLiteral("0,00"));
        f->edtDeposito->setText(QStringLiteral("200,00"));
        msg->esperar(QStringLiteral("Retirada Automática de Deposito Realizada com Sucesso!"));
        msg->esperar(QStringLiteral("Operação Concluída com Sucesso! Valores Adicionados ao CAIXA!"));
        msg->esperar(QStringLiteral("Deseja imprimir o Recibo?"), Mensagem::Nao);
        f->btnConfirmarAdiantamentoClick();
        EXPECT_EQ(msg->pendentes(), 0);
        EXPECT_EQ(f->lblValorAdiantado->text(), QStringLiteral("350,00"));
        // Letters in an amount: refused, nothing booked.
        f->btnAdiantamentoClick();
        f->edtDinheiro2->setText(QStringLiteral("cem"));
        msg->esperar(QStringLiteral("Valor Inválido! Informe os valores no formato 0,00."));
        f->btnConfirmarAdiantamentoClick();
        EXPECT_TRUE(f->pnlAdiantamento->isVisible());
    });
    EXPECT_EQ(banco().ler(QStringLiteral("SELECT ATUAL FROM CAIXA")).dinheiro(QStringLiteral("ATUAL")),
              Dinheiro::deCentavos(10000));
    EXPECT_EQ(contar(QStringLiteral("SELECT COUNT(*) FROM RET_CAIXA")), 1);
    EXPECT_EQ(banco().ler(QStringLiteral("SELECT ADIANTADO FROM WALK_IN")).dinheiro(QStringLiteral("ADIANTADO")),
              Dinheiro::deCentavos(35000));
    EXPECT_EQ(contar(QStringLiteral("SELECT COUNT(*) FROM LOG WHERE OPERACAO = 'Registrou Pagamento Antecipado'")), 2);
}

TEST_F(FormularioEstadiaTeste, ConsumoPagoNaHoraPrecisaSomarOValorDaLinha)
{
    const qint64 e = estadia(ana, uh101, QStringLiteral("N"));
    banco().executar(QStringLiteral("INSERT INTO CAIXA (DATA_ABERT, ATUAL) VALUES (?, 0)"), {kHoje});
    const qint64 bar =
        banco().valor(QStringLiteral("INSERT INTO PDV (DESCRICAO, TAXA) VALUES ('BAR', 10) RETURNING ID_PDV")).toLongLong();
    const qint64 cerveja = banco()
                               .valor(QStringLiteral("INSERT INTO PRODUTOS_SERVICOS (DESCRICAO, VALOR, ID_PDV, ESTOQUE) "
                                                     "VALUES ('CERVEJA', 10, ?, 10) RETURNING ID_P_S"),
                                      {bar})
                               .toLongLong();
    comFormulario(QStringLiteral("Saída"), e, [&](TFrmCadWalkIn *f) {
        const QString antes = f->lblValor->text();
        f->btnIncluirDespesaClick();
        // Nothing chosen, then no quantity: the entry's own messages.
        msg->esperar(QStringLiteral("Informe o Produto ou Serviço Consumido!"));
        f->btnConfirmarDespesaClick();
        f->cbProduto->setCurrentIndex(f->cbProduto->findData(cerveja));
        f->edtQtd->setText(QStringLiteral("0"));
        msg->esperar(QStringLiteral("Informe a Quantidade Consumida!"));
        f->btnConfirmarDespesaClick();
        EXPECT_EQ(msg->pendentes(), 0);
        f->edtQtd->setText(QStringLiteral("3"));
        f->chkPago->setChecked(true);
        f->btnConfirmarDespesaClick();
        ASSERT_TRUE(f->pnlPagamento->isVisible());
        EXPECT_FALSE(f->pnlItens->isVisibleTo(f)); // the consumption grid takes the form
        EXPECT_EQ(f->lblRestante->text(), QStringLiteral("R$ 33,00"));
        EXPECT_EQ(f->edtDinheiro->text(), QStringLiteral("33,00"));
        EXPECT_EQ(f->lblTotal->text(), QStringLiteral("Total -> R$ 33,00"));
        f->edtDinheiro->setText(QStringLiteral("20,00"));
        f->edtHiper->setText(QStringLiteral("12,99"));
        EXPECT_EQ(f->lblTotal->text(), QStringLiteral("Total -> R$ 32,99"));
        msg->esperar(QStringLiteral("Valor Informado Diferente do Valor Consumido!"));
        f->btnConfirmarPagamentoClick();
        EXPECT_TRUE(f->pnlPagamento->isVisible());
        EXPECT_EQ(f->dbgDespesas->rowCount(), 0);
        f->edtHiper->setText(QStringLiteral("13,00"));
        f->btnConfirmarPagamentoClick();
        EXPECT_EQ(msg->pendentes(), 0);
        EXPECT_FALSE(f->pnlPagamento->isVisible());
        EXPECT_FALSE(f->pnlNovaDespesa->isVisible());
        EXPECT_TRUE(f->pnlItens->isVisibleTo(f));
        ASSERT_EQ(f->dbgDespesas->rowCount(), 1);
        EXPECT_EQ(f->dbgDespesas->item(0, 5)->text(), QStringLiteral("33,00"));
        EXPECT_EQ(f->lblValorAdiantado->text(), QStringLiteral("33,00"));
        EXPECT_EQ(Dinheiro::deTexto(f->lblValor->text()).value() - Dinheiro::deTexto(antes).value(),
                  Dinheiro::deCentavos(3300));
    });
    const Linha w = banco().ler(QStringLiteral("SELECT DINHEIRO, HIPER, ADIANTADO FROM WALK_IN"));
    EXPECT_EQ(w.dinheiro(QStringLiteral("DINHEIRO")), Dinheiro::deCentavos(2000));
    EXPECT_EQ(w.dinheiro(QStringLiteral("HIPER")), Dinheiro::deCentavos(1300));
    EXPECT_EQ(w.dinheiro(QStringLiteral("ADIANTADO")), Dinheiro::deCentavos(3300));
    EXPECT_EQ(banco().valor(QStringLiteral("SELECT PAGO FROM DESPESA_UH")).toString(), QStringLiteral("S"));
}

TEST_F(FormularioEstadiaTeste, ApenasEspecieDeixaSoDinheiroNosDoisPaineis)
{
    const qint64 e = estadia(ana, uh101, QStringLiteral("N"));
    parametro(QStringLiteral("APENAS_ESPECIE"), QStringLiteral("S"));
    comFormulario(QStringLiteral("Saída"), e, [&](TFrmCadWalkIn *f) {
        f->btnAdiantamentoClick();
        EXPECT_TRUE(f->edtDinheiro2->isVisibleTo(f->pnlAdiantamento));
        for (QWidget *w : std::initializer_list<QWidget *>{f->edtVisa2, f->edtDebVisa2, f->edtMaster2, f->edtDebMaster2,
                                                           f->edtHiper2, f->edtCheque2, f->edtDeposito})
            EXPECT_FALSE(w->isVisibleTo(f->pnlAdiantamento));
        EXPECT_TRUE(f->edtDinheiro->isVisibleTo(f->pnlPagamento));
        for (QWidget *w : std::initializer_list<QWidget *>{f->edtVisa, f->edtDebVisa, f->edtMaster, f->edtDebMaster,
                                                           f->edtHiper, f->edtCheque})
            EXPECT_FALSE(w->isVisibleTo(f->pnlPagamento));
    });
}

TEST_F(FormularioEstadiaTeste, ItensDaUHPeloPainelVoltamAoPadrao)
{
    ConexaoBanco &b = banco();
    const qint64 toalha = b.valor(QStringLiteral("INSERT INTO ITEM (DESCRICAO) VALUES ('TOALHA') RETURNING ID_ITEM")).toLongLong();
    b.executar(QStringLiteral("INSERT INTO PADRAO_ITEM (ID_TIPO_UH, ID_ITEM, QTD) VALUES (?, ?, 2)"), {tipo, toalha});
    // A new stay: the extra towel and its removal stay in memory.
    comFormulario(QStringLiteral("I"), 0, [&](TFrmCadWalkIn *f) {
        escolher(f->cbUH, uh101);
        f->btnIncluirItemClick();
        f->cbItem->setCurrentIndex(f->cbItem->findData(toalha));
        f->edtQtdItem->setText(QStringLiteral("0"));
        msg->esperar(QStringLiteral("Informe a Quantidade!"));
        f->btnConfirmarItemClick();
        f->edtQtdItem->setText(QStringLiteral("1"));
        f->btnConfirmarItemClick();
        EXPECT_EQ(linhas(f->dbgItens), QStringList{QString::number(toalha) + QStringLiteral("|TOALHA|3")});
        f->btnRemoverItemClick();
        EXPECT_EQ(linhas(f->dbgItens), QStringList{QString::number(toalha) + QStringLiteral("|TOALHA|2")});
        EXPECT_EQ(contar(QStringLiteral("SELECT COUNT(*) FROM ITEM_ENTRADA")), 0);
    });
    // An existing stay in "Itens": written and logged at once.
    const qint64 e = estadia(ana, uh101, QStringLiteral("N"));
    b.executar(QStringLiteral("INSERT INTO ITEM_ENTRADA (ID_ENTRADA, ID_ITEM, QTD) VALUES (?, ?, 2)"), {e, toalha});
    comFormulario(QStringLiteral("Itens"), e, [&](TFrmCadWalkIn *f) {
        EXPECT_FALSE(f->btnIncluirDespesa->isEnabled());
        f->btnIncluirItemClick();
        f->cbItem->setCurrentIndex(f->cbItem->findData(toalha));
        f->edtQtdItem->setText(QStringLiteral("2"));
        f->btnConfirmarItemClick();
        EXPECT_EQ(linhas(f->dbgItens), QStringList{QString::number(toalha) + QStringLiteral("|TOALHA|4")});
        f->btnRemoverItemClick();
        EXPECT_EQ(linhas(f->dbgItens), QStringList{QString::number(toalha) + QStringLiteral("|TOALHA|2")});
    });
    EXPECT_TRUE(logs().contains(QStringLiteral("ADMIN|Incluiu Item de Estoque -> Código %1 (TOALHA - 101)").arg(e)));
    EXPECT_TRUE(logs().contains(QStringLiteral("ADMIN|Excluiu Item de Estoque -> Código %1 (TOALHA - 101)").arg(e)));
}

TEST_F(FormularioEstadiaTeste, AlterarRegravaAEstadiaEAvisa)
{
    const qint64 e = estadia(ana, uh101, QStringLiteral("N"));
    banco().executar(QStringLiteral("UPDATE UH SET SITUACAO = 'O'"));
    // A clerk held to the limits: the stay's 135,50 is within the room type's
    // 150,00 for two less 10 % and above its floor, and not above the table.
    Sessao::atual().direitos.MOVIMENTOS = false;
    parametro(QStringLiteral("DIARIA_MAIOR"), QStringLiteral("N"));
    bool aceito = false;
    comFormulario(QStringLiteral("A"), e, [&](TFrmCadWalkIn *f) {
        msg->esperar(QStringLiteral("Entrada de Hóspede Atualizada com Sucesso!"));
        f->btnConfirmarClick();
        aceito = f->result() == QDialog::Accepted;
    });
    EXPECT_TRUE(aceito);
    EXPECT_EQ(msg->pendentes(), 0);
    const Linha w = banco().ler(QStringLiteral("SELECT * FROM WALK_IN"));
    EXPECT_EQ(w.dinheiro(QStringLiteral("VALOR_DIARIA")), Dinheiro::deCentavos(13550));
    EXPECT_EQ(w.inteiro(QStringLiteral("QTD_ADULTOS")), 2);
    EXPECT_EQ(w.data(QStringLiteral("DATA_ENTRADA")), kHoje.addDays(-1));
    EXPECT_EQ(w.texto(QStringLiteral("OBS")), QStringLiteral("VISTA MAR"));
    EXPECT_TRUE(logs().contains(QStringLiteral("ADMIN|Alterou Entrada de Hóspede -> Código %1 (ANA D'ÁVILA - 101)").arg(e)));
}

TEST_F(FormularioEstadiaTeste, MotelCobraOInicialDoTipoEFechaSemPergunta)
{
    parametro(QStringLiteral("MODO_MOTEL"), QStringLiteral("S"));
    banco().executar(QStringLiteral("UPDATE TIPO_UH SET P1 = 40, P2 = 10, P3 = 90 WHERE ID_TIPO_UH = ?"), {tipo});
    CadWalkIn::Predefinicao p;
    p.idCliente = 1;
    p.idUH = uh101;
    p.pessoas = QStringLiteral("1");
    p.travarSelecoes = true;
    bool aceito = false;
    comFormulario(QStringLiteral("I"), 0, [&](TFrmCadWalkIn *f) {
        EXPECT_EQ(f->edtDiaria->text(), QStringLiteral("40,00"));
        EXPECT_TRUE(f->edtDiaria->isReadOnly());
        EXPECT_TRUE(f->edtNumPessoas->isReadOnly());
        EXPECT_FALSE(f->chkPernoite->isVisibleTo(f)); // 10:15 is outside the overnight window
        EXPECT_FALSE(f->lblQtdDiarias->isVisibleTo(f));
        EXPECT_FALSE(f->lblValorDividido->isVisibleTo(f));
        EXPECT_EQ(f->lblTotalDiarias->text(), QStringLiteral("0,00"));
        EXPECT_EQ(f->lblValor->text(), QStringLiteral("40,00"));
        f->btnConfirmarClick(); // a motel check-in asks nothing
        aceito = f->result() == QDialog::Accepted;
    }, p);
    EXPECT_TRUE(aceito);
    EXPECT_TRUE(msg->mostradas().isEmpty());
    EXPECT_EQ(banco().ler(QStringLiteral("SELECT VALOR_DIARIA FROM WALK_IN")).dinheiro(QStringLiteral("VALOR_DIARIA")),
              Dinheiro::deCentavos(4000));

    // A stay at the overnight rate reopens as overnight, its charge from the stored rate.
    const qint64 e = estadia(bia, uh101, QStringLiteral("N"));
    banco().executar(QStringLiteral("UPDATE WALK_IN SET VALOR_DIARIA = 90, QTD_ADULTOS = 1 WHERE ID_WALK_IN = ?"), {e});
    comFormulario(QStringLiteral("Saída"), e, [&](TFrmCadWalkIn *f) {
        EXPECT_TRUE(f->chkPernoite->isVisibleTo(f));
        EXPECT_TRUE(f->chkPernoite->isChecked());
        EXPECT_EQ(f->edtDiaria->text(), QStringLiteral("90,00"));
    });
}

TEST_F(FormularioEstadiaTeste, FrigobarDaNovaEntradaSoNaConfirmacao)
{
    const qint64 agua = banco()
                            .valor(QStringLiteral("INSERT INTO PRODUTOS_SERVICOS (ID_PDV, DESCRICAO, VALOR) VALUES (1, "
                                                  "'ÁGUA', 4.5) RETURNING ID_P_S"))
                            .toLongLong();
    banco().executar(QStringLiteral("UPDATE UH SET SITUACAO = 'O' WHERE ID_UH = ?"), {uh201});
    qint64 chave = 0;
    comFormulario(QStringLiteral("I"), 0, [&](TFrmCadWalkIn *f) {
        chave = f->chave();
        escolher(f->cbCliente, bia);
        escolher(f->cbUH, uh101);
        f->edtNumPessoas->setText(QStringLiteral("1"));
        EXPECT_FALSE(f->btnRemoverFrigobar->isVisibleTo(f)); // nothing to remove yet
        // The product's price comes in; the same product at two prices makes two lines.
        for (const char *preco : {"", "5,00"}) {
            f->btnIncluirFrigobarClick();
            f->cbProdutoFrigobar->setCurrentIndex(f->cbProdutoFrigobar->findData(agua));
            EXPECT_EQ(f->edtValorFrigobar->text(), QStringLiteral("4,50"));
            if (*preco)
                f->edtValorFrigobar->setText(QString::fromUtf8(preco));
            f->edtQtdFrigobar->setText(QStringLiteral("2"));
            f->btnConfirmarFrigobarClick();
        }
        EXPECT_EQ(linhas(f->dbgFrigobar), (QStringList{QString::number(agua) + QStringLiteral("|ÁGUA|2|4,50"),
                                                       QString::number(agua) + QStringLiteral("|ÁGUA|2|5,00")}));
        f->dbgFrigobar->setCurrentCell(1, 0);
        f->btnRemoverFrigobarClick();
        EXPECT_EQ(linhas(f->dbgFrigobar), QStringList{QString::number(agua) + QStringLiteral("|ÁGUA|2|4,50")});
        EXPECT_EQ(contar(QStringLiteral("SELECT COUNT(*) FROM PS_ENTRADA")), 0);
        msg->esperar(QStringLiteral("Entrada de Hóspede Cadastrada com Sucesso! Deseja Imprimir o Extrato de Entrada?"),
                     Mensagem::Nao);
        f->btnConfirmarClick();
    });
    const Linha ps = banco().ler(QStringLiteral("SELECT ID_ENTRADA, QTD, VALOR FROM PS_ENTRADA"));
    EXPECT_EQ(ps.inteiro(QStringLiteral("ID_ENTRADA")), chave);
    EXPECT_EQ(ps.inteiro(QStringLiteral("QTD")), 2);
    EXPECT_EQ(ps.dinheiro(QStringLiteral("VALOR")), Dinheiro::deCentavos(450));
    EXPECT_EQ(contar(QStringLiteral("SELECT COUNT(*) FROM PS_ENTRADA")), 1);
}

} // namespace


TEST_F(FormularioEstadiaTeste, TiposDeUHAbreAListaDeTipos)
{
    int abertas = 0;
    Telas::interceptar<TFrmTiposUH>([&](TFrmTiposUH *) {
        ++abertas;
        return int(QDialog::Rejected);
    });
    comFormulario(QStringLiteral("I"), 0, [&](TFrmCadWalkIn *f) {
        ASSERT_TRUE(f->btnTiposUH->isVisibleTo(f));
        ASSERT_TRUE(f->btnTiposUH->isEnabled());
        f->btnTiposUH->click();
    });
    EXPECT_EQ(abertas, 1);
}
