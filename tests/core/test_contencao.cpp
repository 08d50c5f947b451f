// Several workstations writing one cash shift at the same moment: every
// operation waits its turn and retries instead of failing, and the balance
// counts each of them exactly once.
#include "finance/ControleCaixa.h"
#include "support/TelasTeste.h"

#include <QMutex>
#include <QThread>
#include <atomic>

namespace {
class Contencao : public TelasTeste {
};
} // namespace

TEST_F(Contencao, CincoEstacoesLancandoNoMesmoTurnoSemFalhaESaldoExato)
{
    const qint64 turno = banco()
                             .valor(QStringLiteral("INSERT INTO CAIXA (DATA_ABERT, HORA_ABERT, USUARIO, ATUAL, VALOR_ABERT) "
                                                   "VALUES (?, ?, 'ADMIN', 0, 0) RETURNING ID_CAIXA"),
                                    {QDate(2026, 12, 10), QTime(8, 0)})
                             .toLongLong();
    constexpr int kOutras = 4;
    constexpr int kLancamentos = 25;
    const QString caminho = banco().caminho();
    std::atomic<int> falhas{0};
    QMutex mutex;
    QStringList erros;
    std::atomic<int> prontas{0};
    QList<QThread *> estacoes;
    for (int e = 0; e < kOutras; ++e) {
        estacoes.append(QThread::create([&, e] {
            ConexaoBanco c(QStringLiteral("Estacao%1").arg(e), caminho);
            c.conectar();
            ++prontas;
            while (prontas < kOutras)
                QThread::msleep(1);
            for (int i = 0; i < kLancamentos; ++i) {
                try {
                    // The same conditional statement the cash control runs,
                    // holding the row a few milliseconds as a real operation does.
                    c.emTransacao([&] {
                        if (c.executar(QStringLiteral("UPDATE CAIXA SET ATUAL = ATUAL + ? WHERE DATA_FECHA IS NULL"),
                                       {QStringLiteral("1.00")})
                            != 1)
                            throw ErroSistema(QStringLiteral("nenhum turno"));
                        QThread::msleep(3);
                    });
                } catch (const ErroSistema &erro) {
                    ++falhas;
                    QMutexLocker trava(&mutex);
                    erros.append(erro.texto());
                }
            }
        }));
        estacoes.last()->start();
    }
    while (prontas < kOutras)
        QThread::msleep(1);
    int recusas = 0;
    for (int i = 0; i < kLancamentos; ++i) {
        const ResultadoCaixa r = ControleCaixa(DM->Conexao, QStringLiteral("+"), QStringLiteral("1,00"), QStringLiteral("N"));
        if (!r.sucesso)
            ++recusas;
    }
    for (QThread *t : estacoes) {
        t->wait();
        delete t;
    }
    EXPECT_EQ(falhas, 0) << erros.join(QStringLiteral(" | ")).toStdString();
    EXPECT_EQ(recusas, 0);
    EXPECT_EQ(banco().ler(QStringLiteral("SELECT ATUAL FROM CAIXA WHERE ID_CAIXA = ?"), {turno})
                  .dinheiro(QStringLiteral("ATUAL"))
                  .formatado(),
              QStringLiteral("125,00"));
}
