// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "store/PrivateFolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <sys/stat.h>

namespace tabrino {

bool makePrivateFolder(const QString& folder, QString* error)
{
    if (QFileInfo(folder).isDir())
        return true;
    if (!QDir().mkpath(folder) || ::chmod(QFile::encodeName(folder).constData(), 0700) != 0) {
        //: Why Tabrino cannot start; %1 is the folder that holds its data
        *error = QCoreApplication::translate("PrivateFolder", "Cannot create the folder %1").arg(folder);
        return false;
    }
    return true;
}

}  // namespace tabrino
