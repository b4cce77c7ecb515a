// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QDBusConnection>
#include <QObject>
#include <QStringList>
#include <QVariantMap>

class QSocketNotifier;
class QTimer;

namespace tabrino {

// Tells when timers measured on the monotonic clock stop matching the wall
// clock: after a resume from sleep (the monotonic clock stood still), after
// the wall clock was set, and after the system time zone changed. Costs
// nothing while nothing happens: a kernel timer that is cancelled when the
// clock is set, and two signal subscriptions on the system bus.
class TimeChangeWatcher : public QObject {
    Q_OBJECT

public:
    // `systemBus` carries logind's PrepareForSleep and timedated's property
    // changes; without a connected bus only the kernel notice remains.
    explicit TimeChangeWatcher(const QDBusConnection& systemBus = QDBusConnection::systemBus(),
                               QObject* parent = nullptr);
    ~TimeChangeWatcher() override;

Q_SIGNALS:
    // Several causes in one turn of the event loop give one signal.
    void timeChanged();

private Q_SLOTS:
    void onPrepareForSleep(bool starting);
    void onTimedatePropertiesChanged(const QString& interfaceName, const QVariantMap& changed,
                                     const QStringList& invalidated);

private:
    void armClockWatch();
    void onClockDescriptorReadable();
    void notifySoon();

    int m_clockFd = -1;
    QSocketNotifier* m_clockNotifier = nullptr;
    QTimer* m_coalesce = nullptr;
    QByteArray m_timeZoneId;
};

}  // namespace tabrino
