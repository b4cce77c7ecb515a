// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "export/CalendarFileKeeper.h"

#include <QtQml/qqml.h>

namespace tabrino::qml {

// The calendar file as QML knows it, so the screens can type it.
struct CalendarFileKeeperForeign {
    Q_GADGET
    QML_FOREIGN(tabrino::CalendarFileKeeper)
    QML_NAMED_ELEMENT(CalendarFileKeeper)
    QML_UNCREATABLE("The program keeps the one calendar file.")
};

}  // namespace tabrino::qml
