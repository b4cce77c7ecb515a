#include "store/SqliteDatabase.h"

#include "store/SqliteStatement.h"

#include <sqlite3.h>

namespace tabrino {

std::unique_ptr<SqliteDatabase> SqliteDatabase::open(const QString& path, QString* error)
{
    sqlite3* handle = nullptr;
    const int result = sqlite3_open_v2(path.toUtf8().constData(), &handle, SQLITE_OPEN_READWRITE, nullptr);
    if (result != SQLITE_OK) {
        if (error)
            *error = QString::fromUtf8(handle ? sqlite3_errmsg(handle) : sqlite3_errstr(result));
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

}  // namespace tabrino
