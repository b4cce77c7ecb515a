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
        //: Why Tabrino cannot start; %1 is the data file's path, %2 the system's reason
        *error = PersistentContainer::tr("Cannot create the data file %1: %2")
                     .arg(path, QString::fromLocal8Bit(strerror(errno)));
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
        //: Why Tabrino cannot start; %1 is the data file's path, %2 the database's reason
        *error = PersistentContainer::tr("Cannot open %1 (%2).").arg(path, openError);
        return std::nullopt;
    }
    const QString tableCount = db->queryText(QStringLiteral("SELECT count(*) FROM sqlite_master"));
    if (tableCount.isNull()) {
        if (db->lastErrorCode() == SQLITE_READONLY_ROLLBACK) {
            //: Why Tabrino cannot start; %1 is the data file's path
            *error = PersistentContainer::tr("%1 holds an unfinished write and is not known to be a Tabrino data file.")
                         .arg(path);
        } else {
            //: Why Tabrino cannot start; %1 is the data file's path, %2 the database's reason
            *error = PersistentContainer::tr("%1 cannot be read as a database (%2).").arg(path, db->lastError());
        }
        return std::nullopt;
    }
    const int version = db->queryText(QStringLiteral("PRAGMA user_version")).toInt();
    if (version > PersistentContainer::kSchemaVersion) {
        //: Why Tabrino cannot start; %1 is the data file's path
        *error = PersistentContainer::tr("%1 was written by a newer version of Tabrino.").arg(path);
        return std::nullopt;
    }
    // No version of ours is negative: another program's number.
    if (version < 0 || (version == 0 && tableCount != u"0"_qs)) {
        //: Why Tabrino cannot start; %1 is the data file's path
        *error = PersistentContainer::tr("%1 is not a Tabrino data file.").arg(path);
        return std::nullopt;
    }
    if (version > 0) {
        if (db->queryText(QStringLiteral("PRAGMA quick_check")) != u"ok"_qs) {
            //: Why Tabrino cannot start; %1 is the data file's path
            *error = PersistentContainer::tr("%1 is damaged.").arg(path);
            return std::nullopt;
        }
        if (!hasExpectedTables(*db, version)) {
            //: Why Tabrino cannot start; %1 is the data file's path
            *error = PersistentContainer::tr("%1 does not hold the expected tables.").arg(path);
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
        //: Why Tabrino cannot start; %1 is the data file's path, which names a folder or a device
        *error = tr("%1 is not a file.").arg(path);
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
        //: Why Tabrino cannot start; %1 is the data file's path, %2 the database's reason
        *error = tr("%1 cannot be written (%2).").arg(path, openError);
        return nullptr;
    }
    if (db->queryText(QStringLiteral("PRAGMA journal_mode = WAL")) != u"wal"_qs
        || !db->execute(QStringLiteral("PRAGMA synchronous = FULL")) || (*version == 0 && !createSchema(*db))) {
        //: Why Tabrino cannot start; %1 is the data file's path, %2 the database's reason
        *error = tr("Cannot prepare %1 (%2).").arg(path, db->lastError());
        return nullptr;
    }
    QString migrationError;
    if (*version > 0 && *version < kSchemaVersion && !migrate(*db, *version, &migrationError)) {
        //: Why Tabrino cannot start; %1 is the data file's path, %2 the database's reason
        *error = tr("Cannot update %1 to this version of Tabrino (%2).").arg(path, migrationError);
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
