// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "XfconfDouble.h"

#include <QDBusMessage>

namespace tabrino::test {

namespace {

const QString kConnection = QStringLiteral("xfconf-double");
const QString kPath = QStringLiteral("/org/xfce/Xfconf");
const QString kService = QStringLiteral("org.xfce.Xfconf");

}  // namespace

XfconfDouble::XfconfDouble(QVariantMap panel, QVariantMap xsettings)
    : m_panel(std::move(panel))
    , m_xsettings(std::move(xsettings))
    , m_connection(QDBusConnection::connectToBus(QDBusConnection::SessionBus, kConnection))
{
    m_connection.registerObject(kPath, this, QDBusConnection::ExportScriptableSlots);
    m_connection.registerService(kService);
}

XfconfDouble::~XfconfDouble()
{
    m_connection.unregisterService(kService);
    QDBusConnection::disconnectFromBus(kConnection);
}

QVariantMap& XfconfDouble::channel(const QString& name)
{
    if (name == u"xfce4-panel")
        return m_panel;
    return name == u"xsettings" ? m_xsettings : m_none;
}

void XfconfDouble::change(const QString& channelName, const QString& property, const QVariant& value)
{
    channel(channelName)[property] = value;
    QDBusMessage signal = QDBusMessage::createSignal(kPath, kService, QStringLiteral("PropertyChanged"));
    signal << channelName << property << QVariant::fromValue(QDBusVariant(value));
    m_connection.send(signal);
}

QVariantMap XfconfDouble::GetAllProperties(const QString& channelName, const QString&)
{
    return channel(channelName);
}

QDBusVariant XfconfDouble::GetProperty(const QString& channelName, const QString& property)
{
    const QVariantMap& properties = channel(channelName);
    if (!properties.contains(property)) {
        sendErrorReply(QStringLiteral("org.xfce.Xfconf.Error.PropertyNotFound"), property);
        return QDBusVariant();
    }
    return QDBusVariant(properties.value(property));
}

}  // namespace tabrino::test
