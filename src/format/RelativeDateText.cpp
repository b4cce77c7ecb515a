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

using namespace Qt::StringLiterals;

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
    if (days < 0)
        return u"Overdue"_s;
    if (days == 0)
        return u"Today"_s;
    if (days == 1)
        return u"Tomorrow"_s;
    return u"In "_s + QString::number(days) + u" days"_s;
}

QString RelativeDateText::weekdayOrDate(const QDateTime& date, const Calendar& calendar)
{
    return weekdayOrDate(date, calendar, SystemLocale::timeLocaleId());
}

QString RelativeDateText::weekdayOrDate(const QDateTime& date, const Calendar& calendar, const QString& localeId)
{
    if (!date.isValid())
        return u"today"_s;
    const int days = calendar.daysBetween(Clock::now(), date);
    if (days == 0)
        return u"today"_s;
    if (days == 1)
        return u"tomorrow"_s;
    if (days > 6)
        return formatSkeleton(date, u"MMMd", localeId, calendar.timeZoneId());
    return formatSkeleton(date, u"EEEE", localeId, calendar.timeZoneId());
}

QString RelativeDateText::withSkeleton(const QDateTime& date, const char16_t* skeleton, const Calendar& calendar,
                                       const QString& localeId)
{
    return formatSkeleton(date, skeleton, localeId, calendar.timeZoneId());
}

}  // namespace tabrino
