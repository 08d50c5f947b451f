#include "core/Lembretes.h"
#include "base/Rotinas.h"
#include "base/Relogio.h"
#include "base/Sessao.h"

namespace Lembretes {

QList<Estadia> estadiasAbertas(ConexaoBanco &conexao)
{
    QList<Estadia> r;
    const auto linhas = conexao.lerTodas(QStringLiteral(
        "SELECT W.ID_WALK_IN, UH.NUMERO, C.NOME FROM WALK_IN W "
        "JOIN UH ON UH.ID_UH = W.ID_UH JOIN CLIENTE C ON C.ID_CLIENTE = W.ID_CLIENTE "
        "WHERE W.BAIXA = 'N' AND UH.EXCLUIDO = 'N' AND UH.SITUACAO <> 'L' "
        "ORDER BY CAST(UH.NUMERO AS INTEGER), W.ID_WALK_IN"));
    for (const Linha &l : linhas)
        r.append({l.inteiro(QStringLiteral("ID_WALK_IN")),
                  l.texto(QStringLiteral("NUMERO")) + QStringLiteral("/") + l.texto(QStringLiteral("NOME"))});
    return r;
}

QString sqlAtivos()
{
    return QStringLiteral("SELECT L.ID_LEMBRETE, UH.NUMERO, L.DATA, L.HORA, L.DESCRICAO, L.USUARIO "
                          "FROM LEMBRETE L JOIN WALK_IN W ON W.ID_WALK_IN = L.ID_ENTRADA "
                          "JOIN UH ON UH.ID_UH = W.ID_UH "
                          "WHERE L.CONCLUIDO = 'N' ORDER BY L.DATA, L.HORA, L.ID_LEMBRETE");
}

Gravacao arquivar(ConexaoBanco &conexao, qint64 idEntrada, const QDate &data, const QTime &hora, const QString &descricao,
                  const QString &login)
{
    if (idEntrada <= 0)
        return Gravacao::SemUH;
    const QString texto = descricao.trimmed();
    if (texto.isEmpty())
        return Gravacao::SemDescricao;
    if (contarCaracteres(texto) > kMaxDescricao)
        return Gravacao::DescricaoLonga;
    conexao.emTransacao([&] {
        conexao.executar(QStringLiteral("INSERT INTO LEMBRETE (ID_ENTRADA, DATA, HORA, DESCRICAO, CONCLUIDO, USUARIO) "
                                            "VALUES (?, ?, ?, ?, 'N', ?)"),
                             {idEntrada, data, QTime(hora.hour(), hora.minute(), hora.second()), texto, login});
    });
    return Gravacao::Gravado;
}

bool concluir(ConexaoBanco &conexao, qint64 idLembrete)
{
    return conexao.emTransacao([&] {
        return conexao.executar(QStringLiteral("UPDATE LEMBRETE SET CONCLUIDO = 'S' WHERE ID_LEMBRETE = ?"),
                                    {idLembrete}) > 0;
    });
}

} // namespace Lembretes
