// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/main/UpcomingCell.h"
#include "ui/main/UpcomingStripPresenter.h"

#include "store/UpcomingCharge.h"
#include "ui/LabelFixture.h"
#include "ui/design/Aurora.h"

#include <QCoreApplication>

#include <gtest/gtest.h>

using namespace tabrino;

namespace {

class UpcomingStripTest : public ::testing::Test, protected test::LabelFixture {
protected:
    Subscription* named(const char* name, int daysAhead, const char* price = "5")
    {
        Subscription* subscription = add(price, daysAhead);
        subscription->setName(QString::fromUtf8(name));
        store->save();
        return subscription;
    }

    static UpcomingCell cell(Subscription* subscription, const QDateTime& date)
    {
        return UpcomingCell::from(UpcomingCharge{subscription, date}, kNow, Calendar(QStringLiteral("UTC")));
    }

    QStringList shownNames() const
    {
        QStringList names;
        for (const QVariant& cell : strip.cells())
            names << cell.value<UpcomingCell>().name;
        return names;
    }

    UpcomingStripPresenter strip;
};

}  // namespace

TEST_F(UpcomingStripTest, DayLabelAndColourByCalendarDaysAhead)
{
    const QColor dim = Aurora::white(0.42);
    const struct {
        int days;
        const char16_t* label;
        QColor color;
    } table[] = {{-3, u"Today", Aurora::red()},
                 {0, u"Today", Aurora::red()},
                 {1, u"Tomorrow", Aurora::red()},
                 {2, u"In 2 days", Aurora::red()},
                 {3, u"In 3 days", Aurora::amber()},
                 {6, u"In 6 days", Aurora::amber()},
                 {7, u"In 7 days", dim},
                 {30, u"In 30 days", dim}};
    for (const auto& row : table) {
        EXPECT_EQ(UpcomingCell::dayLabelFor(row.days), QString::fromUtf16(row.label)) << row.days;
        EXPECT_EQ(UpcomingCell::dayColorFor(row.days), row.color) << row.days;
    }

    // Days are counted between midnights, not in 24-hour steps from noon.
    Subscription* gym = named("Gym", 3);
    EXPECT_EQ(cell(gym, kNow.addSecs(20 * 3600)).dayLabel, u"Tomorrow");
    EXPECT_EQ(cell(gym, kNow.addSecs(-2 * 3600)).dayLabel, u"Today");
    EXPECT_EQ(cell(gym, kNow.addSecs(59 * 3600)).dayLabel, u"In 2 days");
}

TEST_F(UpcomingStripTest, SharedChargeShowsTheUsersPartInItsOwnCurrency)
{
    settings.setDefaultCurrencyCode(QStringLiteral("GBP"));
    Subscription* flat = named("Flat TV", 3, "20.00");
    flat->setCurrencyCode(QStringLiteral("EUR"));
    flat->setIsShared(true);
    flat->setSharePercentage(0.5);

    const UpcomingCell shown = cell(flat, flat->nextBillingDate());
    EXPECT_EQ(shown.amountLabel, u"€10");
    EXPECT_EQ(shown.dayColor, Aurora::amber());
    EXPECT_EQ(shown.accessibilityText, u"Flat TV, €10, In 3 days");
    flat->setSharePercentage(1.0 / 3);
    EXPECT_EQ(cell(flat, flat->nextBillingDate()).amountLabel, u"€6.67");
}

TEST_F(UpcomingStripTest, ShowsTheFirstFourOfTheWeekInDateOrder)
{
    named("Fifth", 6);
    named("Third", 2);
    named("First", 0);
    named("Later", 8);  // outside the week
    named("Fourth", 5);
    named("Second", 1);
    strip.setNow(kNow);
    strip.setStore(store.get());
    EXPECT_EQ(shownNames(), (QStringList{u"First"_qs, u"Second"_qs, u"Third"_qs, u"Fourth"_qs}));
    EXPECT_EQ(strip.accessibilityText(), u"Up next: charges in the coming days");
}

TEST_F(UpcomingStripTest, EmptyWeekThenFollowsTheStoreAndTheClock)
{
    Subscription* later = named("Later", 10);
    strip.setStore(store.get());
    strip.setNow(kNow);
    EXPECT_TRUE(strip.isEmpty());
    EXPECT_EQ(strip.accessibilityText(), u"Nothing renews this week");  // spoken without the emoji

    later->setNextBillingDate(kNow.addDays(4));
    QCoreApplication::processEvents();
    ASSERT_EQ(strip.cells().size(), 1);
    EXPECT_EQ(strip.cells().first().value<UpcomingCell>().dayLabel, u"In 4 days");

    strip.setNow(kNow.addDays(3));
    ASSERT_EQ(strip.cells().size(), 1);
    EXPECT_EQ(strip.cells().first().value<UpcomingCell>().dayLabel, u"Tomorrow");
}
