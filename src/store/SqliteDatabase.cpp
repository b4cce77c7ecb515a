// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "store/SqliteDatabase.h"

#include "store/SqliteStatement.h"

#include <QCoreApplication>
#include <QUrl>

#include <sqlite3.h>

namespace tabrino {

std::unique_ptr<SqliteDatabase> SqliteDatabase::open(const QString& path, QString* error, Access access)
{
    sqlite3* handle = nullptr;
    QByteArray name = path.toUtf8();
    int flags = access == Access::ReadWrite ? SQLITE_OPEN_READWRITE : SQLITE_OPEN_READONLY;
    if (access == Access::Immutable) {
        name = QUrl::fromLocalFile(path).toEncoded() + "?immutable=1";
        flags |= SQLITE_OPEN_URI;
    }
    const int result = sqlite3_open_v2(name.constData(), &handle, flags, nullptr);
    if (result != SQLITE_OK) {
        if (error)
            *error = QString::fromUtf8(handle ? sqlite3_errmsg(handle) : sqlite3_errstr(result));
        sqlite3_close(handle);
        return nullptr;
    }
    // SQLite quietly falls back to reading when the file refuses writing
    // (mode 0444, say); every later save would then fail.
    if (access == Access::ReadWrite && sqlite3_db_readonly(handle, "main") == 1) {
        if (error) {
            //: Why the data file cannot be used, in "~/.local/share/Tabrino/Tabrino.sqlite cannot be written (%1)."
            *error = QCoreApplication::translate("SqliteDatabase", "it opens for reading only");
        }
        sqlite3_close(handle);
        return nullptr;
    }
    sqlite3_extended_result_codes(handle, 1);
    sqlite3_busy_timeout(handle, 2000);
    return std::unique_ptr<SqliteDatabase>(new SqliteDatabase(handle));
}

SqliteDatabase::~SqliteDatabase()
{
    sqlite3_close(m_handle);
}

bool SqliteDatabase::execute(const QString& sql)
{
    return sqlite3_exec(m_handle, sql.toUtf8().constData(), nullptr, nullptr, nullptr) == SQLITE_OK;
}

QString SqliteDatabase::queryText(const QString& sql)
{
    SqliteStatement statement(m_handle, sql);
    if (statement.step() != SqliteStatement::Step::Row)
        return {};
    return statement.text(0);
}

std::unique_ptr<SqliteStatement> SqliteDatabase::prepare(const QString& sql)
{
    auto statement = std::make_unique<SqliteStatement>(m_handle, sql);
    return statement->isValid() ? std::move(statement) : nullptr;
}

QString SqliteDatabase::lastError() const
{
    return QString::fromUtf8(sqlite3_errmsg(m_handle));
}

int SqliteDatabase::lastErrorCode() const
{
    return sqlite3_extended_errcode(m_handle);
}

}  // namespace tabrino
