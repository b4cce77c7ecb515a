// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/design/SymbolMap.h"

#include "foundation/Decimal.h"
#include "model/SubscriptionCategory.h"
#include "support/Printers.h"

#include <QFile>
#include <QHash>
#include <QRegularExpression>
#include <QSet>
#include <QUrl>

#include <rapidjson/document.h>
#include <rapidjson/error/en.h>

#include <gtest/gtest.h>

using tabrino::Decimal;
using tabrino::SubscriptionCategory;
using tabrino::SymbolMap;

namespace {

// The catalog parsed twice: once with numbers as numbers (to check JSON
// types), once with numbers kept as their source text (to check how prices
// are written). Both documents have the same shape.
struct ShippedCatalog {
    rapidjson::Document values;
    rapidjson::Document texts;
    QString problem;
};

const ShippedCatalog& shipped()
{
    static const ShippedCatalog catalog = [] {
        ShippedCatalog c;
        QFile file(QStringLiteral(TABRINO_SERVICES_JSON));
        if (!file.open(QIODevice::ReadOnly)) {
            c.problem = QStringLiteral("cannot read ") + file.fileName();
            return c;
        }
        const QByteArray bytes = file.readAll();
        c.values.Parse<rapidjson::kParseValidateEncodingFlag>(bytes.constData(), static_cast<size_t>(bytes.size()));
        c.texts.Parse<rapidjson::kParseValidateEncodingFlag | rapidjson::kParseNumbersAsStringsFlag>(
            bytes.constData(), static_cast<size_t>(bytes.size()));
        if (c.values.HasParseError())
            c.problem = QStringLiteral("parse error at offset %1: %2")
                            .arg(c.values.GetErrorOffset())
                            .arg(QString::fromUtf8(rapidjson::GetParseError_En(c.values.GetParseError())));
        return c;
    }();
    return catalog;
}

QString text(const rapidjson::Value& value)
{
    return QString::fromUtf8(value.GetString(), static_cast<qsizetype>(value.GetStringLength()));
}

const rapidjson::Value* member(const rapidjson::Value& object, const char* key)
{
    const auto it = object.FindMember(key);
    return it == object.MemberEnd() ? nullptr : &it->value;
}

bool isNonEmptyString(const rapidjson::Value* value)
{
    return value && value->IsString() && !text(*value).trimmed().isEmpty();
}

// Every key is one the reader knows, and none is repeated: a misspelt or
// doubled key would silently lose data.
void expectOnlyKeys(const rapidjson::Value& object, const QSet<QString>& allowed)
{
    QSet<QString> seen;
    for (auto it = object.MemberBegin(); it != object.MemberEnd(); ++it) {
        const QString key = text(it->name);
        EXPECT_TRUE(allowed.contains(key)) << "unexpected key " << key.toStdString();
        EXPECT_FALSE(seen.contains(key)) << "repeated key " << key.toStdString();
        seen.insert(key);
    }
}

}  // namespace

TEST(ShippedCatalog, IsAJsonArrayOfEnoughServices)
{
    const ShippedCatalog& catalog = shipped();
    ASSERT_TRUE(catalog.problem.isEmpty()) << catalog.problem.toStdString();
    ASSERT_FALSE(catalog.texts.HasParseError());
    ASSERT_TRUE(catalog.values.IsArray());
    // A downloaded catalog needs 150 services to be used; the shipped one keeps to the same floor.
    EXPECT_GE(catalog.values.Size(), 150u);
    for (const rapidjson::Value& service : catalog.values.GetArray())
        EXPECT_TRUE(service.IsObject());
}

namespace {

void checkPlan(const rapidjson::Value& plan, const rapidjson::Value& planText, QSet<QString>& names)
{
    static const QRegularExpression pricePattern(QStringLiteral("^(0|[1-9][0-9]*)(\\.[0-9]{1,2})?$"));
    static const QSet<QString> planKeys{QStringLiteral("name"), QStringLiteral("price"), QStringLiteral("cycle")};
    static const QSet<QString> cycles{QStringLiteral("weekly"), QStringLiteral("monthly"), QStringLiteral("quarterly"),
                                      QStringLiteral("yearly")};

    ASSERT_TRUE(plan.IsObject());
    expectOnlyKeys(plan, planKeys);
    const rapidjson::Value* name = member(plan, "name");
    ASSERT_TRUE(isNonEmptyString(name));
    SCOPED_TRACE(text(*name).toStdString());

    const rapidjson::Value* price = member(plan, "price");
    ASSERT_TRUE(price && price->IsNumber()) << "price must be a JSON number";
    EXPECT_GT(price->GetDouble(), 0.0);
    const QString priceText = text(planText["price"]);
    EXPECT_TRUE(pricePattern.match(priceText).hasMatch()) << "price written as " << priceText.toStdString();

    const rapidjson::Value* cycle = member(plan, "cycle");
    ASSERT_TRUE(cycle && cycle->IsString());
    EXPECT_TRUE(cycles.contains(text(*cycle))) << "cycle " << text(*cycle).toStdString();

    // The plan picker shows plans by name: two of one service never share one.
    const QString folded = text(*name).toCaseFolded();
    EXPECT_FALSE(names.contains(folded)) << "two plans named " << text(*name).toStdString();
    names.insert(folded);

    // A plan billed every four weeks has no cycle of its own; it is entered
    // weekly at exactly a quarter of the amount its name states.
    static const QRegularExpression fourWeekly(QStringLiteral("\\$([0-9]+(\\.[0-9]{1,2})?) every 4 weeks"));
    if (const QRegularExpressionMatch billed = fourWeekly.match(text(*name)); billed.hasMatch()) {
        EXPECT_EQ(text(*cycle), QStringLiteral("weekly"));
        EXPECT_EQ(Decimal::fromString(priceText).value_or(Decimal(0)) * Decimal(4),
                  Decimal::fromString(billed.captured(1)));
    }
}

void checkService(const rapidjson::Value& service, const rapidjson::Value& serviceText, QSet<QString>& ids)
{
    static const QRegularExpression idPattern(QStringLiteral("^[a-z0-9]+(-[a-z0-9]+)*$"));
    static const QRegularExpression colourPattern(QStringLiteral("^[0-9A-Fa-f]{6}$"));
    static const QSet<QString> serviceKeys{QStringLiteral("id"),         QStringLiteral("name"),
                                           QStringLiteral("category"),   QStringLiteral("cancellationURL"),
                                           QStringLiteral("brandColor"), QStringLiteral("symbol"),
                                           QStringLiteral("plans"),      QStringLiteral("aliases")};

    ASSERT_TRUE(service.IsObject());
    const rapidjson::Value* id = member(service, "id");
    ASSERT_TRUE(isNonEmptyString(id)) << "service without id";
    SCOPED_TRACE(text(*id).toStdString());

    expectOnlyKeys(service, serviceKeys);
    EXPECT_TRUE(idPattern.match(text(*id)).hasMatch()) << "id format";
    EXPECT_FALSE(ids.contains(text(*id))) << "duplicate id";
    ids.insert(text(*id));

    const rapidjson::Value* name = member(service, "name");
    ASSERT_TRUE(isNonEmptyString(name)) << "name";
    EXPECT_EQ(text(*name), text(*name).trimmed());

    const rapidjson::Value* category = member(service, "category");
    ASSERT_TRUE(category && category->IsString()) << "category";
    EXPECT_TRUE(SubscriptionCategory::fromString(text(*category)).has_value())
        << "category " << text(*category).toStdString();

    const rapidjson::Value* colour = member(service, "brandColor");
    ASSERT_TRUE(colour && colour->IsString()) << "brandColor";
    EXPECT_TRUE(colourPattern.match(text(*colour)).hasMatch()) << "brandColor " << text(*colour).toStdString();

    const rapidjson::Value* symbol = member(service, "symbol");
    ASSERT_TRUE(symbol && symbol->IsString()) << "symbol";
    EXPECT_TRUE(SymbolMap::ligature(text(*symbol)).has_value()) << "unknown symbol " << text(*symbol).toStdString();

    if (const rapidjson::Value* url = member(service, "cancellationURL"); url && !url->IsNull()) {
        ASSERT_TRUE(url->IsString()) << "cancellationURL";
        const QUrl parsed(text(*url), QUrl::StrictMode);
        EXPECT_TRUE(parsed.isValid() && parsed.scheme() == QStringLiteral("https") && !parsed.host().isEmpty())
            << "cancellationURL " << text(*url).toStdString();
    }

    if (const rapidjson::Value* aliases = member(service, "aliases"); aliases && !aliases->IsNull()) {
        ASSERT_TRUE(aliases->IsArray()) << "aliases";
        QSet<QString> seen;
        for (const rapidjson::Value& alias : aliases->GetArray()) {
            ASSERT_TRUE(isNonEmptyString(&alias)) << "alias";
            const QString folded = text(alias).toCaseFolded();
            EXPECT_FALSE(seen.contains(folded)) << "repeated alias " << text(alias).toStdString();
            seen.insert(folded);
        }
    }

    const rapidjson::Value* plans = member(service, "plans");
    ASSERT_TRUE(plans && plans->IsArray()) << "plans";
    // Every shipped service is there to be picked with one of its plans.
    EXPECT_GT(plans->Size(), 0u);
    QSet<QString> planNames;
    for (rapidjson::SizeType p = 0; p < plans->Size(); ++p)
        checkPlan((*plans)[p], serviceText["plans"][p], planNames);
}

}  // namespace

TEST(ShippedCatalog, EveryServiceIsWellFormed)
{
    const ShippedCatalog& catalog = shipped();
    ASSERT_TRUE(catalog.problem.isEmpty() && catalog.values.IsArray()) << catalog.problem.toStdString();
    QSet<QString> ids;
    for (rapidjson::SizeType i = 0; i < catalog.values.Size(); ++i)
        checkService(catalog.values[i], catalog.texts[i], ids);
}

TEST(ShippedCatalog, CoversEveryCategoryAndThePopularServices)
{
    const ShippedCatalog& catalog = shipped();
    ASSERT_TRUE(catalog.problem.isEmpty() && catalog.values.IsArray()) << catalog.problem.toStdString();

    QHash<QString, int> perCategory;
    QSet<QString> ids;
    for (const rapidjson::Value& service : catalog.values.GetArray()) {
        ASSERT_TRUE(service.IsObject());
        if (const rapidjson::Value* category = member(service, "category"); category && category->IsString())
            ++perCategory[text(*category)];
        if (const rapidjson::Value* id = member(service, "id"); id && id->IsString())
            ids.insert(text(*id));
    }
    for (SubscriptionCategory category : SubscriptionCategory::values())
        EXPECT_GE(perCategory.value(category.toString()), 5) << category.toString().toStdString();

    const char* const popular[] = {
        "netflix",    "spotify",      "youtube-premium", "icloud-plus",          "chatgpt-plus",
        "claude-pro", "amazon-prime", "disney-plus",     "adobe-creative-cloud", "apple-one"};
    for (const char* id : popular)
        EXPECT_TRUE(ids.contains(QString::fromLatin1(id))) << id;
}
