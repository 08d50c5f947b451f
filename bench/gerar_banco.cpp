// Fills a database made from database/ with the history of a large, old
// hotel: 500 rooms of 12 types, 100,000 customers with valid CPF/CNPJ, five
// years of stays with their guests, vehicles, nights and consumption, 20,000
// reservations, 1,000,000 log lines, three cash-register shifts a day with
// withdrawals and additions, products and stock, about 300 open stays on
// the last day, a restaurant of 300 tables with 50,000 order lines (half
// the tables open, their kitchen orders pending), 1,000 employees with
// 50,000 entries of their pay book, and 100,000 single-item and 20,000
// several-item counter sales (some to employees). The same seed gives the
// same database.
//
//   gerar_banco BANCO [--semente N] [--hoje AAAA-MM-DD] [--escala F]
//
// The database is left as at the end of the day before --hoje: nights posted
// up to that day, one open shift (today's first), no stay arriving today.
// Rows go in through the raw Firebird client, prepared statements with bound
// values in large transactions, with their keys given here; the generators
// are set past them at the end and the index statistics recomputed.
#include "base/Rotinas.h"

#include <QDate>
#include <QString>
#include <ibase.h>

#include <algorithm>
#include <array>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <iostream>
#include <memory>
#include <string>
#include <vector>

namespace {

// ------------------------------------------------------------ random numbers

// splitmix64: the same sequence on every platform and library.
class Sorteio {
public:
    explicit Sorteio(std::uint64_t semente) : m_s(semente) {}
    std::uint64_t proximo()
    {
        std::uint64_t z = (m_s += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }
    // 0 .. n-1
    int ate(int n) { return n <= 0 ? 0 : int(proximo() % std::uint64_t(n)); }
    // a .. b
    int entre(int a, int b) { return a + ate(b - a + 1); }
    bool chance(int porCento) { return ate(100) < porCento; }

private:
    std::uint64_t m_s;
};

// ------------------------------------------------------------ raw client

class Status {
public:
    ISC_STATUS v[20] = {};
    void verificar(const char *onde)
    {
        if (v[0] == 1 && v[1]) {
            char buf[1024];
            const ISC_STATUS *p = v;
            std::string texto;
            while (fb_interpret(buf, sizeof buf, &p))
                texto += std::string(buf) + " ";
            std::cerr << "erro em " << onde << ": " << texto << "\n";
            std::exit(1);
        }
    }
};

// Days since 17/11/1858, as Firebird keeps dates.
ISC_DATE dataIsc(const QDate &d) { return ISC_DATE(d.toJulianDay() - 2400001); }

class Banco;

// A prepared statement with its values bound by position.
class Comando {
public:
    Comando(Banco &b, const std::string &sql);
    ~Comando();
    Comando(const Comando &) = delete;
    Comando &operator=(const Comando &) = delete;

    Comando &inteiro(int i, std::int64_t v) { return numero(i, v, 0); }
    Comando &dinheiro(int i, std::int64_t centavos) { return numero(i, centavos, -2); }
    Comando &texto(int i, const std::string &t)
    {
        Param &p = m_p[size_t(i)];
        p.texto = t;
        XSQLVAR &v = var(i);
        v.sqltype = SQL_TEXT + 1;
        v.sqlscale = 0;
        v.sqllen = short(p.texto.size());
        v.sqldata = p.texto.data();
        p.nulo = 0;
        return *this;
    }
    Comando &data(int i, const QDate &d)
    {
        Param &p = m_p[size_t(i)];
        p.data = dataIsc(d);
        XSQLVAR &v = var(i);
        v.sqltype = SQL_TYPE_DATE + 1;
        v.sqlscale = 0;
        v.sqllen = sizeof(ISC_DATE);
        v.sqldata = reinterpret_cast<char *>(&p.data);
        p.nulo = 0;
        return *this;
    }
    // Seconds since midnight.
    Comando &hora(int i, int segundos)
    {
        Param &p = m_p[size_t(i)];
        p.hora = ISC_TIME(segundos) * 10000;
        XSQLVAR &v = var(i);
        v.sqltype = SQL_TYPE_TIME + 1;
        v.sqlscale = 0;
        v.sqllen = sizeof(ISC_TIME);
        v.sqldata = reinterpret_cast<char *>(&p.hora);
        p.nulo = 0;
        return *this;
    }
    Comando &nulo(int i)
    {
        XSQLVAR &v = var(i);
        v.sqltype = SQL_LONG + 1;
        v.sqllen = 4;
        v.sqldata = reinterpret_cast<char *>(&m_p[size_t(i)].numero);
        m_p[size_t(i)].nulo = -1;
        return *this;
    }
    void executar();

private:
    struct Param {
        std::int64_t numero = 0;
        ISC_DATE data = 0;
        ISC_TIME hora = 0;
        std::string texto;
        short nulo = 0;
    };
    XSQLVAR &var(int i) { return m_in->sqlvar[i]; }
    Comando &numero(int i, std::int64_t valor, int escala)
    {
        Param &p = m_p[size_t(i)];
        p.numero = valor;
        XSQLVAR &v = var(i);
        v.sqltype = SQL_INT64 + 1;
        v.sqlscale = short(escala);
        v.sqllen = sizeof(std::int64_t);
        v.sqldata = reinterpret_cast<char *>(&p.numero);
        p.nulo = 0;
        return *this;
    }

    Banco &m_b;
    std::string m_sql;
    isc_stmt_handle m_h = 0;
    XSQLDA *m_in = nullptr;
    std::vector<Param> m_p;
};

class Banco {
public:
    explicit Banco(const std::string &caminho, bool escritaForcada)
    {
        // SYSDBA on the embedded engine, UTF8, a large page cache; forced
        // writes off while loading (set back on at the end).
        std::vector<char> dpb = {isc_dpb_version1, isc_dpb_user_name, 6, 'S', 'Y', 'S', 'D', 'B', 'A',
                                 isc_dpb_lc_ctype, 4, 'U', 'T', 'F', '8', isc_dpb_force_write, 1,
                                 char(escritaForcada ? 1 : 0), isc_dpb_num_buffers, 4};
        const int paginas = 20000;
        for (int k = 0; k < 4; ++k)
            dpb.push_back(char((paginas >> (8 * k)) & 0xFF));
        isc_attach_database(st.v, 0, caminho.c_str(), &db, short(dpb.size()), dpb.data());
        st.verificar("attach");
    }
    ~Banco()
    {
        if (tr)
            confirmar();
        isc_detach_database(st.v, &db);
    }
    void iniciar()
    {
        isc_start_transaction(st.v, &tr, 1, &db, 0, nullptr);
        st.verificar("start");
    }
    void confirmar()
    {
        isc_commit_transaction(st.v, &tr);
        st.verificar("commit");
        tr = 0;
    }
    // Commits now and then so that no transaction grows without end.
    void talvezConfirmar()
    {
        if (++m_linhas % 200000 == 0) {
            confirmar();
            iniciar();
        }
    }
    void imediato(const std::string &sql)
    {
        isc_dsql_execute_immediate(st.v, &db, &tr, 0, sql.c_str(), 3, nullptr);
        st.verificar(sql.c_str());
    }
    // The first column of the rows of a query, as text.
    std::vector<std::string> textos(const std::string &sql)
    {
        std::vector<std::string> r;
        isc_stmt_handle h = 0;
        isc_dsql_allocate_statement(st.v, &db, &h);
        auto *out = static_cast<XSQLDA *>(std::calloc(1, XSQLDA_LENGTH(1)));
        out->version = SQLDA_VERSION1;
        out->sqln = 1;
        isc_dsql_prepare(st.v, &tr, &h, 0, sql.c_str(), 3, out);
        st.verificar(sql.c_str());
        std::vector<char> buf(size_t(out->sqlvar[0].sqllen) + 2);
        short ind = 0;
        out->sqlvar[0].sqldata = buf.data();
        out->sqlvar[0].sqlind = &ind;
        isc_dsql_execute(st.v, &tr, &h, 1, nullptr);
        st.verificar("execute");
        while (isc_dsql_fetch(st.v, &h, 1, out) == 0) {
            const XSQLVAR &v = out->sqlvar[0];
            std::string t;
            if ((v.sqltype & ~1) == SQL_VARYING)
                t.assign(buf.data() + 2, size_t(*reinterpret_cast<short *>(buf.data())));
            else
                t.assign(buf.data(), size_t(v.sqllen));
            while (!t.empty() && t.back() == ' ')
                t.pop_back();
            r.push_back(t);
        }
        isc_dsql_free_statement(st.v, &h, DSQL_drop);
        std::free(out);
        return r;
    }

    Status st;
    isc_db_handle db = 0;
    isc_tr_handle tr = 0;

private:
    long m_linhas = 0;
};

Comando::Comando(Banco &b, const std::string &sql) : m_b(b), m_sql(sql)
{
    isc_dsql_allocate_statement(b.st.v, &b.db, &m_h);
    isc_dsql_prepare(b.st.v, &b.tr, &m_h, 0, sql.c_str(), 3, nullptr);
    b.st.verificar(sql.c_str());
    m_in = static_cast<XSQLDA *>(std::calloc(1, XSQLDA_LENGTH(1)));
    m_in->version = SQLDA_VERSION1;
    m_in->sqln = 1;
    isc_dsql_describe_bind(b.st.v, &m_h, 1, m_in);
    b.st.verificar("describe_bind");
    const int n = m_in->sqld;
    std::free(m_in);
    m_in = static_cast<XSQLDA *>(std::calloc(1, XSQLDA_LENGTH(std::max(n, 1))));
    m_in->version = SQLDA_VERSION1;
    m_in->sqln = short(std::max(n, 1));
    isc_dsql_describe_bind(b.st.v, &m_h, 1, m_in);
    b.st.verificar("describe_bind");
    m_p.resize(size_t(n));
    for (int i = 0; i < n; ++i) {
        m_in->sqlvar[i].sqlind = &m_p[size_t(i)].nulo;
        nulo(i);
    }
}

Comando::~Comando()
{
    isc_dsql_free_statement(m_b.st.v, &m_h, DSQL_drop);
    std::free(m_in);
}

void Comando::executar()
{
    isc_dsql_execute(m_b.st.v, &m_b.tr, &m_h, 1, m_in);
    m_b.st.verificar(m_sql.c_str());
    m_b.talvezConfirmar();
}

// ------------------------------------------------------------ the hotel

const char *const kNomes[] = {
    "MARIA", "JOSÉ", "ANA", "JOÃO", "ANTÔNIO", "FRANCISCO", "CARLOS", "PAULO", "PEDRO", "LUCAS",
    "LUIZ", "MARCOS", "LUÍS", "GABRIEL", "RAFAEL", "FRANCISCA", "DANIEL", "MARCELO", "BRUNO", "EDUARDO",
    "FELIPE", "RAIMUNDO", "RODRIGO", "MANOEL", "MATEUS", "ANDRÉ", "FERNANDO", "FÁBIO", "LEONARDO", "GUSTAVO",
    "ADRIANA", "JULIANA", "MÁRCIA", "FERNANDA", "PATRÍCIA", "ALINE", "SANDRA", "CAMILA", "AMANDA", "BRUNA",
    "JÉSSICA", "LETÍCIA", "JÚLIA", "LUCIANA", "VANESSA", "MARIANA", "GABRIELA", "VERA", "VITÓRIA", "LARISSA"};
const char *const kSobrenomes[] = {
    "SILVA", "SANTOS", "OLIVEIRA", "SOUZA", "RODRIGUES", "FERREIRA", "ALVES", "PEREIRA", "LIMA", "GOMES",
    "COSTA", "RIBEIRO", "MARTINS", "CARVALHO", "ALMEIDA", "LOPES", "SOARES", "FERNANDES", "VIEIRA", "BARBOSA",
    "ROCHA", "DIAS", "NASCIMENTO", "ANDRADE", "MOREIRA", "NUNES", "MARQUES", "MACHADO", "MENDES", "FREITAS",
    "CARDOSO", "RAMOS", "GONÇALVES", "SANTANA", "TEIXEIRA", "D'ÁVILA", "ARAÚJO", "CASTRO", "PINTO", "CAMPOS",
    "CORREIA", "MONTEIRO", "MOURA", "CAVALCANTI", "BATISTA", "FONSECA", "REIS", "MEDEIROS", "PIRES", "BRAGA",
    "QUEIRÓS", "AZEVEDO", "TAVARES", "FARIAS", "SALES", "BEZERRA", "MIRANDA", "ROSA", "BRITO", "PRADO"};
const char *const kCidades[][2] = {
    {"BELO HORIZONTE", "MG"}, {"SÃO PAULO", "SP"}, {"RIO DE JANEIRO", "RJ"}, {"CURITIBA", "PR"},
    {"PORTO ALEGRE", "RS"},   {"SALVADOR", "BA"},  {"RECIFE", "PE"},         {"FORTALEZA", "CE"},
    {"GOIÂNIA", "GO"},        {"BRASÍLIA", "DF"},  {"OURO PRETO", "MG"},     {"CAMPINAS", "SP"},
    {"VITÓRIA", "ES"},        {"FLORIANÓPOLIS", "SC"}, {"NATAL", "RN"},      {"MANAUS", "AM"}};
const char *const kTipos[][2] = {{"STANDARD", "STD"},        {"STANDARD DUPLO", "STD2"}, {"LUXO", "LX"},
                                 {"LUXO DUPLO", "LX2"},      {"SUÍTE", "ST"},            {"SUÍTE MASTER", "STM"},
                                 {"FAMÍLIA", "FAM"},         {"EXECUTIVO", "EXEC"},      {"PRESIDENCIAL", "PRES"},
                                 {"CHALÉ", "CHL"},           {"TRIPLO", "TRP"},          {"QUÁDRUPLO", "QDP"}};
const char *const kRecepcionistas[] = {"ANA", "BRUNO", "CARLA", "DIEGO", "ELISA", "FABIO", "GISELE", "HUGO"};
const char *const kModelos[] = {"GOL", "ONIX", "HB20", "CIVIC", "COROLLA", "PALIO", "UNO", "KA", "CRUZE", "SANDERO",
                                "STRADA", "TORO", "HILUX", "RENEGADE", "KWID"};


struct Escala {
    int quartos = 500;
    int clientes = 100000;
    int reservas = 20000;
    int logs = 1000000;
    int abertas = 300;
    int dias = 1826; // five years
    int despesas = 100000;      // single-item counter sales
    int despesasVarias = 20000; // several-item counter sales
    int fornecedores = 200;
    int cheques = 100000;
    int mesas = 300;
    int pedidos = 50000; // restaurant order lines
    int funcionarios = 1000;             // some of them buy at the counter (pay deductions)
    int lancamentosFuncionarios = 50000; // the employees' book of credits and discounts
    int diasPonto = 62;                  // days of time-clock rows
    int historicoItens = 100000; // additions and withdrawals of the stock items
    int notasFiscais = 10000;    // closed stays marked for an invoice
};

std::string numeroTexto(std::int64_t n, int largura)
{
    std::string s = std::to_string(n);
    while (int(s.size()) < largura)
        s.insert(s.begin(), '0');
    return s;
}

int digitoModulo11(const std::string &digitos, int pesoInicial, bool cnpj)
{
    int soma = 0, peso = pesoInicial;
    for (char c : digitos) {
        soma += (c - '0') * peso;
        --peso;
        if (cnpj && peso < 2)
            peso = 9;
    }
    const int r = soma % 11;
    return r < 2 ? 0 : 11 - r;
}

std::string cpf(std::int64_t base9)
{
    std::string d = numeroTexto(base9, 9);
    d += char('0' + digitoModulo11(d, 10, false));
    d += char('0' + digitoModulo11(d, 11, false));
    return d.substr(0, 3) + "." + d.substr(3, 3) + "." + d.substr(6, 3) + "-" + d.substr(9, 2);
}

std::string cnpj(std::int64_t base8)
{
    std::string d = numeroTexto(base8, 8) + "0001";
    d += char('0' + digitoModulo11(d, 5, true));
    d += char('0' + digitoModulo11(d, 6, true));
    return d.substr(0, 2) + "." + d.substr(2, 3) + "." + d.substr(5, 3) + "/" + d.substr(8, 4) + "-" + d.substr(12, 2);
}

std::string somenteDigitos(const std::string &s)
{
    std::string r;
    for (char c : s)
        if (c >= '0' && c <= '9')
            r += c;
    return r;
}

struct Produto {
    int id;
    std::int64_t valor; // cents
    int pdv;
};

struct Estadia {
    int id = 0;
    int uh = 0; // index 0..
    QDate entrada, saida; // saida: departure (expected while open)
    bool aberta = false;
    int cliente = 0;
    int adultos = 1;
    std::int64_t diaria = 0;
    int reserva = 0;
    int entradaSeg = 0;
};

struct Reserva {
    int id = 0;
    int uh = 0;
    QDate entrada, saida; // both days included
    int cliente = 0;
    char situacao = 'P'; // P pending, C confirmed, X deleted
    int estadia = -1;    // index into the stays (confirmed)
};

class Gerador {
public:
    Gerador(Banco &b, std::uint64_t semente, const QDate &hoje, const Escala &e)
        : m_b(b), m_s(semente), m_hoje(hoje), m_inicio(hoje.addDays(-e.dias)), m_e(e)
    {
    }

    void rodar()
    {
        etapa("usuários, tipos, UHs e produtos", [&] { cadastros(); });
        etapa("clientes", [&] { clientes(); });
        etapa("funcionários e seus lançamentos", [&] { funcionarios(); });
        etapa("estadias e reservas (planejamento)", [&] { planejar(); });
        etapa("reservas", [&] { gravarReservas(); });
        etapa("estadias, hóspedes, veículos, diárias e consumo", [&] { gravarEstadias(); });
        etapa("estadias com nota fiscal", [&] { notasFiscais(); });
        etapa("caixa: turnos, retiradas e adições", [&] { caixa(); });
        etapa("diárias postadas (ATUALIZACAO)", [&] { atualizacoes(); });
        etapa("restaurante: mesas, aberturas e pedidos", [&] { restaurante(); });
        etapa("log", [&] { logs(); });
        etapa("fornecedores e cheques", [&] { cheques(); });
        // After the others, so that the rows before it stay those of the same seed.
        etapa("funcionários e despesas avulsas", [&] { despesasAvulsas(); });
        etapa("folhas geradas e escalas de trabalho", [&] { folhasEEscalas(); });
        etapa("livro de ponto", [&] { pontos(); });
        etapa("geradores", [&] { geradores(); });
    }

    void resumo() const
    {
        std::printf("UHs %d, clientes %d, estadias %zu (abertas %d), hóspedes %ld, veículos %ld, diárias %ld, "
                    "consumo %ld, notas %ld, reservas %zu (dias reservados %ld), turnos de caixa %ld, log %d, "
                    "mesas %d, aberturas de mesa %ld, pedidos %ld, funcionários %d (lançamentos %ld)\n",
                    m_e.quartos, m_e.clientes, m_estadias.size(), m_abertas, m_hospedes, m_veiculos, m_noites,
                    m_consumos, m_idNota, m_reservas.size(), m_diasReservados, m_turnos, m_e.logs, m_e.mesas,
                    m_idAbertura, m_pedidos, m_e.funcionarios, m_idPagFunc);
    }

private:
    template <class F>
    void etapa(const char *nome, F &&f)
    {
        const auto t0 = std::chrono::steady_clock::now();
        m_b.iniciar();
        f();
        m_b.confirmar();
        std::printf("  %-52s %6.1f s\n", nome,
                    std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count());
        std::fflush(stdout);
    }

    const char *recepcionista() { return kRecepcionistas[m_s.ate(8)]; }
    int segundosDoDia(int de, int ate) { return m_s.entre(de * 3600, ate * 3600 - 1); }

    // ---------------------------------------------------------------- master rows

    void cadastros()
    {
        Comando usu(m_b, "INSERT INTO USUARIO (ID_USUARIO, LOGIN, SENHA, INCLUI, ALTERA, EXCLUI, CONSULTA, IMPRIME, "
                         "MOVIMENTOS) VALUES (?, ?, '1', 'S', 'S', 'S', 'S', 'S', ?)");
        for (int i = 0; i < 8; ++i)
            usu.inteiro(0, 2 + i).texto(1, kRecepcionistas[i]).texto(2, i < 2 ? "S" : "N").executar();

        Comando tipo(m_b, "INSERT INTO TIPO_UH (ID_TIPO_UH, DESCRICAO, ABREV, P1, P2, P3, P4, P1MIN, P2MIN, P3MIN, "
                          "P4MIN) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)");
        for (int t = 0; t < 12; ++t) {
            const std::int64_t p1 = 12000 + t * 3500;
            m_tarifas[size_t(t)] = {p1, p1 + 4000, p1 + 7000, p1 + 9000};
            tipo.inteiro(0, t + 1).texto(1, kTipos[t][0]).texto(2, kTipos[t][1]);
            for (int k = 0; k < 4; ++k)
                tipo.dinheiro(3 + k, m_tarifas[size_t(t)][size_t(k)])
                    .dinheiro(7 + k, m_tarifas[size_t(t)][size_t(k)] * 8 / 10);
            tipo.executar();
        }

        // Rooms: floors of 25, numbered 101.., the type by position.
        m_tipoUH.resize(size_t(m_e.quartos));
        for (int r = 0; r < m_e.quartos; ++r)
            m_tipoUH[size_t(r)] = (r * 5 + r / 25) % 12;
        // (state written after the plan: see gravarEstadias)

        // Points of sale and products.
        Comando pdv(m_b, "INSERT INTO PDV (ID_PDV, DESCRICAO, ABREV, TAXA) VALUES (?, ?, ?, ?)");
        const char *const pdvs[][2] = {{"RESTAURANTE", "REST"}, {"FRIGOBAR", "FRIG"}, {"LAVANDERIA", "LAV"},
                                       {"BAR DA PISCINA", "BAR"}};
        for (int i = 0; i < 4; ++i)
            pdv.inteiro(0, 2 + i).texto(1, pdvs[i][0]).texto(2, pdvs[i][1]).dinheiro(3, i == 0 ? 1000 : 0).executar();
        Comando ps(m_b, "INSERT INTO PRODUTOS_SERVICOS (ID_P_S, ID_PDV, DESCRICAO, VALOR, ESTOQUE, MINIMO, "
                        "ULTIMA_COMPRA, FAB_PROPRIA, DIARIA, SIT_TRIBUT, CODIGO_BARRAS, CST, NCM, CEST, EXCLUIDO) "
                        "VALUES (?, ?, ?, ?, ?, ?, ?, ?, 'N', ?, ?, '0', '0', '0', ?)");
        const char *const itens[] = {"ÁGUA MINERAL", "REFRIGERANTE", "CERVEJA", "SUCO", "CAFÉ", "CHÁ", "CHOCOLATE",
                                     "AMENDOIM", "BATATA FRITA", "SANDUÍCHE", "PRATO EXECUTIVO", "SOPA", "SALADA",
                                     "VINHO", "ESPUMANTE", "LAVAGEM CAMISA", "LAVAGEM CALÇA", "PASSADORIA",
                                     "ISOTÔNICO", "ENERGÉTICO"};
        const char *const tamanhos[] = {"PEQ", "MÉDIO", "GRANDE", "LATA", "GARRAFA", "DOSE", "ESPECIAL", "LIGHT"};
        int id = 2;
        for (int i = 0; i < 20; ++i)
            for (int k = 0; k < 8; ++k, ++id) {
                const bool feitoAqui = i >= 9 && i <= 12;
                const int ponto = i >= 15 && i <= 17 ? 4 : i >= 9 && i <= 14 ? 2 : 3;
                const std::int64_t valor = 300 + (i * 7 + k * 3) % 40 * 150;
                m_produtos.push_back({id, valor, ponto});
                ps.inteiro(0, id)
                    .inteiro(1, ponto)
                    .texto(2, std::string(itens[i]) + " " + tamanhos[k])
                    .dinheiro(3, valor)
                    .inteiro(4, feitoAqui ? 0 : m_s.entre(0, 400))
                    .inteiro(5, feitoAqui ? 0 : 10)
                    .data(6, m_hoje.addDays(-m_s.entre(1, 60)))
                    .texto(7, feitoAqui ? "S" : "N")
                    .texto(8, "FF")
                    .texto(10, k == 7 && i % 5 == 0 ? "S" : "N");
                if (feitoAqui)
                    ps.nulo(9);
                else
                    ps.texto(9, "789" + numeroTexto(100000 + id * 37, 10));
                ps.executar();
            }
        m_b.imediato("SET GENERATOR GEN_ID_PDV TO 5");

        Comando item(m_b, "INSERT INTO ITEM (ID_ITEM, DESCRICAO, ESTOQUE, VALOR, AVISAR, ULTIMA_MOVIMENTACAO) "
                          "VALUES (?, ?, ?, ?, ?, ?)");
        Comando hist(m_b, "INSERT INTO ITEM_HISTORICO (ID_ITEM_HISTORICO, ID_ITEM, TIPO, QTD, DESCRICAO, USUARIO, "
                          "DATA) VALUES (?, ?, ?, ?, ?, ?, ?)");
        const char *const estoque[] = {"TOALHA DE BANHO", "TOALHA DE ROSTO", "LENÇOL CASAL", "LENÇOL SOLTEIRO",
                                       "FRONHA", "TRAVESSEIRO", "COBERTOR", "ROUPÃO", "CONTROLE REMOTO", "SECADOR",
                                       "FERRO DE PASSAR", "TAPETE", "CABIDE", "COPO", "TAÇA", "SABONETE",
                                       "XAMPU", "CONDICIONADOR", "CHINELO", "MANTA"};
        int h = 1;
        for (int i = 0; i < 20; ++i) {
            item.inteiro(0, i + 1)
                .texto(1, estoque[i])
                .inteiro(2, m_s.entre(50, 1500))
                .dinheiro(3, m_s.entre(200, 15000))
                .inteiro(4, 20)
                .data(5, m_hoje.addDays(-m_s.entre(1, 30)))
                .executar();
            const int porItem = std::max(1, m_e.historicoItens / 20);
            for (int k = 0; k < porItem; ++k, ++h)
                hist.inteiro(0, h)
                    .inteiro(1, i + 1)
                    .texto(2, k % 3 ? "-" : "+")
                    .inteiro(3, m_s.entre(1, 50))
                    .texto(4, k % 3 ? "REPOSIÇÃO DAS UHS" : "COMPRA")
                    .texto(5, recepcionista())
                    .data(6, m_inicio.addDays(int(std::int64_t(k) * m_e.dias / porItem)))
                    .executar();
        }
        m_itensHistorico = h - 1;
        // The standard contents of each type: four stock items, three minibar products.
        Comando pItem(m_b, "INSERT INTO PADRAO_ITEM (ID_PADRAO_ITEM, ID_TIPO_UH, ID_ITEM, QTD) VALUES (?, ?, ?, ?)");
        Comando pPs(m_b, "INSERT INTO PADRAO_PS (ID_PADRAO_PS, ID_TIPO_UH, ID_P_S, VALOR, QTD) VALUES (?, ?, ?, ?, ?)");
        for (int t = 0; t < 12; ++t) {
            for (int k = 0; k < 4; ++k)
                pItem.inteiro(0, t * 4 + k + 1).inteiro(1, t + 1).inteiro(2, (t + k * 3) % 20 + 1).inteiro(3, 2).executar();
            for (int k = 0; k < 3; ++k) {
                const Produto &p = m_produtos[size_t(k * 8 + t % 8)];
                pPs.inteiro(0, t * 3 + k + 1).inteiro(1, t + 1).inteiro(2, p.id).dinheiro(3, p.valor).inteiro(4, 2).executar();
                m_padraoPs[size_t(t)][size_t(k)] = p;
            }
        }
    }

    // Employees (one in twenty deleted) and their book: the monthly salary
    // and contribution rows and counter-sale discounts, paid up to last
    // month, a few left open past their due date, a few deleted.
    void funcionarios()
    {
        Comando f(m_b, "INSERT INTO FUNCIONARIO (ID_FUNCIONARIO, NOME, CPF, RG, CTPS, SERIE, ENDERECO, BAIRRO, CIDADE, "
                       "ESTADO, FONE, NASCIMENTO, SALARIO_BASE, INSS, NOME_CRACHA, FUNCAO, CAMAREIRA, FOTO, "
                       "SOLICITA_PONTO, TURNO_1_ENT, TURNO_1_SAI, TURNO_2_ENT, TURNO_2_SAI, CARGA_HORARIA_DIA) "
                       "VALUES (?, ?, ?, ?, ?, '1', ?, 'CENTRO', ?, ?, ?, ?, ?, ?, ?, ?, ?, '', ?, ?, ?, ?, ?, ?)");
        Comando anul(m_b, "INSERT INTO ANULACAO (ID_ANULACAO, ID_FUNCIONARIO) VALUES (?, ?)");
        const char *const funcoes[] = {"RECEPCIONISTA", "CAMAREIRA", "COZINHEIRO", "GARCOM", "MANUTENCAO", "GERENTE"};
        for (int i = 0; i < m_e.funcionarios; ++i) {
            const int a = i % 50, b = (i / 50) % 60;
            const std::string nome = std::string(kNomes[a]) + " " + kSobrenomes[b] + " " + kSobrenomes[(i * 7) % 60];
            const auto &cidade = kCidades[i % 16];
            const int funcao = m_s.ate(6);
            const bool ponto = !m_s.chance(20);
            m_batePonto.push_back(ponto && i % 20 != 13);
            f.inteiro(0, i + 1)
                .texto(1, nome)
                .texto(2, cpf((std::int64_t(i) * 104729 + 987654321) % 1000000000))
                .texto(3, "MG-" + numeroTexto(m_s.ate(99999999), 8))
                .texto(4, numeroTexto(m_s.ate(9999999), 7))
                .texto(5, "RUA " + std::string(kSobrenomes[(a + b) % 60]))
                .texto(6, cidade[0])
                .texto(7, cidade[1])
                .texto(8, "(31)3" + numeroTexto(m_s.ate(999), 3) + "-" + numeroTexto(m_s.ate(9999), 4))
                .data(9, QDate(1960, 1, 1).addDays(m_s.ate(365 * 40)))
                .dinheiro(10, m_salarios.emplace_back(141200 + std::int64_t(m_s.ate(40)) * 10000))
                .dinheiro(11, m_taxasInss.emplace_back(750 + std::int64_t(m_s.ate(3)) * 150))
                .texto(12, std::string(kNomes[a]).substr(0, 16))
                .texto(13, funcoes[funcao])
                .texto(14, funcao == 1 ? "S" : "N")
                .texto(15, ponto ? "S" : "N")
                .hora(16, ponto ? 7 * 3600 : 0)
                .hora(17, ponto ? 11 * 3600 : 0)
                .hora(18, ponto ? 13 * 3600 : 0)
                .hora(19, ponto ? 17 * 3600 : 0)
                .hora(20, ponto ? 8 * 3600 : 0)
                .executar();
            if (i % 20 == 13)
                anul.inteiro(0, ++m_idAnulacao).inteiro(1, i + 1).executar();
        }
        Comando l(m_b, "INSERT INTO FUNCIONARIO_PAGAMENTO (COD_GERAL_F_P, ID_FUNCIONARIO_PAGAMENTO, DATA_VENC, TIPO, "
                       "DESCRICAO, VALOR, DATA_PAG, EXCLUIDO) VALUES (?, ?, ?, ?, ?, ?, ?, ?)");
        const int porFuncionario = std::max(1, m_e.lancamentosFuncionarios / std::max(1, m_e.funcionarios));
        long id = 0;
        for (int i = 0; i < m_e.funcionarios && id < m_e.lancamentosFuncionarios; ++i) {
            for (int k = 0; k < porFuncionario && id < m_e.lancamentosFuncionarios; ++k) {
                // two entries a month, from two years back up to next month
                const QDate venc = QDate(m_hoje.year(), m_hoje.month(), 5).addMonths(1 - (porFuncionario - 1 - k) / 2);
                const bool salario = k % 2 == 0;
                const bool venda = !salario && m_s.chance(30);
                const bool aberto = venc >= m_hoje.addDays(-1) || m_s.chance(1);
                l.inteiro(0, ++id)
                    .inteiro(1, i + 1)
                    .data(2, venda ? venc.addDays(-m_s.ate(25)) : venc)
                    .texto(3, salario ? "+" : "-")
                    .texto(4, salario ? "SALARIO " + venc.toString(QStringLiteral("MM/yyyy")).toStdString()
                                      : venda ? "Despesa Avulsa Cód. " + std::to_string(id) + " - REFRIGERANTE"
                                              : "INSS " + venc.toString(QStringLiteral("MM/yyyy")).toStdString())
                    .dinheiro(5, salario ? 150000 + std::int64_t(m_s.ate(20)) * 5000 : 1000 + m_s.ate(12000));
                if (aberto)
                    l.nulo(6);
                else
                    l.data(6, venc);
                l.texto(7, m_s.chance(2) ? "S" : "N").executar();
            }
        }
        m_lancamentosFunc = id;
    }

    // The time clock of the employees who punch it (turns 07-11 and 13-17 on
    // weekdays): the punched rows of the last two months, mostly near the
    // expected time, some late or early, now and then a missed day closed by
    // the system or an excused one; today the morning entries are punched and
    // the rest of the day is open.
    void pontos()
    {
        Comando c(m_b, "INSERT INTO PONTO (ID_PONTO, ID_FUNCIONARIO, DATA_DEFINIDA, HORA_DEFINIDA, TIPO, DATA, HORA, "
                       "OBS, USUARIO, MARCACAO_AUTO, ABONADO) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)");
        const int turnos[4] = {7 * 3600, 11 * 3600, 13 * 3600, 17 * 3600};
        for (int dias = m_e.diasPonto - 1; dias >= 0; --dias) {
            const QDate d = m_hoje.addDays(-dias);
            if (d.dayOfWeek() > 5)
                continue;
            for (size_t f = 0; f < m_batePonto.size(); ++f) {
                if (!m_batePonto[f])
                    continue;
                const bool falta = dias > 0 && m_s.chance(3);
                const bool abonada = falta && m_s.chance(30);
                for (int k = 0; k < 4; ++k) {
                    c.inteiro(0, ++m_idPonto)
                        .texto(1, std::to_string(f + 1))
                        .data(2, d)
                        .hora(3, turnos[k])
                        .texto(4, k % 2 == 0 ? "E" : "S");
                    if (dias == 0 && k > 0) {
                        for (int n = 5; n <= 10; ++n)
                            c.nulo(n);
                    } else if (falta) {
                        c.data(5, d).hora(6, turnos[k]).texto(7, abonada ? "FÉRIAS" : "MARCAÇÃO NÃO EFETUADA - (FALTA)")
                            .texto(8, "ADMIN").texto(9, "S");
                        c.texto(10, abonada ? "S" : "N");
                    } else {
                        // minutes off the expected time: mostly a few, one in ten late
                        const int desvio = m_s.chance(10) ? m_s.entre(6 * 60, 40 * 60) : m_s.entre(-8 * 60, 4 * 60);
                        c.data(5, d).hora(6, turnos[k] + desvio).nulo(7).texto(8, recepcionista()).texto(9, "N")
                            .texto(10, "N");
                    }
                    c.executar();
                    m_b.talvezConfirmar();
                }
            }
        }
    }

    void clientes()
    {
        Comando c(m_b, "INSERT INTO CLIENTE (ID_CLIENTE, TIPO_PESSOA, CNPJ_CPF, RG_INSC_EST, NOME, CONTATO, ENDERECO, "
                       "NUMERO, BAIRRO, CIDADE, ESTADO, CEP, FONE_1, DATA_NASC, EMAIL, VALOR_MIN, EXCLUIDO, "
                       "DATA_CADASTRO, USUARIO) VALUES (?, ?, ?, ?, ?, '', ?, ?, 'CENTRO', ?, ?, ?, ?, ?, ?, 0, ?, ?, ?)");
        m_nomesClientes.resize(size_t(m_e.clientes));
        int invalidos = 0;
        for (int i = 0; i < m_e.clientes; ++i) {
            const bool empresa = i % 7 == 3;
            const int a = i % 50, b = (i / 50) % 60, d = (i / 3000) % 60;
            std::string nome, doc;
            if (empresa) {
                nome = std::string(kSobrenomes[b]) + " " + kSobrenomes[d] + " TURISMO E EVENTOS " + std::to_string(i) + " LTDA";
                doc = cnpj((std::int64_t(i) * 7919 + 1234567) % 100000000);
                if (!Valida_CNPJ(QString::fromStdString(somenteDigitos(doc))))
                    ++invalidos;
            } else {
                nome = std::string(kNomes[a]) + " " + kSobrenomes[b] + " " + kSobrenomes[d];
                if (i >= 50 * 60 * 60)
                    nome += " " + std::string(kSobrenomes[(i / 180000 + a) % 60]);
                doc = cpf((std::int64_t(i) * 7919 + 12345678) % 1000000000);
                if (!Valida_CPF(QString::fromStdString(somenteDigitos(doc))))
                    ++invalidos;
            }
            m_nomesClientes[size_t(i)] = nome;
            const auto &cidade = kCidades[i % 16];
            const QDate nasc = QDate(1940, 1, 1).addDays(m_s.ate(365 * 60));
            c.inteiro(0, i + 2)
                .texto(1, empresa ? "J" : "F")
                .texto(2, doc)
                .texto(3, empresa ? "ISENTO" : numeroTexto(m_s.ate(99999999), 8))
                .texto(4, nome)
                .texto(5, "RUA " + std::string(kSobrenomes[(a + d) % 60]))
                .texto(6, std::to_string(m_s.entre(1, 3000)))
                .texto(7, cidade[0])
                .texto(8, cidade[1])
                .texto(9, numeroTexto(m_s.ate(99999), 5) + "-" + numeroTexto(m_s.ate(999), 3))
                .texto(10, "(" + numeroTexto(11 + i % 80, 2) + ")9" + numeroTexto(m_s.ate(9999), 4) + "-" +
                               numeroTexto(m_s.ate(9999), 4))
                .data(11, nasc)
                .texto(12, "cliente" + std::to_string(i) + "@exemplo.com.br")
                .texto(13, i % 997 == 5 ? "R" : i % 1999 == 7 ? "S" : "N")
                .data(14, m_inicio.addDays(int(std::int64_t(i) * m_e.dias / m_e.clientes)))
                .texto(15, recepcionista())
                .executar();
        }
        if (invalidos)
            std::printf("  atenção: %d documentos inválidos\n", invalidos);
    }

    // A customer for a stay: a third of the stays come from the regulars.
    int sortearCliente()
    {
        if (m_s.chance(33))
            return 2 + m_s.ate(std::min(5000, m_e.clientes));
        return 2 + m_s.ate(m_e.clientes);
    }

    // ---------------------------------------------------------------- the plan

    void planejar()
    {
        const QDate ontem = m_hoje.addDays(-1);
        // Rooms with an open stay today.
        std::vector<int> ordem(size_t(m_e.quartos));
        for (int r = 0; r < m_e.quartos; ++r)
            ordem[size_t(r)] = r;
        for (int r = m_e.quartos - 1; r > 0; --r)
            std::swap(ordem[size_t(r)], ordem[size_t(m_s.ate(r + 1))]);
        std::vector<char> aberta(size_t(m_e.quartos), 0);
        for (int k = 0; k < std::min(m_e.abertas, m_e.quartos); ++k)
            aberta[size_t(ordem[size_t(k)])] = 1;
        // A few free rooms in maintenance, some reserved for today.
        m_situacao.assign(size_t(m_e.quartos), 'L');
        int manutencao = 0, reservadasHoje = 0;
        for (int k = m_e.abertas; k < m_e.quartos; ++k) {
            const int r = ordem[size_t(k)];
            if (manutencao < 5) {
                m_situacao[size_t(r)] = 'M';
                ++manutencao;
            } else if (reservadasHoje < 40) {
                m_situacao[size_t(r)] = 'R';
                ++reservadasHoje;
            }
        }

        std::vector<Estadia> todas;
        std::vector<QDate> livreDesde(size_t(m_e.quartos));
        for (int r = 0; r < m_e.quartos; ++r) {
            QDate t = m_inicio.addDays(m_s.ate(6));
            std::vector<Estadia> doQuarto;
            for (;;) {
                const int noites = 1 + m_s.ate(4) + (m_s.chance(10) ? m_s.ate(10) : 0);
                if (t.addDays(noites) > ontem)
                    break;
                Estadia e;
                e.uh = r;
                e.entrada = t;
                e.saida = t.addDays(noites);
                doQuarto.push_back(e);
                t = e.saida.addDays(m_s.ate(7));
            }
            QDate fim = doQuarto.empty() ? m_inicio : doQuarto.back().saida;
            if (aberta[size_t(r)]) {
                const QDate chegada = m_hoje.addDays(-m_s.entre(1, 12));
                while (!doQuarto.empty() && doQuarto.back().saida > chegada)
                    doQuarto.pop_back();
                Estadia e;
                e.uh = r;
                e.entrada = chegada;
                e.saida = m_hoje.addDays(m_s.ate(6));
                e.aberta = true;
                doQuarto.push_back(e);
                fim = e.saida;
            }
            livreDesde[size_t(r)] = fim;
            todas.insert(todas.end(), doQuarto.begin(), doQuarto.end());
        }
        for (Estadia &e : todas) {
            e.cliente = sortearCliente();
            const int tipo = m_tipoUH[size_t(e.uh)];
            e.adultos = 1 + m_s.ate(tipo >= 10 ? 4 : 2);
            e.diaria = m_tarifas[size_t(tipo)][size_t(std::min(e.adultos, 4) - 1)];
            if (m_s.chance(20))
                e.diaria = e.diaria * 9 / 10;
            e.entradaSeg = segundosDoDia(11, 22);
        }
        // Keys in order of arrival, as the front desk would have made them.
        std::stable_sort(todas.begin(), todas.end(), [](const Estadia &a, const Estadia &b) {
            return a.entrada < b.entrada || (a.entrada == b.entrada && a.entradaSeg < b.entradaSeg);
        });
        for (size_t i = 0; i < todas.size(); ++i)
            todas[i].id = int(i + 1);
        m_estadias = std::move(todas);

        // Reservations: pending ones ahead of every room (after its open
        // stay's departure); confirmed ones behind a share of the past stays;
        // some deleted ones.
        std::vector<Reserva> reservas;
        const int pendentesPorQuarto = 4;
        for (int r = 0; r < m_e.quartos; ++r) {
            QDate t = std::max(m_hoje, livreDesde[size_t(r)].addDays(1));
            if (m_situacao[size_t(r)] == 'R')
                t = m_hoje;
            else if (m_situacao[size_t(r)] != 'M')
                t = t.addDays(1 + m_s.ate(10));
            else
                t = t.addDays(15);
            for (int k = 0; k < pendentesPorQuarto; ++k) {
                Reserva v;
                v.uh = r;
                v.entrada = t;
                v.saida = t.addDays(m_s.ate(5));
                v.cliente = sortearCliente();
                reservas.push_back(v);
                t = v.saida.addDays(1 + m_s.ate(25));
            }
        }
        const int excluidas = std::max(0, m_e.reservas / 40);
        const int confirmadas = std::max(0, m_e.reservas - int(reservas.size()) - excluidas);
        const int fechadas = int(m_estadias.size()) - m_e.abertas;
        for (int k = 0; k < confirmadas && fechadas > 0; ++k) {
            // Spread over the stays: one in every fechadas/confirmadas.
            const int i = int(std::int64_t(k) * fechadas / std::max(confirmadas, 1));
            Estadia &e = m_estadias[size_t(i)];
            if (e.aberta)
                continue;
            Reserva v;
            v.uh = e.uh;
            v.entrada = e.entrada;
            v.saida = e.saida.addDays(-1);
            v.cliente = e.cliente;
            v.situacao = 'C';
            v.estadia = i;
            reservas.push_back(v);
        }
        for (int k = 0; k < excluidas; ++k) {
            Reserva v;
            v.uh = m_s.ate(m_e.quartos);
            v.entrada = m_inicio.addDays(m_s.ate(m_e.dias));
            v.saida = v.entrada.addDays(m_s.ate(4));
            v.cliente = sortearCliente();
            v.situacao = 'X';
            reservas.push_back(v);
        }
        std::stable_sort(reservas.begin(), reservas.end(),
                         [](const Reserva &a, const Reserva &b) { return a.entrada < b.entrada; });
        for (size_t i = 0; i < reservas.size(); ++i) {
            reservas[i].id = int(i + 1);
            if (reservas[i].estadia >= 0)
                m_estadias[size_t(reservas[i].estadia)].reserva = reservas[i].id;
        }
        m_reservas = std::move(reservas);
    }

    void gravarReservas()
    {
        Comando r(m_b, "INSERT INTO RESERVA (ID_RESERVA, DATA_ENTRADA, HORA_ENTRADA, DATA_SAIDA, HORA_SAIDA, "
                       "ID_CLIENTE, ID_UH, QTD_PESSOAS, USUARIO, OBS, CONFIRMADA, EXCLUIDO) "
                       "VALUES (?, ?, '14:00:00', ?, '12:00:00', ?, ?, ?, ?, ?, ?, ?)");
        Comando dia(m_b, "INSERT INTO RESERVA_UH (ID_RESERVA, DATA_ENTRADA, ID_UH) VALUES (?, ?, ?)");
        for (const Reserva &v : m_reservas) {
            r.inteiro(0, v.id)
                .data(1, v.entrada)
                .data(2, v.saida)
                .inteiro(3, v.cliente)
                .inteiro(4, v.uh + 1)
                .inteiro(5, 1 + m_s.ate(3))
                .texto(6, recepcionista())
                .texto(7, m_s.chance(20) ? "CHEGADA PREVISTA À NOITE" : "")
                .texto(8, v.situacao == 'C' ? "S" : "N")
                .texto(9, v.situacao == 'X' ? "S" : "N")
                .executar();
            if (v.situacao == 'P')
                for (QDate d = v.entrada; d <= v.saida; d = d.addDays(1), ++m_diasReservados)
                    dia.inteiro(0, v.id).data(1, d).inteiro(2, v.uh + 1).executar();
        }
    }

    // Closed stays marked for an invoice, spread over the whole period.
    void notasFiscais()
    {
        const long fechadas = long(m_estadias.size()) - m_abertas;
        const long passo = std::max(1L, fechadas / std::max(1, m_e.notasFiscais));
        m_b.imediato("UPDATE WALK_IN SET NF = 'S' WHERE BAIXA = 'S' AND MOD(ID_WALK_IN, " + std::to_string(passo)
                     + ") = 0");
    }

    void gravarEstadias()
    {
        Comando uh(m_b, "INSERT INTO UH (ID_UH, ID_TIPO_UH, NUMERO, DESCRICAO, RAMAL, SITUACAO, MANUTENCAO, EXCLUIDO, "
                        "AUDITORIO) VALUES (?, ?, ?, ?, ?, ?, ?, 'N', 'N')");
        for (int r = 0; r < m_e.quartos; ++r) {
            const int numero = (r / 25 + 1) * 100 + r % 25 + 1;
            const char sit = m_situacao[size_t(r)];
            uh.inteiro(0, r + 1)
                .inteiro(1, m_tipoUH[size_t(r)] + 1)
                .texto(2, std::to_string(numero))
                .texto(3, std::string(kTipos[m_tipoUH[size_t(r)]][0]) + " " + std::to_string(numero))
                .texto(4, std::to_string(2000 + r))
                .texto(5, std::string(1, sit == 'R' || sit == 'M' ? sit : 'L'))
                .texto(6, sit == 'M' ? "REFORMA DO BANHEIRO" : "");
            uh.executar();
        }

        Comando w(m_b, "INSERT INTO WALK_IN (ID_WALK_IN, ID_RESERVA, DATA_ENTRADA, HORA_ENTRADA, DATA_SAIDA, "
                       "HORA_SAIDA, ID_CLIENTE, ID_UH, QTD_ADULTOS, VALOR_DIARIA, BAIXA, EXCLUIDO, OBS, DINHEIRO, "
                       "VISA, DEBVISA, MASTER, DEBMASTER, HIPER, CHEQUE, NOTA, ADIANTADO, DESCONTO, FORMA_PAG, "
                       "USUARIO_ENTRADA, USUARIO) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, 'N', ?, ?, ?, ?, ?, ?, "
                       "?, ?, ?, ?, 0, ?, ?, ?)");
        Comando hosp(m_b, "INSERT INTO HOSPEDE (ID_HOSPEDE, NOME, ID_ENTRADA, BAIXA) VALUES (?, ?, ?, ?)");
        Comando veic(m_b, "INSERT INTO VEICULO (ID_VEICULO, MODELO, PLACA, ID_ENTRADA, BAIXA) VALUES (?, ?, ?, ?, ?)");
        Comando noite(m_b, "INSERT INTO OCUPACAO (ID_OCUPACAO, ID_ENTRADA, DATA, VALOR, QTD) VALUES (?, ?, ?, ?, ?)");
        Comando desp(m_b, "INSERT INTO DESPESA_UH (ID_DESPESA_UH, ID_ENTRADA, ID_P_S, QTD, VALOR_UNIT, TAXA, COMANDA, "
                          "USUARIO, DATA, HORA, PAGO, FORMA_PAG, RESPONSAVEL, DIARIA) "
                          "VALUES (?, ?, ?, ?, ?, ?, 0, ?, ?, ?, ?, ?, ?, 'N')");
        Comando itemEnt(m_b, "INSERT INTO ITEM_ENTRADA (ID_ENTRADA, ID_ITEM, QTD) VALUES (?, ?, ?)");
        Comando psEnt(m_b, "INSERT INTO PS_ENTRADA (ID_ENTRADA, ID_P_S, QTD, VALOR) VALUES (?, ?, ?, ?)");
        Comando ocupar(m_b, "UPDATE UH SET SITUACAO = 'O' WHERE ID_UH = ?");
        Comando nota(m_b, "INSERT INTO NOTA (ID_NOTA, ID_ENTRADA, VALOR, PAGO, DATA_PAG, USUARIO, DINHEIRO, FORMAPAG) "
                          "VALUES (?, ?, ?, ?, ?, ?, ?, ?)");

        const char *const colunasMeio[] = {"DINHEIRO", "VISA", "DEBVISA", "MASTER", "DEBMASTER", "HIPER", "CHEQUE", "NOTA"};
        const char *const formas[] = {"Dinheiro", "Cartão de Crédito - Visa", "Cartão de Débito - Visa",
                                      "Cartão de Crédito - Mastercard", "Cartão de Débito - Mastercard",
                                      "Cartão de Crédito - Hipercard", "Pix / Cheque", "A Prazo"};
        (void)colunasMeio;
        const QDate ontem = m_hoje.addDays(-1);
        long idHosp = 0, idVeic = 0, idNoite = 0, idDesp = 0;
        for (const Estadia &e : m_estadias) {
            // The nights: every date from arrival to the day before departure;
            // an open stay has them up to the day before yesterday (the last
            // posting), and its arrival night.
            const QDate ultimaNoite = e.aberta ? std::max(e.entrada, ontem.addDays(-1)) : e.saida.addDays(-1);
            std::int64_t total = 0;
            for (QDate d = e.entrada; d <= ultimaNoite; d = d.addDays(1)) {
                noite.inteiro(0, ++idNoite).inteiro(1, e.id).data(2, d).dinheiro(3, e.diaria).inteiro(4, e.adultos).executar();
                total += e.diaria;
            }
            m_noites += long(e.entrada.daysTo(ultimaNoite) + 1);
            // Consumption: about three lines a night, within the stay.
            const int noites = int(e.entrada.daysTo(ultimaNoite)) + 1;
            const int linhas = noites * 3 + m_s.ate(3);
            std::int64_t pagoNaHora = 0;
            const std::string responsavel = m_nomesClientes[size_t(e.cliente - 2)];
            for (int k = 0; k < linhas; ++k) {
                const Produto &p = m_produtos[size_t(m_s.ate(int(m_produtos.size())))];
                const int qtd = 1 + (m_s.chance(25) ? m_s.ate(3) : 0);
                const bool pago = m_s.chance(5);
                const QDate dia = e.entrada.addDays(m_s.ate(noites));
                desp.inteiro(0, ++idDesp)
                    .inteiro(1, e.id)
                    .inteiro(2, p.id)
                    .inteiro(3, qtd)
                    .dinheiro(4, p.valor)
                    .dinheiro(5, p.pdv == 2 ? 1000 : 0)
                    .texto(6, recepcionista())
                    .data(7, dia)
                    .hora(8, segundosDoDia(7, 23))
                    .texto(9, pago ? "S" : "N")
                    .texto(10, pago ? "Dinheiro" : "")
                    .texto(11, responsavel)
                    .executar();
                const std::int64_t valor = p.valor * qtd * (p.pdv == 2 ? 110 : 100) / 100;
                if (pago)
                    pagoNaHora += valor;
                else
                    total += valor;
            }
            m_consumos += linhas;
            // Guests (the first one responsible) and vehicles.
            const int hospedes = std::min(e.adultos, 1 + m_s.ate(3));
            for (int k = 0; k < hospedes; ++k) {
                const std::string nome = k == 0 ? "=" + responsavel
                                                : std::string(kNomes[m_s.ate(50)]) + " " + kSobrenomes[m_s.ate(60)];
                hosp.inteiro(0, ++idHosp).texto(1, nome.substr(0, 90)).inteiro(2, e.id).texto(3, e.aberta ? "N" : "S").executar();
            }
            m_hospedes += hospedes;
            if (m_s.chance(35)) {
                const std::string placa = std::string(1, char('A' + m_s.ate(26))) + char('A' + m_s.ate(26)) +
                                          char('A' + m_s.ate(26)) + char('0' + m_s.ate(10)) + char('A' + m_s.ate(10)) +
                                          char('0' + m_s.ate(10)) + char('0' + m_s.ate(10));
                veic.inteiro(0, ++idVeic).texto(1, kModelos[m_s.ate(15)]).texto(2, placa).inteiro(3, e.id)
                    .texto(4, e.aberta ? "N" : "S").executar();
                ++m_veiculos;
            }
            // The stay: closed ones paid at departure in one or two means.
            std::array<std::int64_t, 8> meios{};
            meios[0] = pagoNaHora;
            std::int64_t adiantado = pagoNaHora;
            if (e.aberta) {
                if (m_s.chance(30)) {
                    meios[0] += e.diaria;
                    adiantado += e.diaria;
                }
            } else {
                const int m1 = m_s.chance(40) ? 0 : m_s.ate(8);
                if (m_s.chance(20)) {
                    const std::int64_t parte = total / 2;
                    meios[size_t(m1)] += parte;
                    meios[size_t(m_s.ate(7))] += total - parte;
                } else {
                    meios[size_t(m1)] += total;
                }
            }
            int mPrincipal = 0;
            for (int k = 1; k < 8; ++k)
                if (meios[size_t(k)] > meios[size_t(mPrincipal)])
                    mPrincipal = k;
            const char *usuEntrada = recepcionista();
            w.inteiro(0, e.id)
                .inteiro(1, e.reserva)
                .data(2, e.entrada)
                .hora(3, e.entradaSeg)
                .data(4, e.saida)
                .hora(5, e.aberta ? 12 * 3600 : segundosDoDia(8, 13))
                .inteiro(6, e.cliente)
                .inteiro(7, e.uh + 1)
                .inteiro(8, e.adultos)
                .dinheiro(9, e.diaria)
                .texto(10, e.aberta ? "N" : "S")
                .texto(11, m_s.chance(10) ? "HÓSPEDE PEDIU QUARTO SILENCIOSO" : "");
            for (int k = 0; k < 8; ++k)
                w.dinheiro(12 + k, meios[size_t(k)]);
            w.dinheiro(20, adiantado)
                .texto(21, e.aberta ? "" : formas[mPrincipal])
                .texto(22, usuEntrada);
            if (e.aberta)
                w.nulo(23);
            else
                w.texto(23, recepcionista());
            w.executar();
            // What was left on account is a bill, settled in cash some weeks
            // later unless the stay is recent.
            if (meios[7] > 0) {
                const bool paga = e.saida < m_hoje.addDays(-45);
                nota.inteiro(0, ++m_idNota).inteiro(1, e.id).dinheiro(2, meios[7]).texto(3, paga ? "S" : "N");
                if (paga)
                    nota.data(4, e.saida.addDays(m_s.entre(5, 40))).texto(5, recepcionista()).dinheiro(6, meios[7])
                        .texto(7, "Dinheiro");
                else
                    nota.nulo(4).nulo(5).dinheiro(6, 0).texto(7, "");
                nota.executar();
            }
            if (e.aberta) {
                ++m_abertas;
                ocupar.inteiro(0, e.uh + 1).executar();
                const int tipo = m_tipoUH[size_t(e.uh)];
                for (int k = 0; k < 4; ++k)
                    itemEnt.inteiro(0, e.id).inteiro(1, (tipo + k * 3) % 20 + 1).inteiro(2, 2).executar();
                for (const Produto &p : m_padraoPs[size_t(tipo)])
                    psEnt.inteiro(0, e.id).inteiro(1, p.id).inteiro(2, 2).dinheiro(3, p.valor).executar();
            }
        }
        m_idNoite = idNoite;
        m_idDesp = idDesp;
        m_idHosp = idHosp;
        m_idVeic = idVeic;
    }

    // The monthly payroll of the last twelve months as the generation writes
    // it (salary and contribution of every live employee, paid on the due
    // day), and the work schedules: a chain of twelve-hour periods each.
    void folhasEEscalas()
    {
        Comando pag(m_b, "INSERT INTO FUNCIONARIO_PAGAMENTO (COD_GERAL_F_P, ID_FUNCIONARIO_PAGAMENTO, DATA_VENC, "
                         "TIPO, DESCRICAO, VALOR, DATA_PAG, EXCLUIDO) VALUES (?, ?, ?, ?, ?, ?, ?, 'N')");
        for (int m = 12; m >= 1; --m) {
            const QDate venc = QDate(m_hoje.year(), m_hoje.month(), 5).addMonths(-m);
            for (int i = 0; i < m_e.funcionarios; ++i) {
                if (i % 20 == 13)
                    continue; // deleted
                const std::int64_t sal = m_salarios[size_t(i)];
                const std::int64_t base = std::min<std::int64_t>(sal, 415900);
                // rate in hundredths of a percent; half up to the cent
                const std::int64_t inss = (base * m_taxasInss[size_t(i)] + 5000) / 10000;
                pag.inteiro(0, ++m_idPagFunc).inteiro(1, i + 1).data(2, venc).texto(3, "+")
                    .texto(4, "SALARIO CONTRATUAL").dinheiro(5, sal).data(6, venc).executar();
                pag.inteiro(0, ++m_idPagFunc).inteiro(1, i + 1).data(2, venc).texto(3, "-")
                    .texto(4, "I.N.S.S.").dinheiro(5, inss).data(6, venc).executar();
            }
        }
        Comando esc(m_b, "INSERT INTO ESCALA (ID_ESCALA, DESCRICAO, DATA_INICIO, HORA_INICIO, DATA_TERMINO, "
                         "HORA_TERMINO) VALUES (?, ?, ?, ?, ?, ?)");
        Comando det(m_b, "INSERT INTO ESCALA_DET (ID_ESCALA_DET, ID_ESCALA, ID_FUNCIONARIO, DATA_INICIO, HORA_INICIO, "
                         "DATA_TERMINO, HORA_TERMINO) VALUES (?, ?, ?, ?, ?, ?, ?)");
        const char *const setores[] = {"RECEPCAO", "PORTARIA", "CAMAREIRAS", "COZINHA", "MANUTENCAO"};
        const int escalas = std::max(10, m_e.funcionarios / 5);
        for (int e = 1; e <= escalas; ++e) {
            const QDate inicio = m_hoje.addDays(-7 * (escalas - e) / 4);
            const int hora = (e % 2) ? 7 : 19;
            QDate d = inicio;
            int h = hora;
            for (int k = 0; k < 30; ++k) {
                int f = 1 + int(m_s.ate(std::uint64_t(m_e.funcionarios)));
                if (f % 20 == 14)
                    ++f; // a live employee
                const QDate fimD = h + 12 >= 24 ? d.addDays(1) : d;
                const int fimH = (h + 12) % 24;
                det.inteiro(0, ++m_idEscalaDet).inteiro(1, e).inteiro(2, std::min(f, m_e.funcionarios))
                    .data(3, d).hora(4, h * 3600).data(5, fimD).hora(6, fimH * 3600).executar();
                d = fimD;
                h = fimH;
            }
            esc.inteiro(0, e).texto(1, std::string(setores[e % 5]) + " " + std::to_string(e)).data(2, inicio)
                .hora(3, hora * 3600).data(4, d).hora(5, h * 3600).executar();
        }
        m_escalas = escalas;
    }

    // Counter sales over the whole history: single- and several-item, paid in
    // cash or by card, one in 25 bought by an employee (a pay deduction in
    // the employees' book, after the entries written by funcionarios()).
    void despesasAvulsas()
    {
        m_idPagFunc = m_lancamentosFunc;
        Comando pag(m_b, "INSERT INTO FUNCIONARIO_PAGAMENTO (COD_GERAL_F_P, ID_FUNCIONARIO_PAGAMENTO, DATA_VENC, "
                         "TIPO, DESCRICAO, VALOR, EXCLUIDO) VALUES (?, ?, ?, '-', ?, ?, 'N')");
        auto meios = [&](Comando &c, int primeiro, std::int64_t valor, bool funcionario) {
            const int meio = m_s.ate(3); // cash, Visa credit, Visa debit
            for (int k = 0; k < 3; ++k)
                c.dinheiro(primeiro + k, !funcionario && k == meio ? valor : 0);
        };
        Comando d(m_b, "INSERT INTO DESPESA_AVULSA (ID_DESPESA_AVULSA, ID_P_S, QTD, VALOR_UNIT, COMANDA, USUARIO, "
                       "DATA, HORA, TAXA, DINHEIRO, VISA, DEBVISA, ID_FUNCIONARIO, DESCONTO, ACRESCIMO) "
                       "VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, 0, 0)");
        for (int k = 0; k < m_e.despesas; ++k) {
            const Produto &p = m_produtos[size_t(m_s.ate(int(m_produtos.size())))];
            const int qtd = m_s.entre(1, 4);
            const std::int64_t taxa = p.pdv == 2 ? 1000 : 0; // the restaurant's 10 %
            const std::int64_t base = p.valor * qtd;
            const std::int64_t bruto = base + (base * taxa + 5000) / 10000;
            const bool funcionario = m_e.funcionarios > 0 && k % 25 == 7;
            const int quem = funcionario ? 1 + m_s.ate(m_e.funcionarios) : 0;
            const QDate dia = m_inicio.addDays(int(std::int64_t(k) * m_e.dias / m_e.despesas));
            d.inteiro(0, k + 1)
                .inteiro(1, p.id)
                .inteiro(2, qtd)
                .dinheiro(3, p.valor)
                .inteiro(4, m_s.chance(30) ? m_s.entre(1, 999) : 0)
                .texto(5, recepcionista())
                .data(6, dia)
                .hora(7, segundosDoDia(7, 23))
                .dinheiro(8, taxa);
            meios(d, 9, bruto, funcionario);
            if (funcionario)
                d.inteiro(12, quem);
            else
                d.nulo(12);
            d.executar();
            if (funcionario)
                pag.inteiro(0, ++m_idPagFunc)
                    .inteiro(1, quem)
                    .data(2, dia)
                    .texto(3, "Despesa Avulsa Cód. " + std::to_string(k + 1) + " - PRODUTO " + std::to_string(p.id))
                    .dinheiro(4, bruto)
                    .executar();
        }

        Comando v(m_b, "INSERT INTO V_DESPESA_AVULSA (ID_V_DESPESA_AVULSA, USUARIO, DATA, HORA, DINHEIRO, VISA, "
                       "DEBVISA, ID_FUNCIONARIO, DESCONTO, ACRESCIMO) VALUES (?, ?, ?, ?, ?, ?, ?, ?, 0, 0)");
        Comando vi(m_b, "INSERT INTO V_I_DESPESA_AVULSA (ID_V_I_DESPESA_AVULSA, ID_V_DESPESA_AVULSA, ID_P_S, QTD, "
                        "VALOR_UNIT, COMANDA, TAXA) VALUES (?, ?, ?, ?, ?, 0, 0)");
        for (int k = 0; k < m_e.despesasVarias; ++k) {
            const int linhas = m_s.entre(1, 4);
            std::int64_t total = 0;
            for (int l = 0; l < linhas; ++l) {
                const Produto &p = m_produtos[size_t(m_s.ate(int(m_produtos.size())))];
                const int qtd = m_s.entre(1, 3);
                total += p.valor * qtd;
                vi.inteiro(0, ++m_idItemVarias).inteiro(1, k + 1).inteiro(2, p.id).inteiro(3, qtd).dinheiro(4, p.valor)
                    .executar();
            }
            const bool funcionario = m_e.funcionarios > 0 && k % 25 == 11;
            const int quem = funcionario ? 1 + m_s.ate(m_e.funcionarios) : 0;
            const QDate dia = m_inicio.addDays(int(std::int64_t(k) * m_e.dias / m_e.despesasVarias));
            v.inteiro(0, k + 1).texto(1, recepcionista()).data(2, dia).hora(3, segundosDoDia(7, 23));
            meios(v, 4, total, funcionario);
            if (funcionario)
                v.inteiro(7, quem);
            else
                v.nulo(7);
            v.executar();
            if (funcionario)
                pag.inteiro(0, ++m_idPagFunc)
                    .inteiro(1, quem)
                    .data(2, dia)
                    .texto(3, "Várias Despesas Avulsas Cód. " + std::to_string(k + 1))
                    .dinheiro(4, total)
                    .executar();
        }
    }

    void caixa()
    {
        Comando turno(m_b, "INSERT INTO CAIXA (ID_CAIXA, DATA_ABERT, HORA_ABERT, TURNO, USUARIO, ATUAL, ATUAL_CARTAO, "
                           "ATUAL_DEBVISA, ATUAL_MASTER, ATUAL_DEBMASTER, ATUAL_HIPER, ATUAL_CHEQUE, ATUAL_NOTAS, "
                           "VALOR_ABERT, IP, DATA_FECHA, HORA_FECHA, VALOR_FECHA) "
                           "VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)");
        Comando ret(m_b, "INSERT INTO RET_CAIXA (ID_RET_CAIXA, DATA_RET, HORA_RET, VALOR, DESCRICAO, TIPO, USUARIO) "
                         "VALUES (?, ?, ?, ?, ?, ?, ?)");
        Comando adic(m_b, "INSERT INTO ADIC_CAIXA (ID_ADIC_CAIXA, DATA_ADIC, HORA_ADIC, VALOR, DESCRICAO, TIPO, "
                          "USUARIO) VALUES (?, ?, ?, ?, ?, ?, ?)");
        const char *const tipos[] = {"Dinheiro", "Cartão de Crédito - Visa", "Cartão de Débito - Visa",
                                     "Cartão de Crédito - Mastercard", "Cartão de Débito - Mastercard",
                                     "Cartão de Crédito - Hipercard", "Pix / Cheque", "A Prazo"};
        std::array<std::int64_t, 8> saldo{};
        saldo[0] = 50000;
        int id = 0, idRet = 0, idAdic = 0;
        for (QDate d = m_inicio; d <= m_hoje; d = d.addDays(1)) {
            for (int t = 1; t <= 3; ++t) {
                const bool aberto = d == m_hoje;
                const int abre = (t == 1 ? 6 : t == 2 ? 14 : 22) * 3600;
                const int fecha = abre + 8 * 3600 - 60;
                const std::int64_t abertura = saldo[0];
                const auto diaDe = [d](int segundos) { return segundos >= 86400 ? d.addDays(1) : d; };
                const char *usuario = recepcionista();
                if (!aberto) {
                    // What came in during the shift, then the withdrawals.
                    for (int m = 0; m < 8; ++m)
                        saldo[size_t(m)] += m_s.ate(m == 0 ? 150000 : 60000);
                    if (t == 2 && m_s.chance(50)) {
                        const std::int64_t v = m_s.entre(50, 300) * 100;
                        saldo[0] += v;
                        adic.inteiro(0, ++idAdic).data(1, diaDe(abre + 3600)).hora(2, (abre + 3600) % 86400).dinheiro(3, v)
                            .texto(4, "TROCO PARA O CAIXA").texto(5, "Dinheiro").texto(6, usuario).executar();
                    }
                    const std::int64_t sangria = std::max<std::int64_t>(0, saldo[0] - 50000);
                    if (sangria > 0) {
                        saldo[0] -= sangria;
                        ret.inteiro(0, ++idRet).data(1, diaDe(fecha - 600)).hora(2, (fecha - 600) % 86400).dinheiro(3, sangria)
                            .texto(4, "SANGRIA - DEPÓSITO BANCÁRIO").texto(5, "Dinheiro").texto(6, usuario).executar();
                    }
                    if (t == 3)
                        for (int m = 1; m < 8; ++m)
                            if (saldo[size_t(m)] > 0) {
                                ret.inteiro(0, ++idRet).data(1, diaDe(fecha - 300)).hora(2, (fecha - 300) % 86400).dinheiro(3, saldo[size_t(m)])
                                    .texto(4, "REPASSE DA OPERADORA").texto(5, tipos[m]).texto(6, usuario).executar();
                                saldo[size_t(m)] = 0;
                            }
                }
                turno.inteiro(0, ++id).data(1, d).hora(2, abre).inteiro(3, t).texto(4, usuario);
                std::int64_t soma = 0;
                for (int m = 0; m < 8; ++m) {
                    turno.dinheiro(5 + m, saldo[size_t(m)]);
                    soma += saldo[size_t(m)];
                }
                turno.dinheiro(13, abertura).texto(14, "192.168.0." + std::to_string(10 + t));
                if (aberto) {
                    turno.nulo(15).nulo(16).nulo(17);
                } else {
                    const QDate dataFecha = fecha >= 24 * 3600 ? d.addDays(1) : d;
                    turno.data(15, dataFecha).hora(16, fecha % (24 * 3600)).dinheiro(17, soma);
                }
                turno.executar();
                if (aberto)
                    break; // today: the first shift, open
            }
        }
        m_turnos = id;
        m_idRet = idRet;
        m_idAdic = idAdic;
    }

    void atualizacoes()
    {
        // The first-start row, then every day of the history up to yesterday.
        Comando a(m_b, "INSERT INTO ATUALIZACAO (ID_ATUALIZACAO, DATA) VALUES (?, ?)");
        int id = 0;
        for (QDate d = m_inicio; d < m_hoje; d = d.addDays(1))
            a.inteiro(0, ++id).data(1, d).executar();
        m_idAtualizacao = id;
    }

    void logs()
    {
        Comando l(m_b, "INSERT INTO LOG (ID_LOG, USUARIO, OPERACAO, DATA, HORA) VALUES (?, ?, ?, ?, ?)");
        const char *const operacoes[] = {
            "Entrou no Sistema", "Saiu do Sistema", "Incluiu Despesa ou Consumo -> Código %",
            "Incluiu Entrada de Hóspede -> Código %", "Realizou Saída de Hóspede -> Código %",
            "Incluiu Nova Reserva", "Alterou Cliente -> %", "Incluiu Cliente -> %", "Registrou Abertura do Caixa",
            "Registrou Fechamento do Caixa", "Retirou 100,00 do Caixa em Dinheiro! (SANGRIA)",
            "Alterou Reserva", "Imprimiu Extrato -> Código %", "Incluiu Item de Frigobar -> Código %"};
        const int porDia = std::max(1, m_e.logs / m_e.dias);
        int id = 0;
        for (QDate d = m_inicio; id < m_e.logs; d = d.addDays(1)) {
            const int hoje = std::min(porDia + (d < m_hoje.addDays(-1) ? 0 : m_e.logs), m_e.logs - id);
            const int passo = std::max(1, 86000 / std::max(hoje, 1));
            for (int k = 0; k < hoje; ++k) {
                std::string op = operacoes[m_s.ate(14)];
                const auto pos = op.find('%');
                if (pos != std::string::npos)
                    op.replace(pos, 1, std::to_string(1 + m_s.ate(150000)));
                l.inteiro(0, ++id).texto(1, recepcionista()).texto(2, op).data(3, d)
                    .hora(4, std::min(86399, k * passo + m_s.ate(passo))).executar();
            }
        }
    }

    // Suppliers, and cheques written to them and taken from customers over
    // the five years: most cleared, some passed on, some voided, the recent
    // ones open.
    void cheques()
    {
        Comando forn(m_b, "INSERT INTO FORNECEDOR (ID_FORNECEDOR, TIPO_PESSOA, NOME) VALUES (?, 'J', ?)");
        for (int i = 1; i <= m_e.fornecedores; ++i)
            forn.inteiro(0, i)
                .texto(1, std::string("DISTRIBUIDORA ") + kSobrenomes[m_s.ate(60)] + " " + std::to_string(i))
                .executar();
        Comando ch(m_b, "INSERT INTO CHEQUE (COD_GERAL_CHEQUE, ID_CONTA, ID_CHEQUE, BANCO, ID_FORNECEDOR_CLIENTE, "
                        "VALOR, DATA_EMISSAO, PREDATADO, DATA_COMPENSACAO, REPASSADO, HISTORICO, TITULAR, "
                        "TIPO_CHEQUE) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)");
        Comando anul(m_b, "INSERT INTO ANULACAO (ID_ANULACAO, COD_GERAL_CHEQUE) VALUES (?, ?)");
        const char *const bancos[] = {"BANCO DO BRASIL", "CAIXA", "ITAU", "BRADESCO", "SANTANDER", "SICOOB"};
        int anulados = m_idAnulacao; // ANULACAO rows after the deleted employees
        for (int i = 1; i <= m_e.cheques; ++i) {
            const bool emitido = m_s.chance(40);
            const QDate emissao = m_inicio.addDays(int(std::int64_t(i) * m_e.dias / m_e.cheques));
            const QDate pre = emissao.addDays(m_s.chance(30) ? m_s.entre(1, 60) : 0);
            const int parte = emitido ? 1 + m_s.ate(m_e.fornecedores) : sortearCliente();
            ch.inteiro(0, i)
                .texto(1, numeroTexto(m_s.ate(99999), 5))
                .inteiro(2, 100000 + i)
                .texto(3, bancos[m_s.ate(6)])
                .texto(4, std::to_string(parte))
                .dinheiro(5, 5000 + m_s.ate(300000))
                .data(6, emissao)
                .data(7, pre);
            const bool aberto = pre.daysTo(m_hoje) < 30;
            const bool repassado = !aberto && !emitido && m_s.chance(10);
            if (aberto)
                ch.nulo(8);
            else
                ch.data(8, pre.addDays(m_s.entre(1, 5)));
            ch.texto(9, repassado ? std::string(kNomes[m_s.ate(50)]) + " " + kSobrenomes[m_s.ate(60)] : "")
                .texto(10, emitido ? "PAGAMENTO DE FORNECEDOR" : "HOSPEDAGEM")
                .texto(11, std::string(kNomes[m_s.ate(50)]) + " " + kSobrenomes[m_s.ate(60)])
                .texto(12, emitido ? "E" : "R")
                .executar();
            if (m_s.chance(2))
                anul.inteiro(0, m_idAnulacao = ++anulados).inteiro(1, i).executar();
        }
    }

    void geradores()
    {
        auto definir = [&](const char *gen, long valor) {
            m_b.imediato(std::string("SET GENERATOR ") + gen + " TO " + std::to_string(valor));
        };
        definir("GEN_ID_USUARIO", 9);
        definir("GEN_ID_TIPO_UH", 12);
        definir("GEN_ID_UH", m_e.quartos);
        definir("GEN_ID_CLIENTE", m_e.clientes + 1);
        definir("GEN_ID_P_S", long(m_produtos.size()) + 1);
        definir("GEN_ID_ITEM", 20);
        definir("GEN_ID_FORNECEDOR", m_e.fornecedores);
        definir("GEN_ID_CHEQUE", m_e.cheques);
        definir("GEN_ID_ANULACAO", m_idAnulacao);
        definir("GEN_ID_ITEM_HISTORICO", m_itensHistorico);
        definir("GEN_ID_PADRAO_ITEM", 48);
        definir("GEN_ID_PADRAO_PS", 36);
        definir("GEN_ID_RESERVA", long(m_reservas.size()));
        definir("GEN_ID_WALK_IN", long(m_estadias.size()));
        definir("GEN_ID_HOSPEDE", m_idHosp);
        definir("GEN_ID_VEICULO", m_idVeic);
        definir("GEN_ID_OCUPACAO", m_idNoite);
        definir("GEN_ID_DESPESA_UH", m_idDesp);
        definir("GEN_ID_CAIXA", m_turnos);
        definir("GEN_ID_RET_CAIXA", m_idRet);
        definir("GEN_ID_ADIC_CAIXA", m_idAdic);
        definir("GEN_ID_ATUALIZACAO", m_idAtualizacao);
        definir("GEN_ID_LOG", m_e.logs);
        definir("GEN_ID_NOTA", m_idNota);
        definir("GEN_ID_FUNCIONARIO", m_e.funcionarios);
        definir("GEN_ID_FUNCIONARIO_PAGAMENTO", m_idPagFunc);
        definir("GEN_ID_ESCALA", m_escalas);
        definir("GEN_ID_ESCALA_DET", m_idEscalaDet);
        definir("GEN_ID_DESPESA_AVULSA", m_e.despesas);
        definir("GEN_ID_V_DESPESA_AVULSA", m_e.despesasVarias);
        definir("GEN_ID_V_I_DESPESA_AVULSA", m_idItemVarias);
        definir("GEN_ID_MESA", m_e.mesas);
        definir("GEN_ID_CHECK_IN", m_idAbertura);
        definir("GEN_ID_CONSUMO", m_idPedido);
        definir("GEN_ID_PONTO", m_idPonto);
    }

    // The restaurant: its tables, years of openings handed over with their
    // order lines (all done in the kitchen), and half the tables open at the
    // end of the last evening with lines the kitchen has not finished.
    void restaurante()
    {
        // prices of the menu that comes with the database (products 1 to 20)
        static const std::int64_t precos[] = {400,  450,  600,  900,  950,  1800, 500,  2990, 5490, 4990,
                                              4690, 3690, 6990, 1000, 900,  5990, 2800, 2600, 3400, 3600};
        static const char *const notas[] = {"", "", "", "SEM CEBOLA", "BEM PASSADO", "SEM GELO", "POUCO SAL", ""};
        Comando abertura(m_b, "INSERT INTO CHECK_IN (ID_CHECK_IN, DATA_ENTRADA, HORA_ENTRADA, ID_FUNCIONARIO, "
                              "DATA_SAIDA, HORA_SAIDA) VALUES (?, ?, ?, ?, ?, ?)");
        Comando pedido(m_b, "INSERT INTO CONSUMO (ID_CONSUMO, ID_PRODUTO, ID_CHECK_IN, QTD, VALOR_UNIT, DATA, HORA, "
                            "VIAGEM, TAXA_EMBALAGEM, OBS, CONCLUIDO) VALUES (?, ?, ?, ?, ?, ?, ?, ?, 0, ?, ?)");
        std::vector<long> ultima(size_t(m_e.mesas) + 1, 0);
        std::vector<std::string> cliente(size_t(m_e.mesas) + 1);
        const int abertasAgora = m_e.mesas / 2;
        const int linhasAgora = abertasAgora * 3;
        const QDate ontem = m_hoje.addDays(-1);
        auto linhas = [&](long idAbertura, const QDate &dia, int hora, int n, bool feitas) {
            for (int k = 0; k < n; ++k) {
                const int produto = 1 + m_s.ate(20);
                const bool peso = produto == 13 || produto == 16;
                const std::int64_t qtd = peso ? 200 + m_s.ate(700) : 1000 * (1 + m_s.ate(3)); // thousandths
                pedido.inteiro(0, ++m_idPedido).inteiro(1, produto).inteiro(2, idAbertura).dinheiro(3, qtd / 10)
                    .dinheiro(4, precos[produto - 1]).data(5, dia).hora(6, std::min(86399, hora + 300 * k))
                    .texto(7, m_s.chance(10) ? "S" : "N").texto(8, notas[m_s.ate(8)])
                    .texto(9, feitas || m_s.chance(30) ? "S" : "N").executar();
                m_b.talvezConfirmar();
            }
        };
        // Openings of the past, handed over the same evening.
        long restantes = std::max(0, m_e.pedidos - linhasAgora);
        while (restantes > 0) {
            const int mesa = 1 + m_s.ate(m_e.mesas);
            const QDate dia = m_hoje.addDays(-1 - m_s.ate(m_e.dias));
            const int entrada = segundosDoDia(11, 22);
            const int n = int(std::min<long>(restantes, 1 + m_s.ate(7)));
            abertura.inteiro(0, ++m_idAbertura).data(1, dia).hora(2, entrada).texto(3, "1").data(4, dia)
                .hora(5, std::min(86399, entrada + 3600)).executar();
            linhas(m_idAbertura, dia, entrada, n, true);
            ultima[size_t(mesa)] = m_idAbertura;
            restantes -= n;
        }
        // Tables open now.
        for (int mesa = 1; mesa <= abertasAgora; ++mesa) {
            const int entrada = segundosDoDia(19, 22);
            abertura.inteiro(0, ++m_idAbertura).data(1, ontem).hora(2, entrada).texto(3, "1").nulo(4).nulo(5).executar();
            linhas(m_idAbertura, ontem, entrada, 3, false);
            ultima[size_t(mesa)] = m_idAbertura;
            cliente[size_t(mesa)] = m_s.chance(50) ? "CLIENTE ESPECIAL"
                                                    : std::string(kNomes[m_s.ate(50)]) + " " + kSobrenomes[m_s.ate(60)];
        }
        Comando mesa(m_b, "INSERT INTO MESA (ID_MESA, DESCRICAO, STATUS, CLIENTE, ID_CHECK_IN, AGUARDANDO_PAG) "
                          "VALUES (?, ?, ?, ?, ?, ?)");
        for (int m = 1; m <= m_e.mesas; ++m) {
            const bool aberta = m <= abertasAgora;
            mesa.inteiro(0, m).texto(1, "MESA " + std::to_string(m)).texto(2, aberta ? "O" : "L");
            if (cliente[size_t(m)].empty())
                mesa.nulo(3);
            else
                mesa.texto(3, cliente[size_t(m)]);
            if (ultima[size_t(m)])
                mesa.inteiro(4, ultima[size_t(m)]);
            else
                mesa.nulo(4);
            mesa.texto(5, aberta && m_s.chance(10) ? "S" : "N").executar();
        }
        m_pedidos = m_idPedido;
    }

    Banco &m_b;
    Sorteio m_s;
    QDate m_hoje, m_inicio;
    Escala m_e;
    std::array<std::array<std::int64_t, 4>, 12> m_tarifas{};
    std::array<std::array<Produto, 3>, 12> m_padraoPs{};
    std::vector<int> m_tipoUH;
    std::vector<char> m_situacao;
    std::vector<Produto> m_produtos;
    std::vector<std::string> m_nomesClientes;
    std::vector<Estadia> m_estadias;
    std::vector<Reserva> m_reservas;
    int m_abertas = 0, m_itensHistorico = 0, m_idAtualizacao = 0;
    int m_idAnulacao = 0;
    long m_hospedes = 0, m_veiculos = 0, m_noites = 0, m_consumos = 0, m_diasReservados = 0, m_turnos = 0;
    long m_idNota = 0;
    long m_lancamentosFunc = 0; // entries of funcionarios()
    std::vector<bool> m_batePonto; // live employees who punch the time clock
    long m_idPonto = 0;
    long m_idPagFunc = 0, m_idItemVarias = 0;
    std::vector<std::int64_t> m_salarios, m_taxasInss; // per employee, in cents
    long m_escalas = 0, m_idEscalaDet = 0;
    long m_idNoite = 0, m_idDesp = 0, m_idHosp = 0, m_idVeic = 0, m_idRet = 0, m_idAdic = 0;
    long m_idAbertura = 0, m_idPedido = 0, m_pedidos = 0;
};

// Index statistics as a restore would leave them, so that the optimizer
// sees the sizes of the tables.
void recalcularEstatisticas(Banco &b)
{
    b.iniciar();
    const auto indices = b.textos("SELECT TRIM(RDB$INDEX_NAME) FROM RDB$INDICES WHERE COALESCE(RDB$SYSTEM_FLAG, 0) = 0");
    for (const std::string &i : indices)
        b.imediato("SET STATISTICS INDEX \"" + i + "\"");
    b.confirmar();
}

int uso()
{
    std::cerr << "uso: gerar_banco BANCO [--semente N] [--hoje AAAA-MM-DD] [--escala F]\n"
                 "  BANCO: um banco recém-criado a partir de database/ (scripts/create-db)\n";
    return 2;
}

} // namespace

int main(int argc, char **argv)
{
    if (argc < 2)
        return uso();
    std::string caminho;
    std::uint64_t semente = 20261210;
    QDate hoje(2026, 12, 10);
    double escala = 1.0;
    for (int i = 1; i < argc; ++i) {
        const std::string a = argv[i];
        if (a == "--semente" && i + 1 < argc)
            semente = std::strtoull(argv[++i], nullptr, 10);
        else if (a == "--hoje" && i + 1 < argc)
            hoje = QDate::fromString(QString::fromLatin1(argv[++i]), Qt::ISODate);
        else if (a == "--escala" && i + 1 < argc)
            escala = std::atof(argv[++i]);
        else if (!a.empty() && a[0] != '-')
            caminho = a;
        else
            return uso();
    }
    if (caminho.empty() || !hoje.isValid() || escala <= 0)
        return uso();
    Escala e;
    e.clientes = std::max(100, int(e.clientes * escala));
    e.reservas = std::max(2000, int(e.reservas * escala));
    e.logs = std::max(2000, int(e.logs * escala));
    e.cheques = std::max(1000, int(e.cheques * escala));
    e.dias = std::max(60, int(e.dias * escala));
    e.funcionarios = std::max(20, int(e.funcionarios * escala));
    e.lancamentosFuncionarios = std::max(1000, int(e.lancamentosFuncionarios * escala));
    e.despesas = std::max(500, int(e.despesas * escala));
    e.despesasVarias = std::max(100, int(e.despesasVarias * escala));
    e.pedidos = std::max(2000, int(e.pedidos * escala));
    e.historicoItens = std::max(2000, int(e.historicoItens * escala));
    e.notasFiscais = std::max(100, int(e.notasFiscais * escala));

    const auto t0 = std::chrono::steady_clock::now();
    std::printf("gerando o banco %s (semente %llu, hoje %s)\n", caminho.c_str(),
                static_cast<unsigned long long>(semente), hoje.toString(Qt::ISODate).toLatin1().constData());
    {
        Banco b(caminho, false);
        b.iniciar();
        const auto estadias = b.textos("SELECT CAST(COUNT(*) AS VARCHAR(20)) FROM WALK_IN");
        b.confirmar();
        if (estadias.empty() || estadias[0] != "0") {
            std::cerr << "o banco já tem estadias: use um banco recém-criado\n";
            return 1;
        }
        Gerador g(b, semente, hoje, e);
        g.rodar();
        const auto t1 = std::chrono::steady_clock::now();
        recalcularEstatisticas(b);
        std::printf("  %-52s %6.1f s\n", "estatísticas dos índices",
                    std::chrono::duration<double>(std::chrono::steady_clock::now() - t1).count());
        g.resumo();
    }
    {
        // Forced writes back on, as a live database keeps them.
        Banco b(caminho, true);
    }
    std::printf("banco gerado em %.1f s\n",
                std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count());
    return 0;
}
