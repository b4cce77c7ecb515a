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

CatalogLoadResult CachedServiceCatalog::loadServices() const
{
    QFile file(m_cachePath);
    if (file.open(QIODevice::ReadOnly)) {
        const QByteArray bytes = file.readAll();
        if (file.error() == QFileDevice::NoError) {
            CatalogLoadResult cached = CatalogDocument::decode(bytes);
            if (cached.succeeded() && cached.services.size() >= minimumServiceCount)
                return cached;
        }
    }
    if (!m_fallback)
        return CatalogLoadResult::failure(u"The catalog cache is unusable and there is no other catalog."_s);
    return m_fallback->loadServices();
}

}  // namespace tabrino
