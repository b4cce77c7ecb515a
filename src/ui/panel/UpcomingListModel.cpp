#include "ui/panel/UpcomingListModel.h"

#include "model/Subscription.h"
#include "store/SubscriptionStore.h"

#include <QSet>

namespace tabrino {

void UpcomingListModel::setStore(SubscriptionStore* store)
{
    if (m_store == store)
        return;
    if (m_store)
        disconnect(m_store, nullptr, this, nullptr);
    m_store = store;
    if (store)
        connect(store, &SubscriptionStore::figuresChanged, this, &UpcomingListModel::sync);
    sync();
    Q_EMIT storeChanged();
}

int UpcomingListModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : count();
}

QVariant UpcomingListModel::data(const QModelIndex& index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid))
        return {};
    Subscription* subscription = m_rows.at(index.row());
    switch (role) {
    case SubscriptionRole:
        return QVariant::fromValue(subscription);
    case IdRole:
        return subscription->id();
    case Qt::DisplayRole:
        return subscription->name();
    default:
        return {};
    }
}

QHash<int, QByteArray> UpcomingListModel::roleNames() const
{
    return {{SubscriptionRole, "subscription"}, {IdRole, "id"}, {Qt::DisplayRole, "display"}};
}

void UpcomingListModel::sync()
{
    const QList<Subscription*> target = m_store ? m_store->upcoming() : QList<Subscription*>();
    if (target == m_rows)
        return;
    const int before = count();
    // The context keeps one object per id for its whole life, so a record's
    // address stands for its id.
    const QSet<Subscription*> wanted(target.begin(), target.end());
    for (qsizetype row = m_rows.size() - 1; row >= 0; --row) {
        if (!wanted.contains(m_rows.at(row))) {
            beginRemoveRows({}, int(row), int(row));
            m_rows.removeAt(row);
            endRemoveRows();
        }
    }
    // Now every row is wanted; walk the target, moving or inserting each
    // record into place.
    for (qsizetype position = 0; position < target.size(); ++position) {
        Subscription* record = target.at(position);
        if (position < m_rows.size() && m_rows.at(position) == record)
            continue;
        const qsizetype from = m_rows.indexOf(record, position);
        if (from >= 0) {
            beginMoveRows({}, int(from), int(from), {}, int(position));
            m_rows.move(from, position);
            endMoveRows();
        } else {
            beginInsertRows({}, int(position), int(position));
            m_rows.insert(position, record);
            endInsertRows();
        }
    }
    if (count() != before)
        Q_EMIT countChanged();
}

}  // namespace tabrino
