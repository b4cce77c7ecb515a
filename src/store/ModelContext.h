// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "model/PersistentRecord.h"
#include "store/RecordSchema.h"

#include <QHash>
#include <QList>
#include <QObject>
#include <QSet>

#include <algorithm>
#include <functional>
#include <optional>

namespace tabrino {

class SqliteDatabase;
class SqliteStatement;

template <typename T>
struct FetchDescriptor {
    std::function<bool(const T&)> predicate;           // all records when empty
    std::function<bool(const T&, const T&)> lessThan;  // stable order when given
};

// The working set of records over the database: fetch, insert, remove, save.
// It owns every record it hands out, and hands out one object per stored
// record, so a record fetched twice is the same object. Records that were
// removed or replaced stay alive until the context goes, so a list or a
// queued task that still holds one never holds a dangling pointer.
class ModelContext : public QObject {
    Q_OBJECT

public:
    explicit ModelContext(SqliteDatabase& database, QObject* parent = nullptr);
    ~ModelContext() override;

    // Stored records with unsaved changes applied: inserted ones included,
    // removed ones left out, damaged rows passed over. Absent when the
    // database cannot be read.
    template <typename T>
    std::optional<QList<T*>> fetch(const FetchDescriptor<T>& descriptor = {})
    {
        const std::optional<QList<PersistentRecord*>> all = fetchAll(schemaOf<T>());
        if (!all)
            return std::nullopt;
        QList<T*> result;
        for (PersistentRecord* record : *all) {
            T* typed = static_cast<T*>(record);
            if (!descriptor.predicate || descriptor.predicate(*typed))
                result << typed;
        }
        if (descriptor.lessThan) {
            std::stable_sort(result.begin(), result.end(),
                             [&](const T* a, const T* b) { return descriptor.lessThan(*a, *b); });
        }
        return result;
    }

    // Takes ownership; the record is written at the next save. A record whose
    // key is already stored replaces the stored one when saved.
    template <typename T>
    void insert(T* record)
    {
        insertRecord(schemaOf<T>(), record);
    }

    template <typename T>
    void remove(T* record)
    {
        removeRecord(schemaOf<T>(), record);
    }

    bool hasChanges() const;
    // Writes every pending change in one transaction. On failure nothing is
    // written, the changes stay pending and the next save retries them.
    bool save();
    // Why the last save failed while its changes are still pending; empty
    // once a save succeeds.
    QString saveFailure() const { return m_saveFailure; }

    // The records of a type with changes not yet written: inserted, edited
    // or removed.
    template <typename T>
    QList<T*> pending() const
    {
        QList<T*> result;
        for (PersistentRecord* record : pendingRecords(schemaOf<T>()))
            result << static_cast<T*>(record);
        return result;
    }

Q_SIGNALS:
    void saveFailureChanged();

private:
    struct Table {
        QHash<QString, PersistentRecord*> stored;  // key -> record, as last saved or read
        QList<PersistentRecord*> inserted;         // not yet saved
        QList<PersistentRecord*> removed;          // stored, deletion not yet saved
        // Key -> the key as its row spells it, where that differs (a
        // hand-edited file); writes address that row, not a new one.
        QHash<QString, QString> rowKeys;
    };

    std::optional<QList<PersistentRecord*>> fetchAll(const RecordSchema& schema);
    void insertRecord(const RecordSchema& schema, PersistentRecord* record);
    void removeRecord(const RecordSchema& schema, PersistentRecord* record);
    QList<PersistentRecord*> pendingRecords(const RecordSchema& schema) const;
    // Empty when every change was written, else SQLite's reason.
    QString writeChanges();
    void setSaveFailure(const QString& failure);
    bool writeTable(const RecordSchema& schema, Table& table);
    void commitTable(const RecordSchema& schema, Table& table);
    PersistentRecord* readRow(const RecordSchema& schema, SqliteStatement& row);
    bool bindKey(SqliteStatement& statement, int index, const RecordSchema& schema, const Table& table,
                 const PersistentRecord& record) const;

    SqliteDatabase& m_database;
    QHash<const RecordSchema*, Table> m_tables;
    QString m_saveFailure;
};

}  // namespace tabrino
