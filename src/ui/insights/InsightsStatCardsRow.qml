// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

pragma ComponentBehavior: Bound
import QtQuick
import Tabrino.Design
import Tabrino.Insights

// Up to three stat cards of equal width: most expensive, top category,
// average.
Row {
    id: cards

    required property SubscriptionStore store
    readonly property alias presenter: presenter

    spacing: Theme.spacingM

    InsightsCardsPresenter { id: presenter; store: cards.store }

    Repeater {
        model: presenter.rows
        delegate: StatCard {
            width: (cards.width - cards.spacing * (presenter.rows.count - 1)) / presenter.rows.count
            perMonthText: presenter.perMonthText
        }
    }
}
