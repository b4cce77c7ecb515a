// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QObject>
#include <QString>

namespace tabrino {

// Starting at login through the XDG autostart entry
// $XDG_CONFIG_HOME/autostart/tabrino.desktop. Enabled means the entry exists
// and neither hides itself nor is switched off for GNOME. The update methods
// return an empty text on success, else the text the settings screen shows:
// which entry could not be written or removed, and the system's reason.
class Autostart : public QObject {
    Q_OBJECT
    Q_PROPERTY(bool enabled READ isEnabled NOTIFY enabledChanged)

public:
    // The user's autostart folder and this program's own binary.
    explicit Autostart(QObject* parent = nullptr);
    Autostart(const QString& autostartDirectory, const QString& executablePath, QObject* parent = nullptr);

    static QString defaultAutostartDirectory();
    QString entryPath() const;
    // The entry's folder as the user knows it ("~/.config/autostart").
    QString displayedDirectory() const;

    bool isEnabled() const;
    // Writes the entry (replacing one that is there) in one step.
    Q_INVOKABLE QString writeEntry();
    // Removes the entry; no entry is success.
    Q_INVOKABLE QString removeEntry();

    // The entry's text for the program at `executablePath`.
    static QByteArray entryText(const QString& executablePath);
    // `path` as one argument of an Exec line, quoted and escaped.
    static QString quotedExecArgument(const QString& path);

Q_SIGNALS:
    void enabledChanged();

private:
    QString m_directory;
    QString m_executablePath;
};

}  // namespace tabrino
