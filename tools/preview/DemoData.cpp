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

namespace tabrino {

namespace {

Decimal money(const char* text)
{
    return Decimal::fromString(std::string_view(text)).value_or(Decimal(0));
}

}  // namespace

QDateTime DemoData::now()
{
    return QDateTime(QDate(2026, 3, 10), QTime(12, 0), Qt::UTC);
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
    if (set == Set::Six)
        addSix();
    m_store->refresh();
}

DemoData::~DemoData()
{
    Clock::setSource({});
}

void DemoData::addInsightsHistory()
{
    ModelContext& context = m_container->mainContext();
    const QDateTime today = now();
    auto* games = new Subscription(QStringLiteral("Game Pass"), money("16.99"), QStringLiteral("USD"),
                                   BillingCycle::monthly(), today.addDays(18), SubscriptionCategory::Gaming);
    games->setBrandColorHex(QStringLiteral("#107C10"));
    games->setDateAdded(today.addMonths(-7));
    games->setStartDate(today.addMonths(-7));
    context.insert(games);
    auto* ended = new Subscription(QStringLiteral("Audible"), money("14.95"), QStringLiteral("USD"),
                                   BillingCycle::monthly(), today.addMonths(-2), SubscriptionCategory::Other);
    ended->setBrandColorHex(QStringLiteral("#F29A1F"));
    ended->setStartDate(today.addYears(-2));
    ended->setIsActive(false);
    ended->setArchivedDate(today.addMonths(-2));
    context.insert(ended);
    // Recorded months; the others are estimated from today's total.
    const Calendar utc(QStringLiteral("UTC"));
    for (const auto& [monthsAgo, total] : {std::pair{2, "88.4"}, {3, "88.4"}, {4, "72.9"}, {6, "64"}, {7, "64"}})
        context.insert(
            new MonthlySnapshot(MonthlySnapshot::startOfMonth(today.addMonths(-monthsAgo), utc), money(total), 5));
    context.save();
    m_store->refresh();
}

void DemoData::addArchived()
{
    ModelContext& context = m_container->mainContext();
    const QDateTime today = now();
    const auto archive = [&](const char* name, const char* price, SubscriptionCategory category, const char* colour,
                             const char* symbol, int monthsAgo) {
        auto* s = new Subscription(QString::fromUtf8(name), money(price), QStringLiteral("USD"),
                                   BillingCycle::monthly(), today.addMonths(-monthsAgo), category);
        s->setBrandColorHex(QString::fromLatin1(colour));
        if (symbol)
            s->setSymbolName(QString::fromLatin1(symbol));
        s->setDateAdded(today.addYears(-1));
        s->setStartDate(today.addYears(-1));
        s->setIsActive(false);
        s->setArchivedDate(today.addMonths(-monthsAgo));
        context.insert(s);
    };
    archive("Disney+", "13.99", SubscriptionCategory::Streaming, "#113CCF", "play.tv", 1);
    archive("Duolingo Max", "29.99", SubscriptionCategory::Other, "#58CC02", nullptr, 3);
    archive("Peloton App", "12.99", SubscriptionCategory::Fitness, "#DF1C2F", "figure.run", 5);
    context.save();
    m_store->refresh();
}

void DemoData::addUnconvertible()
{
    auto* s = new Subscription(QStringLiteral("Clarín"), money("4990"), QStringLiteral("ARS"), BillingCycle::monthly(),
                               now().addDays(20), SubscriptionCategory::News);
    s->setBrandColorHex(QStringLiteral("#E4002B"));
    s->setSymbolName(QStringLiteral("newspaper"));
    m_container->mainContext().insert(s);
    m_container->mainContext().save();
    m_store->refresh();
}

void DemoData::addSix()
{
    ModelContext& context = m_container->mainContext();
    const QDateTime today = now();
    const auto add = [&](const char* name, const char* price, const char* currency, const BillingCycle& cycle, int days,
                         SubscriptionCategory category, const char* colour, const char* symbol) {
        auto* s = new Subscription(QString::fromUtf8(name), money(price), QString::fromLatin1(currency), cycle,
                                   today.addDays(days), category);
        s->setBrandColorHex(QString::fromLatin1(colour));
        if (symbol)
            s->setSymbolName(QString::fromLatin1(symbol));
        s->setDateAdded(today.addYears(-2));
        s->setStartDate(today.addYears(-2));
        context.insert(s);
        return s;
    };
    add("Netflix", "15.49", "USD", BillingCycle::monthly(), 2, SubscriptionCategory::Streaming, "#E50914", "play.tv");
    Subscription* trial =
        add("Claude Pro", "20", "USD", BillingCycle::monthly(), 30, SubscriptionCategory::Software, "#D97757", nullptr);
    trial->setIsTrial(true);
    trial->setTrialEndDate(today.addDays(1));
    Subscription* overdue = add("Gym Membership", "39.99", "USD", BillingCycle::monthly(), -2,
                                SubscriptionCategory::Fitness, "#2E7D32", nullptr);
    Subscription* shared = add("Spotify Family", "19.99", "USD", BillingCycle::monthly(), 5,
                               SubscriptionCategory::Music, "#1DB954", "music.note");
    shared->setIsShared(true);
    shared->setSharePercentage(0.5);
    add("Le Monde", "9.99", "EUR", BillingCycle::monthly(), 12, SubscriptionCategory::News, "#1A1A1A", "newspaper");
    Subscription* yearly =
        add("iCloud+", "35.88", "USD", BillingCycle::yearly(), 80, SubscriptionCategory::Cloud, "#3693F3", "icloud");
    yearly->setCancellationUrlString(QStringLiteral("https://support.apple.com/en-us/HT207594"));
    (void)overdue;
    // Last month's snapshot, so the header shows a change.
    const QDateTime lastMonth = MonthlySnapshot::startOfMonth(today.addMonths(-1), Calendar(QStringLiteral("UTC")));
    context.insert(new MonthlySnapshot(lastMonth, money("95.5"), 5));
    context.save();
}

}  // namespace tabrino
