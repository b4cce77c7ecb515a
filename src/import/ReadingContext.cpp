// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "import/ReadingContext.h"

#include "foundation/Clock.h"
#include "foundation/SystemLocale.h"

#include <unicode/dcfmtsym.h>
#include <unicode/dtptngen.h>
#include <unicode/locid.h>

#include <memory>

namespace tabrino {

namespace {

DecimalMark decimalMarkOf(const QString& localeId)
{
    UErrorCode status = U_ZERO_ERROR;
    const icu::DecimalFormatSymbols symbols(icu::Locale(localeId.toUtf8().constData()), status);
    if (U_FAILURE(status))
        return DecimalMark::Point;
    const icu::UnicodeString& separator = symbols.getConstSymbol(icu::DecimalFormatSymbols::kMonetarySeparatorSymbol);
    return separator == icu::UnicodeString(u',') ? DecimalMark::Comma : DecimalMark::Point;
}

DateOrder dateOrderOf(const QString& localeId)
{
    UErrorCode status = U_ZERO_ERROR;
    const std::unique_ptr<icu::DateTimePatternGenerator> generator(
        icu::DateTimePatternGenerator::createInstance(icu::Locale(localeId.toUtf8().constData()), status));
    if (U_FAILURE(status))
        return DateOrder::MonthFirst;
    const icu::UnicodeString pattern = generator->getBestPattern(icu::UnicodeString(u"yMd"), status);
    if (U_FAILURE(status))
        return DateOrder::MonthFirst;
    const int32_t day = pattern.indexOf(u'd');
    const int32_t month = pattern.indexOf(u'M');
    return day >= 0 && month >= 0 && day < month ? DateOrder::DayFirst : DateOrder::MonthFirst;
}

}  // namespace

ReadingContext ReadingContext::forUser(const Calendar& calendar, const QString& currencyCode)
{
    ReadingContext context(calendar);
    context.now = Clock::now();
    context.userCurrency = currencyCode;
    context.decimalMark = decimalMarkOf(SystemLocale::monetaryLocaleId());
    context.dateOrder = dateOrderOf(SystemLocale::timeLocaleId());
    return context;
}

}  // namespace tabrino
