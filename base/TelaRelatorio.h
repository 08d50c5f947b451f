#pragma once
// Pieces the report screens share: the screen's name reported through
// AcaoAtual whenever it is shown or activated, a date box, and the check of
// a period before any query runs.
#include <QDate>
#include <QString>

class QDateEdit;
class QDialog;
class QWidget;

namespace TelaRelatorio {

inline const QString kMsgPeriodoInvalido =
    QStringLiteral("Período Inválido! A data inicial (De) não pode ser posterior à data final (Até).");

// Reports `acao` through AcaoAtual each time the screen is shown or activated.
void acaoAoAtivar(QDialog *tela, const QString &acao);
// A date box "dd/MM/yyyy" with its calendar.
QDateEdit *campoData(QWidget *pai, const QDate &data);
// False, after saying so, when the start is after the end.
bool periodoValido(const QDate &de, const QDate &ate);

} // namespace TelaRelatorio
