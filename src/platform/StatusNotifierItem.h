// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "platform/StatusNotifierHost.h"
#include "platform/StatusNotifierPixmap.h"
#include "platform/StatusNotifierToolTip.h"

#include <QDBusConnection>
#include <QImage>
#include <QList>
#include <QObject>
#include <QPoint>
#include <QString>

class QDBusServiceWatcher;

namespace tabrino {

class StatusNotifierMenu;

// The application's tray item as an org.kde.StatusNotifierItem on D-Bus,
// with the Ayatana label extension for hosts that draw a text beside the
// icon. `publish()` claims the service name org.kde.StatusNotifierItem-<pid>-<n>
// and the object /StatusNotifierItem, then registers with the
// StatusNotifierWatcher, again whenever a watcher (re)appears on the bus.
// Every setter announces a real change with the matching New* signal and
// stays silent otherwise.
//
// The item's menu (/MenuBar, the path KDE gives an item's menu) offers "Open Tabrino" and "Quit Tabrino" for
// the right click. GNOME Shell's AppIndicator extension needs its own
// treatment: it opens a menu with entries on a left click, so there the
// menu is empty (it shows an item only once it has a menu at all), and
// after the first Activate that succeeds it passes on double clicks alone,
// so there every Activate is answered as cancelled (the one failure it
// neither logs nor remembers). Other hosts get a plain answer: Plasma, for
// one, opens the context menu when Activate fails.
class StatusNotifierItem : public QObject {
    Q_OBJECT

public:
    static inline const QString kWatcherService = QStringLiteral("org.kde.StatusNotifierWatcher");
    static inline const QString kWatcherPath = QStringLiteral("/StatusNotifierWatcher");
    static inline const QString kInterface = QStringLiteral("org.kde.StatusNotifierItem");
    static inline const QString kObjectPath = QStringLiteral("/StatusNotifierItem");
    // The error GLib's D-Bus code maps to G_IO_ERROR_CANCELLED.
    static inline const QString kCancelledError =
        QStringLiteral("org.gtk.GDBus.UnmappedGError.Quark._g_2dio_2derror_2dquark.Code19");

    // On the session bus.
    explicit StatusNotifierItem(QObject* parent = nullptr);
    StatusNotifierItem(const QDBusConnection& bus, QObject* parent = nullptr);
    ~StatusNotifierItem() override;

    // Whether a watcher owns its name on `bus` right now.
    static bool isWatcherPresent(const QDBusConnection& bus);

    // Exports the item and starts registering. False, with nothing exported,
    // when the bus is unreachable or the name or object path is taken.
    bool publish();
    bool isPublished() const { return m_published; }
    // The watcher accepted the last registration.
    bool isRegistered() const { return m_registered; }
    QString serviceName() const { return m_serviceName; }
    QDBusConnection bus() const { return m_bus; }

    QString id() const { return QStringLiteral("tabrino"); }
    QString category() const { return QStringLiteral("ApplicationStatus"); }
    QString title() const { return m_title; }
    QString status() const { return m_status; }
    StatusNotifierPixmaps iconPixmaps() const { return m_iconPixmaps; }
    StatusNotifierToolTip toolTip() const { return m_toolTip; }
    QString label() const { return m_label; }
    QString labelGuide() const { return m_labelGuide; }

    void setTitle(const QString& title);
    // "Active", "Passive" or "NeedsAttention".
    void setStatus(const QString& status);
    // One image, offered in each of the common tray sizes.
    void setIcon(const QImage& image);
    // Images drawn for their own sizes; hosts pick the closest.
    void setIcons(const QList<QImage>& images);
    void setToolTip(const QString& title, const QString& description);
    // The text beside the icon; the guide (the widest text expected, so
    // hosts can keep the width steady) is the label itself.
    void setLabel(const QString& label);

    // The tray's host, which decides the menu's entries and the answer to
    // Activate.
    void setHost(const StatusNotifierHost& host);
    bool isForGnomeShell() const { return m_forGnomeShell; }
    // The Menu property, the same on every host; only the entries differ.
    QString menuPath() const;
    StatusNotifierMenu* menu() const { return m_menu; }
    // Whether Activate is answered with kCancelledError after its work.
    bool answersActivateAsCancelled() const { return m_forGnomeShell; }

    // The sizes `setIcon` offers.
    static QList<int> standardIconSizes() { return {16, 22, 24, 32, 48}; }

Q_SIGNALS:
    // The host's primary click, with the position it reported.
    void activated(QPoint position);
    void secondaryActivated(QPoint position);
    void contextMenuRequested(QPoint position);
    // "Open Tabrino" or "Quit Tabrino" was chosen in the menu.
    void openRequested();
    void quitRequested();
    // The watcher accepted a registration (after publish or a watcher restart).
    void registered();

    // Property changes, relayed to D-Bus by the adaptor.
    void titleChanged();
    void statusChanged();
    void iconChanged();
    void toolTipChanged();
    void labelChanged();

private:
    void registerWithWatcher();

    QDBusConnection m_bus;
    QString m_serviceName;
    StatusNotifierMenu* m_menu = nullptr;
    bool m_forGnomeShell = false;
    QDBusServiceWatcher* m_watcherWatcher = nullptr;
    bool m_published = false;
    bool m_registered = false;

    QString m_title = QStringLiteral("Tabrino");
    QString m_status = QStringLiteral("Active");
    StatusNotifierPixmaps m_iconPixmaps;
    StatusNotifierToolTip m_toolTip;
    QString m_label;
    QString m_labelGuide;
};

}  // namespace tabrino
