// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "catalog/ServiceCatalogProviding.h"

#include <QString>

#include <memory>
#include <optional>

namespace tabrino {

// The downloaded catalog file, used only when it is a valid document with
// at least minimumServiceCount services; otherwise the fallback's result.
// Never reports an error of its own.
class CachedServiceCatalog final : public ServiceCatalogProviding {
public:
    // A shorter list is taken for a truncated or stray download, not a catalog.
    static constexpr qsizetype minimumServiceCount = 150;

    CachedServiceCatalog(QString cachePath, std::shared_ptr<const ServiceCatalogProviding> fallback);

    // <generic data location>/Tabrino/catalog.json
    static QString defaultCachePath();

    QString cachePath() const { return m_cachePath; }

    // The services of the cache file at `path` when it is usable: at most
    // CatalogDocument::maximumSize bytes, a valid document, at least
    // minimumServiceCount services.
    static std::optional<QList<CatalogService>> readCache(const QString& path);

    CatalogLoadResult loadServices() const override;

private:
    QString m_cachePath;
    std::shared_ptr<const ServiceCatalogProviding> m_fallback;
};

}  // namespace tabrino
