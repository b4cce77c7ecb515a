// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "catalog/CatalogDocument.h"

#include <rapidjson/error/en.h>
#include <rapidjson/reader.h>

#include <QSet>

#include <optional>
#include <string>
#include <string_view>
#include <vector>

using namespace Qt::StringLiterals;

namespace tabrino {

namespace {

// The document as RapidJSON reads it, one byte at a time, kept from
// overflowing RapidJSON's number conversion. With kParseNumbersAsStringsFlag
// RapidJSON still works out every number as a double and refuses the whole
// document when one is out of range, 1e400 under a key nobody reads
// included; no flag turns that off. So RapidJSON is shown at most 20 digits
// of an integer part and one of an exponent: the number keeps its shape,
// which RapidJSON alone judges, and cannot overflow. The reader takes every
// number's own text from the bytes RapidJSON consumed for it.
//
// Digits outside strings belong to the number RapidJSON is reading. A string
// starts at the quote RapidJSON takes outside one and ends where RapidJSON
// reports it (leaveString()), so escapes are RapidJSON's business alone.
class CatalogStream {
public:
    using Ch = char;

    explicit CatalogStream(std::string_view text) : m_text(text) {}

    Ch Peek() const { return m_position < m_text.size() ? m_text[m_position] : '\0'; }

    Ch Take()
    {
        const Ch c = Peek();
        if (c == '\0')
            return c;
        ++m_position;
        follow(c);
        return c;
    }

    std::size_t Tell() const { return m_position; }

    // The text of the number RapidJSON just finished reading.
    std::string_view number() const { return m_text.substr(m_numberStart, m_position - m_numberStart); }

    void leaveString() { m_state = State::Outside; }

    // Required by RapidJSON's stream concept; never called on a reading stream.
    Ch* PutBegin() { return nullptr; }
    void Put(Ch) {}
    void Flush() {}
    std::size_t PutEnd(Ch*) { return 0; }

private:
    enum class State { Outside, String, Integer, Fraction, Exponent };

    static bool isDigit(Ch c) { return c >= '0' && c <= '9'; }

    void follow(Ch c)
    {
        switch (m_state) {
        case State::String: return;
        case State::Integer:
        case State::Fraction:
        case State::Exponent:
            if (isDigit(c)) {
                ++m_digits;
                if ((m_state == State::Integer && m_digits >= 20) || (m_state == State::Exponent && m_digits >= 1))
                    while (isDigit(Peek()))
                        ++m_position;
                return;
            }
            if (c == '.' && m_state == State::Integer) {
                m_state = State::Fraction;
                return;
            }
            if (c == 'e' || c == 'E') {
                m_state = State::Exponent;
                m_digits = 0;
                return;
            }
            if (c == '.' || c == '+' || c == '-')
                return;
            m_state = State::Outside;
            [[fallthrough]];
        case State::Outside:
            if (c == '"') {
                m_state = State::String;
            } else if (c == '-' || isDigit(c)) {
                m_state = State::Integer;
                m_numberStart = m_position - 1;
                m_digits = isDigit(c) ? 1 : 0;
            }
            return;
        }
    }

    std::string_view m_text;
    std::size_t m_position = 0;
    std::size_t m_numberStart = 0;
    int m_digits = 0;
    State m_state = State::Outside;
};

QString fromUtf8(std::string_view text)
{
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

QString quoted(std::string_view key)
{
    return u'"' + fromUtf8(key) + u'"';
}

enum class Kind { Absent, Null, Bool, Number, String, Array, Object };

// One member of an object as last written: a repeated key is read like most
// JSON readers do, the last one counts. Only text that may be used is kept.
struct Slot {
    Kind kind = Kind::Absent;
    std::string text;  // digits of a number, contents of a string
};

// The first problem found wins; every later one is dropped.
void fail(std::optional<QString>& error, const QString& problem)
{
    if (!error)
        error = problem;
}

QString requiredString(const Slot& slot, std::string_view key, const QString& where, std::optional<QString>& error)
{
    if (error)
        return {};
    if (slot.kind == Kind::Absent)
        fail(error, where + u": "_s + quoted(key) + u" is missing."_s);
    else if (slot.kind != Kind::String)
        fail(error, where + u": "_s + quoted(key) + u" must be a string."_s);
    return error ? QString() : fromUtf8(slot.text);
}

std::optional<QString> optionalString(const Slot& slot, std::string_view key, const QString& where,
                                      std::optional<QString>& error)
{
    if (error || slot.kind == Kind::Absent || slot.kind == Kind::Null)
        return std::nullopt;
    if (slot.kind != Kind::String) {
        fail(error, where + u": "_s + quoted(key) + u" must be a string."_s);
        return std::nullopt;
    }
    return fromUtf8(slot.text);
}

// A number that is used must be one every JSON reader can hold: below
// 10^308 in magnitude, and within Decimal's range.
std::optional<Decimal> requiredNumber(const Slot& slot, std::string_view key, const QString& where,
                                      std::optional<QString>& error)
{
    if (error)
        return std::nullopt;
    if (slot.kind == Kind::Absent) {
        fail(error, where + u": "_s + quoted(key) + u" is missing."_s);
        return std::nullopt;
    }
    if (slot.kind != Kind::Number) {
        fail(error, where + u": "_s + quoted(key) + u" must be a number."_s);
        return std::nullopt;
    }
    static const Decimal limit = *Decimal::fromString("1e308");
    const std::optional<Decimal> number = Decimal::fromString(std::string_view(slot.text));
    if (!number || number->abs() >= limit) {
        fail(error, where + u": "_s + quoted(key) + u" is a number out of range."_s);
        return std::nullopt;
    }
    return number;
}

// An array member read element by element: what it held so far, or the
// first problem with one of its elements.
template <typename T>
struct ArraySlot {
    Kind kind = Kind::Absent;
    QList<T> items;
    std::optional<QString> error;

    void restart(Kind newKind)
    {
        kind = newKind;
        items.clear();
        error.reset();
    }
};

// Reads the catalog while RapidJSON parses it, keeping only what a service
// or a plan uses, and stops at the first problem. Nothing of the document is
// held as a tree, so memory follows what is kept, never what is sent: a body
// of empty arrays or of numbers, or a huge value under an ignored key, costs
// nothing.
class CatalogReader : public rapidjson::BaseReaderHandler<rapidjson::UTF8<>, CatalogReader> {
public:
    // The catalog nests four levels; deeper content under an ignored key is
    // refused rather than followed without bound.
    static constexpr std::size_t kMaximumDepth = 64;

    explicit CatalogReader(CatalogStream& stream) : m_stream(stream) {}

    const std::optional<QString>& error() const { return m_error; }
    bool isComplete() const { return m_complete; }
    QList<CatalogService> takeServices() { return std::move(m_services); }

    bool Null() { return scalar(Kind::Null, {}); }
    bool Bool(bool) { return scalar(Kind::Bool, {}); }
    // RapidJSON's text may be cut short (see CatalogStream): the number is
    // read from the document itself.
    bool RawNumber(const char*, rapidjson::SizeType, bool) { return scalar(Kind::Number, m_stream.number()); }
    bool String(const char* text, rapidjson::SizeType length, bool)
    {
        m_stream.leaveString();
        return scalar(Kind::String, std::string_view(text, length));
    }
    bool Key(const char* text, rapidjson::SizeType length, bool)
    {
        m_stream.leaveString();
        m_key.assign(text, length);
        return true;
    }
    bool StartObject() { return open(Kind::Object); }
    bool EndObject(rapidjson::SizeType) { return close(); }
    bool StartArray() { return open(Kind::Array); }
    bool EndArray(rapidjson::SizeType) { return close(); }

private:
    enum class Frame { Root, Service, Plans, Plan, Aliases, Ignored };

    static QString documentProblem(const QString& problem)
    {
        return u"The catalog is not a valid catalog document: "_s + problem;
    }

    QString serviceWhere() const { return documentProblem(u"service "_s + QString::number(m_serviceCount)); }
    QString planWhere() const { return serviceWhere() + u", plan "_s + QString::number(m_plans.items.size() + 1); }

    bool stop(const QString& problem)
    {
        fail(m_error, problem);
        return false;
    }

    bool scalar(Kind kind, std::string_view text)
    {
        if (m_frames.empty())
            return stop(documentProblem(u"it must be a JSON array of services."_s));
        switch (m_frames.back()) {
        case Frame::Root: ++m_serviceCount; return stop(serviceWhere() + u" must be an object."_s);
        case Frame::Service:
            if (Slot* slot = serviceSlot(m_key))
                *slot = Slot{kind, std::string(text)};
            else if (m_key == "plans")
                m_plans.restart(kind);
            else if (m_key == "aliases")
                m_aliases.restart(kind);
            return true;
        case Frame::Plan:
            if (Slot* slot = planSlot(m_key))
                *slot = Slot{kind, std::string(text)};
            return true;
        case Frame::Plans:
            if (!m_plans.error)
                m_plans.error = planWhere() + u": a plan must be an object."_s;
            return true;
        case Frame::Aliases:
            if (kind != Kind::String && !m_aliases.error)
                m_aliases.error = serviceWhere() + u": every entry of \"aliases\" must be a string."_s;
            if (!m_aliases.error)
                m_aliases.items.append(fromUtf8(text));
            return true;
        case Frame::Ignored: return true;
        }
        return true;
    }

    bool open(Kind kind)
    {
        if (m_frames.size() >= kMaximumDepth)
            return stop(documentProblem(u"it is nested too deeply."_s));
        if (m_frames.empty()) {
            if (kind != Kind::Array)
                return stop(documentProblem(u"it must be a JSON array of services."_s));
            m_frames.push_back(Frame::Root);
            return true;
        }
        m_frames.push_back(childFrame(kind));
        return !m_error;
    }

    // What a new array or object is, from where it starts.
    Frame childFrame(Kind kind)
    {
        switch (m_frames.back()) {
        case Frame::Root:
            ++m_serviceCount;
            if (kind != Kind::Object) {
                stop(serviceWhere() + u" must be an object."_s);
                return Frame::Ignored;
            }
            m_service = {};
            m_plans.restart(Kind::Absent);
            m_aliases.restart(Kind::Absent);
            return Frame::Service;
        case Frame::Service:
            if (Slot* slot = serviceSlot(m_key)) {
                *slot = Slot{kind, {}};
            } else if (m_key == "plans") {
                m_plans.restart(kind);
                if (kind == Kind::Array)
                    return Frame::Plans;
            } else if (m_key == "aliases") {
                m_aliases.restart(kind);
                if (kind == Kind::Array)
                    return Frame::Aliases;
            }
            return Frame::Ignored;
        case Frame::Plans:
            if (kind == Kind::Object && !m_plans.error) {
                m_plan = {};
                return Frame::Plan;
            }
            if (!m_plans.error)
                m_plans.error = planWhere() + u": a plan must be an object."_s;
            return Frame::Ignored;
        case Frame::Plan:
            if (Slot* slot = planSlot(m_key))
                *slot = Slot{kind, {}};
            return Frame::Ignored;
        case Frame::Aliases:
            if (!m_aliases.error)
                m_aliases.error = serviceWhere() + u": every entry of \"aliases\" must be a string."_s;
            return Frame::Ignored;
        case Frame::Ignored: return Frame::Ignored;
        }
        return Frame::Ignored;
    }

    bool close()
    {
        const Frame closed = m_frames.back();
        m_frames.pop_back();
        switch (closed) {
        case Frame::Root: m_complete = true; return true;
        case Frame::Service: return finishService();
        case Frame::Plan: finishPlan(); return true;
        default: return true;
        }
    }

    void finishPlan()
    {
        if (m_plans.error)
            return;
        std::optional<QString> error;
        const QString where = planWhere();
        CatalogPlan plan;
        plan.name = requiredString(m_plan.name, "name", where, error);
        if (std::optional<Decimal> price = requiredNumber(m_plan.price, "price", where, error))
            plan.price = *price;
        plan.cycle = requiredString(m_plan.cycle, "cycle", where, error);
        if (error)
            m_plans.error = std::move(error);
        else
            m_plans.items.append(std::move(plan));
    }

    bool finishService()
    {
        std::optional<QString> error;
        const QString where = serviceWhere();
        CatalogService service;
        service.id = requiredString(m_service.id, "id", where, error);
        service.name = requiredString(m_service.name, "name", where, error);
        service.category = requiredString(m_service.category, "category", where, error);
        if (!error && !CatalogDocument::categories().contains(service.category))
            fail(error, where + u": \"category\" has the unknown value \""_s + service.category + u"\"."_s);
        service.cancellationUrl = optionalString(m_service.cancellationUrl, "cancellationURL", where, error);
        service.brandColor = requiredString(m_service.brandColor, "brandColor", where, error);
        service.symbol = requiredString(m_service.symbol, "symbol", where, error);
        if (m_plans.kind == Kind::Absent)
            fail(error, where + u": \"plans\" is missing."_s);
        else if (m_plans.kind != Kind::Array)
            fail(error, where + u": \"plans\" must be an array."_s);
        else if (m_plans.error)
            fail(error, *m_plans.error);
        if (m_aliases.kind != Kind::Absent && m_aliases.kind != Kind::Null) {
            if (m_aliases.kind != Kind::Array)
                fail(error, where + u": \"aliases\" must be an array."_s);
            else if (m_aliases.error)
                fail(error, *m_aliases.error);
            else
                service.aliases = std::move(m_aliases.items);
        }
        if (error)
            return stop(*error);
        // Services are looked up by id, so a repeated one leaves it unclear
        // which entry is meant: the document is refused like a malformed one.
        if (m_ids.contains(service.id))
            return stop(where + u" repeats the id \""_s + service.id + u"\"."_s);
        m_ids.insert(service.id);
        service.plans = std::move(m_plans.items);
        m_services.append(std::move(service));
        return true;
    }

    Slot* serviceSlot(const std::string& key)
    {
        if (key == "id")
            return &m_service.id;
        if (key == "name")
            return &m_service.name;
        if (key == "category")
            return &m_service.category;
        if (key == "cancellationURL")
            return &m_service.cancellationUrl;
        if (key == "brandColor")
            return &m_service.brandColor;
        if (key == "symbol")
            return &m_service.symbol;
        return nullptr;
    }

    Slot* planSlot(const std::string& key)
    {
        if (key == "name")
            return &m_plan.name;
        if (key == "price")
            return &m_plan.price;
        if (key == "cycle")
            return &m_plan.cycle;
        return nullptr;
    }

    struct ServiceSlots {
        Slot id, name, category, cancellationUrl, brandColor, symbol;
    };
    struct PlanSlots {
        Slot name, price, cycle;
    };

    CatalogStream& m_stream;
    std::vector<Frame> m_frames;
    std::string m_key;  // the latest key; each value follows its own key
    ServiceSlots m_service;
    ArraySlot<CatalogPlan> m_plans;
    ArraySlot<QString> m_aliases;
    PlanSlots m_plan;
    int m_serviceCount = 0;
    QSet<QString> m_ids;
    QList<CatalogService> m_services;
    std::optional<QString> m_error;
    bool m_complete = false;
};

}  // namespace

const QStringList& CatalogDocument::categories()
{
    static const QStringList values = {u"streaming"_s, u"software"_s, u"music"_s,   u"cloud"_s, u"fitness"_s,
                                       u"news"_s,      u"gaming"_s,   u"finance"_s, u"food"_s,  u"other"_s};
    return values;
}

CatalogLoadResult CatalogDocument::decode(QByteArrayView utf8)
{
    if (utf8.startsWith("\xEF\xBB\xBF"))
        utf8 = utf8.sliced(3);
    // RapidJSON reads a NUL byte as the end of the input, so trailing content
    // after one would go unnoticed; raw NUL is never valid JSON anyway.
    if (utf8.contains('\0'))
        return CatalogLoadResult::failure(u"The catalog is not valid JSON: it contains a NUL byte."_s);

    CatalogStream stream(std::string_view(utf8.data(), std::size_t(utf8.size())));
    rapidjson::Reader reader;
    CatalogReader catalog(stream);
    constexpr unsigned flags =
        rapidjson::kParseNumbersAsStringsFlag | rapidjson::kParseValidateEncodingFlag | rapidjson::kParseIterativeFlag;
    const rapidjson::ParseResult result = reader.Parse<flags>(stream, catalog);
    if (catalog.error())
        return CatalogLoadResult::failure(*catalog.error());
    if (result.IsError() || !catalog.isComplete()) {
        return CatalogLoadResult::failure(u"The catalog is not valid JSON: "_s
                                          + QString::fromUtf8(rapidjson::GetParseError_En(result.Code()))
                                          + u" (at byte "_s + QString::number(result.Offset()) + u")."_s);
    }
    return CatalogLoadResult::success(catalog.takeServices());
}

}  // namespace tabrino
