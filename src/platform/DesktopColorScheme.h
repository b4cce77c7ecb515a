// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QDBusConnection>
#include <QDBusMessage>
#include <QObject>
#include <QString>

#include <optional>

class QFileSystemWatcher;

namespace tabrino {

// Whether the desktop is set light or dark, for drawing in its panels. The
// XDG desktop portal's org.freedesktop.appearance color-scheme decides
// where it states a preference; otherwise a GTK theme named dark (the
// portal's GNOME setting or GTK's settings.ini), or KDE's window colour in
// kdeglobals. Answers arrive asynchronously; the portal's and the files'
// later changes are followed.
class DesktopColorScheme : public QObject {
    Q_OBJECT

public:
    enum class Scheme { Unknown, Light, Dark };
    Q_ENUM(Scheme)

    struct Sources {
        QDBusConnection bus;
        // kdeglobals; empty to skip.
        QString kdeGlobalsPath;
        // GTK 3's settings.ini; empty to skip.
        QString gtkSettingsPath;

        // The session bus and the files under $XDG_CONFIG_HOME.
        static Sources system();
    };

    explicit DesktopColorScheme(Sources sources, QObject* parent = nullptr);
    ~DesktopColorScheme() override;

    Scheme scheme() const { return m_scheme; }

    // kdeglobals' [Colors:Window] BackgroundNormal ("239,240,241") as light
    // or dark; empty when the file does not say.
    static std::optional<bool> kdeWindowIsDark(const QString& kdeglobals);
    // settings.ini's dark preference or a theme named dark; empty when the
    // file names neither preference nor theme.
    static std::optional<bool> gtkSettingsAreDark(const QString& settingsIni);

Q_SIGNALS:
    void schemeChanged();

private Q_SLOTS:
    // The whole message, as a slot with a QDBusVariant parameter would be
    // refused until something else made that type known.
    void portalSettingChanged(const QDBusMessage& message);

private:
    void readPortalSettings();
    void readPortal(const QString& group, const QString& key);
    void takePortalValue(const QString& group, const QString& key, const QVariant& value);
    void readFiles();
    void decide();

    Sources m_sources;
    QFileSystemWatcher* m_watcher = nullptr;
    // 0 no preference, 1 dark, 2 light.
    std::optional<uint> m_portalScheme;
    std::optional<bool> m_portalGtkThemeDark;
    std::optional<bool> m_kdeDark;
    std::optional<bool> m_gtkDark;
    Scheme m_scheme = Scheme::Unknown;
};

}  // namespace tabrino
