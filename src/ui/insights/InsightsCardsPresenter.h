// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "ui/insights/InsightsPresenter.h"

#include <QList>
#include <QString>

namespace tabrino {

// The row of stat cards: the most expensive subscription, the top category
// and the average cost, in that order, each left out when its figure is
// absent. Rows: label, value, detail, accessibilityText.
class InsightsCardsPresenter : public tabrino::InsightsPresenter {
    Q_OBJECT
    QML_ELEMENT

public:
    struct Card {
        QString key;
        QString label;
        QString value;
        QString detail;
        // "Average: $12 per month, per service".
        QString accessibilityText() const;
    };

    explicit InsightsCardsPresenter(QObject* parent = nullptr);

    static QList<Card> cards(const SubscriptionStore& store, const QString& currencyCode);

protected:
    void update(const SubscriptionStore& store) override;
};

}  // namespace tabrino
