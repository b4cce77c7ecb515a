// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "foundation/Logging.h"

namespace tabrino {

Q_LOGGING_CATEGORY(lcStore, "tabrino.store", QtInfoMsg)
Q_LOGGING_CATEGORY(lcCatalog, "tabrino.catalog", QtInfoMsg)
Q_LOGGING_CATEGORY(lcRates, "tabrino.rates", QtInfoMsg)
Q_LOGGING_CATEGORY(lcReminders, "tabrino.reminders", QtInfoMsg)
Q_LOGGING_CATEGORY(lcTray, "tabrino.tray", QtInfoMsg)
Q_LOGGING_CATEGORY(lcPanel, "tabrino.panel", QtInfoMsg)
Q_LOGGING_CATEGORY(lcSettings, "tabrino.settings", QtInfoMsg)

}  // namespace tabrino
