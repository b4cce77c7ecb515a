// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "import/ImportedSubscription.h"

#include <QList>
#include <QString>

namespace tabrino {

class Subscription;
class SubscriptionStore;

// Puts what the person accepted into their data: all of it in one save,
// one SQLite transaction, or none of it.
class ImportApplier {
public:
    struct Update {
        ImportedSubscription incoming;
        Subscription* tracked = nullptr;
    };

    ImportApplier() = delete;

    // Adds `additions` and writes each update over its tracked subscription,
    // then saves once. When that save fails the new records are dropped,
    // the updated ones get back every value they had, and the reason comes
    // back; empty on success. After a success, trials that ended and billing
    // dates that passed move on as they do at every start.
    static QString apply(const QList<ImportedSubscription>& additions, const QList<Update>& updates,
                         SubscriptionStore& store);
};

}  // namespace tabrino
