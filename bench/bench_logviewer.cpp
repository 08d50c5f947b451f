// The log viewer over 1,000,000 LOG rows: time from opening the screen (and
// from applying a filter) to its first paint, against the raw Firebird client
// fetching the first batch of the same statement. The database with the rows
// is generated once and kept beside the test databases.
#include "base/Relogio.h"
#include "base/Sessao.h"
#include "base/UnitDM.h"
#include "core/UnitLogViewer.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QPixmap>
#include <QTableView>
#include <benchmark/benchmark.h>
#include <ibase.h>

#include <cstdlib>
#include <iostream>

namespace {

constexpr int kLinhasLog = 1000000;
constexpr int kPorDia = 1000; // today's own rows: the screen opens on them
const QDate kHoje(2026, 12, 10);
QString g_bancoLog;

QString caminhoCache() { return QStringLiteral(ZV_BANCOS_TESTE) + QStringLiteral("/../bench-log-1m.fdb"); }

void gerarBancoLog()
{
    const QString destino = QDir::cleanPath(caminhoCache());
    if (QFile::exists(destino)) {
        g_bancoLog = destino;
        return;
    }
    const QString provisorio = destino + QStringLiteral(".novo");
    QFile::remove(provisorio);
    const QString cmd = QStringLiteral("'%1/scripts/create-db' --force '%2' > /dev/null")
                            .arg(QStringLiteral(ZV_RAIZ_FONTES), provisorio);
    if (std::system(cmd.toLocal8Bit().constData()) != 0) {
        std::cerr << "não foi possível criar o banco do visor de log\n";
        std::exit(1);
    }
    QElapsedTimer t;
    t.start();
    {
        ConexaoBanco c(QStringLiteral("GeraLog"), provisorio);
        c.conectar();
        c.executar(QStringLiteral("DELETE FROM LOG"));
        static const char *const operacoes[] = {"Acesso de Sistema", "Saiu do Sistema", "Incluiu Nova Reserva",
                                                "Alterou Reserva", "Excluiu Cliente", "Criou Backup",
                                                "Impressão de Relatório", "Alterou Cliente", "Envio de Email",
                                                "Lançou Diárias"};
        const QString sql = QStringLiteral(
            "INSERT INTO LOG (ID_LOG, USUARIO, OPERACAO, DATA, HORA, ANTES, DEPOIS) VALUES (?, ?, ?, ?, ?, NULL, NULL)");
        constexpr int kLote = 50000;
        for (int inicio = 0; inicio < kLinhasLog; inicio += kLote) {
            c.emTransacao([&] {
                for (int i = inicio; i < inicio + kLote; ++i) {
                    const int diasAtras = i / kPorDia;
                    c.executar(sql, {i + 1, QStringLiteral("USU%1").arg(i % 10),
                                     QString::fromUtf8(operacoes[(i / 7) % 10]),
                                     kHoje.addDays(-(kLinhasLog / kPorDia - 1) + diasAtras),
                                     QTime(0, 0).addSecs((i % kPorDia) * 80)});
                }
            });
        }
        c.executar(QStringLiteral("SET GENERATOR GEN_ID_LOG TO %1").arg(kLinhasLog));
        for (int i = 0; i < 10; ++i)
            c.executar(QStringLiteral("INSERT INTO USUARIO (LOGIN, SENHA) VALUES (?, '1')"), {QStringLiteral("USU%1").arg(i)});
    }
    std::cout << "gerou " << kLinhasLog << " linhas de LOG em " << t.elapsed() / 1000.0 << " s\n";
    QFile::rename(provisorio, destino);
    g_bancoLog = destino;
}

// Opens the screen and paints it once; returns the screen.
void pintar(QWidget &w)
{
    w.show();
    const QPixmap p = w.grab();
    benchmark::DoNotOptimize(p.width());
}

void BM_VisorLogAbrir(benchmark::State &state)
{
    for (auto _ : state) {
        TFrmLog f;
        pintar(f);
        if (f.linhas() != kPorDia)
            state.SkipWithError("linhas do dia erradas");
    }
}

void BM_VisorLogFiltroUsuario(benchmark::State &state)
{
    TFrmLog f;
    pintar(f);
    for (auto _ : state) {
        f.abrir(VisorLog::consultaPorUsuario(QStringLiteral("USU3")));
        pintar(f);
    }
}

// ---- raw client: execute the statement and fetch its first batch

struct Status {
    ISC_STATUS v[20] = {};
    void verificar(const char *onde)
    {
        if (v[0] == 1 && v[1]) {
            char buf[512];
            const ISC_STATUS *p = v;
            fb_interpret(buf, sizeof buf, &p);
            std::cerr << onde << ": " << buf << "\n";
            std::exit(1);
        }
    }
};

void primeiroLoteBruto(benchmark::State &state, const char *sql, const char *param, int tipoParam)
{
    Status st;
    isc_db_handle db = 0;
    const QByteArray caminho = g_bancoLog.toLocal8Bit();
    char dpb[] = {isc_dpb_version1, isc_dpb_user_name, 6, 'S', 'Y', 'S', 'D', 'B', 'A', isc_dpb_lc_ctype, 4,
                  'U', 'T', 'F', '8'};
    isc_attach_database(st.v, 0, caminho.constData(), &db, sizeof dpb, dpb);
    st.verificar("attach");
    const int lote = 200;
    for (auto _ : state) {
        isc_tr_handle tr = 0;
        static const char tpb[] = {isc_tpb_version3, isc_tpb_read, isc_tpb_read_committed, isc_tpb_rec_version};
        isc_start_transaction(st.v, &tr, 1, &db, sizeof tpb, tpb);
        st.verificar("start");
        isc_stmt_handle stmt = 0;
        isc_dsql_allocate_statement(st.v, &db, &stmt);
        auto *out = static_cast<XSQLDA *>(std::calloc(1, XSQLDA_LENGTH(5)));
        out->version = SQLDA_VERSION1;
        out->sqln = 5;
        isc_dsql_prepare(st.v, &tr, &stmt, 0, sql, 3, out);
        st.verificar("prepare");
        char buffers[5][1100];
        short ind[5];
        for (int k = 0; k < out->sqld; ++k) {
            out->sqlvar[k].sqldata = buffers[k];
            out->sqlvar[k].sqlind = &ind[k];
        }
        auto *in = static_cast<XSQLDA *>(std::calloc(1, XSQLDA_LENGTH(1)));
        in->version = SQLDA_VERSION1;
        in->sqln = 1;
        ISC_DATE data = 0;
        short nulo = 0;
        if (param) {
            in->sqld = 1;
            in->sqlvar[0].sqltype = short(tipoParam);
            in->sqlvar[0].sqllen = short(std::strlen(param));
            in->sqlvar[0].sqldata = const_cast<char *>(param);
            in->sqlvar[0].sqlind = &nulo;
        } else {
            data = ISC_DATE(QDate(1858, 11, 17).daysTo(kHoje));
            in->sqld = 1;
            in->sqlvar[0].sqltype = SQL_TYPE_DATE;
            in->sqlvar[0].sqllen = sizeof data;
            in->sqlvar[0].sqldata = reinterpret_cast<char *>(&data);
            in->sqlvar[0].sqlind = &nulo;
        }
        isc_dsql_execute(st.v, &tr, &stmt, 1, in);
        st.verificar("execute");
        int n = 0;
        while (n < lote && isc_dsql_fetch(st.v, &stmt, 1, out) == 0)
            ++n;
        benchmark::DoNotOptimize(n);
        isc_dsql_free_statement(st.v, &stmt, DSQL_drop);
        isc_commit_transaction(st.v, &tr);
        std::free(out);
        std::free(in);
    }
    isc_detach_database(st.v, &db);
}

void BM_BrutoPrimeiroLoteDia(benchmark::State &state)
{
    primeiroLoteBruto(state, "SELECT ID_LOG, DATA, HORA, USUARIO, OPERACAO FROM LOG WHERE DATA = ? ORDER BY ID_LOG",
                      nullptr, 0);
}

void BM_BrutoPrimeiroLoteUsuario(benchmark::State &state)
{
    primeiroLoteBruto(state,
                      "SELECT ID_LOG, DATA, HORA, USUARIO, OPERACAO FROM LOG WHERE USUARIO = ? "
                      "ORDER BY DATA, HORA, ID_LOG",
                      "USU3", SQL_TEXT);
}

} // namespace

// Registered by bench_dm's main, which owns the application and the ratios.
void registrarBenchVisorLog()
{
    gerarBancoLog();
    static TDM *dm = nullptr;
    dm = new TDM;
    DM = dm;
    DM->Conexao.definirCaminho(g_bancoLog);
    DM->Conexao.conectar();
    Relogio::definir(QDateTime(kHoje, QTime(23, 0)));
    Sessao::atual().login = QStringLiteral("ADMIN");
    Sessao::atual().AuxNomePC = QStringLiteral("SERVIDOR");
    benchmark::RegisterBenchmark("BM_VisorLogAbrir", BM_VisorLogAbrir)->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("BM_BrutoPrimeiroLoteDia", BM_BrutoPrimeiroLoteDia)->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("BM_VisorLogFiltroUsuario", BM_VisorLogFiltroUsuario)->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("BM_BrutoPrimeiroLoteUsuario", BM_BrutoPrimeiroLoteUsuario)
        ->Unit(benchmark::kMillisecond);
}
