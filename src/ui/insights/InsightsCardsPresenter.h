// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "model/BillingCycle.h"
#include "ui/insights/InsightsPresenter.h"

#include <QList>
#include <QString>

namespace tabrino {

// One card of InsightsCardsPresenter; its properties are the roles of its rows.
struct StatCardRow {
    Q_GADGET
    Q_PROPERTY(QString label MEMBER label)
    Q_PROPERTY(QString value MEMBER value)
    Q_PROPERTY(QString detail MEMBER detail)
    Q_PROPERTY(QString accessibilityText READ accessibilityText)

public:
    QString key;
    QString label;
    QString value;
    QString detail;
    // "Average: $12 per month, per service".
    QString accessibilityText() const;

    friend bool operator==(const StatCardRow&, const StatCardRow&) = default;
};

// The row of stat cards: the most expensive subscription, the top category
// and the average cost, in that order, each left out when its figure is
// absent.
class InsightsCardsPresenter : public tabrino::InsightsPresenter {
    Q_OBJECT
    QML_ELEMENT
    Q_PROPERTY(QString perMonthText READ perMonthText CONSTANT)

public:
    explicit InsightsCardsPresenter(QObject* parent = nullptr);

    InsightsRows<StatCardRow>* rows() const { return m_rows; }
    InsightsRowsModel* rowsModel() const override { return m_rows; }

    static QList<StatCardRow> cards(const SubscriptionStore& store, const QString& currencyCode);
    // "/mo", after each card's amount.
    static QString perMonthText() { return BillingCycle::monthly().localizedSuffix(); }

protected:
    void update(const SubscriptionStore& store) override;

private:
    InsightsRows<StatCardRow>* const m_rows;
};

}  // namespace tabrino
