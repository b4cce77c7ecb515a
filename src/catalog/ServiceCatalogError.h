// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

namespace tabrino {

// Errors of the catalog providers themselves (read and decode errors carry
// their own descriptions).
class ServiceCatalogError {
public:
    enum class Kind { ResourceMissing };

    static ServiceCatalogError resourceMissing(const QString& fileName);

    Kind kind() const { return m_kind; }
    QString fileName() const { return m_fileName; }

    // The text the catalog keeps as its load error.
    QString description() const;

private:
    ServiceCatalogError(Kind kind, QString fileName);

    Kind m_kind;
    QString m_fileName;
};

}  // namespace tabrino
