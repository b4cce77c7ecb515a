// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "platform/DesktopColorScheme.h"
#include "platform/StatusNotifierHost.h"
#include "platform/WaybarConfig.h"
#include "shell/TrayIconRenderer.h"

#include <QColor>
#include <QDBusConnection>
#include <QList>
#include <QObject>
#include <QPoint>

#include <memory>
#include <optional>

class QDBusServiceWatcher;
class QSystemTrayIcon;

namespace tabrino {

class TrayLabel;
class StatusNotifierItem;
class XfcePanelSettings;

// Shows the tray label in the desktop's tray. A StatusNotifierItem is
// used where a watcher runs; an XEmbed tray through QSystemTrayIcon (which
// needs a QApplication) where only that exists. With neither, `start()`
// says so and the caller shows the panel as an ordinary window; should a
// watcher appear later, the item is published then and `backendChanged`
// reports it.
//
// The spoken description goes to the item's title and tooltip, the amount
// to its text label (and, on Plasma, to the tooltip's title for our panel
// widget, the description then below it). What the image holds depends on
// the host: one that draws the label gets the symbol and dot alone; waybar
// keeps a wide image, which then holds the symbol and the amount side by
// side; every other tray gets a square with the amount alone, as large as
// it fits ("Icon only" keeps the symbol). The drawing colour follows the
// panel: light on a dark one, dark on a light one, redrawn when the desktop
// switches.
class TrayController : public QObject {
    Q_OBJECT

public:
    enum class Backend { None, StatusNotifierItem, SystemTrayIcon };
    Q_ENUM(Backend)

    // On the session bus.
    explicit TrayController(TrayLabel& label, QObject* parent = nullptr);
    TrayController(TrayLabel& label, const QDBusConnection& bus, QObject* parent = nullptr);
    // With the desktop's light or dark setting read from `sources`, whose
    // bus the item goes on too.
    TrayController(TrayLabel& label, DesktopColorScheme::Sources sources, QObject* parent = nullptr);
    ~TrayController() override;

    // Puts the item in the tray; call once.
    Backend start();
    Backend backend() const { return m_backend; }

    // Draws in `colour` from now on instead of following the panel.
    void setForeground(const QColor& colour);
    QColor foreground() const;
    // The colours used on dark and light panels.
    static QColor foregroundOnDark() { return QColor(0xff, 0xff, 0xff); }
    static QColor foregroundOnLight() { return QColor(0x23, 0x26, 0x29); }

    // The tray's host, found when the item is published and again whenever
    // it registers anew (a restarted panel may be another program).
    const StatusNotifierHost& host() const { return m_host; }
    // Takes `host` as the tray's host from now on, without looking.
    void setHost(const StatusNotifierHost& host);

    // What the item's image holds and the pixel heights it is offered in,
    // for the current label, host and panel.
    TrayIconRenderer::Content iconContent() const;
    QList<int> iconHeights() const;

    StatusNotifierItem* statusNotifierItem() const { return m_item.get(); }
    QSystemTrayIcon* systemTrayIcon() const { return m_trayIcon.get(); }

Q_SIGNALS:
    // The item was clicked; the position is where the host says it is, the
    // screen's edge next to waybar's tray (waybar says nothing usable), or
    // the pointer's when the host gives none.
    void activated(QPoint position);
    // "Open Tabrino" was chosen in the item's menu: the panel opens (or
    // stays open) by waybar's tray, else where the pointer is, as the menu
    // gives no position.
    void openRequested(QPoint position);
    // "Quit Tabrino" was chosen in the item's menu.
    void quitRequested();
    void backendChanged(tabrino::TrayController::Backend backend);

private:
    bool startStatusNotifierItem();
    bool startSystemTrayIcon();
    void waitForWatcher();
    void activate(const QPoint& reported);
    QPoint anchorFor(const QPoint& reported) const;
    void detectHost();
    void adoptHost(const StatusNotifierHost& host);
    bool panelIsDark() const;
    void update();

    TrayLabel& m_label;
    QDBusConnection m_bus;
    Backend m_backend = Backend::None;
    std::optional<QColor> m_fixedForeground;
    StatusNotifierHost m_host;
    bool m_hostFixed = false;
    bool m_hostDetected = false;
    // waybar's tray icon sizes and the tray's place from its configuration,
    // empty when unknown, and whether its style sheet makes the bar dark.
    QList<int> m_waybarSizes;
    std::optional<WaybarConfig::TrayPlace> m_waybarTray;
    std::optional<bool> m_waybarDark;
    std::unique_ptr<DesktopColorScheme> m_colorScheme;
    std::unique_ptr<XfcePanelSettings> m_xfcePanel;
    std::unique_ptr<StatusNotifierItem> m_item;
    std::unique_ptr<QSystemTrayIcon> m_trayIcon;
    QDBusServiceWatcher* m_watcherWatcher = nullptr;
};

}  // namespace tabrino
