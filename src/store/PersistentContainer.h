// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

#include <memory>

namespace tabrino {

class ModelContext;
class SqliteDatabase;

// The one database file holding the subscription and snapshot records.
// Opening never deletes, truncates or rewrites a file it cannot use.
class PersistentContainer {
public:
    static constexpr int kSchemaVersion = 1;

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
