// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "store/DataFileLock.h"

#include "store/PrivateFolder.h"

#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstring>

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace tabrino {

DataFileLock::DataFileLock(const QString& databasePath) : m_lockPath(lockPathFor(databasePath))
{
}

DataFileLock::~DataFileLock()
{
    if (m_descriptor >= 0)
        ::close(m_descriptor);
}

QString DataFileLock::lockPathFor(const QString& databasePath)
{
    return databasePath + u".lock"_qs;
}

DataFileLock::Result DataFileLock::acquire(QString* error)
{
    QString ignored;
    if (!error)
        error = &ignored;
    if (m_descriptor >= 0)
        return Result::Acquired;
    if (!makePrivateFolder(QFileInfo(m_lockPath).absolutePath(), error))
        return Result::Failed;
    const int descriptor =
        ::open(QFile::encodeName(m_lockPath).constData(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600);
    if (descriptor < 0) {
        *error =
            u"Cannot open the lock file "_qs + m_lockPath + u": "_qs + QString::fromLocal8Bit(std::strerror(errno));
        return Result::Failed;
    }
    // flock, not fcntl: its lock belongs to this open file, so a second
    // DataFileLock in the same process is refused as well.
    if (::flock(descriptor, LOCK_EX | LOCK_NB) != 0) {
        const int reason = errno;
        ::close(descriptor);
        if (reason == EWOULDBLOCK)
            return Result::HeldElsewhere;
        *error = u"Cannot lock "_qs + m_lockPath + u": "_qs + QString::fromLocal8Bit(std::strerror(reason));
        return Result::Failed;
    }
    m_descriptor = descriptor;
    return Result::Acquired;
}

}  // namespace tabrino
