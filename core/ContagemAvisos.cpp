#include "core/ContagemAvisos.h"
#include "base/Parametros.h"
#include "base/Sessao.h"
#include "base/UnitDM.h"

namespace Notificacoes {

int lembretesVencidos(ConexaoBanco &conexao, const QDateTime &agora)
{
    return int(conexao
                   .ler(QStringLiteral("SELECT COUNT(*) AS N FROM LEMBRETE WHERE CONCLUIDO = 'N' "
                                       "AND (DATA < ? OR (DATA = ? AND HORA <= ?))"),
                        {agora.date(), agora.date(), agora.time()})
                   .inteiro(QStringLiteral("N")));
}

int mensagensNaoLidas(ConexaoBanco &conexao, const QString &login)
{
    return int(conexao
                   .ler(QStringLiteral("SELECT COUNT(*) AS N FROM CHAT WHERE LIDA = 'N' AND ID_USUARIO_RECEB = ?"),
                        {login})
                   .inteiro(QStringLiteral("N")));
}

} // namespace Notificacoes
