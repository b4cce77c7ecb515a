// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "import/DateText.h"

#include <QRegularExpression>

using namespace Qt::StringLiterals;

namespace tabrino {

namespace {

const QRegularExpression& isoPattern()
{
    static const QRegularExpression pattern(
        u"^(\\d{4})-(\\d{1,2})-(\\d{1,2})(?:[T ](\\d{1,2}):(\\d{2})(?::(\\d{2})(?:[.,]\\d+)?)?\\s*"
        "(Z|[+-]\\d{2}(?::?\\d{2})?)?)?$"_s,
        QRegularExpression::CaseInsensitiveOption);
    return pattern;
}

const QRegularExpression& numericPattern()
{
    static const QRegularExpression pattern(u"^(\\d{1,2})([./])(\\d{1,2})\\2(\\d{2}|\\d{4})$"_s);
    return pattern;
}

int number(const QRegularExpressionMatch& match, int group)
{
    return match.capturedView(group).toInt();
}

// Seconds east of UTC of "Z", "+01", "+0100" or "-05:30".
int offsetSeconds(QStringView zone)
{
    if (zone.compare(u"Z", Qt::CaseInsensitive) == 0)
        return 0;
    QString digits = zone.sliced(1).toString().remove(u':');
    const int hours = digits.left(2).toInt();
    const int minutes = digits.size() > 2 ? digits.mid(2).toInt() : 0;
    return (zone.front() == u'-' ? -1 : 1) * (hours * 3600 + minutes * 60);
}

}  // namespace

DateText::Result DateText::read(QStringView text, DateOrder order, const Calendar& calendar)
{
    Result result;
    text = text.trimmed();
    if (text.isEmpty()) {
        result.problem = Problem::Empty;
        return result;
    }
    int year = 0, month = 0, day = 0, hour = 0, minute = 0, second = 0;
    QStringView zone;
    bool hasTime = false;
    if (const QRegularExpressionMatch iso = isoPattern().match(text); iso.hasMatch()) {
        year = number(iso, 1);
        month = number(iso, 2);
        day = number(iso, 3);
        hasTime = iso.hasCaptured(4);
        hour = number(iso, 4);
        minute = number(iso, 5);
        second = number(iso, 6);
        zone = iso.capturedView(7);
    } else if (const QRegularExpressionMatch numeric = numericPattern().match(text); numeric.hasMatch()) {
        const bool dayFirst = numeric.capturedView(2) == u"." || order == DateOrder::DayFirst;
        day = number(numeric, dayFirst ? 1 : 3);
        month = number(numeric, dayFirst ? 3 : 1);
        year = number(numeric, 4);
        if (numeric.capturedView(4).size() == 2)
            year += 2000;
    } else {
        result.problem = Problem::NotADate;
        return result;
    }
    if (!QDate::isValid(year, month, day) || hour > 23 || minute > 59 || second > 59) {
        result.problem = Problem::NoSuchDate;
        return result;
    }
    if (year < 1900 || year > 2999) {
        result.problem = Problem::OutOfRange;
        return result;
    }
    const QDate date(year, month, day);
    if (!zone.isEmpty()) {
        result.instant = QDateTime(date, QTime(hour, minute, second), Qt::OffsetFromUTC, offsetSeconds(zone)).toUTC();
    } else if (hasTime) {
        const std::optional<QDateTime> wallClock = calendar.date({year, month, day, hour, minute});
        result.instant = wallClock ? wallClock->addSecs(second) : QDateTime();
    } else {
        // Noon is on the day in every zone; the day's start may not be midnight.
        const std::optional<QDateTime> noon = calendar.date({year, month, day, 12, 0});
        result.instant = noon ? calendar.startOfDay(*noon) : QDateTime();
    }
    if (!result.instant.isValid())
        result.problem = Problem::OutOfRange;
    return result;
}

DateOrder DateText::orderOf(const QStringList& texts, DateOrder fallback)
{
    for (const QString& text : texts) {
        const QRegularExpressionMatch numeric = numericPattern().match(text.trimmed());
        if (!numeric.hasMatch() || numeric.capturedView(2) != u"/")
            continue;
        if (number(numeric, 1) > 12)
            return DateOrder::DayFirst;
        if (number(numeric, 3) > 12)
            return DateOrder::MonthFirst;
    }
    return fallback;
}

}  // namespace tabrino
