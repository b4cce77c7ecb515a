#pragma once

#include "model/Subscription.h"
#include "store/SubscriptionStore.h"
#include "ui/design/KeyedListModel.h"

#include <QList>
#include <QPointer>
#include <QtQml/qqmlregistration.h>

namespace tabrino {

// The subscription list: the store's `upcoming` order (earliest effective
// date first, ties in the store's order), keyed by record.
class UpcomingListModel : public tabrino::KeyedListModel {
    Q_OBJECT
    QML_ELEMENT
    Q_PROPERTY(tabrino::SubscriptionStore* store READ store WRITE setStore NOTIFY storeChanged)
    Q_PROPERTY(int count READ count NOTIFY countChanged)

public:
    enum Role { SubscriptionRole = Qt::UserRole + 1, IdRole };

    using KeyedListModel::KeyedListModel;

    SubscriptionStore* store() const { return m_store; }
    void setStore(SubscriptionStore* store);
    int count() const { return static_cast<int>(m_rows.size()); }

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QHash<int, QByteArray> roleNames() const override;

    // Brings the rows in line with the store's list.
    void sync();

Q_SIGNALS:
    void storeChanged();
    void countChanged();

private:
    QPointer<SubscriptionStore> m_store;
    QList<Subscription*> m_rows;
};

}  // namespace tabrino
