// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QCoreApplication>
#include <QString>

#include <memory>

namespace tabrino {

class ModelContext;
class SqliteDatabase;

// The one database file holding the subscription and snapshot records.
// Opening never deletes, truncates or rewrites a file it cannot use. A file
// of an earlier schema version is brought to this one in one transaction
// (each version's columns added, empty); one of a later version is refused.
class PersistentContainer {
    Q_DECLARE_TR_FUNCTIONS(PersistentContainer)

public:
    // 2: snapshots name the currency and rates of a converted total.
    static constexpr int kSchemaVersion = 2;

    // $XDG_DATA_HOME/Tabrino/Tabrino.sqlite
    static QString defaultPath();

    // Opens the file at `path`, creating it (0600, in a 0700 folder) and its
    // schema when absent. On failure returns null and a readable `error`.
    static std::unique_ptr<PersistentContainer> open(const QString& path, QString* error);
    ~PersistentContainer();

    QString path() const { return m_path; }
    ModelContext& mainContext() { return *m_context; }
    SqliteDatabase& database() { return *m_database; }

private:
    PersistentContainer(QString path, std::unique_ptr<SqliteDatabase> database);

    QString m_path;
    std::unique_ptr<SqliteDatabase> m_database;
    std::unique_ptr<ModelContext> m_context;
};

}  // namespace tabrino
