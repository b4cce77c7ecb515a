// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "reminders/NotificationCenter.h"
#include "reminders/PendingNotificationStore.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDateTime>
#include <QHash>
#include <QMap>
#include <QObject>

#include <functional>

class QTimer;

namespace tabrino {

class SqliteDatabase;
class TimeChangeWatcher;

// Local notifications on a freedesktop desktop. Pending requests live in the
// application's database; one precise single-shot timer waits for the
// earliest of them (no timer when nothing is pending); a request that fires
// is shown through org.freedesktop.Notifications on the session bus, and the
// server's ActionInvoked signals come back to the delegate, and its
// NotificationClosed signals tell which shown notifications are gone.
//
// Timers run on the monotonic clock, which stands still during sleep and
// ignores changes of the wall clock, so the timer is set again after a
// resume, a clock change or a time-zone change (see TimeChangeWatcher), after
// every firing, and whenever the app calls rearm(). Waits are capped at a
// day so a very distant request never overflows the timer.
//
// A request that cannot be shown because no server answers stays pending and
// is retried when a notification server appears on the bus, or at the next
// start.
class LinuxNotificationCenter : public QObject, public NotificationCenter {
    Q_OBJECT

public:
    static constexpr int kMaxWaitMs = 24 * 60 * 60 * 1000;
    static constexpr int kCallTimeoutMs = 10 * 1000;

    // `database` must outlive the centre; the requests' table is created in it
    // when missing. `systemBus` is only listened to for sleep and time-zone
    // notices.
    explicit LinuxNotificationCenter(SqliteDatabase& database,
                                     const QDBusConnection& sessionBus = QDBusConnection::sessionBus(),
                                     const QDBusConnection& systemBus = QDBusConnection::systemBus(),
                                     QObject* parent = nullptr);
    ~LinuxNotificationCenter() override;

    void setDelegate(NotificationCenterDelegate* delegate) override;
    void capabilities(CapabilitiesCallback done) override;
    void setCategories(const QList<NotificationCategory>& categories) override;
    // Refused when the trigger names no valid date, when that date is not in
    // the future, or when the request cannot be stored.
    void add(const NotificationRequest& request, AddCallback done = {}) override;
    void pendingRequests(PendingCallback done) override;
    void removePending(const QStringList& identifiers) override;
    void removeAllPending() override;

    // Shows every request whose time passed while the program was not
    // running, once, and drops it. The app calls this at start, before the
    // first reconciliation replaces the pending requests.
    void deliverMissed();
    // Shows what is due now and sets the timer again from the wall clock.
    void rearm();

    // Milliseconds until the timer fires; -1 when no timer is set.
    int timerRemainingMs() const;

Q_SIGNALS:
    // Emitted after a resume, a clock change or a time-zone change, once the
    // timer was set again; figures that depend on "now" may want a refresh.
    void timeChanged();
    // A notification server started on the bus: notifications can be shown
    // from now on, so reminders dropped while there was none can be planned
    // again.
    void serverAppeared();

private Q_SLOTS:
    void onActionInvoked(uint id, const QString& actionKey);
    void onNotificationClosed(uint id);

private:
    enum class State { Scheduled, Delivering, AwaitingServer };
    struct Pending {
        NotificationRequest request;
        QDateTime fireAt;
        quint64 serial = 0;  // tells a replaced request from the one being shown
        State state = State::Scheduled;
    };
    struct Shown {
        QString requestIdentifier;
        QVariantMap userInfo;
        quint64 order = 0;
    };

    void later(std::function<void()> work);
    void callServer(const QString& method, const QList<QVariant>& arguments,
                    std::function<void(const QDBusMessage& reply)> done);
    void deliverDue();
    void deliver(const QString& identifier);
    void sendNotify(const Pending& entry, const QStringList& capabilities);
    void deliveryFinished(const QString& identifier, quint64 serial, const QDBusMessage& reply);
    void arm();
    void onServerRegistered();

    QDBusConnection m_session;
    PendingNotificationStore m_store;
    NotificationCenterDelegate* m_delegate = nullptr;
    QHash<QString, NotificationCategory> m_categories;
    QHash<QString, Pending> m_pending;
    QMap<uint, Shown> m_shown;  // server id -> what came back with it
    quint64 m_nextSerial = 1;
    quint64 m_shownOrder = 0;
    QTimer* m_timer = nullptr;
    TimeChangeWatcher* m_timeWatcher = nullptr;
};

}  // namespace tabrino
