// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "reminders/NotificationRequest.h"

#include <QList>
#include <QStringList>

namespace tabrino {

class SqliteDatabase;

// The pending notification requests, kept in the application's database in a
// table of their own so they outlive the process. The trigger is kept as its
// components and zone; the fire instant is worked out again on reading.
class PendingNotificationStore {
public:
    // Creates the table when it is missing; `isUsable()` tells whether that
    // worked.
    explicit PendingNotificationStore(SqliteDatabase& database);

    bool isUsable() const { return m_usable; }

    // Every stored request that can still be read; damaged rows are skipped.
    QList<NotificationRequest> loadAll();
    // Inserts or replaces the request with the same identifier.
    bool save(const NotificationRequest& request);
    bool remove(const QStringList& identifiers);
    bool removeAll();

private:
    SqliteDatabase& m_database;
    bool m_usable = false;
};

}  // namespace tabrino
