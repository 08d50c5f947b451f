#pragma once
// Spreadsheet files (.xlsx) written with libxlsxwriter.
#include "base/Dinheiro.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <QVariant>

namespace Planilha {

// An exact decimal number: valor / 10^casas (a weighed quantity 1,250 is
// {1250, 3}). Written as a number with that many decimal places shown.
struct Decimal {
    qint64 valor = 0;
    int casas = 2;
};

// Writes one sheet: the header row in bold, then the rows. Cells keep their
// kind: Dinheiro and Decimal become numbers shown "#,##0.00" (more places when
// the Decimal has them), integers and doubles numbers, QDate dates
// "dd/mm/yyyy", QDateTime "dd/mm/yyyy hh:mm:ss", QTime "hh:mm:ss"; anything
// else text. Replaces the file. A failure raises ErroSistema.
void gravar(const QString &arquivo, const QStringList &cabecalho, const QList<QVariantList> &linhas,
            const QString &nomePlanilha = QStringLiteral("Planilha1"));

// Reads a number as a grid shows it ("1.234,56", "-3,5", "12") into a
// Decimal, or nothing when the text is not such a number.
std::optional<Decimal> decimalDeTexto(const QString &texto);
// Same for the exact text of a NUMERIC column ("1234.56", "-3.5", "12").
std::optional<Decimal> decimalDeSql(const QString &texto);

} // namespace Planilha
