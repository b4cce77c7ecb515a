// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "network/RefreshSchedule.h"

#include "foundation/Clock.h"

#include <QDateTime>
#include <QSettings>

namespace tabrino {

RefreshSchedule::RefreshSchedule(QSettings& settings, QString key, std::chrono::seconds interval)
    : m_settings(settings)
    , m_key(std::move(key))
    , m_interval(interval)
{
}

bool RefreshSchedule::isDue() const
{
    // Only a stored date counts; anything else reads as the distant past.
    const QVariant stored = m_settings.value(m_key);
    if (stored.metaType().id() != QMetaType::QDateTime)
        return true;
    const QDateTime last = stored.toDateTime();
    if (!last.isValid())
        return true;
    // A date in the future is less than the interval ago as well.
    return last.secsTo(Clock::now()) >= m_interval.count();
}

void RefreshSchedule::recordResponse()
{
    m_settings.setValue(m_key, Clock::now());
    m_settings.sync();
}

}  // namespace tabrino
