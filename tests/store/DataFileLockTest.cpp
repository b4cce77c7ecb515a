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
        return Result::failed;
    return static_cast<Result>(WEXITSTATUS(status));
}

}  // namespace

TEST(DataFileLock, oneHolderAtATimeUntilItGoes)
{
    QTemporaryDir dir;
    const QString database = dir.path() + u"/data/Tabrino/Tabrino.sqlite"_qs;
    {
        DataFileLock first(database);
        ASSERT_EQ(first.acquire(), Result::acquired);
        EXPECT_EQ(acquireInAnotherProcess(database), Result::heldElsewhere);
        DataFileLock second(database);
        EXPECT_EQ(second.acquire(), Result::heldElsewhere);
        EXPECT_EQ(first.acquire(), Result::acquired);  // asking again keeps it

        // Beside the database, private, and the database itself untouched.
        struct stat file {};
        struct stat folder {};
        ASSERT_EQ(::stat(QFile::encodeName(DataFileLock::lockPathFor(database)).constData(), &file), 0);
        ASSERT_EQ(::stat(QFile::encodeName(dir.path() + u"/data/Tabrino"_qs).constData(), &folder), 0);
        EXPECT_EQ(file.st_mode & 0777, 0600u);
        EXPECT_EQ(folder.st_mode & 0777, 0700u);
        EXPECT_FALSE(QFileInfo::exists(database));
    }
    EXPECT_EQ(acquireInAnotherProcess(database), Result::acquired);
    DataFileLock again(database);
    EXPECT_EQ(again.acquire(), Result::acquired);
}

TEST(DataFileLock, aFolderThatCannotBeMadeIsAFailureWithAReason)
{
    QTemporaryDir dir;
    QFile blocker(dir.path() + u"/data"_qs);  // a file where the folder should go
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    DataFileLock lock(dir.path() + u"/data/Tabrino/Tabrino.sqlite"_qs);
    QString error;
    EXPECT_EQ(lock.acquire(&error), Result::failed);
    EXPECT_FALSE(error.isEmpty());
}
