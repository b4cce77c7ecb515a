// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Quitting writes what is pending; when it cannot, the user is told which
// subscriptions' changes would be lost, and why.
#include "app/FinalSave.h"
#include "store/StoreFixture.h"
#include "support/FileSizeLimit.h"

using namespace tabrino;
using namespace tabrino::test;

namespace {

using FinalSaveTest = StoreFixture;

TEST_F(FinalSaveTest, writesWhatIsPendingOrNamesWhatWouldBeLost)
{
    launch();
    store->refresh();
    Subscription* netflix = add(u"Netflix"_qs, "10", BillingCycle::monthly(), local(calendar, 2025, 3, 20));
    Subscription* spotify = add(u"Spotify"_qs, "5", BillingCycle::monthly(), local(calendar, 2025, 3, 22));
    FinalSave finalSave(*store);
    EXPECT_TRUE(finalSave.run());  // the additions are written at quit

    netflix->setPrice(Decimal(12));
    store->context().remove(spotify);
    {
        FileSizeLimit full(0);
        EXPECT_FALSE(finalSave.run());
    }
    const QString message = finalSave.lossMessage();
    EXPECT_TRUE(message.startsWith(u"Tabrino couldn't save your latest changes to Netflix, Spotify: "_qs))
        << message.toStdString();
    EXPECT_TRUE(message.endsWith(u". If you quit now, these changes are lost."_qs)) << message.toStdString();
    EXPECT_TRUE(message.contains(store->saveFailure()));

    EXPECT_TRUE(finalSave.run());  // room again
    EXPECT_TRUE(store->unsavedSubscriptionNames().isEmpty());
}

TEST_F(FinalSaveTest, anUnsavedMonthRecordAloneLosesNothing)
{
    launch();
    store->refresh();
    add(u"Netflix"_qs, "10", BillingCycle::monthly(), local(calendar, 2025, 3, 20));
    store->save();
    // A new month: its record is taken at the next start as well.
    setNow(local(calendar, 2025, 4, 2, 12));
    FileSizeLimit full(0);
    store->captureSnapshot(calendar);
    ASSERT_FALSE(store->saveFailure().isEmpty());
    EXPECT_TRUE(FinalSave(*store).run());
}

}  // namespace
