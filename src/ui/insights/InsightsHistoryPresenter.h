// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "ui/insights/HistoryBars.h"
#include "ui/insights/InsightsPresenter.h"

#include <QString>

namespace tabrino {

// The last twelve months: the lowest month and the current one in figures,
// one bar per month (rows: barHeight, barOpacity, isCurrent,
// accessibilityText), the first and last month's names under the bars, and
// whether the note on estimated months shows.
class InsightsHistoryPresenter : public tabrino::InsightsPresenter {
    Q_OBJECT
    QML_ELEMENT
    Q_PROPERTY(QString lowText READ lowText NOTIFY textsChanged)
    Q_PROPERTY(QString lastText READ lastText NOTIFY textsChanged)
    Q_PROPERTY(QString firstMonthText READ firstMonthText NOTIFY textsChanged)
    Q_PROPERTY(QString lastMonthText READ lastMonthText NOTIFY textsChanged)
    Q_PROPERTY(bool showsFootnote READ showsFootnote NOTIFY textsChanged)

public:
    explicit InsightsHistoryPresenter(QObject* parent = nullptr);

    QString lowText() const { return m_lowText; }
    QString lastText() const { return m_lastText; }
    QString firstMonthText() const { return m_firstMonthText; }
    QString lastMonthText() const { return m_lastMonthText; }
    bool showsFootnote() const { return m_showsFootnote; }

    // "March 2026, $42, estimated".
    static QString barAccessibilityText(const MonthBar& bar, const Calendar& calendar, const QString& currencyCode);

protected:
    void update(const SubscriptionStore& store) override;
    void clear() override;

private:
    QString m_lowText;
    QString m_lastText;
    QString m_firstMonthText;
    QString m_lastMonthText;
    bool m_showsFootnote = false;
};

}  // namespace tabrino
