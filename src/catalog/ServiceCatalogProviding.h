// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "catalog/CatalogLoadResult.h"

namespace tabrino {

// A source of catalog services: the shipped resource, the downloaded cache.
class ServiceCatalogProviding {
public:
    virtual ~ServiceCatalogProviding() = default;

    // Reads the source synchronously; services in document order or an error.
    virtual CatalogLoadResult loadServices() const = 0;
};

}  // namespace tabrino
