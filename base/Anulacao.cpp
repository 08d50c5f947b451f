#include "base/Anulacao.h"
#include "base/Erros.h"
#include "base/UnitDM.h"

namespace Anulacao {

const QStringList &colunas()
{
    static const QStringList c{
        QStringLiteral("ID_USUARIO"),     QStringLiteral("ID_FORNECEDOR"), QStringLiteral("ID_FUNCIONARIO"),
        QStringLiteral("ID_ITEM"),        QStringLiteral("ID_PDV"),        QStringLiteral("ID_TIPO_UH"),
        QStringLiteral("ID_CARAC_UH"),    QStringLiteral("COD_GERAL_CHEQUE"), QStringLiteral("ID_CLIENTE"),
        QStringLiteral("ID_RESERVA"),     QStringLiteral("ID_P_S"),        QStringLiteral("ID_WALK_IN"),
        QStringLiteral("COD_GERAL_F_P"),  QStringLiteral("COD_GERAL_ROY_P"), QStringLiteral("ID_PEDIDO"),
    };
    return c;
}

bool colunaValida(const QString &coluna) { return colunas().contains(coluna); }

namespace {
const QString &exigirColuna(const QString &coluna)
{
    if (!colunaValida(coluna))
        throw ErroSistema(QStringLiteral("Coluna do registro de exclusões desconhecida: %1").arg(coluna));
    return coluna;
}
} // namespace

qint64 registrar(ConexaoBanco &conexao, const QString &coluna, qint64 chave)
{
    const QString &c = exigirColuna(coluna);
    return conexao.emTransacao([&] {
        return conexao
            .valor(QStringLiteral("INSERT INTO ANULACAO (%1) VALUES (?) RETURNING ID_ANULACAO").arg(c), {chave})
            .toLongLong();
    });
}

bool anulado(ConexaoBanco &conexao, const QString &coluna, qint64 chave)
{
    const QString &c = exigirColuna(coluna);
    return conexao.valor(QStringLiteral("SELECT FIRST 1 ID_ANULACAO FROM ANULACAO WHERE %1 = ?").arg(c), {chave})
        .isValid();
}

bool restaurar(ConexaoBanco &conexao, const QString &coluna, qint64 chave)
{
    const QString &c = exigirColuna(coluna);
    return conexao.emTransacao([&] {
        return conexao.executar(
                   QStringLiteral("DELETE FROM ANULACAO WHERE ID_ANULACAO = (SELECT FIRST 1 ID_ANULACAO FROM ANULACAO "
                                  "WHERE %1 = ? ORDER BY ID_ANULACAO)")
                       .arg(c),
                   {chave})
            > 0;
    });
}

QString filtroNaoAnulados(const QString &coluna, const QString &colunaTabela)
{
    const QString &c = exigirColuna(coluna);
    return QStringLiteral("%1 NOT IN (SELECT %2 FROM ANULACAO)").arg(colunaTabela.isEmpty() ? c : colunaTabela, c);
}

} // namespace Anulacao
