// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

#include <chrono>

class QSettings;

namespace tabrino {

// When a periodic download last got an HTTP response, kept in the settings
// store under one key, and whether the next download is due. Any response
// counts, a refused one too, so a server that answers badly is not asked
// again at every start.
class RefreshSchedule {
public:
    // `settings` must outlive the schedule.
    RefreshSchedule(QSettings& settings, QString key, std::chrono::seconds interval);

    // Due when no date is stored (or the value is not a date) and once
    // `interval` has passed since it; a date in the future is not due.
    bool isDue() const;
    // Stores now as the time of the last response.
    void recordResponse();

private:
    QSettings& m_settings;
    QString m_key;
    std::chrono::seconds m_interval;
};

}  // namespace tabrino
