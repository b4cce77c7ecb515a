// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QDBusConnection>
#include <QDateTime>
#include <QList>
#include <QObject>
#include <QStringList>
#include <QVariantMap>

namespace tabrino::test {

// A notification server on its own bus connection, so that calls from the
// centre really cross the bus. Records every Notify; the test makes it send
// the signals a user's click would.
class FakeNotificationServer : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.Notifications")

public:
    struct Notification {
        uint id = 0;
        QString appName;
        uint replacesId = 0;
        QString appIcon;
        QString summary;
        QString body;
        QStringList actions;
        QVariantMap hints;
        int expireTimeout = 0;
        QDateTime receivedAt;  // by Clock::now()
    };

    // Connects to the session bus and takes the server's name.
    explicit FakeNotificationServer(QStringList capabilities = {QStringLiteral("actions"), QStringLiteral("body")});
    ~FakeNotificationServer() override;

    QList<Notification> received;
    QStringList capabilities;

    void invokeAction(uint id, const QString& key) { Q_EMIT ActionInvoked(id, key); }
    void close(uint id, uint reason) { Q_EMIT NotificationClosed(id, reason); }

public Q_SLOTS:
    uint Notify(const QString& appName, uint replacesId, const QString& appIcon, const QString& summary,
                const QString& body, const QStringList& actions, const QVariantMap& hints, int expireTimeout);
    QStringList GetCapabilities();
    QString GetServerInformation(QString& vendor, QString& version, QString& specVersion);
    void CloseNotification(uint id);

Q_SIGNALS:
    void NotificationClosed(uint id, uint reason);
    void ActionInvoked(uint id, const QString& actionKey);

private:
    QString m_connectionName;
    uint m_nextId = 1;
};

}  // namespace tabrino::test
