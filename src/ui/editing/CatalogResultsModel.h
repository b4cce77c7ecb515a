// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "catalog/CatalogService.h"

#include <QAbstractListModel>
#include <QPointer>
#include <QString>
#include <QtQml/qqmlregistration.h>

namespace tabrino {

class ServiceCatalog;

// The catalog services matching the search text, at most eight, best first;
// popular services for a blank text. A keystroke rewrites the rows in place
// and adds or drops rows only at the end, so the list reuses its delegates
// rather than making new ones: the rows do not animate, and making rows is
// what a keystroke would otherwise spend its time on.
class CatalogResultsModel : public QAbstractListModel {
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("The add flow owns its results.")
    Q_PROPERTY(int count READ count NOTIFY countChanged)

public:
    enum Role { ServiceIdRole = Qt::UserRole + 1, NameRole, ColorHexRole, SymbolRole, SubtitleRole, AccessibilityRole };

    static constexpr qsizetype kLimit = 8;

    explicit CatalogResultsModel(QObject* parent = nullptr);

    // Follows the catalog's reloads; null shows nothing.
    void setCatalog(ServiceCatalog* catalog);
    void setQuery(const QString& query);

    int count() const { return static_cast<int>(m_services.size()); }
    const QList<CatalogService>& services() const { return m_services; }

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QHash<int, QByteArray> roleNames() const override;

    // "from $9.99/mo · Streaming": the cheapest plan in US dollars and the
    // category; empty for a service without plans.
    static QString subtitle(const CatalogService& service);
    // "Netflix, Streaming".
    static QString accessibilityText(const CatalogService& service);

Q_SIGNALS:
    void countChanged();

private:
    void update();
    void apply(const QList<CatalogService>& target);

    QPointer<ServiceCatalog> m_catalog;
    QString m_query;
    QList<CatalogService> m_services;
};

}  // namespace tabrino
