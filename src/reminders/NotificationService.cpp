// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "reminders/NotificationService.h"

#include "format/MoneyFormatter.h"
#include "format/RelativeDateText.h"
#include "foundation/Clock.h"
#include "foundation/WebAddress.h"
#include "model/Subscription.h"
#include "reminders/NotificationCenter.h"
#include "settings/AppSettings.h"

#include <QDesktopServices>
#include <QPointer>
#include <QSettings>

#include <algorithm>

namespace tabrino {

using namespace Qt::StringLiterals;

namespace {

const QString kSubscriptionIdKey = u"subscriptionID"_s;
const QString kCancellationUrlKey = u"cancellationURL"_s;
// Snoozed trial reminders are kept in the settings store, so a snooze
// outlives the reconciles and restarts before it comes back.
const QString kTrialSnoozesGroup = u"trialReminderSnoozes"_s;
const QString kSnoozedTrialSuffix = u"trialSnoozed"_s;

QString uuidText(const QUuid& id)
{
    return id.toString(QUuid::WithoutBraces).toUpper();
}

// What the user pays for one period: their share of the price.
QString amountText(const Subscription& subscription)
{
    return MoneyFormatter::twoDecimals(subscription.price() * subscription.effectiveShare(),
                                       subscription.currencyCode());
}

bool isTrialReminder(const QString& requestIdentifier)
{
    return requestIdentifier.section(u'.', -1).startsWith(u"trial");
}

std::optional<QString> textValue(const QVariantMap& userInfo, const QString& key)
{
    const QVariant value = userInfo.value(key);
    if (value.typeId() != QMetaType::QString)
        return std::nullopt;
    return value.toString();
}

}  // namespace

NotificationService::NotificationService(NotificationCenter& center, AppSettings& settings, QObject* parent)
    : QObject(parent)
    , m_center(center)
    , m_settings(settings)
    , m_urlOpener([](const QUrl& url) { QDesktopServices::openUrl(url); })
{
    m_center.setDelegate(this);
    m_center.setCategories(categories());
}

NotificationService::~NotificationService()
{
    m_center.setDelegate(nullptr);
}

QList<NotificationCategory> NotificationService::categories()
{
    //: A button of a reminder: remind again tomorrow
    const NotificationAction snooze{snoozeActionIdentifier(), tr("Snooze 1 Day"), false};
    //: A button of a reminder: opens the service's web page for cancelling
    const NotificationAction openCancellation{openCancellationActionIdentifier(), tr("Open Cancellation Page"), true};
    return {
        {renewalCategoryIdentifier(), {snooze, openCancellation}},
        {trialCategoryIdentifier(), {openCancellation, snooze}},
    };
}

void NotificationService::setSnoozeHandler(SnoozeHandler handler)
{
    m_snoozeHandler = std::move(handler);
}

void NotificationService::setUrlOpener(UrlOpener opener)
{
    m_urlOpener = std::move(opener);
}

void NotificationService::setServerPresence(ServerPresence presence)
{
    if (presence == m_serverPresence)
        return;
    m_serverPresence = presence;
    Q_EMIT serverPresenceChanged();
}

void NotificationService::refreshServerPresence()
{
    refreshServerPresence(std::function<void()>());
}

void NotificationService::refreshServerPresence(std::function<void()> done)
{
    QPointer self(this);
    m_center.capabilities([self, done = std::move(done)](const std::optional<QStringList>& capabilities) {
        if (!self)
            return;
        self->setServerPresence(capabilities ? ServerPresence::Present : ServerPresence::Absent);
        if (done)
            done();
    });
}

void NotificationService::requestNotificationsIfFirst()
{
    if (m_settings.notificationsRequested())
        return;
    m_settings.setNotificationsRequested(true);
    refreshServerPresence();
}

void NotificationService::reconcile(const QList<Subscription*>& subscriptions, const Calendar& calendar)
{
    // The records are read here and only here; the steps that wait on the
    // centre work from this plan.
    const QDateTime now = Clock::now();
    const TrialSnoozes snoozes = trialSnoozes();
    TrialSnoozes stillSnoozed;
    Plan plan{++m_generation, {}};
    for (const Subscription* subscription : subscriptions) {
        if (!subscription || !subscription->isActive() || !subscription->notificationsEnabled())
            continue;
        const QString id = uuidText(subscription->id());
        const std::optional<QDateTime> comeBack =
            snoozes.contains(id) ? std::optional(snoozes.value(id)) : std::nullopt;
        const QList<NotificationRequest> planned = requests(*subscription, now, calendar, comeBack);
        if (comeBack && std::any_of(planned.cbegin(), planned.cend(), [](const NotificationRequest& request) {
                return request.identifier.endsWith(kSnoozedTrialSuffix);
            })) {
            stillSnoozed.insert(id, *comeBack);
        }
        plan.requests += planned;
    }
    // A snooze that came back, or whose trial ended or left, is done with.
    if (stillSnoozed.size() != snoozes.size())
        forgetTrialSnoozesExcept(stillSnoozed);
    m_waitingPlan = std::move(plan);
    if (!m_running)
        runNextPlan();
}

void NotificationService::runNextPlan()
{
    if (!m_waitingPlan) {
        m_running = false;
        Q_EMIT reconcileFinished();
        return;
    }
    const Plan plan = std::move(*m_waitingPlan);
    m_waitingPlan.reset();
    m_running = true;

    QPointer self(this);
    refreshServerPresence([self, plan] {
        if (!self)
            return;
        if (self->isSuperseded(plan))
            return self->runNextPlan();
        if (self->m_serverPresence != ServerPresence::Present) {
            // Nobody to show them: nothing of ours, nor anything else, stays.
            self->m_center.removeAllPending();
            return self->runNextPlan();
        }
        self->m_center.pendingRequests([self, plan](const QList<NotificationRequest>& pending) {
            if (!self)
                return;
            if (self->isSuperseded(plan))
                return self->runNextPlan();
            QStringList ours;
            for (const NotificationRequest& request : pending) {
                if (request.identifier.startsWith(identifierPrefix()))
                    ours << request.identifier;
            }
            self->m_center.removePending(ours);
            self->addRemaining(plan, 0);
        });
    });
}

void NotificationService::addRemaining(const Plan& plan, qsizetype index)
{
    if (isSuperseded(plan) || index >= plan.requests.size())
        return runNextPlan();
    QPointer self(this);
    // A refused request is dropped; the others still go in.
    m_center.add(plan.requests.at(index), [self, plan, index](const QString&) {
        if (self)
            self->addRemaining(plan, index + 1);
    });
}

QList<NotificationRequest> NotificationService::requests(const Subscription& subscription, const QDateTime& now,
                                                         const Calendar& calendar,
                                                         const std::optional<QDateTime>& snoozedUntil) const
{
    QList<NotificationRequest> result;
    const std::optional<QDateTime> trialEnd = subscription.trialEndDate();
    if (subscription.isTrial() && trialEnd) {
        // Trials are reminded of their end only, whatever the lead time.
        for (const int daysLeft : {3, 1}) {
            const auto request =
                makeRequest(subscription, calendar.adding(CalendarUnit::Day, -daysLeft, *trialEnd), now, calendar,
                            u"trial"_s + QString::number(daysLeft), trialContent(subscription, daysLeft));
            if (request)
                result << *request;
        }
        if (snoozedUntil) {
            if (const auto request = snoozedTrialRequest(subscription, *snoozedUntil, now, calendar, result))
                result << *request;
        }
        return result;
    }
    const int leadDays = subscription.leadDaysForNotification();
    if (leadDays < 1)
        return result;
    const auto request =
        makeRequest(subscription, calendar.adding(CalendarUnit::Day, -leadDays, subscription.nextBillingDate()), now,
                    calendar, u"renew"_s, renewalContent(subscription, calendar));
    if (request)
        result << *request;
    return result;
}

std::optional<NotificationRequest> NotificationService::makeRequest(const Subscription& subscription,
                                                                    const std::optional<QDateTime>& fireOn,
                                                                    const QDateTime& now, const Calendar& calendar,
                                                                    const QString& suffix,
                                                                    NotificationContent content) const
{
    if (!fireOn)
        return std::nullopt;
    // 09:00 on that calendar day, rebuilt from components so a daylight-saving
    // change in between does not move it.
    const DateComponents day = calendar.components(*fireOn);
    const std::optional<QDateTime> fireAt = calendar.date({day.year, day.month, day.day, 9, 0});
    if (!fireAt || *fireAt <= now)
        return std::nullopt;

    const QString id = uuidText(subscription.id());
    content.userInfo = {
        {kSubscriptionIdKey, id},
        {kCancellationUrlKey, subscription.cancellationUrlString().value_or(u""_s)},
    };
    return NotificationRequest{identifierPrefix() + id + u'.' + suffix, std::move(content),
                               CalendarTrigger(calendar.components(*fireAt), calendar)};
}

std::optional<NotificationRequest>
NotificationService::snoozedTrialRequest(const Subscription& subscription, const QDateTime& comeBack,
                                         const QDateTime& now, const Calendar& calendar,
                                         const QList<NotificationRequest>& planned) const
{
    // Back at 09:00 on the day the snooze ends, while the trial still runs
    // then, unless the trial's own reminder already falls on that morning.
    const DateComponents day = calendar.components(comeBack);
    const std::optional<QDateTime> fireAt = calendar.date({day.year, day.month, day.day, 9, 0});
    const std::optional<QDateTime> trialEnd = subscription.trialEndDate();
    if (!fireAt || !trialEnd || *fireAt >= *trialEnd)
        return std::nullopt;
    for (const NotificationRequest& request : planned) {
        if (request.trigger.fireDate() == fireAt)
            return std::nullopt;
    }
    const int daysLeft = subscription.daysUntilTrialEnd(*fireAt, calendar).value_or(0);
    return makeRequest(subscription, fireAt, now, calendar, kSnoozedTrialSuffix, trialContent(subscription, daysLeft));
}

NotificationService::TrialSnoozes NotificationService::trialSnoozes() const
{
    QSettings& store = m_settings.store();
    store.beginGroup(kTrialSnoozesGroup);
    TrialSnoozes snoozes;
    for (const QString& id : store.childKeys()) {
        const QDateTime comeBack = QDateTime::fromString(store.value(id).toString(), Qt::ISODateWithMs);
        if (comeBack.isValid())
            snoozes.insert(id, comeBack.toUTC());
    }
    store.endGroup();
    return snoozes;
}

void NotificationService::rememberTrialSnooze(const QString& subscriptionId, const QDateTime& comeBack)
{
    m_settings.store().setValue(kTrialSnoozesGroup + u'/' + subscriptionId,
                                comeBack.toUTC().toString(Qt::ISODateWithMs));
}

void NotificationService::forgetTrialSnoozesExcept(const TrialSnoozes& kept)
{
    QSettings& store = m_settings.store();
    store.beginGroup(kTrialSnoozesGroup);
    for (const QString& id : store.childKeys()) {
        if (!kept.contains(id))
            store.remove(id);
    }
    store.endGroup();
}

NotificationContent NotificationService::renewalContent(const Subscription& subscription,
                                                        const Calendar& calendar) const
{
    // The day is described as seen now, when the reminder is planned.
    const RelativeDateText::NamedDay day = RelativeDateText::namedDay(subscription.nextBillingDate(), calendar);
    const QString name = subscription.name();
    const QString amount = amountText(subscription);
    NotificationContent content;
    switch (day.kind) {
    case RelativeDateText::NamedDay::Kind::Today:
        //: A reminder's title; %1 is the subscription's name
        content.title = tr("%1 renews today").arg(name);
        break;
    case RelativeDateText::NamedDay::Kind::Tomorrow:
        //: A reminder's title; %1 is the subscription's name
        content.title = tr("%1 renews tomorrow").arg(name);
        break;
    case RelativeDateText::NamedDay::Kind::Weekday:
        //: A reminder's title; %1 is the subscription's name, %2 a weekday within the coming week ("Friday")
        content.title = tr("%1 renews %2", "on a weekday").arg(name, day.name);
        break;
    case RelativeDateText::NamedDay::Kind::Date:
        //: A reminder's title; %1 is the subscription's name, %2 a month and day a week or more ahead ("Mar 20")
        content.title = tr("%1 renews %2", "on a date").arg(name, day.name);
        break;
    }
    switch (subscription.billingCycle().kind()) {
    case BillingCycle::Kind::Quarterly:
        //: A renewal reminder's text; %1 is the price of one quarter ("$30.00")
        content.body = tr("%1 for the next quarter. Still using it?").arg(amount);
        break;
    case BillingCycle::Kind::Yearly:
        //: A renewal reminder's text; %1 is the price of one year ("$99.00")
        content.body = tr("Your annual plan is %1. Worth a look before it goes through.").arg(amount);
        break;
    case BillingCycle::Kind::Weekly:
    case BillingCycle::Kind::Monthly:
    case BillingCycle::Kind::Custom:
        //: A renewal reminder's text; %1 is the price of one charge ("$15.49")
        content.body = tr("%1. Still using it?").arg(amount);
        break;
    }
    content.playsSound = true;
    content.categoryIdentifier = renewalCategoryIdentifier();
    return content;
}

NotificationContent NotificationService::trialContent(const Subscription& subscription, int daysLeft) const
{
    const QString name = subscription.name();
    const QString price = amountText(subscription) + subscription.billingCycle().localizedSuffix();
    NotificationContent content;
    if (daysLeft >= 2) {
        //: A reminder's title; %1 is the subscription's name, %Ln the days left of its free trial (2 or more)
        content.title = tr("%1 trial ends in %Ln days", nullptr, daysLeft).arg(name);
        //: A trial reminder's text; %1 is the price per cycle after the trial ("$9.99/mo")
        content.body = tr("Then it's %1. Good time to decide.").arg(price);
    } else if (daysLeft == 1) {
        //: A reminder's title; %1 is the subscription's name
        content.title = tr("%1 trial ends tomorrow").arg(name);
        //: A trial reminder's text; %1 is the price per cycle after the trial ("$9.99/mo")
        content.body = tr("It becomes %1 unless you cancel today.").arg(price);
    } else {
        // Only a snoozed reminder comes back on the day the trial ends.
        //: A reminder's title; %1 is the subscription's name
        content.title = tr("%1 trial ends today").arg(name);
        //: A trial reminder's text; %1 is the price per cycle after the trial ("$9.99/mo")
        content.body = tr("It becomes %1 today unless you cancel.").arg(price);
    }
    content.playsSound = true;
    content.categoryIdentifier = trialCategoryIdentifier();
    return content;
}

void NotificationService::actionInvoked(const InvokedAction& invoked)
{
    const std::optional<QString> subscriptionId = textValue(invoked.userInfo, kSubscriptionIdKey);
    const std::optional<QString> cancellation = textValue(invoked.userInfo, kCancellationUrlKey);
    const QString action = invoked.actionKey;
    const bool trial = isTrialReminder(invoked.requestIdentifier);
    // Acted on in a later turn, outside the centre's own signal handling.
    QMetaObject::invokeMethod(
        this,
        [this, action, trial, subscriptionId, cancellation] {
            if (action == openCancellationActionIdentifier()) {
                if (const std::optional<QUrl> url = cancellation ? WebAddress::parse(*cancellation) : std::nullopt;
                    url && m_urlOpener) {
                    m_urlOpener(*url);
                }
            } else if (action == snoozeActionIdentifier()) {
                const QUuid id = subscriptionId ? QUuid::fromString(*subscriptionId) : QUuid();
                if (id.isNull())
                    return;
                // Trial reminders ignore the lead time the store's snooze
                // shortens, so a snoozed one is asked back by itself; the
                // store's save then reconciles, which plans it.
                if (trial)
                    rememberTrialSnooze(uuidText(id), Clock::now().addDays(1));
                if (m_snoozeHandler)
                    m_snoozeHandler(id);
            }
            // Anything else (a click on the body) does nothing.
        },
        Qt::QueuedConnection);
}

}  // namespace tabrino
