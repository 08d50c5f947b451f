// Searching 100,000 customers as the customer list and the record form do
// (name as typed, document by its digits) against the raw Firebird client
// API running the same statements on the same database. The ratios are
// printed at the end.
#include "base/Grade.h"
#include "base/UnitDM.h"
#include "rooms/Clientes.h"
#include "rooms/UnitClientes.h"
#include "FirebirdBruto.h"

#include <QCoreApplication>
#include <QDir>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <ibase.h>

#include <chrono>
#include <cstdlib>
#include <cstring>
#include <iostream>
#include <map>
#include <memory>
#include <vector>

namespace {

constexpr int kClientes = 100000;
const char *const kPrefixo = "MARIA 0012"; // 100 customers: MARIA 001200 .. MARIA 001299

struct Ambiente {
    QTemporaryDir pasta;
    QString caminho;
    std::map<std::string, double> tempos; // ms per iteration, last run of each benchmark

    Ambiente()
    {
        caminho = pasta.path() + QStringLiteral("/clientes.fdb");
        const QString cmd = QStringLiteral("'%1/scripts/create-db' --force '%2' > /dev/null")
                                .arg(QStringLiteral(ZV_RAIZ_FONTES), caminho);
        if (std::system(cmd.toLocal8Bit().constData()) != 0) {
            std::cerr << "não foi possível criar o banco de teste\n";
            std::exit(1);
        }
        TDM dm;
        dm.Conexao.definirCaminho(caminho);
        dm.Conexao.conectar();
        const auto t0 = std::chrono::steady_clock::now();
        // Generated inside the engine: names cycle over ten first names, the
        // CPF is the row number with the mask.
        const QString digito = QStringLiteral(
            "(SELECT 0 N FROM RDB$DATABASE UNION ALL SELECT 1 FROM RDB$DATABASE UNION ALL SELECT 2 FROM RDB$DATABASE "
            "UNION ALL SELECT 3 FROM RDB$DATABASE UNION ALL SELECT 4 FROM RDB$DATABASE UNION ALL SELECT 5 FROM "
            "RDB$DATABASE UNION ALL SELECT 6 FROM RDB$DATABASE UNION ALL SELECT 7 FROM RDB$DATABASE UNION ALL SELECT 8 "
            "FROM RDB$DATABASE UNION ALL SELECT 9 FROM RDB$DATABASE)");
        QStringList fontes;
        QStringList soma;
        for (int k = 0, peso = 1; peso < kClientes; ++k, peso *= 10) {
            fontes << digito + QStringLiteral(" D%1").arg(k);
            soma << QStringLiteral("D%1.N * %2").arg(k).arg(peso);
        }
        dm.Conexao.emTransacao([&] {
            dm.Conexao.executar(QStringLiteral(
                "INSERT INTO CLIENTE (TIPO_PESSOA, NOME, CNPJ_CPF, RG_INSC_EST, CIDADE, ESTADO, DATA_NASC, EXCLUIDO) "
                "SELECT 'F', DECODE(MOD(I, 10), 0, 'MARIA', 1, 'JOSE', 2, 'ANA', 3, 'JOAO', 4, 'PAULO', 5, 'LUCIA', "
                "6, 'PEDRO', 7, 'CARLA', 8, 'MARCOS', 'JULIA') || ' ' || LPAD(I / 10, 6, '0'), "
                "SUBSTRING(D FROM 1 FOR 3) || '.' || SUBSTRING(D FROM 4 FOR 3) || '.' || SUBSTRING(D FROM 7 FOR 3) "
                "|| '-' || SUBSTRING(D FROM 10 FOR 2), 'RG' || I, 'OURO PRETO', 'MG', DATE '1980-01-01' + MOD(I, 365), "
                "'N' FROM (SELECT I, LPAD(I, 11, '0') AS D FROM (SELECT %1 AS I FROM %2) X) Y")
                                    .arg(soma.join(QStringLiteral(" + ")), fontes.join(QStringLiteral(", "))));
        });
        const double s = std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count();
        std::cout << kClientes << " clientes gerados em " << s << " s\n";
    }
    void imprimirRazoes()
    {
        auto razao = [&](const char *nosso, const char *bruto, const char *rotulo) {
            if (tempos.count(nosso) && tempos.count(bruto) && tempos[bruto] > 0)
                std::cout << "razão sistema / cliente bruto (" << rotulo << ", " << kClientes
                          << " clientes): " << tempos[nosso] / tempos[bruto] << "  (" << tempos[nosso] << " ms / "
                          << tempos[bruto] << " ms)\n";
        };
        razao("BM_ClientesNome", "BM_ClientesNomeBruto", "busca por nome");
        razao("BM_ClientesCpf", "BM_ClientesCpfBruto", "busca por CPF");
    }
};

Ambiente &ambiente()
{
    static Ambiente a;
    return a;
}

// ---- through the system

// (built on first use: the statements of other files are not ready during
// static initialisation)
QString sqlNome()
{
    return Clientes::kSqlSelecao + QStringLiteral(" WHERE NOME LIKE CAST(? AS VARCHAR(200)) ORDER BY NOME");
}
QString sqlCpf()
{
    return QStringLiteral("SELECT FIRST 1 ID_CLIENTE FROM CLIENTE WHERE ") + Clientes::kSqlDocumentoNormalizado
        + QStringLiteral(" = CAST(? AS VARCHAR(18)) AND ID_CLIENTE <> ?");
}

template <class F>
void medir(benchmark::State &state, const char *nome, F &&f)
{
    const auto t0 = std::chrono::steady_clock::now();
    std::int64_t n = 0;
    for (auto _ : state) {
        f();
        ++n;
    }
    if (n > 0)
        ambiente().tempos[nome] =
            std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - t0).count() / double(n);
}

void BM_ClientesNome(benchmark::State &state)
{
    TDM dm;
    TDM *antes = DM;
    DM = &dm;
    dm.Conexao.definirCaminho(ambiente().caminho);
    dm.Conexao.conectar();
    ModeloConsulta m;
    medir(state, "BM_ClientesNome", [&] {
        m.definirConsulta(sqlNome(), {QStringLiteral("%%1%").arg(QLatin1String(kPrefixo))});
        m.abrir();
        if (m.total() != 100)
            state.SkipWithError("busca por nome não achou 100 clientes");
        benchmark::DoNotOptimize(m.texto(0, QStringLiteral("NOME")));
    });
    DM = antes;
}

void BM_ClientesCpf(benchmark::State &state)
{
    TDM dm;
    dm.Conexao.definirCaminho(ambiente().caminho);
    dm.Conexao.conectar();
    int i = 0;
    medir(state, "BM_ClientesCpf", [&] {
        const QString doc = QStringLiteral("%1").arg((i++ * 7919) % kClientes, 11, 10, QLatin1Char('0'));
        const QVariant v = dm.Conexao.valor(sqlCpf(), {doc, qint64(0)});
        if (!v.isValid())
            state.SkipWithError("CPF não encontrado");
        benchmark::DoNotOptimize(v);
    });
}

// ---- raw client API

struct DA {
    XSQLDA *da;
    explicit DA(int n)
    {
        da = static_cast<XSQLDA *>(std::calloc(1, XSQLDA_LENGTH(n)));
        da->version = SQLDA_VERSION1;
        da->sqln = short(n);
    }
    ~DA() { std::free(da); }
};

// Runs a statement with text parameters (and an integer one when given)
// and fetches every column of every row; returns the rows.
class Bruto {
public:
    Bruto()
    {
        const QByteArray caminho = ambiente().caminho.toLocal8Bit();
        char dpb[] = {isc_dpb_version1, isc_dpb_user_name, 6, 'S', 'Y', 'S', 'D', 'B', 'A',
                      isc_dpb_lc_ctype, 4, 'U', 'T', 'F', '8'};
        isc_attach_database(st.v, 0, caminho.constData(), &db, sizeof dpb, dpb);
        st.verificar("attach");
    }
    ~Bruto() { isc_detach_database(st.v, &db); }

    int executar(const QByteArray &sql, const QByteArray &texto, const ISC_LONG *inteiro)
    {
        isc_tr_handle tr = 0;
        static char tpb[] = {isc_tpb_version3, isc_tpb_read, isc_tpb_read_committed, isc_tpb_rec_version,
                             isc_tpb_wait};
        isc_start_transaction(st.v, &tr, 1, &db, sizeof tpb, tpb);
        st.verificar("start");
        isc_stmt_handle h = 0;
        isc_dsql_allocate_statement(st.v, &db, &h);
        DA out(1);
        isc_dsql_prepare(st.v, &tr, &h, 0, sql.constData(), 3, out.da);
        st.verificar("prepare");
        DA saida(out.da->sqld);
        isc_dsql_describe(st.v, &h, 1, saida.da);
        std::vector<std::vector<char>> buffers(size_t(saida.da->sqld));
        std::vector<short> ind(size_t(saida.da->sqld));
        for (int k = 0; k < saida.da->sqld; ++k) {
            XSQLVAR &v = saida.da->sqlvar[k];
            buffers[size_t(k)].resize(size_t(v.sqllen) + 2);
            v.sqldata = buffers[size_t(k)].data();
            v.sqlind = &ind[size_t(k)];
        }
        DA in(2);
        short nulo = 0;
        char txt[256];
        const int n = std::min<int>(int(texto.size()), 255);
        std::memcpy(txt, texto.constData(), size_t(n));
        in.da->sqld = inteiro ? 2 : 1;
        in.da->sqlvar[0].sqltype = SQL_TEXT;
        in.da->sqlvar[0].sqllen = short(n);
        in.da->sqlvar[0].sqldata = txt;
        in.da->sqlvar[0].sqlind = &nulo;
        ISC_LONG valor = inteiro ? *inteiro : 0;
        if (inteiro) {
            in.da->sqlvar[1].sqltype = SQL_LONG;
            in.da->sqlvar[1].sqllen = sizeof(ISC_LONG);
            in.da->sqlvar[1].sqldata = reinterpret_cast<char *>(&valor);
            in.da->sqlvar[1].sqlind = &nulo;
        }
        isc_dsql_execute(st.v, &tr, &h, 1, in.da);
        st.verificar("execute");
        int linhas = 0;
        while (isc_dsql_fetch(st.v, &h, 1, saida.da) == 0)
            ++linhas;
        isc_dsql_free_statement(st.v, &h, DSQL_drop);
        isc_commit_transaction(st.v, &tr);
        st.verificar("commit");
        return linhas;
    }

private:
    Status st;
    isc_db_handle db = 0;
};

void BM_ClientesNomeBruto(benchmark::State &state)
{
    Bruto b;
    const QByteArray sql = sqlNome().toUtf8();
    const QByteArray padrao = QByteArray("%") + kPrefixo + "%";
    medir(state, "BM_ClientesNomeBruto", [&] {
        if (b.executar(sql, padrao, nullptr) != 100)
            state.SkipWithError("busca por nome não achou 100 clientes");
    });
}

void BM_ClientesCpfBruto(benchmark::State &state)
{
    Bruto b;
    const QByteArray sql = sqlCpf().toUtf8();
    int i = 0;
    const ISC_LONG zero = 0;
    medir(state, "BM_ClientesCpfBruto", [&] {
        const QByteArray doc = QStringLiteral("%1").arg((i++ * 7919) % kClientes, 11, 10, QLatin1Char('0')).toLatin1();
        if (b.executar(sql, doc, &zero) != 1)
            state.SkipWithError("CPF não encontrado");
    });
}

BENCHMARK(BM_ClientesNome)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ClientesNomeBruto)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ClientesCpf)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ClientesCpfBruto)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    ambiente().imprimirRazoes();
    benchmark::Shutdown();
    return 0;
}
