// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/ImportFileChoice.h"

#include <QDir>

namespace tabrino {

QStringList ImportFileChoice::nameFilters()
{
    //: A file type in the import's open dialog; %1 is its file name patterns, kept last in parentheses
    return {tr("Subscription lists (%1)").arg(u"*.csv *.json *.txt *.tsv"),
            //: A file type in the import's open dialog; %1 is its file name pattern, kept last in parentheses
            tr("All files (%1)").arg(u"*")};
}

QString ImportFileChoice::chosenPath(const QUrl& chosen)
{
    // Qt Quick's own dialog answers a typed name with a bare absolute path
    // rather than a file: address.
    if (chosen.scheme().isEmpty() && QDir::isAbsolutePath(chosen.path()))
        return QDir::cleanPath(chosen.path());
    return chosen.isLocalFile() ? chosen.toLocalFile() : QString();
}

}  // namespace tabrino
