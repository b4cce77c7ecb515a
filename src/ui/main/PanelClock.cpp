// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/main/PanelClock.h"

#include "foundation/Clock.h"

#include <algorithm>

namespace tabrino {

PanelClock::PanelClock(QObject* parent) : QObject(parent), m_now(Clock::now())
{
    m_midnight.setSingleShot(true);
    m_midnight.setTimerType(Qt::VeryCoarseTimer);
    connect(&m_midnight, &QTimer::timeout, this, &PanelClock::refresh);
    armMidnight();
}

void PanelClock::refresh()
{
    const QDateTime now = Clock::now();
    armMidnight();
    if (now == m_now)
        return;
    m_now = now;
    Q_EMIT nowChanged();
}

void PanelClock::armMidnight()
{
    const Calendar calendar = Calendar::current();
    const QDateTime now = Clock::now();
    const std::optional<QDateTime> next = calendar.adding(CalendarUnit::Day, 1, calendar.startOfDay(now));
    if (!next)
        return;
    // A second late, so the new day has surely begun.
    m_midnight.start(static_cast<int>(std::clamp<qint64>(now.msecsTo(*next) + 1000, 1000, 24 * 3600 * 1000)));
}

}  // namespace tabrino
