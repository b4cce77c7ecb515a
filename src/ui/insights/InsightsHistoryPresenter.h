// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "ui/insights/HistoryBars.h"
#include "ui/insights/InsightsPresenter.h"

#include <QString>

namespace tabrino {

// One month's bar of InsightsHistoryPresenter; its properties are the roles
// of its rows.
struct HistoryBarRow {
    Q_GADGET
    Q_PROPERTY(double barHeight MEMBER barHeight)
    Q_PROPERTY(double barOpacity MEMBER barOpacity)
    Q_PROPERTY(bool isCurrent MEMBER isCurrent)
    Q_PROPERTY(QString accessibilityText MEMBER accessibilityText)

public:
    QString key;
    double barHeight = 0;
    double barOpacity = 1;
    bool isCurrent = false;
    QString accessibilityText;

    friend bool operator==(const HistoryBarRow&, const HistoryBarRow&) = default;
};

// The last twelve months: the lowest month and the current one in figures,
// one bar per month, the first and last month's names under the bars, and
// whether the note on estimated months shows.
class InsightsHistoryPresenter : public tabrino::InsightsPresenter {
    Q_OBJECT
    QML_ELEMENT
    Q_PROPERTY(QString lowText READ lowText NOTIFY textsChanged)
    Q_PROPERTY(QString lastText READ lastText NOTIFY textsChanged)
    Q_PROPERTY(QString firstMonthText READ firstMonthText NOTIFY textsChanged)
    Q_PROPERTY(QString lastMonthText READ lastMonthText NOTIFY textsChanged)
    Q_PROPERTY(bool showsFootnote READ showsFootnote NOTIFY textsChanged)
    Q_PROPERTY(bool showsRecordedNote READ showsRecordedNote NOTIFY textsChanged)

public:
    explicit InsightsHistoryPresenter(QObject* parent = nullptr);

    InsightsRows<HistoryBarRow>* rows() const { return m_rows; }
    InsightsRowsModel* rowsModel() const override { return m_rows; }

    QString lowText() const { return m_lowText; }
    QString lastText() const { return m_lastText; }
    QString firstMonthText() const { return m_firstMonthText; }
    QString lastMonthText() const { return m_lastMonthText; }
    bool showsFootnote() const { return m_showsFootnote; }
    // Some month was recorded unconverted or in another currency than the
    // figures now use.
    bool showsRecordedNote() const { return m_showsRecordedNote; }

    // "March 2026, $42, estimated"; a month recorded differently ends
    // ", recorded unconverted or in another currency".
    static QString barAccessibilityText(const MonthBar& bar, const Calendar& calendar, const QString& currencyCode);

protected:
    void update(const SubscriptionStore& store) override;
    void clear() override;

private:
    InsightsRows<HistoryBarRow>* const m_rows;
    QString m_lowText;
    QString m_lastText;
    QString m_firstMonthText;
    QString m_lastMonthText;
    bool m_showsFootnote = false;
    bool m_showsRecordedNote = false;
};

}  // namespace tabrino
