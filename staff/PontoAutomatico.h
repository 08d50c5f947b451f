#pragma once
// The time clock's daily housekeeping: absences of past days and today's expected entries.
#include <QDate>
#include <QString>

class ConexaoBanco;

namespace PontoAutomatico {

inline constexpr const char *kObsFalta = "MARCAÇÃO NÃO EFETUADA - (FALTA)";

struct Resultado {
    int faltas = 0;    // unpunched entries of other days closed as absences
    int previstas = 0; // expected entries written for today
};

// Closes unpunched entries of other days as absences (an entry excused in
// advance keeps its excuse and justification) and, when today has no
// expected entry yet, writes the expected entries of every employee who
// punches the clock (Saturdays and Sundays only for those who work them),
// two per turn that has a time.
//
// Reads first and writes nothing when nothing is left to do. To write, it
// takes the lock on the day (the settings row, locked for the length of one
// short transaction), reads again and writes in that one transaction, so two
// workstations preparing the same day write its entries once.
Resultado preparar(ConexaoBanco &conexao, const QDate &hoje, const QString &login);

// Whether the one-second tick must do the housekeeping: with expected entries
// switched on and a new day, or while today has no expected entry.
bool devePreparar(const QDate &hoje);

// The housekeeping as the one-second timer drives it on each workstation:
// once the day is prepared (here or elsewhere) nothing is read or written
// again until the date changes.
class Controle {
public:
    Resultado tick(ConexaoBanco &conexao, const QDate &hoje, const QString &login);
    // The day on which nothing was left to do.
    QDate feito() const { return m_feito; }

private:
    QDate m_feito;
};

} // namespace PontoAutomatico
