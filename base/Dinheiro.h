#pragma once
// Money in integer cents. Parsed from and shown in Brazilian notation
// ("1.234,56"), read from the database as exact text ("1234.56"), never
// through a binary floating point.
#include <QString>
#include <QVariant>
#include <compare>
#include <cstdint>
#include <optional>

struct LeituraDinheiro;

// How an amount typed by a user may be signed: each field says which.
enum class SinalDigitado {
    Positivo,       // more than zero
    ZeroOuPositivo, // zero or more; a typed "-" is refused
    Qualquer,       // a leading "-" gives a negative amount
};
// What an empty field means: a refusal, or zero.
enum class VazioDigitado { Recusado, Zero };

class Dinheiro {
public:
    constexpr Dinheiro() = default;
    static constexpr Dinheiro deCentavos(std::int64_t c) { Dinheiro d; d.m_centavos = c; return d; }
    static constexpr Dinheiro deReais(std::int64_t r) { return deCentavos(r * 100); }

    // Largest amount a NUMERIC(15,2) column holds: 9.999.999.999.999,99.
    static constexpr Dinheiro tetoNumeric15() { return deCentavos(999'999'999'999'999LL); }
    // Largest amount a NUMERIC(9,2) column holds: 9.999.999,99.
    static constexpr Dinheiro tetoNumeric9() { return deCentavos(999'999'999LL); }

    // The reader of every amount a user types in a field. Accepted: an
    // optional "R$", digits with no thousands dots or with dots in strict
    // groups of three ("1234,56", "1.234,56"), a decimal comma with one or two
    // places. The sign, the meaning of an empty field and the largest amount
    // are the caller's; anything else is refused with its reason.
    static LeituraDinheiro digitado(const QString &texto, SinalDigitado sinal, VazioDigitado vazio,
                                    Dinheiro teto = tetoNumeric15());

    // A text the program wrote itself (a label, a grid cell, a fixture):
    // thousands dots dropped wherever they stand, decimal comma, an optional
    // leading "-" and the "R$" prefix; extra decimals rounded half up. Empty
    // gives nullopt. Fields typed by a user go through digitado().
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

// The outcome of Dinheiro::digitado: the amount, or why it was refused.
struct LeituraDinheiro {
    enum class Recusa {
        Nenhuma,
        Vazio,    // nothing typed where an amount is required
        Formato,  // not an amount: letters, loose dots, three decimals, ...
        Negativo, // a "-" where the field takes none
        Zero,     // zero where more than zero is required
        Limite,   // above the largest amount the field holds
    };
    std::optional<Dinheiro> valor;
    Recusa recusa = Recusa::Nenhuma;

    explicit operator bool() const { return valor.has_value(); }
    // A plain Portuguese text of the refusal, for fields without one of their own.
    QString mensagem() const;
};
