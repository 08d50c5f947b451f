// Grids over large results: rows are read in batches as the grid scrolls.
#include "base/Grade.h"
#include "support/TelasTeste.h"

#include <QScrollBar>
#include <QTableView>

namespace {

class Grade : public TelasTeste {
protected:
    void inserirLog(int n)
    {
        banco().emTransacao([&] {
            for (int i = 1; i <= n; ++i)
                banco().executar(QStringLiteral("INSERT INTO LOG (ID_LOG, USUARIO, OPERACAO, DATA, HORA) "
                                                "VALUES (?, ?, ?, ?, ?)"),
                                 {i, QStringLiteral("U%1").arg(i % 7), QStringLiteral("Operação %1").arg(i),
                                  QDate(2026, 12, 10), QTime(10, 0)});
        });
    }
};

} // namespace

TEST_F(Grade, DezMilLinhasLidasAosPoucosAoRolar)
{
    inserirLog(10000);
    ModeloConsulta m;
    m.definirConsulta(QStringLiteral("SELECT ID_LOG, USUARIO, OPERACAO FROM LOG ORDER BY ID_LOG"));
    m.abrir();
    QTableView grade;
    prepararGrade(&grade);
    grade.setModel(&m);
    grade.resize(600, 400);
    grade.show();
    QCoreApplication::processEvents();

    EXPECT_GT(m.total(), 0);
    EXPECT_LT(m.total(), 10000);
    EXPECT_TRUE(m.canFetchMore());
    // What needs every row asks the database, not the rows read so far.
    EXPECT_EQ(m.contarEmSql(), 10000);
    EXPECT_EQ(m.somarEmSql(QStringLiteral("ID_LOG")), Dinheiro::deCentavos(Q_INT64_C(50005000) * 100));
    EXPECT_LT(m.total(), 10000);

    int voltas = 0;
    int antes = m.total();
    while (m.canFetchMore() && voltas++ < 1000) {
        grade.scrollToBottom();
        QCoreApplication::processEvents();
        ASSERT_GE(m.total(), antes);
        antes = m.total();
    }
    EXPECT_EQ(m.total(), 10000);
    EXPECT_FALSE(m.canFetchMore());
    EXPECT_EQ(m.inteiro(9999, QStringLiteral("ID_LOG")), 10000);
    EXPECT_EQ(m.inteiro(0, QStringLiteral("ID_LOG")), 1);
}

TEST_F(Grade, OrdemETotaisDoResultadoInteiro)
{
    inserirLog(1000);
    ModeloConsulta m;
    m.definirLote(50);
    m.definirConsulta(QStringLiteral("SELECT ID_LOG, USUARIO FROM LOG WHERE USUARIO = ?"), {QStringLiteral("U3")});
    m.definirColunas({{QStringLiteral("ID_LOG"), QStringLiteral("Nº")}, {QStringLiteral("USUARIO"), QStringLiteral("Usuário")}});
    m.abrir();
    EXPECT_EQ(m.total(), 50);
    // The header click orders the whole result, not only the batch read.
    m.sort(0, Qt::DescendingOrder);
    EXPECT_EQ(m.inteiro(0, QStringLiteral("ID_LOG")), 997);
    m.sort(0, Qt::AscendingOrder);
    EXPECT_EQ(m.inteiro(0, QStringLiteral("ID_LOG")), 3);
    EXPECT_EQ(m.contarEmSql(), 143);
    // Finding a row beyond the batch reads on until it is found.
    EXPECT_EQ(m.localizar(QStringLiteral("ID_LOG"), QStringLiteral("990")), 141);
    EXPECT_EQ(m.localizar(QStringLiteral("ID_LOG"), QStringLiteral("991")), -1);
    EXPECT_TRUE(m.completa());
    EXPECT_THROW(m.somarEmSql(QStringLiteral("SENHA")), ErroSistema);
}

TEST_F(Grade, GradeAbertaNaoPrendeEscritaDeOutraEstacao)
{
    inserirLog(600);
    ModeloConsulta m;
    m.definirConsulta(QStringLiteral("SELECT ID_LOG FROM LOG ORDER BY ID_LOG"));
    m.abrir();
    ASSERT_TRUE(m.canFetchMore());
    // With the cursor open, other workstations write and delete freely.
    ConexaoBanco outra(QStringLiteral("OutraEstacao"), banco().caminho());
    outra.conectar();
    EXPECT_EQ(outra.executar(QStringLiteral("DELETE FROM LOG WHERE ID_LOG > 590")), 10);
    banco().emTransacao([&] { banco().executar(QStringLiteral("DELETE FROM LOG WHERE ID_LOG = 1")); });
    m.buscarTodas();
    EXPECT_TRUE(m.completa());
    EXPECT_LE(m.total(), 600);
}
