// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "import/RecordTable.h"

#include <QStringView>

namespace tabrino {

// Delimited text with a header row: comma, semicolon or tab, whichever the
// header uses most, values optionally in double quotes with "" for a quote
// inside, line breaks LF or CRLF (also inside quotes). Blank lines are
// passed over. A record whose value count differs from the header's (but
// for empty values a spreadsheet adds at the end) or whose quote never
// closes is kept with its problem, so the rest of the file still reads.
class CsvReader {
public:
    CsvReader() = delete;

    // Refuses text without a header of at least two columns, and more than
    // ImportLimits::kMaxRows records.
    static TableParse read(QStringView text);
    static QChar separatorOf(QStringView headerLine);
};

}  // namespace tabrino
