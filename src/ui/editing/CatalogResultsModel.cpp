// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/editing/CatalogResultsModel.h"

#include "catalog/ServiceCatalog.h"
#include "format/MoneyFormatter.h"
#include "model/SubscriptionCategory.h"

#include <algorithm>

namespace tabrino {

namespace {

SubscriptionCategory categoryOf(const CatalogService& service)
{
    return SubscriptionCategory::fromString(service.category).value_or(SubscriptionCategory::Other);
}

}  // namespace

CatalogResultsModel::CatalogResultsModel(QObject* parent) : QAbstractListModel(parent)
{
}

void CatalogResultsModel::setCatalog(ServiceCatalog* catalog)
{
    if (m_catalog == catalog)
        return;
    if (m_catalog)
        disconnect(m_catalog, nullptr, this, nullptr);
    m_catalog = catalog;
    if (catalog)
        connect(catalog, &ServiceCatalog::servicesChanged, this, &CatalogResultsModel::update);
    update();
}

void CatalogResultsModel::setQuery(const QString& query)
{
    if (m_query == query)
        return;
    m_query = query;
    update();
}

void CatalogResultsModel::update()
{
    apply(m_catalog ? m_catalog->search(m_query, kLimit) : QList<CatalogService>());
}

void CatalogResultsModel::apply(const QList<CatalogService>& target)
{
    const qsizetype before = m_services.size();
    const qsizetype common = std::min(before, target.size());
    if (target.size() < before) {
        beginRemoveRows({}, int(target.size()), int(before - 1));
        m_services.resize(target.size());
        endRemoveRows();
    }
    for (qsizetype row = 0; row < common; ++row) {
        if (m_services[row] == target[row])
            continue;
        m_services[row] = target[row];
        Q_EMIT dataChanged(index(int(row)), index(int(row)));
    }
    if (target.size() > before) {
        beginInsertRows({}, int(before), int(target.size() - 1));
        m_services.append(target.mid(before));
        endInsertRows();
    }
    if (m_services.size() != before)
        Q_EMIT countChanged();
}

int CatalogResultsModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : count();
}

QVariant CatalogResultsModel::data(const QModelIndex& index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid))
        return {};
    const CatalogService& service = m_services[index.row()];
    switch (role) {
    case ServiceIdRole: return service.id;
    case Qt::DisplayRole:
    case NameRole: return service.name;
    case ColorHexRole: return service.brandColor;
    case SymbolRole: return service.symbol;
    case SubtitleRole: return subtitle(service);
    case AccessibilityRole: return accessibilityText(service);
    default: return {};
    }
}

QHash<int, QByteArray> CatalogResultsModel::roleNames() const
{
    return {{ServiceIdRole, "serviceId"}, {NameRole, "name"},         {ColorHexRole, "colorHex"},
            {SymbolRole, "symbol"},       {SubtitleRole, "subtitle"}, {AccessibilityRole, "accessibilityText"}};
}

QString CatalogResultsModel::subtitle(const CatalogService& service)
{
    const std::optional<CatalogPlan> plan = service.defaultPlan();
    if (!plan)
        return {};
    //: Under a service in the search results: %1 is its cheapest usual price ("$0.99"), %2 the short
    //: billing cycle after the slash ("mo"), %3 its category ("Cloud")
    return tr("from %1/%2 · %3")
        .arg(MoneyFormatter::plain(plan->price, QStringLiteral("USD")), plan->billingCycle().localizedShortLabel(),
             categoryOf(service).localizedName());
}

QString CatalogResultsModel::accessibilityText(const CatalogService& service)
{
    //: Read out for a service in the search results: %1 is its name, %2 its category ("Netflix, Streaming")
    return tr("%1, %2").arg(service.name, categoryOf(service).localizedName());
}

}  // namespace tabrino
