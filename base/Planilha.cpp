#include "base/Planilha.h"
#include "base/Erros.h"

#include <QDate>
#include <QDateTime>
#include <QFile>
#include <xlsxwriter.h>

namespace Planilha {

void gravar(const QString &arquivo, const QStringList &cabecalho, const QList<QVariantList> &linhas,
            const QString &nomePlanilha)
{
    const QByteArray nome = QFile::encodeName(arquivo);
    lxw_workbook *livro = workbook_new(nome.constData());
    if (!livro)
        throw ErroSistema(QStringLiteral("Não foi possível criar a planilha %1").arg(arquivo));
    const QByteArray folha = nomePlanilha.toUtf8();
    lxw_worksheet *ws = workbook_add_worksheet(livro, folha.constData());
    lxw_format *negrito = workbook_add_format(livro);
    format_set_bold(negrito);
    lxw_format *formatoData = workbook_add_format(livro);
    format_set_num_format(formatoData, "dd/mm/yyyy");

    lxw_error erro = LXW_NO_ERROR;
    auto verificar = [&](lxw_error e) {
        if (e != LXW_NO_ERROR && erro == LXW_NO_ERROR)
            erro = e;
    };
    for (int c = 0; c < cabecalho.size(); ++c)
        verificar(worksheet_write_string(ws, 0, lxw_col_t(c), cabecalho[c].toUtf8().constData(), negrito));
    for (int l = 0; l < linhas.size(); ++l) {
        const lxw_row_t linha = lxw_row_t(l + 1);
        const QVariantList &valores = linhas[l];
        for (int c = 0; c < valores.size(); ++c) {
            const QVariant &v = valores[c];
            const lxw_col_t col = lxw_col_t(c);
            if (v.isNull() || !v.isValid())
                continue;
            switch (v.typeId()) {
            case QMetaType::Int:
            case QMetaType::UInt:
            case QMetaType::LongLong:
            case QMetaType::ULongLong:
                verificar(worksheet_write_number(ws, linha, col, double(v.toLongLong()), nullptr));
                break;
            case QMetaType::QDate: {
                const QDate d = v.toDate();
                lxw_datetime dt{d.year(), d.month(), d.day(), 0, 0, 0.0};
                verificar(worksheet_write_datetime(ws, linha, col, &dt, formatoData));
                break;
            }
            default:
                verificar(worksheet_write_string(ws, linha, col, v.toString().toUtf8().constData(), nullptr));
            }
        }
    }
    const lxw_error fim = workbook_close(livro);
    if (erro == LXW_NO_ERROR)
        erro = fim;
    if (erro != LXW_NO_ERROR)
        throw ErroSistema(QStringLiteral("Não foi possível gravar a planilha %1: %2")
                              .arg(arquivo, QString::fromUtf8(lxw_strerror(erro))));
}

} // namespace Planilha
