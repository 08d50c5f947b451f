// A check-in written through the system (the room taken with its
// conditional update, the stay with its key from the generator, the customer
// as guest, the first night and the log line, in one transaction) against
// the same statements through the raw Firebird client API. Each iteration
// checks a guest into another free room of a 4000-room database. The ratio
// is printed at the end.
#include "base/Relogio.h"
#include "base/Sessao.h"
#include "base/UnitDM.h"
#include "stays/Entrada.h"
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

constexpr int kQuartos = 4000;
constexpr int kIteracoes = 1500; // per side; the system uses the first half of the rooms, the raw client the rest
const QDate kHoje(2026, 12, 10);
QString g_caminho;
qint64 g_primeiroQuarto = 0;
qint64 g_cliente = 0;

void criarBanco(const QString &pasta)
{
    g_caminho = pasta + QStringLiteral("/entrada.fdb");
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
        const qint64 tipo = dm.Conexao
                                .valor(QStringLiteral("INSERT INTO TIPO_UH (DESCRICAO, ABREV, P1, P2) "
                                                      "VALUES ('LUXO', 'LX', 100, 150) RETURNING ID_TIPO_UH"))
                                .toLongLong();
        g_cliente = dm.Conexao
                        .valor(QStringLiteral("INSERT INTO CLIENTE (NOME) VALUES ('ANA D''ÁVILA') RETURNING ID_CLIENTE"))
                        .toLongLong();
        for (int i = 0; i < kQuartos; ++i) {
            const qint64 uh = dm.Conexao
                                  .valor(QStringLiteral("INSERT INTO UH (ID_TIPO_UH, NUMERO) VALUES (?, ?) RETURNING ID_UH"),
                                         {tipo, QString::number(1000 + i)})
                                  .toLongLong();
            if (i == 0)
                g_primeiroQuarto = uh;
        }
    });
}

Entrada::Dados dados(qint64 uh)
{
    Entrada::Dados d;
    d.cliente = g_cliente;
    d.nomeCliente = QStringLiteral("ANA D'ÁVILA");
    d.uh = uh;
    d.numeroUH = QString::number(uh);
    d.pessoas = QStringLiteral("2");
    d.dataEntrada = kHoje;
    d.horaEntrada = QTime(14, 0);
    d.dataSaida = kHoje.addDays(2);
    d.horaSaida = QTime(12, 0);
    d.diaria = QStringLiteral("150,00");
    return d;
}

void BM_EntradaSistema(benchmark::State &state)
{
    TDM dm;
    DM = &dm;
    dm.Conexao.definirCaminho(g_caminho);
    dm.Conexao.conectar();
    Sessao::atual().login = QStringLiteral("ADMIN");
    qint64 uh = g_primeiroQuarto;
    for (auto _ : state) {
        const Entrada::Gravacao g = Entrada::incluir(DM->Conexao, dados(uh++), QStringLiteral("ADMIN"), kHoje);
        if (g.recusa)
            state.SkipWithError("entrada recusada");
    }
    DM = nullptr;
}

// ---- raw client API

void BM_EntradaBruto(benchmark::State &state)
{
    Status st;
    isc_db_handle db = 0;
    const QByteArray caminho = g_caminho.toLocal8Bit();
    const char dpb[] = {isc_dpb_version1, isc_dpb_user_name, 6, 'S', 'Y', 'S', 'D', 'B', 'A',
                        isc_dpb_lc_ctype, 4, 'U', 'T', 'F', '8'};
    isc_attach_database(st.v, 0, caminho.constData(), &db, sizeof dpb, dpb);
    st.verificar("attach");
    isc_tr_handle tr = 0;
    isc_start_transaction(st.v, &tr, 1, &db, 0, nullptr);
    isc_stmt_handle upd =
        preparar(st, db, tr, "UPDATE UH SET SITUACAO = 'O' WHERE ID_UH = ? AND SITUACAO IN ('L', 'R')", nullptr);
    XSQLDA *chave = novoDA(1);
    isc_stmt_handle ins = preparar(st, db, tr,
                                   "INSERT INTO WALK_IN (ID_RESERVA, DATA_ENTRADA, HORA_ENTRADA, DATA_SAIDA, HORA_SAIDA, "
                                   "ID_CLIENTE, ID_UH, QTD_ADULTOS, VALOR_DIARIA, BAIXA, OBS, DINHEIRO, VISA, MASTER, "
                                   "HIPER, CHEQUE, NOTA, DEBVISA, DEBMASTER, USUARIO_ENTRADA, FUNCIONARIO_LIMPEZA) "
                                   "VALUES (0, ?, ?, ?, ?, ?, ?, 2, ?, 'N', '', 0, 0, 0, 0, 0, 0, 0, 0, ?, 0) "
                                   "RETURNING ID_WALK_IN",
                                   chave);
    isc_stmt_handle hosp =
        preparar(st, db, tr, "INSERT INTO HOSPEDE (ID_ENTRADA, NOME, BAIXA) VALUES (?, ?, 'N')", nullptr);
    isc_stmt_handle ocup =
        preparar(st, db, tr, "INSERT INTO OCUPACAO (ID_ENTRADA, DATA, VALOR, QTD) VALUES (?, ?, ?, 2)", nullptr);
    isc_stmt_handle log =
        preparar(st, db, tr, "INSERT INTO LOG (USUARIO, OPERACAO, DATA, HORA) VALUES (?, ?, ?, ?)", nullptr);
    isc_commit_transaction(st.v, &tr);

    short nulo = 0;
    ISC_LONG idUH = 0, idCliente = ISC_LONG(g_cliente), idEntrada = 0;
    ISC_INT64 diaria = 15000;
    struct tm t{};
    t.tm_year = 2026 - 1900;
    t.tm_mon = 11;
    t.tm_mday = 10;
    t.tm_hour = 14;
    ISC_DATE entrada, saida;
    ISC_TIME horaEntrada, horaSaida;
    isc_encode_sql_date(&t, &entrada);
    isc_encode_sql_time(&t, &horaEntrada);
    t.tm_mday = 12;
    t.tm_hour = 12;
    isc_encode_sql_date(&t, &saida);
    isc_encode_sql_time(&t, &horaSaida);
    char usuario[] = "ADMIN";
    char nome[] = "ANA D'\xC3\x81VILA";
    char operacao[120];
    auto var = [&](XSQLVAR &v, short tipo, short len, void *dado, short escala = 0) {
        v.sqltype = tipo;
        v.sqllen = len;
        v.sqlscale = escala;
        v.sqldata = static_cast<char *>(dado);
        v.sqlind = &nulo;
    };
    auto texto = [&](XSQLVAR &v, char *s) { var(v, SQL_TEXT, short(std::strlen(s)), s); };
    XSQLDA *inUpd = novoDA(1);
    var(inUpd->sqlvar[0], SQL_LONG, 4, &idUH);
    XSQLDA *inIns = novoDA(8);
    var(inIns->sqlvar[0], SQL_TYPE_DATE, sizeof entrada, &entrada);
    var(inIns->sqlvar[1], SQL_TYPE_TIME, sizeof horaEntrada, &horaEntrada);
    var(inIns->sqlvar[2], SQL_TYPE_DATE, sizeof saida, &saida);
    var(inIns->sqlvar[3], SQL_TYPE_TIME, sizeof horaSaida, &horaSaida);
    var(inIns->sqlvar[4], SQL_LONG, 4, &idCliente);
    var(inIns->sqlvar[5], SQL_LONG, 4, &idUH);
    var(inIns->sqlvar[6], SQL_INT64, 8, &diaria, -2);
    texto(inIns->sqlvar[7], usuario);
    short nuloChave = 0;
    var(chave->sqlvar[0], SQL_LONG, 4, &idEntrada);
    chave->sqlvar[0].sqlind = &nuloChave;
    XSQLDA *inHosp = novoDA(2);
    var(inHosp->sqlvar[0], SQL_LONG, 4, &idEntrada);
    texto(inHosp->sqlvar[1], nome);
    XSQLDA *inOcup = novoDA(3);
    var(inOcup->sqlvar[0], SQL_LONG, 4, &idEntrada);
    var(inOcup->sqlvar[1], SQL_TYPE_DATE, sizeof entrada, &entrada);
    var(inOcup->sqlvar[2], SQL_INT64, 8, &diaria, -2);
    XSQLDA *inLog = novoDA(4);
    texto(inLog->sqlvar[0], usuario);
    inLog->sqlvar[2] = inIns->sqlvar[0];
    inLog->sqlvar[3] = inIns->sqlvar[1];

    idUH = ISC_LONG(g_primeiroQuarto + kIteracoes);
    for (auto _ : state) {
        tr = 0;
        isc_start_transaction(st.v, &tr, 1, &db, 0, nullptr);
        isc_dsql_execute(st.v, &tr, &upd, 1, inUpd);
        st.verificar("uh");
        if (linhasAlteradas(st, upd) != 1)
            state.SkipWithError("UH não estava livre");
        isc_dsql_execute2(st.v, &tr, &ins, 1, inIns, chave);
        st.verificar("walk_in");
        isc_dsql_execute(st.v, &tr, &hosp, 1, inHosp);
        st.verificar("hospede");
        isc_dsql_execute(st.v, &tr, &ocup, 1, inOcup);
        st.verificar("ocupacao");
        std::snprintf(operacao, sizeof operacao, "Incluiu Entrada de H\xC3\xB3spede -> C\xC3\xB3" "digo %ld (%s - %ld)",
                      long(idEntrada), nome, long(idUH));
        texto(inLog->sqlvar[1], operacao);
        isc_dsql_execute(st.v, &tr, &log, 1, inLog);
        st.verificar("log");
        isc_commit_transaction(st.v, &tr);
        st.verificar("commit");
        ++idUH;
    }
    for (isc_stmt_handle *h : {&upd, &ins, &hosp, &ocup, &log})
        isc_dsql_free_statement(st.v, h, DSQL_drop);
    for (XSQLDA *da : {inUpd, inIns, chave, inHosp, inOcup, inLog})
        std::free(da);
    isc_detach_database(st.v, &db);
}

BENCHMARK(BM_EntradaSistema)->Unit(benchmark::kMicrosecond)->Iterations(kIteracoes);
BENCHMARK(BM_EntradaBruto)->Unit(benchmark::kMicrosecond)->Iterations(kIteracoes);

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
    Relogio::definir(QDateTime(kHoje, QTime(14, 0)));
    QTemporaryDir pasta;
    criarBanco(pasta.path());
    benchmark::Initialize(&argc, argv);
    Relator relator;
    benchmark::RunSpecifiedBenchmarks(&relator);
    if (relator.tempos.count("BM_EntradaSistema") && relator.tempos.count("BM_EntradaBruto"))
        std::cout << "razão sistema / cliente bruto (entrada de hóspede com UH, estadia, hóspede, diária e registro): "
                  << relator.tempos["BM_EntradaSistema"] / relator.tempos["BM_EntradaBruto"] << "\n";
    benchmark::Shutdown();
    return 0;
}
