// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// A store of subscriptions (200 unless told) that have been billed for ten
// years, with a snapshot for each of the last 120 months, for the benchmarks
// of the figures and of the screens that show them, and for seeding the real
// program's data folder.
#include "foundation/Clock.h"
#include "settings/AppSettings.h"
#include "store/ModelContext.h"
#include "store/PersistentContainer.h"
#include "store/ReminderService.h"
#include "store/SubscriptionStore.h"

#include <QSettings>
#include <QTemporaryDir>

#include <memory>

namespace tabrino::bench {

class NoReminders : public ReminderService {
public:
    void reconcile(const QList<Subscription*>&, const Calendar&) override {}
    void setSnoozeHandler(SnoozeHandler) override {}
};

// Inserts `count` subscriptions first added ten years before `now`, next
// billed within `now`'s month, over six billing cycles, a third of them shared
// and every twentieth archived, and a snapshot for each of the 120 months up
// to `now`'s; the records' own creation times are their start dates. Leaves
// the clock pinned at `now`.
inline void addTenYears(ModelContext& context, const Calendar& calendar, const QDateTime& now, int count)
{
    const DateComponents today = calendar.components(now);
    const int year = today.year;
    const int month = today.month;
    const BillingCycle cycles[] = {BillingCycle::monthly(),   BillingCycle::yearly(),  BillingCycle::weekly(),
                                   BillingCycle::quarterly(), BillingCycle::custom(1), BillingCycle::custom(14)};
    for (int i = 0; i < count; ++i) {
        const QDateTime added = calendar.date({year - 10, 1 + i % 12, 1 + i % 28, 9, 0}).value();
        Clock::setSource([added] { return added; });
        auto* s = new Subscription(QStringLiteral("Service %1").arg(i), *Decimal::fromString("9.99") + Decimal(i),
                                   QStringLiteral("USD"), cycles[i % 6],
                                   calendar.date({year, month, 1 + i % 28, 9, 0}).value(),
                                   SubscriptionCategory::values()[i % 10]);
        if (i % 3 == 0) {
            s->setIsShared(true);
            s->setSharePercentage(0.5);
        }
        if (i % 20 == 0) {
            s->setIsActive(false);
            s->setArchivedDate(calendar.date({year - 2, 6, 1, 9, 0}).value());
        }
        context.insert(s);
    }
    Clock::setSource([now] { return now; });
    const QDateTime thisMonth = calendar.date({year, month, 1, 0, 0}).value();
    for (int back = 0; back < 120; ++back) {
        const QDateTime start = calendar.adding(CalendarUnit::Month, -back, thisMonth).value();
        context.insert(new MonthlySnapshot(start, Decimal(1000 + back), 180));
    }
}

struct TenYearStore {
    explicit TenYearStore(int count = 200)
    {
        const Calendar calendar(QStringLiteral("Europe/Berlin"));
        const QDateTime now = calendar.date({2026, 12, 6, 12, 0}).value();
        container = PersistentContainer::open(dir.path() + QStringLiteral("/bench.sqlite"), nullptr);
        store = std::make_unique<SubscriptionStore>(container->mainContext(), settings, reminders, nullptr,
                                                    [calendar] { return calendar; });
        addTenYears(container->mainContext(), calendar, now, count);
        container->mainContext().save();
        store->refresh();
    }

    QTemporaryDir dir;
    QSettings qsettings{dir.path() + QStringLiteral("/settings.ini"), QSettings::IniFormat};
    AppSettings settings{qsettings};
    NoReminders reminders;
    std::unique_ptr<PersistentContainer> container;
    std::unique_ptr<SubscriptionStore> store;
};

}  // namespace tabrino::bench
