// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QDBusConnection>
#include <QDBusContext>
#include <QDBusVariant>
#include <QHash>
#include <QObject>
#include <QVariant>

namespace tabrino::test {

// The XDG desktop portal's Settings interface on a connection of its own,
// holding chosen values ("group key" → value) and announcing changes the
// way the portal does.
class PortalDouble : public QObject, protected QDBusContext {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.portal.Settings")

public:
    explicit PortalDouble(QHash<QString, QVariant> values);
    ~PortalDouble() override;

    // Sets the value and sends SettingChanged.
    void change(const QString& group, const QString& key, const QVariant& value);

public Q_SLOTS:
    Q_SCRIPTABLE QDBusVariant Read(const QString& group, const QString& key);

private:
    QHash<QString, QVariant> m_values;
    QDBusConnection m_connection;
};

}  // namespace tabrino::test
