// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/AppVersion.h"

#ifndef TABRINO_PROJECT_VERSION
#define TABRINO_PROJECT_VERSION ""
#endif
#ifndef TABRINO_BUILD_NUMBER_TEXT
#define TABRINO_BUILD_NUMBER_TEXT ""
#endif

namespace tabrino {

QString AppVersion::shortVersion()
{
    const QString version = QStringLiteral(TABRINO_PROJECT_VERSION);
    return version.isEmpty() ? QStringLiteral("1.0") : version;
}

QString AppVersion::buildNumber()
{
    const QString build = QStringLiteral(TABRINO_BUILD_NUMBER_TEXT);
    return build.isEmpty() ? QStringLiteral("1") : build;
}

QString AppVersion::text()
{
    return shortVersion() + u" ("_qs + buildNumber() + u')';
}

}  // namespace tabrino
