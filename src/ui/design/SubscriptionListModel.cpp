// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/design/SubscriptionListModel.h"

namespace tabrino {

void SubscriptionListModel::setStore(SubscriptionStore* store)
{
    if (m_store == store)
        return;
    if (m_store)
        disconnect(m_store, nullptr, this, nullptr);
    m_store = store;
    if (store)
        watch(*store);
    sync();
    Q_EMIT storeChanged();
}

int SubscriptionListModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : count();
}

QVariant SubscriptionListModel::data(const QModelIndex& index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid))
        return {};
    Subscription* subscription = m_rows.at(index.row());
    switch (role) {
    case SubscriptionRole: return QVariant::fromValue(subscription);
    case IdRole: return subscription->id();
    case Qt::DisplayRole: return subscription->name();
    default: return {};
    }
}

QHash<int, QByteArray> SubscriptionListModel::roleNames() const
{
    return {{SubscriptionRole, "subscription"}, {IdRole, "id"}, {Qt::DisplayRole, "display"}};
}

void SubscriptionListModel::sync()
{
    const QList<Subscription*> target = m_store ? listOf(*m_store) : QList<Subscription*>();
    if (target == m_rows)
        return;
    const int before = count();
    // The context keeps one object per id for its whole life, so a record's
    // address stands for its id.
    placeRows(m_rows, target, [](Subscription* record) { return record; });
    if (count() != before)
        Q_EMIT countChanged();
}

}  // namespace tabrino
