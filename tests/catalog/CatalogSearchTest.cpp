// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "CatalogFixtures.h"

#include "catalog/FuzzyMatch.h"
#include "catalog/ServiceCatalog.h"

#include <gtest/gtest.h>

#include <unicode/locid.h>

using namespace Qt::StringLiterals;

namespace tabrino {
namespace {

using test::FixedCatalogProvider;
using test::makeService;

std::optional<int> score(const QString& query, const QString& candidate)
{
    return FuzzyMatch::score(query, candidate);
}

QStringList ids(const QList<CatalogService>& services)
{
    QStringList result;
    for (const CatalogService& service : services)
        result.append(service.id);
    return result;
}

ServiceCatalog catalogOf(const QList<CatalogService>& services)
{
    return ServiceCatalog(std::make_shared<FixedCatalogProvider>(CatalogLoadResult::success(services)));
}

TEST(FuzzyMatch, Scores)
{
    EXPECT_EQ(score(u"net"_s, u"Netflix"_s), 64);
    EXPECT_EQ(score(u"nflx"_s, u"Netflix"_s), 39);
    EXPECT_EQ(score(u"max"_s, u"HBO Max"_s), 31);
    EXPECT_EQ(score(u"spotify"_s, u"Spotify"_s), 98);
    EXPECT_EQ(score(u"ap"_s, u"Amazon Prime"_s), 32);
    EXPECT_EQ(score(u"xyz"_s, u"Netflix"_s), std::nullopt);
    EXPECT_EQ(score(u"netflix premium"_s, u"Netflix"_s), std::nullopt);
    EXPECT_EQ(score(u""_s, u"Netflix"_s), 0);
    EXPECT_EQ(score(u"NET"_s, u"Netflix"_s), 64);
    EXPECT_EQ(score(u"net"_s, u"NETFLIX"_s), 64);

    // Greedy: "a" takes index 0 although index 2 would join "b" in a run.
    EXPECT_EQ(score(u"ab"_s, u"axab"_s), 20 + 1 + 9);
    // The length bonus shrinks with the surplus and stops at 22 characters.
    EXPECT_EQ(score(u"a"_s, u"a"_s + QString(19, u'x')), 20 + 1 + 20);
    EXPECT_EQ(score(u"a"_s, u"a"_s + QString(21, u'x')), 20 + 0 + 20);
    EXPECT_EQ(score(u"a"_s, u"a"_s + QString(22, u'x')), 20 + 20);
}

TEST(FuzzyMatch, OnlyASpaceStartsAWord)
{
    EXPECT_EQ(score(u"b"_s, u"a b"_s), 1 + 6 + 9);
    EXPECT_EQ(score(u"b"_s, u"a-b"_s), 1 + 9);
    EXPECT_EQ(score(u"b"_s, u"a\tb"_s), 1 + 9);
    EXPECT_EQ(score(u"b"_s, u"a\u00A0b"_s), 1 + 9);
}

// Service names are English or brand names: a Turkish user's "I" and "i"
// must still find them, so case folds by no language's rules.
TEST(FuzzyMatch, FoldsCaseAlikeInATurkishLocale)
{
    const icu::Locale before = icu::Locale::getDefault();
    UErrorCode status = U_ZERO_ERROR;
    icu::Locale::setDefault(icu::Locale("tr", "TR"), status);
    ASSERT_TRUE(U_SUCCESS(status));
    EXPECT_EQ(score(u"INSTAGRAM"_s, u"Instagram"_s), score(u"instagram"_s, u"Instagram"_s));
    EXPECT_EQ(score(u"disney"_s, u"DISNEY+"_s), score(u"disney"_s, u"Disney+"_s));
    EXPECT_NE(score(u"tidal"_s, u"TIDAL"_s), std::nullopt);
    icu::Locale::setDefault(before, status);
}

TEST(FuzzyMatch, ComparesUserPerceivedCharacters)
{
    const QString composed = u"Caf\u00E9 Plus"_s;
    const QString decomposed = u"Cafe\u0301 Plus"_s;
    EXPECT_EQ(score(u"caf\u00E9"_s, decomposed), score(u"caf\u00E9"_s, composed));
    EXPECT_EQ(score(u"CAFE\u0301"_s, composed), 20 + 8 + 8 + 8 + 8 + 20);
    // An accented letter is one character, not the base letter plus a mark.
    EXPECT_EQ(score(u"cafe"_s, decomposed), std::nullopt);
    EXPECT_EQ(score(u"\u00E9"_s, u"e\u0301"_s), 20 + 10 + 20);
    // A flag is one character however many code points it takes.
    EXPECT_EQ(score(u"x"_s, u"\U0001F1E9\U0001F1EAx"_s), 1 + 10);
    EXPECT_EQ(FuzzyMatch::characterCount(u"\U0001F1E9\U0001F1EA Cafe\u0301"_s), 6);
}

TEST(ServiceCatalogSearch, RanksByScoreThenNameLengthThenCatalogOrder)
{
    const ServiceCatalog catalog = catalogOf({
        makeService(u"hbo"_s, u"HBO Max"_s),
        makeService(u"maxim"_s, u"Maxim"_s),
        makeService(u"alias-long"_s, u"Zeta Long Name"_s, {u"Maxim"_s}),
        makeService(u"alias-short"_s, u"Zetas"_s, {u"Other"_s, u"Maxim"_s}),
        makeService(u"notes"_s, u"Notes"_s),
    });
    // Three services score 65 ("Maxim" itself and twice as an alias). The
    // longer name ranks last although it sorts before "Zetas"; "Maxim" and
    // "Zetas" tie on length as well and keep their order by name. HBO Max
    // scores 31.
    EXPECT_EQ(ids(catalog.search(u"max"_s, 8)), QStringList({u"maxim"_s, u"alias-short"_s, u"alias-long"_s, u"hbo"_s}));
    EXPECT_EQ(ids(catalog.search(u"  max\n"_s, 2)), QStringList({u"maxim"_s, u"alias-short"_s}));
    EXPECT_TRUE(catalog.search(u"max"_s, 0).isEmpty());
    EXPECT_TRUE(catalog.search(u"qqq"_s, 8).isEmpty());
}

TEST(ServiceCatalogSearch, EqualScoreAndLengthKeepAlphabeticalOrder)
{
    const ServiceCatalog catalog = catalogOf({
        makeService(u"bravo"_s, u"Bravo Plus"_s),
        makeService(u"adobe"_s, u"adobe Plus"_s),
        makeService(u"charm"_s, u"Charm Plus"_s),
    });
    EXPECT_EQ(ids(catalog.search(u"plus"_s, 8)), QStringList({u"adobe"_s, u"bravo"_s, u"charm"_s}));
}

TEST(ServiceCatalogSearch, BlankQueryGivesThePopularServices)
{
    QList<CatalogService> services = {makeService(u"aaa"_s, u"Aaa"_s)};
    for (const QString& id : ServiceCatalog::popularIds())
        services.append(makeService(id, id));
    const ServiceCatalog catalog = catalogOf(services);

    EXPECT_EQ(ids(catalog.search(u" \n\t "_s, 8)), ServiceCatalog::popularIds().first(8));
    EXPECT_EQ(ids(catalog.search(u""_s, 20)), ServiceCatalog::popularIds());
    EXPECT_TRUE(catalog.search(u""_s, 0).isEmpty());

    const ServiceCatalog empty = catalogOf({});
    EXPECT_TRUE(empty.search(u""_s, 8).isEmpty());
    EXPECT_TRUE(empty.search(u"net"_s, 8).isEmpty());
}

}  // namespace
}  // namespace tabrino
