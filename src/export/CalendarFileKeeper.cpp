// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "export/CalendarFileKeeper.h"

#include "export/CalendarExport.h"
#include "export/ExportService.h"
#include "foundation/Clock.h"
#include "foundation/DisplayedPath.h"
#include "foundation/Logging.h"
#include "settings/AppSettings.h"
#include "store/SubscriptionStore.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

using namespace Qt::StringLiterals;

namespace tabrino {

CalendarFileKeeper::CalendarFileKeeper(SubscriptionStore& store, AppSettings& settings, const QString& path,
                                       QObject* parent)
    : QObject(parent)
    , m_store(store)
    , m_settings(settings)
    , m_path(path)
{
    m_pending.setSingleShot(true);
    m_pending.setInterval(0);
    connect(&m_pending, &QTimer::timeout, this, &CalendarFileKeeper::update);
    m_retry.setSingleShot(true);
    m_retry.setInterval(std::chrono::seconds(30));
    connect(&m_retry, &QTimer::timeout, this, &CalendarFileKeeper::update);

    // Every change of a listed record or of the lists, and a new day or zone.
    connect(&m_store, &SubscriptionStore::figuresChanged, this, [this] {
        if (m_settings.keepsCalendarFile())
            m_pending.start();
    });
    connect(&m_settings, &AppSettings::keepsCalendarFileChanged, this, &CalendarFileKeeper::settingChanged);
    // At start, once the program is up.
    if (m_settings.keepsCalendarFile())
        m_pending.start();
}

QString CalendarFileKeeper::pathBeside(const QString& databasePath)
{
    return QFileInfo(databasePath).dir().filePath(u"renewals.ics"_s);
}

QString CalendarFileKeeper::displayedPath() const
{
    return DisplayedPath::of(m_path);
}

void CalendarFileKeeper::settingChanged()
{
    m_pending.stop();
    m_retry.stop();
    if (m_settings.keepsCalendarFile()) {
        // At once, so the settings screen shows a failure while the user looks.
        update();
        return;
    }
    m_written.clear();
    setError(QString());
    QFile file(m_path);
    if (file.exists() && !file.remove())
        qCWarning(lcStore).noquote() << u"Couldn't remove the calendar file %1: %2"_s.arg(m_path, file.errorString());
}

void CalendarFileKeeper::update()
{
    // Lists that could not be read would empty the calendar; the file keeps
    // the last data that was read.
    if (!m_settings.keepsCalendarFile() || m_store.hasReadFailure())
        return;
    const QList<Subscription*>& active = m_store.active();
    const Calendar calendar = m_store.currentCalendar();
    // The stamp alone changing is no change: a subscribed program would
    // reload the file for nothing.
    if (!m_written.isEmpty() && CalendarExport::build(active, calendar, m_stamp) == m_written
        && QFileInfo::exists(m_path)) {
        return;
    }
    const QDateTime now = Clock::now();
    const QByteArray bytes = CalendarExport::build(active, calendar, now);
    QString reason;
    if (!ExportService::write(bytes, m_path, &reason)) {
        qCWarning(lcStore).noquote() << u"Couldn't write the calendar file %1: %2"_s.arg(m_path, reason);
        //: Under the settings' calendar file switch; %1 is the system's reason
        setError(tr("Couldn't update the calendar file: %1. Tabrino tries again.").arg(reason));
        m_retry.start();
        return;
    }
    m_written = bytes;
    m_stamp = now;
    m_retry.stop();
    setError(QString());
}

void CalendarFileKeeper::setError(const QString& error)
{
    if (m_error == error)
        return;
    m_error = error;
    Q_EMIT errorChanged();
}

}  // namespace tabrino
