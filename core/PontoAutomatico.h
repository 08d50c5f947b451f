#pragma once
// The time clock's daily housekeeping: absences of past days and today's expected entries.
#include <QDate>
#include <QString>

namespace PontoAutomatico {

inline constexpr const char *kObsFalta = "MARCAÇÃO NÃO EFETUADA - (FALTA)";

struct Resultado {
    int faltas = 0;    // unpunched entries of other days closed as absences
    int previstas = 0; // expected entries written for today
};

// Closes unpunched entries of other days as absences and, when today has no
// expected entry yet, writes the expected entries of every employee who
// punches the clock (Saturdays and Sundays only for those who work them),
// two per turn that has a time. One transaction.
Resultado preparar(const QDate &hoje, const QString &login);

// Whether the one-second tick must do the housekeeping: with expected entries
// switched on and a new day, or while today has no expected entry.
bool devePreparar(const QDate &hoje);

} // namespace PontoAutomatico
