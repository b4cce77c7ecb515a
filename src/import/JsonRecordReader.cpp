// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "import/JsonRecordReader.h"

#include "import/ImportLimits.h"

#include <rapidjson/error/error.h>
#include <rapidjson/reader.h>

#include <QCoreApplication>

#include <vector>

namespace tabrino {

namespace {

// The bytes as RapidJSON takes them, counting lines so a record and an
// error can say where they are.
class LineCountingStream {
public:
    using Ch = char;

    explicit LineCountingStream(const QByteArray& utf8) : m_data(utf8.constData()), m_size(utf8.size()) {}

    Ch Peek() const { return m_position < m_size ? m_data[m_position] : '\0'; }
    Ch Take()
    {
        const Ch c = Peek();
        if (c == '\0')
            return c;
        ++m_position;
        if (c == '\n')
            ++m_line;
        return c;
    }
    std::size_t Tell() const { return std::size_t(m_position); }
    int line() const { return m_line; }

    // Required by RapidJSON's stream concept; never called on a reading stream.
    Ch* PutBegin() { return nullptr; }
    void Put(Ch) {}
    void Flush() {}
    std::size_t PutEnd(Ch*) { return 0; }

private:
    const char* m_data;
    qsizetype m_size;
    qsizetype m_position = 0;
    int m_line = 1;
};

// What is wrong where RapidJSON stopped, in its own words (which it has in
// English only).
QString syntaxError(rapidjson::ParseErrorCode code)
{
    //: Why a file is not valid JSON, after "The file is not valid JSON: "
    switch (code) {
    case rapidjson::kParseErrorDocumentEmpty: return JsonRecordReader::tr("The document is empty.");
    case rapidjson::kParseErrorDocumentRootNotSingular:
        return JsonRecordReader::tr("The document root must not be followed by other values.");
    case rapidjson::kParseErrorValueInvalid: return JsonRecordReader::tr("Invalid value.");
    case rapidjson::kParseErrorObjectMissName: return JsonRecordReader::tr("Missing a name for object member.");
    case rapidjson::kParseErrorObjectMissColon:
        return JsonRecordReader::tr("Missing a colon after a name of object member.");
    case rapidjson::kParseErrorObjectMissCommaOrCurlyBracket:
        return JsonRecordReader::tr("Missing a comma or '}' after an object member.");
    case rapidjson::kParseErrorArrayMissCommaOrSquareBracket:
        return JsonRecordReader::tr("Missing a comma or ']' after an array element.");
    case rapidjson::kParseErrorStringUnicodeEscapeInvalidHex:
        return JsonRecordReader::tr("Incorrect hex digit in a Unicode escape in string.");
    case rapidjson::kParseErrorStringUnicodeSurrogateInvalid:
        return JsonRecordReader::tr("The surrogate pair in string is invalid.");
    case rapidjson::kParseErrorStringEscapeInvalid: return JsonRecordReader::tr("Invalid escape character in string.");
    case rapidjson::kParseErrorStringMissQuotationMark:
        return JsonRecordReader::tr("Missing a closing quotation mark in string.");
    case rapidjson::kParseErrorStringInvalidEncoding: return JsonRecordReader::tr("Invalid encoding in string.");
    case rapidjson::kParseErrorNumberTooBig: return JsonRecordReader::tr("Number too big to be stored in double.");
    case rapidjson::kParseErrorNumberMissFraction: return JsonRecordReader::tr("Miss fraction part in number.");
    case rapidjson::kParseErrorNumberMissExponent: return JsonRecordReader::tr("Miss exponent in number.");
    default: return JsonRecordReader::tr("Unspecific syntax error.");
    }
}

QString noList()
{
    return QCoreApplication::translate("JsonRecordReader", "The file holds no list of subscriptions.");
}

class TableBuilder : public rapidjson::BaseReaderHandler<rapidjson::UTF8<>, TableBuilder> {
public:
    static constexpr std::size_t kMaximumDepth = 64;

    explicit TableBuilder(const LineCountingStream& stream) : m_stream(stream)
    {
        m_table.syntax = RecordTable::Syntax::Json;
    }

    bool Null() { return scalar(RecordValue::Kind::Null, {}); }
    bool Bool(bool value)
    {
        return scalar(RecordValue::Kind::Boolean, value ? QStringLiteral("true") : QStringLiteral("false"));
    }
    bool RawNumber(const char* text, rapidjson::SizeType length, bool)
    {
        return scalar(RecordValue::Kind::Number, QString::fromUtf8(text, length));
    }
    bool String(const char* text, rapidjson::SizeType length, bool)
    {
        return scalar(RecordValue::Kind::Text, QString::fromUtf8(text, length));
    }
    bool Key(const char* text, rapidjson::SizeType length, bool)
    {
        m_key = QString::fromUtf8(text, length);
        return true;
    }
    bool StartObject() { return open(Frame::Object); }
    bool EndObject(rapidjson::SizeType) { return close(); }
    bool StartArray() { return open(Frame::Array); }
    bool EndArray(rapidjson::SizeType) { return close(); }

    const QString& refusal() const { return m_refusal; }
    bool foundRecords() const { return m_foundRecords; }
    RecordTable takeTable() { return std::move(m_table); }

private:
    enum class Frame { Object, Array, Document, Records, Record, Skipped };

    bool stop(const QString& refusal)
    {
        m_refusal = refusal;
        return false;
    }

    SourceRecord& record() { return m_table.records.back(); }

    void setValue(RecordValue value)
    {
        int column = m_columns.value(m_key, -1);
        if (column < 0) {
            column = int(m_table.columns.size());
            m_columns.insert(m_key, column);
            m_table.columns << m_key;
        }
        if (record().values.size() <= column)
            record().values.resize(column + 1);
        record().values[column] = std::move(value);
    }

    bool startRecord(const QString& problem)
    {
        if (m_table.records.size() == ImportLimits::kMaxRows) {
            return stop(QCoreApplication::translate("JsonRecordReader",
                                                    "The file has more than %L1 subscriptions; import at most %L1 "
                                                    "at a time.")
                            .arg(ImportLimits::kMaxRows));
        }
        SourceRecord added;
        added.line = m_stream.line();
        added.problem = problem;
        m_table.records << std::move(added);
        return true;
    }

    static QString notAnObject()
    {
        return QCoreApplication::translate("JsonRecordReader", "the entry is not an object with named values");
    }

    bool scalar(RecordValue::Kind kind, QString text)
    {
        if (m_frames.empty())
            return stop(noList());
        switch (m_frames.back()) {
        case Frame::Document: m_table.documentFields.insert(m_key, std::move(text)); return true;
        case Frame::Records: return startRecord(notAnObject());
        case Frame::Record: setValue({kind, std::move(text)}); return true;
        default: return true;
        }
    }

    bool open(Frame kind)
    {
        if (m_frames.size() >= kMaximumDepth)
            return stop(QCoreApplication::translate("JsonRecordReader", "The file is nested too deeply."));
        const bool isObject = kind == Frame::Object;
        if (m_frames.empty()) {
            m_foundRecords = !isObject;
            m_frames.push_back(isObject ? Frame::Document : Frame::Records);
            return true;
        }
        switch (m_frames.back()) {
        case Frame::Document:
            if (!isObject && RecordTable::normalised(m_key) == u"subscriptions" && !m_foundRecords) {
                m_foundRecords = true;
                m_frames.push_back(Frame::Records);
                return true;
            }
            break;
        case Frame::Records:
            if (!startRecord(isObject ? QString() : notAnObject()))
                return false;
            if (isObject) {
                m_frames.push_back(Frame::Record);
                return true;
            }
            break;
        case Frame::Record: setValue({RecordValue::Kind::Nested, {}}); break;
        default: break;
        }
        m_frames.push_back(Frame::Skipped);
        return true;
    }

    bool close()
    {
        m_frames.pop_back();
        return true;
    }

    const LineCountingStream& m_stream;
    RecordTable m_table;
    QHash<QString, int> m_columns;
    std::vector<Frame> m_frames;
    QString m_key;
    QString m_refusal;
    bool m_foundRecords = false;
};

}  // namespace

TableParse JsonRecordReader::read(QStringView text)
{
    const QByteArray utf8 = text.toUtf8();
    LineCountingStream stream(utf8);
    TableBuilder builder(stream);
    rapidjson::Reader reader;
    constexpr unsigned flags = rapidjson::kParseNumbersAsStringsFlag | rapidjson::kParseIterativeFlag;
    const rapidjson::ParseResult parsed = reader.Parse<flags>(stream, builder);
    TableParse result;
    if (!builder.refusal().isEmpty()) {
        result.refusal = builder.refusal();
        return result;
    }
    if (parsed.IsError()) {
        //: Why a file is not imported; %1 is what is wrong ("Invalid value."), %2 the line where it is
        result.refusal = QCoreApplication::translate("JsonRecordReader", "The file is not valid JSON: %1 (line %2).")
                             .arg(syntaxError(parsed.Code()))
                             .arg(stream.line());
        return result;
    }
    if (!builder.foundRecords()) {
        result.refusal = noList();
        return result;
    }
    result.table = builder.takeTable();
    for (SourceRecord& record : result.table.records)
        record.values.resize(result.table.columns.size());
    return result;
}

}  // namespace tabrino
