// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "catalog/CachedServiceCatalog.h"

#include "catalog/CatalogDocument.h"

#include <QFile>
#include <QStandardPaths>

using namespace Qt::StringLiterals;

namespace tabrino {

CachedServiceCatalog::CachedServiceCatalog(QString cachePath, std::shared_ptr<const ServiceCatalogProviding> fallback)
    : m_cachePath(std::move(cachePath))
    , m_fallback(std::move(fallback))
{
}

QString CachedServiceCatalog::defaultCachePath()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + u"/Tabrino/catalog.json"_s;
}

std::optional<QList<CatalogService>> CachedServiceCatalog::readCache(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.size() > CatalogDocument::maximumSize)
        return std::nullopt;
    // One byte past the cap tells a file that grew since it was measured.
    const QByteArray bytes = file.read(CatalogDocument::maximumSize + 1);
    if (file.error() != QFileDevice::NoError || bytes.size() > CatalogDocument::maximumSize)
        return std::nullopt;
    CatalogLoadResult cached = CatalogDocument::decode(bytes);
    if (!cached.succeeded() || cached.services.size() < minimumServiceCount)
        return std::nullopt;
    return std::move(cached.services);
}

CatalogLoadResult CachedServiceCatalog::loadServices() const
{
    if (std::optional<QList<CatalogService>> cached = readCache(m_cachePath))
        return CatalogLoadResult::success(std::move(*cached));
    if (!m_fallback)
        return CatalogLoadResult::failure(u"The catalog cache is unusable and there is no other catalog."_s);
    return m_fallback->loadServices();
}

}  // namespace tabrino
