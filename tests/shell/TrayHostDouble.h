// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QDBusConnection>
#include <QDBusContext>
#include <QDBusMessage>
#include <QObject>
#include <QStringList>
#include <QVariant>

namespace tabrino::test {

// A tray host as the desktop would run it: the StatusNotifierWatcher on a
// connection of its own, recording who registers, reading the item's
// properties over org.freedesktop.DBus.Properties and recording the item's
// change signals. Calls to the item go out asynchronously and are awaited
// with the event loop running, since the item answers on this same thread.
class TrayHostDouble : public QObject, protected QDBusContext {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.kde.StatusNotifierWatcher")
    Q_PROPERTY(QStringList RegisteredStatusNotifierItems READ registrations)
    Q_PROPERTY(bool IsStatusNotifierHostRegistered READ isHostRegistered)
    Q_PROPERTY(int ProtocolVersion READ protocolVersion)

public:
    // Claims the watcher name; `claim` false leaves the bus without one.
    explicit TrayHostDouble(bool claim = true);
    ~TrayHostDouble() override;

    bool claimed() const { return m_claimed; }
    QDBusConnection connection() const { return m_connection; }

    QStringList registrations() const { return m_registrations; }
    bool isHostRegistered() const { return true; }
    int protocolVersion() const { return 0; }

    // Property `name` of the item at `service`; invalid when the read fails.
    QVariant itemProperty(const QString& service, const QString& name);
    // Calls `method` of the item and waits for its answer.
    bool callItem(const QString& service, const QString& method, const QVariantList& arguments);
    // The same, giving the answer itself: a reply, an error, or an invalid
    // message when none came.
    QDBusMessage callItemForAnswer(const QString& service, const QString& method, const QVariantList& arguments);
    // Calls `method` of any object of the item's process, as a host reads
    // the item's menu.
    QDBusMessage callObject(const QString& service, const QString& path, const QString& interface,
                            const QString& method, const QVariantList& arguments);
    // Starts recording the item's signals, as "NewTitle()",
    // "XAyatanaNewLabel($13/mo,$13/mo)", "PropertiesChanged(Menu=/MenuBar)"
    // or its menu's "LayoutUpdated(2,0)".
    void watchItem(const QString& service);
    // The signals recorded since the last call, once every signal the item
    // sent so far has arrived.
    QStringList takeSignals(const QString& service);

public Q_SLOTS:
    Q_SCRIPTABLE void RegisterStatusNotifierItem(const QString& service);
    Q_SCRIPTABLE void RegisterStatusNotifierHost(const QString& service);

private Q_SLOTS:
    void itemSignal(const QDBusMessage& message);
    void itemPropertiesChanged(const QDBusMessage& message);

private:
    QString m_name;
    QDBusConnection m_connection;
    bool m_claimed = false;
    QStringList m_registrations;
    QStringList m_signals;
};

// Waits for `call` with the event loop running; false on error or timeout.
bool awaitReply(const QDBusMessage& call, const QDBusConnection& connection, QDBusMessage* reply = nullptr);

}  // namespace tabrino::test
