// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "import/ImportReading.h"
#include "import/ReadingContext.h"
#include "import/RecordTable.h"

#include <QByteArrayView>
#include <QCoreApplication>
#include <QString>

namespace tabrino {

// A file chosen for import: its bytes decoded and split into records once,
// then read in the format its content shows (the columns of a Tabrino,
// Wallos or SubTrackr export, else a spreadsheet's), as often as the
// person's answers change. The file's name plays no part.
class ImportDocument {
    Q_DECLARE_TR_FUNCTIONS(ImportDocument)

public:
    // JSON when the text starts with '[' or '{', else delimited text.
    static ImportDocument fromBytes(QByteArrayView bytes);
    // Refuses a file it cannot open and one above ImportLimits::kMaxFileBytes
    // without reading it.
    static ImportDocument fromFile(const QString& path);

    const QString& refusal() const { return m_refusal; }
    const RecordTable& table() const { return m_table; }

    // Refused as the document is, or when the file holds no records.
    ImportReading read(const ReadingContext& context) const;

private:
    static ImportDocument refused(const QString& refusal);

    RecordTable m_table;
    QString m_refusal;
};

}  // namespace tabrino
