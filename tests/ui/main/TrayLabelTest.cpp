// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/main/TrayLabel.h"

#include "format/FormatterCache.h"
#include "support/SpokenLanguage.h"
#include "ui/LabelFixture.h"

#include <QCoreApplication>
#include <QSignalSpy>

#include <gtest/gtest.h>

using namespace tabrino;

namespace {

class TrayLabelTest : public ::testing::Test, protected test::LabelFixture {
protected:
    FormatterCache usEnglish{QStringLiteral("en_US")};
};

}  // namespace

TEST_F(TrayLabelTest, showsTheRoundedTotalAndIconPerDisplayMode)
{
    add("12.99", 20);
    TrayLabel label(*store, settings, usEnglish);

    EXPECT_TRUE(label.showsIcon());
    EXPECT_EQ(label.amountText(), u"$13/mo");
    EXPECT_FALSE(label.showsDot());

    settings.setTrayDisplayMode(TrayDisplayMode::Total);
    EXPECT_FALSE(label.showsIcon());
    EXPECT_EQ(label.amountText(), u"$13/mo");

    settings.setTrayDisplayMode(TrayDisplayMode::IconOnly);
    EXPECT_TRUE(label.showsIcon());
    EXPECT_TRUE(label.amountText().isEmpty());
    // The amount is spoken even where it is not shown.
    EXPECT_EQ(label.accessibilityText(), u"Tabrino. Monthly total $13/mo.");
}

TEST_F(TrayLabelTest, emptyStoreShowsZero)
{
    TrayLabel label(*store, settings, usEnglish);
    EXPECT_EQ(label.amountText(), u"$0/mo");
    EXPECT_EQ(label.accessibilityText(), u"Tabrino. Monthly total $0/mo.");
    EXPECT_FALSE(label.showsDot());
}

TEST_F(TrayLabelTest, dotFollowsTheSettingButTheSpokenWarningDoesNot)
{
    add("5", 20);
    TrayLabel label(*store, settings, usEnglish);
    EXPECT_FALSE(label.showsDot());

    add("7.50", 3);  // renews in exactly three days
    EXPECT_TRUE(label.showsDot());
    EXPECT_EQ(label.amountText(), u"$13/mo");
    EXPECT_EQ(label.accessibilityText(), u"Tabrino. Monthly total $13/mo. A subscription renews within 3 days.");

    settings.setTrayDisplayMode(TrayDisplayMode::IconOnly);
    EXPECT_TRUE(label.showsDot());
    EXPECT_TRUE(label.showsIcon());

    settings.setShowsRenewalIndicator(false);
    EXPECT_FALSE(label.showsDot());
    EXPECT_EQ(label.accessibilityText(), u"Tabrino. Monthly total $13/mo. A subscription renews within 3 days.");
}

// The words follow the user's language, the amount the formats' locale.
TEST_F(TrayLabelTest, speaksGermanAndSpanish)
{
    settings.setDefaultCurrencyCode(QStringLiteral("EUR"));
    add("7.50", 3)->setCurrencyCode(QStringLiteral("EUR"));
    store->save();
    struct Expected {
        QString language;
        QString locale;
        QString amount;
        QString spoken;
    };
    for (const Expected& expected :
         {Expected{u"de"_qs, u"de_DE"_qs, u"8\u00A0€/Mon."_qs,
                   u"Tabrino. Monatssumme 8\u00A0€/Mon. Ein Abo verlängert sich in den nächsten 3 Tagen."_qs},
          Expected{u"es"_qs, u"es_ES"_qs, u"8\u00A0€/mes"_qs,
                   u"Tabrino. Total mensual: 8\u00A0€/mes. Una suscripción se renueva en los próximos 3 días."_qs}}) {
        const test::SpokenLanguage language(expected.language);
        FormatterCache formats{expected.locale};
        const TrayLabel label(*store, settings, formats);
        EXPECT_EQ(label.amountText(), expected.amount);
        EXPECT_EQ(label.accessibilityText(), expected.spoken);
    }
}

TEST_F(TrayLabelTest, followsEveryInputAndSignalsOnlyRealChanges)
{
    Subscription* music = add("9.99", 20);
    TrayLabel label(*store, settings, usEnglish);
    QSignalSpy changed(&label, &TrayLabel::changed);

    settings.setDefaultCurrencyCode(QStringLiteral("EUR"));
    EXPECT_EQ(label.amountText(), u"€10/mo");
    EXPECT_EQ(changed.count(), 1);

    // An edited price reaches the label through the store's figures.
    music->setPrice(*Decimal::fromString(std::string_view("20.40")));
    store->save();
    QCoreApplication::processEvents();
    EXPECT_EQ(label.amountText(), u"€20/mo");
    EXPECT_EQ(changed.count(), 2);

    // Changes that leave every shown value as it was stay silent.
    music->setPrice(*Decimal::fromString(std::string_view("20.10")));
    store->save();
    music->setName(QStringLiteral("Renamed"));
    settings.setShowsRenewalIndicator(false);
    QCoreApplication::processEvents();
    EXPECT_EQ(label.amountText(), u"€20/mo");
    EXPECT_EQ(changed.count(), 2);

    store->archive(music);
    QCoreApplication::processEvents();
    EXPECT_EQ(label.amountText(), u"€0/mo");
    EXPECT_EQ(changed.count(), 3);
}

TEST_F(TrayLabelTest, compactAmountsShortenInTheLocalesOwnWay)
{
    add("1234.50", 20);
    TrayLabel label(*store, settings, usEnglish);
    EXPECT_EQ(label.compactAmounts(),
              (QStringList{u"$1,235"_qs, u"1,235"_qs, u"$1.2K"_qs, u"1.2K"_qs, u"$1K"_qs, u"1K"_qs}));

    FormatterCache german(QStringLiteral("de_DE"));
    settings.setDefaultCurrencyCode(QStringLiteral("EUR"));
    TrayLabel germanLabel(*store, settings, german);
    // German does not shorten thousands, but drops their separator.
    EXPECT_EQ(germanLabel.compactAmounts(),
              (QStringList{u"1.235\u00a0€"_qs, u"1.235"_qs, u"1235\u00a0€"_qs, u"1235"_qs}));

    // Forms equal to an earlier one are left out; none in "Icon only".
    store->archive(store->active().first());
    add("9.99", 20);
    QCoreApplication::processEvents();
    EXPECT_EQ(label.compactAmounts(), (QStringList{u"€10"_qs, u"10"_qs}));
    settings.setTrayDisplayMode(TrayDisplayMode::IconOnly);
    EXPECT_TRUE(label.compactAmounts().isEmpty());
}
