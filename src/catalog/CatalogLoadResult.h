// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "catalog/CatalogService.h"

#include <QList>
#include <QString>

#include <optional>

namespace tabrino {

// Outcome of reading a catalog: the services in document order, or the
// description of why they could not be read (then `services` is empty).
struct CatalogLoadResult {
    QList<CatalogService> services;
    std::optional<QString> error;

    bool succeeded() const { return !error.has_value(); }

    static CatalogLoadResult success(QList<CatalogService> services) { return {std::move(services), std::nullopt}; }
    static CatalogLoadResult failure(QString description) { return {{}, std::move(description)}; }
};

}  // namespace tabrino
