#pragma once

#include <QColor>
#include <QDBusConnection>
#include <QObject>
#include <QPoint>

#include <memory>

class QDBusServiceWatcher;
class QSystemTrayIcon;

namespace tabrino {

class MenuBarLabel;
class StatusNotifierItem;

// Shows the menu-bar label in the desktop's tray. The amount goes to the
// item's text label, the spoken description to its title and tooltip, and
// the symbol and renewal dot to its icon. A StatusNotifierItem is used where
// a watcher runs; an XEmbed tray through QSystemTrayIcon (which needs a
// QApplication) where only that exists. With neither, `start()` says so and
// the caller shows the panel as an ordinary window; should a watcher appear
// later, the item is published then and `backendChanged` reports it.
class TrayController : public QObject {
    Q_OBJECT

public:
    enum class Backend { none, statusNotifierItem, systemTrayIcon };
    Q_ENUM(Backend)

    // On the session bus.
    explicit TrayController(MenuBarLabel& label, QObject* parent = nullptr);
    TrayController(MenuBarLabel& label, const QDBusConnection& bus, QObject* parent = nullptr);
    ~TrayController() override;

    // Puts the item in the tray; call once.
    Backend start();
    Backend backend() const { return m_backend; }

    // The colour of the symbol and dot; white by default, as the panels of
    // most desktops are dark.
    void setForeground(const QColor& colour);
    // Whether the host draws the item's text label. Only then may the icon
    // go without the symbol in the "total only" mode: a host that shows no
    // label would otherwise show an empty item that nobody can find.
    void setHostShowsLabels(bool shows);
    bool hostShowsLabels() const { return m_hostShowsLabels; }
    // GNOME's AppIndicator host and Unity draw the label; KDE, LXQt and the
    // XEmbed trays do not, and for the rest it is not known, so only those
    // two count. Read from XDG_CURRENT_DESKTOP.
    static bool desktopShowsLabels();

    StatusNotifierItem* statusNotifierItem() const { return m_item.get(); }
    QSystemTrayIcon* systemTrayIcon() const { return m_trayIcon.get(); }

Q_SIGNALS:
    // The item was clicked; the position is where the host says it is, or
    // the pointer's when the host gives none.
    void activated(QPoint position);
    void backendChanged(tabrino::TrayController::Backend backend);

private:
    bool startStatusNotifierItem();
    bool startSystemTrayIcon();
    void waitForWatcher();
    void activate(const QPoint& reported);
    void update();

    MenuBarLabel& m_label;
    QDBusConnection m_bus;
    Backend m_backend = Backend::none;
    QColor m_foreground = Qt::white;
    bool m_hostShowsLabels = desktopShowsLabels();
    std::unique_ptr<StatusNotifierItem> m_item;
    std::unique_ptr<QSystemTrayIcon> m_trayIcon;
    QDBusServiceWatcher* m_watcherWatcher = nullptr;
};

}  // namespace tabrino
