// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/insights/InsightsLifetimePresenter.h"

#include "format/MoneyFormatter.h"

#include <algorithm>

namespace tabrino {

InsightsLifetimePresenter::InsightsLifetimePresenter(QObject* parent)
    : InsightsPresenter(parent)
    , m_rows(new InsightsRows<LifetimeRow>(this))
{
}

void InsightsLifetimePresenter::setLimit(int limit)
{
    limit = std::max(limit, 0);
    if (m_limit == limit)
        return;
    m_limit = limit;
    if (store())
        update(*store());
    Q_EMIT limitChanged();
    Q_EMIT textsChanged();
}

QString InsightsLifetimePresenter::lifetimeSubtitle(const Subscription& subscription, const Calendar& calendar,
                                                    const QString& localeId)
{
    if (!subscription.isActive() && subscription.archivedDate()) {
        //: Under an archived subscription's lifetime spend; %1 is the month it was archived ("Mar 2025")
        return tr("ended %1").arg(month(*subscription.archivedDate(), MonthStyle::Medium, calendar, localeId));
    }
    //: Under a subscription's lifetime spend; %1 is the month of its first charge ("Mar 2025")
    return tr("since %1").arg(month(subscription.billingStartDate(), MonthStyle::Medium, calendar, localeId));
}

void InsightsLifetimePresenter::update(const SubscriptionStore& store)
{
    const Calendar calendar = store.currentCalendar();
    const QList<LifetimeEntry> entries = store.lifetimeSpend();
    QList<LifetimeRow> rows;
    for (const LifetimeEntry& entry : entries.first(std::min<qsizetype>(entries.size(), m_limit))) {
        Subscription* subscription = entry.subscription;
        const bool archived = !subscription->isActive();
        const QString subtitle = lifetimeSubtitle(*subscription, calendar);
        const QString amount = MoneyFormatter::twoDecimals(entry.total, subscription->currencyCode());
        QStringList spoken{subscription->name()};
        if (archived) {
            //: Read out for an archived subscription in the lifetime spend list
            spoken << tr("Archived");
        }
        spoken << subtitle << amount;
        rows << LifetimeRow{subscription->id().toString(QUuid::WithoutBraces),
                            subscription,
                            subscription->name(),
                            subtitle,
                            amount,
                            archived,
                            spoken.join(u", ")};
    }
    m_rows->setRows(rows);
}

}  // namespace tabrino
