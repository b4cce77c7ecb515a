// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
#include "store/SqliteDatabase.h"

#include "foundation/Clock.h"
#include "settings/AppSettings.h"
#include "store/ModelContext.h"
#include "store/PersistentContainer.h"
#include "store/ReminderService.h"
#include "store/SubscriptionStore.h"
#include "support/TestDates.h"
#include "support/TestMoney.h"

#include <QCoreApplication>
#include <QSettings>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace tabrino::test {

// Records what the store asks of the reminder planner.
class RecordingReminders : public ReminderService {
public:
    void reconcile(const QList<Subscription*>& subscriptions, const Calendar&) override { reconciled << subscriptions; }
    void setSnoozeHandler(SnoozeHandler handler) override { snooze = std::move(handler); }

    QList<QList<Subscription*>> reconciled;
    SnoozeHandler snooze;
};

// A store over a real database file in a temporary folder, in Berlin, at a
// moment the test sets.
class StoreFixture : public ::testing::Test {
protected:
    StoreFixture() { setNow(local(calendar, 2025, 3, 10, 12)); }
    ~StoreFixture() override { Clock::setSource({}); }

    void setNow(const QDateTime& now)
    {
        m_now = now;
        Clock::setSource([this] { return m_now; });
    }

    void setNowFunction(Clock::Source source) { Clock::setSource(std::move(source)); }

    // Opens (or reopens) the file and builds a fresh store over it.
    void launch()
    {
        store.reset();
        container.reset();
        QString error;
        container = PersistentContainer::open(dir.path() + u"/Tabrino.sqlite"_qs, &error);
        ASSERT_TRUE(container) << error.toStdString();
        store = std::make_unique<SubscriptionStore>(container->mainContext(), settings, reminders, nullptr,
                                                    [this] { return calendar; });
    }

    Subscription* add(const QString& name, const char* price, const BillingCycle& cycle, const QDateTime& next,
                      SubscriptionCategory category = SubscriptionCategory::Streaming)
    {
        auto* s =
            new Subscription(name, *Decimal::fromString(std::string_view(price)), u"USD"_qs, cycle, next, category);
        store->context().insert(s);
        return s;
    }

    void drainQueuedCalls() { QCoreApplication::processEvents(); }

    Calendar calendar{u"Europe/Berlin"_qs, 2};
    QTemporaryDir dir;
    QSettings qsettings{dir.path() + u"/settings.ini"_qs, QSettings::IniFormat};
    AppSettings settings{qsettings};
    RecordingReminders reminders;
    std::unique_ptr<PersistentContainer> container;
    std::unique_ptr<SubscriptionStore> store;

private:
    QDateTime m_now;
};

}  // namespace tabrino::test
