// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "format/MoneyFormatter.h"

#include "format/FormatterCache.h"

#include <optional>
#include <string>

namespace tabrino {

using namespace Qt::StringLiterals;

namespace {

// The formatter's text for `amount`, absent when there is no formatter or
// ICU writes nothing.
std::optional<QString> format(const icu::number::LocalizedNumberFormatter* formatter, const Decimal& amount)
{
    if (formatter == nullptr)
        return std::nullopt;
    const std::string digits = amount.toStdString();
    UErrorCode status = U_ZERO_ERROR;
    const icu::number::FormattedNumber formatted = formatter->formatDecimal(digits, status);
    const icu::UnicodeString text = formatted.toString(status);
    if (U_FAILURE(status) || text.isEmpty())
        return std::nullopt;
    return QStringView(text.getBuffer(), text.length()).toString();
}

}  // namespace

FormatterCache& MoneyFormatter::cache()
{
    // Never destroyed: formatting may still happen while statics are torn down.
    static FormatterCache* const shared = new FormatterCache;
    return *shared;
}

QString MoneyFormatter::compact(const Decimal& amount, const QString& code, FormatterCache& cache)
{
    const Decimal whole = amount.rounded(0);
    return format(cache.formatter(code, 0), whole).value_or(whole.toString());
}

QString MoneyFormatter::plain(const Decimal& amount, const QString& code, FormatterCache& cache)
{
    return amount.hasFraction() ? twoDecimals(amount, code, cache) : compact(amount, code, cache);
}

QString MoneyFormatter::twoDecimals(const Decimal& amount, const QString& code, FormatterCache& cache)
{
    return format(cache.formatter(code, 2), amount).value_or(amount.toString());
}

QString MoneyFormatter::signedAmount(const Decimal& amount, const QString& code, FormatterCache& cache)
{
    const QString prefix = amount.isNegative() ? u"\u2212"_s : u"+"_s;
    return prefix + plain(amount.abs(), code, cache);
}

QString MoneyFormatter::approximately(const QString& amount)
{
    return u"\u2248 "_qs + amount;
}

}  // namespace tabrino
