// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "model/Subscription.h"
#include "store/SubscriptionStore.h"
#include "ui/design/KeyedListModel.h"

#include <QList>
#include <QPointer>
#include <QtQml/qqmlregistration.h>

namespace tabrino {

// One of the store's lists of subscriptions as a list model keyed by record:
// each change of the list arrives as row moves, inserts and removes. A
// subclass says which list and which of the store's signals announce it.
class SubscriptionListModel : public tabrino::KeyedListModel {
    Q_OBJECT
    QML_ANONYMOUS
    Q_PROPERTY(tabrino::SubscriptionStore* store READ store WRITE setStore NOTIFY storeChanged)
    Q_PROPERTY(int count READ count NOTIFY countChanged)

public:
    enum Role { SubscriptionRole = Qt::UserRole + 1, IdRole };

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

protected:
    using KeyedListModel::KeyedListModel;

    virtual QList<Subscription*> listOf(const SubscriptionStore& store) const = 0;
    // Calls sync() whenever `store` announces a change of the list.
    virtual void watch(SubscriptionStore& store) = 0;

private:
    QPointer<SubscriptionStore> m_store;
    QList<Subscription*> m_rows;
};

}  // namespace tabrino
