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

// A store filled with a demo data set, in a folder of its own that goes
// with it, at a fixed "now" so every rendering shows the same days.
class DemoData {
public:
    enum class Set { Empty, Six };

    explicit DemoData(Set set);
    ~DemoData();

    SubscriptionStore& store() const { return *m_store; }
    // A seventh category, an ended subscription and months on record, for
    // the insights tab.
    void addInsightsHistory();
    // Three archived subscriptions beside the set, for the settings screen.
    void addArchived();
    // A subscription in a currency without a euro reference rate, for the
    // converted totals' note.
    void addUnconvertible();
    AppSettings& settings() { return m_settings; }
    static QDateTime now();

private:
    class NoReminders : public ReminderService {
    public:
        void reconcile(const QList<Subscription*>&, const Calendar&) override {}
        void setSnoozeHandler(SnoozeHandler) override {}
    };

    void addSix();

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
