// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "store/PersistentContainer.h"

#include "model/MonthlySnapshot.h"
#include "model/Subscription.h"
#include "store/ModelContext.h"
#include "store/PrivateFolder.h"
#include "store/RecordSchema.h"
#include "store/SqliteDatabase.h"

#include <QFileInfo>
#include <QStandardPaths>

#include <sqlite3.h>

#include <optional>

#include <fcntl.h>
#include <unistd.h>

namespace tabrino {

namespace {

const QList<const RecordSchema*>& recordSchemas()
{
    static const QList<const RecordSchema*> schemas{&schemaOf<Subscription>(), &schemaOf<MonthlySnapshot>()};
    return schemas;
}

bool createEmptyPrivateFile(const QString& path, QString* error)
{
    const int fd = ::open(QFile::encodeName(path).constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
    if (fd < 0) {
        *error = u"Cannot create the data file "_qs + path + u": "_qs + QString::fromLocal8Bit(strerror(errno));
        return false;
    }
    ::close(fd);
    return true;
}

bool createSchema(SqliteDatabase& db)
{
    if (!db.execute(QStringLiteral("BEGIN IMMEDIATE")))
        return false;
    bool ok = true;
    for (const RecordSchema* schema : recordSchemas())
        ok = ok && db.execute(schema->createTableSql());
    ok = ok && db.execute(u"PRAGMA user_version = "_qs + QString::number(PersistentContainer::kSchemaVersion));
    if (ok && db.execute(QStringLiteral("COMMIT")))
        return true;
    db.execute(QStringLiteral("ROLLBACK"));
    return false;
}

// Every table the records need, with every column a file of `version` has.
bool hasExpectedTables(SqliteDatabase& db, int version)
{
    for (const RecordSchema* schema : recordSchemas()) {
        const QStringList found =
            db.queryText(u"SELECT group_concat(name, char(10)) FROM pragma_table_info('"_qs + schema->table + u"')"_qs)
                .split(u'\n');
        for (const Column& column : schema->columns) {
            if (column.sinceVersion <= version && !found.contains(column.name))
                return false;
        }
    }
    return true;
}

// Brings a sound file of `version` to kSchemaVersion, all or nothing; on
// failure `error` holds SQLite's reason.
bool migrate(SqliteDatabase& db, int version, QString* error)
{
    if (!db.execute(QStringLiteral("BEGIN IMMEDIATE"))) {
        *error = db.lastError();
        return false;
    }
    bool ok = true;
    for (int next = version + 1; next <= PersistentContainer::kSchemaVersion; ++next) {
        for (const RecordSchema* schema : recordSchemas()) {
            for (const QString& statement : schema->addColumnsSql(next))
                ok = ok && db.execute(statement);
        }
    }
    ok = ok && db.execute(u"PRAGMA user_version = "_qs + QString::number(PersistentContainer::kSchemaVersion));
    if (ok && db.execute(QStringLiteral("COMMIT")))
        return true;
    *error = db.lastError();
    db.execute(QStringLiteral("ROLLBACK"));
    return false;
}

// The schema version of the file at `path`, read on a read-only connection:
// 0 for an empty file, 1...kSchemaVersion for a sound file of ours. Anything
// else is refused with a readable `error`.
std::optional<int> inspect(const QString& path, QString* error)
{
    // Without a journal or a log the file alone is the whole content, and a
    // read-only connection would still leave an empty log beside it.
    const bool companions = QFileInfo::exists(path + u"-wal"_qs) || QFileInfo::exists(path + u"-journal"_qs);
    QString openError;
    std::unique_ptr<SqliteDatabase> db = SqliteDatabase::open(
        path, &openError, companions ? SqliteDatabase::Access::ReadOnly : SqliteDatabase::Access::Immutable);
    if (!db) {
        *error = u"Cannot open "_qs + path + u" ("_qs + openError + u")."_qs;
        return std::nullopt;
    }
    const QString tableCount = db->queryText(QStringLiteral("SELECT count(*) FROM sqlite_master"));
    if (tableCount.isNull()) {
        if (db->lastErrorCode() == SQLITE_READONLY_ROLLBACK)
            *error = path + u" holds an unfinished write and is not known to be a Tabrino data file."_qs;
        else
            *error = path + u" cannot be read as a database ("_qs + db->lastError() + u")."_qs;
        return std::nullopt;
    }
    const int version = db->queryText(QStringLiteral("PRAGMA user_version")).toInt();
    if (version > PersistentContainer::kSchemaVersion) {
        *error = path + u" was written by a newer version of Tabrino."_qs;
        return std::nullopt;
    }
    // No version of ours is negative: another program's number.
    if (version < 0 || (version == 0 && tableCount != u"0"_qs)) {
        *error = path + u" is not a Tabrino data file."_qs;
        return std::nullopt;
    }
    if (version > 0) {
        if (db->queryText(QStringLiteral("PRAGMA quick_check")) != u"ok"_qs) {
            *error = path + u" is damaged."_qs;
            return std::nullopt;
        }
        if (!hasExpectedTables(*db, version)) {
            *error = path + u" does not hold the expected tables."_qs;
            return std::nullopt;
        }
    }
    return version;
}

}  // namespace

QString PersistentContainer::defaultPath()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + u"/Tabrino/Tabrino.sqlite"_qs;
}

std::unique_ptr<PersistentContainer> PersistentContainer::open(const QString& path, QString* error)
{
    QString ignored;
    if (!error)
        error = &ignored;
    const QFileInfo info(path);
    if (!info.exists()) {
        if (!makePrivateFolder(info.absolutePath(), error) || !createEmptyPrivateFile(path, error))
            return nullptr;
    } else if (!info.isFile()) {
        *error = path + u" is not a file."_qs;
        return nullptr;
    }

    // A file not yet known to be ours is only ever read: a read-write
    // connection would roll back another program's hot journal, or
    // checkpoint and remove its leftover write-ahead log, when it closes.
    const std::optional<int> version = inspect(path, error);
    if (!version)
        return nullptr;

    QString openError;
    std::unique_ptr<SqliteDatabase> db = SqliteDatabase::open(path, &openError, SqliteDatabase::Access::ReadWrite);
    if (!db) {
        *error = path + u" cannot be written ("_qs + openError + u")."_qs;
        return nullptr;
    }
    if (db->queryText(QStringLiteral("PRAGMA journal_mode = WAL")) != u"wal"_qs
        || !db->execute(QStringLiteral("PRAGMA synchronous = FULL")) || (*version == 0 && !createSchema(*db))) {
        *error = u"Cannot prepare "_qs + path + u" ("_qs + db->lastError() + u")."_qs;
        return nullptr;
    }
    QString migrationError;
    if (*version > 0 && *version < kSchemaVersion && !migrate(*db, *version, &migrationError)) {
        *error = u"Cannot update "_qs + path + u" to this version of Tabrino ("_qs + migrationError + u")."_qs;
        return nullptr;
    }
    return std::unique_ptr<PersistentContainer>(new PersistentContainer(path, std::move(db)));
}

PersistentContainer::PersistentContainer(QString path, std::unique_ptr<SqliteDatabase> database)
    : m_path(std::move(path))
    , m_database(std::move(database))
    , m_context(std::make_unique<ModelContext>(*m_database))
{
}

PersistentContainer::~PersistentContainer() = default;

}  // namespace tabrino
