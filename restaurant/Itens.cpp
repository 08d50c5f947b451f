#include "restaurant/Itens.h"
#include "base/Anulacao.h"
#include "base/Dinheiro.h"
#include "base/Relogio.h"
#include "base/Rotinas.h"
#include "base/Sessao.h"
#include "base/UnitLog.h"

#include <QRegularExpression>

namespace Itens {

namespace {

QString vivos(const QString &coluna = QStringLiteral("ID_ITEM"))
{
    return Anulacao::filtroNaoAnulados(QStringLiteral("ID_ITEM"), coluna);
}

// The list's columns: the item and its total value (stock x unit value).
const QString kColunas = QStringLiteral("SELECT ITEM.*, ITEM.ESTOQUE * ITEM.VALOR AS VALOR_TOTAL FROM ITEM");

// A whole number as a field of `maximo` characters holds it; `negativo`
// lets a leading "-" in.
bool inteiro(const QString &texto, int maximo, bool negativo, qint64 *n)
{
    static const QRegularExpression comSinal(QStringLiteral("^-?[0-9]+$"));
    static const QRegularExpression semSinal(QStringLiteral("^[0-9]+$"));
    const QString t = texto.trimmed();
    if (t.isEmpty() || t.size() > maximo || !(negativo ? comSinal : semSinal).match(t).hasMatch())
        return false;
    bool ok = false;
    *n = t.toLongLong(&ok);
    return ok;
}

Resultado recusa(const QString &mensagem, Campo foco)
{
    Resultado r;
    r.mensagem = mensagem;
    r.foco = foco;
    return r;
}

bool descricaoTomada(ConexaoBanco &c, const QString &descricao, qint64 outraQue)
{
    return c.valor(QStringLiteral("SELECT FIRST 1 ID_ITEM FROM ITEM WHERE DESCRICAO = ? AND ID_ITEM <> ?"),
                   {descricao, outraQue})
        .isValid();
}

} // namespace

QString sqlLista() { return kColunas + QStringLiteral(" WHERE ") + vivos() + QStringLiteral(" ORDER BY DESCRICAO"); }

QString sqlListaPorCodigo()
{
    return kColunas + QStringLiteral(" WHERE ") + vivos() + QStringLiteral(" ORDER BY ID_ITEM");
}

FiltroLista filtro()
{
    FiltroLista f;
    f.modelo = kColunas + QStringLiteral(" WHERE ") + vivos() + QStringLiteral(" AND %1 ORDER BY DESCRICAO");
    f.opcoes = {{QStringLiteral("Código"), QStringLiteral("ID_ITEM"), true, true},
                {QStringLiteral("Descrição"), QStringLiteral("DESCRICAO")},
                {QStringLiteral("Estoque Atual"), QStringLiteral("ESTOQUE"), true, true}};
    f.prefixoLog = QStringLiteral("Tentou Localizar Item de Estoque de ");
    f.maximo = 50;
    f.maiusculas = true;
    return f;
}

Resultado salvar(ConexaoBanco &c, ModoEdicao modo, qint64 chave, const Dados &d, const QString &descricaoCarregada,
                 qint64 estoqueCarregado)
{
    if (modo == ModoEdicao::Ver)
        return {};
    const QString descricao = d.descricao.trimmed();
    if (descricao.isEmpty())
        return recusa(kMsgDescricaoInvalida, Campo::Descricao);
    if (contarCaracteres(descricao) > 90)
        return recusa(kMsgDescricaoLonga, Campo::Descricao);
    qint64 estoque = 0, minimo = 0;
    if (!inteiro(d.estoque, 5, true, &estoque))
        return recusa(kMsgEstoqueInvalido, Campo::Estoque);
    const LeituraDinheiro valor =
        Dinheiro::digitado(d.valor, SinalDigitado::ZeroOuPositivo, VazioDigitado::Zero, Dinheiro::tetoNumeric15());
    if (!valor)
        return recusa(kMsgValorInvalido, Campo::Valor);
    // An empty alert level is 0.
    if (!d.minimo.trimmed().isEmpty() && !inteiro(d.minimo, 5, false, &minimo))
        return recusa(kMsgMinimoInvalido, Campo::Minimo);

    const bool novo = modo == ModoEdicao::Incluir;
    const bool testarDescricao = novo || descricao != descricaoCarregada;
    return c.emTransacao([&]() -> Resultado {
        if (testarDescricao && descricaoTomada(c, descricao, novo ? 0 : chave))
            return recusa(kMsgJaCadastrado, Campo::Descricao);
        Resultado r;
        if (novo) {
            // A key reserved when the record opened is the key stored; without
            // one the generator gives it now.
            const QVariant reservada = chave > 0 ? QVariant(chave) : QVariant(QMetaType(QMetaType::LongLong));
            r.chave = c.valor(QStringLiteral("INSERT INTO ITEM (ID_ITEM, DESCRICAO, VALOR, ESTOQUE, AVISAR) "
                                             "VALUES (?, ?, ?, ?, ?) RETURNING ID_ITEM"),
                              {reservada, descricao, valor.valor->paraBanco(), estoque, minimo})
                          .toLongLong();
            RegistrarLog(c, QStringLiteral("Incluiu Item de Estoque -> Código %1 (%2)").arg(r.chave).arg(descricao));
        } else {
            // The stock moves by what the user changed on screen only.
            const int n = c.executar(QStringLiteral("UPDATE ITEM SET DESCRICAO = ?, VALOR = ?, ESTOQUE = ESTOQUE + ?, "
                                                    "AVISAR = ? WHERE ID_ITEM = ? AND ")
                                         + vivos(),
                                     {descricao, valor.valor->paraBanco(), estoque - estoqueCarregado, minimo, chave});
            if (n != 1)
                return recusa(kMsgNaoEncontrado, Campo::Nenhum);
            r.chave = chave;
            RegistrarLog(c, QStringLiteral("Alterou Item de Estoque -> Código %1 (%2)").arg(chave).arg(descricao));
        }
        r.salvo = true;
        r.mensagem = novo ? kMsgCadastrado : kMsgAlterado;
        return r;
    });
}

bool excluir(ConexaoBanco &c, qint64 chave, const QString &descricao)
{
    return c.emTransacao([&] {
        if (c.ler(QStringLiteral("SELECT ID_ITEM FROM ITEM WHERE ID_ITEM = ? WITH LOCK"), {chave}).vazia()
            || Anulacao::anulado(c, QStringLiteral("ID_ITEM"), chave))
            return false;
        Anulacao::registrar(c, QStringLiteral("ID_ITEM"), chave);
        RegistrarLog(c, QStringLiteral("Excluiu Item de Estoque -> Código %1 (%2)").arg(chave).arg(descricao));
        return true;
    });
}

QString legenda(TipoMovimento t)
{
    return t == TipoMovimento::Adicao ? QStringLiteral("Adição") : QStringLiteral("Baixa");
}

QString textoItem(qint64 chave, const QString &descricao, qint64 estoque)
{
    return QStringLiteral("%1 - %2 (%3)").arg(chave).arg(descricao).arg(estoque);
}

Resultado movimentar(ConexaoBanco &c, const Movimento &m)
{
    qint64 qtd = 0;
    // Up to 9 digits: the stock column is an INTEGER.
    if (!inteiro(m.quantidade, 9, false, &qtd) || qtd <= 0)
        return recusa(kMsgQuantidadeInvalida, Campo::Quantidade);
    const QString justificativa = m.justificativa.trimmed();
    if (contarCaracteres(justificativa) > 90)
        return recusa(kMsgJustificativaLonga, Campo::Justificativa);
    const bool adicao = m.tipo == TipoMovimento::Adicao;
    const QString sinal = adicao ? QStringLiteral("+") : QStringLiteral("-");
    const QDate data = m.data.isValid() ? m.data : Relogio::hoje();
    return c.emTransacao([&]() -> Resultado {
        // A relative update: movements of other workstations add up.
        const int n = c.executar(QStringLiteral("UPDATE ITEM SET ESTOQUE = ESTOQUE + ?, ULTIMA_MOVIMENTACAO = ? "
                                                "WHERE ID_ITEM = ? AND ")
                                     + vivos(),
                                 {adicao ? qtd : -qtd, Relogio::hoje(), m.chave});
        if (n != 1)
            return recusa(kMsgNaoEncontrado, Campo::Nenhum);
        c.executar(QStringLiteral("INSERT INTO ITEM_HISTORICO (ID_ITEM, TIPO, QTD, DESCRICAO, USUARIO, DATA) "
                                  "VALUES (?, ?, ?, ?, ?, ?)"),
                   {m.chave, sinal, qtd, justificativa, Sessao::atual().login, data});
        RegistrarLog(c, QStringLiteral("Realizou Movimentação de Item -> Código %1 (%2 - %3)")
                            .arg(m.itemPainel, legenda(m.tipo), QString::number(qtd)));
        Resultado r;
        r.salvo = true;
        r.chave = m.chave;
        r.mensagem = kMsgAtualizado;
        return r;
    });
}

namespace {
const QString kHistorico = QStringLiteral(
    "SELECT H.ID_ITEM_HISTORICO, H.ID_ITEM, H.TIPO, H.QTD, H.DESCRICAO, H.USUARIO, H.DATA, I.DESCRICAO AS ITEM "
    "FROM ITEM_HISTORICO H LEFT JOIN ITEM I ON I.ID_ITEM = H.ID_ITEM");
}

QString sqlHistorico() { return kHistorico + QStringLiteral(" ORDER BY H.DATA"); }
QString sqlHistoricoUsuario() { return kHistorico + QStringLiteral(" WHERE H.USUARIO = CAST(? AS VARCHAR(200)) ORDER BY H.DATA"); }
QString sqlHistoricoData() { return kHistorico + QStringLiteral(" WHERE H.DATA = ? ORDER BY H.DATA"); }

} // namespace Itens
