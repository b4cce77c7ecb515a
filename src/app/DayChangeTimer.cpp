// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/DayChangeTimer.h"

#include "foundation/Clock.h"

#include <algorithm>

namespace tabrino {

DayChangeTimer::DayChangeTimer(std::function<Calendar()> calendarSource, QObject* parent)
    : QObject(parent)
    , m_calendarSource(std::move(calendarSource))
{
    m_timer.setSingleShot(true);
    m_timer.setTimerType(Qt::PreciseTimer);
    connect(&m_timer, &QTimer::timeout, this, &DayChangeTimer::fire);
    rearm();
}

void DayChangeTimer::rearm()
{
    const Calendar calendar = m_calendarSource();
    const QDateTime now = Clock::now();
    m_nextMidnight = calendar.adding(CalendarUnit::Day, 1, calendar.startOfDay(now)).value_or(now.addSecs(24 * 3600));
    // A day is at most 25 hours, well within a timer's range; a few
    // milliseconds late is better than a few early.
    m_timer.start(static_cast<int>(std::clamp<qint64>(now.msecsTo(m_nextMidnight) + 50, 0, 26LL * 3600 * 1000)));
}

void DayChangeTimer::fire()
{
    // A timer can fire early against the wall clock; only a new day counts.
    const bool dayChanged = Clock::now() >= m_nextMidnight;
    rearm();
    if (dayChanged)
        Q_EMIT this->dayChanged();
}

}  // namespace tabrino
