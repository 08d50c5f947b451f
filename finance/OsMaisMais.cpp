#include "finance/OsMaisMais.h"
#include "base/Relatorio.h"
#include "base/UnitDM.h"

#include <QRegularExpression>

using MovimentoFinanceiro::Quatro;

namespace OsMaisMais {

namespace {

const QString kData = QStringLiteral("dd/MM/yyyy");

// The money a stay brought, all its means.
const QString kValorEstadia =
    QStringLiteral("W2.DINHEIRO + W2.VISA + W2.MASTER + W2.HIPER + W2.CHEQUE + W2.NOTA + W2.DEBVISA + W2.DEBMASTER");

QString linhaPeriodo(const QDate &de, const QDate &ate)
{
    return QStringLiteral("(De: ") + de.toString(kData) + QStringLiteral("   Até: ") + ate.toString(kData)
        + QLatin1Char(')');
}

} // namespace

QString legenda(Opcao o)
{
    switch (o) {
    case Opcao::Hospedes: return QStringLiteral("Melhores Hóspedes");
    case Opcao::UHs: return QStringLiteral("UH's Mais Ocupadas");
    case Opcao::TiposUH: return QStringLiteral("Tipos de UH Mais Ocupados");
    case Opcao::Recepcionistas: return QStringLiteral("Melhores Recepcionistas");
    case Opcao::Produtos: return QStringLiteral("Produtos/Serviços Mais Vendidos");
    case Opcao::ProdutosAgrupados: return QStringLiteral("Produtos/Serviços Mais Vendidos (Agrupado por Produtos)");
    case Opcao::Cadastros: return QStringLiteral("Cadastramento de Hóspedes");
    }
    return {};
}

QString palavraLog(Opcao o)
{
    switch (o) {
    case Opcao::Hospedes: return QStringLiteral("Melhores Hóspedes");
    case Opcao::UHs: return QStringLiteral("UHs Mais Ocupadas");
    case Opcao::TiposUH: return QStringLiteral("Tipos de UHs Mais Ocupadas");
    case Opcao::Cadastros: return QStringLiteral("Cadastramento de Hóspedes");
    case Opcao::Produtos: return QStringLiteral("Produtos/Serviços Mais Vendidos");
    case Opcao::ProdutosAgrupados: return QStringLiteral("Produtos/Serviços Mais Vendidos (Agrupado)");
    case Opcao::Recepcionistas: return {};
    }
    return {};
}

QString textoLog(Opcao o, const QDate &de, const QDate &ate)
{
    return QStringLiteral("Relatório Os Mais Mais (De:") + de.toString(kData) + QStringLiteral(" Até: ")
        + ate.toString(kData) + QStringLiteral(")\rTipo:") + palavraLog(o);
}

QString recusaPeriodo(const QDate &de, const QDate &ate)
{
    return MovimentoFinanceiro::Periodo{QDateTime(de, QTime(0, 0)), QDateTime(ate, QTime(0, 0))}.recusa();
}

// ---------------------------------------------------------------- rankings

QString sqlRanking(Opcao o)
{
    switch (o) {
    case Opcao::Hospedes:
        return QStringLiteral(
                   "SELECT C.ID_CLIENTE AS ID, CAST(C.NOME AS VARCHAR(100)) AS DESCRICAO, COUNT(O.ID_OCUPACAO) AS QTD, "
                   "COUNT(DISTINCT O.ID_ENTRADA) AS DIARIAS, "
                   "(SELECT SUM(%1) FROM WALK_IN W2 WHERE W2.ID_CLIENTE = C.ID_CLIENTE AND W2.DATA_SAIDA BETWEEN ? AND ? "
                   "AND W2.EXCLUIDO = 'N') AS VALOR, C.FONE_1, C.FAX "
                   "FROM OCUPACAO O JOIN WALK_IN W ON W.ID_WALK_IN = O.ID_ENTRADA "
                   "JOIN CLIENTE C ON C.ID_CLIENTE = W.ID_CLIENTE "
                   "WHERE O.DATA BETWEEN ? AND ? AND W.EXCLUIDO = 'N' "
                   "GROUP BY C.ID_CLIENTE, C.NOME, C.FONE_1, C.FAX ORDER BY 3 DESC, 2, 1")
            .arg(kValorEstadia);
    case Opcao::UHs:
        return QStringLiteral(
                   "SELECT UH.ID_UH AS ID, CAST('UH ' || UH.NUMERO AS VARCHAR(100)) AS DESCRICAO, "
                   "COUNT(O.ID_OCUPACAO) AS QTD, COUNT(DISTINCT O.ID_ENTRADA) AS DIARIAS, "
                   "(SELECT SUM(%1) FROM WALK_IN W2 WHERE W2.ID_UH = UH.ID_UH AND W2.DATA_SAIDA BETWEEN ? AND ? "
                   "AND W2.EXCLUIDO = 'N') AS VALOR "
                   "FROM OCUPACAO O JOIN WALK_IN W ON W.ID_WALK_IN = O.ID_ENTRADA JOIN UH ON UH.ID_UH = W.ID_UH "
                   "WHERE O.DATA BETWEEN ? AND ? AND W.EXCLUIDO = 'N' "
                   "GROUP BY UH.ID_UH, UH.NUMERO ORDER BY 3 DESC, 2, 1")
            .arg(kValorEstadia);
    case Opcao::TiposUH:
        return QStringLiteral(
                   "SELECT T.ID_TIPO_UH AS ID, CAST(T.DESCRICAO AS VARCHAR(100)) AS DESCRICAO, "
                   "COUNT(O.ID_OCUPACAO) AS QTD, COUNT(DISTINCT O.ID_ENTRADA) AS DIARIAS, "
                   "(SELECT SUM(%1) FROM WALK_IN W2 JOIN UH U2 ON U2.ID_UH = W2.ID_UH "
                   "WHERE U2.ID_TIPO_UH = T.ID_TIPO_UH AND W2.DATA_SAIDA BETWEEN ? AND ? AND W2.EXCLUIDO = 'N') AS VALOR "
                   "FROM OCUPACAO O JOIN WALK_IN W ON W.ID_WALK_IN = O.ID_ENTRADA JOIN UH ON UH.ID_UH = W.ID_UH "
                   "JOIN TIPO_UH T ON T.ID_TIPO_UH = UH.ID_TIPO_UH "
                   "WHERE O.DATA BETWEEN ? AND ? AND W.EXCLUIDO = 'N' "
                   "GROUP BY T.ID_TIPO_UH, T.DESCRICAO ORDER BY 3 DESC, 2, 1")
            .arg(kValorEstadia);
    case Opcao::Cadastros:
        // The count is shown as the customers registered; QTD and VALOR stay 0.
        return QStringLiteral("SELECT CAST(0 AS INTEGER) AS ID, CAST(C.USUARIO AS VARCHAR(100)) AS DESCRICAO, "
                              "CAST(0 AS BIGINT) AS QTD, COUNT(C.ID_CLIENTE) AS DIARIAS, "
                              "CAST(0 AS NUMERIC(15,2)) AS VALOR FROM CLIENTE C "
                              "WHERE C.DATA_CADASTRO BETWEEN ? AND ? AND C.EXCLUIDO = 'N' "
                              "GROUP BY C.USUARIO ORDER BY 4 DESC, 2");
    default:
        return {};
    }
}

QVariantList valoresRanking(Opcao o, const QDate &de, const QDate &ate)
{
    if (o == Opcao::Cadastros)
        return {de, ate};
    return {de, ate, de, ate};
}

QList<LinhaRanking> ranking(ConexaoBanco &c, Opcao o, const QDate &de, const QDate &ate)
{
    QList<LinhaRanking> r;
    const QString sql = sqlRanking(o);
    if (sql.isEmpty())
        return r;
    for (const Linha &l : c.lerTodas(sql, valoresRanking(o, de, ate))) {
        LinhaRanking x;
        x.id = l.inteiro(QStringLiteral("ID"));
        x.descricao = l.texto(QStringLiteral("DESCRICAO"));
        x.qtd = l.inteiro(QStringLiteral("QTD"));
        x.diarias = l.inteiro(QStringLiteral("DIARIAS"));
        x.valor = l.dinheiro(QStringLiteral("VALOR"));
        if (o == Opcao::Hospedes)
            x.telefones = l.texto(QStringLiteral("FONE_1")) + QStringLiteral(" ; ") + l.texto(QStringLiteral("FAX"));
        r << x;
    }
    return r;
}

QStringList linhasTelefones(const QList<LinhaRanking> &l)
{
    static const QRegularExpression fora(QStringLiteral("[.\\-:/()\\s]"));
    QStringList r;
    for (const LinhaRanking &x : l) {
        QString t = x.telefones;
        t.remove(fora);
        t = t.trimmed();
        if (!t.isEmpty() && t != QLatin1String(";"))
            r << t;
    }
    return r;
}

// ---------------------------------------------------------------- products

QString LinhaProduto::dataHora() const
{
    return data.toString(kData) + QStringLiteral(" às ") + hora.toString(QStringLiteral("hh:mm:ss"));
}

QList<LinhaProduto> produtos(ConexaoBanco &c, const QDate &de, const QDate &ate)
{
    QList<LinhaProduto> r;
    for (const Linha &l : c.lerTodas(
             QStringLiteral("SELECT D.USUARIO, D.ID_ENTRADA, PS.DESCRICAO, D.DATA, D.HORA, D.QTD, D.VALOR_UNIT, D.TAXA, "
                            "CAST(D.QTD * D.VALOR_UNIT * (1 + CAST(D.TAXA AS NUMERIC(18,4)) / 100) AS NUMERIC(18,4)) "
                            "AS VALOR_FINAL FROM DESPESA_UH D JOIN PRODUTOS_SERVICOS PS ON PS.ID_P_S = D.ID_P_S "
                            "WHERE D.DATA BETWEEN ? AND ? ORDER BY D.USUARIO, D.DATA, D.HORA, D.ID_DESPESA_UH"),
             {de, ate})) {
        LinhaProduto x;
        x.usuario = l.texto(QStringLiteral("USUARIO"));
        x.entrada = l.inteiro(QStringLiteral("ID_ENTRADA"));
        x.descricao = l.texto(QStringLiteral("DESCRICAO"));
        x.data = l.data(QStringLiteral("DATA"));
        x.hora = l.hora(QStringLiteral("HORA"));
        x.qtd = l.inteiro(QStringLiteral("QTD"));
        x.valorUnit = l.dinheiro(QStringLiteral("VALOR_UNIT"));
        x.taxa = l.dinheiro(QStringLiteral("TAXA"));
        x.valorFinal = Quatro::deSql(l.valor(QStringLiteral("VALOR_FINAL")));
        r << x;
    }
    return r;
}

QList<LinhaAgrupada> produtosAgrupados(ConexaoBanco &c, const QDate &de, const QDate &ate)
{
    QList<LinhaAgrupada> r;
    for (const Linha &l : c.lerTodas(QStringLiteral("SELECT SUM(D.QTD) AS QTD, D.VALOR_UNIT, PS.DESCRICAO "
                                                    "FROM DESPESA_UH D JOIN PRODUTOS_SERVICOS PS ON PS.ID_P_S = D.ID_P_S "
                                                    "WHERE D.DATA BETWEEN ? AND ? GROUP BY 2, 3 ORDER BY PS.DESCRICAO, 2"),
                                     {de, ate}))
        r.append({l.texto(QStringLiteral("DESCRICAO")), l.inteiro(QStringLiteral("QTD")),
                  l.dinheiro(QStringLiteral("VALOR_UNIT"))});
    return r;
}

QList<LinhaRecepcionista> recepcionistas(ConexaoBanco &c, const QDate &de, const QDate &ate)
{
    QList<LinhaRecepcionista> r;
    for (const Linha &l : c.lerTodas(QStringLiteral("SELECT DESCRICAO, SUM(QTD1) AS QTD1, SUM(QTD2) AS QTD2, "
                                                    "SUM(QTD3) AS QTD3, SUM(QTD4) AS QTD4, SUM(VALOR) AS VALOR "
                                                    "FROM SP_MEL_RECEPCIONISTAS(?, ?) GROUP BY 1 ORDER BY 1"),
                                     {de, ate})) {
        LinhaRecepcionista x;
        x.descricao = l.texto(QStringLiteral("DESCRICAO"));
        x.qtd1 = l.inteiro(QStringLiteral("QTD1"));
        x.qtd2 = l.inteiro(QStringLiteral("QTD2"));
        x.qtd3 = l.inteiro(QStringLiteral("QTD3"));
        x.qtd4 = l.inteiro(QStringLiteral("QTD4"));
        x.valor = l.dinheiro(QStringLiteral("VALOR"));
        r << x;
    }
    return r;
}

// ---------------------------------------------------------------- reports

Relatorio relatorioRanking(Opcao o, const QList<LinhaRanking> &l, const QDate &de, const QDate &ate, bool comTelefones)
{
    const bool telefones = comTelefones && o == Opcao::Hospedes;
    Relatorio rel(QStringLiteral("Relatório - ") + legenda(o), telefones);
    rel.linhaCabecalho(linhaPeriodo(de, ate));
    using T = Relatorio::Tipo;
    const bool cadastros = o == Opcao::Cadastros;
    rel.coluna(QStringLiteral("CÓDIGO"), 10, T::Inteiro);
    rel.coluna(o == Opcao::Hospedes ? QStringLiteral("NOME")
               : cadastros          ? QStringLiteral("RECEPCIONISTA")
                                    : QStringLiteral("UH"),
               telefones ? 55 : 60);
    rel.coluna(cadastros ? QStringLiteral("CADASTROS") : QStringLiteral("HOSPEDAGENS"), 14, T::Inteiro, true);
    rel.coluna(cadastros ? QStringLiteral("---") : QStringLiteral("DIÁRIAS"), 12, T::Inteiro, true);
    rel.coluna(cadastros ? QStringLiteral("---") : QStringLiteral("FINANCEIRO"), 16, T::Dinheiro, true);
    if (telefones)
        rel.coluna(QStringLiteral("TELEFONES"), 40);
    rel.rotuloTotalGeral(QStringLiteral("TOTAL -->"));
    for (const LinhaRanking &x : l) {
        QList<Relatorio::Celula> c{x.id, x.descricao, x.diarias, x.qtd, x.valor};
        if (telefones)
            c << x.telefones;
        rel.linha(c);
    }
    return rel;
}

Relatorio relatorioProdutos(const QList<LinhaProduto> &l, const QDate &de, const QDate &ate)
{
    Relatorio rel(legenda(Opcao::Produtos));
    rel.linhaCabecalho(linhaPeriodo(de, ate));
    using T = Relatorio::Tipo;
    rel.coluna(QStringLiteral("Entrada"), 10, T::Inteiro);
    rel.coluna(QStringLiteral("Produto/Serviço"), 45);
    rel.coluna(QStringLiteral("Data/Hora"), 26);
    rel.coluna(QStringLiteral("Qtd."), 8, T::Inteiro);
    rel.coluna(QStringLiteral("Valor Unit. R$"), 15, T::Dinheiro);
    rel.coluna(QStringLiteral("Taxa %"), 10, T::Dinheiro);
    rel.coluna(QStringLiteral("Valor Final R$"), 16, T::Dinheiro);
    // The users' and the grand totals are summed at four places, as the lines are kept.
    Quatro grupo, geral;
    QString usuario;
    bool aberto = false;
    const auto fechar = [&] {
        if (aberto)
            rel.texto(QStringLiteral("TOTAL  --> R$ ") + grupo.formatado());
        grupo = Quatro{};
    };
    for (const LinhaProduto &x : l) {
        if (!aberto || x.usuario != usuario) {
            fechar();
            usuario = x.usuario;
            aberto = true;
            rel.grupo(QStringLiteral("Usuário:") + x.usuario);
        }
        rel.linha({x.entrada, x.descricao, x.dataHora(), x.qtd, x.valorUnit, x.taxa, x.valorFinal.dinheiro()});
        grupo += x.valorFinal;
        geral += x.valorFinal;
    }
    fechar();
    if (!l.isEmpty())
        rel.resumo(QStringLiteral("TOTAL --> R$"), geral.dinheiro());
    return rel;
}

Relatorio relatorioAgrupado(const QList<LinhaAgrupada> &l, const QDate &de, const QDate &ate)
{
    Relatorio rel(legenda(Opcao::ProdutosAgrupados));
    rel.linhaCabecalho(linhaPeriodo(de, ate));
    using T = Relatorio::Tipo;
    rel.coluna(QStringLiteral("PRODUTO / SERVIÇO"), 60);
    rel.coluna(QStringLiteral("QTD."), 12, T::Inteiro, true);
    rel.coluna(QStringLiteral("VALOR UNIT. R$"), 18, T::Dinheiro);
    rel.coluna(QStringLiteral("VALOR TOTAL R$"), 18, T::Dinheiro, true);
    rel.rotuloTotalGeral(QStringLiteral("TOTAL -->"));
    for (const LinhaAgrupada &x : l)
        rel.linha({x.descricao, x.qtd, x.valorUnit, x.valorFinal()});
    return rel;
}

Relatorio relatorioRecepcionistas(const QList<LinhaRecepcionista> &l, const QDate &de, const QDate &ate)
{
    Relatorio rel(QStringLiteral("Relatório dos Melhores Recepcionistas"));
    rel.linhaCabecalho(linhaPeriodo(de, ate));
    using T = Relatorio::Tipo;
    rel.coluna(QStringLiteral("RECEPCIONISTA"), 30);
    for (const char *t : {"HOSPEDAGENS", "INDIVIDUAIS", "DUPLAS", "TRIPLAS", "QUÁDRUPLAS"})
        rel.coluna(QString::fromUtf8(t), 14, T::Inteiro, true);
    rel.coluna(QStringLiteral("RENTABILIDADE R$"), 20, T::Dinheiro, true);
    rel.rotuloTotalGeral(QStringLiteral("TOTAL -->"));
    for (const LinhaRecepcionista &x : l)
        rel.linha({x.descricao, x.total(), x.qtd1, x.qtd2, x.qtd3, x.qtd4, x.valor});
    return rel;
}

} // namespace OsMaisMais
