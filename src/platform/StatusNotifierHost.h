// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QDBusConnection>
#include <QList>
#include <QString>
#include <QStringList>

namespace tabrino {

// The program that draws the desktop's tray, and so what a tray item can
// look like there. Hosts differ in what they do with an item's image and
// text label, and the protocol has no way to ask, so the host is known by
// the process behind the StatusNotifierWatcher and StatusNotifierHost names
// on the bus and, where that tells nothing, by XDG_CURRENT_DESKTOP.
struct StatusNotifierHost {
    enum class Drawing {
        // Draws the XAyatanaLabel text beside a square icon: GNOME Shell's
        // AppIndicator extension, the Ayatana and Unity indicator services.
        Label,
        // Scales the image to the bar's height and keeps its width: waybar.
        WideImage,
        // Scales the image into a square and draws no label: Plasma, XFCE's
        // status tray, and every host not known to do better.
        SquareImage,
    };

    // One process seen behind a tray name.
    struct Process {
        QString name;           // /proc/<pid>/comm
        QStringList arguments;  // /proc/<pid>/cmdline
    };

    Drawing drawing = Drawing::SquareImage;
    // "gnome-shell", "waybar", "xfce4-panel", "plasmashell"; empty when the
    // host was not recognised.
    QString program;
    // The recognised host's command line (waybar's names its config file).
    QStringList arguments;
    // On XFCE, the panel plugin that holds the tray: its wrapper process is
    // called "panel-<id>-systray". -1 elsewhere.
    int xfcePluginId = -1;

    bool drawsLabel() const { return drawing == Drawing::Label; }

    // Asks the bus daemon who owns the watcher and host names; a few quick
    // calls that never wait on the host itself.
    static StatusNotifierHost detect(const QDBusConnection& bus);
    // The host that `processes` (hosts first, then the watcher) show, else
    // the one `currentDesktop` (XDG_CURRENT_DESKTOP) implies.
    static StatusNotifierHost classify(const QList<Process>& processes, const QString& currentDesktop);

    friend bool operator==(const StatusNotifierHost&, const StatusNotifierHost&) = default;
};

}  // namespace tabrino
