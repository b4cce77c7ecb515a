#include "catalog/CatalogDocument.h"

#include <rapidjson/error/en.h>
#include <rapidjson/memorystream.h>
#include <rapidjson/reader.h>

#include <QSet>

#include <algorithm>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

using namespace Qt::StringLiterals;

namespace tabrino {

namespace {

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

bool isNumberCharacter(char c)
{
    return isDigit(c) || c == '-' || c == '+' || c == '.' || c == 'e' || c == 'E';
}

// The number tokens of a JSON text in document order, strings skipped. On a
// text RapidJSON accepts they are exactly the numbers it reports.
class NumberTokens {
public:
    explicit NumberTokens(std::string_view text)
        : m_text(text)
    {
    }

    // The next token and its offset; an empty token at the end.
    std::string_view next(std::size_t* offset = nullptr)
    {
        while (m_position < m_text.size()) {
            const char c = m_text[m_position];
            if (c == '"') {
                skipString();
            } else if (c == '-' || isDigit(c)) {
                const std::size_t start = m_position;
                while (m_position < m_text.size() && isNumberCharacter(m_text[m_position]))
                    ++m_position;
                if (offset)
                    *offset = start;
                return m_text.substr(start, m_position - start);
            } else {
                ++m_position;
            }
        }
        return {};
    }

private:
    void skipString()
    {
        ++m_position;
        while (m_position < m_text.size()) {
            const char c = m_text[m_position++];
            if (c == '\\')
                ++m_position;
            else if (c == '"')
                return;
        }
    }

    std::string_view m_text;
    std::size_t m_position = 0;
};

// -?(0|[1-9][0-9]*)(.[0-9]+)?([eE][+-]?[0-9]+)?
bool isJsonNumber(std::string_view token)
{
    std::size_t i = 0;
    const auto digits = [&] {
        const std::size_t start = i;
        while (i < token.size() && isDigit(token[i]))
            ++i;
        return i - start;
    };
    if (i < token.size() && token[i] == '-')
        ++i;
    if (i < token.size() && token[i] == '0')
        ++i;
    else if (digits() == 0)
        return false;
    if (i < token.size() && token[i] == '.') {
        ++i;
        if (digits() == 0)
            return false;
    }
    if (i < token.size() && (token[i] == 'e' || token[i] == 'E')) {
        ++i;
        if (i < token.size() && (token[i] == '+' || token[i] == '-'))
            ++i;
        if (digits() == 0)
            return false;
    }
    return i == token.size();
}

// RapidJSON works out every number as a double even when it hands over the
// text, and refuses the whole document when one overflows (1e400 under a
// key nobody reads, say). Such numbers are replaced by zeros of the same
// length before parsing; the reader takes every number's text from the
// original anyway. Exponents and very long integers are the only numbers
// that can overflow. Returns the text to parse: `original` itself when
// nothing needed replacing.
QByteArrayView maskOverflowingNumbers(QByteArrayView original, QByteArray& masked)
{
    const std::string_view text(original.data(), std::size_t(original.size()));
    NumberTokens tokens(text);
    std::size_t offset = 0;
    for (std::string_view token = tokens.next(&offset); !token.empty(); token = tokens.next(&offset)) {
        const bool mayOverflow = token.size() > 300 || token.find_first_of("eE") != std::string_view::npos;
        // An invalid token stays, for RapidJSON to report where it is.
        if (!mayOverflow || !isJsonNumber(token))
            continue;
        if (masked.isNull())
            masked = original.toByteArray();
        // "0.000": the same length (a valid token with an exponent has at
        // least three characters), and nothing to overflow.
        char* out = masked.data() + offset;
        out[0] = '0';
        out[1] = '.';
        std::fill(out + 2, out + token.size(), '0');
    }
    return masked.isNull() ? original : QByteArrayView(masked);
}

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

    explicit CatalogReader(std::string_view original)
        : m_numbers(original)
    {
    }

    const std::optional<QString>& error() const { return m_error; }
    bool isComplete() const { return m_complete; }
    QList<CatalogService> takeServices() { return std::move(m_services); }

    bool Null() { return scalar(Kind::Null, {}); }
    bool Bool(bool) { return scalar(Kind::Bool, {}); }
    bool RawNumber(const char* text, rapidjson::SizeType length, bool)
    {
        std::string_view original = m_numbers.next();
        // Defensive: the two never disagree on a document that parses.
        if (original.size() != length)
            original = std::string_view(text, length);
        return scalar(Kind::Number, original);
    }
    bool String(const char* text, rapidjson::SizeType length, bool)
    {
        return scalar(Kind::String, std::string_view(text, length));
    }
    bool Key(const char* text, rapidjson::SizeType length, bool)
    {
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
        case Frame::Root:
            ++m_serviceCount;
            return stop(serviceWhere() + u" must be an object."_s);
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
        case Frame::Ignored:
            return true;
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
        case Frame::Ignored:
            return Frame::Ignored;
        }
        return Frame::Ignored;
    }

    bool close()
    {
        const Frame closed = m_frames.back();
        m_frames.pop_back();
        switch (closed) {
        case Frame::Root:
            m_complete = true;
            return true;
        case Frame::Service:
            return finishService();
        case Frame::Plan:
            finishPlan();
            return true;
        default:
            return true;
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
        service.cancellationURL = optionalString(m_service.cancellationURL, "cancellationURL", where, error);
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
            return &m_service.cancellationURL;
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
        Slot id, name, category, cancellationURL, brandColor, symbol;
    };
    struct PlanSlots {
        Slot name, price, cycle;
    };

    NumberTokens m_numbers;
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
    static const QStringList values = {u"streaming"_s, u"software"_s, u"music"_s, u"cloud"_s, u"fitness"_s,
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

    QByteArray masked;
    const QByteArrayView parsed = maskOverflowingNumbers(utf8, masked);
    rapidjson::MemoryStream stream(parsed.data(), std::size_t(parsed.size()));
    rapidjson::Reader reader;
    CatalogReader catalog(std::string_view(utf8.data(), std::size_t(utf8.size())));
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
