// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "store/ModelContext.h"

#include "foundation/Logging.h"
#include "store/SqliteDatabase.h"
#include "store/SqliteStatement.h"

#include <algorithm>

namespace tabrino {

ModelContext::ModelContext(SqliteDatabase& database, QObject* parent) : QObject(parent), m_database(database)
{
}

ModelContext::~ModelContext() = default;

std::optional<QList<PersistentRecord*>> ModelContext::fetchAll(const RecordSchema& schema)
{
    const auto unreadable = [&] {
        qCWarning(lcStore).noquote() << "Couldn't read" << schema.table
                                     << "from the data file:" << m_database.lastError();
        return std::nullopt;
    };
    std::unique_ptr<SqliteStatement> query = m_database.prepare(schema.selectSql());
    if (!query)
        return unreadable();
    Table& table = m_tables[&schema];
    QList<PersistentRecord*> result;
    // One key spelt twice (a hand-edited file may differ in letter case)
    // names one record: the first row counts, the other stays in the file.
    QSet<QString> seen;
    for (;;) {
        const SqliteStatement::Step step = query->step();
        if (step == SqliteStatement::Step::Error)
            return unreadable();
        if (step == SqliteStatement::Step::Done)
            break;
        // A damaged row is passed over: it is never loaded, so it is never
        // written back either, and the file keeps it as it is.
        const std::optional<QVariant> key = query->value(0, schema.columns[0].type);
        if (!key || key->isNull())
            continue;
        const QString keyText = tabrino::keyText(*key, schema.columns[0].type);
        if (seen.contains(keyText))
            continue;
        PersistentRecord* record = table.stored.value(keyText);
        // A record already in memory is newer than or equal to its row.
        if (!record) {
            record = readRow(schema, *query);
            if (!record)
                continue;
            table.stored.insert(keyText, record);
            if (const QString rowKey = query->text(0); rowKey != keyText)
                table.rowKeys.insert(keyText, rowKey);
        }
        seen.insert(keyText);
        if (!table.removed.contains(record))
            result << record;
    }
    for (PersistentRecord* record : std::as_const(table.inserted)) {
        if (!result.contains(record))
            result << record;
    }
    return result;
}

PersistentRecord* ModelContext::readRow(const RecordSchema& schema, SqliteStatement& row)
{
    std::unique_ptr<PersistentRecord> record(schema.create(*row.value(0, schema.columns[0].type)));
    for (qsizetype i = 1; i < schema.columns.size(); ++i) {
        const Column& column = schema.columns[i];
        const std::optional<QVariant> value = row.value(static_cast<int>(i), column.type);
        if (!value || (value->isNull() && !column.optional))
            return nullptr;  // a damaged cell: refuse the row rather than guess
        schema.write(*record, i, *value);
    }
    record->markSaved();
    record->setParent(this);
    return record.release();
}

void ModelContext::insertRecord(const RecordSchema& schema, PersistentRecord* record)
{
    Table& table = m_tables[&schema];
    record->setParent(this);
    if (table.removed.removeOne(record))
        return;  // a removal undone before it was saved
    const bool stored = std::find(table.stored.cbegin(), table.stored.cend(), record) != table.stored.cend();
    if (!stored && !table.inserted.contains(record))
        table.inserted << record;
}

void ModelContext::removeRecord(const RecordSchema& schema, PersistentRecord* record)
{
    Table& table = m_tables[&schema];
    if (table.inserted.removeOne(record))
        return;  // never written
    if (table.stored.value(schema.keyOf(*record)) == record && !table.removed.contains(record))
        table.removed << record;
}

bool ModelContext::hasChanges() const
{
    for (const Table& table : m_tables) {
        if (!table.inserted.isEmpty() || !table.removed.isEmpty())
            return true;
        for (const PersistentRecord* record : table.stored) {
            if (record->hasUnsavedChanges())
                return true;
        }
    }
    return false;
}

bool ModelContext::writeTable(const RecordSchema& schema, Table& table)
{
    if (!table.removed.isEmpty()) {
        std::unique_ptr<SqliteStatement> remove = m_database.prepare(schema.deleteSql());
        if (!remove)
            return false;
        for (const PersistentRecord* record : std::as_const(table.removed)) {
            if (!bindKey(*remove, 1, schema, table, *record) || remove->step() != SqliteStatement::Step::Done
                || !remove->reset())
                return false;
        }
    }
    QList<PersistentRecord*> writes = table.inserted;
    for (PersistentRecord* record : std::as_const(table.stored)) {
        if (record->hasUnsavedChanges() && !table.removed.contains(record))
            writes << record;
    }
    if (writes.isEmpty())
        return true;
    std::unique_ptr<SqliteStatement> upsert = m_database.prepare(schema.upsertSql());
    if (!upsert)
        return false;
    for (const PersistentRecord* record : std::as_const(writes)) {
        if (!bindKey(*upsert, 1, schema, table, *record))
            return false;
        for (qsizetype i = 1; i < schema.columns.size(); ++i) {
            if (!upsert->bind(static_cast<int>(i + 1), schema.read(*record, i), schema.columns[i].type))
                return false;
        }
        if (upsert->step() != SqliteStatement::Step::Done || !upsert->reset())
            return false;
    }
    return true;
}

bool ModelContext::bindKey(SqliteStatement& statement, int index, const RecordSchema& schema, const Table& table,
                           const PersistentRecord& record) const
{
    const auto rowKey = table.rowKeys.constFind(schema.keyOf(record));
    if (rowKey != table.rowKeys.cend())
        return statement.bind(index, *rowKey, ColumnType::Text);
    return statement.bind(index, schema.read(record, 0), schema.columns[0].type);
}

void ModelContext::commitTable(const RecordSchema& schema, Table& table)
{
    for (PersistentRecord* record : std::as_const(table.removed)) {
        table.stored.remove(schema.keyOf(*record));
        table.rowKeys.remove(schema.keyOf(*record));
    }
    for (PersistentRecord* record : std::as_const(table.inserted))
        table.stored.insert(schema.keyOf(*record), record);  // replaces a record with the same key
    for (PersistentRecord* record : std::as_const(table.stored))
        record->markSaved();
    for (PersistentRecord* record : std::as_const(table.inserted))
        record->markSaved();
    table.inserted.clear();
    table.removed.clear();
}

bool ModelContext::save()
{
    const QString failure = hasChanges() ? writeChanges() : QString();
    setSaveFailure(failure);
    return failure.isEmpty();
}

QString ModelContext::writeChanges()
{
    if (!m_database.execute(QStringLiteral("BEGIN IMMEDIATE")))
        return m_database.lastError();
    const auto rollBack = [this] {
        // The reason is read before the rollback replaces it.
        const QString failure = m_database.lastError();
        m_database.execute(QStringLiteral("ROLLBACK"));
        return failure;
    };
    for (auto it = m_tables.begin(); it != m_tables.end(); ++it) {
        if (!writeTable(*it.key(), it.value()))
            return rollBack();
    }
    if (!m_database.execute(QStringLiteral("COMMIT")))
        return rollBack();
    for (auto it = m_tables.begin(); it != m_tables.end(); ++it)
        commitTable(*it.key(), it.value());
    return {};
}

void ModelContext::setSaveFailure(const QString& failure)
{
    if (failure == m_saveFailure)
        return;
    if (!failure.isEmpty())
        qCWarning(lcStore).noquote() << "Couldn't save changes, kept to try again:" << failure;
    else
        qCInfo(lcStore) << "Changes kept after a failed save are saved now.";
    m_saveFailure = failure;
    Q_EMIT saveFailureChanged();
}

QList<PersistentRecord*> ModelContext::pendingRecords(const RecordSchema& schema) const
{
    const auto table = m_tables.constFind(&schema);
    if (table == m_tables.cend())
        return {};
    QList<PersistentRecord*> result = table->inserted + table->removed;
    for (PersistentRecord* record : table->stored) {
        if (record->hasUnsavedChanges() && !result.contains(record))
            result << record;
    }
    return result;
}

}  // namespace tabrino
