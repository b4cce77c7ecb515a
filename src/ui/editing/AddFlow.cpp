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
    //: Title of the add screen while it searches the catalog
    case Stage::Search: return tr("Add Subscription");
    case Stage::Plan: return m_service.name;
    //: Title of the add screen's form for a subscription the catalog does not list
    case Stage::Custom: return tr("New Subscription");
    }
    return {};
}

QString AddFlow::customRowLabel() const
{
    // The text as typed, spaces and all, so the user sees what becomes the name.
    if (m_query.isEmpty())
        return tr("Add a custom subscription");
    //: The last row of the search results; %1 is the text searched for
    return tr("Can't find it? Add \"%1\"").arg(m_query);
}

void AddFlow::choose(int row)
{
    if (row < 0 || row >= m_results->count())
        return;
    moveTo(Stage::Plan, m_results->services().at(row), {});
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
    moveTo(Stage::Custom, {}, Prefill::fromQuery(m_query));
}

void AddFlow::customize(const Prefill& prefill)
{
    moveTo(Stage::Custom, {}, prefill);
}

void AddFlow::back()
{
    if (m_stage == Stage::Search) {
        Q_EMIT done();
        return;
    }
    moveTo(Stage::Search, {}, {});
}

void AddFlow::moveTo(Stage stage, const CatalogService& service, const Prefill& prefill)
{
    m_stage = stage;
    m_service = service;
    m_prefill = prefill;
    Q_EMIT stageChanged();
}

void AddFlow::setInitialPlan(const CatalogPlan& plan)
{
    if (m_initialPlan == plan)
        return;
    m_initialPlan = plan;
    Q_EMIT initialPlanChanged();
}

}  // namespace tabrino
