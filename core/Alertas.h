#pragma once
// The day's alerts across the subsystems, as the main window's alerts tree
// shows them: reservations of today, birthdays, products and stock items at
// their minimum, bills to receive and the customers' personal reminders.
#include <QDate>
#include <QList>
#include <QString>
#include <QStringList>

class ConexaoBanco;

namespace Alertas {

struct Grupo {
    QString titulo;     // "Reservas Programadas (" and the like
    QStringList linhas; // one per row found
    // The node's caption: the title, the count of rows and ")".
    QString legenda() const { return titulo + QString::number(linhas.size()) + QStringLiteral(")"); }
};

// The header line of the tree.
QString cabecalho(const QDate &hoje);

// The groups in their order; the bills group only when the user has the
// MOVIMENTOS right. A group without rows is still there, with no lines.
QList<Grupo> montar(ConexaoBanco &conexao, const QDate &hoje, bool movimentos);

} // namespace Alertas
