// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/StatusNotifierHost.h"

#include <QDBusConnectionInterface>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

#include <optional>

namespace tabrino {

namespace {

const QString kWatcherName = QStringLiteral("org.kde.StatusNotifierWatcher");

QByteArray readProcFile(uint pid, const char* file)
{
    QFile proc(QStringLiteral("/proc/%1/%2").arg(pid).arg(QLatin1String(file)));
    return proc.open(QIODevice::ReadOnly) ? proc.readAll() : QByteArray();
}

std::optional<StatusNotifierHost::Process> processOf(QDBusConnectionInterface& daemon, const QString& name)
{
    const QDBusReply<uint> pid = daemon.servicePid(name);
    if (!pid.isValid() || pid.value() == 0)
        return std::nullopt;
    StatusNotifierHost::Process process;
    process.name = QString::fromUtf8(readProcFile(pid.value(), "comm")).trimmed();
    for (const QByteArray& argument : readProcFile(pid.value(), "cmdline").split('\0')) {
        if (!argument.isEmpty())
            process.arguments << QString::fromLocal8Bit(argument);
    }
    if (process.name.isEmpty() && process.arguments.isEmpty())
        return std::nullopt;
    return process;
}

// What one process says about the host, if it is one we know.
std::optional<StatusNotifierHost> recognise(const StatusNotifierHost::Process& process)
{
    using Drawing = StatusNotifierHost::Drawing;
    const auto host = [&](Drawing drawing, const QString& hostProgram) {
        StatusNotifierHost result;
        result.drawing = drawing;
        result.program = hostProgram;
        result.arguments = process.arguments;
        return result;
    };
    // The kernel keeps 15 characters of a process name; the command line has all.
    const QString program =
        process.arguments.isEmpty() ? process.name : QFileInfo(process.arguments.first()).fileName();
    const auto named = [&](QStringView name) { return process.name == name || program == name; };
    if (named(u"gnome-shell"))
        return host(Drawing::Label, QStringLiteral("gnome-shell"));
    // Unity's and MATE's indicator services, which the Ayatana label comes from.
    if (program.contains(u"indicator-application"))
        return host(Drawing::Label, program);
    if (named(u"waybar"))
        return host(Drawing::WideImage, QStringLiteral("waybar"));
    if (named(u"plasmashell") || named(u"kded5") || named(u"kded6"))
        return host(Drawing::SquareImage, QStringLiteral("plasmashell"));

    // xfce4-panel runs the tray plugin in a wrapper it names after the plugin.
    static const QRegularExpression xfceWrapper(QStringLiteral("^panel-(\\d+)-systray$"));
    const QRegularExpressionMatch wrapper = xfceWrapper.match(process.name);
    const bool xfce =
        wrapper.hasMatch() || named(u"xfce4-panel") || process.arguments.join(u' ').contains(u"xfce4/panel");
    if (xfce) {
        StatusNotifierHost result = host(Drawing::SquareImage, QStringLiteral("xfce4-panel"));
        if (wrapper.hasMatch())
            result.xfcePluginId = wrapper.captured(1).toInt();
        return result;
    }
    return std::nullopt;
}

}  // namespace

StatusNotifierHost StatusNotifierHost::detect(const QDBusConnection& bus)
{
    QList<Process> processes;
    QDBusConnectionInterface* daemon = bus.isConnected() ? bus.interface() : nullptr;
    if (daemon) {
        QStringList names;
        for (const QString& name : daemon->registeredServiceNames().value()) {
            if (name.contains(u".StatusNotifierHost"))
                names << name;
        }
        names << kWatcherName;
        for (const QString& name : names) {
            if (const std::optional<Process> process = processOf(*daemon, name))
                processes << *process;
        }
    }
    return classify(processes, qEnvironmentVariable("XDG_CURRENT_DESKTOP"));
}

StatusNotifierHost StatusNotifierHost::classify(const QList<Process>& processes, const QString& currentDesktop)
{
    for (const Process& process : processes) {
        if (const std::optional<StatusNotifierHost> host = recognise(process))
            return *host;
    }
    // Budgie names GNOME as well ("Budgie:GNOME") but has a tray of its own.
    const QStringList desktops = currentDesktop.toLower().split(u':');
    StatusNotifierHost host;
    if ((desktops.contains(u"gnome"_qs) || desktops.contains(u"unity"_qs)) && !desktops.contains(u"budgie"_qs))
        host.drawing = Drawing::Label;
    return host;
}

}  // namespace tabrino
