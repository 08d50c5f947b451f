#include "finance/MovimentoFinanceiro.h"
#include "base/Erros.h"
#include "base/Relatorio.h"
#include "base/UnitDM.h"
#include "base/UnitLog.h"

#include <algorithm>

namespace MovimentoFinanceiro {

namespace {

const QString kData = QStringLiteral("dd/MM/yyyy");
const QString kMomento = QStringLiteral("dd/MM/yyyy hh:mm:ss");

// The fee-inclusive value of a stay's line, rounded to four places as the
// line is kept: QTD x VALOR_UNIT x (1 + TAXA / 100).
const QString kLinhaComTaxa = QStringLiteral(
    "CAST(D.QTD * D.VALOR_UNIT * (1 + CAST(D.TAXA AS NUMERIC(18,4)) / 100) AS NUMERIC(18,4))");

QString meiosNulos(const QString &nota)
{
    return QStringLiteral("CAST(0 AS NUMERIC(18,2)), CAST(0 AS NUMERIC(18,2)), CAST(0 AS NUMERIC(18,2)), "
                          "CAST(0 AS NUMERIC(18,2)), CAST(0 AS NUMERIC(18,2)), CAST(0 AS NUMERIC(18,2)), "
                          "CAST(0 AS NUMERIC(18,2)), ")
        + nota;
}

// The seven means of a counter sale (alias X), then its NOTA: none, 0.
QString meiosVenda(const QString &x)
{
    QStringList l;
    for (const char *c : {"DINHEIRO", "VISA", "DEBVISA", "MASTER", "DEBMASTER", "HIPER", "CHEQUE"})
        l << QStringLiteral("CAST(%1.%2 AS NUMERIC(18,2))").arg(x, QLatin1String(c));
    return l.join(QStringLiteral(", ")) + QStringLiteral(", CAST(0 AS NUMERIC(18,2))");
}

QString somaVenda(const QString &x)
{
    return QStringLiteral("CAST(%1.DINHEIRO + %1.VISA + %1.MASTER + %1.HIPER + %1.CHEQUE + %1.DEBVISA + %1.DEBMASTER "
                          "AS NUMERIC(18,2))")
        .arg(x);
}

const std::array<QString, kMeiosCaixa> kRotulosRelatorio = {
    QStringLiteral("Dinheiro: R$ "),        QStringLiteral("CC - Visa: R$ "),
    QStringLiteral("CD - Visa: R$ "),       QStringLiteral("CC - Mastercard: R$ "),
    QStringLiteral("CD - Mastercard: R$ "), QStringLiteral("CC - Hipercard: R$ "),
    QStringLiteral("Pix / Chq: R$ "),       QStringLiteral("A Prazo: R$ "),
};

// The wording of a means in the detail boxes ("Cartão de Crédito - Visa").
QString palavraMeio(int i)
{
    return i == int(MeioCaixa::APrazo) ? QStringLiteral("Nota") : meiosCaixa()[i].tipo;
}

Dinheiro somar(const std::array<Dinheiro, kMeiosCaixa> &a, int n)
{
    Dinheiro s;
    for (int i = 0; i < n; ++i)
        s += a[std::size_t(i)];
    return s;
}

QString caixaDetalhe(const QString &cabeca, const QString &prefixo, const std::array<Dinheiro, kMeiosCaixa> &a,
                     int n, const QString &rotuloTotal)
{
    QStringList l{cabeca, QString()};
    for (int i = 0; i < n; ++i)
        l << prefixo + palavraMeio(i) + QStringLiteral(" -> R$ ") + a[std::size_t(i)].formatado();
    l << QString() << rotuloTotal + somar(a, n).formatado();
    return l.join(QLatin1Char('\n'));
}

std::optional<Dinheiro> opcional(const Linha &l, const QString &coluna)
{
    if (l.nulo(coluna))
        return std::nullopt;
    return l.dinheiro(coluna);
}

QDateTime momento(const Linha &l)
{
    const QVariant v = l.valor(QStringLiteral("MOMENTO"));
    return v.isNull() ? QDateTime() : v.toDateTime();
}

} // namespace

// ---------------------------------------------------------------- values

Dinheiro Quatro::dinheiro() const
{
    const qint64 a = v < 0 ? -v : v;
    const qint64 c = (a + 50) / 100;
    return Dinheiro::deCentavos(v < 0 ? -c : c);
}

Quatro Quatro::deSql(const QVariant &valor)
{
    if (!valor.isValid() || valor.isNull())
        return {};
    QString t = valor.typeId() == QMetaType::Double ? QString::number(valor.toDouble(), 'f', 4)
                                                    : valor.toString().trimmed();
    if (t.isEmpty())
        return {};
    bool negativo = t.startsWith(QLatin1Char('-'));
    if (negativo)
        t = t.mid(1);
    const qsizetype ponto = t.indexOf(QLatin1Char('.'));
    QString inteira = ponto < 0 ? t : t.left(ponto);
    QString fracao = ponto < 0 ? QString() : t.mid(ponto + 1);
    // Places beyond the fourth round half up (the database sends four).
    bool subir = fracao.size() > 4 && fracao.at(4) >= QLatin1Char('5');
    fracao = fracao.left(4).leftJustified(4, QLatin1Char('0'));
    qint64 r = inteira.toLongLong() * 10000 + fracao.toLongLong() + (subir ? 1 : 0);
    return Quatro{negativo ? -r : r};
}

Dinheiro Movimento::total() const
{
    if (!valor || valor->centavos() <= 0)
        return {};
    return *valor;
}

QString Movimento::tipoRelatorio() const
{
    if (origem == Origem::Reposicao)
        return kPrefixoReposicao + descricao;
    if (origem == Origem::Retirada)
        return QStringLiteral("Retirada de Caixa - ") + descricao;
    return tipo;
}

QString Periodo::recusa() const
{
    const auto anoValido = [](const QDateTime &m) {
        return m.isValid() && m.date().year() >= 1900 && m.date().year() <= 9999;
    };
    if (!anoValido(de) || !anoValido(ate))
        return kMsgAnoInvalido;
    if (de > ate)
        return kMsgPeriodoInvalido;
    return {};
}

std::optional<MeioCaixa> meioDoTexto(const QString &texto)
{
    for (const DadosMeioCaixa &m : meiosCaixa())
        if (m.meio != MeioCaixa::APrazo && m.tipo == texto)
            return m.meio;
    return std::nullopt;
}

// ---------------------------------------------------------------- reading

QString sqlEntradas()
{
    // Each dated branch: the date column bounded first (its index), then the
    // exact moment, date and time joined.
    return QStringLiteral(
               // closed stays, with the parts of each summed by the database
               "SELECT CAST(0 AS INTEGER) AS ORIGEM, CAST(W.ID_WALK_IN AS BIGINT) AS CHAVE, "
               "CAST(UH.NUMERO AS VARCHAR(20)) AS UH, CAST(C.NOME AS VARCHAR(100)) AS NOME, "
               "CAST(NULL AS VARCHAR(100)) AS PRODUTO, CAST(NULL AS INTEGER) AS QTD, "
               "CAST(W.DATA_SAIDA + W.HORA_SAIDA AS TIMESTAMP) AS MOMENTO, "
               "CAST(W.DINHEIRO + W.VISA + W.MASTER + W.HIPER + W.CHEQUE + W.NOTA + W.DEBVISA + W.DEBMASTER "
               "AS NUMERIC(18,2)) AS VALOR, "
               "CAST(W.USUARIO AS VARCHAR(10)) AS USUARIO, CAST(NULL AS VARCHAR(30)) AS FORMA_PAG, "
               "CAST(NULL AS VARCHAR(300)) AS DESCRICAO, "
               "CAST(W.DINHEIRO AS NUMERIC(18,2)) AS DINHEIRO, CAST(W.VISA AS NUMERIC(18,2)) AS VISA, "
               "CAST(W.DEBVISA AS NUMERIC(18,2)) AS DEBVISA, CAST(W.MASTER AS NUMERIC(18,2)) AS MASTER, "
               "CAST(W.DEBMASTER AS NUMERIC(18,2)) AS DEBMASTER, CAST(W.HIPER AS NUMERIC(18,2)) AS HIPER, "
               "CAST(W.CHEQUE AS NUMERIC(18,2)) AS CHEQUE, CAST(W.NOTA AS NUMERIC(18,2)) AS NOTA, "
               "CAST(W.DESCONTO AS NUMERIC(18,2)) AS DESCONTO, CAST(W.ACRESCIMO AS NUMERIC(18,2)) AS ACRESCIMO, "
               "CAST(COALESCE((SELECT SUM(O.VALOR) FROM OCUPACAO O WHERE O.ID_ENTRADA = W.ID_WALK_IN), 0) "
               "+ COALESCE((SELECT SUM(%1) FROM DESPESA_UH D WHERE D.ID_ENTRADA = W.ID_WALK_IN AND D.DIARIA = 'S'), 0) "
               "AS NUMERIC(18,4)) AS DIARIAS, "
               "CAST(COALESCE((SELECT SUM(%1) FROM DESPESA_UH D WHERE D.ID_ENTRADA = W.ID_WALK_IN "
               "AND D.DIARIA IS DISTINCT FROM 'S'), 0) AS NUMERIC(18,4)) AS CONSUMOS "
               "FROM WALK_IN W LEFT JOIN CLIENTE C ON C.ID_CLIENTE = W.ID_CLIENTE "
               "LEFT JOIN UH ON UH.ID_UH = W.ID_UH "
               // the state columns are compared as expressions: the period's date index serves
               "WHERE W.BAIXA || '' = 'S' AND W.EXCLUIDO || '' = 'N' AND W.DATA_SAIDA BETWEEN ? AND ? "
               "AND W.DATA_SAIDA + W.HORA_SAIDA BETWEEN ? AND ? "
               "UNION ALL "
               // single-item counter sales
               "SELECT CAST(1 AS INTEGER), CAST(D.ID_DESPESA_AVULSA AS BIGINT), CAST(NULL AS VARCHAR(20)), "
               "CAST(NULL AS VARCHAR(100)), CAST(PS.DESCRICAO AS VARCHAR(100)), D.QTD, "
               "CAST(D.DATA + D.HORA AS TIMESTAMP), %2, CAST(D.USUARIO AS VARCHAR(10)), "
               "CAST(NULL AS VARCHAR(30)), CAST(NULL AS VARCHAR(300)), %3, "
               "CAST(NULL AS NUMERIC(18,2)), CAST(NULL AS NUMERIC(18,2)), CAST(NULL AS NUMERIC(18,4)), "
               "CAST(NULL AS NUMERIC(18,4)) "
               "FROM DESPESA_AVULSA D LEFT JOIN PRODUTOS_SERVICOS PS ON PS.ID_P_S = D.ID_P_S "
               "WHERE D.DATA BETWEEN ? AND ? AND D.DATA + D.HORA BETWEEN ? AND ? "
               "UNION ALL "
               // several-item counter sales
               "SELECT CAST(2 AS INTEGER), CAST(V.ID_V_DESPESA_AVULSA AS BIGINT), CAST(NULL AS VARCHAR(20)), "
               "CAST(NULL AS VARCHAR(100)), CAST(NULL AS VARCHAR(100)), CAST(NULL AS INTEGER), "
               "CAST(V.DATA + V.HORA AS TIMESTAMP), %4, CAST(V.USUARIO AS VARCHAR(10)), "
               "CAST(NULL AS VARCHAR(30)), CAST(NULL AS VARCHAR(300)), %5, "
               "CAST(NULL AS NUMERIC(18,2)), CAST(NULL AS NUMERIC(18,2)), CAST(NULL AS NUMERIC(18,4)), "
               "CAST(NULL AS NUMERIC(18,4)) "
               "FROM V_DESPESA_AVULSA V "
               "WHERE V.DATA BETWEEN ? AND ? AND V.DATA + V.HORA BETWEEN ? AND ? "
               "UNION ALL "
               // additions to the cash register
               "SELECT CAST(3 AS INTEGER), CAST(A.ID_ADIC_CAIXA AS BIGINT), CAST(NULL AS VARCHAR(20)), "
               "CAST(NULL AS VARCHAR(100)), CAST(NULL AS VARCHAR(100)), CAST(NULL AS INTEGER), "
               "CAST(A.DATA_ADIC + A.HORA_ADIC AS TIMESTAMP), CAST(A.VALOR AS NUMERIC(18,2)), "
               "CAST(A.USUARIO AS VARCHAR(10)), CAST(A.TIPO AS VARCHAR(30)), CAST(A.DESCRICAO AS VARCHAR(300)), %6, "
               "CAST(NULL AS NUMERIC(18,2)), CAST(NULL AS NUMERIC(18,2)), CAST(NULL AS NUMERIC(18,4)), "
               "CAST(NULL AS NUMERIC(18,4)) "
               "FROM ADIC_CAIXA A "
               "WHERE A.DATA_ADIC BETWEEN ? AND ? AND A.DATA_ADIC + A.HORA_ADIC BETWEEN ? AND ? "
               "UNION ALL "
               // the advance payments held by the open stays, whatever the period
               "SELECT CAST(4 AS INTEGER), CAST(1 AS BIGINT), CAST(NULL AS VARCHAR(20)), "
               "CAST(NULL AS VARCHAR(100)), CAST(NULL AS VARCHAR(100)), CAST(NULL AS INTEGER), "
               "CAST('2099-12-31 00:00:00' AS TIMESTAMP), CAST(SUM(W.ADIANTADO) AS NUMERIC(18,2)), "
               "CAST('SISTEMA' AS VARCHAR(10)), CAST(NULL AS VARCHAR(30)), CAST(NULL AS VARCHAR(300)), %6, "
               "CAST(NULL AS NUMERIC(18,2)), CAST(NULL AS NUMERIC(18,2)), CAST(NULL AS NUMERIC(18,4)), "
               "CAST(NULL AS NUMERIC(18,4)) "
               "FROM WALK_IN W WHERE W.BAIXA = 'N' AND W.EXCLUIDO = 'N' HAVING COUNT(*) > 0")
        .arg(kLinhaComTaxa, somaVenda(QStringLiteral("D")), meiosVenda(QStringLiteral("D")),
             somaVenda(QStringLiteral("V")), meiosVenda(QStringLiteral("V")),
             meiosNulos(QStringLiteral("CAST(0 AS NUMERIC(18,2))")));
}

QString sqlSaidas()
{
    return QStringLiteral("SELECT CAST(R.ID_RET_CAIXA AS BIGINT) AS CHAVE, "
                          "CAST(R.DATA_RET + R.HORA_RET AS TIMESTAMP) AS MOMENTO, "
                          "CAST(R.VALOR AS NUMERIC(18,2)) AS VALOR, R.USUARIO, R.TIPO AS FORMA_PAG, R.DESCRICAO "
                          "FROM RET_CAIXA R "
                          "WHERE R.DATA_RET BETWEEN ? AND ? AND R.DATA_RET + R.HORA_RET BETWEEN ? AND ?");
}

QVariantList valoresSaidas(const Periodo &p)
{
    return {p.de.date(), p.ate.date(), p.de, p.ate};
}

QVariantList valoresEntradas(const Periodo &p)
{
    QVariantList v;
    for (int i = 0; i < 4; ++i)
        v << valoresSaidas(p);
    return v;
}

namespace {

void ordenar(QList<Movimento> &l)
{
    std::stable_sort(l.begin(), l.end(), [](const Movimento &a, const Movimento &b) {
        if (a.momento != b.momento)
            return a.momento < b.momento;
        return a.tipo < b.tipo;
    });
}

} // namespace

QList<Movimento> lerEntradas(ConexaoBanco &c, const Periodo &p)
{
    QList<Movimento> r;
    static const char *colunasMeios[kMeiosCaixa] = {"DINHEIRO", "VISA",  "DEBVISA", "MASTER",
                                                    "DEBMASTER", "HIPER", "CHEQUE",  "NOTA"};
    const ConexaoBanco::Consulta q = c.consultar(sqlEntradas(), valoresEntradas(p));
    // A year holds tens of thousands of rows: the columns are found once.
    const auto col = [&q](const char *nome) { return q.colunas.indexOf(QLatin1String(nome)); };
    const int iOrigem = col("ORIGEM"), iChave = col("CHAVE"), iUh = col("UH"), iNome = col("NOME"),
              iProduto = col("PRODUTO"), iQtd = col("QTD"), iMomento = col("MOMENTO"), iValor = col("VALOR"),
              iUsuario = col("USUARIO"), iForma = col("FORMA_PAG"), iDescricao = col("DESCRICAO"),
              iDesconto = col("DESCONTO"), iAcrescimo = col("ACRESCIMO"), iDiarias = col("DIARIAS"),
              iConsumos = col("CONSUMOS");
    int iMeios[kMeiosCaixa];
    for (int i = 0; i < kMeiosCaixa; ++i)
        iMeios[i] = col(colunasMeios[i]);
    const auto opcionalEm = [](const Linha &l, int i) -> std::optional<Dinheiro> {
        const QVariant v = l.valor(i);
        if (v.isNull())
            return std::nullopt;
        return Dinheiro::deVariant(v);
    };
    r.reserve(q.linhas.size());
    for (const Linha &l : q.linhas) {
        Movimento m;
        m.origem = Origem(l.valor(iOrigem).toInt());
        const QString chave = l.valor(iChave).toString();
        m.identificador = chave;
        const QVariant momento = l.valor(iMomento);
        m.momento = momento.isNull() ? QDateTime() : momento.toDateTime();
        m.valor = opcionalEm(l, iValor);
        m.usuario = l.valor(iUsuario).toString();
        m.formaPag = l.valor(iForma).toString();
        m.descricao = l.valor(iDescricao).toString();
        for (int i = 0; i < kMeiosCaixa; ++i)
            m.meios[std::size_t(i)] = Dinheiro::deVariant(l.valor(iMeios[i]));
        switch (m.origem) {
        case Origem::Hospedagem:
            m.tipo = kPrefixoHospedagem + chave + QStringLiteral(" (UH ") + l.valor(iUh).toString()
                + QStringLiteral(" - ") + l.valor(iNome).toString() + QLatin1Char(')');
            m.desconto = opcionalEm(l, iDesconto);
            m.acrescimo = opcionalEm(l, iAcrescimo);
            m.diarias = Quatro::deSql(l.valor(iDiarias));
            m.consumos = Quatro::deSql(l.valor(iConsumos));
            break;
        case Origem::Consumo:
            m.tipo = QStringLiteral("Consumo Avulso N.º ") + chave + QStringLiteral(" -> ") + l.valor(iProduto).toString()
                + QStringLiteral(" (") + l.valor(iQtd).toString() + QLatin1Char(')');
            break;
        case Origem::VariosConsumos:
            m.tipo = QStringLiteral("Vários Consumos Avulsos N.º ") + chave;
            break;
        case Origem::Reposicao:
            m.tipo = kPrefixoReposicao + m.descricao + QStringLiteral(" (") + m.formaPag + QLatin1Char(')');
            break;
        case Origem::Adiantados:
            m.tipo = kAdiantados;
            break;
        case Origem::Retirada:
            break;
        }
        r << m;
    }
    ordenar(r);
    return r;
}

QList<Movimento> lerSaidas(ConexaoBanco &c, const Periodo &p)
{
    QList<Movimento> r;
    for (const Linha &l : c.lerTodas(sqlSaidas(), valoresSaidas(p))) {
        Movimento m;
        m.origem = Origem::Retirada;
        m.identificador = l.texto(QStringLiteral("CHAVE"));
        m.momento = momento(l);
        m.valor = opcional(l, QStringLiteral("VALOR"));
        m.usuario = l.texto(QStringLiteral("USUARIO"));
        m.formaPag = l.texto(QStringLiteral("FORMA_PAG"));
        m.descricao = l.texto(QStringLiteral("DESCRICAO"));
        m.tipo = QStringLiteral("Retirada de Caixa - ") + m.descricao + QStringLiteral(" - (") + m.formaPag
            + QLatin1Char(')');
        r << m;
    }
    ordenar(r);
    return r;
}

// ---------------------------------------------------------------- totals

Totais calcular(const QList<Movimento> &entradas, const QList<Movimento> &saidas)
{
    Totais t;
    for (const Movimento &m : entradas) {
        switch (m.origem) {
        case Origem::Hospedagem:
            t.hospedagens += m.total();
            t.diarias += m.diarias;
            t.despesas += m.consumos;
            t.descontos += m.desconto.value_or(Dinheiro());
            t.acrescimos += m.acrescimo.value_or(Dinheiro());
            for (int i = 0; i < kMeiosCaixa; ++i)
                t.entrada[std::size_t(i)] += m.meios[std::size_t(i)];
            break;
        case Origem::Consumo:
        case Origem::VariosConsumos:
            t.despesasAvulsas += m.total();
            for (int i = 0; i < kMeiosCaixa - 1; ++i)
                t.vendas[std::size_t(i)] += m.meios[std::size_t(i)];
            break;
        case Origem::Reposicao:
            t.reposicoes += m.total();
            if (const auto meio = meioDoTexto(m.formaPag))
                t.reposicao[std::size_t(*meio)] += m.total();
            break;
        case Origem::Adiantados:
            t.adiantados += m.total();
            break;
        case Origem::Retirada:
            break;
        }
    }
    for (const Movimento &m : saidas) {
        t.saidas += m.total();
        if (const auto meio = meioDoTexto(m.formaPag))
            t.saida[std::size_t(*meio)] += m.total();
    }
    return t;
}

QString Totais::linhaHospedagens() const
{
    return QStringLiteral("Entradas (Hospedagens fechadas): R$ ") + hospedagens.formatado()
        + QStringLiteral("  (*Diárias: R$ ") + diarias.formatado() + QStringLiteral(" *Despesas e Consumos: R$ ")
        + despesas.formatado() + QStringLiteral(" *(-)Descontos: R$ ") + descontos.formatado()
        + QStringLiteral(" *(+)Acréscimos: R$ ") + acrescimos.formatado() + QLatin1Char(')');
}

QString Totais::linhaDespesasAvulsas() const
{
    return QStringLiteral("Despesas Avulsas: R$ ") + despesasAvulsas.formatado();
}

QString Totais::linhaAdiantados() const
{
    return QStringLiteral("Pagamentos adiantados (Hospedagens em aberto incluindo despesas e consumos): R$ ")
        + adiantados.formatado();
}

QString Totais::linhaReposicoes() const
{
    return QStringLiteral("Reposições de Caixa: R$ ") + reposicoes.formatado();
}

QString Totais::linhaSaidas() const { return QStringLiteral("Saídas (Retiradas de Caixa): R$ ") + saidas.formatado(); }

QString linhaHospedagensZero() { return QStringLiteral("Entradas (Hospedagens fechadas): R$ 0,00"); }
QString linhaDespesasAvulsasZero() { return Totais{}.linhaDespesasAvulsas(); }
QString linhaAdiantadosZero() { return Totais{}.linhaAdiantados(); }
QString linhaReposicoesZero() { return Totais{}.linhaReposicoes(); }
QString linhaSaidasZero() { return Totais{}.linhaSaidas(); }

QString Totais::detalheEntradas() const
{
    return caixaDetalhe(QStringLiteral("--- Detalhe das Entradas ---"), QStringLiteral("Entrada em "), entrada,
                        kMeiosCaixa, QStringLiteral("Total de Entradas -> R$ "));
}

QString Totais::detalheDespesasAvulsas() const
{
    return caixaDetalhe(QStringLiteral("--- Detalhe das Despesa Avulsas Pagas ---"), QStringLiteral("Entrada em "),
                        vendas, kMeiosCaixa - 1, QStringLiteral("Total de Despesa Avulsas Pagas -> R$ "));
}

QString Totais::detalheReposicoes() const
{
    return caixaDetalhe(QStringLiteral("--- Detalhe das Reposições ---"), QStringLiteral("Reposições em "), reposicao,
                        kMeiosCaixa - 1, QStringLiteral("Total de Reposições -> R$ "));
}

QString Totais::detalheSaidas() const
{
    return caixaDetalhe(QStringLiteral("--- Detalhe das Saídas ---"), QStringLiteral("Saída em "), saida,
                        kMeiosCaixa - 1, QStringLiteral("Total de Saídas -> R$ "));
}

QString detalheAdiantados(ConexaoBanco &c)
{
    QStringList l{QStringLiteral("--- Detalhe dos Pagamentos Adiantados ---"), QString()};
    Dinheiro soma;
    for (const Linha &r : c.lerTodas(QStringLiteral("SELECT W.ADIANTADO, UH.NUMERO FROM WALK_IN W, UH "
                                                    "WHERE W.BAIXA = 'N' AND W.ID_UH = UH.ID_UH AND W.EXCLUIDO = 'N' "
                                                    "AND W.ADIANTADO > 0 ORDER BY UH.NUMERO"))) {
        const Dinheiro v = r.dinheiro(QStringLiteral("ADIANTADO"));
        soma += v;
        l << QStringLiteral("UH ") + r.texto(QStringLiteral("NUMERO")) + QStringLiteral(" - R$ ") + v.formatado();
    }
    l << QString() << QStringLiteral("Total em Pagamentos Adiantados: R$ ") + soma.formatado();
    return l.join(QLatin1Char('\n'));
}

QString textoLogCalculo(const Periodo &p)
{
    return QStringLiteral("Cálculo de Movimento Financeiro (De:") + p.de.date().toString(kData)
        + QStringLiteral(" Até: ") + p.ate.date().toString(kData) + QLatin1Char(')');
}

QString textoLogRelatorio(const Periodo &p)
{
    return QStringLiteral("Relatório de Movimento Financeiro (De:") + p.de.date().toString(kData)
        + QStringLiteral(" Até: ") + p.ate.date().toString(kData) + QLatin1Char(')');
}

// ---------------------------------------------------------------- reversals

QString recusaEstorno(const Movimento &m)
{
    if (m.origem == Origem::Retirada)
        return m.tipo.left(17) == kPrefixoRetirada && m.formaPag == QLatin1String("Dinheiro")
                   ? QString()
                   : kMsgSoRetiradaDinheiro;
    return m.tipo.left(18) == QStringLiteral("Reposição de Caixa") && m.origem == Origem::Reposicao
                   && m.formaPag == QLatin1String("Dinheiro")
               ? QString()
               : kMsgSoReposicaoDinheiro;
}

Estorno estornar(ConexaoBanco &c, const Movimento &m)
{
    Estorno e;
    const QString recusa = recusaEstorno(m);
    if (!recusa.isEmpty()) {
        e.mensagem = recusa;
        return e;
    }
    const bool reposicao = m.origem == Origem::Reposicao;
    const qint64 id = m.identificador.toLongLong();
    ResultadoCaixa caixa;
    c.emTransacao([&] {
        e = Estorno{};
        caixa = ResultadoCaixa{};
        // The row is held for the whole reversal: a second workstation
        // waits here and then finds it gone.
        const Linha l = c.ler(reposicao ? QStringLiteral("SELECT VALOR, TIPO, DATA_ADIC AS DATA, HORA_ADIC AS HORA "
                                                         "FROM ADIC_CAIXA WHERE ID_ADIC_CAIXA = ? WITH LOCK")
                                        : QStringLiteral("SELECT VALOR, TIPO, DATA_RET AS DATA, HORA_RET AS HORA "
                                                         "FROM RET_CAIXA WHERE ID_RET_CAIXA = ? WITH LOCK"),
                              {id});
        if (l.vazia()) {
            e.situacao = Estorno::Situacao::JaEstornado;
            e.tipo = Mensagem::Tipo::Aviso;
            e.mensagem = reposicao ? kMsgReposicaoJaEstornada : kMsgRetiradaJaEstornada;
            return;
        }
        if (l.texto(QStringLiteral("TIPO")) != QLatin1String("Dinheiro")) {
            e.mensagem = reposicao ? kMsgSoReposicaoDinheiro : kMsgSoRetiradaDinheiro;
            return;
        }
        const Dinheiro valor = l.dinheiro(QStringLiteral("VALOR"));
        caixa = ControleCaixa(c, reposicao ? QStringLiteral("-") : QStringLiteral("+"), valor, QStringLiteral("N"));
        if (!caixa.sucesso) {
            e.situacao = caixa.falha == ResultadoCaixa::Falha::SaldoInsuficiente ? Estorno::Situacao::SemSaldo
                                                                                  : Estorno::Situacao::SemTurno;
            e.tipo = caixa.tipo;
            e.mensagem = caixa.mensagem;
            return;
        }
        const int apagadas = c.executar(reposicao ? QStringLiteral("DELETE FROM ADIC_CAIXA WHERE ID_ADIC_CAIXA = ?")
                                                  : QStringLiteral("DELETE FROM RET_CAIXA WHERE ID_RET_CAIXA = ?"),
                                        {id});
        if (apagadas != 1)
            throw ErroSistema(QStringLiteral("O estorno não encontrou o lançamento %1 ao apagá-lo.").arg(id));
        const QString dia = QDateTime(l.data(QStringLiteral("DATA")), l.hora(QStringLiteral("HORA"))).toString(kMomento);
        RegistrarLog(c, reposicao ? QStringLiteral("Estornou Reposição de ") + valor.formatado()
                                        + QStringLiteral(" em Dinheiro! (Reposiçao do dia ") + dia + QLatin1Char(')')
                                  : QStringLiteral("Estornou Retirada de ") + valor.formatado()
                                        + QStringLiteral(" em Dinheiro! (Retirada do dia ") + dia + QLatin1Char(')'));
        e.situacao = Estorno::Situacao::Feito;
        e.mensagem = reposicao ? kMsgReposicaoEstornada : kMsgRetiradaEstornada;
    });
    return e;
}

// ---------------------------------------------------------------- report

QStringList DadosRelatorio::resumo() const
{
    static const std::array<QString, kMeiosCaixa> meios = {
        QStringLiteral("Dinheiro"),        QStringLiteral("CC - Visa"),       QStringLiteral("CD - Visa"),
        QStringLiteral("CC - Mastercard"), QStringLiteral("CD - Mastercard"), QStringLiteral("CC - Hipercard"),
        QStringLiteral("Pix / Chq"),       QString()};
    QStringList r;
    for (int i = 0; i < kMeiosCaixa; ++i)
        r << (i == int(MeioCaixa::APrazo) ? QStringLiteral("Entrada A Prazo: R$ ")
                                          : QStringLiteral("Entrada em ") + meios[std::size_t(i)] + QStringLiteral(": R$ "))
                + entrada[std::size_t(i)].formatado();
    for (int i = 0; i < kMeiosCaixa - 1; ++i)
        r << QStringLiteral("Saída em ") + meios[std::size_t(i)] + QStringLiteral(": R$ ") + saida[std::size_t(i)].formatado();
    r << QStringLiteral("(*Diárias: R$ ") + diarias.formatado() + QStringLiteral(" *Despesas e Consumos: R$ ")
            + despesas.formatado() + QStringLiteral(" *(-)Descontos: R$ ") + descontos.formatado()
            + QStringLiteral(" *(+)Acréscimos: R$ ") + acrescimos.formatado() + QLatin1Char(')');
    r << QStringLiteral("Entradas (R$)          -          Saídas (R$)       =       Saldo Atual (R$)");
    return r;
}

DadosRelatorio montarRelatorio(const QList<Movimento> &entradas, const QList<Movimento> &saidas, bool detalhado)
{
    struct Item {
        const Movimento *m;
        QString cd, tipo;
    };
    QList<Item> itens;
    for (const Movimento &m : entradas)
        itens.append({&m, QStringLiteral("+"), m.tipoRelatorio()});
    for (const Movimento &m : saidas)
        itens.append({&m, QStringLiteral("-"), m.tipoRelatorio()});
    std::stable_sort(itens.begin(), itens.end(), [](const Item &a, const Item &b) {
        if (a.m->momento != b.m->momento)
            return a.m->momento < b.m->momento;
        if (a.cd != b.cd)
            return a.cd < b.cd;
        return a.tipo < b.tipo;
    });

    DadosRelatorio d;
    for (const Item &it : std::as_const(itens)) {
        const Movimento &m = *it.m;
        LinhaRelatorio l;
        l.tipo = it.tipo;
        l.cd = it.cd;
        l.momento = m.momento.toString(kMomento);
        l.total = m.total();
        l.usuario = m.usuario;
        if (m.origem == Origem::Hospedagem) {
            l.diarias = m.diarias;
            l.consumos = m.consumos;
            l.desconto = m.desconto;
            l.acrescimo = m.acrescimo;
        }
        if (m.entrada()) {
            d.totalEntrada += l.total;
            d.diarias += m.diarias;
            d.despesas += m.consumos;
            d.descontos += m.desconto.value_or(Dinheiro());
            d.acrescimos += m.acrescimo.value_or(Dinheiro());
        } else {
            d.totalSaida += l.total;
        }
        const auto linhaMeio = [&](int i, Dinheiro v) {
            if (detalhado)
                l.detalhes << kRotulosRelatorio[std::size_t(i)] + v.formatado();
        };
        switch (m.origem) {
        case Origem::Hospedagem:
        case Origem::Consumo:
        case Origem::VariosConsumos: {
            const int n = m.origem == Origem::Hospedagem ? kMeiosCaixa : kMeiosCaixa - 1;
            for (int i = 0; i < n; ++i) {
                const Dinheiro v = m.meios[std::size_t(i)];
                d.entrada[std::size_t(i)] += v;
                if (v.centavos() > 0)
                    linhaMeio(i, v);
            }
            break;
        }
        case Origem::Reposicao:
        case Origem::Retirada:
            if (const auto meio = meioDoTexto(m.formaPag)) {
                (m.origem == Origem::Reposicao ? d.entrada : d.saida)[std::size_t(*meio)] += l.total;
                linhaMeio(int(*meio), l.total);
            }
            break;
        case Origem::Adiantados:
            break;
        }
        const int n = int(l.detalhes.size());
        if (n > 0) {
            l.alturaBanda = (n + 1) * 19;
            l.alturaHistorico = l.alturaDetalhe = (n + 1) * 17;
        } else if (l.tipo.size() > 40 || l.momento.size() > 10) {
            l.alturaBanda = 38;
            l.alturaHistorico = 34;
        } else {
            l.alturaBanda = 19;
            l.alturaHistorico = 17;
        }
        d.linhas << l;
    }
    return d;
}

Relatorio relatorio(const DadosRelatorio &d, const Periodo &p)
{
    Relatorio rel(kTituloRelatorio);
    rel.linhaCabecalho(QStringLiteral("(De: ") + p.de.toString(kMomento) + QStringLiteral("   Até: ")
                       + p.ate.toString(kMomento) + QLatin1Char(')'));
    using T = Relatorio::Tipo;
    rel.coluna(QStringLiteral("TIPO DE MOVIMENTAÇÃO"), 54);
    rel.coluna(QStringLiteral("+ / -"), 5, T::Texto, false, Relatorio::Alinhamento::Centro);
    rel.coluna(QStringLiteral("DATA"), 27);
    rel.coluna(QStringLiteral("DIÁRIAS"), 13, T::Dinheiro);
    rel.coluna(QStringLiteral("DESPES."), 13, T::Dinheiro);
    rel.coluna(QStringLiteral("(-) DESC."), 11, T::Dinheiro);
    rel.coluna(QStringLiteral("(+)ACR."), 11, T::Dinheiro);
    rel.coluna(QStringLiteral("TOTAL R$"), 14, T::Dinheiro);
    rel.coluna(QStringLiteral("USUARIO"), 12);
    const auto quatro = [](const std::optional<Quatro> &q) {
        return q ? Relatorio::Celula(q->dinheiro()) : Relatorio::Celula();
    };
    const auto dinheiro = [](const std::optional<Dinheiro> &v) {
        return v ? Relatorio::Celula(*v) : Relatorio::Celula();
    };
    for (const LinhaRelatorio &l : d.linhas) {
        // A history too long for its box goes on a row of its own above the cells.
        const bool acima = l.tipo.size() > 34;
        const QList<Relatorio::Celula> celulas{acima ? QString() : l.tipo, l.cd, l.momento, quatro(l.diarias),
                                              quatro(l.consumos), dinheiro(l.desconto), dinheiro(l.acrescimo),
                                              l.total.centavos() > 0 ? Relatorio::Celula(l.total) : Relatorio::Celula(),
                                              l.usuario};
        if (acima)
            rel.linha(l.tipo, celulas);
        else
            rel.linha(celulas);
        for (const QString &det : l.detalhes)
            rel.texto(QStringLiteral("        ") + det);
    }
    if (rel.vazio())
        return rel;
    const QStringList r = d.resumo();
    for (int i = 0; i < kMeiosCaixa; ++i)
        rel.resumo(r[i].left(r[i].size() - d.entrada[std::size_t(i)].formatado().size()),
                   d.entrada[std::size_t(i)].formatado());
    for (int i = 0; i < kMeiosCaixa - 1; ++i) {
        const QString &t = r[kMeiosCaixa + i];
        rel.resumo(t.left(t.size() - d.saida[std::size_t(i)].formatado().size()), d.saida[std::size_t(i)].formatado());
    }
    rel.fechamento(r[2 * kMeiosCaixa - 1]);
    rel.fechamento(r[2 * kMeiosCaixa]);
    rel.fechamento(d.totalEntrada.formatado() + QStringLiteral("          -          ") + d.totalSaida.formatado()
                   + QStringLiteral("       =       ") + d.valorTotal().formatado());
    return rel;
}

} // namespace MovimentoFinanceiro
