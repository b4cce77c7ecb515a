// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "format/RelativeDateText.h"

#include "foundation/Calendar.h"
#include "foundation/Clock.h"
#include "foundation/SystemLocale.h"

#include <QTimeZone>

#include <unicode/datefmt.h>
#include <unicode/locid.h>
#include <unicode/timezone.h>

#include <memory>

namespace tabrino {

namespace {

icu::UnicodeString toIcu(const QString& text)
{
    return icu::UnicodeString(reinterpret_cast<const char16_t*>(text.utf16()), static_cast<int32_t>(text.size()));
}

// `instant` written with an ICU date skeleton in the given locale and zone.
QString formatSkeleton(const QDateTime& instant, const char16_t* skeleton, const QString& localeId,
                       const QString& timeZoneId)
{
    UErrorCode status = U_ZERO_ERROR;
    const icu::Locale locale(localeId.toUtf8().constData());
    std::unique_ptr<icu::DateFormat> format(icu::DateFormat::createInstanceForSkeleton(skeleton, locale, status));
    if (U_SUCCESS(status) && format) {
        format->adoptTimeZone(icu::TimeZone::createTimeZone(toIcu(timeZoneId)));
        icu::UnicodeString text;
        format->format(static_cast<UDate>(instant.toMSecsSinceEpoch()), text);
        if (!text.isEmpty())
            return QStringView(text.getBuffer(), text.length()).toString();
    }
    // ICU ships the root patterns with its data, so this is a last resort.
    return instant.toTimeZone(QTimeZone(timeZoneId.toUtf8())).date().toString(Qt::ISODate);
}

}  // namespace

QString RelativeDateText::countdown(int days)
{
    return byDistance(days,
                      //: When a subscription's renewal comes, under its price in the list: its day has passed
                      tr("Overdue"),
                      //: When a charge comes, on its own under its price in the list or the Up Next strip: today
                      tr("Today"),
                      //: When a charge comes, on its own under its price in the list or the Up Next strip: tomorrow
                      tr("Tomorrow"),
                      //: When a charge comes, on its own under its price in the list or the Up Next strip; %Ln is
                      //: 2 or more
                      tr("In %Ln days", nullptr, days));
}

QString RelativeDateText::byDistance(int days, const QString& past, const QString& today, const QString& tomorrow,
                                     const QString& later)
{
    if (days < 0)
        return past;
    if (days == 0)
        return today;
    return days == 1 ? tomorrow : later;
}

RelativeDateText::NamedDay RelativeDateText::namedDay(const QDateTime& date, const Calendar& calendar)
{
    return namedDay(date, calendar, SystemLocale::timeLocaleId());
}

RelativeDateText::NamedDay RelativeDateText::namedDay(const QDateTime& date, const Calendar& calendar,
                                                      const QString& localeId)
{
    if (!date.isValid())
        return {NamedDay::Kind::Today, {}};
    const int days = calendar.daysBetween(Clock::now(), date);
    if (days == 0)
        return {NamedDay::Kind::Today, {}};
    if (days == 1)
        return {NamedDay::Kind::Tomorrow, {}};
    if (days > 6)
        return {NamedDay::Kind::Date, formatSkeleton(date, u"MMMd", localeId, calendar.timeZoneId())};
    return {NamedDay::Kind::Weekday, formatSkeleton(date, u"EEEE", localeId, calendar.timeZoneId())};
}

QString RelativeDateText::withSkeleton(const QDateTime& date, const char16_t* skeleton, const Calendar& calendar,
                                       const QString& localeId)
{
    return formatSkeleton(date, skeleton, localeId, calendar.timeZoneId());
}

}  // namespace tabrino
