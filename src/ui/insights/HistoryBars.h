// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "foundation/Decimal.h"
#include "store/MonthBar.h"

#include <QList>

namespace tabrino {

// The twelve-month bars as drawn: heights on a 78-point track scaled to the
// largest month, a 20-point stub for a month of nothing, estimated months
// faded except the current (last) one.
class HistoryBars {
public:
    static constexpr double kTrackHeight = 78;
    static constexpr double kStubHeight = 20;
    static constexpr double kEstimatedOpacity = 0.55;

    explicit HistoryBars(const QList<MonthBar>& bars);

    const QList<MonthBar>& bars() const { return m_bars; }
    // The smallest month (0 with no bars), exact.
    Decimal low() const { return m_low; }
    // The largest month, at least 1: the scale of the track.
    double top() const { return m_top; }
    bool hasEstimated() const { return m_hasEstimated; }
    bool hasRecordedDifferently() const { return m_hasRecordedDifferently; }
    // The last bar's total, 0 with no bars.
    Decimal lastTotal() const;

    bool isCurrent(qsizetype index) const;
    double height(qsizetype index) const;
    // Faded: months estimated or recorded differently, except the current one.
    double opacity(qsizetype index) const;

private:
    QList<MonthBar> m_bars;
    Decimal m_low;
    double m_top = 1;
    bool m_hasEstimated = false;
    bool m_hasRecordedDifferently = false;
};

}  // namespace tabrino
