// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "import/CsvReader.h"

#include "import/ImportLimits.h"

#include <QCoreApplication>

#include <algorithm>

namespace tabrino {

namespace {

struct Line {
    int number = 0;
    QStringList fields;
    bool unclosedQuote = false;
};

// Splits the text into records one at a time.
class Splitter {
public:
    Splitter(QStringView text, QChar separator) : m_text(text), m_separator(separator) {}

    bool atEnd() const { return m_position >= m_text.size(); }

    Line next()
    {
        Line line;
        line.number = m_line;
        QString field;
        bool quoted = false;
        bool wasQuoted = false;
        while (m_position < m_text.size()) {
            const QChar c = m_text[m_position++];
            if (quoted) {
                if (c == u'"') {
                    if (m_position < m_text.size() && m_text[m_position] == u'"') {
                        field += u'"';
                        ++m_position;
                    } else {
                        quoted = false;
                    }
                } else {
                    if (c == u'\n')
                        ++m_line;
                    field += c;
                }
            } else if (c == u'"' && field.isEmpty() && !wasQuoted) {
                quoted = wasQuoted = true;
            } else if (c == m_separator) {
                line.fields << field;
                field.clear();
                wasQuoted = false;
            } else if (c == u'\n' || c == u'\r') {
                if (c == u'\r' && m_position < m_text.size() && m_text[m_position] == u'\n')
                    ++m_position;
                ++m_line;
                line.fields << field;
                return line;
            } else {
                field += c;
            }
        }
        line.unclosedQuote = quoted;
        line.fields << field;
        return line;
    }

private:
    QStringView m_text;
    QChar m_separator;
    qsizetype m_position = 0;
    int m_line = 1;
};

bool isBlank(const Line& line)
{
    return std::all_of(line.fields.cbegin(), line.fields.cend(),
                       [](const QString& field) { return field.trimmed().isEmpty(); });
}

QString problemOf(const Line& line, qsizetype columns)
{
    if (line.unclosedQuote) {
        //: Why a line of an imported file is not read, after "line 7: "
        return QCoreApplication::translate("CsvReader", "a quoted value is never closed (is the file cut off?)");
    }
    qsizetype count = line.fields.size();
    // Spreadsheets pad rows with empty cells up to the widest row.
    while (count > columns && line.fields.at(count - 1).trimmed().isEmpty())
        --count;
    if (count == columns)
        return {};
    //: Why a line of an imported file is not read, after "line 7: ": it has %n values where the header row
    //: names %1 columns
    return QCoreApplication::translate("CsvReader", "%n values where the header names %1", nullptr,
                                       int(line.fields.size()))
        .arg(columns);
}

}  // namespace

QChar CsvReader::separatorOf(QStringView headerLine)
{
    qsizetype commas = 0, semicolons = 0, tabs = 0;
    bool quoted = false;
    for (QChar c : headerLine) {
        if (c == u'"')
            quoted = !quoted;
        else if (c == u'\n' && !quoted)
            break;
        else if (!quoted && c == u',')
            ++commas;
        else if (!quoted && c == u';')
            ++semicolons;
        else if (!quoted && c == u'\t')
            ++tabs;
    }
    if (semicolons > commas && semicolons >= tabs)
        return u';';
    if (tabs > commas && tabs > semicolons)
        return u'\t';
    return u',';
}

TableParse CsvReader::read(QStringView text)
{
    TableParse result;
    result.table.syntax = RecordTable::Syntax::Csv;
    // Leading blank lines are nobody's header.
    qsizetype start = 0;
    while (start < text.size() && text[start].isSpace())
        ++start;
    Splitter splitter(text, separatorOf(text.sliced(start)));
    Line header;
    while (!splitter.atEnd() && isBlank(header = splitter.next())) {
    }
    for (QString& name : header.fields)
        name = name.trimmed();
    const auto named = std::count_if(header.fields.cbegin(), header.fields.cend(),
                                     [](const QString& name) { return !name.isEmpty(); });
    if (named < 2 || header.unclosedQuote) {
        //: Why a file is not imported; the example names columns as a file's first row would
        result.refusal = QCoreApplication::translate("CsvReader",
                                                     "The file has no header row naming its columns, such as "
                                                     "\"Name,Price,Currency\".");
        return result;
    }
    RecordTable& table = result.table;
    table.columns = header.fields;
    while (!splitter.atEnd()) {
        Line line = splitter.next();
        if (isBlank(line))
            continue;
        if (table.records.size() == ImportLimits::kMaxRows) {
            //: Why a file is not imported; %L1 is the most rows one import takes
            result.refusal = QCoreApplication::translate("CsvReader",
                                                         "The file has more than %L1 rows; import at most %L1 "
                                                         "at a time.")
                                 .arg(ImportLimits::kMaxRows);
            table.records.clear();
            return result;
        }
        SourceRecord record;
        record.line = line.number;
        record.problem = problemOf(line, table.columns.size());
        record.values.resize(table.columns.size());
        for (qsizetype i = 0; i < std::min(line.fields.size(), table.columns.size()); ++i)
            record.values[i] = {RecordValue::Kind::Text, std::move(line.fields[i])};
        table.records << std::move(record);
    }
    return result;
}

}  // namespace tabrino
