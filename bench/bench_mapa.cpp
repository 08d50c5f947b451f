// One refresh of the room map (rooms, open stays, today's reserved days and
// the state counts, read through the data module and turned into the map's
// rows with their calculated fields) against one raw Firebird query of the
// same rows. Hotels of 50 and 500 rooms (40% occupied, 10% reserved today):
// the number of statements per refresh is the same for both. A summary line
// per size with the times, the statements and the ratio is printed at the end.
#include "base/UnitDM.h"
#include "rooms/UnitUH.h"
#include "FirebirdBruto.h"

#include <QCoreApplication>
#include <QDate>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <ibase.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <iostream>
#include <map>
#include <memory>
#include <vector>

namespace {

const QDate kHoje(2026, 12, 10);

struct BancoMapa {
    std::unique_ptr<QTemporaryDir> pasta;
    QString caminho;
};

// A database with `n` rooms: n*2/5 occupied by an open stay, n/10 reserved
// for today (and the next two days), the rest free; some closed stays and
// other days' reservations beside them.
const BancoMapa &banco(int n)
{
    static std::map<int, BancoMapa> bancos;
    auto it = bancos.find(n);
    if (it != bancos.end())
        return it->second;
    BancoMapa b;
    b.pasta = std::make_unique<QTemporaryDir>();
    b.caminho = b.pasta->path() + QStringLiteral("/mapa.fdb");
    const QString cmd = QStringLiteral("'%1/scripts/create-db' --force '%2' > /dev/null")
                            .arg(QStringLiteral(ZV_RAIZ_FONTES), b.caminho);
    if (std::system(cmd.toLocal8Bit().constData()) != 0) {
        std::cerr << "não foi possível criar o banco do mapa\n";
        std::exit(1);
    }
    TDM dm;
    dm.Conexao.definirCaminho(b.caminho);
    dm.Conexao.conectar();
    ConexaoBanco &c = dm.Conexao;
    c.emTransacao([&] {
        QList<qint64> tipos;
        for (const char *t : {"STANDARD", "LUXO", "SUITE", "FAMILIA", "MASTER"})
            tipos << c.valor(QStringLiteral("INSERT INTO TIPO_UH (DESCRICAO, ABREV) VALUES (?, 'T') RETURNING ID_TIPO_UH"),
                             {QString::fromLatin1(t)})
                         .toLongLong();
        const int ocupadas = n * 2 / 5, reservadas = n / 10;
        for (int i = 0; i < n; ++i) {
            const QString situacao = i < ocupadas ? QStringLiteral("O")
                : i < ocupadas + reservadas       ? QStringLiteral("R")
                                                  : QStringLiteral("L");
            const qint64 uh = c.valor(QStringLiteral("INSERT INTO UH (NUMERO, DESCRICAO, RAMAL, SITUACAO, ID_TIPO_UH) "
                                                     "VALUES (?, ?, ?, ?, ?) RETURNING ID_UH"),
                                      {QString::number(100 + i), QStringLiteral("QUARTO %1").arg(100 + i),
                                       QString::number(2000 + i), situacao, tipos[i % tipos.size()]})
                                  .toLongLong();
            const qint64 cliente = c.valor(QStringLiteral("INSERT INTO CLIENTE (NOME) VALUES (?) RETURNING ID_CLIENTE"),
                                           {QStringLiteral("HOSPEDE %1 DA SILVA").arg(i)})
                                       .toLongLong();
            // A closed stay in every room.
            c.executar(QStringLiteral("INSERT INTO WALK_IN (ID_CLIENTE, ID_UH, DATA_ENTRADA, HORA_ENTRADA, BAIXA) "
                                      "VALUES (?, ?, ?, '12:00:00', 'S')"),
                       {cliente, uh, kHoje.addDays(-30)});
            if (situacao == QLatin1String("O"))
                c.executar(QStringLiteral("INSERT INTO WALK_IN (ID_CLIENTE, ID_UH, DATA_ENTRADA, HORA_ENTRADA, "
                                          "VALOR_DIARIA) VALUES (?, ?, ?, '14:00:00', 180.00)"),
                           {cliente, uh, kHoje.addDays(-(i % 5))});
            const QDate inicio = situacao == QLatin1String("R") ? kHoje : kHoje.addDays(7 + i % 20);
            const qint64 r = c.valor(QStringLiteral("INSERT INTO RESERVA (DATA_ENTRADA, DATA_SAIDA, ID_CLIENTE, ID_UH, "
                                                    "QTD_PESSOAS) VALUES (?, ?, ?, ?, 2) RETURNING ID_RESERVA"),
                                     {inicio, inicio.addDays(2), cliente, uh})
                                 .toLongLong();
            for (int d = 0; d < 3; ++d)
                c.executar(QStringLiteral("INSERT INTO RESERVA_UH (ID_RESERVA, DATA_ENTRADA, ID_UH) VALUES (?, ?, ?)"),
                           {r, inicio.addDays(d), uh});
        }
    });
    return bancos.emplace(n, std::move(b)).first->second;
}

// Mean times per iteration measured here, for the summary.
struct Medida {
    double ms = 0;
    int consultas = 0;
};
std::map<std::string, Medida> &medidas()
{
    static std::map<std::string, Medida> m;
    return m;
}

void BM_MapaAtualizacao(benchmark::State &state)
{
    const int n = int(state.range(0));
    TDM dm;
    DM = &dm;
    dm.Conexao.definirCaminho(banco(n).caminho);
    dm.Conexao.conectar();
    ModeloMapaUH modelo;
    FiltroMapaUH filtro;
    filtro.setSourceModel(&modelo);
    int consultas = 0;
    std::int64_t linhas = 0;
    double total = 0;
    for (auto _ : state) {
        const auto t0 = std::chrono::steady_clock::now();
        MapaUH::Carga c = MapaUH::atualizar(kHoje, MapaUH::Ordem::Numero, std::nullopt);
        consultas = c.consultas;
        benchmark::DoNotOptimize(c.contagem);
        modelo.definir(std::move(c.quartos));
        filtro.definir(QString(), 0);
        linhas = filtro.rowCount();
        total += std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - t0).count();
    }
    state.counters["consultas"] = consultas;
    state.counters["UHs"] = double(linhas);
    medidas()["mapa/" + std::to_string(n)] = {total / double(state.iterations()), consultas};
    DM = nullptr;
}

// ---- raw client API: one query of the same rows

void BM_ConsultaBruta(benchmark::State &state)
{
    const int n = int(state.range(0));
    Status st;
    isc_db_handle db = 0;
    const QByteArray caminho = banco(n).caminho.toLocal8Bit();
    char dpb[] = {isc_dpb_version1, isc_dpb_user_name, 6, 'S', 'Y', 'S', 'D', 'B', 'A'};
    isc_attach_database(st.v, 0, caminho.constData(), &db, sizeof dpb, dpb);
    st.verificar("attach");
    const std::string sql =
        "SELECT UH.ID_UH, UH.ID_TIPO_UH, UH.DESCRICAO, UH.NUMERO, UH.RAMAL, T.DESCRICAO, UH.SITUACAO, UH.EXCLUIDO, "
        "UH.MANUTENCAO, UH.AUDITORIO, W.ID_WALK_IN, C.NOME, W.VALOR_DIARIA, W.DATA_ENTRADA, W.HORA_ENTRADA, "
        "RUH.ID_RESERVA, R.ID_CLIENTE, CR.NOME FROM UH "
        "LEFT JOIN TIPO_UH T ON T.ID_TIPO_UH = UH.ID_TIPO_UH "
        "LEFT JOIN WALK_IN W ON W.ID_UH = UH.ID_UH AND W.EXCLUIDO = 'N' AND W.BAIXA = 'N' "
        "LEFT JOIN CLIENTE C ON C.ID_CLIENTE = W.ID_CLIENTE "
        "LEFT JOIN RESERVA_UH RUH ON RUH.ID_UH = UH.ID_UH AND RUH.DATA_ENTRADA = DATE '"
        + kHoje.toString(QStringLiteral("yyyy-MM-dd")).toStdString()
        + "' LEFT JOIN RESERVA R ON R.ID_RESERVA = RUH.ID_RESERVA AND R.EXCLUIDO = 'N' AND R.CONFIRMADA = 'N' "
          "LEFT JOIN CLIENTE CR ON CR.ID_CLIENTE = R.ID_CLIENTE WHERE UH.EXCLUIDO = 'N' ORDER BY UH.ID_UH";
    std::int64_t linhas = 0;
    double total = 0;
    for (auto _ : state) {
        const auto t0 = std::chrono::steady_clock::now();
        isc_tr_handle tr = 0;
        isc_start_transaction(st.v, &tr, 1, &db, 0, nullptr);
        st.verificar("start");
        isc_stmt_handle sel = 0;
        isc_dsql_allocate_statement(st.v, &db, &sel);
        constexpr int kColunas = 18;
        auto *out = static_cast<XSQLDA *>(std::calloc(1, XSQLDA_LENGTH(kColunas)));
        out->version = SQLDA_VERSION1;
        out->sqln = kColunas;
        isc_dsql_prepare(st.v, &tr, &sel, 0, sql.c_str(), 3, out);
        st.verificar("prepare");
        std::vector<std::vector<char>> buffers(out->sqld);
        std::vector<short> ind(out->sqld);
        for (int k = 0; k < out->sqld; ++k) {
            XSQLVAR &v = out->sqlvar[k];
            buffers[k].resize(std::size_t(v.sqllen) + 2);
            v.sqldata = buffers[k].data();
            v.sqlind = &ind[k];
        }
        isc_dsql_execute(st.v, &tr, &sel, 1, nullptr);
        st.verificar("execute");
        linhas = 0;
        std::int64_t soma = 0;
        while (isc_dsql_fetch(st.v, &sel, 1, out) == 0) {
            ++linhas;
            for (int k = 0; k < out->sqld; ++k)
                soma += ind[k] ? 0 : buffers[k][0];
        }
        benchmark::DoNotOptimize(soma);
        isc_dsql_free_statement(st.v, &sel, DSQL_drop);
        std::free(out);
        isc_commit_transaction(st.v, &tr);
        st.verificar("commit");
        total += std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - t0).count();
    }
    isc_detach_database(st.v, &db);
    state.counters["consultas"] = 1;
    state.counters["UHs"] = double(linhas);
    medidas()["bruta/" + std::to_string(n)] = {total / double(state.iterations()), 1};
}

BENCHMARK(BM_MapaAtualizacao)->Arg(50)->Arg(500)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ConsultaBruta)->Arg(50)->Arg(500)->Unit(benchmark::kMillisecond);

void imprimirResumo()
{
    for (int n : {50, 500}) {
        const auto m = medidas().find("mapa/" + std::to_string(n));
        const auto b = medidas().find("bruta/" + std::to_string(n));
        if (m == medidas().end() || b == medidas().end())
            continue;
        std::printf("mapa de UHs, %d UHs: %.2f ms e %d consultas por atualização; consulta bruta única: %.2f ms; "
                    "razão mapa / bruta: %.2f\n",
                    n, m->second.ms, m->second.consultas, b->second.ms, m->second.ms / b->second.ms);
    }
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    imprimirResumo();
    benchmark::Shutdown();
    return 0;
}
