// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/insights/InsightsRowsModel.h"

namespace tabrino {

namespace {

constexpr int kKeyRole = Qt::UserRole;

}  // namespace

InsightsRowsModel::InsightsRowsModel(const QByteArrayList& roleNames, QObject* parent)
    : KeyedListModel(parent)
    , m_roleNames(roleNames)
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
    const Row& row = m_rows.at(index.row());
    if (role == kKeyRole)
        return row.key;
    const int value = role - kKeyRole - 1;
    return value >= 0 && value < row.values.size() ? row.values.at(value) : QVariant();
}

QHash<int, QByteArray> InsightsRowsModel::roleNames() const
{
    QHash<int, QByteArray> names{{kKeyRole, "key"}};
    for (qsizetype i = 0; i < m_roleNames.size(); ++i)
        names.insert(kKeyRole + 1 + int(i), m_roleNames.at(i));
    return names;
}

QVariantMap InsightsRowsModel::get(int row) const
{
    QVariantMap values;
    if (row < 0 || row >= count())
        return values;
    const QHash<int, QByteArray> names = roleNames();
    for (auto it = names.begin(); it != names.end(); ++it)
        values.insert(QString::fromLatin1(it.value()), data(index(row), it.key()));
    return values;
}

void InsightsRowsModel::setRows(const QList<Row>& rows)
{
    if (rows == m_rows)
        return;
    const int before = count();
    placeRows(m_rows, rows, [](const Row& row) { return row.key; });
    updateValues(rows);
    if (count() != before)
        Q_EMIT countChanged();
}

void InsightsRowsModel::updateValues(const QList<Row>& target)
{
    for (qsizetype position = 0; position < target.size(); ++position) {
        Row& row = m_rows[position];
        const QVariantList& values = target.at(position).values;
        if (row.values == values)
            continue;
        QList<int> roles;
        for (qsizetype i = 0; i < values.size(); ++i) {
            if (i >= row.values.size() || row.values.at(i) != values.at(i))
                roles << kKeyRole + 1 + int(i);
        }
        row.values = values;
        const QModelIndex changed = index(int(position));
        Q_EMIT dataChanged(changed, changed, roles);
    }
}

}  // namespace tabrino
