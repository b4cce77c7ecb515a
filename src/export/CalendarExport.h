// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "format/MoneyFormatter.h"

#include <QByteArray>
#include <QDateTime>
#include <QList>
#include <QString>

namespace tabrino {

class Calendar;
class FormatterCache;
class Subscription;

// The renewals of the active subscriptions as an iCalendar file (RFC 5545),
// for a calendar program to import or subscribe to. Each subscription is one
// series of all-day events on its charge dates as the program computes them,
// in `calendar`'s days; its UID comes from the subscription's id, so a newer
// file replaces the events of an older one instead of adding to them. Pure:
// the moment of the export is passed in.
class CalendarExport {
public:
    // Dates written out one by one where no recurrence rule gives exactly
    // the program's dates.
    static constexpr int kListedCharges = 24;

    CalendarExport() = delete;

    // Archived subscriptions are left out. Lines end in CRLF and are folded
    // to 75 octets.
    static QByteArray build(const QList<Subscription*>& subscriptions, const Calendar& calendar, const QDateTime& now,
                            FormatterCache& cache = MoneyFormatter::cache());
    static QString suggestedFileName();
};

}  // namespace tabrino
