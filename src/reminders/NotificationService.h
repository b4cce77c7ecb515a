#pragma once

#include "foundation/Calendar.h"
#include "reminders/AuthorizationStatus.h"
#include "reminders/NotificationCategory.h"
#include "reminders/NotificationCenterDelegate.h"
#include "reminders/NotificationContent.h"
#include "reminders/NotificationRequest.h"
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

// Everything about reminders: the permission, the two categories of
// notification and their actions, the planner that keeps the pending
// reminders in step with the subscriptions, the texts, and what the user's
// answers do. The centre's delegate.
//
// Reconciliation plans synchronously from the records it is given (they are
// read nowhere else), then talks to the centre asynchronously. Runs never
// overlap: a reconcile that arrives while one is running replaces any plan
// still waiting, and the running one stops at its next step, so the pending
// set always ends up as the latest data asks, whatever order the centre
// answers in.
class NotificationService : public QObject, public ReminderService, public NotificationCenterDelegate {
    Q_OBJECT
    Q_PROPERTY(tabrino::AuthorizationStatus authorizationStatus READ authorizationStatus NOTIFY authorizationStatusChanged)

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

    AuthorizationStatus authorizationStatus() const { return m_authorizationStatus; }
    NotificationCenter& center() const { return m_center; }

    const SnoozeHandler& snoozeHandler() const { return m_snoozeHandler; }
    void setSnoozeHandler(SnoozeHandler handler) override;
    // How cancellation pages are opened; the desktop's handler by default.
    void setUrlOpener(UrlOpener opener);

    Q_INVOKABLE void refreshAuthorizationStatus();
    void refreshAuthorizationStatus(std::function<void()> done);
    // Asks for permission, then refreshes the status; `done` gets whether it
    // was granted (false when the request failed).
    void requestAuthorization(std::function<void(bool granted)> done = {});
    // Asks once in the life of the settings: the first call sets
    // notificationsRequested and starts the request without waiting for it.
    Q_INVOKABLE void requestNotificationsIfFirst() override;

    void reconcile(const QList<Subscription*>& subscriptions, const Calendar& calendar) override;

    PresentationOptions willPresent(const NotificationRequest& request) override;
    void didReceive(const NotificationResponse& response) override;

    // The categories registered at creation.
    static QList<NotificationCategory> categories();

Q_SIGNALS:
    void authorizationStatusChanged();
    // A reconciliation ran to its end and no newer one is waiting.
    void reconcileFinished();

private:
    struct Plan {
        quint64 generation = 0;
        QList<NotificationRequest> requests;
    };

    void setAuthorizationStatus(AuthorizationStatus status);

    // When each trial's snoozed reminder asks to come back, by subscription id.
    using TrialSnoozes = QHash<QString, QDateTime>;

    // `snoozedUntil`: when a snoozed trial reminder of this subscription asks to come back.
    QList<NotificationRequest> requests(const Subscription& subscription, const QDateTime& now,
                                        const Calendar& calendar, const std::optional<QDateTime>& snoozedUntil) const;
    std::optional<NotificationRequest> snoozedTrialRequest(const Subscription& subscription,
                                                           const QDateTime& comeBack, const QDateTime& now,
                                                           const Calendar& calendar,
                                                           const QList<NotificationRequest>& planned) const;
    TrialSnoozes trialSnoozes() const;
    void rememberTrialSnooze(const QString& subscriptionID, const QDateTime& comeBack);
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
    AuthorizationStatus m_authorizationStatus = AuthorizationStatus::notDetermined;
    SnoozeHandler m_snoozeHandler;
    UrlOpener m_urlOpener;
    quint64 m_generation = 0;
    std::optional<Plan> m_waitingPlan;
    bool m_running = false;
};

}  // namespace tabrino
