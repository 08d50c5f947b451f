// Inserting and reading rows through the data module against the raw
// Firebird client API on the same database. The ratio is printed at the end.
#include "base/UnitDM.h"
#include "FirebirdBruto.h"

#include <QApplication>
#include <QDir>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <ibase.h>

#include <cstdlib>
#include <cstring>
#include <iostream>
#include <map>
#include <memory>

namespace {

constexpr int kLinhas = 500;
QString g_caminho;

void criarBanco(const QString &pasta)
{
    g_caminho = pasta + QStringLiteral("/bench.fdb");
    const QString cmd = QStringLiteral("'%1/scripts/create-db' --force '%2' > /dev/null")
                            .arg(QStringLiteral(ZV_RAIZ_FONTES), g_caminho);
    if (std::system(cmd.toLocal8Bit().constData()) != 0) {
        std::cerr << "não foi possível criar o banco de teste\n";
        std::exit(1);
    }
    TDM dm;
    dm.Conexao.definirCaminho(g_caminho);
    dm.Conexao.conectar();
    dm.Conexao.executar(QStringLiteral("CREATE TABLE BENCH (ID INTEGER, NOME VARCHAR(40), VALOR NUMERIC(15,2))"));
}

void BM_DataModule(benchmark::State &state)
{
    TDM dm;
    dm.Conexao.definirCaminho(g_caminho);
    dm.Conexao.conectar();
    for (auto _ : state) {
        // The same work as the raw client below: one transaction for the
        // inserts, the read and the clean-up.
        dm.Conexao.emTransacao([&] {
            for (int i = 0; i < kLinhas; ++i)
                dm.Conexao.executar(QStringLiteral("INSERT INTO BENCH (ID, NOME, VALOR) VALUES (?, ?, ?)"),
                                    {i, QStringLiteral("NOME %1").arg(i), Dinheiro::deCentavos(i * 101).paraBanco()});
            const auto linhas = dm.Conexao.lerTodas(QStringLiteral("SELECT ID, NOME, VALOR FROM BENCH"));
            std::int64_t soma = 0;
            for (const Linha &l : linhas)
                soma += l.dinheiro(QStringLiteral("VALOR")).centavos() + l.texto(QStringLiteral("NOME")).size();
            benchmark::DoNotOptimize(soma);
            dm.Conexao.executar(QStringLiteral("DELETE FROM BENCH"));
        });
    }
    state.SetItemsProcessed(state.iterations() * kLinhas);
}

// ---- raw client API

void BM_ClienteBruto(benchmark::State &state)
{
    Status st;
    isc_db_handle db = 0;
    const QByteArray caminho = g_caminho.toLocal8Bit();
    char dpb[] = {isc_dpb_version1, isc_dpb_user_name, 6, 'S', 'Y', 'S', 'D', 'B', 'A'};
    isc_attach_database(st.v, 0, caminho.constData(), &db, sizeof dpb, dpb);
    st.verificar("attach");

    for (auto _ : state) {
        isc_tr_handle tr = 0;
        isc_start_transaction(st.v, &tr, 1, &db, 0, nullptr);
        st.verificar("start");

        isc_stmt_handle ins = 0;
        isc_dsql_allocate_statement(st.v, &db, &ins);
        isc_dsql_prepare(st.v, &tr, &ins, 0, "INSERT INTO BENCH (ID, NOME, VALOR) VALUES (?, ?, ?)", 3, nullptr);
        st.verificar("prepare insert");
        XSQLDA *in = novoDA(3);
        isc_dsql_describe_bind(st.v, &ins, 1, in);
        ISC_LONG id = 0;
        char nome[42];
        ISC_INT64 valor = 0;
        short nulo = 0;
        in->sqlvar[0].sqltype = SQL_LONG;
        in->sqlvar[0].sqldata = reinterpret_cast<char *>(&id);
        in->sqlvar[1].sqltype = SQL_TEXT;
        in->sqlvar[1].sqldata = nome;
        in->sqlvar[2].sqltype = SQL_INT64;
        in->sqlvar[2].sqlscale = -2;
        in->sqlvar[2].sqldata = reinterpret_cast<char *>(&valor);
        for (int k = 0; k < 3; ++k)
            in->sqlvar[k].sqlind = &nulo;
        for (int i = 0; i < kLinhas; ++i) {
            id = i;
            const int n = std::snprintf(nome, sizeof nome, "NOME %d", i);
            in->sqlvar[1].sqllen = short(n);
            valor = ISC_INT64(i) * 101;
            isc_dsql_execute(st.v, &tr, &ins, 1, in);
            st.verificar("insert");
        }
        isc_dsql_free_statement(st.v, &ins, DSQL_drop);
        std::free(in);

        isc_stmt_handle sel = 0;
        isc_dsql_allocate_statement(st.v, &db, &sel);
        XSQLDA *out = novoDA(3);
        isc_dsql_prepare(st.v, &tr, &sel, 0, "SELECT ID, NOME, VALOR FROM BENCH", 3, out);
        st.verificar("prepare select");
        ISC_LONG rid = 0;
        struct {
            short len;
            char txt[41 * 4];
        } rnome{};
        ISC_INT64 rvalor = 0;
        short ind[3];
        out->sqlvar[0].sqldata = reinterpret_cast<char *>(&rid);
        out->sqlvar[1].sqldata = reinterpret_cast<char *>(&rnome);
        out->sqlvar[2].sqldata = reinterpret_cast<char *>(&rvalor);
        for (int k = 0; k < 3; ++k)
            out->sqlvar[k].sqlind = &ind[k];
        isc_dsql_execute(st.v, &tr, &sel, 1, nullptr);
        st.verificar("select");
        std::int64_t soma = 0;
        while (isc_dsql_fetch(st.v, &sel, 1, out) == 0)
            soma += rvalor + rnome.len;
        benchmark::DoNotOptimize(soma);
        isc_dsql_free_statement(st.v, &sel, DSQL_drop);
        std::free(out);

        isc_dsql_execute_immediate(st.v, &db, &tr, 0, "DELETE FROM BENCH", 3, nullptr);
        st.verificar("delete");
        isc_commit_transaction(st.v, &tr);
        st.verificar("commit");
    }
    isc_detach_database(st.v, &db);
    state.SetItemsProcessed(state.iterations() * kLinhas);
}

BENCHMARK(BM_DataModule)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ClienteBruto)->Unit(benchmark::kMillisecond);

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

void registrarBenchVisorLog();

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QTemporaryDir pasta;
    criarBanco(pasta.path());
    benchmark::Initialize(&argc, argv);
    registrarBenchVisorLog();
    Relator relator;
    benchmark::RunSpecifiedBenchmarks(&relator);
    const auto razao = [&](const char *nosso, const char *bruto, const char *oque) {
        if (relator.tempos.count(nosso) && relator.tempos.count(bruto))
            std::cout << oque << relator.tempos[nosso] / relator.tempos[bruto] << "\n";
    };
    razao("BM_DataModule", "BM_ClienteBruto",
          ("razão módulo de dados / cliente bruto (inserir + ler " + std::to_string(kLinhas) + " linhas): ").c_str());
    razao("BM_VisorLogAbrir", "BM_BrutoPrimeiroLoteDia",
          "visor de log sobre 1.000.000 linhas, abrir até a primeira pintura / primeiro lote bruto do dia: ");
    razao("BM_VisorLogFiltroUsuario", "BM_BrutoPrimeiroLoteUsuario",
          "visor de log sobre 1.000.000 linhas, filtro por usuário até a primeira pintura / primeiro lote bruto: ");
    for (const char *n : {"BM_VisorLogAbrir", "BM_BrutoPrimeiroLoteDia", "BM_VisorLogFiltroUsuario",
                          "BM_BrutoPrimeiroLoteUsuario"})
        if (relator.tempos.count(n))
            std::cout << n << ": " << relator.tempos[n] << " ms\n";
    benchmark::Shutdown();
    return 0;
}
