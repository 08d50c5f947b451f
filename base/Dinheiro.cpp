#include "base/Dinheiro.h"
#include "base/Erros.h"

#include <QRegularExpression>

namespace {

// Reads "[-]digits[<sep>digits]" into cents, rounding extra decimals half up.
std::optional<std::int64_t> lerNumero(QStringView t, QChar separador)
{
    bool negativo = false;
    if (!t.isEmpty() && (t.front() == u'-' || t.front() == u'+')) {
        negativo = t.front() == u'-';
        t = t.mid(1).trimmed();
    }
    if (t.isEmpty())
        return std::nullopt;
    const qsizetype pos = t.indexOf(separador);
    QStringView inteira = pos < 0 ? t : t.left(pos);
    QStringView fracao = pos < 0 ? QStringView() : t.mid(pos + 1);
    if (inteira.isEmpty() && fracao.isEmpty())
        return std::nullopt;
    std::int64_t reais = 0;
    for (QChar c : inteira) {
        if (!c.isDigit() || c.unicode() > 127)
            return std::nullopt;
        if (reais > 90'000'000'000'000'000LL / 1000)
            return std::nullopt;
        reais = reais * 10 + (c.unicode() - '0');
    }
    std::int64_t cent = 0;
    int casas = 0;
    bool arredonda = false;
    for (QChar c : fracao) {
        if (!c.isDigit() || c.unicode() > 127)
            return std::nullopt;
        if (casas < 2)
            cent = cent * 10 + (c.unicode() - '0');
        else if (casas == 2)
            arredonda = c.unicode() >= '5';
        ++casas;
    }
    if (casas == 1)
        cent *= 10;
    std::int64_t total = reais * 100 + cent + (arredonda ? 1 : 0);
    return negativo ? -total : total;
}

} // namespace

LeituraDinheiro Dinheiro::digitado(const QString &texto, SinalDigitado sinal, VazioDigitado vazio, Dinheiro teto)
{
    using Recusa = LeituraDinheiro::Recusa;
    const auto recusa = [](Recusa r) {
        LeituraDinheiro l;
        l.recusa = r;
        return l;
    };
    const auto aceito = [&](Dinheiro d) {
        if (sinal == SinalDigitado::Positivo && d.zero())
            return recusa(Recusa::Zero);
        LeituraDinheiro l;
        l.valor = d;
        return l;
    };

    QString t = texto.trimmed();
    if (t.startsWith(QLatin1String("R$")))
        t = t.mid(2).trimmed();
    if (t.isEmpty())
        return vazio == VazioDigitado::Zero ? aceito(Dinheiro()) : recusa(Recusa::Vazio);

    // "1234,56" or "1.234,56"; one or two decimals; no other character.
    static const QRegularExpression formato(
        QStringLiteral("^(-?)(\\d+|\\d{1,3}(?:\\.\\d{3})+)(?:,(\\d{1,2}))?$"));
    const QRegularExpressionMatch m = formato.match(t);
    if (!m.hasMatch())
        return recusa(Recusa::Formato);
    const bool negativo = !m.capturedView(1).isEmpty();
    if (negativo && sinal != SinalDigitado::Qualquer)
        return recusa(Recusa::Negativo);

    QString inteira = m.captured(2);
    inteira.remove(QLatin1Char('.'));
    // Leading zeros aside, more digits than the largest amount has cannot fit.
    while (inteira.size() > 1 && inteira.front() == u'0')
        inteira.remove(0, 1);
    const QString maiorInteira = QString::number(teto.centavos() / 100);
    if (inteira.size() > maiorInteira.size())
        return recusa(Recusa::Limite);
    const QString fracao = m.captured(3).leftJustified(2, QLatin1Char('0'));
    const std::int64_t centavos = inteira.toLongLong() * 100 + fracao.toInt();
    if (centavos > teto.centavos())
        return recusa(Recusa::Limite);
    return aceito(deCentavos(negativo ? -centavos : centavos));
}

QString LeituraDinheiro::mensagem() const
{
    switch (recusa) {
    case Recusa::Nenhuma:
        return {};
    case Recusa::Vazio:
        return QStringLiteral("Informe o valor.");
    case Recusa::Formato:
        return QStringLiteral("Valor inválido! Informe o valor em reais, como 1.234,56.");
    case Recusa::Negativo:
        return QStringLiteral("O valor não pode ser negativo.");
    case Recusa::Zero:
        return QStringLiteral("O valor deve ser maior que zero.");
    case Recusa::Limite:
        return QStringLiteral("Valor acima do limite permitido.");
    }
    return {};
}

std::optional<Dinheiro> Dinheiro::deTexto(const QString &texto)
{
    QString t = texto.trimmed();
    if (t.startsWith(QLatin1String("R$")))
        t = t.mid(2).trimmed();
    if (t.isEmpty())
        return std::nullopt;
    // Thousands dots are dropped wherever they stand, as the screens always did.
    t.remove(QLatin1Char('.'));
    t.remove(QLatin1Char(' '));
    if (t.count(QLatin1Char(',')) > 1)
        return std::nullopt;
    auto c = lerNumero(t, QLatin1Char(','));
    if (!c)
        return std::nullopt;
    return deCentavos(*c);
}

Dinheiro Dinheiro::deTextoOuErro(const QString &texto)
{
    if (texto.trimmed().isEmpty())
        return {};
    auto d = deTexto(texto);
    if (!d)
        throw ErroConversao(QStringLiteral("'%1' não é um valor válido.").arg(texto));
    return *d;
}

std::optional<Dinheiro> Dinheiro::deSql(const QString &texto)
{
    const QString t = texto.trimmed();
    if (t.isEmpty() || t.count(QLatin1Char('.')) > 1)
        return std::nullopt;
    auto c = lerNumero(t, QLatin1Char('.'));
    if (!c)
        return std::nullopt;
    return deCentavos(*c);
}

Dinheiro Dinheiro::deVariant(const QVariant &v)
{
    if (v.isNull() || !v.isValid())
        return {};
    switch (v.typeId()) {
    case QMetaType::Int:
    case QMetaType::LongLong:
    case QMetaType::UInt:
    case QMetaType::ULongLong:
    case QMetaType::Short:
        return deReais(v.toLongLong());
    case QMetaType::Double:
    case QMetaType::Float:
        // Only reached when a query was not opened with high precision; the
        // shortest text of the double gives back the stored decimal.
        return deSql(QString::number(v.toDouble(), 'f', 4)).value_or(Dinheiro());
    default:
        break;
    }
    auto d = deSql(v.toString());
    if (!d)
        throw ErroConversao(QStringLiteral("'%1' não é um valor válido.").arg(v.toString()));
    return *d;
}

QString Dinheiro::formatado() const
{
    const bool negativo = m_centavos < 0;
    const std::uint64_t abs = negativo ? std::uint64_t(-(m_centavos + 1)) + 1 : std::uint64_t(m_centavos);
    QString inteira = QString::number(abs / 100);
    for (qsizetype i = inteira.size() - 3; i > 0; i -= 3)
        inteira.insert(i, QLatin1Char('.'));
    return QStringLiteral("%1%2,%3")
        .arg(negativo ? QStringLiteral("-") : QString(), inteira)
        .arg(int(abs % 100), 2, 10, QLatin1Char('0'));
}

QString Dinheiro::sql() const
{
    const bool negativo = m_centavos < 0;
    const std::uint64_t abs = negativo ? std::uint64_t(-(m_centavos + 1)) + 1 : std::uint64_t(m_centavos);
    return QStringLiteral("%1%2.%3")
        .arg(negativo ? QStringLiteral("-") : QString())
        .arg(abs / 100)
        .arg(int(abs % 100), 2, 10, QLatin1Char('0'));
}

Dinheiro Dinheiro::percentual(std::int64_t p) const
{
    // value * p / 10000, rounded half away from zero
    const __int128 n = static_cast<__int128>(m_centavos) * p;
    __int128 q = n / 10000;
    const __int128 r = n % 10000;
    if (r * 2 >= 10000)
        ++q;
    else if (r * 2 <= -10000)
        --q;
    return deCentavos(static_cast<std::int64_t>(q));
}
