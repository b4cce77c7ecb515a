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
