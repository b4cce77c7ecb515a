#pragma once

#include "model/Subscription.h"
#include "store/SubscriptionStore.h"
#include "ui/design/KeyedListModel.h"

#include <QList>
#include <QPointer>
#include <QtQml/qqmlregistration.h>

namespace tabrino {

// The archived subscriptions of the settings screen, most recently archived
// first, as the store lists them. A restore or a delete removes its row and
// an archive made meanwhile inserts one, never a reset, so the other rows
// keep their delegates while the leaving one animates out.
class ArchivedListModel : public tabrino::KeyedListModel {
    Q_OBJECT
    QML_ELEMENT
    Q_PROPERTY(tabrino::SubscriptionStore* store READ store WRITE setStore NOTIFY storeChanged)
    Q_PROPERTY(int count READ count NOTIFY countChanged)

public:
    enum Role { SubscriptionRole = Qt::UserRole + 1 };

    using KeyedListModel::KeyedListModel;

    SubscriptionStore* store() const { return m_store; }
    void setStore(SubscriptionStore* store);
    int count() const { return static_cast<int>(m_rows.size()); }

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QHash<int, QByteArray> roleNames() const override;

Q_SIGNALS:
    void storeChanged();
    void countChanged();

private:
    void sync();

    QPointer<SubscriptionStore> m_store;
    QList<Subscription*> m_rows;
};

}  // namespace tabrino
