// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "ui/design/SubscriptionListModel.h"

#include <QtQml/qqmlregistration.h>

namespace tabrino {

// The subscription list: the store's `upcoming` order (earliest effective
// date first, ties in the store's order), keyed by record.
class UpcomingListModel : public tabrino::SubscriptionListModel {
    Q_OBJECT
    QML_ELEMENT

public:
    explicit UpcomingListModel(QObject* parent = nullptr) : SubscriptionListModel(parent) {}

protected:
    QList<Subscription*> listOf(const SubscriptionStore& store) const override { return store.upcoming(); }
    void watch(SubscriptionStore& store) override
    {
        connect(&store, &SubscriptionStore::figuresChanged, this, &UpcomingListModel::sync);
    }
};

}  // namespace tabrino
