#pragma once
// The financial chart's content: the money that came in (VW_GRAF_ENTRADA)
// or went out (RET_CAIXA withdrawals) per day of a month or per month of a
// year, as 32 bar entries (entry 0 has no bar: its legend carries the
// average), with the chart's title, the legend's title (the period total)
// and each bar's mark. Built here from the amounts read; the chart widget
// and the printed page only draw it.
//
// A share is the bucket's exact amount over the period total (0,40 of 40,00
// is 1,00 %); a period without money shows 0,00 everywhere.
#include "base/Dinheiro.h"

#include <QDate>
#include <QList>
#include <QString>

class ConexaoBanco;

namespace GrafFinanceiro {

inline const QString kTitulo = QStringLiteral("Gráficos - Financeiro");
inline const QString kMsgAnoInvalido = QStringLiteral("Ano Inválido! Informe um ano de 1900 a 9999.");
inline const QString kOperacaoVisualizacao = QStringLiteral("Vizualização de Gráfico");
inline const QString kOperacaoImpressao = QStringLiteral("Impressão de Gráfico");
inline const QString kObs1 = QStringLiteral("Obs.: Não estão relacionados nas entradas os valores relacionados aos");
inline const QString kObs2 = QStringLiteral("pagamentos adiantados de hospedagens em aberto.");
inline constexpr int kEntradas = 32;

enum class Periodo { Mensal, Anual };
enum class Tipo { Entradas, Saidas };

// "JANEIRO" .. "DEZEMBRO" (month 1 to 12).
QString nomeMes(int mes);
bool anoValido(int ano);

struct Barra {
    Dinheiro valor;    // the bar's length (0 for entry 0 and empty buckets)
    QString marca;     // the text beside the bar ("-" when unused)
    QString legenda;   // the series title shown in the legend
};

struct Grafico {
    QString titulo;
    QString tituloLegenda;
    QList<Barra> barras;   // kEntradas; barras[0].legenda is the average line
    Dinheiro total;
};

// A day's (or a month's) sum; `data` is the day, or the first of the month.
struct Soma {
    QDate data;
    Dinheiro total;
};

// The monthly chart from the month's daily sums (in any order; one per day).
Grafico mensal(Tipo tipo, int mes, int ano, const QList<Soma> &dias);
// The annual chart from the year's monthly sums (one per month with money).
Grafico anual(Tipo tipo, int ano, const QList<Soma> &meses);

// The statements (one per chart): the daily sums of a month, or the monthly
// sums of a year, by date, bounded by dates so the date indexes serve.
QString sqlMensal(Tipo tipo);
QString sqlAnual(Tipo tipo);
// Reads the sums and builds the chart. The year must be within 1900..9999.
Grafico ler(ConexaoBanco &c, Periodo periodo, Tipo tipo, int mes, int ano);

// The log's before-text: "Gráfico Financeiro (MARÇO/2026)\rTipo:Mensal, Entradas (R$)".
QString textoLog(Periodo periodo, Tipo tipo, int mes, int ano);

} // namespace GrafFinanceiro
