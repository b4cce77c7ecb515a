// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/ImportFileChoice.h"

#include <QCoreApplication>
#include <QDir>

namespace tabrino {

QStringList ImportFileChoice::nameFilters()
{
    return {QCoreApplication::translate("ImportFileChoice", "Subscription lists (*.csv *.json *.txt *.tsv)"),
            QCoreApplication::translate("ImportFileChoice", "All files (*)")};
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
