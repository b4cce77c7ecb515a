// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "ui/insights/InsightsPresenter.h"

#include <QString>

namespace tabrino {

// One subscription's line of InsightsLifetimePresenter; its properties are
// the roles of its rows.
struct LifetimeRow {
    Q_GADGET
    Q_PROPERTY(tabrino::Subscription* subscription MEMBER subscription)
    Q_PROPERTY(QString name MEMBER name)
    Q_PROPERTY(QString subtitle MEMBER subtitle)
    // In the subscription's own currency.
    Q_PROPERTY(QString amountText MEMBER amountText)
    Q_PROPERTY(bool isArchived MEMBER isArchived)
    Q_PROPERTY(QString accessibilityText MEMBER accessibilityText)

public:
    QString key;
    Subscription* subscription = nullptr;
    QString name;
    QString subtitle;
    QString amountText;
    bool isArchived = false;
    QString accessibilityText;

    friend bool operator==(const LifetimeRow&, const LifetimeRow&) = default;
};

// The lifetime list: the first `limit` of the store's lifetime entries,
// archived ones included.
class InsightsLifetimePresenter : public tabrino::InsightsPresenter {
    Q_OBJECT
    QML_ELEMENT
    Q_PROPERTY(int limit READ limit WRITE setLimit NOTIFY limitChanged)
    Q_PROPERTY(bool isEmpty READ isEmpty NOTIFY textsChanged)

public:
    explicit InsightsLifetimePresenter(QObject* parent = nullptr);

    InsightsRows<LifetimeRow>* rows() const { return m_rows; }
    InsightsRowsModel* rowsModel() const override { return m_rows; }

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
    InsightsRows<LifetimeRow>* const m_rows;
    int m_limit = 10;
};

}  // namespace tabrino
