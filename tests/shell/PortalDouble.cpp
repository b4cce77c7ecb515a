// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "PortalDouble.h"

#include "platform/PortalSettings.h"

#include <QDBusMessage>

namespace tabrino::test {

namespace {

const QString kConnection = QStringLiteral("portal-double");

}  // namespace

PortalDouble::PortalDouble(QHash<QString, QVariant> values)
    : m_values(std::move(values))
    , m_connection(QDBusConnection::connectToBus(QDBusConnection::SessionBus, kConnection))
{
    m_connection.registerObject(PortalSettings::path, this, QDBusConnection::ExportScriptableSlots);
    m_connection.registerService(PortalSettings::service);
}

PortalDouble::~PortalDouble()
{
    m_connection.unregisterService(PortalSettings::service);
    QDBusConnection::disconnectFromBus(kConnection);
}

void PortalDouble::change(const QString& group, const QString& key, const QVariant& value)
{
    m_values[group + u' ' + key] = value;
    QDBusMessage signal =
        QDBusMessage::createSignal(PortalSettings::path, PortalSettings::interface, QStringLiteral("SettingChanged"));
    signal << group << key << QVariant::fromValue(QDBusVariant(value));
    m_connection.send(signal);
}

QDBusVariant PortalDouble::Read(const QString& group, const QString& key)
{
    const auto found = m_values.constFind(group + u' ' + key);
    if (found == m_values.constEnd()) {
        sendErrorReply(QStringLiteral("org.freedesktop.portal.Error.NotFound"), QStringLiteral("no such key"));
        return QDBusVariant();
    }
    // As portals before version 2 do, the value comes wrapped twice.
    return QDBusVariant(QVariant::fromValue(QDBusVariant(*found)));
}

}  // namespace tabrino::test
