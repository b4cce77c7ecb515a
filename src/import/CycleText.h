// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "foundation/Calendar.h"
#include "model/BillingCycle.h"

#include <QStringView>

#include <optional>

namespace tabrino {

// A billing period as other programs and people write it: "Monthly",
// "Every 3 Months", "every 2 weeks", "Annually", "Every 10 days",
// "bi-weekly". A period Tabrino has no cycle for becomes the custom cycle
// of about as many days, and says so.
class CycleText {
public:
    struct Reading {
        BillingCycle cycle = BillingCycle::monthly();
        bool approximate = false;  // the nearest custom cycle, not the period itself
    };

    // A period as so many calendar units ("every 2 weeks" is 14 days).
    struct Period {
        CalendarUnit unit = CalendarUnit::Month;
        qint64 count = 1;
    };

    CycleText() = delete;

    // Absent for text that names no period.
    static std::optional<Reading> read(QStringView text);
    static std::optional<Period> period(QStringView text);
    // `count` units: 3 months is quarterly, 2 weeks 14 days, 2 months the
    // nearest whole days (61). Absent for counts below 1 or beyond a century.
    static std::optional<Reading> fromUnits(CalendarUnit unit, qint64 count);
};

}  // namespace tabrino
