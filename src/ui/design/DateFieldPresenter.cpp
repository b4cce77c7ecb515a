// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/design/DateFieldPresenter.h"

#include "foundation/Clock.h"

#include <QVariantMap>

namespace tabrino {

DateFieldPresenter::DateFieldPresenter(QObject* parent) : DateFieldPresenter(Calendar::current(), QLocale(), parent)
{
}

DateFieldPresenter::DateFieldPresenter(const Calendar& calendar, const QLocale& locale, QObject* parent)
    : QObject(parent)
    , m_calendar(calendar)
    , m_locale(locale)
    , m_date(Clock::now())
{
    m_cursor = localDate();
}

void DateFieldPresenter::setDate(const QDateTime& date)
{
    if (!date.isValid() || date == m_date)
        return;
    m_date = date.toUTC();
    Q_EMIT dateChanged();
    resetCursor();
    // The picked mark moves even when the cursor was already on the day.
    Q_EMIT cursorChanged();
}

QDate DateFieldPresenter::localDate() const
{
    const DateComponents parts = m_calendar.components(m_date);
    return QDate(parts.year, parts.month, parts.day);
}

QString DateFieldPresenter::displayFormat(const QLocale& locale)
{
    QString format = locale.dateFormat(QLocale::ShortFormat);
    // A two-digit year reads back in the wrong century; show all four.
    if (!format.contains(u"yyyy"))
        format.replace(u"yy"_qs, u"yyyy"_qs);
    return format;
}

QString DateFieldPresenter::text() const
{
    return m_locale.toString(localDate(), displayFormat(m_locale));
}

QString DateFieldPresenter::spokenText() const
{
    return m_locale.toString(localDate(), QLocale::LongFormat);
}

QString DateFieldPresenter::cursorSpokenText() const
{
    return m_locale.toString(m_cursor, QLocale::LongFormat);
}

QString DateFieldPresenter::monthTitle() const
{
    return m_locale.toString(m_cursor, u"MMMM yyyy"_qs);
}

QDate DateFieldPresenter::firstCell() const
{
    const QDate first(m_cursor.year(), m_cursor.month(), 1);
    // Back to the locale's first weekday (Qt counts Monday 1 ... Sunday 7).
    const int back = (first.dayOfWeek() - int(m_locale.firstDayOfWeek()) + 7) % 7;
    return first.addDays(-back);
}

QVariantList DateFieldPresenter::days() const
{
    const QDate picked = localDate();
    const DateComponents now = m_calendar.components(Clock::now());
    const QDate today(now.year, now.month, now.day);
    QVariantList cells;
    QDate day = firstCell();
    for (int i = 0; i < 42; ++i, day = day.addDays(1))
        cells.append(QVariantMap{{u"day"_qs, day.day()},
                                 {u"inMonth"_qs, day.month() == m_cursor.month()},
                                 {u"isToday"_qs, day == today},
                                 {u"isPicked"_qs, day == picked},
                                 {u"isCursor"_qs, day == m_cursor}});
    return cells;
}

void DateFieldPresenter::pickCell(int index)
{
    if (index >= 0 && index < 42)
        setDay(firstCell().addDays(index));
}

void DateFieldPresenter::resetCursor()
{
    moveCursorTo(localDate());
}

void DateFieldPresenter::moveCursorDays(int days)
{
    moveCursorTo(m_cursor.addDays(days));
}

void DateFieldPresenter::moveCursorMonths(int months)
{
    // QDate::addMonths keeps the day inside the shorter month (31 Jan → 28 Feb).
    moveCursorTo(m_cursor.addMonths(months));
}

void DateFieldPresenter::moveCursorTo(const QDate& day)
{
    if (!day.isValid() || day == m_cursor)
        return;
    m_cursor = day;
    Q_EMIT cursorChanged();
}

void DateFieldPresenter::pickCursor()
{
    setDay(m_cursor);
}

void DateFieldPresenter::setDay(const QDate& day)
{
    if (!day.isValid())
        return;
    DateComponents parts = m_calendar.components(m_date);
    parts.year = day.year();
    parts.month = day.month();
    parts.day = day.day();
    if (const std::optional<QDateTime> moved = m_calendar.date(parts))
        setDate(*moved);
}

std::optional<QDate> DateFieldPresenter::readDate(const QString& text) const
{
    const QString trimmed = text.trimmed();
    const QString shortFormat = m_locale.dateFormat(QLocale::ShortFormat);
    for (const QString& format : {displayFormat(m_locale), shortFormat, u"yyyy-MM-dd"_qs}) {
        QDate date = m_locale.toDate(trimmed, format);
        if (!date.isValid())
            continue;
        if (!format.contains(u"yyyy") && format.contains(u"yy")) {
            // Two digits name the year nearest to today, as people mean them.
            const int thisYear = m_calendar.components(Clock::now()).year;
            while (date.year() < thisYear - 50)
                date = date.addYears(100);
            while (date.year() >= thisYear + 50)
                date = date.addYears(-100);
        }
        return date;
    }
    return std::nullopt;
}

bool DateFieldPresenter::parse(const QString& text)
{
    const std::optional<QDate> day = readDate(text);
    if (!day)
        return false;
    setDay(*day);
    return true;
}

}  // namespace tabrino
