// The road of a guest, as far as it is built: the room map shows a room
// reserved for today, the customer arrives, the check-in passes its checks
// and occupies the room, the guest consumes, and the stay's charge adds up.
#include "base/Relogio.h"
#include "base/Sessao.h"
#include "rooms/EstadoUH.h"
#include "rooms/UnitUH.h"
#include "stays/CalculoEstadia.h"
#include "stays/Consumo.h"
#include "stays/Entrada.h"
#include "support/BancoTeste.h"

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
    EstadoUH::atualizarReservasDoDia(kHoje);
    MapaUH::Quarto q = noMapa(QStringLiteral("101"));
    EXPECT_EQ(q.situacao, QStringLiteral("R"));
    EXPECT_EQ(q.idReserva, reserva);
    EXPECT_EQ(MapaUH::contar().reservada, 1);

    // Check-in from the reservation: the type's rate for two persons.
    const CalculoEstadia::TaxaPessoas taxa = CalculoEstadia::taxaParaPessoas(CalculoEstadia::lerTaxas(uh), 2);
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
    const Entrada::Verificacao v = Entrada::verificar(d, regras, Relogio::agora(), [](const QString &t) {
        ADD_FAILURE() << "pergunta inesperada: " << t.toStdString();
        return false;
    });
    ASSERT_TRUE(v.ok()) << (v.recusa ? v.recusa->mensagem.toStdString() : std::string("abandonada"));
    const Entrada::Gravacao g = Entrada::incluir(d, Sessao::atual().login, kHoje);
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
    ASSERT_FALSE(Consumo::incluir(g.idEntrada, QStringLiteral("101"), l).recusa.has_value());
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

} // namespace
