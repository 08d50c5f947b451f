#include "finance/GrafFinanceiro.h"
#include "base/UnitDM.h"

#include <QMap>

namespace GrafFinanceiro {

namespace {

// A share in hundredths of a percent, rounded half away from zero; 0 when
// the total is 0.
QString percentual(qint64 parte, qint64 total)
{
    if (total == 0)
        return QStringLiteral("0,00");
    const __int128 n = __int128(parte) * 10000;
    const __int128 a = n < 0 ? -n : n;
    const __int128 t = total < 0 ? -total : total;
    qint64 r = qint64((a + t / 2) / t);
    if ((n < 0) != (total < 0))
        r = -r;
    return Dinheiro::deCentavos(r).formatado();
}

// An amount divided by a count, rounded half away from zero to the cent.
Dinheiro dividir(Dinheiro v, qint64 n)
{
    if (n == 0)
        return {};
    const qint64 a = v.centavos() < 0 ? -v.centavos() : v.centavos();
    const qint64 r = (a + n / 2) / n;
    return Dinheiro::deCentavos(v.centavos() < 0 ? -r : r);
}

QString diaDaSemana(const QDate &d)
{
    static const char *nomes[] = {"Segunda-Feira", "Terça-Feira", "Quarta-Feira", "Quinta-Feira",
                                  "Sexta-Feira",   "Sábado",      "Domingo"};
    return d.isValid() ? QString::fromUtf8(nomes[d.dayOfWeek() - 1]) : QStringLiteral("---");
}

QString prefixoTitulo(Tipo tipo)
{
    return tipo == Tipo::Entradas ? QStringLiteral("Gráfico Financeiro de Entradas (R$) de ")
                                  : QStringLiteral("Gráfico Financeiro de Saídas (R$) de ");
}

Grafico vazio()
{
    Grafico g;
    for (int i = 0; i < kEntradas; ++i)
        g.barras.append({Dinheiro(), QStringLiteral("-"), QStringLiteral("-")});
    return g;
}

} // namespace

QString nomeMes(int mes)
{
    static const char *nomes[] = {"JANEIRO", "FEVEREIRO", "MARÇO",    "ABRIL",   "MAIO",     "JUNHO",
                                  "JULHO",   "AGOSTO",    "SETEMBRO", "OUTUBRO", "NOVEMBRO", "DEZEMBRO"};
    return mes >= 1 && mes <= 12 ? QString::fromUtf8(nomes[mes - 1]) : QString();
}

bool anoValido(int ano) { return ano >= 1900 && ano <= 9999; }

Grafico mensal(Tipo tipo, int mes, int ano, const QList<Soma> &dias)
{
    Grafico g = vazio();
    QMap<int, Dinheiro> porDia;
    for (const Soma &s : dias)
        if (s.data.isValid() && s.data.month() == mes && s.data.year() == ano) {
            porDia[s.data.day()] += s.total;
            g.total += s.total;
        }
    const qint64 t = g.total.centavos();
    g.titulo = prefixoTitulo(tipo) + nomeMes(mes) + QStringLiteral(" de ") + QString::number(ano);
    for (int d = 1; d <= 31; ++d) {
        const QString inicio = QStringLiteral("DIA %1, %2 - R$").arg(d).arg(diaDaSemana(QDate(ano, mes, d)));
        Barra &b = g.barras[d];
        if (!porDia.contains(d)) {
            b.marca = inicio + QStringLiteral(" 0,00 (0,00 % do Total)");
            b.legenda = inicio + QStringLiteral("0,00 (0,00 % do Total)");
        } else if (porDia[d].zero()) {
            b.marca = inicio + QStringLiteral(" 0,00 (0,00 %)");
            b.legenda = inicio + QStringLiteral(" 0,00 (0,00 % do Total)");
        } else {
            b.valor = porDia[d];
            b.marca = b.legenda = inicio + QLatin1Char(' ') + b.valor.formatado() + QStringLiteral(" (")
                + percentual(b.valor.centavos(), t) + QStringLiteral(" % do Total)");
        }
    }
    g.tituloLegenda = QStringLiteral("TOTAL MENSAL - R$ ") + g.total.formatado() + QStringLiteral(" (100,00%)");
    // The average over the days with money.
    const qint64 n = porDia.size();
    g.barras[0].marca = QString();
    g.barras[0].legenda = QStringLiteral("MÉDIA DIÁRIA - R$ ") + dividir(g.total, n).formatado() + QStringLiteral(" (")
        + (t == 0 || n == 0 ? QStringLiteral("0,00") : percentual(1, n)) + QStringLiteral(" % do Total)");
    return g;
}

Grafico anual(Tipo tipo, int ano, const QList<Soma> &meses)
{
    Grafico g = vazio();
    QMap<int, Dinheiro> porMes;
    for (const Soma &s : meses)
        if (s.data.isValid() && s.data.year() == ano) {
            porMes[s.data.month()] += s.total;
            g.total += s.total;
        }
    const qint64 t = g.total.centavos();
    g.titulo = prefixoTitulo(tipo) + QString::number(ano);
    for (int m = 1; m <= 12; ++m) {
        const QString inicio = QStringLiteral("MÊS %1,  - R$").arg(m);
        Barra &b = g.barras[m];
        const Dinheiro v = porMes.value(m);
        if (v.zero()) {
            b.marca = inicio + QStringLiteral(" 0,00 (0,00 %)");
            b.legenda = inicio + QStringLiteral("0,00 (0,00 % do Total)");
        } else {
            b.valor = v;
            b.marca = b.legenda = inicio + QLatin1Char(' ') + v.formatado() + QStringLiteral(" (")
                + percentual(v.centavos(), t) + QStringLiteral(" % do Total)");
        }
    }
    g.tituloLegenda = QStringLiteral("TOTAL ANUAL - R$ ") + g.total.formatado() + QStringLiteral(" (100,00%)");
    g.barras[0].marca = QString();
    g.barras[0].legenda = QStringLiteral("MÉDIA MENSAL - R$ ") + dividir(g.total, 12).formatado()
        + QStringLiteral(" (") + (t == 0 ? QStringLiteral("0,00") : percentual(1, 12))
        + QStringLiteral(" % do Total)");
    return g;
}

QString sqlMensal(Tipo tipo)
{
    return tipo == Tipo::Entradas
               ? QStringLiteral("SELECT DATA, CAST(SUM(TOTAL) AS NUMERIC(18,2)) AS TOTAL FROM VW_GRAF_ENTRADA "
                                "WHERE DATA BETWEEN ? AND ? GROUP BY DATA ORDER BY DATA")
               : QStringLiteral("SELECT DATA_RET AS DATA, CAST(SUM(VALOR) AS NUMERIC(18,2)) AS TOTAL FROM RET_CAIXA "
                                "WHERE DATA_RET BETWEEN ? AND ? GROUP BY DATA_RET ORDER BY DATA_RET");
}

QString sqlAnual(Tipo tipo)
{
    return tipo == Tipo::Entradas
               ? QStringLiteral("SELECT EXTRACT(MONTH FROM DATA) AS MES, CAST(SUM(TOTAL) AS NUMERIC(18,2)) AS TOTAL "
                                "FROM VW_GRAF_ENTRADA WHERE DATA BETWEEN ? AND ? GROUP BY 1 ORDER BY 1")
               : QStringLiteral("SELECT EXTRACT(MONTH FROM DATA_RET) AS MES, CAST(SUM(VALOR) AS NUMERIC(18,2)) AS TOTAL "
                                "FROM RET_CAIXA WHERE DATA_RET BETWEEN ? AND ? GROUP BY 1 ORDER BY 1");
}

Grafico ler(ConexaoBanco &c, Periodo periodo, Tipo tipo, int mes, int ano)
{
    QList<Soma> somas;
    if (periodo == Periodo::Mensal) {
        const QDate inicio(ano, mes, 1);
        for (const Linha &l : c.lerTodas(sqlMensal(tipo), {inicio, inicio.addMonths(1).addDays(-1)}))
            somas.append({l.data(QStringLiteral("DATA")), l.dinheiro(QStringLiteral("TOTAL"))});
        return mensal(tipo, mes, ano, somas);
    }
    for (const Linha &l : c.lerTodas(sqlAnual(tipo), {QDate(ano, 1, 1), QDate(ano, 12, 31)}))
        somas.append({QDate(ano, int(l.inteiro(QStringLiteral("MES"))), 1), l.dinheiro(QStringLiteral("TOTAL"))});
    return anual(tipo, ano, somas);
}

QString textoLog(Periodo periodo, Tipo tipo, int mes, int ano)
{
    return QStringLiteral("Gráfico Financeiro (") + nomeMes(mes) + QLatin1Char('/') + QString::number(ano)
        + QStringLiteral(")\rTipo:") + (periodo == Periodo::Mensal ? QStringLiteral("Mensal, ") : QStringLiteral("Anual, "))
        + (tipo == Tipo::Entradas ? QStringLiteral("Entradas (R$)") : QStringLiteral("Saídas (R$)"));
}

} // namespace GrafFinanceiro
