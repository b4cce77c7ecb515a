// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/main/SaveFailureNotice.h"

#include "support/FileSizeLimit.h"
#include "ui/LabelFixture.h"

#include <QFile>
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

TEST(SaveFailureNotice, showsACalendarFileThatCannotBeWrittenAfterTheDatabase)
{
    test::LabelFixture fixture;
    // A file where the calendar's folder should be.
    const QString blocker = fixture.dir.filePath(QStringLiteral("blocked"));
    QFile(blocker).open(QIODevice::WriteOnly);
    CalendarFileKeeper calendarFile(*fixture.store, fixture.settings, blocker + u"/renewals.ics"_qs);
    SaveFailureNotice notice;
    notice.setStore(fixture.store.get());
    notice.setCalendarFile(&calendarFile);
    EXPECT_FALSE(notice.isShown());

    fixture.settings.setKeepsCalendarFile(true);
    ASSERT_TRUE(notice.isShown());
    EXPECT_EQ(notice.text(), calendarFile.error());
    {
        test::FileSizeLimit full(0);
        fixture.add("9.99", 3);
    }
    EXPECT_TRUE(notice.text().startsWith(u"Couldn't save your changes: "_qs)) << notice.text().toStdString();

    fixture.store->save();
    EXPECT_EQ(notice.text(), calendarFile.error());
    fixture.settings.setKeepsCalendarFile(false);
    EXPECT_FALSE(notice.isShown());
}
