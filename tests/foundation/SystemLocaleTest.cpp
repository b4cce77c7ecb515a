// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "foundation/SystemLocale.h"
#include "support/EnvironmentGuard.h"
#include "support/Printers.h"

#include <gtest/gtest.h>

using tabrino::SystemLocale;
using tabrino::test::localeEnvironment;
using namespace Qt::StringLiterals;

namespace {

QString monetaryFor(const char* lang)
{
    qputenv("LANG", lang);
    return SystemLocale::monetaryLocaleId();
}

QString currencyFor(const char* lang)
{
    qputenv("LANG", lang);
    return SystemLocale::currencyCode();
}

}  // namespace

TEST(SystemLocale, LcAllThenCategoryThenLang)
{
    const auto environment = localeEnvironment();
    qputenv("LC_ALL", "ja_JP.UTF-8");
    qputenv("LC_MONETARY", "de_DE.UTF-8");
    qputenv("LC_TIME", "fr_FR.UTF-8");
    qputenv("LANG", "en_GB.UTF-8");
    EXPECT_EQ(SystemLocale::monetaryLocaleId(), QStringLiteral("ja_JP"));
    EXPECT_EQ(SystemLocale::timeLocaleId(), QStringLiteral("ja_JP"));
    EXPECT_EQ(SystemLocale::currencyCode(), QStringLiteral("JPY"));

    // An empty value counts as unset.
    qputenv("LC_ALL", "");
    EXPECT_EQ(SystemLocale::monetaryLocaleId(), QStringLiteral("de_DE"));
    EXPECT_EQ(SystemLocale::timeLocaleId(), QStringLiteral("fr_FR"));
    EXPECT_EQ(SystemLocale::currencyCode(), QStringLiteral("EUR"));

    qunsetenv("LC_MONETARY");
    EXPECT_EQ(SystemLocale::monetaryLocaleId(), QStringLiteral("en_GB"));
    EXPECT_EQ(SystemLocale::timeLocaleId(), QStringLiteral("fr_FR"));
    EXPECT_EQ(SystemLocale::currencyCode(), QStringLiteral("GBP"));

    // Nothing configured: plain English, paid in dollars.
    qunsetenv("LANG");
    EXPECT_EQ(SystemLocale::monetaryLocaleId(), QStringLiteral("en"));
    EXPECT_EQ(SystemLocale::timeLocaleId(), QStringLiteral("fr_FR"));
    qunsetenv("LC_TIME");
    EXPECT_EQ(SystemLocale::timeLocaleId(), QStringLiteral("en"));
    EXPECT_EQ(SystemLocale::currencyCode(), QStringLiteral("USD"));
}

TEST(SystemLocale, MessageLanguagesFollowGettext)
{
    const auto environment = localeEnvironment();
    EXPECT_TRUE(SystemLocale::messageLanguages().isEmpty());

    qputenv("LANG", "es_ES.UTF-8");
    EXPECT_EQ(SystemLocale::messageLanguages(), QStringList{u"es_ES"_s});
    qputenv("LC_MESSAGES", "de_AT.UTF-8");
    EXPECT_EQ(SystemLocale::messageLanguages(), QStringList{u"de_AT"_s});

    // LANGUAGE comes first, without repeats or names that are no locale.
    qputenv("LANGUAGE", "pt_BR:de_AT::C:x!y:pt_BR");
    EXPECT_EQ(SystemLocale::messageLanguages(), (QStringList{u"pt_BR"_s, u"de_AT"_s}));

    // The C locale is English, whatever LANGUAGE asks for.
    qputenv("LC_ALL", "C.UTF-8");
    EXPECT_TRUE(SystemLocale::messageLanguages().isEmpty());
    qputenv("LC_ALL", "en_US.UTF-8");
    EXPECT_EQ(SystemLocale::messageLanguages(), (QStringList{u"pt_BR"_s, u"de_AT"_s, u"en_US"_s}));
}

TEST(SystemLocale, PosixNamesBecomeIcuIds)
{
    const auto environment = localeEnvironment();
    EXPECT_EQ(monetaryFor("de_DE.UTF-8"), QStringLiteral("de_DE"));
    EXPECT_EQ(monetaryFor("sr_RS@latin"), QStringLiteral("sr_Latn_RS"));
    EXPECT_EQ(monetaryFor("sr_RS.UTF-8@latin"), QStringLiteral("sr_Latn_RS"));
    EXPECT_EQ(monetaryFor("ca_ES.UTF-8@valencia"), QStringLiteral("ca_ES_VALENCIA"));
    EXPECT_EQ(monetaryFor("de_DE@euro"), QStringLiteral("de_DE"));
    EXPECT_EQ(monetaryFor("iw_IL.UTF-8"), QStringLiteral("he_IL"));
    // The C locale, and whatever the C library would take for it, is plain
    // English, never ICU's en_US_POSIX with its machine-readable patterns.
    EXPECT_EQ(monetaryFor("C"), QStringLiteral("en"));
    EXPECT_EQ(monetaryFor("POSIX"), QStringLiteral("en"));
    EXPECT_EQ(monetaryFor("C.UTF-8"), QStringLiteral("en"));
    EXPECT_EQ(monetaryFor("C.utf8"), QStringLiteral("en"));
    EXPECT_EQ(monetaryFor("../../etc/passwd"), QStringLiteral("en"));
    EXPECT_EQ(monetaryFor("de_DE;currency=CHF"), QStringLiteral("en"));
}

TEST(SystemLocale, CurrencyOfTheMonetaryLocale)
{
    const auto environment = localeEnvironment();
    EXPECT_EQ(currencyFor("de_DE.UTF-8"), QStringLiteral("EUR"));
    EXPECT_EQ(currencyFor("ja_JP"), QStringLiteral("JPY"));
    EXPECT_EQ(currencyFor("sr_RS@latin"), QStringLiteral("RSD"));
    EXPECT_EQ(currencyFor("de_CH.UTF-8"), QStringLiteral("CHF"));
    // No region, no currency.
    EXPECT_EQ(currencyFor("C"), QStringLiteral("USD"));
    EXPECT_EQ(currencyFor("C.UTF-8"), QStringLiteral("USD"));
    EXPECT_EQ(currencyFor("de"), QStringLiteral("USD"));
    EXPECT_EQ(currencyFor("xx_QQ"), QStringLiteral("USD"));
    // A POSIX modifier is not an ICU keyword and cannot pick a currency.
    EXPECT_EQ(currencyFor("de_DE@currency=CHF"), QStringLiteral("EUR"));
}
