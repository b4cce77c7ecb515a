// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/insights/InsightsHistoryPresenter.h"

#include "format/MoneyFormatter.h"

namespace tabrino {

InsightsHistoryPresenter::InsightsHistoryPresenter(QObject* parent)
    : InsightsPresenter(parent)
    , m_rows(new InsightsRows<HistoryBarRow>(this))
{
}

QString InsightsHistoryPresenter::barAccessibilityText(const MonthBar& bar, const Calendar& calendar,
                                                       const QString& currencyCode)
{
    const QString monthName = month(bar.monthStart, MonthStyle::Full, calendar);
    const QString total = MoneyFormatter::plain(bar.total, currencyCode);
    if (bar.isRecordedDifferently) {
        //: Read out for a month's bar of the spend history, whose total was recorded in another currency or
        //: unconverted; %1 is the month ("March 2025"), %2 its total
        return tr("%1, %2, recorded unconverted or in another currency").arg(monthName, total);
    }
    if (bar.isEstimated) {
        //: Read out for a month's bar of the spend history, estimated from the current subscriptions; %1 is the
        //: month ("March 2025"), %2 its total
        return tr("%1, %2, estimated").arg(monthName, total);
    }
    //: Read out for a month's bar of the spend history; %1 is the month ("March 2025"), %2 its total
    return tr("%1, %2").arg(monthName, total);
}

void InsightsHistoryPresenter::update(const SubscriptionStore& store)
{
    const QString code = currencyCode();
    const Calendar calendar = store.currentCalendar();
    const HistoryBars history(store.twelveMonthHistory(calendar));
    const QList<MonthBar>& bars = history.bars();
    m_lowText = MoneyFormatter::compact(history.low(), code);
    m_lastText = MoneyFormatter::plain(history.lastTotal(), code);
    m_firstMonthText = bars.isEmpty() ? QString() : month(bars.first().monthStart, MonthStyle::Short, calendar);
    m_lastMonthText = bars.isEmpty() ? QString() : month(bars.last().monthStart, MonthStyle::Short, calendar);
    m_showsFootnote = history.hasEstimated();
    m_showsRecordedNote = history.hasRecordedDifferently();
    QList<HistoryBarRow> rows;
    for (qsizetype i = 0; i < bars.size(); ++i) {
        const MonthBar& bar = bars.at(i);
        rows << HistoryBarRow{QString::number(bar.monthStart.toMSecsSinceEpoch()), history.height(i),
                              history.opacity(i), history.isCurrent(i), barAccessibilityText(bar, calendar, code)};
    }
    m_rows->setRows(rows);
}

void InsightsHistoryPresenter::clear()
{
    InsightsPresenter::clear();
    m_lowText.clear();
    m_lastText.clear();
    m_firstMonthText.clear();
    m_lastMonthText.clear();
    m_showsFootnote = false;
    m_showsRecordedNote = false;
}

}  // namespace tabrino
