#pragma once
// Money in integer cents. Parsed from and shown in Brazilian notation
// ("1.234,56"), read from the database as exact text ("1234.56"), never
// through a binary floating point.
#include <QString>
#include <QVariant>
#include <compare>
#include <cstdint>
#include <optional>

class Dinheiro {
public:
    constexpr Dinheiro() = default;
    static constexpr Dinheiro deCentavos(std::int64_t c) { Dinheiro d; d.m_centavos = c; return d; }
    static constexpr Dinheiro deReais(std::int64_t r) { return deCentavos(r * 100); }

    // Text typed on screen: thousands dots optional, decimal comma, an optional
    // leading "-" and the "R$" prefix are accepted. Empty gives nullopt.
    static std::optional<Dinheiro> deTexto(const QString &texto);
    // Same, but an unreadable text raises ErroConversao with a clear message.
    static Dinheiro deTextoOuErro(const QString &texto);
    // Text in SQL notation ("1234.56", "-3.5", "12"), as the database returns
    // a NUMERIC read with high precision. Extra decimals are rounded half up.
    static std::optional<Dinheiro> deSql(const QString &texto);
    // A value read from the database (text, integer or null). Null reads zero.
    static Dinheiro deVariant(const QVariant &v);

    std::int64_t centavos() const { return m_centavos; }
    bool zero() const { return m_centavos == 0; }

    // "#,##0.00" in Brazilian notation: 1.234,56
    QString formatado() const;
    // SQL notation: 1234.56
    QString sql() const;
    // The value to bind to a NUMERIC parameter.
    QVariant paraBanco() const { return sql(); }

    Dinheiro operator+(Dinheiro o) const { return deCentavos(m_centavos + o.m_centavos); }
    Dinheiro operator-(Dinheiro o) const { return deCentavos(m_centavos - o.m_centavos); }
    Dinheiro operator-() const { return deCentavos(-m_centavos); }
    Dinheiro &operator+=(Dinheiro o) { m_centavos += o.m_centavos; return *this; }
    Dinheiro &operator-=(Dinheiro o) { m_centavos -= o.m_centavos; return *this; }
    // Quantity times price, exact.
    Dinheiro operator*(std::int64_t q) const { return deCentavos(m_centavos * q); }
    // A percentage of the value (percent given in hundredths: 1050 = 10,50%),
    // rounded half away from zero to the cent.
    Dinheiro percentual(std::int64_t centesimosDePorCento) const;
    auto operator<=>(const Dinheiro &) const = default;

private:
    std::int64_t m_centavos = 0;
};
