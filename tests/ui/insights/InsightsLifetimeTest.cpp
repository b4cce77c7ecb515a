// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/insights/InsightsLifetimePresenter.h"

#include "ui/insights/InsightsFixture.h"

using namespace tabrino;
using test::dec;
using test::utc;

namespace {

class InsightsLifetimeTest : public test::InsightsFixture {
protected:
    // Billed monthly since `start`, so its lifetime grows with each month.
    Subscription* since(const char* name, const char* price, const QDateTime& start, const char* currency = "USD")
    {
        Subscription* subscription = addNamed(name, price, SubscriptionCategory::Streaming, currency);
        subscription->setStartDate(start);
        store->save();
        return subscription;
    }

    InsightsLifetimePresenter lifetime;
};

}  // namespace

TEST_F(InsightsLifetimeTest, TheFirstTenLargestFirstInTheirOwnCurrency)
{
    for (int i = 1; i <= 13; ++i)
        since(QStringLiteral("S%1").arg(i, 2, 10, QChar(u'0')).toUtf8().constData(), "1", utc(2025, 6 - i % 5, 1));
    since("Le Monde", "9.99", utc(2025, 1, 15), "EUR");  // five charges, 15 January to 15 May
    lifetime.setStore(store.get());
    EXPECT_EQ(lifetime.limit(), 10);
    const auto* rows = lifetime.rows();
    ASSERT_EQ(rows->count(), 10);
    EXPECT_EQ(rows->rows().at(0).name, u"Le Monde");
    EXPECT_EQ(rows->rows().at(0).amountText, u"€49.95");  // not in the default dollars
    EXPECT_EQ(rows->rows().at(0).subtitle, u"since Jan 2025");
    EXPECT_EQ(rows->rows().at(0).accessibilityText, u"Le Monde, since Jan 2025, €49.95");
    EXPECT_EQ(rows->rows().at(1).amountText, u"$5.00");
    EXPECT_FALSE(lifetime.isEmpty());

    lifetime.setLimit(3);
    EXPECT_EQ(rows->count(), 3);
}

TEST_F(InsightsLifetimeTest, ArchivingDimsTagsAndSubtitlesTheRowInPlace)
{
    Subscription* netflix = since("Netflix", "15.49", utc(2025, 3, 10));
    since("Spotify", "10", utc(2025, 5, 1));
    lifetime.setStore(store.get());
    watch(lifetime.rows());
    EXPECT_FALSE(lifetime.rows()->rows().at(0).isArchived);

    store->archive(netflix);
    settle();
    const auto* rows = lifetime.rows();
    ASSERT_EQ(rows->count(), 2);
    EXPECT_EQ(rows->rows().at(0).name, u"Netflix");  // four charges, archived or not
    EXPECT_TRUE(rows->rows().at(0).isArchived);
    EXPECT_EQ(rows->rows().at(0).subtitle, u"ended Jun 2025");
    EXPECT_EQ(rows->rows().at(0).accessibilityText, u"Netflix, Archived, ended Jun 2025, $61.96");
    EXPECT_EQ(resets->count() + removals->count() + insertions->count(), 0);
    EXPECT_GT(changes->count(), 0);
}

TEST_F(InsightsLifetimeTest, SubtitleOfAnArchiveWithoutItsDate)
{
    const Calendar utcCalendar(u"UTC"_qs);
    Subscription* old = since("Old", "5", utc(2024, 11, 20));
    EXPECT_EQ(InsightsLifetimePresenter::lifetimeSubtitle(*old, utcCalendar, u"en"_qs), u"since Nov 2024");
    old->setIsActive(false);
    EXPECT_EQ(InsightsLifetimePresenter::lifetimeSubtitle(*old, utcCalendar, u"en"_qs), u"since Nov 2024");
    old->setArchivedDate(utc(2026, 3, 31, 23));
    EXPECT_EQ(InsightsLifetimePresenter::lifetimeSubtitle(*old, utcCalendar, u"en"_qs), u"ended Mar 2026");
    // The month is the user's: already April in Berlin.
    EXPECT_EQ(InsightsLifetimePresenter::lifetimeSubtitle(*old, Calendar(u"Europe/Berlin"_qs), u"en"_qs),
              u"ended Apr 2026");
}

TEST_F(InsightsLifetimeTest, NothingChargedYetShowsTheEmptyText)
{
    since("Later", "10", utc(2025, 9, 1));  // starts in the future
    lifetime.setStore(store.get());
    EXPECT_TRUE(lifetime.isEmpty());
    EXPECT_EQ(lifetime.rows()->count(), 0);
}
