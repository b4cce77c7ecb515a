// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "format/RelativeDateText.h"
#include "support/Printers.h"

#include "foundation/Calendar.h"
#include "foundation/Clock.h"
#include "support/EnvironmentGuard.h"
#include "support/SpokenLanguage.h"

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

TEST(RelativeDateTextTest, CountdownTakesEachLanguagesPluralForms)
{
    const auto countdowns = [] {
        QStringList texts;
        for (int days : {-1, 0, 1, 2, 5, 21})
            texts << RelativeDateText::countdown(days);
        return texts;
    };
    {
        const test::SpokenLanguage german(u"de"_s);
        EXPECT_EQ(countdowns(),
                  (QStringList{u"Überfällig"_s, u"Heute"_s, u"Morgen"_s, u"In 2 Tagen"_s, u"In 5 Tagen"_s,
                               u"In 21 Tagen"_s}));
    }
    {
        const test::SpokenLanguage spanish(u"es"_s);
        EXPECT_EQ(countdowns(),
                  (QStringList{u"Vencida"_s, u"Hoy"_s, u"Mañana"_s, u"En 2 días"_s, u"En 5 días"_s, u"En 21 días"_s}));
    }
}

using Kind = RelativeDateText::NamedDay::Kind;

class NamedDayTest : public ::testing::Test {
protected:
    // Tuesday 27 February 2024, 00:30 in Berlin, still the 26th in UTC: days
    // and names must both come from the calendar's zone.
    void SetUp() override
    {
        Clock::setSource([] { return utc(u"2024-02-26T23:30:00Z"_s); });
    }
    void TearDown() override { Clock::setSource({}); }

    RelativeDateText::NamedDay day(const QString& iso, const QString& locale = u"en_US"_s) const
    {
        return RelativeDateText::namedDay(utc(iso), m_berlin, locale);
    }
    // The name, checked to come with `kind`.
    QString name(const QString& iso, Kind kind, const QString& locale = u"en_US"_s) const
    {
        const RelativeDateText::NamedDay named = day(iso, locale);
        EXPECT_EQ(named.kind, kind) << iso.toStdString();
        return named.name;
    }

    Calendar m_berlin{u"Europe/Berlin"_s, 2};
};

TEST_F(NamedDayTest, KindsAndEnglishNamesByDistance)
{
    EXPECT_EQ(name(u"2024-02-26T23:00:00Z"_s, Kind::Today), u""_s);  // 00:00 Berlin
    EXPECT_EQ(name(u"2024-02-27T22:59:00Z"_s, Kind::Today), u""_s);  // 23:59 Berlin
    EXPECT_EQ(name(u"2024-02-27T23:00:00Z"_s, Kind::Tomorrow), u""_s);
    EXPECT_EQ(name(u"2024-02-29T12:00:00Z"_s, Kind::Weekday), u"Thursday"_s);  // 2 days
    EXPECT_EQ(name(u"2024-03-04T12:00:00Z"_s, Kind::Weekday), u"Monday"_s);    // 6 days
    EXPECT_EQ(name(u"2024-03-04T23:30:00Z"_s, Kind::Date), u"Mar 5"_s);        // 7 days; 4 March in UTC
    EXPECT_EQ(name(u"2024-12-25T12:00:00Z"_s, Kind::Date), u"Dec 25"_s);
    EXPECT_EQ(name(u"2024-02-26T12:00:00Z"_s, Kind::Weekday), u"Monday"_s);    // yesterday
    EXPECT_EQ(name(u"2024-02-01T12:00:00Z"_s, Kind::Weekday), u"Thursday"_s);  // weeks ago
    EXPECT_EQ(RelativeDateText::namedDay(QDateTime(), m_berlin, u"en_US"_s).kind, Kind::Today);
}

TEST_F(NamedDayTest, LocaleNames)
{
    EXPECT_EQ(name(u"2024-03-04T12:00:00Z"_s, Kind::Weekday, u"de_DE"_s), u"Montag"_s);
    EXPECT_EQ(name(u"2024-03-04T23:30:00Z"_s, Kind::Date, u"de_DE"_s), u"5. März"_s);
    EXPECT_EQ(name(u"2024-03-04T12:00:00Z"_s, Kind::Weekday, u"ja_JP"_s), u"月曜日"_s);
    EXPECT_EQ(name(u"2024-03-04T23:30:00Z"_s, Kind::Date, u"ja_JP"_s), u"3月5日"_s);
}

// The names of the user's time locale; none configured, or C, is English.
TEST_F(NamedDayTest, NamesOfTheEnvironmentsLocale)
{
    const auto environment = test::localeEnvironment();
    qputenv("LC_TIME", "de_DE.UTF-8");
    EXPECT_EQ(RelativeDateText::namedDay(utc(u"2024-03-04T12:00:00Z"_s), m_berlin).name, u"Montag"_s);

    for (const char* value : {"C", "C.UTF-8", "POSIX", ""}) {
        SCOPED_TRACE(value);
        qputenv("LC_TIME", value);
        EXPECT_EQ(RelativeDateText::namedDay(utc(u"2024-03-04T12:00:00Z"_s), m_berlin).name, u"Monday"_s);
        EXPECT_EQ(RelativeDateText::namedDay(utc(u"2024-03-04T23:30:00Z"_s), m_berlin).name, u"Mar 5"_s);
    }
}

}  // namespace
}  // namespace tabrino
