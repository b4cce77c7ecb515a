// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "catalog/BundledServiceCatalog.h"
#include "catalog/ServiceCatalog.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <utility>
#include <vector>

using namespace Qt::StringLiterals;

// What people type into the add screen's search field, run through the real
// search over the catalog compiled into the program.
namespace tabrino {
namespace {

const ServiceCatalog& shipped()
{
    static const ServiceCatalog* const catalog =
        new ServiceCatalog(std::make_shared<BundledServiceCatalog>(u"Services"_s));
    return *catalog;
}

QStringList idsFor(const QString& query)
{
    QStringList ids;
    for (const CatalogService& service : shipped().search(query, 8))
        ids.append(service.id);
    return ids;
}

TEST(ShippedCatalogSearch, WhatAServiceIsForFindsItFirst)
{
    ASSERT_FALSE(shipped().loadError()) << shipped().loadErrorText().toStdString();
    const std::vector<std::pair<QString, QString>> firstResults{
        {u"gym"_s, u"planet-fitness"_s},
        {u"fitness"_s, u"apple-fitness-plus"_s},
        {u"ai"_s, u"chatgpt-plus"_s},
        {u"assistant"_s, u"claude-pro"_s},
        {u"vpn"_s, u"nordvpn"_s},
        {u"password"_s, u"1password"_s},
        {u"storage"_s, u"icloud-plus"_s},
        {u"backup"_s, u"backblaze"_s},
        {u"news"_s, u"apple-news-plus"_s},
        {u"podcasts"_s, u"wondery-plus"_s},
        {u"audiobooks"_s, u"audible"_s},
        {u"meal kit"_s, u"hellofresh"_s},
        {u"meditation"_s, u"calm"_s},
        {u"budget"_s, u"ynab"_s},
        {u"language"_s, u"duolingo"_s},
        {u"grocery"_s, u"instacart-plus"_s},
        {u"food delivery"_s, u"doordash-dashpass"_s},
        {u"anime"_s, u"crunchyroll"_s},
        {u"sports"_s, u"espn"_s},
        {u"ebooks"_s, u"kindle-unlimited"_s},
        {u"crossword"_s, u"nyt-games"_s},
        {u"pdf"_s, u"adobe-acrobat"_s},
        {u"email"_s, u"proton"_s},
        {u"video calls"_s, u"zoom"_s},
    };
    for (const auto& [query, id] : firstResults)
        EXPECT_EQ(idsFor(query).value(0), id)
            << "query \"" << query.toStdString() << "\": " << idsFor(query).join(u", ").toStdString();
}

TEST(ShippedCatalogSearch, ATopicListsEveryServiceOfThatKind)
{
    const std::vector<std::pair<QString, QStringList>> topics{
        {u"vpn"_s, {u"nordvpn"_s, u"expressvpn"_s, u"surfshark"_s}},
        {u"password manager"_s, {u"1password"_s, u"lastpass"_s, u"dashlane"_s, u"bitwarden"_s}},
        {u"ai assistant"_s, {u"chatgpt-plus"_s, u"claude-pro"_s, u"google-ai-pro"_s, u"perplexity-pro"_s}},
        {u"meal kit"_s, {u"hellofresh"_s, u"home-chef"_s, u"everyplate"_s}},
        {u"meditation"_s, {u"calm"_s, u"headspace"_s}},
        {u"cloud storage"_s, {u"icloud-plus"_s, u"google-one"_s, u"dropbox"_s, u"onedrive"_s}},
        {u"food delivery"_s, {u"doordash-dashpass"_s, u"uber-one"_s, u"grubhub-plus"_s}},
        {u"newspaper"_s, {u"new-york-times"_s, u"washington-post"_s, u"wall-street-journal"_s}},
    };
    for (const auto& [query, expected] : topics) {
        const QStringList found = idsFor(query);
        for (const QString& id : expected)
            EXPECT_TRUE(found.contains(id)) << "query \"" << query.toStdString() << "\" misses " << id.toStdString()
                                            << ": " << found.join(u", ").toStdString();
    }
}

// Topic words are aliases too, and a short one outscores a longer name that
// starts the same way. None may push a service below another for its own
// name, nor a popular one for the first three letters that only its name
// starts with.
TEST(ShippedCatalogSearch, ANameStillFindsItsService)
{
    const QList<CatalogService>& services = shipped().services();
    ASSERT_FALSE(services.isEmpty());
    for (const CatalogService& service : services)
        EXPECT_EQ(idsFor(service.name).value(0), service.id) << service.name.toStdString();

    for (const QString& id : ServiceCatalog::popularIds()) {
        const std::optional<CatalogService> popular = shipped().byId(id);
        ASSERT_TRUE(popular) << id.toStdString();
        const QString typed = popular->name.left(3);
        const bool sharedByAnotherName =
            std::any_of(services.begin(), services.end(), [&](const CatalogService& other) {
                return other.id != id && other.name.startsWith(typed, Qt::CaseInsensitive);
            });
        if (sharedByAnotherName)
            continue;
        EXPECT_EQ(idsFor(typed).value(0), id) << typed.toStdString() << ": " << idsFor(typed).join(u", ").toStdString();
    }
}

}  // namespace
}  // namespace tabrino
