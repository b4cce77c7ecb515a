// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "foundation/Decimal.h"

#include <QDateTime>
#include <QObject>

namespace tabrino {

// One month of the spending history; estimated when no snapshot was taken
// that month and today's total stands in. A snapshot recorded in another
// currency, or with conversion where there is none now or the other way
// round, is shown as recorded and marked.
struct MonthBar {
    Q_GADGET
    Q_PROPERTY(QDateTime monthStart MEMBER monthStart)
    Q_PROPERTY(tabrino::Decimal total MEMBER total)
    Q_PROPERTY(bool isEstimated MEMBER isEstimated)
    Q_PROPERTY(bool isRecordedDifferently MEMBER isRecordedDifferently)

public:
    QDateTime monthStart;
    Decimal total;
    bool isEstimated = false;
    bool isRecordedDifferently = false;

    QDateTime id() const { return monthStart; }
    friend bool operator==(const MonthBar&, const MonthBar&) = default;
};

}  // namespace tabrino
