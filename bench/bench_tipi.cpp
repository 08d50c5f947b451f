// The NCM lookup's filter row on a TIPI of its real size (about 10,000
// codes): a code prefix, the start of a description and a word anywhere in
// the description, through the lookup's own statement and grid model, against
// the raw Firebird client running the same statement and fetching every row.
// The ratios are printed at the end.
#include "base/Grade.h"
#include "base/UnitDM.h"
#include "restaurant/ConsultaFiscal.h"
#include "restaurant/UnitConsultaFiscal.h"
#include "FirebirdBruto.h"

#include <QCoreApplication>
#include <QDir>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <ibase.h>

#include <chrono>
#include <cstdlib>
#include <cstring>
#include <iostream>
#include <map>
#include <memory>

namespace {

constexpr int kCodigos = 10000;

struct Busca {
    const char *nome;
    QStringList textos; // the filter row: code, description
};

const Busca kBuscas[] = {
    {"prefixo de código", {QStringLiteral("2202"), QString()}},
    {"início da descrição", {QString(), QStringLiteral("cervejas de malte")}},
    {"palavra na descrição", {QString(), QStringLiteral("*refrigerad")}},
};

// ---- the database: created once, TIPI filled to its real size

QString g_caminho;
std::unique_ptr<QTemporaryDir> g_pasta;

const QString &caminhoBanco()
{
    if (!g_caminho.isEmpty())
        return g_caminho;
    g_pasta = std::make_unique<QTemporaryDir>();
    g_caminho = g_pasta->path() + QStringLiteral("/tipi.fdb");
    const QString cmd = QStringLiteral("'%1/scripts/create-db' --force '%2' > /dev/null")
                            .arg(QStringLiteral(ZV_RAIZ_FONTES), g_caminho);
    if (std::system(cmd.toLocal8Bit().constData()) != 0) {
        std::cerr << "não foi possível criar o banco de teste\n";
        std::exit(1);
    }
    TDM dm;
    dm.Conexao.definirCaminho(g_caminho);
    dm.Conexao.conectar();
    const qint64 existentes = dm.Conexao.valor(QStringLiteral("SELECT COUNT(*) FROM TIPI")).toLongLong();
    // Descriptions in the TIPI's style, 40 to 400 characters.
    const QStringList palavras{
        QStringLiteral("Cervejas de malte"), QStringLiteral("refrigerados"), QStringLiteral("congelados"),
        QStringLiteral("em recipientes de capacidade não superior a 2 l"), QStringLiteral("Outros"),
        QStringLiteral("Águas minerais"), QStringLiteral("adicionadas de açúcar"), QStringLiteral("Sucos (sumos)"),
        QStringLiteral("de frutas ou de produtos hortícolas"), QStringLiteral("frescos"), QStringLiteral("secos"),
        QStringLiteral("Preparações alimentícias"), QStringLiteral("não especificadas nem compreendidas noutras posições"),
        QStringLiteral("Carnes de animais da espécie bovina"), QStringLiteral("desossadas"), QStringLiteral("Peixes"),
        QStringLiteral("Produtos de padaria"), QStringLiteral("Sabões"), QStringLiteral("Papel higiênico"),
        QStringLiteral("Chá, mesmo aromatizado"), QStringLiteral("Café não torrado")};
    QRandomGenerator rng(20261211);
    dm.Conexao.emTransacao([&] {
        const int novos = int(qMax<qint64>(0, kCodigos - existentes));
        for (int i = 0; i < novos; ++i) {
            const int capitulo = 1 + i % 97;
            const QString ncm = QStringLiteral("%1%2").arg(capitulo, 2, 10, QLatin1Char('0')).arg(i / 97 * 13 % 1000000, 6, 10, QLatin1Char('0'));
            QString d;
            const int n = 2 + int(rng.bounded(12));
            for (int k = 0; k < n; ++k)
                d += palavras[int(rng.bounded(palavras.size()))] + (k + 1 < n ? QStringLiteral(", ") : QStringLiteral("."));
            dm.Conexao.executar(QStringLiteral("INSERT INTO TIPI (NCM, DESCRICAO) VALUES (?, ?)"), {ncm, d.left(1100)});
        }
    });
    return g_caminho;
}

// Time per iteration of each benchmark, for the ratios printed at the end.
std::map<std::string, double> &tempos()
{
    static std::map<std::string, double> t;
    return t;
}

void imprimirRazoes()
{
    for (const Busca &b : kBuscas) {
        const std::string m = std::string("modulo ") + b.nome, r = std::string("bruto ") + b.nome;
        if (tempos().count(m) && tempos().count(r) && tempos()[r] > 0)
            std::cout << "TIPI (" << kCodigos << " códigos), " << b.nome << ": consulta NCM " << tempos()[m] * 1000
                      << " ms, cliente bruto " << tempos()[r] * 1000 << " ms, razão " << tempos()[m] / tempos()[r]
                      << "\n";
    }
}

void registrar(const std::string &nome, benchmark::State &state, std::chrono::steady_clock::duration total)
{
    if (state.iterations() > 0)
        tempos()[nome] = std::chrono::duration<double>(total).count() / double(state.iterations());
}

// ---- the lookup's own path: its statement, the grid model, every row read

void BM_ConsultaNCM(benchmark::State &state)
{
    const Busca &b = kBuscas[state.range(0)];
    TDM dm;
    dm.Conexao.definirCaminho(caminhoBanco());
    dm.Conexao.conectar();
    DM = &dm;
    const ConsultaFiscal::Definicao &def = TFrmNCM::definicao();
    ModeloConsulta modelo;
    std::int64_t linhas = 0;
    const auto inicio = std::chrono::steady_clock::now();
    for (auto _ : state) {
        const ConsultaFiscal::Condicao c = ConsultaFiscal::condicaoFiltro(def.colunas, b.textos);
        modelo.definirConsulta(ConsultaFiscal::sqlConsulta(def, c.sql), c.valores);
        modelo.abrir();
        while (modelo.canFetchMore({}))
            modelo.fetchMore({});
        std::int64_t soma = 0;
        for (int r = 0; r < modelo.rowCount(); ++r)
            soma += modelo.data(modelo.index(r, 1)).toString().size();
        benchmark::DoNotOptimize(soma);
        linhas = modelo.rowCount();
    }
    registrar(std::string("modulo ") + b.nome, state, std::chrono::steady_clock::now() - inicio);
    state.counters["linhas"] = double(linhas);
    state.SetLabel(b.nome);
    DM = nullptr;
}

// ---- raw client API, same statement, every row fetched

void BM_ClienteBrutoTIPI(benchmark::State &state)
{
    const Busca &b = kBuscas[state.range(0)];
    const ConsultaFiscal::Condicao c = ConsultaFiscal::condicaoFiltro(TFrmNCM::definicao().colunas, b.textos);
    const QByteArray sql = ConsultaFiscal::sqlConsulta(TFrmNCM::definicao(), c.sql).toUtf8();
    const QByteArray parametro = c.valores.value(0).toString().toUtf8();

    Status st;
    isc_db_handle db = 0;
    const QByteArray caminho = caminhoBanco().toLocal8Bit();
    std::string dpb{char(isc_dpb_version1), char(isc_dpb_user_name), 6, 'S', 'Y', 'S', 'D', 'B', 'A',
                    char(isc_dpb_lc_ctype), 4, 'U', 'T', 'F', '8'};
    isc_attach_database(st.v, 0, caminho.constData(), &db, short(dpb.size()), dpb.data());
    st.verificar("attach");

    std::int64_t linhas = 0;
    const auto inicio = std::chrono::steady_clock::now();
    for (auto _ : state) {
        isc_tr_handle tr = 0;
        isc_start_transaction(st.v, &tr, 1, &db, 0, nullptr);
        st.verificar("start");
        isc_stmt_handle sel = 0;
        isc_dsql_allocate_statement(st.v, &db, &sel);
        XSQLDA *out = novoDA(2);
        isc_dsql_prepare(st.v, &tr, &sel, 0, sql.constData(), 3, out);
        st.verificar("prepare");
        std::vector<std::vector<char>> buffers(out->sqld);
        std::vector<short> ind(out->sqld);
        for (int k = 0; k < out->sqld; ++k) {
            buffers[k].resize(out->sqlvar[k].sqllen + 2);
            out->sqlvar[k].sqldata = buffers[k].data();
            out->sqlvar[k].sqlind = &ind[k];
        }
        XSQLDA *in = novoDA(1);
        isc_dsql_describe_bind(st.v, &sel, 1, in);
        short nulo = 0;
        std::vector<char> valor(parametro.begin(), parametro.end());
        in->sqlvar[0].sqltype = SQL_TEXT + 1;
        in->sqlvar[0].sqllen = short(valor.size());
        in->sqlvar[0].sqldata = valor.data();
        in->sqlvar[0].sqlind = &nulo;
        isc_dsql_execute(st.v, &tr, &sel, 1, in);
        st.verificar("execute");
        std::int64_t soma = 0, n = 0;
        while (isc_dsql_fetch(st.v, &sel, 1, out) == 0) {
            soma += *reinterpret_cast<short *>(buffers[1].data());
            ++n;
        }
        benchmark::DoNotOptimize(soma);
        linhas = n;
        isc_dsql_free_statement(st.v, &sel, DSQL_drop);
        std::free(out);
        std::free(in);
        isc_commit_transaction(st.v, &tr);
        st.verificar("commit");
    }
    registrar(std::string("bruto ") + b.nome, state, std::chrono::steady_clock::now() - inicio);
    isc_detach_database(st.v, &db);
    state.counters["linhas"] = double(linhas);
    state.SetLabel(b.nome);
}

BENCHMARK(BM_ConsultaNCM)->DenseRange(0, 2)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ClienteBrutoTIPI)->DenseRange(0, 2)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    imprimirRazoes();
    benchmark::Shutdown();
    g_pasta.reset();
    return 0;
}
