#pragma once

// A store of subscriptions (200 unless told) that have been billed for ten
// years, with a snapshot for each of the last 120 months, for the benchmarks
// of the figures and of the screens that show them.
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

struct TenYearStore {
    explicit TenYearStore(int count = 200)
    {
        const Calendar calendar(QStringLiteral("Europe/Berlin"));
        const QDateTime now = calendar.date({2026, 12, 6, 12, 0}).value();
        Clock::setSource([now] { return now; });
        container = PersistentContainer::open(dir.path() + QStringLiteral("/bench.sqlite"), nullptr);
        store = std::make_unique<SubscriptionStore>(container->mainContext(), settings, reminders, nullptr,
                                                    [calendar] { return calendar; });
        const BillingCycle cycles[] = {BillingCycle::monthly(), BillingCycle::yearly(), BillingCycle::weekly(),
                                       BillingCycle::quarterly(), BillingCycle::custom(1), BillingCycle::custom(14)};
        for (int i = 0; i < count; ++i) {
            const QDateTime added = calendar.date({2016, 1 + i % 12, 1 + i % 28, 9, 0}).value();
            Clock::setSource([added] { return added; });
            auto* s = new Subscription(QStringLiteral("Service %1").arg(i), *Decimal::fromString("9.99") + Decimal(i),
                                       QStringLiteral("USD"), cycles[i % 6],
                                       calendar.date({2026, 12, 1 + i % 28, 9, 0}).value(),
                                       SubscriptionCategory::allCases()[i % 10]);
            if (i % 3 == 0) {
                s->setIsShared(true);
                s->setSharePercentage(0.5);
            }
            if (i % 20 == 0) {
                s->setIsActive(false);
                s->setArchivedDate(calendar.date({2024, 6, 1, 9, 0}).value());
            }
            container->mainContext().insert(s);
        }
        for (int month = 0; month < 120; ++month) {
            const QDateTime start = calendar.adding(CalendarUnit::Month, -month, calendar.date({2026, 12, 1, 0, 0}).value()).value();
            container->mainContext().insert(new MonthlySnapshot(start, Decimal(1000 + month), 180));
        }
        Clock::setSource([now] { return now; });
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
