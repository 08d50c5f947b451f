// Opening the stay list over 50,000 closed and 300 open stays, against the
// raw Firebird client running the same statement. The list fetches on
// demand, so two pairs are timed: the opening as the clerk sees it (the rows
// the grid reads to show itself) against the raw client reading as many rows,
// and the whole list read to its end against the raw client reading every
// row. Both ratios are printed at the end.
#include "base/Sessao.h"
#include "base/UnitDM.h"
#include "stays/Estadias.h"
#include "stays/UnitWalkIn.h"
#include "FirebirdBruto.h"

#include <QApplication>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <ibase.h>

#include <cstdlib>
#include <iostream>
#include <map>
#include <vector>

namespace {

constexpr int kFechadas = 50000;
constexpr int kAbertas = 300;
QString g_caminho;
QString g_sql;

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
    DM = &dm;
    dm.Conexao.definirCaminho(g_caminho);
    dm.Conexao.conectar();
    // Rows written one by one through the data module's prepared statements
    // (its ":NAME" markers leave no room for PSQL variables in EXECUTE BLOCK).
    dm.Conexao.emTransacao([&] {
        const qint64 tipo = dm.Conexao
                                .valor(QStringLiteral("INSERT INTO TIPO_UH (DESCRICAO, ABREV, P1) VALUES ('LUXO', 'LX', "
                                                      "100) RETURNING ID_TIPO_UH"))
                                .toLongLong();
        for (int i = 1; i <= 100; ++i)
            dm.Conexao.executar(QStringLiteral("INSERT INTO UH (ID_TIPO_UH, NUMERO, SITUACAO) VALUES (?, ?, 'L')"),
                                {tipo, QString::number(i)});
        for (int i = 1; i <= 2000; ++i)
            dm.Conexao.executar(
                QStringLiteral("INSERT INTO CLIENTE (NOME, TIPO_PESSOA, CNPJ_CPF) VALUES (?, 'F', '')"),
                {QStringLiteral("CLIENTE %1").arg(i)});
    });
    const qint64 uh0 = dm.Conexao.valor(QStringLiteral("SELECT MIN(ID_UH) FROM UH")).toLongLong();
    const qint64 cli0 = dm.Conexao.valor(QStringLiteral("SELECT MIN(ID_CLIENTE) FROM CLIENTE")).toLongLong();
    const QDate base(2026, 3, 10);
    dm.Conexao.emTransacao([&] {
        for (int i = 0; i < kFechadas + kAbertas; ++i)
            dm.Conexao.executar(
                QStringLiteral("INSERT INTO WALK_IN (DATA_ENTRADA, HORA_ENTRADA, DATA_SAIDA, HORA_SAIDA, ID_CLIENTE, "
                               "ID_UH, QTD_ADULTOS, VALOR_DIARIA, BAIXA, OBS) VALUES (?, '12:00', ?, '12:00', ?, ?, 2, "
                               "150, ?, ?)"),
                {base.addDays(-(i / 20)), base.addDays(-(i / 20) + 2), cli0 + i % 2000, uh0 + i % 100,
                 i >= kFechadas ? QStringLiteral("N") : QStringLiteral("S"), QStringLiteral("OBSERVAÇÃO %1").arg(i)});
    });
    DM = nullptr;
    g_sql = Estadias::consultaLista(false).sql;
}

int g_linhasAbertura = 0; // rows the grid read to open

void BM_ListaEstadias(benchmark::State &state)
{
    const bool todas = state.range(0) != 0;
    TDM dm;
    DM = &dm;
    dm.Conexao.definirCaminho(g_caminho);
    dm.Conexao.conectar();
    Sessao::atual().direitos.MOVIMENTOS = true;
    std::int64_t linhas = 0;
    for (auto _ : state) {
        TFrmWalkIn lista;
        lista.show(); // opens the list on its last row
        if (todas)
            lista.tEntrada->buscarTodas();
        linhas = lista.tEntrada->total();
        benchmark::DoNotOptimize(lista.idEntrada());
        lista.hide();
    }
    if (todas && linhas != kFechadas + kAbertas)
        std::cerr << "lista com " << linhas << " linhas\n";
    if (!todas)
        g_linhasAbertura = int(linhas);
    DM = nullptr;
    state.counters["linhas"] = double(linhas);
}

// ---- raw client API

// range(0): 0 reads every row; 1 reads as many rows as the list's opening.
void BM_ClienteBruto(benchmark::State &state)
{
    const std::int64_t limite = state.range(0) == 0 ? std::int64_t(kFechadas + kAbertas) : g_linhasAbertura;
    Status st;
    isc_db_handle db = 0;
    const QByteArray caminho = g_caminho.toLocal8Bit();
    char dpb[] = {isc_dpb_version1, isc_dpb_user_name, 6, 'S', 'Y', 'S', 'D', 'B', 'A',
                  isc_dpb_lc_ctype, 4, 'U', 'T', 'F', '8'};
    isc_attach_database(st.v, 0, caminho.constData(), &db, sizeof dpb, dpb);
    st.verificar("attach");
    const QByteArray sql = g_sql.toUtf8();
    std::int64_t linhas = 0;
    for (auto _ : state) {
        isc_tr_handle tr = 0;
        isc_start_transaction(st.v, &tr, 1, &db, 0, nullptr);
        st.verificar("start");
        isc_stmt_handle sel = 0;
        isc_dsql_allocate_statement(st.v, &db, &sel);
        auto *out = static_cast<XSQLDA *>(std::calloc(1, XSQLDA_LENGTH(40)));
        out->version = SQLDA_VERSION1;
        out->sqln = 40;
        isc_dsql_prepare(st.v, &tr, &sel, 0, sql.constData(), 3, out);
        st.verificar("prepare");
        std::vector<std::vector<char>> buffers(size_t(out->sqld));
        std::vector<short> ind(size_t(out->sqld));
        for (int i = 0; i < out->sqld; ++i) {
            XSQLVAR &v = out->sqlvar[i];
            buffers[size_t(i)].resize(size_t(v.sqllen) + 2);
            v.sqldata = buffers[size_t(i)].data();
            v.sqlind = &ind[size_t(i)];
        }
        isc_dsql_execute(st.v, &tr, &sel, 1, nullptr);
        st.verificar("execute");
        linhas = 0;
        while (linhas < limite && isc_dsql_fetch(st.v, &sel, 1, out) == 0)
            ++linhas;
        benchmark::DoNotOptimize(linhas);
        isc_dsql_free_statement(st.v, &sel, DSQL_drop);
        std::free(out);
        isc_commit_transaction(st.v, &tr);
        st.verificar("commit");
    }
    if (linhas != limite)
        std::cerr << "cliente bruto leu " << linhas << " linhas\n";
    isc_detach_database(st.v, &db);
    state.counters["linhas"] = double(linhas);
}

BENCHMARK(BM_ListaEstadias)->Arg(0)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ClienteBruto)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ListaEstadias)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ClienteBruto)->Arg(0)->Unit(benchmark::kMillisecond);

class Relator : public benchmark::ConsoleReporter {
public:
    std::map<std::string, double> tempos;
    void ReportRuns(const std::vector<Run> &runs) override
    {
        for (const auto &r : runs)
            if (r.run_type == Run::RT_Iteration)
                tempos[r.run_name.function_name + "/" + r.run_name.args] = r.GetAdjustedRealTime();
        ConsoleReporter::ReportRuns(runs);
    }
};

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QTemporaryDir pasta;
    criarBanco(pasta.path());
    benchmark::Initialize(&argc, argv);
    Relator relator;
    benchmark::RunSpecifiedBenchmarks(&relator);
    const auto razao = [&](const char *lista, const char *bruto, const char *texto) {
        if (relator.tempos.count(lista) && relator.tempos.count(bruto))
            std::cout << "razão lista de estadias / cliente bruto, " << texto << " (" << kFechadas << " fechadas + "
                      << kAbertas << " abertas): " << relator.tempos[lista] / relator.tempos[bruto] << "\n";
    };
    razao("BM_ListaEstadias/0", "BM_ClienteBruto/1", "abertura da lista");
    razao("BM_ListaEstadias/1", "BM_ClienteBruto/0", "lista lida até o fim");
    benchmark::Shutdown();
    return 0;
}
