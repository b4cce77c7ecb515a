// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "foundation/Calendar.h"

#include <QDateTime>

#include <optional>

namespace tabrino {

// Fires once at a wall-clock minute (year, month, day, hour, minute) in the
// time zone of the calendar it was made with, so a reminder built for 09:00
// stays at 09:00 across daylight-saving changes.
class CalendarTrigger {
public:
    CalendarTrigger() = default;
    CalendarTrigger(const DateComponents& components, const Calendar& calendar);

    DateComponents dateComponents() const { return m_components; }
    const Calendar& calendar() const { return m_calendar; }

    // The instant the components name in the calendar; absent when they name
    // no valid date.
    std::optional<QDateTime> fireDate() const;

    friend bool operator==(const CalendarTrigger& a, const CalendarTrigger& b);

private:
    DateComponents m_components;
    Calendar m_calendar{QStringLiteral("UTC")};
};

}  // namespace tabrino
