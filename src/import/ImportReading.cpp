// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "import/ImportReading.h"

#include <QCoreApplication>

namespace tabrino {

QString ImportReading::LineError::text() const
{
    return QCoreApplication::translate("ImportReading", "line %1: %2").arg(line).arg(reason);
}

}  // namespace tabrino
