#include "rooms/CadastroUH.h"
#include "base/Erros.h"
#include "base/UnitDM.h"
#include "base/UnitLog.h"

namespace CadastroUH {

const QString kSqlTipos = QStringLiteral("SELECT ID_TIPO_UH, DESCRICAO FROM TIPO_UH WHERE ID_TIPO_UH NOT IN "
                                         "(SELECT ID_TIPO_UH FROM ANULACAO) ORDER BY DESCRICAO");

const QStringList &sqlLimpezaNovo()
{
    static const QStringList l{QStringLiteral("DELETE FROM PADRAO_UH WHERE ID_UH = ?"),
                               QStringLiteral("DELETE FROM PADRAO_PS_UH WHERE ID_UH = ?")};
    return l;
}

bool numeroValido(const QString &numero)
{
    if (numero.isEmpty() || numero.size() > kTamNumero)
        return false;
    for (QChar c : numero)
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return false;
    return true;
}

Resultado confirmar(ConexaoBanco &conexao, ModoEdicao modo, qint64 chave, const Dados &d)
{
    Resultado r;
    const QString numero = d.numero.trimmed();
    const QString descricao = d.descricao.trimmed();
    const QString ramal = d.ramal.trimmed();
    if (d.tipo <= 0) {
        r.mensagem = kMsgTipoInvalido;
        r.foco = Campo::Tipo;
        return r;
    }
    if (numero.isEmpty()) {
        r.mensagem = kMsgNumeroInvalido;
        r.foco = Campo::Numero;
        return r;
    }
    if (!numeroValido(numero)) {
        r.mensagem = kMsgNumeroSoDigitos;
        r.foco = Campo::Numero;
        return r;
    }
    if (descricao.isEmpty() || descricao.size() > kTamDescricao) {
        r.mensagem = kMsgDescricaoInvalida;
        r.foco = Campo::Descricao;
        return r;
    }
    if (ramal.size() > kTamRamal) {
        r.mensagem = kMsgRamalInvalido;
        r.foco = Campo::Ramal;
        return r;
    }
    if (modo == ModoEdicao::Ver)
        return r;
    const QString auditorio = d.auditorio ? QStringLiteral("S") : QStringLiteral("N");
    conexao.emTransacao([&] {
        if (modo == ModoEdicao::Incluir) {
            conexao.executar(QStringLiteral("INSERT INTO UH (ID_UH, ID_TIPO_UH, NUMERO, DESCRICAO, RAMAL, "
                                                "AUDITORIO) VALUES (?, ?, ?, ?, ?, ?)"),
                                 {chave, d.tipo, numero, descricao, ramal, auditorio});
            RegistrarLog(conexao, QStringLiteral("Incluiu UH -> Código %1 (%2)").arg(chave).arg(numero));
        } else {
            const int n = conexao.executar(QStringLiteral("UPDATE UH SET ID_TIPO_UH = ?, DESCRICAO = ?, "
                                                              "NUMERO = ?, RAMAL = ?, AUDITORIO = ? WHERE ID_UH = ?"),
                                               {d.tipo, descricao, numero, ramal, auditorio, chave});
            if (n != 1)
                throw ErroSistema(QStringLiteral("A UH %1 Não Existe Mais!").arg(chave));
            RegistrarLog(conexao, QStringLiteral("Alterou UH -> Código %1 (%2)").arg(chave).arg(numero));
        }
    });
    r.salvo = true;
    r.mensagem = modo == ModoEdicao::Incluir ? kMsgCadastrada : kMsgAtualizada;
    return r;
}

} // namespace CadastroUH
