// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "store/RecordSchema.h"

#include <QStringList>

namespace tabrino {

namespace {
QStringList columnNames(const RecordSchema& schema)
{
    QStringList names;
    for (const Column& column : schema.columns)
        names << u'"' + column.name + u'"';
    return names;
}

QString columnDefinition(const Column& column, bool isKey)
{
    QString definition = u'"' + column.name + u"\" "_qs + sqlTypeName(column.type);
    if (!column.optional)
        definition += u" NOT NULL"_qs;
    if (isKey)
        definition += u" UNIQUE"_qs;
    return definition;
}
}  // namespace

QString RecordSchema::createTableSql() const
{
    QStringList definitions;
    for (qsizetype i = 0; i < columns.size(); ++i)
        definitions << columnDefinition(columns[i], i == 0);
    return u"CREATE TABLE \""_qs + table + u"\" ("_qs + definitions.join(u", "_qs) + u')';
}

QStringList RecordSchema::addColumnsSql(int version) const
{
    QStringList statements;
    for (const Column& column : columns) {
        if (column.sinceVersion == version)
            statements << u"ALTER TABLE \""_qs + table + u"\" ADD COLUMN "_qs + columnDefinition(column, false);
    }
    return statements;
}

QString RecordSchema::upsertSql() const
{
    const QStringList names = columnNames(*this);
    QStringList placeholders;
    QStringList updates;
    for (qsizetype i = 0; i < names.size(); ++i) {
        placeholders << QStringLiteral("?");
        if (i > 0)
            updates << names[i] + u" = excluded."_qs + names[i];
    }
    return u"INSERT INTO \""_qs + table + u"\" ("_qs + names.join(u", "_qs) + u") VALUES ("_qs
        + placeholders.join(u", "_qs) + u") ON CONFLICT("_qs + names[0] + u") DO UPDATE SET "_qs
        + updates.join(u", "_qs);
}

QString RecordSchema::selectSql() const
{
    return u"SELECT "_qs + columnNames(*this).join(u", "_qs) + u" FROM \""_qs + table + u"\" ORDER BY rowid"_qs;
}

QString RecordSchema::deleteSql() const
{
    return u"DELETE FROM \""_qs + table + u"\" WHERE \""_qs + columns[0].name + u"\" = ?"_qs;
}

}  // namespace tabrino
