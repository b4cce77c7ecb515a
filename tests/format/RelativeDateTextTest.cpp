// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "format/RelativeDateText.h"
#include "support/Printers.h"

#include "foundation/Calendar.h"
#include "foundation/Clock.h"
#include "support/EnvironmentGuard.h"

#include <gtest/gtest.h>

#include <ostream>

using namespace Qt::StringLiterals;

namespace tabrino {
namespace {

QDateTime utc(const QString& iso)
{
    return QDateTime::fromString(iso, Qt::ISODate).toUTC();
}

TEST(RelativeDateTextTest, Countdown)
{
    EXPECT_EQ(RelativeDateText::countdown(-30), u"Overdue"_s);
    EXPECT_EQ(RelativeDateText::countdown(-1), u"Overdue"_s);
    EXPECT_EQ(RelativeDateText::countdown(0), u"Today"_s);
    EXPECT_EQ(RelativeDateText::countdown(1), u"Tomorrow"_s);
    EXPECT_EQ(RelativeDateText::countdown(2), u"In 2 days"_s);
    EXPECT_EQ(RelativeDateText::countdown(7), u"In 7 days"_s);
}

class WeekdayOrDateTest : public ::testing::Test {
protected:
    // Tuesday 27 February 2024, 00:30 in Berlin, still the 26th in UTC: days
    // and names must both come from the calendar's zone.
    void SetUp() override
    {
        Clock::setSource([] { return utc(u"2024-02-26T23:30:00Z"_s); });
    }
    void TearDown() override { Clock::setSource({}); }

    QString text(const QString& iso, const QString& locale = u"en_US"_s) const
    {
        return RelativeDateText::weekdayOrDate(utc(iso), m_berlin, locale);
    }

    Calendar m_berlin{u"Europe/Berlin"_s, 2};
};

TEST_F(WeekdayOrDateTest, EnglishWordsByDistance)
{
    EXPECT_EQ(text(u"2024-02-26T23:00:00Z"_s), u"today"_s);  // 00:00 Berlin
    EXPECT_EQ(text(u"2024-02-27T22:59:00Z"_s), u"today"_s);  // 23:59 Berlin
    EXPECT_EQ(text(u"2024-02-27T23:00:00Z"_s), u"tomorrow"_s);
    EXPECT_EQ(text(u"2024-02-29T12:00:00Z"_s), u"Thursday"_s);  // 2 days
    EXPECT_EQ(text(u"2024-03-04T12:00:00Z"_s), u"Monday"_s);    // 6 days
    EXPECT_EQ(text(u"2024-03-04T23:30:00Z"_s), u"Mar 5"_s);     // 7 days; 4 March in UTC
    EXPECT_EQ(text(u"2024-12-25T12:00:00Z"_s), u"Dec 25"_s);
    EXPECT_EQ(text(u"2024-02-26T12:00:00Z"_s), u"Monday"_s);    // yesterday
    EXPECT_EQ(text(u"2024-02-01T12:00:00Z"_s), u"Thursday"_s);  // weeks ago
    EXPECT_EQ(RelativeDateText::weekdayOrDate(QDateTime(), m_berlin, u"en_US"_s), u"today"_s);
}

TEST_F(WeekdayOrDateTest, LocaleNames)
{
    EXPECT_EQ(text(u"2024-03-04T12:00:00Z"_s, u"de_DE"_s), u"Montag"_s);
    EXPECT_EQ(text(u"2024-03-04T23:30:00Z"_s, u"de_DE"_s), u"5. März"_s);
    EXPECT_EQ(text(u"2024-03-04T12:00:00Z"_s, u"ja_JP"_s), u"月曜日"_s);
    EXPECT_EQ(text(u"2024-03-04T23:30:00Z"_s, u"ja_JP"_s), u"3月5日"_s);
    // The relative words stay English whatever the locale.
    EXPECT_EQ(text(u"2024-02-27T23:00:00Z"_s, u"de_DE"_s), u"tomorrow"_s);
}

// The names of the user's time locale; none configured, or C, is English.
TEST_F(WeekdayOrDateTest, NamesOfTheEnvironmentsLocale)
{
    const auto environment = test::localeEnvironment();
    qputenv("LC_TIME", "de_DE.UTF-8");
    EXPECT_EQ(RelativeDateText::weekdayOrDate(utc(u"2024-03-04T12:00:00Z"_s), m_berlin), u"Montag"_s);

    for (const char* value : {"C", "C.UTF-8", "POSIX", ""}) {
        SCOPED_TRACE(value);
        qputenv("LC_TIME", value);
        EXPECT_EQ(RelativeDateText::weekdayOrDate(utc(u"2024-03-04T12:00:00Z"_s), m_berlin), u"Monday"_s);
        EXPECT_EQ(RelativeDateText::weekdayOrDate(utc(u"2024-03-04T23:30:00Z"_s), m_berlin), u"Mar 5"_s);
    }
}

}  // namespace
}  // namespace tabrino
