// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/editing/EditingChoices.h"

#include "support/SpokenLanguage.h"

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
    // The English catalogue gives the singular; the label must ask with its count.
    EXPECT_EQ(EditingChoices::leadTimeLabel(0), u"Off");
    EXPECT_EQ(EditingChoices::leadTimeLabel(1), u"1 day before");
    EXPECT_EQ(EditingChoices::leadTimeLabel(3), u"3 days before");
    EXPECT_EQ(EditingChoices::leadTimeLabel(14), u"14 days before");
    EXPECT_EQ(EditingChoices::leadDaysIndex(7), 3);
    EXPECT_EQ(EditingChoices::leadDaysIndex(5), -1);
}

TEST(EditingChoices, LeadTimesTakeEachLanguagesPluralForms)
{
    const auto labels = [] {
        QStringList texts;
        for (int days : {0, 1, 2, 5, 21})
            texts << EditingChoices::leadTimeLabel(days);
        return texts;
    };
    {
        const tabrino::test::SpokenLanguage german(u"de"_qs);
        EXPECT_EQ(labels(),
                  (QStringList{u"Aus"_qs, u"1 Tag vorher"_qs, u"2 Tage vorher"_qs, u"5 Tage vorher"_qs,
                               u"21 Tage vorher"_qs}));
    }
    {
        const tabrino::test::SpokenLanguage spanish(u"es"_qs);
        EXPECT_EQ(labels(),
                  (QStringList{u"Sin aviso"_qs, u"1 día antes"_qs, u"2 días antes"_qs, u"5 días antes"_qs,
                               u"21 días antes"_qs}));
    }
}
