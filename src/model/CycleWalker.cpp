// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "model/CycleWalker.h"

#include <QDate>

#include <algorithm>
#include <cstdlib>

namespace tabrino {

namespace {

constexpr qint64 kDayMs = 86400000;
constexpr qint64 kHourMs = 3600000;

// Floor division, also for negative numerators.
qint64 floorDiv(qint64 a, qint64 b)
{
    return a / b - ((a % b != 0) && ((a < 0) != (b < 0)) ? 1 : 0);
}

qint64 ceilDiv(qint64 a, qint64 b)
{
    return -floorDiv(-a, b);
}

// Wall-clock time as milliseconds on a uniform scale ("local epoch").
qint64 wallMs(const QDateTime& instant, const Calendar& calendar)
{
    return instant.toMSecsSinceEpoch() + calendar.utcOffsetMs(instant);
}

QDateTime wallDateTime(qint64 wall)
{
    return QDateTime::fromMSecsSinceEpoch(wall, Qt::UTC);
}

qint64 monthIndex(const QDate& date)
{
    return qint64(date.year()) * 12 + date.month() - 1;
}

}  // namespace

CycleWalker::CycleWalker(const BillingCycle& cycle, const Calendar& calendar)
    : m_step(cycle.calendarStep())
    , m_calendar(calendar)
{
}

QDateTime CycleWalker::step(const QDateTime& date) const
{
    return m_calendar.adding(m_step.unit, m_step.count, date).value_or(date);
}

// A jump of k steps equals k single steps as long as no date in between
// needs the calendar to resolve a wall-clock time that a change of the UTC
// offset skips or repeats (a skipped one moves the time of day of every later
// step; repeated ones are kept out of jumps for safety), and, for month steps,
// as long as the day of the month cannot be cut short by a shorter month.
qint64 CycleWalker::safeJump(const QDateTime& cursor, const QDateTime& bound, qint64 maxSteps) const
{
    const qint64 wall0 = wallMs(cursor, m_calendar);
    const QDateTime wallStart = wallDateTime(wall0);
    const bool byDays = m_step.unit == CalendarUnit::Day;
    const qint64 months = m_step.unit == CalendarUnit::Year ? 12 * m_step.count : m_step.count;
    const qint64 stepMs = m_step.count * kDayMs;
    if (!byDays && wallStart.date().day() > 28)
        return 0;

    // Dates up to step k stay clear of the bound by more than any offset change.
    qint64 steps = 0;
    if (byDays) {
        steps = floorDiv(bound.toMSecsSinceEpoch() - cursor.toMSecsSinceEpoch() - 2 * kDayMs, stepMs);
    } else {
        const qint64 monthsToBound =
            monthIndex(wallDateTime(wallMs(bound, m_calendar)).date()) - monthIndex(wallStart.date());
        steps = floorDiv(monthsToBound - 2, months);
    }
    steps = std::min(steps, maxSteps);
    if (steps < 2)
        return 0;

    // The wall-clock time of step k.
    const auto wallOfStep = [&](qint64 k) -> qint64 {
        if (byDays)
            return wall0 + k * stepMs;
        return wallStart.addMonths(static_cast<int>(k * months)).toMSecsSinceEpoch();
    };

    const QDateTime horizon =
        QDateTime::fromMSecsSinceEpoch(wallOfStep(steps) - wall0 + cursor.toMSecsSinceEpoch() + 2 * kDayMs, Qt::UTC);
    for (const Calendar::OffsetChange& change : m_calendar.offsetChanges(cursor, horizon)) {
        // Wall times around the change, widened by the change itself and an hour.
        const qint64 shift = std::abs(change.offsetAfterMs - change.offsetBeforeMs);
        const qint64 at = change.at.toMSecsSinceEpoch();
        const qint64 low = at + std::min(change.offsetBeforeMs, change.offsetAfterMs) - shift - kHourMs;
        const qint64 high = at + std::max(change.offsetBeforeMs, change.offsetAfterMs) + shift + kHourMs;
        qint64 first = -1;
        if (byDays) {
            const qint64 from = std::max<qint64>(ceilDiv(low - wall0, stepMs), 1);
            if (from <= floorDiv(high - wall0, stepMs))
                first = from;
        } else {
            // Month steps keep the day and the time of day; look at each day the window touches.
            for (QDate day = wallDateTime(low).date(); day <= wallDateTime(high).date(); day = day.addDays(1)) {
                const qint64 offset = monthIndex(day) - monthIndex(wallStart.date());
                if (day.day() != wallStart.date().day() || offset <= 0 || offset % months != 0)
                    continue;
                const qint64 wall = wallOfStep(offset / months);
                if (low <= wall && wall <= high) {
                    first = offset / months;
                    break;
                }
            }
        }
        if (first >= 1) {
            steps = std::min(steps, first - 1);
            break;
        }
    }
    return steps >= 2 ? steps : 0;
}

CycleWalker::Walk CycleWalker::walk(const QDateTime& start, const QDateTime& bound, bool inclusive, qint64 limit) const
{
    const auto accepts = [&](const QDateTime& next) { return inclusive ? next <= bound : next < bound; };
    Walk result;
    result.cursor = start;
    while (result.steps < limit) {
        if (const qint64 jump = safeJump(result.cursor, bound, limit - result.steps)) {
            const std::optional<QDateTime> landed = m_calendar.adding(m_step.unit, jump * m_step.count, result.cursor);
            if (landed && *landed > result.cursor && accepts(*landed)) {
                result.cursor = *landed;
                result.steps += jump;
                continue;
            }
        }
        const QDateTime next = step(result.cursor);
        if (next <= result.cursor) {
            result.stop = Stop::NoProgress;
            return result;
        }
        if (!accepts(next)) {
            result.next = next;
            result.stop = Stop::Bound;
            return result;
        }
        result.cursor = next;
        ++result.steps;
    }
    result.stop = Stop::Limit;
    return result;
}

}  // namespace tabrino
