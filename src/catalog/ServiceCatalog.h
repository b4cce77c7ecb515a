// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "catalog/CatalogService.h"
#include "catalog/FuzzyMatch.h"
#include "catalog/ServiceCatalogProviding.h"

#include <QHash>
#include <QList>
#include <QObject>
#include <QString>

#include <memory>
#include <optional>
#include <vector>

namespace tabrino {

// The in-memory catalog of known services, read from its provider by load().
// Main thread only.
class ServiceCatalog : public QObject {
    Q_OBJECT
    Q_PROPERTY(QList<tabrino::CatalogService> services READ services NOTIFY servicesChanged)
    // Empty text when the last load succeeded.
    Q_PROPERTY(QString loadError READ loadErrorText NOTIFY loadErrorChanged)

public:
    // Loads at once.
    explicit ServiceCatalog(std::shared_ptr<const ServiceCatalogProviding> provider, QObject* parent = nullptr);
    ~ServiceCatalog() override;

    // The application's catalog: the downloaded cache, else the shipped
    // "Services.json". Created on first use, never destroyed.
    static ServiceCatalog& shared();

    // The ids search offers for an empty query, in this order.
    static const QStringList& popularIds();

    // Sorted by name (locale-aware, ignoring case, stable); empty before a
    // successful load and after a failed one.
    const QList<CatalogService>& services() const { return m_services; }
    std::optional<QString> loadError() const { return m_loadError; }
    QString loadErrorText() const { return m_loadError.value_or(QString()); }

    std::optional<CatalogService> byId(const QString& id) const;

    // The popular services this catalog holds, in popularIds() order.
    QList<CatalogService> popular() const;

    // Replaces services, the id index and the load error from the provider.
    // A failure empties the catalog.
    void load();

    // The best `limit` matches of the trimmed query over names and aliases:
    // higher score first, then shorter name, then catalog order. An empty
    // query gives the first `limit` popular services.
    QList<CatalogService> search(const QString& query, qsizetype limit) const;

Q_SIGNALS:
    void servicesChanged();
    void loadErrorChanged();

private:
    // Each service's texts prepared for matching once per load, so a
    // keystroke only scores.
    struct SearchEntry {
        FuzzyMatch::Text name;
        std::vector<FuzzyMatch::Text> aliases;
        qsizetype nameLength = 0;
    };

    std::shared_ptr<const ServiceCatalogProviding> m_provider;
    QList<CatalogService> m_services;
    QHash<QString, qsizetype> m_indexById;
    std::vector<SearchEntry> m_searchEntries;
    std::optional<QString> m_loadError;
};

}  // namespace tabrino
