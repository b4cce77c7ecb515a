// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "foundation/Calendar.h"
#include "foundation/Clock.h"
#include "foundation/Decimal.h"
#include "model/BillingCycle.h"
#include "model/Subscription.h"
#include "settings/AppSettings.h"
#include "store/ModelContext.h"
#include "store/PersistentContainer.h"
#include "store/ReminderService.h"
#include "store/SubscriptionStore.h"
#include "support/TestDates.h"

#include <QSettings>
#include <QTemporaryDir>

#include <memory>

namespace tabrino::test {

// A real store over a fresh database file and settings over a fresh file,
// with "now" pinned to 10 June 2025 noon UTC. Shared by the label's tests
// and the tray's.
class LabelFixture {
    class NoReminders : public ReminderService {
    public:
        void reconcile(const QList<Subscription*>&, const Calendar&) override {}
        void setSnoozeHandler(SnoozeHandler) override {}
    };
    NoReminders reminders;

public:
    LabelFixture()
    {
        Clock::setSource([] { return kNow; });
        QString error;
        container = PersistentContainer::open(dir.filePath(QStringLiteral("Tabrino.sqlite")), &error);
        store = std::make_unique<SubscriptionStore>(container->mainContext(), settings, reminders, nullptr,
                                                    [] { return Calendar(QStringLiteral("UTC")); });
        store->refresh();
        settings.setDefaultCurrencyCode(QStringLiteral("USD"));
        settings.setTrayDisplayMode(TrayDisplayMode::IconAndTotal);
        settings.setShowsRenewalIndicator(true);
    }
    ~LabelFixture() { Clock::setSource({}); }

    // A monthly subscription whose next charge lies `daysAhead` days from now.
    Subscription* add(const char* price, int daysAhead)
    {
        auto* subscription = new Subscription(QStringLiteral("Service"), *Decimal::fromString(std::string_view(price)),
                                              QStringLiteral("USD"), BillingCycle::monthly(), kNow.addDays(daysAhead),
                                              SubscriptionCategory::Streaming);
        container->mainContext().insert(subscription);
        store->save();
        return subscription;
    }

    static inline const QDateTime kNow = utc(2025, 6, 10, 12);

    QTemporaryDir dir;
    QSettings defaults{dir.filePath(QStringLiteral("settings.ini")), QSettings::IniFormat};
    AppSettings settings{defaults};
    std::unique_ptr<PersistentContainer> container;
    std::unique_ptr<SubscriptionStore> store;
};

}  // namespace tabrino::test
