// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/StatusNotifierItem.h"

#include "foundation/Logging.h"
#include "platform/StatusNotifierItemAdaptor.h"
#include "platform/StatusNotifierMenu.h"

#include <QCoreApplication>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusMetaType>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QDBusServiceWatcher>

#include <atomic>

namespace tabrino {

namespace {

void registerDBusTypes()
{
    static const bool once = [] {
        qDBusRegisterMetaType<StatusNotifierPixmap>();
        qDBusRegisterMetaType<StatusNotifierPixmaps>();
        qDBusRegisterMetaType<StatusNotifierToolTip>();
        return true;
    }();
    Q_UNUSED(once);
}

// Items of one process are told apart by a counter in their service name.
int nextItemNumber()
{
    static std::atomic<int> counter{0};
    return ++counter;
}

}  // namespace

StatusNotifierItem::StatusNotifierItem(QObject* parent) : StatusNotifierItem(QDBusConnection::sessionBus(), parent)
{
}

StatusNotifierItem::StatusNotifierItem(const QDBusConnection& bus, QObject* parent)
    : QObject(parent)
    , m_bus(bus)
    , m_serviceName(QStringLiteral("org.kde.StatusNotifierItem-%1-%2")
                        .arg(QCoreApplication::applicationPid())
                        .arg(nextItemNumber()))
{
    registerDBusTypes();
    m_toolTip.title = m_title;
    new StatusNotifierItemAdaptor(this);
    m_menu = new StatusNotifierMenu(this);
    m_menu->setHasEntries(!m_forGnomeShell);
    connect(m_menu, &StatusNotifierMenu::openRequested, this, &StatusNotifierItem::openRequested);
    connect(m_menu, &StatusNotifierMenu::quitRequested, this, &StatusNotifierItem::quitRequested);
}

StatusNotifierItem::~StatusNotifierItem()
{
    if (!m_published)
        return;
    m_bus.unregisterObject(kObjectPath);
    m_bus.unregisterObject(StatusNotifierMenu::kObjectPath);
    m_bus.unregisterService(m_serviceName);
}

bool StatusNotifierItem::isWatcherPresent(const QDBusConnection& bus)
{
    return bus.isConnected() && bus.interface() && bus.interface()->isServiceRegistered(kWatcherService).value();
}

bool StatusNotifierItem::publish()
{
    if (m_published)
        return true;
    if (!m_bus.isConnected())
        return false;
    if (!m_bus.registerObject(kObjectPath, this, QDBusConnection::ExportAdaptors)) {
        qCWarning(lcTray).noquote() << "Couldn't put the tray item on the session bus:" << m_bus.lastError().message();
        return false;
    }
    // Exported on every host, so that a switch to or from GNOME Shell
    // needs only the menu's entries to change.
    if (!m_bus.registerObject(StatusNotifierMenu::kObjectPath, m_menu, QDBusConnection::ExportAllContents)) {
        qCWarning(lcTray).noquote() << "Couldn't put the tray item's menu on the session bus:"
                                    << m_bus.lastError().message();
        m_bus.unregisterObject(kObjectPath);
        return false;
    }
    if (!m_bus.registerService(m_serviceName)) {
        qCWarning(lcTray).noquote() << "Couldn't claim" << m_serviceName
                                    << "on the session bus:" << m_bus.lastError().message();
        m_bus.unregisterObject(kObjectPath);
        m_bus.unregisterObject(StatusNotifierMenu::kObjectPath);
        return false;
    }
    m_published = true;

    // A host that restarts (a panel crash, a shell reload) brings a new
    // watcher that knows nothing of us.
    m_watcherWatcher = new QDBusServiceWatcher(
        kWatcherService, m_bus, QDBusServiceWatcher::WatchForRegistration | QDBusServiceWatcher::WatchForUnregistration,
        this);
    connect(m_watcherWatcher, &QDBusServiceWatcher::serviceRegistered, this, &StatusNotifierItem::registerWithWatcher);
    connect(m_watcherWatcher, &QDBusServiceWatcher::serviceUnregistered, this, [this] { m_registered = false; });
    registerWithWatcher();
    return true;
}

void StatusNotifierItem::registerWithWatcher()
{
    QDBusMessage call = QDBusMessage::createMethodCall(kWatcherService, kWatcherPath, kWatcherService,
                                                       QStringLiteral("RegisterStatusNotifierItem"));
    call << m_serviceName;
    auto* pending = new QDBusPendingCallWatcher(m_bus.asyncCall(call), this);
    connect(pending, &QDBusPendingCallWatcher::finished, this, [this](QDBusPendingCallWatcher* finished) {
        finished->deleteLater();
        m_registered = !finished->isError();
        if (m_registered)
            Q_EMIT registered();
        else
            qCWarning(lcTray).noquote() << "The tray host did not take the item:" << finished->error().message();
    });
}

void StatusNotifierItem::setHost(const StatusNotifierHost& host)
{
    const bool forGnomeShell = host.program == u"gnome-shell";
    if (forGnomeShell == m_forGnomeShell)
        return;
    m_forGnomeShell = forGnomeShell;
    // A host that read the menu already reads it again on LayoutUpdated.
    m_menu->setHasEntries(!m_forGnomeShell);
}

QString StatusNotifierItem::menuPath() const
{
    return StatusNotifierMenu::kObjectPath;
}

void StatusNotifierItem::setTitle(const QString& title)
{
    if (title == m_title)
        return;
    m_title = title;
    Q_EMIT titleChanged();
}

void StatusNotifierItem::setStatus(const QString& status)
{
    if (status == m_status)
        return;
    m_status = status;
    Q_EMIT statusChanged();
}

void StatusNotifierItem::setIcon(const QImage& image)
{
    QList<QImage> images;
    if (!image.isNull()) {
        for (const int size : standardIconSizes())
            images << image.scaled(size, size, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    }
    setIcons(images);
}

void StatusNotifierItem::setIcons(const QList<QImage>& images)
{
    StatusNotifierPixmaps pixmaps;
    for (const QImage& image : images) {
        if (!image.isNull())
            pixmaps << StatusNotifierPixmap::fromImage(image);
    }
    if (pixmaps == m_iconPixmaps)
        return;
    m_iconPixmaps = pixmaps;
    Q_EMIT iconChanged();
}

void StatusNotifierItem::setToolTip(const QString& title, const QString& description)
{
    if (title == m_toolTip.title && description == m_toolTip.description)
        return;
    m_toolTip.title = title;
    m_toolTip.description = description;
    Q_EMIT toolTipChanged();
}

void StatusNotifierItem::setLabel(const QString& label)
{
    if (label == m_label && label == m_labelGuide)
        return;
    m_label = label;
    m_labelGuide = label;
    Q_EMIT labelChanged();
}

}  // namespace tabrino
