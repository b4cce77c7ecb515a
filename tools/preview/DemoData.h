// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "rates/ExchangeRatesSource.h"
#include "settings/AppSettings.h"
#include "store/ReminderService.h"

#include <QDateTime>
#include <QSettings>
#include <QTemporaryDir>

#include <memory>

namespace tabrino {

class PersistentContainer;
class ServiceCatalog;
class SubscriptionStore;

// A store filled with one person's subscriptions, in a folder of its own
// that goes with it, at a fixed "now" so every rendering shows the same
// days. Every screen draws from this one set: the list, the archived
// ones, the months on record behind Insights.
class DemoData {
public:
    enum class Set { Empty, Subscriptions };

    explicit DemoData(Set set);
    ~DemoData();

    SubscriptionStore& store() const { return *m_store; }
    AppSettings& settings() { return m_settings; }
    static QDateTime now();

private:
    class NoReminders : public ReminderService {
    public:
        void reconcile(const QList<Subscription*>&, const Calendar&) override {}
        void setSnoozeHandler(SnoozeHandler) override {}
    };

    void addSubscriptions();

    QTemporaryDir m_dir;
    // The shipped set: no download in a picture.
    ExchangeRatesSource m_rates{m_dir.filePath(QStringLiteral("rates.xml"))};
    QSettings m_settingsFile;
    AppSettings m_settings;
    NoReminders m_reminders;
    // The shipped catalog, for the add screen.
    std::unique_ptr<ServiceCatalog> m_catalog;
    std::unique_ptr<PersistentContainer> m_container;
    std::unique_ptr<SubscriptionStore> m_store;
};

}  // namespace tabrino
