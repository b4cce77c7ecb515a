// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

#include <initializer_list>

namespace tabrino {

// One value of a record as the file wrote it.
struct RecordValue {
    enum class Kind { Missing, Null, Text, Number, Boolean, Nested };
    Kind kind = Kind::Missing;
    QString text;  // a string's text, a number's digits, "true" or "false"

    // Nothing usable: missing, null or only white space.
    bool isBlank() const;
};

// One subscription's record: a CSV line or a JSON object.
struct SourceRecord {
    int line = 0;               // where it starts in the file, from 1
    QList<RecordValue> values;  // one per column of the table
    // Why the record cannot be read at all ("a quoted value is never
    // closed"); empty when it can.
    QString problem;
};

// The records of a CSV or JSON file under named columns, before any
// format gives the columns a meaning.
struct RecordTable {
    enum class Syntax { Csv, Json };

    Syntax syntax = Syntax::Csv;
    QStringList columns;  // as the file names them
    QList<SourceRecord> records;
    // Scalar members beside the records in a JSON object ("success",
    // "exported_at"), by name.
    QHash<QString, QString> documentFields;

    // Index of the first column named `name` once both are normalised,
    // -1 when there is none.
    int column(QStringView name) const;
    bool hasColumns(std::initializer_list<QStringView> names) const;
    // Every record's text in `column`, for conventions a whole column shares.
    QStringList valuesOf(int column) const;

    // A column name reduced to lower-case letters and digits, so
    // "Next Payment", "next_payment" and "nextPayment" are one name.
    static QString normalised(QStringView name);
};

// A table, or why the file cannot be one.
struct TableParse {
    RecordTable table;
    QString refusal;  // empty when the table was read
};

}  // namespace tabrino
