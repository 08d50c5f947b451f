#pragma once
// Spreadsheet files (.xlsx) written with libxlsxwriter.
#include <QList>
#include <QString>
#include <QStringList>
#include <QVariant>

namespace Planilha {

// Writes one sheet: the header row in bold, then the rows. Numbers stay
// numbers, dates become dates, anything else text. Replaces the file.
// A failure raises ErroSistema.
void gravar(const QString &arquivo, const QStringList &cabecalho, const QList<QVariantList> &linhas,
            const QString &nomePlanilha = QStringLiteral("Planilha1"));

} // namespace Planilha
