// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "export/CalendarExport.h"
#include "format/FormatterCache.h"
#include "model/Subscription.h"
#include "support/TestDates.h"
#include "support/TestMoney.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

using namespace tabrino;
using namespace Qt::StringLiterals;
using test::dec;

namespace {

// The calendar's content lines, unfolded.
QList<QByteArray> contentLines(const QByteArray& file)
{
    QByteArray unfolded = file;
    unfolded.replace("\r\n ", "");
    QList<QByteArray> lines = unfolded.split('\n');
    EXPECT_TRUE(lines.takeLast().isEmpty()) << "the last line ends with a line break";
    for (QByteArray& line : lines) {
        EXPECT_TRUE(line.endsWith('\r')) << line.constData();
        line.chop(1);
    }
    return lines;
}

// The value of the first line named `name` in the event of `uid`.
QByteArray eventValue(const QByteArray& file, const QUuid& uid, const QByteArray& name)
{
    const QList<QByteArray> lines = contentLines(file);
    const QByteArray uidLine = "UID:" + uid.toString(QUuid::WithoutBraces).toLatin1() + "@tabrino.app";
    bool inEvent = false;
    for (const QByteArray& line : lines) {
        if (line == uidLine)
            inEvent = true;
        else if (line == "END:VEVENT")
            inEvent = false;
        else if (inEvent && (line.startsWith(name + ':') || line.startsWith(name + ';')))
            return line.mid(line.indexOf(':') + 1);
    }
    return {};
}

class CalendarExportTest : public ::testing::Test {
protected:
    Subscription* add(const QString& name, const char* price, const BillingCycle& cycle, const QDateTime& next)
    {
        owned.push_back(
            std::make_unique<Subscription>(name, dec(price), u"USD"_s, cycle, next, SubscriptionCategory::Streaming));
        return owned.back().get();
    }

    QByteArray build(const QDateTime& now = test::utc(2027, 1, 10, 8))
    {
        QList<Subscription*> list;
        for (const auto& s : owned)
            list << s.get();
        return CalendarExport::build(list, calendar, now, cache);
    }

    Calendar calendar{u"America/New_York"_s};
    FormatterCache cache{u"en_US"_s};
    std::vector<std::unique_ptr<Subscription>> owned;
};

}  // namespace

TEST_F(CalendarExportTest, writesValidContentLines)
{
    // Long text of two- and three-byte characters lands on fold points.
    Subscription* s = add(u"Ünïcödé 日本語サービス, \"Premium\"; back\\slash\nsecond line\tand a bell \a"_s.repeated(2),
                          "15.49", BillingCycle::monthly(), test::local(calendar, 2027, 2, 3, 9));
    const QByteArray file = build();

    for (const QByteArray& line : file.split('\n')) {
        EXPECT_LE(line.size(), 76) << "75 octets and the CR";
        // A folded line never starts inside a character.
        if (line.startsWith(' ') && line.size() > 1) {
            EXPECT_NE(static_cast<unsigned char>(line.at(1)) & 0xC0, 0x80) << line.constData();
        }
    }
    EXPECT_TRUE(file.startsWith("BEGIN:VCALENDAR\r\nVERSION:2.0\r\n"));
    EXPECT_TRUE(file.endsWith("END:VCALENDAR\r\n"));

    const QByteArray summary = eventValue(file, s->id(), "SUMMARY");
    EXPECT_EQ(QString::fromUtf8(summary),
              u"Ünïcödé 日本語サービス\\, \"Premium\"\\; back\\\\slash\\nsecond line\tand a bell "_s.repeated(2)
                  + u" · $15.49"_s);
    EXPECT_EQ(eventValue(file, s->id(), "DTSTART"), "20270203");
    EXPECT_EQ(eventValue(file, s->id(), "DTSTAMP"), "20270110T080000Z");
}

TEST_F(CalendarExportTest, describesEachActiveSubscription)
{
    Subscription* netflix = add(u"Netflix"_s, "15.49", BillingCycle::monthly(), test::local(calendar, 2027, 2, 3));
    netflix->setCancellationUrlString(u"https://www.netflix.com/cancelplan?x=1,2"_s);
    Subscription* shared = add(u"Family"_s, "20", BillingCycle::yearly(), test::local(calendar, 2027, 6, 1));
    shared->setIsShared(true);
    shared->setSharePercentage(0.25);
    shared->setCancellationUrlString(u"javascript:alert(1)"_s);
    Subscription* archived = add(u"Gone"_s, "5", BillingCycle::monthly(), test::local(calendar, 2027, 2, 3));
    archived->setIsActive(false);
    // The first charge of a trial is its conversion.
    Subscription* trial = add(u"Trial"_s, "9", BillingCycle::weekly(), test::local(calendar, 2027, 1, 12));
    trial->setIsTrial(true);
    trial->setTrialEndDate(test::local(calendar, 2027, 1, 20, 23, 30));

    const QByteArray file = build();
    EXPECT_EQ(file.count("BEGIN:VEVENT"), 3);
    EXPECT_TRUE(eventValue(file, archived->id(), "UID").isEmpty());

    EXPECT_EQ(QString::fromUtf8(eventValue(file, netflix->id(), "SUMMARY")), u"Netflix · $15.49");
    EXPECT_EQ(eventValue(file, netflix->id(), "URL"), "https://www.netflix.com/cancelplan?x=1,2");
    EXPECT_EQ(eventValue(file, netflix->id(), "RRULE"), "FREQ=MONTHLY;BYMONTHDAY=3");
    EXPECT_EQ(eventValue(file, netflix->id(), "DTEND"), "20270204");
    // The user's part, as the reminders say it; only web pages as links.
    EXPECT_EQ(QString::fromUtf8(eventValue(file, shared->id(), "SUMMARY")), u"Family · $5.00");
    EXPECT_TRUE(eventValue(file, shared->id(), "URL").isEmpty());
    EXPECT_EQ(eventValue(file, trial->id(), "DTSTART"), "20270120");

    // The same subscriptions later give the same events, only stamped anew.
    QByteArray again = build(test::utc(2027, 1, 11, 8));
    again.replace("DTSTAMP:20270111T080000Z", "DTSTAMP:20270110T080000Z");
    EXPECT_EQ(again, file);
}

TEST_F(CalendarExportTest, remindsAtNineOnTheReminderDay)
{
    const QDateTime next = test::local(calendar, 2027, 3, 20);
    Subscription* monthly = add(u"Monthly"_s, "1", BillingCycle::monthly(), next);
    Subscription* weekly = add(u"Weekly"_s, "1", BillingCycle::weekly(), next);
    Subscription* noLead = add(u"No lead"_s, "1", BillingCycle::monthly(), next);
    noLead->setNotificationLeadDays(0);
    Subscription* off = add(u"Off"_s, "1", BillingCycle::monthly(), next);
    off->setNotificationsEnabled(false);

    const QByteArray file = build();
    // Counted back from the start of the charge's day: 3 days before at 09:00.
    EXPECT_EQ(eventValue(file, monthly->id(), "TRIGGER"), "-P2DT15H");
    EXPECT_EQ(eventValue(file, weekly->id(), "TRIGGER"), "-PT15H");
    EXPECT_EQ(eventValue(file, monthly->id(), "ACTION"), "DISPLAY");
    EXPECT_EQ(QString::fromUtf8(eventValue(file, monthly->id(), "DESCRIPTION")), u"Monthly · $1.00");
    EXPECT_TRUE(eventValue(file, noLead->id(), "TRIGGER").isEmpty());
    EXPECT_TRUE(eventValue(file, off->id(), "TRIGGER").isEmpty());
    EXPECT_EQ(file.count("BEGIN:VALARM"), 2);
}
