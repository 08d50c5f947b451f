#pragma once
// Field habits of the record screens (restaurant, cheques, employee payments):
//  - a money field loses its thousands dots when entered and is shown as
//    "#,##0.00" when left ("0,00" when left empty; a text that is not money is
//    left as typed, for the record's own check to refuse);
//  - a number field becomes "0" (or its given text) when left empty.
#include <QString>

class QLineEdit;

namespace CamposEdicao {

void dinheiro(QLineEdit *campo);
void zeroQuandoVazio(QLineEdit *campo, const QString &vazio = QStringLiteral("0"));

// The money text as the field shows it when left.
QString formatarDinheiro(const QString &texto);

} // namespace CamposEdicao
