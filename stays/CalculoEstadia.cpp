#include "stays/CalculoEstadia.h"

#include "base/Parametros.h"
#include "base/UnitDM.h"

namespace CalculoEstadia {

namespace {

qint64 segundosDoDia(const QTime &t) { return t.isValid() ? QTime(0, 0).secsTo(t) : 0; }

// Whole hours, plus one when the remainder is longer than the tolerance's
// minutes and seconds (its hours do not count; an equal remainder adds nothing).
int horasCobradas(qint64 excesso, const QTime &tolerancia)
{
    if (excesso <= 0)
        return 0;
    const qint64 tol = segundosDoDia(tolerancia) % 3600;
    int horas = int(excesso / 3600);
    if (excesso % 3600 > tol)
        ++horas;
    return horas;
}

// The end of the overnight that began with the arrival: the first
// TERMINO_PERNOITE at or after it (same day for an arrival after midnight).
QDateTime fimPernoite(const QDateTime &chegada, const QTime &termino)
{
    QDateTime fim(chegada.date(), termino);
    if (chegada.time() >= termino)
        fim = fim.addDays(1);
    return fim;
}

Dinheiro dividir(Dinheiro total, int partes)
{
    const qint64 c = total.centavos();
    qint64 q = c / partes;
    const qint64 r = c % partes;
    if (2 * (r < 0 ? -r : r) >= partes)
        q += c < 0 ? -1 : 1;
    return Dinheiro::deCentavos(q);
}

} // namespace

TaxasTipo lerTaxas(ConexaoBanco &conexao, qint64 idUH)
{
    const Linha l = conexao.ler(
        QStringLiteral("SELECT T.P1, T.P2, T.P3, T.P4, T.P1MIN, T.P2MIN, T.P3MIN, T.P4MIN "
                       "FROM UH JOIN TIPO_UH T ON T.ID_TIPO_UH = UH.ID_TIPO_UH WHERE UH.ID_UH = ?"),
        {idUH});
    TaxasTipo t;
    for (int i = 0; i < 4; ++i) {
        t.p[i] = l.dinheiro(QStringLiteral("P%1").arg(i + 1));
        t.minimo[i] = l.dinheiro(QStringLiteral("P%1MIN").arg(i + 1));
    }
    return t;
}

TaxaPessoas taxaParaPessoas(const TaxasTipo &t, int pessoas, bool motel, bool pernoiteMarcado)
{
    if (pessoas < 1 || pessoas > 4)
        return {};
    TaxaPessoas r{t.p[pessoas - 1], t.minimo[pessoas - 1]};
    if (pessoas == 1 && motel && pernoiteMarcado)
        r.diaria = t.p[2];
    return r;
}

int noitesHotel(const QDate &entrada, const QDate &saida)
{
    const qint64 n = entrada.daysTo(saida);
    return n < 1 ? 1 : int(n);
}

ConfigMotel ConfigMotel::deParametros()
{
    const TParametros &p = tParametros();
    ConfigMotel c;
    c.tempoInicial = p.hora(QStringLiteral("TEMPO_INICIAL"));
    c.inicioPernoite = p.hora(QStringLiteral("INICIO_PERNOITE"));
    c.terminoPernoite = p.hora(QStringLiteral("TERMINO_PERNOITE"));
    c.desconsiderarPernoite = p.hora(QStringLiteral("DESCONSIDERAR_PERNOITE"));
    c.toleranciaSaida = p.hora(QStringLiteral("TOLERANCIA_SAIDA"));
    static const char *const dias[8] = {nullptr,           "PERNOITE_SEGUNDA", "PERNOITE_TERCA",
                                        "PERNOITE_QUARTA", "PERNOITE_QUINTA",  "PERNOITE_SEXTA",
                                        "PERNOITE_SABADO", "PERNOITE_DOMINGO"};
    c.pernoiteDia[0] = false;
    for (int d = 1; d <= 7; ++d)
        c.pernoiteDia[d] = p.sim(QString::fromLatin1(dias[d]));
    return c;
}

int horasAdicionais(const QDateTime &chegada, const QDateTime &saida, Dinheiro diaria, const TaxasTipo &t,
                    const ConfigMotel &c)
{
    const Dinheiro p1 = t.p[0];
    const Dinheiro p3 = t.p[2];
    const qint64 duracao = qAbs(chegada.secsTo(saida));
    const qint64 inicial = segundosDoDia(c.tempoInicial);
    const QDateTime fim = fimPernoite(chegada, c.terminoPernoite);

    const bool passouInicial = duracao > inicial && diaria == p1;
    const bool passouPernoite = saida > fim && diaria == p3;
    if (!passouInicial && !passouPernoite)
        return 0;

    const bool outroDia = chegada.date() != saida.date();
    qint64 excesso = 0;
    if ((outroDia || chegada.time() < c.desconsiderarPernoite) && passouPernoite)
        excesso = fim.secsTo(saida);
    else if (outroDia || diaria == p1)
        excesso = duracao - inicial;
    return horasCobradas(excesso, c.toleranciaSaida);
}

Pernoite decidirPernoite(const QDateTime &chegada, std::optional<Dinheiro> diariaGravada, const TaxasTipo &t,
                         const ConfigMotel &c, bool jaCarregou)
{
    const QTime h = chegada.time();
    const bool naJanela = h >= c.inicioPernoite || h <= c.desconsiderarPernoite;
    const int dia = chegada.date().dayOfWeek();
    const bool gravadaPernoite = diariaGravada.has_value() && *diariaGravada == t.p[2];
    Pernoite r;
    r.visivel = (naJanela && dia >= 1 && dia <= 7 && c.pernoiteDia[dia]) || gravadaPernoite;
    r.marcar = r.visivel && !jaCarregou && gravadaPernoite;
    return r;
}

Dinheiro valorLinhaConsumo(qint64 qtd, Dinheiro valorUnit, Dinheiro taxaPercentual)
{
    const Dinheiro bruto = valorUnit * qtd;
    return bruto + bruto.percentual(taxaPercentual.centavos());
}

Dinheiro totalConsumo(ConexaoBanco &c, qint64 idEntrada)
{
    Dinheiro total;
    const QList<Linha> linhas =
        c.lerTodas(QStringLiteral("SELECT QTD, VALOR_UNIT, TAXA FROM DESPESA_UH WHERE ID_ENTRADA = ?"), {idEntrada});
    for (const Linha &l : linhas)
        total += valorLinhaConsumo(l.inteiro(QStringLiteral("QTD")), l.dinheiro(QStringLiteral("VALOR_UNIT")),
                                   l.dinheiro(QStringLiteral("TAXA")));
    return total;
}

Resultado calcular(ConexaoBanco &c, const Estadia &e)
{
    Resultado v;
    if (!e.motel) {
        if (e.nova) {
            v.noites = noitesHotel(e.chegada.date(), e.saida.date());
            v.totalDiarias = e.diaria * v.noites;
        } else {
            const Linha l = c.ler(
                QStringLiteral("SELECT SUM(VALOR) AS TOTAL, COUNT(*) AS QTD FROM OCUPACAO WHERE ID_ENTRADA = ?"),
                {e.idEntrada});
            v.noites = int(l.inteiro(QStringLiteral("QTD")));
            v.totalDiarias = l.dinheiro(QStringLiteral("TOTAL"));
        }
        v.cobranca = v.totalDiarias;
    } else {
        v.horasAdicionais = horasAdicionais(e.chegada, e.saida, e.diaria, e.taxas, e.motelConfig);
        v.totalDiarias = e.nova ? Dinheiro() : e.taxas.p[1] * v.horasAdicionais;
        v.cobranca = v.totalDiarias + e.diaria;
    }
    v.consumo = (e.idEntrada > 0 ? totalConsumo(c, e.idEntrada) : Dinheiro()) + e.consumoPendente;
    v.total = v.cobranca + v.consumo;
    if (!e.motel && e.pessoas >= 1)
        v.porPessoa = dividir(v.total, e.pessoas);
    return v;
}

bool gravarCobrancaMotel(ConexaoBanco &c, qint64 idEntrada, Dinheiro diaria, Dinheiro adicional)
{
    return c.emTransacao([&] {
        const QVariant id =
            c.valor(QStringLiteral("SELECT MIN(ID_OCUPACAO) FROM OCUPACAO WHERE ID_ENTRADA = ?"), {idEntrada});
        if (!id.isValid() || id.isNull())
            return false;
        return c.executar(QStringLiteral("UPDATE OCUPACAO SET VALOR = ?, ADICIONAL = ? WHERE ID_OCUPACAO = ?"),
                          {(diaria + adicional).paraBanco(),
                           adicional.zero() ? QVariant() : QVariant(QStringLiteral("S")), id})
            == 1;
    });
}

} // namespace CalculoEstadia
