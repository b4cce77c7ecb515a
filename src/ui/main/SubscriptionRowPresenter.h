// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "model/Subscription.h"
#include "store/SubscriptionStore.h"

#include <QColor>
#include <QDateTime>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QtQml/qqmlregistration.h>

namespace tabrino {

// The texts, colours and quick actions of one subscription row.
class SubscriptionRowPresenter : public QObject {
    Q_OBJECT
    QML_ELEMENT
    Q_PROPERTY(tabrino::Subscription* subscription READ subscription WRITE setSubscription NOTIFY inputsChanged)
    Q_PROPERTY(tabrino::SubscriptionStore* store READ store WRITE setStore NOTIFY inputsChanged)
    Q_PROPERTY(QDateTime now READ now WRITE setNow NOTIFY inputsChanged)

    Q_PROPERTY(QString priceText READ priceText NOTIFY textsChanged)
    Q_PROPERTY(QString cycleText READ cycleText NOTIFY textsChanged)
    Q_PROPERTY(QString subtitle READ subtitle NOTIFY textsChanged)
    Q_PROPERTY(QString dueText READ dueText NOTIFY textsChanged)
    Q_PROPERTY(QColor dueColor READ dueColor NOTIFY textsChanged)
    Q_PROPERTY(bool showsTrialBadge READ showsTrialBadge NOTIFY textsChanged)
    Q_PROPERTY(QString accessibilityText READ accessibilityText NOTIFY textsChanged)
    // The context menu: the trial entry's title, and whether the
    // cancellation page can be offered.
    Q_PROPERTY(QString trialActionText READ trialActionText NOTIFY textsChanged)
    Q_PROPERTY(bool offersCancellationPage READ offersCancellationPage NOTIFY textsChanged)

public:
    using QObject::QObject;

    Subscription* subscription() const { return m_subscription; }
    void setSubscription(Subscription* subscription);
    SubscriptionStore* store() const { return m_store; }
    void setStore(SubscriptionStore* store);
    QDateTime now() const { return m_now; }
    void setNow(const QDateTime& now);

    // The user's share of one charge in the subscription's own currency.
    QString priceText() const;
    QString cycleText() const;
    // "Streaming", or "Streaming · shared 50%".
    QString subtitle() const;
    // "Converts in 4 days", "Converted", or the renewal countdown.
    QString dueText() const;
    QColor dueColor() const;
    bool showsTrialBadge() const;
    // "Netflix, $9.99 per month, Streaming. Renews in 4 days."
    QString accessibilityText() const;
    QString trialActionText() const;
    bool offersCancellationPage() const;

    // "Mark as Trial" (the trial ends on the next billing date) or "End
    // Trial — Keep Subscription"; saved at once, the billing date unchanged.
    Q_INVOKABLE void toggleTrial();
    Q_INVOKABLE bool openCancellationPage() const;
    Q_INVOKABLE void archive();

Q_SIGNALS:
    void inputsChanged();
    void textsChanged();

private:
    bool ready() const;
    Calendar calendar() const;
    // The spoken sentence on the next charge, or the trial's end; needs ready().
    QString spokenDue() const;

    QPointer<Subscription> m_subscription;
    QPointer<SubscriptionStore> m_store;
    QDateTime m_now;
};

}  // namespace tabrino
