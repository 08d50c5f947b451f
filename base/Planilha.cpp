#include "base/Planilha.h"
#include "base/Erros.h"

#include <QDate>
#include <QDateTime>
#include <QFile>
#include <QRegularExpression>
#include <QTime>
#include <xlsxwriter.h>
#include <cmath>

namespace Planilha {

namespace {

std::optional<Decimal> decimal(QString inteira, const QString &fracao, bool negativo)
{
    if (inteira.isEmpty())
        inteira = QStringLiteral("0");
    if (inteira.size() + fracao.size() > 17)
        return std::nullopt;
    bool ok = false;
    const qint64 v = (inteira + fracao).toLongLong(&ok);
    if (!ok)
        return std::nullopt;
    return Decimal{negativo ? -v : v, int(fracao.size())};
}

double comoDouble(const Decimal &d) { return double(d.valor) / std::pow(10.0, d.casas); }

} // namespace

std::optional<Decimal> decimalDeTexto(const QString &texto)
{
    // Thousands dots only in their places, decimal comma.
    static const QRegularExpression re(
        QStringLiteral(R"(^\s*(-)?\s*(?:R\$\s*)?(\d{1,3}(?:\.\d{3})+|\d+)(?:,(\d+))?\s*$)"));
    const QRegularExpressionMatch m = re.match(texto);
    if (!m.hasMatch())
        return std::nullopt;
    return decimal(m.captured(2).remove(QLatin1Char('.')), m.captured(3), !m.captured(1).isEmpty());
}

std::optional<Decimal> decimalDeSql(const QString &texto)
{
    static const QRegularExpression re(QStringLiteral(R"(^\s*([-+])?(\d*)(?:\.(\d*))?\s*$)"));
    const QRegularExpressionMatch m = re.match(texto);
    if (!m.hasMatch() || (m.captured(2).isEmpty() && m.captured(3).isEmpty()))
        return std::nullopt;
    return decimal(m.captured(2), m.captured(3), m.captured(1) == QLatin1String("-"));
}

void gravar(const QString &arquivo, const QStringList &cabecalho, const QList<QVariantList> &linhas,
            const QString &nomePlanilha)
{
    // Written beside the target and moved over it only when complete, so a
    // failure never leaves a broken file in place of a good one.
    const QString temporario = arquivo + QStringLiteral(".tmp");
    const QByteArray nome = QFile::encodeName(temporario);
    lxw_workbook *livro = workbook_new(nome.constData());
    if (!livro)
        throw ErroSistema(QStringLiteral("Não foi possível criar a planilha %1").arg(arquivo));
    const QByteArray folha = nomePlanilha.toUtf8();
    lxw_worksheet *ws = workbook_add_worksheet(livro, folha.constData());
    lxw_format *negrito = workbook_add_format(livro);
    format_set_bold(negrito);
    lxw_format *formatoData = workbook_add_format(livro);
    format_set_num_format(formatoData, "dd/mm/yyyy");
    lxw_format *formatoMomento = workbook_add_format(livro);
    format_set_num_format(formatoMomento, "dd/mm/yyyy hh:mm:ss");
    lxw_format *formatoHora = workbook_add_format(livro);
    format_set_num_format(formatoHora, "hh:mm:ss");
    // One number format per count of decimal places.
    QList<lxw_format *> formatosNumero;
    auto formatoNumero = [&](int casas) {
        casas = qBound(2, casas, 6);
        while (formatosNumero.size() <= casas)
            formatosNumero.append(nullptr);
        if (!formatosNumero[casas]) {
            lxw_format *f = workbook_add_format(livro);
            const QByteArray codigo = "#,##0." + QByteArray(casas, '0');
            format_set_num_format(f, codigo.constData());
            formatosNumero[casas] = f;
        }
        return formatosNumero[casas];
    };

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
            if (v.metaType() == QMetaType::fromType<Dinheiro>()) {
                const Decimal d{v.value<Dinheiro>().centavos(), 2};
                verificar(worksheet_write_number(ws, linha, col, comoDouble(d), formatoNumero(2)));
                continue;
            }
            if (v.metaType() == QMetaType::fromType<Decimal>()) {
                const Decimal d = v.value<Decimal>();
                verificar(worksheet_write_number(ws, linha, col, comoDouble(d), formatoNumero(d.casas)));
                continue;
            }
            switch (v.typeId()) {
            case QMetaType::Int:
            case QMetaType::UInt:
            case QMetaType::Short:
            case QMetaType::UShort:
            case QMetaType::Long:
            case QMetaType::LongLong:
            case QMetaType::ULongLong:
                verificar(worksheet_write_number(ws, linha, col, double(v.toLongLong()), nullptr));
                break;
            case QMetaType::Double:
            case QMetaType::Float:
                verificar(worksheet_write_number(ws, linha, col, v.toDouble(), formatoNumero(2)));
                break;
            case QMetaType::QDate: {
                const QDate d = v.toDate();
                if (!d.isValid())
                    break;
                lxw_datetime dt{d.year(), d.month(), d.day(), 0, 0, 0.0};
                verificar(worksheet_write_datetime(ws, linha, col, &dt, formatoData));
                break;
            }
            case QMetaType::QDateTime: {
                const QDateTime m = v.toDateTime();
                if (!m.isValid())
                    break;
                const QDate d = m.date();
                const QTime t = m.time();
                lxw_datetime dt{d.year(), d.month(), d.day(), t.hour(), t.minute(), t.second() + t.msec() / 1000.0};
                verificar(worksheet_write_datetime(ws, linha, col, &dt, formatoMomento));
                break;
            }
            case QMetaType::QTime: {
                const QTime t = v.toTime();
                if (!t.isValid())
                    break;
                lxw_datetime dt{0, 0, 0, t.hour(), t.minute(), t.second() + t.msec() / 1000.0};
                verificar(worksheet_write_datetime(ws, linha, col, &dt, formatoHora));
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
    if (erro != LXW_NO_ERROR) {
        QFile::remove(temporario);
        throw ErroSistema(QStringLiteral("Não foi possível gravar a planilha %1: %2")
                              .arg(arquivo, QString::fromUtf8(lxw_strerror(erro))));
    }
    if (QFile::exists(arquivo) && !QFile::remove(arquivo)) {
        QFile::remove(temporario);
        throw ErroSistema(QStringLiteral("Não foi possível substituir a planilha %1").arg(arquivo));
    }
    if (!QFile::rename(temporario, arquivo)) {
        QFile::remove(temporario);
        throw ErroSistema(QStringLiteral("Não foi possível gravar a planilha %1").arg(arquivo));
    }
}

} // namespace Planilha
