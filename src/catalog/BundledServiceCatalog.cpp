// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "catalog/BundledServiceCatalog.h"

#include "catalog/CatalogDocument.h"
#include "catalog/ServiceCatalogError.h"

#include <QDir>
#include <QFile>

using namespace Qt::StringLiterals;

// Outside the namespace: Q_INIT_RESOURCE declares the initialiser at the
// scope where it is used.
static void initialiseCatalogResources()
{
    Q_INIT_RESOURCE(tabrino_catalog_data);
}

namespace tabrino {

BundledServiceCatalog::BundledServiceCatalog(QString resourceName, QString resourceDirectory)
    : m_resourceName(std::move(resourceName))
    , m_resourceDirectory(std::move(resourceDirectory))
{
    static const bool initialised = (initialiseCatalogResources(), true);
    Q_UNUSED(initialised);
}

CatalogLoadResult BundledServiceCatalog::loadServices() const
{
    const QString fileName = m_resourceName + u".json"_s;
    QFile file(QDir(m_resourceDirectory).filePath(fileName));
    if (!file.exists())
        return CatalogLoadResult::failure(ServiceCatalogError::resourceMissing(fileName).description());
    if (!file.open(QIODevice::ReadOnly))
        return CatalogLoadResult::failure(u"Couldn't read "_s + fileName + u": "_s + file.errorString());
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return CatalogLoadResult::failure(u"Couldn't read "_s + fileName + u": "_s + file.errorString());
    return CatalogDocument::decode(bytes);
}

}  // namespace tabrino
