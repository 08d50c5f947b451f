// 1,000 check-outs in a row through the system (one transaction each: the
// stay closed by its conditional update, the account computed again, cash
// and Visa booked into the shift and the stay, guests, vehicles, the
// consumption lines by key, the room to cleaning, the payment method, the
// log line and the customer's open bills) against a raw batch of the same
// writes through the raw Firebird client (bench/ClienteBruto.h), one
// transaction per check-out. Prints the statements per check-out, both times
// and their ratio.
#include "ClienteBruto.h"
#include "base/Relogio.h"
#include "base/Sessao.h"
#include "base/UnitDM.h"
#include "stays/Saida.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>

#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <string>
#include <vector>

namespace {

constexpr int kSaidas = 1000;
const QDate kHoje(2026, 12, 10);

struct Estadia {
    qint64 id = 0;
    qint64 uh = 0;
    std::vector<qint64> despesas;
};

// 2 x kSaidas open stays, each in its own room, with two nights of 150,00,
// two consumption lines, a guest and a vehicle; one open shift.
std::vector<Estadia> criarBanco(const QString &caminho)
{
    const QString cmd =
        QStringLiteral("'%1/scripts/create-db' --force '%2' > /dev/null").arg(QStringLiteral(ZV_RAIZ_FONTES), caminho);
    if (std::system(cmd.toLocal8Bit().constData()) != 0) {
        std::cerr << "não foi possível criar o banco\n";
        std::exit(1);
    }
    std::vector<Estadia> estadias;
    TDM dm;
    DM = &dm;
    dm.Conexao.definirCaminho(caminho);
    dm.Conexao.conectar();
    ConexaoBanco &c = dm.Conexao;
    c.emTransacao([&] {
        c.executar(QStringLiteral("INSERT INTO CAIXA (DATA_ABERT, HORA_ABERT, USUARIO, ATUAL, VALOR_ABERT) "
                                  "VALUES (?, '07:00', 'ADMIN', 0, 0)"),
                   {kHoje});
        const qint64 tipo = c.valor(QStringLiteral("INSERT INTO TIPO_UH (DESCRICAO, ABREV, P1, P2) "
                                                   "VALUES ('LUXO', 'LX', 100, 150) RETURNING ID_TIPO_UH"))
                                .toLongLong();
        const qint64 cliente = c.valor(QStringLiteral("INSERT INTO CLIENTE (NOME) VALUES ('ANA D''ÁVILA') "
                                                      "RETURNING ID_CLIENTE"))
                                   .toLongLong();
        for (int i = 0; i < 2 * kSaidas; ++i) {
            Estadia e;
            e.uh = c.valor(QStringLiteral("INSERT INTO UH (ID_TIPO_UH, NUMERO, SITUACAO) VALUES (?, ?, 'O') "
                                          "RETURNING ID_UH"),
                           {tipo, QString::number(1000 + i)})
                       .toLongLong();
            e.id = c.valor(QStringLiteral("INSERT INTO WALK_IN (DATA_ENTRADA, HORA_ENTRADA, ID_CLIENTE, ID_UH, "
                                          "QTD_ADULTOS, VALOR_DIARIA) VALUES (?, '14:00', ?, ?, 2, 150) "
                                          "RETURNING ID_WALK_IN"),
                           {kHoje.addDays(-2), cliente, e.uh})
                       .toLongLong();
            for (int n = 0; n < 2; ++n)
                c.executar(QStringLiteral("INSERT INTO OCUPACAO (ID_ENTRADA, DATA, VALOR, QTD) VALUES (?, ?, 150, 2)"),
                           {e.id, kHoje.addDays(n - 2)});
            for (int n = 0; n < 2; ++n)
                e.despesas.push_back(c.valor(QStringLiteral("INSERT INTO DESPESA_UH (ID_ENTRADA, ID_P_S, QTD, "
                                                            "VALOR_UNIT, TAXA, DATA) VALUES (?, 0, 3, 10, 10, ?) "
                                                            "RETURNING ID_DESPESA_UH"),
                                             {e.id, kHoje})
                                         .toLongLong());
            c.executar(QStringLiteral("INSERT INTO HOSPEDE (ID_ENTRADA, NOME) VALUES (?, 'ANA D''ÁVILA')"), {e.id});
            c.executar(QStringLiteral("INSERT INTO VEICULO (ID_ENTRADA, MODELO, PLACA) VALUES (?, 'GOL', 'ABC1234')"),
                       {e.id});
            estadias.push_back(e);
        }
    });
    dm.Conexao.desconectar();
    DM = nullptr;
    return estadias;
}

Saida::Fechamento fechamento(const Estadia &e)
{
    // 300,00 of nights + 66,00 of consumption: 266,00 in cash, 100,00 by Visa.
    Saida::Fechamento f;
    f.idEntrada = e.id;
    f.restante = Dinheiro::deReais(366);
    f.pagamento.valores[MeioCaixa::Dinheiro] = Dinheiro::deReais(266);
    f.pagamento.valores[MeioCaixa::CreditoVisa] = Dinheiro::deReais(100);
    f.saida = QDateTime(kHoje, QTime(11, 0));
    f.cliente = QStringLiteral("ANA D'ÁVILA");
    f.uh = QString::number(e.uh);
    f.usuario = QStringLiteral("ADMIN");
    return f;
}

// The writes of one check-out as literal statements.
std::vector<std::string> escritas(const Estadia &e)
{
    const std::string id = std::to_string(e.id);
    std::string chaves;
    for (qint64 k : e.despesas)
        chaves += (chaves.empty() ? "" : ", ") + std::to_string(k);
    const std::string unico = " WHERE DATA_FECHA IS NULL AND (SELECT COUNT(*) FROM CAIXA C2 WHERE C2.DATA_FECHA IS NULL) = 1";
    return {
        "UPDATE WALK_IN SET BAIXA = 'S', DATA_SAIDA = DATE '2026-12-10', HORA_SAIDA = TIME '11:00:00', OBS = '', "
        "USUARIO = 'ADMIN', DESCONTO = 0, ACRESCIMO = 0 WHERE ID_WALK_IN = " + id + " AND BAIXA = 'N' AND EXCLUIDO = 'N'",
        "UPDATE CAIXA SET ATUAL = ATUAL + 266.00" + unico,
        "UPDATE WALK_IN SET DINHEIRO = DINHEIRO + 266.00 WHERE ID_WALK_IN = " + id,
        "UPDATE CAIXA SET ATUAL_CARTAO = ATUAL_CARTAO + 100.00" + unico,
        "UPDATE WALK_IN SET VISA = VISA + 100.00 WHERE ID_WALK_IN = " + id,
        "UPDATE HOSPEDE SET BAIXA = 'S' WHERE ID_ENTRADA = " + id + " AND BAIXA = 'N'",
        "UPDATE VEICULO SET BAIXA = 'S' WHERE ID_ENTRADA = " + id + " AND BAIXA = 'N'",
        "UPDATE DESPESA_UH SET PAGO = 'S' WHERE PAGO = 'N' AND ID_DESPESA_UH IN (" + chaves + ")",
        "UPDATE UH SET SITUACAO = 'M', MANUTENCAO = 'Limpeza' WHERE ID_UH = " + std::to_string(e.uh),
        "UPDATE WALK_IN SET FORMA_PAG = 'Diversas' WHERE ID_WALK_IN = " + id,
        "INSERT INTO LOG (USUARIO, OPERACAO, DATA, HORA) VALUES ('ADMIN', 'Registrou Sa\xC3\xAD" "da de H\xC3\xB3spede "
        "-> C\xC3\xB3" "digo " + id + " (ANA D''\xC3\x81VILA - " + std::to_string(e.uh) + ")', DATE '2026-12-10', "
        "TIME '11:00:00')",
    };
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    Relogio::definir(QDateTime(kHoje, QTime(11, 0)));
    Sessao::atual().login = QStringLiteral("ADMIN");
    QTemporaryDir pasta;
    const QString caminho = pasta.path() + QStringLiteral("/saida.fdb");
    const std::vector<Estadia> estadias = criarBanco(caminho);

    // The system: the first half of the stays.
    qint64 comandos = 0;
    qint64 msSistema = 0;
    {
        TDM dm;
        DM = &dm;
        dm.Conexao.definirCaminho(caminho);
        dm.Conexao.conectar();
        const qint64 antes = dm.Conexao.preparacoes();
        QElapsedTimer t;
        t.start();
        for (int i = 0; i < kSaidas; ++i) {
            const Saida::Resultado r = Saida::confirmar(dm.Conexao, fechamento(estadias[size_t(i)]));
            if (!r.fechada()) {
                std::cerr << "saída recusada: " << r.mensagem.toStdString() << "\n";
                return 1;
            }
            // Every statement of a check-out runs once: the first one
            // prepares each of them.
            if (i == 0)
                comandos = dm.Conexao.preparacoes() - antes;
        }
        msSistema = t.elapsed();
        // Read as text: the data module turns 100000.00 into "1e+05".
        const Linha caixa = dm.Conexao.ler(QStringLiteral("SELECT CAST(ATUAL AS VARCHAR(20)) AS ATUAL, CAST(ATUAL_CARTAO AS VARCHAR(20)) AS ATUAL_CARTAO FROM CAIXA"));
        if (caixa.dinheiro(QStringLiteral("ATUAL")) != Dinheiro::deReais(266) * kSaidas
            || caixa.dinheiro(QStringLiteral("ATUAL_CARTAO")) != Dinheiro::deReais(100) * kSaidas) {
            std::cerr << "saldos do caixa errados\n";
            return 1;
        }
        dm.Conexao.desconectar();
        DM = nullptr;
    }

    // The raw client: the same writes for the second half.
    qint64 msBruto = 0;
    size_t escritasPorSaida = 0;
    {
        ClienteBruto bruto(caminho);
        QElapsedTimer t;
        t.start();
        for (int i = kSaidas; i < 2 * kSaidas; ++i) {
            const std::vector<std::string> s = escritas(estadias[size_t(i)]);
            escritasPorSaida = s.size();
            bruto.executar(s);
        }
        msBruto = t.elapsed();
    }

    std::printf("saídas: %d\n", kSaidas);
    std::printf("comandos por saída (sistema): %lld, dos quais %zu escritas\n", static_cast<long long>(comandos),
                escritasPorSaida);
    std::printf("sistema: %lld ms (%.2f ms por saída)\n", static_cast<long long>(msSistema),
                double(msSistema) / kSaidas);
    std::printf("cliente bruto, mesmas escritas em lote: %lld ms (%.2f ms por saída)\n",
                static_cast<long long>(msBruto), double(msBruto) / kSaidas);
    std::printf("razão sistema / cliente bruto (1.000 saídas): %.2f\n",
                msBruto > 0 ? double(msSistema) / double(msBruto) : 0.0);
    return 0;
}
