#include "stays/Consumo.h"

#include "base/Relogio.h"
#include "base/Sessao.h"
#include "base/UnitDM.h"
#include "base/UnitLog.h"
#include "stays/CalculoEstadia.h"
#include "stays/Estadias.h"
#include "stays/Saida.h"
#include "stays/Pagamentos.h"

namespace Consumo {

namespace {

// A refusal found inside a transaction: everything is rolled back.
struct Desistencia {
    Recusa recusa;
};

// A whole number of at least 1, else 0.
int quantidade(const QString &texto)
{
    bool ok = false;
    const int n = texto.trimmed().toInt(&ok);
    return ok && n > 0 ? n : 0;
}

// The unit price typed: empty is zero, never negative.
std::optional<Dinheiro> preco(const QString &texto)
{
    return Dinheiro::digitado(texto, SinalDigitado::ZeroOuPositivo, VazioDigitado::Zero).valor;
}

// The stay's row locked and open, or the transaction stops with the
// "already closed" refusal.
void exigirAberta(ConexaoBanco &c, qint64 idEntrada)
{
    if (!Estadias::travarAberta(c, idEntrada)) {
        Recusa r{Saida::Textos::JaFechada, Campo::Nenhum, Mensagem::Tipo::Aviso};
        r.fechada = true;
        throw Desistencia{r};
    }
}

// Runs a write that may stop with a refusal; the refusal or nothing.
template <class F>
std::optional<Recusa> escrever(ConexaoBanco &conexao, F &&operacao)
{
    try {
        conexao.emTransacao(operacao);
    } catch (const Desistencia &d) {
        return d.recusa;
    }
    return std::nullopt;
}

std::optional<MeioCaixa> meioDoTexto(const QString &texto)
{
    for (const DadosMeioCaixa &m : meiosCaixa())
        if (m.tipo == texto)
            return m.meio;
    return std::nullopt;
}

} // namespace

std::optional<Recusa> validar(const LinhaNova &l, const QDate &hoje)
{
    if (l.produto <= 0)
        return Recusa{Textos::SemProduto, Campo::Produto};
    if (quantidade(l.qtd) == 0)
        return Recusa{Textos::SemQuantidade, Campo::Quantidade};
    if (!preco(l.valorUnit))
        return Recusa{Textos::ValorInvalido, Campo::ValorUnit};
    if (l.data.isValid() && l.data > hoje)
        return Recusa{Textos::DataFutura, Campo::Data};
    return std::nullopt;
}

Dinheiro taxaDoProduto(ConexaoBanco &c, qint64 idProduto)
{
    return c
        .ler(QStringLiteral("SELECT PDV.TAXA FROM PRODUTOS_SERVICOS P JOIN PDV ON PDV.ID_PDV = P.ID_PDV "
                            "WHERE P.ID_P_S = ?"),
             {idProduto})
        .dinheiro(QStringLiteral("TAXA"));
}

qint64 gravarLinha(ConexaoBanco &c, qint64 idEntrada, const LinhaNova &l, const QString &usuario, bool pago)
{
    const Linha p = c.ler(QStringLiteral("SELECT P.FAB_PROPRIA, P.DIARIA, PDV.TAXA FROM PRODUTOS_SERVICOS P "
                                         "LEFT JOIN PDV ON PDV.ID_PDV = P.ID_PDV WHERE P.ID_P_S = ?"),
                          {l.produto});
    const int qtd = quantidade(l.qtd);
    if (p.texto(QStringLiteral("FAB_PROPRIA")) != QLatin1String("S"))
        c.executar(QStringLiteral("UPDATE PRODUTOS_SERVICOS SET ESTOQUE = ESTOQUE - ? WHERE ID_P_S = ?"),
                   {qtd, l.produto});
    const QString diaria = p.texto(QStringLiteral("DIARIA")) == QLatin1String("S") ? QStringLiteral("S")
                                                                                    : QStringLiteral("N");
    const QDateTime agora = Relogio::agora();
    return c
        .valor(QStringLiteral("INSERT INTO DESPESA_UH (ID_ENTRADA, ID_P_S, VALOR_UNIT, QTD, COMANDA, USUARIO, DATA, "
                              "HORA, TAXA, PAGO, FORMA_PAG, RESPONSAVEL, DIARIA) "
                              "VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, '', ?, ?) RETURNING ID_DESPESA_UH"),
               {idEntrada, l.produto, preco(l.valorUnit).value_or(Dinheiro()).paraBanco(), qtd, l.comanda,
                usuario.left(10), l.data.isValid() ? l.data : agora.date(), agora.time(),
                p.dinheiro(QStringLiteral("TAXA")).paraBanco(), pago ? QStringLiteral("S") : QStringLiteral("N"),
                l.responsavel.toUpper().left(90), diaria})
        .toLongLong();
}

Inclusao incluir(ConexaoBanco &conexao, qint64 idEntrada, const QString &numeroUH, const LinhaNova &l)
{
    Inclusao r;
    if ((r.recusa = validar(l, Relogio::hoje())))
        return r;
    r.recusa = escrever(conexao, [&] {
        exigirAberta(conexao, idEntrada);
        r.id = gravarLinha(conexao, idEntrada, l, Sessao::atual().login);
        RegistrarLog(conexao, TextoLogCodigo(QStringLiteral("Incluiu Despesa ou Consumo"), idEntrada, l.descricao, numeroUH));
    });
    if (r.recusa)
        r.id = 0;
    return r;
}

QList<Pagamento> pagamentosDaLinha(ConexaoBanco &c, qint64 idDespesa)
{
    QList<Pagamento> r;
    for (const Linha &l : c.lerTodas(
             QStringLiteral("SELECT FORMA_PAG, VALOR FROM DESPESA_UH_PAG WHERE ID_DESPESA_UH = ? ORDER BY FORMA_PAG"),
             {idDespesa})) {
        if (const auto meio = meioDoTexto(l.texto(QStringLiteral("FORMA_PAG"))))
            r.append({*meio, l.dinheiro(QStringLiteral("VALOR"))});
    }
    if (!r.isEmpty())
        return r;
    const Linha d = c.ler(QStringLiteral("SELECT QTD, VALOR_UNIT, TAXA, FORMA_PAG FROM DESPESA_UH "
                                         "WHERE ID_DESPESA_UH = ?"),
                          {idDespesa});
    if (const auto meio = meioDoTexto(d.texto(QStringLiteral("FORMA_PAG"))))
        r.append({*meio, CalculoEstadia::valorLinhaConsumo(d.inteiro(QStringLiteral("QTD")),
                                                           d.dinheiro(QStringLiteral("VALOR_UNIT")),
                                                           d.dinheiro(QStringLiteral("TAXA")))});
    return r;
}

void registrarPagamento(ConexaoBanco &c, qint64 idDespesa, const QList<Pagamento> &pagamentos)
{
    c.emTransacao([&] {
        c.executar(QStringLiteral("DELETE FROM DESPESA_UH_PAG WHERE ID_DESPESA_UH = ?"), {idDespesa});
        const QString forma = pagamentos.size() == 1 ? dadosMeio(pagamentos.first().meio).tipo : QString();
        c.executar(QStringLiteral("UPDATE DESPESA_UH SET FORMA_PAG = ? WHERE ID_DESPESA_UH = ?"), {forma, idDespesa});
        if (pagamentos.size() > 1)
            for (const Pagamento &p : pagamentos)
                c.executar(QStringLiteral("INSERT INTO DESPESA_UH_PAG (ID_DESPESA_UH, FORMA_PAG, VALOR) "
                                          "VALUES (?, ?, ?)"),
                           {idDespesa, dadosMeio(p.meio).tipo, p.valor.paraBanco()});
    });
}

Remocao remover(ConexaoBanco &conexao, qint64 idDespesa, const QString &motivo, const QString &numeroUH)
{
    Remocao r;
    if (motivo.trimmed().isEmpty()) {
        r.recusa = Recusa{Textos::SemMotivo, Campo::Motivo, Mensagem::Tipo::Aviso};
        return r;
    }
    ConexaoBanco &c = conexao;
    try {
        c.emTransacao([&] {
            const Linha l = c.ler(QStringLiteral("SELECT D.ID_ENTRADA, D.ID_P_S, D.QTD, D.PAGO, P.DESCRICAO, "
                                                 "P.FAB_PROPRIA FROM DESPESA_UH D LEFT JOIN PRODUTOS_SERVICOS P "
                                                 "ON P.ID_P_S = D.ID_P_S WHERE D.ID_DESPESA_UH = ?"),
                                  {idDespesa});
            if (l.vazia())
                throw Desistencia{Recusa{Textos::LinhaRemovida, Campo::Nenhum, Mensagem::Tipo::Aviso}};
            const qint64 entrada = l.inteiro(QStringLiteral("ID_ENTRADA"));
            exigirAberta(c, entrada);
            // The payment first: the row's delete below would hide how it was paid.
            if (l.texto(QStringLiteral("PAGO")) == QLatin1String("S")) {
                Pagamentos::Valores v;
                for (const Pagamento &p : pagamentosDaLinha(c, idDespesa))
                    if (p.valor > Dinheiro())
                        v[p.meio] += p.valor;
                try {
                    Pagamentos::estornar(c, entrada, v, true);
                } catch (const Pagamentos::RecusaCaixa &x) {
                    if (x.estadia)
                        throw Desistencia{Recusa{Textos::PagoNaoCobre, Campo::Nenhum, Mensagem::Tipo::Erro}};
                    throw Desistencia{Recusa{x.caixa.mensagem, Campo::Nenhum, x.caixa.tipo}};
                }
            }
            if (c.executar(QStringLiteral("DELETE FROM DESPESA_UH WHERE ID_DESPESA_UH = ?"), {idDespesa}) != 1)
                throw Desistencia{Recusa{Textos::LinhaRemovida, Campo::Nenhum, Mensagem::Tipo::Aviso}};
            c.executar(QStringLiteral("DELETE FROM DESPESA_UH_PAG WHERE ID_DESPESA_UH = ?"), {idDespesa});
            if (l.texto(QStringLiteral("FAB_PROPRIA")) != QLatin1String("S"))
                c.executar(QStringLiteral("UPDATE PRODUTOS_SERVICOS SET ESTOQUE = ESTOQUE + ? WHERE ID_P_S = ?"),
                           {l.inteiro(QStringLiteral("QTD")), l.inteiro(QStringLiteral("ID_P_S"))});
            RegistrarLog(conexao, TextoLogCodigo(QStringLiteral("Excluiu Despesa ou Consumo"), entrada,
                                  l.texto(QStringLiteral("DESCRICAO")), numeroUH)
                         + QStringLiteral(" (") + motivo.trimmed() + QStringLiteral(")"));
        });
        r.removida = true;
    } catch (const Desistencia &x) {
        r.recusa = x.recusa;
    }
    return r;
}

std::optional<Recusa> incluirItem(ConexaoBanco &conexao, qint64 idEntrada, qint64 idItem, const QString &qtd, const QString &descricao,
                                  const QString &numeroUH)
{
    if (idItem <= 0)
        return Recusa{Textos::SemItem, Campo::Produto};
    const int n = quantidade(qtd);
    if (n == 0)
        return Recusa{Textos::SemQuantidadeItem, Campo::Quantidade};
    return escrever(conexao, [&] {
        exigirAberta(conexao, idEntrada);
        conexao.executar(QStringLiteral("INSERT INTO ITEM_ENTRADA (ID_ENTRADA, ID_ITEM, QTD) VALUES (?, ?, ?)"),
                             {idEntrada, idItem, n});
        RegistrarLog(conexao, TextoLogCodigo(QStringLiteral("Incluiu Item de Estoque"), idEntrada, descricao, numeroUH));
    });
}

std::optional<Recusa> removerItem(ConexaoBanco &conexao, qint64 idEntrada, qint64 idItem, qint64 idTipoUH, qint64 idUH,
                                  const QString &descricao, const QString &numeroUH)
{
    ConexaoBanco &c = conexao;
    return escrever(conexao, [&] {
        exigirAberta(c, idEntrada);
        RegistrarLog(conexao, TextoLogCodigo(QStringLiteral("Excluiu Item de Estoque"), idEntrada, descricao, numeroUH));
        c.executar(QStringLiteral("DELETE FROM ITEM_ENTRADA WHERE ID_ENTRADA = ? AND ID_ITEM = ?"), {idEntrada, idItem});
        const QVariant padrao = c.valor(QStringLiteral("SELECT SUM(QTD) FROM VW_CONFERENCIA "
                                                       "WHERE ID_ITEM = ? AND (ID_TIPO_UH = ? OR ID_UH = ?)"),
                                        {idItem, idTipoUH, idUH});
        if (padrao.isValid() && !padrao.isNull())
            c.executar(QStringLiteral("INSERT INTO ITEM_ENTRADA (ID_ENTRADA, ID_ITEM, QTD) VALUES (?, ?, ?)"),
                       {idEntrada, idItem, padrao.toLongLong()});
    });
}

std::optional<Recusa> incluirFrigobar(ConexaoBanco &conexao, qint64 idEntrada, qint64 idProduto, const QString &qtd,
                                      const QString &valorUnit, const QString &descricao, const QString &numeroUH)
{
    if (idProduto <= 0)
        return Recusa{Textos::SemProduto, Campo::Produto};
    const int n = quantidade(qtd);
    if (n == 0)
        return Recusa{Textos::SemQuantidadeItem, Campo::Quantidade};
    const std::optional<Dinheiro> v = preco(valorUnit);
    if (!v)
        return Recusa{Textos::ValorInvalido, Campo::ValorUnit};
    return escrever(conexao, [&] {
        exigirAberta(conexao, idEntrada);
        conexao.executar(
            QStringLiteral("INSERT INTO PS_ENTRADA (ID_ENTRADA, ID_P_S, VALOR, QTD) VALUES (?, ?, ?, ?)"),
            {idEntrada, idProduto, v->paraBanco(), n});
        RegistrarLog(conexao, TextoLogCodigo(QStringLiteral("Incluiu Item de Frigobar"), idEntrada, descricao, numeroUH));
    });
}

std::optional<Recusa> removerFrigobar(ConexaoBanco &conexao, qint64 idEntrada, qint64 idProduto, Dinheiro valor, const QString &descricao,
                                      const QString &numeroUH)
{
    return escrever(conexao, [&] {
        exigirAberta(conexao, idEntrada);
        RegistrarLog(conexao, TextoLogCodigo(QStringLiteral("Excluiu Item de Frigobar"), idEntrada, descricao, numeroUH));
        conexao.executar(
            QStringLiteral("DELETE FROM PS_ENTRADA WHERE ID_ENTRADA = ? AND ID_P_S = ? AND VALOR = ?"),
            {idEntrada, idProduto, valor.paraBanco()});
    });
}

} // namespace Consumo
