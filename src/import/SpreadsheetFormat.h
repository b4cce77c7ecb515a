// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "import/ImportReading.h"
#include "import/ReadingContext.h"
#include "import/RecordTable.h"

#include <QCoreApplication>
#include <QHash>

namespace tabrino {

// Any other table with a header: each field is found by its column's name
// (name or service; price, cost or amount; currency; cycle, frequency or
// period; next or renewal date; category; URL or website; notes), and a
// decimal comma or day-first dates are read where the column or else the
// locale uses them. The name, price, cycle and next date columns are asked
// for when no name fits: the name and price are needed, a file without a
// cycle is monthly and one without dates renews today.
class SpreadsheetFormat {
    Q_DECLARE_TR_FUNCTIONS(SpreadsheetFormat)

public:
    SpreadsheetFormat() = delete;

    // Field -> the column whose name fits it, for each field one fits.
    static QHash<ImportReading::Field, int> guessColumns(const QStringList& columns);
    // The context's chosen columns override the guesses.
    static ImportReading read(const RecordTable& table, const ReadingContext& context);
};

}  // namespace tabrino
