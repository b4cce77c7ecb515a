// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "foundation/Calendar.h"

#include <QObject>
#include <QTimer>

#include <functional>

namespace tabrino {

// Signals each local midnight with one timer armed to the next one (no
// polling), so that work keyed to the date runs while the program stays up
// for days.
class DayChangeTimer : public QObject {
    Q_OBJECT

public:
    explicit DayChangeTimer(std::function<Calendar()> calendarSource, QObject* parent = nullptr);

    // Arms the timer afresh, after the clock or the time zone changed or the
    // machine woke from sleep.
    void rearm();
    // When the timer fires next (for tests and diagnostics).
    QDateTime nextMidnight() const { return m_nextMidnight; }

Q_SIGNALS:
    void dayChanged();

private:
    void fire();

    std::function<Calendar()> m_calendarSource;
    QTimer m_timer;
    QDateTime m_nextMidnight;
};

}  // namespace tabrino
