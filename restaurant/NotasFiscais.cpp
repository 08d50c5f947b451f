#include "restaurant/NotasFiscais.h"

#include <QRegularExpression>

namespace NotasFiscais {

namespace {

// The stays marked for an invoice, one row each with the sum of its nights;
// `periodo` adds the departure condition (two "?").
QString estadias(bool periodo)
{
    return QStringLiteral("SELECT CAST(0 AS INTEGER) AS ID_NF, W.DATA_ENTRADA, W.DATA_SAIDA, W.QTD_ADULTOS, UH.NUMERO, "
                          "C.NOME, SUM(O.VALOR) AS VALOR "
                          "FROM WALK_IN W JOIN CLIENTE C ON W.ID_CLIENTE = C.ID_CLIENTE JOIN UH ON W.ID_UH = UH.ID_UH "
                          "JOIN OCUPACAO O ON W.ID_WALK_IN = O.ID_ENTRADA "
                          "WHERE W.EXCLUIDO = 'N' AND W.NF = 'S'")
        + (periodo ? QStringLiteral(" AND W.DATA_SAIDA >= ? AND W.DATA_SAIDA <= ?") : QString())
        + QStringLiteral(" GROUP BY W.ID_WALK_IN, W.DATA_ENTRADA, W.DATA_SAIDA, W.QTD_ADULTOS, UH.NUMERO, C.NOME");
}

QString digitadas(bool periodo)
{
    return QStringLiteral("SELECT NF.ID_NF, NF.DATA_ENTRADA, NF.DATA_SAIDA, NF.QTD_ADULTOS, UH.NUMERO, C.NOME, "
                          "NF.VALOR FROM NF JOIN CLIENTE C ON NF.ID_CLIENTE = C.ID_CLIENTE "
                          "JOIN UH ON NF.ID_UH = UH.ID_UH")
        + (periodo ? QStringLiteral(" WHERE NF.DATA_SAIDA >= ? AND NF.DATA_SAIDA <= ?") : QString());
}

Resultado recusa(const QString &m, Campo f)
{
    Resultado r;
    r.mensagem = m;
    r.foco = f;
    return r;
}

} // namespace

QString sqlLista()
{
    return estadias(false) + QStringLiteral(" UNION ALL ") + digitadas(false) + QStringLiteral(" ORDER BY 3, 2, 1");
}

QString sqlClientes() { return QStringLiteral("SELECT ID_CLIENTE, CNPJ_CPF, NOME, VALOR_MIN FROM CLIENTE ORDER BY NOME"); }

QString sqlUHs()
{
    return QStringLiteral("SELECT UH.ID_UH, UH.NUMERO, T.ABREV FROM UH LEFT JOIN TIPO_UH T ON T.ID_TIPO_UH = UH.ID_TIPO_UH "
                          "WHERE UH.EXCLUIDO = 'N' ORDER BY UH.NUMERO");
}

Resultado incluir(ConexaoBanco &c, const Nota &n)
{
    if (!n.entrada.isValid() || !n.saida.isValid() || n.entrada > n.saida)
        return recusa(kMsgDatas, Campo::Saida);
    static const QRegularExpression inteiro(QStringLiteral("^[0-9]{1,4}$"));
    const QString hospedes = n.hospedes.trimmed();
    if (!inteiro.match(hospedes).hasMatch() || hospedes.toInt() <= 0)
        return recusa(kMsgHospedes, Campo::Hospedes);
    if (n.idUH <= 0)
        return recusa(kMsgUH, Campo::UH);
    if (n.idCliente <= 0)
        return recusa(kMsgCliente, Campo::Cliente);
    const LeituraDinheiro valor = Dinheiro::digitado(n.valor, SinalDigitado::Positivo, VazioDigitado::Recusado);
    if (!valor)
        return recusa(kMsgValor, Campo::Valor);
    Resultado r;
    r.chave = c.emTransacao([&] {
        return c.valor(QStringLiteral("INSERT INTO NF (DATA_ENTRADA, DATA_SAIDA, ID_CLIENTE, ID_UH, QTD_ADULTOS, VALOR) "
                                      "VALUES (?, ?, ?, ?, ?, ?) RETURNING ID_NF"),
                       {n.entrada, n.saida, n.idCliente, n.idUH, hospedes.toInt(), valor.valor->paraBanco()})
            .toLongLong();
    });
    r.feito = true;
    r.mensagem = kMsgIncluida;
    return r;
}

Resultado excluir(ConexaoBanco &c, qint64 idNf)
{
    if (idNf <= 0)
        return recusa(kMsgNaoExcluivel, Campo::Nenhum);
    const int n = c.emTransacao([&] { return c.executar(QStringLiteral("DELETE FROM NF WHERE ID_NF = ?"), {idNf}); });
    if (n != 1)
        return recusa(kMsgNaoEncontrada, Campo::Nenhum);
    Resultado r;
    r.feito = true;
    r.chave = idNf;
    r.mensagem = kMsgExcluida;
    return r;
}

QList<Linha> linhasRelatorio(ConexaoBanco &conexao, const QDate &de, const QDate &ate)
{
    return conexao.lerTodas(estadias(true) + QStringLiteral(" UNION ALL ") + digitadas(true)
                                    + QStringLiteral(" ORDER BY 3, 2, 6"),
                                {de, ate, de, ate});
}

Relatorio relatorio(const QDate &de, const QDate &ate, const QList<Linha> &linhas)
{
    Relatorio rel(QStringLiteral("Relatório de Emissão de Notas Fiscais"));
    const QString f = QStringLiteral("dd/MM/yyyy");
    rel.linhaCabecalho(QStringLiteral("(De: ") + de.toString(f) + QStringLiteral("   Até: ") + ate.toString(f)
                       + QLatin1Char(')'));
    rel.coluna(QStringLiteral("UH"), 8);
    rel.coluna(QStringLiteral("CHEGADA"), 13, Relatorio::Tipo::Data);
    rel.coluna(QStringLiteral("CLIENTE"), 40);
    rel.coluna(QStringLiteral("PARTIDA"), 13, Relatorio::Tipo::Data);
    rel.coluna(QStringLiteral("Nº. PESSOAS"), 12, Relatorio::Tipo::Inteiro);
    rel.coluna(QStringLiteral("VALOR DAS DIÁRIAS R$"), 20, Relatorio::Tipo::Dinheiro);
    Dinheiro total;
    for (const Linha &l : linhas) {
        const Dinheiro v = l.dinheiro(QStringLiteral("VALOR"));
        total += v;
        rel.linha({l.texto(QStringLiteral("NUMERO")), l.data(QStringLiteral("DATA_ENTRADA")), l.texto(QStringLiteral("NOME")),
                   l.data(QStringLiteral("DATA_SAIDA")), l.inteiro(QStringLiteral("QTD_ADULTOS")), v});
    }
    rel.resumo(QStringLiteral("TOTAL DE ENTRADAS:"), qint64(linhas.size()));
    rel.resumo(QStringLiteral("VALOR TOTAL: R$"), total);
    return rel;
}

QString textoLog(const QDate &de, const QDate &ate)
{
    const QString f = QStringLiteral("dd/MM/yyyy");
    return QStringLiteral("Relatório de Entrada de Hóspedes (De:") + de.toString(f) + QStringLiteral(" Até: ")
        + ate.toString(f) + QLatin1Char(')');
}

} // namespace NotasFiscais
