#include "ui/editing/ArchivedListModel.h"

namespace tabrino {

void ArchivedListModel::setStore(SubscriptionStore* store)
{
    if (m_store == store)
        return;
    if (m_store)
        disconnect(m_store, nullptr, this, nullptr);
    m_store = store;
    if (store)
        connect(store, &SubscriptionStore::archivedChanged, this, &ArchivedListModel::sync);
    sync();
    Q_EMIT storeChanged();
}

int ArchivedListModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : count();
}

QVariant ArchivedListModel::data(const QModelIndex& index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid))
        return {};
    Subscription* subscription = m_rows.at(index.row());
    if (role == SubscriptionRole)
        return QVariant::fromValue(subscription);
    if (role == Qt::DisplayRole)
        return subscription->name();
    return {};
}

QHash<int, QByteArray> ArchivedListModel::roleNames() const
{
    return {{SubscriptionRole, "subscription"}, {Qt::DisplayRole, "display"}};
}

void ArchivedListModel::sync()
{
    const int before = count();
    // A record's address is its identity: the context keeps one per id.
    placeRows(m_rows, m_store ? m_store->archived() : QList<Subscription*>(), [](Subscription* row) { return row; });
    if (count() != before)
        Q_EMIT countChanged();
}

}  // namespace tabrino
