// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/insights/InsightsRowsModel.h"

#include <QMetaProperty>

namespace tabrino {

InsightsRowsModel::InsightsRowsModel(const QMetaObject& rowType, QObject* parent)
    : KeyedListModel(parent)
    , m_rowType(rowType)
{
}

int InsightsRowsModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : count();
}

QVariant InsightsRowsModel::data(const QModelIndex& index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid))
        return {};
    const int property = role - Qt::UserRole;
    if (property < 0 || property >= m_rowType.propertyCount())
        return {};
    return m_rowType.property(property).readOnGadget(rowAt(index.row()));
}

QHash<int, QByteArray> InsightsRowsModel::roleNames() const
{
    QHash<int, QByteArray> names;
    for (int property = 0; property < m_rowType.propertyCount(); ++property)
        names.insert(Qt::UserRole + property, m_rowType.property(property).name());
    return names;
}

QVariantMap InsightsRowsModel::get(int row) const
{
    QVariantMap values;
    if (row < 0 || row >= count())
        return values;
    for (int property = 0; property < m_rowType.propertyCount(); ++property) {
        const QMetaProperty meta = m_rowType.property(property);
        values.insert(QString::fromLatin1(meta.name()), meta.readOnGadget(rowAt(row)));
    }
    return values;
}

QList<int> InsightsRowsModel::changedRoles(const void* before, const void* after) const
{
    QList<int> roles;
    for (int property = 0; property < m_rowType.propertyCount(); ++property) {
        const QMetaProperty meta = m_rowType.property(property);
        if (meta.readOnGadget(before) != meta.readOnGadget(after))
            roles << Qt::UserRole + property;
    }
    return roles;
}

}  // namespace tabrino
