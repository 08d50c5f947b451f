// One tick of the time clock's housekeeping on a workstation, in its three
// situations: the day already done here (the usual second), the day found
// prepared by another workstation, and the day prepared here. Each line shows
// the time of one tick and, as counters, what that tick asked of the
// database: transactions started, rows read, rows written.
#include "base/Parametros.h"
#include "base/Sessao.h"
#include "base/UnitDM.h"
#include "staff/PontoAutomatico.h"

#include <QCoreApplication>

#include <QDir>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <iostream>
#include <memory>

namespace {

constexpr int kFuncionarios = 50;
const QDate kHoje(2026, 12, 10); // a Thursday

struct Base {
    QTemporaryDir pasta;
    std::unique_ptr<TDM> dm;
};

// A database with kFuncionarios employees who punch the clock in two turns.
Base &base()
{
    static Base *b = [] {
        auto *n = new Base;
        const QString caminho = n->pasta.path() + QStringLiteral("/ponto.fdb");
        const QString cmd = QStringLiteral("'%1/scripts/create-db' --force '%2' > /dev/null")
                                .arg(QStringLiteral(ZV_RAIZ_FONTES), caminho);
        if (std::system(cmd.toLocal8Bit().constData()) != 0) {
            std::cerr << "não foi possível criar o banco de teste\n";
            std::exit(1);
        }
        n->dm = std::make_unique<TDM>();
        DM = n->dm.get();
        n->dm->Conexao.definirCaminho(caminho);
        n->dm->Conexao.conectar();
        n->dm->Conexao.emTransacao([&] {
            for (int i = 0; i < kFuncionarios; ++i)
                n->dm->Conexao.executar(
                    QStringLiteral("INSERT INTO FUNCIONARIO (NOME, CPF, SOLICITA_PONTO, TURNO_1_ENT, TURNO_1_SAI, "
                                   "TURNO_2_ENT, TURNO_2_SAI) VALUES (?, '000.000.000-00', 'S', ?, ?, ?, ?)"),
                    {QStringLiteral("FUNCIONARIO %1").arg(i), QTime(8, 0), QTime(12, 0), QTime(13, 0), QTime(17, 0)});
        });
        Sessao::atual().Ponto_Vazio = true; // the tick runs the housekeeping
        return n;
    }();
    DM = b->dm.get();
    return *b;
}

struct Medida {
    qint64 transacoes = 0, lidas = 0, gravadas = 0;
};

// What this connection has done so far (each reading is one transaction of its own).
Medida medir()
{
    const Linha l = DM->Conexao.ler(QStringLiteral(
        "SELECT (SELECT MON$NEXT_TRANSACTION FROM MON$DATABASE) AS T, "
        "R.MON$RECORD_SEQ_READS + R.MON$RECORD_IDX_READS AS L, "
        "R.MON$RECORD_INSERTS + R.MON$RECORD_UPDATES + R.MON$RECORD_DELETES AS G "
        "FROM MON$ATTACHMENTS A JOIN MON$RECORD_STATS R ON R.MON$STAT_ID = A.MON$STAT_ID "
        "WHERE A.MON$ATTACHMENT_ID = CURRENT_CONNECTION"));
    return {l.inteiro(QStringLiteral("T")), l.inteiro(QStringLiteral("L")), l.inteiro(QStringLiteral("G"))};
}

// Runs one tick between two readings and puts its figures into the counters.
template <class F>
void contarUmTick(benchmark::State &state, F &&tick)
{
    const Medida a = medir();
    const Medida b = medir(); // the cost of one reading, taken out below
    tick();
    const Medida c = medir();
    state.counters["transacoes"] = double((c.transacoes - b.transacoes) - (b.transacoes - a.transacoes));
    state.counters["lidas"] = double((c.lidas - b.lidas) - (b.lidas - a.lidas));
    state.counters["gravadas"] = double((c.gravadas - b.gravadas) - (b.gravadas - a.gravadas));
}

void apagarODia() { DM->Conexao.executar(QStringLiteral("DELETE FROM PONTO")); }

void BM_PontoTick_DiaJaFeito(benchmark::State &state)
{
    base();
    apagarODia();
    PontoAutomatico::Controle c;
    c.tick(DM->Conexao, kHoje, QStringLiteral("ADMIN"));
    for (auto _ : state)
        benchmark::DoNotOptimize(c.tick(DM->Conexao, kHoje, QStringLiteral("ADMIN")).previstas);
    contarUmTick(state, [&] { c.tick(DM->Conexao, kHoje, QStringLiteral("ADMIN")); });
}

void BM_PontoTick_PreparadoPorOutraEstacao(benchmark::State &state)
{
    base();
    apagarODia();
    PontoAutomatico::preparar(DM->Conexao, kHoje, QStringLiteral("OUTRA"));
    for (auto _ : state) {
        PontoAutomatico::Controle c; // a workstation that has not seen today yet
        benchmark::DoNotOptimize(c.tick(DM->Conexao, kHoje, QStringLiteral("ADMIN")).previstas);
    }
    contarUmTick(state, [&] { PontoAutomatico::Controle().tick(DM->Conexao, kHoje, QStringLiteral("ADMIN")); });
}

void BM_PontoTick_PreparaODia(benchmark::State &state)
{
    base();
    for (auto _ : state) {
        state.PauseTiming();
        apagarODia();
        state.ResumeTiming();
        PontoAutomatico::Controle c;
        benchmark::DoNotOptimize(c.tick(DM->Conexao, kHoje, QStringLiteral("ADMIN")).previstas);
    }
    apagarODia();
    contarUmTick(state, [&] { PontoAutomatico::Controle().tick(DM->Conexao, kHoje, QStringLiteral("ADMIN")); });
}

} // namespace

BENCHMARK(BM_PontoTick_DiaJaFeito)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_PontoTick_PreparadoPorOutraEstacao)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_PontoTick_PreparaODia)->Unit(benchmark::kMicrosecond);

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    std::cout << "Um tick do ponto com " << kFuncionarios
              << " funcionários (dois turnos): tempo por tick; transacoes, lidas e gravadas por tick.\n";
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
