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
    const QList<Subscription*> target = m_store ? m_store->archived() : QList<Subscription*>();
    const int before = count();
    // Rows that left, last first so the indexes ahead stay valid; then the
    // target walked from the top, each record moved or inserted into place.
    // A record's address is its identity: the context keeps one per id.
    for (qsizetype row = m_rows.size() - 1; row >= 0; --row) {
        if (!target.contains(m_rows.at(row))) {
            beginRemoveRows({}, int(row), int(row));
            m_rows.removeAt(row);
            endRemoveRows();
        }
    }
    for (qsizetype at = 0; at < target.size(); ++at) {
        if (at < m_rows.size() && m_rows.at(at) == target.at(at))
            continue;
        const qsizetype from = m_rows.indexOf(target.at(at), at);
        if (from < 0) {
            beginInsertRows({}, int(at), int(at));
            m_rows.insert(at, target.at(at));
            endInsertRows();
        } else {
            beginMoveRows({}, int(from), int(from), {}, int(at));
            m_rows.move(from, at);
            endMoveRows();
        }
    }
    if (count() != before)
        Q_EMIT countChanged();
}

}  // namespace tabrino
