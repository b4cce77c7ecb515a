// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "import/AmountText.h"

#include "import/ImportLimits.h"

#include <algorithm>

namespace tabrino {

namespace {

bool isDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

// Spaces of any width and the apostrophe group digits ("1 299", "1'299").
bool isGroupingSpace(QChar c)
{
    return c == u' ' || c == u'\u00A0' || c == u'\u202F' || c == u'\u2009' || c == u'\'' || c == u'\u2019';
}

bool isMinus(QChar c)
{
    return c == u'-' || c == u'\u2212';
}

// Digits with '.' and ',' as a grouping and a decimal separator, to plain
// decimal text ("1.299,00" -> "1299.00"); empty when the groups are not
// groups of three or a separator stands where none can.
QString plainNumber(QStringView digits, DecimalMark mark)
{
    QString compact;
    for (QChar c : digits) {
        if (!isGroupingSpace(c))
            compact += c;
    }
    const qsizetype lastPoint = compact.lastIndexOf(u'.');
    const qsizetype lastComma = compact.lastIndexOf(u',');
    QChar decimal = QChar();
    if (lastPoint >= 0 && lastComma >= 0) {
        decimal = lastPoint > lastComma ? u'.' : u',';
    } else if (lastPoint >= 0 || lastComma >= 0) {
        const QChar separator = lastPoint >= 0 ? u'.' : u',';
        const qsizetype at = std::max(lastPoint, lastComma);
        const bool once = compact.count(separator) == 1;
        const qsizetype after = compact.size() - at - 1;
        // One separator before exactly three digits, after at most three:
        // only the convention tells a fraction from a thousands group.
        const bool ambiguous = once && after == 3 && at >= 1 && at <= 3;
        if (once && (!ambiguous || separator == (mark == DecimalMark::Comma ? u',' : u'.')))
            decimal = separator;
    }
    const qsizetype decimalAt = decimal.isNull() ? compact.size() : compact.lastIndexOf(decimal);
    QString plain;
    qsizetype groupDigits = -1;  // digits since the last grouping separator; -1 before the first
    for (qsizetype i = 0; i < decimalAt; ++i) {
        const QChar c = compact[i];
        if (isDigit(c)) {
            plain += c;
            if (groupDigits >= 0)
                ++groupDigits;
            continue;
        }
        if (c == decimal || i == 0 || (groupDigits >= 0 && groupDigits != 3))
            return {};
        groupDigits = 0;
    }
    if (groupDigits >= 0 && groupDigits != 3)
        return {};
    if (decimalAt < compact.size()) {
        const QStringView fraction = QStringView(compact).sliced(decimalAt + 1);
        if (fraction.isEmpty() || !std::all_of(fraction.begin(), fraction.end(), isDigit))
            return {};
        plain += u'.' + fraction.toString();
    }
    return plain;
}

}  // namespace

AmountText::Result AmountText::read(QStringView text, DecimalMark mark)
{
    Result result;
    text = text.trimmed();
    if (text.isEmpty()) {
        result.problem = Problem::Empty;
        return result;
    }
    const auto first = std::find_if(text.begin(), text.end(), isDigit);
    const auto last = std::find_if(text.rbegin(), text.rend(), isDigit);
    const qsizetype start = first - text.begin();
    const qsizetype end = text.rend() - last;  // one past the last digit
    const bool formulaStart =
        text.front() == u'=' || text.front() == u'@' || text.front() == u'+' || isMinus(text.front());
    const auto notANumber = [&] {
        result.problem = formulaStart ? Problem::Formula : Problem::NotANumber;
        return result;
    };
    if (first == text.end() || text.front() == u'=' || text.front() == u'@')
        return notANumber();

    QString prefix = text.first(start).toString();
    const QString suffix = text.sliced(end).trimmed().toString();
    // A sign before letters starts a formula ("-A1", "+B2*3"), never an amount.
    if (formulaStart && std::any_of(prefix.cbegin(), prefix.cend(), [](QChar c) { return c.isLetter(); }))
        return notANumber();
    const qsizetype minusAt = std::max(prefix.indexOf(u'-'), prefix.indexOf(u'\u2212'));
    const bool negative = minusAt >= 0;
    if (negative)
        prefix.remove(minusAt, 1);
    else if (prefix.startsWith(u'+'))
        prefix.remove(0, 1);
    prefix = prefix.trimmed();
    // A currency is written on one side only, briefly: "$", "kr", "CA$", "USD".
    const QString& currency = prefix.isEmpty() ? suffix : prefix;
    const auto namesMoney = [](QChar c) { return c.isLetter() || c.category() == QChar::Symbol_Currency; };
    const auto breaksName = [](QChar c) { return c.isSpace() || c == u'-'; };
    if ((!prefix.isEmpty() && !suffix.isEmpty()) || currency.size() > 4
        || std::any_of(currency.begin(), currency.end(), breaksName)
        || (!currency.isEmpty() && std::none_of(currency.begin(), currency.end(), namesMoney)))
        return notANumber();

    const QString plain = plainNumber(text.sliced(start, end - start), mark);
    const std::optional<Decimal> value = plain.isEmpty() ? std::nullopt : Decimal::fromString(plain);
    if (!value)
        return notANumber();
    result.value = negative ? -*value : *value;
    result.currency = currency;
    if (negative && !value->isZero())
        result.problem = Problem::Negative;
    else if (*value > Decimal(ImportLimits::kMaxPrice))
        result.problem = Problem::TooLarge;
    return result;
}

DecimalMark AmountText::markOf(const QStringList& texts, DecimalMark fallback)
{
    for (const QString& text : texts) {
        const auto last = std::find_if(text.crbegin(), text.crend(), isDigit);
        const QStringView number = QStringView(text).first(text.crend() - last);
        const qsizetype at = std::max(number.lastIndexOf(u'.'), number.lastIndexOf(u','));
        if (at < 0)
            continue;
        const qsizetype after = number.size() - at - 1;
        if (after == 1 || after == 2)
            return number[at] == u',' ? DecimalMark::Comma : DecimalMark::Point;
    }
    return fallback;
}

}  // namespace tabrino
