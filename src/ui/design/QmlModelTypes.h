// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "model/Subscription.h"
#include "settings/AppSettings.h"
#include "store/SubscriptionStore.h"

#include <QtQml/qqml.h>

// The model and store types as QML knows them, so properties can be typed
// and checked; the types themselves stay free of QtQml.
namespace tabrino::qml {

struct SubscriptionForeign {
    Q_GADGET
    QML_FOREIGN(tabrino::Subscription)
    QML_NAMED_ELEMENT(Subscription)
    QML_UNCREATABLE("Subscriptions are created by the store's screens in C++.")
};

struct SubscriptionStoreForeign {
    Q_GADGET
    QML_FOREIGN(tabrino::SubscriptionStore)
    QML_NAMED_ELEMENT(SubscriptionStore)
    QML_UNCREATABLE("The program owns the one store.")
};

struct AppSettingsForeign {
    Q_GADGET
    QML_FOREIGN(tabrino::AppSettings)
    QML_NAMED_ELEMENT(AppSettings)
    QML_UNCREATABLE("The program owns the one settings object.")
};

}  // namespace tabrino::qml
