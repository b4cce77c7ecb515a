// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "TrayHostDouble.h"

#include <QDBusArgument>
#include <QDBusConnectionInterface>
#include <QDBusObjectPath>
#include <QDBusPendingCall>
#include <QDBusVariant>
#include <QTest>

namespace tabrino::test {

namespace {

const QString kItemPath = QStringLiteral("/StatusNotifierItem");
const QString kItemInterface = QStringLiteral("org.kde.StatusNotifierItem");

QString connectionName()
{
    static int counter = 0;
    return QStringLiteral("tray-host-%1").arg(++counter);
}

}  // namespace

bool awaitReply(const QDBusMessage& call, const QDBusConnection& connection, QDBusMessage* reply)
{
    QDBusPendingCall pending = connection.asyncCall(call, 5000);
    if (!QTest::qWaitFor([&] { return pending.isFinished(); }, 6000))
        return false;
    if (reply)
        *reply = pending.reply();
    return !pending.isError();
}

TrayHostDouble::TrayHostDouble(bool claim)
    : m_name(connectionName())
    , m_connection(QDBusConnection::connectToBus(QDBusConnection::SessionBus, m_name))
{
    if (!claim)
        return;
    m_connection.registerObject(QStringLiteral("/StatusNotifierWatcher"), this,
                                QDBusConnection::ExportScriptableSlots | QDBusConnection::ExportAllProperties);
    m_claimed = m_connection.registerService(QStringLiteral("org.kde.StatusNotifierWatcher"));
}

TrayHostDouble::~TrayHostDouble()
{
    if (m_claimed)
        m_connection.unregisterService(QStringLiteral("org.kde.StatusNotifierWatcher"));
    QDBusConnection::disconnectFromBus(m_name);
}

void TrayHostDouble::RegisterStatusNotifierItem(const QString& service)
{
    // The name given must be one the caller owns, as real watchers check.
    const QString owner = m_connection.interface()->serviceOwner(service).value();
    if (owner != message().service()) {
        sendErrorReply(QDBusError::InvalidArgs, QStringLiteral("not the caller's name"));
        return;
    }
    m_registrations << service;
}

void TrayHostDouble::RegisterStatusNotifierHost(const QString&)
{
}

QVariant TrayHostDouble::itemProperty(const QString& service, const QString& name)
{
    QDBusMessage call = QDBusMessage::createMethodCall(
        service, kItemPath, QStringLiteral("org.freedesktop.DBus.Properties"), QStringLiteral("Get"));
    call << kItemInterface << name;
    QDBusMessage reply;
    if (!awaitReply(call, m_connection, &reply) || reply.arguments().isEmpty())
        return QVariant();
    return reply.arguments().first().value<QDBusVariant>().variant();
}

bool TrayHostDouble::callItem(const QString& service, const QString& method, const QVariantList& arguments)
{
    QDBusMessage call = QDBusMessage::createMethodCall(service, kItemPath, kItemInterface, method);
    call.setArguments(arguments);
    return awaitReply(call, m_connection);
}

QDBusMessage TrayHostDouble::callItemForAnswer(const QString& service, const QString& method,
                                               const QVariantList& arguments)
{
    return callObject(service, kItemPath, kItemInterface, method, arguments);
}

QDBusMessage TrayHostDouble::callObject(const QString& service, const QString& path, const QString& interface,
                                        const QString& method, const QVariantList& arguments)
{
    QDBusMessage call = QDBusMessage::createMethodCall(service, path, interface, method);
    call.setArguments(arguments);
    QDBusMessage answer;
    awaitReply(call, m_connection, &answer);
    return answer;
}

void TrayHostDouble::watchItem(const QString& service)
{
    for (const char* member : {"NewTitle", "NewIcon", "NewToolTip", "NewStatus", "XAyatanaNewLabel"}) {
        m_connection.connect(service, kItemPath, kItemInterface, QString::fromLatin1(member), this,
                             SLOT(itemSignal(QDBusMessage)));
    }
    m_connection.connect(service, kItemPath, QStringLiteral("org.freedesktop.DBus.Properties"),
                         QStringLiteral("PropertiesChanged"), this, SLOT(itemPropertiesChanged(QDBusMessage)));
    m_connection.connect(service, QStringLiteral("/MenuBar"), QStringLiteral("com.canonical.dbusmenu"),
                         QStringLiteral("LayoutUpdated"), this, SLOT(itemSignal(QDBusMessage)));
}

void TrayHostDouble::itemPropertiesChanged(const QDBusMessage& message)
{
    // (s a{sv} as): only the changed values are of interest.
    if (message.arguments().size() < 2)
        return;
    QVariantMap changed;
    message.arguments().at(1).value<QDBusArgument>() >> changed;
    QStringList entries;
    for (auto it = changed.cbegin(); it != changed.cend(); ++it) {
        const QVariant value = it.value();
        const QString text = value.metaType() == QMetaType::fromType<QDBusObjectPath>()
            ? value.value<QDBusObjectPath>().path()
            : value.toString();
        entries << it.key() + u'=' + text;
    }
    m_signals << message.member() + u'(' + entries.join(u',') + u')';
}

void TrayHostDouble::itemSignal(const QDBusMessage& message)
{
    QStringList arguments;
    for (const QVariant& argument : message.arguments())
        arguments << argument.toString();
    m_signals << message.member() + u'(' + arguments.join(u',') + u')';
}

QStringList TrayHostDouble::takeSignals(const QString& service)
{
    // The item answers after sending every signal it emitted before, so
    // once this read returns those signals have arrived here too.
    itemProperty(service, QStringLiteral("Id"));
    QTest::qWait(20);
    return std::exchange(m_signals, {});
}

}  // namespace tabrino::test
