// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "export/ExportService.h"
#include "export/ExportRecord.h"
#include "model/Subscription.h"
#include "support/TestDates.h"
#include "support/TestMoney.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <memory>
#include <vector>

using namespace tabrino;
using test::dec;
using test::utc;

namespace {

const QString kHeader =
    u"Name,Price,Currency,Billing Cycle,Monthly Cost,Next Billing Date,Category,Trial,Shared,Share %,"
    "Payment Method,Active,Date Added,Notes"_qs;

QByteArray readFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The expected files may end with the newline editors add; the exports never do.
QByteArray expected(const char* name)
{
    QByteArray bytes = readFile(QStringLiteral(TABRINO_EXPORT_EXPECTED_DIR "/") + QString::fromUtf8(name));
    EXPECT_FALSE(bytes.isEmpty()) << name;
    if (bytes.endsWith('\n'))
        bytes.chop(1);
    return bytes;
}

bool writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

class ExportServiceTest : public ::testing::Test {
protected:
    Subscription* add(const QString& name, const char* price, const QString& currency, const BillingCycle& cycle,
                      const QDateTime& next, SubscriptionCategory category, const QDateTime& added)
    {
        auto s = std::make_unique<Subscription>(name, dec(price), currency, cycle, next, category);
        s->setDateAdded(added);
        owned.push_back(std::move(s));
        return owned.back().get();
    }

    // Active records first, the archived one last, as the store hands them over.
    QList<Subscription*> fixture()
    {
        const Calendar helsinki(u"Europe/Helsinki"_qs);  // UTC+2 in early March
        Subscription* netflix =
            add(u"Netflix, Premium"_qs, "9.50", u"EUR"_qs, BillingCycle::monthly(),
                test::local(helsinki, 2025, 3, 1, 0, 30), SubscriptionCategory::Streaming, utc(2024, 1, 15, 8));
        netflix->setIsShared(true);
        netflix->setSharePercentage(0.25);
        netflix->setPaymentMethod(u" Visa \"Gold\" "_qs);
        netflix->setNotes(u"Cancel: https://www.netflix.com/cancelplan"_qs);

        const QDateTime withMillis(QDate(2025, 3, 10), QTime(12, 0, 45, 678), Qt::UTC);
        Subscription* figma = add(u"Figma"_qs, "99.99", u"USD"_qs, BillingCycle::yearly(), withMillis,
                                  SubscriptionCategory::Software, utc(2024, 6, 1));
        figma->setIsTrial(true);
        figma->setTrialEndDate(withMillis);
        figma->setNotes(u"Line one\nLine two"_qs);

        Subscription* drive = add(u"Cloud Drive"_qs, "0.01", u"GBP"_qs, BillingCycle::monthly(), utc(2025, 4, 1, 9),
                                  SubscriptionCategory::Cloud, utc(2024, 2, 29, 23, 59));
        drive->setIsShared(true);
        drive->setSharePercentage(0.5);  // 0.005 a month
        drive->setPaymentMethod(u"Amex"_qs);

        Subscription* gym = add(u"  Gym  "_qs, "12.00", u"EUR"_qs, BillingCycle::custom(10), utc(2025, 3, 5, 6),
                                SubscriptionCategory::Fitness, utc(2025, 1, 2, 3, 4));
        gym->setSharePercentage(0.29);  // stored but not shared
        gym->setNotes(u""_qs);

        Subscription* icloud = add(u"iCloud+"_qs, "120", u"CAD"_qs, BillingCycle::yearly(), utc(2025, 9, 30, 22),
                                   SubscriptionCategory::Other, utc(2020, 9, 30, 22));
        icloud->setCategoryRaw(u"cars"_qs);
        icloud->setIsShared(true);
        icloud->setSharePercentage(1.0);
        icloud->setNotes(u"a,b"_qs);
        icloud->setIsActive(false);
        icloud->setArchivedDate(utc(2025, 1, 1));

        return {netflix, figma, drive, gym, icloud};
    }

    Subscription* single(const QString& name = u"Plain"_qs)
    {
        return add(name, "5", u"USD"_qs, BillingCycle::monthly(), utc(2025, 1, 1), SubscriptionCategory::Music,
                   utc(2024, 1, 1));
    }

    std::vector<std::unique_ptr<Subscription>> owned;
};

}  // namespace

TEST_F(ExportServiceTest, writesWholeFilesInTheirExactLayout)
{
    const QList<Subscription*> subscriptions = fixture();
    EXPECT_EQ(ExportService::csv(subscriptions).toUtf8(), expected("subscriptions.csv"));
    EXPECT_EQ(ExportService::json(subscriptions), expected("subscriptions.json"));
    EXPECT_EQ(ExportService::build(subscriptions, ExportService::Format::Csv), expected("subscriptions.csv"));
    EXPECT_EQ(ExportService::build(subscriptions, ExportService::Format::Json), expected("subscriptions.json"));
}

TEST_F(ExportServiceTest, emptyExportIsHeaderOrEmptyArray)
{
    EXPECT_EQ(ExportService::csv({}), kHeader);
    EXPECT_EQ(ExportService::json({}), QByteArray("[\n\n]"));
    EXPECT_EQ(ExportService::csv({nullptr}), kHeader);
    EXPECT_EQ(ExportService::json({nullptr}), QByteArray("[\n\n]"));
    EXPECT_EQ(ExportService::suggestedFileName(ExportService::Format::Csv), u"Tabrino Export.csv");
    EXPECT_EQ(ExportService::suggestedFileName(ExportService::Format::Json), u"Tabrino Export.json");
}

TEST_F(ExportServiceTest, csvQuotesEachFieldOnItsOwn)
{
    Subscription* s = single(u"Carriage\rReturn"_qs);
    s->setCurrencyCode(u"U,SD"_qs);
    s->setPaymentMethod(u"\""_qs);
    s->setNotes(u"  spaced  "_qs);
    EXPECT_EQ(ExportService::csv({s}),
              kHeader
                  + u"\n\"Carriage\rReturn\",5,\"U,SD\",Monthly,5,2025-01-01T00:00:00Z,Music,No,No,,"
                    "\"\"\"\",Yes,2024-01-01T00:00:00Z,  spaced  "_qs);
}

TEST_F(ExportServiceTest, shareIsTruncatedPercentInCsvAndShortestNumberInJson)
{
    struct Case {
        double share;
        const char* percent;  // CSV
        const char* number;   // JSON; null when the key is left out
    };
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double infinity = std::numeric_limits<double>::infinity();
    const Case cases[] = {
        {0.29, "29%", "0.29"},    // 28.999999999999996 in binary
        {0.57, "57%", "0.57"},    // 56.99999999999999 in binary
        {0.999, "99%", "0.999"},  // truncated, not rounded
        {0.125, "12%", "0.125"},    {0.1 + 0.2, "30%", "0.30000000000000004"},
        {1.0, "100%", "1"},         {0.0, "0%", "0"},
        {0.0001, "0%", "0.0001"},   {0.00001, "0%", "1e-05"},
        {1.7, "170%", "1.7"},  // the stored value, not the clamped share
        {-0.205, "-20%", "-0.205"}, {nan, "", nullptr},
        {infinity, "", nullptr},
    };
    for (const Case& c : cases) {
        Subscription* s = single();
        s->setSharePercentage(c.share);
        const QString line = ExportService::csv({s}).section(u'\n', 1);
        EXPECT_EQ(line.section(u',', 9, 9), QString::fromUtf8(c.percent)) << c.share;

        const QByteArray json = ExportService::json({s});
        if (c.number)
            EXPECT_TRUE(json.contains("\"sharePercentage\" : " + QByteArray(c.number) + '\n')) << json.toStdString();
        else
            EXPECT_FALSE(json.contains("sharePercentage")) << json.toStdString();
        // Either way the file stays valid JSON with the price key before it.
        EXPECT_TRUE(json.contains("\"price\" : \"5\"")) << json.toStdString();
    }
}

TEST_F(ExportServiceTest, jsonEscapesLikeTheEncoder)
{
    Subscription* s = single(u"a/b \"q\" \\ \b\f\n\r\t\x01\x1f\x7f é€😀"_qs);
    const QByteArray json = ExportService::json({s});
    EXPECT_TRUE(json.contains("\"name\" : \"a\\/b \\\"q\\\" \\\\ \\b\\f\\n\\r\\t\\u0001\\u001f\x7f "
                              "\xc3\xa9\xe2\x82\xac\xf0\x9f\x98\x80\",\n"))
        << json.toStdString();
}

TEST_F(ExportServiceTest, writeReplacesTheFileOrLeavesTheOldOne)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path = dir.filePath(u"Tabrino Export.csv"_qs);
    ASSERT_TRUE(writeFile(path, "an older and much longer export file"));

    EXPECT_TRUE(ExportService::write("Name\nnew", path));
    EXPECT_EQ(readFile(path), QByteArray("Name\nnew"));

    // A path below a regular file cannot be created, whoever runs the test.
    const QString blocker = dir.filePath(u"plain-file"_qs);
    ASSERT_TRUE(writeFile(blocker, "keep me"));
    EXPECT_FALSE(ExportService::write("lost", blocker + u"/x.csv"_qs));
    EXPECT_EQ(readFile(blocker), QByteArray("keep me"));

    // A folder at the chosen path is never replaced.
    const QString folder = dir.filePath(u"folder"_qs);
    ASSERT_TRUE(QDir().mkdir(folder));
    ASSERT_TRUE(writeFile(folder + u"/inside.txt"_qs, "old"));
    EXPECT_FALSE(ExportService::write("new", folder));
    EXPECT_EQ(readFile(folder + u"/inside.txt"_qs), QByteArray("old"));

    EXPECT_FALSE(ExportService::write("x", QString()));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size(), 2) << "no temporary file left behind";
}
