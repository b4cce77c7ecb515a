// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/main/SaveFailureNotice.h"

namespace tabrino {

void SaveFailureNotice::setStore(SubscriptionStore* store)
{
    if (store == m_store)
        return;
    if (m_store)
        disconnect(m_store, nullptr, this, nullptr);
    m_store = store;
    if (m_store)
        connect(m_store, &SubscriptionStore::saveFailureChanged, this, &SaveFailureNotice::changed);
    Q_EMIT storeChanged();
    Q_EMIT changed();
}

void SaveFailureNotice::setCalendarFile(CalendarFileKeeper* calendarFile)
{
    if (calendarFile == m_calendarFile)
        return;
    if (m_calendarFile)
        disconnect(m_calendarFile, nullptr, this, nullptr);
    m_calendarFile = calendarFile;
    if (m_calendarFile)
        connect(m_calendarFile, &CalendarFileKeeper::errorChanged, this, &SaveFailureNotice::changed);
    Q_EMIT calendarFileChanged();
    Q_EMIT changed();
}

QString SaveFailureNotice::text() const
{
    if (const QString failure = storeFailure(); !failure.isEmpty())
        //: A notice at the top of the panel; %1 is why saving failed (from the system, often English)
        return tr("Couldn't save your changes: %1. Tabrino keeps them and tries again.").arg(failure);
    return calendarFileFailure();
}

}  // namespace tabrino
