#pragma once
// The time-clock report of one employee and a period, without widgets: the
// rows punched in the period (read once), the days with their turn pairs,
// the hours worked and owed and the day's balance, the period's totals, and
// the report model printed by the report screen.
#include "base/Relatorio.h"
#include "staff/Ponto.h"

#include <QDate>
#include <QList>
#include <QString>
#include <QStringList>
#include <QTime>

namespace PontoRelatorio {

inline const QString kTitulo = QStringLiteral("Relatório de Ponto");
inline const QString kMsgSelecione = QStringLiteral("Selecione um funcionário!");
inline const QString kMsgNenhum = QStringLiteral("Nenhum registro encontrado!");

// Hours owed on a weekday, a Saturday and a Sunday.
struct Cargas {
    QTime dia = QTime(0, 0);
    QTime sabado = QTime(0, 0);
    QTime domingo = QTime(0, 0);
    QTime doDia(const QDate &d) const;
};

// One printed day: its turns (up to three pairs of rows in key order).
struct Dia {
    QDate data;
    QString diaSemana;                   // "Segunda-Feira"
    QStringList turnos{QStringLiteral("-----"), QStringLiteral("-----"), QStringLiteral("-----")};
    QList<qint64> horasTurnos{0, 0, 0};  // seconds
    qint64 trabalhadas = 0;
    qint64 devidas = 0;
    // "+ 00:20:00" when the worked hours reach the owed ones, else "- ...".
    QString saldo() const;
};

struct Totais {
    qint64 aTrabalhar = 0;
    qint64 trabalhadas = 0;
    qint64 atrasos = 0;
    qint64 extras = 0;
};

struct Calculo {
    QList<Dia> dias;  // by date
    Totais totais;
};

// "Domingo", "Segunda-Feira", ... "Sábado".
QString diaDaSemana(const QDate &d);

// The days and totals of the rows (any order; paired by key within a day).
// A row counts at its expected time when on time, excused or missed; late,
// early and extra rows count at their punched time, or at the expected one
// with `completo`; a row without status counts at its punched time (the
// expected one with `completo`). Late
// and extra rows add the distance between their punched and expected
// moments to the lateness and extra totals.
Calculo calcular(const QList<Ponto::Marcacao> &linhas, const Cargas &cargas, const Ponto::Tolerancias &t,
                 bool completo);

// What the report reads: the employee's name and loads, the rows punched
// in the period (two statements, whatever the number of rows).
struct Dados {
    QString nome;
    Cargas cargas;
    QList<Ponto::Marcacao> linhas;
};
Dados ler(qint64 funcionario, const QDate &de, const QDate &ate);

struct Opcoes {
    QDate de, ate;
    bool apenasTotais = false;
    bool completo = false;
};

// The printed report: the page header line with the name and the period,
// "Funcionário:" with the column heads, a block per day (left out with
// apenasTotais) and the totals with the signature line. Computed afresh
// each time it is built.
Relatorio relatorio(const Dados &d, const Opcoes &o, const Ponto::Tolerancias &t);

// The log text of a print.
QString textoLog(const QString &nome, const Opcoes &o);

} // namespace PontoRelatorio
