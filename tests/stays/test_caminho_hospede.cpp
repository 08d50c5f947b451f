// The road of a guest, as far as it is built: the room map shows a room
// reserved for today, the customer arrives, the check-in passes its checks
// and occupies the room, the guest consumes, and the stay's charge adds up.
// The second scenario walks it through the screens: the room map's check-in,
// the customer list, the stay form's confirmation, then its consumption.
#include "base/Relogio.h"
#include "base/Sessao.h"
#include "base/Telas.h"
#include "rooms/EstadoUH.h"
#include "rooms/UnitClientes.h"
#include "rooms/UnitUH.h"
#include "stays/CalculoEstadia.h"
#include "stays/Consumo.h"
#include "stays/Entrada.h"
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

namespace {

const QDate kHoje(2026, 3, 12);

Dinheiro reais(const char *t) { return Dinheiro::deTextoOuErro(QString::fromUtf8(t)); }

class CaminhoHospede : public BancoTeste {
protected:
    void SetUp() override
    {
        BancoTeste::SetUp();
        Relogio::definir(QDateTime(kHoje, QTime(13, 0)));
        Sessao::reiniciar();
        Sessao::atual().login = QStringLiteral("RECEPCAO");
    }
    void TearDown() override
    {
        Sessao::reiniciar();
        BancoTeste::TearDown();
    }
    MapaUH::Quarto noMapa(const QString &numero)
    {
        for (const MapaUH::Quarto &q : MapaUH::carregar(kHoje, MapaUH::Ordem::Numero, std::nullopt).quartos)
            if (q.numero == numero)
                return q;
        ADD_FAILURE() << "UH fora do mapa: " << numero.toStdString();
        return {};
    }
};

TEST_F(CaminhoHospede, ReservaDoMapaAteOConsumo)
{
    ConexaoBanco &b = banco();
    const qint64 tipo = b.valor(QStringLiteral("INSERT INTO TIPO_UH (DESCRICAO, ABREV, P1, P2, P1MIN, P2MIN) "
                                               "VALUES ('LUXO', 'LX', 100, 150, 80, 120) RETURNING ID_TIPO_UH"))
                            .toLongLong();
    const qint64 uh = b.valor(QStringLiteral("INSERT INTO UH (ID_TIPO_UH, NUMERO) VALUES (?, '101') RETURNING ID_UH"),
                              {tipo})
                          .toLongLong();
    b.valor(QStringLiteral("INSERT INTO UH (ID_TIPO_UH, NUMERO) VALUES (?, '102') RETURNING ID_UH"), {tipo});

    // The customer, with a reservation of room 101 from today.
    const qint64 cliente = b.valor(QStringLiteral("INSERT INTO CLIENTE (NOME, TIPO_PESSOA, CNPJ_CPF) "
                                                  "VALUES ('JOÃO D''ÁVILA', 'F', '') RETURNING ID_CLIENTE"))
                               .toLongLong();
    const qint64 reserva =
        b.valor(QStringLiteral("INSERT INTO RESERVA (DATA_ENTRADA, DATA_SAIDA, ID_CLIENTE, ID_UH, QTD_PESSOAS) "
                               "VALUES (?, ?, ?, ?, 2) RETURNING ID_RESERVA"),
                {kHoje, kHoje.addDays(2), cliente, uh})
            .toLongLong();
    for (int i = 0; i <= 2; ++i)
        b.executar(QStringLiteral("INSERT INTO RESERVA_UH (ID_RESERVA, DATA_ENTRADA, ID_UH) VALUES (?, ?, ?)"),
                   {reserva, kHoje.addDays(i), uh});

    // The map's daily refresh marks the room reserved for today.
    EstadoUH::atualizarReservasDoDia(DM->Conexao, kHoje);
    MapaUH::Quarto q = noMapa(QStringLiteral("101"));
    EXPECT_EQ(q.situacao, QStringLiteral("R"));
    EXPECT_EQ(q.idReserva, reserva);
    EXPECT_EQ(MapaUH::contar().reservada, 1);

    // Check-in from the reservation: the type's rate for two persons.
    const CalculoEstadia::TaxaPessoas taxa = CalculoEstadia::taxaParaPessoas(CalculoEstadia::lerTaxas(DM->Conexao, uh), 2);
    Entrada::Dados d;
    d.reserva = reserva;
    d.cliente = cliente;
    d.nomeCliente = QStringLiteral("JOÃO D'ÁVILA");
    d.uh = uh;
    d.numeroUH = QStringLiteral("101");
    d.pessoas = QStringLiteral("2");
    d.dataEntrada = kHoje;
    d.horaEntrada = QTime(13, 0);
    d.dataSaida = kHoje.addDays(2);
    d.horaSaida = QTime(12, 0);
    d.diaria = taxa.diaria.formatado();
    d.valorDiariaPadrao = taxa.diaria;
    d.valorMin = taxa.minimo;
    Entrada::Regras regras;
    regras.limiteDesconto = reais("10,00");
    const Entrada::Verificacao v = Entrada::verificar(DM->Conexao, d, regras, Relogio::agora(), [](const QString &t) {
        ADD_FAILURE() << "pergunta inesperada: " << t.toStdString();
        return false;
    });
    ASSERT_TRUE(v.ok()) << (v.recusa ? v.recusa->mensagem.toStdString() : std::string("abandonada"));
    const Entrada::Gravacao g = Entrada::incluir(DM->Conexao, d, Sessao::atual().login, kHoje);
    ASSERT_FALSE(g.recusa.has_value());

    q = noMapa(QStringLiteral("101"));
    EXPECT_EQ(q.situacao, QStringLiteral("O"));
    EXPECT_EQ(q.entrada, g.idEntrada);
    EXPECT_EQ(q.diaria, reais("150,00"));
    const MapaUH::Contagem c = MapaUH::contar();
    EXPECT_EQ(c.ocupada, 1);
    EXPECT_EQ(c.reservada, 0);
    EXPECT_EQ(c.livre, 1);
    EXPECT_EQ(b.valor(QStringLiteral("SELECT NOME FROM HOSPEDE WHERE ID_ENTRADA = ?"), {g.idEntrada}).toString(),
              QStringLiteral("JOÃO D'ÁVILA"));

    // Consumption at the bar.
    const qint64 bar =
        b.valor(QStringLiteral("INSERT INTO PDV (DESCRICAO, TAXA) VALUES ('BAR', 10) RETURNING ID_PDV")).toLongLong();
    const qint64 cerveja = b.valor(QStringLiteral("INSERT INTO PRODUTOS_SERVICOS (DESCRICAO, VALOR, ID_PDV, ESTOQUE) "
                                                  "VALUES ('CERVEJA', 10, ?, 24) RETURNING ID_P_S"),
                                   {bar})
                               .toLongLong();
    Consumo::LinhaNova l;
    l.produto = cerveja;
    l.descricao = QStringLiteral("CERVEJA");
    l.qtd = QStringLiteral("3");
    l.valorUnit = QStringLiteral("10,00");
    l.data = kHoje;
    ASSERT_FALSE(Consumo::incluir(DM->Conexao, g.idEntrada, QStringLiteral("101"), l).recusa.has_value());
    EXPECT_EQ(b.valor(QStringLiteral("SELECT ESTOQUE FROM PRODUTOS_SERVICOS WHERE ID_P_S = ?"), {cerveja}).toInt(), 21);

    // What the stay costs so far: the first night posted plus the consumption.
    CalculoEstadia::Estadia e;
    e.nova = false;
    e.idEntrada = g.idEntrada;
    e.chegada = QDateTime(kHoje, QTime(13, 0));
    e.saida = Relogio::agora();
    e.diaria = taxa.diaria;
    e.pessoas = 2;
    const CalculoEstadia::Resultado val = CalculoEstadia::calcular(b, e);
    EXPECT_EQ(val.noites, 1);
    EXPECT_EQ(val.totalDiarias, reais("150,00"));
    EXPECT_EQ(val.consumo, reais("33,00"));
    EXPECT_EQ(val.total, reais("183,00"));
    EXPECT_EQ(val.porPessoa, reais("91,50"));
}

class CaminhoPelasTelas : public TelasTeste {
protected:
    void SetUp() override
    {
        TelasTeste::SetUp();
        Relogio::definir(QDateTime(kHoje, QTime(13, 0)));
        // The map's screens as the stays subsystem wires them.
        MapaUH::Ganchos &g = MapaUH::ganchos();
        g.entradaHospede = [](const MapaUH::EntradaExpressa &e) {
            ListaEstadias::abrir({QStringLiteral("I"), QString(), 0, 0, false}, [&e](TFrmWalkIn &lista) {
                CadWalkIn::Predefinicao p;
                p.idUH = e.idUH;
                p.idCliente = e.idCliente;
                p.idReserva = e.idReserva;
                p.travarSelecoes = true;
                Telas::abrir<TFrmCadWalkIn>(FrmCadWalkIn, &lista, p);
            });
        };
        g.escolherCliente = [] { escolherClienteEntrada(); };
        g.estadia = [](const MapaUH::AcaoEstadia &a) {
            ListaEstadias::abrir({a.op, QStringLiteral("SIM"), a.idEntrada, 0, a.mostrarLista},
                                 [](TFrmWalkIn &lista) { ListaEstadias::abrirFormulario(lista); });
        };
    }
    void TearDown() override
    {
        MapaUH::ganchos() = {};
        Telas::liberarTodas();
        Relogio::liberar();
        TelasTeste::TearDown();
    }
};

TEST_F(CaminhoPelasTelas, MapaClienteEntradaPeloFormularioEConsumo)
{
    ConexaoBanco &b = banco();
    const qint64 tipo = b.valor(QStringLiteral("INSERT INTO TIPO_UH (DESCRICAO, ABREV, P1, P2, P1MIN, P2MIN) "
                                               "VALUES ('LUXO', 'LX', 100, 150, 80, 120) RETURNING ID_TIPO_UH"))
                            .toLongLong();
    const qint64 uh = b.valor(QStringLiteral("INSERT INTO UH (ID_TIPO_UH, NUMERO) VALUES (?, '101') RETURNING ID_UH"),
                              {tipo})
                          .toLongLong();
    const qint64 cliente = b.valor(QStringLiteral("INSERT INTO CLIENTE (NOME, TIPO_PESSOA, CNPJ_CPF) "
                                                  "VALUES ('JOÃO D''ÁVILA', 'F', '') RETURNING ID_CLIENTE"))
                               .toLongLong();
    const qint64 bar =
        b.valor(QStringLiteral("INSERT INTO PDV (DESCRICAO, TAXA) VALUES ('BAR', 10) RETURNING ID_PDV")).toLongLong();
    const qint64 cerveja = b.valor(QStringLiteral("INSERT INTO PRODUTOS_SERVICOS (DESCRICAO, VALOR, ID_PDV, ESTOQUE, "
                                                  "CODIGO_BARRAS) VALUES ('CERVEJA', 10, ?, 24, '789100') "
                                                  "RETURNING ID_P_S"),
                                   {bar})
                               .toLongLong();

    // The customer list, opened by the map's check-in, picks the guest.
    Telas::interceptar<TFrmClientes>([&](TFrmClientes *f) {
        f->show();
        f->lista->irParaLinha(f->lista->modelo()->localizar(QStringLiteral("ID_CLIENTE"), QString::number(cliente)));
        f->dbgClientesDblClick();
        return f->result();
    });
    qint64 chave = 0;
    Telas::interceptar<TFrmCadWalkIn>([&](TFrmCadWalkIn *f) -> int {
        f->show();
        chave = f->chave();
        EXPECT_EQ(f->cbCliente->currentData().toLongLong(), cliente);
        EXPECT_EQ(f->cbUH->currentData().toLongLong(), uh);
        EXPECT_FALSE(f->cbUH->isEnabled());
        f->edtNumPessoas->setText(QStringLiteral("2"));
        EXPECT_EQ(f->edtDiaria->text(), QStringLiteral("150,00"));
        // Two nights until the day after tomorrow.
        f->edtData2->setDate(kHoje.addDays(2));
        EXPECT_EQ(f->edtDiaria->text(), QStringLiteral("150,00"));
        EXPECT_EQ(f->lblQtdDiarias->text(), QStringLiteral("2"));
        EXPECT_EQ(f->lblTotalDiarias->text(), QStringLiteral("300,00"));
        EXPECT_EQ(f->lblValor->text(), QStringLiteral("300,00"));
        EXPECT_EQ(f->lblValorDividido->text(), QStringLiteral("150,00"));
        // A beer at check-in, held on the form until the stay exists.
        f->btnIncluirDespesaClick();
        EXPECT_TRUE(f->pnlNovaDespesa->isVisible());
        f->edtCodBarras->setText(QStringLiteral("789100"));
        tecla(f->edtCodBarras, Qt::Key_Return);
        EXPECT_EQ(f->cbProduto->currentData().toLongLong(), cerveja);
        EXPECT_EQ(f->edtValorUnit->text(), QStringLiteral("10,00"));
        // "Pago?" before the stay exists has nowhere to put the money.
        f->chkPago->setChecked(true);
        msg->esperar(QStringLiteral("Consumo Pago só pode ser lançado depois de Confirmar a Entrada! "
                                    "Confirme a Entrada ou lance o consumo sem marcar \"Pago?\"."));
        f->btnConfirmarDespesaClick();
        f->chkPago->setChecked(false);
        f->btnConfirmarDespesaClick();
        EXPECT_FALSE(f->pnlNovaDespesa->isVisible());
        EXPECT_EQ(f->dbgDespesas->rowCount(), 1);
        if (f->dbgDespesas->rowCount() == 1)
            EXPECT_EQ(f->dbgDespesas->item(0, 5)->text(), QStringLiteral("11,00"));
        EXPECT_EQ(f->lblValor->text(), QStringLiteral("311,00"));
        EXPECT_EQ(contar(QStringLiteral("SELECT COUNT(*) FROM DESPESA_UH")), 0);
        msg->esperar(QStringLiteral("Entrada de Hóspede Cadastrada com Sucesso! Deseja Imprimir o Extrato de Entrada?"),
                     Mensagem::Nao);
        f->btnConfirmarClick();
        return f->result();
    });

    TFrmUH mapa;
    mapa.show();
    ASSERT_TRUE(mapa.selecionar(uh));
    mapa.RealizarEntradaClick();
    EXPECT_EQ(msg->pendentes(), 0);
    ASSERT_GT(chave, 0);
    EXPECT_EQ(b.valor(QStringLiteral("SELECT ID_WALK_IN FROM WALK_IN WHERE ID_UH = ? AND BAIXA = 'N'"), {uh}).toLongLong(),
              chave);
    EXPECT_EQ(b.valor(QStringLiteral("SELECT SITUACAO FROM UH WHERE ID_UH = ?"), {uh}).toString(), QStringLiteral("O"));
    EXPECT_EQ(b.valor(QStringLiteral("SELECT NOME FROM HOSPEDE WHERE ID_ENTRADA = ?"), {chave}).toString(),
              QStringLiteral("JOÃO D'ÁVILA"));
    EXPECT_EQ(b.valor(QStringLiteral("SELECT ESTOQUE FROM PRODUTOS_SERVICOS WHERE ID_P_S = ?"), {cerveja}).toInt(), 23);
    EXPECT_TRUE(logs().contains(QStringLiteral("ADMIN|Incluiu Despesa ou Consumo -> Código %1 (CERVEJA - 101)").arg(chave)));

    // Later the guest orders two more from the map's "Despesas": written at once.
    Telas::interceptar<TFrmCadWalkIn>([&](TFrmCadWalkIn *f) {
        f->show();
        EXPECT_EQ(f->Label1->text(), QStringLiteral("Despesas e Consumos - JOÃO D'ÁVILA (101)"));
        EXPECT_EQ(f->dbgDespesas->rowCount(), 1);
        f->btnIncluirDespesaClick();
        const int i = f->cbProduto->findData(cerveja);
        f->cbProduto->setCurrentIndex(i);
        f->edtQtd->setText(QStringLiteral("2"));
        f->edtResponsavel->setText(QStringLiteral("maria d'ávila"));
        f->btnConfirmarDespesaClick();
        EXPECT_EQ(f->dbgDespesas->rowCount(), 2);
        // Removing the first beer asks why.
        Telas::interceptar<TFrmMotivo>([](TFrmMotivo *m) {
            EXPECT_EQ(m->windowTitle(), QStringLiteral("Remover Consumo"));
            m->edtMotivo->setText(QStringLiteral("LANÇADA EM DOBRO"));
            return int(QDialog::Accepted);
        });
        f->dbgDespesas->setCurrentCell(0, 0);
        f->btnRemoverDespesaClick();
        EXPECT_EQ(f->dbgDespesas->rowCount(), 1);
        EXPECT_EQ(f->dbgDespesas->item(0, 10)->text(), QStringLiteral("MARIA D'ÁVILA"));
        return int(QDialog::Rejected);
    });
    MapaUH::ganchos().estadia({QStringLiteral("Despesas"), chave, uh, false});
    EXPECT_EQ(b.valor(QStringLiteral("SELECT ESTOQUE FROM PRODUTOS_SERVICOS WHERE ID_P_S = ?"), {cerveja}).toInt(), 22);
    EXPECT_EQ(CalculoEstadia::totalConsumo(b, chave), reais("22,00"));
    EXPECT_TRUE(logs().contains(
        QStringLiteral("ADMIN|Excluiu Despesa ou Consumo -> Código %1 (CERVEJA - 101) (LANÇADA EM DOBRO)").arg(chave)));
}

} // namespace
