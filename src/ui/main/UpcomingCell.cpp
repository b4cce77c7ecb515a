// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/main/UpcomingCell.h"

#include "format/MoneyFormatter.h"
#include "format/RelativeDateText.h"
#include "foundation/Calendar.h"
#include "store/UpcomingCharge.h"
#include "ui/design/Aurora.h"

#include <algorithm>

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
    //: Spoken for a charge in the Up Next strip: %1 is the subscription's name, %2 the amount ("$9.99"), %3 the
    //: day as the strip shows it ("Tomorrow", "In 3 days")
    cell.accessibilityText = tr("%1, %2, %3").arg(cell.name, cell.amountLabel, cell.dayLabel);
    return cell;
}

QString UpcomingCell::dayLabelFor(int days)
{
    // A charge of the past is still today's: the strip never says overdue.
    return RelativeDateText::countdown(std::max(days, 0));
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
