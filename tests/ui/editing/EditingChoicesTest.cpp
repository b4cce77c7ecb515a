// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/editing/EditingChoices.h"

#include <gtest/gtest.h>

using tabrino::EditingChoices;

TEST(EditingChoices, SelectsOnlyACurrencyOnTheList)
{
    EXPECT_EQ(EditingChoices::currencyIndex(QStringLiteral("USD")), 0);
    // Codes are matched exactly: another code, or one in lower case, selects nothing.
    EXPECT_EQ(EditingChoices::currencyIndex(QStringLiteral("BRL")), -1);
    EXPECT_EQ(EditingChoices::currencyIndex(QStringLiteral("eur")), -1);
}

TEST(EditingChoices, LabelsLeadTimesAndSelectsNothingOutsideTheList)
{
    EXPECT_EQ(EditingChoices::leadTimeLabel(0), u"Off");
    EXPECT_EQ(EditingChoices::leadTimeLabel(1), u"1 day before");
    EXPECT_EQ(EditingChoices::leadTimeLabel(3), u"3 days before");
    EXPECT_EQ(EditingChoices::leadTimeLabel(14), u"14 days before");
    EXPECT_EQ(EditingChoices::leadDaysIndex(7), 3);
    EXPECT_EQ(EditingChoices::leadDaysIndex(5), -1);
}
