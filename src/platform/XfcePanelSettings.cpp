// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/XfcePanelSettings.h"

#include <QColor>
#include <QDBusArgument>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QDBusVariant>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#include <algorithm>

namespace tabrino {

namespace {

const QString kService = QStringLiteral("org.xfce.Xfconf");
const QString kPath = QStringLiteral("/org/xfce/Xfconf");
const QString kInterface = QStringLiteral("org.xfce.Xfconf");
const QString kPanelChannel = QStringLiteral("xfce4-panel");
const QString kThemeChannel = QStringLiteral("xsettings");
const QString kThemeProperty = QStringLiteral("/Net/ThemeName");

// xfconf sends arrays as arrays of variants; Qt hands those over still
// marshalled, or wrapped in one variant more.
QVariant plain(QVariant value)
{
    if (value.metaType() == QMetaType::fromType<QDBusVariant>())
        return plain(value.value<QDBusVariant>().variant());
    if (value.metaType() == QMetaType::fromType<QDBusArgument>()) {
        const QDBusArgument argument = value.value<QDBusArgument>();
        if (argument.currentType() != QDBusArgument::ArrayType)
            return QVariant();
        QVariantList items;
        argument.beginArray();
        while (!argument.atEnd())
            items << plain(argument.asVariant());
        argument.endArray();
        return items;
    }
    if (value.metaType() == QMetaType::fromType<QVariantList>()) {
        QVariantList items = value.toList();
        for (QVariant& item : items)
            item = plain(item);
        return items;
    }
    return value;
}

int number(const QVariantMap& properties, const QString& key, int fallback)
{
    bool ok = false;
    const int value = properties.value(key).toInt(&ok);
    return ok ? value : fallback;
}

bool flag(const QVariantMap& properties, const QString& key, bool fallback)
{
    const QVariant value = properties.value(key);
    return value.isValid() ? value.toBool() : fallback;
}

// The first tray plugin when `pluginId` is -1.
int pluginIdIn(const QVariantMap& panel, int pluginId)
{
    if (pluginId >= 0)
        return pluginId;
    for (auto it = panel.begin(); it != panel.end(); ++it) {
        static const QString prefix = QStringLiteral("/plugins/plugin-");
        const QString id = it.key().mid(prefix.size());
        if (it.key().startsWith(prefix) && !id.contains(u'/') && it.value().toString() == u"systray")
            return id.toInt();
    }
    return -1;
}

// "/panels/panel-1/" for the panel that lists the plugin.
QString panelOf(const QVariantMap& panel, int pluginId)
{
    for (auto it = panel.begin(); it != panel.end(); ++it) {
        if (!it.key().startsWith(u"/panels/panel-") || !it.key().endsWith(u"/plugin-ids"))
            continue;
        for (const QVariant& id : it.value().toList()) {
            if (id.toInt() == pluginId)
                return it.key().chopped(QStringLiteral("plugin-ids").size());
        }
    }
    return QString();
}

bool themeHasDarkVariant(const QString& themeName, const QStringList& themeFolders)
{
    if (themeName == u"Adwaita")
        return true;  // built into GTK
    for (const QString& folder : themeFolders) {
        const QString theme = folder + u'/' + themeName + u"/gtk-3.0/"_qs;
        if (QFileInfo::exists(theme + u"gtk-dark.css"_qs))
            return true;
        if (QFileInfo::exists(theme + u"gtk.css"_qs))
            return false;
    }
    return false;
}

}  // namespace

XfcePanelSettings::XfcePanelSettings(const QDBusConnection& bus, int pluginId, QStringList themeFolders,
                                     QObject* parent)
    : QObject(parent)
    , m_bus(bus)
    , m_pluginId(pluginId)
    , m_themeFolders(std::move(themeFolders))
{
    if (!m_bus.isConnected())
        return;
    m_bus.connect(kService, kPath, kInterface, QStringLiteral("PropertyChanged"), this,
                  SLOT(propertyChanged(QDBusMessage)));
    m_bus.connect(kService, kPath, kInterface, QStringLiteral("PropertyRemoved"), this,
                  SLOT(propertyChanged(QDBusMessage)));
    readAll();
}

XfcePanelSettings::XfcePanelSettings(int pluginId, QObject* parent)
    : XfcePanelSettings(QDBusConnection::sessionBus(), pluginId, systemThemeFolders(), parent)
{
}

QStringList XfcePanelSettings::systemThemeFolders()
{
    QStringList folders{QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + u"/themes"_qs,
                        QDir::homePath() + u"/.themes"_qs};
    for (const QString& data : QStandardPaths::standardLocations(QStandardPaths::GenericDataLocation))
        folders << data + u"/themes"_qs;
    folders.removeDuplicates();
    return folders;
}

void XfcePanelSettings::readAll()
{
    QDBusMessage panel =
        QDBusMessage::createMethodCall(kService, kPath, kInterface, QStringLiteral("GetAllProperties"));
    panel << kPanelChannel << QStringLiteral("/");
    auto* panelCall = new QDBusPendingCallWatcher(m_bus.asyncCall(panel), this);
    connect(panelCall, &QDBusPendingCallWatcher::finished, this, [this](QDBusPendingCallWatcher* finished) {
        finished->deleteLater();
        const QDBusPendingReply<QVariantMap> reply = *finished;
        if (reply.isError())
            return;
        m_panel.clear();
        const QVariantMap properties = reply.value();
        for (auto it = properties.begin(); it != properties.end(); ++it)
            m_panel.insert(it.key(), plain(it.value()));
        m_panelRead = true;
        Q_EMIT changed();
    });

    QDBusMessage theme = QDBusMessage::createMethodCall(kService, kPath, kInterface, QStringLiteral("GetProperty"));
    theme << kThemeChannel << kThemeProperty;
    auto* themeCall = new QDBusPendingCallWatcher(m_bus.asyncCall(theme), this);
    connect(themeCall, &QDBusPendingCallWatcher::finished, this, [this](QDBusPendingCallWatcher* finished) {
        finished->deleteLater();
        const QDBusPendingReply<QDBusVariant> reply = *finished;
        // Without the property GTK uses its default theme.
        m_themeName = reply.isError() ? QString() : plain(reply.value().variant()).toString();
        m_themeRead = true;
        Q_EMIT changed();
    });
}

void XfcePanelSettings::propertyChanged(const QDBusMessage& message)
{
    const QVariantList arguments = message.arguments();
    if (arguments.size() < 2)
        return;
    const QString channel = arguments.at(0).toString();
    const QString property = arguments.at(1).toString();
    const bool removed = arguments.size() < 3;
    if (channel == kPanelChannel) {
        if (removed)
            m_panel.remove(property);
        else
            m_panel.insert(property, plain(arguments.at(2)));
    } else if (channel == kThemeChannel && property == kThemeProperty) {
        m_themeName = removed ? QString() : plain(arguments.at(2)).toString();
    } else {
        return;
    }
    Q_EMIT changed();
}

int XfcePanelSettings::resolvedPluginId() const
{
    return pluginIdIn(m_panel, m_pluginId);
}

std::optional<int> XfcePanelSettings::trayIconSize() const
{
    if (!m_panelRead)
        return std::nullopt;
    return trayIconSize(m_panel, resolvedPluginId());
}

std::optional<bool> XfcePanelSettings::isPanelDark() const
{
    if (!m_panelRead || !m_themeRead)
        return std::nullopt;
    return isPanelDark(m_panel, resolvedPluginId(), m_themeName, m_themeFolders);
}

std::optional<int> XfcePanelSettings::trayIconSize(const QVariantMap& panel, int pluginId)
{
    pluginId = pluginIdIn(panel, pluginId);
    const QString owner = panelOf(panel, pluginId);
    if (pluginId < 0 || owner.isEmpty())
        return std::nullopt;
    const QString plugin = QStringLiteral("/plugins/plugin-%1/").arg(pluginId);

    // The panel's defaults where a property was never written.
    const int panelSize = std::max(1, number(panel, owner + u"size"_qs, 48));
    const int rows = std::max(1, number(panel, owner + u"nrows"_qs, 1));
    int icon = number(panel, plugin + u"icon-size"_qs, 22);
    if (icon <= 0)
        icon = number(panel, owner + u"icon-size"_qs, 0);
    if (icon <= 0) {
        // The panel's automatic size: the largest usual size that fits a row.
        icon = 16;
        for (const int usual : {22, 24, 32, 48}) {
            if (usual + 4 <= panelSize / rows)
                icon = usual;
        }
    }
    const bool singleRow = flag(panel, plugin + u"single-row"_qs, false);
    int across = 0;
    int down = 0;
    if (flag(panel, plugin + u"square-icons"_qs, false)) {
        across = down = panelSize / (singleRow ? 1 : rows);
    } else {
        across = std::min(icon + 2, panelSize);
        down = panelSize / (singleRow ? 1 : std::max(1, panelSize / across));
    }
    icon = std::min({icon, across, down});
    return std::max(2, icon - icon % 2);
}

bool XfcePanelSettings::isPanelDark(const QVariantMap& panel, int pluginId, const QString& themeName,
                                    const QStringList& themeFolders)
{
    const QString owner = panelOf(panel, pluginIdIn(panel, pluginId));
    if (!owner.isEmpty() && number(panel, owner + u"background-style"_qs, 0) == 1) {
        const QVariantList rgba = panel.value(owner + u"background-rgba"_qs).toList();
        if (rgba.size() >= 3) {
            const QColor colour = QColor::fromRgbF(rgba.at(0).toFloat(), rgba.at(1).toFloat(), rgba.at(2).toFloat());
            return colour.lightnessF() < 0.5;
        }
    }
    if (themeName.contains(u"dark", Qt::CaseInsensitive))
        return true;
    return flag(panel, QStringLiteral("/panels/dark-mode"), false) && themeHasDarkVariant(themeName, themeFolders);
}

}  // namespace tabrino
