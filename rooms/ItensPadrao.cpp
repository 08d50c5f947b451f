#include "rooms/ItensPadrao.h"
#include "base/UnitDM.h"
#include "base/UnitLog.h"

#include <limits>

namespace ItensPadrao {

namespace {

struct Definicao {
    const char *grade;     // grid statement, "?" = owner
    const char *escolha;   // one offered choice by key: ID, DESCRICAO (, VALOR)
    const char *inserir;   // owner, item, quantity (, price)
    const char *excluir;   // row key, owner
    const char *logIncluir; // "" = not logged
    const char *logExcluir;
    bool produto;
    bool comValor;
};

const Definicao &definicao(Tabela t)
{
    static const Definicao estoqueTipo{
        "SELECT PI.ID_PADRAO_ITEM AS ID_LINHA, PI.ID_ITEM, PI.QTD, PI.ID_TIPO_UH, I.DESCRICAO "
        "FROM PADRAO_ITEM PI, ITEM I "
        "WHERE PI.ID_ITEM NOT IN (SELECT ID_ITEM FROM ANULACAO) "
        "AND PI.ID_TIPO_UH = ? "
        "AND PI.ID_ITEM = I.ID_ITEM "
        "ORDER BY I.DESCRICAO, PI.ID_PADRAO_ITEM",
        "SELECT ID_ITEM AS ID, DESCRICAO FROM ITEM WHERE ID_ITEM = ? "
        "AND ID_ITEM NOT IN (SELECT ID_ITEM FROM ANULACAO)",
        "INSERT INTO PADRAO_ITEM (ID_TIPO_UH, ID_ITEM, QTD) VALUES (?, ?, ?)",
        "DELETE FROM PADRAO_ITEM WHERE ID_PADRAO_ITEM = ? AND ID_TIPO_UH = ?",
        "Incluiu Item Padrão de Estoque -> (",
        "Excluiu Item Padrão de Estoque -> (",
        false,
        false};
    static const Definicao frigobarTipo{
        "SELECT PPS.ID_PADRAO_PS AS ID_LINHA, PPS.ID_P_S AS ID_ITEM, PPS.QTD, PPS.VALOR, PPS.ID_TIPO_UH, "
        "PS.DESCRICAO "
        "FROM PADRAO_PS PPS, PRODUTOS_SERVICOS PS "
        "WHERE PS.EXCLUIDO = 'N' "
        "AND PPS.ID_TIPO_UH = ? "
        "AND PPS.ID_P_S = PS.ID_P_S "
        "ORDER BY PS.DESCRICAO, PPS.ID_PADRAO_PS",
        "SELECT ID_P_S AS ID, DESCRICAO, VALOR FROM PRODUTOS_SERVICOS WHERE ID_P_S = ? AND EXCLUIDO = 'N'",
        "INSERT INTO PADRAO_PS (ID_TIPO_UH, ID_P_S, QTD, VALOR) VALUES (?, ?, ?, ?)",
        "DELETE FROM PADRAO_PS WHERE ID_PADRAO_PS = ? AND ID_TIPO_UH = ?",
        "Incluiu Item Padrão de Frigobar -> (",
        "Excluiu Item Padrão de Frigobar -> (",
        true,
        true};
    static const Definicao estoqueUH{
        "SELECT PI.ID_PADRAO_UH AS ID_LINHA, PI.ID_ITEM, PI.QTD, PI.ID_UH, I.DESCRICAO "
        "FROM PADRAO_UH PI, ITEM I "
        "WHERE PI.ID_ITEM NOT IN (SELECT ID_ITEM FROM ANULACAO) "
        "AND PI.ID_UH = ? "
        "AND PI.ID_ITEM = I.ID_ITEM "
        "ORDER BY I.DESCRICAO, PI.ID_PADRAO_UH",
        estoqueTipo.escolha,
        "INSERT INTO PADRAO_UH (ID_UH, ID_ITEM, QTD) VALUES (?, ?, ?)",
        "DELETE FROM PADRAO_UH WHERE ID_PADRAO_UH = ? AND ID_UH = ?",
        "Incluiu Item Padrão de UH -> (",
        "Excluiu Item Padrão de UH -> (",
        false,
        false};
    static const Definicao frigobarUH{
        "SELECT PI.ID_PADRAO_PS_UH AS ID_LINHA, PI.ID_PS AS ID_ITEM, PI.QTD, PI.ID_UH, PS.DESCRICAO "
        "FROM PADRAO_PS_UH PI, PRODUTOS_SERVICOS PS "
        "WHERE PS.EXCLUIDO = 'N' "
        "AND PI.ID_UH = ? "
        "AND PI.ID_PS = PS.ID_P_S "
        "ORDER BY PS.DESCRICAO, PI.ID_PADRAO_PS_UH",
        frigobarTipo.escolha,
        "INSERT INTO PADRAO_PS_UH (ID_UH, ID_PS, QTD) VALUES (?, ?, ?)",
        "DELETE FROM PADRAO_PS_UH WHERE ID_PADRAO_PS_UH = ? AND ID_UH = ?",
        "",
        "",
        true,
        false};
    switch (t) {
    case Tabela::EstoqueTipo:
        return estoqueTipo;
    case Tabela::FrigobarTipo:
        return frigobarTipo;
    case Tabela::EstoqueUH:
        return estoqueUH;
    case Tabela::FrigobarUH:
        break;
    }
    return frigobarUH;
}

} // namespace

QString sqlGrade(Tabela t) { return QString::fromUtf8(definicao(t).grade); }

QString sqlEscolhas(Tabela t)
{
    return definicao(t).produto
        ? QStringLiteral("SELECT ID_P_S AS ID, DESCRICAO, VALOR FROM PRODUTOS_SERVICOS WHERE EXCLUIDO = 'N' "
                         "ORDER BY DESCRICAO")
        : QStringLiteral("SELECT ID_ITEM AS ID, DESCRICAO FROM ITEM WHERE ID_ITEM NOT IN (SELECT ID_ITEM FROM "
                         "ANULACAO) ORDER BY DESCRICAO");
}

std::optional<int> quantidade(const QString &texto)
{
    const QString t = texto.trimmed();
    if (t.isEmpty())
        return std::nullopt;
    for (QChar c : t)
        if (!c.isDigit() || c.unicode() > 127)
            return std::nullopt;
    bool ok = false;
    const qint64 n = t.toLongLong(&ok);
    if (!ok || n < 1 || n > std::numeric_limits<qint32>::max())
        return std::nullopt;
    return int(n);
}

std::optional<Recusa> incluir(ConexaoBanco &conexao, Tabela t, qint64 dono, qint64 escolha, const QString &quantidadeTexto)
{
    const Definicao &d = definicao(t);
    const Recusa escolhaInvalida{d.produto ? kMsgProdutoInvalido : kMsgItemInvalido, Campo::Escolha};
    if (escolha <= 0)
        return escolhaInvalida;
    const std::optional<int> qtd = quantidade(quantidadeTexto);
    if (!qtd)
        return Recusa{kMsgQuantidadeInvalida, Campo::Quantidade};
    return conexao.emTransacao([&]() -> std::optional<Recusa> {
        const Linha item = conexao.ler(QString::fromUtf8(d.escolha), {escolha});
        if (item.vazia())
            return escolhaInvalida;
        Valores v{dono, escolha, *qtd};
        if (d.comValor)
            v.append(item.dinheiro(QStringLiteral("VALOR")).paraBanco());
        conexao.executar(QString::fromUtf8(d.inserir), v);
        if (*d.logIncluir)
            RegistrarLog(conexao, QString::fromUtf8(d.logIncluir) + item.texto(QStringLiteral("DESCRICAO"))
                         + QStringLiteral(")"));
        return std::nullopt;
    });
}

void excluir(ConexaoBanco &conexao, Tabela t, qint64 dono, qint64 idLinha, const QString &descricao)
{
    const Definicao &d = definicao(t);
    conexao.emTransacao([&] {
        const int n = conexao.executar(QString::fromUtf8(d.excluir), {idLinha, dono});
        if (n > 0 && *d.logExcluir)
            RegistrarLog(conexao, QString::fromUtf8(d.logExcluir) + descricao + QStringLiteral(")"));
    });
}

} // namespace ItensPadrao
