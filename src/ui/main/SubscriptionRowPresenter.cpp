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
    return m_subscription ? u'/' + m_subscription->billingCycle().shortLabel() : QString();
}

QString SubscriptionRowPresenter::subtitle() const
{
    if (!m_subscription)
        return {};
    const QString category = m_subscription->category().displayName();
    if (!m_subscription->isShared())
        return category;
    const Decimal percent = wholeSharePercent(m_subscription->sharePercentage().value_or(1.0));
    return tr("%1 · shared %2%").arg(category, percent.toString());
}

QString SubscriptionRowPresenter::dueText() const
{
    if (!ready())
        return {};
    if (const std::optional<int> trialDays = m_subscription->daysUntilTrialEnd(m_now, calendar())) {
        if (*trialDays < 0)
            return tr("Converted");
        return tr("Converts %1").arg(RelativeDateText::countdown(*trialDays).toLower());
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
    QString text =
        tr("%1, %2 per %3, %4.").arg(s.name(), priceText(), s.billingCycle().displayName(), s.category().displayName());
    const std::optional<int> trialDays = s.daysUntilTrialEnd(m_now, calendar());
    if (trialDays && *trialDays >= 0)
        text += u' ' + tr("Trial converts %1.").arg(RelativeDateText::countdown(*trialDays));
    else if (trialDays)
        // The trial's end has passed but launch maintenance has not yet
        // ended it: say what the row shows.
        text += u' ' + tr("Trial converted.");
    else
        text += u' ' + tr("Renews %1.").arg(RelativeDateText::countdown(s.daysUntilRenewal(m_now, calendar())));
    return text;
}

QString SubscriptionRowPresenter::trialActionText() const
{
    return showsTrialBadge() ? tr("End Trial — Keep Subscription") : tr("Mark as Trial");
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
