// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "reminders/TimeChangeWatcher.h"

#include <QSocketNotifier>
#include <QTimeZone>
#include <QTimer>

#include <cerrno>
#include <cstdint>
#include <ctime>

#include <sys/timerfd.h>
#include <unistd.h>

namespace tabrino {

using namespace Qt::StringLiterals;

TimeChangeWatcher::TimeChangeWatcher(const QDBusConnection& systemBus, QObject* parent)
    : QObject(parent)
    , m_timeZoneId(QTimeZone::systemTimeZoneId())
{
    m_coalesce = new QTimer(this);
    m_coalesce->setSingleShot(true);
    m_coalesce->setInterval(0);
    connect(m_coalesce, &QTimer::timeout, this, [this] {
        m_timeZoneId = QTimeZone::systemTimeZoneId();
        Q_EMIT timeChanged();
    });

    // A realtime timer far in the future that the kernel cancels whenever the
    // wall clock is set, including the jump it makes on resume.
    m_clockFd = ::timerfd_create(CLOCK_REALTIME, TFD_NONBLOCK | TFD_CLOEXEC);
    if (m_clockFd >= 0) {
        m_clockNotifier = new QSocketNotifier(m_clockFd, QSocketNotifier::Read, this);
        connect(m_clockNotifier, &QSocketNotifier::activated, this, &TimeChangeWatcher::onClockDescriptorReadable);
        armClockWatch();
    }

    if (systemBus.isConnected()) {
        QDBusConnection bus(systemBus);
        bus.connect(u"org.freedesktop.login1"_s, u"/org/freedesktop/login1"_s, u"org.freedesktop.login1.Manager"_s,
                    u"PrepareForSleep"_s, this, SLOT(onPrepareForSleep(bool)));
        bus.connect(u"org.freedesktop.timedate1"_s, u"/org/freedesktop/timedate1"_s,
                    u"org.freedesktop.DBus.Properties"_s, u"PropertiesChanged"_s, this,
                    SLOT(onTimedatePropertiesChanged(QString, QVariantMap, QStringList)));
    }
}

TimeChangeWatcher::~TimeChangeWatcher()
{
    delete m_clockNotifier;
    if (m_clockFd >= 0)
        ::close(m_clockFd);
}

void TimeChangeWatcher::armClockWatch()
{
    timespec now{};
    ::clock_gettime(CLOCK_REALTIME, &now);
    itimerspec spec{};
    // About a century ahead: never reached, and well inside the kernel's range.
    spec.it_value.tv_sec = now.tv_sec + time_t(100) * 365 * 24 * 3600;
    ::timerfd_settime(m_clockFd, TFD_TIMER_ABSTIME | TFD_TIMER_CANCEL_ON_SET, &spec, nullptr);
}

void TimeChangeWatcher::onClockDescriptorReadable()
{
    std::uint64_t expirations = 0;
    const ssize_t got = ::read(m_clockFd, &expirations, sizeof expirations);
    if (got < 0 && errno == EAGAIN)
        return;
    // ECANCELED: the clock was set. Either way the watch has to be set again.
    armClockWatch();
    notifySoon();
}

void TimeChangeWatcher::onPrepareForSleep(bool starting)
{
    if (!starting)
        notifySoon();
}

void TimeChangeWatcher::onTimedatePropertiesChanged(const QString& interfaceName, const QVariantMap& changed,
                                                    const QStringList& invalidated)
{
    if (interfaceName != u"org.freedesktop.timedate1"_s)
        return;
    if (changed.contains(u"Timezone"_s) || invalidated.contains(u"Timezone"_s)
        || QTimeZone::systemTimeZoneId() != m_timeZoneId) {
        notifySoon();
    }
}

void TimeChangeWatcher::notifySoon()
{
    if (!m_coalesce->isActive())
        m_coalesce->start();
}

}  // namespace tabrino
