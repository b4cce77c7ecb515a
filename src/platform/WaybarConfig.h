// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QList>
#include <QPoint>
#include <QRect>
#include <QStringList>

#include <optional>

namespace tabrino {

// What waybar's own files say about its tray: the icon size of each bar
// that has one and where the first one puts it, read from the configuration waybar reads (the file after
// -c/--config on its command line, else the first of waybar/config.jsonc
// and waybar/config in the configuration folders), and whether the bar is
// dark, from its style sheet (after -s/--style, else waybar/style.css).
// waybar scales an item's image to the icon size, so an image drawn at it
// stays sharp; its bar takes its colours from that style sheet, not from
// the desktop's light or dark setting.
class WaybarConfig {
public:
    WaybarConfig() = delete;

    // The configuration folders waybar searches, in its order:
    // $XDG_CONFIG_HOME, ~/.config, then each of $XDG_CONFIG_DIRS.
    static QStringList systemConfigFolders();

    // Sizes from the configuration `arguments` (waybar's command line)
    // point at; empty when no configuration with a tray is found.
    static QList<int> trayIconSizes(const QStringList& arguments, const QStringList& configFolders);
    // Sizes in one configuration's text (JSON with comments; one bar or a
    // list of bars). A tray without "icon-size" is waybar's default, 16.
    static QList<int> trayIconSizesIn(const QByteArray& text);

    // Where a bar puts its tray: the screen edge the bar lies along and the
    // group of its modules that holds the tray. waybar tells a clicked item
    // where it was clicked within the item only, so this is all there is to
    // know where the tray is on the screen.
    struct TrayPlace {
        // modules-left (the top of a bar at a side), modules-center, modules-right.
        enum class Group { Start, Center, End };
        Qt::Edge edge = Qt::TopEdge;
        Group group = Group::End;

        // The point on `screen`'s border next to the tray: a corner for the
        // groups at the bar's ends, the middle of the edge for the centre one.
        QPoint anchorOn(const QRect& screen) const;
        friend bool operator==(const TrayPlace&, const TrayPlace&) = default;
    };
    // The place of the first bar's tray in the configuration `arguments`
    // point at; empty when none is found.
    static std::optional<TrayPlace> trayPlace(const QStringList& arguments, const QStringList& configFolders);
    // The same in one configuration's text. A bar without "position" is at
    // the top, waybar's default.
    static std::optional<TrayPlace> trayPlaceIn(const QByteArray& text);

    // Whether the bar's background in the style sheet is dark; empty when
    // no style sheet is found or it sets no opaque enough background.
    static std::optional<bool> isBarDark(const QStringList& arguments, const QStringList& configFolders);
    // The same for one style sheet's text: the last window#waybar rule's
    // background, through @define-color names.
    static std::optional<bool> isBarDarkIn(const QByteArray& css);
};

}  // namespace tabrino
