// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "catalog/ServiceCatalogProviding.h"

#include <QString>

namespace tabrino {

// The catalog shipped inside the program: "<resourceName>.json" in a
// resource directory (the compiled-in resources by default).
class BundledServiceCatalog final : public ServiceCatalogProviding {
public:
    explicit BundledServiceCatalog(QString resourceName, QString resourceDirectory = QStringLiteral(":/"));

    QString resourceName() const { return m_resourceName; }
    QString resourceDirectory() const { return m_resourceDirectory; }

    // Fails with ServiceCatalogError::resourceMissing when there is no such
    // file; read and decode errors are passed on.
    CatalogLoadResult loadServices() const override;

private:
    QString m_resourceName;
    QString m_resourceDirectory;
};

}  // namespace tabrino
