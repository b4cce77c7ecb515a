// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "foundation/Calendar.h"
#include "reminders/NotificationCategory.h"
#include "reminders/NotificationCenterDelegate.h"
#include "reminders/NotificationContent.h"
#include "reminders/NotificationRequest.h"
#include "reminders/ServerPresence.h"
#include "store/ReminderService.h"

#include <QDateTime>
#include <QHash>
#include <QList>
#include <QObject>
#include <QUrl>

#include <functional>
#include <optional>

namespace tabrino {

class AppSettings;
class NotificationCenter;
class Subscription;

// Everything about reminders: whether a notification server is there, the
// two categories of notification and their actions, the planner that keeps
// the pending reminders in step with the subscriptions, the texts, and what
// the user's actions do. The centre's delegate.
//
// Reconciliation plans synchronously from the records it is given (they are
// read nowhere else), then talks to the centre asynchronously. Runs never
// overlap: a reconcile that arrives while one is running replaces any plan
// still waiting, and the running one stops at its next step, so the pending
// set always ends up as the latest data asks, whatever order the centre
// answers in.
class NotificationService : public QObject, public ReminderService, public NotificationCenterDelegate {
    Q_OBJECT
    Q_PROPERTY(tabrino::ServerPresence serverPresence READ serverPresence NOTIFY serverPresenceChanged)

public:
    using UrlOpener = std::function<void(const QUrl& url)>;

    static QString renewalCategoryIdentifier() { return QStringLiteral("RENEWAL_REMINDER"); }
    static QString trialCategoryIdentifier() { return QStringLiteral("TRIAL_REMINDER"); }
    static QString snoozeActionIdentifier() { return QStringLiteral("SNOOZE_ONE_DAY"); }
    static QString openCancellationActionIdentifier() { return QStringLiteral("OPEN_CANCELLATION"); }
    // Every request this service schedules begins with it.
    static QString identifierPrefix() { return QStringLiteral("renewal."); }

    // Becomes `center`'s delegate and registers the two categories.
    NotificationService(NotificationCenter& center, AppSettings& settings, QObject* parent = nullptr);
    ~NotificationService() override;

    ServerPresence serverPresence() const { return m_serverPresence; }
    NotificationCenter& center() const { return m_center; }

    const SnoozeHandler& snoozeHandler() const { return m_snoozeHandler; }
    void setSnoozeHandler(SnoozeHandler handler) override;
    // How cancellation pages are opened; the desktop's handler by default.
    void setUrlOpener(UrlOpener opener);

    // Asks the server for its capabilities; no answer means no server.
    Q_INVOKABLE void refreshServerPresence();
    void refreshServerPresence(std::function<void()> done);
    // Once in the life of the settings: the first call sets
    // notificationsRequested and looks for a notification server without
    // waiting for the answer. There is no permission to ask for here; a
    // server that answers shows what it is sent.
    Q_INVOKABLE void requestNotificationsIfFirst() override;

    void reconcile(const QList<Subscription*>& subscriptions, const Calendar& calendar) override;

    void actionInvoked(const InvokedAction& action) override;

    // The categories registered at creation.
    static QList<NotificationCategory> categories();

Q_SIGNALS:
    void serverPresenceChanged();
    // A reconciliation ran to its end and no newer one is waiting.
    void reconcileFinished();

private:
    struct Plan {
        quint64 generation = 0;
        QList<NotificationRequest> requests;
    };

    void setServerPresence(ServerPresence presence);

    // When each trial's snoozed reminder asks to come back, by subscription id.
    using TrialSnoozes = QHash<QString, QDateTime>;

    // `snoozedUntil`: when a snoozed trial reminder of this subscription asks to come back.
    QList<NotificationRequest> requests(const Subscription& subscription, const QDateTime& now,
                                        const Calendar& calendar, const std::optional<QDateTime>& snoozedUntil) const;
    std::optional<NotificationRequest> snoozedTrialRequest(const Subscription& subscription, const QDateTime& comeBack,
                                                           const QDateTime& now, const Calendar& calendar,
                                                           const QList<NotificationRequest>& planned) const;
    TrialSnoozes trialSnoozes() const;
    void rememberTrialSnooze(const QString& subscriptionId, const QDateTime& comeBack);
    void forgetTrialSnoozesExcept(const TrialSnoozes& kept);
    std::optional<NotificationRequest> makeRequest(const Subscription& subscription,
                                                   const std::optional<QDateTime>& fireOn, const QDateTime& now,
                                                   const Calendar& calendar, const QString& suffix,
                                                   NotificationContent content) const;
    NotificationContent renewalContent(const Subscription& subscription, const Calendar& calendar) const;
    NotificationContent trialContent(const Subscription& subscription, int daysLeft) const;

    void runNextPlan();
    void addRemaining(const Plan& plan, qsizetype index);
    bool isSuperseded(const Plan& plan) const { return plan.generation != m_generation; }

    NotificationCenter& m_center;
    AppSettings& m_settings;
    ServerPresence m_serverPresence = ServerPresence::Unknown;
    SnoozeHandler m_snoozeHandler;
    UrlOpener m_urlOpener;
    quint64 m_generation = 0;
    std::optional<Plan> m_waitingPlan;
    bool m_running = false;
};

}  // namespace tabrino
