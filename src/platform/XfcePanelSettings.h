// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QDBusConnection>
#include <QDBusMessage>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QVariantMap>

#include <optional>

namespace tabrino {

// What xfce4-panel's own settings say about its status tray: the pixel size
// it scales tray images to, and whether the panel is dark. Read from xfconf
// over D-Bus (only ever on XFCE, since asking would start xfconfd
// elsewhere) and followed as the user changes them.
class XfcePanelSettings : public QObject {
    Q_OBJECT

public:
    // `pluginId` is the tray plugin's (see StatusNotifierHost); -1 takes the
    // first status tray plugin listed. `themeFolders` are searched for GTK
    // themes, as GTK does.
    XfcePanelSettings(const QDBusConnection& bus, int pluginId, QStringList themeFolders, QObject* parent = nullptr);
    // On the session bus with the XDG data folders.
    explicit XfcePanelSettings(int pluginId, QObject* parent = nullptr);

    // Both empty until xfconf has answered.
    std::optional<int> trayIconSize() const;
    std::optional<bool> isPanelDark() const;

    // The tray's image size from the panel channel's properties: the
    // plugin's icon size, limited to a row of the panel, rounded down to an
    // even number, as the plugin itself works it out.
    static std::optional<int> trayIconSize(const QVariantMap& panel, int pluginId);
    // Whether the panel is dark: by its own solid background colour when it
    // has one, else by the GTK theme: a theme named dark, or the panel's dark
    // mode with a theme that has a dark variant. A theme GTK cannot find is
    // replaced by light Adwaita.
    static bool isPanelDark(const QVariantMap& panel, int pluginId, const QString& themeName,
                            const QStringList& themeFolders);

    // $XDG_DATA_HOME/themes, ~/.themes and themes in each of $XDG_DATA_DIRS.
    static QStringList systemThemeFolders();

Q_SIGNALS:
    void changed();

private Q_SLOTS:
    void propertyChanged(const QDBusMessage& message);

private:
    void readAll();
    int resolvedPluginId() const;

    QDBusConnection m_bus;
    int m_pluginId;
    QStringList m_themeFolders;
    QVariantMap m_panel;
    QString m_themeName;
    bool m_panelRead = false;
    bool m_themeRead = false;
};

}  // namespace tabrino
