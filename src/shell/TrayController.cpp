// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "shell/TrayController.h"

#include "foundation/Logging.h"
#include "platform/StatusNotifierItem.h"
#include "platform/XfcePanelSettings.h"
#include "ui/main/TrayLabel.h"

#include <QApplication>
#include <QCursor>
#include <QDBusServiceWatcher>
#include <QIcon>
#include <QPixmap>
#include <QScreen>
#include <QSystemTrayIcon>

#include <algorithm>
#include <cmath>

namespace tabrino {

namespace {

using Drawing = StatusNotifierHost::Drawing;

// The usual tray sizes and their doubles for a HiDPI scale of 2; hosts that
// pick the size closest to their own choose among them.
const QList<int> kSquareSizes{16, 22, 24, 32, 44, 48, 64};

TrayIconRenderer::Content contentFor(const TrayLabel& label, Drawing drawing)
{
    TrayIconRenderer::Content content;
    content.dot = label.showsDot();
    switch (drawing) {
    case Drawing::Label:
        // The host draws the amount; the icon may go without the symbol.
        content.symbol = label.showsIcon();
        break;
    case Drawing::WideImage:
        content.symbol = label.showsIcon();
        content.shape = TrayIconRenderer::Shape::Wide;
        if (!label.amountText().isEmpty())
            content.texts = QStringList{label.amountText()};
        break;
    case Drawing::SquareImage:
        // The amount when it is shown, else the symbol: an empty square
        // would leave an item nobody can find.
        content.symbol = true;
        content.texts = label.compactAmounts();
        break;
    }
    return content;
}

// The device pixel ratios of the screens, each once.
QList<qreal> screenScales()
{
    QList<qreal> scales;
    if (qobject_cast<QGuiApplication*>(QCoreApplication::instance())) {
        for (const QScreen* screen : QGuiApplication::screens()) {
            if (!scales.contains(screen->devicePixelRatio()))
                scales << screen->devicePixelRatio();
        }
    }
    if (scales.isEmpty())
        scales << 1.0;
    return scales;
}

}  // namespace

TrayController::TrayController(TrayLabel& label, QObject* parent)
    : TrayController(label, DesktopColorScheme::Sources::system(), parent)
{
}

TrayController::TrayController(TrayLabel& label, const QDBusConnection& bus, QObject* parent)
    : TrayController(
        label,
        [&bus] {
            DesktopColorScheme::Sources sources = DesktopColorScheme::Sources::system();
            sources.bus = bus;
            return sources;
        }(),
        parent)
{
}

TrayController::TrayController(TrayLabel& label, DesktopColorScheme::Sources sources, QObject* parent)
    : QObject(parent)
    , m_label(label)
    , m_bus(sources.bus)
{
    m_colorScheme = std::make_unique<DesktopColorScheme>(std::move(sources));
    connect(m_colorScheme.get(), &DesktopColorScheme::schemeChanged, this, &TrayController::update);
    connect(&m_label, &TrayLabel::changed, this, &TrayController::update);
    // waybar's images follow the screens' scale, which changes with their geometry.
    if (auto* application = qobject_cast<QGuiApplication*>(QCoreApplication::instance())) {
        const auto follow = [this](QScreen* screen) {
            connect(screen, &QScreen::geometryChanged, this, &TrayController::update);
        };
        for (QScreen* screen : QGuiApplication::screens())
            follow(screen);
        connect(application, &QGuiApplication::screenAdded, this, [this, follow](QScreen* screen) {
            follow(screen);
            update();
        });
        connect(application, &QGuiApplication::screenRemoved, this, &TrayController::update);
    }
}

TrayController::~TrayController() = default;

TrayController::Backend TrayController::start()
{
    if (m_backend != Backend::None)
        return m_backend;
    if (startStatusNotifierItem())
        m_backend = Backend::StatusNotifierItem;
    else if (startSystemTrayIcon())
        m_backend = Backend::SystemTrayIcon;
    else
        waitForWatcher();
    return m_backend;
}

bool TrayController::startStatusNotifierItem()
{
    if (!StatusNotifierItem::isWatcherPresent(m_bus))
        return false;
    auto item = std::make_unique<StatusNotifierItem>(m_bus);
    item->setHost(m_host);
    connect(item.get(), &StatusNotifierItem::activated, this, &TrayController::activate);
    // Hosts that call ContextMenu show no menu of the item's (GNOME Shell,
    // where it is empty), so a right click opens the panel there.
    connect(item.get(), &StatusNotifierItem::contextMenuRequested, this, &TrayController::activate);
    connect(item.get(), &StatusNotifierItem::openRequested, this,
            [this] { Q_EMIT openRequested(anchorFor(QPoint())); });
    connect(item.get(), &StatusNotifierItem::quitRequested, this, &TrayController::quitRequested);
    // A restarted tray may be another program, drawing the item differently.
    connect(item.get(), &StatusNotifierItem::registered, this, &TrayController::detectHost);
    m_item = std::move(item);
    // Looking draws the item for the host found.
    if (m_hostFixed)
        update();
    else
        detectHost();
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
        if (m_backend != Backend::None || !startStatusNotifierItem())
            return;
        m_watcherWatcher->deleteLater();
        m_watcherWatcher = nullptr;
        m_backend = Backend::StatusNotifierItem;
        Q_EMIT backendChanged(m_backend);
    });
}

void TrayController::activate(const QPoint& reported)
{
    Q_EMIT activated(anchorFor(reported));
}

QPoint TrayController::anchorFor(const QPoint& reported) const
{
    // waybar reports the click within the item, which says nothing of where
    // the item is; its configuration tells the edge and end of the screen.
    if (m_host.program == u"waybar") {
        QScreen* screen = QGuiApplication::screenAt(QCursor::pos());
        if (!screen)
            screen = QGuiApplication::primaryScreen();
        return m_waybarTray && screen ? m_waybarTray->anchorOn(screen->geometry()) : QCursor::pos();
    }
    // Hosts that cannot tell where the item is (Wayland ones) send 0,0.
    return reported.isNull() ? QCursor::pos() : reported;
}

void TrayController::detectHost()
{
    if (m_hostFixed)
        return;
    const StatusNotifierHost host = StatusNotifierHost::detect(m_bus);
    if (host == m_host && m_hostDetected) {
        // The same bar restarted, perhaps for a new configuration.
        if (host.program == u"waybar")
            adoptHost(host);
        return;
    }
    m_hostDetected = true;
    qCInfo(lcTray).noquote() << "Tray host:" << (host.program.isEmpty() ? QStringLiteral("not known") : host.program);
    adoptHost(host);
}

void TrayController::setHost(const StatusNotifierHost& host)
{
    m_hostFixed = true;
    adoptHost(host);
}

void TrayController::adoptHost(const StatusNotifierHost& host)
{
    m_host = host;
    if (m_item)
        m_item->setHost(host);
    m_waybarSizes.clear();
    m_waybarDark.reset();
    m_waybarTray.reset();
    if (host.program == u"waybar") {
        const QStringList folders = WaybarConfig::systemConfigFolders();
        m_waybarSizes = WaybarConfig::trayIconSizes(host.arguments, folders);
        m_waybarDark = WaybarConfig::isBarDark(host.arguments, folders);
        m_waybarTray = WaybarConfig::trayPlace(host.arguments, folders);
    }
    m_xfcePanel.reset();
    if (host.program == u"xfce4-panel") {
        m_xfcePanel =
            std::make_unique<XfcePanelSettings>(m_bus, host.xfcePluginId, XfcePanelSettings::systemThemeFolders());
        connect(m_xfcePanel.get(), &XfcePanelSettings::changed, this, &TrayController::update);
    }
    update();
}

void TrayController::setForeground(const QColor& colour)
{
    if (m_fixedForeground == colour)
        return;
    m_fixedForeground = colour;
    update();
}

bool TrayController::panelIsDark() const
{
    // GNOME Shell's top bar and Unity's panel are dark in light mode too.
    if (m_host.drawsLabel())
        return true;
    if (m_xfcePanel) {
        if (const std::optional<bool> dark = m_xfcePanel->isPanelDark())
            return *dark;
    }
    // waybar's colours are its style sheet's; its own default is dark.
    if (m_host.program == u"waybar")
        return m_waybarDark.value_or(true);
    const DesktopColorScheme::Scheme scheme = m_colorScheme->scheme();
    // Plasma's default theme, Breeze, has a light panel; an account that never
    // chose colours has none written down.
    if (scheme == DesktopColorScheme::Scheme::Unknown && m_host.program == u"plasmashell")
        return false;
    // Most other panels are dark when nothing says otherwise.
    return scheme != DesktopColorScheme::Scheme::Light;
}

QColor TrayController::foreground() const
{
    if (m_fixedForeground)
        return *m_fixedForeground;
    return panelIsDark() ? foregroundOnDark() : foregroundOnLight();
}

TrayIconRenderer::Content TrayController::iconContent() const
{
    return contentFor(m_label, m_host.drawing);
}

QList<int> TrayController::iconHeights() const
{
    // XFCE and waybar take the largest image offered and scale it to their
    // own size, so where that size is known it is the only one offered.
    if (m_xfcePanel) {
        if (const std::optional<int> size = m_xfcePanel->trayIconSize())
            return {*size};
        return {22};
    }
    if (m_host.drawing == Drawing::WideImage) {
        const QList<int> sizes = m_waybarSizes.isEmpty() ? QList<int>{16} : m_waybarSizes;
        QList<int> heights;
        for (const int size : sizes) {
            for (const qreal scale : screenScales()) {
                const int height = int(std::lround(size * scale));
                if (!heights.contains(height))
                    heights << height;
            }
        }
        std::sort(heights.begin(), heights.end());
        return heights;
    }
    return kSquareSizes;
}

void TrayController::update()
{
    const QString spoken = m_label.accessibilityText();
    const QColor colour = foreground();
    if (m_item) {
        m_item->setIcons(TrayIconRenderer::renderSizes(iconHeights(), colour, iconContent()));
        // Offered to every host: one that draws it and was not recognised
        // shows the amount twice, which beats not at all.
        m_item->setLabel(m_label.amountText());
        m_item->setTitle(spoken);
        // Plasma's data engine hands our panel widget the tooltip but not
        // the label, so there a shown total is the tooltip's title, over the
        // description; Plasma's tray shows both.
        if (m_host.program == u"plasmashell" && !m_label.amountText().isEmpty())
            m_item->setToolTip(m_label.amountText(), spoken);
        else
            m_item->setToolTip(spoken, QString());
    }
    if (m_trayIcon) {
        // XEmbed trays draw square icons and no text.
        QIcon icon;
        for (const QImage& image :
             TrayIconRenderer::renderSizes(kSquareSizes, colour, contentFor(m_label, Drawing::SquareImage)))
            icon.addPixmap(QPixmap::fromImage(image));
        m_trayIcon->setIcon(icon);
        m_trayIcon->setToolTip(spoken);
    }
}

}  // namespace tabrino
