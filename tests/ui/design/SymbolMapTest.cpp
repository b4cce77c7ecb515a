// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/design/SymbolMap.h"

#include "model/SubscriptionCategory.h"

#include <QFile>
#include <QFontDatabase>
#include <QGlyphRun>
#include <QRegularExpression>
#include <QSet>
#include <QTextLayout>

#include <gtest/gtest.h>

using tabrino::SubscriptionCategory;
using tabrino::SymbolMap;

namespace {

// Where Debian's fonts-material-design-icons-iconfont puts the font and its
// name-to-codepoint list (the list ships as a Sass map).
const QString kFontPath =
    QStringLiteral("/usr/share/fonts/truetype/material-design-icons-iconfont/MaterialIcons-Regular.ttf");
const QString kCodepointsPath = QStringLiteral("/usr/share/fonts-material-design-icons-iconfont/scss/_variables.scss");

QStringList allLigatures()
{
    QStringList ligatures;
    for (const QString& symbol : SymbolMap::knownSymbols())
        ligatures.append(SymbolMap::ligature(symbol).value_or(QString()));
    return ligatures;
}

}  // namespace

TEST(SymbolMap, LooksUpExactNamesOnly)
{
    EXPECT_EQ(SymbolMap::ligature(QStringLiteral("creditcard")), QStringLiteral("credit_card"));
    EXPECT_EQ(SymbolMap::ligature(QStringLiteral("chevron.left")), QStringLiteral("chevron_left"));
    // A name that is a prefix of a longer known name is a different symbol.
    EXPECT_EQ(SymbolMap::ligature(QStringLiteral("chevron.left.forwardslash.chevron.right")), QStringLiteral("code"));

    EXPECT_FALSE(SymbolMap::ligature(QString()).has_value());
    EXPECT_FALSE(SymbolMap::ligature(QStringLiteral("Cloud")).has_value());
    EXPECT_FALSE(SymbolMap::ligature(QStringLiteral("cloud ")).has_value());
    EXPECT_FALSE(SymbolMap::ligature(QStringLiteral("chevron")).has_value());
    EXPECT_FALSE(SymbolMap::ligature(QStringLiteral("zzz.unknown")).has_value());
    EXPECT_FALSE(SymbolMap::ligature(QStringLiteral("aaa")).has_value());
}

TEST(SymbolMap, KnowsEverySymbolTheScreensDraw)
{
    const QStringList known = SymbolMap::knownSymbols();
    ASSERT_FALSE(known.isEmpty());
    for (qsizetype i = 1; i < known.size(); ++i)
        EXPECT_LT(known[i - 1], known[i]) << "knownSymbols() must be strictly ascending";
    for (const QString& symbol : known)
        EXPECT_TRUE(SymbolMap::ligature(symbol).has_value()) << symbol.toStdString();

    for (SubscriptionCategory category : SubscriptionCategory::values())
        EXPECT_TRUE(SymbolMap::ligature(category.symbolName()).has_value()) << category.symbolName().toStdString();

    const char* const screenSymbols[] = {
        "archivebox", "arrow.down",      "arrow.up",  "checkmark.circle.fill", "chevron.left", "chevron.right",
        "creditcard", "creditcard.fill", "gearshape", "magnifyingglass",       "plus",         "plus.circle.dashed",
        "trash",
    };
    for (const char* symbol : screenSymbols)
        EXPECT_TRUE(SymbolMap::ligature(QString::fromLatin1(symbol)).has_value()) << symbol;
}

TEST(SymbolMap, EveryLigatureIsInTheInstalledCodepointList)
{
    QFile file(kCodepointsPath);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        GTEST_SKIP() << "Material Icons codepoint list not installed at " << kCodepointsPath.toStdString();

    // Entries look like:   "credit_card": e870,
    static const QRegularExpression entry(
        QString::fromLatin1(R"re(^\s*"([a-z0-9_]+)"\s*:\s*([0-9a-f]{4,5})\s*,?\s*$)re"),
        QRegularExpression::MultilineOption);
    QSet<QString> names;
    const QString text = QString::fromUtf8(file.readAll());
    for (auto it = entry.globalMatch(text); it.hasNext();)
        names.insert(it.next().captured(1));
    ASSERT_GT(names.size(), 1000) << "codepoint list not recognised";

    for (const QString& ligature : allLigatures())
        EXPECT_TRUE(names.contains(ligature)) << ligature.toStdString();
}

TEST(SymbolMap, EveryLigatureShapesToOneGlyphOfTheFont)
{
    if (!QFile::exists(kFontPath))
        GTEST_SKIP() << "Material Icons font not installed at " << kFontPath.toStdString();
    const int fontId = QFontDatabase::addApplicationFont(kFontPath);
    ASSERT_GE(fontId, 0);
    const QString family = QFontDatabase::applicationFontFamilies(fontId).value(0);
    ASSERT_FALSE(family.isEmpty());
    QFont font(family);
    font.setPixelSize(24);

    for (const QString& ligature : allLigatures()) {
        QTextLayout layout(ligature, font);
        layout.beginLayout();
        layout.createLine();
        layout.endLayout();
        qsizetype glyphs = 0;
        bool drawnByIconFont = true;
        for (const QGlyphRun& run : layout.glyphRuns()) {
            glyphs += run.glyphIndexes().size();
            drawnByIconFont = drawnByIconFont && run.rawFont().familyName() == family;
        }
        EXPECT_EQ(glyphs, 1) << ligature.toStdString() << " is not a ligature of " << family.toStdString();
        EXPECT_TRUE(drawnByIconFont) << ligature.toStdString();
    }
    QFontDatabase::removeApplicationFont(fontId);
}
