// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QDBusConnection>
#include <QDBusContext>
#include <QDBusVariant>
#include <QObject>
#include <QVariantMap>

namespace tabrino::test {

// xfconfd's org.xfce.Xfconf interface on a connection of its own, holding
// the properties of two channels: "xfce4-panel" and "xsettings".
class XfconfDouble : public QObject, protected QDBusContext {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.xfce.Xfconf")

public:
    XfconfDouble(QVariantMap panel, QVariantMap xsettings);
    ~XfconfDouble() override;

    // Sets the property and sends PropertyChanged.
    void change(const QString& channelName, const QString& property, const QVariant& value);

public Q_SLOTS:
    Q_SCRIPTABLE QVariantMap GetAllProperties(const QString& channelName, const QString& base);
    Q_SCRIPTABLE QDBusVariant GetProperty(const QString& channelName, const QString& property);

private:
    QVariantMap& channel(const QString& name);

    QVariantMap m_panel;
    QVariantMap m_xsettings;
    QVariantMap m_none;
    QDBusConnection m_connection;
};

}  // namespace tabrino::test
