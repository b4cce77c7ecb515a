// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "export/ExportService.h"

#include "export/ExportRecord.h"
#include "model/Subscription.h"

#include <QCoreApplication>
#include <QSaveFile>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>

using namespace Qt::StringLiterals;

namespace tabrino {

namespace {

constexpr QLatin1StringView kCsvHeader =
    "Name,Price,Currency,Billing Cycle,Monthly Cost,Next Billing Date,Category,Trial,Shared,Share %,"
    "Payment Method,Active,Date Added,Notes"_L1;

QList<ExportRecord> records(const QList<Subscription*>& subscriptions)
{
    QList<ExportRecord> result;
    result.reserve(subscriptions.size());
    for (const Subscription* subscription : subscriptions) {
        if (subscription)
            result.append(ExportRecord::from(*subscription));
    }
    return result;
}

// ISO 8601 in UTC with whole seconds: 2025-02-28T22:30:00Z. Any fraction of a
// second is dropped, as a date formatter without fractional seconds does.
// Empty for an invalid date.
class IsoDate {
public:
    explicit IsoDate(const QDateTime& instant)
    {
        if (!instant.isValid())
            return;
        const QDateTime utc = instant.toUTC();
        const QDate date = utc.date();
        const QTime time = utc.time();
        if (date.year() < 1 || date.year() > 9999) {
            const int length = std::snprintf(m_text, sizeof m_text, "%04d-%02d-%02dT%02d:%02d:%02dZ", date.year(),
                                             date.month(), date.day(), time.hour(), time.minute(), time.second());
            m_length = std::clamp(length, 0, int(sizeof m_text) - 1);
            return;
        }
        // Four-digit years by hand: printf was a tenth of a large export's time.
        put(date.year(), 4);
        m_text[m_length++] = '-';
        put(date.month(), 2);
        m_text[m_length++] = '-';
        put(date.day(), 2);
        m_text[m_length++] = 'T';
        put(time.hour(), 2);
        m_text[m_length++] = ':';
        put(time.minute(), 2);
        m_text[m_length++] = ':';
        put(time.second(), 2);
        m_text[m_length++] = 'Z';
    }

    QLatin1StringView text() const { return QLatin1StringView(m_text, m_length); }

private:
    void put(int value, int digits)
    {
        for (int i = digits - 1; i >= 0; --i, value /= 10)
            m_text[m_length + i] = char('0' + value % 10);
        m_length += digits;
    }

    char m_text[40] = {};
    int m_length = 0;
};

// --- CSV ---------------------------------------------------------------------

void appendCsvField(QString& out, QStringView field)
{
    const bool needsQuotes = std::any_of(field.begin(), field.end(),
                                         [](QChar c) { return c == u',' || c == u'"' || c == u'\n' || c == u'\r'; });
    if (!needsQuotes) {
        out += field;
        return;
    }
    out += u'"';
    for (QChar c : field) {
        if (c == u'"')
            out += u'"';
        out += c;
    }
    out += u'"';
}

void appendCsvLine(QString& out, const ExportRecord& record)
{
    const auto yesNo = [](bool value) { return value ? u"Yes"_s : u"No"_s; };
    const QString fields[] = {
        record.name,
        record.price,
        record.currency,
        record.billingCycle,
        record.monthlyCost,
        IsoDate(record.nextBillingDate).text(),
        record.category,
        yesNo(record.isTrial),
        yesNo(record.isShared),
        record.sharePercentText(),
        record.paymentMethod.value_or(QString()),
        yesNo(record.isActive),
        IsoDate(record.dateAdded).text(),
        record.notes.value_or(QString()),
    };
    bool first = true;
    for (const QString& field : fields) {
        if (!first)
            out += u',';
        first = false;
        appendCsvField(out, field);
    }
}

// --- JSON --------------------------------------------------------------------

// Escapes as the encoder does: slashes too, the short forms for the usual
// control characters, \u00xx (lower-case hex) for the others; everything else,
// non-ASCII included, stays as UTF-8. Escaping works on the UTF-8 bytes, which
// is safe because every byte of a multi-byte sequence is 0x80 or above.
void appendJsonString(QByteArray& out, const QString& text)
{
    static constexpr char hex[] = "0123456789abcdef";
    const QByteArray utf8 = text.toUtf8();
    out += '"';
    const char* run = utf8.constData();  // start of bytes not yet copied
    const char* const end = run + utf8.size();
    for (const char* p = run; p != end; ++p) {
        const auto c = static_cast<unsigned char>(*p);
        if (c >= 0x20 && c != '"' && c != '\\' && c != '/')
            continue;
        out.append(run, p - run);
        run = p + 1;
        switch (c) {
        case '"': out += "\\\""; break;
        case '\\': out += "\\\\"; break;
        case '/': out += "\\/"; break;
        case '\b': out += "\\b"; break;
        case '\f': out += "\\f"; break;
        case '\n': out += "\\n"; break;
        case '\r': out += "\\r"; break;
        case '\t': out += "\\t"; break;
        default: {
            const char escape[] = {'\\', 'u', '0', '0', hex[c >> 4], hex[c & 0xf]};
            out.append(escape, sizeof escape);
        }
        }
    }
    out.append(run, end - run);
    out += '"';
}

// A double as the encoder writes it: the shortest text that reads back as
// the same double, in plain notation between 1e-4 and 2^53 and in exponent
// notation (1e-05) outside, without a ".0" on whole numbers.
void appendJsonNumber(QByteArray& out, double value)
{
    const double magnitude = std::fabs(value);
    const bool exponent = value != 0 && (magnitude < 1e-4 || magnitude >= 0x1p53);
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value,
                                      exponent ? std::chars_format::scientific : std::chars_format::fixed);
    out.append(buffer, result.ptr - buffer);
}

class JsonObjectWriter {
public:
    explicit JsonObjectWriter(QByteArray& out) : m_out(out) {}

    void begin() { m_out += "  {\n"; }
    void end() { m_out += "\n  }"; }

    void string(const char* key, const QString& value)
    {
        this->key(key);
        appendJsonString(m_out, value);
    }
    void string(const char* key, const std::optional<QString>& value)
    {
        if (value)
            string(key, *value);
    }
    void date(const char* key, const QDateTime& value)
    {
        // Digits, '-', ':', 'T' and 'Z' only: nothing to escape.
        this->key(key);
        m_out += '"';
        const IsoDate text(value);
        m_out.append(text.text().data(), text.text().size());
        m_out += '"';
    }
    void date(const char* key, const std::optional<QDateTime>& value)
    {
        if (value)
            date(key, *value);
    }
    void boolean(const char* key, bool value)
    {
        this->key(key);
        m_out += value ? "true" : "false";
    }
    void number(const char* key, const std::optional<double>& value)
    {
        if (!value)
            return;
        this->key(key);
        appendJsonNumber(m_out, *value);
    }

private:
    void key(const char* name)
    {
        if (!m_first)
            m_out += ",\n";
        m_first = false;
        m_out += "    \"";
        m_out += name;
        m_out += "\" : ";
    }

    QByteArray& m_out;
    bool m_first = true;
};

void appendJsonObject(QByteArray& out, const ExportRecord& record)
{
    // Keys in sorted order.
    JsonObjectWriter object(out);
    object.begin();
    object.string("billingCycle", record.billingCycle);
    object.string("category", record.category);
    object.string("currency", record.currency);
    object.date("dateAdded", record.dateAdded);
    object.boolean("isActive", record.isActive);
    object.boolean("isShared", record.isShared);
    object.boolean("isTrial", record.isTrial);
    object.string("monthlyCost", record.monthlyCost);
    object.string("name", record.name);
    object.date("nextBillingDate", record.nextBillingDate);
    object.string("notes", record.notes);
    object.string("paymentMethod", record.paymentMethod);
    object.string("price", record.price);
    object.number("sharePercentage", record.sharePercentage);
    object.date("trialEndDate", record.trialEndDate);
    object.end();
}

}  // namespace

QString ExportService::csv(const QList<Subscription*>& subscriptions)
{
    QString out;
    out.reserve(kCsvHeader.size() + subscriptions.size() * 160);
    out += kCsvHeader;
    for (const ExportRecord& record : records(subscriptions)) {
        out += u'\n';
        appendCsvLine(out, record);
    }
    return out;
}

QByteArray ExportService::json(const QList<Subscription*>& subscriptions)
{
    QByteArray out;
    out.reserve(8 + subscriptions.size() * 480);
    // Even an empty array gets its two line breaks.
    out += "[\n";
    bool first = true;
    for (const ExportRecord& record : records(subscriptions)) {
        if (!first)
            out += ",\n";
        first = false;
        appendJsonObject(out, record);
    }
    out += "\n]";
    return out;
}

QByteArray ExportService::build(const QList<Subscription*>& subscriptions, Format format)
{
    return format == Format::Csv ? csv(subscriptions).toUtf8() : json(subscriptions);
}

QString ExportService::suggestedFileName(Format format)
{
    return format == Format::Csv ? u"Tabrino Export.csv"_s : u"Tabrino Export.json"_s;
}

bool ExportService::write(const QByteArray& bytes, const QString& path, QString* error)
{
    const auto fail = [error](const QString& reason) {
        if (error)
            *error = reason;
        return false;
    };
    if (path.isEmpty()) {
        //: Why a file was not written, in "Couldn't update the calendar file: %1. Tabrino tries again."
        return fail(QCoreApplication::translate("ExportService", "no file name"));
    }
    // Written beside the target and renamed over it only when complete, so a
    // full disk or a crash never leaves a truncated file where the user's
    // previous export was.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return fail(file.errorString());
    if (file.write(bytes) != bytes.size()) {
        const QString reason = file.errorString();
        file.cancelWriting();
        return fail(reason);
    }
    return file.commit() || fail(file.errorString());
}

}  // namespace tabrino
