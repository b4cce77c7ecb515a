// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "reminders/NotificationCenter.h"

#include <QMap>
#include <QObject>

namespace tabrino::test {

// An in-memory centre that answers on a later turn of the event loop, as the
// real one does, so that overlapping runs really interleave. Additions take
// effect when their answer is delivered.
class FakeNotificationCenter : public QObject, public NotificationCenter {
    Q_OBJECT

public:
    // What GetCapabilities answers; none when no server is there.
    std::optional<QStringList> serverCapabilities = QStringList{QStringLiteral("actions"), QStringLiteral("body")};
    int capabilityQueries = 0;
    QStringList refused;  // identifiers add() refuses
    int additions = 0;

    QMap<QString, NotificationRequest> pending;
    QList<NotificationCategory> categories;
    NotificationCenterDelegate* delegate = nullptr;

    void setDelegate(NotificationCenterDelegate* newDelegate) override { delegate = newDelegate; }
    void capabilities(CapabilitiesCallback done) override;
    void setCategories(const QList<NotificationCategory>& newCategories) override { categories = newCategories; }
    void add(const NotificationRequest& request, AddCallback done) override;
    void pendingRequests(PendingCallback done) override;
    void removePending(const QStringList& identifiers) override;
    void removeAllPending() override { pending.clear(); }

private:
    void later(std::function<void()> work);
};

}  // namespace tabrino::test
