// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

// From bytes to records: encodings, what is not a text or not a table, CSV
// quoting and line numbers, JSON shapes, and the caps.
#include "ImportFixture.h"
#include "import/CsvReader.h"
#include "import/ImportLimits.h"
#include "import/JsonRecordReader.h"
#include "import/TextDecoding.h"

#include <QTemporaryDir>

using namespace tabrino;
using namespace tabrino::test;
using namespace Qt::StringLiterals;

namespace {

QString refusalOf(QByteArrayView bytes)
{
    return ImportDocument::fromBytes(bytes).refusal();
}

QByteArray manyRows(int count)
{
    QByteArray csv = "Name,Price,Billing Cycle,Next Payment\n";
    for (int i = 0; i < count; ++i)
        csv += "Service " + QByteArray::number(i) + ",9.99,Monthly,2025-04-0" + QByteArray::number(i % 9 + 1) + '\n';
    return csv;
}

}  // namespace

TEST(TextDecoding, theMarkDecidesThenUtf8ThenWindows1252)
{
    using Encoding = TextDecoding::Encoding;
    const auto decoded = [](QByteArrayView bytes) { return TextDecoding::decode(bytes); };
    EXPECT_EQ(decoded("\xEF\xBB\xBFNäme").text, u"Näme");
    EXPECT_EQ(decoded("N\xC3\xA4me").text, u"Näme");
    EXPECT_EQ(decoded("N\xC3\xA4me").encoding, Encoding::Utf8);
    // Not UTF-8: each byte is a character of the Western code page.
    EXPECT_EQ(decoded("N\xE4me \x80 \x96 \x81").text, u"Näme € – \u0081");
    EXPECT_EQ(decoded("N\xE4me").encoding, Encoding::Windows1252);
    const QByteArray littleEndian("\xFF\xFEN\0\xE4\0", 6);
    EXPECT_EQ(decoded(littleEndian).text, u"Nä");
    EXPECT_EQ(decoded(littleEndian).encoding, Encoding::Utf16LittleEndian);
    const QByteArray bigEndian("\xFE\xFF\0N\0\xE4", 6);
    EXPECT_EQ(decoded(bigEndian).text, u"Nä");
    EXPECT_EQ(decoded(bigEndian).encoding, Encoding::Utf16BigEndian);
}

TEST(TextDecoding, refusesWhatIsNoText)
{
    EXPECT_EQ(refusalOf(""), u"The file is empty.");
    EXPECT_EQ(refusalOf(" \r\n\t\n"), u"The file is empty.");
    EXPECT_EQ(refusalOf("\xEF\xBB\xBF"), u"The file is empty.");
    const QString notText = u"This is not a text file. Save the subscriptions as CSV or JSON and import that."_s;
    EXPECT_EQ(refusalOf(QByteArray("PK\x03\x04\x14\0\x06\0", 8)), notText);  // a spreadsheet workbook
    EXPECT_EQ(refusalOf(QByteArray("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16)), notText);
    EXPECT_EQ(refusalOf(QByteArray("Name,Price\nNetflix\x01\x02\x03\x04,9\n")), notText);
    // UTF-16 without its mark has a NUL in every other byte.
    EXPECT_EQ(refusalOf(QByteArray("N\0a\0m\0e\0", 8)), notText);
    // An odd byte count or a lone surrogate: cut off or damaged.
    EXPECT_EQ(refusalOf(QByteArray("\xFF\xFEN\0a", 5)), u"The file's text is cut off or damaged.");
    EXPECT_EQ(refusalOf(QByteArray("\xFF\xFEN\0\x00\xD8", 6)), u"The file's text is cut off or damaged.");
}

TEST(CsvReader, quotesSeparatorsAndLineNumbers)
{
    const TableParse parsed =
        CsvReader::read(u"\n\nName;Price;Notes\r\n\"Netflix; Premium\";9,99;\"line one\r\nline \"\"two\"\"\"\r\n\r\n"
                        "Spotify;5;\r\n;;\r\nGym;12;x;;\r\n"_s);
    ASSERT_TRUE(parsed.refusal.isEmpty());
    EXPECT_EQ(parsed.table.columns, (QStringList{u"Name"_s, u"Price"_s, u"Notes"_s}));
    ASSERT_EQ(parsed.table.records.size(), 3);
    const SourceRecord& netflix = parsed.table.records[0];
    EXPECT_EQ(netflix.line, 4);
    EXPECT_EQ(netflix.values[0].text, u"Netflix; Premium");
    EXPECT_EQ(netflix.values[2].text, u"line one\r\nline \"two\"");
    EXPECT_EQ(parsed.table.records[1].line, 7);  // after the two-line value and a blank line
    EXPECT_TRUE(parsed.table.records[1].problem.isEmpty());
    EXPECT_EQ(parsed.table.records[2].line, 9);
    EXPECT_TRUE(parsed.table.records[2].problem.isEmpty());  // a spreadsheet's padding

    EXPECT_EQ(CsvReader::separatorOf(u"Name\tPrice\tNotes, more"), u'\t');
    EXPECT_EQ(CsvReader::separatorOf(u"\"a;b\",c"), u',');
}

TEST(CsvReader, aCutOffOrMisshapenLineKeepsItsProblem)
{
    const ImportReading reading = readBytes("Name,Price,Notes\nNetflix,9.99\nSpotify,5,\"cut off here");
    EXPECT_EQ(errorTexts(reading),
              (QStringList{u"line 2: 2 values where the header names 3"_s,
                           u"line 3: a quoted value is never closed (is the file cut off?)"_s}));
    EXPECT_EQ(refusalOf("just one column\nNetflix\n"),
              u"The file has no header row naming its columns, such as \"Name,Price,Currency\".");
    EXPECT_EQ(readBytes("Name,Price\n").refusal, u"The file holds no subscriptions.");
}

TEST(JsonRecordReader, listsObjectsAndShapes)
{
    const TableParse wrapped = JsonRecordReader::read(uR"({"success": true, "total_count": 2, "meta": {"x": [1]},
 "subscriptions": [
  {"name": "A", "cost": 1.10, "tags": ["x"], "active": false, "notes": null},
  "oops",
  {"name": "B", "extra": {"deep": {"deeper": 1}}}
 ]})"_s);
    ASSERT_TRUE(wrapped.refusal.isEmpty()) << wrapped.refusal.toStdString();
    const RecordTable& table = wrapped.table;
    EXPECT_EQ(table.columns, (QStringList{u"name"_s, u"cost"_s, u"tags"_s, u"active"_s, u"notes"_s, u"extra"_s}));
    EXPECT_EQ(table.documentFields.value(u"success"_s), u"true");
    EXPECT_EQ(table.documentFields.value(u"total_count"_s), u"2");
    ASSERT_EQ(table.records.size(), 3);
    EXPECT_EQ(table.records[0].line, 3);
    EXPECT_EQ(table.records[0].values[1].text, u"1.10");  // a number's own digits
    EXPECT_EQ(table.records[0].values[2].kind, RecordValue::Kind::Nested);
    EXPECT_EQ(table.records[0].values[3].kind, RecordValue::Kind::Boolean);
    EXPECT_EQ(table.records[0].values[4].kind, RecordValue::Kind::Null);
    EXPECT_EQ(table.records[1].line, 4);
    EXPECT_EQ(table.records[1].problem, u"the entry is not an object with named values");
    EXPECT_EQ(table.records[2].values[0].text, u"B");
    EXPECT_EQ(table.records[2].values[1].kind, RecordValue::Kind::Missing);

    EXPECT_EQ(refusalOf("[{\"name\": \"A\",\n \"price\": \"1\"},\n {\"name\": \"B\", "),
              u"The file is not valid JSON: Missing a name for object member. (line 3).");
    EXPECT_EQ(refusalOf("{\"items\": []}"), u"The file holds no list of subscriptions.");
    EXPECT_EQ(refusalOf("{\"subscriptions\": 5}"), u"The file holds no list of subscriptions.");
    EXPECT_EQ(refusalOf(QByteArray(100, '[') + QByteArray(100, ']')), u"The file is nested too deeply.");
    EXPECT_EQ(readBytes("[]").refusal, u"The file holds no subscriptions.");
}

TEST(ImportDocument, takesTenThousandRowsAndRefusesMore)
{
    const ImportReading full = readBytes(manyRows(ImportLimits::kMaxRows), berlinContext(u"USD"_s));
    EXPECT_FALSE(full.isRefused());
    EXPECT_EQ(full.rows.size(), ImportLimits::kMaxRows);
    EXPECT_EQ(full.rows.last().line, ImportLimits::kMaxRows + 1);
    EXPECT_EQ(refusalOf(manyRows(ImportLimits::kMaxRows + 1)),
              u"The file has more than 10,000 rows; import at most 10,000 at a time.");

    QByteArray json = "[";
    for (int i = 0; i <= ImportLimits::kMaxRows; ++i)
        json += QByteArray(i ? "," : "") + "{}";
    EXPECT_EQ(refusalOf(json + "]"), u"The file has more than 10,000 subscriptions; import at most 10,000 at a time.");
}

TEST(ImportDocument, aHugeOrMissingFileIsRefusedUnread)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(u"huge.csv"_s);
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    ASSERT_TRUE(file.resize(ImportLimits::kMaxFileBytes + 1));
    file.close();
    EXPECT_EQ(ImportDocument::fromFile(path).refusal(),
              u"The file is larger than 5 MB, far more than any list of subscriptions. Is it the right file?");
    EXPECT_TRUE(
        ImportDocument::fromFile(dir.filePath(u"gone.csv"_s)).refusal().startsWith(u"Couldn't open the file: "));

    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(sample("wallos.csv"));
    file.close();
    EXPECT_EQ(ImportDocument::fromFile(path).read(berlinContext()).rows.size(), 5);
}
