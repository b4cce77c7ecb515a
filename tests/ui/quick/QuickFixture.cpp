// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "QuickFixture.h"

#include "foundation/Clock.h"
#include "model/MonthlySnapshot.h"
#include "model/Subscription.h"
#include "store/ModelContext.h"
#include "store/PersistentContainer.h"
#include "store/SubscriptionStore.h"

#include <QFile>

namespace tabrino::test {

namespace {

const QDateTime kNow(QDate(2025, 6, 10), QTime(12, 0), Qt::UTC);

}  // namespace

QuickFixture::QuickFixture()
    : m_settingsFile(m_dir.filePath(QStringLiteral("settings.ini")), QSettings::IniFormat)
    , m_settings(m_settingsFile)
{
    Clock::setSource([] { return kNow; });
    QString error;
    m_container = PersistentContainer::open(m_dir.filePath(QStringLiteral("Tabrino.sqlite")), &error);
    if (!m_container)
        qFatal("The test store could not be opened: %s", qPrintable(error));
    m_store = std::make_unique<SubscriptionStore>(m_container->mainContext(), m_settings, m_notifications, &m_catalog,
                                                  [] { return Calendar(QStringLiteral("UTC")); });
    m_store->refresh();
    m_settings.setDefaultCurrencyCode(QStringLiteral("USD"));
}

QuickFixture::~QuickFixture()
{
    Clock::setSource({});
}

QDateTime QuickFixture::now() const
{
    return kNow;
}

Subscription* QuickFixture::add(const QVariantMap& spec)
{
    const auto text = [&](const char* key, const char* fallback) {
        return spec.value(QString::fromLatin1(key), QString::fromLatin1(fallback)).toString();
    };
    const BillingCycle cycle =
        BillingCycle::fromStored(text("cycle", "monthly"), spec.value(u"customDays"_qs).toLongLong());
    auto* subscription = new Subscription(
        text("name", "Service"), Decimal::fromString(text("price", "10").toStdString()).value_or(Decimal(0)),
        text("currency", "USD"), cycle, kNow.addDays(spec.value(u"days"_qs, 5).toInt()),
        SubscriptionCategory::fromString(text("category", "streaming")).value_or(SubscriptionCategory::Other));
    if (spec.contains(u"trialDays"_qs)) {
        subscription->setIsTrial(true);
        subscription->setTrialEndDate(kNow.addDays(spec.value(u"trialDays"_qs).toInt()));
    }
    if (spec.contains(u"share"_qs)) {
        subscription->setIsShared(true);
        subscription->setSharePercentage(spec.value(u"share"_qs).toDouble());
    }
    if (spec.contains(u"url"_qs))
        subscription->setCancellationUrlString(text("url", ""));
    if (spec.contains(u"symbol"_qs))
        subscription->setSymbolName(text("symbol", ""));
    if (spec.contains(u"color"_qs))
        subscription->setBrandColorHex(text("color", ""));
    if (spec.value(u"archived"_qs).toBool()) {
        subscription->setIsActive(false);
        subscription->setArchivedDate(kNow);
    }
    m_container->mainContext().insert(subscription);
    m_store->save();
    return subscription;
}

void QuickFixture::clear()
{
    ModelContext& context = m_container->mainContext();
    for (Subscription* subscription : context.fetch<Subscription>({}).value_or(QList<Subscription*>()))
        context.remove(subscription);
    for (MonthlySnapshot* snapshot : context.fetch<MonthlySnapshot>({}).value_or(QList<MonthlySnapshot*>()))
        context.remove(snapshot);
    context.save();
    m_store->refresh();
}

void QuickFixture::setReduceMotion(bool reduce)
{
    QFile file(qEnvironmentVariable("XDG_CONFIG_HOME") + u"/kdeglobals"_qs);
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        file.write(reduce ? "[KDE]\nAnimationDurationFactor=0\n" : "[KDE]\nAnimationDurationFactor=1\n");
}

QString QuickFixture::trayAmountText()
{
    if (!m_trayLabel)
        m_trayLabel = std::make_unique<TrayLabel>(*m_store, m_settings);
    return m_trayLabel->amountText();
}

}  // namespace tabrino::test
