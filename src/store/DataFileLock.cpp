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
        //: Why Tabrino cannot start; %1 is the path of the file that keeps a second Tabrino from starting,
        //: %2 the system's reason
        *error = tr("Cannot open the lock file %1: %2").arg(m_lockPath, QString::fromLocal8Bit(std::strerror(errno)));
        return Result::Failed;
    }
    // flock, not fcntl: its lock belongs to this open file, so a second
    // DataFileLock in the same process is refused as well.
    if (::flock(descriptor, LOCK_EX | LOCK_NB) != 0) {
        const int reason = errno;
        ::close(descriptor);
        if (reason == EWOULDBLOCK)
            return Result::HeldElsewhere;
        //: Why Tabrino cannot start; %1 is the path of the file that keeps a second Tabrino from starting,
        //: %2 the system's reason
        *error = tr("Cannot lock %1: %2").arg(m_lockPath, QString::fromLocal8Bit(std::strerror(reason)));
        return Result::Failed;
    }
    m_descriptor = descriptor;
    return Result::Acquired;
}

}  // namespace tabrino
