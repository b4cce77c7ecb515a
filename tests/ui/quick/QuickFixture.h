#pragma once

#include "settings/AppSettings.h"
#include "store/PersistentContainer.h"
#include "store/ReminderService.h"
#include "store/SubscriptionStore.h"

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
    // cycle (raw value), days (next charge that many days from now),
    // category (raw value), trialDays, share (0...1, marks it shared), url,
    // symbol, color, archived.
    Q_INVOKABLE tabrino::Subscription* add(const QVariantMap& spec);
    // Removes every record, leaving an empty store.
    Q_INVOKABLE void clear();
    Q_INVOKABLE void setReduceMotion(bool reduce);

private:
    class NoReminders : public ReminderService {
    public:
        void reconcile(const QList<Subscription*>&, const Calendar&) override {}
        void setSnoozeHandler(SnoozeHandler) override {}
    };

    QTemporaryDir m_dir;
    QSettings m_defaults;
    AppSettings m_settings;
    NoReminders m_reminders;
    std::unique_ptr<PersistentContainer> m_container;
    std::unique_ptr<SubscriptionStore> m_store;
};

}  // namespace tabrino::test
