#include "ui/editing/CatalogResultsModel.h"

#include "catalog/ServiceCatalog.h"
#include "format/MoneyFormatter.h"
#include "model/SubscriptionCategory.h"

namespace tabrino {

namespace {

SubscriptionCategory categoryOf(const CatalogService& service)
{
    return SubscriptionCategory::fromRawValue(service.category).value_or(SubscriptionCategory::Other);
}

qsizetype indexOfID(const QList<CatalogService>& services, const QString& id, qsizetype from)
{
    for (qsizetype i = from; i < services.size(); ++i)
        if (services[i].id == id)
            return i;
    return -1;
}

}  // namespace

CatalogResultsModel::CatalogResultsModel(QObject* parent) : QAbstractListModel(parent) {}

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
    // Rows that leave go first, from the bottom up.
    for (qsizetype row = m_services.size() - 1; row >= 0; --row) {
        if (indexOfID(target, m_services[row].id, 0) >= 0)
            continue;
        beginRemoveRows({}, int(row), int(row));
        m_services.removeAt(row);
        endRemoveRows();
    }
    // Then each place is filled in order, by a move of a row that stays or
    // by an insert.
    for (qsizetype row = 0; row < target.size(); ++row) {
        const qsizetype at = indexOfID(m_services, target[row].id, row);
        if (at == row) {
            if (!(m_services[row] == target[row])) {
                // The catalog was reloaded with new data for this service.
                m_services[row] = target[row];
                Q_EMIT dataChanged(index(int(row)), index(int(row)));
            }
            continue;
        }
        if (at > row) {
            beginMoveRows({}, int(at), int(at), {}, int(row));
            m_services.move(at, row);
            endMoveRows();
            if (!(m_services[row] == target[row])) {
                m_services[row] = target[row];
                Q_EMIT dataChanged(index(int(row)), index(int(row)));
            }
            continue;
        }
        beginInsertRows({}, int(row), int(row));
        m_services.insert(row, target[row]);
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
    case ServiceIDRole: return service.id;
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
    return {{ServiceIDRole, "serviceID"},  {NameRole, "name"},         {ColorHexRole, "colorHex"},
            {SymbolRole, "symbol"},        {SubtitleRole, "subtitle"}, {AccessibilityRole, "accessibilityText"}};
}

QString CatalogResultsModel::subtitle(const CatalogService& service)
{
    const std::optional<CatalogPlan> plan = service.defaultPlan();
    if (!plan)
        return {};
    return tr("from %1/%2 · %3")
        .arg(MoneyFormatter::plain(plan->price, QStringLiteral("USD")), plan->billingCycle().shortLabel(),
             categoryOf(service).displayName());
}

QString CatalogResultsModel::accessibilityText(const CatalogService& service)
{
    return service.name + QStringLiteral(", ") + categoryOf(service).displayName();
}

}  // namespace tabrino
