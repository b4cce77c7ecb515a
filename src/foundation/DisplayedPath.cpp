// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "foundation/DisplayedPath.h"

#include <QDir>

namespace tabrino {

QString DisplayedPath::of(const QString& path)
{
    const QString home = QDir::homePath();
    if (path.startsWith(home + u'/'))
        return u'~' + path.mid(home.size());
    return path;
}

}  // namespace tabrino
