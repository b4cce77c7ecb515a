// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/design/ServiceIcon.h"

#include "model/Subscription.h"
#include "ui/design/SymbolMap.h"

#include <QSignalSpy>

#include <gtest/gtest.h>

using namespace tabrino;

namespace {

void expectGrey(const QColor& color, double level)
{
    EXPECT_NEAR(color.redF(), level, 1e-3);
    EXPECT_NEAR(color.greenF(), level, 1e-3);
    EXPECT_NEAR(color.blueF(), level, 1e-3);
}

}  // namespace

TEST(ServiceIcon, InitialIsTheFirstCharacterAfterSpacesAndTabs)
{
    EXPECT_EQ(ServiceIcon::initial(QStringLiteral(" \t  spotify ")), u"S");
    EXPECT_EQ(ServiceIcon::initial(QStringLiteral("émile")), u"É");
    // A character of two code units, or with a combining accent, stays whole.
    EXPECT_EQ(ServiceIcon::initial(QStringLiteral("😀 Fun")), u"😀");
    EXPECT_EQ(ServiceIcon::initial(QStringLiteral("e\u0301cole")), u"E\u0301");
    EXPECT_EQ(ServiceIcon::initial(QStringLiteral(" \t ")), QString());
}

TEST(ServiceIcon, CatalogServiceColourAndInitialFallback)
{
    ServiceIcon icon;
    icon.setName(QStringLiteral("  disney+"));
    expectGrey(icon.tileColor(), 0.5);  // no colour given
    icon.setColorHex(QStringLiteral("#E50914"));
    EXPECT_EQ(icon.tileColor(), QColor(0xE5, 0x09, 0x14));
    icon.setColorHex(QStringLiteral("#FFF"));  // given but unusable
    expectGrey(icon.tileColor(), 0.55);

    for (const QVariant& symbol : {QVariant(), QVariant(QString()), QVariant(QStringLiteral("zzz.unknown"))}) {
        icon.setSymbolName(symbol);
        EXPECT_EQ(icon.glyph(), u"D") << symbol.toString().toStdString();
        EXPECT_FALSE(icon.glyphIsSymbol());
    }
}

TEST(ServiceIcon, SubscriptionShowsItsOwnOrItsCategorySymbol)
{
    if (SymbolMap::fontFamily().isEmpty())
        GTEST_SKIP() << "symbol font not installed";
    Subscription gym(QStringLiteral("Gym"), Decimal(5), QStringLiteral("USD"), BillingCycle::monthly(),
                     QDateTime(QDate(2025, 6, 20), QTime(9, 0), Qt::UTC), SubscriptionCategory::Fitness);
    ServiceIcon icon;
    // A catalog service's fields must not leak into a subscription's icon.
    icon.setName(QStringLiteral("Other"));
    icon.setColorHex(QStringLiteral("#00FF00"));
    icon.setSubscription(&gym);
    EXPECT_TRUE(icon.glyphIsSymbol());
    EXPECT_EQ(icon.glyph(),
              SymbolMap::ligature(SubscriptionCategory(SubscriptionCategory::Fitness).symbolName()).value());
    expectGrey(icon.tileColor(), 0.5);

    QSignalSpy changed(&icon, &ServiceIcon::inputsChanged);
    gym.setBrandColorHex(QStringLiteral("#0000FF"));
    gym.setSymbolName(QStringLiteral("music.note"));
    EXPECT_GE(changed.count(), 2);  // an edited record redraws its icon
    EXPECT_EQ(icon.tileColor(), QColor(0, 0, 255));
    EXPECT_EQ(icon.glyph(), SymbolMap::ligature(QStringLiteral("music.note")).value());
}
