#pragma once
// The occupancy chart's content: room-nights ("Diárias") or guest-nights
// ("Leitos") charged per day of a month or per month of a year, as 32
// entries (entry 0 carries only the average line), with the title, the
// legend title and the percentages. Built here from the figures read; the
// chart widget and the printed page only draw it.
#include <QDate>
#include <QList>
#include <QString>

class ConexaoBanco;

namespace GrafOcupacao {

inline const QString kTitulo = QStringLiteral("Gráficos - Ocupação");
inline const QString kMsgAnoInvalido = QStringLiteral("Ano Inválido! Informe um ano de 1900 a 9999.");
inline const QString kOperacaoVisualizacao = QStringLiteral("Vizualização de Gráfico");
inline const QString kOperacaoImpressao = QStringLiteral("Impressão de Gráfico");
inline constexpr int kEntradas = 32;

enum class Periodo { Mensal, Anual };
enum class Tipo { Diarias, Leitos };

// "JANEIRO" .. "DEZEMBRO" (month 1 to 12).
QString nomeMes(int mes);
// Numbers as the chart writes them: "#,##0.00" and "#,#0.0".
QString duasCasas(double v);
QString umaCasa(double v);

struct Entrada {
    bool barra = false;   // the entry has a bar (entry 0 and unused entries have none)
    qint64 valor = 0;     // the bar's length
    QString texto;        // the bar's label and legend text ("-" when unused)
};

struct Grafico {
    QString titulo;
    QString tituloLegenda;
    QList<Entrada> entradas;   // kEntradas; entradas[0].texto is the average line
};

// A day's total of the monthly statement.
struct Dia {
    QDate data;
    qint64 total = 0;
};

// The monthly chart from the month's rows (any order) and the divisor (live
// rooms for "Diárias", LEITOS for "Leitos"). A zero divisor or no row gives
// 0,00 / 0,0 where they would divide.
Grafico mensal(Tipo tipo, int mes, int ano, const QList<Dia> &dias, qint64 divisor);
// The annual chart from the twelve months' totals (index 0 = January).
Grafico anual(Tipo tipo, int ano, const QList<qint64> &meses);

// The log's before-text: "Gráfico de Ocupação (ABRIL/2026)\rTipo:Mensal, ..."
QString textoLog(Periodo periodo, Tipo tipo, int mes, int ano);

// Reads the figures (one statement for the rows, one for the divisor) and
// builds the chart. The year must be within 1900..9999.
Grafico ler(ConexaoBanco &c, Periodo periodo, Tipo tipo, int mes, int ano);
bool anoValido(int ano);

} // namespace GrafOcupacao
