// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "store/DataFileLock.h"

#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace tabrino;
using Result = DataFileLock::Result;

namespace {

// What another process gets when it asks for the lock now.
Result acquireInAnotherProcess(const QString& databasePath)
{
    const pid_t child = ::fork();
    if (child == 0) {
        DataFileLock lock(databasePath);
        ::_exit(static_cast<int>(lock.acquire()));
    }
    int status = 0;
    if (child < 0 || ::waitpid(child, &status, 0) != child || !WIFEXITED(status))
        return Result::Failed;
    return static_cast<Result>(WEXITSTATUS(status));
}

}  // namespace

TEST(DataFileLock, oneHolderAtATimeUntilItGoes)
{
    QTemporaryDir dir;
    const QString database = dir.path() + u"/data/Tabrino/Tabrino.sqlite"_qs;
    {
        DataFileLock first(database);
        ASSERT_EQ(first.acquire(), Result::Acquired);
        EXPECT_EQ(acquireInAnotherProcess(database), Result::HeldElsewhere);
        DataFileLock second(database);
        EXPECT_EQ(second.acquire(), Result::HeldElsewhere);
        EXPECT_EQ(first.acquire(), Result::Acquired);  // asking again keeps it

        // Beside the database, private, and the database itself untouched.
        struct stat file {};
        struct stat folder {};
        ASSERT_EQ(::stat(QFile::encodeName(DataFileLock::lockPathFor(database)).constData(), &file), 0);
        ASSERT_EQ(::stat(QFile::encodeName(dir.path() + u"/data/Tabrino"_qs).constData(), &folder), 0);
        EXPECT_EQ(file.st_mode & 0777, 0600u);
        EXPECT_EQ(folder.st_mode & 0777, 0700u);
        EXPECT_FALSE(QFileInfo::exists(database));
    }
    EXPECT_EQ(acquireInAnotherProcess(database), Result::Acquired);
    DataFileLock again(database);
    EXPECT_EQ(again.acquire(), Result::Acquired);
}

TEST(DataFileLock, aFolderThatCannotBeMadeIsAFailureWithAReason)
{
    QTemporaryDir dir;
    QFile blocker(dir.path() + u"/data"_qs);  // a file where the folder should go
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    DataFileLock lock(dir.path() + u"/data/Tabrino/Tabrino.sqlite"_qs);
    QString error;
    EXPECT_EQ(lock.acquire(&error), Result::Failed);
    EXPECT_FALSE(error.isEmpty());
}
