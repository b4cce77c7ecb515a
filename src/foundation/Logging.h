// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QLoggingCategory>

namespace tabrino {

// One category a subsystem. Warnings and information are shown by default
// (on standard error, which the desktop hands to the journal); debug output
// is off until turned on, e.g. QT_LOGGING_RULES="tabrino.*.debug=true".
Q_DECLARE_LOGGING_CATEGORY(lcStore)
Q_DECLARE_LOGGING_CATEGORY(lcCatalog)
Q_DECLARE_LOGGING_CATEGORY(lcRates)
Q_DECLARE_LOGGING_CATEGORY(lcReminders)
Q_DECLARE_LOGGING_CATEGORY(lcTray)
Q_DECLARE_LOGGING_CATEGORY(lcPanel)
Q_DECLARE_LOGGING_CATEGORY(lcSettings)

}  // namespace tabrino
