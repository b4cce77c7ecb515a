// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "catalog/CatalogService.h"
#include "catalog/ServiceCatalog.h"
#include "catalog/ServiceCatalogProviding.h"
#include "store/StoreFixture.h"
#include "support/TestMoney.h"

#include <memory>

namespace tabrino::test {

// The store of the store tests, with a catalog of a few services and a
// reminder service that counts the requests for notifications.
class EditingFixture : public StoreFixture {
protected:
    class CountingReminders : public RecordingReminders {
    public:
        void requestNotificationsIfFirst() override { ++notificationRequests; }
        int notificationRequests = 0;
    };

    class FixedCatalog : public ServiceCatalogProviding {
    public:
        explicit FixedCatalog(QList<CatalogService> services) : m_services(std::move(services)) {}
        CatalogLoadResult loadServices() const override { return CatalogLoadResult::success(m_services); }

    private:
        QList<CatalogService> m_services;
    };

    EditingFixture()
    {
        launch();
        store = std::make_unique<SubscriptionStore>(container->mainContext(), settings, counting, &catalog,
                                                    [this] { return calendar; });
        store->refresh();
    }
    // The store goes before the reminder service and catalog it refers to.
    ~EditingFixture() override { store.reset(); }

    static CatalogPlan plan(const char* name, const char* price, const char* cycle)
    {
        return {QString::fromUtf8(name), dec(price), QString::fromLatin1(cycle)};
    }

    static CatalogService netflix()
    {
        return {u"netflix"_qs,
                u"Netflix"_qs,
                u"streaming"_qs,
                u"https://www.netflix.com/cancelplan"_qs,
                u"#E50914"_qs,
                u"play.tv"_qs,
                {plan("Standard with ads", "7.99", "monthly"), plan("Standard", "17.99", "monthly"),
                 plan("Premium", "24.99", "monthly")},
                QStringList{u"flix"_qs}};
    }

    static CatalogService icloud()
    {
        return {u"icloud"_qs,
                u"iCloud+"_qs,
                u"cloud"_qs,
                std::nullopt,
                u"3693F3"_qs,
                u"icloud"_qs,
                {plan("50 GB", "0.99", "monthly"), plan("2 TB", "99.99", "yearly")},
                std::nullopt};
    }

    static CatalogService single()
    {
        return {u"nyt"_qs,
                u"The New York Times"_qs,
                u"news"_qs,
                std::nullopt,
                u"000000"_qs,
                u"newspaper"_qs,
                {plan("All Access (every 4 weeks)", "6.25", "weekly")},
                std::nullopt};
    }

    static CatalogService planless()
    {
        return {u"bare"_qs, u"Bare"_qs, u"mystery"_qs, std::nullopt, u""_qs, u""_qs, {}, std::nullopt};
    }

    CountingReminders counting;
    ServiceCatalog catalog{std::make_shared<FixedCatalog>(QList{netflix(), icloud(), single(), planless()})};
};

}  // namespace tabrino::test
