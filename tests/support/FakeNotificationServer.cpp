// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "support/FakeNotificationServer.h"

#include "foundation/Clock.h"

namespace tabrino::test {

using namespace Qt::StringLiterals;

namespace {
int g_connections = 0;
}

FakeNotificationServer::FakeNotificationServer(QStringList serverCapabilities)
    : capabilities(std::move(serverCapabilities))
    , m_connectionName(u"notification-server-"_s + QString::number(++g_connections))
{
    QDBusConnection bus = QDBusConnection::connectToBus(QDBusConnection::SessionBus, m_connectionName);
    bus.registerObject(u"/org/freedesktop/Notifications"_s, this,
                       QDBusConnection::ExportAllSlots | QDBusConnection::ExportAllSignals);
    bus.registerService(u"org.freedesktop.Notifications"_s);
}

FakeNotificationServer::~FakeNotificationServer()
{
    QDBusConnection bus(m_connectionName);
    bus.unregisterService(u"org.freedesktop.Notifications"_s);
    bus.unregisterObject(u"/org/freedesktop/Notifications"_s);
    QDBusConnection::disconnectFromBus(m_connectionName);
}

uint FakeNotificationServer::Notify(const QString& appName, uint replacesId, const QString& appIcon,
                                    const QString& summary, const QString& body, const QStringList& actions,
                                    const QVariantMap& hints, int expireTimeout)
{
    const uint id = m_nextId++;
    received << Notification{id,   appName, replacesId, appIcon,       summary,
                             body, actions, hints,      expireTimeout, Clock::now()};
    return id;
}

QStringList FakeNotificationServer::GetCapabilities()
{
    return capabilities;
}

QString FakeNotificationServer::GetServerInformation(QString& vendor, QString& version, QString& specVersion)
{
    vendor = u"Tabrino tests"_s;
    version = u"1"_s;
    specVersion = u"1.2"_s;
    return u"fake"_s;
}

void FakeNotificationServer::CloseNotification(uint id)
{
    Q_EMIT NotificationClosed(id, 3);
}

}  // namespace tabrino::test
