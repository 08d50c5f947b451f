#include "rooms/GrafOcupacao.h"
#include "base/UnitDM.h"

#include <QLocale>
#include <algorithm>

namespace GrafOcupacao {

namespace {

const QLocale &brasil()
{
    static const QLocale l(QLocale::Portuguese, QLocale::Brazil);
    return l;
}

QString diaDaSemana(const QDate &d)
{
    static const char *nomes[] = {"Segunda-Feira", "Terça-Feira", "Quarta-Feira", "Quinta-Feira",
                                  "Sexta-Feira",   "Sábado",      "Domingo"};
    return d.isValid() ? QString::fromUtf8(nomes[d.dayOfWeek() - 1]) : QStringLiteral("---");
}

QString rotuloTipo(Tipo t) { return t == Tipo::Diarias ? QStringLiteral("Diárias") : QStringLiteral("Leitos"); }

// a / b, or 0 when b is 0
double razao(double a, double b) { return b == 0 ? 0.0 : a / b; }

Grafico vazio()
{
    Grafico g;
    for (int i = 0; i < kEntradas; ++i)
        g.entradas.append({false, 0, QStringLiteral("-")});
    return g;
}

} // namespace

QString nomeMes(int mes)
{
    static const char *nomes[] = {"JANEIRO", "FEVEREIRO", "MARÇO",    "ABRIL",   "MAIO",     "JUNHO",
                                  "JULHO",   "AGOSTO",    "SETEMBRO", "OUTUBRO", "NOVEMBRO", "DEZEMBRO"};
    return mes >= 1 && mes <= 12 ? QString::fromUtf8(nomes[mes - 1]) : QString();
}

QString duasCasas(double v) { return brasil().toString(v, 'f', 2); }
QString umaCasa(double v) { return brasil().toString(v, 'f', 1); }

bool anoValido(int ano) { return ano >= 1900 && ano <= 9999; }

Grafico mensal(Tipo tipo, int mes, int ano, const QList<Dia> &dias, qint64 divisor)
{
    Grafico g = vazio();
    g.titulo = QStringLiteral("Gráfico de Ocupação por %1 de %2 de %3").arg(rotuloTipo(tipo), nomeMes(mes)).arg(ano);
    // one total per date, walked in date order
    QList<Dia> linhas = dias;
    std::sort(linhas.begin(), linhas.end(), [](const Dia &a, const Dia &b) { return a.data < b.data; });
    qint64 total = 0;
    int linha = 0;
    for (int d = 1; d <= 31; ++d) {
        const QDate data(ano, mes, d);
        qint64 valor = 0;
        while (linha < linhas.size() && data.isValid() && linhas[linha].data < data)
            ++linha;   // a row of another month has no day here
        if (data.isValid() && linha < linhas.size() && linhas[linha].data == data) {
            valor = linhas[linha].total;
            ++linha;
        }
        total += valor;
        // "Diárias": nights x 100 / rooms; "Leitos": guest-nights / beds x 100
        const double pct = tipo == Tipo::Diarias ? razao(double(valor * 100), double(divisor))
                                                 : razao(double(valor), double(divisor)) * 100;
        Entrada &e = g.entradas[d];
        e.barra = true;
        e.valor = valor;
        e.texto = QStringLiteral("DIA %1, %2 - %3 (%4 % de Ocupação)")
                      .arg(d)
                      .arg(diaDaSemana(data))
                      .arg(valor)
                      .arg(duasCasas(valor ? pct : 0));
    }
    const auto comDia = std::count_if(linhas.cbegin(), linhas.cend(), [&](const Dia &x) {
        return x.data.year() == ano && x.data.month() == mes;
    });
    g.tituloLegenda = QStringLiteral("TOTAL MENSAL - %1 (%2)").arg(total).arg(rotuloTipo(tipo));
    const double media = razao(double(total), double(comDia));
    g.entradas[0].texto = QStringLiteral("MÉDIA DIÁRIA - %1 (%2 % de Ocupação)")
                              .arg(umaCasa(media), duasCasas(razao(media, double(divisor)) * 100));
    return g;
}

Grafico anual(Tipo tipo, int ano, const QList<qint64> &meses)
{
    Grafico g = vazio();
    g.titulo = QStringLiteral("Gráfico de Ocupação por %1 de %2").arg(rotuloTipo(tipo)).arg(ano);
    qint64 totalAno = 0;
    for (qint64 m : meses)
        totalAno += m;
    for (int m = 1; m <= 12; ++m) {
        const qint64 valor = meses.value(m - 1);
        Entrada &e = g.entradas[m];
        e.barra = true;
        e.valor = valor;
        e.texto = QStringLiteral("MÊS %1, %2 (%3 % do Total)")
                      .arg(m)
                      .arg(valor)
                      .arg(duasCasas(valor ? razao(double(valor * 100), double(totalAno)) : 0));
    }
    g.tituloLegenda = QStringLiteral("TOTAL ANUAL - %1 (%2) (100,00%)").arg(totalAno).arg(rotuloTipo(tipo));
    const double media = double(totalAno) / 12;
    g.entradas[0].texto = QStringLiteral("MÉDIA MENSAL - %1 (%2 % do Total)")
                              .arg(umaCasa(media), duasCasas(razao(media, double(totalAno)) * 100));
    return g;
}

QString textoLog(Periodo periodo, Tipo tipo, int mes, int ano)
{
    return QStringLiteral("Gráfico de Ocupação (") + nomeMes(mes) + QLatin1Char('/') + QString::number(ano)
        + QStringLiteral(")\rTipo:") + (periodo == Periodo::Mensal ? QStringLiteral("Mensal, ") : QStringLiteral("Anual, "))
        + (tipo == Tipo::Diarias ? QStringLiteral("Ocupação por UHs (Diárias)") : QStringLiteral("Ocupação por Leitos"));
}

Grafico ler(ConexaoBanco &c, Periodo periodo, Tipo tipo, int mes, int ano)
{
    // Nights of live stays; a night without its number of guests counts none.
    const QString medida = tipo == Tipo::Diarias ? QStringLiteral("COUNT(O.ID_ENTRADA)")
                                                 : QStringLiteral("CAST(COALESCE(SUM(O.QTD), 0) AS INTEGER)");
    if (periodo == Periodo::Anual) {
        QList<qint64> meses(12, 0);
        for (const Linha &l : c.lerTodas(QStringLiteral("SELECT EXTRACT(MONTH FROM O.DATA) AS MES, ") + medida
                                             + QStringLiteral(" AS TOTAL FROM OCUPACAO O JOIN WALK_IN W ON "
                                                              "W.ID_WALK_IN = O.ID_ENTRADA WHERE O.DATA >= ? AND "
                                                              "O.DATA <= ? AND W.EXCLUIDO = 'N' GROUP BY 1"),
                                         {QDate(ano, 1, 1), QDate(ano, 12, 31)})) {
            const qint64 m = l.inteiro(QStringLiteral("MES"));
            if (m >= 1 && m <= 12)
                meses[m - 1] = l.inteiro(QStringLiteral("TOTAL"));
        }
        return anual(tipo, ano, meses);
    }
    const QDate inicio(ano, mes, 1);
    QList<Dia> dias;
    for (const Linha &l : c.lerTodas(QStringLiteral("SELECT O.DATA, ") + medida
                                         + QStringLiteral(" AS TOTAL FROM OCUPACAO O JOIN WALK_IN W ON "
                                                          "W.ID_WALK_IN = O.ID_ENTRADA WHERE O.DATA >= ? AND "
                                                          "O.DATA <= ? AND W.EXCLUIDO = 'N' GROUP BY O.DATA "
                                                          "ORDER BY O.DATA"),
                                     {inicio, inicio.addMonths(1).addDays(-1)}))
        dias.append({l.data(QStringLiteral("DATA")), l.inteiro(QStringLiteral("TOTAL"))});
    // "Diárias" divide by the rooms live now, "Leitos" by the beds of the settings.
    const qint64 divisor =
        tipo == Tipo::Diarias
            ? c.valor(QStringLiteral("SELECT COUNT(*) FROM UH WHERE EXCLUIDO = 'N'")).toLongLong()
            : c.valor(QStringLiteral("SELECT COALESCE(MAX(LEITOS), 0) FROM PARAMETROS")).toLongLong();
    return mensal(tipo, mes, ano, dias, divisor);
}

} // namespace GrafOcupacao
