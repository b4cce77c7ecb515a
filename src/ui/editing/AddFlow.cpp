// SPDX-FileCopyrightText: 2026 The Tabrino developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/editing/AddFlow.h"

#include "catalog/ServiceCatalog.h"

namespace tabrino {

AddFlow::AddFlow(QObject* parent) : QObject(parent), m_results(new CatalogResultsModel(this))
{
}

void AddFlow::setStore(SubscriptionStore* store)
{
    if (m_store == store)
        return;
    m_store = store;
    m_results->setCatalog(store ? store->catalog() : nullptr);
    Q_EMIT storeChanged();
}

void AddFlow::setQuery(const QString& query)
{
    if (m_query == query)
        return;
    m_query = query;
    m_results->setQuery(query);
    Q_EMIT queryChanged();
}

QString AddFlow::title() const
{
    switch (m_stage) {
    case Stage::Search: return tr("Add Subscription");
    case Stage::Plan: return m_service ? m_service->name : QString();
    case Stage::Custom: return tr("New Subscription");
    }
    return {};
}

QString AddFlow::customRowLabel() const
{
    // The text as typed, spaces and all, so the user sees what becomes the name.
    if (m_query.isEmpty())
        return tr("Add a custom subscription");
    return tr("Can't find it? Add \"%1\"").arg(m_query);
}

void AddFlow::choose(int row)
{
    if (row < 0 || row >= m_results->count())
        return;
    moveTo(Stage::Plan, m_results->services().at(row), std::nullopt);
}

bool AddFlow::selectFirstResult()
{
    if (m_stage != Stage::Search || m_results->count() == 0)
        return false;
    choose(0);
    return true;
}

void AddFlow::chooseCustom()
{
    moveTo(Stage::Custom, std::nullopt, Prefill::fromQuery(m_query));
}

void AddFlow::customize(const QVariant& prefill)
{
    moveTo(Stage::Custom, std::nullopt,
           prefill.canConvert<Prefill>() ? std::optional<Prefill>(prefill.value<Prefill>()) : std::nullopt);
}

void AddFlow::back()
{
    if (m_stage == Stage::Search) {
        Q_EMIT done();
        return;
    }
    moveTo(Stage::Search, std::nullopt, std::nullopt);
}

void AddFlow::moveTo(Stage stage, std::optional<CatalogService> service, std::optional<Prefill> prefill)
{
    m_stage = stage;
    m_service = std::move(service);
    m_prefill = std::move(prefill);
    Q_EMIT stageChanged();
}

QVariant AddFlow::serviceValue() const
{
    return m_service ? QVariant::fromValue(*m_service) : QVariant();
}

QVariant AddFlow::prefillValue() const
{
    return m_prefill ? QVariant::fromValue(*m_prefill) : QVariant();
}

QVariant AddFlow::initialPlanValue() const
{
    return m_initialPlan ? QVariant::fromValue(*m_initialPlan) : QVariant();
}

void AddFlow::setInitialPlanValue(const QVariant& plan)
{
    m_initialPlan =
        plan.canConvert<CatalogPlan>() ? std::optional<CatalogPlan>(plan.value<CatalogPlan>()) : std::nullopt;
    Q_EMIT initialPlanChanged();
}

}  // namespace tabrino
