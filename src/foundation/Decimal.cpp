// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "foundation/Decimal.h"

#include <QVarLengthArray>

#include <algorithm>
#include <array>
#include <bit>
#include <charconv>
#include <climits>
#include <cmath>
#include <cstdint>
#include <cstring>

namespace tabrino {

namespace {

__extension__ using u128 = unsigned __int128;
using u64 = std::uint64_t;

constexpr int kPrecision = Decimal::kPrecision;
constexpr long long kMinExponent = Decimal::kMinExponent;
// A value is in range while exponent + digit count <= kDigitLimit.
constexpr long long kDigitLimit = Decimal::kMaxExponent + 1;

constexpr u64 lo64(u128 x)
{
    return static_cast<u64>(x);
}
constexpr u64 hi64(u128 x)
{
    return static_cast<u64>(x >> 64);
}
constexpr u128 make128(u64 hi, u64 lo)
{
    return (static_cast<u128>(hi) << 64) | lo;
}

// 10^0 .. 10^38; 10^39 no longer fits 128 bits.
constexpr std::array<u128, 39> kPow10 = [] {
    std::array<u128, 39> table{};
    u128 value = 1;
    for (auto& entry : table) {
        entry = value;
        value *= 10;  // wraps after the last entry, which is never read
    }
    return table;
}();

constexpr u128 kLimit = kPow10[kPrecision];  // coefficients stay below this
constexpr u64 kPow10_19 = static_cast<u64>(kPow10[19]);

// (hi:lo) / d with hi < d; the quotient fits 64 bits.
inline u64 divide128by64(u64 hi, u64 lo, u64 d, u64& remainder)
{
#if defined(__x86_64__)
    // The compiler would call the generic 128/128 routine; one divq is enough.
    u64 quotient;
    __asm__("divq %[d]" : "=a"(quotient), "=d"(remainder) : [d] "r"(d), "a"(lo), "d"(hi));
    return quotient;
#else
    const u128 n = make128(hi, lo);
    remainder = static_cast<u64>(n % d);
    return static_cast<u64>(n / d);
#endif
}

// Division by the fixed divisors 10^1 .. 10^19 through a precomputed
// reciprocal (Moeller and Granlund, "Improved division by invariant
// integers"): two multiplications instead of a hardware divide, which
// dominates rounding otherwise.
struct Reciprocal {
    u64 divisor = 0;
    u64 normalised = 0;  // divisor << shift, top bit set
    u64 inverse = 0;     // floor((2^128 - 1) / normalised) - 2^64
    int shift = 0;
};

constexpr std::array<Reciprocal, 20> kPow10Reciprocals = [] {
    std::array<Reciprocal, 20> table{};
    for (std::size_t k = 1; k < table.size(); ++k) {
        Reciprocal& r = table[k];
        r.divisor = static_cast<u64>(kPow10[k]);
        r.shift = std::countl_zero(r.divisor);
        r.normalised = r.divisor << r.shift;
        r.inverse = static_cast<u64>(~u128{0} / r.normalised);  // the 2^64 term falls off
    }
    return table;
}();

// (hi:lo) / divisor with hi < divisor.
inline u64 divide128by64(u64 hi, u64 lo, const Reciprocal& r, u64& remainder)
{
    const u64 n1 = r.shift == 0 ? hi : (hi << r.shift) | (lo >> (64 - r.shift));
    const u64 n0 = lo << r.shift;
    const u128 estimate = static_cast<u128>(r.inverse) * n1 + make128(n1, n0);
    u64 q = hi64(estimate) + 1;
    u64 rest = n0 - q * r.normalised;
    if (rest > lo64(estimate)) {
        --q;
        rest += r.normalised;
    }
    if (rest >= r.normalised) {
        ++q;
        rest -= r.normalised;
    }
    remainder = rest >> r.shift;
    return q;
}

// x / 10^k and x % 10^k for any 128-bit x, 1 <= k <= 19.
inline u128 dividePow10(u128 x, int k, u64& remainder)
{
    const Reciprocal& r = kPow10Reciprocals[static_cast<std::size_t>(k)];
    u64 hi = hi64(x);
    u64 qHi = 0;
    if (hi >= r.divisor)
        qHi = divide128by64(0, hi, r, hi);
    const u64 qLo = divide128by64(hi, lo64(x), r, remainder);
    return make128(qHi, qLo);
}

// x / 10^k rounded half up, k >= 1.
u128 roundedDivide(u128 x, int k)
{
    if (k > 38)
        return 0;  // x < 2^128 < 5 * 10^38: below half
    const u128 divisor = kPow10[static_cast<std::size_t>(k)];
    u128 quotient = 0;
    u128 remainder = 0;
    if (k <= 19) {
        u64 small = 0;
        quotient = dividePow10(x, k, small);
        remainder = small;
    } else {
        quotient = x / divisor;
        remainder = x % divisor;
    }
    return remainder >= divisor / 2 ? quotient + 1 : quotient;
}

int digitCount(u64 x)
{
    if (x == 0)
        return 1;
    const int bits = 64 - std::countl_zero(x);
    const int estimate = (bits * 1233) >> 12;  // floor(bits * log10(2))
    return estimate + (x >= static_cast<u64>(kPow10[estimate]) ? 1 : 0);
}

int digitCount(u128 x)
{
    if (hi64(x) == 0)
        return digitCount(lo64(x));
    const int bits = 128 - std::countl_zero(hi64(x));
    const int estimate = (bits * 1233) >> 12;
    return estimate + (x >= kPow10[estimate] ? 1 : 0);
}

bool divisibleBy10(u128 x)
{
    // 2^64 = 6 (mod 10)
    return ((hi64(x) % 10) * 6 + lo64(x) % 10) % 10 == 0;
}

// Four 64-bit limbs, least significant first: enough for the exact product of
// two coefficients and for a dividend scaled to give a 38-digit quotient.
struct U256 {
    std::array<u64, 4> w{};

    static constexpr U256 from(u128 x) { return U256{{lo64(x), hi64(x), 0, 0}}; }
    bool fits128() const { return (w[2] | w[3]) == 0; }
    u128 low128() const { return make128(w[1], w[0]); }

    constexpr void multiplySmall(u64 m)
    {
        u64 carry = 0;
        for (u64& limb : w) {
            const u128 p = static_cast<u128>(limb) * m + carry;
            limb = lo64(p);
            carry = hi64(p);
        }
    }

    void multiplyPow10(long long k)
    {
        for (; k >= 19; k -= 19)
            multiplySmall(kPow10_19);
        if (k > 0)
            multiplySmall(static_cast<u64>(kPow10[static_cast<std::size_t>(k)]));
    }

    // Divides in place by 10^k (1 <= k <= 19) and returns the remainder.
    u64 dividePow10(int k)
    {
        const Reciprocal& reciprocal = kPow10Reciprocals[static_cast<std::size_t>(k)];
        u64 r = 0;
        int top = 3;
        while (top > 0 && w[static_cast<std::size_t>(top)] == 0)
            --top;
        for (int i = top; i >= 0; --i) {
            auto& limb = w[static_cast<std::size_t>(i)];
            limb = divide128by64(r, limb, reciprocal, r);
        }
        return r;
    }

    // Divides in place and returns the remainder.
    u64 divideSmall(u64 d)
    {
        u64 r = 0;
        int top = 3;
        while (top > 0 && w[static_cast<std::size_t>(top)] == 0)
            --top;
        for (int i = top; i >= 0; --i) {
            auto& limb = w[static_cast<std::size_t>(i)];
            limb = divide128by64(r, limb, d, r);
        }
        return r;
    }

    void add(const U256& other)
    {
        u64 carry = 0;
        for (std::size_t i = 0; i < 4; ++i) {
            const u128 s = static_cast<u128>(w[i]) + other.w[i] + carry;
            w[i] = lo64(s);
            carry = hi64(s);
        }
    }

    // Requires *this >= other.
    void subtract(const U256& other)
    {
        u64 borrow = 0;
        for (std::size_t i = 0; i < 4; ++i) {
            const u64 a = w[i];
            const u64 b = other.w[i];
            w[i] = a - b - borrow;
            borrow = (a < b || (a == b && borrow != 0)) ? 1 : 0;
        }
    }

    friend std::strong_ordering operator<=>(const U256& a, const U256& b)
    {
        for (int i = 3; i >= 0; --i) {
            const auto index = static_cast<std::size_t>(i);
            if (a.w[index] != b.w[index])
                return a.w[index] <=> b.w[index];
        }
        return std::strong_ordering::equal;
    }
};

U256 multiply(u128 a, u128 b)
{
    const u128 p00 = static_cast<u128>(lo64(a)) * lo64(b);
    const u128 p01 = static_cast<u128>(lo64(a)) * hi64(b);
    const u128 p10 = static_cast<u128>(hi64(a)) * lo64(b);
    const u128 p11 = static_cast<u128>(hi64(a)) * hi64(b);
    const u128 mid = static_cast<u128>(hi64(p00)) + lo64(p01) + lo64(p10);
    const u128 upper = static_cast<u128>(hi64(mid)) + hi64(p01) + hi64(p10) + lo64(p11);
    return U256{{lo64(p00), lo64(mid), lo64(upper), hi64(upper) + hi64(p11)}};
}

// Powers of ten that 256 bits hold: 10^0 .. 10^77. Constant-initialised, so
// Decimals built during static initialisation elsewhere see it filled.
constexpr std::array<U256, 78> kWidePow10 = [] {
    std::array<U256, 78> table{};
    U256 value = U256::from(1);
    for (auto& entry : table) {
        entry = value;
        value.multiplySmall(10);
    }
    return table;
}();

int digitCount(const U256& x)
{
    if (x.fits128())
        return digitCount(x.low128());
    int top = 3;
    while (x.w[static_cast<std::size_t>(top)] == 0)
        --top;
    const int bits = top * 64 + 64 - std::countl_zero(x.w[static_cast<std::size_t>(top)]);
    const int estimate = (bits * 1233) >> 12;
    return estimate + (x >= kWidePow10[static_cast<std::size_t>(estimate)] ? 1 : 0);
}

// Quotient and remainder of a 256-bit dividend by a divisor of 65..127 bits,
// when the quotient is known to fit 128 bits (Knuth's algorithm D with two
// quotient limbs).
u128 divideWide(const U256& dividend, u128 divisor, u128& remainder)
{
    const int shift = std::countl_zero(hi64(divisor));
    const u128 v = divisor << shift;
    const u64 v1 = hi64(v);
    const u64 v0 = lo64(v);

    // dividend < divisor * 2^128, so the shifted dividend still fits 256 bits.
    std::array<u64, 4> u = dividend.w;
    if (shift != 0) {
        for (std::size_t i = 3; i > 0; --i)
            u[i] = (u[i] << shift) | (u[i - 1] >> (64 - shift));
        u[0] <<= shift;
    }

    u64 n2 = u[3];
    u64 n1 = u[2];
    std::array<u64, 2> q{};
    for (int j = 1; j >= 0; --j) {
        const u64 n0 = u[static_cast<std::size_t>(j)];
        // Estimate from the top two limbs, then correct with the low divisor
        // limb. With a two-limb divisor that test is exact, so no add-back
        // step is needed.
        u64 qhat;
        u128 rhat;
        if (n2 >= v1) {  // (n2:n1) < v, so n2 == v1
            qhat = ~u64{0};
            rhat = make128(n2, n1) - static_cast<u128>(qhat) * v1;
        } else {
            u64 r = 0;
            qhat = divide128by64(n2, n1, v1, r);
            rhat = r;
        }
        while (hi64(rhat) == 0 && static_cast<u128>(qhat) * v0 > make128(lo64(rhat), n0)) {
            --qhat;
            rhat += v1;
        }
        // The partial remainder is below v, so 128-bit wrapping arithmetic
        // gives it exactly.
        const u128 rest = make128(n1, n0) - static_cast<u128>(qhat) * v;
        q[static_cast<std::size_t>(j)] = qhat;
        n2 = hi64(rest);
        n1 = lo64(rest);
    }
    remainder = make128(n2, n1) >> shift;
    return make128(q[1], q[0]);
}

// Results such as 120 x (1/12) round to 10 followed by 37 zeros, so the zeros
// go in large steps.
u128 stripTrailingZeros(u128 magnitude, long long& exponent)
{
    if (hi64(magnitude) != 0) {
        if (!divisibleBy10(magnitude))
            return magnitude;
        for (const int k : {16, 8, 4, 2, 1}) {
            while (hi64(magnitude) != 0) {
                u64 remainder = 0;
                const u128 quotient = dividePow10(magnitude, k, remainder);
                if (remainder != 0)
                    break;
                magnitude = quotient;
                exponent += k;
            }
        }
        if (hi64(magnitude) != 0)
            return magnitude;
    }
    u64 small = lo64(magnitude);  // not zero
    while (small % 10000 == 0) {
        small /= 10000;
        exponent += 4;
    }
    while (small % 10 == 0) {
        small /= 10;
        ++exponent;
    }
    return small;
}

// A result before it becomes a Decimal.
struct Parts {
    u128 magnitude = 0;
    long long exponent = 0;
    bool negative = false;
    bool overflow = false;  // saturated at the largest magnitude
};

Parts zeroParts()
{
    return {};
}

// Strips trailing zeros and applies the range limits to a coefficient of at
// most 38 digits.
Parts normalise(u128 magnitude, long long exponent, bool negative)
{
    if (magnitude == 0)
        return zeroParts();
    magnitude = stripTrailingZeros(magnitude, exponent);
    if (exponent > kDigitLimit - kPrecision && exponent + digitCount(magnitude) > kDigitLimit)
        return {kLimit - 1, kDigitLimit - kPrecision, negative, true};
    return {magnitude, exponent, negative, false};
}

// How many low digits a value of `digits` digits at `exponent` must lose.
long long digitsToDrop(int digits, long long exponent)
{
    return std::max<long long>({digits - kPrecision, kMinExponent - exponent, 0});
}

// Rounds an exact value held in 128 bits to 38 digits (halves away from zero).
Parts finish(u128 magnitude, long long exponent, bool negative)
{
    if (magnitude == 0)
        return zeroParts();
    if (magnitude < kLimit && exponent >= kMinExponent)
        return normalise(magnitude, exponent, negative);
    const int digits = digitCount(magnitude);
    const long long drop = digitsToDrop(digits, exponent);
    if (drop > 0) {
        if (drop > digits)
            return zeroParts();  // below half of the last place
        magnitude = roundedDivide(magnitude, static_cast<int>(drop));
        exponent += drop;
        if (magnitude == kLimit) {
            magnitude = kPow10[kPrecision - 1];
            ++exponent;
        }
    }
    return normalise(magnitude, exponent, negative);
}

// Rounds an exact value held in 256 bits to 38 digits (halves away from zero).
Parts finish(U256 value, long long exponent, bool negative)
{
    if (value.fits128())
        return finish(value.low128(), exponent, negative);
    const int digits = digitCount(value);
    long long drop = digitsToDrop(digits, exponent);
    if (drop > digits)
        return zeroParts();
    exponent += drop;
    // Floor-divide by 10^drop in steps; only the last step's remainder
    // decides the rounding (its top digit is the first dropped digit).
    while (drop > 19) {
        value.dividePow10(19);
        drop -= 19;
    }
    const u64 divisor = static_cast<u64>(kPow10[static_cast<std::size_t>(drop)]);
    const u64 remainder = value.dividePow10(static_cast<int>(drop));
    u128 magnitude = value.low128();
    if (remainder >= divisor / 2)
        ++magnitude;
    if (magnitude == kLimit) {
        magnitude = kPow10[kPrecision - 1];
        ++exponent;
    }
    return normalise(magnitude, exponent, negative);
}

Parts add(u128 ca, long long ea, bool na, u128 cb, long long eb, bool nb)
{
    if (ea < eb) {
        std::swap(ca, cb);
        std::swap(ea, eb);
        std::swap(na, nb);
    }
    long long shift = ea - eb;
    if (shift < kPrecision && ca < kPow10[static_cast<std::size_t>(kPrecision - shift)]) {
        // Everything is exact in 128 bits: the sum stays below 2 * 10^38.
        const u128 a = ca * kPow10[static_cast<std::size_t>(shift)];
        if (na == nb)
            return finish(a + cb, eb, na);
        return a >= cb ? finish(a - cb, eb, na) : finish(cb - a, eb, nb);
    }

    // The smaller-exponent operand may lie wholly below the rounding position;
    // then any non-zero amount there rounds the same, so it is replaced by a
    // single unit just below that position, which bounds the shift.
    const int la = digitCount(ca);
    const long long floorExponent = ea + std::min(-1, la - kPrecision - 2);
    if (digitCount(cb) + eb - 1 < floorExponent) {
        cb = 1;
        eb = floorExponent;
    }
    shift = ea - eb;  // now la + shift <= 77 digits
    U256 a = U256::from(ca);
    a.multiplyPow10(shift);
    const U256 b = U256::from(cb);
    if (na == nb) {
        a.add(b);
        return finish(a, eb, na);
    }
    if (a >= b) {
        a.subtract(b);
        return finish(a, eb, na);
    }
    U256 result = b;
    result.subtract(a);
    return finish(result, eb, nb);
}

Parts multiply(u128 ca, long long ea, u128 cb, long long eb, bool negative)
{
    if (ca == 0 || cb == 0)
        return zeroParts();
    if (hi64(ca) == 0 && hi64(cb) == 0)
        return finish(static_cast<u128>(lo64(ca)) * lo64(cb), ea + eb, negative);
    return finish(multiply(ca, cb), ea + eb, negative);
}

Parts divide(u128 ca, long long ea, u128 cb, long long eb, bool negative)
{
    if (ca == 0 || cb == 0)
        return zeroParts();
    // Scale the dividend so the integer quotient has exactly 38 digits.
    const int la = digitCount(ca);
    const int lb = digitCount(cb);
    const u128 alignedA = ca * kPow10[static_cast<std::size_t>(kPrecision - la)];
    const u128 alignedB = cb * kPow10[static_cast<std::size_t>(kPrecision - lb)];
    const int scale = lb - la + kPrecision - 1 + (alignedA < alignedB ? 1 : 0);
    U256 dividend = U256::from(ca);
    dividend.multiplyPow10(scale);

    u128 quotient = 0;
    u128 remainder = 0;
    if (hi64(cb) == 0) {
        remainder = dividend.divideSmall(lo64(cb));
        quotient = dividend.low128();
    } else {
        quotient = divideWide(dividend, cb, remainder);
    }
    const long long exponent = ea - eb - scale;
    // Round the 38-digit quotient on the remainder (an exact half goes up).
    // Below the range the quotient itself loses digits instead; the remainder,
    // less than one unit of it, cannot move that half-way decision.
    if (exponent >= kMinExponent && remainder >= cb - remainder)
        ++quotient;
    return finish(quotient, exponent, negative);
}

int compareMagnitudes(u128 ca, long long ea, u128 cb, long long eb)
{
    if (ca == 0 || cb == 0)
        return (ca != 0) - (cb != 0);
    const int la = digitCount(ca);
    const int lb = digitCount(cb);
    const long long topA = ea + la;
    const long long topB = eb + lb;
    if (topA != topB)
        return topA < topB ? -1 : 1;
    const u128 alignedA = ca * kPow10[static_cast<std::size_t>(kPrecision - la)];
    const u128 alignedB = cb * kPow10[static_cast<std::size_t>(kPrecision - lb)];
    return (alignedA > alignedB) - (alignedA < alignedB);
}

// Writes the coefficient's digits; returns the count.
int writeDigits(u128 magnitude, char* out)
{
    if (hi64(magnitude) == 0) {
        const auto result = std::to_chars(out, out + 40, lo64(magnitude));
        return static_cast<int>(result.ptr - out);
    }
    u64 low = 0;
    const u64 high = lo64(dividePow10(magnitude, 19, low));  // < 10^19
    char* end = std::to_chars(out, out + 20, high).ptr;
    char lowText[20];
    const auto lowEnd = std::to_chars(lowText, lowText + 20, low).ptr;
    const auto lowLength = lowEnd - lowText;
    std::memset(end, '0', static_cast<std::size_t>(19 - lowLength));
    std::memcpy(end + (19 - lowLength), lowText, static_cast<std::size_t>(lowLength));
    return static_cast<int>(end + 19 - out);
}

// Longest text: sign, "0.", then up to 1000 places.
constexpr std::size_t kMaxTextLength = 1 + 2 - kMinExponent + 1;

std::size_t format(u128 magnitude, int exponent, bool negative, char* out)
{
    char* p = out;
    if (magnitude == 0) {
        *p = '0';
        return 1;
    }
    if (negative)
        *p++ = '-';
    char digits[40];
    const int count = writeDigits(magnitude, digits);
    const auto ucount = static_cast<std::size_t>(count);
    if (exponent >= 0) {
        std::memcpy(p, digits, ucount);
        p += count;
        std::memset(p, '0', static_cast<std::size_t>(exponent));
        p += exponent;
    } else if (count > -exponent) {
        const auto whole = static_cast<std::size_t>(count + exponent);
        std::memcpy(p, digits, whole);
        p += whole;
        *p++ = '.';
        std::memcpy(p, digits + whole, ucount - whole);
        p += ucount - whole;
    } else {
        *p++ = '0';
        *p++ = '.';
        const auto zeros = static_cast<std::size_t>(-exponent - count);
        std::memset(p, '0', zeros);
        p += zeros;
        std::memcpy(p, digits, ucount);
        p += count;
    }
    return static_cast<std::size_t>(p - out);
}

Parts fromInteger(long long value)
{
    const bool negative = value < 0;
    const u64 magnitude = negative ? 0 - static_cast<u64>(value) : static_cast<u64>(value);
    return normalise(magnitude, 0, negative);
}

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

}  // namespace

Decimal::Decimal(int value) : Decimal(static_cast<long long>(value))
{
}

Decimal::Decimal(long long value)
{
    const Parts parts = fromInteger(value);
    m_magnitude = parts.magnitude;
    m_exponent = static_cast<int>(parts.exponent);
    m_negative = parts.negative;
}

std::optional<Decimal> Decimal::fromString(std::string_view text)
{
    std::size_t i = 0;
    const std::size_t n = text.size();
    bool negative = false;
    if (i < n && (text[i] == '+' || text[i] == '-'))
        negative = text[i++] == '-';

    u128 coefficient = 0;
    int taken = 0;          // significant digits in the coefficient
    long long dropped = 0;  // significant digits beyond the precision
    bool roundUp = false;   // the first dropped digit is 5 or more
    long long fractionDigits = 0;
    bool anyDigit = false;
    bool seenPoint = false;
    for (; i < n; ++i) {
        const char c = text[i];
        if (c == '.') {
            if (seenPoint)
                return std::nullopt;
            seenPoint = true;
            continue;
        }
        if (!isDigit(c))
            break;
        anyDigit = true;
        if (seenPoint)
            ++fractionDigits;
        const int digit = c - '0';
        if (taken == 0 && digit == 0)
            continue;  // leading zero
        if (taken < kPrecision) {
            coefficient = coefficient * 10 + static_cast<unsigned>(digit);
            ++taken;
        } else {
            if (dropped == 0)
                roundUp = digit >= 5;
            ++dropped;
        }
    }
    if (!anyDigit)
        return std::nullopt;

    long long exponent = 0;
    if (i < n && (text[i] == 'e' || text[i] == 'E')) {
        ++i;
        bool exponentNegative = false;
        if (i < n && (text[i] == '+' || text[i] == '-'))
            exponentNegative = text[i++] == '-';
        if (i == n)
            return std::nullopt;
        for (; i < n && isDigit(text[i]); ++i) {
            exponent = exponent * 10 + (text[i] - '0');
            if (exponent > INT_MAX)
                return std::nullopt;
        }
        if (exponentNegative)
            exponent = -exponent;
    }
    if (i != n)
        return std::nullopt;
    if (coefficient == 0)
        return Decimal();

    exponent += dropped - fractionDigits;
    // A leading digit below 10^-1000 is outside the range.
    if (exponent + taken - 1 < kMinExponent)
        return std::nullopt;
    // Round once, at whichever limit cuts higher: the 38 digits or the
    // 10^-1000 grid. Rounding to 38 digits first and then to the grid would
    // turn 1.4999...9e-1000 into 1.5e-1000 and then into 2e-1000.
    if (exponent < kMinExponent) {
        const long long drop = kMinExponent - exponent;  // < taken, by the test above
        coefficient = roundedDivide(coefficient, static_cast<int>(drop));
        exponent = kMinExponent;
    } else if (roundUp) {
        ++coefficient;
    }
    const Parts parts = finish(coefficient, exponent, negative);
    if (parts.overflow)
        return std::nullopt;
    return Decimal(parts.magnitude, static_cast<int>(parts.exponent), parts.negative);
}

std::optional<Decimal> Decimal::fromString(const QString& text)
{
    QVarLengthArray<char, 64> ascii;
    ascii.reserve(text.size());
    for (const QChar c : text) {
        if (c.unicode() > 0x7f)
            return std::nullopt;
        ascii.append(static_cast<char>(c.unicode()));
    }
    return fromString(std::string_view(ascii.constData(), static_cast<std::size_t>(ascii.size())));
}

std::optional<Decimal> Decimal::fromString(const char* text)
{
    if (text == nullptr)
        return std::nullopt;
    return fromString(std::string_view(text));
}

Decimal Decimal::fromDouble(double value)
{
    if (!std::isfinite(value))
        return Decimal();
    char text[32];
    const auto result = std::to_chars(text, text + sizeof text, value);
    return fromString(std::string_view(text, static_cast<std::size_t>(result.ptr - text))).value_or(Decimal());
}

Decimal Decimal::operator-() const
{
    if (m_magnitude == 0)
        return *this;
    return Decimal(m_magnitude, m_exponent, !m_negative);
}

Decimal operator+(const Decimal& a, const Decimal& b)
{
    if (a.m_magnitude == 0)
        return b;
    if (b.m_magnitude == 0)
        return a;
    const Parts p = add(a.m_magnitude, a.m_exponent, a.m_negative, b.m_magnitude, b.m_exponent, b.m_negative);
    return Decimal(p.magnitude, static_cast<int>(p.exponent), p.negative);
}

Decimal operator-(const Decimal& a, const Decimal& b)
{
    return a + (-b);
}

Decimal operator*(const Decimal& a, const Decimal& b)
{
    const Parts p = multiply(a.m_magnitude, a.m_exponent, b.m_magnitude, b.m_exponent, a.m_negative != b.m_negative);
    return Decimal(p.magnitude, static_cast<int>(p.exponent), p.negative);
}

Decimal operator/(const Decimal& a, const Decimal& b)
{
    const Parts p = divide(a.m_magnitude, a.m_exponent, b.m_magnitude, b.m_exponent, a.m_negative != b.m_negative);
    return Decimal(p.magnitude, static_cast<int>(p.exponent), p.negative);
}

bool operator==(const Decimal& a, const Decimal& b)
{
    // Normalised form: equal values have equal members.
    return a.m_magnitude == b.m_magnitude && a.m_exponent == b.m_exponent && a.m_negative == b.m_negative;
}

std::strong_ordering operator<=>(const Decimal& a, const Decimal& b)
{
    if (a.m_negative != b.m_negative)
        return a.m_negative ? std::strong_ordering::less : std::strong_ordering::greater;
    int order = compareMagnitudes(a.m_magnitude, a.m_exponent, b.m_magnitude, b.m_exponent);
    if (a.m_negative)
        order = -order;
    return order <=> 0;
}

Decimal Decimal::rounded(int places) const
{
    const long long target = -static_cast<long long>(places);
    if (m_exponent >= target)
        return *this;
    const long long drop = target - m_exponent;
    const int digits = digitCount(m_magnitude);
    if (drop > digits)
        return Decimal();  // less than half of the last place
    const Parts p = normalise(roundedDivide(m_magnitude, static_cast<int>(drop)), target, m_negative);
    return Decimal(p.magnitude, static_cast<int>(p.exponent), p.negative);
}

bool Decimal::hasFraction() const
{
    return m_exponent < 0;
}

bool Decimal::isZero() const
{
    return m_magnitude == 0;
}

bool Decimal::isNegative() const
{
    return m_negative;
}

Decimal Decimal::abs() const
{
    return Decimal(m_magnitude, m_exponent, false);
}

QString Decimal::toString() const
{
    char text[kMaxTextLength];
    const std::size_t length = format(m_magnitude, m_exponent, m_negative, text);
    return QString::fromLatin1(text, static_cast<qsizetype>(length));
}

std::string Decimal::toStdString() const
{
    char text[kMaxTextLength];
    const std::size_t length = format(m_magnitude, m_exponent, m_negative, text);
    return std::string(text, length);
}

}  // namespace tabrino
