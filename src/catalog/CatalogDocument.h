// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "catalog/CatalogLoadResult.h"

#include <QByteArrayView>
#include <QStringList>

namespace tabrino {

// Decoder of the catalog document: a UTF-8 JSON array of service objects.
// All or nothing: one element with a missing required key, a value of the
// wrong JSON type (a price given as a string included), an unknown category
// or an id seen before rejects the whole document. Null or absent optional
// keys read as absent; unknown keys are ignored, whatever they hold. Prices
// are read from the number's own digits, never through binary floating
// point, and must lie below 10^308. Validated while it is parsed: memory
// follows the services kept, not the size of the text.
class CatalogDocument {
public:
    // Far above any real catalog: a larger download or cache file is not read.
    static constexpr qint64 maximumSize = 8 * 1024 * 1024;

    static CatalogLoadResult decode(QByteArrayView utf8);

    // The category names a service may carry, in their canonical order.
    static const QStringList& categories();
};

}  // namespace tabrino
