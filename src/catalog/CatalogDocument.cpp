#include "catalog/CatalogDocument.h"

#include <rapidjson/error/en.h>
#include <rapidjson/memorystream.h>
#include <rapidjson/reader.h>

#include <QSet>

#include <string>
#include <string_view>
#include <vector>

using namespace Qt::StringLiterals;

namespace tabrino {

namespace {

// The document parsed into a small tree that, unlike RapidJSON's own DOM,
// remembers whether a value was written as a number or as a string.
struct JsonMember;

struct JsonValue {
    enum class Kind { Null, Bool, Number, String, Array, Object };
    Kind kind = Kind::Null;
    std::string text;  // digits of a number, contents of a string
    std::vector<JsonValue> items;
    std::vector<JsonMember> members;

    // The last member named `key` (a repeated key is read like most JSON
    // readers do: the last one counts).
    const JsonValue* member(std::string_view key) const;
};

struct JsonMember {
    std::string key;
    JsonValue value;
};

const JsonValue* JsonValue::member(std::string_view key) const
{
    for (auto it = members.rbegin(); it != members.rend(); ++it) {
        if (it->key == key)
            return &it->value;
    }
    return nullptr;
}

class TreeBuilder : public rapidjson::BaseReaderHandler<rapidjson::UTF8<>, TreeBuilder> {
public:
    // The catalog nests four levels; a limit keeps a hostile document from
    // building a tree whose destruction would recurse without bound.
    static constexpr std::size_t kMaximumDepth = 64;

    bool Null() { return add(JsonValue{}); }
    bool Bool(bool) { return add(JsonValue{JsonValue::Kind::Bool, {}, {}, {}}); }
    bool RawNumber(const char* text, rapidjson::SizeType length, bool)
    {
        return add(JsonValue{JsonValue::Kind::Number, std::string(text, length), {}, {}});
    }
    bool String(const char* text, rapidjson::SizeType length, bool)
    {
        return add(JsonValue{JsonValue::Kind::String, std::string(text, length), {}, {}});
    }
    bool Key(const char* text, rapidjson::SizeType length, bool)
    {
        m_keys.back().assign(text, length);
        return true;
    }
    bool StartObject() { return open(JsonValue::Kind::Object); }
    bool EndObject(rapidjson::SizeType) { return close(); }
    bool StartArray() { return open(JsonValue::Kind::Array); }
    bool EndArray(rapidjson::SizeType) { return close(); }

    bool tooDeep() const { return m_tooDeep; }
    JsonValue takeRoot() { return std::move(m_root); }

private:
    bool open(JsonValue::Kind kind)
    {
        if (m_open.size() >= kMaximumDepth) {
            m_tooDeep = true;
            return false;
        }
        m_open.push_back(JsonValue{kind, {}, {}, {}});
        m_keys.emplace_back();
        return true;
    }

    bool close()
    {
        JsonValue finished = std::move(m_open.back());
        m_open.pop_back();
        m_keys.pop_back();
        return add(std::move(finished));
    }

    bool add(JsonValue value)
    {
        if (m_open.empty()) {
            m_root = std::move(value);
            return true;
        }
        JsonValue& container = m_open.back();
        if (container.kind == JsonValue::Kind::Array)
            container.items.push_back(std::move(value));
        else
            container.members.push_back(JsonMember{std::move(m_keys.back()), std::move(value)});
        return true;
    }

    std::vector<JsonValue> m_open;
    std::vector<std::string> m_keys;  // pending key of each open object
    JsonValue m_root;
    bool m_tooDeep = false;
};

QString fromUtf8(const std::string& text)
{
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

QString quoted(std::string_view key)
{
    return u'"' + QString::fromUtf8(key.data(), qsizetype(key.size())) + u'"';
}

// Reads the fields of one object; the first problem is kept as text and
// every later read is skipped.
class FieldReader {
public:
    FieldReader(const JsonValue& object, QString where)
        : m_object(object)
        , m_where(std::move(where))
    {
    }

    const std::optional<QString>& error() const { return m_error; }

    QString requiredString(std::string_view key)
    {
        const JsonValue* value = present(key);
        if (!value) {
            fail(quoted(key) + u" is missing"_s);
            return {};
        }
        return string(key, *value);
    }

    std::optional<QString> optionalString(std::string_view key)
    {
        const JsonValue* value = present(key);
        if (!value || value->kind == JsonValue::Kind::Null)
            return std::nullopt;
        QString text = string(key, *value);
        return m_error ? std::nullopt : std::optional<QString>(std::move(text));
    }

    std::optional<Decimal> requiredNumber(std::string_view key)
    {
        const JsonValue* value = present(key);
        if (!value) {
            fail(quoted(key) + u" is missing"_s);
            return std::nullopt;
        }
        if (value->kind != JsonValue::Kind::Number) {
            fail(quoted(key) + u" must be a number"_s);
            return std::nullopt;
        }
        std::optional<Decimal> number = Decimal::fromString(std::string_view(value->text));
        if (!number)
            fail(quoted(key) + u" is a number out of range"_s);
        return number;
    }

    // The array under `key`; `required` decides whether absence or null is
    // an error.
    const JsonValue* array(std::string_view key, bool required)
    {
        const JsonValue* value = present(key);
        if (!value || (!required && value->kind == JsonValue::Kind::Null)) {
            if (required)
                fail(quoted(key) + u" is missing"_s);
            return nullptr;
        }
        if (value->kind != JsonValue::Kind::Array) {
            fail(quoted(key) + u" must be an array"_s);
            return nullptr;
        }
        return value;
    }

    void fail(const QString& problem)
    {
        if (!m_error)
            m_error = m_where + u": "_s + problem + u'.';
    }

private:
    // The member under `key`, null included; nothing once a problem is known.
    const JsonValue* present(std::string_view key) const
    {
        return m_error ? nullptr : m_object.member(key);
    }

    QString string(std::string_view key, const JsonValue& value)
    {
        if (value.kind != JsonValue::Kind::String) {
            fail(quoted(key) + u" must be a string"_s);
            return {};
        }
        return fromUtf8(value.text);
    }

    const JsonValue& m_object;
    QString m_where;
    std::optional<QString> m_error;
};

std::optional<QString> decodePlan(const JsonValue& value, const QString& where, CatalogPlan& plan)
{
    if (value.kind != JsonValue::Kind::Object)
        return where + u": a plan must be an object."_s;
    FieldReader reader(value, where);
    plan.name = reader.requiredString("name");
    if (std::optional<Decimal> price = reader.requiredNumber("price"))
        plan.price = *price;
    plan.cycle = reader.requiredString("cycle");
    return reader.error();
}

std::optional<QString> decodeService(const JsonValue& value, const QString& where, CatalogService& service)
{
    if (value.kind != JsonValue::Kind::Object)
        return where + u" must be an object."_s;
    FieldReader reader(value, where);
    service.id = reader.requiredString("id");
    service.name = reader.requiredString("name");
    service.category = reader.requiredString("category");
    if (!reader.error() && !CatalogDocument::categories().contains(service.category))
        reader.fail(u"\"category\" has the unknown value \""_s + service.category + u'"');
    service.cancellationURL = reader.optionalString("cancellationURL");
    service.brandColor = reader.requiredString("brandColor");
    service.symbol = reader.requiredString("symbol");

    if (const JsonValue* plans = reader.array("plans", true)) {
        service.plans.reserve(qsizetype(plans->items.size()));
        for (std::size_t i = 0; i < plans->items.size(); ++i) {
            CatalogPlan plan;
            const QString planWhere = where + u", plan "_s + QString::number(i + 1);
            if (std::optional<QString> error = decodePlan(plans->items[i], planWhere, plan))
                return error;
            service.plans.append(std::move(plan));
        }
    }
    if (const JsonValue* aliases = reader.array("aliases", false)) {
        QStringList texts;
        texts.reserve(qsizetype(aliases->items.size()));
        for (const JsonValue& alias : aliases->items) {
            if (alias.kind != JsonValue::Kind::String) {
                reader.fail(u"every entry of \"aliases\" must be a string"_s);
                break;
            }
            texts.append(fromUtf8(alias.text));
        }
        service.aliases = std::move(texts);
    }
    return reader.error();
}

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

    rapidjson::MemoryStream stream(utf8.data(), std::size_t(utf8.size()));
    rapidjson::Reader reader;
    TreeBuilder builder;
    constexpr unsigned flags =
        rapidjson::kParseNumbersAsStringsFlag | rapidjson::kParseValidateEncodingFlag | rapidjson::kParseIterativeFlag;
    const rapidjson::ParseResult parsed = reader.Parse<flags>(stream, builder);
    if (parsed.IsError()) {
        if (builder.tooDeep())
            return CatalogLoadResult::failure(u"The catalog is not a valid catalog document: it is nested too deeply."_s);
        return CatalogLoadResult::failure(u"The catalog is not valid JSON: "_s
                                          + QString::fromUtf8(rapidjson::GetParseError_En(parsed.Code()))
                                          + u" (at byte "_s + QString::number(parsed.Offset()) + u")."_s);
    }

    const JsonValue root = builder.takeRoot();
    if (root.kind != JsonValue::Kind::Array)
        return CatalogLoadResult::failure(u"The catalog is not a valid catalog document: it must be a JSON array of services."_s);

    QList<CatalogService> services;
    services.reserve(qsizetype(root.items.size()));
    QSet<QString> ids;
    ids.reserve(qsizetype(root.items.size()));
    for (std::size_t i = 0; i < root.items.size(); ++i) {
        const QString where = u"The catalog is not a valid catalog document: service "_s + QString::number(i + 1);
        CatalogService service;
        if (std::optional<QString> error = decodeService(root.items[i], where, service))
            return CatalogLoadResult::failure(*error);
        // Services are looked up by id, so a repeated one leaves it unclear
        // which entry is meant: the document is refused like a malformed one.
        if (ids.contains(service.id))
            return CatalogLoadResult::failure(where + u" repeats the id \""_s + service.id + u"\"."_s);
        ids.insert(service.id);
        services.append(std::move(service));
    }
    return CatalogLoadResult::success(std::move(services));
}

}  // namespace tabrino
