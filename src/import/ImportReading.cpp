// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "import/ImportReading.h"

#include <QCoreApplication>

namespace tabrino {

QString ImportReading::LineError::text() const
{
    //: A line of an imported file that cannot be read; %1 is its number in the file, %2 why:
    //: "line 7: price “abc” is not a number"
    return QCoreApplication::translate("ImportReading", "line %1: %2").arg(line).arg(reason);
}

}  // namespace tabrino
