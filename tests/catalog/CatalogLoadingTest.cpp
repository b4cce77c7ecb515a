// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "CatalogFixtures.h"
#include "support/TestMoney.h"

#include "catalog/BundledServiceCatalog.h"
#include "catalog/CachedServiceCatalog.h"
#include "catalog/CatalogDocument.h"
#include "catalog/ServiceCatalog.h"

#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <functional>
#include <optional>

using namespace Qt::StringLiterals;

namespace tabrino {
namespace {

using test::dec;

using test::documentJson;
using test::FixedCatalogProvider;
using test::generatedCatalog;
using test::makeService;
using test::serviceJson;

CatalogPlan plan(const QString& name, const char* price, const QString& cycle)
{
    return CatalogPlan{name, dec(price), cycle};
}

// `json` with `before` and `after` written around every byte of `marks`
// found outside a string, which JSON allows anywhere between tokens.
QByteArray respaced(QByteArrayView json, QByteArrayView marks, QByteArrayView before, QByteArrayView after = {})
{
    QByteArray out;
    bool inString = false;
    bool escaped = false;
    for (const char c : json) {
        if (inString) {
            inString = escaped || c != '"';
            escaped = !escaped && c == '\\';
        } else if (c == '"') {
            inString = true;
        } else if (marks.contains(c)) {
            out += before;
            out += c;
            out += after;
            continue;
        }
        out += c;
    }
    return out;
}

TEST(CatalogDocument, DecodesFieldsExactlyAndTreatsNullLikeAbsent)
{
    const QByteArray document = R"([
        {"id": "netflix", "name": "Netflix", "category": "streaming", "brandColor": "E50914", "symbol": "play.tv",
         "cancellationURL": "https://www.netflix.com/cancelplan", "aliases": ["nflx", "Netflix Premium"],
         "plans": [{"name": "Standard", "price": 15.49, "cycle": "monthly", "currency": "USD"},
                   {"name": "Precise", "price": 12.3456789012345678901234567891, "cycle": "yearly"}],
         "popularity": 3, "tags": {"nested": [1, 2]}},
        {"id": "a", "name": "A", "category": "other", "brandColor": "#000000", "symbol": "x", "plans": [],
         "aliases": null, "cancellationURL": null},
        {"plans": [], "symbol": "y", "brandColor": "111111", "category": "food", "name": "B", "id": "b"}
    ])";
    const CatalogLoadResult result = CatalogDocument::decode(document);
    ASSERT_TRUE(result.succeeded()) << result.error->toStdString();
    ASSERT_EQ(result.services.size(), 3);

    const CatalogService& netflix = result.services[0];
    EXPECT_EQ(netflix.id, u"netflix"_s);
    EXPECT_EQ(netflix.category, u"streaming"_s);
    EXPECT_EQ(netflix.cancellationUrl, u"https://www.netflix.com/cancelplan"_s);
    EXPECT_EQ(netflix.aliases, QStringList({u"nflx"_s, u"Netflix Premium"_s}));
    ASSERT_EQ(netflix.plans.size(), 2);
    EXPECT_EQ(netflix.plans[0], plan(u"Standard"_s, "15.49", u"monthly"_s));
    // Thirty significant digits survive: the price never went through a double.
    EXPECT_EQ(netflix.plans[1].price.toString(), u"12.3456789012345678901234567891"_s);

    for (const CatalogService& service : {result.services[1], result.services[2]}) {
        EXPECT_FALSE(service.aliases.has_value()) << service.id.toStdString();
        EXPECT_FALSE(service.cancellationUrl.has_value()) << service.id.toStdString();
        EXPECT_TRUE(service.plans.isEmpty());
    }
}

// Digits inside strings are text, however number-like, and a number's every
// digit counts, however many RapidJSON itself needs to see.
TEST(CatalogDocument, KeepsEveryDigitOfStringsAndPrices)
{
    const QByteArray document = R"([{"id": "x1e400", "name": "Tier \"100000000000000000000000001\" 2E+999 \u00e9\\",
        "category": "news", "brandColor": "123456", "symbol": "s", "aliases": ["-12345678901234567890123e-999"],
        "plans": [{"name": "Long", "price": 123456789012345678901234567890.25, "cycle": "yearly"},
                  {"name": "Exponent", "price": 1.5E+2, "cycle": "monthly"},
                  {"name": "Small", "price": -25e-3, "cycle": "weekly"}]}])";
    const CatalogLoadResult result = CatalogDocument::decode(document);
    ASSERT_TRUE(result.succeeded()) << result.error->toStdString();
    const CatalogService& service = result.services.value(0);
    EXPECT_EQ(service.id, u"x1e400"_s);
    EXPECT_EQ(service.name, u"Tier \"100000000000000000000000001\" 2E+999 \u00e9\\"_s);
    EXPECT_EQ(service.aliases, QStringList{u"-12345678901234567890123e-999"_s});
    ASSERT_EQ(service.plans.size(), 3);
    EXPECT_EQ(service.plans[0].price.toString(), u"123456789012345678901234567890.25"_s);
    EXPECT_EQ(service.plans[1].price, dec("150"));
    EXPECT_EQ(service.plans[2].price, dec("-0.025"));
}

TEST(CatalogDocument, OneBadElementRejectsTheWholeDocument)
{
    const QByteArray good = serviceJson(u"good"_s, u"Good"_s);
    const auto withSecond = [&good](const char* second) { return documentJson({good, QByteArray(second)}); };
    const char* base = R"("id": "x", "name": "X", "category": "news", "brandColor": "123456", "symbol": "s")";
    const auto element = [base](const char* more) { return QByteArray("{") + base + ", " + more + "}"; };

    const QList<std::pair<const char*, QByteArray>> cases = {
        {"price as a string", withSecond(element(R"("plans": [{"name": "P", "price": "9.99", "cycle": "monthly"}])"))},
        {"unknown category", documentJson({good, serviceJson(u"x"_s, u"X"_s, u"Streaming"_s)})},
        {"missing plans", withSecond(element(R"("aliases": [])"))},
        {"missing plan cycle", withSecond(element(R"("plans": [{"name": "P", "price": 1}])"))},
        {"null required name",
         withSecond(R"({"id": "x", "name": null, "category": "news", "brandColor": "1", "symbol": "s", "plans": []})")},
        {"name as a number",
         withSecond(R"({"id": "x", "name": 7, "category": "news", "brandColor": "1", "symbol": "s", "plans": []})")},
        {"alias not a string", withSecond(element(R"("plans": [], "aliases": ["ok", 3])"))},
        {"plans not an array", withSecond(element(R"("plans": {})"))},
        {"element not an object", withSecond("42")},
        {"repeated id", documentJson({good, serviceJson(u"good"_s, u"Good Again"_s)})},
        {"not an array", QByteArray(R"({"services": []})")},
        {"truncated", documentJson({good}).chopped(3)},
        {"trailing content", documentJson({good}) + "]"},
        {"content after a NUL byte", documentJson({good}) + QByteArray("\0,", 2)},
        {"invalid UTF-8", withSecond(element("\"plans\": [], \"aliases\": [\"\xC3\x28\"]"))},
        {"nested too deeply", QByteArray(100000, '[') + QByteArray(100000, ']')},
    };
    for (const auto& [label, document] : cases) {
        const CatalogLoadResult result = CatalogDocument::decode(document);
        EXPECT_FALSE(result.succeeded()) << label;
        EXPECT_TRUE(result.services.isEmpty()) << label;
        EXPECT_FALSE(result.error.value_or(QString()).isEmpty()) << label;
    }

    const CatalogLoadResult badCategory = CatalogDocument::decode(cases[1].second);
    EXPECT_EQ(badCategory.error,
              u"The catalog is not a valid catalog document: service 2: "
              u"\"category\" has the unknown value \"Streaming\"."_s);
}

// A number beyond a double's range is refused only where it is read.
TEST(CatalogDocument, NumbersBeyondADoubleCountOnlyWhereTheyAreRead)
{
    const auto withPrice = [](const char* price, const char* extra = "") {
        return QByteArray(R"([{"id": "x", "name": "X", "category": "news", "brandColor": "1", "symbol": "s", )") + extra
            + R"("plans": [{"name": "P", "cycle": "monthly", "weight": -2E+308, "price": )" + price + "}]}]";
    };
    const QByteArray ignored =
        withPrice("4.99",
                  R"("popularity": 1e400, "rank": -1e99999, "tiny": 1e-400, "nested": {"x": [1E+309, 0.5e310]}, )"
                  R"("big": 1)"
                      + QByteArray(400, '0') + ", ");
    const CatalogLoadResult accepted = CatalogDocument::decode(ignored);
    ASSERT_TRUE(accepted.succeeded()) << accepted.error->toStdString();
    EXPECT_EQ(accepted.services[0].plans[0].price, dec("4.99"));
    EXPECT_EQ(CatalogDocument::decode(withPrice("9.99e307")).services.value(0).plans.value(0).price, dec("9.99e307"));

    for (const char* price : {"1e308", "-1e308", "1e400",
                              "1"
                              "000000000000000000000000000000000000000000000000"
                              "000000000000000000000000000000000000000000000000"
                              "000000000000000000000000000000000000000000000000"
                              "000000000000000000000000000000000000000000000000"
                              "000000000000000000000000000000000000000000000000"
                              "000000000000000000000000000000000000000000000000"
                              "000000000000000000000000000000000000000000000000"}) {
        EXPECT_EQ(
            CatalogDocument::decode(withPrice(price)).error,
            u"The catalog is not a valid catalog document: service 1, plan 1: \"price\" is a number out of range."_s)
            << price;
    }
    // Spacing is no part of a number.
    const CatalogLoadResult respacedResult = CatalogDocument::decode(respaced(ignored, "[]{},:", "\r\n", "\t"));
    ASSERT_TRUE(respacedResult.succeeded()) << respacedResult.error->toStdString();
    EXPECT_EQ(respacedResult.services, accepted.services);

    // Text that is not a JSON number stays an error wherever it is.
    for (const char* bad : {"1.e400", "1e", "01e400", "1e400e"}) {
        EXPECT_TRUE(CatalogDocument::decode(withPrice("1", (QByteArray(R"("ignored": )") + bad + ", ").constData()))
                        .error.value_or(QString())
                        .startsWith(u"The catalog is not valid JSON"_s))
            << bad;
    }
    // Error positions count the bytes of the document as sent.
    const QByteArray unfinished = withPrice("1", (R"("ignored": [1)" + QByteArray(400, '0') + "e400 x], ").constData());
    EXPECT_EQ(CatalogDocument::decode(unfinished).error,
              u"The catalog is not valid JSON: Missing a comma or ']' after an array element. (at byte %1)."_s.arg(
                  unfinished.indexOf(" x]") + 1));
}

namespace {

QByteArray shippedCatalog()
{
    return test::readFile(u":/Services.json"_s);
}

struct Layout {
    const char* name;
    const char* marks;
    const char* before;
    const char* after;
};

class CatalogDocumentLayout : public testing::TestWithParam<Layout> {};

// However a formatter spaces or breaks the lines of the catalog, the same
// services come out; strings keep their own commas and colons.
TEST_P(CatalogDocumentLayout, ReadsTheShippedCatalogAlike)
{
    const QByteArray original = shippedCatalog();
    ASSERT_FALSE(original.isEmpty());
    const CatalogLoadResult expected = CatalogDocument::decode(original);
    ASSERT_TRUE(expected.succeeded()) << expected.error->toStdString();
    ASSERT_GT(expected.services.size(), 100);

    const Layout layout = GetParam();
    const QByteArray document = respaced(original, layout.marks, layout.before, layout.after);
    ASSERT_NE(document, original);
    const CatalogLoadResult result = CatalogDocument::decode(document);
    ASSERT_TRUE(result.succeeded()) << result.error->toStdString();
    ASSERT_EQ(result.services.size(), expected.services.size());
    for (qsizetype i = 0; i < expected.services.size(); ++i) {
        EXPECT_EQ(result.services[i], expected.services[i]) << expected.services[i].id.toStdString();
        for (qsizetype p = 0; p < expected.services[i].plans.size(); ++p) {
            EXPECT_EQ(result.services[i].plans[p].price.toString(), expected.services[i].plans[p].price.toString())
                << expected.services[i].id.toStdString();
        }
    }
}

INSTANTIATE_TEST_SUITE_P(
    Whitespace, CatalogDocumentLayout,
    testing::Values(Layout{"NewlineBeforeComma", ",", "\n", ""}, Layout{"TabBeforeComma", ",", "\t", ""},
                    Layout{"ReturnBeforeComma", ",", "\r", ""}, Layout{"CrlfBeforeComma", ",", "\r\n", ""},
                    Layout{"SpaceBeforeComma", ",", " ", ""}, Layout{"NewlineBeforeColon", ":", "\n", ""},
                    Layout{"TabBeforeColon", ":", "\t", ""}, Layout{"ReturnBeforeColon", ":", "\r", ""},
                    Layout{"CrlfBeforeColon", ":", "\r\n", ""}, Layout{"SpaceBeforeColon", ":", " ", ""},
                    Layout{"WindowsLineEndings", "\n", "\r", ""},
                    Layout{"AroundEveryToken", "[]{},:", "\r\n\t ", " \t\r\n"},
                    Layout{"MixedLineBreaks", "\n", "\t", "\r"}),
    [](const testing::TestParamInfo<Layout>& layout) { return std::string(layout.param.name); });

// Kilobytes of the given line of /proc/self/status.
qint64 statusKilobytes(QByteArrayView field)
{
    QFile status(u"/proc/self/status"_s);
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith(field) && line.size() > field.size() && line[field.size()] == ':')
            return line.mid(field.size() + 1).trimmed().split(' ').value(0).toLongLong();
    }
    return -1;
}

// How far the peak resident memory rose above the resident size while
// `work` ran; absent where the kernel cannot reset the peak.
std::optional<qint64> peakGrowth(const std::function<void()>& work)
{
    QFile reset(u"/proc/self/clear_refs"_s);
    if (!reset.open(QIODevice::WriteOnly) || reset.write("5") != 1)
        return std::nullopt;
    reset.close();
    const qint64 before = statusKilobytes("VmRSS");
    work();
    const qint64 peak = statusKilobytes("VmHWM");
    if (before < 0 || peak < 0)
        return std::nullopt;
    return (peak - before) * 1024;
}

// `unit` repeated to fill the download cap, inside `prefix` and `suffix`.
QByteArray filled(const QByteArray& prefix, const QByteArray& unit, const QByteArray& suffix)
{
    const qsizetype room = CatalogDocument::maximumSize - prefix.size() - suffix.size();
    return prefix + unit.repeated(room / unit.size()) + suffix;
}

}  // namespace

// Bodies of the largest size accepted, made of what costs the most to hold
// as a tree: empty arrays and small numbers, at the top or under an ignored
// key. Memory must follow what is kept, not what is sent.
TEST(CatalogDocument, HostileBodiesCostLittleMemory)
{
    const QByteArray service =
        R"([{"id": "x", "name": "X", "category": "news", "brandColor": "1", "symbol": "s", "plans": [], "ignored": [)";
    const QList<std::pair<const char*, QByteArray>> cases = {
        {"empty arrays", filled("[", "[],", "[]]")},
        {"numbers", filled("[", "0,", "0]")},
        {"empty arrays under an ignored key", filled(service, "[],", "[]]}]")},
        {"numbers under an ignored key", filled(service, "0,", "0]}]")},
        {"huge numbers under an ignored key", filled(service, "1e999,", "0]}]")},
    };
    for (const auto& [label, body] : cases) {
        std::optional<CatalogLoadResult> result;
        const std::optional<qint64> growth = peakGrowth([&] { result = CatalogDocument::decode(body); });
        if (!growth)
            GTEST_SKIP() << "The kernel cannot reset the peak memory of this process.";
        EXPECT_LT(*growth, 3 * CatalogDocument::maximumSize) << label;
        const bool isService = body.startsWith(service);
        EXPECT_EQ(result->succeeded(), isService) << label;
    }
}

TEST(CatalogPlan, IdentityAndMonthlyEquivalent)
{
    EXPECT_EQ(plan(u"Standard"_s, "15.49", u"monthly"_s).id(), u"Standard-15.49-monthly"_s);
    EXPECT_EQ(plan(u"Basic"_s, "10.00", u"yearly"_s).id(), u"Basic-10-yearly"_s);

    EXPECT_EQ(plan(u"Day"_s, "1", u"custom"_s).monthlyEquivalent(), dec("30.4375"));
    EXPECT_EQ(plan(u"M"_s, "9.99", u"monthly"_s).monthlyEquivalent(), dec("9.99"));
    EXPECT_EQ(plan(u"Y"_s, "120", u"yearly"_s).monthlyEquivalent().rounded(30), dec("10"));
    EXPECT_EQ(plan(u"W"_s, "7", u"weekly"_s).monthlyEquivalent(), dec("30.4375"));
    EXPECT_EQ(plan(u"Q"_s, "30", u"quarterly"_s).monthlyEquivalent().rounded(30), dec("10"));
    // Unknown cycle text, capitalised "Monthly" included, counts as monthly.
    EXPECT_EQ(plan(u"?"_s, "5", u"Monthly"_s).monthlyEquivalent(), dec("5"));
    EXPECT_EQ(plan(u"?"_s, "5", u"fortnightly"_s).monthlyEquivalent(), dec("5"));
}

TEST(CatalogService, DefaultPlanIsTheCheapestPerMonthEarliestOnTies)
{
    CatalogService service = makeService(u"s"_s, u"S"_s);
    EXPECT_FALSE(service.defaultPlan().has_value());

    service.plans = {plan(u"Monthly"_s, "9.99", u"monthly"_s), plan(u"Yearly"_s, "99.99", u"yearly"_s)};
    EXPECT_EQ(service.defaultPlan()->name, u"Yearly"_s);

    service.plans = {plan(u"First"_s, "5", u"monthly"_s), plan(u"Second"_s, "5", u"monthly"_s)};
    EXPECT_EQ(service.defaultPlan()->name, u"First"_s);

    service.plans = {plan(u"Monthly"_s, "20", u"monthly"_s), plan(u"Weekly"_s, "2.50", u"weekly"_s),
                     plan(u"Again"_s, "2.5", u"weekly"_s)};
    EXPECT_EQ(service.defaultPlan()->name, u"Weekly"_s);

    service.plans = {plan(u"Daily"_s, "1", u"custom"_s), plan(u"Monthly"_s, "30", u"monthly"_s)};
    EXPECT_EQ(service.defaultPlan()->name, u"Monthly"_s);
}

TEST(CachedServiceCatalog, UsesTheCacheOnlyWhenItIsAValidDocumentOfAtLeast150Services)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(u"catalog.json"_s);
    auto fallback =
        std::make_shared<FixedCatalogProvider>(CatalogLoadResult::success({makeService(u"bundled"_s, u"Bundled"_s)}));
    const CachedServiceCatalog cached(path, fallback);

    const auto source = [&cached]() {
        const CatalogLoadResult result = cached.loadServices();
        if (!result.succeeded())
            return u"error"_s;
        return result.services.size() == 1 ? result.services[0].id : QString::number(result.services.size());
    };

    EXPECT_EQ(source(), u"bundled"_s) << "no cache file";
    ASSERT_TRUE(test::writeFile(path, generatedCatalog(150)));
    EXPECT_EQ(source(), u"150"_s);
    ASSERT_TRUE(test::writeFile(path, generatedCatalog(149)));
    EXPECT_EQ(source(), u"bundled"_s) << "149 services";
    ASSERT_TRUE(test::writeFile(path, generatedCatalog(150, u"svc"_s, {serviceJson(u"odd"_s, u"Odd"_s, u"pets"_s)})));
    EXPECT_EQ(source(), u"bundled"_s) << "one unknown category";
    ASSERT_TRUE(test::writeFile(path, "not json"));
    EXPECT_EQ(source(), u"bundled"_s) << "garbage";
    // Past the download cap a cache file is not read, however valid.
    ASSERT_TRUE(test::writeFile(path, generatedCatalog(150) + QByteArray(CatalogDocument::maximumSize, ' ')));
    EXPECT_EQ(source(), u"bundled"_s) << "too large";

    fallback->result = CatalogLoadResult::failure(u"fallback failed"_s);
    EXPECT_EQ(cached.loadServices().error, u"fallback failed"_s);
}

TEST(BundledServiceCatalog, ReadsTheResourceOrReportsItMissing)
{
    const CatalogLoadResult shipped = BundledServiceCatalog(u"Services"_s).loadServices();
    ASSERT_TRUE(shipped.succeeded()) << shipped.error.value_or(QString()).toStdString();
    EXPECT_TRUE(QFile::exists(u":/Services.json"_s));

    // Every popular id is expected in the shipped data.
    ServiceCatalog catalog(std::make_shared<BundledServiceCatalog>(u"Services"_s));
    EXPECT_EQ(catalog.popular().size(), ServiceCatalog::popularIds().size());

    QTemporaryDir dir;
    EXPECT_EQ(BundledServiceCatalog(u"Services"_s, dir.path()).loadServices().error,
              u"Couldn't find Services.json in the app bundle."_s);
    ASSERT_TRUE(test::writeFile(dir.filePath(u"Broken.json"_s), "[{]"));
    const CatalogLoadResult broken = BundledServiceCatalog(u"Broken"_s, dir.path()).loadServices();
    EXPECT_TRUE(broken.error.value_or(QString()).startsWith(u"The catalog is not valid JSON"_s));
}

TEST(ServiceCatalog, SortsByNameIgnoringCaseAndKeepsDocumentOrderOnTies)
{
    auto provider = std::make_shared<FixedCatalogProvider>(CatalogLoadResult::success({
        makeService(u"apple"_s, u"apple music"_s),
        makeService(u"foo-2"_s, u"Foo"_s),
        makeService(u"amazon"_s, u"Amazon"_s),
        makeService(u"foo-1"_s, u"foo"_s),
        makeService(u"adobe"_s, u"adobe"_s),
    }));
    const ServiceCatalog catalog(provider);
    QStringList ids;
    for (const CatalogService& service : catalog.services())
        ids.append(service.id);
    EXPECT_EQ(ids, QStringList({u"adobe"_s, u"amazon"_s, u"apple"_s, u"foo-2"_s, u"foo-1"_s}));
    EXPECT_EQ(catalog.byId(u"amazon"_s)->name, u"Amazon"_s);
    EXPECT_FALSE(catalog.byId(u"Amazon"_s).has_value());
}

TEST(ServiceCatalog, PopularFollowsTheFixedOrderAndSkipsMissingIds)
{
    QList<CatalogService> services;
    for (const QString& id : ServiceCatalog::popularIds()) {
        if (id != u"claude-pro"_s)
            services.append(makeService(id, u"Name of "_s + id));
    }
    services.append(makeService(u"zzz"_s, u"AAA first by name"_s));
    const ServiceCatalog catalog(std::make_shared<FixedCatalogProvider>(CatalogLoadResult::success(services)));

    QStringList expected = ServiceCatalog::popularIds();
    expected.removeOne(u"claude-pro"_s);
    QStringList popular;
    for (const CatalogService& service : catalog.popular())
        popular.append(service.id);
    EXPECT_EQ(popular, expected);
}

TEST(ServiceCatalog, AFailedLoadEmptiesTheCatalogAndKeepsTheError)
{
    auto provider =
        std::make_shared<FixedCatalogProvider>(CatalogLoadResult::success({makeService(u"netflix"_s, u"Netflix"_s)}));
    ServiceCatalog catalog(provider);
    ASSERT_EQ(catalog.services().size(), 1);
    EXPECT_FALSE(catalog.loadError().has_value());

    QSignalSpy servicesChanged(&catalog, &ServiceCatalog::servicesChanged);
    QSignalSpy errorChanged(&catalog, &ServiceCatalog::loadErrorChanged);
    provider->result = CatalogLoadResult::failure(u"Couldn't find Services.json in the app bundle."_s);
    catalog.load();
    EXPECT_TRUE(catalog.services().isEmpty());
    EXPECT_FALSE(catalog.byId(u"netflix"_s).has_value());
    EXPECT_TRUE(catalog.popular().isEmpty());
    EXPECT_TRUE(catalog.search(u"net"_s, 8).isEmpty());
    EXPECT_EQ(catalog.loadError(), u"Couldn't find Services.json in the app bundle."_s);
    EXPECT_EQ(catalog.property("loadError").toString(), u"Couldn't find Services.json in the app bundle."_s);
    EXPECT_EQ(servicesChanged.count(), 1);
    EXPECT_EQ(errorChanged.count(), 1);

    provider->result = CatalogLoadResult::success({makeService(u"spotify"_s, u"Spotify"_s)});
    catalog.load();
    EXPECT_FALSE(catalog.loadError().has_value());
    EXPECT_EQ(catalog.search(u"spot"_s, 8).size(), 1);
    EXPECT_EQ(errorChanged.count(), 2);
}

}  // namespace
}  // namespace tabrino
