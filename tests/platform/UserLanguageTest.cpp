// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/UserLanguage.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;
using tabrino::UserLanguage;

TEST(UserLanguage, TakesTheFirstWantedLanguageItSpeaksElseEnglish)
{
    const QStringList available{u"de"_s, u"en"_s, u"es"_s};
    // A regional variant is served by its language.
    EXPECT_EQ(UserLanguage::choose({u"de_AT"_s}, available), u"de"_s);
    EXPECT_EQ(UserLanguage::choose({u"es_MX"_s, u"de"_s}, available), u"es"_s);
    // Further down the list when the first is not spoken.
    EXPECT_EQ(UserLanguage::choose({u"fr_FR"_s, u"es"_s, u"de"_s}, available), u"es"_s);
    // An exact regional catalogue comes before its language's.
    EXPECT_EQ(UserLanguage::choose({u"pt_BR"_s}, {u"pt"_s, u"pt_BR"_s}), u"pt_BR"_s);
    // Nothing that fits: English, also for right-to-left languages.
    EXPECT_EQ(UserLanguage::choose({u"ar_EG"_s, u"he_IL"_s}, available), u"en"_s);
    EXPECT_EQ(UserLanguage::choose({}, available), u"en"_s);
}

TEST(UserLanguage, CarriesTheCataloguesItIsBuiltWith)
{
    const QStringList languages = UserLanguage::available();
    for (const QString& language : {u"de"_s, u"en"_s, u"es"_s})
        EXPECT_TRUE(languages.contains(language)) << language.toStdString();
}
