// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "catalog/CatalogPlan.h"

#include <QList>
#include <QMetaType>
#include <QObject>
#include <QString>
#include <QStringList>

#include <optional>

namespace tabrino {

// One well-known service of the catalog, as the catalog document states it.
// A gadget, so the screens hold it as a typed value.
struct CatalogService {
    Q_GADGET
    Q_PROPERTY(QString id MEMBER id)
    Q_PROPERTY(QString name MEMBER name)

public:
    QString id;                              // unique within a catalog, e.g. "youtube-premium"
    QString name;                            // display name and main search text
    QString category;                        // one of the ten category names
    std::optional<QString> cancellationUrl;  // text of the cancellation page address
    QString brandColor;                      // "RRGGBB", optionally with a leading "#"
    QString symbol;                          // symbol name of the icon
    QList<CatalogPlan> plans;                // in the order they are offered
    std::optional<QStringList> aliases;      // other names search finds it under

    // The plan with the lowest monthly equivalent; the earliest of equally
    // cheap plans. Absent when there are no plans.
    std::optional<CatalogPlan> defaultPlan() const;

    friend bool operator==(const CatalogService&, const CatalogService&) = default;
};

size_t qHash(const CatalogService& service, size_t seed = 0);

}  // namespace tabrino

Q_DECLARE_METATYPE(tabrino::CatalogService)
