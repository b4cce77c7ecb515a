// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/ImportFileChoice.h"

#include <gtest/gtest.h>

using namespace tabrino;

TEST(ImportFileChoiceTest, theAnswerNamesALocalFileOrNone)
{
    EXPECT_EQ(ImportFileChoice::chosenPath(QUrl::fromLocalFile(QStringLiteral("/home/me/Wallos Export.json"))),
              u"/home/me/Wallos Export.json");
    // Qt Quick's own dialog answers with a bare path; the name keeps its
    // missing extension, for the content decides the format.
    EXPECT_EQ(ImportFileChoice::chosenPath(QUrl(QStringLiteral("/home/me/../me/export"))), u"/home/me/export");
    EXPECT_TRUE(ImportFileChoice::chosenPath(QUrl(QStringLiteral("https://example.com/list.csv"))).isEmpty());
    EXPECT_TRUE(ImportFileChoice::chosenPath(QUrl(QStringLiteral("relative/list.csv"))).isEmpty());
    EXPECT_TRUE(ImportFileChoice::chosenPath(QUrl()).isEmpty());
}
