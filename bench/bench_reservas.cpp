// The free-room cards of the reservation list for a 30-day period, over 500
// rooms, 200 open stays and 20,000 reserved days, against the raw engine
// running the same query. The ratio is printed at the end.
#include "ClienteBruto.h"
#include "base/Relogio.h"
#include "base/UnitDM.h"
#include "rooms/Reservas.h"

#include <QCoreApplication>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include <iostream>
#include <map>

namespace {

const QDate kHoje(2026, 12, 10);
QString g_caminho;

// 500 rooms; each room has ten 4-day reservations with a day between them
// from today on (20,000 reserved days); 200 rooms have an open stay.
void criarBanco(const QString &pasta)
{
    g_caminho = pasta + QStringLiteral("/reservas.fdb");
    const QString cmd = QStringLiteral("'%1/scripts/create-db' --force '%2' > /dev/null")
                            .arg(QStringLiteral(ZV_RAIZ_FONTES), g_caminho);
    if (std::system(cmd.toLocal8Bit().constData()) != 0) {
        std::cerr << "não foi possível criar o banco\n";
        std::exit(1);
    }
    TDM dm;
    DM = &dm;
    dm.Conexao.definirCaminho(g_caminho);
    dm.Conexao.conectar();
    dm.Conexao.emTransacao([&] {
        const qint64 tipo = dm.Conexao.valor(QStringLiteral("INSERT INTO TIPO_UH (DESCRICAO, ABREV, P1) "
                                                            "VALUES ('STANDARD', 'STD', 100) RETURNING ID_TIPO_UH"))
                                .toLongLong();
        const qint64 cliente = dm.Conexao.valor(QStringLiteral("INSERT INTO CLIENTE (NOME, TIPO_PESSOA, CNPJ_CPF) "
                                                               "VALUES ('HÓSPEDE', 'F', '') RETURNING ID_CLIENTE"))
                                   .toLongLong();
        for (int n = 1; n <= 500; ++n) {
            const qint64 uh = dm.Conexao.valor(QStringLiteral("INSERT INTO UH (ID_TIPO_UH, NUMERO, SITUACAO) "
                                                              "VALUES (?, ?, ?) RETURNING ID_UH"),
                                               {tipo, QString::number(100 + n), n <= 200 ? "O" : "L"})
                                  .toLongLong();
            if (n <= 200)
                dm.Conexao.executar(QStringLiteral("INSERT INTO WALK_IN (DATA_ENTRADA, DATA_SAIDA, ID_CLIENTE, ID_UH, "
                                                   "QTD_ADULTOS) VALUES (?, ?, ?, ?, 1)"),
                                    {kHoje.addDays(-2), kHoje.addDays(3), cliente, uh});
            for (int r = 0; r < 10; ++r) {
                const QDate de = kHoje.addDays(r * 5 + n % 3);
                const qint64 id =
                    dm.Conexao.valor(QStringLiteral("INSERT INTO RESERVA (DATA_ENTRADA, DATA_SAIDA, ID_CLIENTE, ID_UH, "
                                                    "QTD_PESSOAS) VALUES (?, ?, ?, ?, 2) RETURNING ID_RESERVA"),
                                     {de, de.addDays(3), cliente, uh})
                        .toLongLong();
                for (int d = 0; d < 4; ++d)
                    dm.Conexao.executar(QStringLiteral("INSERT INTO RESERVA_UH (ID_RESERVA, DATA_ENTRADA, ID_UH) "
                                                       "VALUES (?, ?, ?)"),
                                        {id, de.addDays(d), uh});
            }
        }
    });
    DM = nullptr;
}

void BM_LivresSistema(benchmark::State &state)
{
    TDM dm;
    DM = &dm;
    dm.Conexao.definirCaminho(g_caminho);
    dm.Conexao.conectar();
    for (auto _ : state) {
        const auto livres = Reservas::quartosLivres(DM->Conexao, kHoje.addDays(20), kHoje.addDays(49), kHoje);
        benchmark::DoNotOptimize(livres.size());
    }
    DM = nullptr;
}

void BM_LivresBruto(benchmark::State &state)
{
    ClienteBruto c(g_caminho);
    const std::string sql =
        "SELECT UH.ID_UH, UH.NUMERO, T.ABREV, UH.SITUACAO FROM UH JOIN TIPO_UH T ON T.ID_TIPO_UH = UH.ID_TIPO_UH "
        "WHERE UH.EXCLUIDO = 'N' "
        "AND NOT EXISTS (SELECT 1 FROM RESERVA R WHERE R.ID_UH = UH.ID_UH AND R.EXCLUIDO = 'N' "
        "AND R.CONFIRMADA = 'N' AND R.DATA_ENTRADA <= DATE '2027-01-28' AND R.DATA_SAIDA >= DATE '2026-12-30') "
        "AND NOT EXISTS (SELECT 1 FROM WALK_IN W WHERE W.ID_UH = UH.ID_UH AND W.EXCLUIDO = 'N' AND W.BAIXA = 'N') "
        "ORDER BY CHAR_LENGTH(UH.NUMERO), UH.NUMERO";
    for (auto _ : state)
        benchmark::DoNotOptimize(c.consultar(sql));
}

class Relator : public benchmark::ConsoleReporter {
public:
    std::map<std::string, double> tempos;
    void ReportRuns(const std::vector<Run> &runs) override
    {
        for (const auto &r : runs)
            if (r.run_type == Run::RT_Iteration)
                tempos[r.run_name.function_name] = r.GetAdjustedRealTime();
        ConsoleReporter::ReportRuns(runs);
    }
};

} // namespace

BENCHMARK(BM_LivresSistema)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LivresBruto)->Unit(benchmark::kMillisecond);

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    Relogio::definir(QDateTime(kHoje, QTime(10, 0)));
    QTemporaryDir pasta;
    criarBanco(pasta.path());
    benchmark::Initialize(&argc, argv);
    Relator relator;
    benchmark::RunSpecifiedBenchmarks(&relator);
    if (relator.tempos.count("BM_LivresSistema") && relator.tempos.count("BM_LivresBruto"))
        std::cout << "razão sistema / cliente bruto (UHs livres por 30 dias, 500 UHs, 20.000 dias reservados): "
                  << relator.tempos["BM_LivresSistema"] / relator.tempos["BM_LivresBruto"] << "\n";
    benchmark::Shutdown();
    return 0;
}
