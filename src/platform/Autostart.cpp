// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/Autostart.h"

#include "foundation/DisplayedPath.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QSaveFile>
#include <QStandardPaths>

namespace tabrino {

namespace {

// The value of `key` in the [Desktop Entry] group, unescaped only as far as
// needed to compare with "true" or "false".
QString desktopEntryValue(const QByteArray& text, QStringView key)
{
    bool inMainGroup = false;
    for (const QByteArray& rawLine : text.split('\n')) {
        const QString line = QString::fromUtf8(rawLine).trimmed();
        if (line.isEmpty() || line.startsWith(u'#'))
            continue;
        if (line.startsWith(u'[')) {
            inMainGroup = line == u"[Desktop Entry]";
            continue;
        }
        const qsizetype equals = line.indexOf(u'=');
        if (inMainGroup && equals > 0 && QStringView(line).first(equals).trimmed() == key)
            return line.mid(equals + 1).trimmed();
    }
    return QString();
}

}  // namespace

Autostart::Autostart(QObject* parent)
    : Autostart(defaultAutostartDirectory(), QCoreApplication::applicationFilePath(), parent)
{
}

Autostart::Autostart(const QString& autostartDirectory, const QString& executablePath, QObject* parent)
    : QObject(parent)
    , m_directory(autostartDirectory)
    , m_executablePath(executablePath)
{
}

QString Autostart::defaultAutostartDirectory()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + u"/autostart"_qs;
}

QString Autostart::entryPath() const
{
    return m_directory + u"/tabrino.desktop"_qs;
}

bool Autostart::isEnabled() const
{
    QFile file(entryPath());
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QByteArray text = file.read(64 * 1024);
    return desktopEntryValue(text, u"Hidden") != u"true"
        && desktopEntryValue(text, u"X-GNOME-Autostart-enabled") != u"false";
}

QString Autostart::displayedDirectory() const
{
    return DisplayedPath::of(m_directory);
}

QString Autostart::writeEntry()
{
    const bool wasEnabled = isEnabled();
    QString failure;
    if (m_executablePath.isEmpty()) {
        //: An error on the settings screen; %1 is a folder ("~/.config/autostart")
        failure = tr("Couldn't write the autostart entry in %1: the program's own path is unknown.")
                      .arg(displayedDirectory());
    } else if (!QDir().mkpath(m_directory)) {
        //: An error on the settings screen; %1 is a folder ("~/.config/autostart")
        failure =
            tr("Couldn't write the autostart entry in %1: the folder could not be created.").arg(displayedDirectory());
    } else {
        QSaveFile file(entryPath());
        if (!file.open(QIODevice::WriteOnly) || file.write(entryText(m_executablePath)) < 0 || !file.commit())
            //: An error on the settings screen; %1 is a folder ("~/.config/autostart"), %2 the system's reason
            failure = tr("Couldn't write the autostart entry in %1: %2.").arg(displayedDirectory(), file.errorString());
    }
    if (wasEnabled != isEnabled())
        Q_EMIT enabledChanged();
    return failure;
}

QString Autostart::removeEntry()
{
    const bool wasEnabled = isEnabled();
    QFile file(entryPath());
    const bool removed = !file.exists() || file.remove();
    if (wasEnabled != isEnabled())
        Q_EMIT enabledChanged();
    if (removed)
        return QString();
    //: An error on the settings screen; %1 is a folder ("~/.config/autostart"), %2 the system's reason
    return tr("Couldn't remove the autostart entry from %1: %2.").arg(displayedDirectory(), file.errorString());
}

QString Autostart::quotedExecArgument(const QString& path)
{
    // Inside a quoted argument, '"', '`', '$' and '\' take a backslash, and
    // '%' is doubled so it is not read as a field code. The line as a whole
    // is then a string value, whose own escapes apply on top.
    QString argument;
    for (const QChar c : path) {
        if (c == u'"' || c == u'`' || c == u'$' || c == u'\\')
            argument += u'\\';
        if (c == u'%')
            argument += u'%';
        argument += c;
    }
    QString value = u"\""_qs;
    for (const QChar c : std::as_const(argument)) {
        if (c == u'\\')
            value += u"\\\\"_qs;
        else if (c == u'\n')
            value += u"\\n"_qs;
        else if (c == u'\r')
            value += u"\\r"_qs;
        else if (c == u'\t')
            value += u"\\t"_qs;
        else
            value += c;
    }
    return value + u'"';
}

QByteArray Autostart::entryText(const QString& executablePath)
{
    const QString text = u"[Desktop Entry]\n"
                         u"Type=Application\n"
                         u"Version=1.4\n"
                         u"Name=Tabrino\n"
                         u"Comment=Keep track of your recurring subscriptions\n"
                         u"Exec="_qs
        + quotedExecArgument(executablePath)
        + u"\n"
          u"Icon=app.tabrino.Tabrino\n"
          u"Terminal=false\n"
          u"NoDisplay=false\n"
          u"Hidden=false\n"
          u"X-GNOME-Autostart-enabled=true\n"_qs;
    return text.toUtf8();
}

}  // namespace tabrino
