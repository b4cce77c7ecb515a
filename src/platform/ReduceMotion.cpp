// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/ReduceMotion.h"

#include "platform/IniFile.h"
#include "platform/PortalSettings.h"

#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QDBusVariant>
#include <QFile>
#include <QFileInfo>
#include <QFileSystemWatcher>
#include <QProcess>
#include <QStandardPaths>

namespace tabrino {

namespace {

const QString kGnomeGroup = QStringLiteral("org.gnome.desktop.interface");
const QString kGnomeKey = QStringLiteral("enable-animations");
const QString kKdeGroup = QStringLiteral("org.kde.kdeglobals.KDE");
const QString kKdeKey = QStringLiteral("AnimationDurationFactor");

std::optional<bool> toBool(const QVariant& value)
{
    if (value.metaType() == QMetaType::fromType<bool>())
        return value.toBool();
    const QString text = value.toString().trimmed();
    if (text == u"true")
        return true;
    if (text == u"false")
        return false;
    return std::nullopt;
}

std::optional<double> toFactor(const QVariant& value)
{
    bool ok = false;
    const double factor = value.metaType() == QMetaType::fromType<QString>() ? value.toString().trimmed().toDouble(&ok)
                                                                             : value.toDouble(&ok);
    return ok ? std::optional<double>(factor) : std::nullopt;
}

}  // namespace

ReduceMotion::Sources ReduceMotion::Sources::system()
{
    return Sources{QDBusConnection::sessionBus(),
                   QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + u"/kdeglobals"_qs,
                   QStandardPaths::findExecutable(QStringLiteral("gsettings"))};
}

ReduceMotion::ReduceMotion(QObject* parent) : ReduceMotion(Sources::system(), parent)
{
}

ReduceMotion::ReduceMotion(Sources sources, QObject* parent) : QObject(parent), m_sources(std::move(sources))
{
    if (m_sources.bus.isConnected()) {
        m_sources.bus.connect(QString(), PortalSettings::path, PortalSettings::interface,
                              QStringLiteral("SettingChanged"), this, SLOT(portalSettingChanged(QDBusMessage)));
    }
    refresh();
}

ReduceMotion::~ReduceMotion()
{
    if (m_gsettings) {
        m_gsettings->disconnect(this);
        m_gsettings->kill();
        m_gsettings->waitForFinished(1000);
    }
}

void ReduceMotion::refresh()
{
    if (m_sources.bus.isConnected()) {
        readPortal(kGnomeGroup, kGnomeKey);
        readPortal(kKdeGroup, kKdeKey);
    } else {
        portalFailed(kGnomeGroup);
        portalFailed(kKdeGroup);
    }
}

void ReduceMotion::readPortal(const QString& group, const QString& key)
{
    QDBusMessage call = QDBusMessage::createMethodCall(PortalSettings::service, PortalSettings::path,
                                                       PortalSettings::interface, QStringLiteral("Read"));
    call << group << key;
    auto* pending = new QDBusPendingCallWatcher(m_sources.bus.asyncCall(call), this);
    connect(pending, &QDBusPendingCallWatcher::finished, this, [this, group](QDBusPendingCallWatcher* finished) {
        finished->deleteLater();
        const QDBusPendingReply<QDBusVariant> reply = *finished;
        if (reply.isError()) {
            portalFailed(group);
            return;
        }
        const QVariant value = PortalSettings::unwrap(reply.value().variant());
        if (group == kGnomeGroup)
            setGnomeAnimations(toBool(value));
        else
            setKdeFactor(toFactor(value));
    });
}

void ReduceMotion::portalSettingChanged(const QDBusMessage& message)
{
    const QVariantList arguments = message.arguments();
    if (arguments.size() != 3)
        return;
    const QString group = arguments.at(0).toString();
    const QString key = arguments.at(1).toString();
    const QVariant value = PortalSettings::unwrap(arguments.at(2));
    if (group == kGnomeGroup && key == kGnomeKey)
        setGnomeAnimations(toBool(value));
    else if (group == kKdeGroup && key == kKdeKey)
        setKdeFactor(toFactor(value));
}

void ReduceMotion::portalFailed(const QString& group)
{
    if (group == kGnomeGroup)
        askGsettings();
    else
        readKdeGlobals();
}

void ReduceMotion::readKdeGlobals()
{
    const QString path = m_sources.kdeGlobalsPath;
    if (path.isEmpty())
        return;
    if (!m_fileWatcher) {
        m_fileWatcher = new QFileSystemWatcher(this);
        connect(m_fileWatcher, &QFileSystemWatcher::fileChanged, this, &ReduceMotion::readKdeGlobals);
        // The folder too: the file may not exist yet when the program starts,
        // and KDE writes it the first time the setting is changed.
        connect(m_fileWatcher, &QFileSystemWatcher::directoryChanged, this, &ReduceMotion::readKdeGlobals);
        const QString folder = QFileInfo(path).absolutePath();
        if (QFileInfo(folder).isDir())
            m_fileWatcher->addPath(folder);
    }
    // KDE saves by replacing the file, which ends the watch on the old one.
    if (QFile::exists(path) && !m_fileWatcher->files().contains(path))
        m_fileWatcher->addPath(path);

    setKdeFactor(toFactor(IniFile::value(path, u"KDE", kKdeKey)));
}

void ReduceMotion::askGsettings()
{
    if (m_sources.gsettingsProgram.isEmpty() || m_gsettings)
        return;
    m_gsettings = new QProcess(this);
    connect(m_gsettings, &QProcess::finished, this, [this](int exitCode, QProcess::ExitStatus status) {
        const QByteArray output = m_gsettings->readAllStandardOutput();
        m_gsettings->deleteLater();
        m_gsettings = nullptr;
        if (status == QProcess::NormalExit && exitCode == 0)
            setGnomeAnimations(toBool(QString::fromUtf8(output)));
    });
    connect(m_gsettings, &QProcess::errorOccurred, this, [this](QProcess::ProcessError error) {
        if (error != QProcess::FailedToStart)
            return;
        m_gsettings->deleteLater();
        m_gsettings = nullptr;
    });
    m_gsettings->start(m_sources.gsettingsProgram, {QStringLiteral("get"), kGnomeGroup, kGnomeKey});
}

void ReduceMotion::setGnomeAnimations(std::optional<bool> enabled)
{
    m_gnomeAnimations = enabled;
    decide();
}

void ReduceMotion::setKdeFactor(std::optional<double> factor)
{
    m_kdeFactor = factor;
    decide();
}

void ReduceMotion::decide()
{
    const bool reduce = (m_gnomeAnimations && !*m_gnomeAnimations) || (m_kdeFactor && *m_kdeFactor == 0.0);
    if (reduce == m_enabled)
        return;
    m_enabled = reduce;
    Q_EMIT enabledChanged();
}

}  // namespace tabrino
