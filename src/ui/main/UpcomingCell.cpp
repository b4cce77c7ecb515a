// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/main/UpcomingCell.h"

#include "format/MoneyFormatter.h"
#include "foundation/Calendar.h"
#include "store/UpcomingCharge.h"
#include "ui/design/Aurora.h"

#include <QCoreApplication>

namespace tabrino {

UpcomingCell UpcomingCell::from(const UpcomingCharge& charge, const QDateTime& now, const Calendar& calendar)
{
    const Subscription& subscription = *charge.subscription;
    const int days = calendar.daysBetween(calendar.startOfDay(now), calendar.startOfDay(charge.date));
    UpcomingCell cell;
    cell.name = subscription.name();
    cell.amountLabel =
        MoneyFormatter::plain(subscription.price() * subscription.effectiveShare(), subscription.currencyCode());
    cell.dayLabel = dayLabelFor(days);
    cell.dayColor = dayColorFor(days);
    cell.accessibilityText = QStringList{cell.name, cell.amountLabel, cell.dayLabel}.join(u", ");
    return cell;
}

QString UpcomingCell::dayLabelFor(int days)
{
    if (days < 1)
        return QCoreApplication::translate("UpcomingCell", "Today");
    if (days == 1)
        return QCoreApplication::translate("UpcomingCell", "Tomorrow");
    return QCoreApplication::translate("UpcomingCell", "In %1 days").arg(days);
}

QColor UpcomingCell::dayColorFor(int days)
{
    if (days <= 2)
        return Aurora::red();
    if (days <= 6)
        return Aurora::amber();
    return Aurora::textTertiary();
}

}  // namespace tabrino
