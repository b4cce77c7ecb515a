// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "ui/design/KeyedListModel.h"

#include <QList>
#include <QMetaObject>
#include <QVariantMap>
#include <QtQml/qqmlregistration.h>

namespace tabrino {

// The rows of one insights block (cards, slices, bars, lifetime entries) as
// QML sees them: one role per Q_PROPERTY of the block's row type, named after
// it, so the roles are the row's declaration and cannot drift from it.
// Values that differ in a kept row are a data change of just those roles,
// so its delegate updates in place.
class InsightsRowsModel : public tabrino::KeyedListModel {
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("Each insights presenter owns its rows.")
    Q_PROPERTY(int count READ count NOTIFY countChanged)

public:
    virtual int count() const = 0;
    virtual void clear() = 0;

    // One row's values by role name.
    Q_INVOKABLE QVariantMap get(int row) const;

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QHash<int, QByteArray> roleNames() const override;

Q_SIGNALS:
    void countChanged();

protected:
    InsightsRowsModel(const QMetaObject& rowType, QObject* parent);

    // The row at `position`, a value of the row type.
    virtual const void* rowAt(int position) const = 0;
    // The roles whose values differ between two values of the row type.
    QList<int> changedRoles(const void* before, const void* after) const;

private:
    const QMetaObject& m_rowType;
};

// The rows of a block whose row type `Row` is a Q_GADGET with a `key` member
// (unique within a list) and its roles as Q_PROPERTYs.
template <typename Row>
class InsightsRows final : public InsightsRowsModel {
public:
    explicit InsightsRows(QObject* parent = nullptr) : InsightsRowsModel(Row::staticMetaObject, parent) {}

    int count() const override { return int(m_rows.size()); }
    void clear() override { setRows({}); }
    const QList<Row>& rows() const { return m_rows; }

    void setRows(const QList<Row>& rows)
    {
        if (rows == m_rows)
            return;
        const int before = count();
        placeRows(m_rows, rows, [](const Row& row) { return row.key; });
        for (qsizetype position = 0; position < rows.size(); ++position) {
            const QList<int> roles = changedRoles(&m_rows.at(position), &rows.at(position));
            m_rows[position] = rows.at(position);
            if (roles.isEmpty())
                continue;
            const QModelIndex changed = index(int(position));
            Q_EMIT dataChanged(changed, changed, roles);
        }
        if (count() != before)
            Q_EMIT countChanged();
    }

protected:
    const void* rowAt(int position) const override { return &m_rows.at(position); }

private:
    QList<Row> m_rows;
};

}  // namespace tabrino
