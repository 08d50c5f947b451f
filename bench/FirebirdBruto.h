#pragma once
// The pieces of the raw Firebird client API the benchmarks' yardsticks are
// made of: a status vector that stops the run on an error, output
// descriptors, prepared statements and the rows an UPDATE changed.
#include <ibase.h>

#include <cstdlib>
#include <iostream>

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

// A descriptor for n columns (released with std::free).
inline XSQLDA *novoDA(int n)
{
    auto *da = static_cast<XSQLDA *>(std::calloc(1, XSQLDA_LENGTH(n)));
    da->version = SQLDA_VERSION1;
    da->sqln = short(n);
    return da;
}

inline isc_stmt_handle preparar(Status &st, isc_db_handle &db, isc_tr_handle &tr, const char *sql, XSQLDA *saida)
{
    isc_stmt_handle h = 0;
    isc_dsql_allocate_statement(st.v, &db, &h);
    isc_dsql_prepare(st.v, &tr, &h, 0, sql, 3, saida);
    st.verificar(sql);
    return h;
}

// Rows changed by the last execution of an UPDATE.
inline long linhasAlteradas(Status &st, isc_stmt_handle &h)
{
    const char pedido[] = {isc_info_sql_records};
    char resposta[64];
    isc_dsql_sql_info(st.v, &h, sizeof pedido, pedido, sizeof resposta, resposta);
    st.verificar("sql_info");
    long total = 0;
    for (const char *p = resposta + 3; *p != isc_info_end;) {
        const char tipo = *p++;
        const short len = short(isc_vax_integer(p, 2));
        p += 2;
        if (tipo == isc_info_req_update_count)
            total += isc_vax_integer(p, len);
        p += len;
    }
    return total;
}
