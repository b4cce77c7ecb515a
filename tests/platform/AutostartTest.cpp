// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/Autostart.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace tabrino;

namespace {

QByteArray contents(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void write(const QString& path, const QByteArray& text)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(text);
}

class AutostartTest : public ::testing::Test {
protected:
    QTemporaryDir config;
    QString autostart = config.filePath(QStringLiteral("autostart"));
    Autostart item{autostart, QStringLiteral("/opt/Tabrino App/bin/tabrino")};
};

}  // namespace

TEST_F(AutostartTest, registeringWritesAValidEntryAndRemovingDeletesIt)
{
    QSignalSpy enabledChanged(&item, &Autostart::enabledChanged);
    EXPECT_FALSE(item.isEnabled());

    EXPECT_EQ(item.writeEntry(), QString());
    EXPECT_EQ(item.entryPath(), autostart + u"/tabrino.desktop"_qs);
    const QByteArray entry = contents(item.entryPath());
    EXPECT_TRUE(entry.startsWith("[Desktop Entry]\n"));
    for (const char* line : {"Type=Application\n", "Name=Tabrino\n", "Exec=\"/opt/Tabrino App/bin/tabrino\"\n",
                             "X-GNOME-Autostart-enabled=true\n", "NoDisplay=false\n", "Hidden=false\n"})
        EXPECT_TRUE(entry.contains(line)) << line;
    EXPECT_TRUE(item.isEnabled());
    EXPECT_EQ(enabledChanged.count(), 1);
    // Where the desktop's own checker is installed, it agrees.
    const QString validator = QStandardPaths::findExecutable(QStringLiteral("desktop-file-validate"));
    if (!validator.isEmpty()) {
        EXPECT_EQ(QProcess::execute(validator, {item.entryPath()}), 0);
    }

    // Registering again replaces the entry and changes nothing visible.
    EXPECT_EQ(item.writeEntry(), QString());
    EXPECT_EQ(enabledChanged.count(), 1);
    EXPECT_EQ(QDir(autostart).entryList(QDir::Files | QDir::Hidden), QStringList{u"tabrino.desktop"_qs});

    EXPECT_EQ(item.removeEntry(), QString());
    EXPECT_FALSE(QFile::exists(item.entryPath()));
    EXPECT_FALSE(item.isEnabled());
    EXPECT_EQ(enabledChanged.count(), 2);
    // Nothing to remove is no failure.
    EXPECT_EQ(item.removeEntry(), QString());
}

TEST_F(AutostartTest, anEntrySwitchedOffElsewhereIsNotEnabled)
{
    ASSERT_EQ(item.writeEntry(), QString());
    write(item.entryPath(), "[Desktop Entry]\nType=Application\nName=Tabrino\nExec=tabrino\nHidden=true\n");
    EXPECT_FALSE(item.isEnabled());
    write(item.entryPath(), "[Desktop Entry]\nExec=tabrino\nX-GNOME-Autostart-enabled = false\n");
    EXPECT_FALSE(item.isEnabled());
    // Only the main group counts.
    write(item.entryPath(), "[Desktop Entry]\nExec=tabrino\n[Desktop Action quit]\nHidden=true\n");
    EXPECT_TRUE(item.isEnabled());
}

TEST_F(AutostartTest, aFailureSaysWhichFolderAndWhy)
{
    // Tests run as root, so a permission bit would not stop the write: a
    // regular file where the folder should be does.
    write(autostart, "not a folder");
    EXPECT_EQ(item.writeEntry(),
              u"Couldn't write the autostart entry in "_qs + autostart + u": the folder could not be created."_qs);
    EXPECT_FALSE(item.isEnabled());
    EXPECT_EQ(contents(autostart), "not a folder");

    // An entry that cannot be removed fails alike.
    QDir(autostart + u"x"_qs).mkpath(QStringLiteral("tabrino.desktop/inside"));
    Autostart stuck(autostart + u"x"_qs, QStringLiteral("/usr/bin/tabrino"));
    const QString failure = stuck.removeEntry();
    EXPECT_TRUE(failure.startsWith(u"Couldn't remove the autostart entry from "_qs + autostart + u"x: "_qs))
        << failure.toStdString();
    EXPECT_GT(failure.size(), (u"Couldn't remove the autostart entry from "_qs + autostart + u"x: ."_qs).size());

    // The folder under home is named as the user knows it.
    const Autostart home(QDir::homePath() + u"/.config/autostart"_qs, QStringLiteral("/usr/bin/tabrino"));
    EXPECT_EQ(home.displayedDirectory(), u"~/.config/autostart");
}

TEST(AutostartExec, pathsAreQuotedAndEscapedForTheExecKey)
{
    EXPECT_EQ(Autostart::quotedExecArgument(QStringLiteral("/usr/bin/tabrino")), u"\"/usr/bin/tabrino\"");
    // '"', '`', '$' and '\' take a backslash inside quotes, and that
    // backslash is itself written doubled in the file; '%' is doubled.
    EXPECT_EQ(Autostart::quotedExecArgument(QStringLiteral("/home/a \"b\"/$x`y`/100%/c\\d")),
              u"\"/home/a \\\\\"b\\\\\"/\\\\$x\\\\`y\\\\`/100%%/c\\\\\\\\d\"");
    EXPECT_TRUE(Autostart::entryText(QStringLiteral("/opt/tabrino")).contains("\nExec=\"/opt/tabrino\"\n"));
}
