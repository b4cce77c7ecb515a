// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "import/ImportReading.h"

#include <QList>

namespace tabrino {

class Subscription;

// Which tracked subscription, active or archived, each imported row is
// already: the same service name (letter case and surrounding spaces
// aside), price and cycle. No export carries Tabrino's ids, so these are
// all there is to go by.
class ImportMatching {
public:
    ImportMatching() = delete;

    // One entry per row: its tracked subscription, or null for a new one.
    static QList<Subscription*> match(const QList<ImportReading::Row>& rows, const QList<Subscription*>& tracked);
};

}  // namespace tabrino
