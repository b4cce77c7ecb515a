// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "catalog/CatalogPlan.h"
#include "catalog/CatalogService.h"

#include <QtQml/qqml.h>

// The catalog's entries as QML knows them, so the add screen's stages pass
// them on as typed values; the catalog itself stays free of QtQml.
namespace tabrino::qml {

struct CatalogServiceForeign {
    Q_GADGET
    QML_FOREIGN(tabrino::CatalogService)
    QML_VALUE_TYPE(catalogService)
};

struct CatalogPlanForeign {
    Q_GADGET
    QML_FOREIGN(tabrino::CatalogPlan)
    QML_VALUE_TYPE(catalogPlan)
};

}  // namespace tabrino::qml
