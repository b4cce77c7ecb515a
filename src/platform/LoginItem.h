#pragma once

#include <QObject>
#include <QString>

namespace tabrino {

// Starting at login through the XDG autostart entry
// $XDG_CONFIG_HOME/autostart/tabrino.desktop. Enabled means the entry exists
// and neither hides itself nor is switched off for GNOME. The update methods
// return an empty text on success, else the text the settings screen shows.
class LoginItem : public QObject {
    Q_OBJECT
    Q_PROPERTY(bool enabled READ isEnabled NOTIFY enabledChanged)

public:
    static inline const QString kFailureText =
        QStringLiteral("Couldn't update the login item. Try again from System Settings.");

    // The user's autostart folder and this program's own binary.
    explicit LoginItem(QObject* parent = nullptr);
    LoginItem(const QString& autostartDirectory, const QString& executablePath, QObject* parent = nullptr);

    static QString defaultAutostartDirectory();
    QString entryPath() const;

    bool isEnabled() const;
    // Writes the entry (replacing one that is there) in one step.
    Q_INVOKABLE QString registerItem();
    // Removes the entry; no entry is success.
    Q_INVOKABLE QString unregisterItem();

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
