// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "DemoData.h"

#include "catalog/BundledServiceCatalog.h"
#include "catalog/ServiceCatalog.h"
#include "foundation/Clock.h"
#include "model/MonthlySnapshot.h"
#include "model/Subscription.h"
#include "store/ModelContext.h"
#include "store/PersistentContainer.h"
#include "store/SubscriptionStore.h"

#include <tuple>

namespace tabrino {

namespace {

Decimal money(const char* text)
{
    return Decimal::fromString(std::string_view(text)).value_or(Decimal(0));
}

// Noon, like now(), so a day's distance never depends on the hour.
QDateTime day(int year, int month, int dayOfMonth)
{
    return QDateTime(QDate(year, month, dayOfMonth), QTime(12, 0), Qt::UTC);
}

}  // namespace

QDateTime DemoData::now()
{
    return day(2026, 3, 10);
}

DemoData::DemoData(Set set)
    : m_settingsFile(m_dir.filePath(QStringLiteral("settings.ini")), QSettings::IniFormat)
    , m_settings(m_settingsFile)
{
    Clock::setSource([] { return now(); });
    QString error;
    m_container = PersistentContainer::open(m_dir.filePath(QStringLiteral("Tabrino.sqlite")), &error);
    if (!m_container)
        qFatal("The demo store could not be opened: %s", qPrintable(error));
    m_catalog = std::make_unique<ServiceCatalog>(std::make_shared<BundledServiceCatalog>(QStringLiteral("Services")));
    m_store = std::make_unique<SubscriptionStore>(m_container->mainContext(), m_settings, m_reminders, m_catalog.get(),
                                                  [] { return Calendar(QStringLiteral("UTC")); });
    m_store->setExchangeRates(&m_rates);
    m_settings.setDefaultCurrencyCode(QStringLiteral("USD"));
    if (set == Set::Subscriptions)
        addSubscriptions();
    m_store->refresh();
}

DemoData::~DemoData()
{
    Clock::setSource({});
}

// Six running (one overdue, a trial ending tomorrow, one shared, one in
// euros, one yearly), three ended over the past months, and the months on
// record that those endings explain.
void DemoData::addSubscriptions()
{
    ModelContext& context = m_container->mainContext();
    const auto add = [&](const char* name, const char* price, const char* currency, const BillingCycle& cycle,
                         const QDateTime& next, const QDateTime& start, SubscriptionCategory category,
                         const char* colour, const char* symbol) {
        auto* s = new Subscription(QString::fromUtf8(name), money(price), QString::fromLatin1(currency), cycle, next,
                                   category);
        s->setBrandColorHex(QString::fromLatin1(colour));
        s->setSymbolName(QString::fromLatin1(symbol));
        s->setDateAdded(start);
        s->setStartDate(start);
        context.insert(s);
        return s;
    };
    const BillingCycle monthly = BillingCycle::monthly();
    using Category = SubscriptionCategory;

    add("Gym", "22.99", "USD", monthly, day(2026, 3, 8), day(2024, 1, 8), Category::Fitness, "#2E7D32", "dumbbell");
    // Added a week ago; its first charge is when the trial ends.
    Subscription* trial = add("Claude Pro", "20", "USD", monthly, day(2026, 3, 11), day(2026, 3, 11),
                              Category::Software, "#D97757", "sparkles");
    trial->setDateAdded(day(2026, 3, 4));
    trial->setIsTrial(true);
    trial->setTrialEndDate(day(2026, 3, 11));
    add("Netflix", "15.49", "USD", monthly, day(2026, 3, 12), day(2024, 3, 12), Category::Streaming, "#E50914",
        "play.tv")
        ->setCancellationUrlString(QStringLiteral("https://www.netflix.com/cancelplan"));
    // Alone in its category, so its half cent never shows as a sum that
    // differs from the row by a cent.
    Subscription* shared = add("Game Pass", "29.99", "USD", monthly, day(2026, 3, 15), day(2025, 8, 15),
                               Category::Gaming, "#107C10", "gamecontroller");
    shared->setIsShared(true);
    shared->setSharePercentage(0.5);
    add("Le Monde", "9.99", "EUR", monthly, day(2026, 3, 22), day(2025, 1, 22), Category::News, "#1A1A1A", "newspaper");
    add("Disney+", "189.99", "USD", BillingCycle::yearly(), day(2026, 5, 29), day(2024, 5, 29), Category::Streaming,
        "#113CCF", "play.tv")
        ->setCancellationUrlString(QStringLiteral("https://www.disneyplus.com/account/subscription"));

    const auto archived = [&](const char* name, const char* price, const QDateTime& start, const QDateTime& end,
                              SubscriptionCategory category, const char* colour, const char* symbol) {
        Subscription* s = add(name, price, "USD", monthly, end, start, category, colour, symbol);
        s->setIsActive(false);
        s->setArchivedDate(end);
    };
    archived("HBO Max", "18.49", day(2025, 4, 10), day(2026, 2, 10), Category::Streaming, "#002BE7", "play.tv");
    archived("Audible", "14.95", day(2024, 3, 10), day(2026, 1, 10), Category::Other, "#F8991C", "headphones");
    archived("Peloton", "15.99", day(2024, 10, 10), day(2025, 10, 10), Category::Fitness, "#DF1C2F", "bicycle");

    // Each month's total as recorded at its end: today's five without the
    // trial (79.2975: half of Game Pass, a twelfth of Disney+), plus what
    // had not ended yet. The months before Game Pass are estimated from
    // today's total.
    const Calendar utc(QStringLiteral("UTC"));
    for (const auto& [month, total, count] : {std::tuple{2, "79.2975", 5},
                                              {1, "97.7875", 6},
                                              {12, "112.7375", 7},
                                              {11, "112.7375", 7},
                                              {10, "112.7375", 7},
                                              {9, "128.7275", 8},
                                              {8, "128.7275", 8}}) {
        const QDateTime start = day(month > 3 ? 2025 : 2026, month, 1);
        context.insert(new MonthlySnapshot(MonthlySnapshot::startOfMonth(start, utc), money(total), count));
    }
    context.save();
}

}  // namespace tabrino
