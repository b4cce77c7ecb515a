// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/main/SaveFailureNotice.h"

#include "support/FileSizeLimit.h"
#include "ui/LabelFixture.h"

#include <QSignalSpy>

#include <gtest/gtest.h>

using namespace tabrino;

TEST(SaveFailureNotice, showsWhileChangesWaitAndGoesOnceTheyAreSaved)
{
    test::LabelFixture fixture;
    SaveFailureNotice notice;
    notice.setStore(fixture.store.get());
    EXPECT_FALSE(notice.isShown());
    EXPECT_TRUE(notice.text().isEmpty());
    QSignalSpy changed(&notice, &SaveFailureNotice::changed);

    {
        test::FileSizeLimit full(0);
        fixture.add("9.99", 3);
    }
    ASSERT_TRUE(notice.isShown());
    EXPECT_EQ(notice.text(),
              u"Couldn't save your changes: "_qs + fixture.store->saveFailure()
                  + u". Tabrino keeps them and tries again."_qs);
    EXPECT_EQ(changed.size(), 1);

    fixture.store->save();
    EXPECT_FALSE(notice.isShown());
    EXPECT_EQ(changed.size(), 2);
}
