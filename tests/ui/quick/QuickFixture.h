// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "catalog/BundledServiceCatalog.h"
#include "catalog/ServiceCatalog.h"
#include "reminders/FakeNotificationCenter.h"
#include "reminders/NotificationService.h"
#include "settings/AppSettings.h"
#include "store/PersistentContainer.h"
#include "store/SubscriptionStore.h"
#include "ui/main/TrayLabel.h"

#include <QObject>
#include <QSettings>
#include <QTemporaryDir>
#include <QVariantMap>

#include <memory>

namespace tabrino::test {

// What the screens' Qt Quick tests run against: a real store over a fresh
// database file, real settings over a fresh file, "now" pinned to 10 June
// 2025 noon UTC, and the desktop's reduce-motion choice in a kdeglobals file
// of its own.
class QuickFixture : public QObject {
    Q_OBJECT
    Q_PROPERTY(tabrino::SubscriptionStore* store READ store CONSTANT)
    Q_PROPERTY(tabrino::AppSettings* settings READ settings CONSTANT)
    Q_PROPERTY(QDateTime now READ now CONSTANT)

public:
    QuickFixture();
    ~QuickFixture() override;

    SubscriptionStore* store() const { return m_store.get(); }
    AppSettings* settings() { return &m_settings; }
    QDateTime now() const;

    // Adds and saves a subscription. Keys: name, price (text), currency,
    // cycle (its name), days (next charge that many days from now),
    // category (its name), trialDays, share (0...1, marks it shared), url,
    // symbol, color, archived.
    Q_INVOKABLE tabrino::Subscription* add(const QVariantMap& spec);
    // Removes every record, leaving an empty store.
    Q_INVOKABLE void clear();
    Q_INVOKABLE void setReduceMotion(bool reduce);

    // The tray item's amount ("$28/mo") over this store and these settings.
    Q_INVOKABLE QString trayAmountText();

private:
    QTemporaryDir m_dir;
    QSettings m_settingsFile;
    AppSettings m_settings;
    // The shipped catalog, and the real reminder service over a centre that
    // answers as a notification server would.
    ServiceCatalog m_catalog{std::make_shared<BundledServiceCatalog>(QStringLiteral("Services"))};
    FakeNotificationCenter m_center;
    NotificationService m_notifications{m_center, m_settings};
    std::unique_ptr<PersistentContainer> m_container;
    std::unique_ptr<SubscriptionStore> m_store;
    std::unique_ptr<TrayLabel> m_trayLabel;
};

}  // namespace tabrino::test
