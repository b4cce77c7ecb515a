// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "store/SqliteStatement.h"

#include "foundation/Decimal.h"

#include <QDateTime>
#include <QUuid>

#include <sqlite3.h>

namespace tabrino {

SqliteStatement::SqliteStatement(sqlite3* db, const QString& sql) : m_db(db)
{
    const QByteArray utf8 = sql.toUtf8();
    if (sqlite3_prepare_v2(db, utf8.constData(), static_cast<int>(utf8.size()), &m_statement, nullptr) != SQLITE_OK)
        m_statement = nullptr;
}

SqliteStatement::~SqliteStatement()
{
    sqlite3_finalize(m_statement);
}

bool SqliteStatement::bind(int index, const QVariant& value, ColumnType type)
{
    if (!m_statement)
        return false;
    if (value.isNull())
        return sqlite3_bind_null(m_statement, index) == SQLITE_OK;
    auto bindText = [&](const QString& text) {
        const QByteArray utf8 = text.toUtf8();
        return sqlite3_bind_text(m_statement, index, utf8.constData(), static_cast<int>(utf8.size()), SQLITE_TRANSIENT)
            == SQLITE_OK;
    };
    switch (type) {
    case ColumnType::Text: return bindText(value.toString());
    case ColumnType::Decimal: return bindText(value.value<Decimal>().toString());
    case ColumnType::Uuid: return bindText(keyText(value, type));
    case ColumnType::Integer: return sqlite3_bind_int64(m_statement, index, value.toLongLong()) == SQLITE_OK;
    case ColumnType::Boolean: return sqlite3_bind_int64(m_statement, index, value.toBool() ? 1 : 0) == SQLITE_OK;
    case ColumnType::Instant:
        return sqlite3_bind_int64(m_statement, index, value.toDateTime().toMSecsSinceEpoch()) == SQLITE_OK;
    case ColumnType::Real: return sqlite3_bind_double(m_statement, index, value.toDouble()) == SQLITE_OK;
    }
    return false;
}

SqliteStatement::Step SqliteStatement::step()
{
    if (!m_statement)
        return Step::Error;
    switch (sqlite3_step(m_statement)) {
    case SQLITE_ROW: return Step::Row;
    case SQLITE_DONE: return Step::Done;
    default: return Step::Error;
    }
}

bool SqliteStatement::reset()
{
    return m_statement && sqlite3_reset(m_statement) == SQLITE_OK && sqlite3_clear_bindings(m_statement) == SQLITE_OK;
}

bool SqliteStatement::isNull(int column) const
{
    return sqlite3_column_type(m_statement, column) == SQLITE_NULL;
}

qint64 SqliteStatement::integer(int column) const
{
    return sqlite3_column_int64(m_statement, column);
}

QString SqliteStatement::text(int column) const
{
    const auto* data = reinterpret_cast<const char*>(sqlite3_column_text(m_statement, column));
    return QString::fromUtf8(data, sqlite3_column_bytes(m_statement, column));
}

std::optional<QVariant> SqliteStatement::value(int column, ColumnType type) const
{
    const int stored = sqlite3_column_type(m_statement, column);
    if (stored == SQLITE_NULL)
        return QVariant();
    const bool isInteger = stored == SQLITE_INTEGER;
    switch (type) {
    case ColumnType::Text:
        if (stored != SQLITE_TEXT)
            return std::nullopt;
        return QVariant(text(column));
    case ColumnType::Decimal: {
        if (stored != SQLITE_TEXT)
            return std::nullopt;
        const std::optional<Decimal> amount = Decimal::fromString(text(column));
        return amount ? std::optional(QVariant::fromValue(*amount)) : std::nullopt;
    }
    case ColumnType::Uuid: {
        const QUuid id = QUuid::fromString(text(column));
        return (stored == SQLITE_TEXT && !id.isNull()) ? std::optional(QVariant(id)) : std::nullopt;
    }
    case ColumnType::Integer: return isInteger ? std::optional(QVariant(integer(column))) : std::nullopt;
    case ColumnType::Boolean: return isInteger ? std::optional(QVariant(integer(column) != 0)) : std::nullopt;
    case ColumnType::Instant:
        return isInteger ? std::optional(QVariant(QDateTime::fromMSecsSinceEpoch(integer(column), Qt::UTC)))
                         : std::nullopt;
    case ColumnType::Real:
        if (stored != SQLITE_FLOAT && !isInteger)
            return std::nullopt;
        return QVariant(sqlite3_column_double(m_statement, column));
    }
    return std::nullopt;
}

}  // namespace tabrino
