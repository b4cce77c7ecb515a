// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "foundation/OptionalVariant.h"
#include "store/ColumnType.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <QVariant>

#include <functional>

namespace tabrino {

class PersistentRecord;

struct Column {
    QString name;
    ColumnType type;
    bool optional = false;
    // The schema version that added the column; files of earlier versions
    // get it, empty, when they are migrated (so it must be optional).
    int sinceVersion = 1;
};

// How one record type maps onto one table. Column 0 is the record's unique
// key: it identifies a record across fetches and saves.
struct RecordSchema {
    QString table;
    QList<Column> columns;
    // An empty record carrying `key`, to be filled column by column.
    std::function<PersistentRecord*(const QVariant& key)> create;
    std::function<QVariant(const PersistentRecord&, qsizetype column)> read;
    std::function<void(PersistentRecord&, qsizetype column, const QVariant& value)> write;

    QString keyOf(const PersistentRecord& record) const { return keyText(read(record, 0), columns[0].type); }
    QString createTableSql() const;
    // Adds the columns of `version` to a table of the version before it.
    QStringList addColumnsSql(int version) const;
    QString upsertSql() const;
    QString selectSql() const;
    QString deleteSql() const;
};

// The schema of each record type, found by type.
template <typename T>
const RecordSchema& schemaOf();

class Subscription;
class MonthlySnapshot;
template <>
const RecordSchema& schemaOf<Subscription>();
template <>
const RecordSchema& schemaOf<MonthlySnapshot>();

}  // namespace tabrino

namespace tabrino {

// One attribute of record type R and its column.
template <typename R>
struct Attribute {
    Column column;
    std::function<QVariant(const R&)> get;
    std::function<void(R&, const QVariant&)> set;
};

template <typename R>
RecordSchema makeSchema(const QString& table, const QList<Attribute<R>>& attributes,
                        std::function<R*(const QVariant& key)> create)
{
    RecordSchema schema;
    schema.table = table;
    for (const Attribute<R>& attribute : attributes)
        schema.columns << attribute.column;
    schema.create = [create](const QVariant& key) -> PersistentRecord* { return create(key); };
    schema.read = [attributes](const PersistentRecord& record, qsizetype column) {
        return attributes[column].get(static_cast<const R&>(record));
    };
    schema.write = [attributes](PersistentRecord& record, qsizetype column, const QVariant& value) {
        attributes[column].set(static_cast<R&>(record), value);
    };
    return schema;
}

}  // namespace tabrino
