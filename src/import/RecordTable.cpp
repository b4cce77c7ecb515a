// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "import/RecordTable.h"

#include <algorithm>

namespace tabrino {

bool RecordValue::isBlank() const
{
    return kind == Kind::Missing || kind == Kind::Null || text.trimmed().isEmpty();
}

int RecordTable::column(QStringView name) const
{
    const QString wanted = normalised(name);
    for (qsizetype i = 0; i < columns.size(); ++i) {
        if (normalised(columns.at(i)) == wanted)
            return int(i);
    }
    return -1;
}

bool RecordTable::hasColumns(std::initializer_list<QStringView> names) const
{
    return std::all_of(names.begin(), names.end(), [this](QStringView name) { return column(name) >= 0; });
}

QStringList RecordTable::valuesOf(int column) const
{
    QStringList values;
    if (column < 0)
        return values;
    values.reserve(records.size());
    for (const SourceRecord& record : records)
        values << (column < record.values.size() ? record.values.at(column).text : QString());
    return values;
}

QString RecordTable::normalised(QStringView name)
{
    QString result;
    result.reserve(name.size());
    for (QChar c : name) {
        if (c.isLetterOrNumber())
            result += c.toLower();
    }
    return result;
}

}  // namespace tabrino
