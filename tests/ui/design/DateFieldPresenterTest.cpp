// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/design/DateFieldPresenter.h"

#include "foundation/Clock.h"
#include "support/TestDates.h"

#include <gtest/gtest.h>

using namespace tabrino;
using tabrino::test::local;
using tabrino::test::utc;

namespace {

class DateFieldPresenterTest : public ::testing::Test {
protected:
    DateFieldPresenterTest()
    {
        Clock::setSource([] { return utc(2025, 6, 10, 12); });
    }
    ~DateFieldPresenterTest() override { Clock::setSource({}); }

    const Calendar berlin{u"Europe/Berlin"_qs, 2};
    const QLocale american{QLocale::English, QLocale::UnitedStates};
    const QLocale german{QLocale::German, QLocale::Germany};
};

}  // namespace

TEST_F(DateFieldPresenterTest, ShowsTheDayOfTheUsersZoneInTheShortFormatWithTheWholeYear)
{
    DateFieldPresenter field(berlin, american);
    field.setDate(utc(2025, 6, 10, 23, 30));  // already the 11th in Berlin
    EXPECT_EQ(field.text(), u"6/11/2025");
    EXPECT_EQ(field.year(), 2025);
    EXPECT_EQ(field.month(), 5);
    EXPECT_EQ(field.day(), 11);
    DateFieldPresenter germanField(berlin, german);
    germanField.setDate(utc(2025, 6, 10, 23, 30));
    EXPECT_EQ(germanField.text(), u"11.06.2025");
}

TEST_F(DateFieldPresenterTest, ReadsTypedDatesInTheShortFormatAndKeepsTheTimeOfDay)
{
    DateFieldPresenter field(berlin, american);
    field.setDate(local(berlin, 2025, 6, 11, 9, 15));
    ASSERT_TRUE(field.parse(u"7/4/25"_qs));
    EXPECT_EQ(field.date(), local(berlin, 2025, 7, 4, 9, 15));
    ASSERT_TRUE(field.parse(u" 12/24/2025 "_qs));
    EXPECT_EQ(field.date(), local(berlin, 2025, 12, 24, 9, 15));
    ASSERT_TRUE(field.parse(u"2026-01-31"_qs));
    EXPECT_EQ(field.date(), local(berlin, 2026, 1, 31, 9, 15));
    // Two digits name the nearest year with them, not one in the 1900s.
    ASSERT_TRUE(field.parse(u"1/2/70"_qs));
    EXPECT_EQ(field.year(), 2070);
    ASSERT_TRUE(field.parse(u"1/2/80"_qs));
    EXPECT_EQ(field.year(), 1980);
    for (const QString& text : {u"13/45/2025"_qs, u"tomorrow"_qs, u""_qs}) {
        EXPECT_FALSE(field.parse(text)) << text.toStdString();
        EXPECT_EQ(field.year(), 1980);
    }
    DateFieldPresenter germanField(berlin, german);
    ASSERT_TRUE(germanField.parse(u"24.12.25"_qs));
    EXPECT_EQ(germanField.text(), u"24.12.2025");
}

TEST_F(DateFieldPresenterTest, TheCursorMovesByDaysAndMonthsUntilADayIsPicked)
{
    DateFieldPresenter field(berlin, american);
    field.setDate(local(berlin, 2025, 1, 31, 18));
    field.moveCursorMonths(1);
    EXPECT_EQ(std::tuple(field.cursorYear(), field.cursorMonth(), field.cursorDay()), std::tuple(2025, 1, 28));
    field.moveCursorDays(1);
    field.moveCursorDays(7);
    EXPECT_EQ(std::tuple(field.cursorMonth(), field.cursorDay()), std::tuple(2, 8));
    EXPECT_EQ(field.day(), 31) << "moving the cursor picks nothing";
    field.pickCursor();
    EXPECT_EQ(field.date(), local(berlin, 2025, 3, 8, 18));
    field.moveCursorMonths(-1);
    field.resetCursor();
    EXPECT_EQ(std::tuple(field.cursorMonth(), field.cursorDay()), std::tuple(2, 8));
}

TEST_F(DateFieldPresenterTest, TheGridStartsOnTheLocalesFirstWeekdayAndMarksItsDays)
{
    const auto cell = [](const DateFieldPresenter& field, int index, const char* key) {
        return field.days().at(index).toMap().value(QString::fromLatin1(key));
    };
    // 1 June 2025 is a Sunday: the first day of an American week, the last
    // of a German one.
    DateFieldPresenter american_(berlin, american);
    american_.setDate(local(berlin, 2025, 6, 10, 8));
    ASSERT_EQ(american_.days().size(), 42);
    EXPECT_EQ(american_.monthTitle(), u"June 2025");
    EXPECT_EQ(cell(american_, 0, "day"), 1);
    EXPECT_EQ(cell(american_, 9, "isPicked"), true);
    EXPECT_EQ(cell(american_, 9, "isToday"), true);
    EXPECT_EQ(cell(american_, 30, "inMonth"), false);

    DateFieldPresenter german_(berlin, german);
    german_.setDate(local(berlin, 2025, 6, 10, 8));
    EXPECT_EQ(cell(german_, 0, "day"), 26);
    EXPECT_EQ(cell(german_, 0, "inMonth"), false);
    EXPECT_EQ(cell(german_, 15, "isPicked"), true);
    german_.moveCursorDays(1);
    EXPECT_EQ(cell(german_, 16, "isCursor"), true);
    // A click on a cell picks its day, at the same time of day.
    german_.pickCell(0);
    EXPECT_EQ(german_.date(), local(berlin, 2025, 5, 26, 8));
}
