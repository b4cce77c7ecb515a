// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "ui/design/SubscriptionListModel.h"

#include <QtQml/qqmlregistration.h>

namespace tabrino {

// The archived subscriptions of the settings screen, most recently archived
// first, as the store lists them. A restore or a delete removes its row and
// an archive made meanwhile inserts one, never a reset, so the other rows
// keep their delegates while the leaving one animates out.
class ArchivedListModel : public tabrino::SubscriptionListModel {
    Q_OBJECT
    QML_ELEMENT

public:
    explicit ArchivedListModel(QObject* parent = nullptr) : SubscriptionListModel(parent) {}

protected:
    QList<Subscription*> listOf(const SubscriptionStore& store) const override { return store.archived(); }
    void watch(SubscriptionStore& store) override
    {
        connect(&store, &SubscriptionStore::archivedChanged, this, &ArchivedListModel::sync);
    }
};

}  // namespace tabrino
