#pragma once

#include <QString>

#include <memory>

struct sqlite3;

namespace tabrino {

class SqliteStatement;

// One open SQLite connection.
class SqliteDatabase {
public:
    // Opens an existing file read-write; never creates one.
    static std::unique_ptr<SqliteDatabase> open(const QString& path, QString* error);
    ~SqliteDatabase();
    SqliteDatabase(const SqliteDatabase&) = delete;
    SqliteDatabase& operator=(const SqliteDatabase&) = delete;

    bool execute(const QString& sql);
    // The first column of the first row, as text; empty on failure.
    QString queryText(const QString& sql);
    std::unique_ptr<SqliteStatement> prepare(const QString& sql);
    QString lastError() const;

private:
    explicit SqliteDatabase(sqlite3* handle) : m_handle(handle) {}
    sqlite3* m_handle;
};

}  // namespace tabrino
