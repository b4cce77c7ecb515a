// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "import/RecordTable.h"

#include <QCoreApplication>
#include <QStringView>

namespace tabrino {

// A JSON list of flat objects as a table: the document is either that list
// or an object holding it under "subscriptions" beside scalar members
// (kept as the table's document fields). The columns are the objects' keys
// in the order first seen; a value that is itself an object or a list is
// marked nested, not followed. Numbers keep their source text. An element
// of the list that is not an object is kept as a record with its problem.
class JsonRecordReader {
    Q_DECLARE_TR_FUNCTIONS(JsonRecordReader)

public:
    JsonRecordReader() = delete;

    // Refuses text that is not JSON (with the line of the first error), a
    // document of any other shape, and more than ImportLimits::kMaxRows
    // records.
    static TableParse read(QStringView text);
};

}  // namespace tabrino
