// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QMetaType>
#include <QString>

#include <compare>
#include <optional>
#include <string>
#include <string_view>

namespace tabrino {

// Exact base-10 number for money: a coefficient of at most 38 significant
// digits and a decimal exponent. Every +, -, *, / result is rounded to 38
// significant digits with halves away from zero (IEEE 754 decimal with
// precision 38, round-half-up), so 120 / 12 is exactly 10 and 30 / 3 after
// a division by 30.4375 carries 38 nines.
//
// Magnitudes are bounded so that no input can make the text form huge or the
// exponent overflow: non-zero values lie in [10^-1000, 10^1000). A result
// below that range rounds on the 10^-1000 grid (so it may become zero); a
// result above it saturates at the largest representable magnitude.
// The value is kept normalised (no trailing zeros in the coefficient), which
// makes copies trivial and equality a member-wise comparison.
class Decimal {
public:
    static constexpr int kPrecision = 38;
    static constexpr int kMinExponent = -1000;  // exponent of the lowest possible digit
    static constexpr int kMaxExponent = 999;    // exponent of the highest possible digit

    Decimal() = default;       // zero
    Decimal(int value);        // NOLINT(google-explicit-constructor): money literals
    Decimal(long long value);  // NOLINT(google-explicit-constructor)

    // Strict decimal text: optional sign, digits with an optional '.' fraction
    // (at least one digit overall, so "5." and ".5" are accepted), optional
    // exponent e/E with optional sign. No spaces, grouping or other
    // characters. More than 38 significant digits are rounded (halves away
    // from zero). Absent on anything else, and on a value outside the range
    // above or an exponent that does not fit an int.
    static std::optional<Decimal> fromString(std::string_view text);
    static std::optional<Decimal> fromString(const QString& text);
    // Lets a literal choose between the two above; null gives absent.
    static std::optional<Decimal> fromString(const char* text);

    // Through the double's shortest round-trip text: 0.3 becomes exactly 0.3.
    // Non-finite input gives zero.
    static Decimal fromDouble(double value);

    Decimal operator-() const;
    friend Decimal operator+(const Decimal& a, const Decimal& b);
    friend Decimal operator-(const Decimal& a, const Decimal& b);
    friend Decimal operator*(const Decimal& a, const Decimal& b);
    // Division by zero is a caller error; it yields zero rather than crashing.
    friend Decimal operator/(const Decimal& a, const Decimal& b);
    Decimal& operator+=(const Decimal& other) { return *this = *this + other; }
    Decimal& operator-=(const Decimal& other) { return *this = *this - other; }
    Decimal& operator*=(const Decimal& other) { return *this = *this * other; }
    Decimal& operator/=(const Decimal& other) { return *this = *this / other; }

    // Numeric comparison: 1.50 == 1.5.
    friend bool operator==(const Decimal& a, const Decimal& b);
    friend std::strong_ordering operator<=>(const Decimal& a, const Decimal& b);

    // Rounded to `places` fraction digits (places >= 0), halves away from zero.
    Decimal rounded(int places) const;
    bool hasFraction() const;
    bool isZero() const;
    bool isNegative() const;
    Decimal abs() const;

    // Plain text: no grouping, '.' separator, no trailing zeros, never an
    // exponent ("15.49", "99", "9.5", "0.005", "-3").
    QString toString() const;
    std::string toStdString() const;

private:
    // 10^38 fits comfortably in 128 bits, so the common path never allocates.
    __extension__ using Magnitude = unsigned __int128;

    // Takes parts that are already rounded and normalised.
    Decimal(Magnitude magnitude, int exponent, bool negative) noexcept
        : m_magnitude(magnitude)
        , m_exponent(exponent)
        , m_negative(negative)
    {
    }

    // value = (m_negative ? -1 : 1) * m_magnitude * 10^m_exponent, with
    // m_magnitude < 10^38 and not divisible by 10; zero is {0, 0, false}.
    Magnitude m_magnitude = 0;
    int m_exponent = 0;
    bool m_negative = false;
};

}  // namespace tabrino

Q_DECLARE_METATYPE(tabrino::Decimal)
