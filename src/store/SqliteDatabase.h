// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

#include <memory>

struct sqlite3;

namespace tabrino {

class SqliteStatement;

// One open SQLite connection.
class SqliteDatabase {
public:
    enum class Access {
        // Reads the file alone, without locks and without looking for a
        // journal or a log; creates nothing beside it. Only for a file that
        // has neither and that nothing writes meanwhile.
        Immutable,
        // Never changes the file: neither rolls back a hot journal nor
        // checkpoints or removes a leftover write-ahead log.
        ReadOnly,
        // Refused when SQLite could only open the file for reading.
        ReadWrite,
    };

    // Opens an existing file; never creates one.
    static std::unique_ptr<SqliteDatabase> open(const QString& path, QString* error, Access access = Access::ReadWrite);
    ~SqliteDatabase();
    SqliteDatabase(const SqliteDatabase&) = delete;
    SqliteDatabase& operator=(const SqliteDatabase&) = delete;

    bool execute(const QString& sql);
    // The first column of the first row, as text; empty on failure.
    QString queryText(const QString& sql);
    std::unique_ptr<SqliteStatement> prepare(const QString& sql);
    QString lastError() const;
    // SQLite's extended result code of the last failure.
    int lastErrorCode() const;

private:
    explicit SqliteDatabase(sqlite3* handle) : m_handle(handle) {}
    sqlite3* m_handle;
};

}  // namespace tabrino
