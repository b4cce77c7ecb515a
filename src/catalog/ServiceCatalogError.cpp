// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "catalog/ServiceCatalogError.h"

using namespace Qt::StringLiterals;

namespace tabrino {

ServiceCatalogError::ServiceCatalogError(Kind kind, QString fileName) : m_kind(kind), m_fileName(std::move(fileName))
{
}

ServiceCatalogError ServiceCatalogError::resourceMissing(const QString& fileName)
{
    return ServiceCatalogError(Kind::ResourceMissing, fileName);
}

QString ServiceCatalogError::description() const
{
    switch (m_kind) {
    case Kind::ResourceMissing: break;
    }
    return u"Couldn't find "_s + m_fileName + u" in the app bundle."_s;
}

}  // namespace tabrino
