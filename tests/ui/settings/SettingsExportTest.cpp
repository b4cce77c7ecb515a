// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/settings/SettingsExport.h"
#include "store/StoreFixture.h"

#include <QFile>
#include <QSignalSpy>

#include <gtest/gtest.h>

using namespace tabrino;

namespace {

QByteArray contents(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

class SettingsExportTest : public test::StoreFixture {
protected:
    SettingsExportTest()
    {
        launch();
        later = add(u"Later"_qs, "20", BillingCycle::monthly(), test::utc(2025, 5, 1));
        sooner = add(u"Sooner"_qs, "9.5", BillingCycle::monthly(), test::utc(2025, 4, 1));
        old = add(u"Old"_qs, "3", BillingCycle::yearly(), test::utc(2025, 4, 15));
        store->save();
        store->archive(old);
        exporter.setStore(store.get());
    }

    QString file(const char* name) const { return dir.path() + u'/' + QString::fromLatin1(name); }

    Subscription* later;
    Subscription* sooner;
    Subscription* old;
    SettingsExport exporter;
};

}  // namespace

TEST_F(SettingsExportTest, writesTheDataAsItWasAtThePressActiveRecordsFirst)
{
    exporter.begin(SettingsExport::Format::Csv);
    EXPECT_TRUE(exporter.isPending());
    EXPECT_EQ(exporter.nameFilters(), QStringList{u"CSV files (*.csv)"_qs});
    EXPECT_EQ(exporter.defaultSuffix(), u"csv");
    EXPECT_TRUE(exporter.suggestedFile().toLocalFile().endsWith(u"/Tabrino Export.csv"));
    later->setName(u"Renamed while the dialog was up"_qs);

    // A bare name gets the extension.
    ASSERT_TRUE(exporter.finish(QUrl::fromLocalFile(file("spending"))));
    EXPECT_FALSE(exporter.isPending());
    const QList<QByteArray> lines = contents(file("spending.csv")).split('\n');
    ASSERT_EQ(lines.size(), 4);
    EXPECT_TRUE(lines[0].startsWith("Name,Price,Currency,"));
    EXPECT_TRUE(lines[1].startsWith("Sooner,9.5,USD,Monthly,"));
    EXPECT_TRUE(lines[2].startsWith("Later,20,"));
    EXPECT_TRUE(lines[3].startsWith("Old,3,USD,Yearly,0.25,"));
    EXPECT_TRUE(lines[3].contains(",No,")) << "archived: not active";

    exporter.begin(SettingsExport::Format::Json);
    EXPECT_EQ(exporter.nameFilters(), QStringList{u"JSON files (*.json)"_qs});
    ASSERT_TRUE(exporter.finish(QUrl::fromLocalFile(file("all.json"))));
    const QByteArray json = contents(file("all.json"));
    EXPECT_TRUE(json.startsWith("[\n  {\n"));
    EXPECT_LT(json.indexOf("\"Renamed while the dialog was up\""), json.indexOf("\"Old\""));
}

TEST_F(SettingsExportTest, writesTheActiveRenewalsAsACalendar)
{
    exporter.begin(SettingsExport::Format::Calendar);
    EXPECT_EQ(exporter.nameFilters(), QStringList{u"Calendar files (*.ics)"_qs});
    EXPECT_EQ(exporter.defaultSuffix(), u"ics");
    EXPECT_TRUE(exporter.suggestedFile().toLocalFile().endsWith(u"/Tabrino Renewals.ics"));
    ASSERT_TRUE(exporter.finish(QUrl::fromLocalFile(file("renewals"))));

    const QByteArray renewals = contents(file("renewals.ics"));
    EXPECT_TRUE(renewals.startsWith("BEGIN:VCALENDAR\r\n"));
    EXPECT_EQ(renewals.count("BEGIN:VEVENT"), 2) << "the archived one left out";
    EXPECT_TRUE(renewals.contains("DTSTART;VALUE=DATE:20250401\r\n"));
    EXPECT_FALSE(renewals.contains("SUMMARY:Old"));
}

TEST_F(SettingsExportTest, aFailedWriteKeepsThePreviousFileAndSaysSoUntilAnExportWorks)
{
    QSignalSpy error(&exporter, &SettingsExport::errorChanged);
    {
        QFile previous(file("kept.csv"));
        ASSERT_TRUE(previous.open(QIODevice::WriteOnly));
        previous.write("the user's earlier export");
    }
    // The target's folder is a file: nothing can be written there.
    exporter.begin(SettingsExport::Format::Csv);
    EXPECT_FALSE(exporter.finish(QUrl::fromLocalFile(file("kept.csv") + u"/inside.csv"_qs)));
    EXPECT_EQ(exporter.error(), u"Couldn't save the export. Try again in another folder.");
    EXPECT_EQ(contents(file("kept.csv")), "the user's earlier export");
    EXPECT_FALSE(exporter.isPending());

    // Cancelling writes nothing and leaves the message; a good export clears it.
    exporter.begin(SettingsExport::Format::Csv);
    exporter.cancel();
    EXPECT_FALSE(exporter.isPending());
    EXPECT_FALSE(exporter.finish(QUrl::fromLocalFile(file("late.csv"))));
    EXPECT_FALSE(QFile::exists(file("late.csv")));
    EXPECT_FALSE(exporter.error().isEmpty());

    exporter.begin(SettingsExport::Format::Csv);
    EXPECT_TRUE(exporter.finish(QUrl::fromLocalFile(file("kept.csv"))));
    EXPECT_TRUE(contents(file("kept.csv")).startsWith("Name,Price"));
    EXPECT_EQ(exporter.error(), QString());
    EXPECT_EQ(error.count(), 2);
}
