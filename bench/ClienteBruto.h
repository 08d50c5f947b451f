#pragma once
// The raw Firebird client API, as the benchmarks' yardstick: a connection,
// statements run in their own transaction and every row of a query fetched
// into plain buffers. The statements are fixed texts of the benchmarks.
#include <QString>
#include "FirebirdBruto.h"

#include <cstdlib>
#include <cstring>
#include <iostream>
#include <string>
#include <vector>

class ClienteBruto {
public:
    explicit ClienteBruto(const QString &caminho)
    {
        const QByteArray c = caminho.toLocal8Bit();
        const char dpb[] = {isc_dpb_version1, isc_dpb_user_name, 6, 'S', 'Y', 'S', 'D', 'B', 'A',
                            isc_dpb_lc_ctype, 4, 'U', 'T', 'F', '8'};
        isc_attach_database(m_st, 0, c.constData(), &m_db, sizeof dpb, dpb);
        verificar("attach");
    }
    ~ClienteBruto()
    {
        if (m_db)
            isc_detach_database(m_st, &m_db);
    }
    ClienteBruto(const ClienteBruto &) = delete;
    ClienteBruto &operator=(const ClienteBruto &) = delete;

    // Runs a query in a read-only transaction of its own and fetches at most
    // `limite` rows (every row when negative); returns the rows fetched.
    long consultar(const std::string &sql, long limite = -1)
    {
        isc_tr_handle tr = 0;
        static const char tpb[] = {isc_tpb_version3, isc_tpb_read, isc_tpb_read_committed, isc_tpb_rec_version};
        isc_start_transaction(m_st, &tr, 1, &m_db, sizeof tpb, tpb);
        verificar("start");
        isc_stmt_handle h = 0;
        isc_dsql_allocate_statement(m_st, &m_db, &h);
        XSQLDA *saida = novoDA(1);
        isc_dsql_prepare(m_st, &tr, &h, 0, sql.c_str(), 3, saida);
        verificar(sql.c_str());
        if (saida->sqld > saida->sqln) {
            const int n = saida->sqld;
            std::free(saida);
            saida = novoDA(n);
            isc_dsql_describe(m_st, &h, 1, saida);
            verificar("describe");
        }
        std::vector<std::vector<char>> dados(saida->sqld);
        std::vector<short> nulos(saida->sqld);
        for (int i = 0; i < saida->sqld; ++i) {
            XSQLVAR &v = saida->sqlvar[i];
            if ((v.sqltype & ~1) == SQL_BLOB)
                v.sqltype = short(SQL_QUAD | (v.sqltype & 1));
            dados[i].resize(size_t(v.sqllen) + 2);
            v.sqldata = dados[i].data();
            v.sqlind = &nulos[i];
        }
        isc_dsql_execute(m_st, &tr, &h, 1, nullptr);
        verificar("execute");
        long linhas = 0;
        while ((limite < 0 || linhas < limite) && isc_dsql_fetch(m_st, &h, 1, saida) == 0)
            ++linhas;
        isc_dsql_free_statement(m_st, &h, DSQL_drop);
        std::free(saida);
        isc_commit_transaction(m_st, &tr);
        verificar("commit");
        return linhas;
    }

    // Runs statements without parameters in one transaction.
    void executar(const std::vector<std::string> &sqls)
    {
        isc_tr_handle tr = 0;
        isc_start_transaction(m_st, &tr, 1, &m_db, 0, nullptr);
        verificar("start");
        for (const std::string &s : sqls) {
            isc_dsql_execute_immediate(m_st, &m_db, &tr, 0, s.c_str(), 3, nullptr);
            verificar(s.c_str());
        }
        isc_commit_transaction(m_st, &tr);
        verificar("commit");
    }

    // One statement (an EXECUTE BLOCK doing an operation's writes) in a
    // transaction that is rolled back.
    void executarDesfazendo(const std::string &sql)
    {
        isc_tr_handle tr = 0;
        isc_start_transaction(m_st, &tr, 1, &m_db, 0, nullptr);
        verificar("start");
        isc_dsql_execute_immediate(m_st, &m_db, &tr, 0, sql.c_str(), 3, nullptr);
        verificar(sql.c_str());
        isc_rollback_transaction(m_st, &tr);
        verificar("rollback");
    }

    // Statements without parameters (the same rows an operation writes) in
    // one transaction that is rolled back.
    void executarTodosDesfazendo(const std::vector<std::string> &sqls)
    {
        isc_tr_handle tr = 0;
        isc_start_transaction(m_st, &tr, 1, &m_db, 0, nullptr);
        verificar("start");
        for (const std::string &s : sqls) {
            isc_dsql_execute_immediate(m_st, &m_db, &tr, 0, s.c_str(), 3, nullptr);
            verificar(s.c_str());
        }
        isc_rollback_transaction(m_st, &tr);
        verificar("rollback");
    }

private:
    void verificar(const char *onde)
    {
        if (m_st[0] == 1 && m_st[1]) {
            char buf[512];
            const ISC_STATUS *p = m_st;
            fb_interpret(buf, sizeof buf, &p);
            std::cerr << "cliente bruto: " << std::string(onde).substr(0, 200) << ": " << buf << "\n";
            std::exit(1);
        }
    }

    ISC_STATUS m_st[20] = {};
    isc_db_handle m_db = 0;
};
