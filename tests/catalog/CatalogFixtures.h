// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "catalog/CatalogService.h"
#include "catalog/ServiceCatalogProviding.h"
#include "support/Printers.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace tabrino::test {

// One service object of a catalog document, with one monthly plan at 4.99.
QByteArray serviceJson(const QString& id, const QString& name, const QString& category = QStringLiteral("streaming"));

// A JSON array of the given service objects.
QByteArray documentJson(const QList<QByteArray>& services);

// A valid document of `count` generated services ("<prefix>-0001", named
// "<Prefix> 0001"), followed by `extra` service objects.
QByteArray generatedCatalog(int count, const QString& prefix = QStringLiteral("svc"),
                            const QList<QByteArray>& extra = {});

bool writeFile(const QString& path, const QByteArray& bytes);
QByteArray readFile(const QString& path);

// A catalog service with only what search and sorting look at.
CatalogService makeService(const QString& id, const QString& name, const QStringList& aliases = {});

// A provider whose result the test sets, counting the reads.
class FixedCatalogProvider final : public ServiceCatalogProviding {
public:
    explicit FixedCatalogProvider(CatalogLoadResult initial = {}) : result(std::move(initial)) {}

    CatalogLoadResult loadServices() const override
    {
        ++reads;
        return result;
    }

    CatalogLoadResult result;
    mutable int reads = 0;
};

}  // namespace tabrino::test
