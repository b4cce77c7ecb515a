// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/settings/SettingsExport.h"

#include "export/CalendarExport.h"
#include "export/ExportService.h"
#include "foundation/Clock.h"

namespace tabrino {

void SettingsExport::setStore(SubscriptionStore* store)
{
    if (m_store == store)
        return;
    m_store = store;
    Q_EMIT storeChanged();
}

ExportFileChoice::Format SettingsExport::dialogFormat() const
{
    switch (m_format.value_or(Format::Csv)) {
    case Format::Csv: return ExportFileChoice::Format::Csv;
    case Format::Json: return ExportFileChoice::Format::Json;
    case Format::Calendar: return ExportFileChoice::Format::Ics;
    }
    return ExportFileChoice::Format::Csv;
}

QStringList SettingsExport::nameFilters() const
{
    return isPending() ? QStringList{ExportFileChoice::nameFilter(dialogFormat())} : QStringList();
}

QString SettingsExport::defaultSuffix() const
{
    return isPending() ? ExportFileChoice::suffix(dialogFormat()) : QString();
}

QUrl SettingsExport::folder() const
{
    return ExportFileChoice::startFolder();
}

QUrl SettingsExport::suggestedFile() const
{
    return isPending() ? ExportFileChoice::suggestedFile(dialogFormat()) : QUrl();
}

void SettingsExport::begin(Format format, QWindow* window)
{
    QList<Subscription*> subscriptions;
    if (m_store)
        subscriptions = m_store->active() + m_store->archived();
    m_format = format;
    if (format == Format::Calendar) {
        const Calendar calendar = m_store ? m_store->currentCalendar() : Calendar::current();
        m_bytes = CalendarExport::build(subscriptions, calendar, Clock::now());
    } else {
        m_bytes = ExportService::build(
            subscriptions, format == Format::Json ? ExportService::Format::Json : ExportService::Format::Csv);
    }
    m_hold.hold(window);
    Q_EMIT pendingChanged();
}

bool SettingsExport::finish(const QUrl& chosen)
{
    if (!isPending())
        return false;
    const QString path = ExportFileChoice::chosenPath(chosen, dialogFormat());
    const bool written = ExportService::write(m_bytes, path);
    end();
    //: Under the export buttons when the chosen file could not be written
    setError(written ? QString() : tr("Couldn't save the export. Try again in another folder."));
    return written;
}

void SettingsExport::cancel()
{
    if (isPending())
        end();
}

void SettingsExport::end()
{
    m_format.reset();
    m_bytes.clear();
    m_hold.release();
    Q_EMIT pendingChanged();
}

void SettingsExport::setError(const QString& error)
{
    if (m_error == error)
        return;
    m_error = error;
    Q_EMIT errorChanged();
}

}  // namespace tabrino
