// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "store/ColumnType.h"

#include <QString>
#include <QVariant>

struct sqlite3;
struct sqlite3_stmt;

namespace tabrino {

// One prepared statement; values cross in the representation of their
// column type (money as decimal text, instants as UTC milliseconds).
class SqliteStatement {
public:
    SqliteStatement(sqlite3* db, const QString& sql);
    ~SqliteStatement();
    SqliteStatement(const SqliteStatement&) = delete;
    SqliteStatement& operator=(const SqliteStatement&) = delete;

    bool isValid() const { return m_statement != nullptr; }

    // 1-based index. A null QVariant binds SQL NULL.
    bool bind(int index, const QVariant& value, ColumnType type);

    enum class Step { Row, Done, Error };
    Step step();
    bool reset();

    bool isNull(int column) const;
    // The column as the C++ value of `type`; nullopt when the stored value
    // cannot be read as that type (a damaged cell).
    std::optional<QVariant> value(int column, ColumnType type) const;
    qint64 integer(int column) const;
    QString text(int column) const;

private:
    sqlite3* m_db;
    sqlite3_stmt* m_statement = nullptr;
};

}  // namespace tabrino
