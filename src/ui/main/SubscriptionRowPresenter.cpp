// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/main/SubscriptionRowPresenter.h"

#include "format/MoneyFormatter.h"
#include "format/RelativeDateText.h"
#include "model/SharePercent.h"
#include "model/Subscription.h"
#include "platform/UrlOpener.h"
#include "store/SubscriptionStore.h"
#include "ui/design/Aurora.h"

namespace tabrino {

void SubscriptionRowPresenter::setSubscription(Subscription* subscription)
{
    if (m_subscription == subscription)
        return;
    if (m_subscription)
        disconnect(m_subscription, nullptr, this, nullptr);
    m_subscription = subscription;
    if (subscription)
        connect(subscription, &PersistentRecord::changed, this, &SubscriptionRowPresenter::textsChanged);
    Q_EMIT inputsChanged();
    Q_EMIT textsChanged();
}

void SubscriptionRowPresenter::setStore(SubscriptionStore* store)
{
    if (m_store == store)
        return;
    m_store = store;
    Q_EMIT inputsChanged();
    Q_EMIT textsChanged();
}

void SubscriptionRowPresenter::setNow(const QDateTime& now)
{
    if (m_now == now)
        return;
    m_now = now;
    Q_EMIT inputsChanged();
    Q_EMIT textsChanged();
}

bool SubscriptionRowPresenter::ready() const
{
    return m_subscription && m_store && m_now.isValid();
}

Calendar SubscriptionRowPresenter::calendar() const
{
    return m_store->currentCalendar();
}

QString SubscriptionRowPresenter::priceText() const
{
    if (!m_subscription)
        return {};
    return MoneyFormatter::plain(m_subscription->price() * m_subscription->effectiveShare(),
                                 m_subscription->currencyCode());
}

QString SubscriptionRowPresenter::cycleText() const
{
    return m_subscription ? m_subscription->billingCycle().localizedSuffix() : QString();
}

QString SubscriptionRowPresenter::subtitle() const
{
    if (!m_subscription)
        return {};
    const QString category = m_subscription->category().localizedName();
    if (!m_subscription->isShared())
        return category;
    const Decimal percent = wholeSharePercent(m_subscription->sharePercentage().value_or(1.0));
    //: Under a subscription's name; %1 is its category ("Streaming"), %2 the user's share in percent ("50")
    return tr("%1 · shared %2%").arg(category, percent.toString());
}

QString SubscriptionRowPresenter::dueText() const
{
    if (!ready())
        return {};
    if (const std::optional<int> trialDays = m_subscription->daysUntilTrialEnd(m_now, calendar())) {
        return RelativeDateText::byDistance(
            *trialDays,
            //: Under a price: the subscription's free trial has ended and it is now paid
            tr("Converted"),
            //: Under a price: the free trial becomes a paid subscription today
            tr("Converts today"),
            //: Under a price: the free trial becomes a paid subscription tomorrow
            tr("Converts tomorrow"),
            //: Under a price: the free trial becomes a paid subscription in %Ln days (2 or more)
            tr("Converts in %Ln days", nullptr, *trialDays));
    }
    return RelativeDateText::countdown(m_subscription->daysUntilRenewal(m_now, calendar()));
}

QColor SubscriptionRowPresenter::dueColor() const
{
    if (ready()) {
        switch (m_subscription->urgency(m_now, calendar())) {
        case Subscription::Urgency::Urgent: return Aurora::redDeep();
        case Subscription::Urgency::Soon: return Aurora::amber();
        case Subscription::Urgency::Calm: break;
        }
    }
    return Aurora::white(0.38);
}

bool SubscriptionRowPresenter::showsTrialBadge() const
{
    return m_subscription && m_subscription->isTrial();
}

QString SubscriptionRowPresenter::accessibilityText() const
{
    if (!ready())
        return {};
    const Subscription& s = *m_subscription;
    //: Spoken for a subscription in the list: %1 is its name, %2 its price and cycle ("$9.99 per month"),
    //: %3 its category ("Streaming"); a sentence on its next charge follows
    const QString text =
        tr("%1, %2, %3.").arg(s.name(), s.billingCycle().localizedPrice(priceText()), s.category().localizedName());
    return text + u' ' + spokenDue();
}

QString SubscriptionRowPresenter::spokenDue() const
{
    const Subscription& s = *m_subscription;
    if (const std::optional<int> trialDays = s.daysUntilTrialEnd(m_now, calendar())) {
        // A trial whose end has passed but that launch maintenance has not
        // yet ended says what the row shows.
        return RelativeDateText::byDistance(
            *trialDays,
            //: Spoken for a subscription whose free trial has ended and that is now paid
            tr("Trial converted."),
            //: Spoken for a subscription on its free trial
            tr("Trial converts today."),
            //: Spoken for a subscription on its free trial
            tr("Trial converts tomorrow."),
            //: Spoken for a subscription on its free trial; %Ln is 2 or more
            tr("Trial converts in %Ln days.", nullptr, *trialDays));
    }
    const int days = s.daysUntilRenewal(m_now, calendar());
    return RelativeDateText::byDistance(days,
                                        //: Spoken for a subscription whose renewal day has passed
                                        tr("Renewal overdue."),
                                        //: Spoken for a subscription: when it next charges
                                        tr("Renews today."),
                                        //: Spoken for a subscription: when it next charges
                                        tr("Renews tomorrow."),
                                        //: Spoken for a subscription: when it next charges; %Ln is 2 or more
                                        tr("Renews in %Ln days.", nullptr, days));
}

QString SubscriptionRowPresenter::trialActionText() const
{
    if (showsTrialBadge())
        //: An entry of a subscription's context menu: it stops being a free trial and stays as a paid subscription
        return tr("End Trial — Keep Subscription");
    //: An entry of a subscription's context menu: it becomes a free trial ending on its next billing date
    return tr("Mark as Trial");
}

bool SubscriptionRowPresenter::offersCancellationPage() const
{
    return m_subscription && m_subscription->cancellationUrl().has_value();
}

void SubscriptionRowPresenter::toggleTrial()
{
    if (!m_subscription || !m_store)
        return;
    if (m_subscription->isTrial()) {
        m_subscription->setIsTrial(false);
        m_subscription->setTrialEndDate(std::nullopt);
    } else {
        m_subscription->setIsTrial(true);
        m_subscription->setTrialEndDate(m_subscription->nextBillingDate());
    }
    m_store->save();
}

bool SubscriptionRowPresenter::openCancellationPage() const
{
    const std::optional<QUrl> url = m_subscription ? m_subscription->cancellationUrl() : std::nullopt;
    return url && UrlOpener::openUrl(*url);
}

void SubscriptionRowPresenter::archive()
{
    if (m_subscription && m_store)
        m_store->archive(m_subscription);
}

}  // namespace tabrino
