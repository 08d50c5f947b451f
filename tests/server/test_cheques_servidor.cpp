// Two workstations acting on one open cheque at the same moment (agent
// processes, op "cheque": one clears it, the other passes it on, or both the
// same): one change is stored whole, the other is refused and overwrites
// nothing.
#include "EstacoesServidor.h"

namespace {
class ChequesServidor : public EstacoesServidor {};
} // namespace

TEST_F(ChequesServidor, CompensarERepassarAoMesmoTempoFicaUmaMudanca)
{
    for (int rodada = 0; rodada < 3; ++rodada) {
        SCOPED_TRACE(rodada);
        const qint64 id = banco()
                              .valor(QStringLiteral("INSERT INTO CHEQUE (ID_CONTA, ID_CHEQUE, BANCO, VALOR, TIPO_CHEQUE) "
                                                    "VALUES ('4567', 123, 'BANCO', 100, 'R') RETURNING COD_GERAL_CHEQUE"))
                              .toLongLong();
        QStringList linhas = linhasDosAgentes(2, QStringLiteral("cheque"), 1, QString::number(id));
        ASSERT_EQ(linhas.size(), 2) << linhas.join(QLatin1Char('\n')).toStdString();
        const int feitos = int(linhas.filter(QStringLiteral("|feito")).size());
        EXPECT_EQ(feitos, 1) << linhas.join(QLatin1Char('\n')).toStdString();
        const Linha c = banco().ler(QStringLiteral("SELECT REPASSADO, DATA_COMPENSACAO FROM CHEQUE WHERE COD_GERAL_CHEQUE = ?"),
                                    {id});
        const bool venceuRepasse = !linhas.filter(QStringLiteral("repassar|feito")).isEmpty();
        // The row holds exactly the winner's change.
        EXPECT_EQ(c.texto(QStringLiteral("REPASSADO")), venceuRepasse ? QStringLiteral("TERCEIRO") : QString());
        EXPECT_EQ(c.data(QStringLiteral("DATA_COMPENSACAO")), venceuRepasse ? QDate(2026, 3, 6) : QDate(2026, 3, 5));
        EXPECT_EQ(contar(QStringLiteral("SELECT COUNT(*) FROM LOG WHERE OPERACAO = ?"),
                         {QStringLiteral("Registrou Compensação de Cheque de Código -> %1(BANCO)").arg(id)}),
                  venceuRepasse ? 0 : 1);
    }
}
