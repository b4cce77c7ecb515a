// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QAbstractListModel>
#include <QList>
#include <QSet>
#include <QtQml/qqmlregistration.h>

#include <type_traits>

namespace tabrino {

// A list model whose rows each have a key. A new list is applied as removes,
// inserts and moves of the keys that went, came or moved, never as a reset,
// so views keep their delegates and play their transitions.
class KeyedListModel : public QAbstractListModel {
    Q_OBJECT
    QML_ANONYMOUS

protected:
    using QAbstractListModel::QAbstractListModel;

    // Brings `rows` in line with `target`, matching rows by `keyOf(row)`
    // (unique within a list). A kept row keeps its old value, for the caller
    // to compare with the target's.
    template <typename Row, typename KeyOf>
    void placeRows(QList<Row>& rows, const QList<Row>& target, KeyOf keyOf)
    {
        using Key = std::decay_t<decltype(keyOf(std::declval<const Row&>()))>;
        QSet<Key> wanted;
        for (const Row& row : target)
            wanted.insert(keyOf(row));
        for (qsizetype position = rows.size() - 1; position >= 0; --position) {
            if (!wanted.contains(keyOf(rows.at(position)))) {
                beginRemoveRows({}, int(position), int(position));
                rows.removeAt(position);
                endRemoveRows();
            }
        }
        // Every remaining row is wanted: walk the target, moving each key
        // into place or inserting it.
        for (qsizetype position = 0; position < target.size(); ++position) {
            const Key key = keyOf(target.at(position));
            if (position < rows.size() && keyOf(rows.at(position)) == key)
                continue;
            qsizetype from = -1;
            for (qsizetype i = position + 1; i < rows.size() && from < 0; ++i)
                from = keyOf(rows.at(i)) == key ? i : -1;
            if (from >= 0) {
                beginMoveRows({}, int(from), int(from), {}, int(position));
                rows.move(from, position);
                endMoveRows();
            } else {
                beginInsertRows({}, int(position), int(position));
                rows.insert(position, target.at(position));
                endInsertRows();
            }
        }
    }

    // placeRows, then each kept row that differs from the target's takes
    // its value and reports the change.
    template <typename Row, typename KeyOf>
    void updateRows(QList<Row>& rows, const QList<Row>& target, KeyOf keyOf)
    {
        placeRows(rows, target, keyOf);
        for (qsizetype position = 0; position < rows.size(); ++position) {
            if (rows.at(position) == target.at(position))
                continue;
            rows[position] = target.at(position);
            Q_EMIT dataChanged(index(int(position)), index(int(position)));
        }
    }
};

}  // namespace tabrino
