// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/DesktopColorScheme.h"

#include "platform/IniFile.h"
#include "platform/PortalSettings.h"

#include <QColor>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QDBusServiceWatcher>
#include <QDBusVariant>
#include <QFile>
#include <QFileInfo>
#include <QFileSystemWatcher>
#include <QStandardPaths>

namespace tabrino {

namespace {

const QString kAppearance = QStringLiteral("org.freedesktop.appearance");
const QString kColorScheme = QStringLiteral("color-scheme");
const QString kGnomeInterface = QStringLiteral("org.gnome.desktop.interface");
const QString kGtkTheme = QStringLiteral("gtk-theme");

}  // namespace

DesktopColorScheme::Sources DesktopColorScheme::Sources::system()
{
    const QString config = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    return Sources{QDBusConnection::sessionBus(), config + u"/kdeglobals"_qs, config + u"/gtk-3.0/settings.ini"_qs};
}

DesktopColorScheme::DesktopColorScheme(Sources sources, QObject* parent)
    : QObject(parent)
    , m_sources(std::move(sources))
{
    if (m_sources.bus.isConnected()) {
        m_sources.bus.connect(QString(), PortalSettings::path, PortalSettings::interface,
                              QStringLiteral("SettingChanged"), this, SLOT(portalSettingChanged(QDBusMessage)));
        // A portal that starts later (or again) is asked then.
        auto* portalWatcher = new QDBusServiceWatcher(PortalSettings::service, m_sources.bus,
                                                      QDBusServiceWatcher::WatchForRegistration, this);
        connect(portalWatcher, &QDBusServiceWatcher::serviceRegistered, this, &DesktopColorScheme::readPortalSettings);
        readPortalSettings();
    }

    m_watcher = new QFileSystemWatcher(this);
    connect(m_watcher, &QFileSystemWatcher::fileChanged, this, &DesktopColorScheme::readFiles);
    // The folders too: a file that does not exist yet is written later, and
    // saving by replacing a file ends the watch on the old one.
    connect(m_watcher, &QFileSystemWatcher::directoryChanged, this, &DesktopColorScheme::readFiles);
    for (const QString& path : {m_sources.kdeGlobalsPath, m_sources.gtkSettingsPath}) {
        const QString folder = path.isEmpty() ? QString() : QFileInfo(path).absolutePath();
        if (!folder.isEmpty() && QFileInfo(folder).isDir() && !m_watcher->directories().contains(folder))
            m_watcher->addPath(folder);
    }
    readFiles();
}

DesktopColorScheme::~DesktopColorScheme() = default;

void DesktopColorScheme::readPortalSettings()
{
    readPortal(kAppearance, kColorScheme);
    readPortal(kGnomeInterface, kGtkTheme);
}

void DesktopColorScheme::readPortal(const QString& group, const QString& key)
{
    QDBusMessage call = QDBusMessage::createMethodCall(PortalSettings::service, PortalSettings::path,
                                                       PortalSettings::interface, QStringLiteral("Read"));
    call << group << key;
    auto* pending = new QDBusPendingCallWatcher(m_sources.bus.asyncCall(call), this);
    connect(pending, &QDBusPendingCallWatcher::finished, this, [this, group, key](QDBusPendingCallWatcher* finished) {
        finished->deleteLater();
        const QDBusPendingReply<QDBusVariant> reply = *finished;
        // No portal, or one that does not know the key: the files decide.
        if (!reply.isError())
            takePortalValue(group, key, PortalSettings::unwrap(reply.value().variant()));
    });
}

void DesktopColorScheme::portalSettingChanged(const QDBusMessage& message)
{
    const QVariantList arguments = message.arguments();
    if (arguments.size() == 3)
        takePortalValue(arguments.at(0).toString(), arguments.at(1).toString(),
                        PortalSettings::unwrap(arguments.at(2)));
}

void DesktopColorScheme::takePortalValue(const QString& group, const QString& key, const QVariant& value)
{
    if (group == kAppearance && key == kColorScheme) {
        bool ok = false;
        const uint scheme = value.toUInt(&ok);
        m_portalScheme = ok ? std::optional<uint>(scheme) : std::nullopt;
    } else if (group == kGnomeInterface && key == kGtkTheme) {
        // A theme not named dark says nothing: GNOME keeps "Adwaita" for both.
        m_portalGtkThemeDark =
            value.toString().contains(u"dark", Qt::CaseInsensitive) ? std::optional<bool>(true) : std::nullopt;
    } else {
        return;
    }
    decide();
}

void DesktopColorScheme::readFiles()
{
    for (const QString& path : {m_sources.kdeGlobalsPath, m_sources.gtkSettingsPath}) {
        if (!path.isEmpty() && QFile::exists(path) && !m_watcher->files().contains(path))
            m_watcher->addPath(path);
    }
    m_kdeDark = m_sources.kdeGlobalsPath.isEmpty() ? std::nullopt : kdeWindowIsDark(m_sources.kdeGlobalsPath);
    m_gtkDark = m_sources.gtkSettingsPath.isEmpty() ? std::nullopt : gtkSettingsAreDark(m_sources.gtkSettingsPath);
    decide();
}

std::optional<bool> DesktopColorScheme::kdeWindowIsDark(const QString& kdeglobals)
{
    const QStringList parts = IniFile::value(kdeglobals, u"Colors:Window", u"BackgroundNormal").split(u',');
    if (parts.size() < 3)
        return std::nullopt;
    bool okRed = false;
    bool okGreen = false;
    bool okBlue = false;
    const QColor colour(parts.at(0).trimmed().toInt(&okRed), parts.at(1).trimmed().toInt(&okGreen),
                        parts.at(2).trimmed().toInt(&okBlue));
    if (!okRed || !okGreen || !okBlue || !colour.isValid())
        return std::nullopt;
    return colour.lightnessF() < 0.5;
}

std::optional<bool> DesktopColorScheme::gtkSettingsAreDark(const QString& settingsIni)
{
    const QString prefersDark = IniFile::value(settingsIni, u"Settings", u"gtk-application-prefer-dark-theme");
    if (prefersDark == u"1" || prefersDark.compare(u"true", Qt::CaseInsensitive) == 0)
        return true;
    const QString theme = IniFile::value(settingsIni, u"Settings", u"gtk-theme-name");
    if (theme.isEmpty())
        return std::nullopt;
    return theme.contains(u"dark", Qt::CaseInsensitive);
}

void DesktopColorScheme::decide()
{
    Scheme scheme = Scheme::Unknown;
    if (m_portalScheme == 1u)
        scheme = Scheme::Dark;
    else if (m_portalScheme == 2u)
        scheme = Scheme::Light;
    else if (m_portalGtkThemeDark)
        scheme = Scheme::Dark;
    else if (m_kdeDark)
        scheme = *m_kdeDark ? Scheme::Dark : Scheme::Light;
    else if (m_gtkDark)
        scheme = *m_gtkDark ? Scheme::Dark : Scheme::Light;
    if (scheme == m_scheme)
        return;
    m_scheme = scheme;
    Q_EMIT schemeChanged();
}

}  // namespace tabrino
