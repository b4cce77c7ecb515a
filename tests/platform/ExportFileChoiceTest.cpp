// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/ExportFileChoice.h"

#include <QDir>
#include <QTemporaryDir>
#include <QWindow>

#include <gtest/gtest.h>

using namespace tabrino;

namespace {

// A window with the panel's switch for closing on focus loss.
class ClosingWindow : public QWindow {
    Q_OBJECT
    Q_PROPERTY(bool hidesOnDeactivate MEMBER hides)

public:
    bool hides = true;
};

}  // namespace

TEST(ExportFileChoiceTest, proposesTheFormatsNameFilterAndFolder)
{
    EXPECT_EQ(ExportFileChoice::nameFilter(ExportFileChoice::Format::Csv), u"CSV files (*.csv)");
    EXPECT_EQ(ExportFileChoice::nameFilter(ExportFileChoice::Format::Json), u"JSON files (*.json)");
    const QUrl csv = ExportFileChoice::suggestedFile(ExportFileChoice::Format::Csv);
    ASSERT_TRUE(csv.isLocalFile());
    EXPECT_EQ(QFileInfo(csv.toLocalFile()).fileName(), u"Tabrino Export.csv");
    EXPECT_EQ(QFileInfo(csv.toLocalFile()).absolutePath(), ExportFileChoice::startFolder().toLocalFile());
    EXPECT_TRUE(QDir(ExportFileChoice::startFolder().toLocalFile()).exists());
    EXPECT_TRUE(ExportFileChoice::suggestedFile(ExportFileChoice::Format::Json)
                    .toLocalFile()
                    .endsWith(u"/Tabrino Export.json"));
}

TEST(ExportFileChoiceTest, aBareNameGetsTheExtensionAndOnlyLocalFilesCount)
{
    const auto path = [](const char* url, ExportFileChoice::Format format) {
        return ExportFileChoice::chosenPath(QUrl(QString::fromUtf8(url)), format);
    };
    EXPECT_EQ(path("file:///tmp/spending", ExportFileChoice::Format::Csv), u"/tmp/spending.csv");
    EXPECT_EQ(path("file:///tmp/spending", ExportFileChoice::Format::Json), u"/tmp/spending.json");
    // A name the user gave an extension keeps it, whichever it is.
    EXPECT_EQ(path("file:///tmp/spending.txt", ExportFileChoice::Format::Csv), u"/tmp/spending.txt");
    EXPECT_EQ(path("file:///tmp/My%20Export.json", ExportFileChoice::Format::Json), u"/tmp/My Export.json");
    // Qt Quick's own dialog gives a typed name as a bare path.
    EXPECT_EQ(path("/tmp//spending", ExportFileChoice::Format::Csv), u"/tmp/spending.csv");
    EXPECT_EQ(path("spending.csv", ExportFileChoice::Format::Csv), QString()) << "relative to nothing";
    // A folder, a remote place or nothing at all names no file to write.
    EXPECT_EQ(path("file:///tmp/", ExportFileChoice::Format::Csv), QString());
    EXPECT_EQ(path("https://example.com/x.csv", ExportFileChoice::Format::Csv), QString());
    EXPECT_EQ(path("", ExportFileChoice::Format::Csv), QString());
}

TEST(ExportFileChoiceTest, theHeldPanelStaysOpenUntilReleased)
{
    ClosingWindow panel;
    ExportFileChoice::WindowHold hold;
    hold.hold(&panel);
    EXPECT_TRUE(hold.isHolding());
    EXPECT_FALSE(panel.hides);
    hold.release();
    EXPECT_TRUE(panel.hides);
    EXPECT_FALSE(hold.isHolding());

    // A hold also ends with its owner, giving back what the window had.
    {
        ExportFileChoice::WindowHold scoped;
        scoped.hold(&panel);
        EXPECT_FALSE(panel.hides);
    }
    EXPECT_TRUE(panel.hides);

    // A window without the switch is left alone; a window that goes away is no harm.
    QWindow plain;
    hold.hold(&plain);
    EXPECT_FALSE(hold.isHolding());
    EXPECT_FALSE(plain.property("hidesOnDeactivate").isValid());
    auto* gone = new ClosingWindow;
    hold.hold(gone);
    delete gone;
    hold.release();
}

#include "ExportFileChoiceTest.moc"
