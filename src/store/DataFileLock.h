// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QCoreApplication>
#include <QString>

namespace tabrino {

// An advisory lock on a lock file beside the data file, held for the life of
// the object. Two running programs on one data file would each save over
// the other's changes; the single-instance guard cannot prevent that, since
// it only sees its own session. The kernel releases the lock when the
// process ends, however it ends. The data file itself is never touched.
class DataFileLock {
    Q_DECLARE_TR_FUNCTIONS(DataFileLock)

public:
    enum class Result { Acquired, HeldElsewhere, Failed };

    explicit DataFileLock(const QString& databasePath);
    ~DataFileLock();
    DataFileLock(const DataFileLock&) = delete;
    DataFileLock& operator=(const DataFileLock&) = delete;

    // "<database>.lock"
    static QString lockPathFor(const QString& databasePath);

    // Takes the lock without waiting, creating the folder (0700) and the
    // lock file (0600) when missing. On `failed`, `error` says why.
    Result acquire(QString* error = nullptr);

private:
    QString m_lockPath;
    int m_descriptor = -1;
};

}  // namespace tabrino
