// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/IniFile.h"

#include <QFile>

namespace tabrino {

QString IniFile::value(const QString& path, QStringView group, QStringView key)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QString();
    bool inGroup = false;
    QString value;
    while (!file.atEnd()) {
        const QString line = QString::fromUtf8(file.readLine()).trimmed();
        if (line.startsWith(u'[')) {
            inGroup = QStringView(line).sliced(1).chopped(1) == group && line.endsWith(u']');
            continue;
        }
        const qsizetype equals = line.indexOf(u'=');
        if (inGroup && equals > 0 && QStringView(line).first(equals).trimmed() == key)
            value = line.mid(equals + 1).trimmed();
    }
    return value;
}

}  // namespace tabrino
