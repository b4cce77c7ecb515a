// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/insights/HistoryBars.h"

#include <algorithm>
#include <cmath>

namespace tabrino {

HistoryBars::HistoryBars(const QList<MonthBar>& bars) : m_bars(bars)
{
    if (bars.isEmpty())
        return;
    const auto byTotal = [](const MonthBar& a, const MonthBar& b) { return a.total < b.total; };
    const auto [lowest, highest] = std::minmax_element(bars.begin(), bars.end(), byTotal);
    m_low = lowest->total;
    // Heights are pixels, so a double is precise enough for the scale.
    m_top = std::max(highest->total.toString().toDouble(), 1.0);
    m_hasEstimated = std::any_of(bars.begin(), bars.end(), [](const MonthBar& bar) { return bar.isEstimated; });
    m_hasRecordedDifferently =
        std::any_of(bars.begin(), bars.end(), [](const MonthBar& bar) { return bar.isRecordedDifferently; });
}

Decimal HistoryBars::lastTotal() const
{
    return m_bars.isEmpty() ? Decimal(0) : m_bars.last().total;
}

bool HistoryBars::isCurrent(qsizetype index) const
{
    return m_bars.at(index).monthStart == m_bars.last().monthStart;
}

double HistoryBars::height(qsizetype index) const
{
    const double share = m_bars.at(index).total.toString().toDouble() / m_top;
    // A negative month (only a damaged snapshot holds one) stays a stub.
    return kStubHeight + (kTrackHeight - kStubHeight) * std::clamp(share, 0.0, 1.0);
}

double HistoryBars::opacity(qsizetype index) const
{
    const MonthBar& bar = m_bars.at(index);
    return (bar.isEstimated || bar.isRecordedDifferently) && !isCurrent(index) ? kEstimatedOpacity : 1.0;
}

}  // namespace tabrino
