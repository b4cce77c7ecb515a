#include "shell/TrayController.h"

#include "platform/StatusNotifierItem.h"
#include "shell/TrayIconRenderer.h"
#include "ui/panel/MenuBarLabel.h"

#include <QApplication>
#include <QCursor>
#include <QDBusServiceWatcher>
#include <QIcon>
#include <QPixmap>
#include <QSystemTrayIcon>

namespace tabrino {

TrayController::TrayController(MenuBarLabel& label, QObject* parent)
    : TrayController(label, QDBusConnection::sessionBus(), parent)
{
}

TrayController::TrayController(MenuBarLabel& label, const QDBusConnection& bus, QObject* parent)
    : QObject(parent), m_label(label), m_bus(bus)
{
    connect(&m_label, &MenuBarLabel::changed, this, &TrayController::update);
}

TrayController::~TrayController() = default;

bool TrayController::desktopShowsLabels()
{
    // Budgie names GNOME as well ("Budgie:GNOME") but has a tray of its own.
    const QStringList desktops = qEnvironmentVariable("XDG_CURRENT_DESKTOP").toLower().split(u':');
    return (desktops.contains(u"gnome"_qs) || desktops.contains(u"unity"_qs)) && !desktops.contains(u"budgie"_qs);
}

TrayController::Backend TrayController::start()
{
    if (m_backend != Backend::none)
        return m_backend;
    if (startStatusNotifierItem())
        m_backend = Backend::statusNotifierItem;
    else if (startSystemTrayIcon())
        m_backend = Backend::systemTrayIcon;
    else
        waitForWatcher();
    return m_backend;
}

bool TrayController::startStatusNotifierItem()
{
    if (!StatusNotifierItem::isWatcherPresent(m_bus))
        return false;
    auto item = std::make_unique<StatusNotifierItem>(m_bus);
    connect(item.get(), &StatusNotifierItem::activated, this, &TrayController::activate);
    // Without a menu of its own, a right click opens the panel as well.
    connect(item.get(), &StatusNotifierItem::contextMenuRequested, this, &TrayController::activate);
    m_item = std::move(item);
    update();
    if (m_item->publish())
        return true;
    m_item.reset();
    return false;
}

bool TrayController::startSystemTrayIcon()
{
    if (!qobject_cast<QApplication*>(QCoreApplication::instance()) || !QSystemTrayIcon::isSystemTrayAvailable())
        return false;
    m_trayIcon = std::make_unique<QSystemTrayIcon>();
    connect(m_trayIcon.get(), &QSystemTrayIcon::activated, this, [this](QSystemTrayIcon::ActivationReason reason) {
        if (reason != QSystemTrayIcon::Trigger && reason != QSystemTrayIcon::Context)
            return;
        const QRect geometry = m_trayIcon->geometry();
        activate(geometry.isValid() ? QPoint(geometry.center().x(), geometry.bottom()) : QPoint());
    });
    update();
    m_trayIcon->show();
    return true;
}

void TrayController::waitForWatcher()
{
    if (!m_bus.isConnected() || m_watcherWatcher)
        return;
    m_watcherWatcher = new QDBusServiceWatcher(StatusNotifierItem::kWatcherService, m_bus,
                                               QDBusServiceWatcher::WatchForRegistration, this);
    connect(m_watcherWatcher, &QDBusServiceWatcher::serviceRegistered, this, [this] {
        if (m_backend != Backend::none || !startStatusNotifierItem())
            return;
        m_watcherWatcher->deleteLater();
        m_watcherWatcher = nullptr;
        m_backend = Backend::statusNotifierItem;
        Q_EMIT backendChanged(m_backend);
    });
}

void TrayController::activate(const QPoint& reported)
{
    // Hosts that cannot tell where the item is (Wayland ones) send 0,0.
    Q_EMIT activated(reported.isNull() ? QCursor::pos() : reported);
}

void TrayController::setForeground(const QColor& colour)
{
    if (colour == m_foreground)
        return;
    m_foreground = colour;
    update();
}

void TrayController::setHostShowsLabels(bool shows)
{
    if (shows == m_hostShowsLabels)
        return;
    m_hostShowsLabels = shows;
    update();
}

void TrayController::update()
{
    const QString spoken = m_label.accessibilityText();
    if (m_item) {
        const bool symbol = m_label.showsIcon() || !m_hostShowsLabels;
        m_item->setIcons(TrayIconRenderer::renderSizes(StatusNotifierItem::standardIconSizes(), m_foreground, symbol,
                                                       m_label.showsDot()));
        m_item->setLabel(m_label.amountText());
        m_item->setTitle(spoken);
        m_item->setToolTip(spoken, QString());
    }
    if (m_trayIcon) {
        // XEmbed trays draw no text, so the symbol is always there.
        QIcon icon;
        for (const QImage& image : TrayIconRenderer::renderSizes(StatusNotifierItem::standardIconSizes(),
                                                                 m_foreground, true, m_label.showsDot()))
            icon.addPixmap(QPixmap::fromImage(image));
        m_trayIcon->setIcon(icon);
        m_trayIcon->setToolTip(spoken);
    }
}

}  // namespace tabrino
