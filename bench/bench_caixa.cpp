// The cash register against the raw Firebird client API on the same
// database: the main window's gate query (the open shift, on every mouse
// move over the background) among some thousand closed shifts, and one cash
// withdrawal (conditional balance update, its RET_CAIXA row and its log line
// in one transaction). The ratios are printed at the end.
#include "base/Relogio.h"
#include "base/Sessao.h"
#include "base/UnitDM.h"
#include "finance/Caixa.h"
#include "FirebirdBruto.h"

#include <QCoreApplication>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <ibase.h>

#include <cstdlib>
#include <cstring>
#include <ctime>
#include <iostream>
#include <map>

namespace {

constexpr int kTurnosFechados = 5000;
QString g_caminho;

const char *const kSqlPortao = "SELECT USUARIO FROM CAIXA WHERE DATA_ABERT IS NOT NULL AND DATA_FECHA IS NULL";

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
    dm.Conexao.emTransacao([&] {
        const QDate inicio(2012, 1, 1);
        for (int i = 0; i < kTurnosFechados; ++i) {
            const QDate d = inicio.addDays(i);
            dm.Conexao.executar(QStringLiteral("INSERT INTO CAIXA (DATA_ABERT, HORA_ABERT, TURNO, USUARIO, ATUAL, "
                                               "DATA_FECHA, HORA_FECHA, VALOR_FECHA) VALUES (?, ?, 1, 'ADMIN', ?, ?, ?, ?)"),
                                {d, QTime(8, 0), QStringLiteral("100.00"), d, QTime(18, 0), QStringLiteral("100.00")});
        }
        // The open shift holds enough cash for every withdrawal of the run.
        dm.Conexao.executar(QStringLiteral("INSERT INTO CAIXA (DATA_ABERT, HORA_ABERT, TURNO, USUARIO, ATUAL, IP) "
                                           "VALUES (?, ?, 1, 'ADMIN', 1000000000, '127.0.0.1')"),
                            {QDate(2026, 12, 10), QTime(8, 0)});
    });
}

// ---- through the system

void BM_PortaoSistema(benchmark::State &state)
{
    TDM dm;
    DM = &dm;
    dm.Conexao.definirCaminho(g_caminho);
    dm.Conexao.conectar();
    for (auto _ : state) {
        const QList<Linha> abertos = dm.Conexao.lerTodas(QString::fromLatin1(kSqlPortao));
        benchmark::DoNotOptimize(abertos.size());
        if (abertos.size() != 1)
            state.SkipWithError("não há exatamente um turno aberto");
    }
    DM = nullptr;
}

void BM_RetiradaSistema(benchmark::State &state)
{
    TDM dm;
    DM = &dm;
    dm.Conexao.definirCaminho(g_caminho);
    dm.Conexao.conectar();
    Sessao::atual().login = QStringLiteral("ADMIN");
    for (auto _ : state) {
        const Caixa::ResultadoOperacao r =
            Caixa::operar(DM->Conexao, Caixa::Operacao::Retirar, MeioCaixa::Dinheiro, QStringLiteral("0,01"), QStringLiteral("sangria"));
        if (!r.feito)
            state.SkipWithError("retirada recusada");
    }
    DM = nullptr;
}

// ---- raw client API

isc_db_handle conectarBruto(Status &st)
{
    isc_db_handle db = 0;
    const QByteArray caminho = g_caminho.toLocal8Bit();
    const char dpb[] = {isc_dpb_version1, isc_dpb_user_name, 6, 'S', 'Y', 'S', 'D', 'B', 'A',
                        isc_dpb_lc_ctype, 4, 'U', 'T', 'F', '8'};
    isc_attach_database(st.v, 0, caminho.constData(), &db, sizeof dpb, dpb);
    st.verificar("attach");
    return db;
}

void BM_PortaoBruto(benchmark::State &state)
{
    Status st;
    isc_db_handle db = conectarBruto(st);
    isc_tr_handle tr = 0;
    isc_start_transaction(st.v, &tr, 1, &db, 0, nullptr);
    XSQLDA *out = novoDA(1);
    isc_stmt_handle sel = preparar(st, db, tr, kSqlPortao, out);
    isc_commit_transaction(st.v, &tr);
    struct {
        short len;
        char txt[10 * 4];
    } usuario{};
    short ind = 0;
    out->sqlvar[0].sqldata = reinterpret_cast<char *>(&usuario);
    out->sqlvar[0].sqlind = &ind;
    for (auto _ : state) {
        tr = 0;
        isc_start_transaction(st.v, &tr, 1, &db, 0, nullptr);
        isc_dsql_execute(st.v, &tr, &sel, 1, nullptr);
        st.verificar("portão");
        int n = 0;
        while (isc_dsql_fetch(st.v, &sel, 1, out) == 0)
            ++n;
        isc_dsql_free_statement(st.v, &sel, DSQL_close);
        isc_commit_transaction(st.v, &tr);
        benchmark::DoNotOptimize(n);
        if (n != 1)
            state.SkipWithError("não há exatamente um turno aberto");
    }
    isc_dsql_free_statement(st.v, &sel, DSQL_drop);
    std::free(out);
    isc_detach_database(st.v, &db);
}

void BM_RetiradaBruto(benchmark::State &state)
{
    Status st;
    isc_db_handle db = conectarBruto(st);
    isc_tr_handle tr = 0;
    isc_start_transaction(st.v, &tr, 1, &db, 0, nullptr);
    isc_stmt_handle upd = preparar(
        st, db, tr,
        "UPDATE CAIXA SET ATUAL = ATUAL - ? WHERE DATA_FECHA IS NULL AND "
        "(SELECT COUNT(*) FROM CAIXA C2 WHERE C2.DATA_FECHA IS NULL) = 1 AND ATUAL >= ?",
        nullptr);
    isc_stmt_handle ret = preparar(
        st, db, tr, "INSERT INTO RET_CAIXA (DATA_RET, HORA_RET, VALOR, DESCRICAO, TIPO, USUARIO) VALUES (?, ?, ?, ?, ?, ?)",
        nullptr);
    isc_stmt_handle log =
        preparar(st, db, tr, "INSERT INTO LOG (USUARIO, OPERACAO, DATA, HORA) VALUES (?, ?, ?, ?)", nullptr);
    isc_commit_transaction(st.v, &tr);

    ISC_INT64 valor = 1; // one cent
    short nulo = 0;
    XSQLDA *inUpd = novoDA(2);
    for (int k = 0; k < 2; ++k) {
        inUpd->sqlvar[k].sqltype = SQL_INT64;
        inUpd->sqlvar[k].sqlscale = -2;
        inUpd->sqlvar[k].sqllen = sizeof(ISC_INT64);
        inUpd->sqlvar[k].sqldata = reinterpret_cast<char *>(&valor);
        inUpd->sqlvar[k].sqlind = &nulo;
    }
    inUpd->sqld = 2;

    struct tm agora{};
    agora.tm_year = 2026 - 1900;
    agora.tm_mon = 11;
    agora.tm_mday = 10;
    agora.tm_hour = 10;
    ISC_DATE data;
    ISC_TIME hora;
    isc_encode_sql_date(&agora, &data);
    isc_encode_sql_time(&agora, &hora);
    char descricao[] = "sangria";
    char tipo[] = "Dinheiro";
    char usuario[] = "ADMIN";
    char operacao[] = "Retirou 0,01 do Caixa em Dinheiro! (sangria)";
    auto texto = [&](XSQLVAR &v, char *t) {
        v.sqltype = SQL_TEXT;
        v.sqllen = short(std::strlen(t));
        v.sqldata = t;
        v.sqlind = &nulo;
    };
    XSQLDA *inRet = novoDA(6);
    inRet->sqld = 6;
    inRet->sqlvar[0].sqltype = SQL_TYPE_DATE;
    inRet->sqlvar[0].sqllen = sizeof data;
    inRet->sqlvar[0].sqldata = reinterpret_cast<char *>(&data);
    inRet->sqlvar[0].sqlind = &nulo;
    inRet->sqlvar[1].sqltype = SQL_TYPE_TIME;
    inRet->sqlvar[1].sqllen = sizeof hora;
    inRet->sqlvar[1].sqldata = reinterpret_cast<char *>(&hora);
    inRet->sqlvar[1].sqlind = &nulo;
    inRet->sqlvar[2] = inUpd->sqlvar[0];
    texto(inRet->sqlvar[3], descricao);
    texto(inRet->sqlvar[4], tipo);
    texto(inRet->sqlvar[5], usuario);
    XSQLDA *inLog = novoDA(4);
    inLog->sqld = 4;
    texto(inLog->sqlvar[0], usuario);
    texto(inLog->sqlvar[1], operacao);
    inLog->sqlvar[2] = inRet->sqlvar[0];
    inLog->sqlvar[3] = inRet->sqlvar[1];

    for (auto _ : state) {
        tr = 0;
        isc_start_transaction(st.v, &tr, 1, &db, 0, nullptr);
        isc_dsql_execute(st.v, &tr, &upd, 1, inUpd);
        st.verificar("update");
        if (linhasAlteradas(st, upd) != 1)
            state.SkipWithError("retirada recusada");
        isc_dsql_execute(st.v, &tr, &ret, 1, inRet);
        st.verificar("ret_caixa");
        isc_dsql_execute(st.v, &tr, &log, 1, inLog);
        st.verificar("log");
        isc_commit_transaction(st.v, &tr);
        st.verificar("commit");
    }
    for (isc_stmt_handle *h : {&upd, &ret, &log})
        isc_dsql_free_statement(st.v, h, DSQL_drop);
    std::free(inUpd);
    std::free(inRet);
    std::free(inLog);
    isc_detach_database(st.v, &db);
}

BENCHMARK(BM_PortaoSistema)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_PortaoBruto)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_RetiradaSistema)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_RetiradaBruto)->Unit(benchmark::kMicrosecond);

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

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    Relogio::definir(QDateTime(QDate(2026, 12, 10), QTime(10, 0)));
    QTemporaryDir pasta;
    criarBanco(pasta.path());
    benchmark::Initialize(&argc, argv);
    Relator relator;
    benchmark::RunSpecifiedBenchmarks(&relator);
    auto razao = [&](const char *sistema, const char *bruto, const char *oque) {
        if (relator.tempos.count(sistema) && relator.tempos.count(bruto))
            std::cout << "razão sistema / cliente bruto (" << oque
                      << "): " << relator.tempos[sistema] / relator.tempos[bruto] << "\n";
    };
    razao("BM_PortaoSistema", "BM_PortaoBruto", "consulta do turno aberto no portão do caixa");
    razao("BM_RetiradaSistema", "BM_RetiradaBruto", "retirada em dinheiro com linha e registro");
    benchmark::Shutdown();
    return 0;
}
