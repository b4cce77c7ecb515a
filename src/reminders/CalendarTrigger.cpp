// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "reminders/CalendarTrigger.h"

namespace tabrino {

CalendarTrigger::CalendarTrigger(const DateComponents& components, const Calendar& calendar)
    : m_components(components)
    , m_calendar(calendar)
{
}

std::optional<QDateTime> CalendarTrigger::fireDate() const
{
    return m_calendar.date(m_components);
}

bool operator==(const CalendarTrigger& a, const CalendarTrigger& b)
{
    const DateComponents& x = a.m_components;
    const DateComponents& y = b.m_components;
    return x.year == y.year && x.month == y.month && x.day == y.day && x.hour == y.hour && x.minute == y.minute
        && a.m_calendar.timeZoneId() == b.m_calendar.timeZoneId();
}

}  // namespace tabrino
