#include "platform/ExportDialog.h"

#include <QFileDialog>
#include <QPointer>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <optional>

using namespace tabrino;

TEST(ExportDialogTest, asksWithoutBlockingAndHandsBackTheChosenPath)
{
    QTemporaryDir dir;
    std::optional<QString> chosen;
    QPointer<QFileDialog> dialog =
        ExportDialog::open(ExportDialog::Format::Csv, [&](const QString& path) { chosen = path; });

    // open() returned with the dialog still up.
    ASSERT_TRUE(dialog);
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_FALSE(chosen);
    EXPECT_EQ(dialog->acceptMode(), QFileDialog::AcceptSave);
    EXPECT_EQ(dialog->nameFilters(), QStringList{u"CSV files (*.csv)"_qs});
    ASSERT_FALSE(dialog->selectedFiles().isEmpty());
    EXPECT_TRUE(dialog->selectedFiles().first().endsWith(u"/Tabrino Export.csv")) << dialog->selectedFiles().first().toStdString();

    // A bare name gets the format's extension.
    dialog->setDirectory(dir.path());
    dialog->selectFile(QStringLiteral("spending"));
    static_cast<QDialog*>(dialog.data())->accept();  // as the Save button does
    EXPECT_EQ(chosen, dir.filePath(QStringLiteral("spending.csv")));
    EXPECT_TRUE(QTest::qWaitFor([&] { return dialog.isNull(); }, 2000));
}

TEST(ExportDialogTest, cancellingChoosesNothing)
{
    bool called = false;
    QPointer<QFileDialog> dialog = ExportDialog::open(ExportDialog::Format::Json, [&](const QString&) { called = true; });
    ASSERT_TRUE(dialog);
    EXPECT_EQ(dialog->nameFilters(), QStringList{u"JSON files (*.json)"_qs});
    EXPECT_TRUE(dialog->selectedFiles().first().endsWith(u"/Tabrino Export.json"));
    static_cast<QDialog*>(dialog.data())->reject();
    EXPECT_FALSE(called);
    EXPECT_TRUE(QTest::qWaitFor([&] { return dialog.isNull(); }, 2000));
}
