// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "ui/insights/InsightsPresenter.h"

#include <QString>

namespace tabrino {

// The lifetime list: the first `limit` of the store's lifetime entries,
// archived ones included. Rows: subscription, name, subtitle, amountText
// (in the subscription's own currency), isArchived, accessibilityText.
class InsightsLifetimePresenter : public tabrino::InsightsPresenter {
    Q_OBJECT
    QML_ELEMENT
    Q_PROPERTY(int limit READ limit WRITE setLimit NOTIFY limitChanged)
    Q_PROPERTY(bool isEmpty READ isEmpty NOTIFY textsChanged)

public:
    explicit InsightsLifetimePresenter(QObject* parent = nullptr);

    int limit() const { return m_limit; }
    void setLimit(int limit);
    bool isEmpty() const { return rows()->count() == 0; }

    // "ended Mar 2026" for an archived subscription with its archive date,
    // otherwise "since " and the month billing started.
    static QString lifetimeSubtitle(const Subscription& subscription, const Calendar& calendar,
                                    const QString& localeId = QString());

Q_SIGNALS:
    void limitChanged();

protected:
    void update(const SubscriptionStore& store) override;

private:
    int m_limit = 10;
};

}  // namespace tabrino
