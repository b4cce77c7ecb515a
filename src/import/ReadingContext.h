// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "foundation/Calendar.h"
#include "import/AmountText.h"
#include "import/DateText.h"
#include "import/ImportReading.h"

#include <QDateTime>
#include <QHash>
#include <QString>

namespace tabrino {

// What reading a file needs to know of the person: their currency (for
// prices written without one, and symbols it shares), their calendar (for
// dates without a time), the conventions of their locale (for what a file
// does not make clear), and the columns they chose where a file's names
// did not tell.
struct ReadingContext {
    explicit ReadingContext(Calendar userCalendar) : calendar(std::move(userCalendar)) {}

    // The user's own calendar, currency and locale conventions, now.
    static ReadingContext forUser(const Calendar& calendar, const QString& currencyCode);

    Calendar calendar;
    QDateTime now;  // "today" for a file without dates
    QString userCurrency = QStringLiteral("USD");
    DecimalMark decimalMark = DecimalMark::Point;
    DateOrder dateOrder = DateOrder::MonthFirst;
    // Field -> column index, -1 for none.
    QHash<ImportReading::Field, int> chosenColumns;
};

}  // namespace tabrino
