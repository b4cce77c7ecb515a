// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/editing/NewSubscription.h"

#include "store/ModelContext.h"
#include "store/ReminderService.h"
#include "store/SubscriptionStore.h"

namespace tabrino {

void NewSubscription::add(SubscriptionStore& store, Subscription* record)
{
    store.context().insert(record);
    store.save();
    store.notifications().requestNotificationsIfFirst();
}

}  // namespace tabrino
