// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "import/ImportedSubscription.h"

#include <QList>
#include <QString>
#include <QStringList>

namespace tabrino {

// What a file holds, as read: the subscriptions, the records that could
// not be read and why, and what only the person can tell (which column is
// which, in a file of unknown layout); or why the whole file is refused.
struct ImportReading {
    enum class Field { Name, Price, Currency, Cycle, NextDate, Category, Url, Notes };

    struct Row {
        int line = 0;
        ImportedSubscription subscription;
        // How values without a match of their own were read:
        // "“Every 2 Months” read as every 61 days".
        QStringList notes;
    };

    struct LineError {
        int line = 0;
        QString reason;        // "price “abc” is not a number"
        QString text() const;  // "line 7: price “abc” is not a number"
    };

    // A field the file's columns do not name clearly.
    struct ColumnQuestion {
        Field field = Field::Name;
        bool required = false;  // without it no row can be read
        int column = -1;        // the column chosen so far; -1 for none
    };

    QString format;       // "Wallos export (JSON)"
    QStringList columns;  // the file's column names, for the questions
    QList<Row> rows;
    QList<LineError> errors;
    QList<ColumnQuestion> questions;
    QString refusal;  // empty unless the whole file is refused

    bool isRefused() const { return !refusal.isEmpty(); }
};

}  // namespace tabrino
