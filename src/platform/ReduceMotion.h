// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QDBusConnection>
#include <QDBusMessage>
#include <QObject>
#include <QString>

#include <optional>

class QFileSystemWatcher;
class QProcess;

namespace tabrino {

// The desktop's "reduce motion" choice: GNOME's enable-animations switched
// off, or KDE's AnimationDurationFactor at 0. Asked of the XDG desktop
// portal, which also reports later changes; where the portal cannot answer,
// KDE's kdeglobals file is read (and watched) and GNOME's gsettings tool is
// asked once. Answers arrive asynchronously; until then motion is allowed.
class ReduceMotion : public QObject {
    Q_OBJECT
    Q_PROPERTY(bool enabled READ isEnabled NOTIFY enabledChanged)

public:
    struct Sources {
        QDBusConnection bus;
        // kdeglobals; empty to skip.
        QString kdeGlobalsPath;
        // The gsettings program; empty to skip.
        QString gsettingsProgram;

        // The session bus, $XDG_CONFIG_HOME/kdeglobals and gsettings from PATH.
        static Sources system();
    };

    explicit ReduceMotion(QObject* parent = nullptr);
    explicit ReduceMotion(Sources sources, QObject* parent = nullptr);
    ~ReduceMotion() override;

    bool isEnabled() const { return m_enabled; }
    // Asks every source again.
    Q_INVOKABLE void refresh();

Q_SIGNALS:
    void enabledChanged();

private Q_SLOTS:
    // The whole message, as a slot with a QDBusVariant parameter would be
    // refused until something else made that type known.
    void portalSettingChanged(const QDBusMessage& message);

private:
    void readPortal(const QString& group, const QString& key);
    void portalFailed(const QString& group);
    void readKdeGlobals();
    void askGsettings();
    void setGnomeAnimations(std::optional<bool> enabled);
    void setKdeFactor(std::optional<double> factor);
    void decide();

    Sources m_sources;
    std::optional<bool> m_gnomeAnimations;
    std::optional<double> m_kdeFactor;
    bool m_enabled = false;
    QFileSystemWatcher* m_fileWatcher = nullptr;
    QProcess* m_gsettings = nullptr;
};

}  // namespace tabrino
